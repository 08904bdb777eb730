#pragma once

#include "musicgen/DrumKit.h"

#include <array>
#include <cstddef>
#include <vector>

namespace musicgen {

// The rhythm of a piece: its metre, its swing and the one-bar patterns that
// its parts play. Each piece has its own. A bar has `steps` steps, and
// `stepsPerBeat` of them make a beat (4: sixteenth notes; 3: triplet eighths,
// as in 12/8). Patterns are one bar long:
// - melody rhythm cells: 'x' a note starts, '-' it is held, '.' rest; the
//   fourth cell ends a phrase; the slow cells serve the bridge;
// - counter (arpeggio): a digit starts a chord tone (0 root, 1 third,
//   2 fifth, 3 root an octave up), '-' holds, '.' rests;
// - chords: 'x' a chord starts, '-' holds, '.' rests;
// - bass: 'R' root, 'F' fifth, 'O' root an octave up, 'T' third, '-', '.';
// - drums: 'x' a hit, 'o' a soft hit, '.' nothing; `fill` ends each section.
enum class GrooveKind {
    Skip,       // 4/4, light folk step
    Waltz,      // 3/4
    Jig,        // 12/8
    Amble,      // 4/4, swung sixteenths, laid back
    Drive,      // 4/4, straight rock eighths
    Stomp,      // 4/4 half time, heavy sixteenth chugs
    Shuffle,    // 12/8, heavy
    Gallop,     // 4/4, galloping sixteenths
    Floor,      // 4/4, four on the floor, off-beat bass
    Broken,     // 4/4, swung broken beat
    Electro,    // 4/4, 3-3-2 syncopation
    Seven,      // 7/8
    March,      // 12/8 march
    Drift,      // 4/4, slow and sparse
    Count
};

struct DrumRow {
    DrumKind drum;
    const char* pattern;
};

struct GrooveSpec {
    const char* name;
    int steps;
    int stepsPerBeat;
    float swing;  // the odd sixteenths come this share of a step late
    std::array<const char*, 4> melodyCells;
    std::array<const char*, 2> slowCells;
    const char* counter;
    const char* chords;
    const char* bass;
    const char* busyBass;  // for the second theme and the solo
    std::vector<DrumRow> drums;
    std::vector<DrumRow> fill;
};

const GrooveSpec& GetGroove(GrooveKind kind);

}  // namespace musicgen
