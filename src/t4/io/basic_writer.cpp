#include "t4/io/basic_writer.h"

#include "t4/io/io_exception.h"
#include "t4/io/token_container.h"
#include "t4/io/tokenizer.h"

#include <algorithm>

namespace t4 {

namespace {

const std::string& Prefix()
{
    return make_prefix(direction_output);
}

bool HasLineBreak(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

// True when a reader gets exactly these tokens back from the line.
bool ReadsBack(const std::string& line, const std::string& separator, const std::string& begin,
               const std::string& end, const token_container& expected)
{
    try {
        token_container back(line, separator, begin, end);
        return back.size() == expected.size() &&
               std::equal(back.begin(), back.end(), expected.begin());
    } catch (const io_exception&) {
        return false;
    }
}

// Refuses a title or subtitle whose marked line would not read back as it is.
void CheckMarkedLine(const std::string& what, const std::string& text, const std::string& begin,
                     const std::string& end)
{
    const std::string line = begin + text + end;
    if (HasLineBreak(line))
        throw io_exception(Prefix() + what + " must not contain a line break");
    token_container expected;
    expected << text;
    if (!ReadsBack(line, std::string(1, '\0'), begin, end, expected))
        throw io_exception(Prefix() + what + " would not read back");
}

}  // namespace

basic_writer::basic_writer(const formatter& format)
    : format_(format)
{
}

basic_writer::~basic_writer() = default;

void basic_writer::check_title(const std::string& title) const
{
    if (title.empty())
        throw io_exception(Prefix() + "Title must not be empty");
    CheckMarkedLine("Title", title, format_.get_property(formatter::title_begin),
                    format_.get_property(formatter::title_end));
}

void basic_writer::write_title(const std::string& title)
{
    subtitleWritten_ = false;
    write_line(format_.get_property(formatter::title_begin) + title +
               format_.get_property(formatter::title_end));
}

void basic_writer::write_subtitle(const std::string& subtitle)
{
    if (subtitle.empty())
        throw io_exception(Prefix() + "Subtitle must not be empty");
    CheckMarkedLine("Subtitle", subtitle, format_.get_property(formatter::subtitle_begin),
                    format_.get_property(formatter::subtitle_end));
    check_error();

    write_line(std::string());
    write_line(format_.get_property(formatter::subtitle_begin) + subtitle +
               format_.get_property(formatter::subtitle_end));
    subtitleWritten_ = true;
}

void basic_writer::write_data(token_container& tokens)
{
    check_error();
    if (!subtitleWritten_)
        throw io_exception("Subtitle must be set before writing data");

    const std::string& separator = format_.get_property(formatter::separator);
    const std::string& begin = format_.get_property(formatter::data_begin);
    const std::string& end = format_.get_property(formatter::data_end);
    if (tokens.empty())
        throw io_exception(Prefix() + "Data line must hold at least one token");
    if (tokens.size() == 1 && tokens.begin()->empty())
        throw io_exception(Prefix() + "Data line must not be a single empty token");
    for (const std::string& token : tokens) {
        if (HasLineBreak(token))
            throw io_exception(Prefix() + "Token must not contain a line break");
        if (token.find(separator) != std::string::npos)
            throw io_exception(Prefix() + "Token must not contain the separator \"" + separator + "\"");
    }
    const std::string line = tokenizer::join(tokens, separator, begin, end);
    if (HasLineBreak(line) || !ReadsBack(line, separator, begin, end, tokens))
        throw io_exception(Prefix() + "Data line would not read back");

    tokens.clear();
    write_line(line);
}

void basic_writer::write_line(const std::string& line)
{
    output() << line << std::endl;
    if (output().fail() || output().bad())
        general_error();
}

void basic_writer::general_error() const
{
    check_error();
    throw io_exception(Prefix() + "General error");
}

}  // namespace t4
