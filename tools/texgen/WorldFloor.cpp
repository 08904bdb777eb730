// "Gfx/Floor.png": the floor strips drawn along the top surface of walls and
// slopes. Cells of 42 x 42 px; column = shape (0 left end, 1 middle, 2 right
// end, 3 single, 4 on a rising slope, 5 on a falling slope), row = floor id:
//   0 grass, 1 forest moss with flowers, 2 volcanic ash, 3 glowing ember crust,
//   4 lab steel trim, 5 lab hazard trim.
// A cell is drawn 3 px up and left of its tile, so the tile's top edge is at
// y = 3 of the cell and its left edge at x = 3.
#include "TextureRegistry.h"
#include "WorldArt.h"

#include <algorithm>

namespace texgen {
namespace {

using namespace world;

constexpr int Cell = 42;
constexpr int FloorIds = 6;
constexpr int Inset = 3;
constexpr float SlopeThickness = 6.5f;

// The colour of floor `id` at a point `along` the surface (tile coordinates,
// repeating every 36 px) and `depth` px below it (negative above).
sf::Color FloorColour(int id, float along, float depth, float bottom)
{
    int a = static_cast<int>(std::floor(along));
    int wrapA = ((a % TileSize) + TileSize) % TileSize;
    float n = PeriodicNoise(along, 0.f, 6, 6, 3001u + static_cast<std::uint32_t>(id));
    switch (id) {
    case 0:
    case 1: {
        sf::Color top = id == 0 ? Rgb(140, 215, 70) : Rgb(90, 160, 60);
        sf::Color low = id == 0 ? Rgb(60, 140, 40) : Rgb(36, 96, 40);
        sf::Color edge = Rgb(24, 60, 20);
        if (depth < 0.f) {
            // Blades of grass above the surface.
            int blade = wrapA / 2;
            float height = 1.f + 3.5f * Hash(blade, 0, 3100u + static_cast<std::uint32_t>(id));
            bool on = (wrapA % 2 == 0) && -depth < height;
            return on ? Mix(top, Rgb(200, 250, 120), 0.3f) : sf::Color::Transparent;
        }
        if (depth > bottom)
            return sf::Color::Transparent;
        if (depth > bottom - 1.2f)
            return edge;
        sf::Color c = Mix(top, low, depth / bottom);
        if (depth < 1.2f)
            c = Mix(c, Rgb(220, 255, 160), 0.5f);
        c = Scale(c, 0.92f + 0.16f * PeriodicNoise(along, depth * 2.f, 6, 6, 3200u));
        if (id == 1 && depth > 1.5f && depth < bottom - 2.5f) {
            float h = Hash(wrapA / 2, static_cast<int>(depth) / 2, 3300u);
            if (h > 0.95f)
                return Rgb(255, 150, 200);
            if (h > 0.91f)
                return Rgb(255, 235, 110);
        }
        return c;
    }
    case 2:
    case 3: {
        if (depth < -1.f || depth > bottom)
            return sf::Color::Transparent;
        sf::Color c = id == 2 ? Mix(Rgb(170, 165, 160), Rgb(96, 90, 88), std::max(0.f, depth) / bottom)
                              : Mix(Rgb(96, 60, 52), Rgb(58, 34, 30), std::max(0.f, depth) / bottom);
        c = Scale(c, 0.85f + 0.3f * PeriodicNoise(along, depth * 2.f, 4, 9, 3400u + static_cast<std::uint32_t>(id)));
        if (depth < 0.f)
            c = Shade(c, 1.3f);
        if (depth > bottom - 1.2f)
            c = Rgb(30, 24, 22);
        if (id == 3 && depth > bottom - 3.5f && depth <= bottom - 1.2f)
            c = Mix(Rgb(255, 120, 20), Rgb(255, 220, 90), n);
        if (id == 2 && Hash(a, static_cast<int>(depth * 2.f), 3500u) > 0.97f)
            c = Rgb(255, 140, 40);
        return c;
    }
    case 4: {
        if (depth < -1.f || depth > bottom)
            return sf::Color::Transparent;
        if (depth < 0.f)
            return Rgb(60, 66, 76);
        if (depth < 1.f)
            return Rgb(235, 240, 248);
        if (depth > bottom - 1.f)
            return Rgb(40, 44, 52);
        int rivet = wrapA % 12;
        if ((rivet == 5 || rivet == 6) && depth > 2.f && depth < 4.f)
            return rivet == 5 ? Rgb(230, 235, 240) : Rgb(70, 76, 86);
        return Mix(Rgb(180, 188, 200), Rgb(110, 118, 130), depth / bottom);
    }
    default: {
        if (depth < -1.f || depth > bottom)
            return sf::Color::Transparent;
        if (depth < 0.f || depth > bottom - 1.f)
            return Rgb(40, 40, 44);
        if (depth < 1.5f || depth > bottom - 2.f)
            return Rgb(160, 166, 176);
        int band = ((((a + static_cast<int>(depth)) / 6) % 2) + 2) % 2;
        return band ? Rgb(245, 195, 30) : Rgb(34, 34, 38);
    }
    }
}

float FloorThickness(int id)
{
    static const float thickness[FloorIds] = {8.f, 8.f, 7.f, 7.f, 6.f, 7.f};
    return thickness[id];
}

void PaintFloorCell(Canvas& c, int id, int shape)
{
    int ox = shape * Cell, oy = id * Cell;
    float bottom = FloorThickness(id);
    for (int y = 0; y < Cell; ++y)
        for (int x = 0; x < Cell; ++x) {
            // 2 x 2 samples, averaged with alpha weighting.
            float r = 0, g = 0, b = 0, alpha = 0;
            for (int sy = 0; sy < 2; ++sy)
                for (int sx = 0; sx < 2; ++sx) {
                    float px = float(x) + 0.25f + 0.5f * float(sx), py = float(y) + 0.25f + 0.5f * float(sy);
                    float along = px - Inset;
                    float depth;
                    // On slopes the strip must stay within the 3 px that a cell
                    // reaches below its tile, or stacked slopes show steps.
                    float limit = bottom;
                    if (shape == 4)
                        depth = py - (Inset + TileSize - along);
                    else if (shape == 5)
                        depth = py - (Inset + along);
                    else
                        depth = py - Inset;
                    if (shape >= 4)
                        limit = std::min(bottom, SlopeThickness);
                    // Rounded ends on open sides.
                    bool openLeft = shape == 0 || shape == 3, openRight = shape == 2 || shape == 3;
                    float e = 1e9f;
                    if (openLeft)
                        e = std::min(e, along + 2.f);
                    if (openRight)
                        e = std::min(e, TileSize + 2.f - along);
                    if (e < 0.f)
                        continue;
                    if (e < 5.f) {
                        float k = std::sqrt(std::max(0.f, 1.f - (5.f - e) * (5.f - e) / 25.f));
                        float mid = bottom * 0.45f;
                        if (std::fabs(depth - mid) > (bottom * 0.55f + 1.f) * k)
                            continue;
                        limit = std::min(limit, mid + (bottom * 0.55f) * k);
                        if (depth < 0.f && e < 2.f)
                            continue;
                    }
                    sf::Color col = FloorColour(id, along, depth, std::min(limit, bottom));
                    float w = col.a / 255.f;
                    r += col.r * w;
                    g += col.g * w;
                    b += col.b * w;
                    alpha += w;
                }
            if (alpha <= 0.f)
                continue;
            c.Set(ox + x, oy + y,
                  sf::Color(static_cast<std::uint8_t>(r / alpha), static_cast<std::uint8_t>(g / alpha),
                            static_cast<std::uint8_t>(b / alpha), static_cast<std::uint8_t>(alpha / 4.f * 255.f)));
        }
}

void PaintFloor(Canvas& c)
{
    for (int id = 0; id < FloorIds; ++id)
        for (int shape = 0; shape < 6; ++shape)
            PaintFloorCell(c, id, shape);
}

const TextureRegistration registration{"Gfx/Floor.png", 6 * Cell, FloorIds * Cell, PaintFloor};

}  // namespace
}  // namespace texgen
