#include "musicgen/TrackTable.h"

namespace musicgen {

const std::array<TrackSpec, TrackCount>& TrackTable()
{
    using St = StyleKind;
    using Sc = ScaleKind;
    using J = JingleKind;
    static const std::array<TrackSpec, TrackCount> table = {{
        // name              style        scale              root tempo  phrase A      phrase B      seed variant
        {"Forest1",         St::Forest,  Sc::Major,         55, 112.0f, {0, 4, 5, 3}, {1, 4, 0, 5}, 101, 0, J::None},  // 0
        {"Forest2",         St::Forest,  Sc::Major,         50, 100.0f, {0, 3, 0, 4}, {5, 3, 0, 4}, 102, 1, J::None},  // 1
        {"Forest3",         St::Forest,  Sc::Mixolydian,    53, 120.0f, {0, 6, 3, 0}, {3, 4, 6, 0}, 103, 0, J::None},  // 2
        {"Forest4",         St::Forest,  Sc::Dorian,        52, 108.0f, {0, 3, 0, 6}, {2, 3, 4, 0}, 104, 1, J::None},  // 3
        {"Volcano1",        St::Volcano, Sc::Minor,         50, 138.0f, {0, 5, 6, 0}, {3, 4, 5, 6}, 201, 0, J::None},  // 4
        {"Volcano2",        St::Volcano, Sc::Phrygian,      52, 144.0f, {0, 1, 0, 6}, {5, 6, 0, 1}, 202, 1, J::None},  // 5
        {"Volcano3",        St::Volcano, Sc::HarmonicMinor, 57, 132.0f, {0, 3, 4, 0}, {5, 3, 4, 4}, 203, 0, J::None},  // 6
        {"Volcano4",        St::Volcano, Sc::Minor,         48, 150.0f, {0, 6, 5, 4}, {3, 0, 5, 4}, 204, 1, J::None},  // 7
        {"Lab1",            St::Lab,     Sc::Minor,         57, 120.0f, {0, 5, 2, 6}, {3, 0, 4, 5}, 301, 0, J::None},  // 8
        {"Lab2",            St::Lab,     Sc::Dorian,        54, 124.0f, {0, 3, 0, 3}, {6, 2, 3, 0}, 302, 1, J::None},  // 9
        {"Lab3",            St::Lab,     Sc::Minor,         48, 116.0f, {0, 2, 6, 5}, {3, 4, 0, 6}, 303, 0, J::None},  // 10
        {"Lab4",            St::Lab,     Sc::Phrygian,      59, 128.0f, {0, 1, 6, 0}, {5, 1, 6, 6}, 304, 1, J::None},  // 11
        {"Invulnerability", St::Victory, Sc::Major,         60, 160.0f, {0, 0, 0, 0}, {0, 0, 0, 0}, 401, 0, J::Invulnerability},  // 12
        {"TimeDistortion",  St::Lab,     Sc::HarmonicMinor, 57, 72.0f,  {0, 0, 0, 0}, {0, 0, 0, 0}, 402, 0, J::TimeDistortion},   // 13
        {"Jetpack",         St::Lab,     Sc::Mixolydian,    55, 140.0f, {0, 0, 0, 0}, {0, 0, 0, 0}, 403, 0, J::Jetpack},          // 14
        {"EndOfLevel",      St::Victory, Sc::Major,         60, 132.0f, {0, 0, 0, 0}, {0, 0, 0, 0}, 404, 0, J::EndOfLevel},       // 15
        {"GameOver",        St::Menu,    Sc::Minor,         57, 76.0f,  {0, 0, 0, 0}, {0, 0, 0, 0}, 405, 0, J::GameOver},         // 16
        {"Victory",         St::Victory, Sc::Major,         48, 126.0f, {0, 3, 4, 0}, {5, 3, 1, 4}, 501, 1, J::None},  // 17
        {"Menu",            St::Menu,    Sc::Major,         53, 96.0f,  {0, 2, 3, 4}, {5, 3, 1, 4}, 601, 0, J::None},  // 18
    }};
    return table;
}

}  // namespace musicgen
