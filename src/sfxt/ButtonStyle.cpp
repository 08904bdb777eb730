#include "sfxt/ButtonStyle.h"

#include <stdexcept>

namespace {

constexpr int CellSize = 36;
constexpr int GridTop = 176;

struct ButtonCells {
    int column;
    int row;
    int columns;
    int rows;
};

// Indexed by ButtonStyle.
const ButtonCells ButtonStyleTable[ButtonStyleCount] = {
    // column row columns rows
    {0, 0, 5, 2},  //  0 main menu
    {5, 7, 4, 1},  //  1 main menu
    {5, 8, 4, 1},  //  2 main menu; options on the pause menu
    {5, 6, 4, 1},  //  3 main menu; highscores on the victory screen
    {0, 2, 5, 2},  //  4
    {0, 4, 5, 2},  //  5 main menu; quit on the error screen
    {5, 0, 5, 2},  //  6 new profile
    {5, 2, 5, 2},  //  7 delete profile
    {5, 4, 5, 2},  //  8 resume on the pause menu
    {9, 6, 3, 1},  //  9 reset on the highscore screen
    {9, 8, 3, 1},  // 10 confirm
    {9, 7, 3, 1},  // 11 cancel on the options screen
    {5, 9, 4, 1},  // 12 leave on the pause menu
    {0, 6, 5, 2},  // 13 back
    {0, 8, 5, 2},  // 14 apply on the options screen
};

}  // namespace

sf::IntRect GetButtonRect(ButtonStyle style)
{
    if (style >= ButtonStyleCount)
        throw std::logic_error("GetButtonRect: impossible default");
    const ButtonCells& cells = ButtonStyleTable[style];
    return sf::IntRect(cells.column * CellSize, cells.row * CellSize + GridTop, cells.columns * CellSize,
                       cells.rows * CellSize);
}
