#include "t4/io/tokenizer.h"

#include "t4/io/io_exception.h"
#include "t4/io/token_container.h"

namespace t4 {

void tokenizer::tokenize(const std::string& line, const std::string& separator,
                         const std::string& begin, const std::string& end,
                         token_container& tokens)
{
    if (line.size() < begin.size() + end.size() + 1)
        throw io_exception("tokenizer::tokenize - too few characters in string for begin/end of sequence");
    if (line.compare(0, begin.size(), begin) != 0 ||
        line.compare(line.size() - end.size(), end.size(), end) != 0)
        throw io_exception("tokenizer::tokenize - mismatch begin/end of sequence");
    if (separator.empty())
        throw io_exception("tokenizer::tokenize - empty separator is invalid");

    token_container result;
    const std::size_t insideEnd = line.size() - end.size();
    std::size_t pos = begin.size();
    for (;;) {
        const std::size_t found = line.find(separator, pos);
        if (found == std::string::npos || found >= insideEnd) {
            result << (pos < insideEnd ? line.substr(pos, insideEnd - pos) : std::string());
            break;
        }
        result << line.substr(pos, found - pos);
        pos = found + separator.size();
    }
    tokens = std::move(result);
}

std::string tokenizer::join(const token_container& tokens, const std::string& separator,
                            const std::string& begin, const std::string& end)
{
    std::string line = begin;
    for (const std::string& token : tokens) {
        line += token;
        line += separator;
    }
    if (!tokens.empty())
        line.erase(line.size() - separator.size());
    line += end;
    return line;
}

}  // namespace t4
