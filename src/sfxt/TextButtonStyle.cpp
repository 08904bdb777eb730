#include "sfxt/TextButtonStyle.h"

#include <stdexcept>

namespace {

// Indexed by TextButtonStyle: left, top, width, height.
const sf::IntRect TextButtonStyleTable[TextButtonStyleCount] = {
    {125, 50, 300, 30},  // 0
    {0, 0, 125, 50},     // 1
    {0, 50, 125, 50},    // 2
    {125, 0, 125, 50},   // 3
    {250, 0, 125, 50},   // 4
    {216, 137, 180, 30}, // 5
};

}  // namespace

sf::IntRect GetTextButtonRect(TextButtonStyle style)
{
    if (style >= TextButtonStyleCount)
        throw std::logic_error("Invalid TextButton style");
    return TextButtonStyleTable[style];
}
