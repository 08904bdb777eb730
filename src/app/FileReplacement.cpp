#include "app/FileReplacement.h"

#include "t4/io/io_exception.h"

#include <cerrno>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A save is written here first and then renamed over the file.
const std::string TemporarySuffix = ".tmp";

// What failed, on which file, and why as the system put it.
std::string SystemFailure(const std::string& what, const std::string& fileName, int number)
{
    return t4::make_prefix(t4::direction_output) + "Can't " + what + " file \"" + fileName + "\" (" +
           std::system_category().message(number) + ")";
}

bool WriteAll(int file, const std::string& text)
{
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(file, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Creates the temporary file anew, never through what stands at its name:
// a file left by a save cut short, or a link to somewhere else, is removed
// first (a link itself, not what it points to). A folder stays, and the
// save fails. -1 with errno set when no file could be created.
int CreateAnew(const std::string& temporary)
{
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int file = ::open(temporary.c_str(), flags, 0666);
    if (file < 0 && errno == EEXIST) {
        if (::unlink(temporary.c_str()) != 0)
            return -1;
        file = ::open(temporary.c_str(), flags, 0666);
    }
    return file;
}

}  // namespace

bool ReplaceFileWhole(const std::string& fileName, const std::function<std::string()>& text, std::string& error)
{
    std::string content;
    try {
        content = text();
    } catch (const std::runtime_error& e) {
        error = e.what();
        return false;
    }

    const std::string temporary = fileName + TemporarySuffix;
    const int file = CreateAnew(temporary);
    if (file < 0) {
        error = SystemFailure("open", temporary, errno);
        return false;
    }
    // The first step that fails is the one told; the temporary file then
    // goes.
    const char* failed = nullptr;
    int number = 0;
    if (!WriteAll(file, content))
        failed = "write";
    else if (::fsync(file) != 0)
        failed = "flush";
    if (failed)
        number = errno;
    if (::close(file) != 0 && !failed) {
        failed = "close";
        number = errno;
    }
    if (failed) {
        error = SystemFailure(failed, temporary, number);
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), fileName.c_str()) != 0) {
        error = SystemFailure("replace", fileName, errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}
