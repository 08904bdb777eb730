#include "app/Title.h"

#include "app/AppServices.h"
#include "app/GameWindow.h"
#include "app/ResourceIds.h"
#include "app/ResourceManager.h"
#include "sfxt/TextPlacement.h"

#include <SFML/Graphics/View.hpp>

#include <cmath>
#include <stdexcept>

namespace {

constexpr unsigned HeadingSize = 36;
constexpr unsigned TextSize = 24;
constexpr float TextWidth = 800;
constexpr float TextHeight = 600;
constexpr float HeadingY = 238;
constexpr float TextGap = 150;
constexpr float FrameY = 180;
constexpr float BobAmplitude = 15;
constexpr float BobStep = 0.03f;
constexpr float HeadingBelowFrame = 58;
const sf::IntRect FrameRect(0, 538, 335, 78);

ResourceManager& Resources()
{
    ResourceManager* resources = AppServices::Instance().Resources();
    if (!resources)
        throw std::logic_error("Title: the resource manager is not there");
    return *resources;
}

float WindowWidth()
{
    GameWindow* window = AppServices::Instance().Window();
    if (!window)
        throw std::logic_error("Title: the game window is not there");
    return static_cast<float>(window->window.getSize().x);
}

float Round(float v)
{
    return std::floor(v + 0.5f);
}

sf::Vector2f BoundsCentre(const sf::Sprite& sprite)
{
    sf::FloatRect bounds = sprite.getGlobalBounds();
    return sf::Vector2f(bounds.left + bounds.width / 2, bounds.top + bounds.height / 2);
}

}  // namespace

Title::Title(int titleStyle, const sf::String& headingText, const sf::String& blockText, const sf::Color& headingColour)
    : Title(titleStyle, headingText, blockText, headingColour, Resources().GetFont(FontMain),
            titleStyle == StyleMenu ? &Resources().GetTexture(TextureMenu) : nullptr, WindowWidth())
{
}

Title::Title(int titleStyle, const sf::String& headingText, const sf::String& blockText, const sf::Color& headingColour,
             const sf::Font& font, const sf::Texture* menuTexture, float windowWidth)
    : heading(headingText, font, HeadingSize), text(TextWidth, TextHeight, blockText, font, TextSize),
      colour(headingColour), style(titleStyle)
{
    // Bold first, so that the origin is the middle of the bold heading.
    heading.setStyle(sf::Text::Bold);
    CenterTextOrigin(heading);
    heading.setPosition(windowWidth * 0.5f, HeadingY);
    PlaceTextBelowHeading();

    if (style == StyleMenu && menuTexture) {
        frame.setTexture(*menuTexture);
        frame.setTextureRect(FrameRect);
        PlaceFrame(frame, windowWidth * 0.5f + 0.5f);
        PlaceFrameY(frame, FrameY);
    }
}

void Title::Update()
{
    if (style != StyleMenu)
        return;
    phase += BobStep;
    PlaceFrameY(frame, std::round(std::sin(phase) * BobAmplitude + FrameY));

    const sf::Vector2f frameCentre = BoundsCentre(frame);
    SetTextCenter(heading, frameCentre.x, frameCentre.y + HeadingBelowFrame);
    // Whole pixels, also when the heading's width is even.
    heading.setPosition(Round(heading.getPosition().x), Round(heading.getPosition().y));

    PlaceTextBelowHeading();
    text.move(textOffset);
}

void Title::PlaceTextBelowHeading()
{
    PlaceTextBox(text, GetTextBottom(heading) + TextGap);
    PlaceTextBoxCenterX(text, GetTextCenterX(heading));
    text.setPosition(Round(text.getPosition().x), Round(text.getPosition().y));
}

void Title::PlaceTextBox(sfxt::TextBox& box, float y)
{
    box.move(0, y - box.getPosition().y);
}

void Title::PlaceTextBoxCenterX(sfxt::TextBox& box, float x)
{
    box.move(x - (box.getPosition().x + box.width / 2), 0);
}

void Title::PlaceFrame(sf::Sprite& sprite, float x)
{
    sprite.move(x - BoundsCentre(sprite).x, 0);
}

void Title::PlaceFrameY(sf::Sprite& sprite, float y)
{
    sprite.move(0, y - BoundsCentre(sprite).y);
}

void Title::draw(sf::RenderTarget& target, sf::RenderStates states) const
{
    states.transform.translate(drawOffset);

    // Message boxes keep their place on the screen while the view scrolls.
    sf::RenderStates textStates = states;
    if (style == StyleMessage) {
        const sf::View& view = target.getView();
        textStates.transform.translate(view.getCenter() - view.getSize() / 2.f);
    }

    heading.setFillColor(sf::Color(colour.r, colour.g, colour.b, alpha));
    text.colour = sf::Color(255, 255, 255, alpha);
    text.dirty = true;

    target.draw(heading, textStates);
    target.draw(text, textStates);
    target.draw(frame, states);
}
