#include "t4/io/memoryreader.h"

#include "t4/io/io_exception.h"

#include <string>

namespace t4 {

memoryreader::memoryreader(const formatter& format)
    : basic_reader(format)
{
}

memoryreader::~memoryreader() = default;

void memoryreader::open(const void* data, std::size_t size)
{
    const std::string openFailure = make_prefix(direction_input) + "memoryreader: Can't open file in memory";
    reset();
    if (data == nullptr)
        size = 0;
    stream_.str(size > 0 ? std::string(static_cast<const char*>(data), size) : std::string());
    stream_.clear();
    hasText_ = size > 0;
    read_head(openFailure);
}

void memoryreader::check_error() const
{
    check_stream(hasText_, stream_, direction_input);
}

}  // namespace t4
