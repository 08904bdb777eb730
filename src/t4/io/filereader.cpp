#include "t4/io/filereader.h"

#include "t4/io/io_exception.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace t4 {

namespace {

std::string SystemReason(int number)
{
    return " (" + std::system_category().message(number) + ")";
}

// What a file that is not a regular one is, for the message that refuses it.
const char* Kind(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISFIFO(mode))
        return "a pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    return "something else";
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// The whole content of a regular file of at most `limit` bytes. A pipe or a
// device is never read from: it is opened without waiting for a writer and
// refused at once.
std::string ReadBounded(const std::string& fileName, std::size_t limit)
{
    const std::string& prefix = make_prefix(direction_input);
    const std::string quoted = "\"" + fileName + "\"";
    const FileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0)
        throw io_exception(prefix + "Can't open file " + quoted + SystemReason(errno));
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        throw io_exception(prefix + "Can't read file " + quoted + SystemReason(errno));
    if (!S_ISREG(status.st_mode))
        throw io_exception(prefix + "File " + quoted + " is " + Kind(status.st_mode) + ", not a regular file");
    const std::string tooLarge = prefix + "File " + quoted + " is larger than " + std::to_string(limit) + " bytes";
    if (static_cast<unsigned long long>(status.st_size) > limit)
        throw io_exception(tooLarge);
    // The file may grow meanwhile: one byte more than the limit tells.
    std::string bytes(limit + 1, '\0');
    std::size_t size = 0;
    while (size < bytes.size()) {
        const ssize_t got = ::read(file.get(), &bytes[size], bytes.size() - size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw io_exception(prefix + "Can't read file " + quoted + SystemReason(errno));
        if (got == 0)
            break;
        size += static_cast<std::size_t>(got);
    }
    if (size > limit)
        throw io_exception(tooLarge);
    if (size == 0)
        throw io_exception(prefix + "File " + quoted + " is empty");
    bytes.resize(size);
    return bytes;
}

}  // namespace

filereader::filereader(const formatter& format)
    : basic_reader(format)
{
}

filereader::filereader(const std::string& fileName, const formatter& format)
    : basic_reader(format)
{
    open(fileName);
}

filereader::~filereader() = default;

void filereader::open(const std::string& fileName)
{
    opened_ = false;
    reset();
    text_.str(std::string());
    text_.clear();
    text_.str(ReadBounded(fileName, size_limit));
    opened_ = true;
    // The text is not empty, so it always yields a first line.
    read_head(make_prefix(direction_input) + "Can't open file \"" + fileName + "\"");
}

void filereader::check_error() const
{
    check_stream(opened_, text_, direction_input);
}

}  // namespace t4
