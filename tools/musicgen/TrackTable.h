#pragma once

#include "musicgen/Style.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace musicgen {

enum class ScaleKind { Major, Minor, Dorian, Phrygian, HarmonicMinor, Mixolydian };

// The short pieces played over the main music, each written out by hand.
enum class JingleKind { None, Invulnerability, TimeDistortion, Jetpack, EndOfLevel, GameOver };

// One row per music id of the game, in id order. A main piece is composed
// from its style: 16 bars in four phrases A A' B A, phrase A on progression
// `phraseA` and B on `phraseB` (chords as scale degrees 0..6, one per bar).
struct TrackSpec {
    const char* name;  // file name under Music/ without ".ogg"
    StyleKind style;
    ScaleKind scale;
    int root;     // MIDI note of the key's root, the bottom of the chords
    float tempo;  // beats per minute
    std::array<int, 4> phraseA;
    std::array<int, 4> phraseB;
    std::uint32_t seed;
    int variant;  // which of the style's pattern pairs
    JingleKind jingle;
};

constexpr std::size_t TrackCount = 19;

const std::array<TrackSpec, TrackCount>& TrackTable();

}  // namespace musicgen
