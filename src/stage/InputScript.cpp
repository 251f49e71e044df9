#include "stage/InputScript.hpp"

#include "main/UsageError.hpp"
#include "stage/Lowercase.hpp"
#include "stage/SyntheticEvents.hpp"
#include "stage/WholeRange.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>

namespace
{
using K = gfx::Keyboard;

// Keys that follow each other in the graphics library's order, named as it spells them: the
// first, and the others by counting on its last letter or number ("A" to "Z", "F1" to "F15").
struct KeyRun
{
    const char* First;
    K::Key Key;
    int Count;
};

const KeyRun KeyRuns[] = {{"Left", K::Left, 1},
                          {"Right", K::Right, 1},
                          {"Up", K::Up, 1},
                          {"Down", K::Down, 1},
                          {"PageUp", K::PageUp, 1},
                          {"PageDown", K::PageDown, 1},
                          {"Escape", K::Escape, 1},
                          {"Space", K::Space, 1},
                          {"Enter", K::Enter, 1},
                          {"Return", K::Enter, 1},
                          {"Backspace", K::Backspace, 1},
                          {"Tab", K::Tab, 1},
                          {"Home", K::Home, 1},
                          {"End", K::End, 1},
                          {"Insert", K::Insert, 1},
                          {"Delete", K::Delete, 1},
                          {"LShift", K::LShift, 1},
                          {"RShift", K::RShift, 1},
                          {"LControl", K::LControl, 1},
                          {"RControl", K::RControl, 1},
                          {"LAlt", K::LAlt, 1},
                          {"RAlt", K::RAlt, 1},
                          {"Pause", K::Pause, 1},
                          {"LSystem", K::LSystem, 1},
                          {"RSystem", K::RSystem, 1},
                          {"Menu", K::Menu, 1},
                          {"LBracket", K::LBracket, 1},
                          {"RBracket", K::RBracket, 1},
                          {"Semicolon", K::Semicolon, 1},
                          {"Comma", K::Comma, 1},
                          {"Period", K::Period, 1},
                          {"Quote", K::Quote, 1},
                          {"Slash", K::Slash, 1},
                          {"Backslash", K::Backslash, 1},
                          {"Tilde", K::Tilde, 1},
                          {"Equal", K::Equal, 1},
                          {"Hyphen", K::Hyphen, 1},
                          {"Add", K::Add, 1},
                          {"Subtract", K::Subtract, 1},
                          {"Multiply", K::Multiply, 1},
                          {"Divide", K::Divide, 1},
                          {"Unknown", K::Unknown, 1},
                          {"A", K::A, 26},
                          {"0", K::Num0, 10},
                          {"Numpad0", K::Numpad0, 10},
                          {"F1", K::F1, 15}};

std::string NameInRun(const KeyRun& run, int index)
{
    const std::string first = run.First;
    const std::size_t number = first.find_last_not_of("0123456789") + 1;
    if (number < first.size())
    {
        return first.substr(0, number) + std::to_string(std::stoi(first.substr(number)) + index);
    }
    return first.substr(0, first.size() - 1) + static_cast<char>(first.back() + index);
}

// Every key's name in lower case, in which form names in any case are looked up.
const std::map<std::string, K::Key>& Keys()
{
    static const std::map<std::string, K::Key> keys = []
    {
        std::map<std::string, K::Key> table;
        for (const KeyRun& run : KeyRuns)
        {
            for (int i = 0; i < run.Count; ++i)
            {
                table[Lowercase(NameInRun(run, i))] =
                    static_cast<K::Key>(static_cast<int>(run.Key) + i);
            }
        }
        return table;
    }();
    return keys;
}

// Reads the words of one line and reports its problems with the line's place.
class LineReader
{
public:
    LineReader(const std::string& text, const std::string& place) : myPlace(place)
    {
        std::istringstream words(text);
        std::string word;
        while (words >> word)
        {
            myWords.push_back(word);
        }
    }

    bool IsEmpty() const { return myWords.empty(); }
    const std::string& Command() const { return myWords.front(); }

    // Insists on exactly this many arguments after the command.
    void Expect(std::size_t count, const std::string& form) const
    {
        if (myWords.size() != count + 1)
        {
            Fail("\"" + Command() + "\" takes " + std::to_string(count) +
                 (count == 1 ? " argument" : " arguments") + ": " + form);
        }
    }

    long long Number(std::size_t index, const WholeRange& range, const std::string& what) const
    {
        try
        {
            return range.Read(myWords[index]);
        }
        catch (const std::invalid_argument& problem)
        {
            Fail(what + " " + problem.what());
        }
    }

    // A decimal number of seconds from 0 to an hour, as long as a frame may last.
    double Seconds(std::size_t index) const
    {
        const double seconds = Decimal(index, "SECONDS");
        if (!(seconds >= 0.0 && seconds <= LongestFrame))
        {
            Fail("SECONDS must be from 0 to 3600, not \"" + myWords[index] + "\"");
        }
        return seconds;
    }

    float Value(std::size_t index) const
    {
        const double value = Decimal(index, "VALUE");
        if (!(std::fabs(value) <= PulseParameter::Limit))
        {
            Fail("VALUE must be from -1000 to 1000, not \"" + myWords[index] + "\"");
        }
        return static_cast<float>(value);
    }

    // The words from index on, one space between each: a name of several words.
    std::string Rest(std::size_t index) const
    {
        std::string rest;
        for (std::size_t i = index; i < myWords.size(); ++i)
        {
            rest += (rest.empty() ? "" : " ") + myWords[i];
        }
        return rest;
    }

    std::size_t Size() const { return myWords.size(); }
    const std::string& Word(std::size_t index) const { return myWords[index]; }

    int Coordinate(std::size_t index, const std::string& what) const
    {
        return static_cast<int>(Number(index, Coordinates, what));
    }

    gfx::Mouse::Button Button(std::size_t index) const
    {
        const std::string& word = myWords[index];
        if (word == "left")
        {
            return gfx::Mouse::Left;
        }
        if (word == "right")
        {
            return gfx::Mouse::Right;
        }
        if (word == "middle")
        {
            return gfx::Mouse::Middle;
        }
        Fail("unknown button \"" + word + "\" (the buttons are left, right and middle)");
    }

    gfx::Keyboard::Key Key(std::size_t index) const
    {
        const auto found = Keys().find(Lowercase(myWords[index]));
        if (found == Keys().end())
        {
            Fail("unknown key \"" + myWords[index] + "\" (the keys are " + InputScript::KeyNames() +
                 ")");
        }
        return found->second;
    }

    [[noreturn]] void Fail(const std::string& problem) const
    {
        throw UsageError(myPlace + ": " + problem);
    }

private:
    static constexpr double LongestFrame = 3600.0;

    double Decimal(std::size_t index, const std::string& what) const
    {
        const std::string& word = myWords[index];
        char* end = nullptr;
        const double value = std::strtod(word.c_str(), &end);
        if (end == word.c_str() || *end != '\0' || !std::isfinite(value))
        {
            Fail(what + " must be a decimal number, not \"" + word + "\"");
        }
        return value;
    }

    std::string myPlace;
    std::vector<std::string> myWords;
};

using ButtonEventOf = gfx::Event (*)(gfx::Mouse::Button, int, int);
using KeyEventOf = gfx::Event (*)(gfx::Keyboard::Key);

ScriptStep InputStep(std::vector<gfx::Event> events)
{
    ScriptStep step;
    step.Type = ScriptStep::Input;
    step.Events = std::move(events);
    return step;
}

ScriptStep MoveStep(const LineReader& line)
{
    line.Expect(2, "X Y");
    return InputStep({events::MouseMoved(line.Coordinate(1, "X"), line.Coordinate(2, "Y"))});
}

ScriptStep ButtonStep(const LineReader& line, ButtonEventOf event)
{
    line.Expect(3, "left|right|middle X Y");
    return InputStep({event(line.Button(1), line.Coordinate(2, "X"), line.Coordinate(3, "Y"))});
}

ScriptStep KeyStep(const LineReader& line, std::initializer_list<KeyEventOf> eventsOfKey)
{
    line.Expect(1, "NAME");
    const gfx::Keyboard::Key key = line.Key(1);
    std::vector<gfx::Event> keyEvents;
    for (const KeyEventOf event : eventsOfKey)
    {
        keyEvents.push_back(event(key));
    }
    return InputStep(std::move(keyEvents));
}

// Under X a wheel step arrives twice, as the old MouseWheelMoved and as MouseWheelScrolled;
// scenes listen to either, so a scripted step sends both.
ScriptStep WheelStep(const LineReader& line)
{
    line.Expect(3, "DELTA X Y");
    const int delta = static_cast<int>(line.Number(1, WheelSteps, "DELTA"));
    if (delta == 0)
    {
        line.Fail("DELTA must not be 0");
    }
    const int x = line.Coordinate(2, "X");
    const int y = line.Coordinate(3, "Y");
    return InputStep({events::MouseWheelMoved(delta, x, y),
                      events::MouseWheelScrolled(static_cast<float>(delta), x, y)});
}

ScriptStep PointerStep(const LineReader& line, gfx::Event event)
{
    line.Expect(0, line.Command());
    return InputStep({event});
}

ScriptStep ResizeStep(const LineReader& line)
{
    line.Expect(2, "W H");
    ScriptStep step;
    step.Type = ScriptStep::Resize;
    step.Width = static_cast<unsigned int>(line.Number(1, WindowSides, "W"));
    step.Height = static_cast<unsigned int>(line.Number(2, WindowSides, "H"));
    return step;
}

ScriptStep FramesStep(const LineReader& line)
{
    if (line.Size() != 3)
    {
        line.Expect(1, "N [SECONDS]");
    }
    ScriptStep step;
    step.Type = ScriptStep::Frames;
    step.Count = static_cast<int>(line.Number(1, FrameCounts, "N"));
    if (line.Size() == 3)
    {
        step.Seconds = line.Seconds(2);
    }
    return step;
}

ScriptStep BareStep(const LineReader& line, ScriptStep::Kind kind)
{
    line.Expect(0, line.Command());
    ScriptStep step;
    step.Type = kind;
    return step;
}

// The name comes last, as it may have several words.
ScriptStep SetStep(const LineReader& line)
{
    const std::string form = "PARAMETER VALUE PULSE";
    if (line.Size() < 4)
    {
        line.Fail("\"set\" takes 3 arguments or more: " + form);
    }
    ScriptStep step;
    step.Type = ScriptStep::Set;
    const auto parameter = PulseParameter::Named(line.Word(1));
    if (!parameter)
    {
        line.Fail("unknown parameter \"" + line.Word(1) +
                  "\" (the parameters are timefactor, phaseoffset, factor and offset)");
    }
    step.Parameter = *parameter;
    step.Value = line.Value(2);
    step.Pulse = line.Rest(3);
    return step;
}

ScriptStep ReadStep(const LineReader& line)
{
    using Reader = std::function<ScriptStep(const LineReader&)>;
    static const std::map<std::string, Reader> readers = {
        {"move", MoveStep},
        {"press", [](const LineReader& l) { return ButtonStep(l, events::MousePressed); }},
        {"release", [](const LineReader& l) { return ButtonStep(l, events::MouseReleased); }},
        {"wheel", WheelStep},
        {"key",
         [](const LineReader& l) {
             return KeyStep(l, {events::KeyPressed, events::KeyReleased});
         }},
        {"keydown", [](const LineReader& l) { return KeyStep(l, {events::KeyPressed}); }},
        {"keyup", [](const LineReader& l) { return KeyStep(l, {events::KeyReleased}); }},
        {"enter", [](const LineReader& l) { return PointerStep(l, events::MouseEntered()); }},
        {"leave", [](const LineReader& l) { return PointerStep(l, events::MouseLeft()); }},
        {"focus", [](const LineReader& l)
         { return PointerStep(l, events::OfType(gfx::Event::GainedFocus)); }},
        {"unfocus",
         [](const LineReader& l) { return PointerStep(l, events::OfType(gfx::Event::LostFocus)); }},
        {"pause", [](const LineReader& l) { return BareStep(l, ScriptStep::Pause); }},
        {"resume", [](const LineReader& l) { return BareStep(l, ScriptStep::Resume); }},
        {"step", [](const LineReader& l) { return BareStep(l, ScriptStep::Step); }},
        {"set", SetStep},
        {"resize", ResizeStep},
        {"frames", FramesStep},
    };
    const auto reader = readers.find(line.Command());
    if (reader == readers.end())
    {
        line.Fail("unknown step \"" + line.Command() +
                  "\" (the steps are seed, move, press, release, wheel, key, keydown, keyup, "
                  "resize, enter, leave, focus, unfocus, frames, pause, resume, step and set)");
    }
    return reader->second(line);
}
} // namespace

InputScript InputScript::Parse(std::istream& text, const std::string& source)
{
    InputScript script;
    script.mySource = source;
    std::string content;
    int number = 0;
    while (std::getline(text, content))
    {
        ++number;
        const LineReader line(content.substr(0, content.find('#')),
                              source + " line " + std::to_string(number));
        if (line.IsEmpty())
        {
            continue;
        }
        if (line.Command() == "seed")
        {
            line.Expect(1, "N");
            if (script.mySeed || !script.mySteps.empty())
            {
                line.Fail("\"seed\" comes once, before every step: the scene draws its random "
                          "numbers when it starts");
            }
            script.mySeed = static_cast<unsigned int>(line.Number(1, Seeds, "N"));
            continue;
        }
        ScriptStep step = ReadStep(line);
        step.Line = number;
        script.mySteps.push_back(std::move(step));
    }
    return script;
}

InputScript InputScript::Load(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
    {
        throw UsageError("cannot read the script \"" + path + "\"");
    }
    return Parse(file, path);
}

std::string InputScript::KeyName(gfx::Keyboard::Key key)
{
    for (const KeyRun& run : KeyRuns)
    {
        const int index = static_cast<int>(key) - static_cast<int>(run.Key);
        if (index >= 0 && index < run.Count)
        {
            return NameInRun(run, index);
        }
    }
    return "Unknown";
}

std::optional<std::string> InputScript::LineOf(const gfx::Event& event)
{
    const auto at = [](int x, int y) { return " " + std::to_string(x) + " " + std::to_string(y); };
    const auto button = [](gfx::Mouse::Button which) -> std::optional<std::string>
    {
        switch (which)
        {
        case gfx::Mouse::Left:
            return "left";
        case gfx::Mouse::Right:
            return "right";
        case gfx::Mouse::Middle:
            return "middle";
        default:
            return std::nullopt;
        }
    };
    switch (event.type)
    {
    case gfx::Event::Resized:
        return "resize " + std::to_string(event.size.width) + " " +
               std::to_string(event.size.height);
    case gfx::Event::LostFocus:
        return "unfocus";
    case gfx::Event::GainedFocus:
        return "focus";
    case gfx::Event::KeyPressed:
        return "keydown " + KeyName(event.key.code);
    case gfx::Event::KeyReleased:
        return "keyup " + KeyName(event.key.code);
    case gfx::Event::MouseWheelMoved:
        return "wheel " + std::to_string(event.mouseWheel.delta) +
               at(event.mouseWheel.x, event.mouseWheel.y);
    case gfx::Event::MouseButtonPressed:
    case gfx::Event::MouseButtonReleased:
        if (const auto name = button(event.mouseButton.button))
        {
            return (event.type == gfx::Event::MouseButtonPressed ? "press " : "release ") + *name +
                   at(event.mouseButton.x, event.mouseButton.y);
        }
        return std::nullopt;
    case gfx::Event::MouseMoved:
        return "move" + at(event.mouseMove.x, event.mouseMove.y);
    case gfx::Event::MouseEntered:
        return "enter";
    case gfx::Event::MouseLeft:
        return "leave";
    default:
        return std::nullopt;
    }
}

std::string InputScript::KeyNames()
{
    std::string names;
    for (const KeyRun& run : KeyRuns)
    {
        const bool last = &run == std::end(KeyRuns) - 1;
        names += (names.empty() ? ""
                  : last        ? " and "
                                : ", ") +
                 NameInRun(run, 0) + (run.Count > 1 ? " to " + NameInRun(run, run.Count - 1) : "");
    }
    return names + ", in any case";
}
