#pragma once

#include <string>

// The password of the three resource archives.
extern const std::string ResourceArchivePassword;
// The password of the level archive.
extern const std::string LevelArchivePassword;
