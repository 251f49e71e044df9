#include "engine/GameStateManager.hpp"

#include "support/RecordingState.hpp"

#include <gtest/gtest.h>
#include <stdexcept>

using testing_support::RecordingState;

TEST(GameStateManager, StartsEmpty)
{
    const GameStateManager manager;
    EXPECT_EQ(manager.GetActiveState(), nullptr);
    EXPECT_EQ(manager.GetApp(), nullptr);
    EXPECT_THROW(manager.GetState("main"), std::out_of_range);
}

TEST(GameStateManager, RegisterLinksTheStateAndKeysItByItsIdAtThatMoment)
{
    GameStateManager manager;
    RecordingState state("first");
    manager.RegisterState(&state);
    state.SetID("renamed");

    EXPECT_EQ(state.GetManager(), &manager);
    EXPECT_EQ(manager.GetState("first"), &state);
    EXPECT_THROW(manager.GetState("renamed"), std::out_of_range);
    EXPECT_FALSE(state.IsRunning()) << "registering must not start the state";
    EXPECT_EQ(manager.GetActiveState(), nullptr);
}

TEST(GameStateManager, RegisteringATakenIdReplacesTheEntryButNotTheActiveState)
{
    GameStateManager manager;
    RecordingState first("main");
    RecordingState second("main");
    manager.RegisterState(&first);
    manager.SetActiveState("main");
    manager.RegisterState(&second);

    EXPECT_EQ(manager.GetState("main"), &second);
    EXPECT_EQ(manager.GetActiveState(), &first);
    EXPECT_EQ(first.GetManager(), &manager);

    manager.SetActiveState("main");
    EXPECT_EQ(manager.GetActiveState(), &second);
}

TEST(GameStateManager, ActivationMarksRunningAndLeavesTheOldStateAlone)
{
    GameStateManager manager;
    RecordingState first("first");
    RecordingState second("second");
    manager.RegisterState(&first);
    manager.RegisterState(&second);

    manager.SetActiveState("first");
    first.SetRunning(false);
    manager.SetActiveState("first");
    EXPECT_TRUE(first.IsRunning()) << "re-activating sets the flag again";

    manager.SetActiveState("second");
    EXPECT_EQ(manager.GetActiveState(), &second);
    EXPECT_TRUE(second.IsRunning());
    EXPECT_TRUE(first.IsRunning());
    EXPECT_TRUE(first.Calls.empty()) << "neither Initialize nor Cleanup is the manager's job";
    EXPECT_TRUE(second.Calls.empty());
}

TEST(GameStateManager, UnknownIdThrowsMapAtAndChangesNothing)
{
    GameStateManager manager;
    RecordingState state("main");
    manager.RegisterState(&state);
    manager.SetActiveState("main");

    try
    {
        manager.SetActiveState("TestBoundedMovement");
        FAIL() << "expected std::out_of_range";
    }
    catch (const std::out_of_range& error)
    {
        EXPECT_STREQ(error.what(), "map::at");
    }
    EXPECT_EQ(manager.GetActiveState(), &state);
    EXPECT_EQ(manager.GetState("main"), &state);
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
