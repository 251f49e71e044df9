#pragma once

#include "gameobjects/Updatable.hpp"
#include "gfx/Drawable.hpp"
#include "gfx/Shape.hpp"
#include "pulse/PulseOwner.hpp"
#include "pulse/PulseVariation.hpp"

#include <string>
#include <vector>

class Line;
class ShelfSlot;

// A row of slots, one unit apart along the shelf's x axis, that bob in a travelling wave and are
// joined by lines as thick as a fifth of their slots' scale. The shelf owns its slots and lines,
// never what its owner puts into the slots. Slots are added and removed at the right end only,
// since each slot's Dance follows the one to its left.
class Shelf : public gfx::Drawable, public Updatable
{
public:
    // MainBeat must outlive the shelf.
    Shelf(const PulseGenerator* MainBeat, const gfx::Vector2f& Position, const gfx::Vector2f& Scale,
          float Rotation, const gfx::Color& Col);
    ~Shelf() override;
    Shelf(const Shelf&) = delete;
    Shelf& operator=(const Shelf&) = delete;

    void AddSlots(int n);
    void AddSlot();
    // Does nothing on a shelf without slots.
    void RemoveSlot();
    // Throws std::out_of_range for an index outside 0 to the number of slots - 1.
    ShelfSlot* GetSlot(int i);
    // An outline around the area the slots can reach, in the shelf's own frame.
    gfx::Shape GetLocalBoundingBox() const;

    void Update(float elapsedTime) override;
    // Appends "NAME dance", then each slot's pulses from the left, as "NAME slot N dance" and
    // "NAME slot N scale", N counted from 1.
    void ListPulses(const std::string& name, PulseOwner::List& pulses);

    // Origin of the first slot's Dance; its offset and factor set the bounding box's height.
    PulseVariation Dance;

private:
    friend class ShelfProbe;

    void Render(gfx::RenderTarget& Target) const override;

    float mySlotMargin;
    float mySlotSize;
    std::vector<ShelfSlot*> mySlots;
    std::vector<Line*> myLines;
};
