#include "support/GameProcess.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

namespace {

// Depth-first search for a window whose WM_NAME is the title.
Window FindWindow(Display* display, Window root, const std::string& title)
{
    char* name = nullptr;
    if (XFetchName(display, root, &name) && name) {
        bool match = title == name;
        XFree(name);
        if (match)
            return root;
    }
    Window rootReturn, parent;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &rootReturn, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = FindWindow(display, children[i], title);
    if (children)
        XFree(children);
    return found;
}

// Runs a function with a connection to $DISPLAY.
template <typename F>
bool WithDisplay(F f)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    bool result = f(display);
    XCloseDisplay(display);
    return result;
}

}  // namespace

std::string GameBinary()
{
    return VRENK_GAME_BINARY;
}

GameProcess::GameProcess(const std::string& binary, const std::string& workingDirectory)
{
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        if (chdir(workingDirectory.c_str()) != 0)
            _exit(127);
        execl(binary.c_str(), binary.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

GameProcess::~GameProcess()
{
    if (Running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status_, 0);
    }
}

bool GameProcess::Running()
{
    if (ended_ || pid_ <= 0)
        return false;
    if (waitpid(pid_, &status_, WNOHANG) == pid_)
        ended_ = true;
    return !ended_;
}

bool GameProcess::WaitForWindow(const std::string& title, std::chrono::milliseconds timeout)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (!Running())
            return false;
        bool found = WithDisplay([&](Display* display) {
            return FindWindow(display, DefaultRootWindow(display), title) != 0;
        });
        if (found)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

bool GameProcess::CloseWindow(const std::string& title)
{
    return WithDisplay([&](Display* display) {
        Window window = FindWindow(display, DefaultRootWindow(display), title);
        if (!window)
            return false;
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
        return true;
    });
}

int GameProcess::WaitForExit(std::chrono::milliseconds timeout)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Running()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status_, 0);
            ended_ = true;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
}

}  // namespace testsupport
