#include "t4/io/DataFileFormatter.h"
#include "t4/io/LevelFileName.h"
#include "t4/io/formatter.h"
#include "t4/io/io_exception.h"
#include "t4/io/token_container.h"
#include "t4/io/tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Tokens(const t4::token_container& c)
{
    return std::vector<std::string>(c.begin(), c.end());
}

}  // namespace

TEST(Formatter, DefaultsAndDataFileSeparator)
{
    const t4::formatter f;
    const std::vector<std::string> defaults = {"..:: ", " ::..", ".: ", " :.", "{", "}", ", "};
    for (std::size_t i = 0; i < defaults.size(); ++i)
        EXPECT_EQ(defaults[i], f.get_property(i));

    const t4::formatter data = MakeDataFileFormatter();
    EXPECT_EQ("; ", data.get_property(t4::formatter::separator));
    EXPECT_EQ("{", data.get_property(t4::formatter::data_begin));
}

TEST(Formatter, EmptySeparatorIsRefusedWithLatin1Message)
{
    t4::formatter f;
    try {
        f.set_property(t4::formatter::separator, "");
        FAIL();
    } catch (const t4::io_exception& e) {
        const std::string expected = std::string("formatter::set_property - leere Trennsequenz ") +
                                     static_cast<char>(0xFC) + "bergeben";
        EXPECT_EQ(expected, e.what());
    }
    EXPECT_EQ(", ", f.get_property(t4::formatter::separator));
    f.set_property(t4::formatter::data_begin, "");  // only the separator is checked
    EXPECT_EQ("", f.get_property(t4::formatter::data_begin));
}

TEST(Tokenizer, SplitsVerbatim)
{
    struct Case { std::string line; std::string separator; std::vector<std::string> tokens; };
    const Case cases[] = {
        {"{1; x}", "; ", {"1", "x"}},
        {"{a;}", "; ", {"a;"}},
        {"{a; }", "; ", {"a", ""}},
        {"{a; ; b}", "; ", {"a", "", "b"}},
        {"{; }", "; ", {"", ""}},
        {"{ a b }", "; ", {" a b "}},
        {"{{x}}", "; ", {"{x}"}},
        {"..:: A; B ::..", std::string(1, '\0'), {"A; B"}},
    };
    for (const Case& c : cases) {
        const std::string begin = c.line.substr(0, c.line[0] == '.' ? 5 : 1);
        const std::string end = c.line[0] == '.' ? " ::.." : "}";
        t4::token_container tokens;
        tokens << "old";
        t4::tokenizer::tokenize(c.line, c.separator, begin, end, tokens);
        EXPECT_EQ(c.tokens, Tokens(tokens)) << c.line;
        EXPECT_EQ(c.line, t4::tokenizer::join(tokens, c.separator, begin, end));
    }
}

TEST(Tokenizer, Failures)
{
    struct Case { std::string line; std::string separator; std::string message; };
    const Case cases[] = {
        {"{}", "; ", "tokenizer::tokenize - too few characters in string for begin/end of sequence"},
        {"{", "; ", "tokenizer::tokenize - too few characters in string for begin/end of sequence"},
        {"[a]", "; ", "tokenizer::tokenize - mismatch begin/end of sequence"},
        {"{ab", "; ", "tokenizer::tokenize - mismatch begin/end of sequence"},
        {"{a}", "", "tokenizer::tokenize - empty separator is invalid"},
    };
    for (const Case& c : cases) {
        t4::token_container tokens;
        tokens << "kept";
        try {
            t4::tokenizer::tokenize(c.line, c.separator, "{", "}", tokens);
            ADD_FAILURE() << c.line << " was split";
        } catch (const t4::io_exception& e) {
            EXPECT_EQ(c.message, e.what()) << c.line;
        }
        EXPECT_EQ(std::vector<std::string>{"kept"}, Tokens(tokens)) << c.line;
    }
}

TEST(LevelFileName, DecimalWithoutPadding)
{
    EXPECT_EQ("Lvl/Level 1-3.txt", LevelFileName(1, 3));
    EXPECT_EQ("Lvl/Level 0-12.txt", LevelFileName(0, 12));
    EXPECT_EQ("Lvl/Level 65535-0.txt", LevelFileName(65535, 0));
}
