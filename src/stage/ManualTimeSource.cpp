#include "stage/ManualTimeSource.hpp"

#include "gfx/Clock.hpp"

ManualTimeSource::ManualTimeSource()
{
    gfx::Clock::SetTimeSource([this] { return myNow; });
}

ManualTimeSource::~ManualTimeSource()
{
    gfx::Clock::SetTimeSource(nullptr);
}
