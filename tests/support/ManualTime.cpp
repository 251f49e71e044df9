#include "support/ManualTime.hpp"

#include "gfx/Clock.hpp"

namespace testing_support
{
ManualTime::ManualTime()
{
    gfx::Clock::SetTimeSource([this] { return myNow; });
}

ManualTime::~ManualTime()
{
    gfx::Clock::SetTimeSource(nullptr);
}
} // namespace testing_support
