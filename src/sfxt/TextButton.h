#pragma once

#include "sfxt/Button.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/String.hpp>

#include <string>

namespace sfxt {

// A button plate with a black text label, centred on the plate or starting
// 20 pixels from its left edge. The label grows with the plate on hover.
class TextButton : public Button {
public:
    static constexpr unsigned LabelSize = 16;
    static constexpr float LabelIndent = 20;

    // The plate is the texture's rectangle centred at (x, y).
    TextButton(const sf::Texture& texture, const sf::IntRect& rect, const sf::Font& font, const sf::String& label,
               bool centred, float x, float y);

    // Draw (from Button) reads the mouse and comes here.
    void DrawWithMouse(sf::RenderTarget& target, sf::Vector2f mouse) override;

    // Places the label on the plate.
    void Layout();

    std::string GetString() const;

    sf::Text label;
    bool centred;
};

}  // namespace sfxt
