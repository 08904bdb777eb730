#include "game/GameAppServices.h"

#include "app/AppServices.h"
#include "app/AudioManager.h"
#include "app/GameWindow.h"
#include "app/ProfileStore.h"
#include "app/Title.h"
#include "game/render/GraphicsContext.h"
#include "game/sim/Game.h"
#include "sfxt/TextBox.h"

#include <SFML/Audio/Listener.hpp>
#include <SFML/Audio/Music.hpp>

#include <algorithm>

namespace {

AppServices& App()
{
    return AppServices::Instance();
}

}  // namespace

Game::Game(GameWindow& window, bool backdrop) : Game(window, backdrop, std::make_unique<GameAppServices>()) {}

bool GameAppServices::HasDisplay() const
{
    return true;
}

bool GameAppServices::PollEvent(sf::Event& event)
{
    return App().Window()->window.pollEvent(event);
}

bool GameAppServices::IsKeyHeld(sf::Keyboard::Key key) const
{
    return sf::Keyboard::isKeyPressed(key);
}

KeyAction GameAppServices::ActionForKey(sf::Keyboard::Key key) const
{
    return App().Window()->ActionForKey(key);
}

sf::Keyboard::Key GameAppServices::KeyForAction(KeyAction action) const
{
    return BoundKey(App().Window()->keyBindings, action);
}

void GameAppServices::SetCursorVisible(bool visible)
{
    App().Window()->SetMouseCursorVisible(visible);
}

void GameAppServices::PlaySound(std::uint32_t id, float x, float y, float vx, float vy)
{
    App().Audio()->PlaySound(id, x, y, vx, vy);
}

void GameAppServices::PlaySingleSound(std::uint32_t id, float x, float y)
{
    App().Audio()->PlaySingleSound(id, x, y);
}

void GameAppServices::PauseSingleSound(std::uint32_t id)
{
    App().Audio()->PauseSingleSound(id);
}

void GameAppServices::StopSingleSounds()
{
    App().Audio()->StopSingleSounds();
}

void GameAppServices::UpdateListener(float x, float y)
{
    AudioManager& audio = *App().Audio();
    sf::Listener::setPosition(x, y, audio.GetListenerHeight());
    audio.Update();
}

void GameAppServices::PurgeSounds()
{
    App().Audio()->PurgeSounds();
}

void GameAppServices::SetSuppressed(bool suppressed)
{
    App().Audio()->SetSuppressed(suppressed);
}

void GameAppServices::SetMainMusic(std::uint32_t id)
{
    App().Audio()->SetMainMusic(id);
}

void GameAppServices::PlayMainMusic()
{
    App().Audio()->PlayMainMusic();
}

void GameAppServices::PlayJingle(std::uint32_t id)
{
    App().Audio()->PlayJingle(id);
}

void GameAppServices::RestartMusic()
{
    App().Audio()->RestartMusic();
}

void GameAppServices::StopMusic()
{
    App().Audio()->StopMusic();
}

void GameAppServices::PauseMusic()
{
    App().Audio()->PauseMusic();
}

void GameAppServices::ResumeMusic()
{
    App().Audio()->ResumeMusic();
}

void GameAppServices::SpawnEffect(int preset, const Lift* owner, float x, float y, float vx, float vy)
{
    App().Graphics()->SpawnEffect(preset, owner, x, y, vx, vy);
}

void GameAppServices::ClearEffects()
{
    App().Graphics()->ClearEffects();
}

void GameAppServices::ShowPopupText(int colour, const std::string& text, float x, float y)
{
    App().Graphics()->DrawOutlinedText(colour, text, x, y);
}

void GameAppServices::ShowSignText(const std::string& text, float x, float y)
{
    App().Graphics()->ShowSignText(text, x, y);
}

void GameAppServices::SpawnTileEffects(const Player& player)
{
    App().Graphics()->SpawnTileEffects(player);
}

void GameAppServices::SpawnWeaponEffects(const Weapon& weapon)
{
    App().Graphics()->SpawnPlayerEffects(weapon);
}

void GameAppServices::SpawnLiftEffects(const Lift& lift)
{
    App().Graphics()->SpawnLiftEffects(lift);
}

void GameAppServices::UpdateEffects()
{
    App().Graphics()->UpdateEffects();
}

void GameAppServices::UpdateCamera(float x, float y, float mapWidth, float mapHeight)
{
    GraphicsContext& graphics = *App().Graphics();
    graphics.UpdateCamera(x, y, mapWidth, mapHeight);
    // A sign's text fades out within 15 steps of leaving the sign.
    if (graphics.signTextBox) {
        sf::Color& colour = graphics.signTextBox->colour;
        colour.a = static_cast<sf::Uint8>(std::max(0, static_cast<int>(colour.a) - 17));
        graphics.signTextBox->dirty = true;
    }
}

void GameAppServices::ResetCamera(float x, float y)
{
    App().Graphics()->ResetCamera(x, y);
}

sf::Vector2f GameAppServices::GetViewCentre() const
{
    return App().Window()->window.getView().getCenter();
}

void GameAppServices::ToggleInterface()
{
    GraphicsContext& graphics = *App().Graphics();
    graphics.showInterface = !graphics.showInterface;
}

void GameAppServices::BeginPlay(int backgroundIndex)
{
    GraphicsContext& graphics = *App().Graphics();
    graphics.hideSecretTiles = true;
    graphics.showInterface = true;
    graphics.backgroundIndex = backgroundIndex;
}

ProfileStore& GameAppServices::Profiles()
{
    return *App().Profiles();
}

SceneSeen GameAppServices::DrawScene(const Scene& scene)
{
    return App().Graphics()->DrawScene(scene);
}

void GameAppServices::DrawOverlay(sf::Uint8 alpha)
{
    App().Graphics()->DrawOverlay(alpha);
}

void GameAppServices::DrawHud(const PlayerStats& stats)
{
    App().Graphics()->DrawHud(stats);
}

void GameAppServices::DrawMapOverview(const Tilemap& tilemap)
{
    App().Graphics()->DrawMapOverview(tilemap);
}

void GameAppServices::DrawTitle(const Title& title)
{
    App().Graphics()->window->window.draw(title);
}
