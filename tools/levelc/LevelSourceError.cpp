#include "levelc/LevelSourceError.h"

namespace levelc {

LevelSourceError::LevelSourceError(const std::string& file, int line, const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + message)
{
}

}  // namespace levelc
