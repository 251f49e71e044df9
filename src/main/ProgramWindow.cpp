#include "main/ProgramWindow.hpp"

#include "gfx/Display.hpp"
#include "gfx/Image.hpp"
#include "gfx/RenderWindow.hpp"
#include "main/DataFolder.hpp"

namespace
{
// Desktops match a window to its desktop entry, and so to its name and icon in task bars, by its
// class. SFML takes the class from the title the window is created with, so the window is created
// with the class as its title and gets its real title after.
const std::string ClassName = "pulsestage";
} // namespace

std::unique_ptr<gfx::RenderWindow> ProgramWindow::Open(unsigned int width, unsigned int height,
                                                       const std::string& title,
                                                       unsigned int antialiasing)
{
    // Says why when no display answers, and holds the server until the window has connected.
    const gfx::Display display;
    auto window = std::make_unique<gfx::RenderWindow>(gfx::VideoMode(width, height, 32), ClassName,
                                                      gfx::Style::Titlebar | gfx::Style::Resize |
                                                          gfx::Style::Close,
                                                      gfx::WindowSettings(24, 8, antialiasing));
    if (const std::optional<std::string> iconFile = DataFolder::OfThisProgram().GetIcon())
    {
        gfx::Image icon;
        if (icon.LoadFromFile(*iconFile))
        {
            window->SetIcon(icon);
        }
    }
    // Last, so that whoever finds the window by its title finds it complete.
    window->SetTitle(title);
    return window;
}
