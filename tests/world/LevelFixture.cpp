#include "LevelFixture.h"

#include "app/ArchivePasswords.h"
#include "foxpack/ArchiveWriter.h"
#include "t4/io/ChecksumChain.h"
#include "t4/io/token_container.h"

namespace worldtest {

std::string MakeLevelText(const std::vector<Section>& sections, std::uint32_t checksumDelta)
{
    std::uint32_t checksum = LevelChecksumSeed;
    std::string text = "..:: Test level ::..\n";
    for (const Section& section : sections) {
        text += "\n.: " + section.first + " :.\n";
        for (const Line& line : section.second) {
            t4::token_container tokens;
            std::string joined;
            for (const std::string& token : line) {
                tokens << token;
                joined += (joined.empty() ? "" : "; ") + token;
            }
            ChecksumChain(checksum, tokens);
            text += "{" + joined + "}\n";
        }
    }
    text += "\n.: Checksum :.\n{" + std::to_string(checksum + checksumDelta) + "}\n";
    return text;
}

void WriteLevelArchive(const std::vector<std::pair<std::string, std::string>>& files)
{
    foxpack::ArchiveWriter writer(LevelArchivePassword);
    for (const auto& file : files)
        writer.Add(file.first, file.second);
    writer.WriteFile("Data/Levels.vrk");
}

std::vector<Section> SmallLevel()
{
    return {
        {"General", {{"4", "3", "1"}}},
        {"Enemies", {{"0", "54", "54.5", "1"}, {"11", "90", "23", "0"}}},
        {"Tiles",
         {{"1", "2", "100", "2", "0", "0"},
          {"2", "2", "101", "2", "1", "0"},
          {"0", "1", "0", "-1", "1", "2", "0", "1"},
          {"3", "1", "8", "-1", "1", "0", "0", "0"},
          {"0", "0", "23", "-1", "1", "0", "a^b"},
          {"3", "0", "1", "-1", "1", "0", "9"}}},
        {"Lifts", {{"1", "54", "36", "36", "0", "0", "-36"}, {"3", "90", "0"}}},
        {"Foreground Scenery", {{"4", "10", "20", "1"}}},
        {"Background Scenery", {{"5", "30", "40", "0"}, {"6", "1", "2", "1"}}},
    };
}

}  // namespace worldtest
