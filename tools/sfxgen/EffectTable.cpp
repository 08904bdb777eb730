#include "sfxgen/EffectTable.h"

#include "sfxgen/Effects.h"

namespace sfxgen {

const std::array<EffectSpec, EffectCount>& EffectTable()
{
    using namespace effects;
    static const std::array<EffectSpec, EffectCount> table = {{
        // name           make          peak   replayed
        {"Jump",          Jump,         0.50f, false},  // 0
        {"Trampoline",    Trampoline,   0.75f, false},  // 1
        {"Spawn",         Spawn,        0.65f, false},  // 2
        {"Warp",          Warp,         0.60f, false},  // 3
        {"Hurt",          Hurt,         0.65f, false},  // 4
        {"Die",           Die,          0.60f, false},  // 5
        {"Item",          Item,         0.65f, false},  // 6
        {"Coin",          Coin,         0.60f, false},  // 7
        {"Energy",        Energy,       0.65f, false},  // 8
        {"Life",          Life,         0.70f, false},  // 9
        {"Checkpoint",    Checkpoint,   0.70f, false},  // 10
        {"Switch",        Switch,       0.80f, false},  // 11
        {"Rocket",        Rocket,       0.80f, false},  // 12
        {"RollingBomb",   RollingBomb,  0.80f, false},  // 13
        {"Mine",          Mine,         0.70f, false},  // 14
        {"Arrow",         Arrow,        0.75f, false},  // 15
        {"Fireball",      Fireball,     0.80f, false},  // 16
        {"Darkball",      Darkball,     0.75f, false},  // 17
        {"Ufo",           Ufo,          0.45f, false},  // 18
        {"Faller",        Faller,       0.80f, false},  // 19
        {"Explosion",     Explosion,    0.90f, false},  // 20
        {"HeavyExpl",     HeavyExpl,    0.95f, false},  // 21
        {"Block",         Block,        0.85f, false},  // 22
        {"Enemy",         Enemy,        0.60f, false},  // 23
        {"Jetpack",       Jetpack,      0.55f, true},   // 24
        {"Lava",          Lava,         0.60f, true},   // 25
    }};
    return table;
}

Signal MakeEffect(const EffectSpec& spec)
{
    Signal s = spec.make();
    s.Normalize(spec.peak);
    // Replayed sounds end where they begin; only the very edges are eased so
    // the first start and the last stop do not click.
    if (spec.replayed)
        s.FadeEdges(0.002f, 0.002f);
    else
        s.FadeEdges(0.001f, 0.010f);
    return s;
}

}  // namespace sfxgen
