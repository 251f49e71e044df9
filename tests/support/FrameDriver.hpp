#pragma once

#include "engine/GameState.hpp"

#include <functional>

namespace testing_support
{
class TestApp;

// Runs an initialised scene through the real frame loop for a given number of frames. Before
// each frame, beforeFrame(k) may queue events or advance the time; the events reach the scene in
// frame k. The scene is not cleaned up, so the test can look at it afterwards.
void RunFrames(TestApp& app, GameState& scene, int frames,
               const std::function<void(int frame)>& beforeFrame = {});
} // namespace testing_support
