#pragma once

#include "game/effects/ParticleList.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>

#include <cstdint>
#include <memory>

class GameWindow;
namespace sf {
class RenderTarget;
class View;
}  // namespace sf

// Particles of one picture, drawn with fixed-function OpenGL: one texture,
// blend and projection setup for all of them, then one rotated, coloured
// quad each. The simulation (spawn, motion, ageing, removal) is the
// ParticleList it extends; this class adds the picture and the drawing.
class ParticleSystem : public ParticleList {
public:
    // The picture is the rectangle of the source (the whole source when the
    // rectangle is empty); the quad is width by height pixels (the picture's
    // size when both are 0). Uploads the texture on the window's context.
    ParticleSystem(GameWindow& window, const sf::Image& source, const sf::IntRect& rectangle, bool additive,
                   float width, float height);
    ~ParticleSystem();
    ParticleSystem(const ParticleSystem&) = delete;
    ParticleSystem& operator=(const ParticleSystem&) = delete;

    // Draws every particle on the window in its current view.
    void Draw();
    // Draws every particle on a target in its current view, saving and
    // restoring the GL state it changes.
    void Draw(sf::RenderTarget& target);

    GameWindow* GetWindow() const { return window; }
    const sf::Image& GetImage() const { return image; }
    bool IsAdditive() const { return additive; }
    float GetHalfWidth() const { return halfWidth; }
    float GetHalfHeight() const { return halfHeight; }
    std::uint32_t GetTexture() const { return texture; }

private:
    // Activates the target and sets up texture, blending and matrices.
    void BeginDraw(sf::RenderTarget& target);
    void EndDraw();

    GameWindow* window;
    sf::Image image;
    float halfWidth;
    float halfHeight;
    std::uint32_t texture;
    bool additive;
};

// A new system with the template's window, its whole picture, its blending
// and its quad size.
std::unique_ptr<ParticleSystem> CreateParticleSystem(const ParticleSystem& model);

// Loads an orthographic projection that puts map coordinates where SFML
// draws them in the view.
void SetParticleProjection(const sf::View& view);
