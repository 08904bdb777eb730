#pragma once

#include <cstddef>

namespace musicgen {

// The mix of a world (or of the menus and the victory): where the parts sit,
// how loud they are against each other, their registers, how heavy the drum
// kit is and the echo. The instruments, the key, the tempo and the groove
// belong to each piece (TrackTable).
enum class StyleKind { Forest, Volcano, Lab, Menu, Victory, Count };

struct StyleSpec {
    const char* name;
    float leadPan, lead2Pan, counterPan, chordPan;
    float leadGain, counterGain, chordGain, bassGain, drumGain;
    float leadEcho, counterEcho;
    int counterOctave, chordOctave;  // semitones above the key's root
    float drumWeight;
    float echoBeats, echoFeedback;
};

constexpr std::size_t StyleCount = static_cast<std::size_t>(StyleKind::Count);

const StyleSpec& GetStyle(StyleKind kind);

}  // namespace musicgen
