#include "game/objects/Animation.h"
#include "game/render/ColorTables.h"
#include "game/world/FrameProperty.h"
#include "game/world/ItemProperty.h"
#include "game/world/MultiProperty.h"
#include "game/world/TargetProperty.h"
#include "game/world/TextProperty.h"
#include "game/world/Tile.h"
#include "game/world/TileAppearance.h"
#include "game/world/TileFlags.h"

#include "t4/io/io_exception.h"
#include "t4/io/token_container.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

Tile MakeTile(std::uint32_t id, bool switchedOn = false) {
    Tile tile;
    tile.id = id;
    CreateTileProperty(tile, switchedOn);
    return tile;
}

Tile WithFrame(std::uint32_t id, std::int32_t frame) {
    Tile tile = MakeTile(id);
    tile.GetFrameProperty().frame = frame;
    return tile;
}

std::vector<std::string> Tokens(const t4::token_container& tokens) {
    return std::vector<std::string>(tokens.begin(), tokens.end());
}

TEST(TileFlags, TableByGroup) {
    struct Row {
        std::uint32_t first, last, flags;
        bool solid;  // with a fresh property (frame 0 where there is one)
    };
    const std::vector<Row> rows = {
        {0, 0, 0x10001, false},     {1, 1, 0x2401, true},       {2, 4, 0x0C01, true},
        {5, 5, 0x0001, false},      {6, 6, 0x0201, false},      {7, 7, 0x0001, false},
        {8, 8, 0x8001, false},      {9, 9, 0xA201, true},       {10, 10, 0x8201, false},
        {11, 11, 0x2201, true},     {12, 12, 0x0201, false},    {13, 13, 0x2201, true},
        {14, 21, 0x0001, false},    {22, 22, 0x10001, false},   {23, 23, 0x0001, false},
        {24, 24, 0x13001, true},    {100, 109, 0x1002, true},   {110, 111, 0x5002, true},
        {112, 112, 0x1002, true},   {113, 113, 0x5002, true},   {114, 125, 0x1002, true},
        {128, 140, 0x0004, false},  {142, 154, 0x0008, false},  {156, 158, 0x0010, false},
        {164, 169, 0x0020, false},  {170, 170, 0x0240, true},   {177, 177, 0x0240, true},
        {184, 184, 0x0240, true},   {198, 198, 0x5080, false},  {212, 212, 0x5180, false},
        {226, 226, 0x5080, false},  {240, 240, 0x5180, false},
    };
    std::vector<bool> listed(300, false);
    for (const Row& row : rows) {
        for (std::uint32_t id = row.first; id <= row.last; ++id) {
            SCOPED_TRACE(id);
            listed[id] = true;
            EXPECT_EQ(GetTileFlags(id), row.flags);
            EXPECT_EQ(IsTileSolid(MakeTile(id)), row.solid);
        }
    }
    for (std::uint32_t id = 0; id < listed.size(); ++id) {
        if (!listed[id]) {
            EXPECT_EQ(GetTileFlags(id), 0u) << id;
        }
    }
    EXPECT_EQ(GetTileFlags(0xFFFFFFFFu), 0u);
}

TEST(TileFlags, SolidityFollowsTheFrame) {
    EXPECT_TRUE(IsTileSolid(WithFrame(170, 27)));
    EXPECT_FALSE(IsTileSolid(WithFrame(170, 28)));
    EXPECT_FALSE(IsTileSolid(WithFrame(177, 115)));
    EXPECT_TRUE(IsTileSolid(WithFrame(3, 0)));
    EXPECT_FALSE(IsTileSolid(WithFrame(3, 1)));
    // Walls and solid specials do not look at a frame at all.
    EXPECT_TRUE(IsTileSolid(MakeTile(11, true)));
}

TEST(TileFlags, PassKinds) {
    EXPECT_EQ(GetPassKind(MakeTile(0)), PassFree);
    EXPECT_EQ(GetPassKind(MakeTile(105)), PassSolid);
    EXPECT_EQ(GetPassKind(MakeTile(157)), PassWalkerSolid);
    EXPECT_EQ(GetPassKind(MakeTile(22)), PassEnemyBarrier);
    EXPECT_EQ(GetPassKind(MakeTile(17)), PassLeftwardsOnly);
    EXPECT_EQ(GetPassKind(MakeTile(18)), PassRightwardsOnly);
    EXPECT_EQ(GetPassKind(MakeTile(19)), PassPlatform);
    EXPECT_EQ(GetPassKind(MakeTile(20)), PassSolidFromBelow);
    EXPECT_EQ(GetPassKind(WithFrame(170, 40)), PassFree);
}

TEST(TileProperty, CreatedForEachId) {
    EXPECT_EQ(MakeTile(1).GetItemProperty().item, 0);
    for (std::uint32_t id : {2u, 3u, 4u, 13u, 170u, 177u, 184u}) {
        EXPECT_EQ(MakeTile(id, false).GetFrameProperty().frame, 0) << id;
        EXPECT_EQ(MakeTile(id, true).GetFrameProperty().frame, 0) << id;
    }
    for (std::uint32_t id : {6u, 9u, 10u, 11u, 12u}) {
        EXPECT_EQ(MakeTile(id, false).GetFrameProperty().frame, 1) << id;
        EXPECT_EQ(MakeTile(id, true).GetFrameProperty().frame, 0) << id;
    }
    EXPECT_TRUE(MakeTile(8).GetTargetProperty().targets.empty());
    EXPECT_TRUE(MakeTile(9).GetTargetProperty().targets.empty());
    EXPECT_EQ(MakeTile(23).GetTextProperty().text, "");
    for (std::uint32_t id : {0u, 5u, 7u, 24u, 100u, 198u})
        EXPECT_FALSE(MakeTile(id).property) << id;

    // Remaking the property for a new id drops the old one.
    Tile tile = MakeTile(23);
    tile.id = 0;
    CreateTileProperty(tile, false);
    EXPECT_FALSE(tile.property);
}

TEST(TileProperty, MissingKindIsALogicError) {
    const Tile empty = MakeTile(0);
    const Tile sign = MakeTile(23);
    const Tile switchTile = MakeTile(9);
    EXPECT_THROW(empty.GetFrameProperty(), std::logic_error);
    EXPECT_THROW(sign.GetFrameProperty(), std::logic_error);
    EXPECT_THROW(switchTile.GetTextProperty(), std::logic_error);
    EXPECT_THROW(switchTile.GetItemProperty(), std::logic_error);
    try {
        empty.GetTargetProperty();
        FAIL();
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "unreachable");
    }
    // An unsolid-looking tile without its frame cannot be judged either.
    Tile broken;
    broken.id = 170;
    EXPECT_THROW(IsTileSolid(broken), std::logic_error);
}

TEST(TileProperty, TokenRoundTrips) {
    struct Case {
        const char* name;
        std::uint32_t id;
        std::vector<std::string> tokens;  // as written
    };
    const std::vector<Case> cases = {
        {"item block", 1, {"7"}},
        {"warp", 8, {"3", "4"}},
        {"switch: the frame writes nothing", 9, {"-2", "5", "10", "1", "10", "2"}},
        {"sign", 23, {"a^b"}},
        {"sign with an empty text", 23, {""}},
        {"sign with breaks at the ends", 23, {"^Hello you^^"}},
        {"frame only", 13, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Tile read = MakeTile(c.id);
        t4::token_container line;
        for (const std::string& token : c.tokens)
            line << token;
        read.property->Read(line);
        EXPECT_TRUE(line.empty());

        t4::token_container written;
        read.property->Write(written);
        EXPECT_EQ(Tokens(written), c.tokens);
    }

    Tile sign = MakeTile(23);
    sign.GetTextProperty().text = "a\nb";
    t4::token_container written;
    sign.property->Write(written);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(*written.begin(), "a^b");
    Tile back = MakeTile(23);
    back.property->Read(written);
    EXPECT_EQ(back.GetTextProperty().text, "a\nb");
}

TEST(TileProperty, TargetsAreSortedAndHeldOnce) {
    Tile warp = MakeTile(8);
    t4::token_container line;
    for (const char* token : {"5", "1", "2", "9", "5", "1", "2", "3"})
        line << token;
    warp.property->Read(line);
    const auto& targets = warp.GetTargetProperty().targets;
    ASSERT_EQ(targets.size(), 3u);
    EXPECT_EQ(*targets.begin(), TilePos(2, 3));
    EXPECT_EQ(*targets.rbegin(), TilePos(5, 1));

    t4::token_container odd;
    odd << "1" << "2" << "3";
    EXPECT_THROW(MakeTile(8).property->Read(odd), t4::io_exception);
    t4::token_container bad;
    bad << "x";
    EXPECT_THROW(MakeTile(1).property->Read(bad), t4::io_exception);
}

TEST(TileProperty, CopiesAreIndependent) {
    Tile original = MakeTile(9);
    original.GetTargetProperty().targets.insert(TilePos(4, 5));
    original.GetFrameProperty().frame = 3;

    Tile copy = original;
    ASSERT_NE(copy.property.get(), original.property.get());
    copy.GetTargetProperty().targets.insert(TilePos(6, 7));
    copy.GetFrameProperty().frame = 0;
    EXPECT_EQ(original.GetTargetProperty().targets.size(), 1u);
    EXPECT_EQ(original.GetFrameProperty().frame, 3);
    EXPECT_EQ(copy.GetTargetProperty().targets.size(), 2u);

    Tile sign = MakeTile(23);
    sign.GetTextProperty().text = "one";
    Tile assigned = MakeTile(1);
    assigned = sign;
    assigned.GetTextProperty().text = "two";
    EXPECT_EQ(sign.GetTextProperty().text, "one");
    EXPECT_EQ(assigned.GetTextProperty().text, "two");

    Tile moved = std::move(assigned);
    EXPECT_FALSE(assigned.property);
    EXPECT_EQ(moved.GetTextProperty().text, "two");

    Tile emptyCopy = MakeTile(0);
    Tile fromEmpty = emptyCopy;
    EXPECT_FALSE(fromEmpty.property);
}

// A property that counts its live copies and can be told to fail a copy.
class CountedProperty final : public TileProperty {
public:
    CountedProperty() { ++alive; }
    CountedProperty(const CountedProperty& other) : TileProperty(other), failCopy(other.failCopy) {
        if (failCopy)
            throw std::runtime_error("copy failed");
        ++alive;
    }
    ~CountedProperty() override { --alive; }
    void Write(t4::token_container&) const override {}
    void Read(t4::token_container&) override {}

    bool failCopy = false;
    static int alive;
};
int CountedProperty::alive = 0;

TEST(TileProperty, FailedCopyLeavesNothingBehind) {
    {
        Tile tile;
        auto* multi = new MultiProperty;
        tile.property.reset(multi);
        multi->parts.push_back(TilePropertyPtr(new CountedProperty));
        multi->parts.push_back(TilePropertyPtr(new CountedProperty));
        auto* failing = new CountedProperty;
        failing->failCopy = true;
        multi->parts.push_back(TilePropertyPtr(failing));
        ASSERT_EQ(CountedProperty::alive, 3);

        EXPECT_THROW({ Tile copy = tile; }, std::runtime_error);
        EXPECT_EQ(CountedProperty::alive, 3);

        // Replacing a property deletes the old one.
        Tile other;
        other.property.reset(new CountedProperty);
        EXPECT_EQ(CountedProperty::alive, 4);
        other.property.reset(new FrameProperty);
        EXPECT_EQ(CountedProperty::alive, 3);
    }
    EXPECT_EQ(CountedProperty::alive, 0);
}

TEST(TileAppearance, Alpha) {
    EXPECT_EQ(GetTileAlpha(WithFrame(170, 27)), 255);
    EXPECT_EQ(GetTileDrawAlpha(WithFrame(170, 27)), 10);
    EXPECT_EQ(GetTileDrawAlpha(WithFrame(170, 0)), 255);
    EXPECT_EQ(GetTileAlpha(WithFrame(170, 28)), 0);
    EXPECT_EQ(GetTileDrawAlpha(WithFrame(170, 28)), 0);
    EXPECT_EQ(GetTileAlpha(WithFrame(170, 109)), 0);
    EXPECT_EQ(GetTileAlpha(WithFrame(170, 110)), 0);
    EXPECT_EQ(GetTileAlpha(WithFrame(170, 115)), 128);
    EXPECT_EQ(GetTileAlpha(WithFrame(170, 119)), 230);

    EXPECT_EQ(GetTileAlpha(WithFrame(2, 0)), 255);
    EXPECT_EQ(GetTileAlpha(WithFrame(2, 1)), 0);
    EXPECT_EQ(GetTileAlpha(WithFrame(2, 309)), 0);
    EXPECT_EQ(GetTileAlpha(WithFrame(2, 315)), 128);

    // Switchable tiles ramp over their 14-tick period.
    Tile rising = MakeTile(11);
    Tile falling = MakeTile(12);
    EXPECT_EQ(GetTileAlpha(rising), 255);
    EXPECT_EQ(GetTileAlpha(falling), 85);
    rising.counter = falling.counter = 7;  // 7 * 255 / 14 = 127; 127 * 2 / 3 = 84
    EXPECT_EQ(GetTileAlpha(rising), 169);
    EXPECT_EQ(GetTileAlpha(falling), 171);
    rising.counter = falling.counter = 13;  // 236 * 2 / 3 = 157
    EXPECT_EQ(GetTileAlpha(rising), 242);
    EXPECT_EQ(GetTileAlpha(falling), 98);

    EXPECT_EQ(GetTileAlpha(MakeTile(105)), 255);
}

TEST(TileAppearance, Frames) {
    Tile trampoline = MakeTile(13);
    trampoline.counter = 3;
    EXPECT_EQ(GetTileAnimationStep(trampoline), 2);
    Tile switchTile = MakeTile(9);
    switchTile.counter = 3;  // mirrored: steps upwards
    EXPECT_EQ(GetTileAnimationStep(switchTile), -2);

    for (auto [id, frame] : std::vector<std::pair<std::uint32_t, int>>{
             {14, 2}, {24, 2}, {22, 1}, {170, 3}, {177, 3}, {184, 3}, {1, 0}, {105, 0}})
        EXPECT_EQ(GetStaticTileFrame(MakeTile(id)), frame) << id;

    // An id without an animation gets the still one, which is kept.
    Tile wall = MakeTile(101);
    wall.counter = 57;
    EXPECT_EQ(GetTileAnimationStep(wall), 0);
    EXPECT_EQ(GetTileAnimation(wall).GetPeriod(), 1u);
}

TEST(TileAppearance, SpecialCells) {
    EXPECT_EQ(GetSpecialTileCell(1), sf::Vector2i(0, 0));
    EXPECT_EQ(GetSpecialTileCell(8), sf::Vector2i(2, 8));
    EXPECT_EQ(GetSpecialTileCell(13), sf::Vector2i(0, 6));
    EXPECT_EQ(GetSpecialTileCell(21), sf::Vector2i(11, 0));
    EXPECT_EQ(GetSpecialTileCell(23), sf::Vector2i(0, 4));
    EXPECT_EQ(GetSpecialTileCell(24), sf::Vector2i(3, 8));
    for (std::uint32_t id : {0u, 25u, 100u}) {
        try {
            GetSpecialTileCell(id);
            ADD_FAILURE() << id;
        } catch (const std::logic_error& error) {
            EXPECT_STREQ(error.what(), "switch: default impossible");
        }
    }
}

TEST(TileAppearance, TextureRects) {
    EXPECT_EQ(GetTileTextureRect(MakeTile(130), false, true), sf::IntRect(0, 72, 36, 36));
    EXPECT_EQ(GetTileTextureRect(MakeTile(144), false, true), sf::IntRect(0, 72, 36, 36));
    EXPECT_EQ(GetTileTextureRect(MakeTile(130), false, false), sf::IntRect(72, 72, 36, 36));
    EXPECT_EQ(GetTileTextureRect(MakeTile(125), true, false), sf::IntRect(36, 396, 36, 36));

    // Normal tiles never reach the special cell table.
    for (std::uint32_t id = 100; id <= 240; ++id) {
        if (GetTileFlags(id) == 0)
            continue;
        Tile tile = MakeTile(id);
        EXPECT_NO_THROW(GetTileTextureRect(tile, true, true)) << id;
        EXPECT_NO_THROW(GetTileTextureRect(tile, false, false)) << id;
    }

    // Fading and deadly tiles add their step to the row; walls do not.
    Tile fading = MakeTile(177);  // column 5, row 7
    EXPECT_EQ(GetTileTextureRect(fading, false, false), sf::IntRect(180, 360, 36, 36));
    fading.counter = 5;  // frame 1
    EXPECT_EQ(GetTileTextureRect(fading, true, false), sf::IntRect(180, 288, 36, 36));
    Tile lava = MakeTile(212);  // column 8, row 0
    lava.counter = 35;         // frame 11
    EXPECT_EQ(GetTileTextureRect(lava, true, false), sf::IntRect(288, 396, 36, 36));

    // Special tiles: the cell plus the step; mirrored ones step upwards.
    Tile coin = MakeTile(21);
    coin.counter = 2;
    EXPECT_EQ(GetTileTextureRect(coin, true, false), sf::IntRect(396, 0, 36, 36));
    coin.counter = 3;
    EXPECT_EQ(GetTileTextureRect(coin, true, false), sf::IntRect(396, 36, 36, 36));
    Tile switchTile = MakeTile(9);
    switchTile.counter = 1;
    EXPECT_EQ(GetTileTextureRect(switchTile, true, false), sf::IntRect(108, 216, 36, 36));
    EXPECT_EQ(GetTileTextureRect(MakeTile(24), false, false), sf::IntRect(108, 360, 36, 36));
}

TEST(ColorTables, Entries) {
    EXPECT_EQ(BlackColor, sf::Color(0, 0, 0, 255));
    EXPECT_EQ(PopupColors.front(), sf::Color(255, 0, 130, 255));
    EXPECT_EQ(PopupColors.back(), sf::Color(200, 255, 255, 255));
    EXPECT_EQ(WorldBackgroundColors[1], sf::Color(120, 90, 80, 255));
}

}  // namespace
