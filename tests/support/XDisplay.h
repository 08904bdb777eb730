#pragma once

#include <string>

// Xlib's own declarations, so that users of this header need not pull in
// Xlib.h and its macros (None, Bool, Status...).
typedef struct _XDisplay Display;
typedef unsigned long XID;

namespace testsupport {

// The test process's one connection to $DISPLAY, opened on first use and
// kept open until the process ends; null while no display can be opened
// (a later call tries again). Xvfb resets itself whenever its last client
// disconnects and refuses connections meanwhile: a connection opened and
// closed around each look at the screen would be the last one just as the
// game opens its first. For the test's main thread only.
Display* SharedDisplay();

// The first window, depth first from the root, whose WM_NAME is the title;
// 0 when there is none.
XID FindWindowByTitle(Display* display, const std::string& title);

// Asks the window to close, as a window manager's close button does: the
// window's owner receives a Closed event.
void RequestClose(Display* display, XID window);

}  // namespace testsupport
