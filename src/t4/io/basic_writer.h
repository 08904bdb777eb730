#pragma once

#include "t4/io/formatter.h"

#include <ostream>
#include <string>

namespace t4 {

class token_container;

// What the file writer and the memory writer share: the title line, the
// sections and the data lines written into their stream. Lines that could
// not be read back are refused before anything of them is written.
class basic_writer {
public:
    virtual ~basic_writer();
    basic_writer(const basic_writer&) = delete;
    basic_writer& operator=(const basic_writer&) = delete;

    // Writes the empty line and the subtitle line of a new section.
    void write_subtitle(const std::string& subtitle);
    // Writes one data line. The tokens are moved out: the container is empty
    // afterwards. A refused line leaves the container as it was.
    void write_data(token_container& tokens);

    // Throws "(Output) No file currently opened" or "(Output) Format error"
    // when the stream is unusable.
    virtual void check_error() const = 0;

protected:
    explicit basic_writer(const formatter& format);

    virtual std::ostream& output() = 0;

    // Refuses a title that would not read back; call before opening.
    void check_title(const std::string& title) const;
    // Writes the title line into a freshly opened stream.
    void write_title(const std::string& title);

private:
    [[noreturn]] void general_error() const;
    void write_line(const std::string& line);

    formatter format_;
    bool subtitleWritten_ = false;
};

}  // namespace t4
