// The options and key bindings of the window, and "Data/Config.txt". The
// window itself is never opened here.
#include "app/GameWindow.h"

#include "support/BlockedSaves.h"
#include "support/TempDataDir.h"
#include "t4/io/filereader.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <sstream>

#include <sys/stat.h>

namespace {

const std::string DefaultFile =
    "..:: Vrenk Config File (Version 2.3.3) ::..\n"
    "\n"
    ".: Options :.\n"
    "{0; 2; 1; 100; 100; Left; Right; Up; Down; F; E; D; S; A; P; I}\n";

// Collects what is logged while it lives.
class LogCapture {
public:
    LogCapture() : saved_(std::cerr.rdbuf(text_.rdbuf())) {}
    ~LogCapture() { std::cerr.rdbuf(saved_); }
    std::string Text() const { return text_.str(); }

private:
    std::stringstream text_;
    std::streambuf* saved_;
};

struct Options {
    bool fullscreen;
    std::uint32_t frameMode;
    bool antialiasing;
    std::uint32_t music, sound;
};

Options Selected(const GameWindow& w)
{
    return {w.IsFullscreen(), w.GetFrameMode(), w.IsAntialiased(), w.GetMusicVolume(), w.GetSoundVolume()};
}

}  // namespace

TEST(Config, AMissingFileGivesTheDefaultsAndTheDefaultFile)
{
    testsupport::TempDataDir dir;
    LogCapture log;
    GameWindow window;

    Options o = Selected(window);
    EXPECT_FALSE(o.fullscreen);
    EXPECT_EQ(o.frameMode, 2u);
    EXPECT_TRUE(o.antialiasing);
    EXPECT_EQ(o.music, 100u);
    EXPECT_EQ(o.sound, 100u);
    EXPECT_EQ(window.selected[OptionEditedBinding], 11u);
    ASSERT_EQ(window.keyBindings.size(), 11u);
    EXPECT_EQ(window.keyBindings[KeyActionRollingBomb].name, "Rolling Bomb");
    EXPECT_EQ(window.keyBindings[KeyActionJump].key, sf::Keyboard::F);

    EXPECT_EQ(dir.ReadFile("Data/Config.txt"), DefaultFile);
    std::string entry = log.Text();
    EXPECT_NE(entry.find("\nFailed to load configuration: (Input) "), std::string::npos) << entry;
    EXPECT_NE(entry.find(".\nDefault file has been created.\n"), std::string::npos) << entry;
}

TEST(Config, RoundTripOfEveryOption)
{
    testsupport::TempDataDir dir;
    {
        LogCapture log;
        GameWindow window;
        window.selected = {0, 2, 1, 11, 1, 3};   // fullscreen, limit, no antialiasing, 25, 75
        ASSERT_TRUE(window.BindKey(KeyActionJump, sf::Keyboard::Space));
        window.SaveConfig();
    }
    EXPECT_EQ(dir.ReadFile("Data/Config.txt"),
              "..:: Vrenk Config File (Version 2.3.3) ::..\n\n.: Options :.\n"
              "{1; 1; 0; 25; 75; Left; Right; Up; Down; Space; E; D; S; A; P; I}\n");
    LogCapture log;
    GameWindow again;
    Options o = Selected(again);
    EXPECT_TRUE(o.fullscreen);
    EXPECT_EQ(o.frameMode, 1u);
    EXPECT_FALSE(o.antialiasing);
    EXPECT_EQ(o.music, 25u);
    EXPECT_EQ(o.sound, 75u);
    EXPECT_EQ(again.keyBindings[KeyActionJump].key, sf::Keyboard::Space);
    EXPECT_EQ(log.Text(), "");   // nothing was damaged
}

TEST(Config, DamagedFilesAreRewrittenKeepingWhatWasRead)
{
    struct Case {
        const char* name;
        const char* dataLine;
        const char* rewritten;
    } cases[] = {
        // Ends after the third token: the three values stay, the rest default.
        {"short", "{1; 0; 0}", "{1; 0; 0; 100; 100; Left; Right; Up; Down; F; E; D; S; A; P; I}"},
        // A token that does not parse: the failed extraction leaves 0 (a valid
        // frame mode) and the rest take their defaults.
        {"not a number", "{1; two; 0; 50; 50; Left; Right; Up; Down; F; E; D; S; A; P; I}",
         "{1; 0; 1; 100; 100; Left; Right; Up; Down; F; E; D; S; A; P; I}"},
        // A key name nobody knows is damage like any other.
        {"unknown key", "{0; 0; 1; 50; 50; Left; Right; Up; Down; Hyper; E; D; S; A; P; I}",
         "{0; 0; 1; 50; 50; Left; Right; Up; Down; F; E; D; S; A; P; I}"},
    };
    for (const Case& c : cases) {
        testsupport::TempDataDir dir;
        dir.WriteFile("Data/Config.txt", "..:: Vrenk Config File (Version 2.3.3) ::..\n\n.: Options :.\n" +
                                             std::string(c.dataLine) + "\n");
        LogCapture log;
        GameWindow window;
        EXPECT_EQ(dir.ReadFile("Data/Config.txt"),
                  "..:: Vrenk Config File (Version 2.3.3) ::..\n\n.: Options :.\n" + std::string(c.rewritten) + "\n")
            << c.name;
        EXPECT_NE(log.Text().find("Failed to load configuration: "), std::string::npos) << c.name;
        EXPECT_NE(log.Text().find(".\nDefault file has been created."), std::string::npos) << c.name;
    }
}

// An empty file, or one that is not a regular file or is far larger than
// any the game writes, is damaged at once and never read: the defaults, and
// a new file in its place (a link is replaced, not written through).
TEST(Config, AFileThatIsEmptyOrNotARegularOneIsReplacedUnread)
{
    struct Case {
        const char* what;
        std::function<void(const testsupport::TempDataDir&)> make;
        std::string reason;
    } cases[] = {
        {"empty", [](const testsupport::TempDataDir& dir) { dir.WriteFile("Data/Config.txt", ""); },
         "(Input) File \"Data/Config.txt\" is empty"},
        {"a link to an endless device",
         [](const testsupport::TempDataDir& dir) {
             boost::filesystem::create_symlink("/dev/zero", dir.DataPath("Config.txt"));
         },
         "(Input) File \"Data/Config.txt\" is a character device, not a regular file"},
        {"a pipe",
         [](const testsupport::TempDataDir& dir) { ASSERT_EQ(::mkfifo(dir.DataPath("Config.txt").c_str(), 0600), 0); },
         "(Input) File \"Data/Config.txt\" is a pipe, not a regular file"},
        {"beyond the limit",
         [](const testsupport::TempDataDir& dir) {
             dir.WriteFile("Data/Config.txt", DefaultFile + std::string(t4::filereader::size_limit, '{'));
         },
         "(Input) File \"Data/Config.txt\" is larger than " + std::to_string(t4::filereader::size_limit) + " bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDataDir dir;
        c.make(dir);
        LogCapture log;
        GameWindow window;
        EXPECT_EQ(window.GetMusicVolume(), 100u);
        const std::string entry = "\nFailed to load configuration: " + c.reason + ".\nDefault file has been created.\n";
        EXPECT_NE(log.Text().find(entry), std::string::npos)
            << log.Text();
        EXPECT_EQ(boost::filesystem::symlink_status(dir.DataPath("Config.txt")).type(),
                  boost::filesystem::regular_file);
        EXPECT_EQ(dir.ReadFile("Data/Config.txt"), DefaultFile);
    }
}

TEST(Config, AValueOutsideItsChoiceListTakesTheDefaultAndIsLogged)
{
    struct Case {
        const char* dataLine;
        const char* entry;
        OptionSlot slot;
        std::uint32_t (GameWindow::*value)() const;
        std::uint32_t wanted;
    } cases[] = {
        {"{0; 7; 1; 50; 50; Left; Right; Up; Down; F; E; D; S; A; P; I}",
         "\nInvalid frame mode in \"Data/Config.txt\": 7.\nThe default is used instead.\n", OptionFrameMode,
         &GameWindow::GetFrameMode, 2},
        {"{0; 1; 1; 30; 50; Left; Right; Up; Down; F; E; D; S; A; P; I}",
         "\nInvalid music volume in \"Data/Config.txt\": 30.\nThe default is used instead.\n", OptionMusicVolume,
         &GameWindow::GetMusicVolume, 100},
        {"{0; 1; 1; 50; 101; Left; Right; Up; Down; F; E; D; S; A; P; I}",
         "\nInvalid sound volume in \"Data/Config.txt\": 101.\nThe default is used instead.\n", OptionSoundVolume,
         &GameWindow::GetSoundVolume, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dataLine);
        testsupport::TempDataDir dir;
        dir.WriteFile("Data/Config.txt", "..:: Vrenk Config File (Version 2.3.3) ::..\n\n.: Options :.\n" +
                                             std::string(c.dataLine) + "\n");
        LogCapture log;
        GameWindow window;
        EXPECT_EQ((window.*c.value)(), c.wanted);
        EXPECT_NE(log.Text().find(c.entry), std::string::npos) << log.Text();
        // Read again after another choice: the default again, not that choice.
        window.selected[c.slot] = 1;
        window.LoadConfig();
        EXPECT_EQ((window.*c.value)(), c.wanted);
    }
}

TEST(Config, AFailedSaveIsLoggedAndTheGameGoesOn)
{
    testsupport::TempDataDir dir;
    LogCapture log;
    GameWindow window;
    ASSERT_EQ(std::system(("rm -rf '" + dir.Path() + "/Data'").c_str()), 0);
    EXPECT_NO_THROW(window.SaveConfig());
    EXPECT_NE(log.Text().find("Failed to save configuration: "), std::string::npos) << log.Text();

    // Nor can a default file be written: the reset says so.
    LogCapture resetLog;
    GameWindow again;
    EXPECT_NE(resetLog.Text().find("Failed to load configuration: "), std::string::npos) << resetLog.Text();
    EXPECT_NE(resetLog.Text().find(".\nNo default file could be created: (Output) "), std::string::npos)
        << resetLog.Text();
    EXPECT_EQ(resetLog.Text().find("Default file has been created."), std::string::npos) << resetLog.Text();
}

TEST(Config, TheFileIsReplacedWholeOrNotAtAll)
{
    testsupport::TempDataDir dir;
    LogCapture log;
    GameWindow window;
    window.SaveConfig();
    const std::string saved = dir.ReadFile("Data/Config.txt");

    // A save cut short leaves a partial file beside the whole one, which
    // loads as it was; the next save replaces both.
    dir.WriteFile("Data/Config.txt.tmp", saved.substr(0, saved.size() / 2));
    LogCapture quiet;
    GameWindow again;
    EXPECT_EQ(quiet.Text(), "");
    again.selected[OptionMusicVolume] = 1;
    again.SaveConfig();
    EXPECT_NE(dir.ReadFile("Data/Config.txt").find("; 25; 100;"), std::string::npos);
    EXPECT_FALSE(dir.Exists("Data/Config.txt.tmp"));

    // When the new file cannot be written the old one stays as it was.
    const std::string before = dir.ReadFile("Data/Config.txt");
    ASSERT_EQ(std::system(("mkdir -p '" + dir.Path() + "/Data/Config.txt.tmp/keep'").c_str()), 0);
    again.selected[OptionMusicVolume] = 4;
    again.SaveConfig();
    EXPECT_EQ(dir.ReadFile("Data/Config.txt"), before);
    EXPECT_NE(quiet.Text().find("Failed to save configuration: "), std::string::npos) << quiet.Text();
}

TEST(KeyBindings, BindKeyMovesAKeyBetweenActions)
{
    testsupport::TempDataDir dir;
    LogCapture log;
    GameWindow window;
    EXPECT_FALSE(window.BindKey(KeyActionJump, sf::Keyboard::Unknown));
    EXPECT_EQ(window.keyBindings[KeyActionJump].key, sf::Keyboard::F);

    ASSERT_TRUE(window.BindKey(KeyActionJump, sf::Keyboard::D));   // D was Rocket's
    EXPECT_EQ(window.keyBindings[KeyActionJump].key, sf::Keyboard::D);
    EXPECT_EQ(window.keyBindings[KeyActionRocket].key, sf::Keyboard::Unknown);
    EXPECT_EQ(window.ActionForKey(sf::Keyboard::D), KeyActionJump);
    EXPECT_EQ(window.ActionForKey(sf::Keyboard::F), KeyActionNone);
    // An unbound action is not reached by keys SFML cannot name.
    EXPECT_EQ(window.ActionForKey(sf::Keyboard::Unknown), KeyActionNone);

    // The unbound key is saved by its name and stays unbound when read back.
    window.SaveConfig();
    EXPECT_NE(dir.ReadFile("Data/Config.txt").find("; D; E; Unknown; S;"), std::string::npos);
    GameWindow again;
    EXPECT_EQ(again.keyBindings[KeyActionRocket].key, sf::Keyboard::Unknown);
    EXPECT_EQ(again.keyBindings[KeyActionJump].key, sf::Keyboard::D);
}

namespace {

const std::string Reason = "(Output) Can't open file \"Data/Config.txt.tmp\" (Is a directory)";

}  // namespace

TEST(Config, OptionsOfAFailedSaveOutliveReloadsUntilASaveSucceeds)
{
    testsupport::TempDataDir dir;
    LogCapture log;
    GameWindow window;
    {
        testsupport::BlockedSaves blocked(dir, "Config.txt");
        window.selected[OptionMusicVolume] = 3;  // 75
        ASSERT_TRUE(window.BindKey(KeyActionJump, sf::Keyboard::Space));
        window.SaveConfig();
        // Chosen but never applied: gone at the next load, as ever.
        window.selected[OptionSoundVolume] = 1;
        window.selected[OptionEditedBinding] = KeyActionMine;
        window.LoadConfig();
        EXPECT_EQ(window.GetMusicVolume(), 75u);
        EXPECT_EQ(window.GetSoundVolume(), 100u);
        EXPECT_EQ(window.keyBindings[KeyActionJump].key, sf::Keyboard::Space);
        EXPECT_EQ(window.selected[OptionEditedBinding], static_cast<std::uint32_t>(KeyActionMine));
        EXPECT_EQ(dir.ReadFile("Data/Config.txt"), DefaultFile);
    }
    // A load writes what the failed save held; the file is read from then on.
    window.LoadConfig();
    EXPECT_EQ(dir.ReadFile("Data/Config.txt"),
              "..:: Vrenk Config File (Version 2.3.3) ::..\n\n.: Options :.\n"
              "{0; 2; 1; 75; 100; Left; Right; Up; Down; Space; E; D; S; A; P; I}\n");
    dir.WriteFile("Data/Config.txt", DefaultFile);
    window.LoadConfig();
    EXPECT_EQ(window.GetMusicVolume(), 100u);
}

TEST(Config, ThePlayerIsToldOnceThatTheFileCannotBeSaved)
{
    testsupport::TempDataDir dir;
    LogCapture log;
    GameWindow window;
    testsupport::BlockedSaves blocked(dir, "Config.txt");
    window.SaveConfig();
    window.SaveConfig();
    window.LoadConfig();
    const std::string told = window.saveFailures.Take();
    const std::size_t at = told.find("\"Data/Config.txt\"");
    ASSERT_NE(at, std::string::npos) << told;
    EXPECT_NE(told.find(Reason, at), std::string::npos) << told;
    EXPECT_EQ(told.find("\"Data/Config.txt\"", at + 1), std::string::npos) << told;
    window.SaveConfig();
    EXPECT_EQ(window.saveFailures.Take(), "");
}

TEST(Config, AFailureIsToldAgainOnceASaveHasSucceeded)
{
    testsupport::TempDataDir dir;
    LogCapture log;
    GameWindow window;
    window.saveFailures.Take();
    for (int round = 0; round < 2; ++round) {
        {
            testsupport::BlockedSaves blocked(dir, "Config.txt");
            window.SaveConfig();
            EXPECT_NE(window.saveFailures.Take().find(Reason), std::string::npos) << round;
        }
        window.SaveConfig();
        EXPECT_EQ(window.saveFailures.Take(), "") << round;
    }
}

TEST(Config, ADamagedFileStaysWhenNoNewOneCanBeWritten)
{
    testsupport::TempDataDir dir;
    const std::string damaged = "..:: Vrenk Config File (Version 2.3.3) ::..\n\n.: Options :.\n{1; 0}\n";
    dir.WriteFile("Data/Config.txt", damaged);
    testsupport::BlockedSaves blocked(dir, "Config.txt");
    LogCapture log;
    GameWindow window;
    EXPECT_EQ(dir.ReadFile("Data/Config.txt"), damaged);
    EXPECT_NE(log.Text().find(".\nNo default file could be created: " + Reason + "."), std::string::npos)
        << log.Text();
    EXPECT_NE(window.saveFailures.Take().find(Reason), std::string::npos);
    // What was read before the damage stays in force.
    EXPECT_TRUE(window.IsFullscreen());
    EXPECT_EQ(window.GetFrameMode(), 0u);
}
