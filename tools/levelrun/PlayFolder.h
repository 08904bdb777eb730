#pragma once

#include <filesystem>
#include <vector>

namespace replay {

// A fresh temporary folder holding copies of the given archives in Data/,
// the working directory while it lives (the game opens every file relative
// to it). The previous working directory is restored and the folder removed
// when it goes.
class PlayFolder {
public:
    explicit PlayFolder(const std::vector<std::filesystem::path>& archives);
    ~PlayFolder();
    PlayFolder(const PlayFolder&) = delete;
    PlayFolder& operator=(const PlayFolder&) = delete;

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace replay
