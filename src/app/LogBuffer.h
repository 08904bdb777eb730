#pragma once

#include <mutex>
#include <streambuf>
#include <string>

// The stream buffer behind the log. std::cerr and sf::err() both write into
// it, and SFML writes to sf::err() from its own threads: each thread's text
// is gathered on its own and handed to the file whole at every flush, under a
// lock, so entries from different threads never tear into each other.
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
    std::string& Pending();
    int Flush(std::string& text);

    std::streambuf* target_;
    std::mutex mutex_;
    unsigned long id_;
};
