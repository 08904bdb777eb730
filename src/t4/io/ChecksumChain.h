#pragma once

#include <cstdint>

namespace t4 {
class token_container;
}

// Starting values of the chain. A level file starts from LevelChecksumSeed.
// The profile and highscore files start from ProfileChecksumSeed; their
// writer starts from 0 instead when it has nothing to write, and their
// reader, starting from ProfileChecksumSeed, also accepts a stored 0 when it
// read no line.
constexpr std::uint32_t LevelChecksumSeed = 747;
constexpr std::uint32_t ProfileChecksumSeed = 562;

// Advances the running checksum of a data file by one data line: the value
// becomes the CRC-32 of its own four bytes (least significant first)
// followed by the texts of the line's tokens, front to back, with nothing
// between them. The line is not changed.
void ChecksumChain(std::uint32_t& value, const t4::token_container& line);
