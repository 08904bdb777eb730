// Enemies, the player and every other object of the scene.

#include "game/render/GraphicsContext.h"

#include "app/GameWindow.h"
#include "app/ResourceIds.h"
#include "app/ResourceManager.h"
#include "game/objects/Enemy.h"
#include "game/objects/Object.h"
#include "game/objects/Player.h"
#include "game/render/BlurEffect.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cmath>

const sf::IntRect HurtMarkRect(0, 128, 13, 12);
const std::array<sf::IntRect, 4> PowerUpOverlayRects = {{
    sf::IntRect(),
    sf::IntRect(0, 172, 24, 32),  // invulnerability
    sf::IntRect(0, 204, 24, 32),  // time distortion
    sf::IntRect(0, 140, 24, 32),  // jetpack
}};

namespace {

// The origin at the middle of the sprite's local size, on whole pixels.
void CentreOrigin(sf::Sprite& sprite)
{
    const sf::FloatRect bounds = sprite.getLocalBounds();
    sprite.setOrigin(static_cast<float>(static_cast<int>(bounds.width * 0.5f + 0.5f)),
                     static_cast<float>(static_cast<int>(bounds.height * 0.5f + 0.5f)));
}

void Mirror(sf::Sprite& sprite, bool mirrored)
{
    const float scaleX = std::fabs(sprite.getScale().x);
    sprite.setScale(mirrored ? -scaleX : scaleX, sprite.getScale().y);
}

sf::Uint8 ToAlpha(int value)
{
    return static_cast<sf::Uint8>(std::clamp(value, 0, 255));
}

}  // namespace

int GraphicsContext::Round(float value)
{
    return static_cast<int>(std::floor(value + 0.5f));
}

void GraphicsContext::DrawObject(const Object& object, int textureId, bool mirror, float rotation, sf::Uint8 alpha,
                                 bool glow)
{
    const sf::Vector2f position = object.GetPosition();
    const sf::Vector2f size = object.GetSize();
    if (!IsOnScreen(position.x, position.y, size.x, size.y, 0))
        return;

    sf::Sprite sprite(resources->GetTexture(static_cast<std::uint32_t>(textureId)), object.GetTextureRect());
    sprite.setPosition(position);
    CentreOrigin(sprite);
    sprite.setColor(sf::Color(255, 255, 255, alpha == 255 ? object.GetAlpha() : alpha));
    sprite.setRotation(mirror ? -rotation : rotation);
    Mirror(sprite, mirror);
    DrawSnapped(sprite);

    if (glow)
        blur->AddGlow(sprite, window->window.getView());
}

void GraphicsContext::DrawEnemy(const Enemy& enemy)
{
    const sf::Vector2f position = enemy.GetPosition();
    const sf::Vector2f size = enemy.GetSize();
    if (!IsOnScreen(position.x, position.y, size.x, size.y, 0))
        return;

    const float offsetX = size.x / 2 + enemy.boxOffset.x;
    const float top = position.y - (size.y / 2 + enemy.boxOffset.y);
    sf::Sprite sprite(resources->GetTexture(TextureObject), enemy.GetTextureRect());
    sprite.setPosition(enemy.facingRight ? position.x - offsetX : position.x + offsetX, top);
    Mirror(sprite, !enemy.facingRight);

    const std::int32_t c = enemy.counter;
    if (c == 0 || (c == Enemy::HangingCounter && enemy.kind == Enemy::FallerKind) || !hideSecretTiles) {
        DrawSnapped(sprite);
        return;
    }
    // Grows in over the last 20 steps of its wait, fades over its 30 dying
    // steps; never below nothing or beyond full.
    float f = c >= 0 ? 1.f - static_cast<float>(c) / 30.f : 1.f - static_cast<float>(c) / -20.f;
    f = std::clamp(f, 0.f, 1.f);
    switch (enemy.deathMode) {
    case Enemy::DeathStomped:
        if (enemy.GetType().flying) {
            sprite.setColor(sf::Color(255, 255, 255, ToAlpha(Round(255 * f))));
        } else {
            const sf::FloatRect before = sprite.getGlobalBounds();
            sprite.setScale(sprite.getScale().x, f);
            const sf::FloatRect after = sprite.getGlobalBounds();
            sprite.move(0, (before.top + before.height) - (after.top + after.height));
        }
        break;
    case Enemy::DeathKilled: {
        const sf::Uint8 v = ToAlpha(Round(255 * f));
        sprite.setColor(sf::Color(v, v, v, v));
        break;
    }
    case Enemy::DeathBurnt:
        return;
    default:
        break;
    }
    DrawSnapped(sprite);
}

void GraphicsContext::DrawPlayer(const Player& player, int counter)
{
    if (!player.shown)
        return;
    const sf::Vector2f position = player.GetPosition();
    const sf::Texture& texture = resources->GetTexture(TexturePlayer);

    sf::Sprite body(texture, player.GetTextureRect());
    body.setPosition(position);
    CentreOrigin(body);
    Mirror(body, !player.facingRight);
    DrawSnapped(body);

    const std::int32_t t = player.hurtTimer;
    if (t < 0 && !player.spawnProtection) {
        sf::Sprite mark(texture, HurtMarkRect);
        const float facing = player.facingRight ? 1.f : 0.f;
        mark.setPosition(position.x + 2 * facing - 1, position.y - player.GetSize().y / 2 + 6);
        mark.setColor(sf::Color(255, 255, 255, ToAlpha((-255 * t) / 100)));
        CentreOrigin(mark);
        Mirror(mark, !player.facingRight);
        DrawSnapped(mark);
    }

    DrawFlame(player, counter);
    DrawSignText();
}

void GraphicsContext::DrawFlame(const Player& player, int counter)
{
    sf::IntRect overlay;
    sf::IntRect extra;
    switch (player.stats.powerUpMode) {
    case PlayerStats::Invulnerability:
    case PlayerStats::Jetpack:
        overlay = PowerUpOverlayRects[player.stats.powerUpMode];
        break;
    case PlayerStats::TimeDistortion:
        overlay = PowerUpOverlayRects[player.stats.powerUpMode];
        extra = player.GetFlameRect(static_cast<std::uint32_t>(counter));
        break;
    default:
        return;
    }
    const sf::Vector2f position = player.GetPosition();
    const sf::Texture& texture = resources->GetTexture(TexturePlayer);

    sf::Sprite sprite(texture, overlay);
    sprite.setPosition(position);
    CentreOrigin(sprite);
    Mirror(sprite, !player.facingRight);
    DrawSnapped(sprite);

    if (extra.width != 0 && extra.height != 0) {
        sf::Sprite flame(texture, extra);
        flame.setPosition(player.facingRight ? position.x + 5 : position.x - 5, position.y + 3);
        CentreOrigin(flame);
        DrawSnapped(flame);
    }
}
