#include "stage/ForwardingState.hpp"

ForwardingState::ForwardingState(GameState& scene) : myScene(scene)
{
    myID = "forwarding to " + scene.GetID();
}

void ForwardingState::Update()
{
    myScene.Update();
}

void ForwardingState::EventHandling(gfx::Event event)
{
    myScene.EventHandling(event);
}

void ForwardingState::Render(gfx::RenderTarget& target)
{
    myScene.Render(target);
}
