#pragma once

#include "musicgen/DrumKit.h"
#include "musicgen/Instrument.h"

#include <array>
#include <cstddef>

namespace musicgen {

// The sound of a world (or of the menus and the victory): which instruments
// play the four parts, where they sit, and the patterns they play. Patterns
// are one bar of sixteen sixteenth-note steps:
// - melody rhythm cells: 'x' a note starts, '-' it is held, '.' rest; the
//   fourth cell ends a phrase;
// - counter (arpeggio): a digit starts a chord tone (0 root, 1 third,
//   2 fifth, 3 root an octave up), '-' holds, '.' rests;
// - chords: 'x' a chord starts, '-' holds, '.' rests;
// - bass: 'R' root, 'F' fifth, 'O' root an octave up, 'T' third, '-', '.';
// - drums: 'x' a hit, 'o' a soft hit, '.' nothing; `fill` ends each phrase.
enum class StyleKind { Forest, Volcano, Lab, Menu, Victory, Count };

struct StyleSpec {
    const char* name;
    InstrumentKind lead, counter, chords, bass;
    float leadPan, counterPan, chordPan;
    float leadGain, counterGain, chordGain, bassGain, drumGain;
    float leadEcho, counterEcho;
    int leadOctave, counterOctave, chordOctave;  // semitones above the key's root
    std::array<const char*, 4> melodyCells;
    std::array<const char*, 2> counterPattern;  // by track variant
    std::array<const char*, 2> chordRhythm;
    std::array<const char*, 2> bassPattern;
    std::array<const char*, DrumCount> drums;
    std::array<const char*, DrumCount> fill;
    float drumWeight;
    float echoBeats, echoFeedback;
};

constexpr std::size_t StyleCount = static_cast<std::size_t>(StyleKind::Count);

const StyleSpec& GetStyle(StyleKind kind);

}  // namespace musicgen
