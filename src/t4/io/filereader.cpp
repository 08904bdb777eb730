#include "t4/io/filereader.h"

#include "t4/io/io_exception.h"

namespace t4 {

filereader::filereader(const formatter& format)
    : basic_reader(format)
{
}

filereader::filereader(const std::string& fileName, const formatter& format)
    : basic_reader(format)
{
    open(fileName);
}

filereader::~filereader()
{
    try {
        if (file_.is_open())
            file_.close();
    } catch (...) {
        // Closing must never end the program.
    }
}

void filereader::open(const std::string& fileName)
{
    file_.clear();
    if (file_.is_open())
        file_.close();
    file_.clear();
    reset();
    const std::string openFailure = make_prefix(direction_input) + "Can't open file \"" + fileName + "\"";
    file_.open(fileName, std::ios::in);
    if (!file_.is_open() || file_.fail())
        throw io_exception(openFailure);
    read_head(openFailure);
}

void filereader::check_error() const
{
    if (!file_.is_open())
        throw io_exception(make_prefix(direction_input) + "No file currently opened");
    if (file_.fail() || file_.bad())
        throw io_exception(make_prefix(direction_input) + "Format error");
}

}  // namespace t4
