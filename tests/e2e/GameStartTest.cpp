// The real game binary, started under X in a fresh working directory.
#include "support/GameProcess.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <fstream>
#include <functional>
#include <regex>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

const std::string Stamp = R"(\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d)";

}  // namespace

TEST(GameStart, OpensItsWindowAndClosesCleanlyWithAFullLog)
{
    testsupport::TempDataDir dir;
    ASSERT_EQ(dir.CopyBuiltArchives(), 4) << "the content build makes four archives";
    testsupport::GameProcess game(testsupport::GameBinary(), dir.Path());
    ASSERT_TRUE(game.WaitForWindow("Vrenk II", 60s)) << dir.ReadFile("Data/Log.txt");
    ASSERT_TRUE(game.CloseWindow("Vrenk II"));
    EXPECT_EQ(game.WaitForExit(60s), 0);

    std::string log = dir.ReadFile("Data/Log.txt");
    std::regex start("^\n" + std::string(49, '-') + "\n\n" + Stamp + "\nApplication starts\\.\n");
    EXPECT_TRUE(std::regex_search(log, start)) << log;
    const std::string end = "\nApplication ends.\n";
    ASSERT_GE(log.size(), end.size());
    EXPECT_EQ(log.substr(log.size() - end.size()), end) << log;

    // Without a configuration file the game started on the defaults and
    // wrote them down.
    EXPECT_TRUE(std::regex_search(log, std::regex("\n" + Stamp +
                                                  "\nFailed to load configuration: \\(Input\\) [^\n]*\\.\n"
                                                  "Default file has been created\\.\n")))
        << log;
    EXPECT_EQ(dir.ReadFile("Data/Config.txt"),
              "..:: Vrenk Config File (Version 2.3.3) ::..\n\n.: Options :.\n"
              "{0; 2; 1; 100; 100; Left; Right; Up; Down; F; E; D; S; A; P; I}\n");
}

// Data files that are links to an endless device are damaged data, known
// without reading them: the game starts at once on the defaults and an empty
// profile list, and puts regular files in their place.
TEST(GameStart, DataFilesThatAreNotRegularFilesAreReplacedWithoutBeingRead)
{
    testsupport::TempDataDir dir;
    ASSERT_EQ(dir.CopyBuiltArchives(), 4);
    for (const char* file : {"Config.txt", "Profiles.txt"})
        boost::filesystem::create_symlink("/dev/zero", dir.DataPath(file));
    testsupport::GameProcess game(testsupport::GameBinary(), dir.Path());
    ASSERT_TRUE(game.WaitForWindow("Vrenk II", 60s)) << dir.ReadFile("Data/Log.txt");
    ASSERT_TRUE(game.CloseWindow("Vrenk II"));
    EXPECT_EQ(game.WaitForExit(60s), 0);

    const std::string log = dir.ReadFile("Data/Log.txt");
    for (const std::string entry :
         {"Failed to load configuration: (Input) File \"Data/Config.txt\" is a character device, not a regular "
          "file.\nDefault file has been created.",
          "Failed to load profiles: (Input) File \"Data/Profiles.txt\" is a character device, not a regular "
          "file.\nEmpty file has been created."})
        EXPECT_NE(log.find("\n" + entry + "\n"), std::string::npos) << entry << "\nin:\n" << log;
    for (const char* file : {"Config.txt", "Profiles.txt"})
        EXPECT_EQ(boost::filesystem::symlink_status(dir.DataPath(file)).type(), boost::filesystem::regular_file)
            << file;
    EXPECT_EQ(boost::filesystem::read_symlink(dir.DataPath("Profiles_error.txt")).string(), "/dev/zero");
}

TEST(GameStart, AMissingResourceArchiveEndsTheStartWithoutAScreen)
{
    testsupport::TempDataDir dir;
    dir.CopyBuiltArchives();
    std::remove(dir.DataPath("Resources1.vrk").c_str());
    testsupport::GameProcess game(testsupport::GameBinary(), dir.Path());
    EXPECT_EQ(game.WaitForExit(60s), 1);

    std::string log = dir.ReadFile("Data/Log.txt");
    EXPECT_NE(log.find("\nAn error occurred during startup\nError description: Failed to load resources: "
                       "Archive Data/Resources1.vrk doesn't exist\n"),
              std::string::npos)
        << log;
    const std::string end = "\nApplication ends.\n";
    EXPECT_EQ(log.substr(log.size() - std::min(log.size(), end.size())), end) << log;
}

// A start that fails ends with status 1 and tells the terminal why, naming
// the archive or the folder, in one line and nothing more.
TEST(GameStart, AFailedStartEndsWithAFailureAndTellsTheTerminalWhy)
{
    struct Case {
        const char* what;
        std::function<void(testsupport::TempDataDir&)> damage;
        std::string line;   // the whole standard error; {dir} is the working directory
    } cases[] = {
        {"missing archive",
         [](testsupport::TempDataDir& dir) { boost::filesystem::remove(dir.DataPath("Resources3.vrk")); },
         {"Vrenk II ended on an error: Failed to load resources: Archive Data/Resources3.vrk doesn't exist"}},
        {"damaged archive",
         [](testsupport::TempDataDir& dir) {
             std::ofstream(dir.DataPath("Resources1.vrk"), std::ios::binary | std::ios::trunc) << "FOXP damaged";
         },
         {"Vrenk II ended on an error: Failed to load resources: Archive Data/Resources1.vrk: [FOXP] Wrong archive format"}},
        {"damaged index entry",
         [](testsupport::TempDataDir& dir) {
             // The first byte of the first entry's name (the entries stand in the order of their names).
             std::fstream archive(dir.DataPath("Resources1.vrk"), std::ios::binary | std::ios::in | std::ios::out);
             archive.seekg(32);
             const char byte = static_cast<char>(archive.get() ^ 0x20);
             archive.seekp(32);
             archive.put(byte);
         },
         {"Vrenk II ended on an error: Loading error at Music/EndOfLevel.ogg (Data/Resources1.vrk holds no entry of "
          "that name)"}},
        {"no Data folder",
         [](testsupport::TempDataDir& dir) { boost::filesystem::remove_all(dir.Path() + "/Data"); },
         {"Vrenk II ended on an error: No folder \"Data\" in {dir}: the game's data and its log belong there"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDataDir dir;
        dir.CopyBuiltArchives();
        c.damage(dir);
        testsupport::GameProcess game(testsupport::GameBinary(), dir.Path());
        EXPECT_EQ(game.WaitForExit(60s), 1);
        std::string line = c.line;
        const std::size_t dirAt = line.find("{dir}");
        if (dirAt != std::string::npos)
            line.replace(dirAt, 5, dir.Path());
        EXPECT_EQ(game.ErrorOutput(), line + "\n");
    }
}
