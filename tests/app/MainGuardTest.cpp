// What main does with an exception that leaves the application: it logs it
// and ends the program normally.
#include "app/Log.h"
#include "app/MainGuard.h"
#include "app/ResourceException.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

TEST(MainGuard, LogsWhatLeavesTheProgramAndEndsNormally)
{
    struct Case {
        const char* what;
        std::function<void()> body;
        std::string entry;   // "" for none
    } cases[] = {
        {"nothing thrown", [] {}, ""},
        {"standard exception", [] { throw std::runtime_error("(Input) Format error"); },
         "\nEXCEPTION: (Input) Format error\n"},
        {"anything else", [] { throw ResourceException("not a std::exception", ""); }, "\nUNKNOWN EXCEPTION.\n"},
    };
    for (const Case& c : cases) {
        testsupport::TempDataDir dir;
        dir.WriteFile("Data/Log.txt", "");
        // After the application is gone the entry is appended to the file.
        EXPECT_EQ(RunGuarded(c.body), 0) << c.what;
        const std::string log = dir.ReadFile("Data/Log.txt");
        if (c.entry.empty())
            EXPECT_EQ(log, "") << c.what;
        else
            EXPECT_NE(log.find(c.entry), std::string::npos) << c.what << log;
    }

    // While the log is open the entry goes there.
    testsupport::TempDataDir dir;
    {
        std::unique_ptr<LogFile> log = OpenLogFile();
        std::streambuf* saved = RedirectLog(*log);
        RunGuarded([] { throw std::logic_error("GetCurrentMusic: Music in stopped state"); });
        RestoreLog(saved);
    }
    EXPECT_NE(dir.ReadFile("Data/Log.txt").find("\nEXCEPTION: GetCurrentMusic: Music in stopped state\n"),
              std::string::npos);
}
