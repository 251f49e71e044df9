#include "gameobjects/Shelf.hpp"

#include "gameobjects/ShelfProbe.hpp"
#include "gameobjects/ShelfSlot.hpp"
#include "support/ExactPulse.hpp"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <vector>

using testing_support::ExactPulse;

namespace
{
// The shelf follows a beat of time factor 2 and amplitude 1. Its dance runs one and a half times
// as fast at a quarter of the amplitude; slot i's dance is (i + 1) quarter periods ahead of it,
// and its scale runs 1.15 times as fast again, at half the amplitude, about 1.
float SlotY(int i, float time)
{
    return ExactPulse(2.f * 1.5f, 0.25f * (i + 1), 0.25f, 0.f, time);
}

float SlotScale(int i, float time)
{
    return ExactPulse(2.f * 1.5f * 1.15f, 0.25f * (i + 1), 0.25f * 0.5f, 1.f, time);
}

// Every slot one unit right of the last, at its place in the wave and upright on a shelf turned
// by 30 degrees; line i joins slots i and i + 1, each end a fifth of its slot's scale thick.
void ExpectWave(Shelf& shelf, int slots, float time)
{
    const std::vector<Line*>& lines = ShelfProbe::Lines(shelf);
    ASSERT_EQ(lines.size() + 1, static_cast<std::size_t>(slots));
    EXPECT_THROW(shelf.GetSlot(slots), std::out_of_range);
    for (int i = 0; i < slots; ++i)
    {
        const ShelfSlot& slot = *shelf.GetSlot(i);
        EXPECT_EQ(slot.GetPosition().x, static_cast<float>(i));
        EXPECT_NEAR(slot.GetPosition().y, SlotY(i, time), 1e-6f) << i;
        EXPECT_NEAR(slot.GetScale().x, SlotScale(i, time), 1e-6f) << i;
        EXPECT_EQ(slot.GetScale().y, slot.GetScale().x);
        EXPECT_NEAR(slot.GetRotation(), 330.f, 1e-3f);
        if (i > 0)
        {
            const Line& line = *lines[i - 1];
            EXPECT_EQ(line.GetP1(), shelf.GetSlot(i - 1)->GetPosition());
            EXPECT_EQ(line.GetP2(), slot.GetPosition());
            EXPECT_NEAR(line.GetThickness1(), 0.2f * SlotScale(i - 1, time), 1e-6f);
            EXPECT_NEAR(line.GetThickness2(), 0.2f * SlotScale(i, time), 1e-6f);
        }
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

TEST_F(ShelfTest, BoxesTheReachOfItsSlotsOrOfOneWithoutAny)
{
    // The slots' centres reach the dance's amplitude 0.25 up and down, and half a slot further.
    shelf->RemoveSlot();
    EXPECT_EQ(shelf->GetLocalBoundingBox().GetPointPosition(0), gfx::Vector2f(-0.5f, -0.75f));
    EXPECT_EQ(shelf->GetLocalBoundingBox().GetPointPosition(2), gfx::Vector2f(0.5f, 0.75f));
    shelf->AddSlots(5);
    EXPECT_EQ(shelf->GetLocalBoundingBox().GetPointPosition(2), gfx::Vector2f(4.5f, 0.75f));
}

TEST_F(ShelfTest, SlotsBobAndBreatheInATravellingWaveAndASlotAddedLaterJoinsInStep)
{
    shelf->SetRotation(30.f);
    shelf->AddSlots(5);
    shelf->Update(0.4f);
    ExpectWave(*shelf, 5, 0.4f);

    shelf->RemoveSlot();
    ExpectWave(*shelf, 4, 0.4f);
    shelf->AddSlot();
    shelf->Update(0.1f);
    ExpectWave(*shelf, 5, 0.5f);
}
