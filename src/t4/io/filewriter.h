#pragma once

#include "t4/io/formatter.h"

#include <fstream>
#include <string>

namespace t4 {

class token_container;

// Writes a sectioned text file: open (title), then per section
// write_subtitle followed by its write_data calls. The destructor closes the
// file. Lines that could not be read back are refused before anything of
// them is written.
class filewriter {
public:
    explicit filewriter(const formatter& format);
    ~filewriter();
    filewriter(const filewriter&) = delete;
    filewriter& operator=(const filewriter&) = delete;

    // Creates or truncates the file and writes the title line.
    void open(const std::string& fileName, const std::string& title);
    // Writes the empty line and the subtitle line of a new section.
    void write_subtitle(const std::string& subtitle);
    // Writes one data line. The tokens are moved out: the container is empty
    // afterwards. A refused line leaves the container as it was.
    void write_data(token_container& tokens);

    // Throws "(Output) No file currently opened" or "(Output) Format error"
    // when the stream is unusable.
    void check_error() const;

private:
    [[noreturn]] void general_error() const;
    void write_line(const std::string& line);

    std::ofstream file_;
    formatter format_;
    bool subtitleWritten_ = false;
};

}  // namespace t4
