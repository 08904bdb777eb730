#include "sfxgen/EffectTable.h"

#include "sfxgen/Effects.h"

namespace sfxgen {

const std::array<EffectSpec, EffectCount>& EffectTable()
{
    using namespace effects;
    static const std::array<EffectSpec, EffectCount> table = {{
        // name           make          dB     replayed
        {"Jump",          Jump,         -2.0f, false},  // 0   heard all the time
        {"Trampoline",    Trampoline,    0.0f, false},  // 1
        {"Spawn",         Spawn,         0.0f, false},  // 2
        {"Warp",          Warp,          0.0f, false},  // 3
        {"Hurt",          Hurt,          2.0f, false},  // 4   the player must notice
        {"Die",           Die,           3.0f, false},  // 5
        {"Item",          Item,          0.0f, false},  // 6
        {"Coin",          Coin,         -1.0f, false},  // 7   heard all the time
        {"Energy",        Energy,        0.0f, false},  // 8
        {"Life",          Life,          2.0f, false},  // 9   a reward to notice
        {"Checkpoint",    Checkpoint,    1.0f, false},  // 10
        {"Switch",        Switch,        0.0f, false},  // 11
        {"Rocket",        Rocket,        0.0f, false},  // 12
        {"RollingBomb",   RollingBomb,   0.0f, false},  // 13
        {"Mine",          Mine,          0.0f, false},  // 14
        {"Arrow",         Arrow,         0.0f, false},  // 15
        {"Fireball",      Fireball,      0.0f, false},  // 16
        {"Darkball",      Darkball,      0.0f, false},  // 17
        {"Ufo",           Ufo,          -1.0f, false},  // 18
        {"Faller",        Faller,        0.0f, false},  // 19
        {"Explosion",     Explosion,     2.0f, false},  // 20
        {"HeavyExpl",     HeavyExpl,     3.0f, false},  // 21
        {"Block",         Block,         0.0f, false},  // 22
        {"Enemy",         Enemy,         1.0f, false},  // 23
        {"Jetpack",       Jetpack,      -3.0f, true},   // 24  held for seconds: under the rest
        {"Lava",          Lava,         -3.0f, true},   // 25
    }};
    return table;
}

Signal MakeEffect(const EffectSpec& spec)
{
    Signal s = spec.make();
    s.NormalizeLoudness(EffectLoudness + spec.loudness, EffectCeiling);
    // Replayed sounds end where they begin, in a lull of their own; only the
    // very edges are eased, so that neither a restart after the game's short
    // wait nor the last stop clicks.
    if (spec.replayed)
        s.FadeEdges(0.002f, 0.002f);
    else
        s.FadeEdges(0.001f, 0.010f);
    return s;
}

}  // namespace sfxgen
