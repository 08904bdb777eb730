#pragma once

#include "support/TempDataDir.h"

#include <map>
#include <set>
#include <string>

namespace testsupport {

// A working directory whose three resource archives hold small stand-ins
// for every sound and music track (the jingles a tenth of a second long),
// the font and a few textures, so that the audio manager and the resource
// manager can be built in tests.
// Sounds listed in `missingSounds` are left out; those in `soundFiles` hold
// the bytes given there.
struct FixtureResources {
    explicit FixtureResources(const std::set<std::string>& missingSounds = {},
                              const std::map<std::string, std::string>& soundFiles = {});
    TempDataDir dir;
};

}  // namespace testsupport
