#include "main/ProgramWindow.hpp"

#include "gfx/Display.hpp"
#include "gfx/RenderWindow.hpp"

std::unique_ptr<gfx::RenderWindow> ProgramWindow::Open(unsigned int width, unsigned int height,
                                                       const std::string& title,
                                                       unsigned int antialiasing)
{
    // Says why when no display answers, and holds the server until the window has connected.
    const gfx::Display display;
    return std::make_unique<gfx::RenderWindow>(gfx::VideoMode(width, height, 32), title,
                                               gfx::Style::Titlebar | gfx::Style::Resize |
                                                   gfx::Style::Close,
                                               gfx::WindowSettings(24, 8, antialiasing));
}
