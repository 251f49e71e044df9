#include "gameobjects/ShelfSlot.hpp"

ShelfSlot::ShelfSlot(const PulseGenerator* DanceBeforeMe, const gfx::Vector2f& Position,
                     const gfx::Vector2f& Scale, float Rotation, const gfx::Color& Col)
    : Container(Position, Scale, Rotation, Col), Dance(DanceBeforeMe, 1.0f, 0.25f, 1.0f, 0.0f),
      Scale(&Dance, 1.15f, 0.0f, 0.5f, 1.0f)
{
}

void ShelfSlot::Update(float elapsedTime)
{
    Dance.Update(elapsedTime);
    Scale.Update(elapsedTime);
    SetY(Dance.GetPulse());
    const float scale = Scale.GetPulse();
    SetScale(scale, scale);
}

void ShelfSlot::ListPulses(const std::string& name, PulseOwner::List& pulses)
{
    pulses.push_back({name + " dance", &Dance});
    pulses.push_back({name + " scale", &Scale});
}
