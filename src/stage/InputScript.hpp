#pragma once

#include "stage/ScriptStep.hpp"

#include <istream>
#include <string>
#include <vector>

// Input for a scene, written as text, one step a line, applied in order between frames:
//
//   move X Y                         the mouse moves to window pixel (X, Y)
//   press left|right|middle X Y      a button goes down at (X, Y)
//   release left|right|middle X Y    a button comes up at (X, Y)
//   wheel DELTA X Y                  the wheel turns DELTA steps (forwards when positive)
//   key NAME                         a key is pressed and released
//   keydown NAME / keyup NAME        a key goes down / comes up
//   resize W H                       the window is resized to W x H pixels
//   enter / leave                    the mouse enters / leaves the window
//   frames N                         N frames run
//
// Everything from "#" to the end of a line is a comment; blank lines are ignored.
class InputScript
{
public:
    // Throws UsageError naming the source, the line and the problem for a malformed line.
    static InputScript Parse(std::istream& text, const std::string& source = "script");
    // Throws UsageError when the file cannot be read, or as Parse does.
    static InputScript Load(const std::string& path);

    const std::vector<ScriptStep>& GetSteps() const { return mySteps; }

    // The names the script accepts for keys, for the help text.
    static std::string KeyNames();

private:
    std::vector<ScriptStep> mySteps;
};
