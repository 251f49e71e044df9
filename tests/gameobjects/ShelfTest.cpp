#include "gameobjects/Shelf.hpp"

#include "gameobjects/Line.hpp"
#include "gameobjects/ShelfSlot.hpp"
#include "gfx/RenderTarget.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <vector>

class ShelfTestAccess
{
public:
    static const std::vector<Line*>& Lines(const Shelf& shelf) { return shelf.myLines; }
};

namespace
{
// Line i must join the current places of slots i and i + 1, each end as thick as a fifth of its
// slot's scale pulse once updated, 1.0 before.
void ExpectJoined(Shelf& shelf, int slots, bool updated)
{
    const std::vector<Line*>& lines = ShelfTestAccess::Lines(shelf);
    ASSERT_EQ(lines.size() + 1, static_cast<std::size_t>(slots));
    EXPECT_THROW(shelf.GetSlot(slots), std::out_of_range);
    for (int i = 0; i + 1 < slots; ++i)
    {
        const ShelfSlot& left = *shelf.GetSlot(i);
        const ShelfSlot& right = *shelf.GetSlot(i + 1);
        EXPECT_EQ(lines[i]->GetP1(), left.GetPosition());
        EXPECT_EQ(lines[i]->GetP2(), right.GetPosition());
        EXPECT_FLOAT_EQ(lines[i]->GetThickness1(), updated ? 0.2f * left.Scale.GetPulse() : 1.f);
        EXPECT_FLOAT_EQ(lines[i]->GetThickness2(), updated ? 0.2f * right.Scale.GetPulse() : 1.f);
    }
}

class ShelfTest : public ::testing::Test
{
protected:
    PulseGenerator beat{"beat", 2.f, 0.f, 1.f, 0.f};
    std::unique_ptr<Shelf> shelf =
        std::make_unique<Shelf>(&beat, gfx::Vector2f(0.f, 0.f), gfx::Vector2f(1.f, 1.f), 0.f,
                                gfx::Color(255, 255, 255, 255));
};
} // namespace

TEST_F(ShelfTest, AddsSlotsOneUnitAndAQuarterPeriodApartJoinedByLinesUnderTheirContents)
{
    // Without slots the box is that of one slot at the origin.
    EXPECT_EQ(shelf->GetLocalBoundingBox().GetPointPosition(0), gfx::Vector2f(-0.5f, -0.75f));
    EXPECT_EQ(shelf->GetLocalBoundingBox().GetPointPosition(2), gfx::Vector2f(0.5f, 0.75f));
    shelf->RemoveSlot();
    shelf->Dance.SetPhaseOffsetVariation(0.1f);
    shelf->AddSlots(5);

    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(shelf->GetSlot(i)->GetPosition(), gfx::Vector2f(static_cast<float>(i), 0.f));
        EXPECT_FLOAT_EQ(shelf->GetSlot(i)->Dance.GetPhaseOffset(), 0.1f + 0.25f * (i + 1));
    }
    ExpectJoined(*shelf, 5, false);
    EXPECT_EQ(shelf->GetLocalBoundingBox().GetPointPosition(0), gfx::Vector2f(-0.5f, -0.75f));
    EXPECT_EQ(shelf->GetLocalBoundingBox().GetPointPosition(2), gfx::Vector2f(4.5f, 0.75f));

    const gfx::Color red(255, 0, 0, 255);
    gfx::Shape item = gfx::Shape::Rectangle({-0.25f, -0.25f}, {0.25f, 0.25f}, red);
    shelf->GetSlot(0)->push_back(&item);
    shelf->GetSlot(1)->push_back(&item);
    ShelfTestAccess::Lines(*shelf)[0]->SetColor(gfx::Color(0, 0, 255, 255));
    shelf->SetPosition(50.f, 50.f);
    shelf->SetScale(20.f, 20.f);
    // The first line runs from (50, 50) to (70, 50), 20 pixels thick, half under each item.
    const gfx::Image image = testing_support::RenderOffscreen(
        100, 100, [&](gfx::RenderTarget& target) { target.Draw(*shelf); });
    EXPECT_EQ(image.GetPixel(52, 50), red);
    EXPECT_EQ(image.GetPixel(60, 50), gfx::Color(0, 0, 255, 255));
    EXPECT_EQ(testing_support::CountPixels(image, red), 2u * 10u * 10u);

    // A shelf that deleted what its slots hold would free this item on the stack.
    shelf.reset();
    EXPECT_EQ(item.GetNbPoints(), 4u);
}

TEST_F(ShelfTest, UpdateBobsUprightSlotsAndASlotAddedLaterJoinsInStep)
{
    shelf->SetRotation(30.f);
    shelf->AddSlots(5);
    shelf->Update(0.4f);

    for (int i = 0; i < 5; ++i)
    {
        const ShelfSlot& slot = *shelf->GetSlot(i);
        EXPECT_EQ(slot.GetPosition(), gfx::Vector2f(static_cast<float>(i), slot.Dance.GetPulse()));
        EXPECT_EQ(slot.GetScale(), gfx::Vector2f(slot.Scale.GetPulse(), slot.Scale.GetPulse()));
        EXPECT_NEAR(slot.GetRotation(), 330.f, 1e-3f);
    }
    ExpectJoined(*shelf, 5, true);

    shelf->RemoveSlot();
    ExpectJoined(*shelf, 4, true);
    shelf->AddSlot();
    shelf->Update(0.1f);
    EXPECT_FLOAT_EQ(shelf->GetSlot(4)->Dance.GetTime(), 0.5f);
    ExpectJoined(*shelf, 5, true);
}
