#pragma once

// Stand-in: the profiles and highscores. No files are read or written yet.

#include <cstdint>

class ProfileStore {
public:
    void LoadProfiles() {}

    std::uint16_t currentProfile = 0;
};
