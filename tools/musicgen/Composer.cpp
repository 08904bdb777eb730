#include "musicgen/Composer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace musicgen {

namespace {

const int ScaleSteps[][7] = {
    {0, 2, 4, 5, 7, 9, 11},  // Major
    {0, 2, 3, 5, 7, 8, 10},  // Minor
    {0, 2, 3, 5, 7, 9, 10},  // Dorian
    {0, 1, 3, 5, 7, 8, 10},  // Phrygian
    {0, 2, 3, 5, 7, 8, 11},  // HarmonicMinor
    {0, 2, 4, 5, 7, 9, 10},  // Mixolydian
};

int FloorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int Mod(int a, int b)
{
    return a - b * FloorDiv(a, b);
}

// Note length in sixteenths of the onset at `step` of a pattern: the 'x'
// (or other onset) and every '-' after it.
int RunLength(const std::string& pattern, std::size_t step)
{
    int length = 1;
    for (std::size_t k = step + 1; k < pattern.size() && pattern[k] == '-'; ++k)
        ++length;
    return length;
}

const int StepsPerBar = 16;
const float BeatsPerStep = 0.25f;
const int MelodyLow = -3;
const int MelodyHigh = 9;

}  // namespace

Composer::Composer(const TrackSpec& track)
    : track_(track), style_(GetStyle(track.style)), rng_(track.seed), current_(4)
{
}

int Composer::Pitch(ScaleKind scale, int root, int degree)
{
    const int* steps = ScaleSteps[static_cast<int>(scale)];
    return root + 12 * FloorDiv(degree, 7) + steps[Mod(degree, 7)];
}

std::string Composer::CheckPattern(const std::string& pattern)
{
    if (pattern.size() != StepsPerBar)
        throw std::logic_error("musicgen: pattern \"" + pattern + "\" is not one bar of 16 steps");
    return pattern;
}

float Composer::Humanise(float velocity)
{
    return std::clamp(velocity + 0.06f * rng_.Bipolar(), 0.1f, 1.0f);
}

int Composer::NearestChordTone(int target, int chord) const
{
    int best = target;
    int bestDistance = 100;
    for (int d = target - 4; d <= target + 4; ++d) {
        int rel = Mod(d - chord, 7);
        if (rel != 0 && rel != 2 && rel != 4)
            continue;
        int distance = std::abs(d - target);
        if (distance < bestDistance) {
            best = d;
            bestDistance = distance;
        }
    }
    return best;
}

void Composer::MakeBar(Phrase& phrase, const char* cell, int bar, int chord, int shift, bool cadence)
{
    const std::string pattern = CheckPattern(cell);
    std::vector<std::size_t> onsets;
    for (std::size_t s = 0; s < pattern.size(); ++s)
        if (pattern[s] == 'x')
            onsets.push_back(s);
    for (std::size_t n = 0; n < onsets.size(); ++n) {
        std::size_t s = onsets[n];
        int degree;
        if (cadence && n + 1 == onsets.size()) {
            // The phrase comes to rest on the root of its last chord.
            degree = NearestChordTone(current_, chord);
            while (Mod(degree - chord, 7) != 0)
                --degree;
        } else if (s % 4 == 0) {
            // Beats land on chord tones, leaping a little now and then.
            degree = NearestChordTone(current_ + rng_.Below(5) - 2, chord);
            // Mostly move on rather than strike the same note again.
            if (degree == current_ && rng_.Chance(0.7f))
                degree = NearestChordTone(current_ + (rng_.Chance(0.5f) ? 2 : -2), chord);
        } else {
            // Between the beats the tune walks by step.
            int direction = rng_.Chance(0.5f) ? 1 : -1;
            degree = current_ + direction * (rng_.Chance(0.8f) ? 1 : 2);
        }
        if (degree > MelodyHigh + shift)
            degree -= 2 + rng_.Below(2);
        if (degree < MelodyLow + shift)
            degree += 2 + rng_.Below(2);
        current_ = degree;
        phrase.push_back({bar * StepsPerBar + static_cast<int>(s), RunLength(pattern, s), degree});
    }
}

Composer::Phrase Composer::MakePhrase(const std::array<int, 4>& chords, int shift)
{
    Phrase phrase;
    current_ = NearestChordTone(4 + shift, chords[0]);
    int first = rng_.Below(3);
    int answer = (first + 1 + rng_.Below(2)) % 3;
    MakeBar(phrase, style_.melodyCells[first], 0, chords[0], shift, false);
    std::size_t firstBarNotes = phrase.size();
    MakeBar(phrase, style_.melodyCells[answer], 1, chords[1], shift, false);
    // The third bar is the first in sequence: moved by the step between the chords.
    int move = Mod(chords[2] - chords[0] + 3, 7) - 3;
    for (std::size_t n = 0; n < firstBarNotes; ++n) {
        MelodyNote note = phrase[n];
        note.step += 2 * StepsPerBar;
        note.degree = std::clamp(note.degree + move, MelodyLow + shift, MelodyHigh + shift);
        phrase.push_back(note);
    }
    current_ = phrase.back().degree;
    MakeBar(phrase, style_.melodyCells[3], 3, chords[3], shift, true);
    return phrase;
}

void Composer::AddMelody(Score& score, const Phrase& phrase, int bar0)
{
    const int leadRoot = track_.root + style_.leadOctave;
    for (const MelodyNote& note : phrase) {
        int stepInBar = note.step % StepsPerBar;
        float velocity = stepInBar == 0 ? 0.95f : stepInBar % 4 == 0 ? 0.85f : 0.72f;
        score.notes.push_back({static_cast<float>(bar0 * StepsPerBar + note.step) * BeatsPerStep,
                               static_cast<float>(note.length) * BeatsPerStep,
                               Pitch(track_.scale, leadRoot, note.degree), Humanise(velocity), style_.lead,
                               style_.leadPan, style_.leadEcho});
        score.notes.back().velocity *= style_.leadGain;
    }
}

void Composer::AddCounter(Score& score, int bar, int chord)
{
    const std::string pattern = CheckPattern(style_.counterPattern[track_.variant]);
    const int offsets[] = {0, 2, 4, 7};
    for (std::size_t s = 0; s < pattern.size(); ++s) {
        char c = pattern[s];
        if (c < '0' || c > '3')
            continue;
        int degree = chord + offsets[c - '0'];
        int midi = Pitch(track_.scale, track_.root + style_.counterOctave, degree);
        float velocity = (s % 4 == 0 ? 0.8f : 0.62f) * style_.counterGain;
        score.notes.push_back({static_cast<float>(bar * StepsPerBar + static_cast<int>(s)) * BeatsPerStep,
                               static_cast<float>(RunLength(pattern, s)) * BeatsPerStep, midi, Humanise(velocity),
                               style_.counter, style_.counterPan, style_.counterEcho});
    }
}

void Composer::AddChords(Score& score, int bar, int chord)
{
    const std::string pattern = CheckPattern(style_.chordRhythm[track_.variant]);
    const int centre = track_.root + style_.chordOctave + 5;
    for (std::size_t s = 0; s < pattern.size(); ++s) {
        if (pattern[s] != 'x')
            continue;
        for (int tone = 0; tone < 3; ++tone) {
            // Close voicing around one centre, so the chords move smoothly.
            int midi = Pitch(track_.scale, track_.root + style_.chordOctave, chord + 2 * tone);
            while (midi > centre + 6)
                midi -= 12;
            while (midi < centre - 6)
                midi += 12;
            float pan = style_.chordPan + 0.2f * static_cast<float>(tone - 1);
            score.notes.push_back({static_cast<float>(bar * StepsPerBar + static_cast<int>(s)) * BeatsPerStep,
                                   static_cast<float>(RunLength(pattern, s)) * BeatsPerStep, midi,
                                   Humanise(0.7f * style_.chordGain), style_.chords, pan, 0.1f});
        }
    }
}

void Composer::AddBass(Score& score, int bar, int chord)
{
    const std::string pattern = CheckPattern(style_.bassPattern[track_.variant]);
    int root = Pitch(track_.scale, track_.root, chord);
    while (root >= 48)
        root -= 12;
    while (root < 36)
        root += 12;
    for (std::size_t s = 0; s < pattern.size(); ++s) {
        int midi;
        switch (pattern[s]) {
        case 'R':
            midi = root;
            break;
        case 'O':
            midi = root + 12;
            break;
        case 'F':
            midi = root + Pitch(track_.scale, 0, chord + 4) - Pitch(track_.scale, 0, chord);
            break;
        case 'T':
            midi = root + Pitch(track_.scale, 0, chord + 2) - Pitch(track_.scale, 0, chord);
            break;
        default:
            continue;
        }
        float velocity = (s % 4 == 0 ? 0.95f : 0.8f) * style_.bassGain;
        score.notes.push_back({static_cast<float>(bar * StepsPerBar + static_cast<int>(s)) * BeatsPerStep,
                               static_cast<float>(RunLength(pattern, s)) * BeatsPerStep, midi, Humanise(velocity),
                               style_.bass, 0.0f, 0.0f});
    }
}

void Composer::AddDrums(Score& score, int bar)
{
    const bool fill = bar % 4 == 3;
    for (std::size_t k = 0; k < DrumCount; ++k) {
        const char* row = fill && style_.fill[k] ? style_.fill[k] : style_.drums[k];
        if (!row)
            continue;
        const std::string pattern = CheckPattern(row);
        for (std::size_t s = 0; s < pattern.size(); ++s) {
            if (pattern[s] != 'x' && pattern[s] != 'o')
                continue;
            float velocity = pattern[s] == 'x' ? 1.0f : 0.55f;
            score.drums.push_back({static_cast<float>(bar * StepsPerBar + static_cast<int>(s)) * BeatsPerStep,
                                   static_cast<DrumKind>(k), Humanise(velocity)});
        }
    }
    if (bar % 8 == 0 && style_.drumWeight >= 0.5f)
        score.drums.push_back({static_cast<float>(bar * 4), DrumKind::Crash, 0.8f});
}

Score Composer::Compose()
{
    Score score;
    score.tempo = track_.tempo;
    score.looped = true;
    score.drumWeight = style_.drumWeight;
    score.drumGain = style_.drumGain;
    score.echoBeats = style_.echoBeats;
    score.echoFeedback = style_.echoFeedback;

    // A, A' (same start, a new ending), B (higher, on its own chords), A.
    Phrase a = MakePhrase(track_.phraseA, 0);
    Phrase a2 = a;
    a2.erase(std::remove_if(a2.begin(), a2.end(), [](const MelodyNote& n) { return n.step >= 3 * StepsPerBar; }),
             a2.end());
    current_ = a2.back().degree;
    MakeBar(a2, style_.melodyCells[rng_.Below(3)], 3, track_.phraseA[3], 0, true);
    Phrase b = MakePhrase(track_.phraseB, 2);

    const Phrase* phrases[] = {&a, &a2, &b, &a};
    for (int p = 0; p < 4; ++p) {
        const std::array<int, 4>& chords = p == 2 ? track_.phraseB : track_.phraseA;
        AddMelody(score, *phrases[p], 4 * p);
        for (int k = 0; k < 4; ++k) {
            int bar = 4 * p + k;
            AddCounter(score, bar, chords[k]);
            AddChords(score, bar, chords[k]);
            AddBass(score, bar, chords[k]);
            AddDrums(score, bar);
        }
    }
    score.beats = 16.0f * 4.0f;
    return score;
}

}  // namespace musicgen
