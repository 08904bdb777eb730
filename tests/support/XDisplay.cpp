#include "support/XDisplay.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <fcntl.h>

namespace testsupport {

namespace {

Window FindIn(Display* display, Window window, const std::string& title)
{
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        const bool match = title == name;
        XFree(name);
        if (match)
            return window;
    }
    Window rootReturn, parent;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &rootReturn, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = FindIn(display, children[i], title);
    if (children)
        XFree(children);
    return found;
}

// A window may vanish between XQueryTree and XFetchName (the game closing
// it): such errors are expected here and must not end the test process.
int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

}  // namespace

Display* SharedDisplay()
{
    static Display* display = nullptr;
    if (!display) {
        display = XOpenDisplay(nullptr);
        if (display) {
            XSetErrorHandler(IgnoreErrors);
            // The game started from this process must not inherit it.
            fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
        }
    }
    return display;
}

XID FindWindowByTitle(Display* display, const std::string& title)
{
    if (!display)
        return 0;
    return FindIn(display, DefaultRootWindow(display), title);
}

void RequestClose(Display* display, XID window)
{
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

}  // namespace testsupport
