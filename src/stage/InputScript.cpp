#include "stage/InputScript.hpp"

#include "main/UsageError.hpp"
#include "stage/Lowercase.hpp"
#include "stage/SyntheticEvents.hpp"
#include "stage/WholeRange.hpp"

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
    line.Expect(1, "N");
    ScriptStep step;
    step.Type = ScriptStep::Frames;
    step.Count = static_cast<int>(line.Number(1, FrameCounts, "N"));
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
        {"resize", ResizeStep},
        {"frames", FramesStep},
    };
    const auto reader = readers.find(line.Command());
    if (reader == readers.end())
    {
        line.Fail("unknown step \"" + line.Command() +
                  "\" (the steps are move, press, release, wheel, key, keydown, keyup, resize, "
                  "enter, leave and frames)");
    }
    return reader->second(line);
}
} // namespace

InputScript InputScript::Parse(std::istream& text, const std::string& source)
{
    InputScript script;
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
