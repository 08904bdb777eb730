#pragma once

#include "app/Highscore.h"
#include "app/KeyBinding.h"
#include "app/Profile.h"
#include "app/SaveFailureNotice.h"
#include "app/UnsavedChanges.h"
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
// never see the error. A file set aside is never written over. Files are
// replaced whole: a save writes a temporary file beside the target and
// renames it over the target.
class ProfileStore {
public:
    static constexpr const char* ProfilesFileName = "Data/Profiles.txt";
    static constexpr const char* ProfilesErrorFileName = "Data/Profiles_error.txt";
    static constexpr const char* HighscoresFileName = "Data/Highscore.txt";
    static constexpr const char* HighscoresErrorFileName = "Data/Highscore_error.txt";
    static constexpr std::size_t MaxProfiles = 5;
    static constexpr std::size_t MaxHighscores = 8;
    // The longest name that a player can type for a profile; the profile
    // screen's name field holds no more.
    static constexpr std::size_t MaxNameLength = 15;
    // Damaged files are kept under their "_error" name, or when that is taken
    // under the first free one of "_error_2" to "_error_1000"; an earlier one
    // is never written over. With all of them taken the damaged file stays.
    static constexpr int SetAsideNameCount = 1000;

    // Whole-file loads and saves. A failed load resets the file; so does a
    // file that the game could never have written, though its checksum
    // matches: more profiles or highscores than the store keeps, or a name
    // longer than a player can type. A failed
    // save is logged, told to the player through saveFailures, and leaves
    // both the file on disk and the store as they were. Until a save of the
    // file succeeds, a load keeps what the failed save held rather than the
    // older file, and tries to write it again. A damaged file that could not
    // be set aside is never saved over: a save tries to set it aside first.
    void LoadProfiles();
    void SaveProfiles();
    void LoadHighscores();
    void SaveHighscores();

    // Appends a new profile at world 1 level 1 and saves, unless five
    // profiles exist, the name is taken (byte-wise), longer than
    // MaxNameLength, or could not be stored in the file (it holds "; " or a
    // line break).
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
    // The failed saves that the player is still to be told of.
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
    // Save the file from the store, telling the player when that fails;
    // false with the reason then.
    bool StoreProfiles(std::string& error);
    bool StoreHighscores(std::string& error);

    // The file on disk is damaged and could not be set aside: it is the only
    // copy of what it holds, and no save may write over it until a save or
    // a load sets it aside after all or a load finds it whole again.
    bool profilesKeptDamaged_ = false;
    bool highscoresKeptDamaged_ = false;
    // What the last save of the file held when it failed: the file on disk
    // is older than that, so loads take this instead until a save succeeds.
    UnsavedChanges<std::vector<Profile>> unsavedProfiles_{ProfilesFileName};
    UnsavedChanges<std::multiset<Highscore>> unsavedHighscores_{HighscoresFileName};
};
