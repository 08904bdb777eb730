#include "game/objects/AnimationTables.h"
#include "game/objects/EnemyTypeTable.h"
#include "game/objects/LiftTypeTable.h"
#include "game/objects/SceneryTypeTable.h"
#include "game/objects/WeaponKind.h"
#include "game/objects/WeaponTypeTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::int32_t Never = EnemyTypeTable::Never;

TEST(KindTables, LookupsOutsideATableAreErrors) {
    for (std::int32_t kind : {-1, EnemyTypeTable::Size, 1000})
        EXPECT_THROW(EnemyTypeTable::Get(kind), std::out_of_range) << kind;
    for (std::int32_t kind : {-1, WeaponTypeTable::Size})
        EXPECT_THROW(WeaponTypeTable::Get(kind), std::out_of_range) << kind;
    for (std::int32_t kind : {-1, LiftTypeTable::Size})
        EXPECT_THROW(LiftTypeTable::Get(kind), std::out_of_range) << kind;
    for (std::int32_t kind : {-1, SceneryTypeTable::Size})
        EXPECT_THROW(SceneryTypeTable::Get(kind), std::out_of_range) << kind;
    EXPECT_NO_THROW(EnemyTypeTable::Get(EnemyTypeTable::Size - 1));
    EXPECT_NO_THROW(SceneryTypeTable::Get(SceneryTypeTable::Size - 1));
}

TEST(KindTables, EnemyRows) {
    struct Row {
        sf::IntRect rect;  // in the object texture
        int boxWidth, boxHeight;
        float maxSpeed, jump;
        std::int32_t jumpInterval;
        bool flying;
        std::int32_t weapon, fireInterval;
        float shotHeight;
        bool randomFire;
        std::uint16_t value;
        bool stompProof;
    };
    const Row rows[EnemyTypeTable::Size] = {
        /*  0 */ {{152, 90, 21, 35}, 21, 35, 1.5f, 0, Never, false, WeaponNone, Never, 0, false, 10, false},
        /*  1 */ {{173, 90, 21, 35}, 21, 35, 1.5f, 7, 100, false, WeaponNone, Never, 0, false, 15, false},
        /*  2 */ {{194, 90, 32, 35}, 24, 35, 0, 0, Never, false, 3, 100, 21, false, 20, false},
        /*  3 */ {{0, 0, 28, 13}, 28, 13, 0, 0, Never, false, 5, 60, 0, true, 80, true},
        /*  4 */ {{28, 0, 31, 44}, 31, 44, 2.5f, 0, Never, false, WeaponNone, Never, 0, false, 20, false},
        /*  5 */ {{59, 0, 31, 44}, 31, 44, 2.5f, 0, Never, false, WeaponNone, Never, 0, false, 50, true},
        /*  6 */ {{90, 0, 31, 44}, 31, 44, 2.5f, 8, 1, false, WeaponNone, Never, 0, false, 30, false},
        /*  7 */ {{121, 0, 31, 44}, 31, 44, 2.5f, 0, Never, false, 4, 80, 4, false, 40, false},
        /*  8 */ {{152, 0, 48, 18}, 48, 18, 2.7f, 0, Never, true, WeaponNone, Never, 0, false, 30, false},
        /*  9 */ {{200, 0, 48, 18}, 48, 18, 4.8f, 0, Never, true, WeaponNone, Never, 0, false, 70, true},
        /* 10 */ {{248, 0, 48, 18}, 48, 18, 2.7f, 0, Never, true, 4, 80, 4, false, 50, false},
        /* 11 */ {{296, 0, 22, 46}, 22, 46, 0, 0, Never, false, WeaponNone, Never, 0, false, 10, true},
        /* 12 */ {{0, 13, 26, 63}, 26, 63, 4, 0, Never, false, WeaponNone, Never, 0, false, 25, false},
        /* 13 */ {{226, 90, 18, 35}, 18, 35, 3, 10, 100, false, WeaponNone, Never, 0, false, 30, false},
        /* 14 */ {{244, 90, 23, 35}, 24, 35, 3, 0, Never, false, 6, 130, 21, false, 30, false},
        /* 15 */ {{267, 90, 23, 35}, 24, 35, 3, 0, Never, false, 7, 120, 25, false, 20, false},
        /* 16 */ {{26, 220, 40, 21}, 40, 21, 3, 0, Never, true, WeaponNone, Never, 0, false, 30, false},
        /* 17 */ {{66, 220, 40, 21}, 40, 21, 3, 0, Never, true, 8, 70, 20, false, 40, false},
        /* 18 */ {{106, 220, 40, 21}, 40, 21, 5, 0, Never, true, 9, 20, 20, false, 55, false},
    };
    for (std::int32_t kind = 0; kind < EnemyTypeTable::Size; ++kind) {
        SCOPED_TRACE(kind);
        const EnemyType& type = EnemyTypeTable::Get(kind);
        const Row& row = rows[kind];
        EXPECT_EQ(type.textureRect, row.rect);
        EXPECT_EQ(type.box, sf::IntRect(0, 0, row.boxWidth, row.boxHeight));
        EXPECT_EQ(type.textureRect.height, row.boxHeight);  // frames stack by the box height
        EXPECT_FLOAT_EQ(type.maxSpeed, row.maxSpeed);
        EXPECT_FLOAT_EQ(type.jumpStrength, row.jump);
        EXPECT_EQ(type.jumpInterval, row.jumpInterval);
        EXPECT_EQ(type.flying, row.flying);
        EXPECT_EQ(type.weapon, row.weapon);
        EXPECT_EQ(type.fireInterval, row.fireInterval);
        EXPECT_FLOAT_EQ(type.shotHeight, row.shotHeight);
        EXPECT_EQ(type.randomFire, row.randomFire);
        EXPECT_EQ(type.value, row.value);
        EXPECT_EQ(type.stompProof, row.stompProof);
    }
}

TEST(KindTables, WeaponRows) {
    struct Row {
        sf::IntRect rect;
        float maxSpeed, jump;
        bool flying;
        float spin;
    };
    const Row rows[WeaponTypeTable::Size] = {
        {{0, 0, 22, 17}, 12, 0, true, 0},   {{22, 0, 21, 21}, 4, 0, false, 12}, {{43, 0, 30, 6}, 0, 0, false, 0},
        {{22, 21, 19, 8}, 10, 0, true, 0},  {{22, 73, 10, 10}, 6, 6, false, 0}, {{22, 73, 10, 10}, 0, 0, false, 0},
        {{22, 59, 19, 14}, 12, 0, true, 0}, {{73, 0, 13, 13}, 7, 5, false, 0},  {{92, 0, 9, 23}, 0, 0, false, 0},
        {{101, 0, 9, 23}, 0, 0, false, 0},
    };
    for (std::int32_t kind = 0; kind < WeaponTypeTable::Size; ++kind) {
        SCOPED_TRACE(kind);
        const WeaponType& type = WeaponTypeTable::Get(kind);
        EXPECT_EQ(type.textureRect, rows[kind].rect);
        EXPECT_FLOAT_EQ(type.maxSpeed, rows[kind].maxSpeed);
        EXPECT_FLOAT_EQ(type.jumpStrength, rows[kind].jump);
        EXPECT_EQ(type.flying, rows[kind].flying);
        EXPECT_FLOAT_EQ(type.spin, rows[kind].spin);
    }
}

TEST(KindTables, LiftRowsAreStackedPlatesOfOneSize) {
    for (std::int32_t kind = 0; kind < LiftTypeTable::Size; ++kind)
        EXPECT_EQ(LiftTypeTable::Get(kind), sf::IntRect(146, 266 + 11 * kind, 52, 11)) << kind;
}

// Animated scenery is exactly the scenery whose animation has more than one
// frame; the swinging kinds are 9 (along y) and none along x.
TEST(KindTables, SceneryModesMatchTheirAnimations) {
    int swinging = 0;
    for (std::int32_t kind = 0; kind < SceneryTypeTable::Size; ++kind) {
        const std::int32_t mode = SceneryTypeTable::Get(kind).mode;
        const bool animated = mode == SceneryFramesAcross || mode == SceneryFramesDown;
        EXPECT_EQ(animated, SceneryAnimations[kind].GetFrameCount() > 1) << kind;
        EXPECT_TRUE(mode >= SceneryStatic && mode <= ScenerySwingY) << kind;
        if (mode == ScenerySwingX || mode == ScenerySwingY)
            ++swinging;
    }
    EXPECT_EQ(SceneryTypeTable::Get(9).mode, ScenerySwingY);
    EXPECT_EQ(swinging, 1);
    // Some rows of the table, with their modes.
    const struct {
        std::int32_t kind;
        sf::IntRect rect;
        std::int32_t mode;
    } rows[] = {
        {0, {0, 0, 32, 106}, 0},    {4, {98, 0, 27, 11}, 2},      {5, {0, 182, 29, 21}, 1},
        {9, {57, 88, 58, 39}, 4},   {15, {189, 139, 8, 6}, 1},    {20, {0, 154, 61, 7}, 2},
        {23, {330, 54, 71, 35}, 2}, {25, {134, 108, 55, 65}, 0},  {36, {272, 80, 20, 93}, 0},
        {42, {253, 141, 19, 32}, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SceneryTypeTable::Get(row.kind).textureRect, row.rect) << row.kind;
        EXPECT_EQ(SceneryTypeTable::Get(row.kind).mode, row.mode) << row.kind;
    }
}

// The glowing tube, the ember and lava crystals, the energy cells and the
// lit lamp glow; nothing else does.
TEST(KindTables, GlowingSceneryKinds) {
    std::vector<std::int32_t> glowing;
    for (std::int32_t kind = 0; kind < SceneryTypeTable::Size; ++kind)
        if (SceneryTypeTable::Get(kind).glows)
            glowing.push_back(kind);
    EXPECT_EQ(glowing, (std::vector<std::int32_t>{19, 29, 30, 31, 32, 33, 42}));
}

// Every frame that the objects can show must lie inside the least texture
// sizes that the content build makes.
bool Inside(const sf::IntRect& rect, int width, int height) {
    return rect.left >= 0 && rect.top >= 0 && rect.left + rect.width <= width && rect.top + rect.height <= height;
}

TEST(KindTables, EveryFrameLiesInsideItsTexture) {
    const int objectWidth = 318, objectHeight = 322;
    const int itemWidth = 150, itemHeight = 153;
    const int sceneryWidth = 401, sceneryHeight = 242;

    for (std::int32_t kind = 0; kind < EnemyTypeTable::Size; ++kind) {
        sf::IntRect last = EnemyTypeTable::Get(kind).textureRect;
        std::uint32_t rows = EnemyAnimations[kind].GetFrameCount();
        if (kind <= 2)
            rows += 1;  // the airborne pose below the frames
        if (kind == 11)
            rows = 29 * 7 / 30 + 1;  // the faller's death frames
        last.top += static_cast<int>(rows - 1) * last.height;
        EXPECT_TRUE(Inside(last, objectWidth, objectHeight)) << "enemy " << kind;
    }
    for (std::int32_t kind = 0; kind < LiftTypeTable::Size; ++kind)
        EXPECT_TRUE(Inside(LiftTypeTable::Get(kind), objectWidth, objectHeight)) << "lift " << kind;
    for (std::int32_t kind = 0; kind < WeaponTypeTable::Size; ++kind) {
        sf::IntRect last = WeaponTypeTable::Get(kind).textureRect;
        last.top += static_cast<int>(WeaponAnimations[kind].GetFrameCount() - 1) * last.height;
        EXPECT_TRUE(Inside(last, itemWidth, itemHeight)) << "weapon " << kind;
    }
    for (std::int32_t kind = 0; kind < SceneryTypeTable::Size; ++kind) {
        const SceneryType& type = SceneryTypeTable::Get(kind);
        sf::IntRect last = type.textureRect;
        const int more = static_cast<int>(SceneryAnimations[kind].GetFrameCount() - 1);
        if (type.mode == SceneryFramesAcross)
            last.left += more * last.width;
        if (type.mode == SceneryFramesDown)
            last.top += more * last.height;
        EXPECT_TRUE(Inside(last, sceneryWidth, sceneryHeight)) << "scenery " << kind;
    }
}

}  // namespace
