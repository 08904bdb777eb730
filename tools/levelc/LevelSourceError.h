#pragma once

#include <stdexcept>
#include <string>

namespace levelc {

// A level source that cannot become a level file. The message names the
// source file and line: "forest.lvl:12: unknown tile id 99".
class LevelSourceError : public std::runtime_error {
public:
    LevelSourceError(const std::string& file, int line, const std::string& message);
};

}  // namespace levelc
