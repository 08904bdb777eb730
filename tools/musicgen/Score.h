#pragma once

#include "musicgen/DrumKit.h"
#include "musicgen/Instrument.h"

#include <vector>

namespace musicgen {

// One note as the composer writes it; times in beats.
struct NoteEvent {
    float beat;
    float length;
    int midi;
    float velocity;
    InstrumentKind instrument;
    float pan;   // -1 left .. 1 right
    float echo;  // share sent to the echo
};

struct DrumEvent {
    float beat;
    DrumKind drum;
    float velocity;
};

// A piece ready to be played: its notes and drum hits, its tempo and its
// length in beats. A looped piece wraps the ringing-out of its last notes
// onto its start, so that the loop has no seam.
struct Score {
    float tempo = 120.0f;
    float beats = 0.0f;
    bool looped = true;
    float drumWeight = 0.5f;
    float drumGain = 1.0f;
    float echoBeats = 0.75f;
    float echoFeedback = 0.35f;
    std::vector<NoteEvent> notes;
    std::vector<DrumEvent> drums;
};

}  // namespace musicgen
