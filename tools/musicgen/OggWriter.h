#pragma once

#include <string>
#include <vector>

namespace musicgen {

// Writes a stereo Ogg Vorbis file at a Vorbis quality (-0.1 to 1) with a
// given stream serial number: the same samples make the same bytes, so files
// can be written side by side in any order. Returns false when the file
// cannot be written.
bool WriteOggVorbis(const std::string& path, const std::vector<float>& left, const std::vector<float>& right,
                    unsigned rate, float quality, int serial);

}  // namespace musicgen
