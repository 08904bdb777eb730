#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// The pixels of a window as the X server holds them, row by row, each
// 0xRRGGBB.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool Empty() const { return pixels.empty(); }
};

// The share of pixels (0 to 1) whose red, green or blue differs by more than
// `tolerance` between two pictures; 1 when their sizes differ.
double DifferingShare(const Picture& a, const Picture& b, int tolerance = 24);
// The share of pixels whose red, green and blue all lie at or below `level`.
double DarkShare(const Picture& picture, int level = 8);
// The mean of red, green and blue over all pixels, 0 to 255.
double MeanBrightness(const Picture& picture);

// A top-level window of another process on the shared display, read back
// from the screen and driven with synthetic input through the XTest
// extension, as if a person sat at the keyboard and the mouse. Positions are
// window pixels (the origin at the window's top left).
class WindowDriver {
public:
    // Looks for the window by its title; Found() tells whether it exists.
    explicit WindowDriver(const std::string& title);

    bool Found() const { return window_ != 0; }
    // Whether the server offers XTest.
    static bool HasXTest();

    int Width() const { return width_; }
    int Height() const { return height_; }

    // The window's content now; empty when it cannot be read (the window
    // is gone).
    Picture Capture() const;

    void MoveMouse(int x, int y) const;
    // Moves there and presses and releases the left button.
    void Click(int x, int y) const;
    // Keys by their X keysym names ("Right", "P", "Return", "a"); false
    // when the name has no key on the server's keyboard map.
    bool PressKey(const std::string& keysym) const;
    bool ReleaseKey(const std::string& keysym) const;
    bool TapKey(const std::string& keysym) const;
    // Taps each character's key in turn: lower-case letters, digits and
    // spaces only.
    bool Type(const std::string& text) const;

private:
    bool SendKey(const std::string& keysym, bool press) const;

    unsigned long window_ = 0;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace testsupport
