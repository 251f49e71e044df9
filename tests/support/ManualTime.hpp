#pragma once

namespace testing_support
{
// While it exists, every gfx::Clock reads a time that moves only when the test advances it.
class ManualTime
{
public:
    ManualTime();
    ~ManualTime();
    ManualTime(const ManualTime&) = delete;
    ManualTime& operator=(const ManualTime&) = delete;

    void Advance(double seconds) { myNow += seconds; }

private:
    double myNow = 1000.0;
};
} // namespace testing_support
