#include "gfx/Display.hpp"

#include <cstdlib>
#include <dlfcn.h>
#include <stdexcept>
#include <string>

namespace gfx
{
namespace
{
const std::string RunWithout = "without a desktop, run it under xvfb-run";

// Xlib is SFML's own run-time dependency; it is loaded rather than linked, so that the program
// keeps building without Xlib's headers.
using OpenDisplay = void* (*)(const char*);
using CloseDisplay = int (*)(void*);

template <typename Function> Function Find(void* library, const char* name)
{
    return reinterpret_cast<Function>(dlsym(library, name));
}
} // namespace

Display::Display()
{
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
    {
        throw std::runtime_error("no display: DISPLAY is not set (" + RunWithout + ")");
    }
    myXlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    const auto open = myXlib ? Find<OpenDisplay>(myXlib, "XOpenDisplay") : nullptr;
    if (!open || !Find<CloseDisplay>(myXlib, "XCloseDisplay"))
    {
        return;
    }
    myConnection = open(name);
    if (!myConnection)
    {
        dlclose(myXlib);
        throw std::runtime_error("no display: cannot connect to DISPLAY=" + std::string(name) +
                                 " (no X server answers there; " + RunWithout + ")");
    }
}

Display::~Display()
{
    if (myConnection)
    {
        Find<CloseDisplay>(myXlib, "XCloseDisplay")(myConnection);
    }
    if (myXlib)
    {
        dlclose(myXlib);
    }
}
} // namespace gfx
