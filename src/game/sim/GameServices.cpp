#include "game/sim/GameServices.h"

GameServices::~GameServices() = default;

SceneSeen GameServices::DrawScene(const Scene&)
{
    return SceneSeen();
}

void GameServices::DrawOverlay(sf::Uint8) {}

void GameServices::DrawHud(const PlayerStats&) {}

void GameServices::DrawMapOverview(const Tilemap&) {}

void GameServices::DrawTitle(const Title&) {}
