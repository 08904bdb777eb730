#include "musicgen/TrackTable.h"

namespace musicgen {

const std::array<TrackSpec, TrackCount>& TrackTable()
{
    using St = StyleKind;
    using Sc = ScaleKind;
    using G = GrooveKind;
    using I = InstrumentKind;
    using J = JingleKind;
    // clang-format off
    static const std::array<TrackSpec, TrackCount> table = {{
        // name, style, scale, root, tempo, groove,
        //   lead, second lead, counter, chords, bass, lead octave, second lead octave,
        //   progressions A, B, C, form, seed, jingle
        {"Forest1", St::Forest, Sc::Major, 55, 116.0f, G::Skip,
         I::Whistle, I::Marimba, I::Harp, I::Strings, I::SoftBass, 24, 12,
         {0, 4, 5, 3}, {3, 4, 1, 4}, {5, 3, 0, 4}, "IABACDBE", 101, J::None},  // 0
        {"Forest2", St::Forest, Sc::Major, 50, 126.0f, G::Waltz,
         I::Reed, I::Flute, I::Harp, I::Strings, I::SoftBass, 24, 24,
         {0, 3, 4, 0}, {5, 1, 4, 4}, {3, 0, 1, 4}, "IABACDBAE", 102, J::None},  // 1
        {"Forest3", St::Forest, Sc::Lydian, 53, 104.0f, G::Jig,
         I::Flute, I::Whistle, I::Marimba, I::Strings, I::SoftBass, 24, 24,
         {0, 1, 0, 4}, {5, 1, 3, 4}, {2, 5, 1, 4}, "IABACDE", 103, J::None},  // 2
        {"Forest4", St::Forest, Sc::Dorian, 52, 92.0f, G::Amble,
         I::Marimba, I::Reed, I::Harp, I::Pad, I::SoftBass, 24, 12,
         {0, 3, 0, 3}, {2, 3, 4, 0}, {6, 3, 4, 4}, "IABCDE", 104, J::None},  // 3
        {"Volcano1", St::Volcano, Sc::Minor, 50, 152.0f, G::Drive,
         I::SawLead, I::Brass, I::Strings, I::PowerChord, I::GrowlBass, 12, 12,
         {0, 5, 6, 0}, {3, 4, 5, 6}, {5, 3, 6, 4}, "IABACBDAE", 201, J::None},  // 4
        {"Volcano2", St::Volcano, Sc::Phrygian, 52, 84.0f, G::Stomp,
         I::Organ, I::Vox, I::Strings, I::PowerChord, I::SynthBass, 12, 12,
         {0, 1, 0, 6}, {5, 6, 0, 1}, {3, 1, 6, 0}, "IABCE", 202, J::None},  // 5
        {"Volcano3", St::Volcano, Sc::HarmonicMinor, 48, 118.0f, G::Shuffle,
         I::Guitar, I::Brass, I::Strings, I::Organ, I::GrowlBass, 12, 12,
         {0, 3, 4, 0}, {5, 3, 4, 4}, {3, 6, 4, 4}, "IABACDE", 203, J::None},  // 6
        {"Volcano4", St::Volcano, Sc::PhrygianDominant, 54, 176.0f, G::Gallop,
         I::SquareLead, I::Organ, I::ChipArp, I::Brass, I::SynthBass, 24, 12,
         {0, 1, 6, 0}, {3, 1, 0, 0}, {5, 6, 3, 1}, "IABACBDBAE", 204, J::None},  // 7
        {"Lab1", St::Lab, Sc::Minor, 49, 128.0f, G::Floor,
         I::ChipLead, I::Keys, I::ChipArp, I::Pad, I::PulseBass, 12, 12,
         {0, 5, 2, 6}, {3, 0, 4, 5}, {5, 6, 0, 0}, "IABACBDE", 301, J::None},  // 8
        {"Lab2", St::Lab, Sc::Dorian, 53, 96.0f, G::Broken,
         I::Vox, I::ChipLead, I::Keys, I::Pad, I::SynthBass, 12, 12,
         {0, 3, 0, 3}, {6, 2, 3, 0}, {4, 3, 1, 4}, "IABCDE", 302, J::None},  // 9
        {"Lab3", St::Lab, Sc::Minor, 46, 140.0f, G::Electro,
         I::Keys, I::SawLead, I::ChipArp, I::Strings, I::PulseBass, 24, 12,
         {0, 2, 6, 5}, {3, 4, 0, 6}, {5, 3, 4, 4}, "IABACBDAE", 303, J::None},  // 10
        {"Lab4", St::Lab, Sc::HarmonicMinor, 55, 150.0f, G::Seven,
         I::Glass, I::SquareLead, I::Marimba, I::Keys, I::SynthBass, 24, 12,
         {0, 3, 4, 0}, {5, 3, 1, 4}, {3, 5, 4, 4}, "IABACBDAE", 304, J::None},  // 11
        {"Invulnerability", St::Victory, Sc::Major, 60, 160.0f, G::March,
         I::ChipLead, I::Brass, I::Pluck, I::Strings, I::SoftBass, 12, 12,
         {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, "", 401, J::Invulnerability},  // 12
        {"TimeDistortion", St::Lab, Sc::HarmonicMinor, 58, 72.0f, G::Drift,
         I::Bell, I::Flute, I::Pluck, I::Pad, I::SoftBass, 12, 12,
         {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, "", 402, J::TimeDistortion},  // 13
        {"Jetpack", St::Lab, Sc::Mixolydian, 55, 146.0f, G::Drive,
         I::SawLead, I::ChipArp, I::ChipArp, I::Pad, I::SoftBass, 12, 12,
         {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, "", 403, J::Jetpack},  // 14
        {"EndOfLevel", St::Victory, Sc::Major, 62, 132.0f, G::March,
         I::Brass, I::Strings, I::Pluck, I::Strings, I::SoftBass, 12, 12,
         {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, "", 404, J::EndOfLevel},  // 15
        {"GameOver", St::Menu, Sc::Minor, 57, 76.0f, G::Drift,
         I::Flute, I::Pad, I::Pluck, I::Pad, I::SoftBass, 12, 12,
         {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, "", 405, J::GameOver},  // 16
        {"Victory", St::Victory, Sc::Major, 51, 112.0f, G::March,
         I::Brass, I::Bell, I::Harp, I::Strings, I::SoftBass, 12, 24,
         {0, 3, 4, 0}, {5, 3, 1, 4}, {3, 4, 2, 5}, "IABACDE", 501, J::None},  // 17
        {"Menu", St::Menu, Sc::Major, 57, 80.0f, G::Drift,
         I::Bell, I::Harp, I::Pluck, I::Pad, I::SoftBass, 12, 12,
         {0, 2, 3, 4}, {5, 3, 1, 4}, {3, 0, 5, 4}, "IABCE", 601, J::None},  // 18
    }};
    // clang-format on
    return table;
}

}  // namespace musicgen
