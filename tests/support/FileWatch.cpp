#include "support/FileWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>

namespace testsupport {

FileWatch::FileWatch(const std::string& path) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    if (fd_ >= 0)
        watch_ = inotify_add_watch(fd_, path.c_str(), IN_CLOSE_NOWRITE);
}

FileWatch::~FileWatch()
{
    if (fd_ >= 0)
        close(fd_);
}

int FileWatch::Reads()
{
    if (watch_ < 0)
        return reads_;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = read(fd_, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t at = 0; at < length;) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            if (event.mask & IN_CLOSE_NOWRITE)
                ++reads_;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
        }
    }
    return reads_;
}

}  // namespace testsupport
