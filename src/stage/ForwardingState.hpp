#pragma once

#include "engine/GameState.hpp"

// Stands in for a scene as the active state and hands it every event, update and render of the
// frame loop, but neither initialises nor cleans it up: the frame loop cleans its active state up
// whenever it returns, and a session runs the loop once per frame.
class ForwardingState final : public GameState
{
public:
    explicit ForwardingState(GameState& scene);

    void Initialize() override {}
    void Cleanup() override {}
    void Update() override;
    void EventHandling(gfx::Event event) override;
    void Render(gfx::RenderTarget& target) override;

private:
    GameState& myScene;
};
