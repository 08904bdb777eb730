#include "t4/io/filewriter.h"

#include "t4/io/io_exception.h"

namespace t4 {

filewriter::filewriter(const formatter& format)
    : basic_writer(format)
{
}

filewriter::~filewriter()
{
    try {
        if (file_.is_open())
            file_.close();
    } catch (...) {
        // Closing must never end the program.
    }
}

void filewriter::open(const std::string& fileName, const std::string& title)
{
    check_title(title);
    file_.clear();
    if (file_.is_open())
        file_.close();
    file_.clear();
    file_.open(fileName, std::ios::out | std::ios::trunc);
    if (!file_.is_open() || file_.fail())
        throw io_exception(make_prefix(direction_output) + "Can't open file \"" + fileName + "\"");
    write_title(title);
}

void filewriter::check_error() const
{
    check_stream(file_.is_open(), file_, direction_output);
}

}  // namespace t4
