#include "engine/GameStateManager.hpp"

#include "support/RecordingState.hpp"

#include <gtest/gtest.h>
#include <stdexcept>

using testing_support::RecordingState;

TEST(GameStateManager, ReplacesOnRegisterRunsWhatItActivatesAndRejectsUnknownIds)
{
    GameStateManager manager;
    RecordingState first("main");
    RecordingState second("main");
    RecordingState other("TestBoundedMovement");
    manager.RegisterState(&first);
    EXPECT_EQ(first.GetManager(), &manager);
    EXPECT_FALSE(first.IsRunning()) << "registering must not start the state";
    manager.SetActiveState("main");
    EXPECT_TRUE(first.IsRunning());

    manager.RegisterState(&second);
    manager.RegisterState(&other);
    EXPECT_EQ(manager.GetState("main"), &second);
    EXPECT_EQ(manager.GetStateIDs(), (std::vector<GameStateID>{"TestBoundedMovement", "main"}));
    EXPECT_THROW(manager.SetActiveState("Main"), std::out_of_range);
    EXPECT_EQ(manager.GetActiveState(), &first);
    EXPECT_TRUE(first.Calls.empty()) << "neither Initialize nor Cleanup is the manager's job";
}
