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
    check_stream(opened_, stream_, direction_output);
}

}  // namespace t4
