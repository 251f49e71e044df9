#include "support/DesktopWindow.hpp"

#include <thread>

// Xlib's macros (None, Bool, Status) clash with other headers: it stays in this file alone.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace testing_support
{
namespace
{
// Calls the visit with each top-level window until it answers true; says whether one did.
template <typename Visit> bool AnyTopLevel(Display* display, Visit visit)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i)
    {
        found = visit(children[i]);
    }
    XFree(children);
    return found;
}

std::optional<Window> FindTopLevel(Display* display, const std::string& title)
{
    std::optional<Window> found;
    AnyTopLevel(display,
                [&](Window window)
                {
                    char* name = nullptr;
                    if (XFetchName(display, window, &name) && title == name)
                    {
                        found = window;
                    }
                    XFree(name);
                    return found.has_value();
                });
    return found;
}
} // namespace

std::optional<DesktopWindow> DesktopWindow::WaitFor(const std::string& title,
                                                    std::chrono::milliseconds limit)
{
    std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (display && std::chrono::steady_clock::now() < deadline)
    {
        if (const auto window = FindTopLevel(display.get(), title))
        {
            return DesktopWindow(std::move(display), *window);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

bool DesktopWindow::WaitUntilGone(std::chrono::milliseconds limit) const
{
    Display* const display = myDisplay.get();
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (AnyTopLevel(display, [this](Window window) { return window == myWindow; }))
    {
        if (std::chrono::steady_clock::now() >= deadline)
        {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::pair<unsigned int, unsigned int> DesktopWindow::GetSize() const
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(myDisplay.get(), myWindow, &attributes);
    return {static_cast<unsigned int>(attributes.width),
            static_cast<unsigned int>(attributes.height)};
}

std::string DesktopWindow::GetClass() const
{
    XClassHint hint{};
    XGetClassHint(myDisplay.get(), myWindow, &hint);
    const std::string name = hint.res_class ? hint.res_class : "";
    XFree(hint.res_name);
    XFree(hint.res_class);
    return name;
}

unsigned long DesktopWindow::GetIconSide() const
{
    Display* const display = myDisplay.get();
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    // Width and height lead the icon's pixels.
    XGetWindowProperty(display, myWindow, XInternAtom(display, "_NET_WM_ICON", False), 0, 2, False,
                       XA_CARDINAL, &type, &format, &count, &left, &data);
    const auto* size = reinterpret_cast<const unsigned long*>(data);
    const unsigned long side = format == 32 && count == 2 && size[0] == size[1] ? size[0] : 0;
    XFree(data);
    return side;
}

void DesktopWindow::RequestClose() const
{
    Display* const display = myDisplay.get();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = myWindow;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, myWindow, False, NoEventMask, &event);
    XFlush(display);
}

void DesktopWindow::Send(Input input, int x, int y) const
{
    Display* const display = myDisplay.get();
    const auto send = [&](int type, long mask, const auto& fill)
    {
        XEvent event{};
        event.type = type;
        event.xany.display = display;
        event.xany.window = myWindow;
        fill(event);
        XSendEvent(display, myWindow, False, mask, &event);
    };
    // What key, button, motion and crossing events share.
    const auto at = [&](auto& fields)
    {
        fields.root = DefaultRootWindow(display);
        fields.time = CurrentTime;
        fields.x = x;
        fields.y = y;
        fields.same_screen = True;
    };
    const auto key = [&](XEvent& event)
    {
        at(event.xkey);
        event.xkey.keycode = XKeysymToKeycode(display, XK_a);
    };
    const auto wheel = [&](XEvent& event)
    {
        at(event.xbutton);
        event.xbutton.button = Button4;
    };
    const auto crossing = [&](XEvent& event)
    {
        at(event.xcrossing);
        event.xcrossing.mode = NotifyNormal;
        event.xcrossing.detail = NotifyNonlinear;
    };
    switch (input)
    {
    case Input::Key:
        send(KeyPress, KeyPressMask, key);
        send(KeyRelease, KeyReleaseMask, key);
        break;
    case Input::Move:
        send(MotionNotify, PointerMotionMask, [&](XEvent& event) { at(event.xmotion); });
        break;
    case Input::WheelStep:
        send(ButtonPress, ButtonPressMask, wheel);
        send(ButtonRelease, ButtonReleaseMask, wheel);
        break;
    case Input::Enter:
        send(EnterNotify, EnterWindowMask, crossing);
        break;
    case Input::Leave:
        send(LeaveNotify, LeaveWindowMask, crossing);
        break;
    case Input::FocusLoss:
        send(FocusOut, FocusChangeMask,
             [](XEvent& event)
             {
                 event.xfocus.mode = NotifyNormal;
                 event.xfocus.detail = NotifyNonlinear;
             });
        break;
    }
    XFlush(display);
}
} // namespace testing_support
