#include "support/GameProcess.h"

#include "support/XDisplay.h"

#include <X11/Xlib.h>

#include <csignal>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

std::string GameBinary()
{
    return VRENK_GAME_BINARY;
}

GameProcess::GameProcess(const std::string& binary, const std::string& workingDirectory)
{
    // Our connection stands before the game's first one, so the server
    // never sees its last client leave while the game starts.
    SharedDisplay();
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
        if (FindWindowByTitle(SharedDisplay(), title) != 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

bool GameProcess::CloseWindow(const std::string& title)
{
    Display* display = SharedDisplay();
    const Window window = FindWindowByTitle(display, title);
    if (!window)
        return false;
    RequestClose(display, window);
    return true;
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
