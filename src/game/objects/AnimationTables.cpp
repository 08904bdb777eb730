#include "game/objects/AnimationTables.h"

#include <utility>
#include <vector>

namespace {

using Ticks = std::vector<std::uint32_t>;

const Animation Still;

Animation Loop(Ticks durations) { return Animation(std::move(durations), 0); }
Animation PingPong(Ticks durations) { return Animation(std::move(durations), Animation::PingPong); }
Animation Mirrored(Ticks durations) { return Animation(std::move(durations), Animation::Mirrored); }
Ticks Repeat(std::uint32_t duration, std::size_t frames) { return Ticks(frames, duration); }

}  // namespace

const std::array<Animation, 19> EnemyAnimations = {
    /*  0 */ PingPong({5, 5, 5, 5}),
    /*  1 */ PingPong({5, 5, 5, 5}),
    /*  2 */ Loop({20, 70, 5, 5}),
    /*  3 */ Still,
    /*  4 */ PingPong({5, 5, 5, 5, 5}),
    /*  5 */ PingPong({5, 5, 5, 5, 5}),
    /*  6 */ PingPong({5, 5, 5, 5, 5}),
    /*  7 */ PingPong({5, 5, 5, 5, 5}),
    /*  8 */ PingPong({5, 5, 5, 5, 5}),
    /*  9 */ PingPong({5, 5, 5, 5, 5}),
    /* 10 */ PingPong({5, 5, 5, 5, 5}),
    /* 11 */ Still,
    /* 12 */ Loop({3, 3, 3, 3}),
    /* 13 */ Loop({3, 3, 3, 3}),
    /* 14 */ Loop({3, 3, 3, 3}),
    /* 15 */ Loop({3, 3, 3, 3}),
    /* 16 */ PingPong({7, 7, 7, 7}),
    /* 17 */ PingPong({7, 7, 7, 7}),
    /* 18 */ PingPong({7, 7, 7, 7}),
};

const std::array<Animation, 10> WeaponAnimations = {
    /* 0 */ Loop({2, 2, 2, 2, 2, 2}),
    /* 1 */ Still,
    /* 2 */ Loop({60, 7}),
    /* 3 */ PingPong({2, 2, 2, 2}),
    /* 4 */ Still,
    /* 5 */ Still,
    /* 6 */ Still,
    /* 7 */ Still,
    /* 8 */ PingPong({3, 3, 3, 3}),
    /* 9 */ PingPong({3, 3, 3, 3}),
};

const std::array<Animation, 6> PlayerAnimations = {
    /* 0 running  */ PingPong({3, 3, 3, 3}),
    /* 1 rising   */ Still,
    /* 2 falling  */ Loop({0, 5, 5}),
    /* 3 dying    */ Loop({3, 3, 3, 3, 3, 3, 3, 79}),
    /* 4 climbing */ PingPong({3, 3, 3, 3}),
    /* 5 standing */ PingPong({20, 5, 5, 20}),
};

const std::array<Animation, 43> SceneryAnimations = {
    /*  0 */ Still,
    /*  1 */ Still,
    /*  2 */ Still,
    /*  3 */ Still,
    /*  4 */ PingPong({7, 7, 7, 7}),
    /*  5 */ PingPong({40, 8, 8, 8}),
    /*  6 */ Still,
    /*  7 */ Still,
    /*  8 */ Still,
    /*  9 */ Still,
    /* 10 */ Still,
    /* 11 */ Still,
    /* 12 */ PingPong({7, 7, 7, 7}),
    /* 13 */ PingPong({6, 6, 6, 6}),
    /* 14 */ PingPong({7, 7, 7, 7}),
    /* 15 */ PingPong({7, 7, 7, 7, 7}),
    /* 16 */ PingPong({35, 8, 8, 8}),
    /* 17 */ PingPong({7, 7, 7, 7}),
    /* 18 */ Still,
    /* 19 */ Loop({4, 4, 4, 4, 4}),
    /* 20 */ PingPong({9, 9, 9, 9}),
    /* 21 */ Still,
    /* 22 */ Still,
    /* 23 */ PingPong({7, 7, 7, 7}),
    /* 24 */ Still, Still, Still, Still, Still, Still, Still, Still, Still, Still,
    /* 34 */ Still, Still, Still, Still, Still, Still, Still, Still, Still,
};

const Animation FlameAnimation = Loop(Repeat(2, 14));

std::map<std::uint32_t, Animation> TileAnimations = {
    {6, Loop({0, 4, 4, 4, 4, 4})},
    {7, Loop({3, 3, 3, 3, 3, 3, 3, 3})},
    {8, Loop({9, 9, 9, 9, 36})},
    {9, Mirrored({0, 2, 2, 2, 2, 2, 2})},
    {10, Loop({0, 2, 2, 2, 2, 2, 2})},
    {11, Loop({0, 2, 2, 2, 2, 2, 2, 2})},
    {12, Mirrored({0, 2, 2, 2, 2, 2, 2, 2})},
    {13, PingPong({0, 2, 2, 2, 2})},
    {14, PingPong({12, 4, 4, 4, 12})},
    {15, PingPong({30, 1, 1, 1, 1, 1, 30})},
    {17, Loop(Repeat(3, 7))},
    {18, Loop(Repeat(3, 7))},
    {19, Loop(Repeat(3, 7))},
    {20, Loop(Repeat(3, 7))},
    {21, PingPong(Repeat(2, 13))},
    {170, Loop(Repeat(4, 7))},
    {177, Loop(Repeat(4, 7))},
    {184, Loop(Repeat(4, 7))},
    {198, Loop(Repeat(3, 12))},
    {212, Loop(Repeat(3, 12))},
    {226, Loop(Repeat(3, 12))},
    {240, Loop(Repeat(3, 12))},
};
