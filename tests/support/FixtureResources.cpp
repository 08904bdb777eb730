#include "support/FixtureResources.h"

#include "support/FixtureArchives.h"

#include "app/ArchivePasswords.h"
#include "app/ResourceFile.h"
#include "foxpack/ArchiveWriter.h"

namespace testsupport {

FixtureResources::FixtureResources(const std::set<std::string>& missingSounds,
                                   const std::map<std::string, std::string>& soundFiles)
{
    foxpack::ArchiveWriter graphics(ResourceArchivePassword);
    graphics.Add(FontFile(FontMain).path, MakeFont());
    for (std::uint32_t id : {TexturePlayer, TextureObject, TextureItem, TextureMenu})
        graphics.Add(TextureFile(id).path, MakePng(64, 64));
    graphics.WriteFile(dir.DataPath("Resources2.vrk"));

    foxpack::ArchiveWriter music(ResourceArchivePassword);
    std::string track = MakeOgg();
    for (std::uint32_t id = 0; id < MusicCount; ++id)
        music.Add(MusicFile(id).path, track);
    music.WriteFile(dir.DataPath("Resources1.vrk"));

    foxpack::ArchiveWriter sounds(ResourceArchivePassword);
    std::string sound = MakeWav();
    for (std::uint32_t id = 0; id < SoundCount; ++id) {
        std::string path = id < PooledSoundCount ? SoundFile(id).path : SingleSoundFile(id).path;
        auto given = soundFiles.find(path);
        if (given != soundFiles.end())
            sounds.Add(path, given->second);
        else if (!missingSounds.count(path))
            sounds.Add(path, sound);
    }
    sounds.WriteFile(dir.DataPath("Resources3.vrk"));
}

}  // namespace testsupport
