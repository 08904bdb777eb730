#include "t4/io/io_exception.h"
#include "t4/io/token_container.h"

#include <gtest/gtest.h>

#include <iterator>
#include <locale>
#include <string>

namespace {

const std::string ParseError = "token_container::operator>> - parse error";

// Reads one value of the named type from a container holding only the
// token; gives the value as text, or the error message.
std::string ReadAs(const std::string& type, const std::string& token, bool& tokenKept)
{
    t4::token_container c;
    c << token;
    std::string result;
    try {
        if (type == "bool") { bool v = false; c >> v; result = v ? "true" : "false"; }
        else if (type == "int") { int v = 0; c >> v; result = std::to_string(v); }
        else if (type == "unsigned") { unsigned v = 0; c >> v; result = std::to_string(v); }
        else if (type == "short") { short v = 0; c >> v; result = std::to_string(v); }
        else if (type == "ushort") { unsigned short v = 0; c >> v; result = std::to_string(v); }
        else if (type == "long") { long v = 0; c >> v; result = std::to_string(v); }
        else if (type == "float") { float v = 0; c >> v; result = std::to_string(v); }
    } catch (const t4::io_exception& e) {
        result = e.what();
    }
    tokenKept = c.size() == 1 && *c.begin() == token;
    return result;
}

// Groups thousands with '.' and uses ',' as decimal point.
struct GroupingPunct : std::numpunct<char> {
    char do_thousands_sep() const override { return '.'; }
    char do_decimal_point() const override { return ','; }
    std::string do_grouping() const override { return "\3"; }
};

}  // namespace

TEST(TokenContainer, TypedReads)
{
    struct Case { const char* type; const char* token; std::string expected; };
    const Case cases[] = {
        {"bool", "1", "true"},
        {"bool", "0", "false"},
        {"bool", "2", ParseError},
        {"bool", "true", ParseError},
        {"int", "12abc", "12"},
        {"int", "-3", "-3"},
        {"int", " 42", "42"},
        {"int", "abc", ParseError},
        {"int", "", ParseError},
        {"int", "2147483648", ParseError},
        {"unsigned", "4294967295", "4294967295"},
        {"unsigned", "4294967296", ParseError},
        {"short", "-32768", "-32768"},
        {"short", "32768", ParseError},
        {"short", "-32769", ParseError},
        {"ushort", "65535", "65535"},
        {"ushort", "65536", ParseError},
        {"long", "2147483647", "2147483647"},
        {"long", "-2147483648", "-2147483648"},
        {"long", "2147483648", ParseError},
        {"long", "-2147483649", ParseError},
        {"long", "99999999999999999999", ParseError},
        {"float", "1.5", std::to_string(1.5f)},
        {"float", "-2e3", std::to_string(-2000.0f)},
        {"float", "x", ParseError},
        {"float", "1e999", ParseError},
    };
    for (const Case& c : cases) {
        bool kept = false;
        EXPECT_EQ(c.expected, ReadAs(c.type, c.token, kept)) << c.type << " from \"" << c.token << "\"";
        EXPECT_EQ(c.expected == ParseError, kept) << c.type << " from \"" << c.token << "\"";
    }
}

TEST(TokenContainer, TypedWrites)
{
    t4::token_container c;
    c << true << false << -5 << 4294967295u << static_cast<short>(-32768)
      << static_cast<unsigned short>(65535) << 2147483647L << -2147483647L - 1 << "text"
      << std::string("");
    const std::string expected[] = {"1", "0", "-5", "4294967295", "-32768", "65535",
                                    "2147483647", "-2147483648", "text", ""};
    ASSERT_EQ(std::size(expected), c.size());
    std::size_t i = 0;
    for (const std::string& token : c)
        EXPECT_EQ(expected[i++], token);
}

TEST(TokenContainer, LongOutsideThirtyTwoBitsIsNotWritten)
{
    t4::token_container c;
    for (long value : {2147483648L, -2147483649L}) {
        try {
            c << value;
            ADD_FAILURE() << value << " was written";
        } catch (const t4::io_exception& e) {
            EXPECT_STREQ("token_container::operator>> - error writing token", e.what());
        }
    }
    EXPECT_TRUE(c.empty());
}

TEST(TokenContainer, ReadingFromEmptyContainer)
{
    t4::token_container c;
    int i = 0;
    std::string s;
    try {
        c >> i;
        FAIL();
    } catch (const t4::io_exception& e) {
        EXPECT_STREQ("token_container::operator>> - no elements in object", e.what());
    }
    try {
        c >> s;
        FAIL();
    } catch (const t4::io_exception& e) {
        EXPECT_STREQ("Kein Token zum Lesen.", e.what());
    }
}

TEST(TokenContainer, LineConstructorReadsInOrder)
{
    t4::token_container c("{7; -3; x}", "; ", "{", "}");
    unsigned u = 0;
    int i = 0;
    std::string s;
    c >> u >> i >> s;
    EXPECT_EQ(7u, u);
    EXPECT_EQ(-3, i);
    EXPECT_EQ("x", s);
    EXPECT_TRUE(c.empty());
}

TEST(TokenContainer, NumbersIgnoreTheGlobalLocale)
{
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new GroupingPunct));
    t4::token_container c;
    c << 1234567 << 65535u;
    c << "2.5" << "1234";
    std::string first, second;
    float f = 0;
    int i = 0;
    c >> first >> second >> f >> i;
    std::locale::global(previous);

    EXPECT_EQ("1234567", first);
    EXPECT_EQ("65535", second);
    EXPECT_FLOAT_EQ(2.5f, f);
    EXPECT_EQ(1234, i);
}
