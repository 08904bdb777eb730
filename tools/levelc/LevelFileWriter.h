#pragma once

#include <string>

namespace levelc {

struct CompiledLevel;

// Writes a compiled level as a level file: the title, its sections and the
// "Checksum" section with the chained checksum of every data line (from the
// level seed). Throws t4::io_exception when the file cannot be written or a
// line could not be read back.
void WriteLevelFile(const CompiledLevel& level, const std::string& path);

}  // namespace levelc
