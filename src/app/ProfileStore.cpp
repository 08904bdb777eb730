#include "app/ProfileStore.h"

#include "app/FileReplacement.h"
#include "app/Log.h"
#include "t4/io/DataFileFormatter.h"
#include "t4/io/filereader.h"
#include "t4/io/io_exception.h"
#include "t4/io/memorywriter.h"
#include "t4/io/token_container.h"

#include <boost/filesystem.hpp>

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

namespace fs = boost::filesystem;

namespace {

const std::string ProfilesTitle = "Vrenk Profile File (Version 2.3.3)";
const std::string HighscoresTitle = "Vrenk Highscore File (Version 2.3.3)";
const std::string ProfilesSection = "Profiles";
const std::string HighscoresSection = "Highscore";
const std::string ChecksumSection = "Checksum";

// The files keep the 16-bit counters as signed shorts and the total coins as
// a signed 32-bit long. The conversions wrap both ways, so every value of the
// counters survives a save and a load.
short ToStoredShort(std::uint16_t value)
{
    return static_cast<short>(value > 32767 ? static_cast<int>(value) - 65536 : static_cast<int>(value));
}

std::uint16_t FromStoredShort(short value)
{
    return static_cast<std::uint16_t>(value);
}

long ToStoredLong(std::uint32_t value)
{
    const long long wide = value > 2147483647u ? static_cast<long long>(value) - 4294967296LL
                                               : static_cast<long long>(value);
    return static_cast<long>(wide);
}

std::uint32_t FromStoredLong(long value)
{
    return static_cast<std::uint32_t>(value);
}

t4::token_container ProfileLine(const Profile& profile)
{
    t4::token_container line;
    line << profile.name << profile.savedGame << profile.world << profile.level << profile.furthestWorld
         << profile.furthestLevel << ToStoredShort(profile.stats.lives) << ToStoredShort(profile.stats.coins)
         << ToStoredLong(profile.stats.totalCoins) << static_cast<unsigned int>(profile.equipment);
    for (std::uint16_t count : profile.stats.ammunition)
        line << ToStoredShort(count);
    return line;
}

// Reads the tokens of one profile line. The hearts and the power-up are not
// stored: a loaded profile has the default ones. Older lines may lack some
// ammunition counts, which then stay 0.
Profile ReadProfile(t4::token_container& line)
{
    Profile profile;
    short lives = 0;
    short coins = 0;
    long totalCoins = 0;
    unsigned int equipment = 0;
    line >> profile.name >> profile.savedGame >> profile.world >> profile.level >> profile.furthestWorld >>
        profile.furthestLevel >> lives >> coins >> totalCoins >> equipment;
    profile.stats.lives = FromStoredShort(lives);
    profile.stats.coins = FromStoredShort(coins);
    profile.stats.totalCoins = FromStoredLong(totalCoins);
    profile.equipment = equipment;
    for (std::uint16_t& count : profile.stats.ammunition) {
        if (line.empty())
            break;
        short stored = 0;
        line >> stored;
        count = FromStoredShort(stored);
    }
    return profile;
}

t4::token_container HighscoreLine(const Highscore& entry)
{
    t4::token_container line;
    line << entry.name << static_cast<long>(entry.score);
    return line;
}

Highscore ReadHighscore(t4::token_container& line)
{
    Highscore entry;
    long score = 0;
    line >> entry.name >> score;
    entry.score = static_cast<std::int32_t>(score);  // the token is in the 32-bit range
    return entry;
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// After the checksum line: true when the file ends there. Past its end the
// reader refuses to read on; anything else (a further line or section) is
// data that no checksum covers.
bool ReachedEnd(t4::filereader& reader)
{
    t4::token_container extra;
    if (reader.read_data(extra) || reader.get_subtitle() != ChecksumSection)
        return false;
    try {
        reader.read_data(extra);
    } catch (const t4::io_exception& e) {
        return EndsWith(e.what(), "Read past end-of-file");
    }
    return false;
}

// Writes the file whole (a temporary file renamed over it). The chain starts
// from 0 when there are no lines, so an empty file carries the checksum 0.
bool WriteDataFile(const std::string& fileName, const std::string& title, const std::string& section,
                   std::vector<t4::token_container>& lines, std::uint32_t seed, std::string& error)
{
    return ReplaceFileWhole(fileName, [&] {
        t4::memorywriter writer(MakeDataFileFormatter());
        writer.open(title);
        writer.write_subtitle(section);
        std::uint32_t chain = lines.empty() ? 0 : seed;
        for (t4::token_container& line : lines) {
            ChecksumChain(chain, line);
            writer.write_data(line);
        }
        writer.write_subtitle(ChecksumSection);
        t4::token_container checksum;
        checksum << static_cast<unsigned int>(chain);
        writer.write_data(checksum);
        writer.check_error();
        return writer.str();
    }, error);
}

// The names under which damaged files are kept, in the order they are
// taken: "Data/Profiles_error.txt", then "Data/Profiles_error_2.txt", "_3",
// and so on.
std::string SetAsideName(const std::string& errorFileName, int number)
{
    if (number == 1)
        return errorFileName;
    const std::size_t extension = errorFileName.rfind('.');
    return errorFileName.substr(0, extension) + "_" + std::to_string(number) + errorFileName.substr(extension);
}

bool IsTaken(const std::string& fileName)
{
    boost::system::error_code ec;
    return fs::symlink_status(fileName, ec).type() != fs::file_not_found;
}

// Keeps a damaged file under the first free one of its set-aside names, so
// that no file kept before is lost: moved there, or copied when it cannot be
// moved. Gives the name it is kept under, "" when there is no file to keep,
// and nothing when it could not be kept.
std::optional<std::string> SetAside(const std::string& fileName, const std::string& errorFileName)
{
    if (!IsTaken(fileName))
        return std::string();
    for (int number = 1; number <= ProfileStore::SetAsideNameCount; ++number) {
        const std::string name = SetAsideName(errorFileName, number);
        if (IsTaken(name))
            continue;
        boost::system::error_code ec;
        fs::rename(fileName, name, ec);
        if (ec) {
            ec.clear();
            fs::copy_file(fileName, name, fs::copy_options::none, ec);
        }
        if (ec)
            return std::nullopt;
        return name;
    }
    return std::nullopt;
}

// One of the two files: what the log calls its content, its name and the
// first name under which a damaged one is kept.
struct StoreFile {
    const char* what;
    const char* fileName;
    const char* errorFileName;
};

const StoreFile ProfilesStoreFile{"profiles", ProfileStore::ProfilesFileName, ProfileStore::ProfilesErrorFileName};
const StoreFile HighscoresStoreFile{"highscores", ProfileStore::HighscoresFileName,
                                    ProfileStore::HighscoresErrorFileName};

using FileWrite = std::function<bool(std::string& error)>;

// Sets the damaged file aside and writes an empty one in its place. The empty
// file is written only once the damaged one is safe. When it cannot be set
// aside, keptDamaged is set: it is then the only copy, and nothing may write
// over it.
void ResetDamagedFile(const StoreFile& file, const std::string& reason, bool& keptDamaged,
                      const FileWrite& writeEmpty)
{
    std::string entry = "Failed to load " + std::string(file.what) + ": " + reason + ".";
    const std::optional<std::string> kept = SetAside(file.fileName, file.errorFileName);
    keptDamaged = !kept;
    if (keptDamaged) {
        Log(entry + "\nThe file could not be moved to \"" + file.errorFileName + "\" and has been left as it is.");
        return;
    }
    if (!kept->empty() && *kept != file.errorFileName)
        entry += "\nThe damaged file has been kept as \"" + *kept + "\".";
    std::string error;
    if (writeEmpty(error))
        Log(entry + "\nEmpty file has been created.");
    else
        Log(entry + "\nNo empty file could be created: " + error + ".");
}

// Sets aside a damaged file that could not be set aside when it was found.
// True once it is kept, or when it is gone.
bool SetAsideAfterAll(const StoreFile& file)
{
    const std::optional<std::string> kept = SetAside(file.fileName, file.errorFileName);
    if (kept && !kept->empty())
        Log("The damaged file \"" + std::string(file.fileName) + "\" has been kept as \"" + *kept + "\".");
    return kept.has_value();
}

// Writes one of the two files. A damaged file that could not be set aside is
// set aside first; while it cannot be, nothing is written over it.
bool StoreDataFile(const StoreFile& file, bool& keptDamaged, const FileWrite& write, std::string& error)
{
    if (keptDamaged)
        keptDamaged = !SetAsideAfterAll(file);
    if (!keptDamaged)
        return write(error);
    error = "\"" + std::string(file.fileName) +
            "\" holds a damaged file that could not be set aside and is kept as it is";
    return false;
}

// What keeps a name from being one that the game could have written: ""
// when nothing does. The name must be one token of a data line, or a single
// such name would make every later save of the files fail (they are
// written whole), and no longer than a player can type.
std::string NameFault(const std::string& name)
{
    const std::string separator = MakeDataFileFormatter().get_property(t4::formatter::separator);
    if (name.find(separator) != std::string::npos || name.find_first_of("\r\n") != std::string::npos)
        return "Name that could not be saved";
    if (name.size() > ProfileStore::MaxNameLength)
        return "Name longer than " + std::to_string(ProfileStore::MaxNameLength) + " characters";
    return std::string();
}

// A file holding a name that the game could not have written is damaged.
void CheckLoadedName(const std::string& name)
{
    const std::string fault = NameFault(name);
    if (!fault.empty())
        throw t4::io_exception(fault);
}

// A file with more lines than the store keeps is damaged: the game never
// writes one.
void CheckLoadedCount(std::size_t count, std::size_t most, const std::string& what)
{
    if (count > most)
        throw t4::io_exception("More than " + std::to_string(most) + " " + what);
}

}  // namespace

std::string ProfileStore::ReadDataFile(const std::string& fileName, const std::string& section,
                                       const std::string& checksumFailure,
                                       const std::function<void(t4::token_container&)>& takeLine)
{
    try {
        t4::filereader reader(fileName, MakeDataFileFormatter());
        if (reader.get_subtitle() != section)
            return "Section \"" + section + "\" not found";
        std::uint32_t chain = seed;
        t4::token_container line;
        while (reader.read_data(line)) {
            ChecksumChain(chain, line);
            takeLine(line);
        }
        if (reader.get_subtitle() != ChecksumSection || !CheckChecksum(reader, chain))
            return checksumFailure;
        if (!ReachedEnd(reader))
            return "Unexpected data after the checksum";
        return std::string();
    } catch (const t4::io_exception& e) {
        return e.what();
    }
}

bool ProfileStore::CheckChecksum(t4::filereader& reader, std::uint32_t computed)
{
    t4::token_container line;
    // Without a checksum line the container stays empty and the read below
    // fails.
    reader.read_data(line);
    unsigned int stored = 0;
    line >> stored;
    return stored == computed || (stored == 0 && computed == seed);
}

void ProfileStore::LoadProfiles()
{
    if (unsavedProfiles_.Reload([this](const std::vector<Profile>& held) { profiles = held; },
                                [this] { SaveProfiles(); }))
        return;
    profiles.clear();
    std::vector<Profile> loaded;
    const std::string failure = ReadDataFile(ProfilesFileName, ProfilesSection, "Incorrect checksum",
                                             [&loaded](t4::token_container& line) {
                                                 loaded.push_back(ReadProfile(line));
                                                 CheckLoadedName(loaded.back().name);
                                                 CheckLoadedCount(loaded.size(), MaxProfiles, "profiles");
                                             });
    if (failure.empty()) {
        profiles = std::move(loaded);
        profilesKeptDamaged_ = false;
    } else {
        ResetProfilesAfterError(failure);
    }
}

void ProfileStore::LoadHighscores()
{
    if (unsavedHighscores_.Reload([this](const std::multiset<Highscore>& held) { highscores = held; },
                                  [this] { SaveHighscores(); }))
        return;
    highscores.clear();
    std::multiset<Highscore> loaded;
    const std::string failure = ReadDataFile(HighscoresFileName, HighscoresSection, "Incorrect Checksum",
                                             [&loaded](t4::token_container& line) {
                                                 const Highscore entry = ReadHighscore(line);
                                                 CheckLoadedName(entry.name);
                                                 loaded.insert(entry);
                                                 CheckLoadedCount(loaded.size(), MaxHighscores, "highscores");
                                             });
    if (failure.empty()) {
        highscores = std::move(loaded);
        highscoresKeptDamaged_ = false;
    } else {
        ResetHighscoresAfterError(failure);
    }
}

bool ProfileStore::WriteProfiles(std::string& error) const
{
    std::vector<t4::token_container> lines;
    lines.reserve(profiles.size());
    for (const Profile& profile : profiles)
        lines.push_back(ProfileLine(profile));
    return WriteDataFile(ProfilesFileName, ProfilesTitle, ProfilesSection, lines, seed, error);
}

bool ProfileStore::WriteHighscores(std::string& error) const
{
    std::vector<t4::token_container> lines;
    lines.reserve(highscores.size());
    for (const Highscore& entry : highscores)
        lines.push_back(HighscoreLine(entry));
    return WriteDataFile(HighscoresFileName, HighscoresTitle, HighscoresSection, lines, seed, error);
}

bool ProfileStore::StoreProfiles(std::string& error)
{
    return unsavedProfiles_.Save(profiles, [this](std::string& storeError) {
        return StoreDataFile(ProfilesStoreFile, profilesKeptDamaged_,
                             [this](std::string& writeError) { return WriteProfiles(writeError); }, storeError);
    }, saveFailures, error);
}

bool ProfileStore::StoreHighscores(std::string& error)
{
    return unsavedHighscores_.Save(highscores, [this](std::string& storeError) {
        return StoreDataFile(HighscoresStoreFile, highscoresKeptDamaged_,
                             [this](std::string& writeError) { return WriteHighscores(writeError); }, storeError);
    }, saveFailures, error);
}

void ProfileStore::SaveProfiles()
{
    std::string error;
    if (!StoreProfiles(error))
        Log("Failed to save profiles: " + error + ".");
}

void ProfileStore::SaveHighscores()
{
    std::string error;
    if (!StoreHighscores(error))
        Log("Failed to save highscores: " + error + ".");
}

void ProfileStore::ResetProfilesAfterError(const std::string& reason)
{
    profiles.clear();
    ResetDamagedFile(ProfilesStoreFile, reason, profilesKeptDamaged_,
                     [this](std::string& error) { return StoreProfiles(error); });
}

void ProfileStore::ResetHighscoresAfterError(const std::string& reason)
{
    highscores.clear();
    ResetDamagedFile(HighscoresStoreFile, reason, highscoresKeptDamaged_,
                     [this](std::string& error) { return StoreHighscores(error); });
}

void ProfileStore::AddProfile(const std::string& name)
{
    if (profiles.size() >= MaxProfiles || !NameFault(name).empty())
        return;
    const bool taken = std::any_of(profiles.begin(), profiles.end(),
                                   [&name](const Profile& profile) { return profile.name == name; });
    if (taken)
        return;
    Profile profile;
    profile.name = name;
    profile.world = 1;
    profile.level = 1;
    profile.furthestWorld = 1;
    profile.furthestLevel = 1;
    profiles.push_back(profile);
    SaveProfiles();
}

void ProfileStore::AddHighscore()
{
    const Profile* profile = GetCurrentProfile();
    if (!profile)
        return;
    Highscore entry{profile->name, ScoreOf(profile->stats.totalCoins)};
    LoadHighscores();
    highscores.insert(std::move(entry));
    // The lowest go; of equal lowest scores the one entered last.
    while (highscores.size() > MaxHighscores)
        highscores.erase(std::prev(highscores.end()));
    SaveHighscores();
}

void ProfileStore::AdvanceLevel()
{
    Profile* profile = GetCurrentProfile();
    if (!profile)
        return;
    profile->level = static_cast<std::uint16_t>(profile->level + 1);
    // A world without levels (beyond the last, or the 0 of a broken record)
    // moves on to the first level of the next world.
    const std::uint16_t levels = profile->world >= 1 && profile->world <= LevelsPerWorld.size()
                                     ? LevelsPerWorld[profile->world - 1]
                                     : 0;
    if (profile->level > levels) {
        profile->level = 1;
        profile->world = static_cast<std::uint16_t>(profile->world + 1);
    }
    if (std::make_pair(profile->furthestWorld, profile->furthestLevel) <
        std::make_pair(profile->world, profile->level)) {
        profile->furthestWorld = profile->world;
        profile->furthestLevel = profile->level;
    }
}

bool ProfileStore::IsActionAvailable(KeyAction action) const
{
    std::uint32_t needed = 0;
    switch (action) {
    case KeyActionJetpack:
        needed = Profile::EquipmentJetpack;
        break;
    case KeyActionRocket:
        needed = Profile::EquipmentRocket;
        break;
    case KeyActionRollingBomb:
        needed = Profile::EquipmentRollingBomb;
        break;
    case KeyActionMine:
        needed = Profile::EquipmentMine;
        break;
    default:
        return true;
    }
    return std::any_of(profiles.begin(), profiles.end(),
                       [needed](const Profile& profile) { return (profile.equipment & needed) != 0; });
}

Profile* ProfileStore::GetCurrentProfile()
{
    return currentProfile < profiles.size() ? &profiles[currentProfile] : nullptr;
}

const Profile* ProfileStore::GetCurrentProfile() const
{
    return currentProfile < profiles.size() ? &profiles[currentProfile] : nullptr;
}
