#include "app/ProfileStore.h"
#include "support/BlockedSaves.h"
#include "support/FileFaults.h"
#include "support/TempDataDir.h"
#include "t4/io/filereader.h"

#include "ProfileTestFiles.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <sys/stat.h>

using namespace profiletest;

namespace {

const Lines ExampleLines = {{"Player1", "1", "2", "3", "2", "4", "5", "17", "1234", "7", "3", "0", "2"}};

struct DamagedCase {
    const char* what;
    std::string contents;
    std::string reason;
};

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(std::string::npos, at) << from;
    return text.replace(at, from.size(), to);
}

}  // namespace

TEST(ProfileFile, SavesTheExactFileAndLoadsItBack)
{
    testsupport::TempDataDir dir;
    ProfileStore store;
    Profile example;
    example.name = "Player1";
    example.savedGame = true;
    example.world = 2;
    example.level = 3;
    example.furthestWorld = 2;
    example.furthestLevel = 4;
    example.stats.lives = 5;
    example.stats.coins = 17;
    example.stats.totalCoins = 1234;
    example.stats.ammunition = {3, 0, 2};
    example.equipment = 7;
    // Counters beyond the signed range of their stored form, and state that
    // is not stored at all.
    Profile edge;
    edge.name = "Edge";
    edge.world = 4;
    edge.level = 1;
    edge.furthestWorld = 3;
    edge.furthestLevel = 4;
    edge.stats.lives = 40000;
    edge.stats.hearts = 1;
    edge.stats.coins = 65535;
    edge.stats.totalCoins = 3000000000u;
    edge.stats.ammunition = {32768, 65535, 1};
    edge.stats.powerUpMode = PlayerStats::TimeDistortion;
    edge.stats.powerUpCountdown = 500;
    edge.equipment = 8;
    store.profiles = {example, edge};

    LogCapture log;
    store.SaveProfiles();
    const Lines expected = {ExampleLines[0],
                            {"Edge", "0", "4", "1", "3", "4", "-25536", "-1", "-1294967296", "8", "-32768", "-1",
                             "1"}};
    EXPECT_EQ(ProfilesFile(expected), dir.ReadFile("Data/Profiles.txt"));

    ProfileStore loaded;
    loaded.LoadProfiles();
    ASSERT_EQ(2u, loaded.profiles.size());
    edge.stats.hearts = 3;
    edge.stats.powerUpMode = PlayerStats::NoPowerUp;
    edge.stats.powerUpCountdown = 0;
    for (std::size_t i = 0; i < 2; ++i) {
        const Profile& want = i == 0 ? example : edge;
        const Profile& got = loaded.profiles[i];
        EXPECT_EQ(want.name, got.name);
        EXPECT_EQ(want.stats, got.stats) << want.name;
        EXPECT_EQ(want.world, got.world);
        EXPECT_EQ(want.level, got.level);
        EXPECT_EQ(want.furthestWorld, got.furthestWorld);
        EXPECT_EQ(want.furthestLevel, got.furthestLevel);
        EXPECT_EQ(want.savedGame, got.savedGame);
        EXPECT_EQ(want.equipment, got.equipment);
    }
    EXPECT_EQ("", log.Text());
    EXPECT_FALSE(dir.Exists("Data/Profiles.txt.tmp"));
}

TEST(HighscoreFile, SavesTheExactFileAndLoadsItBackInOrder)
{
    testsupport::TempDataDir dir;
    ProfileStore store;
    store.highscores.insert({"Ann", 500});
    store.highscores.insert({"Neg", -5});
    store.highscores.insert({"Bob", 500});
    store.highscores.insert({"Max", 2147483647});

    LogCapture log;
    store.SaveHighscores();
    const Lines expected = {{"Max", "2147483647"}, {"Ann", "500"}, {"Bob", "500"}, {"Neg", "-5"}};
    EXPECT_EQ(HighscoresFile(expected), dir.ReadFile("Data/Highscore.txt"));

    ProfileStore loaded;
    loaded.LoadHighscores();
    EXPECT_EQ(expected, Entries(loaded));
    EXPECT_EQ("", log.Text());
}

TEST(DataFiles, EmptyStoreWritesChecksumZeroAndLoadsWithoutComplaint)
{
    testsupport::TempDataDir dir;
    LogCapture log;
    ProfileStore store;
    store.SaveProfiles();
    store.SaveHighscores();
    EXPECT_EQ(EmptyProfilesFile(), dir.ReadFile("Data/Profiles.txt"));
    EXPECT_EQ(EmptyHighscoresFile(), dir.ReadFile("Data/Highscore.txt"));
    EXPECT_NE(std::string::npos, EmptyProfilesFile().find("\n.: Checksum :.\n{0}\n"));

    store.profiles.resize(1);  // a load replaces whatever the store held
    store.highscores.insert({"x", 1});
    store.LoadProfiles();
    store.LoadHighscores();
    EXPECT_TRUE(store.profiles.empty());
    EXPECT_TRUE(store.highscores.empty());
    EXPECT_EQ("", log.Text());
}

TEST(ProfileFile, CrLfLinesAndLinesWithoutAmmunitionLoad)
{
    testsupport::TempDataDir dir;
    const Lines lines = {{"Ten", "0", "1", "2", "1", "3", "4", "5", "6", "1"},
                         {"Eleven", "0", "1", "1", "1", "1", "3", "0", "0", "0", "9"},
                         {"Fourteen", "1", "1", "1", "1", "1", "3", "0", "0", "0", "1", "2", "3", "extra"}};
    dir.WriteFile("Data/Profiles.txt", WithCrLf(ProfilesFile(lines)));

    LogCapture log;
    ProfileStore store;
    store.LoadProfiles();
    ASSERT_EQ(3u, store.profiles.size()) << log.Text();
    EXPECT_EQ("Ten", store.profiles[0].name);
    EXPECT_EQ((std::array<std::uint16_t, 3>{0, 0, 0}), store.profiles[0].stats.ammunition);
    EXPECT_EQ(6u, store.profiles[0].stats.totalCoins);
    EXPECT_EQ((std::array<std::uint16_t, 3>{9, 0, 0}), store.profiles[1].stats.ammunition);
    EXPECT_EQ((std::array<std::uint16_t, 3>{1, 2, 3}), store.profiles[2].stats.ammunition);
    EXPECT_EQ("", log.Text());
}

TEST(ProfileFile, DamagedFileIsSetAsideAndReplacedByAnEmptyOne)
{
    const std::string valid = ProfilesFile(ExampleLines);
    const std::string checksum = "{" + std::to_string(Chain(562, ExampleLines)) + "}\n";
    const Lines badNumber = {{"P", "1", "x", "1", "1", "1", "3", "0", "0", "0"}};
    const Lines nineTokens = {{"P", "1", "1", "1", "1", "1", "3", "0", "0"}};
    const std::vector<DamagedCase> cases = {
        {"a changed character", Replace(valid, "1234", "1235"), "Incorrect checksum"},
        {"a stored 0 over a line", ProfilesFile(ExampleLines, 0), "Incorrect checksum"},
        {"cut inside a line", valid.substr(0, valid.find("; 1234")),
         "(Input) tokenizer::tokenize - mismatch begin/end of sequence"},
        {"cut before the checksum", valid.substr(0, valid.find("\n.: Checksum")), "Incorrect checksum"},
        {"no checksum line", valid.substr(0, valid.find(checksum)),
         "token_container::operator>> - no elements in object"},
        {"a number that does not parse", ProfilesFile(badNumber), "token_container::operator>> - parse error"},
        {"too few tokens", ProfilesFile(nineTokens), "token_container::operator>> - no elements in object"},
        {"another first section", Replace(valid, ".: Profiles :.", ".: Players :."),
         "Section \"Profiles\" not found"},
        {"only a checksum section", Replace(EmptyProfilesFile(), "\n.: Profiles :.\n", ""),
         "Section \"Profiles\" not found"},
        {"another section in place of the checksum", Replace(valid, ".: Checksum :.", ".: Check :."),
         "Incorrect checksum"},
        {"a wrong checksum followed by a line", Replace(valid, checksum, "{1}\n{2}\n"), "Incorrect checksum"},
        {"a line after the checksum", valid + "{2}\n", "Unexpected data after the checksum"},
        {"a section after the checksum", valid + "\n.: Extra :.\n{2}\n", "Unexpected data after the checksum"},
        {"a second checksum section", valid + "\n.: Checksum :.\n", "Unexpected data after the checksum"},
        {"an empty file", "", "(Input) File \"Data/Profiles.txt\" is empty"},
    };
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDataDir dir;
        dir.WriteFile("Data/Profiles_error.txt", "an older damaged file");
        dir.WriteFile("Data/Profiles.txt", c.contents);
        LogCapture log;
        ProfileStore store;
        store.LoadProfiles();
        EXPECT_TRUE(store.profiles.empty());
        EXPECT_EQ(Entry("Failed to load profiles: " + c.reason +
                        ".\nThe damaged file has been kept as \"Data/Profiles_error_2.txt\".\n"
                        "Empty file has been created."),
                  log.Text());
        EXPECT_EQ("an older damaged file", dir.ReadFile("Data/Profiles_error.txt"));
        EXPECT_EQ(c.contents, dir.ReadFile("Data/Profiles_error_2.txt"));
        EXPECT_EQ(EmptyProfilesFile(), dir.ReadFile("Data/Profiles.txt"));
    }
}

TEST(HighscoreFile, DamagedFileIsSetAsideAndReplacedByAnEmptyOne)
{
    const Lines lines = {{"Ann", "500"}, {"Bob", "20"}};
    const std::string valid = HighscoresFile(lines);
    const std::vector<DamagedCase> cases = {
        {"a changed character", Replace(valid, "Bob", "Bub"), "Incorrect Checksum"},
        {"a stored 0 over lines", HighscoresFile(lines, 0), "Incorrect Checksum"},
        {"a score beyond 32 bits", HighscoresFile({{"Big", "2147483648"}}),
         "token_container::operator>> - parse error"},
        {"another first section", Replace(valid, ".: Highscore :.", ".: Highscores :."),
         "Section \"Highscore\" not found"},
        {"a line after the checksum", valid + "{2}\n", "Unexpected data after the checksum"},
    };
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDataDir dir;
        dir.WriteFile("Data/Highscore.txt", c.contents);
        LogCapture log;
        ProfileStore store;
        store.LoadHighscores();
        EXPECT_TRUE(store.highscores.empty());
        EXPECT_EQ(Entry("Failed to load highscores: " + c.reason + ".\nEmpty file has been created."), log.Text());
        EXPECT_EQ(c.contents, dir.ReadFile("Data/Highscore_error.txt"));
        EXPECT_EQ(EmptyHighscoresFile(), dir.ReadFile("Data/Highscore.txt"));
    }
}

// What is not a regular file, or is far larger than any file the game
// writes, is damaged at once and never read: set aside as it is (a link as
// a link) and replaced by an empty file.
TEST(DataFiles, AFileThatIsNotARegularOneOrIsTooLargeIsDamagedUnread)
{
    namespace fs = boost::filesystem;
    struct Case {
        const char* what;
        std::function<void(const testsupport::TempDataDir&, const std::string& file)> make;
        std::string reason;  // {file} stands for the file's name
        fs::file_type setAside;
    } cases[] = {
        {"a link to an endless device",
         [](const testsupport::TempDataDir& dir, const std::string& file) {
             fs::create_symlink("/dev/zero", dir.DataPath(file));
         },
         "(Input) File \"Data/{file}\" is a character device, not a regular file", fs::symlink_file},
        {"a pipe",
         [](const testsupport::TempDataDir& dir, const std::string& file) {
             ASSERT_EQ(0, ::mkfifo(dir.DataPath(file).c_str(), 0600));
         },
         "(Input) File \"Data/{file}\" is a pipe, not a regular file", fs::fifo_file},
        {"a file beyond the limit",
         [](const testsupport::TempDataDir& dir, const std::string& file) {
             dir.WriteFile("Data/" + file, std::string(t4::filereader::size_limit + 1, '{'));
         },
         "(Input) File \"Data/{file}\" is larger than " + std::to_string(t4::filereader::size_limit) + " bytes",
         fs::regular_file},
    };
    struct File {
        std::string name, errorName, what, empty;
        void (ProfileStore::*load)();
    } files[] = {
        {"Profiles.txt", "Profiles_error.txt", "profiles", EmptyProfilesFile(), &ProfileStore::LoadProfiles},
        {"Highscore.txt", "Highscore_error.txt", "highscores", EmptyHighscoresFile(), &ProfileStore::LoadHighscores},
    };
    for (const Case& c : cases) {
        for (const File& file : files) {
            SCOPED_TRACE(std::string(c.what) + " as " + file.name);
            testsupport::TempDataDir dir;
            c.make(dir, file.name);
            std::string reason = c.reason;
            reason.replace(reason.find("{file}"), 6, file.name);
            LogCapture log;
            ProfileStore store;
            (store.*file.load)();
            EXPECT_TRUE(store.profiles.empty() && store.highscores.empty());
            EXPECT_EQ(Entry("Failed to load " + file.what + ": " + reason + ".\nEmpty file has been created."),
                      log.Text());
            EXPECT_EQ(file.empty, dir.ReadFile("Data/" + file.name));
            EXPECT_EQ(fs::regular_file, fs::symlink_status(dir.DataPath(file.name)).type());
            EXPECT_EQ(c.setAside, fs::symlink_status(dir.DataPath(file.errorName)).type());
        }
    }
}

// A file that the game could never have written is damaged although its
// checksum matches: more profiles or highscores than the store keeps, or a
// name longer than a player can type.
TEST(DataFiles, AFileBeyondTheStoresLimitsIsDamagedThoughItsChecksumMatches)
{
    auto profileLines = [](std::size_t count, std::size_t nameLength) {
        Lines lines;
        for (std::size_t i = 0; i < count; ++i)
            lines.push_back({std::string(nameLength, static_cast<char>('A' + i)), "0", "1", "1", "1", "1", "3", "0",
                             "0", "0", "0", "0", "0"});
        return lines;
    };
    auto highscoreLines = [](std::size_t count, std::size_t nameLength) {
        Lines lines;
        for (std::size_t i = 0; i < count; ++i)
            lines.push_back({std::string(nameLength, static_cast<char>('A' + i)), std::to_string(100 - i)});
        return lines;
    };
    const std::size_t longest = ProfileStore::MaxNameLength;
    const std::string tooLong = "Name longer than " + std::to_string(longest) + " characters";
    struct Case {
        const char* what;
        bool profiles;
        std::string contents;
        std::string reason;  // "" when the file loads
    } cases[] = {
        {"as many profiles as kept, the longest names", true,
         ProfilesFile(profileLines(ProfileStore::MaxProfiles, longest)), ""},
        {"one profile more", true, ProfilesFile(profileLines(ProfileStore::MaxProfiles + 1, 3)),
         "More than " + std::to_string(ProfileStore::MaxProfiles) + " profiles"},
        {"a profile name one too long", true, ProfilesFile(profileLines(1, longest + 1)), tooLong},
        {"as many highscores as kept, the longest names", false,
         HighscoresFile(highscoreLines(ProfileStore::MaxHighscores, longest)), ""},
        {"one highscore more", false, HighscoresFile(highscoreLines(ProfileStore::MaxHighscores + 1, 3)),
         "More than " + std::to_string(ProfileStore::MaxHighscores) + " highscores"},
        {"a highscore name one too long", false, HighscoresFile(highscoreLines(1, longest + 1)), tooLong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDataDir dir;
        const std::string file = c.profiles ? "Data/Profiles.txt" : "Data/Highscore.txt";
        dir.WriteFile(file, c.contents);
        LogCapture log;
        ProfileStore store;
        if (c.profiles)
            store.LoadProfiles();
        else
            store.LoadHighscores();
        const std::size_t loaded = c.profiles ? store.profiles.size() : store.highscores.size();
        if (c.reason.empty()) {
            EXPECT_EQ(c.profiles ? ProfileStore::MaxProfiles : ProfileStore::MaxHighscores, loaded);
            EXPECT_EQ("", log.Text());
            continue;
        }
        EXPECT_EQ(0u, loaded);
        EXPECT_EQ(Entry("Failed to load " + std::string(c.profiles ? "profiles" : "highscores") + ": " + c.reason +
                        ".\nEmpty file has been created."),
                  log.Text());
        EXPECT_EQ(c.contents, dir.ReadFile(c.profiles ? "Data/Profiles_error.txt" : "Data/Highscore_error.txt"));
    }
}

TEST(DataFiles, MissingFilesAreCreatedEmpty)
{
    testsupport::TempDataDir dir;
    LogCapture log;
    ProfileStore store;
    store.LoadProfiles();
    store.LoadHighscores();
    EXPECT_EQ(Entry("Failed to load profiles: (Input) Can't open file \"Data/Profiles.txt\" (No such file or "
                    "directory).\nEmpty file has been created.") +
                  Entry("Failed to load highscores: (Input) Can't open file \"Data/Highscore.txt\" (No such file or "
                        "directory).\nEmpty file has been created."),
              log.Text());
    EXPECT_EQ(EmptyProfilesFile(), dir.ReadFile("Data/Profiles.txt"));
    EXPECT_EQ(EmptyHighscoresFile(), dir.ReadFile("Data/Highscore.txt"));
    EXPECT_FALSE(dir.Exists("Data/Profiles_error.txt"));
    EXPECT_FALSE(dir.Exists("Data/Highscore_error.txt"));
}

TEST(DataFiles, DamagedFilesInARowAreAllKept)
{
    struct Case {
        const char* file;
        const char* errorStem;
        void (*load)(ProfileStore&);
    } cases[] = {
        {"Data/Profiles.txt", "Data/Profiles_error", [](ProfileStore& store) { store.LoadProfiles(); }},
        {"Data/Highscore.txt", "Data/Highscore_error", [](ProfileStore& store) { store.LoadHighscores(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        testsupport::TempDataDir dir;
        const std::string stem = c.errorStem;
        const std::vector<std::string> kept = {stem + ".txt", stem + "_2.txt", stem + "_3.txt"};
        // Three starts, each with the file damaged anew.
        std::vector<std::string> entries;
        for (const std::string& name : kept) {
            dir.WriteFile(c.file, "damaged before " + name);
            LogCapture log;
            ProfileStore store;
            c.load(store);
            entries.push_back(log.Text());
        }
        for (const std::string& name : kept)
            EXPECT_EQ("damaged before " + name, dir.ReadFile(name));
        // The usual name goes unsaid, the numbered ones are named.
        EXPECT_EQ(std::string::npos, entries[0].find("kept as")) << entries[0];
        EXPECT_NE(std::string::npos, entries[0].find(".\nEmpty file has been created.")) << entries[0];
        for (std::size_t i = 1; i < kept.size(); ++i)
            EXPECT_NE(std::string::npos, entries[i].find(".\nThe damaged file has been kept as \"" + kept[i] +
                                                         "\".\nEmpty file has been created."))
                << entries[i];
    }
}

TEST(DataFiles, DamagedFileThatCannotBeSetAsideIsLeftAloneForGood)
{
    struct Case {
        const char* file;
        const char* errorFile;
        std::string damaged;
        std::string loadEntry;
        // Adds to the store, which saves; the store loads the file first when
        // the action does (a highscore does).
        void (*add)(ProfileStore&);
        std::string saveEntry;
    } cases[] = {
        {"Profiles.txt", "Profiles_error.txt", Replace(ProfilesFile(ExampleLines), "Player1", "Player2"),
         "Failed to load profiles: Incorrect checksum.\nThe file could not be moved to "
         "\"Data/Profiles_error.txt\" and has been left as it is.",
         [](ProfileStore& store) { store.AddProfile("Ann"); },
         "Failed to save profiles: \"Data/Profiles.txt\" holds a damaged file that could not be set aside and is "
         "kept as it is."},
        {"Highscore.txt", "Highscore_error.txt", Replace(HighscoresFile({{"Ann", "900"}}), "900", "901"),
         "Failed to load highscores: Incorrect Checksum.\nThe file could not be moved to "
         "\"Data/Highscore_error.txt\" and has been left as it is.",
         [](ProfileStore& store) {
             Profile ann;
             ann.name = "Ann";
             store.profiles.push_back(ann);
             store.currentProfile = 0;
             store.AddHighscore();
         },
         "Failed to save highscores: \"Data/Highscore.txt\" holds a damaged file that could not be set aside and is "
         "kept as it is."},
    };
    for (const Case& c : cases) {
        testsupport::TempDataDir dir;
        // Files kept before take every name the damaged file could go to.
        const std::string stem = std::string(c.errorFile).substr(0, std::string(c.errorFile).size() - 4);
        std::vector<std::string> taken = {c.errorFile};
        for (int number = 2; number <= ProfileStore::SetAsideNameCount; ++number)
            taken.push_back(stem + "_" + std::to_string(number) + ".txt");
        for (const std::string& name : taken)
            dir.WriteFile("Data/" + name, "kept before");
        dir.WriteFile(std::string("Data/") + c.file, c.damaged);

        LogCapture log;
        ProfileStore store;
        store.LoadProfiles();
        store.LoadHighscores();
        EXPECT_NE(std::string::npos, log.Text().find(Entry(c.loadEntry))) << c.file << log.Text();
        // The damaged file is the only copy: the next save keeps off it.
        LogCapture saveLog;
        c.add(store);
        EXPECT_EQ(c.damaged, dir.ReadFile(std::string("Data/") + c.file)) << c.file;
        EXPECT_NE(std::string::npos, saveLog.Text().find(Entry(c.saveEntry))) << c.file << saveLog.Text();

        // Once a name is free the file is set aside and saving resumes.
        boost::filesystem::remove(dir.DataPath(c.errorFile));
        store.LoadProfiles();
        store.LoadHighscores();
        EXPECT_EQ(c.damaged, dir.ReadFile(std::string("Data/") + c.errorFile)) << c.file;
        c.add(store);
        EXPECT_NE(c.damaged, dir.ReadFile(std::string("Data/") + c.file)) << c.file;
        EXPECT_NE(std::string::npos, dir.ReadFile(std::string("Data/") + c.file).find("{Ann")) << c.file;
    }
}

TEST(DataFiles, InterruptedOrFailedSaveLeavesAWholeFile)
{
    testsupport::TempDataDir dir;
    ProfileStore store;
    store.AddProfile("Ann");
    const std::string saved = dir.ReadFile("Data/Profiles.txt");
    const std::string temporary = "Data/Profiles.txt.tmp";

    // A save killed half-way leaves a partial temporary file beside a whole
    // file, which loads as it was; the next save replaces both.
    dir.WriteFile(temporary, saved.substr(0, saved.size() / 2));
    LogCapture log;
    store.LoadProfiles();
    ASSERT_EQ(1u, store.profiles.size());
    store.AddProfile("Bob");
    EXPECT_EQ(2u, LoadedProfileCount());
    EXPECT_FALSE(dir.Exists(temporary));
    const std::string twoProfiles = dir.ReadFile("Data/Profiles.txt");

    // The temporary file cannot be written: the file keeps its content and
    // the store its state.
    boost::filesystem::create_directories(dir.DataPath("Profiles.txt.tmp/keep"));
    store.AddProfile("Cy");
    EXPECT_EQ(3u, store.profiles.size());
    EXPECT_EQ(twoProfiles, dir.ReadFile("Data/Profiles.txt"));
    EXPECT_EQ(Entry("Failed to save profiles: (Output) Can't open file \"Data/Profiles.txt.tmp\" (Is a directory)."),
              log.Text());
    boost::filesystem::remove_all(dir.DataPath("Profiles.txt.tmp"));

    // The written file cannot be renamed over the target: the temporary file
    // goes and the target stays.
    boost::filesystem::create_directories(dir.DataPath("Highscore.txt/keep"));
    LogCapture renameLog;
    store.SaveHighscores();
    EXPECT_NE(std::string::npos,
              renameLog.Text().find("Failed to save highscores: (Output) Can't replace file \"Data/Highscore.txt\" "
                                    "(Is a directory)."))
        << renameLog.Text();
    EXPECT_FALSE(dir.Exists("Data/Highscore.txt.tmp"));
    EXPECT_TRUE(dir.Exists("Data/Highscore.txt/keep"));
}

namespace {

std::vector<std::string> ProfileNames(const ProfileStore& store)
{
    std::vector<std::string> names;
    for (const Profile& profile : store.profiles)
        names.push_back(profile.name);
    return names;
}

Lines ProfileLines(const std::vector<std::string>& names)
{
    Lines lines;
    for (const std::string& name : names)
        lines.push_back({name, "0", "1", "1", "1", "1", "3", "0", "0", "0", "0", "0", "0"});
    return lines;
}

}  // namespace

// Whatever stands at the temporary file's name is never written through: a
// link there, to a file or to nothing, is replaced by a new file.
TEST(DataFiles, ASaveNeverWritesThroughALinkAtItsTemporaryName)
{
    for (const bool victimExists : {true, false}) {
        SCOPED_TRACE(victimExists ? "a link to a file outside Data" : "a link to no file");
        testsupport::TempDataDir dir;
        if (victimExists)
            dir.WriteFile("victim.txt", "not the game's");
        boost::filesystem::create_symlink("../victim.txt", dir.DataPath("Profiles.txt.tmp"));
        LogCapture log;
        ProfileStore store;
        store.AddProfile("Ann");
        EXPECT_EQ("", log.Text());
        EXPECT_EQ(victimExists ? "not the game's" : "", dir.ReadFile("victim.txt"));
        EXPECT_EQ(victimExists, dir.Exists("victim.txt"));
        EXPECT_EQ(boost::filesystem::regular_file,
                  boost::filesystem::symlink_status(dir.DataPath("Profiles.txt")).type());
        EXPECT_EQ(ProfilesFile(ProfileLines({"Ann"})), dir.ReadFile("Data/Profiles.txt"));
        EXPECT_EQ(boost::filesystem::file_not_found,
                  boost::filesystem::symlink_status(dir.DataPath("Profiles.txt.tmp")).type());
    }
}

// A save that fails on the disk is told and logged with the reason the
// system gave, for the write as for the rename.
TEST(DataFiles, AFailedSaveTellsTheReasonTheSystemGave)
{
    using Kind = testsupport::WriteFault::Kind;
    struct Case {
        Kind kind;
        std::string reason;
    } cases[] = {
        {Kind::FileSizeLimit, "(Output) Can't write file \"Data/Profiles.txt.tmp\" (File too large)"},
        {Kind::FullDisk, "(Output) Can't write file \"Data/Profiles.txt.tmp\" (No space left on device)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        testsupport::TempDataDir dir;
        testsupport::WriteFault fault(c.kind, dir.Path() + "/Data");
        if (!fault.Active()) {
            std::cout << "This case is left out here: " << fault.Refusal() << std::endl;
            continue;
        }
        LogCapture log;
        ProfileStore store;
        store.AddProfile("Ann");
        fault.End();
        EXPECT_EQ(Entry("Failed to save profiles: " + c.reason + "."), log.Text());
        EXPECT_NE(std::string::npos, store.saveFailures.Take().find("\n   " + c.reason + "\n")) << c.reason;
        EXPECT_FALSE(dir.Exists("Data/Profiles.txt"));
        EXPECT_FALSE(dir.Exists("Data/Profiles.txt.tmp"));
        EXPECT_EQ(1u, store.profiles.size());
    }
}

TEST(DataFiles, ProfilesOfAFailedSaveOutliveReloadsUntilASaveSucceeds)
{
    using Names = std::vector<std::string>;
    testsupport::TempDataDir dir;
    LogCapture log;
    ProfileStore store;
    store.AddProfile("Ann");
    store.AddProfile("Bob");
    const std::string saved = dir.ReadFile("Data/Profiles.txt");
    {
        testsupport::BlockedSaves blocked(dir, "Profiles.txt");
        store.AddProfile("Zoe");
        store.profiles.erase(store.profiles.begin() + 1);  // Bob is deleted
        store.SaveProfiles();
        store.LoadProfiles();
        EXPECT_EQ((Names{"Ann", "Zoe"}), ProfileNames(store));
        // A change that nothing saved goes at a reload, as it would with a
        // file written whole.
        store.profiles[0].level = 3;
        store.LoadProfiles();
        EXPECT_EQ(1, store.profiles[0].level);
        EXPECT_EQ((Names{"Ann", "Zoe"}), ProfileNames(store));
        EXPECT_EQ(saved, dir.ReadFile("Data/Profiles.txt"));
    }
    // The next save writes all of it; then loads read the file again.
    store.AddProfile("Cy");
    EXPECT_EQ(ProfilesFile(ProfileLines({"Ann", "Zoe", "Cy"})), dir.ReadFile("Data/Profiles.txt"));
    dir.WriteFile("Data/Profiles.txt", ProfilesFile(ProfileLines({"Dee"})));
    store.LoadProfiles();
    EXPECT_EQ((Names{"Dee"}), ProfileNames(store));
}

TEST(DataFiles, HighscoresOfAFailedSaveOutliveReloadsUntilASaveSucceeds)
{
    testsupport::TempDataDir dir;
    dir.WriteFile("Data/Highscore.txt", HighscoresFile({{"A", "100"}, {"B", "50"}}));
    LogCapture log;
    ProfileStore store;
    store.AddProfile("Zoe");
    store.profiles[0].stats.totalCoins = 70;
    {
        testsupport::BlockedSaves blocked(dir, "Highscore.txt");
        store.AddHighscore();
        store.LoadHighscores();
        EXPECT_EQ((Lines{{"A", "100"}, {"Zoe", "70"}, {"B", "50"}}), Entries(store));
        // The table is cleared, and stays so.
        store.highscores.clear();
        store.SaveHighscores();
        store.LoadHighscores();
        EXPECT_TRUE(store.highscores.empty());
        store.AddHighscore();
        EXPECT_EQ((Lines{{"Zoe", "70"}}), Entries(store));
        EXPECT_EQ(HighscoresFile({{"A", "100"}, {"B", "50"}}), dir.ReadFile("Data/Highscore.txt"));
    }
    // A reload writes what the failed save held, and the file is read again
    // from then on.
    store.LoadHighscores();
    EXPECT_EQ(HighscoresFile({{"Zoe", "70"}}), dir.ReadFile("Data/Highscore.txt"));
    dir.WriteFile("Data/Highscore.txt", HighscoresFile({{"New", "5"}}));
    store.LoadHighscores();
    EXPECT_EQ((Lines{{"New", "5"}}), Entries(store));
}

TEST(DataFiles, ThePlayerIsToldOnceOfEachFileThatCannotBeSaved)
{
    testsupport::TempDataDir dir;
    dir.WriteFile("Data/Profiles.txt", "damaged");
    LogCapture log;
    ProfileStore store;
    testsupport::BlockedSaves profilesBlocked(dir, "Profiles.txt");
    testsupport::BlockedSaves highscoresBlocked(dir, "Highscore.txt");
    // The empty file after a damaged one cannot be written; nor can later
    // saves of either file.
    store.LoadProfiles();
    store.AddProfile("Ann");
    store.LoadProfiles();
    store.SaveHighscores();
    store.SaveHighscores();

    const std::string told = store.saveFailures.Take();
    for (const std::string file : {"Data/Profiles.txt", "Data/Highscore.txt"}) {
        SCOPED_TRACE(file);
        const std::size_t at = told.find("\"" + file + "\"");
        ASSERT_NE(std::string::npos, at) << told;
        EXPECT_EQ(std::string::npos, told.find("\"" + file + "\"", at + 1)) << told;
        EXPECT_NE(std::string::npos, told.find("(Output) Can't open file \"" + file + ".tmp\"", at)) << told;
    }
    store.AddProfile("Bob");
    EXPECT_EQ("", store.saveFailures.Take());
    EXPECT_EQ("damaged", dir.ReadFile("Data/Profiles_error.txt"));
}

// Once a save of the file has succeeded, its next failure is told again; a
// failure that a later save mends before the player was told is not told at
// all, on screen or at the end of the game.
TEST(DataFiles, AFailureIsToldAgainOnceASaveOfTheFileHasSucceeded)
{
    testsupport::TempDataDir dir;
    LogCapture log;
    ProfileStore store;
    const std::string file = "\"Data/Profiles.txt\"";
    auto blocked = std::make_unique<testsupport::BlockedSaves>(dir, "Profiles.txt");
    store.AddProfile("Ann");
    EXPECT_NE(std::string::npos, store.saveFailures.Take().find(file));
    blocked.reset();
    store.AddProfile("Bob");
    EXPECT_EQ("", store.saveFailures.Take());
    blocked = std::make_unique<testsupport::BlockedSaves>(dir, "Profiles.txt");
    store.AddProfile("Cy");
    EXPECT_NE(std::string::npos, store.saveFailures.Take().find(file));

    blocked.reset();
    store.AddProfile("Dee");
    blocked = std::make_unique<testsupport::BlockedSaves>(dir, "Profiles.txt");
    store.AddProfile("Eve");
    EXPECT_EQ((std::vector<std::string>{"Vrenk II could not save \"Data/Profiles.txt\", and what changed in it is "
                                        "lost: (Output) Can't open file \"Data/Profiles.txt.tmp\" (Is a directory)"}),
              store.saveFailures.Untold());
    blocked.reset();
    store.SaveProfiles();
    EXPECT_TRUE(store.saveFailures.Untold().empty());
    EXPECT_EQ("", store.saveFailures.Take());
    EXPECT_EQ(5u, LoadedProfileCount());
}
