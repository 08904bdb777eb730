#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "brimal/Exception.h"
#include "kest/KeyNameTable.h"
#include "kest/StringConversionException.h"

namespace {

const char* const NoKeyMessage = "kest::toString() - No match for key / mouse button found";
const char* const NoNameMessage =
    "kest::toKeyboardKey() / kest::toMouseButton() / kest::toJoystickAxis() - No match for string found";

sf::Keyboard::Key key(int number) { return static_cast<sf::Keyboard::Key>(number); }

TEST(KeyNameTable, NamesAndNumbersBothWays) {
    // Spot checks at every group boundary, by number: the stored names stay
    // the old ones where SFML renamed its enumerators.
    const struct {
        int number;
        const char* name;
    } rows[] = {
        {-1, "Unknown"},   {0, "A"},          {25, "Z"},        {26, "Num0"},    {35, "Num9"},
        {36, "Escape"},    {40, "LSystem"},   {45, "Menu"},     {46, "LBracket"}, {48, "SemiColon"},
        {53, "BackSlash"}, {54, "Tilde"},     {56, "Dash"},     {57, "Space"},   {58, "Return"},
        {59, "BackSpace"}, {66, "Delete"},    {67, "Add"},      {70, "Divide"},  {74, "Down"},
        {75, "Numpad0"},   {84, "Numpad9"},   {85, "F1"},       {99, "F15"},     {100, "Pause"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(kest::toString(key(row.number)), row.name);
        EXPECT_EQ(static_cast<int>(kest::toKeyboardKey(row.name)), row.number);
    }
    EXPECT_EQ(kest::toString(sf::Keyboard::Unknown), "Unknown");
    EXPECT_EQ(kest::toKeyboardKey("Return"), sf::Keyboard::Enter);
    EXPECT_EQ(kest::toKeyboardKey("Dash"), sf::Keyboard::Hyphen);
}

TEST(KeyNameTable, EveryKeyHasItsOwnName) {
    std::set<std::string> seen;
    for (int number = -1; number <= 100; ++number) {
        const std::string name = kest::toString(key(number));
        EXPECT_TRUE(seen.insert(name).second) << name;
        EXPECT_EQ(static_cast<int>(kest::toKeyboardKey(name)), number) << name;
    }
}

TEST(KeyNameTable, KeysOutsideTheTableThrow) {
    for (int number : {101, -2, 127}) {
        try {
            kest::toString(key(number));
            ADD_FAILURE() << "no exception for key " << number;
        } catch (const kest::StringConversionException& e) {
            EXPECT_STREQ(e.what(), NoKeyMessage);
        }
    }
}

TEST(KeyNameTable, UnknownNamesThrow) {
    // Names are exact and case-sensitive; the newer SFML spellings are not names.
    for (const char* name : {"pause", "PAUSE", "", " Return", "Return ", "Enter", "Hyphen", "Backslash"}) {
        try {
            kest::toKeyboardKey(name);
            ADD_FAILURE() << "no exception for \"" << name << "\"";
        } catch (const kest::StringConversionException& e) {
            EXPECT_STREQ(e.what(), NoNameMessage);
        }
    }
}

TEST(KeyNameTable, ConversionErrorIsCaughtAsItsBases) {
    EXPECT_THROW(kest::toKeyboardKey("pause"), brimal::Exception);
    EXPECT_THROW(kest::toString(key(101)), std::runtime_error);
    try {
        throw kest::StringConversionException("made with this");
    } catch (const brimal::Exception& e) {
        EXPECT_STREQ(e.what(), "made with this");
    }
}

}  // namespace
