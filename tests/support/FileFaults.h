#pragma once

#include <string>
#include <sys/resource.h>

namespace testsupport {

// Writes to files fail while the object lives, until End(), in one of two
// ways:
// - FileSizeLimit: files written by this process may not grow at all, and a
//   write fails with "File too large" (the folder is not used). Needs no
//   privileges.
// - FullDisk: a small memory file system is mounted over the folder and
//   filled up, and a write there fails with "No space left on device". Needs
//   the privilege to mount; where it is not given, Active() is false and
//   nothing changed.
class WriteFault {
public:
    enum class Kind { FileSizeLimit, FullDisk };

    WriteFault(Kind kind, const std::string& folder);
    ~WriteFault();
    WriteFault(const WriteFault&) = delete;
    WriteFault& operator=(const WriteFault&) = delete;

    bool Active() const { return active_; }
    // Why the fault could not be made.
    const std::string& Refusal() const { return refusal_; }
    // Writes work again: the limit is lifted, or the disk's space freed.
    void End();

private:
    Kind kind_;
    std::string folder_;
    bool active_ = false;
    bool mounted_ = false;
    std::string refusal_;
    rlimit savedLimit_{};
    void (*savedHandler_)(int) = nullptr;
};

}  // namespace testsupport
