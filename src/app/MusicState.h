#pragma once

// What the music is doing; exactly one value holds at a time.
enum MusicState : unsigned {
    MusicStopped = 1,
    MusicMainPlaying = 2,
    MusicJinglePlaying = 4,
    MusicMainPaused = 8,
    MusicJinglePaused = 16,
};

// Music ids: 0..11 level music, 12..16 jingles, 17 victory, 18 menu.
using MusicId = unsigned;
constexpr MusicId MusicMenu = 18;
constexpr MusicId MusicNone = 19;
