#include "game/objects/Scenery.h"

#include "game/objects/AnimationTables.h"

#include <cmath>
#include <stdexcept>

namespace {

constexpr float Pi = 3.14159265f;

}  // namespace

Scenery::Scenery(std::int32_t kind_, float x_, float y_, bool facingRight_)
    : kind(kind_), x(x_), y(y_), facingRight(facingRight_), counter(0), offsetX(0), offsetY(0) {
    SceneryTypeTable::Get(kind);  // rejects a kind outside the table
}

Scenery::~Scenery() = default;

sf::Vector2f Scenery::GetPosition() const { return sf::Vector2f(x + offsetX, y + offsetY); }

sf::Vector2f Scenery::GetSize() const {
    const sf::IntRect rect = GetTextureRect();
    return sf::Vector2f(static_cast<float>(rect.width), static_cast<float>(rect.height));
}

sf::IntRect Scenery::GetTextureRect() const {
    const SceneryType& type = GetType();
    sf::IntRect rect = type.textureRect;
    switch (type.mode) {
    case SceneryStatic:
    case ScenerySwingX:
    case ScenerySwingY:
        return rect;
    case SceneryFramesAcross:
    case SceneryFramesDown: {
        const int step = static_cast<int>(SceneryAnimations[static_cast<std::size_t>(kind)].GetStep(counter / 2));
        if (type.mode == SceneryFramesAcross)
            rect.left += rect.width * step;
        else
            rect.top += rect.height * step;
        return rect;
    }
    default:
        throw std::logic_error("Unreachable - Scenery::GetTextureRect");
    }
}

sf::Uint8 Scenery::GetAlpha() const { return 255; }

void Scenery::Update(bool slowed, float swingAmplitude) {
    counter += slowed ? 1 : 2;
    const std::int32_t mode = GetType().mode;
    if (mode != ScenerySwingX && mode != ScenerySwingY)
        return;
    const float phase = 2 * Pi * static_cast<float>(counter % SwingPeriod) / static_cast<float>(SwingPeriod);
    const float offset = std::sin(phase) * swingAmplitude;
    if (mode == ScenerySwingX)
        offsetX = offset;
    else
        offsetY = offset;
}
