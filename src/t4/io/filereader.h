#pragma once

#include "t4/io/basic_reader.h"
#include "t4/io/formatter.h"

#include <fstream>
#include <string>

namespace t4 {

// Reads a sectioned text file from disk: after open the title and the first
// subtitle are known, and read_data walks the data lines section by section.
class filereader : public basic_reader {
public:
    explicit filereader(const formatter& format);
    // Opens the file at once.
    filereader(const std::string& fileName, const formatter& format);
    ~filereader() override;

    // Opens the file (closing one that is open) and reads its title line and
    // first subtitle. Throws "(Input) Can't open file \"<name>\"" when the
    // file is missing, unreadable or empty.
    void open(const std::string& fileName);

    void check_error() const override;

protected:
    std::istream& input() override { return file_; }

private:
    std::ifstream file_;
};

}  // namespace t4
