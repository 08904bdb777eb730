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
    {0, 2, 4, 6, 7, 9, 11},  // Lydian
    {0, 1, 4, 5, 7, 8, 10},  // PhrygianDominant
};

int FloorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int Mod(int a, int b)
{
    return a - b * FloorDiv(a, b);
}

// Note length in steps of the onset at `step` of a pattern: the onset and
// every '-' after it.
int RunLength(const std::string& pattern, std::size_t step)
{
    int length = 1;
    for (std::size_t k = step + 1; k < pattern.size() && pattern[k] == '-'; ++k)
        ++length;
    return length;
}

const int MelodyLow = -3;
const int MelodyHigh = 9;
const int SectionBars = 8;
const int IntroBars = 4;

// Drums that keep time quietly: what is left of the kit in light passages.
bool IsLightDrum(DrumKind drum)
{
    switch (drum) {
    case DrumKind::ClosedHat:
    case DrumKind::Shaker:
    case DrumKind::Ride:
    case DrumKind::Tambourine:
    case DrumKind::Rim:
    case DrumKind::Woodblock:
        return true;
    default:
        return false;
    }
}

}  // namespace

Composer::Composer(const TrackSpec& track)
    : track_(track), style_(GetStyle(track.style)), groove_(GetGroove(track.groove)), rng_(track.seed), current_(4)
{
}

int Composer::Pitch(ScaleKind scale, int root, int degree)
{
    const int* steps = ScaleSteps[static_cast<int>(scale)];
    return root + 12 * FloorDiv(degree, 7) + steps[Mod(degree, 7)];
}

std::string Composer::CheckPattern(const std::string& pattern, int steps)
{
    if (pattern.size() != static_cast<std::size_t>(steps))
        throw std::logic_error("musicgen: pattern \"" + pattern + "\" is not one bar of " + std::to_string(steps) +
                               " steps");
    return pattern;
}

float Composer::Humanise(float velocity)
{
    return std::clamp(velocity + 0.06f * rng_.Bipolar(), 0.1f, 1.0f);
}

float Composer::Beat(int bar, int step) const
{
    float swing = groove_.stepsPerBeat == 4 && step % 2 == 1 ? groove_.swing : 0.0f;
    return static_cast<float>(bar * groove_.steps + step) / static_cast<float>(groove_.stepsPerBeat) +
           swing / static_cast<float>(groove_.stepsPerBeat);
}

float Composer::Beats(int steps) const
{
    return static_cast<float>(steps) / static_cast<float>(groove_.stepsPerBeat);
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
    const std::string pattern = CheckPattern(cell, groove_.steps);
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
        } else if (static_cast<int>(s) % groove_.stepsPerBeat == 0) {
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
        phrase.push_back({bar * groove_.steps + static_cast<int>(s), RunLength(pattern, s), degree});
    }
}

Composer::Phrase Composer::MakePhrase(const std::array<int, 4>& chords, int shift, const Cells& cells)
{
    Phrase phrase;
    current_ = NearestChordTone(4 + shift, chords[0]);
    int first = rng_.Below(3);
    int answer = (first + 1 + rng_.Below(2)) % 3;
    MakeBar(phrase, cells[first], 0, chords[0], shift, false);
    std::size_t firstBarNotes = phrase.size();
    MakeBar(phrase, cells[answer], 1, chords[1], shift, false);
    // The third bar is the first in sequence: moved by the step between the chords.
    int move = Mod(chords[2] - chords[0] + 3, 7) - 3;
    for (std::size_t n = 0; n < firstBarNotes; ++n) {
        MelodyNote note = phrase[n];
        note.step += 2 * groove_.steps;
        note.degree = std::clamp(note.degree + move, MelodyLow + shift, MelodyHigh + shift);
        phrase.push_back(note);
    }
    current_ = phrase.back().degree;
    MakeBar(phrase, cells[3], 3, chords[3], shift, true);
    return phrase;
}

Composer::Phrase Composer::Answer(const Phrase& phrase, const std::array<int, 4>& chords, int shift,
                                  const Cells& cells)
{
    Phrase answer = phrase;
    const int lastBar = 3 * groove_.steps;
    answer.erase(std::remove_if(answer.begin(), answer.end(), [&](const MelodyNote& n) { return n.step >= lastBar; }),
                 answer.end());
    current_ = answer.empty() ? 4 + shift : answer.back().degree;
    MakeBar(answer, cells[rng_.Below(3)], 3, chords[3], shift, true);
    return answer;
}

void Composer::AddMelody(Score& score, const Phrase& phrase, int bar0, InstrumentKind instrument, int octave,
                         float pan, int harmony)
{
    const int root = track_.root + octave;
    for (const MelodyNote& note : phrase) {
        int bar = bar0 + note.step / groove_.steps;
        int step = note.step % groove_.steps;
        float velocity = step == 0 ? 0.95f : step % groove_.stepsPerBeat == 0 ? 0.85f : 0.72f;
        score.notes.push_back({Beat(bar, step), Beats(note.length), Pitch(track_.scale, root, note.degree + harmony),
                               Humanise(velocity) * style_.leadGain * (harmony ? 0.7f : 1.0f), instrument, pan,
                               style_.leadEcho});
    }
}

void Composer::AddCounter(Score& score, int bar, int chord)
{
    const std::string pattern = CheckPattern(groove_.counter, groove_.steps);
    const int offsets[] = {0, 2, 4, 7};
    for (std::size_t s = 0; s < pattern.size(); ++s) {
        char c = pattern[s];
        if (c < '0' || c > '3')
            continue;
        int step = static_cast<int>(s);
        int midi = Pitch(track_.scale, track_.root + style_.counterOctave, chord + offsets[c - '0']);
        float velocity = (step % groove_.stepsPerBeat == 0 ? 0.8f : 0.62f) * style_.counterGain;
        score.notes.push_back({Beat(bar, step), Beats(RunLength(pattern, s)), midi, Humanise(velocity),
                               track_.counter, style_.counterPan, style_.counterEcho});
    }
}

void Composer::AddChords(Score& score, int bar, int chord, bool held)
{
    const std::string pattern = held ? "x" + std::string(static_cast<std::size_t>(groove_.steps - 1), '-')
                                     : CheckPattern(groove_.chords, groove_.steps);
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
            score.notes.push_back({Beat(bar, static_cast<int>(s)), Beats(RunLength(pattern, s)), midi,
                                   Humanise(0.7f * style_.chordGain), track_.chords, pan, 0.1f});
        }
    }
}

void Composer::AddBass(Score& score, int bar, int chord, const char* cell)
{
    const std::string pattern = CheckPattern(cell, groove_.steps);
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
        int step = static_cast<int>(s);
        float velocity = (step % groove_.stepsPerBeat == 0 ? 0.95f : 0.8f) * style_.bassGain;
        score.notes.push_back({Beat(bar, step), Beats(RunLength(pattern, s)), midi, Humanise(velocity), track_.bass,
                               0.0f, 0.0f});
    }
}

void Composer::AddDrums(Score& score, int bar, Drums level, bool fill)
{
    const std::vector<DrumRow>& rows = fill ? groove_.fill : groove_.drums;
    const bool light = level == Drums::Light && !fill;
    for (const DrumRow& row : rows) {
        if (light && !IsLightDrum(row.drum) && row.drum != DrumKind::Kick)
            continue;
        const std::string pattern = CheckPattern(row.pattern, groove_.steps);
        for (std::size_t s = 0; s < pattern.size(); ++s) {
            if (pattern[s] != 'x' && pattern[s] != 'o')
                continue;
            // In light passages the kick marks only the bar.
            if (light && row.drum == DrumKind::Kick && s != 0)
                continue;
            float velocity = (pattern[s] == 'x' ? 1.0f : 0.55f) * (light ? 0.7f : 1.0f);
            score.drums.push_back({Beat(bar, static_cast<int>(s)), row.drum, Humanise(velocity)});
        }
    }
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

    // The tunes, each written once: the theme, the second theme (higher), the
    // bridge (the second lead in long notes) and the solo.
    const Cells& cells = groove_.melodyCells;
    const Cells slow = {groove_.slowCells[0], groove_.slowCells[1], groove_.slowCells[0], groove_.slowCells[1]};
    const Phrase a = MakePhrase(track_.progressionA, 0, cells);
    const Phrase a2 = Answer(a, track_.progressionA, 0, cells);
    const Phrase b = MakePhrase(track_.progressionB, 2, cells);
    const Phrase b2 = Answer(b, track_.progressionB, 2, cells);
    const Phrase c = MakePhrase(track_.progressionC, 0, slow);
    const Phrase c2 = Answer(c, track_.progressionC, 0, slow);
    const Phrase d = MakePhrase(track_.progressionA, 1, cells);
    const Phrase d2 = Answer(d, track_.progressionA, 1, cells);

    int bar = 0;
    for (const char* p = track_.form; *p; ++p) {
        const char section = *p;
        const int bars = section == 'I' ? IntroBars : SectionBars;
        const std::array<int, 4>& chords = section == 'B'   ? track_.progressionB
                                           : section == 'C' ? track_.progressionC
                                                            : track_.progressionA;
        // A tune and its answer over the section's two phrases, by the lead
        // or the second lead, `harmony` scale steps off the tune.
        auto play = [&](const Phrase& tune, const Phrase& answer, bool second, int harmony) {
            const InstrumentKind instrument = second ? track_.lead2 : track_.lead;
            const int octave = second ? track_.lead2Octave : track_.leadOctave;
            const float pan = second ? style_.lead2Pan : style_.leadPan;
            AddMelody(score, tune, bar, instrument, octave, pan, harmony);
            AddMelody(score, answer, bar + 4, instrument, octave, pan, harmony);
        };
        switch (section) {
        case 'I':
            break;
        case 'A':
            play(a, a2, false, 0);
            break;
        case 'B':
            play(b, b2, false, 0);
            break;
        case 'C':
            play(c, c2, true, 0);
            break;
        case 'D':
            play(d, d2, true, 0);
            break;
        case 'E':
            play(a, a2, false, 0);
            play(a, a2, true, -2);
            break;
        default:
            throw std::logic_error(std::string("musicgen: unknown section '") + section + "' in " + track_.name);
        }
        const bool bridge = section == 'C';
        const bool busy = section == 'B' || section == 'D' || section == 'E';
        for (int k = 0; k < bars; ++k) {
            const int chord = chords[static_cast<std::size_t>(k % 4)];
            if (!bridge)
                AddCounter(score, bar + k, chord);
            AddChords(score, bar + k, chord, bridge);
            const std::string held = "R" + std::string(static_cast<std::size_t>(groove_.steps - 1), '-');
            AddBass(score, bar + k, chord, bridge ? held.c_str() : busy ? groove_.busyBass : groove_.bass);
            AddDrums(score, bar + k, section == 'I' || bridge ? Drums::Light : Drums::Full, k == bars - 1);
        }
        if (section != 'I' && !bridge && score.drumWeight >= 0.5f)
            score.drums.push_back({Beat(bar, 0), DrumKind::Crash, 0.8f});
        bar += bars;
    }
    score.beats = Beat(bar, 0);
    return score;
}

}  // namespace musicgen
