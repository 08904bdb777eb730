#include "support/WindowDriver.h"

#include "support/XDisplay.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdlib>

namespace testsupport {

namespace {

int Channel(std::uint32_t pixel, int shift)
{
    return static_cast<int>((pixel >> shift) & 0xFF);
}

}  // namespace

double DifferingShare(const Picture& a, const Picture& b, int tolerance)
{
    if (a.width != b.width || a.height != b.height || a.pixels.empty())
        return 1;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        for (int shift : {16, 8, 0}) {
            if (std::abs(Channel(a.pixels[i], shift) - Channel(b.pixels[i], shift)) > tolerance) {
                ++differing;
                break;
            }
        }
    }
    return static_cast<double>(differing) / static_cast<double>(a.pixels.size());
}

double DarkShare(const Picture& picture, int level)
{
    if (picture.pixels.empty())
        return 0;
    const auto dark = std::count_if(picture.pixels.begin(), picture.pixels.end(), [level](std::uint32_t p) {
        return Channel(p, 16) <= level && Channel(p, 8) <= level && Channel(p, 0) <= level;
    });
    return static_cast<double>(dark) / static_cast<double>(picture.pixels.size());
}

double MeanBrightness(const Picture& picture)
{
    if (picture.pixels.empty())
        return 0;
    double sum = 0;
    for (std::uint32_t p : picture.pixels)
        sum += Channel(p, 16) + Channel(p, 8) + Channel(p, 0);
    return sum / (3.0 * static_cast<double>(picture.pixels.size()));
}

WindowDriver::WindowDriver(const std::string& title)
{
    Display* display = SharedDisplay();
    const Window window = FindWindowByTitle(display, title);
    XWindowAttributes attributes;
    if (!window || !XGetWindowAttributes(display, window, &attributes))
        return;
    Window child = 0;
    if (!XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &left_, &top_, &child))
        return;
    window_ = window;
    width_ = attributes.width;
    height_ = attributes.height;
}

bool WindowDriver::HasXTest()
{
    Display* display = SharedDisplay();
    int event = 0, error = 0, major = 0, minor = 0;
    return display && XTestQueryExtension(display, &event, &error, &major, &minor);
}

Picture WindowDriver::Capture() const
{
    Picture picture;
    Display* display = SharedDisplay();
    if (!window_ || !display)
        return picture;
    XImage* image = XGetImage(display, window_, 0, 0, static_cast<unsigned>(width_), static_cast<unsigned>(height_),
                              AllPlanes, ZPixmap);
    if (!image)
        return picture;
    picture.width = width_;
    picture.height = height_;
    picture.pixels.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    const bool direct = image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 && image->green_mask == 0xFF00 &&
                        image->blue_mask == 0xFF;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            std::uint32_t pixel;
            if (direct) {
                const char* row = image->data + static_cast<std::ptrdiff_t>(y) * image->bytes_per_line;
                pixel = reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFF;
            } else {
                pixel = static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF;
            }
            picture.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                           static_cast<std::size_t>(x)] = pixel;
        }
    }
    XDestroyImage(image);
    return picture;
}

void WindowDriver::MoveMouse(int x, int y) const
{
    Display* display = SharedDisplay();
    XTestFakeMotionEvent(display, DefaultScreen(display), left_ + x, top_ + y, CurrentTime);
    XSync(display, False);
}

void WindowDriver::Click(int x, int y) const
{
    MoveMouse(x, y);
    Display* display = SharedDisplay();
    XTestFakeButtonEvent(display, Button1, True, CurrentTime);
    XTestFakeButtonEvent(display, Button1, False, CurrentTime);
    XSync(display, False);
}

bool WindowDriver::SendKey(const std::string& keysym, bool press) const
{
    Display* display = SharedDisplay();
    const KeySym sym = XStringToKeysym(keysym.c_str());
    if (sym == NoSymbol)
        return false;
    const KeyCode code = XKeysymToKeycode(display, sym);
    if (code == 0)
        return false;
    XTestFakeKeyEvent(display, code, press ? True : False, CurrentTime);
    XSync(display, False);
    return true;
}

bool WindowDriver::PressKey(const std::string& keysym) const
{
    return SendKey(keysym, true);
}

bool WindowDriver::ReleaseKey(const std::string& keysym) const
{
    return SendKey(keysym, false);
}

bool WindowDriver::TapKey(const std::string& keysym) const
{
    return PressKey(keysym) && ReleaseKey(keysym);
}

bool WindowDriver::Type(const std::string& text) const
{
    for (char c : text) {
        const std::string name = c == ' ' ? std::string("space") : std::string(1, c);
        if (!TapKey(name))
            return false;
    }
    return true;
}

}  // namespace testsupport
