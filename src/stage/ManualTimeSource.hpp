#pragma once

// While it exists, every gfx::Clock reads a time that moves only when Advance is called, so a
// scene that measures its frames sees exactly the frame times it is given. Clocks made before
// it keep their start reading from the time they replace: make it before the scenes.
class ManualTimeSource
{
public:
    ManualTimeSource();
    ~ManualTimeSource();
    ManualTimeSource(const ManualTimeSource&) = delete;
    ManualTimeSource& operator=(const ManualTimeSource&) = delete;

    // Seconds; never negative, since clocks must not run backwards.
    void Advance(double seconds) { myNow += seconds; }
    // The seconds advanced in all.
    double GetNow() const { return myNow; }

private:
    double myNow = 0.0;
};
