#include "game/render/BlurEffect.h"

#include "app/Log.h"
#include "app/ResourceIds.h"
#include "app/ResourceManager.h"

#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/Shader.hpp>

#include <cmath>
#include <string>

BlurEffect::BlurEffect(ResourceManager& resourceManager, unsigned width, unsigned height)
    : resources(&resourceManager), horizontalShader(nullptr), verticalShader(nullptr), needsBlur(true),
      hasContent(true) {
    for (sf::RenderTexture& target : targets)
        ready = target.create(width / 4, height / 4) && ready;  // no depth buffer
    if (!ready) {
        // The game goes on; nothing glows.
        Log("Failed to create the render textures of the blur (" + std::to_string(width / 4) + " x " +
            std::to_string(height / 4) + ").\nThe game runs without the blur.");
        hasContent = false;
        return;
    }
    BuildQuad(width / 4, height / 4);
    targets[0].setSmooth(true);
}

BlurEffect::~BlurEffect() = default;

void BlurEffect::BeginFrame() {
    if (!ready)
        return;
    if (hasContent)
        targets[0].clear(sf::Color::Black);
    needsBlur = true;
    hasContent = false;
}

void BlurEffect::BuildQuad(unsigned width, unsigned height) {
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (std::size_t i = 0; i < quad.size(); ++i) {
        const sf::Vector2f at(4 * std::floor(corners[i][0] * w / 4), 4 * std::floor(corners[i][1] * h / 4));
        quad[i] = sf::Vertex(at, at);
    }
}

void BlurEffect::SetView(sf::View view) {
    const sf::Vector2f centre = view.getCenter();
    view.setCenter(4 * std::floor(centre.x / 4), 4 * std::floor(centre.y / 4));
    targets[0].setView(view);
}

void BlurEffect::AddGlow(const sf::Drawable& drawing, const sf::View& view, const sf::RenderStates& states) {
    if (!ready)
        return;
    SetView(view);
    targets[0].draw(drawing, states);
    needsBlur = true;
    hasContent = true;
}

sf::Sprite BlurEffect::Draw(const sf::View& view) {
    if (!ready || !hasContent)
        return sf::Sprite();
    if (needsBlur) {
        Apply();
        needsBlur = false;
    }
    sf::Sprite sprite(targets[0].getTexture());
    const sf::FloatRect bounds = sprite.getGlobalBounds();
    if (bounds.width > 0 && bounds.height > 0)
        sprite.setScale(view.getSize().x / bounds.width, view.getSize().y / bounds.height);
    sprite.setPosition(view.getCenter() - view.getSize() / 2.0f);
    return sprite;
}

void BlurEffect::Apply() {
    if (!shadersFetched_) {
        shadersFetched_ = true;
        // Without shader support the passes are plain copies.
        if (sf::Shader::isAvailable()) {
            horizontalShader = &resources->GetShader(ShaderHorizontalBlur);
            verticalShader = &resources->GetShader(ShaderVerticalBlur);
            horizontalShader->setUniform("source", sf::Shader::CurrentTexture);
            verticalShader->setUniform("source", sf::Shader::CurrentTexture);
        }
    }
    targets[0].display();
    targets[0].setView(targets[0].getDefaultView());
    Pass(targets[0], targets[1], horizontalShader);
    Pass(targets[1], targets[0], verticalShader);
}

void BlurEffect::Pass(sf::RenderTexture& source, sf::RenderTexture& destination, const sf::Shader* shader) {
    sf::RenderStates states(sf::BlendAlpha, sf::Transform::Identity, &source.getTexture(), shader);
    // Every pass replaces the destination: a copy over the last frame's
    // picture would mix the two.
    destination.clear(sf::Color(0, 0, 0, 0));
    destination.draw(quad.data(), quad.size(), sf::Quads, states);
    destination.display();
}
