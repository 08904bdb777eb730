// "Gfx/SpecialTiles.png": the special tiles 1-24 in 36-px cells (column, row),
// each tile's animation frames stacked downwards from its cell:
//
//   col 0: 1 item block (r0), 2-4 power-up blocks (r1-3), 23 sign (r4),
//          13 trampoline (r6-10: rest, squashed, ..., stretched)
//   col 1: 6 active checkpoint (r0 lit, r1-5 the flash when it is reached),
//          5 inactive checkpoint (r6), 14 exploding block (r7-11, calm to hot)
//   col 2: 7 level-end flag (r0-7, waving), 8 warp (r8-12, swirling, r12 calm)
//   col 3: switch strip: r7 up (9 at rest), r1-6 going down, r0 down (10 at
//          rest); 9 steps upwards from r7, 10 downwards from r0.
//          r8 hidden marker, r9 enemy barrier (22), r10 border (24)
//   col 4: switched block strip: r0 solid (11 at rest), r1-7 from ghost to
//          solid, r8 ghost (12 at rest); 12 steps upwards from r8
//   col 6: 15 timed spikes (r0 out ... r6 retracted), 16 spikes (r7)
//   cols 7-10: one-way gates 17 (passes leftwards), 18 (rightwards),
//          19 (upwards), 20 (downwards), 7 frames each
//   col 11: 21 coin, 13 frames of one turn, inside the window (5, 6, 25, 25)
//          of each cell, which items also use as (401, 6 + 36 f, 25, 25)
#include "TextureRegistry.h"
#include "WorldArt.h"

#include <algorithm>
#include <vector>

namespace texgen {
namespace {

using namespace world;

constexpr int T = TileSize;
const sf::Color Ink = Rgb(28, 20, 16);

sf::IntRect Cell(int column, int row)
{
    return {column * T, row * T, T, T};
}

struct Local {
    Canvas& c;
    float x0, y0;
    Local(Canvas& canvas, int column, int row) : c(canvas), x0(float(column * T)), y0(float(row * T))
    {
        c.SetClip(Cell(column, row));
    }
    ~Local() { c.ResetClip(); }
    sf::Vector2f P(float x, float y) const { return {x0 + x, y0 + y}; }
    sf::IntRect R(int x, int y, int w, int h) const { return {int(x0) + x, int(y0) + y, w, h}; }
    sf::FloatRect F(float x, float y, float w, float h) const { return {x0 + x, y0 + y, w, h}; }
};

// ---------------------------------------------------------------------------

void ItemBlock(Canvas& c)
{
    Local l(c, 0, 0);
    c.FillRoundedRect(l.F(0, 0, 36, 36), 3.f, Ink);
    c.FillRoundedRect(l.F(1, 1, 34, 34), 2.5f, Rgb(214, 150, 30));
    Bevel(c, l.R(2, 2, 32, 32), Rgb(240, 178, 40), 2);
    for (auto [x, y] : {std::pair{5.f, 5.f}, {31.f, 5.f}, {5.f, 31.f}, {31.f, 31.f}}) {
        c.FillCircle(l.x0 + x + 0.5f, l.y0 + y + 0.5f, 1.6f, Rgb(120, 70, 10));
        c.FillCircle(l.x0 + x, l.y0 + y, 1.3f, Rgb(255, 230, 150));
    }
    c.TextCentered("?", l.F(1.5f, 2.f, 36, 34), 26, Rgb(120, 64, 8));
    c.TextCentered("?", l.F(0, 0.5f, 36, 34), 26, Rgb(255, 250, 225));
}

void PowerUpBlock(Canvas& c, int row, sf::Color gem)
{
    Local l(c, 0, row);
    c.FillRect(l.R(0, 0, 36, 36), Ink);
    Bevel(c, l.R(1, 1, 34, 34), Rgb(150, 150, 160), 3);
    c.FillRect(l.R(5, 5, 26, 26), Shade(gem, 0.35f));
    PaintPixels(c, l.R(6, 6, 24, 24), [&](int x, int y) {
        float d = std::hypot(float(x) - 9.f, float(y) - 9.f) / 22.f;
        return Mix(Shade(gem, 1.45f), Shade(gem, 0.6f), d);
    });
    sf::Color icon = Rgb(255, 255, 255);
    sf::Color shadow = Shade(gem, 0.3f);
    auto both = [&](auto draw) {
        draw(1.f, shadow);
        draw(0.f, icon);
    };
    if (row == 1) {  // Titan suit: a shield
        both([&](float o, sf::Color col) {
            c.FillPolygon({l.P(11 + o, 10 + o), l.P(25 + o, 10 + o), l.P(25 + o, 18 + o), l.P(18 + o, 27 + o),
                           l.P(11 + o, 18 + o)},
                          col);
        });
        c.FillPolygon({l.P(13, 12), l.P(18, 12), l.P(18, 24), l.P(13, 18)}, Shade(gem, 1.2f));
    } else if (row == 2) {  // time distortion: an hourglass
        both([&](float o, sf::Color col) {
            c.FillRect({int(l.x0 + 11 + o), int(l.y0 + 9 + o), 14, 2}, col);
            c.FillRect({int(l.x0 + 11 + o), int(l.y0 + 25 + o), 14, 2}, col);
            c.FillPolygon({l.P(12 + o, 11 + o), l.P(24 + o, 11 + o), l.P(19 + o, 18 + o), l.P(24 + o, 25 + o),
                           l.P(12 + o, 25 + o), l.P(17 + o, 18 + o)},
                          col);
        });
        c.FillTriangle(l.P(14.5f, 13), l.P(21.5f, 13), l.P(18, 17), Rgb(250, 220, 120));
        c.FillTriangle(l.P(18, 20), l.P(22, 24.5f), l.P(14, 24.5f), Rgb(250, 220, 120));
    } else {  // jetpack: twin tanks with flames
        both([&](float o, sf::Color col) {
            c.FillRoundedRect(l.F(11 + o, 9 + o, 6, 13), 2.5f, col);
            c.FillRoundedRect(l.F(19 + o, 9 + o, 6, 13), 2.5f, col);
        });
        c.FillTriangle(l.P(11.5f, 22), l.P(16.5f, 22), l.P(14, 29), Rgb(255, 200, 40));
        c.FillTriangle(l.P(19.5f, 22), l.P(24.5f, 22), l.P(22, 29), Rgb(255, 200, 40));
        c.FillTriangle(l.P(12.8f, 22), l.P(15.2f, 22), l.P(14, 26), Rgb(255, 255, 200));
        c.FillTriangle(l.P(20.8f, 22), l.P(23.2f, 22), l.P(22, 26), Rgb(255, 255, 200));
    }
    c.FillEllipse(l.x0 + 11, l.y0 + 9, 3.f, 1.5f, Rgb(255, 255, 255, 150));
}

void Sign(Canvas& c)
{
    Local l(c, 0, 4);
    sf::Color wood = Rgb(170, 116, 64);
    c.FillRect(l.R(15, 18, 6, 18), Ink);
    PaintPixels(c, l.R(16, 18, 4, 18), [&](int x, int) { return Shade(wood, x == 0 ? 1.2f : (x == 3 ? 0.6f : 0.85f)); });
    c.FillRoundedRect(l.F(2, 4, 32, 18), 2.f, Ink);
    c.FillRoundedRect(l.F(3, 5, 30, 16), 1.5f, wood);
    c.FillRect(l.R(4, 6, 28, 1), Shade(wood, 1.3f));
    c.FillRect(l.R(4, 19, 28, 1), Shade(wood, 0.7f));
    for (int i = 0; i < 3; ++i)
        c.Line(l.x0 + 7, l.y0 + 9.5f + float(i) * 4.f, l.x0 + (i == 2 ? 20.f : 29.f), l.y0 + 9.5f + float(i) * 4.f,
               1.4f, Rgb(80, 50, 25));
    c.FillCircle(l.x0 + 5, l.y0 + 7.5f, 0.9f, Rgb(60, 50, 40));
    c.FillCircle(l.x0 + 31, l.y0 + 7.5f, 0.9f, Rgb(60, 50, 40));
}

void Trampoline(Canvas& c, int frame)
{
    // The trampoline is solid: the player stands on the top of its cell, so the
    // pad rests there, dips when it is hit and springs back.
    static const float padY[5] = {1.f, 9.f, 6.f, 3.f, 0.f};
    Local l(c, 0, 6 + frame);
    float py = padY[frame];
    // Base.
    c.FillRoundedRect(l.F(2, 29, 32, 7), 2.f, Ink);
    Bevel(c, l.R(3, 30, 30, 5), Rgb(90, 96, 110), 1);
    // Springs: zig-zags from the base to the pad.
    for (float sx : {10.f, 26.f}) {
        float top = py + 4.f, bottom = 30.f;
        int turns = 4;
        std::vector<sf::Vector2f> pts;
        for (int i = 0; i <= turns * 2; ++i) {
            float t = float(i) / float(turns * 2);
            pts.push_back(l.P(sx + ((i % 2) ? 4.f : -4.f) * (i == 0 || i == turns * 2 ? 0.f : 1.f), bottom - (bottom - top) * t));
        }
        for (std::size_t i = 1; i < pts.size(); ++i)
            c.Line(pts[i - 1].x, pts[i - 1].y, pts[i].x, pts[i].y, 2.6f, Ink);
        for (std::size_t i = 1; i < pts.size(); ++i)
            c.Line(pts[i - 1].x, pts[i - 1].y, pts[i].x, pts[i].y, 1.4f, Rgb(200, 205, 215));
    }
    // Pad.
    c.FillRoundedRect(l.F(1, py - 0.5f, 34, 6), 3.f, Ink);
    c.FillRoundedRect(l.F(2, py, 32, 5), 2.5f, Rgb(220, 40, 40));
    c.FillRect(l.R(4, int(py) + 1, 28, 1), Rgb(255, 140, 120));
}

void CheckpointPost(Local& l, Canvas& c)
{
    c.FillRect(l.R(15, 14, 6, 22), Ink);
    PaintPixels(c, l.R(16, 14, 4, 22), [&](int x, int) {
        return Shade(Rgb(150, 150, 160), x == 0 ? 1.3f : (x == 3 ? 0.6f : 0.9f));
    });
    c.FillRoundedRect(l.F(9, 31, 18, 5), 1.5f, Ink);
    Bevel(c, l.R(10, 32, 16, 3), Rgb(120, 120, 130), 1);
    c.FillRoundedRect(l.F(11, 12, 14, 4), 1.5f, Ink);
    c.FillRect(l.R(12, 13, 12, 2), Rgb(170, 170, 180));
}

void Checkpoint(Canvas& c, int row, bool active, int frame)
{
    Local l(c, 1, row);
    float cx = l.x0 + 18, cy = l.y0 + 8;
    if (active) {
        float pulse = frame == 0 ? 0.f : float(frame) / 5.f;
        if (frame > 0) {
            float rr = 5.f + 12.f * pulse;
            c.FillRing(cx, cy, rr + 1.5f, rr, Rgb(160, 255, 160, static_cast<int>(220 * (1.f - pulse) + 30)));
        }
        Glow(c, cx, cy, 11.f + 4.f * (frame ? 1.f - pulse : 0.f), Rgb(120, 255, 120, 200));
    }
    CheckpointPost(l, c);
    c.FillCircle(cx, cy, 6.5f, Ink);
    if (active) {
        c.RadialGradient(cx - 1.5f, cy - 1.5f, 6.5f, Rgb(230, 255, 220), Rgb(40, 190, 60));
        if (frame > 0)
            for (int k = 0; k < 4; ++k) {
                float a = float(k) * Pi / 2.f + float(frame) * 0.4f, rr = 8.f + 3.f * float(frame);
                float sx = cx + std::cos(a) * rr, sy = cy + std::sin(a) * rr * 0.8f;
                c.Line(sx - 2, sy, sx + 2, sy, 1.f, Rgb(230, 255, 230));
                c.Line(sx, sy - 2, sx, sy + 2, 1.f, Rgb(230, 255, 230));
            }
    } else {
        c.RadialGradient(cx - 1.5f, cy - 1.5f, 5.8f, Rgb(170, 175, 185), Rgb(70, 72, 84));
    }
    c.FillCircle(cx - 2.f, cy - 2.2f, 1.6f, Rgb(255, 255, 255, active ? 230 : 140));
}

void ExplodingBlock(Canvas& c, int frame)
{
    Local l(c, 1, 7 + frame);
    float heat = float(frame) / 4.f;
    c.FillRect(l.R(0, 0, 36, 36), Ink);
    sf::Color face = Mix(Rgb(150, 40, 30), Rgb(235, 90, 40), heat);
    Bevel(c, l.R(1, 1, 34, 34), face, 2);
    // Warning band.
    PaintPixels(c, l.R(3, 3, 30, 5), [&](int x, int) { return ((x / 4) % 2) ? Rgb(30, 30, 30) : Rgb(250, 200, 40); });
    PaintPixels(c, l.R(3, 28, 30, 5), [&](int x, int) { return ((x / 4) % 2) ? Rgb(30, 30, 30) : Rgb(250, 200, 40); });
    // A bomb emblem.
    float bx = l.x0 + 17, by = l.y0 + 19;
    if (heat > 0.f)
        Glow(c, bx, by, 9.f + 5.f * heat, Rgb(255, 240, 120, static_cast<int>(220 * heat)));
    c.FillCircle(bx, by, 7.f, Ink);
    c.FillCircle(bx, by, 6.f, Mix(Rgb(50, 50, 60), Rgb(255, 120, 60), heat * 0.8f));
    c.FillCircle(bx - 2, by - 2, 1.8f, Rgb(200, 200, 220, 200));
    c.FillRect({int(bx) + 3, int(by) - 9, 4, 3}, Ink);
    c.Line(bx + 5, by - 9, bx + 8, by - 13, 1.2f, Rgb(200, 170, 120));
    c.FillCircle(bx + 8.5f, by - 13.5f, 1.5f + heat * 1.5f, Rgb(255, 230, 90));
    c.FillCircle(bx + 8.5f, by - 13.5f, 0.8f + heat, Rgb(255, 255, 240));
}

void LevelEndFlag(Canvas& c, int frame)
{
    Local l(c, 2, frame);
    float phase = 2 * Pi * float(frame) / 8.f;
    // Pole and base.
    c.FillRect(l.R(6, 4, 4, 32), Ink);
    c.FillRect(l.R(7, 4, 2, 32), Rgb(220, 220, 230));
    c.FillRect(l.R(7, 4, 1, 32), Rgb(255, 255, 255));
    c.FillCircle(l.x0 + 8, l.y0 + 3.5f, 3.2f, Ink);
    c.RadialGradient(l.x0 + 7.4f, l.y0 + 2.9f, 2.6f, Rgb(255, 250, 200), Rgb(220, 160, 20));
    c.FillRoundedRect(l.F(3, 32, 10, 4), 1.5f, Ink);
    c.FillRect(l.R(4, 33, 8, 2), Rgb(120, 120, 130));
    // The waving banner, a grid of quads displaced by a travelling wave.
    const int cols = 8, rows = 4;
    float left = 9.f, width = 25.f, top = 6.f, height = 15.f;
    auto pt = [&](int i, int j) {
        float u = float(i) / cols;
        float wave = std::sin(u * 2.f * Pi - phase) * 2.4f * u;
        return l.P(left + u * width, top + float(j) / rows * height + wave);
    };
    for (int i = 0; i < cols; ++i)
        for (int j = 0; j < rows; ++j) {
            bool white = ((i / 2) + (j / 2)) % 2 == 0;
            float shade = 0.85f + 0.2f * std::cos(float(i) / cols * 2.f * Pi - phase);
            sf::Color col = Scale(white ? Rgb(250, 250, 250) : Rgb(40, 40, 50), shade);
            c.FillPolygon({pt(i, j), pt(i + 1, j), pt(i + 1, j + 1), pt(i, j + 1)}, col);
        }
    // Outline of the banner.
    for (int i = 0; i < cols; ++i) {
        sf::Vector2f a = pt(i, 0), b = pt(i + 1, 0), d = pt(i, rows), e = pt(i + 1, rows);
        c.Line(a.x, a.y, b.x, b.y, 1.f, Ink);
        c.Line(d.x, d.y, e.x, e.y, 1.f, Ink);
    }
    sf::Vector2f a = pt(cols, 0), b = pt(cols, rows);
    c.Line(a.x, a.y, b.x, b.y, 1.f, Ink);
}

void Warp(Canvas& c, int frame)
{
    Local l(c, 2, 8 + frame);
    bool calm = frame == 4;
    float cx = l.x0 + 18, cy = l.y0 + 17;
    Glow(c, cx, cy, 18.f, Rgb(170, 90, 255, calm ? 120 : 190));
    c.FillEllipse(cx, cy, 12.f, 16.f, Rgb(40, 10, 70));
    c.FillEllipse(cx, cy, 11.f, 15.f, Rgb(80, 30, 150));
    // Spiral arms, turning a quarter per frame.
    float turn = float(frame) * Pi / 2.f * 0.5f;
    int arms = 3;
    for (int a = 0; a < arms; ++a)
        for (int k = 0; k < 18; ++k) {
            float t = float(k) / 18.f;
            float ang = turn + float(a) * 2.f * Pi / float(arms) + t * 4.f;
            float rr = 1.f + t * 10.f;
            float x = cx + std::cos(ang) * rr, y = cy + std::sin(ang) * rr * 1.4f;
            c.FillCircle(x, y, 1.6f - t * 0.6f, Mix(Rgb(255, 230, 255), Rgb(150, 100, 255), t));
        }
    c.RadialGradient(cx, cy, 4.f, Rgb(255, 255, 255, calm ? 160 : 255), Rgb(200, 160, 255, 0));
    c.FillRing(cx, cy, 12.5f, 11.f, Rgb(200, 150, 255, calm ? 170 : 230));
    // Sparkles rising around it.
    if (!calm)
        for (int s = 0; s < 3; ++s) {
            float sx = cx + (float(s) - 1.f) * 10.f, sy = cy + 12.f - std::fmod(float(frame) * 5.f + float(s) * 9.f, 26.f);
            c.FillCircle(sx, sy, 1.2f, Rgb(240, 220, 255));
        }
}

void Switch(Canvas& c, int row)
{
    // Rows: 7 up, 1 .. 6 on the way down, 0 down. The raised switch is solid,
    // so its cap stands at the top of the cell; pressed, it lies flat.
    float down = row == 0 ? 1.f : (row == 7 ? 0.f : float(row) / 7.f);
    Local l(c, 3, row);
    float capTop = 1.f + 26.f * down;
    sf::Color cap = Mix(Rgb(220, 40, 40), Rgb(50, 200, 60), down);
    // Plunger.
    if (capTop + 6.f < 30.f) {
        c.FillRect({int(l.x0) + 13, int(l.y0 + capTop) + 4, 10, int(30.f - capTop - 4.f)}, Ink);
        PaintPixels(c, {int(l.x0) + 14, int(l.y0 + capTop) + 4, 8, int(30.f - capTop - 4.f)}, [](int x, int) {
            return Shade(Rgb(170, 174, 184), x < 2 ? 1.3f : (x > 5 ? 0.65f : 1.f));
        });
    }
    // Housing.
    c.FillRoundedRect(l.F(3, 28, 30, 8), 2.f, Ink);
    Bevel(c, l.R(4, 29, 28, 6), Rgb(120, 124, 134), 1);
    // The cap.
    c.FillRoundedRect(l.F(4, capTop - 0.5f, 28, 7), 3.f, Ink);
    c.FillRoundedRect(l.F(5, capTop, 26, 5.5f), 2.5f, cap);
    c.FillRect({int(l.x0) + 7, int(l.y0 + capTop) + 1, 22, 1}, Shade(cap, 1.5f));
    c.FillRect({int(l.x0) + 6, int(l.y0 + capTop) + 4, 24, 1}, Shade(cap, 0.6f));
}

void HiddenMarkers(Canvas& c)
{
    {
        Local l(c, 3, 8);
        c.FrameRect(l.R(1, 1, 34, 34), Rgb(200, 80, 255, 180), 2);
        for (int i = 0; i < 6; ++i)
            c.FillRect(l.R(4 + i * 5, 17, 3, 2), Rgb(200, 80, 255, 180));
    }
    {
        Local l(c, 3, 9);  // enemy barrier
        BlendPixels(c, l.R(0, 0, 36, 36), [](int x, int y) {
            return ((x + y) / 6) % 2 ? Rgb(220, 40, 40, 110) : Rgb(255, 220, 60, 110);
        });
        c.FrameRect(l.R(0, 0, 36, 36), Rgb(180, 20, 20, 220), 2);
    }
    {
        Local l(c, 3, 10);  // border block
        c.FillRect(l.R(0, 0, 36, 36), Rgb(30, 30, 36));
        Bevel(c, l.R(1, 1, 34, 34), Rgb(64, 64, 74), 2);
        c.Line(l.x0 + 8, l.y0 + 8, l.x0 + 28, l.y0 + 28, 3.f, Rgb(150, 40, 40));
        c.Line(l.x0 + 28, l.y0 + 8, l.x0 + 8, l.y0 + 28, 3.f, Rgb(150, 40, 40));
    }
}

void SwitchedBlock(Canvas& c, int row)
{
    // Rows: 0 solid, 1 .. 7 from ghost to solid, 8 ghost.
    float solid = row == 0 ? 1.f : (row == 8 ? 0.f : float(row) / 8.f);
    Local l(c, 4, row);
    // One picture for every world: a plain grey block, neither wood, rock
    // nor lab steel, with a warm light in its power sign.
    sf::Color face = Rgb(128, 130, 136);
    sf::Color sign = Rgb(250, 220, 140);
    // Ghost: a dashed outline around a faint fill.
    BlendPixels(c, l.R(0, 0, 36, 36), [&](int x, int y) {
        bool rim = x < 2 || y < 2 || x > 33 || y > 33;
        bool dash = ((x + y) / 4) % 2 == 0;
        if (rim)
            return dash ? Rgb(235, 235, 230, 230) : Rgb(50, 50, 55, 200);
        return Rgb(200, 200, 200, 60);
    });
    if (solid > 0.f) {
        Canvas block(T, T);
        block.FillRect({0, 0, T, T}, Ink);
        Bevel(block, {1, 1, T - 2, T - 2}, face, 3);
        block.FillCircle(18, 18, 7.f, Shade(face, 0.45f));
        block.FillRing(18, 18, 7.f, 4.5f, sign);
        block.FillRect({17, 9, 2, 8}, sign);
        ScaleAlpha(block, {0, 0, T, T}, solid);
        c.Paste(block, {0, 0, T, T}, int(l.x0), int(l.y0));
    }
}

void Spikes(Canvas& c, int column, int row, float height, int count)
{
    Local l(c, column, row);
    // Base plate with slots.
    c.FillRect(l.R(0, 30, 36, 6), Ink);
    Bevel(c, l.R(0, 31, 36, 5), Rgb(100, 104, 114), 1);
    if (height <= 0.5f) {
        for (int i = 0; i < count; ++i)
            c.FillRect(l.R(int((float(i) + 0.5f) * 36.f / float(count)) - 2, 32, 5, 2), Rgb(20, 20, 24));
        return;
    }
    float w = 36.f / float(count);
    for (int i = 0; i < count; ++i) {
        float cx = l.x0 + (float(i) + 0.5f) * w, base = l.y0 + 31.f, tip = base - height;
        c.FillTriangle({cx - w / 2.f + 0.2f, base + 0.5f}, {cx + w / 2.f - 0.2f, base + 0.5f}, {cx, tip - 1.5f}, Ink);
        c.FillTriangle({cx - w / 2.f + 1.2f, base}, {cx, base}, {cx, tip}, Rgb(225, 230, 240));
        c.FillTriangle({cx, base}, {cx + w / 2.f - 1.2f, base}, {cx, tip}, Rgb(130, 136, 150));
    }
}

void OneWay(Canvas& c, int column, int frame)
{
    // Direction the gate lets things pass: 17 left, 18 right, 19 up, 20 down.
    int id = 10 + column;
    float dx = 0, dy = 0;
    if (id == 17) dx = -1;
    if (id == 18) dx = 1;
    if (id == 19) dy = -1;
    if (id == 20) dy = 1;
    Local l(c, column, frame);
    // One picture for every world: a faint white field with white chevrons
    // and a grey bar.
    BlendPixels(c, l.R(0, 0, 36, 36), [](int, int) { return Rgb(220, 222, 228, 50); });
    // Chevrons pointing the way, scrolling along it; 12 px apart.
    float shift = 12.f * float(frame) / 7.f;
    for (int k = -1; k < 4; ++k) {
        float s = float(k) * 12.f + shift;  // position along the direction of travel
        auto place = [&](float along, float across) {
            // along: in the direction of passage; across: perpendicular.
            if (dx != 0)
                return l.P(dx > 0 ? along : 36.f - along, 18.f + across);
            return l.P(18.f + across, dy > 0 ? along : 36.f - along);
        };
        std::vector<sf::Vector2f> chevron = {place(s - 4, -9), place(s + 2, 0), place(s - 4, 9), place(s - 8, 9),
                                             place(s - 2, 0), place(s - 8, -9)};
        c.FillPolygon(chevron, Rgb(240, 242, 246, 190));
    }
    // The solid bar on the side it blocks.
    sf::IntRect bar = dx < 0 ? l.R(0, 0, 5, 36) : dx > 0 ? l.R(31, 0, 5, 36) : dy < 0 ? l.R(0, 0, 36, 5) : l.R(0, 31, 36, 5);
    c.FillRect(bar, Ink);
    sf::IntRect inner{bar.left + 1, bar.top + 1, bar.width - 2, bar.height - 2};
    if (dx != 0)
        inner = {bar.left + 1, bar.top, bar.width - 2, bar.height};
    else
        inner = {bar.left, bar.top + 1, bar.width, bar.height - 2};
    Bevel(c, inner, Rgb(130, 132, 138), 1);
}

void Coin(Canvas& c, int frame)
{
    Local l(c, 11, frame);
    float angle = 2.f * Pi * float(frame) / 13.f;
    float cosA = std::cos(angle), sinA = std::sin(angle);
    float cx = l.x0 + 17.5f, cy = l.y0 + 18.5f, r = 11.f;
    float rx = std::max(1.2f, r * std::fabs(cosA));
    float thick = 2.6f * std::fabs(sinA);
    float side = sinA >= 0.f ? 1.f : -1.f;
    sf::Color gold = Rgb(250, 200, 40), rim = Rgb(200, 130, 20), deep = Rgb(150, 90, 10);
    // Edge (the coin's thickness), then the face.
    c.FillEllipse(cx + side * thick * 0.5f, cy, rx + thick * 0.5f + 1.f, r + 1.f, Ink);
    c.FillEllipse(cx + side * thick * 0.5f, cy, rx + thick * 0.5f, r, deep);
    float fx = cx - side * thick * 0.5f;
    c.FillEllipse(fx, cy, rx, r, rim);
    if (rx > 2.5f) {
        c.FillEllipse(fx, cy, rx * 0.78f, r * 0.78f, gold);
        // A star emblem, squeezed with the turn.
        std::vector<sf::Vector2f> star;
        for (int k = 0; k < 10; ++k) {
            float a = -Pi / 2.f + float(k) * Pi / 5.f, rr = (k % 2) ? 2.6f : 6.f;
            star.push_back({fx + std::cos(a) * rr * (rx / r), cy + 0.5f + std::sin(a) * rr});
        }
        std::vector<sf::Vector2f> shadow = star;
        for (auto& p : shadow)
            p += {0.6f, 0.8f};
        c.FillPolygon(shadow, deep);
        c.FillPolygon(star, Rgb(255, 240, 150));
        // Shine at the top-left.
        c.FillEllipse(fx - rx * 0.45f, cy - r * 0.5f, std::max(0.6f, rx * 0.18f), 2.f, Rgb(255, 255, 240, 220));
    } else {
        c.FillRect({int(fx - 0.5f), int(cy - r + 2), 1, int(2 * r - 4)}, Rgb(255, 235, 140));
    }
}

void PaintSpecialTiles(Canvas& c)
{
    ItemBlock(c);
    PowerUpBlock(c, 1, Rgb(40, 190, 70));
    PowerUpBlock(c, 2, Rgb(50, 110, 240));
    PowerUpBlock(c, 3, Rgb(220, 50, 50));
    Sign(c);
    for (int f = 0; f < 5; ++f)
        Trampoline(c, f);
    for (int f = 0; f < 6; ++f)
        Checkpoint(c, f, true, f);
    Checkpoint(c, 6, false, 0);
    for (int f = 0; f < 5; ++f)
        ExplodingBlock(c, f);
    for (int f = 0; f < 8; ++f)
        LevelEndFlag(c, f);
    for (int f = 0; f < 5; ++f)
        Warp(c, f);
    for (int r = 0; r < 8; ++r)
        Switch(c, r);
    HiddenMarkers(c);
    for (int r = 0; r < 9; ++r)
        SwitchedBlock(c, r);
    static const float spikeHeight[7] = {22.f, 19.f, 14.f, 10.f, 6.f, 3.f, 0.f};
    for (int f = 0; f < 7; ++f)
        Spikes(c, 6, f, spikeHeight[f], 4);
    Spikes(c, 6, 7, 24.f, 5);
    for (int column = 7; column <= 10; ++column)
        for (int f = 0; f < 7; ++f)
            OneWay(c, column, f);
    for (int f = 0; f < 13; ++f)
        Coin(c, f);
}

const TextureRegistration registration{"Gfx/SpecialTiles.png", 432, 468, PaintSpecialTiles};

}  // namespace
}  // namespace texgen
