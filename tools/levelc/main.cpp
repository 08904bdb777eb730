// levelc <output.vrk> <stage-folder> <source.lvl>...
//
// Compiles level sources into level files under <stage-folder>/Lvl/, loads
// every one of them with the game's own loader and level check, and only
// then packs them into the level archive. Warnings go to the standard error
// stream; any refusal leaves the archive untouched and ends with exit code 1.

#include "levelc/LevelCompiler.h"
#include "levelc/LevelFileWriter.h"
#include "levelc/LevelSource.h"
#include "levelc/LevelVerifier.h"

#include "app/ArchivePasswords.h"
#include "foxpack/ArchiveWriter.h"
#include "t4/io/LevelFileName.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <utility>

namespace {

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in)
        throw std::runtime_error("cannot read back " + path.string());
    return bytes.str();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::cerr << "usage: levelc <output.vrk> <stage-folder> <source.lvl>...\n";
        return 2;
    }
    const std::string output = argv[1];
    const std::filesystem::path stage = argv[2];
    try {
        foxpack::ArchiveWriter archive(LevelArchivePassword);
        std::vector<levelc::PackedLevel> packed;
        std::map<std::pair<std::uint16_t, std::uint16_t>, std::string> seen;
        bool failed = false;
        for (int i = 3; i < argc; ++i) {
            const std::string sourcePath = argv[i];
            try {
                const levelc::LevelSource source = levelc::ReadLevelSource(sourcePath);
                std::vector<std::string> warnings;
                const levelc::CompiledLevel level = levelc::CompileLevel(source, warnings);
                for (const std::string& warning : warnings)
                    std::cerr << warning << '\n';
                const auto key = std::make_pair(level.world, level.level);
                if (seen.count(key))
                    throw std::runtime_error(sourcePath + ":" + std::to_string(source.levelPlace.line) +
                                             ": level " + std::to_string(level.world) + "-" +
                                             std::to_string(level.level) + " is also made by " + seen[key]);
                seen[key] = sourcePath;
                const std::string entry = LevelFileName(level.world, level.level);
                const std::filesystem::path staged = stage / entry;
                std::filesystem::create_directories(staged.parent_path());
                levelc::WriteLevelFile(level, staged.string());
                archive.Add(entry, ReadBytes(staged));
                packed.push_back({level.world, level.level, sourcePath});
            } catch (const std::exception& e) {
                std::cerr << e.what() << '\n';
                failed = true;
            }
        }
        if (failed)
            return 1;
        const std::vector<std::string> refusals = levelc::VerifyPackedLevels(archive.Build(), packed);
        for (const std::string& refusal : refusals)
            std::cerr << refusal << '\n';
        if (!refusals.empty())
            return 1;
        archive.WriteFile(output);
        std::cout << "levelc: packed " << packed.size() << " levels into " << output << '\n';
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "levelc: " << e.what() << '\n';
        return 1;
    }
}
