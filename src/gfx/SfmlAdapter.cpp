#include "gfx/SfmlAdapter.hpp"

#include "gfx/RenderWindow.hpp"

#include <SFML/Config.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <algorithm>
#include <cstddef>
#include <dlfcn.h>
#include <vector>

namespace gfx
{
namespace
{
// The layer's key codes, buttons and styles are SFML's numbers, which no version has changed.
static_assert(static_cast<int>(sf::Keyboard::Key::Unknown) == Keyboard::Unknown &&
              static_cast<int>(sf::Keyboard::Key::Escape) == Keyboard::Escape &&
              static_cast<int>(sf::Keyboard::Key::Pause) == Keyboard::Pause);
static_assert(static_cast<int>(sf::Mouse::Button::Middle) == Mouse::Middle);
static_assert(static_cast<unsigned long>(sf::Style::Titlebar) == Style::Titlebar &&
              static_cast<unsigned long>(sf::Style::Resize) == Style::Resize &&
              static_cast<unsigned long>(sf::Style::Close) == Style::Close);

Event OfType(Event::EventType type)
{
    Event event{};
    event.type = type;
    return event;
}

template <typename NativeKey> Event KeyEvent(Event::EventType type, const NativeKey& native)
{
    Event event = OfType(type);
    event.key = {static_cast<Keyboard::Key>(static_cast<int>(native.code)), native.alt,
                 native.control, native.shift, native.system};
    return event;
}

Mouse::Button ButtonOf(sf::Mouse::Button button)
{
    return static_cast<Mouse::Button>(static_cast<int>(button));
}

Event ButtonEvent(Event::EventType type, sf::Mouse::Button button, int x, int y)
{
    Event event = OfType(type);
    event.mouseButton = {ButtonOf(button), x, y};
    return event;
}

Event MovedEvent(int x, int y)
{
    Event event = OfType(Event::MouseMoved);
    event.mouseMove = {x, y};
    return event;
}

Event ResizedEvent(unsigned int width, unsigned int height)
{
    Event event = OfType(Event::Resized);
    event.size = {width, height};
    return event;
}

Event TextEvent(std::uint32_t unicode)
{
    Event event = OfType(Event::TextEntered);
    event.text.unicode = unicode;
    return event;
}

Event WheelMovedEvent(int delta, int x, int y)
{
    Event event = OfType(Event::MouseWheelMoved);
    event.mouseWheel = {delta, x, y};
    return event;
}

Event WheelScrolledEvent(bool vertical, float delta, int x, int y)
{
    Event event = OfType(Event::MouseWheelScrolled);
    event.mouseWheelScroll = {vertical ? Mouse::VerticalWheel : Mouse::HorizontalWheel, delta, x,
                              y};
    return event;
}

#if SFML_VERSION_MAJOR >= 3
// SFML 3 delivers each event as one type of a variant; types the layer does not report fall to
// the template and are skipped.
template <typename Other> void Append(const Other&, std::deque<Event>&) {}

void Append(const sf::Event::Closed&, std::deque<Event>& events)
{
    events.push_back(OfType(Event::Closed));
}

void Append(const sf::Event::Resized& native, std::deque<Event>& events)
{
    events.push_back(ResizedEvent(native.size.x, native.size.y));
}

void Append(const sf::Event::FocusLost&, std::deque<Event>& events)
{
    events.push_back(OfType(Event::LostFocus));
}

void Append(const sf::Event::FocusGained&, std::deque<Event>& events)
{
    events.push_back(OfType(Event::GainedFocus));
}

void Append(const sf::Event::TextEntered& native, std::deque<Event>& events)
{
    events.push_back(TextEvent(native.unicode));
}

// The key code, as SFML 2 reports it; the scancode beside it is not reported.
void Append(const sf::Event::KeyPressed& native, std::deque<Event>& events)
{
    events.push_back(KeyEvent(Event::KeyPressed, native));
}

void Append(const sf::Event::KeyReleased& native, std::deque<Event>& events)
{
    events.push_back(KeyEvent(Event::KeyReleased, native));
}

// SFML 3 dropped the whole-step wheel event; under X SFML 2 reported each step as that first and
// then as a scroll, and the layer still does.
void Append(const sf::Event::MouseWheelScrolled& native, std::deque<Event>& events)
{
    const bool vertical = native.wheel == sf::Mouse::Wheel::Vertical;
    if (vertical)
    {
        events.push_back(
            WheelMovedEvent(static_cast<int>(native.delta), native.position.x, native.position.y));
    }
    events.push_back(
        WheelScrolledEvent(vertical, native.delta, native.position.x, native.position.y));
}

void Append(const sf::Event::MouseButtonPressed& native, std::deque<Event>& events)
{
    events.push_back(ButtonEvent(Event::MouseButtonPressed, native.button, native.position.x,
                                 native.position.y));
}

void Append(const sf::Event::MouseButtonReleased& native, std::deque<Event>& events)
{
    events.push_back(ButtonEvent(Event::MouseButtonReleased, native.button, native.position.x,
                                 native.position.y));
}

void Append(const sf::Event::MouseMoved& native, std::deque<Event>& events)
{
    events.push_back(MovedEvent(native.position.x, native.position.y));
}

void Append(const sf::Event::MouseEntered&, std::deque<Event>& events)
{
    events.push_back(OfType(Event::MouseEntered));
}

void Append(const sf::Event::MouseLeft&, std::deque<Event>& events)
{
    events.push_back(OfType(Event::MouseLeft));
}

// SFML 3 hands the icon to desktops that follow the EWMH conventions (_NET_WM_ICON, ARGB words
// after the width and the height) only while such a window manager runs; SFML 2 always did, and
// so does the layer, through Xlib, loaded at run time like Display's.
void WriteDesktopIcon(sf::WindowHandle window, unsigned int width, unsigned int height,
                      const std::uint8_t* pixels)
{
    using OpenDisplay = void* (*)(const char*);
    using CloseDisplay = int (*)(void*);
    using InternAtom = unsigned long (*)(void*, const char*, int);
    using ChangeProperty = int (*)(void*, unsigned long, unsigned long, unsigned long, int, int,
                                   const unsigned char*, int);
    // XA_CARDINAL and PropModeReplace, fixed by the X protocol.
    constexpr unsigned long Cardinal = 6;
    constexpr int Replace = 0;

    void* const xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    if (!xlib)
    {
        return;
    }
    const auto open = reinterpret_cast<OpenDisplay>(dlsym(xlib, "XOpenDisplay"));
    const auto close = reinterpret_cast<CloseDisplay>(dlsym(xlib, "XCloseDisplay"));
    const auto intern = reinterpret_cast<InternAtom>(dlsym(xlib, "XInternAtom"));
    const auto change = reinterpret_cast<ChangeProperty>(dlsym(xlib, "XChangeProperty"));
    void* const display = open && close && intern && change ? open(nullptr) : nullptr;
    if (display)
    {
        // Xlib takes the words of a 32-bit property as longs.
        std::vector<unsigned long> words{width, height};
        for (std::size_t i = 0; i < std::size_t{width} * height; ++i)
        {
            const std::uint8_t* pixel = pixels + 4 * i;
            const auto channel = [&](std::size_t at, int shift)
            { return static_cast<unsigned long>(pixel[at]) << shift; };
            words.push_back(channel(3, 24) | channel(0, 16) | channel(1, 8) | channel(2, 0));
        }
        change(display, window, intern(display, "_NET_WM_ICON", 0), Cardinal, 32, Replace,
               reinterpret_cast<const unsigned char*>(words.data()),
               static_cast<int>(words.size()));
        // Closing the connection sends what waits in it.
        close(display);
    }
    dlclose(xlib);
}

sf::ContextSettings NativeSettings(unsigned int depth, unsigned int stencil,
                                   unsigned int antialiasing)
{
    sf::ContextSettings settings;
    settings.depthBits = depth;
    settings.stencilBits = stencil;
    settings.antiAliasingLevel = antialiasing;
    return settings;
}
#else
// Joysticks, touches and sensors are not reported.
bool Convert(const sf::Event& native, Event& event)
{
    switch (native.type)
    {
    case sf::Event::Closed:
        event = OfType(Event::Closed);
        return true;
    case sf::Event::Resized:
        event = ResizedEvent(native.size.width, native.size.height);
        return true;
    case sf::Event::LostFocus:
        event = OfType(Event::LostFocus);
        return true;
    case sf::Event::GainedFocus:
        event = OfType(Event::GainedFocus);
        return true;
    case sf::Event::TextEntered:
        event = TextEvent(native.text.unicode);
        return true;
    case sf::Event::KeyPressed:
        event = KeyEvent(Event::KeyPressed, native.key);
        return true;
    case sf::Event::KeyReleased:
        event = KeyEvent(Event::KeyReleased, native.key);
        return true;
    case sf::Event::MouseWheelMoved:
        event = WheelMovedEvent(native.mouseWheel.delta, native.mouseWheel.x, native.mouseWheel.y);
        return true;
    case sf::Event::MouseWheelScrolled:
        event = WheelScrolledEvent(native.mouseWheelScroll.wheel == sf::Mouse::VerticalWheel,
                                   native.mouseWheelScroll.delta, native.mouseWheelScroll.x,
                                   native.mouseWheelScroll.y);
        return true;
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased:
        event =
            ButtonEvent(native.type == sf::Event::MouseButtonPressed ? Event::MouseButtonPressed
                                                                     : Event::MouseButtonReleased,
                        native.mouseButton.button, native.mouseButton.x, native.mouseButton.y);
        return true;
    case sf::Event::MouseMoved:
        event = MovedEvent(native.mouseMove.x, native.mouseMove.y);
        return true;
    case sf::Event::MouseEntered:
        event = OfType(Event::MouseEntered);
        return true;
    case sf::Event::MouseLeft:
        event = OfType(Event::MouseLeft);
        return true;
    default:
        return false;
    }
}

sf::ContextSettings NativeSettings(unsigned int depth, unsigned int stencil,
                                   unsigned int antialiasing)
{
    return sf::ContextSettings(depth, stencil, antialiasing);
}
#endif
} // namespace

#if SFML_VERSION_MAJOR >= 3
void SfmlAdapter::OpenWindow(sf::RenderWindow& window, const VideoMode& mode,
                             const std::string& title, unsigned long style,
                             const WindowSettings& settings)
{
    window.create(
        sf::VideoMode({mode.width, mode.height}, mode.bitsPerPixel), title,
        static_cast<std::uint32_t>(style), sf::State::Windowed,
        NativeSettings(settings.depthBits, settings.stencilBits, settings.antialiasingLevel));
}

void SfmlAdapter::SetIcon(sf::Window& window, unsigned int width, unsigned int height,
                          const std::uint8_t* pixels)
{
    window.setIcon({width, height}, pixels);
    WriteDesktopIcon(window.getNativeHandle(), width, height, pixels);
}

bool SfmlAdapter::PollEvent(sf::Window& window, std::deque<Event>& events)
{
    const std::size_t before = events.size();
    while (events.size() == before)
    {
        const std::optional<sf::Event> native = window.pollEvent();
        if (!native)
        {
            return false;
        }
        native->visit([&](const auto& subtype) { Append(subtype, events); });
    }
    return true;
}

bool SfmlAdapter::CreateTarget(sf::RenderTexture& target, unsigned int width, unsigned int height,
                               unsigned int antialiasing)
{
    return target.resize(
        {width, height},
        NativeSettings(0, 0,
                       std::min(antialiasing, sf::RenderTexture::getMaximumAntiAliasingLevel())));
}

bool SfmlAdapter::CreateTexture(sf::Texture& texture, unsigned int width, unsigned int height)
{
    return texture.resize({width, height});
}

void SfmlAdapter::CreateImage(sf::Image& image, unsigned int width, unsigned int height,
                              const Color& color)
{
    image.resize({width, height}, color);
}

Color SfmlAdapter::GetPixel(const sf::Image& image, unsigned int x, unsigned int y)
{
    return image.getPixel({x, y});
}

void SfmlAdapter::SetPixel(sf::Image& image, unsigned int x, unsigned int y, const Color& color)
{
    image.setPixel({x, y}, color);
}
#else
void SfmlAdapter::OpenWindow(sf::RenderWindow& window, const VideoMode& mode,
                             const std::string& title, unsigned long style,
                             const WindowSettings& settings)
{
    window.create(
        sf::VideoMode(mode.width, mode.height, mode.bitsPerPixel), title,
        static_cast<std::uint32_t>(style),
        NativeSettings(settings.depthBits, settings.stencilBits, settings.antialiasingLevel));
}

void SfmlAdapter::SetIcon(sf::Window& window, unsigned int width, unsigned int height,
                          const std::uint8_t* pixels)
{
    window.setIcon(width, height, pixels);
}

bool SfmlAdapter::PollEvent(sf::Window& window, std::deque<Event>& events)
{
    sf::Event native;
    Event event;
    while (window.pollEvent(native))
    {
        if (Convert(native, event))
        {
            events.push_back(event);
            return true;
        }
    }
    return false;
}

bool SfmlAdapter::CreateTarget(sf::RenderTexture& target, unsigned int width, unsigned int height,
                               unsigned int antialiasing)
{
    return target.create(
        width, height,
        NativeSettings(0, 0,
                       std::min(antialiasing, sf::RenderTexture::getMaximumAntialiasingLevel())));
}

bool SfmlAdapter::CreateTexture(sf::Texture& texture, unsigned int width, unsigned int height)
{
    return texture.create(width, height);
}

void SfmlAdapter::CreateImage(sf::Image& image, unsigned int width, unsigned int height,
                              const Color& color)
{
    image.create(width, height, color);
}

Color SfmlAdapter::GetPixel(const sf::Image& image, unsigned int x, unsigned int y)
{
    return image.getPixel(x, y);
}

void SfmlAdapter::SetPixel(sf::Image& image, unsigned int x, unsigned int y, const Color& color)
{
    image.setPixel(x, y, color);
}
#endif
} // namespace gfx
