#include "game/sim/GameServices.h"

GameServices::~GameServices() = default;
