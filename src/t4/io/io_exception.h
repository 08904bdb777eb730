#pragma once

#include <ios>
#include <stdexcept>
#include <string>

namespace t4 {

// The one failure of the sectioned text library. Messages raised by the
// readers start with "(Input) ", those of the writer with "(Output) ".
class io_exception : public std::runtime_error {
public:
    explicit io_exception(const std::string& message);
};

// Direction of a reader or writer message, as given to make_prefix.
constexpr int direction_input = 0;
constexpr int direction_output = 1;

// "(Input) " for direction 0, "(Output) " for direction 1.
const std::string& make_prefix(int direction);

// The check_error of every reader and writer: throws "No file currently
// opened" when nothing is open, "Format error" when the stream has failed,
// each after the direction's prefix.
void check_stream(bool opened, const std::ios& stream, int direction);

}  // namespace t4
