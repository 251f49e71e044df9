#pragma once

#include <memory>
#include <string>

namespace gfx
{
class RenderWindow;
}

// The program's kind of window: decorated, resizable and closable, with a 24-bit depth and an
// 8-bit stencil buffer, at 32 bits per pixel, the class name "pulsestage" and the program's icon
// from its data folder (none when that is missing). The program opens one of 1024 x 600 pixels
// and asks for antialiasing level 8; its tools open the same kind at other sizes.
class ProgramWindow
{
public:
    ProgramWindow() = delete;

    // Throws std::runtime_error, before anything is opened, when no display answers, and as
    // DataFolder::OfThisProgram does.
    static std::unique_ptr<gfx::RenderWindow> Open(unsigned int width, unsigned int height,
                                                   const std::string& title,
                                                   unsigned int antialiasing);
};
