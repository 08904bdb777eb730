#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>

namespace testsupport {

// The real game binary, started in a working directory of the test's choice
// on the display in $DISPLAY (run the test under xvfb-run). Every wait is
// bounded; a process still running when the object dies is killed. What the
// game writes to its standard error is kept, and passed on to the test's
// own when the object dies.
class GameProcess {
public:
    GameProcess(const std::string& binary, const std::string& workingDirectory);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Waits until a top-level window with this title exists. False on timeout
    // or when the process ended first.
    bool WaitForWindow(const std::string& title, std::chrono::milliseconds timeout);

    // Asks the window to close, as a window manager's close button does
    // (WM_DELETE_WINDOW). False when no such window exists.
    bool CloseWindow(const std::string& title);

    // Waits for the process to end; its exit code, or -1 on timeout (the
    // process is then killed) or abnormal termination.
    int WaitForExit(std::chrono::milliseconds timeout);

    bool Running();

    // What the game has written to its standard error so far.
    std::string ErrorOutput() const;

private:
    std::string errorPath_;
    pid_t pid_ = -1;
    int status_ = 0;
    bool ended_ = false;
};

// The game binary built by this tree.
std::string GameBinary();

}  // namespace testsupport
