#include "sfxt/TextEntryField.h"

#include "kest/ConvexShape.h"
#include "sfxt/TextPlacement.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/System/String.hpp>

TextEntryField::TextEntryField(const sf::Vector2f& centre, const sf::Font& font, const sf::Color& fill,
                               const sf::Color& outline, float outlineThickness)
    : text("", font, CharacterSize), cursor("|", font, CharacterSize)
{
    text.setFillColor(sf::Color::Black);
    cursor.setFillColor(sf::Color(0, 0, 0, 100));

    sf::RectangleShape box(sf::Vector2f(Width, Height));
    box.setFillColor(fill);
    box.setOutlineColor(outline);
    box.setOutlineThickness(outlineThickness);
    frame = kest::toConvexShape(box);

    AnchorFrame(centre);
    Layout();
}

void TextEntryField::AddCharacter(char c)
{
    sf::String string = text.getString();
    if (string.getSize() >= maximumLength)
        return;
    string += sf::String(c);
    text.setString(string);
    Layout();
}

void TextEntryField::RemoveCharacter()
{
    sf::String string = text.getString();
    if (string.isEmpty())
        return;
    string.erase(string.getSize() - 1);
    text.setString(string);
    Layout();
}

void TextEntryField::SetText(const std::string& s)
{
    text.setString(sf::String(s));
    Layout();
}

std::string TextEntryField::GetText() const
{
    return text.getString().toAnsiString();
}

void TextEntryField::SetAlignment(std::uint32_t newAlignment)
{
    const sf::Vector2f centre = frame.getPosition() - frame.getOrigin() + sf::Vector2f(Width, Height) / 2.f;
    alignment = newAlignment;
    AnchorFrame(centre);
    Layout();
}

void TextEntryField::AnchorFrame(const sf::Vector2f& centre)
{
    float anchor = Width / 2;
    if (alignment == AlignLeft)
        anchor = 0;
    else if (alignment == AlignRight)
        anchor = Width;
    frame.setOrigin(anchor, Height / 2);
    frame.setPosition(centre.x - Width / 2 + anchor, centre.y);
}

void TextEntryField::Layout()
{
    const float textWidth = text.getLocalBounds().width;
    float originX = textWidth / 2;
    if (alignment == AlignLeft)
        originX = -Inset;
    else if (alignment == AlignRight)
        originX = textWidth + Inset;
    text.setOrigin(originX, static_cast<float>(CharacterSize) / 2);
    text.setPosition(frame.getPosition());

    const sf::Vector2f corner = text.getPosition() - text.getOrigin();
    const sf::Vector2f size = GetTextSize(text);
    SetTextCenterX(cursor, corner.x + size.x + GetTextSize(cursor).x / 2);
    SetTextCenterY(cursor, corner.y + size.y / 2);
}
