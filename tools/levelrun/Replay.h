#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A recorded run of a level: the keys held in each step of the game, from
// the first step of a new game on.
//
// The text form holds one run of steps a line: the number of steps, then the
// letters of the keys held, or "-" for none ("12 R J" is twelve steps holding
// Right and Jump). Lines starting with '#' are comments.
namespace replay {

// The actions Left to Mine (KeyAction 0 to 8), one bit each.
using HeldKeys = std::uint16_t;
using Replay = std::vector<HeldKeys>;

constexpr std::size_t ActionCount = 9;
// The letters of the actions in KeyAction order.
constexpr char KeyLetters[ActionCount + 1] = "LRUDJPKBM";

constexpr HeldKeys Bit(std::uint32_t action) { return static_cast<HeldKeys>(1u << action); }

// The comment line that explains the letters.
std::string LetterLegend();

// The text form: the comment lines (each written with "# "), the legend,
// then the runs.
std::string FormatReplay(const Replay& steps, const std::vector<std::string>& comments);
// Throws std::runtime_error naming the line of a malformed run.
Replay ParseReplay(const std::string& text);

// Throw std::runtime_error when the file cannot be read or written.
Replay ReadReplayFile(const std::string& path);
void WriteReplayFile(const std::string& path, const std::string& text);

}  // namespace replay
