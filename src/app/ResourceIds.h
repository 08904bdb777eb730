#pragma once

#include <cstdint>

// The one font.
enum FontId : std::uint32_t { FontMain = 0 };

enum ShaderId : std::uint32_t {
    ShaderBilinearTile = 0,
    ShaderHorizontalBlur = 1,
    ShaderVerticalBlur = 2,
};

// Also the key of big textures (only TextureVictory is one).
enum TextureId : std::uint32_t {
    TextureNormalTiles = 0,
    TextureSpecialTiles = 1,
    TextureFloor = 2,
    TextureBackground1 = 3,
    TextureBackground2 = 4,
    TextureBackground3 = 5,
    TexturePlayer = 6,
    TextureObject = 7,
    TextureItem = 8,
    TextureScenery = 9,
    TextureMenu = 10,
    TextureParticles = 11,
    TextureVictory = 12,
};

// 0..23 are pooled effects, 24 and 25 the two single-instance sounds.
enum SoundId : std::uint32_t {
    SoundJump, SoundTrampoline, SoundSpawn, SoundWarp, SoundHurt, SoundDie, SoundItem, SoundCoin,
    SoundEnergy, SoundLife, SoundCheckpoint, SoundSwitch, SoundRocket, SoundRollingBomb, SoundMine,
    SoundArrow, SoundFireball, SoundDarkball, SoundUfo, SoundFaller, SoundExplosion, SoundHeavyExpl,
    SoundBlock, SoundEnemy, SoundJetpack, SoundLava,
};
constexpr std::uint32_t PooledSoundCount = 24;
constexpr std::uint32_t SoundCount = 26;

// 0..11 level music (4 (world - 1) + (level - 1)), 12..16 jingles, 17 and 18
// looped; MusicNone is never looked up.
enum MusicId : std::uint32_t {
    MusicForest1, MusicForest2, MusicForest3, MusicForest4,
    MusicVolcano1, MusicVolcano2, MusicVolcano3, MusicVolcano4,
    MusicLab1, MusicLab2, MusicLab3, MusicLab4,
    MusicInvulnerability, MusicTimeDistortion, MusicJetpack, MusicEndOfLevel, MusicGameOver,
    MusicVictory, MusicMenu,
    MusicNone,
};
constexpr std::uint32_t MusicCount = 19;
