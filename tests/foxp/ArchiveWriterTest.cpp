#include "FoxpFixtures.h"

#include "foxp/Archive.h"
#include "foxpack/ArchiveWriter.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

using namespace foxptest;
namespace fs = std::filesystem;

namespace {

std::string AddError(foxpack::ArchiveWriter& writer, const std::string& path)
{
    try {
        writer.Add(path, "x");
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    return "(added)";
}

std::string ReadFile(foxp::Archive& archive, const std::string& path)
{
    foxp::File file = archive.Get(path);
    EXPECT_TRUE(file.IsFound()) << path;
    std::string bytes(static_cast<std::size_t>(file.GetSize()), '\0');
    EXPECT_EQ(file.Read(&bytes[0], bytes.size()), bytes.size());
    return bytes;
}

int RunFoxpack(const std::string& arguments)
{
    const std::string command = std::string(FOXPACK_BINARY) + " " + arguments + " 2> foxpack.err";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Put(const std::string& path, const std::string& bytes)
{
    fs::create_directories(fs::path(path).parent_path());
    WriteBytes(path, bytes);
}

}  // namespace

TEST(FoxpWriter, RefusesPathsTheReaderCouldNotFind)
{
    foxpack::ArchiveWriter writer("pw");
    writer.Add("Lvl/Level 1-1.txt", "one");
    writer.Add(std::string(59, 'a'), "longest");
    struct Case {
        std::string path;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"", "Archive path is empty"},
        {std::string(60, 'b'), "has 60 bytes; it must be shorter than 60"},
        {std::string("a\0b", 3), "holds a NUL byte"},
        {"Lvl/Level 1-1.txt", "is already in the archive"},
        {"Lvl/Level 1-", "begins the path \"Lvl/Level 1-1.txt\" of another file"},
        {"Lvl/Level 1-1.txt.bak", "begins with the path \"Lvl/Level 1-1.txt\" of another file"},
    };
    for (const auto& c : cases) {
        const std::string error = AddError(writer, c.path);
        EXPECT_NE(error.find(c.message), std::string::npos) << c.path << ": " << error;
    }
    EXPECT_EQ(writer.GetCount(), 2u);
    EXPECT_EQ(AddError(writer, "Lvl/Level 1-2.txt"), "(added)");
}

TEST(FoxpWriter, RoundTripOfManySizes)
{
    testsupport::TempDataDir dir;
    foxpack::ArchiveWriter writer("Hollow gate opens 7");
    std::vector<std::pair<std::string, std::string>> files;
    for (std::size_t size : {0u, 1u, 2u, 3u, 4u, 5u, 7u, 8u, 63u, 64u, 65u, 4099u}) {
        files.emplace_back("Data/File" + std::to_string(size) + ".bin", Pattern(size, static_cast<unsigned>(size)));
        writer.Add(files.back().first, files.back().second);
    }
    writer.WriteFile("Data/Round.vrk");

    foxp::Archive archive;
    archive.Open("Data/Round.vrk", "Hollow gate opens 7");
    for (const auto& f : files)
        EXPECT_EQ(ReadFile(archive, f.first), f.second) << f.first;
}

TEST(FoxpWriter, AddFolderTakesSortedRelativePaths)
{
    testsupport::TempDataDir dir;
    Put("src/Sfx/Jump.wav", "jump");
    Put("src/Gfx/Player.png", "player");
    Put("src/Gfx/Deep/Down/Tile.png", "tile");
    Put("src/Brlnsdb.ttf", "font");
    fs::create_directories("src/Empty");

    foxpack::ArchiveWriter fromFolder("pw");
    fromFolder.AddFolder("src/");  // a trailing slash changes nothing
    foxpack::ArchiveWriter byHand("pw");
    byHand.Add("Brlnsdb.ttf", "font");
    byHand.Add("Gfx/Deep/Down/Tile.png", "tile");
    byHand.Add("Gfx/Player.png", "player");
    byHand.Add("Sfx/Jump.wav", "jump");
    EXPECT_EQ(fromFolder.Build(), byHand.Build());

    foxpack::ArchiveWriter missing("pw");
    EXPECT_THROW(missing.AddFolder("nowhere"), std::runtime_error);
}

TEST(FoxpPackTool, PacksAFolderReproducibly)
{
    testsupport::TempDataDir dir;
    Put("src/Lvl/Level 1-2.txt", "level two");
    Put("src/Lvl/Level 1-1.txt", "level one");
    Put("src/Lvl/Level 0-1.txt", Pattern(3001, 5));

    ASSERT_EQ(RunFoxpack("Data/Levels.vrk 'Stage 4-7' src"), 0) << ReadBytes("foxpack.err");
    const std::string once = ReadBytes("Data/Levels.vrk");
    ASSERT_EQ(RunFoxpack("Data/Again.vrk 'Stage 4-7' src"), 0);
    EXPECT_EQ(ReadBytes("Data/Again.vrk"), once);

    foxp::Archive archive;
    archive.Open("Data/Levels.vrk", "Stage 4-7");
    EXPECT_EQ(ReadFile(archive, "Lvl/Level 1-1.txt"), "level one");
    EXPECT_EQ(ReadFile(archive, "Lvl/Level 0-1.txt"), Pattern(3001, 5));
    // Sorted order: the first index entry is the smallest path.
    std::string entry = once.substr(32, 64);
    HandCipher("[index]0", kLevelCheck, &entry[0], entry.size());
    EXPECT_EQ(entry.substr(0, 18), std::string("Lvl/Level 0-1.txt\0", 18));
}

TEST(FoxpPackTool, FailsWithAMessageAndLeavesTheOldOutput)
{
    testsupport::TempDataDir dir;
    WriteBytes("Data/Levels.vrk", "old archive");
    Put("bad/" + std::string(60, 'n') + ".txt", "too long a name");

    struct Case {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"Data/Levels.vrk pw", "usage: foxpack <output.vrk> <password> <folder>"},
        {"Data/Levels.vrk pw src extra", "usage: foxpack"},
        {"Data/Levels.vrk pw nowhere", "foxpack: Folder nowhere is not a readable folder"},
        {"Data/Levels.vrk pw bad", "must be shorter than 60"},
        {"NoSuchDir/Levels.vrk pw bad", "must be shorter than 60"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(RunFoxpack(c.arguments), 0) << c.arguments;
        EXPECT_NE(ReadBytes("foxpack.err").find(c.message), std::string::npos)
            << c.arguments << ": " << ReadBytes("foxpack.err");
        EXPECT_EQ(ReadBytes("Data/Levels.vrk"), "old archive") << c.arguments;
    }

    Put("good/a.txt", "a");
    EXPECT_NE(RunFoxpack("NoSuchDir/Levels.vrk pw good"), 0);
    EXPECT_NE(ReadBytes("foxpack.err").find("Cannot write"), std::string::npos) << ReadBytes("foxpack.err");
    for (const auto& entry : fs::directory_iterator("Data"))
        EXPECT_EQ(entry.path().filename(), "Levels.vrk") << "left behind: " << entry.path();
}
