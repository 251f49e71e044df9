#pragma once

#include "gfx/Color.hpp"
#include "gfx/Event.hpp"

#include <cstdint>
#include <deque>
#include <string>

namespace sf
{
class Image;
class RenderTexture;
class Texture;
class RenderWindow;
class Window;
} // namespace sf

namespace gfx
{
struct VideoMode;
struct WindowSettings;

// The calls whose form differs between the SFML versions the layer builds on, 2.5 and later, 3
// included: the rest of the layer makes them through here and stays the same on every version.
class SfmlAdapter
{
public:
    SfmlAdapter() = delete;

    static void OpenWindow(sf::RenderWindow& window, const VideoMode& mode,
                           const std::string& title, unsigned long style,
                           const WindowSettings& settings);
    // Pixels in rows of red, green, blue and alpha bytes.
    static void SetIcon(sf::Window& window, unsigned int width, unsigned int height,
                        const std::uint8_t* pixels);
    // Takes the system's events until one is for the layer and appends it to the queue; two when
    // SFML folds two of the layer's into one (a step of the vertical wheel). False when the system
    // has no more.
    static bool PollEvent(sf::Window& window, std::deque<Event>& events);

    // With at most the antialiasing level the system supports for off-screen targets.
    static bool CreateTarget(sf::RenderTexture& target, unsigned int width, unsigned int height,
                             unsigned int antialiasing);

    static bool CreateTexture(sf::Texture& texture, unsigned int width, unsigned int height);
    static void CreateImage(sf::Image& image, unsigned int width, unsigned int height,
                            const Color& color);
    // The point must lie inside the image.
    static Color GetPixel(const sf::Image& image, unsigned int x, unsigned int y);
    static void SetPixel(sf::Image& image, unsigned int x, unsigned int y, const Color& color);
};
} // namespace gfx
