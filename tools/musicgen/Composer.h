#pragma once

#include "musicgen/Groove.h"
#include "musicgen/Score.h"
#include "musicgen/TrackTable.h"

#include "sfxgen/synth/Random.h"

#include <string>
#include <vector>

namespace musicgen {

// Writes the score of a main piece from its track row, its groove and its
// world's style, section by section after the row's form (see TrackSpec):
// melodies made of motifs (a bar, its answer, the bar again in sequence and a
// cadence), arpeggios, chords, a bass line and drums. The piece is played as
// a loop, so the end of its last section leads back into its first.
class Composer {
public:
    explicit Composer(const TrackSpec& track);

    Score Compose();

    // The MIDI note of a scale degree (any integer; 7 is the octave) above a root.
    static int Pitch(ScaleKind scale, int root, int degree);
    // The steps of a one-bar pattern; throws std::logic_error on a pattern
    // of another length than `steps`.
    static std::string CheckPattern(const std::string& pattern, int steps);

private:
    struct MelodyNote {
        int step;    // steps from the phrase's start
        int length;  // steps
        int degree;  // scale degree above the lead's root
    };
    using Phrase = std::vector<MelodyNote>;
    using Cells = std::array<const char*, 4>;
    enum class Drums { Light, Full };

    Phrase MakePhrase(const std::array<int, 4>& chords, int shift, const Cells& cells);
    // The phrase with its last bar written anew, to answer it.
    Phrase Answer(const Phrase& phrase, const std::array<int, 4>& chords, int shift, const Cells& cells);
    void MakeBar(Phrase& phrase, const char* cell, int bar, int chord, int shift, bool cadence);
    int NearestChordTone(int target, int chord) const;

    float Beat(int bar, int step) const;
    float Beats(int steps) const;

    void AddMelody(Score& score, const Phrase& phrase, int bar0, InstrumentKind instrument, int octave, float pan,
                   int harmony);
    void AddCounter(Score& score, int bar, int chord);
    void AddChords(Score& score, int bar, int chord, bool held);
    void AddBass(Score& score, int bar, int chord, const char* pattern);
    void AddDrums(Score& score, int bar, Drums level, bool fill);

    float Humanise(float velocity);

    const TrackSpec& track_;
    const StyleSpec& style_;
    const GrooveSpec& groove_;
    synth::Random rng_;
    int current_;
};

}  // namespace musicgen
