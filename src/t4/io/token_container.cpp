#include "t4/io/token_container.h"

#include "t4/io/io_exception.h"
#include "t4/io/tokenizer.h"

#include <cstdint>
#include <limits>
#include <locale>
#include <sstream>

namespace t4 {

namespace {

const char* const WriteError = "token_container::operator>> - error writing token";
const char* const NoElements = "token_container::operator>> - no elements in object";
const char* const ParseError = "token_container::operator>> - parse error";

constexpr long Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr long Int32Max = std::numeric_limits<std::int32_t>::max();

// A "C" locale stream over the token, ready to parse from its start. Making
// and imbuing a new stream costs far more than parsing a short number, and a
// level has thousands of them: each thread keeps one and only resets it.
std::istringstream& ClassicInput(const std::string& token)
{
    thread_local std::istringstream in = [] {
        std::istringstream stream;
        stream.imbue(std::locale::classic());
        return stream;
    }();
    in.str(token);
    in.clear();
    return in;
}

}  // namespace

token_container::token_container(const std::string& line, const std::string& separator,
                                 const std::string& begin, const std::string& end)
{
    tokenizer::tokenize(line, separator, begin, end, *this);
}

token_container& token_container::operator<<(const std::string& token)
{
    tokens_.push_back(token);
    return *this;
}

token_container& token_container::operator<<(const char* token)
{
    return *this << std::string(token ? token : "");
}

template <typename T>
token_container& token_container::write_value(T value)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    if (out.fail() || out.bad())
        throw io_exception(WriteError);
    tokens_.push_back(out.str());
    return *this;
}

token_container& token_container::operator<<(unsigned int value) { return write_value(value); }
token_container& token_container::operator<<(int value) { return write_value(value); }
token_container& token_container::operator<<(bool value) { return write_value(value); }
token_container& token_container::operator<<(short value) { return write_value(value); }
token_container& token_container::operator<<(unsigned short value) { return write_value(value); }

token_container& token_container::operator<<(long value)
{
    if (value < Int32Min || value > Int32Max)
        throw io_exception(WriteError);
    return write_value(value);
}

token_container& token_container::operator>>(std::string& token)
{
    if (tokens_.empty())
        throw io_exception("Kein Token zum Lesen.");
    token = std::move(tokens_.front());
    tokens_.pop_front();
    return *this;
}

template <typename T>
token_container& token_container::read_value(T& value)
{
    if (tokens_.empty())
        throw io_exception(NoElements);
    std::istringstream& in = ClassicInput(tokens_.front());
    in >> value;
    if (in.fail() || in.bad())
        throw io_exception(ParseError);
    tokens_.pop_front();
    return *this;
}

token_container& token_container::operator>>(unsigned int& value) { return read_value(value); }
token_container& token_container::operator>>(int& value) { return read_value(value); }
token_container& token_container::operator>>(bool& value) { return read_value(value); }
token_container& token_container::operator>>(short& value) { return read_value(value); }
token_container& token_container::operator>>(unsigned short& value) { return read_value(value); }
token_container& token_container::operator>>(float& value) { return read_value(value); }

token_container& token_container::operator>>(long& value)
{
    // long is 32 bits in the files; it is wider on some platforms.
    if (tokens_.empty())
        throw io_exception(NoElements);
    std::istringstream& in = ClassicInput(tokens_.front());
    long wide = 0;
    in >> wide;
    bool failed = in.fail() || in.bad();
    if (wide < Int32Min) {
        wide = Int32Min;
        failed = true;
    } else if (wide > Int32Max) {
        wide = Int32Max;
        failed = true;
    }
    value = wide;
    if (failed)
        throw io_exception(ParseError);
    tokens_.pop_front();
    return *this;
}

}  // namespace t4
