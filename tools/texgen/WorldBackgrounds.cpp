// "Gfx/Background1.png" .. "Gfx/Background3.png": the far backgrounds of the
// three worlds (forest, volcano, lab), 256 x 192, drawn smoothed at four times
// their size and repeated from left to right, so every layer here wraps
// around horizontally. Up and down each fills the screen once, its top row at
// the top and its bottom row, the ground, at the bottom. Soft and low in
// contrast, to keep sprites readable.
#include "TextureRegistry.h"
#include "WorldArt.h"

#include <algorithm>
#include <vector>

namespace texgen {
namespace {

using namespace world;

constexpr int W = 256;
constexpr int H = 192;

// A silhouette whose height repeats every 256 px.
float Ridge(float x, float base, float amplitude, int cell, std::uint32_t seed, int octaves = 3)
{
    return base - amplitude * (PeriodicFbm(x, 0.f, W, cell, octaves, seed) - 0.5f) * 2.f;
}

// Fills everything below a ridge line with a vertical gradient.
template <typename Line>
void FillBelow(Canvas& c, Line line, sf::Color top, sf::Color bottom)
{
    for (int x = 0; x < W; ++x) {
        // Two samples across the pixel for a soft edge.
        for (int y = 0; y < H; ++y) {
            float cover = 0.f;
            for (float sx : {0.25f, 0.75f}) {
                float ly = line(float(x) + sx);
                cover += std::clamp(float(y) + 1.f - ly, 0.f, 1.f) * 0.5f;
            }
            if (cover > 0.f) {
                float t = float(y) / float(H - 1);
                c.Blend(x, y, Mix(top, bottom, t), cover);
            }
        }
    }
}

// A shape drawn at x and one image width to either side.
template <typename Paint>
void WrapX(Paint paint)
{
    for (float o : {-float(W), 0.f, float(W)})
        paint(o);
}

void PaintForest(Canvas& c)
{
    c.VerticalGradient({0, 0, W, H}, Rgb(150, 196, 240), Rgb(214, 232, 230));
    // The sun's haze and clouds.
    Glow(c, 70, 40, 70, Rgb(255, 250, 220, 120));
    Dice dice(4001u);
    for (int i = 0; i < 7; ++i) {
        float x = dice.Range(0, W), y = dice.Range(14, 60), s = dice.Range(8, 16);
        WrapX([&](float o) {
            for (int k = 0; k < 4; ++k)
                c.FillEllipse(x + o + float(k) * s * 0.7f, y - (k % 2 ? s * 0.3f : 0.f), s, s * 0.55f,
                              Rgb(255, 255, 255, 90));
        });
    }
    // Far blue hills, then rows of ever darker forest.
    FillBelow(c, [](float x) { return Ridge(x, 104, 22, 64, 4010u); }, Rgb(150, 180, 196), Rgb(170, 196, 200));
    FillBelow(c, [](float x) {
        float r = Ridge(x, 124, 14, 32, 4020u);
        return r - 6.f * std::fabs(std::sin(x * Pi / 8.f));  // treetops
    }, Rgb(110, 156, 130), Rgb(120, 160, 130));
    FillBelow(c, [](float x) {
        float r = Ridge(x, 146, 10, 32, 4030u);
        return r - 8.f * std::pow(std::fabs(std::sin(x * Pi / 16.f)), 0.6f);
    }, Rgb(78, 128, 84), Rgb(70, 110, 70));
    // Near trunks and canopies.
    for (int i = 0; i < 6; ++i) {
        float x = 20.f + float(i) * 42.f + dice.Range(-6, 6);
        float top = dice.Range(120, 140);
        WrapX([&](float o) {
            c.FillRect({int(x + o) - 2, int(top), 5, H - int(top)}, Rgb(70, 70, 52, 200));
            c.FillEllipse(x + o, top, 16, 12, Rgb(60, 104, 62, 230));
            c.FillEllipse(x + o - 8, top + 6, 11, 8, Rgb(56, 98, 58, 230));
            c.FillEllipse(x + o + 9, top + 5, 11, 8, Rgb(64, 110, 64, 230));
            c.FillEllipse(x + o - 3, top - 4, 8, 5, Rgb(88, 136, 80, 200));
        });
    }
    FillBelow(c, [](float x) { return Ridge(x, 176, 6, 32, 4040u); }, Rgb(64, 100, 60), Rgb(52, 84, 50));
}

void PaintVolcano(Canvas& c)
{
    c.VerticalGradient({0, 0, W, 110}, Rgb(52, 30, 44), Rgb(150, 70, 52));
    c.VerticalGradient({0, 110, W, H - 110}, Rgb(150, 70, 52), Rgb(120, 60, 48));
    // Ash clouds drifting low.
    Dice dice(4101u);
    for (int i = 0; i < 10; ++i) {
        float x = dice.Range(0, W), y = dice.Range(12, 70), s = dice.Range(10, 20);
        WrapX([&](float o) { c.FillEllipse(x + o, y, s * 1.6f, s * 0.5f, Rgb(70, 44, 50, 70)); });
    }
    // Distant volcanoes with glowing craters.
    struct Cone { float x, top, width; };
    const Cone cones[] = {{60, 58, 80}, {190, 74, 64}};
    for (const Cone& k : cones) {
        WrapX([&](float o) {
            Glow(c, k.x + o, k.top, 30, Rgb(255, 140, 60, 120));
            c.FillPolygon({{k.x + o - k.width, 140}, {k.x + o - 7, k.top}, {k.x + o + 7, k.top}, {k.x + o + k.width, 140}},
                          Rgb(86, 50, 54));
            c.FillPolygon({{k.x + o - 7, k.top}, {k.x + o + 7, k.top}, {k.x + o + 4, k.top + 8}, {k.x + o - 4, k.top + 8}},
                          Rgb(220, 110, 50, 180));
            // Lava trickles down the flank.
            c.Line(k.x + o + 2, k.top + 2, k.x + o + 12, k.top + 40, 2.f, Rgb(230, 110, 40, 150));
            c.Line(k.x + o - 3, k.top + 2, k.x + o - 18, k.top + 50, 1.5f, Rgb(220, 90, 40, 120));
            // Smoke.
            for (int s = 0; s < 5; ++s)
                c.FillCircle(k.x + o + float(s) * 5.f, k.top - 8.f - float(s) * 9.f, 6.f + float(s) * 2.f,
                             Rgb(90, 66, 70, 90));
        });
    }
    FillBelow(c, [](float x) { return Ridge(x, 134, 16, 64, 4110u); }, Rgb(96, 54, 52), Rgb(90, 50, 48));
    FillBelow(c, [](float x) {
        float r = Ridge(x, 158, 12, 32, 4120u);
        return r + 3.f * std::fabs(std::sin(x * Pi / 12.f));  // jagged rocks
    }, Rgb(70, 40, 42), Rgb(64, 36, 38));
    // The glow of lava pools at the bottom.
    for (int i = 0; i < 4; ++i) {
        float x = 32.f + float(i) * 64.f + dice.Range(-10, 10);
        WrapX([&](float o) { Glow(c, x + o, 190, 34, Rgb(255, 120, 40, 120)); });
    }
    FillBelow(c, [](float x) { return Ridge(x, 180, 5, 32, 4130u); }, Rgb(52, 30, 34), Rgb(46, 26, 30));
}

void PaintLab(Canvas& c)
{
    c.VerticalGradient({0, 0, W, H}, Rgb(60, 74, 92), Rgb(44, 54, 70));
    // Wall panels: 64 x 48, four across, so they repeat with the image.
    for (int py = 0; py < H; py += 48)
        for (int px = 0; px < W; px += 64) {
            sf::IntRect r{px + 1, py + 1, 62, 46};
            c.FillRect(r, Rgb(68, 84, 104, 120));
            c.FillRect({r.left, r.top, r.width, 1}, Rgb(110, 128, 150, 120));
            c.FillRect({r.left, r.top, 1, r.height}, Rgb(110, 128, 150, 90));
            c.FillRect({r.left, r.top + r.height - 1, r.width, 1}, Rgb(30, 38, 50, 140));
            c.FillRect({r.left + r.width - 1, r.top, 1, r.height}, Rgb(30, 38, 50, 120));
            for (auto [x, y] : {std::pair{4, 4}, {57, 4}, {4, 41}, {57, 41}})
                c.FillCircle(float(r.left + x), float(r.top + y), 1.2f, Rgb(120, 136, 156, 150));
        }
    // Windows with a cyan glow, one in every other panel.
    for (int px = 0; px < W; px += 128) {
        sf::IntRect win{px + 14, 58, 36, 24};
        Glow(c, float(win.left + 18), float(win.top + 12), 30, Rgb(90, 220, 255, 60));
        c.FillRect(win, Rgb(24, 30, 40));
        c.VerticalGradient({win.left + 2, win.top + 2, win.width - 4, win.height - 4}, Rgb(110, 200, 230),
                           Rgb(60, 130, 170));
        c.Line(float(win.left + 6), float(win.top + 18), float(win.left + 16), float(win.top + 4), 2.f,
               Rgb(200, 245, 255, 110));
    }
    // Monitors in the panels between.
    for (int px = 64; px < W; px += 128) {
        sf::IntRect m{px + 16, 108, 32, 20};
        c.FillRect(m, Rgb(24, 30, 40));
        c.FillRect({m.left + 2, m.top + 2, m.width - 4, m.height - 4}, Rgb(30, 80, 70));
        for (int k = 0; k < 4; ++k)
            c.FillRect({m.left + 4, m.top + 4 + k * 3, 8 + (k * 7) % 16, 1}, Rgb(110, 230, 170, 200));
        Glow(c, float(m.left + 16), float(m.top + 10), 22, Rgb(110, 230, 170, 40));
    }
    // Nothing runs across: the picture stays fixed on the screen while the
    // play field scrolls past it, so a line across it would read as a floor
    // between the floors. Pipes run up and down instead.
    for (int x : {112, 240}) {
        c.FillRect({x, 0, 8, H}, Rgb(96, 110, 126));
        c.FillRect({x + 1, 0, 3, H}, Rgb(130, 146, 164));
        c.FillRect({x + 6, 0, 2, H}, Rgb(70, 82, 98));
        for (int y = 20; y < H; y += 64)
            c.FillRect({x - 1, y, 10, 5}, Rgb(80, 92, 108));
    }
    // Vertical conduits.
    for (int x : {56, 184}) {
        c.FillRect({x, 0, 6, H}, Rgb(54, 64, 80));
        c.FillRect({x + 1, 0, 2, H}, Rgb(84, 98, 116));
    }
    // Small junction boxes on the conduits, low on the wall.
    for (int x : {56, 184}) {
        c.FillRect({x - 4, 158, 14, 12}, Rgb(70, 82, 100));
        c.FillRect({x - 3, 159, 12, 1}, Rgb(110, 126, 146));
        c.FillCircle(float(x + 3), 164.f, 1.5f, Rgb(140, 220, 120, 200));
    }
}

const TextureRegistration forest{"Gfx/Background1.png", W, H, PaintForest};
const TextureRegistration volcano{"Gfx/Background2.png", W, H, PaintVolcano};
const TextureRegistration lab{"Gfx/Background3.png", W, H, PaintLab};

}  // namespace
}  // namespace texgen
