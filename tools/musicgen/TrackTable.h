#pragma once

#include "musicgen/Groove.h"
#include "musicgen/Instrument.h"
#include "musicgen/Style.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace musicgen {

enum class ScaleKind { Major, Minor, Dorian, Phrygian, HarmonicMinor, Mixolydian, Lydian, PhrygianDominant };

// The short pieces played over the main music, each written out by hand.
enum class JingleKind { None, Invulnerability, TimeDistortion, Jetpack, EndOfLevel, GameOver };

// One row per music id of the game, in id order. A main piece is composed
// from its row: its key, tempo, groove and instruments, and its form, a
// string of sections played in turn and then again from the start:
//   I  intro, 4 bars on the first progression: accompaniment only;
//   A  the theme, 8 bars on progression A (a phrase and its varied answer);
//   B  the second theme, 8 bars on progression B, higher, busier bass;
//   C  the bridge, 8 bars on progression C: the second lead in long notes
//      over held chords and light drums;
//   D  the solo, 8 bars on progression A: the second lead's own tune;
//   E  the theme once more, the second lead a third under it.
// Chords are scale degrees 0..6, one per bar of a four-bar phrase.
struct TrackSpec {
    const char* name;  // file name under Music/ without ".ogg"
    StyleKind style;
    ScaleKind scale;
    int root;     // MIDI note of the key's root, the bottom of the chords
    float tempo;  // beats per minute
    GrooveKind groove;
    InstrumentKind lead, lead2, counter, chords, bass;
    int leadOctave, lead2Octave;  // semitones above the root
    std::array<int, 4> progressionA, progressionB, progressionC;
    const char* form;
    std::uint32_t seed;
    JingleKind jingle;
};

constexpr std::size_t TrackCount = 19;

const std::array<TrackSpec, TrackCount>& TrackTable();

}  // namespace musicgen
