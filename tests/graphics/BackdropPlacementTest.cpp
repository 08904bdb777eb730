// Where the background's picture lies in the far background's view. No
// window is needed: the drawing puts the picture where this placement says.
#include "game/render/GraphicsContext.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const sf::Vector2u Picture(256, 192);
const sf::Vector2f View(1024, 768);

// The picture's row, in texels, under the centre of the view's row y.
float TexelRow(const GraphicsContext::BackdropPlacement& place, float viewTop, float y)
{
    return place.texels.top + (viewTop + y + 0.5f - place.quad.top) * place.texels.height / place.quad.height;
}

TEST(BackdropPlacement, CoversTheViewWhereverItStandsAndScrollsWithIt)
{
    // Left of the map (a map narrower than the window), at its start, at the
    // end of a period, just past it, and far along.
    for (const float left : {-150.f, 0.f, 700.f, 1023.f, 1024.f, 1025.f, 98307.f}) {
        const sf::Vector2f corner(left, 333);
        const GraphicsContext::BackdropPlacement place = GraphicsContext::PlaceBackdrop(corner, Picture);
        EXPECT_LE(place.quad.left, corner.x) << left;
        EXPECT_GE(place.quad.left + place.quad.width, corner.x + View.x) << left;
        EXPECT_EQ(place.quad.top, corner.y) << left;
        EXPECT_GE(place.quad.height, View.y) << left;
        // Four pixels of the view to a texel, and the texel at the view's
        // left edge follows the view's place in the repeat.
        EXPECT_FLOAT_EQ(place.quad.width / place.texels.width, 4) << left;
        const float column = place.texels.left + (corner.x - place.quad.left) / 4;
        EXPECT_FLOAT_EQ(column, std::fmod(std::fmod(left, 1024.f) + 1024.f, 1024.f) / 4) << left;
    }
}

TEST(BackdropPlacement, NeverSmoothsTheTopAndBottomRowsIntoEachOther)
{
    // The texture repeats, so the smoothing of a pixel whose centre lies
    // within half a row of the picture's top or bottom edge would mix in the
    // other edge: a line of sky under the ground.
    const GraphicsContext::BackdropPlacement place = GraphicsContext::PlaceBackdrop({40, 90}, Picture);
    EXPECT_GE(TexelRow(place, 90, 0), 0.5f);
    EXPECT_LE(TexelRow(place, 90, View.y - 1), static_cast<float>(Picture.y) - 0.5f);
    // And still shows the picture from its first row to its last.
    EXPECT_LT(TexelRow(place, 90, 0), 1.f);
    EXPECT_GT(TexelRow(place, 90, View.y - 1), static_cast<float>(Picture.y) - 1);
}

}  // namespace
