#include "gameobjects/Shelf.hpp"

#include "gameobjects/ShelfProbe.hpp"
#include "gameobjects/ShelfSlot.hpp"
#include "gfx/RenderTarget.hpp"
#include "support/ExactPulse.hpp"
#include "support/Pixels.hpp"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <vector>

using testing_support::ExactPulse;

namespace
{
// The shelves below follow a beat of time factor 2 and amplitude 1. The shelf's dance runs one
// and a half times as fast at a quarter of the amplitude; slot i's dance is (i + 1) quarter
// periods ahead of it, and its scale runs 1.15 times as fast again, at half the amplitude,
// about 1.
const float BeatTimeFactor = 2.f;

float SlotY(int i, float time)
{
    return ExactPulse(BeatTimeFactor * 1.5f, 0.25f * (i + 1), 0.25f, 0.f, time);
}

float SlotScale(int i, float time)
{
    return ExactPulse(BeatTimeFactor * 1.5f * 1.15f, 0.25f * (i + 1), 0.25f * 0.5f, 1.f, time);
}

// Line i must join the current places of slots i and i + 1, each end as thick as a fifth of its
// slot's scale at that time, or 1 before the first update.
void ExpectJoined(Shelf& shelf, int slots, float time)
{
    const std::vector<Line*>& lines = ShelfProbe::Lines(shelf);
    ASSERT_EQ(lines.size() + 1, static_cast<std::size_t>(slots));
    EXPECT_THROW(shelf.GetSlot(slots), std::out_of_range);
    for (int i = 0; i + 1 < slots; ++i)
    {
        EXPECT_EQ(lines[i]->GetP1(), shelf.GetSlot(i)->GetPosition());
        EXPECT_EQ(lines[i]->GetP2(), shelf.GetSlot(i + 1)->GetPosition());
        EXPECT_NEAR(lines[i]->GetThickness1(), time > 0.f ? 0.2f * SlotScale(i, time) : 1.f, 1e-6f);
        EXPECT_NEAR(lines[i]->GetThickness2(), time > 0.f ? 0.2f * SlotScale(i + 1, time) : 1.f,
                    1e-6f);
    }
}

class ShelfTest : public ::testing::Test
{
protected:
    PulseGenerator beat{"beat", BeatTimeFactor, 0.f, 1.f, 0.f};
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
    ExpectJoined(*shelf, 5, 0.f);
    EXPECT_EQ(shelf->GetLocalBoundingBox().GetPointPosition(0), gfx::Vector2f(-0.5f, -0.75f));
    EXPECT_EQ(shelf->GetLocalBoundingBox().GetPointPosition(2), gfx::Vector2f(4.5f, 0.75f));

    const gfx::Color red(255, 0, 0, 255);
    gfx::Shape item = gfx::Shape::Rectangle({-0.25f, -0.25f}, {0.25f, 0.25f}, red);
    shelf->GetSlot(0)->push_back(&item);
    shelf->GetSlot(1)->push_back(&item);
    ShelfProbe::Lines(*shelf)[0]->SetColor(gfx::Color(0, 0, 255, 255));
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

TEST_F(ShelfTest, SlotsBobAndBreatheInATravellingWaveUprightAndASlotAddedLaterJoinsInStep)
{
    shelf->SetRotation(30.f);
    shelf->AddSlots(5);
    shelf->Update(0.4f);

    for (int i = 0; i < 5; ++i)
    {
        const ShelfSlot& slot = *shelf->GetSlot(i);
        EXPECT_EQ(slot.GetPosition().x, static_cast<float>(i));
        EXPECT_NEAR(slot.GetPosition().y, SlotY(i, 0.4f), 1e-6f) << i;
        EXPECT_NEAR(slot.GetScale().x, SlotScale(i, 0.4f), 1e-6f) << i;
        EXPECT_EQ(slot.GetScale().y, slot.GetScale().x);
        EXPECT_NEAR(slot.GetRotation(), 330.f, 1e-3f);
    }
    ExpectJoined(*shelf, 5, 0.4f);

    shelf->RemoveSlot();
    ExpectJoined(*shelf, 4, 0.4f);
    shelf->AddSlot();
    shelf->Update(0.1f);
    EXPECT_NEAR(shelf->GetSlot(4)->GetPosition().y, SlotY(4, 0.5f), 1e-6f);
    ExpectJoined(*shelf, 5, 0.5f);
}
