#pragma once

#include "app/Highscore.h"
#include "app/KeyBinding.h"
#include "app/Profile.h"
#include "app/SaveFailureNotice.h"
#include "t4/io/ChecksumChain.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace t4 {
class filereader;
class token_container;
}

// The number of levels in worlds 1, 2 and 3.
inline constexpr std::array<std::uint16_t, 3> LevelsPerWorld = {4, 4, 4};

// The player profiles (at most five), the profile in play and the highscore
// table (at most eight entries), with their checksummed files
// "Data/Profiles.txt" and "Data/Highscore.txt". A damaged or missing file is
// set aside under its "_error" name and replaced by an empty one; the screens
// never see the error. Files are replaced whole: a save writes a temporary
// file beside the target and renames it over the target.
class ProfileStore {
public:
    static constexpr const char* ProfilesFileName = "Data/Profiles.txt";
    static constexpr const char* ProfilesErrorFileName = "Data/Profiles_error.txt";
    static constexpr const char* HighscoresFileName = "Data/Highscore.txt";
    static constexpr const char* HighscoresErrorFileName = "Data/Highscore_error.txt";
    static constexpr std::size_t MaxProfiles = 5;
    static constexpr std::size_t MaxHighscores = 8;

    // Whole-file loads and saves. A failed load resets the file; a failed
    // save is logged and leaves both the file on disk and the store as they
    // were. A damaged file that could not be set aside is never saved over.
    void LoadProfiles();
    void SaveProfiles();
    void LoadHighscores();
    void SaveHighscores();

    // Appends a new profile at world 1 level 1 and saves, unless five
    // profiles exist, the name is taken (byte-wise) or the name could not be
    // stored in the file (it holds "; " or a line break).
    void AddProfile(const std::string& name);
    // Enters the current profile's name with its total coins as the score,
    // keeping the eight best, and saves the table.
    void AddHighscore();
    // Moves the current profile to its next level; does not save.
    void AdvanceLevel();
    // Whether the option screen offers the key binding of the action: the
    // weapon and jetpack keys only once some profile owns that extra.
    bool IsActionAvailable(KeyAction action) const;

    // Reads the checksum line and tells whether the stored value matches the
    // computed one (a stored 0 also passes while nothing has been chained).
    bool CheckChecksum(t4::filereader& reader, std::uint32_t computed);
    void ResetProfilesAfterError(const std::string& reason);
    void ResetHighscoresAfterError(const std::string& reason);

    // The profile at currentProfile; null when the index points past the
    // profiles.
    Profile* GetCurrentProfile();
    const Profile* GetCurrentProfile() const;

    std::multiset<Highscore> highscores;
    std::vector<Profile> profiles;
    std::uint16_t currentProfile = 0;
    // The first value of the checksum chain of both files.
    std::uint32_t seed = ProfileChecksumSeed;
    // Failed saves of either file, for the player to be told.
    SaveFailureNotice saveFailures;

private:
    // Reads one of the two files, handing every data line of its first
    // section to takeLine. Returns why the file is damaged, or "" when it was
    // read whole and its checksum matches.
    std::string ReadDataFile(const std::string& fileName, const std::string& section,
                             const std::string& checksumFailure,
                             const std::function<void(t4::token_container&)>& takeLine);
    // Write the file from the store; false with the reason when it failed.
    bool WriteProfiles(std::string& error) const;
    bool WriteHighscores(std::string& error) const;

    // The file on disk is damaged and could not be set aside: it is the only
    // copy of what it holds, and no save may write over it until a load
    // finds it whole again or sets it aside after all.
    bool profilesKeptDamaged_ = false;
    bool highscoresKeptDamaged_ = false;
};
