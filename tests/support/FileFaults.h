#pragma once

#include <string>
#include <sys/resource.h>

namespace testsupport {

// Files written by this process may not grow beyond `bytes` while the object
// lives: a write past the limit fails with "File too large", as a write to a
// full disk fails with "No space left on device". Needs no privileges.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // Lifts the limit before the object dies, as freed space would.
    void Lift();

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
    bool lifted_ = false;
};

// A full disk in place of a folder: a small memory file system mounted over
// it and filled up. Mounting needs the privilege to mount; where it is not
// given, Mounted() is false and nothing changed.
class FullDisk {
public:
    explicit FullDisk(const std::string& folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool Mounted() const { return mounted_; }
    // Why it could not be mounted.
    const std::string& Refusal() const { return refusal_; }
    // Frees the space that the filling took.
    void Free();

private:
    std::string folder_;
    std::string filler_;
    bool mounted_ = false;
    std::string refusal_;
};

}  // namespace testsupport
