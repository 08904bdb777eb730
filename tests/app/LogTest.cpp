#include "app/Log.h"

#include "support/FileFaults.h"
#include "support/TempDataDir.h"

#include <SFML/System/Err.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <regex>
#include <sstream>
#include <thread>
#include <vector>

namespace {

const std::string Stamp = R"(\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d)";

// One run of the log as the application does it: open, redirect, entries,
// give the streams back.
void RunLog(const std::vector<std::string>& messages)
{
    auto log = OpenLogFile();
    std::streambuf* saved = RedirectLog(*log);
    for (const auto& m : messages)
        Log(m);
    sf::err() << "from SFML" << std::endl;
    RestoreLog(saved);
}

}  // namespace

TEST(Log, FileLayoutAfterAStartHoldsOnlyTheLastRun)
{
    testsupport::TempDataDir dir;
    RunLog({"first run"});
    RunLog({"Line one\nline two", "Application ends."});

    std::string text = dir.ReadFile("Data/Log.txt");
    std::regex expected("\n" + std::string(49, '-') + "\n" +
                        "\n" + Stamp + "\nApplication starts.\n" +
                        "\n" + Stamp + "\nLine one\nline two\n" +   // later lines carry no stamp
                        "\n" + Stamp + "\nApplication ends.\n" +
                        "from SFML\n");
    EXPECT_TRUE(std::regex_match(text, expected)) << text;
}

TEST(Log, StreamsGetTheirBufferBack)
{
    testsupport::TempDataDir dir;
    std::streambuf* cerrBefore = std::cerr.rdbuf();
    {
        auto log = OpenLogFile();
        std::streambuf* saved = RedirectLog(*log);
        EXPECT_EQ(saved, cerrBefore);
        EXPECT_EQ(std::cerr.rdbuf(), log->rdbuf());
        EXPECT_EQ(sf::err().rdbuf(), log->rdbuf());
        RestoreLog(saved);
    }
    EXPECT_EQ(std::cerr.rdbuf(), cerrBefore);
    EXPECT_EQ(sf::err().rdbuf(), cerrBefore);
}

TEST(Log, MissingDataFolderDropsEntriesQuietly)
{
    testsupport::TempDataDir dir;
    dir.WriteFile("Data/placeholder", "");
    std::string path = dir.Path();
    ASSERT_EQ(std::system(("rm -rf '" + path + "/Data'").c_str()), 0);
    auto log = OpenLogFile();
    EXPECT_TRUE(log->fail());
    std::streambuf* saved = RedirectLog(*log);
    EXPECT_NO_THROW(Log("lost"));
    RestoreLog(saved);
    EXPECT_TRUE(std::cerr.good());
}

namespace {

// A file that takes at most `room` more bytes while it is full, and fails
// the write that goes beyond.
class FillingFile : public std::stringbuf {
public:
    bool full = false;
    std::streamsize room = 0;

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        if (!full)
            return std::stringbuf::xsputn(s, n);
        const std::streamsize taken = std::stringbuf::xsputn(s, std::min(n, room));
        room -= taken;
        return taken;
    }
};

}  // namespace

// Entries that the file does not take are lost, but the log goes on once it
// takes them again, and says how many it lost. The streams that write into
// it never fail for it.
TEST(Log, AfterEntriesAreLostTheLogGoesOnAndSaysHowMany)
{
    for (const std::streamsize room : {0, 5}) {
        SCOPED_TRACE(room == 0 ? "nothing taken" : "entries taken in part");
        FillingFile file;
        LogBuffer buffer(&file);
        std::ostream out(&buffer);
        out << "before" << std::endl;
        file.full = true;
        file.room = room;
        out << "lost one" << std::endl;
        out << "lost two" << std::endl;
        file.full = false;
        out << "after" << std::endl;
        out << "later" << std::endl;
        EXPECT_TRUE(out.good());
        const std::string torn = std::string("lost one\n").substr(0, static_cast<std::size_t>(room));
        EXPECT_TRUE(std::regex_match(file.str(), std::regex("before\n" + torn + "\n" + Stamp +
                                                            "\n2 entries of the log could not be written and are "
                                                            "lost\\.\nafter\nlater\n")))
            << file.str();
    }
}

// The same with the log file itself, on a full disk and past a file size
// limit: the entries from the start are lost, the first one written after
// the space is back says so.
TEST(Log, TheLogFileWritesAgainOnceItCan)
{
    using Kind = testsupport::WriteFault::Kind;
    for (const Kind kind : {Kind::FileSizeLimit, Kind::FullDisk}) {
        SCOPED_TRACE(kind == Kind::FullDisk ? "full disk" : "file size limit");
        testsupport::TempDataDir dir;
        testsupport::WriteFault fault(kind, dir.Path() + "/Data");
        if (!fault.Active()) {
            std::cout << "This case is left out here: " << fault.Refusal() << std::endl;
            continue;
        }
        auto log = OpenLogFile();
        std::streambuf* saved = RedirectLog(*log);
        Log("lost");
        fault.End();
        Log("back");
        EXPECT_TRUE(std::cerr.good());
        RestoreLog(saved);
        const std::string text = dir.ReadFile("Data/Log.txt");
        EXPECT_TRUE(std::regex_match(text, std::regex("\n" + Stamp +
                                                      "\n3 entries of the log could not be written and are lost\\.\n"
                                                      "\n" + Stamp + "\nback\n")))
            << text;
    }
}

TEST(Log, TimestampFieldsArePaddedButTheYearIsNot)
{
    auto at = [](int year, int month, int day, int hour, int minute, int second) {
        std::tm t{};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        t.tm_hour = hour;
        t.tm_min = minute;
        t.tm_sec = second;
        return MakeTimestamp(t);
    };
    EXPECT_EQ(at(2027, 1, 1, 0, 0, 0), "01.01.2027 00:00:00");   // midnight, first day of a year
    EXPECT_EQ(at(2026, 12, 7, 21, 5, 9), "07.12.2026 21:05:09");
    EXPECT_EQ(at(999, 3, 4, 5, 6, 7), "04.03.999 05:06:07");
    EXPECT_EQ(at(10000, 10, 31, 23, 59, 59), "31.10.10000 23:59:59");
}

TEST(Log, EntriesFromManyThreadsNeverTear)
{
    std::stringbuf target;
    LogBuffer buffer(&target);
    std::ostream out(&buffer);
    // Each thread writes its entries in pieces, as SFML does, ending with endl.
    const int threads = 8, entries = 200;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&out, t] {
            for (int i = 0; i < entries; ++i)
                out << "thread " << t << " entry " << i << " done" << std::endl;
        });
    for (auto& w : workers)
        w.join();

    std::istringstream lines(target.str());
    std::string line;
    std::vector<int> next(threads, 0);
    int count = 0;
    std::regex shape(R"(thread (\d) entry (\d+) done)");
    while (std::getline(lines, line)) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, shape)) << line;
        int t = std::stoi(m[1]);
        EXPECT_EQ(std::stoi(m[2]), next[t]++);   // in order within a thread
        ++count;
    }
    EXPECT_EQ(count, threads * entries);
}
