#pragma once

#include "app/ResourceIds.h"

// What the music is doing; exactly one value holds at a time.
enum MusicState : unsigned {
    MusicStopped = 1,
    MusicMainPlaying = 2,
    MusicJinglePlaying = 4,
    MusicMainPaused = 8,
    MusicJinglePaused = 16,
};
