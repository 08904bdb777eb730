#include "levelc/LevelVerifier.h"

#include "game/objects/Scenery.h"
#include "game/world/LevelCheck.h"
#include "game/world/LevelLoader.h"
#include "game/world/World.h"

#include "app/VrenkException.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace levelc {

namespace {

// A fresh directory holding Data/Levels.vrk that is the working directory
// while it lives, since the loader opens the archive by its relative path.
class ScratchDirectory {
public:
    explicit ScratchDirectory(const std::string& archive)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "levelc-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a scratch directory");
        path_ = pattern;
        std::filesystem::create_directories(path_ / "Data");
        std::ofstream out(path_ / "Data" / "Levels.vrk", std::ios::binary);
        out.write(archive.data(), static_cast<std::streamsize>(archive.size()));
        if (!out)
            throw std::runtime_error("cannot write the scratch archive");
        out.close();
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
    ~ScratchDirectory()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

}  // namespace

std::vector<std::string> VerifyPackedLevels(const std::string& archive, const std::vector<PackedLevel>& levels)
{
    std::vector<std::string> refusals;
    ScratchDirectory scratch(archive);
    for (const PackedLevel& packed : levels) {
        World world;
        std::vector<Scenery> foreground;
        std::vector<Scenery> background;
        short backgroundIndex = -1;
        try {
            LevelLoader loader(&world, &foreground, &background, &backgroundIndex);
            loader.Load(packed.world, packed.level);
            if (packed.world != 0)
                CheckLevel(world);
        } catch (const VrenkException& e) {
            refusals.push_back(packed.source + ": the game refuses the compiled level: " + e.GetMessage());
        }
    }
    return refusals;
}

}  // namespace levelc
