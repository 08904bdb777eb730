// The GraphicsContext's particles and popup texts: spawning, the per-step
// update and the drawing.

#include "game/render/GraphicsContext.h"

#include "app/GameWindow.h"
#include "game/effects/EffectPresets.h"
#include "game/effects/EffectSpawner.h"
#include "game/effects/ParticleSystem.h"
#include "game/objects/Lift.h"

#include <SFML/Graphics/RenderWindow.hpp>

namespace {

// Emissions farther outside the view are dropped.
constexpr float SpawnMargin = 60;

// A popup text rises and fades: slowly while bright, faster below 201.
constexpr float PopupRise = -0.8f;

}  // namespace

void GraphicsContext::SpawnEffect(int preset, const Lift* owner, float x, float y, float vx, float vy)
{
    if (!IsOnScreen(x, y, 0, 0, SpawnMargin))
        return;
    std::size_t systemIndex = 0;
    Particle particle = MakeEffectParticle(preset, x, y, vx, vy, systemIndex);
    if (owner) {
        // A fading lift emits fading particles.
        particle.startColour.a = owner->GetAlpha();
        GetLiftParticleSystem(owner).AddParticle(particle);
        return;
    }
    particleSystems.at(systemIndex).AddParticle(particle);
}

void GraphicsContext::SpawnTileEffects(const Player& player)
{
    EffectSpawner::ForPlayer(player, [this](int preset, const Lift* owner, float x, float y, float vx, float vy) {
        SpawnEffect(preset, owner, x, y, vx, vy);
    });
}

void GraphicsContext::SpawnPlayerEffects(const Weapon& weapon)
{
    EffectSpawner::ForWeapon(weapon, timeSlowed,
                             [this](int preset, const Lift* owner, float x, float y, float vx, float vy) {
                                 SpawnEffect(preset, owner, x, y, vx, vy);
                             });
}

void GraphicsContext::SpawnLiftEffects(const Lift& lift)
{
    if (!hideSecretTiles)
        return;
    EffectSpawner::ForLift(lift, timeSlowed,
                           [this](int preset, const Lift* owner, float x, float y, float vx, float vy) {
                               SpawnEffect(preset, owner, x, y, vx, vy);
                           });
}

ParticleSystem& GraphicsContext::GetLiftParticleSystem(const Lift* lift)
{
    auto found = liftSystems.find(lift);
    if (found != liftSystems.end())
        return *found->second;
    // A 9 x 9 quad of the whole picture of system 0.
    const Lift* key = lift;
    auto inserted = liftSystems.insert(key, CreateParticleSystem(particleSystems.at(0)).release());
    return *inserted.first->second;
}

void GraphicsContext::UpdateEffects()
{
    for (ParticleSystem& system : particleSystems)
        system.UpdateCarried();

    for (auto text = popupTexts.begin(); text != popupTexts.end();) {
        text->move(0, PopupRise);
        sf::Color colour = text->getFillColor();
        const sf::Uint8 fade = colour.a >= 201 ? 1 : 5;
        colour.a = colour.a > fade ? static_cast<sf::Uint8>(colour.a - fade) : 0;
        text->setFillColor(colour);
        if (colour.a == 0)
            text = popupTexts.erase(text);
        else
            ++text;
    }

    for (auto entry = liftSystems.begin(); entry != liftSystems.end(); ++entry) {
        ParticleSystem& system = *entry->second;
        system.carryOffset = EffectSpawner::LiftCarryOffset(*entry->first, timeSlowed);
        system.UpdateCarried();
    }
}

void GraphicsContext::DrawBackgroundParticles()
{
    for (auto entry = liftSystems.begin(); entry != liftSystems.end(); ++entry)
        entry->second->Draw(window->window);
}

void GraphicsContext::DrawParticles()
{
    for (ParticleSystem& system : particleSystems)
        system.Draw(window->window);
    for (const sf::Text& text : popupTexts)
        window->window.draw(text);
}
