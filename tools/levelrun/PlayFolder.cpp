#include "levelrun/PlayFolder.h"

#include <stdexcept>
#include <string>

#include <stdlib.h>

namespace fs = std::filesystem;

namespace replay {

PlayFolder::PlayFolder(const std::vector<fs::path>& archives) : previous_(fs::current_path())
{
    std::string pattern = (fs::temp_directory_path() / "vrenk-play-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("Cannot make a temporary folder.");
    path_ = pattern;
    fs::create_directory(path_ / "Data");
    for (const fs::path& archive : archives)
        fs::copy_file(archive, path_ / "Data" / archive.filename());
    fs::current_path(path_);
}

PlayFolder::~PlayFolder()
{
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
}

}  // namespace replay
