#include "support/WindowPicture.h"

#include <SFML/Graphics/Texture.hpp>

#include <algorithm>

namespace testsupport {

sf::Image Grab(const sf::RenderWindow& window)
{
    sf::Texture texture;
    texture.create(window.getSize().x, window.getSize().y);
    texture.update(window);
    return texture.copyToImage();
}

int CountOther(const sf::Image& image, sf::IntRect rect, sf::Color colour)
{
    const int width = static_cast<int>(image.getSize().x);
    const int height = static_cast<int>(image.getSize().y);
    int count = 0;
    for (int y = std::max(rect.top, 0); y < std::min(rect.top + rect.height, height); ++y)
        for (int x = std::max(rect.left, 0); x < std::min(rect.left + rect.width, width); ++x)
            if (image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) != colour)
                ++count;
    return count;
}

int PaintedIn(const sf::RenderWindow& window, const sf::FloatRect& box)
{
    const sf::Vector2i topLeft = window.mapCoordsToPixel(sf::Vector2f(box.left, box.top));
    const sf::Vector2i bottomRight = window.mapCoordsToPixel(sf::Vector2f(box.left + box.width, box.top + box.height));
    return CountOther(Grab(window), sf::IntRect(topLeft, bottomRight - topLeft), Unpainted);
}

}  // namespace testsupport
