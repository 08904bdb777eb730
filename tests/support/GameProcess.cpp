#include "support/GameProcess.h"

#include "support/XDisplay.h"

#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
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
    char errorPath[] = "/tmp/vrenk-stderr-XXXXXX";
    const int errorFile = mkstemp(errorPath);
    if (errorFile < 0)
        throw std::runtime_error("no file for the game's standard error");
    errorPath_ = errorPath;
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        if (dup2(errorFile, STDERR_FILENO) < 0 || chdir(workingDirectory.c_str()) != 0)
            _exit(127);
        execl(binary.c_str(), binary.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(errorFile);
}

GameProcess::~GameProcess()
{
    if (Running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status_, 0);
    }
    std::cerr << ErrorOutput() << std::flush;
    std::remove(errorPath_.c_str());
}

std::string GameProcess::ErrorOutput() const
{
    std::ifstream file(errorPath_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
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
