#pragma once

#include <string>

// The search's figures as a level source keeps them: one comment line in the
// header, "// Difficulty (levelrun): ...", that levelrun writes and checks.
namespace replay {

// The line (without its line feed) for the figures of a search: the states
// it expanded, and how many of the moves it tried end in death, with their
// share in per cent to one decimal.
std::string DifficultyLine(long expanded, long deaths, long moves);

// The difficulty line the source holds (without its line feed); empty when
// it has none.
std::string FindDifficultyLine(const std::string& source);

// The source with its difficulty line replaced by the given one, or, when it
// has none, with the line added after its header comment (the "//" lines it
// opens with; at the very top when it opens with none). Everything else stays
// byte for byte.
std::string WithDifficultyLine(const std::string& source, const std::string& line);

// The first line (from 1) at which two texts differ, with both lines as they
// stand ("(none)" past a text's end); 0 when the texts are the same.
struct TextDifference {
    int line = 0;
    std::string kept;
    std::string made;
};
TextDifference FirstDifference(const std::string& kept, const std::string& made);

}  // namespace replay
