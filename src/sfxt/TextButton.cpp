#include "sfxt/TextButton.h"

#include "sfxt/TextPlacement.h"

namespace sfxt {

TextButton::TextButton(const sf::Texture& texture, const sf::IntRect& rect, const sf::Font& font,
                       const sf::String& labelText, bool centredLabel, float x, float y)
    : Button(texture, rect, sf::Vector2f(x, y)), label(labelText, font, LabelSize), centred(centredLabel)
{
    label.setFillColor(sf::Color::Black);
    // The label grows about its middle on hover, as the plate does.
    CenterTextOrigin(label);
    Layout();
}

void TextButton::DrawWithMouse(sf::RenderTarget& target, sf::Vector2f mouse)
{
    const float scale = Contains(mouse) ? HoverScale : 1.f;
    label.setScale(scale, scale);
    Button::DrawWithMouse(target, mouse);
    target.draw(label);
}

void TextButton::Layout()
{
    const sf::Vector2f corner = sprite.getPosition() - sprite.getOrigin();
    const sf::FloatRect local = sprite.getLocalBounds();
    SetTextCenterY(label, corner.y + local.height / 2);
    if (centred)
        SetTextCenterX(label, corner.x + local.width / 2);
    else
        SetTextCenterX(label, corner.x + LabelIndent + GetTextSize(label).x / 2);
}

std::string TextButton::GetString() const
{
    return label.getString().toAnsiString();
}

}  // namespace sfxt
