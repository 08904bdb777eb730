// The window made again when the options ask for it: watched through the X
// server, which sees the window, the key events sent to it and the cursor
// over it.
#include "app/GameWindow.h"

#include "support/TempDataDir.h"
#include "support/WindowPicture.h"
#include "support/XDisplay.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/System/Sleep.hpp>
#include <SFML/Window/Event.hpp>
#include <gtest/gtest.h>

// After the test framework, whose names Xlib's macros (None, Bool) would
// otherwise replace.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <X11/keysym.h>

#include <cstring>
#include <iostream>
#include <sstream>

namespace {

void DropPendingEvents(sf::Window& window)
{
    sf::Event event;
    while (window.pollEvent(event)) {
    }
}

void SendKey(Display* display, ::Window window, int type, KeyCode code, Time time)
{
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xkey.type = type;
    event.xkey.display = display;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.time = time;
    event.xkey.keycode = code;
    event.xkey.same_screen = True;
    XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
}

// A key held down as X reports it: a press, then release and press again at
// one time for every repeat, and a release. Returns how many key-pressed
// events the window makes of it.
int PressesOfAHeldKey(sf::Window& window)
{
    Display* display = testsupport::SharedDisplay();
    const ::Window handle = window.getSystemHandle();
    const KeyCode code = XKeysymToKeycode(display, XK_a);
    DropPendingEvents(window);
    SendKey(display, handle, KeyPress, code, 1000);
    SendKey(display, handle, KeyRelease, code, 1040);
    SendKey(display, handle, KeyPress, code, 1040);
    SendKey(display, handle, KeyRelease, code, 1080);
    XSync(display, False);
    sf::sleep(sf::milliseconds(100));
    int presses = 0;
    int releases = 0;
    sf::Clock clock;
    while (releases == 0 && clock.getElapsedTime() < sf::seconds(2)) {
        sf::Event event;
        while (window.pollEvent(event)) {
            presses += event.type == sf::Event::KeyPressed;
            releases += event.type == sf::Event::KeyReleased;
        }
        sf::sleep(sf::milliseconds(5));
    }
    return presses;
}

// Whether the cursor shows over the window: the pointer is put on a corner
// of it that no other test's window (centred on the screen) covers, and the
// cursor image there is read back.
bool CursorShows(sf::Window& window)
{
    Display* display = testsupport::SharedDisplay();
    const ::Window handle = window.getSystemHandle();
    window.setPosition(sf::Vector2i(256, 256));
    sf::Clock clock;
    ::Window root = 0, child = 0;
    int rootX, rootY, x, y;
    unsigned int mask;
    do {
        XWarpPointer(display, None, handle, 0, 0, 0, 0, 950, 700);
        XSync(display, False);
        sf::sleep(sf::milliseconds(20));
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x, &y, &mask);
    } while (child != handle && clock.getElapsedTime() < sf::seconds(2));
    EXPECT_EQ(child, handle) << "the pointer is not over the window";
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (!image)
        return false;
    int opaque = 0;
    for (int i = 0; i < image->width * image->height; ++i)
        opaque += (image->pixels[i] >> 24) != 0;
    XFree(image);
    return opaque > 0;
}

}  // namespace

TEST(WindowRecreation, ANewWindowKeepsKeyRepeatOffTheCursorSettingAndTheTextures)
{
    Display* display = testsupport::SharedDisplay();
    ASSERT_NE(display, nullptr);
    int eventBase, errorBase, major = 5, minor = 0;
    ASSERT_TRUE(XFixesQueryExtension(display, &eventBase, &errorBase));
    XFixesQueryVersion(display, &major, &minor);

    testsupport::TempDataDir dir;
    std::stringstream log;
    std::streambuf* saved = std::cerr.rdbuf(log.rdbuf());
    GameWindow gameWindow;
    std::cerr.rdbuf(saved);
    ASSERT_TRUE(gameWindow.CreateGameWindow());
    gameWindow.applied = gameWindow.selected;
    sf::RenderWindow& window = gameWindow.window;

    // A texture made on the first window, and the cursor hidden there.
    sf::Image red;
    red.create(8, 8, sf::Color::Red);
    sf::Texture texture;
    ASSERT_TRUE(texture.loadFromImage(red));
    gameWindow.SetMouseCursorVisible(false);
    EXPECT_FALSE(CursorShows(window));

    struct Case {
        const char* what;
        OptionSlot slot;
        bool recreate;
        bool newWindow;
    } cases[] = {
        {"the volumes only", OptionMusicVolume, false, false},
        {"antialiasing", OptionAntialiasing, false, true},
        {"asked to", OptionSoundVolume, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const sf::WindowHandle before = window.getSystemHandle();
        gameWindow.selected[c.slot] = gameWindow.selected[c.slot] == 0 ? 1 : 0;
        gameWindow.ApplyOptions(c.recreate);
        ASSERT_TRUE(window.isOpen());
        EXPECT_EQ(window.getSystemHandle() != before, c.newWindow);
        EXPECT_EQ(gameWindow.applied, gameWindow.selected);
    }

    // Key repeat is off again: a held key is one press (with repeat on the
    // window would see two).
    EXPECT_EQ(PressesOfAHeldKey(window), 1);
    window.setKeyRepeatEnabled(true);
    EXPECT_EQ(PressesOfAHeldKey(window), 2);
    window.setKeyRepeatEnabled(false);

    // The cursor stays as it was set, and can still be shown.
    EXPECT_FALSE(CursorShows(window));
    gameWindow.SetMouseCursorVisible(true);
    EXPECT_TRUE(CursorShows(window));

    // The texture of the first window still draws.
    window.setView(window.getDefaultView());
    window.clear(sf::Color::Black);
    window.draw(sf::Sprite(texture));
    EXPECT_EQ(testsupport::Grab(window).getPixel(4, 4), sf::Color::Red);
    window.close();
}
