#include "game/GameServices.h"

GameServices::~GameServices() = default;
