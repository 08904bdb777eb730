#include "WorldArt.h"

#include <algorithm>

namespace texgen::world {

float Hash(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^ static_cast<std::uint32_t>(y) * 0xd8163841u ^
                      seed * 0xcb1ab31fu;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return static_cast<float>(h >> 8) / 16777216.f;
}

float PeriodicNoise(float x, float y, int cell, int period, std::uint32_t seed)
{
    float fx = x / static_cast<float>(cell), fy = y / static_cast<float>(cell);
    int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    float tx = Smooth(fx - static_cast<float>(ix)), ty = Smooth(fy - static_cast<float>(iy));
    auto wrap = [period](int v) { return ((v % period) + period) % period; };
    float a = Hash(wrap(ix), wrap(iy), seed), b = Hash(wrap(ix + 1), wrap(iy), seed);
    float c = Hash(wrap(ix), wrap(iy + 1), seed), d = Hash(wrap(ix + 1), wrap(iy + 1), seed);
    return (a + (b - a) * tx) * (1.f - ty) + (c + (d - c) * tx) * ty;
}

float PeriodicFbm(float x, float y, int size, int cell, int octaves, std::uint32_t seed)
{
    float sum = 0.f, weight = 1.f, total = 0.f;
    for (int o = 0; o < octaves && cell >= 1; ++o) {
        sum += weight * PeriodicNoise(x, y, cell, std::max(1, size / cell), seed + static_cast<std::uint32_t>(o) * 97u);
        total += weight;
        weight *= 0.5f;
        cell /= 2;
    }
    return total > 0.f ? sum / total : 0.f;
}

float MaskCoverage(Mask mask, int x, int y)
{
    if (mask == Mask::Full)
        return 1.f;
    int hits = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
            float px = static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / 4.f;
            float py = static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / 4.f;
            bool in = mask == Mask::Rising ? py >= TileSize - px : py >= px;
            hits += in ? 1 : 0;
        }
    return static_cast<float>(hits) / 16.f;
}

void StampMasked(Canvas& target, const Canvas& source, int sx, int sy, int dx, int dy, Mask mask)
{
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x) {
            float cover = MaskCoverage(mask, x, y);
            if (cover <= 0.f)
                continue;
            sf::Color c = source.Get(sx + x, sy + y);
            c.a = static_cast<std::uint8_t>(std::lround(c.a * cover));
            target.Set(dx + x, dy + y, c);
        }
}

void Bevel(Canvas& canvas, const sf::IntRect& r, sf::Color face, int width)
{
    canvas.FillRect(r, face);
    sf::Color light = Shade(face, 1.35f), dark = Shade(face, 0.62f);
    for (int i = 0; i < width; ++i) {
        canvas.FillRect({r.left + i, r.top + i, r.width - 2 * i, 1}, light);
        canvas.FillRect({r.left + i, r.top + i, 1, r.height - 2 * i}, light);
        canvas.FillRect({r.left + i, r.top + r.height - 1 - i, r.width - 2 * i, 1}, dark);
        canvas.FillRect({r.left + r.width - 1 - i, r.top + i, 1, r.height - 2 * i}, dark);
    }
}

void Glow(Canvas& canvas, float cx, float cy, float radius, sf::Color colour)
{
    int x0 = static_cast<int>(std::floor(cx - radius)), x1 = static_cast<int>(std::ceil(cx + radius));
    int y0 = static_cast<int>(std::floor(cy - radius)), y1 = static_cast<int>(std::ceil(cy + radius));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float d = std::hypot(static_cast<float>(x) + 0.5f - cx, static_cast<float>(y) + 0.5f - cy) / radius;
            if (d < 1.f) {
                float f = (1.f - d) * (1.f - d);
                canvas.Blend(x, y, colour, f);
            }
        }
}

void ScaleAlpha(Canvas& canvas, const sf::IntRect& r, float factor)
{
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x) {
            sf::Color c = canvas.Get(x, y);
            if (c.a) {
                c.a = static_cast<std::uint8_t>(std::clamp(std::lround(c.a * factor), 0l, 255l));
                canvas.Set(x, y, c);
            }
        }
}

}  // namespace texgen::world
