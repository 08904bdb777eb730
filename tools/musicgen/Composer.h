#pragma once

#include "musicgen/Score.h"
#include "musicgen/TrackTable.h"

#include "sfxgen/synth/Random.h"

#include <string>
#include <vector>

namespace musicgen {

// Writes the score of a main piece from its track row and its style: a
// melody made of motifs (a bar, its answer, the bar again in sequence and a
// cadence), arpeggios, chords, a bass line and drums, in four phrases
// A A' B A so that the end leads back into the start.
class Composer {
public:
    explicit Composer(const TrackSpec& track);

    Score Compose();

    // The MIDI note of a scale degree (any integer; 7 is the octave) above a root.
    static int Pitch(ScaleKind scale, int root, int degree);
    // The steps of a one-bar pattern of 16 characters; throws
    // std::logic_error on a pattern of another length.
    static std::string CheckPattern(const std::string& pattern);

private:
    struct MelodyNote {
        int step;    // sixteenths from the phrase's start
        int length;  // sixteenths
        int degree;  // scale degree above the lead's root
    };
    using Phrase = std::vector<MelodyNote>;

    Phrase MakePhrase(const std::array<int, 4>& chords, int shift);
    void MakeBar(Phrase& phrase, const char* cell, int bar, int chord, int shift, bool cadence);
    int NearestChordTone(int target, int chord) const;

    void AddMelody(Score& score, const Phrase& phrase, int bar0);
    void AddCounter(Score& score, int bar, int chord);
    void AddChords(Score& score, int bar, int chord);
    void AddBass(Score& score, int bar, int chord);
    void AddDrums(Score& score, int bar);

    float Humanise(float velocity);

    const TrackSpec& track_;
    const StyleSpec& style_;
    synth::Random rng_;
    int current_;
};

}  // namespace musicgen
