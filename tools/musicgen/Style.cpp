#include "musicgen/Style.h"

namespace musicgen {

namespace {

using I = InstrumentKind;

// Drum rows in DrumKind order:
//  Kick, Snare, ClosedHat, OpenHat, Clap, LowTom, HighTom, Shaker, Woodblock, Crash
// (the crash is struck by the composer at the start of each half).
const std::array<StyleSpec, StyleCount> Styles = {{
    // Forest: light and pastoral; flute over plucked strings, shaker and woodblock.
    {"Forest", I::Flute, I::Pluck, I::Strings, I::SoftBass,
     -0.15f, 0.35f, -0.3f,
     1.0f, 0.8f, 0.8f, 1.0f, 0.7f,
     0.25f, 0.2f,
     12, 0, 0,
     {"x---x-x-x-----x-", "x-x-x---x---x-x-", "x--x--x-x-x-x---", "x---x---x-------"},
     {"0-2-3-2-1-2-3-2-", "0.2.1.3.0.2.1.3."},
     {"x---------------", "x-------x-------"},
     {"R-------F---R---", "R---.-R-F---O-F-"},
     {"x.......x.....o.", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
      "o.x.o.x.o.x.o.x.", "....x.......x..o", nullptr},
     {"x.......x.......", nullptr, nullptr, nullptr, nullptr, nullptr, "..........o.o...",
      "o.x.o.x.o.x.o.x.", "....x...x.x.x.x.", nullptr},
     0.2f, 0.75f, 0.3f},
    // Volcano: driving and dark; distorted saw lead, chugging chords, rock kit.
    {"Volcano", I::SawLead, I::Strings, I::PowerChord, I::GrowlBass,
     0.1f, -0.35f, 0.3f,
     1.0f, 0.7f, 0.9f, 1.0f, 1.0f,
     0.15f, 0.1f,
     12, 0, 0,
     {"x-x-x---x-x-x---", "x---x-xxx---x---", "x-xxx-x-x-x-x-x-", "x-x-x-----------"},
     {"0-------2-------", "0---1---2---1---"},
     {"x-.x-.x.x-.x-.x.", "x---x---x---x-x-"},
     {"R-R-R-R-R-R-O-R-", "R.RR.RF.R.RR.OF."},
     {"x.....x.x.....x.", "....x.......x...", "x.x.x.x.x.x.x.x.", nullptr, nullptr, nullptr, nullptr,
      nullptr, nullptr, nullptr},
     {"x.....x.........", "....x...........", "x.x.x.x.........", nullptr, nullptr, "............x.x.",
      "........x.x.....", nullptr, nullptr, nullptr},
     1.0f, 0.5f, 0.25f},
    // Lab: cool and electronic; square-wave lead and arpeggios, pad, drum machine.
    {"Lab", I::ChipLead, I::ChipArp, I::Pad, I::PulseBass,
     -0.1f, 0.4f, 0.0f,
     1.0f, 0.8f, 0.9f, 1.0f, 0.8f,
     0.3f, 0.25f,
     12, 0, 0,
     {"x--x--x-x-x-----", "x-x--x--x---x-x-", "x--x--x---x-x---", "x--x--x---------"},
     {"0123210301232103", "0.1.2.3.3.2.1.0."},
     {"x---------------", "x-----x-----x---"},
     {"R..R..R...R..F..", "R-.RO-.RR-.RO-F-"},
     {"x..x..x...x.....", nullptr, "xo.oxo.oxo.oxo.o", "..x...x...x...x.", "....x.......x...", nullptr,
      nullptr, nullptr, nullptr, nullptr},
     {"x..x..x.x.x.x.x.", nullptr, "xoxoxoxoxoxoxoxo", nullptr, "....x.......x.x.", nullptr, nullptr,
      nullptr, nullptr, nullptr},
     0.6f, 0.75f, 0.45f},
    // Menu: calm; bell melody over a pad, barely any percussion.
    {"Menu", I::Bell, I::Pluck, I::Pad, I::SoftBass,
     0.0f, -0.4f, 0.2f,
     1.0f, 0.6f, 0.9f, 0.9f, 0.5f,
     0.35f, 0.3f,
     12, 0, 0,
     {"x-----x-x-------", "x---x---x---x---", "x-x-x-----x-x---", "x---x-----------"},
     {"0---2---3---2---", "0-2-3-2-1-2-3-2-"},
     {"x---------------", "x-------x-------"},
     {"R-------F-------", "R-----R-F-------"},
     {"x.........x.....", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "..o...o...o...o.",
      nullptr, nullptr},
     {"x.........x.....", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "..o...o...o.o.o.",
      nullptr, nullptr},
     0.1f, 1.0f, 0.45f},
    // Victory: a bright march; brass fanfare over strings and a snare.
    {"Victory", I::Brass, I::Pluck, I::Strings, I::SoftBass,
     0.0f, 0.4f, -0.3f,
     1.0f, 0.7f, 0.9f, 1.0f, 0.8f,
     0.2f, 0.15f,
     12, 0, 0,
     {"x--xx---x--xx---", "x-x-x-x-x---x---", "x--xx-x-x-x-x---", "x--xx-----------"},
     {"0-1-2-3-2-1-2-3-", "0-2-3-2-0-2-3-2-"},
     {"x---------------", "x-------x-------"},
     {"R---F---R---F---", "R-.RF-.FR-.RO-F-"},
     {"x.......x.......", "....x.o.....x.oo", "x.x.x.x.x.x.x.x.", nullptr, nullptr, nullptr, nullptr,
      nullptr, nullptr, nullptr},
     {"x.......x.......", "....x.o.x.o.xoxo", "x.x.x.x.x.x.x.x.", nullptr, nullptr, nullptr, nullptr,
      nullptr, nullptr, nullptr},
     0.7f, 0.75f, 0.3f},
}};

}  // namespace

const StyleSpec& GetStyle(StyleKind kind)
{
    return Styles[static_cast<std::size_t>(kind)];
}

}  // namespace musicgen
