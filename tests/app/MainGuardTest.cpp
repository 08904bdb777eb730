// What main does with the end of the program: a failure, or an exception
// that leaves the application, is logged, told on the terminal in one line
// and ends the program with status 1; so do saves that failed and were never
// told, one line each; a normal end gives 0.
#include "app/Log.h"
#include "app/MainGuard.h"
#include "app/ResourceException.h"
#include "support/TempDataDir.h"

#include <boost/filesystem.hpp>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

// What the process writes to its standard error while the object lives.
class CapturedStandardError {
public:
    CapturedStandardError() : file_(std::tmpfile()), saved_(dup(STDERR_FILENO))
    {
        std::fflush(stderr);
        dup2(fileno(file_), STDERR_FILENO);
    }
    ~CapturedStandardError()
    {
        Restore();
        std::fclose(file_);
    }
    std::string Text()
    {
        Restore();
        std::rewind(file_);
        std::string text;
        for (int c; (c = std::fgetc(file_)) != EOF;)
            text += static_cast<char>(c);
        return text;
    }

private:
    void Restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }

    std::FILE* file_;
    int saved_;
};

}  // namespace

TEST(MainGuard, LogsAndTellsWhatEndsTheProgramOnAFailure)
{
    struct Case {
        const char* what;
        std::function<RunEnd()> body;
        std::string entry;     // "" for none
        int status;
        std::string terminal;  // the whole standard error
    } cases[] = {
        {"normal end", [] { return std::string(); }, "", 0, ""},
        {"failed start", [] { return std::string("Failed to load resources: Archive Data/Resources1.vrk doesn't exist"); },
         "", 1, "Vrenk II ended on an error: Failed to load resources: Archive Data/Resources1.vrk doesn't exist\n"},
        {"error of more than one line", [] { return std::string("Failed to load level 0-1\n   Invalid data"); }, "",
         1, "Vrenk II ended on an error: Failed to load level 0-1    Invalid data\n"},
        {"saves never told", [] { return RunEnd("", {"Vrenk II could not save \"Data/Profiles.txt\": disk full",
                                                      "Vrenk II could not save \"Data/Config.txt\": disk full"}); },
         "", 1,
         "Vrenk II could not save \"Data/Profiles.txt\": disk full\n"
         "Vrenk II could not save \"Data/Config.txt\": disk full\n"},
        {"a failure after saves never told",
         [] { return RunEnd("Loading error at Gfx/Item.png", {"Vrenk II could not save \"Data/Profiles.txt\": x"}); },
         "", 1,
         "Vrenk II could not save \"Data/Profiles.txt\": x\n"
         "Vrenk II ended on an error: Loading error at Gfx/Item.png\n"},
        {"standard exception", []() -> std::string { throw std::runtime_error("(Input) Format error"); },
         "\nEXCEPTION: (Input) Format error\n", 1, "Vrenk II ended on an error: (Input) Format error\n"},
        {"anything else", []() -> std::string { throw ResourceException("not a std::exception", ""); },
         "\nUNKNOWN EXCEPTION.\n", 1, "Vrenk II ended on an error: unknown exception\n"},
    };
    for (const Case& c : cases) {
        testsupport::TempDataDir dir;
        dir.WriteFile("Data/Log.txt", "");
        CapturedStandardError terminal;
        // After the application is gone the entry is appended to the file.
        EXPECT_EQ(RunGuarded(c.body), c.status) << c.what;
        EXPECT_EQ(terminal.Text(), c.terminal) << c.what;
        const std::string log = dir.ReadFile("Data/Log.txt");
        if (c.entry.empty())
            EXPECT_EQ(log, "") << c.what;
        else
            EXPECT_NE(log.find(c.entry), std::string::npos) << c.what << log;
    }

    // While the log is open the entry goes there, and the terminal line
    // still reaches the terminal.
    testsupport::TempDataDir dir;
    CapturedStandardError terminal;
    {
        std::unique_ptr<LogFile> log = OpenLogFile();
        std::streambuf* saved = RedirectLog(*log);
        EXPECT_EQ(RunGuarded([]() -> std::string { throw std::logic_error("GetCurrentMusic: Music in stopped state"); }), 1);
        RestoreLog(saved);
    }
    EXPECT_NE(dir.ReadFile("Data/Log.txt").find("\nEXCEPTION: GetCurrentMusic: Music in stopped state\n"),
              std::string::npos);
    EXPECT_EQ(terminal.Text(), "Vrenk II ended on an error: GetCurrentMusic: Music in stopped state\n");
}

// A log that cannot be opened is told on the terminal, in one line; without
// a "Data" folder the game cannot start at all, and the reason it ends on
// names the folder instead.
TEST(MainGuard, ALogThatCannotBeOpenedIsToldOnTheTerminal)
{
    testsupport::TempDataDir dir;
    ASSERT_TRUE(boost::filesystem::create_directory(dir.Path() + "/Data/Log.txt"));
    {
        CapturedStandardError terminal;
        EXPECT_TRUE(OpenLogFile()->fail());
        EXPECT_EQ(terminal.Text(), "Vrenk II cannot write its log \"Data/Log.txt\".\n");
    }
    EXPECT_EQ(MissingDataFolder(), "");

    boost::filesystem::remove_all(dir.Path() + "/Data");
    CapturedStandardError terminal;
    EXPECT_TRUE(OpenLogFile()->fail());
    EXPECT_EQ(terminal.Text(), "");
    EXPECT_EQ(MissingDataFolder(),
              "No folder \"Data\" in " + dir.Path() + ": the game's data and its log belong there");
}
