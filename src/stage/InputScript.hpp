#pragma once

#include "stage/ScriptStep.hpp"

#include <istream>
#include <optional>
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
//   focus / unfocus                  the window gains / loses the keyboard focus
//   frames N [SECONDS]               N frames run, each SECONDS long when given
//   pause / resume                   the scene's time stops / runs again: paused frames take none
//   step                             one frame of 1/60 s runs, paused or not
//   set PARAMETER VALUE PULSE        a parameter of the scene's pulse of that name changes
//   seed N                           the random numbers' seed; only before every step
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
    // What the script was read from, as its messages name it.
    const std::string& GetSource() const { return mySource; }
    // The seed the script asks for, if any.
    std::optional<unsigned int> GetSeed() const { return mySeed; }

    // The step that delivers this one event, for a recording; nothing for an event no scene and
    // no input state reads (text, a scroll without a wheel step, buttons but the three).
    // A wheel step delivers both of X's reports of it: leave out the MouseWheelScrolled that
    // follows a MouseWheelMoved.
    static std::optional<std::string> LineOf(const gfx::Event& event);
    // The key's name in scripts; "Unknown" for a key without one.
    static std::string KeyName(gfx::Keyboard::Key key);

    // The names the script accepts for keys, for the help text.
    static std::string KeyNames();

private:
    std::vector<ScriptStep> mySteps;
    std::string mySource = "script";
    std::optional<unsigned int> mySeed;
};
