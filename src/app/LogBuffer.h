#pragma once

#include <cstddef>
#include <map>
#include <mutex>
#include <streambuf>
#include <string>
#include <thread>

// The stream buffer behind the log. std::cerr and sf::err() both write into
// it, and SFML writes to sf::err() from its own threads: each thread's text
// is gathered on its own and handed to the file whole at every flush, so
// entries from different threads never tear into each other. An entry that
// the file does not take (the disk is full) is counted, never reported to
// the streams, which would stop writing for good: once the file takes text
// again, an entry first says how many were lost.
class LogBuffer : public std::streambuf {
public:
    explicit LogBuffer(std::streambuf* target);
    ~LogBuffer() override;
    LogBuffer(const LogBuffer&) = delete;
    LogBuffer& operator=(const LogBuffer&) = delete;

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    // Adds text to the calling thread's pending text; flushes it when asked
    // or when it grows large. Both under the lock.
    void Append(const char* s, std::size_t n, bool flush);
    // Hands one entry to the file; counts it as lost when it is not taken
    // whole.
    void Write(const std::string& text);
    bool WriteOut(const std::string& text);

    std::streambuf* target_;
    std::mutex mutex_;
    std::map<std::thread::id, std::string> pending_;
    // Entries that the file did not take since the last one it took.
    std::size_t lost_ = 0;
};
