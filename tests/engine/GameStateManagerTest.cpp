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
    manager.RegisterState(&first);
    EXPECT_EQ(first.GetManager(), &manager);
    EXPECT_FALSE(first.IsRunning()) << "registering must not start the state";
    manager.SetActiveState("main");
    EXPECT_TRUE(first.IsRunning());

    manager.RegisterState(&second);
    EXPECT_EQ(manager.GetState("main"), &second);
    EXPECT_EQ(manager.GetActiveState(), &first);
    try
    {
        manager.SetActiveState("TestBoundedMovement");
        FAIL() << "expected std::out_of_range";
    }
    catch (const std::out_of_range& error)
    {
        EXPECT_STREQ(error.what(), "map::at");
    }
    EXPECT_EQ(manager.GetActiveState(), &first);
    EXPECT_EQ(manager.GetState("main"), &second);
    EXPECT_TRUE(first.Calls.empty()) << "neither Initialize nor Cleanup is the manager's job";
}

TEST(GameStateManager, ListsTheIdsOfItsStatesSorted)
{
    GameStateManager manager;
    EXPECT_TRUE(manager.GetStateIDs().empty());
    RecordingState first("main");
    RecordingState second("TestBoundedMovement");
    manager.RegisterState(&first);
    manager.RegisterState(&second);
    const std::vector<GameStateID> expected{"TestBoundedMovement", "main"};
    EXPECT_EQ(manager.GetStateIDs(), expected);
}
