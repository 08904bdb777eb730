#pragma once

#include "sfxgen/Signal.h"

// One function per sound effect of the game; each makes the same samples on
// every run (fixed seeds). Levels are set afterwards from the effect table.
namespace sfxgen::effects {

Signal Jump();
Signal Trampoline();
Signal Spawn();
Signal Warp();
Signal Hurt();
Signal Die();
Signal Item();
Signal Coin();
Signal Energy();
Signal Life();
Signal Checkpoint();
Signal Switch();
Signal Rocket();
Signal RollingBomb();
Signal Mine();
Signal Arrow();
Signal Fireball();
Signal Darkball();
Signal Ufo();
Signal Faller();
Signal Explosion();
Signal HeavyExpl();
Signal Block();
Signal Enemy();
Signal Jetpack();
Signal Lava();

}  // namespace sfxgen::effects
