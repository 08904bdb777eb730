#include "app/ArchivePasswords.h"

const std::string ResourceArchivePassword = "Hollow gate opens 7";
const std::string LevelArchivePassword = "Stage 4-7";
