#include "t4/io/basic_reader.h"

#include "t4/io/io_exception.h"
#include "t4/io/token_container.h"

namespace t4 {

namespace {

// Marked lines are split at a separator that cannot occur in a line of text,
// so that their whole inside is one token.
const std::string& NulSeparator()
{
    static const std::string nul(1, '\0');
    return nul;
}

}  // namespace

basic_reader::basic_reader(const formatter& format)
    : format_(format)
{
}

basic_reader::~basic_reader() = default;

void basic_reader::reset()
{
    title_.clear();
    subtitle_.clear();
    endReported_ = false;
}

bool basic_reader::read_line(std::string& line)
{
    std::getline(input(), line);
    if (input().fail())
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

std::string basic_reader::read_marked_line(std::size_t beginIndex, std::size_t endIndex)
{
    std::string line;
    if (!read_line(line))
        return line;  // the caller looks at the stream state
    if (input().eof())
        throw io_exception("Reached end-of-file too early -- is there a newline at the end?");
    token_container tokens(line, NulSeparator(), format_.get_property(beginIndex),
                           format_.get_property(endIndex));
    return *tokens.begin();
}

void basic_reader::read_head(const std::string& openFailure)
{
    std::string line;
    std::string title = read_marked_line(formatter::title_begin, formatter::title_end);
    if (input().fail())
        throw io_exception(openFailure);
    title_ = title;
    next_line(line);
    // A file that ends here has not yet told its caller so.
    endReported_ = false;
}

basic_reader::line_kind basic_reader::next_line_checked(std::string& line)
{
    if (input().eof()) {
        // A last data line without a line end leaves the stream at its end:
        // report the end of the data once before refusing to read on.
        if (endReported_)
            throw io_exception("Read past end-of-file");
        endReported_ = true;
        return line_kind::ended;
    }
    if (!read_line(line))
        return line_kind::ended;
    if (line.empty() || line.front() == '\r') {
        std::string subtitle = read_marked_line(formatter::subtitle_begin, formatter::subtitle_end);
        if (input().fail())
            return line_kind::ended;
        subtitle_ = subtitle;
        return line_kind::section;
    }
    if (subtitle_.empty())
        throw io_exception("Subtitle must precede other data");
    return line_kind::data;
}

basic_reader::line_kind basic_reader::next_line(std::string& line)
{
    check_error();
    line_kind kind;
    try {
        kind = next_line_checked(line);
    } catch (const io_exception& e) {
        throw io_exception(make_prefix(direction_input) + e.what());
    }
    if (kind == line_kind::ended && input().fail()) {
        // No further line: at the end of the stream that is the end of the
        // data, anything else is a broken stream.
        if (!input().eof())
            general_error();
        input().clear(std::ios::eofbit);
        endReported_ = true;
    }
    return kind;
}

bool basic_reader::read_data(token_container& tokens)
{
    try {
        std::string line;
        if (next_line(line) != line_kind::data)
            return false;
        token_container lineTokens(line, format_.get_property(formatter::separator),
                                   format_.get_property(formatter::data_begin),
                                   format_.get_property(formatter::data_end));
        tokens = std::move(lineTokens);
        return true;
    } catch (const io_exception& e) {
        throw io_exception(make_prefix(direction_input) + e.what());
    }
}

void basic_reader::general_error() const
{
    check_error();
    throw io_exception(make_prefix(direction_input) + "General error");
}

}  // namespace t4
