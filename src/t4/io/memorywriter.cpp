#include "t4/io/memorywriter.h"

#include "t4/io/io_exception.h"

namespace t4 {

memorywriter::memorywriter(const formatter& format)
    : basic_writer(format)
{
}

memorywriter::~memorywriter() = default;

void memorywriter::open(const std::string& title)
{
    check_title(title);
    stream_.str(std::string());
    stream_.clear();
    opened_ = true;
    write_title(title);
}

void memorywriter::check_error() const
{
    if (!opened_)
        throw io_exception(make_prefix(direction_output) + "No file currently opened");
    if (stream_.fail() || stream_.bad())
        throw io_exception(make_prefix(direction_output) + "Format error");
}

}  // namespace t4
