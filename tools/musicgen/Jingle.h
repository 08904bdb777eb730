#pragma once

#include "musicgen/Score.h"
#include "musicgen/TrackTable.h"

namespace musicgen {

// The five jingles, written out note by note in the key, scale and tempo of
// their track row. They play once and are not looped.
class Jingle {
public:
    explicit Jingle(const TrackSpec& track);

    Score Compose();

private:
    void Lead(InstrumentKind instrument, float beat, float length, int degree, float velocity = 0.9f);
    void Chord(InstrumentKind instrument, float beat, float length, int degree, float velocity = 0.6f);
    void Bass(float beat, float length, int degree);
    void Hit(float beat, DrumKind drum, float velocity = 1.0f);

    void Invulnerability();
    void TimeDistortion();
    void Jetpack();
    void EndOfLevel();
    void GameOver();

    const TrackSpec& track_;
    Score score_;
};

}  // namespace musicgen
