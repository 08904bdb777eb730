#include "levelc/LevelFileWriter.h"

#include "levelc/LevelCompiler.h"

#include "t4/io/ChecksumChain.h"
#include "t4/io/DataFileFormatter.h"
#include "t4/io/filewriter.h"
#include "t4/io/token_container.h"

#include <cstdint>

namespace levelc {

void WriteLevelFile(const CompiledLevel& level, const std::string& path)
{
    t4::filewriter writer(MakeDataFileFormatter());
    writer.open(path, level.title);
    std::uint32_t checksum = LevelChecksumSeed;
    for (const CompiledLevel::Section& section : level.sections) {
        writer.write_subtitle(section.name);
        for (const std::vector<std::string>& line : section.lines) {
            t4::token_container tokens;
            for (const std::string& token : line)
                tokens << token;
            ChecksumChain(checksum, tokens);
            writer.write_data(tokens);
        }
    }
    writer.write_subtitle("Checksum");
    t4::token_container tokens;
    tokens << static_cast<unsigned int>(checksum);
    writer.write_data(tokens);
    writer.check_error();
}

}  // namespace levelc
