#include "support/FileFaults.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace testsupport {

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    if (getrlimit(RLIMIT_FSIZE, &saved_) != 0)
        throw std::runtime_error("no file size limit to read");
    // Past the limit the system sends SIGXFSZ, which would end the test.
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        throw std::runtime_error("the file size limit cannot be set");
}

FileSizeLimit::~FileSizeLimit()
{
    Lift();
}

void FileSizeLimit::Lift()
{
    if (lifted_)
        return;
    lifted_ = true;
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
}

FullDisk::FullDisk(const std::string& folder) : folder_(folder), filler_(folder + "/filler")
{
    // Room for the files of a test and little more.
    if (mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0) {
        refusal_ = std::string("mount refused: ") + std::strerror(errno);
        return;
    }
    mounted_ = true;
    const int file = open(filler_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (file < 0)
        throw std::runtime_error("the disk cannot be filled");
    const std::vector<char> block(4096, 'x');
    for (;;) {
        const ssize_t written = write(file, block.data(), block.size());
        if (written <= 0)
            break;
    }
    // Down to the last byte: a block written in part leaves some free.
    while (write(file, block.data(), 1) == 1) {
    }
    close(file);
}

FullDisk::~FullDisk()
{
    if (mounted_)
        umount2(folder_.c_str(), MNT_DETACH);
}

void FullDisk::Free()
{
    unlink(filler_.c_str());
}

}  // namespace testsupport
