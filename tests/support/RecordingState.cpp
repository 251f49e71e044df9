#include "support/RecordingState.hpp"

#include "gfx/RenderTarget.hpp"

namespace testing_support
{
void RecordingState::Update()
{
    Calls.push_back("Update");
    if (OnUpdate)
    {
        OnUpdate(*this);
    }
}

void RecordingState::EventHandling(gfx::Event event)
{
    Calls.push_back("EventHandling");
    Events.push_back(event);
    if (OnEvent)
    {
        OnEvent(*this, event);
    }
}

void RecordingState::Render(gfx::RenderTarget& target)
{
    Calls.push_back("Render");
    target.Clear(gfx::Color(0, 128, 128, 255));
}
} // namespace testing_support
