// The start of the real game binary under X: the time from starting the
// process to the first picture in its window (the main menu over its
// backdrop level).
#include "bench/Setup.h"

#include "support/GameProcess.h"
#include "support/XDisplay.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <iostream>
#include <memory>
#include <set>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const char* const Title = "Vrenk II";

// Whether the window shows a drawn picture: a band across its middle has
// many colours, where an empty window, or the server's background showing
// through it, has one or two. A small band keeps the looking cheap, so that
// it takes little from the starting game.
bool IsDrawn(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    const int rows = 16;
    XImage* image = XGetImage(display, window, 0, attributes.height / 2, static_cast<unsigned>(attributes.width),
                              rows, AllPlanes, ZPixmap);
    if (!image)
        return false;
    std::set<unsigned long> colours;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < attributes.width; x += 7)
            colours.insert(XGetPixel(image, x, y));
    XDestroyImage(image);
    return colours.size() > 16;
}

// Seconds from `start` to the first drawn picture; negative when none came.
double SecondsToFirstPicture(testsupport::GameProcess& game, Clock::time_point start)
{
    Display* display = testsupport::SharedDisplay();
    Window window = 0;
    while (Clock::now() < start + 60s && game.Running()) {
        if (!window)
            window = testsupport::FindWindowByTitle(display, Title);
        if (window && IsDrawn(display, window))
            return std::chrono::duration<double>(Clock::now() - start).count();
        std::this_thread::sleep_for(2ms);
    }
    return -1;
}

// Starts the game, waits for its first picture and closes it again.
double StartOnce(const testsupport::TempDataDir& dir)
{
    const Clock::time_point start = Clock::now();
    testsupport::GameProcess game(testsupport::GameBinary(), dir.Path());
    const double seconds = SecondsToFirstPicture(game, start);
    game.CloseWindow(Title);
    game.WaitForExit(60s);
    return seconds;
}

void FirstFrame(benchmark::State& state, const testsupport::TempDataDir& dir)
{
    for (auto _ : state) {
        const double seconds = StartOnce(dir);
        if (seconds < 0) {
            state.SkipWithError("the game showed no picture");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<testsupport::TempDataDir> dir = bench::Begin(argc, argv);
    if (!dir)
        return 1;
    if (!testsupport::SharedDisplay()) {
        std::cerr << "No display: run this under xvfb-run.\n";
        return 1;
    }
    // A first start writes the configuration and profile files, as on a
    // player's first start; the measured starts find them.
    if (StartOnce(*dir) < 0) {
        std::cerr << "The game showed no picture: see " << dir->DataPath("Log.txt") << "\n";
        return 1;
    }
    benchmark::RegisterBenchmark("first_frame/main_menu", FirstFrame, std::cref(*dir))
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(5);
    return bench::RunAll();
}
