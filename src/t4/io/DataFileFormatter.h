#pragma once

#include "t4/io/formatter.h"

// The formatter of every data file of the game (configuration, profiles,
// highscores, levels): the default marks with "; " between tokens, so a data
// line reads {a; b; c}.
t4::formatter MakeDataFileFormatter();
