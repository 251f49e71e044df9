#include "gameobjects/Shelf.hpp"

#include "gameobjects/Line.hpp"
#include "gameobjects/ShelfSlot.hpp"
#include "gfx/RenderTarget.hpp"

#include <algorithm>
#include <string>

namespace
{
const gfx::Color White(255, 255, 255, 255);
} // namespace

Shelf::Shelf(const PulseGenerator* MainBeat, const gfx::Vector2f& Position,
             const gfx::Vector2f& Scale, float Rotation, const gfx::Color& Col)
    : gfx::Drawable(Position, Scale, Rotation, Col), Dance(MainBeat, 1.5f, 0.0f, 0.25f, 0.0f),
      mySlotMargin(1.0f), mySlotSize(1.0f)
{
}

Shelf::~Shelf()
{
    for (ShelfSlot* slot : mySlots)
    {
        delete slot;
    }
    for (Line* line : myLines)
    {
        delete line;
    }
}

void Shelf::AddSlots(int n)
{
    for (int i = 0; i < n; ++i)
    {
        AddSlot();
    }
}

void Shelf::AddSlot()
{
    const gfx::Vector2f origin(0.0f, 0.0f);
    const gfx::Vector2f unitScale(1.0f, 1.0f);
    if (mySlots.empty())
    {
        auto* slot = new ShelfSlot(&Dance, origin, unitScale, 0.0f, White);
        slot->SetX(0.0f);
        mySlots.push_back(slot);
        return;
    }
    const ShelfSlot* last = mySlots.back();
    auto* slot = new ShelfSlot(&last->Dance, origin, unitScale, 0.0f, White);
    slot->SetX(last->GetPosition().x + mySlotMargin);
    myLines.push_back(new Line(last->GetPosition(), slot->GetPosition(), 1.0f, 1.0f, White));
    mySlots.push_back(slot);
}

void Shelf::RemoveSlot()
{
    if (mySlots.empty())
    {
        return;
    }
    delete mySlots.back();
    mySlots.pop_back();
    if (!myLines.empty())
    {
        delete myLines.back();
        myLines.pop_back();
    }
}

ShelfSlot* Shelf::GetSlot(int i)
{
    return mySlots.at(static_cast<std::size_t>(i));
}

gfx::Shape Shelf::GetLocalBoundingBox() const
{
    // The slots' centres reach Dance's offset plus its factor at most (and as far the other
    // way); half a slot more covers their extent. A shelf without slots is boxed like one with
    // a single slot at its origin, rather than collapsing to a line.
    const float half = mySlotSize / 2.0f;
    const float h = Dance.GetOffset() + Dance.GetFactor() + half;
    const std::size_t lastSlot = std::max<std::size_t>(mySlots.size(), 1) - 1;
    const float right = static_cast<float>(lastSlot) * mySlotMargin + half;
    return gfx::Shape::Rectangle(gfx::Vector2f(-half, -h), gfx::Vector2f(right, h),
                                 gfx::Color(0, 0, 0, 0), 0.1f, gfx::Color(0, 0, 0, 255));
}

void Shelf::Update(float elapsedTime)
{
    Dance.Update(elapsedTime);
    const float rotation = GetRotation();
    for (std::size_t i = 0; i < mySlots.size(); ++i)
    {
        ShelfSlot& slot = *mySlots[i];
        slot.Update(elapsedTime);
        // Turning the slot back keeps its contents upright whatever the shelf's rotation.
        slot.SetRotation(-rotation);
        if (i > 0)
        {
            const ShelfSlot& last = *mySlots[i - 1];
            Line& line = *myLines[i - 1];
            line.SetPoints(last.GetPosition(), slot.GetPosition());
            line.SetThickness1(last.Scale.GetPulse() * 0.2f);
            line.SetThickness2(slot.Scale.GetPulse() * 0.2f);
        }
    }
}

void Shelf::ListPulses(const std::string& name, PulseOwner::List& pulses)
{
    pulses.push_back({name + " dance", &Dance});
    for (std::size_t i = 0; i < mySlots.size(); ++i)
    {
        mySlots[i]->ListPulses(name + " slot " + std::to_string(i + 1), pulses);
    }
}

void Shelf::Render(gfx::RenderTarget& Target) const
{
    for (const Line* line : myLines)
    {
        Target.Draw(*line);
    }
    for (const ShelfSlot* slot : mySlots)
    {
        Target.Draw(*slot);
    }
}
