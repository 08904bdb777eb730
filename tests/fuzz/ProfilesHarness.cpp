// The profile file, "Data/Profiles.txt": the input as it is and with its
// checksum made to match. A damaged file is set aside whole and replaced by
// an empty one; profiles that load save and load back unchanged, also after
// the game's own changes (a level advanced, a profile added).
#include "StoreFileCheck.h"

#include "t4/io/ChecksumChain.h"

#include <algorithm>
#include <string>

namespace {

using namespace fuzz;

bool SameProfile(const Profile& a, const Profile& b)
{
    return a.name == b.name && a.savedGame == b.savedGame && a.world == b.world && a.level == b.level &&
           a.furthestWorld == b.furthestWorld && a.furthestLevel == b.furthestLevel &&
           a.equipment == b.equipment && a.stats.lives == b.stats.lives && a.stats.hearts == b.stats.hearts &&
           a.stats.coins == b.stats.coins && a.stats.totalCoins == b.stats.totalCoins &&
           a.stats.ammunition == b.stats.ammunition;
}

const fuzz::StoreFile ProfilesFile{
    ProfileStore::ProfilesFileName, ProfileStore::ProfilesErrorFileName, "profiles",
    [](ProfileStore& store) { store.LoadProfiles(); }, [](ProfileStore& store) { store.SaveProfiles(); },
    [](const ProfileStore& a, const ProfileStore& b) {
        return std::equal(a.profiles.begin(), a.profiles.end(), b.profiles.begin(), b.profiles.end(), SameProfile);
    }};

}  // namespace

std::string fuzz::RunOne(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ProfileStore store;
    const std::string outcome = LoadStoreFile(ProfilesFile, bytes, store);

    ProfileStore sealed;
    if (LoadStoreFile(ProfilesFile, SealChecksum(bytes, ProfileChecksumSeed, true), sealed) == "loaded") {
        // What the game does with loaded profiles.
        for (std::size_t i = 0; i < sealed.profiles.size() && i < 8; ++i) {
            sealed.currentProfile = static_cast<std::uint16_t>(i);
            sealed.AdvanceLevel();
        }
        CheckSavedAlike(ProfilesFile, sealed);
        LogCapture log;
        sealed.AddProfile("Fuzz");
        FUZZ_CHECK(log.Text().empty(), "adding a profile failed: " + log.Text());
        CheckSavedAlike(ProfilesFile, sealed);
    }
    return outcome;
}
