#include "app/Log.h"

#include <SFML/System/Err.hpp>

#include <boost/filesystem.hpp>

#include <algorithm>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <sstream>

LogFile::LogFile(const std::string& path) : std::ostream(nullptr), buffer_(&file_)
{
    // Unbuffered: each entry goes to the file in one write, which either
    // takes it or fails, and a failed one leaves nothing behind to write
    // again later.
    file_.pubsetbuf(nullptr, 0);
    if (file_.open(path, std::ios::out | std::ios::trunc))
        rdbuf(&buffer_);
    else
        setstate(std::ios::failbit);
}

LogFile::~LogFile()
{
    if (rdbuf())
        flush();
}

std::string MakeTimestamp(const std::tm& time)
{
    std::ostringstream text;
    text << std::setfill('0') << std::setw(2) << time.tm_mday << '.' << std::setw(2) << time.tm_mon + 1 << '.'
         << std::setw(0) << time.tm_year + 1900 << ' ' << std::setw(2) << time.tm_hour << ':' << std::setw(2)
         << time.tm_min << ':' << std::setw(2) << time.tm_sec;
    return text.str();
}

std::string MakeTimestamp()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return MakeTimestamp(local);
}

namespace {

// Whether std::cerr currently writes into the log file.
bool redirected = false;

std::string Entry(const std::string& message)
{
    return "\n" + MakeTimestamp() + "\n" + message + "\n";
}

}  // namespace

void Log(const std::string& message)
{
    // One write per entry, so the entry reaches the file whole.
    std::cerr << Entry(message) << std::flush;
}

std::string MissingDataFolder()
{
    boost::system::error_code error;
    if (boost::filesystem::is_directory("Data", error))
        return std::string();
    return "No folder \"Data\" in " + boost::filesystem::current_path(error).string() +
           ": the game's data and its log belong there";
}

std::unique_ptr<LogFile> OpenLogFile()
{
    auto log = std::make_unique<LogFile>("Data/Log.txt");
    // Without the folder the game cannot start, and says so once it ends.
    if (log->fail() && MissingDataFolder().empty())
        WriteToTerminal("Vrenk II cannot write its log \"Data/Log.txt\".");
    return log;
}

std::streambuf* RedirectLog(std::ostream& log)
{
    std::streambuf* saved = std::cerr.rdbuf(log.rdbuf());
    std::cerr << ("\n" + std::string(49, '-') + "\n") << std::flush;
    Log("Application starts.");
    sf::err().rdbuf(log.rdbuf());
    redirected = true;
    return saved;
}

void RestoreLog(std::streambuf* saved)
{
    std::cerr.rdbuf(saved);
    sf::err().rdbuf(saved);
    redirected = false;
}

void WriteToTerminal(const std::string& line)
{
    std::string text = line;
    std::replace(text.begin(), text.end(), '\n', ' ');
    text += '\n';
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
}

void LogFromMain(const std::string& message)
{
    if (redirected) {
        Log(message);
        return;
    }
    std::ofstream file("Data/Log.txt", std::ios::out | std::ios::app);
    file << Entry(message) << std::flush;
}
