#include "game/GameAppServices.h"

#include "app/Application.h"
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

Application& App()
{
    return Application::Instance();
}

}  // namespace

Game::Game(GameWindow& window, bool backdrop) : Game(window, backdrop, std::make_unique<GameAppServices>()) {}

bool GameAppServices::HasDisplay() const
{
    return true;
}

bool GameAppServices::PollEvent(sf::Event& event)
{
    return App().window->window.pollEvent(event);
}

bool GameAppServices::IsKeyHeld(sf::Keyboard::Key key) const
{
    return sf::Keyboard::isKeyPressed(key);
}

KeyAction GameAppServices::ActionForKey(sf::Keyboard::Key key) const
{
    return App().window->ActionForKey(key);
}

sf::Keyboard::Key GameAppServices::KeyForAction(KeyAction action) const
{
    return BoundKey(App().window->keyBindings, action);
}

void GameAppServices::SetCursorVisible(bool visible)
{
    App().window->SetMouseCursorVisible(visible);
}

void GameAppServices::PlaySound(std::uint32_t id, float x, float y, float vx, float vy)
{
    App().audio->PlaySound(id, x, y, vx, vy);
}

void GameAppServices::PlaySingleSound(std::uint32_t id, float x, float y)
{
    App().audio->PlaySingleSound(id, x, y);
}

void GameAppServices::PauseSingleSound(std::uint32_t id)
{
    App().audio->PauseSingleSound(id);
}

void GameAppServices::StopSingleSounds()
{
    App().audio->StopSingleSounds();
}

void GameAppServices::UpdateListener(float x, float y)
{
    AudioManager& audio = *App().audio;
    sf::Listener::setPosition(x, y, audio.GetListenerHeight());
    audio.Update();
}

void GameAppServices::PurgeSounds()
{
    App().audio->PurgeSounds();
}

void GameAppServices::SetSuppressed(bool suppressed)
{
    App().audio->SetSuppressed(suppressed);
}

void GameAppServices::SetMainMusic(std::uint32_t id)
{
    App().audio->SetMainMusic(id);
}

void GameAppServices::PlayMainMusic()
{
    App().audio->PlayMainMusic();
}

void GameAppServices::PlayJingle(std::uint32_t id)
{
    App().audio->PlayJingle(id);
}

void GameAppServices::RestartMusic()
{
    App().audio->RestartMusic();
}

void GameAppServices::StopMusic()
{
    App().audio->StopMusic();
}

void GameAppServices::PauseMusic()
{
    App().audio->PauseMusic();
}

void GameAppServices::ResumeMusic()
{
    App().audio->ResumeMusic();
}

void GameAppServices::SpawnEffect(int preset, const Lift* owner, float x, float y, float vx, float vy)
{
    App().graphics->SpawnEffect(preset, owner, x, y, vx, vy);
}

void GameAppServices::ClearEffects()
{
    App().graphics->ClearEffects();
}

void GameAppServices::ShowPopupText(int colour, const std::string& text, float x, float y)
{
    App().graphics->DrawOutlinedText(colour, text, x, y);
}

void GameAppServices::ShowSignText(const std::string& text, float x, float y)
{
    App().graphics->ShowSignText(text, x, y);
}

void GameAppServices::SpawnTileEffects(const Player& player)
{
    App().graphics->SpawnTileEffects(player);
}

void GameAppServices::SpawnWeaponEffects(const Weapon& weapon)
{
    App().graphics->SpawnPlayerEffects(weapon);
}

void GameAppServices::SpawnLiftEffects(const Lift& lift)
{
    App().graphics->SpawnLiftEffects(lift);
}

void GameAppServices::UpdateEffects()
{
    App().graphics->UpdateEffects();
}

void GameAppServices::UpdateCamera(float x, float y, float mapWidth, float mapHeight)
{
    GraphicsContext& graphics = *App().graphics;
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
    App().graphics->ResetCamera(x, y);
}

sf::Vector2f GameAppServices::GetViewCentre() const
{
    return App().window->window.getView().getCenter();
}

void GameAppServices::ToggleInterface()
{
    GraphicsContext& graphics = *App().graphics;
    graphics.showInterface = !graphics.showInterface;
}

void GameAppServices::BeginPlay(int backgroundIndex)
{
    GraphicsContext& graphics = *App().graphics;
    graphics.hideSecretTiles = true;
    graphics.showInterface = true;
    graphics.backgroundIndex = backgroundIndex;
}

ProfileStore& GameAppServices::Profiles()
{
    return *App().profiles;
}

SceneSeen GameAppServices::DrawScene(const Scene& scene)
{
    return App().graphics->DrawScene(scene);
}

void GameAppServices::DrawOverlay(sf::Uint8 alpha)
{
    App().graphics->DrawOverlay(alpha);
}

void GameAppServices::DrawHud(const PlayerStats& stats)
{
    App().graphics->DrawHud(stats);
}

void GameAppServices::DrawMapOverview(const Tilemap& tilemap)
{
    App().graphics->DrawMapOverview(tilemap);
}

void GameAppServices::DrawTitle(const Title& title)
{
    App().graphics->window->window.draw(title);
}
