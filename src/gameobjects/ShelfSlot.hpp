#pragma once

#include "gameobjects/Container.hpp"
#include "gameobjects/Updatable.hpp"
#include "pulse/PulseOwner.hpp"
#include "pulse/PulseVariation.hpp"

#include <string>

// One place on a shelf: a container that bobs up and down a quarter period ahead of the slot to
// its left and breathes in size. Its Scale follows its own Dance, so a slot cannot be copied.
class ShelfSlot : public Container, public Updatable
{
public:
    // DanceBeforeMe is the Dance of the slot to the left, or the shelf's; it must outlive the
    // slot.
    ShelfSlot(const PulseGenerator* DanceBeforeMe, const gfx::Vector2f& Position,
              const gfx::Vector2f& Scale, float Rotation, const gfx::Color& Col);
    ShelfSlot(const ShelfSlot&) = delete;
    ShelfSlot& operator=(const ShelfSlot&) = delete;

    void Update(float elapsedTime) override;
    // Appends "NAME dance" and "NAME scale".
    void ListPulses(const std::string& name, PulseOwner::List& pulses);

    // Vertical position in the shelf's frame.
    PulseVariation Dance;
    // Uniform scale.
    PulseVariation Scale;
};
