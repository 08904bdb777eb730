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

namespace {

std::string Filler(const std::string& folder)
{
    return folder + "/filler";
}

void Fill(const std::string& folder)
{
    const int file = open(Filler(folder).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (file < 0)
        throw std::runtime_error("the disk cannot be filled");
    const std::vector<char> block(4096, 'x');
    while (write(file, block.data(), block.size()) > 0) {
    }
    // Down to the last byte, should a block have gone in part.
    while (write(file, block.data(), 1) == 1) {
    }
    close(file);
}

}  // namespace

WriteFault::WriteFault(Kind kind, const std::string& folder) : kind_(kind), folder_(folder)
{
    if (kind == Kind::FileSizeLimit) {
        if (getrlimit(RLIMIT_FSIZE, &savedLimit_) != 0)
            throw std::runtime_error("no file size limit to read");
        // Past the limit the system sends SIGXFSZ, which would end the test.
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = savedLimit_;
        limit.rlim_cur = 0;
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            throw std::runtime_error("the file size limit cannot be set");
        active_ = true;
        return;
    }
    // Room for the files of a test and little more.
    if (mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0) {
        refusal_ = std::string("mount refused: ") + std::strerror(errno);
        return;
    }
    mounted_ = true;
    Fill(folder);
    active_ = true;
}

WriteFault::~WriteFault()
{
    End();
    if (mounted_)
        umount2(folder_.c_str(), MNT_DETACH);
}

void WriteFault::End()
{
    if (!active_)
        return;
    active_ = false;
    if (kind_ == Kind::FileSizeLimit) {
        setrlimit(RLIMIT_FSIZE, &savedLimit_);
        std::signal(SIGXFSZ, savedHandler_);
    } else {
        unlink(Filler(folder_).c_str());
    }
}

}  // namespace testsupport
