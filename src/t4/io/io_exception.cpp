#include "t4/io/io_exception.h"

namespace t4 {

io_exception::io_exception(const std::string& message)
    : std::runtime_error(message)
{
}

const std::string& make_prefix(int direction)
{
    static const std::string input = "(Input) ";
    static const std::string output = "(Output) ";
    switch (direction) {
    case direction_input:
        return input;
    case direction_output:
        return output;
    default:
        throw std::logic_error("make_prefix: impossible default");
    }
}

void check_stream(bool opened, const std::ios& stream, int direction)
{
    if (!opened)
        throw io_exception(make_prefix(direction) + "No file currently opened");
    if (stream.fail() || stream.bad())
        throw io_exception(make_prefix(direction) + "Format error");
}

}  // namespace t4
