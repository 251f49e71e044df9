#include "stage/InputScript.hpp"

#include "main/ProgramWindow.hpp"
#include "main/UsageError.hpp"
#include "stage/Lowercase.hpp"
#include "stage/SyntheticEvents.hpp"

#include <climits>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <sstream>

namespace
{
// Key names as the graphics library spells them, looked up in lower case.
const std::map<std::string, gfx::Keyboard::Key>& Keys()
{
    static const std::map<std::string, gfx::Keyboard::Key> keys = []
    {
        using K = gfx::Keyboard;
        std::map<std::string, K::Key> table = {
            {"escape", K::Escape},     {"space", K::Space},         {"enter", K::Enter},
            {"return", K::Enter},      {"backspace", K::Backspace}, {"tab", K::Tab},
            {"pageup", K::PageUp},     {"pagedown", K::PageDown},   {"end", K::End},
            {"home", K::Home},         {"insert", K::Insert},       {"delete", K::Delete},
            {"left", K::Left},         {"right", K::Right},         {"up", K::Up},
            {"down", K::Down},         {"lshift", K::LShift},       {"rshift", K::RShift},
            {"lcontrol", K::LControl}, {"rcontrol", K::RControl},   {"lalt", K::LAlt},
            {"ralt", K::RAlt},         {"pause", K::Pause}};
        for (int i = 0; i < 26; ++i)
        {
            table[std::string(1, static_cast<char>('a' + i))] = static_cast<K::Key>(K::A + i);
        }
        for (int i = 0; i < 10; ++i)
        {
            table[std::to_string(i)] = static_cast<K::Key>(K::Num0 + i);
            table["numpad" + std::to_string(i)] = static_cast<K::Key>(K::Numpad0 + i);
        }
        for (int i = 0; i < 15; ++i)
        {
            table["f" + std::to_string(i + 1)] = static_cast<K::Key>(K::F1 + i);
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

    long Number(std::size_t index, long least, long most, const std::string& what) const
    {
        const std::string& word = myWords[index];
        std::size_t used = 0;
        long value = 0;
        try
        {
            value = std::stol(word, &used);
        }
        catch (const std::exception&)
        {
            used = 0;
        }
        if (used == 0 || used != word.size())
        {
            Fail(what + " must be a whole number, not \"" + word + "\"");
        }
        if (value < least || value > most)
        {
            Fail(what + " must be from " + std::to_string(least) + " to " + std::to_string(most) +
                 ", not " + word);
        }
        return value;
    }

    int Coordinate(std::size_t index, const std::string& what) const
    {
        return static_cast<int>(Number(index, INT_MIN, INT_MAX, what));
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
    const int delta = static_cast<int>(line.Number(1, -1000, 1000, "DELTA"));
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
    step.Width = static_cast<unsigned int>(line.Number(1, 1, ProgramWindow::LargestSide, "W"));
    step.Height = static_cast<unsigned int>(line.Number(2, 1, ProgramWindow::LargestSide, "H"));
    return step;
}

ScriptStep FramesStep(const LineReader& line)
{
    line.Expect(1, "N");
    ScriptStep step;
    step.Type = ScriptStep::Frames;
    step.Count = static_cast<int>(line.Number(1, 1, 1000000, "N"));
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
    return "Left, Right, Up, Down, PageUp, PageDown, Escape, Space, Enter (or Return), "
           "Backspace, Tab, Home, End, Insert, Delete, LShift, RShift, LControl, RControl, LAlt, "
           "RAlt, Pause, the letters A to Z, the digits 0 to 9, Numpad0 to Numpad9 and F1 to F15, "
           "in any case";
}
