#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace t4 {

// The tokens of one data line, front to back. Values are pushed at the back
// as text and taken from the front; numbers are written and parsed in the
// classic "C" manner whatever the global locale is.
class token_container {
public:
    using container_type = std::deque<std::string>;
    using const_iterator = container_type::const_iterator;

    token_container() = default;
    // The tokens of a marked line (see tokenizer::tokenize).
    token_container(const std::string& line, const std::string& separator,
                    const std::string& begin, const std::string& end);

    // Appends a token verbatim.
    token_container& operator<<(const std::string& token);
    // A string literal is a token too (and not a bool).
    token_container& operator<<(const char* token);
    // Appends the decimal text of a value; bool gives "0" or "1". A long
    // outside the 32-bit range is refused, since it would not read back.
    token_container& operator<<(unsigned int value);
    token_container& operator<<(int value);
    token_container& operator<<(bool value);
    token_container& operator<<(short value);
    token_container& operator<<(unsigned short value);
    token_container& operator<<(long value);
    // A char would be written as its code: push a std::string instead.
    token_container& operator<<(char value) = delete;

    // Moves the front token into the target ("Kein Token zum Lesen." when
    // there is none).
    token_container& operator>>(std::string& token);
    // Parses the front token with the stream rules of the type and removes
    // it. On a parse error the token stays at the front. A long must lie in
    // the 32-bit range.
    token_container& operator>>(unsigned int& value);
    token_container& operator>>(int& value);
    token_container& operator>>(bool& value);
    token_container& operator>>(short& value);
    token_container& operator>>(unsigned short& value);
    token_container& operator>>(long& value);
    token_container& operator>>(float& value);

    std::size_t size() const { return tokens_.size(); }
    bool empty() const { return tokens_.empty(); }
    void clear() { tokens_.clear(); }
    const_iterator begin() const { return tokens_.begin(); }
    const_iterator end() const { return tokens_.end(); }

private:
    template <typename T> token_container& write_value(T value);
    template <typename T> token_container& read_value(T& value);

    container_type tokens_;
};

}  // namespace t4
