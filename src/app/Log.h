#pragma once

#include "app/LogBuffer.h"

#include <ctime>
#include <fstream>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

// The log file "Data/Log.txt", rewritten at every start. It is an ostream
// whose buffer is a LogBuffer over the file, so that it can be shared by
// std::cerr and sf::err() across threads. A file that cannot be opened leaves
// the stream failed: entries are then dropped.
class LogFile : public std::ostream {
public:
    explicit LogFile(const std::string& path);
    ~LogFile() override;

private:
    std::filebuf file_;
    LogBuffer buffer_;
};

// Writes one entry: an empty line, the time stamp, a new line, the message and
// a new line, flushed at once. Never throws; a failed stream drops the entry.
// An entry that the file does not take (a full disk) is lost, and the first
// entry it takes again is preceded by one saying how many were lost.
void Log(const std::string& message);

// The local time as day.month.year hour:minute:second, every field but the
// year two digits wide with leading zeros.
std::string MakeTimestamp();
std::string MakeTimestamp(const std::tm& time);

// Why the game cannot start in this working directory for want of its
// "Data" folder, naming the directory; "" when the folder is there.
std::string MissingDataFolder();

// Opens "Data/Log.txt" for writing, truncating it. When it cannot be opened
// although the "Data" folder is there, the terminal is told.
std::unique_ptr<LogFile> OpenLogFile();

// Points std::cerr at the log, writes the opening lines and the entry
// "Application starts.", points sf::err() at the log too, and returns the
// buffer std::cerr had before.
std::streambuf* RedirectLog(std::ostream& log);

// Gives std::cerr and sf::err() the buffer back.
void RestoreLog(std::streambuf* saved);

// Writes one line (line breaks within become spaces) to the process's own
// standard error, which std::cerr does not reach while it writes the log.
void WriteToTerminal(const std::string& line);

// An entry written by main after the application is gone or could not be
// made: it goes to the log while the log is open, and is appended to
// "Data/Log.txt" otherwise, so that the reason the game ended is kept.
void LogFromMain(const std::string& message);
