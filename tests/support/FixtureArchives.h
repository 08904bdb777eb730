#pragma once

// Small resource files made on the spot, for archives that tests pack with
// the project's own archive writer.

#include <cstdint>
#include <string>

namespace testsupport {

// A PNG of the given size in one colour.
std::string MakePng(unsigned width, unsigned height);
// A short mono 16-bit WAV.
std::string MakeWav();
// The same WAV with a header whose data chunk claims `claimedBytes` bytes.
std::string MakeWavClaiming(std::uint32_t claimedBytes);
// A short stereo Ogg Vorbis.
std::string MakeOgg();
// A bold TrueType font.
std::string MakeFont();
// A fragment shader that compiles on the legacy pipeline.
std::string MakeShader();

}  // namespace testsupport
