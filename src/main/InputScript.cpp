#include "main/InputScript.hpp"

#include "main/UsageError.hpp"

#include <algorithm>
#include <cctype>
#include <climits>
#include <fstream>
#include <map>
#include <sstream>

namespace
{
// A window larger than this is refused rather than left to the window system's mercy.
constexpr long LargestSide = 8192;

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

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

gfx::Event OfType(gfx::Event::EventType type)
{
    gfx::Event event{};
    event.type = type;
    return event;
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
        const auto found = Keys().find(Lower(myWords[index]));
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

gfx::Event ButtonEvent(const LineReader& line, gfx::Event::EventType type)
{
    line.Expect(3, "left|right|middle X Y");
    gfx::Event event = OfType(type);
    event.mouseButton.button = line.Button(1);
    event.mouseButton.x = line.Coordinate(2, "X");
    event.mouseButton.y = line.Coordinate(3, "Y");
    return event;
}

gfx::Event KeyEvent(const LineReader& line, gfx::Event::EventType type)
{
    line.Expect(1, "NAME");
    gfx::Event event = OfType(type);
    event.key.code = line.Key(1);
    return event;
}

// Under X a wheel step arrives twice, as the old MouseWheelMoved and as MouseWheelScrolled;
// scenes listen to either, so a scripted step sends both.
std::vector<gfx::Event> WheelEvents(const LineReader& line)
{
    line.Expect(3, "DELTA X Y");
    const int delta = static_cast<int>(line.Number(1, -1000, 1000, "DELTA"));
    if (delta == 0)
    {
        line.Fail("DELTA must not be 0");
    }
    const int x = line.Coordinate(2, "X");
    const int y = line.Coordinate(3, "Y");
    gfx::Event moved = OfType(gfx::Event::MouseWheelMoved);
    moved.mouseWheel.delta = delta;
    moved.mouseWheel.x = x;
    moved.mouseWheel.y = y;
    gfx::Event scrolled = OfType(gfx::Event::MouseWheelScrolled);
    scrolled.mouseWheelScroll.wheel = gfx::Mouse::VerticalWheel;
    scrolled.mouseWheelScroll.delta = static_cast<float>(delta);
    scrolled.mouseWheelScroll.x = x;
    scrolled.mouseWheelScroll.y = y;
    return {moved, scrolled};
}

ScriptStep InputStep(std::vector<gfx::Event> events)
{
    ScriptStep step;
    step.Type = ScriptStep::Input;
    step.Events = std::move(events);
    return step;
}

ScriptStep ReadStep(const LineReader& line)
{
    const std::string& command = line.Command();
    if (command == "move")
    {
        line.Expect(2, "X Y");
        gfx::Event event = OfType(gfx::Event::MouseMoved);
        event.mouseMove.x = line.Coordinate(1, "X");
        event.mouseMove.y = line.Coordinate(2, "Y");
        return InputStep({event});
    }
    if (command == "press")
    {
        return InputStep({ButtonEvent(line, gfx::Event::MouseButtonPressed)});
    }
    if (command == "release")
    {
        return InputStep({ButtonEvent(line, gfx::Event::MouseButtonReleased)});
    }
    if (command == "wheel")
    {
        return InputStep(WheelEvents(line));
    }
    if (command == "key")
    {
        return InputStep(
            {KeyEvent(line, gfx::Event::KeyPressed), KeyEvent(line, gfx::Event::KeyReleased)});
    }
    if (command == "keydown")
    {
        return InputStep({KeyEvent(line, gfx::Event::KeyPressed)});
    }
    if (command == "keyup")
    {
        return InputStep({KeyEvent(line, gfx::Event::KeyReleased)});
    }
    if (command == "enter" || command == "leave")
    {
        line.Expect(0, command);
        return InputStep(
            {OfType(command == "enter" ? gfx::Event::MouseEntered : gfx::Event::MouseLeft)});
    }
    if (command == "resize")
    {
        line.Expect(2, "W H");
        ScriptStep step;
        step.Type = ScriptStep::Resize;
        step.Width = static_cast<unsigned int>(line.Number(1, 1, LargestSide, "W"));
        step.Height = static_cast<unsigned int>(line.Number(2, 1, LargestSide, "H"));
        return step;
    }
    if (command == "frames")
    {
        line.Expect(1, "N");
        ScriptStep step;
        step.Type = ScriptStep::Frames;
        step.Count = static_cast<int>(line.Number(1, 1, 1000000, "N"));
        return step;
    }
    line.Fail("unknown step \"" + command +
              "\" (the steps are move, press, release, wheel, key, keydown, keyup, resize, "
              "enter, leave and frames)");
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
