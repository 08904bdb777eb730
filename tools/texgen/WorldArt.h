#pragma once

// Shared painting helpers for the world textures (tiles, floors, backgrounds,
// particles and the victory picture).

#include "Canvas.h"

#include <cmath>
#include <cstdint>

namespace texgen::world {

constexpr int TileSize = 36;
constexpr float Pi = 3.14159265358979f;

inline sf::Color Rgb(int r, int g, int b, int a = 255)
{
    return sf::Color(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b),
                     static_cast<std::uint8_t>(a));
}

// A well-mixed hash of a lattice point, in [0, 1).
float Hash(int x, int y, std::uint32_t seed);

// Smooth value noise in [0, 1) whose lattice has `cell` pixels per step and
// repeats every `period` lattice steps on both axes, so a texture built from it
// tiles seamlessly over cell * period pixels.
float PeriodicNoise(float x, float y, int cell, int period, std::uint32_t seed);

// Several octaves of PeriodicNoise that all repeat over `size` pixels; the
// first octave has `cell` pixels per lattice step (size must be a multiple).
float PeriodicFbm(float x, float y, int size, int cell, int octaves, std::uint32_t seed);

// How much of a tile cell a slope covers.
enum class Mask { Full, Rising, Falling };

// The part of a 4 x 4 supersampled pixel (local x, y in a 36-px cell) that lies
// inside the mask: rising slopes fill below the line from the bottom-left to
// the top-right corner, falling slopes below the line from the top-left to the
// bottom-right corner.
float MaskCoverage(Mask mask, int x, int y);

// Copies a 36 x 36 square of `source` to (dx, dy) of `target`, keeping only
// the part inside the mask (antialiased at the slope's edge).
void StampMasked(Canvas& target, const Canvas& source, int sx, int sy, int dx, int dy, Mask mask);

// Calls paint(offsetX, offsetY) for the nine copies of a shape around a
// square of `size` pixels, so that shapes crossing an edge wrap around.
template <typename Paint>
void Wrapped(int size, Paint paint)
{
    for (int oy = -1; oy <= 1; ++oy)
        for (int ox = -1; ox <= 1; ++ox)
            paint(static_cast<float>(ox * size), static_cast<float>(oy * size));
}

// Sets every pixel of a rectangle from colour(localX, localY) (no blending).
template <typename ColourAt>
void PaintPixels(Canvas& canvas, const sf::IntRect& r, ColourAt colour)
{
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x)
            canvas.Set(r.left + x, r.top + y, colour(x, y));
}

// Blends every pixel of a rectangle with colour(localX, localY).
template <typename ColourAt>
void BlendPixels(Canvas& canvas, const sf::IntRect& r, ColourAt colour)
{
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x)
            canvas.Blend(r.left + x, r.top + y, colour(x, y));
}

// A raised block face: fill with bevelled light top-left and dark
// bottom-right edges.
void Bevel(Canvas& canvas, const sf::IntRect& r, sf::Color face, int width = 2);

// A soft glow: a radial fade from `colour` at the centre to transparent.
void Glow(Canvas& canvas, float cx, float cy, float radius, sf::Color colour);

// Multiplies the alpha of every pixel of a rectangle by a factor.
void ScaleAlpha(Canvas& canvas, const sf::IntRect& r, float factor);

// Multiplies the colour channels by a factor (alpha kept), clamped.
inline sf::Color Scale(sf::Color c, float f)
{
    auto ch = [f](std::uint8_t v) {
        float x = static_cast<float>(v) * f;
        return static_cast<std::uint8_t>(x < 0.f ? 0.f : (x > 255.f ? 255.f : x));
    };
    return sf::Color(ch(c.r), ch(c.g), ch(c.b), c.a);
}

inline float Smooth(float t)
{
    t = t < 0.f ? 0.f : (t > 1.f ? 1.f : t);
    return t * t * (3.f - 2.f * t);
}

}  // namespace texgen::world
