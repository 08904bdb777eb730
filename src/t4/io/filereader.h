#pragma once

#include "t4/io/basic_reader.h"
#include "t4/io/formatter.h"

#include <cstddef>
#include <sstream>
#include <string>

namespace t4 {

// Reads a sectioned text file from disk: after open the title and the first
// subtitle are known, and read_data walks the data lines section by section.
// The file is taken in whole when it is opened, and only a regular file of
// at most size_limit bytes is taken at all: anything else (a folder, a
// device, a pipe, a file of any size) is refused at once, unread.
class filereader : public basic_reader {
public:
    // Far larger than any file of this format that the game writes.
    static constexpr std::size_t size_limit = 64 * 1024;

    explicit filereader(const formatter& format);
    // Opens the file at once.
    filereader(const std::string& fileName, const formatter& format);
    ~filereader() override;

    // Opens the file (forgetting one that is open) and reads its title line
    // and first subtitle. Throws, each message starting "(Input) ":
    // "Can't open file \"<name>\" (<reason>)" when it cannot be opened (it
    // is missing, say), "File \"<name>\" is <kind>, not a regular file",
    // "File \"<name>\" is larger than <size_limit> bytes", "File \"<name>\"
    // is empty", or "Can't read file \"<name>\" (<reason>)".
    void open(const std::string& fileName);

    void check_error() const override;

protected:
    std::istream& input() override { return text_; }

private:
    std::istringstream text_;
    bool opened_ = false;
};

}  // namespace t4
