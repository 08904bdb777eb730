#include "game/objects/SceneryTypeTable.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

// kind: left, top, width, height; mode; glows
const std::array<SceneryType, SceneryTypeTable::Size> Rows = {{
    /*  0 */ {{0, 0, 32, 106}, SceneryStatic, false},
    /*  1 */ {{32, 0, 33, 96}, SceneryStatic, false},
    /*  2 */ {{65, 50, 30, 38}, SceneryStatic, false},
    /*  3 */ {{65, 0, 33, 50}, SceneryStatic, false},
    /*  4 */ {{98, 0, 27, 11}, SceneryFramesDown, false},
    /*  5 */ {{0, 182, 29, 21}, SceneryFramesAcross, false},
    /*  6 */ {{0, 125, 74, 29}, SceneryStatic, false},
    /*  7 */ {{0, 106, 54, 19}, SceneryStatic, false},
    /*  8 */ {{128, 74, 30, 14}, SceneryStatic, false},
    /*  9 */ {{57, 88, 58, 39}, ScenerySwingY, false},
    /* 10 */ {{98, 44, 29, 23}, SceneryStatic, false},
    /* 11 */ {{100, 67, 28, 21}, SceneryStatic, false},
    /* 12 */ {{127, 40, 22, 34}, SceneryFramesAcross, false},
    /* 13 */ {{125, 0, 18, 27}, SceneryFramesAcross, false},
    /* 14 */ {{215, 41, 15, 19}, SceneryFramesAcross, false},
    /* 15 */ {{189, 139, 8, 6}, SceneryFramesAcross, false},
    /* 16 */ {{0, 203, 26, 22}, SceneryFramesAcross, false},
    /* 17 */ {{0, 225, 28, 17}, SceneryFramesAcross, false},
    /* 18 */ {{74, 127, 37, 21}, SceneryStatic, false},
    /* 19 */ {{134, 173, 22, 52}, SceneryFramesAcross, true},
    /* 20 */ {{0, 154, 61, 7}, SceneryFramesDown, false},
    /* 21 */ {{116, 88, 21, 20}, SceneryStatic, false},
    /* 22 */ {{137, 88, 21, 20}, SceneryStatic, false},
    /* 23 */ {{330, 54, 71, 35}, SceneryFramesDown, false},
    /* 24 */ {{134, 108, 55, 45}, SceneryStatic, false},
    /* 25 */ {{134, 108, 55, 65}, SceneryStatic, false},
    /* 26 */ {{158, 74, 71, 34}, SceneryStatic, false},
    /* 27 */ {{275, 0, 75, 54}, SceneryStatic, false},
    /* 28 */ {{197, 0, 39, 37}, SceneryStatic, false},
    /* 29 */ {{189, 145, 19, 28}, SceneryStatic, true},
    /* 30 */ {{208, 145, 26, 28}, SceneryStatic, true},
    /* 31 */ {{190, 108, 17, 27}, SceneryStatic, true},
    /* 32 */ {{207, 108, 21, 30}, SceneryStatic, true},
    /* 33 */ {{229, 84, 43, 49}, SceneryStatic, true},
    /* 34 */ {{116, 121, 18, 48}, SceneryStatic, false},
    /* 35 */ {{87, 148, 26, 26}, SceneryStatic, false},
    /* 36 */ {{272, 80, 20, 93}, SceneryStatic, false},
    /* 37 */ {{229, 60, 93, 20}, SceneryStatic, false},
    /* 38 */ {{292, 118, 38, 38}, SceneryStatic, false},
    /* 39 */ {{292, 80, 38, 38}, SceneryStatic, false},
    /* 40 */ {{67, 154, 20, 20}, SceneryStatic, false},
    /* 41 */ {{234, 141, 19, 32}, SceneryStatic, false},
    /* 42 */ {{253, 141, 19, 32}, SceneryStatic, true},
}};

}  // namespace

const SceneryType& SceneryTypeTable::Get(std::int32_t kind) {
    if (!Contains(kind))
        throw std::out_of_range("SceneryTypeTable: no scenery kind " + std::to_string(kind));
    return Rows[static_cast<std::size_t>(kind)];
}
