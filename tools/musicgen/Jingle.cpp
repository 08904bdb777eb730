#include "musicgen/Jingle.h"

#include "musicgen/Composer.h"

namespace musicgen {

namespace {

using I = InstrumentKind;
using D = DrumKind;

}  // namespace

Jingle::Jingle(const TrackSpec& track) : track_(track)
{
    score_.tempo = track.tempo;
    score_.looped = false;
    score_.drumWeight = 0.6f;
    score_.drumGain = 0.8f;
    score_.echoBeats = 0.75f;
    score_.echoFeedback = 0.3f;
}

void Jingle::Lead(InstrumentKind instrument, float beat, float length, int degree, float velocity)
{
    score_.notes.push_back({beat, length, Composer::Pitch(track_.scale, track_.root + 12, degree), velocity,
                            instrument, 0.0f, 0.25f});
}

void Jingle::Chord(InstrumentKind instrument, float beat, float length, int degree, float velocity)
{
    for (int tone = 0; tone < 3; ++tone)
        score_.notes.push_back({beat, length, Composer::Pitch(track_.scale, track_.root, degree + 2 * tone),
                                velocity, instrument, 0.25f * static_cast<float>(tone - 1), 0.1f});
}

void Jingle::Bass(float beat, float length, int degree)
{
    int bassRoot = track_.root - 24;
    while (bassRoot < 36)
        bassRoot += 12;
    score_.notes.push_back(
        {beat, length, Composer::Pitch(track_.scale, bassRoot, degree), 0.9f, I::SoftBass, 0.0f, 0.0f});
}

void Jingle::Hit(float beat, DrumKind drum, float velocity)
{
    score_.drums.push_back({beat, drum, velocity});
}

void Jingle::Invulnerability()
{
    // A bright, breathless run upwards over pounding drums.
    const int run[] = {0, 2, 4, 7, 2, 4, 7, 9, 4, 7, 9, 11, 7, 9, 11, 14};
    for (int k = 0; k < 16; ++k)
        Lead(I::ChipLead, 0.25f * static_cast<float>(k), 0.25f, run[k], k % 4 == 0 ? 0.9f : 0.7f);
    Lead(I::Brass, 4.0f, 0.5f, 11);
    Lead(I::Brass, 4.5f, 0.5f, 12);
    Lead(I::Brass, 5.0f, 3.0f, 14);
    const int chords[] = {0, 3, 4, 0};
    for (int k = 0; k < 4; ++k) {
        Chord(I::Strings, 2.0f * static_cast<float>(k), 2.0f, chords[k]);
        Bass(2.0f * static_cast<float>(k), 0.5f, chords[k]);
        Bass(2.0f * static_cast<float>(k) + 1.0f, 0.5f, chords[k]);
    }
    for (int beat = 0; beat < 8; ++beat) {
        Hit(static_cast<float>(beat), D::Kick);
        Hit(static_cast<float>(beat) + 0.5f, D::ClosedHat, 0.7f);
        if (beat % 2 == 1)
            Hit(static_cast<float>(beat), D::Snare);
    }
    Hit(8.0f, D::Crash);
    Hit(8.0f, D::Kick);
    score_.beats = 9.0f;
}

void Jingle::TimeDistortion()
{
    // A clock that slows and a bell line sinking out of tune.
    for (int k = 0; k < 8; ++k)
        Hit(0.75f * static_cast<float>(k), D::Woodblock, k % 2 == 0 ? 0.9f : 0.55f);
    const int fall[] = {7, 6, 5, 4, 3, 2, 1, 0};
    for (int k = 0; k < 8; ++k)
        Lead(I::Bell, 0.75f * static_cast<float>(k), 1.0f, fall[k], 0.8f);
    Chord(I::Pad, 0.0f, 3.0f, 0, 0.7f);
    Chord(I::Pad, 3.0f, 3.0f, 4, 0.7f);
    Bass(0.0f, 3.0f, 0);
    Bass(3.0f, 3.0f, 4);
    Lead(I::Flute, 6.0f, 1.5f, 0, 0.6f);
    score_.beats = 7.5f;
    score_.echoBeats = 0.5f;
    score_.echoFeedback = 0.5f;
}

void Jingle::Jetpack()
{
    // Lift-off: arpeggios climbing three octaves, a lead that soars with them.
    for (int k = 0; k < 24; ++k) {
        int degree = (k % 3) * 2 + 7 * (k / 6) - 7;
        Lead(I::ChipArp, 0.25f * static_cast<float>(k), 0.25f, degree, 0.75f);
    }
    Lead(I::SawLead, 0.0f, 1.5f, 0, 0.7f);
    Lead(I::SawLead, 1.5f, 1.5f, 4, 0.75f);
    Lead(I::SawLead, 3.0f, 1.0f, 7, 0.8f);
    Lead(I::SawLead, 4.0f, 0.5f, 8, 0.8f);
    Lead(I::SawLead, 4.5f, 2.5f, 9, 0.85f);
    Chord(I::Pad, 0.0f, 3.0f, 0);
    Chord(I::Pad, 3.0f, 4.0f, 6);
    for (int beat = 0; beat < 6; ++beat) {
        Hit(static_cast<float>(beat), D::Kick, 0.9f);
        Hit(static_cast<float>(beat) + 0.5f, D::OpenHat, 0.6f);
    }
    Hit(6.0f, D::Crash);
    score_.beats = 7.0f;
}

void Jingle::EndOfLevel()
{
    // A short fanfare that lands on the home chord.
    struct Step {
        float beat, length;
        int degree;
    };
    const Step tune[] = {{0.0f, 0.5f, 0},  {0.5f, 0.25f, 0}, {0.75f, 0.25f, 0}, {1.0f, 1.0f, 4},
                         {2.0f, 0.5f, 2},  {2.5f, 0.5f, 4},  {3.0f, 1.0f, 5},   {4.0f, 0.5f, 4},
                         {4.5f, 0.5f, 5},  {5.0f, 3.0f, 7}};
    for (const Step& s : tune)
        Lead(I::Brass, s.beat, s.length, s.degree);
    Chord(I::Strings, 0.0f, 2.0f, 0);
    Chord(I::Strings, 2.0f, 1.0f, 3);
    Chord(I::Strings, 3.0f, 2.0f, 4);
    Chord(I::Strings, 5.0f, 3.0f, 0, 0.7f);
    Bass(0.0f, 2.0f, 0);
    Bass(2.0f, 1.0f, 3);
    Bass(3.0f, 2.0f, 4);
    Bass(5.0f, 3.0f, 0);
    Hit(0.0f, D::Kick);
    Hit(0.5f, D::Snare, 0.6f);
    Hit(0.75f, D::Snare, 0.6f);
    Hit(1.0f, D::Kick);
    for (int beat = 2; beat < 5; ++beat)
        Hit(static_cast<float>(beat), beat % 2 ? D::Snare : D::Kick, 0.8f);
    Hit(4.5f, D::Snare, 0.6f);
    Hit(5.0f, D::Crash);
    Hit(5.0f, D::Kick);
    score_.beats = 8.5f;
}

void Jingle::GameOver()
{
    // A slow, sad descent that fades on the minor home chord.
    const int tune[] = {4, 3, 2, 1, 0, -1, -3, 0};
    const float lengths[] = {1.0f, 1.0f, 1.0f, 1.0f, 1.5f, 0.5f, 1.0f, 3.0f};
    float beat = 0.0f;
    for (int k = 0; k < 8; ++k) {
        Lead(I::Flute, beat, lengths[k], tune[k], 0.8f);
        beat += lengths[k];
    }
    Chord(I::Pad, 0.0f, 4.0f, 0, 0.7f);
    Chord(I::Pad, 4.0f, 3.0f, 3, 0.7f);
    Chord(I::Pad, 7.0f, 3.0f, 0, 0.6f);
    Bass(0.0f, 4.0f, 0);
    Bass(4.0f, 3.0f, 3);
    Bass(7.0f, 3.0f, 0);
    Hit(0.0f, D::LowTom, 0.7f);
    Hit(4.0f, D::LowTom, 0.6f);
    Hit(7.0f, D::LowTom, 0.5f);
    score_.beats = 10.0f;
}

Score Jingle::Compose()
{
    switch (track_.jingle) {
    case JingleKind::Invulnerability:
        Invulnerability();
        break;
    case JingleKind::TimeDistortion:
        TimeDistortion();
        break;
    case JingleKind::Jetpack:
        Jetpack();
        break;
    case JingleKind::EndOfLevel:
        EndOfLevel();
        break;
    case JingleKind::GameOver:
        GameOver();
        break;
    case JingleKind::None:
        break;
    }
    return score_;
}

}  // namespace musicgen
