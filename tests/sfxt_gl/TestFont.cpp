#include "TestFont.h"

#include <stdexcept>

namespace sfxttest {

const sf::Font& TestFont()
{
    static const sf::Font font = [] {
        sf::Font f;
        if (!f.loadFromFile("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"))
            throw std::runtime_error("DejaVu Sans Bold is missing");
        return f;
    }();
    return font;
}

float Advance(char c, unsigned size)
{
    return TestFont().getGlyph(static_cast<unsigned char>(c), size, false).advance;
}

float Width(const std::string& s, unsigned size)
{
    float sum = 0;
    for (char c : s)
        sum += Advance(c, size);
    return sum;
}

float LineSpacing(unsigned size)
{
    return TestFont().getLineSpacing(size);
}

bool AnyPixelDiffers(const sf::Image& image, int left, int top, int width, int height, sf::Color background)
{
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            if (image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) != background)
                return true;
    return false;
}

}  // namespace sfxttest
