#include "game/render/GraphicsContext.h"

#include "app/GameWindow.h"
#include "app/ResourceIds.h"
#include "app/ResourceManager.h"
#include "game/effects/ParticleSystem.h"
#include "game/render/BlurEffect.h"
#include "game/render/ColorTables.h"
#include "game/render/Hud.h"
#include "game/world/Tilemap.h"
#include "sfxt/TextBox.h"
#include "sfxt/TextPlacement.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>

#include <algorithm>
#include <cmath>

const std::array<float, 4> LayerParallax = {{0.3f, 0.5f, 1.0f, 0.0f}};

namespace {

constexpr float SignBoxWidth = 180;
constexpr float SignBoxHeight = 100;
constexpr float MapOverviewScale = 12;
constexpr float TileSize = 36;

float Snap(float value)
{
    return std::floor(value + 0.5f);
}

// The layer offsets for a camera corner.
void SetLayerOffsets(std::array<sf::Vector2f, 4>& offsets, sf::Vector2f corner)
{
    for (std::size_t layer = 0; layer < offsets.size(); ++layer)
        offsets[layer] = corner * LayerParallax[layer];
}

}  // namespace

GraphicsContext::GraphicsContext(ResourceManager& resourceManager, GameWindow& gameWindow)
    : resources(&resourceManager),
      window(&gameWindow),
      font(&resourceManager.GetFont(FontMain)),
      layerOffsets(),
      camera(0, 0),
      shadersAvailable(resourceManager.CheckShaders())
{
    const sf::Vector2u size = window->window.getSize();
    blur = std::make_unique<BlurEffect>(resourceManager, size.x, size.y);
    hud = std::make_unique<Hud>(gameWindow, resourceManager.GetTexture(TextureMenu), *font);
    signTextBox = std::make_unique<sfxt::TextBox>(SignBoxWidth, SignBoxHeight, "", *font, 14);

    window->window.setView(window->window.getDefaultView());
    layerOffsets.fill(sf::Vector2f(0, 0));

    const sf::Image particles = resourceManager.GetTexture(TextureParticles).copyToImage();
    particleSystems.push_back(new ParticleSystem(gameWindow, particles, sf::IntRect(0, 32, 32, 32), false, 9, 9));
    for (int k = 0; k < 4; ++k)
        particleSystems.push_back(
            new ParticleSystem(gameWindow, particles, sf::IntRect(32 * k, 0, 32, 32), false, 13, 13));
    for (int k = 0; k < 6; ++k)
        particleSystems.push_back(
            new ParticleSystem(gameWindow, particles, sf::IntRect(32 + 11 * k, 32, 11, 11), false, 13, 13));
}

// Members go in reverse order: the sign text box, the popup texts, the lift
// systems, the fixed systems, the head-up display, the blur.
GraphicsContext::~GraphicsContext() = default;

sf::Vector2f GraphicsContext::FollowTarget(sf::Vector2f cameraCorner, sf::Vector2f target,
                                           sf::Vector2f viewTopLeft, sf::Vector2f viewSize,
                                           sf::Vector2u windowSize, sf::Vector2f mapSize)
{
    // Signed, so that a window narrower than the zone cannot wrap around.
    const float dx = static_cast<float>(static_cast<int>(windowSize.x / 2) - 50);
    const float dy = static_cast<float>(static_cast<int>(windowSize.y / 2) - 100);

    if (target.x > viewTopLeft.x + viewSize.x - dx)
        cameraCorner.x = target.x - (viewSize.x - dx);
    else if (target.x < viewTopLeft.x + dx)
        cameraCorner.x = target.x - dx;
    if (target.y > viewTopLeft.y + viewSize.y - dy)
        cameraCorner.y = target.y - (viewSize.y - dy);
    else if (target.y < viewTopLeft.y + dy)
        cameraCorner.y = target.y - dy;

    cameraCorner.x = std::max(0.f, cameraCorner.x);
    cameraCorner.y = std::max(0.f, cameraCorner.y);
    cameraCorner.x = std::min(cameraCorner.x, mapSize.x - viewSize.x);
    cameraCorner.y = std::min(cameraCorner.y, mapSize.y - viewSize.y);
    return cameraCorner;
}

std::array<sf::Vector2f, 4> GraphicsContext::LayerOffsetsFor(sf::Vector2f cameraCorner)
{
    std::array<sf::Vector2f, 4> offsets;
    SetLayerOffsets(offsets, sf::Vector2f(Snap(cameraCorner.x), Snap(cameraCorner.y)));
    return offsets;
}

sf::Vector2f GraphicsContext::SnapOffset(sf::Vector2f offset)
{
    return sf::Vector2f(Snap(offset.x), Snap(offset.y));
}

void GraphicsContext::ApplyLayerView(int layer)
{
    sf::View view = window->window.getDefaultView();
    // An unknown layer gets the screen's view.
    if (layer >= 0 && layer < static_cast<int>(layerOffsets.size()))
        view.move(SnapOffset(layerOffsets[static_cast<std::size_t>(layer)]));
    window->window.setView(view);
}

void GraphicsContext::ResetCamera(float x, float y)
{
    const sf::Vector2f viewSize = window->window.getView().getSize();
    const sf::Vector2f corner(x - viewSize.x / 2, y - viewSize.y / 2);
    window->window.setView(window->window.getDefaultView());
    SetLayerOffsets(layerOffsets, corner);
}

void GraphicsContext::UpdateCamera(float targetX, float targetY, float mapWidth, float mapHeight)
{
    const sf::View& view = window->window.getView();
    camera = FollowTarget(camera, sf::Vector2f(targetX, targetY), GetViewTopLeft(), view.getSize(),
                          window->window.getSize(), sf::Vector2f(mapWidth, mapHeight));
    layerOffsets = LayerOffsetsFor(camera);
}

sf::Vector2f GraphicsContext::GetViewTopLeft() const
{
    const sf::View& view = window->window.getView();
    return view.getCenter() - view.getSize() / 2.f;
}

bool GraphicsContext::IsOnScreen(float x, float y, float width, float height, float margin) const
{
    const sf::Vector2f topLeft = GetViewTopLeft();
    const sf::Vector2u size = window->window.getSize();
    const float w = static_cast<float>(size.x);
    const float h = static_cast<float>(size.y);
    return topLeft.x - margin <= x + width / 2 && x - width / 2 <= topLeft.x + w + margin &&
           topLeft.y - margin <= y + height / 2 && y - height / 2 <= topLeft.y + h + margin;
}

sf::Vector2f GraphicsContext::ClampToScreen(float x, float y, float width, float height, float margin) const
{
    const sf::Vector2f topLeft = GetViewTopLeft();
    const sf::Vector2u size = window->window.getSize();
    const float w = static_cast<float>(size.x);
    const float h = static_cast<float>(size.y);
    if (x + width / 2 < topLeft.x - margin)
        x = topLeft.x - margin - width / 2;
    else if (x - width / 2 > topLeft.x + w + margin)
        x = topLeft.x + w + margin + width / 2;
    if (y + height / 2 < topLeft.y - margin)
        y = topLeft.y - margin - height / 2;
    else if (y - height / 2 > topLeft.y + h + margin)
        y = topLeft.y + h + margin + height / 2;
    return sf::Vector2f(x, y);
}

std::size_t GraphicsContext::BackgroundSlot() const
{
    // A level names one of three backgrounds; anything else shows the first.
    if (backgroundIndex < 0 || backgroundIndex >= static_cast<std::int32_t>(WorldBackgroundColors.size()))
        return 0;
    return static_cast<std::size_t>(backgroundIndex);
}

void GraphicsContext::DrawBackground(int mode)
{
    switch (mode) {
    case 0:
        window->window.clear(sf::Color(162, 107, 42));
        break;
    case 1:
        window->window.clear(WorldBackgroundColors[BackgroundSlot()]);
        break;
    case 2: {
        sf::Texture& texture = resources->GetTexture(TextureBackground1 + static_cast<std::uint32_t>(BackgroundSlot()));
        texture.setSmooth(true);
        texture.setRepeated(true);
        const BackdropPlacement place = PlaceBackdrop(GetViewTopLeft(), texture.getSize());
        const sf::FloatRect& q = place.quad;
        const sf::FloatRect& t = place.texels;
        const sf::Vertex quad[4] = {
            sf::Vertex({q.left, q.top}, {t.left, t.top}),
            sf::Vertex({q.left, q.top + q.height}, {t.left, t.top + t.height}),
            sf::Vertex({q.left + q.width, q.top}, {t.left + t.width, t.top}),
            sf::Vertex({q.left + q.width, q.top + q.height}, {t.left + t.width, t.top + t.height}),
        };
        window->window.draw(quad, 4, sf::TriangleStrip, sf::RenderStates(&texture));
        break;
    }
    default:
        break;
    }
}

GraphicsContext::BackdropPlacement GraphicsContext::PlaceBackdrop(sf::Vector2f viewTopLeft, sf::Vector2u textureSize)
{
    constexpr float Scale = 4;
    const sf::Vector2f size(static_cast<float>(textureSize.x), static_cast<float>(textureSize.y));
    const float period = Scale * size.x;
    // The floored remainder, so that a view left of the map's edge is
    // covered too.
    float phase = std::fmod(viewTopLeft.x, period);
    if (phase < 0)
        phase += period;
    // Two periods across cover the view from wherever it starts in one. Up
    // and down the quad shows the picture from the centre of its first row
    // to the centre of its last: the smoothing then never reaches across its
    // top or bottom edge into the other one, as the texture repeats.
    BackdropPlacement place;
    place.quad = sf::FloatRect(viewTopLeft.x - phase, viewTopLeft.y, 2 * period, Scale * size.y);
    place.texels = sf::FloatRect(0, 0.5f, 2 * size.x, std::max(0.f, size.y - 1));
    return place;
}

void GraphicsContext::DrawSnapped(const sf::Sprite& sprite)
{
    sf::Sprite snapped(sprite);
    snapped.setPosition(SnapOffset(sprite.getPosition()));
    window->window.draw(snapped);
}

void GraphicsContext::DrawOverlay(sf::Uint8 alpha)
{
    if (alpha == 0)
        return;
    sf::RectangleShape overlay(window->window.getView().getSize());
    overlay.setPosition(GetViewTopLeft());
    overlay.setFillColor(sf::Color(0, 0, 0, alpha));
    window->window.draw(overlay);
}

void GraphicsContext::DrawOutlinedText(int colour, const std::string& text, float x, float y)
{
    const sf::Vector2f at = ClampToScreen(x, y, 0, 0, -20);
    // An unknown colour shows in the first one.
    const std::size_t index =
        colour >= 0 && colour < static_cast<int>(PopupColors.size()) ? static_cast<std::size_t>(colour) : 0;

    sf::Text main(text, *font, 16);
    main.setFillColor(PopupColors[index]);
    main.setPosition(at.x, at.y - 5);
    const sf::Vector2f size = GetTextSize(main);
    main.setOrigin(static_cast<float>(static_cast<int>(size.x * 0.5f + 0.5f)),
                   static_cast<float>(static_cast<int>(size.y * 0.5f + 0.5f)));

    sf::Text outline(main);
    outline.setFillColor(sf::Color::Black);
    static const sf::Vector2f OutlineSteps[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (const sf::Vector2f& step : OutlineSteps) {
        outline.setPosition(main.getPosition() + step);
        popupTexts.push_back(outline);
    }
    popupTexts.push_back(main);
}

void GraphicsContext::ShowSignText(const std::string& text, float x, float y)
{
    signTextBox->string = text;
    signTextBox->dirty = true;
    signTextBox->colour = sf::Color(0, 0, 0, 255);
    signTextBox->setPosition(x - signTextBox->width / 2, y - signTextBox->height / 2);
    signTextBox->bottom = true;
}

void GraphicsContext::DrawSignText()
{
    sfxt::TextBox& box = *signTextBox;
    const sf::Uint8 alpha = box.colour.a;
    const sf::Vector2f position = box.getPosition();

    box.colour = sf::Color(30, 25, 20, alpha);
    box.dirty = true;
    static const sf::Vector2f OutlineSteps[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (const sf::Vector2f& step : OutlineSteps) {
        box.setPosition(position + step);
        window->window.draw(box);
    }
    box.setPosition(position);
    box.colour = sf::Color(255, 255, 255, alpha);
    box.dirty = true;
    window->window.draw(box);
}

void GraphicsContext::DrawMapOverview(const Tilemap& tilemap)
{
    const sf::View kept = window->window.getView();
    const float columns = static_cast<float>(tilemap.Columns());
    const float rows = static_cast<float>(tilemap.Rows());
    const sf::Vector2u size = window->window.getSize();
    const float w = MapOverviewScale * static_cast<float>(size.x);
    const float h = MapOverviewScale * static_cast<float>(size.y);
    window->window.setView(
        sf::View(sf::FloatRect(-(w - TileSize * columns) / 2, -(h - TileSize * rows) / 2, w, h)));
    for (unsigned x = 0; x < tilemap.Columns(); ++x)
        for (unsigned y = 0; y < tilemap.Rows(); ++y)
            DrawTile(tilemap, false, x, y);
    window->window.setView(kept);
}

void GraphicsContext::ClearEffects()
{
    for (ParticleSystem& system : particleSystems)
        system.Clear();
    popupTexts.clear();
    liftSystems.clear();
}
