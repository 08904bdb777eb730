#include "levelrun/LevelSourceText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Line = "// Difficulty (levelrun): 9 states expanded, 1 of 3 moves end in death (33.3 %).";

TEST(DifficultyLine, ShowsTheShareToOneDecimal)
{
    EXPECT_EQ(replay::DifficultyLine(552, 1, 6645),
              "// Difficulty (levelrun): 552 states expanded, 1 of 6645 moves end in death (0.0 %).");
    EXPECT_EQ(replay::DifficultyLine(5034, 20212, 60447),
              "// Difficulty (levelrun): 5034 states expanded, 20212 of 60447 moves end in death (33.4 %).");
    // A search that tried no move.
    EXPECT_EQ(replay::DifficultyLine(0, 0, 0),
              "// Difficulty (levelrun): 0 states expanded, 0 of 0 moves end in death (0.0 %).");
}

// The line replaces the one the source keeps, or goes after the header
// comment; the rest of the source stays byte for byte.
TEST(DifficultyLine, IsWrittenIntoTheSource)
{
    struct Case {
        const char* what;
        std::string source;
        std::string written;
    };
    const Case cases[] = {
        {"an old line replaced",
         "// Level 1-1.\n// Difficulty (levelrun): 1 states expanded, 0 of 1 moves end in death (0.0 %).\n"
         "// Hidden: a coin.\nlevel 1-1\n",
         "// Level 1-1.\n" + Line + "\n// Hidden: a coin.\nlevel 1-1\n"},
        {"the same line kept", "// Level 1-1.\n" + Line + "\nlevel 1-1\n", "// Level 1-1.\n" + Line + "\nlevel 1-1\n"},
        {"added after the header", "// Level 1-1.\n// Start: a meadow.\nlevel 1-1\n// a note\n",
         "// Level 1-1.\n// Start: a meadow.\n" + Line + "\nlevel 1-1\n// a note\n"},
        {"added at the top without a header", "level 1-1\n", Line + "\nlevel 1-1\n"},
        {"added to an empty source", "", Line + "\n"},
        {"added after a header without a last line feed", "// Level 1-1.", "// Level 1-1.\n" + Line + "\n"},
        {"the last line replaced without a line feed", "level 1-1\n// Difficulty (levelrun): old",
         "level 1-1\n" + Line},
    };
    for (const Case& c : cases) {
        const std::string written = replay::WithDifficultyLine(c.source, Line);
        EXPECT_EQ(written, c.written) << c.what;
        EXPECT_EQ(replay::FindDifficultyLine(written), Line) << c.what;
        EXPECT_EQ(replay::WithDifficultyLine(written, Line), written) << c.what << ", written twice";
    }
    EXPECT_EQ(replay::FindDifficultyLine("// Level 1-1.\nlevel 1-1\n"), "");
}

TEST(DifficultyLine, FirstDifferenceNamesTheLineAndBothTexts)
{
    struct Case {
        std::string kept;
        std::string made;
        int line;
        std::string keptLine;
        std::string madeLine;
    };
    const Case cases[] = {
        {"a\nb\nc\n", "a\nb\nc\n", 0, "", ""},
        {"a\nb\nc\n", "a\nx\nc\n", 2, "b", "x"},
        {"a\nb\n", "a\nb\nc\n", 3, "(none)", "c"},
        {"a\nb\nc\n", "a\n", 2, "b", "(none)"},
        {"", "a\n", 1, "(none)", "a"},
        {"a\nb", "a\nb\n", 2, "b (no line feed at the end)", "b"},
    };
    for (const Case& c : cases) {
        const replay::TextDifference difference = replay::FirstDifference(c.kept, c.made);
        EXPECT_EQ(difference.line, c.line) << c.kept << " / " << c.made;
        EXPECT_EQ(difference.kept, c.keptLine) << c.kept << " / " << c.made;
        EXPECT_EQ(difference.made, c.madeLine) << c.kept << " / " << c.made;
    }
}

}  // namespace
