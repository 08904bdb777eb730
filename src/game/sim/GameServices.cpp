#include "game/sim/GameServices.h"

GameServices::~GameServices() = default;

sf::Vector2f GameServices::GetViewCentre() const
{
    return sf::Vector2f();
}

SceneSeen GameServices::DrawScene(const Scene&)
{
    return SceneSeen();
}

void GameServices::DrawOverlay(sf::Uint8) {}

void GameServices::DrawHud(const PlayerStats&) {}

void GameServices::DrawMapOverview(const Tilemap&) {}

void GameServices::DrawTitle(const Title&) {}
