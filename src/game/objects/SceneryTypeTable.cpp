#include "game/objects/SceneryTypeTable.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

// kind: left, top, width, height; mode
const std::array<SceneryType, SceneryTypeTable::Size> Rows = {{
    /*  0 */ {{0, 0, 32, 106}, SceneryStatic},
    /*  1 */ {{32, 0, 33, 96}, SceneryStatic},
    /*  2 */ {{65, 50, 30, 38}, SceneryStatic},
    /*  3 */ {{65, 0, 33, 50}, SceneryStatic},
    /*  4 */ {{98, 0, 27, 11}, SceneryFramesDown},
    /*  5 */ {{0, 182, 29, 21}, SceneryFramesAcross},
    /*  6 */ {{0, 125, 74, 29}, SceneryStatic},
    /*  7 */ {{0, 106, 54, 19}, SceneryStatic},
    /*  8 */ {{128, 74, 30, 14}, SceneryStatic},
    /*  9 */ {{57, 88, 58, 39}, ScenerySwingY},
    /* 10 */ {{98, 44, 29, 23}, SceneryStatic},
    /* 11 */ {{100, 67, 28, 21}, SceneryStatic},
    /* 12 */ {{127, 40, 22, 34}, SceneryFramesAcross},
    /* 13 */ {{125, 0, 18, 27}, SceneryFramesAcross},
    /* 14 */ {{215, 41, 15, 19}, SceneryFramesAcross},
    /* 15 */ {{189, 139, 8, 6}, SceneryFramesAcross},
    /* 16 */ {{0, 203, 26, 22}, SceneryFramesAcross},
    /* 17 */ {{0, 225, 28, 17}, SceneryFramesAcross},
    /* 18 */ {{74, 127, 37, 21}, SceneryStatic},
    /* 19 */ {{134, 173, 22, 52}, SceneryFramesAcross},
    /* 20 */ {{0, 154, 61, 7}, SceneryFramesDown},
    /* 21 */ {{116, 88, 21, 20}, SceneryStatic},
    /* 22 */ {{137, 88, 21, 20}, SceneryStatic},
    /* 23 */ {{330, 54, 71, 35}, SceneryFramesDown},
    /* 24 */ {{134, 108, 55, 45}, SceneryStatic},
    /* 25 */ {{134, 108, 55, 65}, SceneryStatic},
    /* 26 */ {{158, 74, 71, 34}, SceneryStatic},
    /* 27 */ {{275, 0, 75, 54}, SceneryStatic},
    /* 28 */ {{197, 0, 39, 37}, SceneryStatic},
    /* 29 */ {{189, 145, 19, 28}, SceneryStatic},
    /* 30 */ {{208, 145, 26, 28}, SceneryStatic},
    /* 31 */ {{190, 108, 17, 27}, SceneryStatic},
    /* 32 */ {{207, 108, 21, 30}, SceneryStatic},
    /* 33 */ {{229, 84, 43, 49}, SceneryStatic},
    /* 34 */ {{116, 121, 18, 48}, SceneryStatic},
    /* 35 */ {{87, 148, 26, 26}, SceneryStatic},
    /* 36 */ {{272, 80, 20, 93}, SceneryStatic},
    /* 37 */ {{229, 60, 93, 20}, SceneryStatic},
    /* 38 */ {{292, 118, 38, 38}, SceneryStatic},
    /* 39 */ {{292, 80, 38, 38}, SceneryStatic},
    /* 40 */ {{67, 154, 20, 20}, SceneryStatic},
    /* 41 */ {{234, 141, 19, 32}, SceneryStatic},
    /* 42 */ {{253, 141, 19, 32}, SceneryStatic},
}};

}  // namespace

const SceneryType& SceneryTypeTable::Get(std::int32_t kind) {
    if (!Contains(kind))
        throw std::out_of_range("SceneryTypeTable: no scenery kind " + std::to_string(kind));
    return Rows[static_cast<std::size_t>(kind)];
}
