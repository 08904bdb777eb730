#pragma once

#include "t4/io/basic_writer.h"
#include "t4/io/formatter.h"

#include <fstream>
#include <string>

namespace t4 {

// Writes a sectioned text file: open (title), then per section
// write_subtitle followed by its write_data calls. The destructor closes the
// file.
class filewriter : public basic_writer {
public:
    explicit filewriter(const formatter& format);
    ~filewriter() override;

    // Creates or truncates the file and writes the title line.
    void open(const std::string& fileName, const std::string& title);

    void check_error() const override;

protected:
    std::ostream& output() override { return file_; }

private:
    std::ofstream file_;
};

}  // namespace t4
