#pragma once

#include <string>

namespace testsupport {

// Counts how often any process has finished reading a file (closed it after
// opening it for reading), from the moment the watch is made: a way to see
// that another process has loaded something without reading its output.
class FileWatch {
public:
    explicit FileWatch(const std::string& path);
    ~FileWatch();
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    bool Watching() const { return watch_ >= 0; }
    // The number of reads finished so far.
    int Reads();

private:
    int fd_ = -1;
    int watch_ = -1;
    int reads_ = 0;
};

}  // namespace testsupport
