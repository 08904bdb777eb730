#pragma once

namespace synth {

// An attack-decay-sustain-release envelope read as a function of time, for
// a note held for a given length. Times in seconds, sustain 0 to 1.
class Envelope {
public:
    Envelope(float attack, float decay, float sustain, float release);

    // The level at time t after the note starts, held for `held` seconds.
    float At(float t, float held) const;
    // How long the note sounds in all: held time plus release.
    float Length(float held) const { return held + release_; }

private:
    float Level(float t) const;

    float attack_;
    float decay_;
    float sustain_;
    float release_;
};

}  // namespace synth
