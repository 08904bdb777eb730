#include "FoxpFixtures.h"

#include "foxp/Archive.h"
#include "foxpack/ArchiveWriter.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

using namespace foxptest;
namespace fs = std::filesystem;

static_assert(!std::is_copy_constructible_v<foxp::Archive>, "an archive owns its stream");
static_assert(!std::is_copy_assignable_v<foxp::Archive>, "an archive owns its stream");

namespace {

std::string ReadAll(foxp::File& file)
{
    std::string bytes(static_cast<std::size_t>(file.GetSize()), '\0');
    file.SetPosition(0);
    const std::uint32_t got = file.Read(&bytes[0], bytes.size());
    EXPECT_EQ(got, bytes.size());
    return bytes;
}

std::string OpenError(const std::string& path, const std::string& password)
{
    foxp::Archive archive;
    try {
        archive.Open(path, password);
    } catch (const std::runtime_error& e) {
        EXPECT_FALSE(archive.IsOpen());
        return e.what();
    }
    return "(opened)";
}

std::string Header(const char* magic, std::uint32_t version, std::uint32_t check, std::uint32_t count)
{
    std::string h(32, '\0');
    h.replace(0, 4, magic);
    PutU32(h, 4, version);
    PutU32(h, 8, check);
    PutU32(h, 12, count);
    return h;
}

const std::vector<HandEntry> kGameLikeEntries = {
    {"Lvl/Level 1-1.txt", "Hello, world!", {}},   // three words and one tail byte
    {"Gfx/Player.png", "seven b", {}},            // one word and three tail bytes
    {"Music/Menu.ogg", "", {}},                   // nothing at all
    {"Sfx/Jump.wav", "last file", {}},            // its size comes from the archive's end
};

}  // namespace

TEST(FoxpArchive, OpenRejectsBadFilesWithTheirMessages)
{
    testsupport::TempDataDir dir;
    const std::string good = HandArchive(kLevelCheck, {{"a", "data", {}}});
    struct Case {
        const char* name;
        std::string bytes;
        const char* password;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"good", good, "Stage 4-7", "(opened)"},
        {"magic", "foxq" + good.substr(4), "Stage 4-7", "[FOXP] Wrong archive format"},
        {"magic before password", "FOXP" + good.substr(4), "wrong", "[FOXP] Wrong archive format"},
        {"version", Header("foxp", 2, kLevelCheck, 0), "Stage 4-7", "[FOXP] Wrong archive version"},
        {"version before password", Header("foxp", 4, 1, 0), "Stage 4-7", "[FOXP] Wrong archive version"},
        {"password", good, "Stage 4-8", "[FOXP] Wrong password"},
        {"empty file", "", "Stage 4-7", "[FOXP] Wrong archive format"},
        {"cut header", good.substr(0, 10), "Stage 4-7", "[FOXP] Wrong archive format"},
        {"no room for the header", Header("foxp", 3, kLevelCheck, 0).substr(0, 20), "Stage 4-7",
         "[FOXP] Wrong archive format"},
        {"empty archive", Header("foxp", 3, kLevelCheck, 0), "Stage 4-7", "(opened)"},
        {"count beyond the file", HandArchive(kLevelCheck, {{"a", "data", {}}}, 2u), "Stage 4-7",
         "[FOXP] Wrong archive format"},
        {"huge count", HandArchive(kLevelCheck, {{"a", "data", {}}}, 0xFFFFFFFFu), "Stage 4-7",
         "[FOXP] Wrong archive format"},
    };
    for (const auto& c : cases) {
        WriteBytes("Data/Case.vrk", c.bytes);
        EXPECT_EQ(OpenError("Data/Case.vrk", c.password), c.message) << c.name;
    }

    EXPECT_EQ(OpenError("Data/Levels.vrk", "Stage 4-7"), "Archive Data/Levels.vrk doesn't exist");
    fs::create_directory("Data/Folder.vrk");
    EXPECT_EQ(OpenError("Data/Folder.vrk", "Stage 4-7"), "Archive Data/Folder.vrk cannot be opened");
}

TEST(FoxpArchive, ReadOnlyArchiveOpens)
{
    testsupport::TempDataDir dir;
    WriteBytes("Data/Levels.vrk", HandArchive(kLevelCheck, kGameLikeEntries));
    fs::permissions("Data/Levels.vrk", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    foxp::Archive archive;
    ASSERT_NO_THROW(archive.Open("Data/Levels.vrk", "Stage 4-7"));
    foxp::File file = archive.Get("Gfx/Player.png");
    EXPECT_EQ(ReadAll(file), "seven b");
    fs::permissions("Data/Levels.vrk", fs::perms::owner_write, fs::perm_options::add);
}

// The archive is built here from the layout alone; the reader must decode it
// and the writer must produce the very same bytes.
TEST(FoxpArchive, HandMadeArchiveReadsBackAndWriterMatchesIt)
{
    testsupport::TempDataDir dir;
    const std::string bytes = HandArchive(kResourceCheck, kGameLikeEntries);
    WriteBytes("Data/Resources2.vrk", bytes);

    foxp::Archive archive;
    archive.Open("Data/Resources2.vrk", "Hollow gate opens 7");
    for (const auto& entry : kGameLikeEntries) {
        foxp::File file = archive.Get(entry.path);
        ASSERT_TRUE(file.IsFound()) << entry.path;
        EXPECT_EQ(file.GetPath(), entry.path);
        EXPECT_EQ(file.GetSize(), static_cast<std::int64_t>(entry.data.size())) << entry.path;
        EXPECT_EQ(ReadAll(file), entry.data) << entry.path;
    }
    // The last file ends where the archive ends.
    EXPECT_EQ(archive.Get("Sfx/Jump.wav").GetSize(),
              static_cast<std::int64_t>(bytes.size() - (32 + 64 * 4 + 13 + 7)));

    foxpack::ArchiveWriter writer("Hollow gate opens 7");
    for (const auto& entry : kGameLikeEntries)
        writer.Add(entry.path, entry.data);
    EXPECT_EQ(writer.Build(), bytes);
}

TEST(FoxpArchive, OnlyAnExactUniquePathIsFound)
{
    testsupport::TempDataDir dir;
    WriteBytes("Data/R.vrk", HandArchive(kResourceCheck, {{"Gfx/A.png", "aaa", {}},
                                                          {"Gfx/B.png", "bbbb", {}},
                                                          {"Lvl/One", "one", {}},
                                                          {"Lvl/OneMore", "one more", {}},
                                                          {"Lvl/Two", "two", {}}}));
    foxp::Archive archive;
    archive.Open("Data/R.vrk", "Hollow gate opens 7");
    struct Case {
        const char* path;
        const char* contents;  // nullptr: not found
    };
    const Case cases[] = {
        {"Gfx/", nullptr},          // the beginning of two entries
        {"Lvl/One", nullptr},       // a full path that also begins another entry
        {"Lvl/OneMore", "one more"},
        {"Gfx/A.png", "aaa"},
        {"Lvl/Tw", nullptr},        // begins one entry only, but is not its path
        {"", nullptr},
        {"Gfx/C.png", nullptr},
        {"Gfx/A.png.bak", nullptr},
    };
    for (const auto& c : cases) {
        foxp::File file = archive.Get(c.path);
        if (c.contents) {
            ASSERT_TRUE(file.IsFound()) << c.path;
            EXPECT_EQ(ReadAll(file), c.contents) << c.path;
        } else {
            EXPECT_FALSE(file.IsFound()) << c.path;
            EXPECT_EQ(file.GetSize(), 0) << c.path;
            char byte = 'x';
            EXPECT_EQ(file.Read(&byte, 1), 0u) << c.path;
            EXPECT_EQ(byte, 'x');
        }
    }
}

TEST(FoxpArchive, PathFillingAllSixtyBytesIsReadWhole)
{
    testsupport::TempDataDir dir;
    const std::string sixty = "Gfx/" + std::string(52, 'p') + ".png";
    ASSERT_EQ(sixty.size(), 60u);
    WriteBytes("Data/R.vrk", HandArchive(kResourceCheck, {{sixty, "long name", {}}, {"b", "next", {}}}));
    foxp::Archive archive;
    archive.Open("Data/R.vrk", "Hollow gate opens 7");
    foxp::File file = archive.Get(sixty);
    ASSERT_TRUE(file.IsFound());
    EXPECT_EQ(ReadAll(file), "long name");
    EXPECT_FALSE(archive.Get(sixty + "#").IsFound());
    EXPECT_FALSE(archive.Get(sixty.substr(0, 59)).IsFound());
}

// An index that points outside the data region makes the entry "not found"
// instead of reading the header, other files or beyond the archive.
TEST(FoxpArchive, EntriesWithImpossibleBoundsAreNotFound)
{
    testsupport::TempDataDir dir;
    const std::int64_t dataStart = 32 + 64 * 2;
    const std::int64_t length = dataStart + 8;
    struct Case {
        const char* name;
        std::optional<std::int64_t> offsetA, offsetB;
        bool foundA, foundB;
    };
    const Case cases[] = {
        {"honest", {}, {}, true, true},
        {"a after its successor", length + 10, {}, false, true},
        {"b past the end", {}, length + 1, false, false},
        {"b at the very end", {}, length, true, true},
        {"a before the data", dataStart - 1, {}, false, true},
        {"a in the header", 0, {}, false, true},
        {"a negative", -5, {}, false, true},
        {"b far away", {}, 0x7FFFFFFF, false, false},
    };
    for (const auto& c : cases) {
        WriteBytes("Data/R.vrk", HandArchive(kResourceCheck, {{"a", "AAAA", c.offsetA}, {"b", "BBBB", c.offsetB}}));
        foxp::Archive archive;
        archive.Open("Data/R.vrk", "Hollow gate opens 7");
        foxp::File a = archive.Get("a");
        foxp::File b = archive.Get("b");
        EXPECT_EQ(a.IsFound(), c.foundA) << c.name;
        EXPECT_EQ(b.IsFound(), c.foundB) << c.name;
        if (c.foundA && !c.offsetA) {
            // b's bytes are enciphered for b: a reads them, but as noise.
            EXPECT_EQ(ReadAll(a).substr(0, 4), "AAAA") << c.name;
            EXPECT_EQ(a.GetSize(), c.offsetB ? 8 : 4) << c.name;
        }
        if (!c.foundA) {
            EXPECT_EQ(a.GetSize(), 0) << c.name;
        }
    }
}

TEST(FoxpArchive, PiecesInAnyOrderEqualTheWholeAndStopAtTheFilesEnd)
{
    testsupport::TempDataDir dir;
    const std::string first = Pattern(1000, 1);
    const std::string second = Pattern(333, 2);
    WriteBytes("Data/R.vrk", HandArchive(kResourceCheck, {{"first", first, {}}, {"second", second, {}}}));
    foxp::Archive archive;
    archive.Open("Data/R.vrk", "Hollow gate opens 7");
    foxp::File a = archive.Get("first");
    foxp::File b = archive.Get("second");
    ASSERT_EQ(ReadAll(a), first);

    std::minstd_rand gen(7);
    for (int round = 0; round < 300; ++round) {
        // Alternate between the two files so that the archive has to seek.
        foxp::File& file = round % 2 ? a : b;
        const std::string& whole = round % 2 ? first : second;
        const std::int64_t pos = static_cast<std::int64_t>(gen() % (whole.size() + 10));
        const std::size_t count = gen() % 70 + (round % 5 == 0 ? 2000 : 0);
        std::string piece(count, '\0');
        file.SetPosition(pos);
        const std::uint32_t got = file.Read(&piece[0], count);
        const std::string expected =
            pos < static_cast<std::int64_t>(whole.size()) ? whole.substr(static_cast<std::size_t>(pos), count) : "";
        ASSERT_EQ(got, expected.size()) << "round " << round;
        EXPECT_EQ(piece.substr(0, got), expected) << "round " << round;
        EXPECT_EQ(file.GetPosition(), pos + got);
    }

    char buffer[16];
    a.SetPosition(a.GetSize());
    EXPECT_EQ(a.Read(buffer, sizeof buffer), 0u);
    a.SetPosition(-3);
    EXPECT_EQ(a.Read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(a.GetPosition(), -3);
}

TEST(FoxpArchive, FailedReadThrowsAndTheArchiveRecovers)
{
    testsupport::TempDataDir dir;
    const std::string data = Pattern(5000, 3);
    const std::string bytes = HandArchive(kResourceCheck, {{"a", data, {}}});
    WriteBytes("Data/R.vrk", bytes);
    foxp::Archive archive;
    archive.Open("Data/R.vrk", "Hollow gate opens 7");
    foxp::File file = archive.Get("a");
    ASSERT_TRUE(file.IsFound());

    fs::resize_file("Data/R.vrk", 32 + 64 + 100);
    std::string got(5000, '\0');
    file.SetPosition(200);
    try {
        file.Read(&got[0], 100);
        FAIL() << "a read beyond the shortened archive succeeded";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Failed to read data: ", 0), 0u) << e.what();
    }
    EXPECT_EQ(file.GetPosition(), 200);

    WriteBytes("Data/R.vrk", bytes);
    EXPECT_EQ(ReadAll(file), data);
    EXPECT_EQ(ReadAll(file), data);
}

TEST(FoxpArchive, GetNeedsAnOpenArchiveAndAFailedOpenKeepsTheOldOne)
{
    testsupport::TempDataDir dir;
    foxp::Archive archive;
    EXPECT_THROW(archive.Get("a"), std::runtime_error);

    WriteBytes("Data/R.vrk", HandArchive(kResourceCheck, {{"a", "alpha", {}}}));
    archive.Open("Data/R.vrk", "Hollow gate opens 7");
    EXPECT_THROW(archive.Open("Data/Missing.vrk", "Hollow gate opens 7"), std::runtime_error);
    EXPECT_THROW(archive.Open("Data/R.vrk", "wrong"), std::runtime_error);
    foxp::File file = archive.Get("a");
    EXPECT_EQ(ReadAll(file), "alpha");

    foxp::Archive moved(std::move(archive));
    EXPECT_EQ(ReadAll(file), "alpha");  // the file still refers to the same open archive
}

TEST(FoxpArchive, CheckValueZeroArchiveIsStoredPlain)
{
    testsupport::TempDataDir dir;
    foxpack::ArchiveWriter writer("");
    writer.Add("Text/Readme.txt", "stored as it is");
    const std::string bytes = writer.Build();
    EXPECT_EQ(bytes.substr(32 + 64), "stored as it is");
    EXPECT_EQ(bytes.substr(32, 15), "Text/Readme.txt");
    WriteBytes("Data/Plain.vrk", bytes);

    foxp::Archive archive;
    archive.Open("Data/Plain.vrk", "");
    foxp::File file = archive.Get("Text/Readme.txt");
    EXPECT_EQ(ReadAll(file), "stored as it is");
    EXPECT_EQ(OpenError("Data/Plain.vrk", "x"), "[FOXP] Wrong password");
}
