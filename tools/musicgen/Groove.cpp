#include "musicgen/Groove.h"

namespace musicgen {

namespace {

using D = DrumKind;

const std::array<GrooveSpec, static_cast<std::size_t>(GrooveKind::Count)>& Grooves()
{
    static const std::array<GrooveSpec, static_cast<std::size_t>(GrooveKind::Count)> grooves = {{
        {"Skip", 16, 4, 0.12f,
         {"x--x--x-x---x-x-", "x-x-x-x-x-----x-", "x---x-x-x--x--x-", "x-x-x-----------"},
         {"x-------x-------", "x---------------"},
         "0.2.3.2.1.2.3.2.", "x-------x-------", "R-----R-F-------", "R---F---R-.RF---",
         {{D::Kick, "x.......x.x....."}, {D::Rim, "....x.......x..."}, {D::Shaker, "oxoxoxoxoxoxoxox"},
          {D::Tambourine, "....x.......x..."}},
         {{D::Kick, "x.......x.x.x..."}, {D::HighTom, "..........x.x..."}, {D::LowTom, "..............xx"},
          {D::Shaker, "oxoxoxoxoxoxoxox"}}},
        {"Waltz", 12, 4, 0.0f,
         {"x---x-x-x---", "x-x-x---x---", "x-----x-x-x-", "x---x-------"},
         {"x-----------", "x-------x---"},
         "0.2.3.2.1.2.", "....x-..x-..", "R-----------", "R-------F---",
         {{D::Kick, "x..........."}, {D::Woodblock, "....x...x..."}, {D::Shaker, "x.o.x.o.x.o."},
          {D::Tambourine, "....o...o..."}},
         {{D::Kick, "x.......x.x."}, {D::HighTom, "........x.x."}, {D::Tambourine, "x.o.x.o.x.xx"}}},
        {"Jig", 12, 3, 0.0f,
         {"x-xx-xx-xx-x", "x--x-xx-xx--", "xxxx-xx--x-x", "x-xx--x-----"},
         {"x-----x-----", "x-----------"},
         "023202320232", "x-----x-----", "R-.F-.R-.F-.", "R--F--O--F--",
         {{D::Kick, "x.....x....."}, {D::Rim, "...x.....x.."}, {D::Shaker, "xooxooxooxoo"},
          {D::Tambourine, "......x....."}},
         {{D::Kick, "x.....x..x.."}, {D::HighTom, "......x.x..."}, {D::LowTom, ".........xxx"},
          {D::Shaker, "xooxooxooxoo"}}},
        {"Amble", 16, 4, 0.3f,
         {"x--x-x--x-x-x---", "x-x--x-xx---x---", "x---x--xx-x-x-x-", "x--x-x----------"},
         {"x-------x-------", "x---------------"},
         "0..2..3.2..1..2.", "x-----x---x-----", "R--R--F-R-----F-", "R-.R.-F-O-.F.-R-",
         {{D::Kick, "x......x..x....."}, {D::Woodblock, "....x.......x..."}, {D::Shaker, "o.x.o.x.o.x.o.xx"},
          {D::Tambourine, "........x......."}},
         {{D::Kick, "x......x..x.x.x."}, {D::HighTom, "..........x.x..."}, {D::LowTom, "..............xx"},
          {D::Shaker, "o.x.o.x.o.x.o.xx"}}},
        {"Drive", 16, 4, 0.0f,
         {"x-x-x-x-x---x-x-", "x---x-xxx---x---", "x-xxx-x-x-x-x-x-", "x-x-x-----------"},
         {"x-------x-------", "x---------------"},
         "0-------2-------", "x-.x-.x.x-.x-.x.", "R-R-R-R-R-R-O-R-", "R.RR.RF.R.RR.OF.",
         {{D::Kick, "x.....x.x.....x."}, {D::Snare, "....x.......x..."}, {D::ClosedHat, "x.x.x.x.x.x.x.x."}},
         {{D::Kick, "x.....x........."}, {D::Snare, "....x.....x.xxxx"}, {D::HighTom, "........x.x....."},
          {D::LowTom, "............x.x."}}},
        {"Stomp", 16, 4, 0.0f,
         {"x-------x---x---", "x---x---x-------", "x-----x-x-------", "x---------------"},
         {"x---------------", "x-------x-------"},
         "................", "x--x--x---x-x---", "R--R--R---R-R---", "R-RR-RR-R-RRO-R-",
         {{D::Kick, "x..x..x.....x..."}, {D::Snare, "........x......."}, {D::Ride, "x...x...x...x..."},
          {D::OpenHat, "..............x."}},
         {{D::Kick, "x..x..x.x..x...."}, {D::Snare, "........x...xxxx"}, {D::LowTom, "....x.x........."}}},
        {"Shuffle", 12, 3, 0.0f,
         {"x-xx-xx-x---", "x--x-xx-xx-x", "xx-x-xx-x---", "x-xx--------"},
         {"x-----x-----", "x-----------"},
         "0--2--1--2--", "x-xx-xx-xx-x", "R-.F-.R-.O-F", "R-RF-FR-RO-O",
         {{D::Kick, "x....xx....."}, {D::Snare, "...x.....x.."}, {D::Ride, "x.ox.ox.ox.o"}},
         {{D::Kick, "x....x......"}, {D::Snare, "...x..x.xxxx"}, {D::HighTom, "......x.x..."}}},
        {"Gallop", 16, 4, 0.0f,
         {"x.xxx.xxx-x-x---", "x-x-x-xxx.xxx---", "xx-xx-xx-x-x-x--", "x.xxx-----------"},
         {"x---------------", "x-------x-------"},
         "0.120.120.120.12", "x.xxx.xxx.xxx.xx", "R.RRR.RRR.RRO.RR", "R.RRF.FFR.RRO.OO",
         {{D::Kick, "x.xx....x.xx...."}, {D::Snare, "....x.......x..."}, {D::ClosedHat, "x.x.x.x.x.x.x.x."},
          {D::OpenHat, "..............x."}},
         {{D::Kick, "x.xx....x.xx...."}, {D::Snare, "....x...xxxx.xxx"}, {D::HighTom, "..........x.x..."}}},
        {"Floor", 16, 4, 0.0f,
         {"x--x--x-x-x-----", "x-x--x--x---x-x-", "x--x--x---x-x---", "x--x--x---------"},
         {"x-------x-------", "x---------------"},
         "0123210301232103", "x-------x-------", "..R...R...R...R.", "R.RO.RO.R.RO.RO.",
         {{D::Kick, "x...x...x...x..."}, {D::Clap, "....x.......x..."}, {D::OpenHat, "..x...x...x...x."},
          {D::ClosedHat, "oooooooooooooooo"}},
         {{D::Kick, "x...x...x.x.x.x."}, {D::Clap, "....x.......x.xx"}, {D::ClosedHat, "xoxoxoxoxoxoxoxo"}}},
        {"Broken", 16, 4, 0.28f,
         {"x-.x--x-..x-x---", "..x-x--x-x--x---", "x--x-x..x-x--x--", "x-.x--x---------"},
         {"x-------x-------", "x---------------"},
         "0..1..2.3..2..1.", "x-----x.....x---", "R..R..F.R...O.F.", "R.RR..F.R.R..OF.",
         {{D::Kick, "x.....x...x....."}, {D::Snare, "....x.......x..o"}, {D::ClosedHat, "x.xx.x.xx.xx.x.x"}},
         {{D::Kick, "x.....x...x.x..."}, {D::Snare, "....x...o.x.x.xx"}, {D::ClosedHat, "x.xx.x.xx.xx.x.x"}}},
        {"Electro", 16, 4, 0.0f,
         {"x--x--x-x--x--x-", "x-x-x--x--x-x---", "x--x--x---x-x-x-", "x--x--x---------"},
         {"x-------x-------", "x---------------"},
         "0.3.2.3.0.3.2.3.", "x--x--x-x--x--x-", "R--R--R-R--R--O-", "R--F--R-O--F--R-",
         {{D::Kick, "x..x..x...x....."}, {D::Clap, "....x.......x..."}, {D::ClosedHat, "x.x.x.x.x.x.x.x."},
          {D::Rim, "..x..x.......x.."}},
         {{D::Kick, "x..x..x.x.x.x.x."}, {D::Clap, "....x.......x.xx"}, {D::ClosedHat, "x.x.x.x.x.x.x.x."}}},
        {"Seven", 14, 4, 0.0f,
         {"x-x-x---x-x-x-", "x---x-x-x-x---", "x-xx-xx-x-xx--", "x-x-x---------"},
         {"x-------x-----", "x-------------"},
         "0.1.2.3.2.1.2.", "x---x---x-----", "R---R---F---O-", "R-R-R-R-F-F-O-",
         {{D::Kick, "x.......x....."}, {D::Clap, "....x.....x..."}, {D::ClosedHat, "x.x.x.x.x.x.x."}},
         {{D::Kick, "x.......x.x.x."}, {D::Clap, "....x.....xxxx"}, {D::ClosedHat, "x.x.x.x.x.x.x."}}},
        {"March", 12, 3, 0.0f,
         {"x--x-xx--x--", "x-xx-xx-----", "x--x--x-xx-x", "x-xx--------"},
         {"x-----x-----", "x-----------"},
         "0.23.21.23.2", "x-----x-----", "R-----F-----", "R--F--R--O--",
         {{D::Kick, "x.....x....."}, {D::Snare, "...x.o...x.o"}, {D::Ride, "x.....x....."}},
         {{D::Kick, "x.....x....."}, {D::Snare, "...x.oxxxxxx"}}},
        {"Drift", 16, 4, 0.0f,
         {"x-----x-x-------", "x---x---x---x---", "x-x-x-----x-x---", "x---x-----------"},
         {"x---------------", "x-------x-------"},
         "0---2---3---2---", "x---------------", "R-------F-------", "R-----R-F-------",
         {{D::Kick, "x.........x....."}, {D::Shaker, "..o...o...o...o."}, {D::Ride, "x.......x......."}},
         {{D::Kick, "x.........x....."}, {D::Shaker, "..o...o...o.o.o."}}},
    }};
    return grooves;
}

}  // namespace

const GrooveSpec& GetGroove(GrooveKind kind)
{
    return Grooves()[static_cast<std::size_t>(kind)];
}

}  // namespace musicgen
