// The real game binary, started under X in a fresh working directory.
#include "support/GameProcess.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <regex>

using namespace std::chrono_literals;

TEST(GameStart, OpensItsWindowAndClosesCleanlyWithAFullLog)
{
    testsupport::TempDataDir dir;
    dir.CopyBuiltArchives();
    testsupport::GameProcess game(testsupport::GameBinary(), dir.Path());
    ASSERT_TRUE(game.WaitForWindow("Vrenk II", 60s)) << dir.ReadFile("Data/Log.txt");
    ASSERT_TRUE(game.CloseWindow("Vrenk II"));
    EXPECT_EQ(game.WaitForExit(60s), 0);

    std::string log = dir.ReadFile("Data/Log.txt");
    std::regex start("^\n" + std::string(49, '-') + "\n\n\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d\nApplication starts\\.\n");
    EXPECT_TRUE(std::regex_search(log, start)) << log;
    const std::string end = "\nApplication ends.\n";
    ASSERT_GE(log.size(), end.size());
    EXPECT_EQ(log.substr(log.size() - end.size()), end) << log;
}
