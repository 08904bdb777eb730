#pragma once

#include "t4/io/formatter.h"

#include <istream>
#include <string>

namespace t4 {

class token_container;

// What the file reader and the memory reader share: the title, the current
// subtitle and the walk through the lines of their stream. One CR at the end
// of a line is dropped, so LF and CR LF line ends read alike.
class basic_reader {
public:
    virtual ~basic_reader();
    basic_reader(const basic_reader&) = delete;
    basic_reader& operator=(const basic_reader&) = delete;

    // True with the tokens of the next data line of the current section;
    // false (tokens unchanged) when the section has no more lines: either
    // the next section has begun, whose subtitle is now current, or the data
    // has ended. Reading again after the end throws.
    bool read_data(token_container& tokens);
    // Whether the data has ended and read_data has said so: after a false
    // from read_data, true means the end of the data and false a new section.
    bool at_end() const { return endReported_; }

    const std::string& get_title() const { return title_; }
    // The subtitle of the current section; empty until one has been read.
    const std::string& get_subtitle() const { return subtitle_; }

    // Throws "(Input) No file currently opened" or "(Input) Format error"
    // when the stream is unusable.
    virtual void check_error() const = 0;

protected:
    explicit basic_reader(const formatter& format);

    virtual std::istream& input() = 0;

    // Forgets the title, the subtitle and the end of the data.
    void reset();
    // Reads the title line and the first subtitle from a freshly opened
    // stream. A stream that yields no title line throws openFailure.
    void read_head(const std::string& openFailure);

private:
    enum class line_kind { data, section, ended };

    line_kind next_line(std::string& line);
    line_kind next_line_checked(std::string& line);
    bool read_line(std::string& line);
    std::string read_marked_line(std::size_t beginIndex, std::size_t endIndex);
    [[noreturn]] void general_error() const;

    formatter format_;
    std::string title_;
    std::string subtitle_;
    bool endReported_ = false;
};

}  // namespace t4
