// "Gfx/NormalTiles.png": the wall, slope, grating, climbable, fading and deadly
// tiles in 36-px cells, column (id - 100) / 14, row (id - 100) % 14; fading and
// deadly tiles continue their animation frames downwards in the same column.
//
//   walls 100-125        columns 0-1   (forest 100-104, 119-122; volcano 105-110,
//                                       123-125; lab 111-118)
//   rising slopes 128-140  column 2    the wall 28 ids lower, cut along the diagonal
//   falling slopes 142-154 column 3    the wall 42 ids lower
//   gratings 156-158       column 4, rows 0-2
//   climbables 164-169     column 4, rows 8-13
//   fading 170/177/184     column 5 rows 0-6 / 7-13, column 6 rows 0-6 (7 frames)
//   deadly 198/212/226/240 columns 7-10, rows 0-11 (12 frames)
#include "TextureRegistry.h"
#include "WorldArt.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace texgen {
namespace {

using namespace world;

constexpr int T = TileSize;

sf::IntRect CellOf(int id, int frame = 0)
{
    int column = (id - 100) / 14, row = (id - 100) % 14 + frame;
    return {column * T, row * T, T, T};
}

// ---------------------------------------------------------------------------
// Periodic cellular noise for cobbles and cracks: `n` x `n` feature points over
// a 36-px square.
struct Cells {
    float f1, f2;
    int id;
    int id2;  // the second nearest point: the cell across the nearest border
};

Cells Worley(float x, float y, int n, std::uint32_t seed, float jitter = 0.8f)
{
    float cell = static_cast<float>(T) / static_cast<float>(n);
    int cx = static_cast<int>(std::floor(x / cell)), cy = static_cast<int>(std::floor(y / cell));
    Cells out{1e9f, 1e9f, 0, 0};
    for (int oy = -1; oy <= 1; ++oy)
        for (int ox = -1; ox <= 1; ++ox) {
            int gx = cx + ox, gy = cy + oy;
            int wx = ((gx % n) + n) % n, wy = ((gy % n) + n) % n;
            float px = (static_cast<float>(gx) + 0.5f + (Hash(wx, wy, seed) - 0.5f) * jitter) * cell;
            float py = (static_cast<float>(gy) + 0.5f + (Hash(wx, wy, seed + 7u) - 0.5f) * jitter) * cell;
            float d = std::hypot(x - px, y - py);
            if (d < out.f1) {
                out.f2 = out.f1;
                out.id2 = out.id;
                out.f1 = d;
                out.id = wx + wy * n;
            } else if (d < out.f2) {
                out.f2 = d;
                out.id2 = wx + wy * n;
            }
        }
    return out;
}

// Shades a height field with light from the top-left.
template <typename Height>
float Relief(Height h, int x, int y, float strength)
{
    auto at = [&](int px, int py) { return h(((px % T) + T) % T, ((py % T) + T) % T); };
    float d = at(x - 1, y - 1) - at(x + 1, y + 1);
    return 1.f + d * strength;
}

// ---------------------------------------------------------------------------
// Wall materials, each painted opaque into a 36 x 36 square at (0, 0).

void PaintRock(Canvas& s, sf::Color base, sf::Color speck, float roughness, std::uint32_t seed)
{
    auto h = [&](int x, int y) { return PeriodicFbm(float(x), float(y), T, 12, 3, seed); };
    PaintPixels(s, {0, 0, T, T}, [&](int x, int y) {
        float n = h(x, y);
        float f = (0.8f + 0.4f * n) * Relief(h, x, y, 2.2f * roughness);
        sf::Color c = Scale(base, f);
        if (Hash(x, y, seed + 3u) > 0.96f)
            c = Mix(c, speck, 0.6f);
        return c;
    });
}

// Ground rock meant to cover large areas: small facets of slightly different
// shades, some of their borders cracked, and a fine grain. Every detail is a
// few pixels across and none stands out, so nothing marks the same place in
// every cell; the facets and cracks run on across the cell's edges.
void PaintGroundRock(Canvas& s, sf::Color base, std::uint32_t seed)
{
    constexpr int Facets = 6;
    PaintPixels(s, {0, 0, T, T}, [&](int x, int y) {
        float px = float(x) + 0.5f, py = float(y) + 0.5f;
        Cells facet = Worley(px, py, Facets, seed, 0.9f);
        float f = 0.91f + 0.09f * (Hash(facet.id, 1, seed + 1u) + Hash(facet.id, 2, seed + 1u));
        // Light from the top-left catches the upper rims of the facets.
        if (Worley(px - 0.8f, py - 0.8f, Facets, seed, 0.9f).id != facet.id)
            f *= 1.07f;
        else if (Worley(px + 0.8f, py + 0.8f, Facets, seed, 0.9f).id != facet.id)
            f *= 0.92f;
        int a = std::min(facet.id, facet.id2), b = std::max(facet.id, facet.id2);
        if (Hash(a, b, seed + 2u) < 0.35f)
            f *= 1.f - 0.25f * (1.f - Smooth((facet.f2 - facet.f1) / 1.2f));
        f *= 0.95f + 0.1f * PeriodicNoise(px, py, 2, T / 2, seed + 3u);
        return Scale(base, f);
    });
}

// Steel tread plate: raised bars on a 9-px lattice, turned one way and the
// other by turns, so the pattern repeats every 18 px and no seam or rivet
// marks the cells.
void PaintTreadPlate(Canvas& s, sf::Color metal, std::uint32_t seed)
{
    constexpr int Pitch = 9;
    PaintPixels(s, {0, 0, T, T}, [&](int x, int y) {
        float n = PeriodicFbm(float(x), float(y), T, 6, 2, seed);
        float brushed = PeriodicNoise(float(x) * 0.25f, float(y) * 3.f, 9, 4, seed + 1u);
        return Scale(metal, 0.9f + 0.08f * n + 0.05f * brushed);
    });
    for (int j = 0; j < T / Pitch; ++j)
        for (int i = 0; i < T / Pitch; ++i) {
            float cx = float(i * Pitch) + Pitch / 2.f, cy = float(j * Pitch) + Pitch / 2.f;
            float dx = 1.7f, dy = (i + j) % 2 ? 1.7f : -1.7f;
            s.Line(cx - dx + 0.7f, cy - dy + 0.7f, cx + dx + 0.7f, cy + dy + 0.7f, 2.4f, Shade(metal, 0.7f));
            s.Line(cx - dx, cy - dy, cx + dx, cy + dy, 2.4f, Shade(metal, 1.08f));
            s.Line(cx - dx - 0.4f, cy - dy - 0.4f, cx + dx - 0.4f, cy + dy - 0.4f, 0.8f, Shade(metal, 1.3f));
        }
}

void PaintEarth(Canvas& s, bool dark)
{
    sf::Color base = dark ? Rgb(86, 56, 36) : Rgb(124, 84, 50);
    PaintRock(s, base, Rgb(170, 140, 100), 0.6f, dark ? 11u : 12u);
    Dice dice(dark ? 41u : 42u);
    if (dark) {
        // Roots winding through the soil.
        for (int i = 0; i < 3; ++i) {
            float y0 = dice.Range(4, 32), amp = dice.Range(2, 5), ph = dice.Range(0, 6.28f);
            for (int x = 0; x < T; ++x) {
                float y = y0 + amp * std::sin(2 * Pi * x / T + ph);
                s.FillCircle(float(x), y, 1.0f, Rgb(150, 110, 70));
                s.FillCircle(float(x), y + 1.f, 0.6f, Rgb(60, 38, 24));
            }
        }
    } else {
        // Pebbles.
        for (int i = 0; i < 6; ++i) {
            float x = dice.Range(3, 33), y = dice.Range(3, 33), r = dice.Range(1.2f, 2.6f);
            s.FillEllipse(x, y + 0.6f, r, r * 0.8f, Rgb(70, 48, 30));
            s.FillEllipse(x, y, r, r * 0.75f, Rgb(150, 135, 115));
            s.FillCircle(x - r * 0.3f, y - r * 0.3f, r * 0.35f, Rgb(200, 190, 170));
        }
    }
}

void PaintCobbles(Canvas& s, sf::Color stone, sf::Color mortar, int n, std::uint32_t seed, sf::Color moss)
{
    PaintPixels(s, {0, 0, T, T}, [&](int x, int y) {
        Cells c = Worley(float(x) + 0.5f, float(y) + 0.5f, n, seed);
        float edge = c.f2 - c.f1;
        if (edge < 1.6f)
            return mortar;
        float v = 0.8f + 0.35f * Hash(c.id, 0, seed + 5u);
        // Dome shading: light from the top-left.
        Cells l = Worley(float(x) - 0.5f, float(y) - 0.5f, n, seed);
        float lit = l.id == c.id ? std::clamp((l.f2 - l.f1) - edge, -1.f, 1.f) : -0.6f;
        float f = v * (1.f + 0.18f * lit) * (edge < 2.6f ? 0.82f : 1.f);
        sf::Color col = Scale(stone, f);
        if (moss.a && PeriodicNoise(float(x), float(y), 9, 4, seed + 9u) > 0.62f)
            col = Mix(col, moss, 0.75f);
        return col;
    });
}

// Running-bond bricks: `rows` courses per tile, `perRow` bricks per course.
void PaintBricks(Canvas& s, sf::Color brick, sf::Color mortar, int rows, int perRow, std::uint32_t seed,
                 sf::Color moss = sf::Color::Transparent, float crack = 0.f)
{
    int bh = T / rows, bw = T / perRow;
    PaintPixels(s, {0, 0, T, T}, [&](int x, int y) {
        int row = y / bh;
        int shift = (row % 2) ? bw / 2 : 0;
        int xs = (x + shift) % T;
        int col = xs / bw;
        int lx = xs % bw, ly = y % bh;
        if (lx == 0 || ly == 0)
            return mortar;
        float v = 0.85f + 0.3f * Hash(col, row, seed);
        float n = PeriodicFbm(float(x), float(y), T, 9, 2, seed + 1u);
        float f = v * (0.9f + 0.2f * n);
        if (ly == 1 || lx == 1)
            f *= 1.22f;
        else if (ly == bh - 1 || lx == bw - 1)
            f *= 0.72f;
        sf::Color c = Scale(brick, f);
        if (moss.a) {
            float m = PeriodicFbm(float(x), float(y), T, 12, 2, seed + 4u);
            if (m > 0.58f)
                c = Mix(c, Scale(moss, 0.8f + 0.4f * n), std::min(1.f, (m - 0.58f) * 8.f));
        }
        return c;
    });
    if (crack > 0.f) {
        Dice dice(seed + 77u);
        for (int i = 0; i < 3; ++i) {
            float x = dice.Range(4, 32), y = dice.Range(4, 32);
            for (int k = 0; k < 4; ++k) {
                float nx = x + dice.Range(-5, 5), ny = y + dice.Range(1, 5);
                s.Line(x, y, nx, ny, 1.f, Scale(mortar, 0.7f));
                x = nx;
                y = ny;
            }
        }
    }
}

void PaintPlanks(Canvas& s, sf::Color wood, int count, bool vertical, std::uint32_t seed)
{
    int w = T / count;
    PaintPixels(s, {0, 0, T, T}, [&](int x, int y) {
        int along = vertical ? y : x, across = vertical ? x : y;
        int plank = across / w, l = across % w;
        float grain = PeriodicNoise(float(along), float(across) * 6.f, 12, 3, seed + static_cast<std::uint32_t>(plank));
        float ring = 0.5f + 0.5f * std::sin(float(across) * 2.2f + grain * 6.f);
        float f = (0.82f + 0.2f * Hash(plank, 1, seed)) * (0.9f + 0.15f * ring);
        if (l == 0)
            return Scale(wood, 0.45f);
        if (l == 1)
            f *= 1.2f;
        if (l == w - 1)
            f *= 0.7f;
        return Scale(wood, f);
    });
    // Nails near the plank ends.
    for (int p = 0; p < count; ++p) {
        float a = float(p * w) + w / 2.f;
        for (float b : {5.f, 31.f}) {
            float x = vertical ? a : b, y = vertical ? b : a;
            s.FillCircle(x, y, 1.1f, Rgb(60, 55, 50));
            s.FillCircle(x - 0.3f, y - 0.3f, 0.5f, Rgb(170, 165, 160));
        }
    }
}

void PaintBark(Canvas& s)
{
    PaintPixels(s, {0, 0, T, T}, [&](int x, int y) {
        float n = PeriodicNoise(float(x) * 3.f, float(y), 9, 4, 501u);
        float ridges = 0.5f + 0.5f * std::sin(2 * Pi * (float(x) / 6.f + n * 0.8f));
        float f = 0.65f + 0.45f * ridges;
        return Scale(Rgb(112, 78, 50), f);
    });
}

void PaintLeaves(Canvas& s)
{
    s.FillRect({0, 0, T, T}, Rgb(34, 82, 34));
    Dice dice(611u);
    for (int i = 0; i < 46; ++i) {
        float x = dice.Range(0, T), y = dice.Range(0, T), a = dice.Range(0, 6.28f);
        sf::Color c = Mix(Rgb(40, 110, 40), Rgb(120, 190, 70), dice.Unit());
        Wrapped(T, [&](float ox, float oy) {
            float dx = std::cos(a) * 3.f, dy = std::sin(a) * 3.f;
            s.FillPolygon({{x + ox - dx, y + oy - dy}, {x + ox - dy * 0.5f, y + oy + dx * 0.5f},
                           {x + ox + dx, y + oy + dy}, {x + ox + dy * 0.5f, y + oy - dx * 0.5f}},
                          c);
            s.Line(x + ox - dx, y + oy - dy, x + ox + dx, y + oy + dy, 0.5f, Shade(c, 0.7f));
        });
    }
}

void PaintCrate(Canvas& s, sf::Color wood, sf::Color frame)
{
    PaintPlanks(s, wood, 3, false, 701u);
    s.FrameRect({0, 0, T, T}, frame, 4);
    s.FrameRect({0, 0, T, T}, Shade(frame, 0.55f), 1);
    s.Line(4, 4, 32, 32, 4.f, frame);
    s.Line(4, 4, 32, 32, 1.f, Shade(frame, 1.3f));
    s.FrameRect({1, 1, T - 2, T - 2}, Shade(frame, 1.3f), 1);
    for (auto [x, y] : {std::pair{2.f, 2.f}, {34.f, 2.f}, {2.f, 34.f}, {34.f, 34.f}})
        s.FillCircle(x, y, 1.2f, Rgb(190, 180, 160));
}

void PaintPlate(Canvas& s, sf::Color metal, bool rivets, int seams, std::uint32_t seed)
{
    PaintPixels(s, {0, 0, T, T}, [&](int x, int y) {
        float n = PeriodicFbm(float(x), float(y), T, 18, 2, seed);
        float brushed = PeriodicNoise(float(x) * 0.25f, float(y) * 4.f, 9, 4, seed + 2u);
        return Scale(metal, 0.88f + 0.12f * n + 0.08f * brushed);
    });
    int step = T / seams;
    for (int i = 0; i < seams; ++i) {
        int p = i * step;
        s.FillRect({0, p, T, 1}, Shade(metal, 0.5f));
        s.FillRect({0, p + 1, T, 1}, Shade(metal, 1.3f));
        s.FillRect({p, 0, 1, T}, Shade(metal, 0.5f));
        s.FillRect({p + 1, 0, 1, T}, Shade(metal, 1.3f));
    }
    if (rivets)
        for (int i = 0; i < seams; ++i)
            for (int j = 0; j < seams; ++j)
                for (auto [ox, oy] : {std::pair{4, 4}, {step - 4, 4}, {4, step - 4}, {step - 4, step - 4}}) {
                    float x = float(i * step + ox) + 0.5f, y = float(j * step + oy) + 0.5f;
                    s.FillCircle(x + 0.5f, y + 0.5f, 1.5f, Shade(metal, 0.45f));
                    s.FillCircle(x, y, 1.4f, Shade(metal, 1.15f));
                    s.FillCircle(x - 0.4f, y - 0.4f, 0.6f, Shade(metal, 1.6f));
                }
}

void PaintHazard(Canvas& s)
{
    PaintPixels(s, {0, 0, T, T}, [&](int x, int y) {
        int band = ((x + y) / 9) % 2;
        float n = PeriodicNoise(float(x), float(y), 6, 6, 801u);
        sf::Color c = band ? Rgb(240, 190, 30) : Rgb(36, 36, 40);
        return Scale(c, 0.9f + 0.15f * n);
    });
    s.FrameRect({0, 0, T, T}, Rgb(90, 94, 100), 3);
    s.FrameRect({0, 0, T, T}, Rgb(150, 156, 165), 1);
}

void PaintCeramic(Canvas& s)
{
    PaintPixels(s, {0, 0, T, T}, [&](int x, int y) {
        int lx = x % 12, ly = y % 12;
        if (lx == 0 || ly == 0)
            return Rgb(150, 165, 175);
        float f = 0.95f + 0.05f * Hash(x / 12, y / 12, 901u);
        if (lx == 1 || ly == 1)
            f *= 1.04f;
        if (lx == 11 || ly == 11)
            f *= 0.88f;
        return Scale(Rgb(222, 232, 238), f);
    });
    for (int i = 0; i < 3; ++i)
        s.Line(float(i * 12) + 3, float(i * 12) + 3, float(i * 12) + 6, float(i * 12) + 3, 1.f,
               Rgb(255, 255, 255, 180));
}

void PaintPipes(Canvas& s)
{
    s.FillRect({0, 0, T, T}, Rgb(52, 60, 70));
    for (int i = 0; i < 3; ++i) {
        int x0 = i * 12;
        sf::Color pipe = i == 1 ? Rgb(70, 130, 170) : Rgb(140, 148, 158);
        PaintPixels(s, {x0 + 1, 0, 10, T}, [&](int x, int) {
            float u = (float(x) + 0.5f) / 10.f;
            float f = 0.55f + 0.75f * std::sin(u * Pi) - 0.25f * u;
            return Scale(pipe, f);
        });
        // Couplings.
        int cy = i == 1 ? 24 : 8;
        Bevel(s, {x0, cy, 12, 4}, Shade(pipe, 0.9f), 1);
    }
}

void PaintMagma(Canvas& s)
{
    PaintRock(s, Rgb(52, 40, 42), Rgb(90, 70, 70), 0.9f, 1001u);
    PaintPixels(s, {0, 0, T, T}, [&](int x, int y) {
        sf::Color c = s.Get(x, y);
        Cells w = Worley(float(x) + 0.5f, float(y) + 0.5f, 2, 1002u);
        float e = w.f2 - w.f1;
        if (e < 1.8f) {
            float t = 1.f - e / 1.8f;
            c = Mix(c, Mix(Rgb(255, 90, 0), Rgb(255, 230, 80), t), std::min(1.f, t * 1.6f));
        }
        return c;
    });
}

void PaintNeonPanel(Canvas& s)
{
    PaintPlate(s, Rgb(58, 66, 80), false, 1, 1101u);
    s.FillRect({0, 14, T, 8}, Rgb(20, 26, 34));
    s.FillRect({0, 16, T, 4}, Rgb(60, 220, 255));
    s.FillRect({0, 17, T, 2}, Rgb(210, 250, 255));
    s.FillRect({0, 13, T, 1}, Rgb(100, 110, 125));
    s.FillRect({0, 22, T, 1}, Rgb(30, 34, 42));
    for (float x : {6.f, 30.f})
        for (float y : {6.f, 30.f}) {
            s.FillCircle(x, y, 1.4f, Rgb(30, 34, 40));
            s.FillCircle(x - 0.3f, y - 0.3f, 0.8f, Rgb(140, 150, 165));
        }
}

void PaintEnergyCore(Canvas& s)
{
    s.FillRect({0, 0, T, T}, Rgb(30, 36, 48));
    Bevel(s, {0, 0, T, T}, Rgb(70, 78, 92), 2);
    s.FillRect({5, 5, 26, 26}, Rgb(10, 30, 60));
    PaintPixels(s, {5, 5, 26, 26}, [&](int x, int y) {
        float d = std::hypot(float(x) - 12.5f, float(y) - 12.5f) / 13.f;
        bool grid = (x % 5 == 0) || (y % 5 == 0);
        sf::Color c = Mix(Rgb(150, 230, 255), Rgb(20, 80, 170), d);
        return grid ? Mix(c, Rgb(220, 250, 255), 0.5f) : c;
    });
    s.FrameRect({4, 4, 28, 28}, Rgb(18, 22, 30), 1);
}

void PaintObsidian(Canvas& s)
{
    PaintPixels(s, {0, 0, T, T}, [&](int x, int y) {
        Cells w = Worley(float(x) + 0.5f, float(y) + 0.5f, 3, 1201u, 0.9f);
        float facet = Hash(w.id, 3, 1202u);
        sf::Color c = Mix(Rgb(22, 18, 30), Rgb(70, 50, 95), facet * 0.8f);
        if (w.f2 - w.f1 < 1.2f)
            c = Rgb(110, 90, 140);
        return c;
    });
}

void PaintCrust(Canvas& s)
{
    PaintRock(s, Rgb(40, 34, 34), Rgb(200, 60, 20), 1.0f, 1301u);
    Dice dice(1302u);
    for (int i = 0; i < 9; ++i) {
        float x = dice.Range(2, 34), y = dice.Range(2, 34);
        s.FillCircle(x, y, dice.Range(0.6f, 1.3f), Rgb(230, 90, 30));
    }
}

void PaintWall(Canvas& s, int id)
{
    s.ClearRect({0, 0, T, T});
    switch (id) {
    // Forest.
    case 100: PaintEarth(s, false); break;
    case 101: PaintEarth(s, true); break;
    case 102: PaintCobbles(s, Rgb(130, 134, 126), Rgb(62, 60, 52), 3, 102u, sf::Color::Transparent); break;
    case 103: PaintBricks(s, Rgb(118, 124, 118), Rgb(58, 60, 56), 3, 2, 103u, Rgb(70, 140, 50)); break;
    case 104: PaintPlanks(s, Rgb(150, 100, 58), 3, false, 104u); break;
    // Volcano.
    case 105: PaintGroundRock(s, Rgb(70, 62, 66), 105u); break;
    case 106: PaintBricks(s, Rgb(118, 56, 40), Rgb(40, 28, 26), 3, 2, 106u); break;
    case 107:
        PaintRock(s, Rgb(140, 74, 48), Rgb(190, 120, 80), 0.8f, 107u);
        BlendPixels(s, {0, 0, T, T}, [](int, int y) {
            return (y % 12 < 2) ? Rgb(60, 30, 20, 110) : sf::Color::Transparent;
        });
        break;
    case 108: PaintObsidian(s); break;
    case 109: PaintRock(s, Rgb(118, 112, 108), Rgb(60, 56, 54), 0.7f, 109u); break;
    case 110: PaintMagma(s); break;
    // Lab.
    case 111: PaintNeonPanel(s); break;
    case 112: PaintTreadPlate(s, Rgb(150, 158, 168), 112u); break;
    case 113: PaintEnergyCore(s); break;
    case 114: PaintPlate(s, Rgb(88, 96, 108), true, 2, 114u); break;
    case 115: PaintHazard(s); break;
    case 116: PaintCeramic(s); break;
    case 117: PaintCrate(s, Rgb(120, 130, 140), Rgb(70, 80, 92)); break;
    case 118: PaintPipes(s); break;
    // More forest.
    case 119: PaintCrate(s, Rgb(168, 116, 64), Rgb(110, 70, 36)); break;
    case 120: PaintLeaves(s); break;
    case 121: PaintBricks(s, Rgb(150, 80, 56), Rgb(200, 190, 170), 4, 2, 121u); break;
    case 122: PaintBark(s); break;
    // More volcano.
    case 123: PaintBricks(s, Rgb(74, 68, 70), Rgb(30, 26, 28), 2, 1, 123u, sf::Color::Transparent, 1.f); break;
    case 124:
        PaintPlate(s, Rgb(140, 80, 50), true, 1, 124u);
        BlendPixels(s, {0, 0, T, T}, [](int x, int y) {
            float n = PeriodicFbm(float(x), float(y), T, 12, 3, 1241u);
            return n > 0.58f ? Rgb(90, 40, 20, static_cast<int>(std::min(1.f, (n - 0.58f) * 6.f) * 200.f))
                             : sf::Color::Transparent;
        });
        break;
    case 125: PaintCrust(s); break;
    default: break;
    }
}

// The edge of a slope: a dark rim just outside and a lit rim just inside.
void SlopeEdge(Canvas& c, const sf::IntRect& cell, Mask mask, sf::Color base)
{
    c.SetClip(cell);
    float x0 = float(cell.left), y0 = float(cell.top);
    if (mask == Mask::Rising) {
        c.Line(x0 - 1, y0 + T + 1, x0 + T + 1, y0 - 1, 1.2f, Shade(base, 0.35f));
        c.Line(x0 + 0.5f, y0 + T + 1.5f, x0 + T + 1.5f, y0 + 0.5f, 1.4f, WithAlpha(Shade(base, 1.5f), 170));
    } else {
        c.Line(x0 - 1, y0 - 1, x0 + T + 1, y0 + T + 1, 1.2f, Shade(base, 0.35f));
        c.Line(x0 - 1.5f, y0 + 0.5f, x0 + T - 0.5f, y0 + T + 1.5f, 1.4f, WithAlpha(Shade(base, 1.4f), 150));
    }
    c.ResetClip();
}

// ---------------------------------------------------------------------------
// Gratings (flag 0x10: they stop the player and enemies, shots fly through).

void PaintGrating(Canvas& c, const sf::IntRect& r, int id)
{
    c.SetClip(r);
    float x0 = float(r.left), y0 = float(r.top);
    if (id == 156) {
        // Forest: a lattice of thin laths.
        sf::Color lath = Rgb(150, 104, 60), dark = Rgb(70, 44, 24);
        for (int k = -2; k < 4; ++k) {
            float o = float(k * 18);
            c.Line(x0 + o - 1, y0 - 1, x0 + o + T + 1, y0 + T + 1, 4.f, dark);
            c.Line(x0 + o, y0 - 1, x0 + o + T + 1, y0 + T, 2.2f, lath);
        }
        for (int k = -1; k < 5; ++k) {
            float o = float(k * 18);
            c.Line(x0 + o + 1, y0 - 1, x0 + o - T - 1, y0 + T + 1, 4.f, dark);
            c.Line(x0 + o, y0 - 1, x0 + o - T - 1, y0 + T, 2.2f, Shade(lath, 1.15f));
        }
    } else if (id == 157) {
        // Volcano: iron bars with a cross bar.
        sf::Color iron = Rgb(86, 80, 84);
        for (int i = 0; i < 4; ++i) {
            int x = r.left + 4 + i * 9;
            c.FillRect({x - 2, r.top, 5, T}, Rgb(30, 26, 28));
            PaintPixels(c, {x - 1, r.top, 3, T}, [&](int px, int) { return Shade(iron, px == 0 ? 1.5f : (px == 1 ? 1.f : 0.7f)); });
        }
        c.FillRect({r.left, r.top + 15, T, 6}, Rgb(30, 26, 28));
        Bevel(c, {r.left, r.top + 16, T, 4}, Rgb(110, 64, 44), 1);
    } else {
        // Lab: a humming force field in a hex mesh.
        BlendPixels(c, r, [&](int x, int y) {
            int a = (x + y) % 12, b = ((x - y) % 12 + 12) % 12;
            if (a == 0 || b == 0)
                return Rgb(190, 248, 255, 220);
            if (a == 1 || b == 1 || a == 11 || b == 11)
                return Rgb(90, 220, 255, 130);
            float n = PeriodicNoise(float(x), float(y), 9, 4, 1581u);
            return Rgb(50, 170, 240, static_cast<int>(50 + 40 * n));
        });
    }
    c.ResetClip();
}

// ---------------------------------------------------------------------------
// Climbables: transparent cells, seamless from top to bottom.

void Rails(Canvas& c, const sf::IntRect& r, sf::Color rail, float left, float right, float width)
{
    for (float x : {left, right}) {
        float X = float(r.left) + x;
        c.FillRect({int(X - width / 2 - 1), r.top, int(width + 2), T}, Shade(rail, 0.35f));
        PaintPixels(c, {int(X - width / 2), r.top, int(width), T}, [&](int px, int) {
            return Shade(rail, px == 0 ? 1.35f : (px == int(width) - 1 ? 0.7f : 1.f));
        });
    }
}

void PaintClimbable(Canvas& c, const sf::IntRect& r, int id)
{
    c.SetClip(r);
    float x0 = float(r.left), y0 = float(r.top);
    switch (id) {
    case 164: {  // wooden ladder
        sf::Color wood = Rgb(160, 108, 60);
        for (float y : {8.f, 26.f}) {
            c.FillRoundedRect({x0 + 6, y0 + y - 2.5f, 24, 5}, 1.5f, Shade(wood, 0.4f));
            c.FillRoundedRect({x0 + 6, y0 + y - 2, 24, 3.5f}, 1.5f, wood);
            c.FillRect({r.left + 7, r.top + int(y) - 2, 22, 1}, Shade(wood, 1.3f));
        }
        Rails(c, r, wood, 8, 28, 4);
        break;
    }
    case 165: {  // vine
        for (int y = -2; y < T + 2; ++y) {
            float x = 18 + 4.f * std::sin(2 * Pi * float(y) / T);
            c.FillCircle(x0 + x + 0.7f, y0 + float(y), 2.4f, Rgb(20, 60, 20));
        }
        for (int y = -2; y < T + 2; ++y) {
            float x = 18 + 4.f * std::sin(2 * Pi * float(y) / T);
            c.FillCircle(x0 + x, y0 + float(y), 1.8f, Rgb(70, 140, 50));
        }
        for (int k = 0; k < 4; ++k) {
            float y = 4.5f + 9.f * float(k);
            float x = 18 + 4.f * std::sin(2 * Pi * y / T);
            float dir = (k % 2) ? 1.f : -1.f;
            float tx = x0 + x + dir * 9.f, ty = y0 + y - 2.f;
            std::vector<sf::Vector2f> leaf = {{x0 + x, y0 + y}, {tx - dir * 3, ty - 3}, {tx, ty}, {tx - dir * 4, ty + 3}};
            c.FillPolygon(leaf, Rgb(20, 70, 20));
            c.FillPolygon({{x0 + x + dir, y0 + y}, {tx - dir * 3.5f, ty - 2}, {tx - dir, ty}, {tx - dir * 4, ty + 2}},
                          Rgb(90, 170, 60));
            c.Line(x0 + x, y0 + y, tx - dir, ty, 0.6f, Rgb(40, 100, 30));
        }
        break;
    }
    case 166: {  // chain
        sf::Color iron = Rgb(120, 116, 118);
        for (int k = -1; k < 3; ++k) {
            float cy = y0 + 9.f + float(k) * 18.f;
            c.FillEllipse(x0 + 18, cy, 5.f, 8.f, Rgb(30, 28, 30));
            c.FillEllipse(x0 + 18, cy, 3.6f, 6.6f, iron);
            c.FillEllipse(x0 + 17.3f, cy - 1, 1.8f, 4.6f, Shade(iron, 1.4f));
            c.FillEllipse(x0 + 18, cy, 1.6f, 4.4f, Rgb(30, 28, 30, 255));
            // The crossing link, seen edge-on.
            float ly = cy + 9.f;
            c.FillRoundedRect({x0 + 16, ly - 5, 4, 10}, 2.f, Rgb(30, 28, 30));
            c.FillRoundedRect({x0 + 16.8f, ly - 4.2f, 2.4f, 8.4f}, 1.2f, Shade(iron, 1.15f));
        }
        break;
    }
    case 167: {  // rusty iron ladder
        sf::Color iron = Rgb(130, 76, 50);
        for (float y : {9.f, 27.f}) {
            c.FillRect({r.left + 8, r.top + int(y) - 2, 20, 4}, Shade(iron, 0.35f));
            c.FillRect({r.left + 8, r.top + int(y) - 1, 20, 2}, iron);
            c.FillRect({r.left + 8, r.top + int(y) - 1, 20, 1}, Shade(iron, 1.3f));
        }
        Rails(c, r, Rgb(100, 92, 96), 8, 28, 4);
        for (float y : {9.f, 27.f})
            for (float x : {8.f, 28.f})
                c.FillCircle(x0 + x, y0 + y, 1.1f, Rgb(200, 190, 180));
        break;
    }
    case 168: {  // steel ladder with yellow rungs
        for (float y : {6.f, 18.f, 30.f}) {
            c.FillRect({r.left + 8, r.top + int(y) - 2, 20, 4}, Rgb(40, 40, 30));
            c.FillRect({r.left + 8, r.top + int(y) - 1, 20, 2}, Rgb(235, 190, 40));
            c.FillRect({r.left + 8, r.top + int(y) - 1, 20, 1}, Rgb(255, 235, 140));
        }
        Rails(c, r, Rgb(170, 178, 190), 8, 28, 4);
        break;
    }
    default: {  // 169: a bundle of cables with clamps
        for (int i = 0; i < 3; ++i) {
            float x = 13.f + float(i) * 5.f;
            sf::Color cable = i == 1 ? Rgb(200, 60, 50) : (i == 0 ? Rgb(60, 120, 200) : Rgb(60, 60, 66));
            c.FillRect({r.left + int(x) - 2, r.top, 5, T}, Rgb(20, 20, 24));
            PaintPixels(c, {r.left + int(x) - 1, r.top, 3, T}, [&](int px, int) {
                return Shade(cable, px == 0 ? 1.4f : (px == 1 ? 1.f : 0.65f));
            });
        }
        for (float y : {9.f, 27.f}) {
            c.FillRect({r.left + 9, r.top + int(y) - 3, 18, 6}, Rgb(20, 20, 24));
            Bevel(c, {r.left + 10, r.top + int(y) - 2, 16, 4}, Rgb(150, 156, 166), 1);
        }
        break;
    }
    }
    c.ResetClip();
}

// ---------------------------------------------------------------------------
// Fading blocks: seven frames from whole to crumbling apart.

void PaintFading(Canvas& c, int id)
{
    Canvas base(T, T);
    if (id == 170) {
        base.FillRect({0, 0, T, T}, Rgb(70, 44, 24));
        Bevel(base, {1, 1, T - 2, T - 2}, Rgb(196, 150, 88), 2);
        PaintPixels(base, {3, 3, T - 6, T - 6}, [&](int x, int y) {
            float n = PeriodicNoise(float(x), float(y), 6, 5, 1701u);
            return Scale(Rgb(196, 150, 88), 0.85f + 0.25f * n);
        });
        for (int i = 0; i < 5; ++i)
            base.Line(5, 8.f + i * 5.f, 31, 8.f + i * 5.f + (i % 2 ? 1 : -1), 0.8f, Rgb(150, 108, 60));
    } else if (id == 177) {
        base.FillRect({0, 0, T, T}, Rgb(36, 28, 28));
        Canvas rock(T, T);
        PaintRock(rock, Rgb(128, 96, 80), Rgb(180, 150, 130), 1.f, 1771u);
        base.Paste(rock, {0, 0, T - 2, T - 2}, 1, 1);
        Bevel(base, {1, 1, T - 2, 2}, Rgb(170, 130, 110), 1);
    } else {
        BlendPixels(base, {0, 0, T, T}, [&](int x, int y) {
            bool edge = x < 2 || y < 2 || x > T - 3 || y > T - 3;
            bool grid = (x % 6 == 3) || (y % 6 == 3);
            if (edge)
                return Rgb(170, 250, 255, 255);
            return grid ? Rgb(110, 220, 255, 200) : Rgb(40, 150, 230, 150);
        });
        base.FrameRect({3, 3, T - 6, T - 6}, Rgb(200, 255, 255, 160), 1);
    }
    // Cracks that grow frame by frame, and bits breaking away from the rim.
    Dice dice(static_cast<std::uint32_t>(id) * 13u);
    struct Crack { float x0, y0, x1, y1; };
    std::vector<Crack> cracks;
    float cx = 18, cy = 18;
    for (int i = 0; i < 14; ++i) {
        float a = dice.Range(0, 2 * Pi), len = dice.Range(5, 11);
        float sx = (i % 3 == 0) ? 18.f : cx, sy = (i % 3 == 0) ? 18.f : cy;
        float ex = sx + std::cos(a) * len, ey = sy + std::sin(a) * len;
        cracks.push_back({sx, sy, ex, ey});
        cx = ex;
        cy = ey;
    }
    std::vector<std::pair<int, int>> chips;
    for (int i = 0; i < 80; ++i)
        chips.emplace_back(dice.Int(0, T - 1), dice.Int(0, T - 1));
    sf::Color crackColour = id == 184 ? Rgb(10, 40, 80, 220) : Rgb(20, 12, 8, 230);
    for (int f = 0; f < 7; ++f) {
        sf::IntRect cell = CellOf(id, f);
        c.Paste(base, {0, 0, T, T}, cell.left, cell.top);
        c.SetClip(cell);
        for (int i = 0; i < f * 2 && i < int(cracks.size()); ++i) {
            const Crack& k = cracks[static_cast<std::size_t>(i)];
            c.Line(cell.left + k.x0, cell.top + k.y0, cell.left + k.x1, cell.top + k.y1, 1.2f, crackColour);
        }
        // Chips near the rim fall away.
        int lost = f * 11;
        for (int i = 0; i < lost && i < int(chips.size()); ++i) {
            auto [x, y] = chips[static_cast<std::size_t>(i)];
            // Pull the chip towards the nearest rim.
            int ex = std::min(x, T - 1 - x), ey = std::min(y, T - 1 - y);
            if (ex < ey)
                x = x < T / 2 ? ex / 3 : T - 1 - ex / 3;
            else
                y = y < T / 2 ? ey / 3 : T - 1 - ey / 3;
            int s = 2 + f / 2;
            c.ClearRect({cell.left + x - s / 2, cell.top + y - s / 2, s, s});
        }
        if (f > 0 && id == 184)
            ScaleAlpha(c, cell, 1.f - 0.08f * float(f));
        c.ResetClip();
    }
}

// ---------------------------------------------------------------------------
// Deadly tiles: 12 frames that loop (the animation runs continuously).

void PaintSwamp(Canvas& c, int f)
{
    sf::IntRect r = CellOf(198, f);
    float phase = 2 * Pi * float(f) / 12.f;
    PaintPixels(c, r, [&](int x, int y) {
        float surface = 7.f + 1.6f * std::sin(2 * Pi * float(x) / 18.f + phase) + 0.8f * std::sin(2 * Pi * float(x) / 36.f - phase);
        float d = float(y) + 0.5f - surface;
        if (d < -0.5f)
            return sf::Color::Transparent;
        float n = PeriodicNoise(float(x) + float(f) * 3.f, float(y), 9, 4, 1981u);
        sf::Color col = Mix(Rgb(120, 220, 60), Rgb(30, 100, 30), std::min(1.f, float(y) / 30.f));
        col = Scale(col, 0.85f + 0.3f * n);
        if (d < 1.5f)
            col = Rgb(200, 255, 140);
        if (d < 0.5f)
            col.a = static_cast<std::uint8_t>(255 * (d + 0.5f));
        return col;
    });
    // Bubbles rising and looping every 12 frames.
    c.SetClip(r);
    for (int b = 0; b < 3; ++b) {
        float bx = 7.f + float(b) * 11.f;
        float by = 34.f - std::fmod(float(f) * 2.f + float(b) * 9.f, 24.f);
        c.FillRing(float(r.left) + bx, float(r.top) + by, 2.2f, 1.3f, Rgb(210, 255, 160, 220));
        c.FillCircle(float(r.left) + bx - 0.6f, float(r.top) + by - 0.6f, 0.5f, Rgb(255, 255, 255));
    }
    c.ResetClip();
}

sf::Color LavaColour(float n)
{
    if (n < 0.4f)
        return Mix(Rgb(150, 20, 0), Rgb(230, 70, 0), n / 0.4f);
    if (n < 0.75f)
        return Mix(Rgb(230, 70, 0), Rgb(255, 170, 20), (n - 0.4f) / 0.35f);
    return Mix(Rgb(255, 170, 20), Rgb(255, 245, 150), (n - 0.75f) / 0.25f);
}

void PaintLava(Canvas& c, int id, int f)
{
    sf::IntRect r = CellOf(id, f);
    float phase = 2 * Pi * float(f) / 12.f;
    bool surface = id == 212;
    PaintPixels(c, r, [&](int x, int y) {
        float top = surface ? 6.f + 1.5f * std::sin(2 * Pi * float(x) / 36.f + phase) + 0.7f * std::sin(2 * Pi * float(x) / 12.f - 2 * phase) : -1.f;
        float d = float(y) + 0.5f - top;
        if (d < -0.5f)
            return sf::Color::Transparent;
        // Flowing along (surface) or slowly churning downwards (deep lava).
        float sx = surface ? float(x) + float(f) * 3.f : float(x);
        float sy = surface ? float(y) : float(y) - float(f) * 3.f;
        float n = PeriodicFbm(sx, sy, T, 18, 3, 2121u);
        float veins = 1.f - std::fabs(PeriodicNoise(sx, sy, 12, 3, 2122u) - 0.5f) * 2.f;
        float heat = std::clamp(n * 0.7f + veins * veins * 0.5f, 0.f, 1.f);
        sf::Color col = LavaColour(heat);
        if (surface && d < 2.f)
            col = Mix(Rgb(255, 250, 190), col, d / 2.f);
        if (d < 0.5f)
            col.a = static_cast<std::uint8_t>(255 * (d + 0.5f));
        return col;
    });
    if (surface) {
        // A dark crust floe drifting by.
        c.SetClip(r);
        for (int k = -1; k <= 1; ++k) {
            float x = float(r.left) + std::fmod(float(f) * 3.f + 8.f, 36.f) + float(k) * 36.f;
            c.FillEllipse(x, float(r.top) + 16.f, 5.f, 2.f, Rgb(90, 20, 5, 200));
            c.FillEllipse(x + 14.f, float(r.top) + 26.f, 3.5f, 1.5f, Rgb(110, 30, 5, 180));
        }
        c.ResetClip();
    }
}

void PaintElectric(Canvas& c, int f)
{
    sf::IntRect r = CellOf(226, f);
    float flicker = 0.7f + 0.3f * std::sin(2 * Pi * float(f) / 6.f);
    BlendPixels(c, r, [&](int x, int y) {
        float n = PeriodicNoise(float(x), float(y) + float(f) * 3.f, 9, 4, 2261u);
        return Rgb(60, 140, 255, static_cast<int>((60 + 60 * n) * flicker));
    });
    c.SetClip(r);
    Dice dice(2262u + static_cast<std::uint32_t>(f) * 31u);
    for (int bolt = 0; bolt < 2; ++bolt) {
        // Each bolt starts and ends at mid-height, so neighbouring cells join up.
        float py = 18.f;
        float px = 0.f;
        std::vector<sf::Vector2f> pts{{0.f, 18.f}};
        for (int k = 1; k <= 6; ++k) {
            px = float(k) * 6.f;
            py = k == 6 ? 18.f : std::clamp(py + dice.Range(-9, 9), 4.f, 32.f);
            pts.push_back({px, py});
        }
        for (std::size_t k = 1; k < pts.size(); ++k) {
            float ax = float(r.left) + pts[k - 1].x, ay = float(r.top) + pts[k - 1].y;
            float bx = float(r.left) + pts[k].x, by = float(r.top) + pts[k].y;
            c.Line(ax, ay, bx, by, bolt ? 2.2f : 3.2f, Rgb(90, 180, 255, 160));
            c.Line(ax, ay, bx, by, 1.1f, Rgb(235, 250, 255));
        }
    }
    c.ResetClip();
}

void PaintNormalTiles(Canvas& c)
{
    Canvas scratch(T, T);
    for (int id = 100; id <= 125; ++id) {
        PaintWall(scratch, id);
        sf::IntRect cell = CellOf(id);
        StampMasked(c, scratch, 0, 0, cell.left, cell.top, Mask::Full);
        if (id <= 112) {
            sf::Color base = scratch.Get(18, 18);
            sf::IntRect rising = CellOf(id + 28), falling = CellOf(id + 42);
            StampMasked(c, scratch, 0, 0, rising.left, rising.top, Mask::Rising);
            SlopeEdge(c, rising, Mask::Rising, base);
            StampMasked(c, scratch, 0, 0, falling.left, falling.top, Mask::Falling);
            SlopeEdge(c, falling, Mask::Falling, base);
        }
    }
    for (int id = 156; id <= 158; ++id)
        PaintGrating(c, CellOf(id), id);
    for (int id = 164; id <= 169; ++id)
        PaintClimbable(c, CellOf(id), id);
    for (int id : {170, 177, 184})
        PaintFading(c, id);
    for (int f = 0; f < 12; ++f) {
        PaintSwamp(c, f);
        PaintLava(c, 212, f);
        PaintElectric(c, f);
        PaintLava(c, 240, f);
    }
}

const TextureRegistration registration{"Gfx/NormalTiles.png", 396, 504, PaintNormalTiles};

}  // namespace
}  // namespace texgen
