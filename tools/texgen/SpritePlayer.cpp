// "Gfx/Player.png" (144 x 256): the adventurer in 24 x 32 cells, facing right.
// Column = pose, row = frame:
//   col 0 run (4 frames), col 1 rise (1), col 2 fall (3: fast, slow, apex),
//   col 3 die (8: shock, spin and shrink, puff, ghost), col 4 climb (4, seen
//   from behind), col 5 stand (4: rest, blink, blink, look up).
// Below the run frames in column 0: the hurt mark (0, 128, 13, 12) and the
// three overlays drawn over the body: jetpack (0, 140, 24, 32),
// invulnerability glow (0, 172, 24, 32), time-distortion shimmer (0, 204, 24, 32).
// Column 1 from y 32: the 14 cells (38, 32 + 9 r, 10, 10) of the pocket watch
// held during time distortion, its hand turning one fourteenth per cell; cells
// share their edge rows, so each picture keeps to the inner 8 rows.
#include "SpriteArt.h"
#include "TextureRegistry.h"

#include <algorithm>

namespace texgen {
namespace {

using namespace sprite;

constexpr int W = 24;
constexpr int H = 32;

const sf::Color Helmet = Rgb(232, 160, 30);
const sf::Color Skin = Rgb(242, 194, 152);
const sf::Color Jacket = Rgb(40, 110, 190);
const sf::Color Scarf = Rgb(210, 40, 45);
const sf::Color Trousers = Rgb(120, 80, 45);
const sf::Color Boot = Rgb(70, 45, 30);

enum class Eyes { Open, Half, Closed, Cross, Up };

struct Pose {
    float dx = 0, dy = 0;                    // whole body shift
    float frontLeg = 0, frontKnee = 0;       // degrees from straight down, + forwards
    float backLeg = 0, backKnee = 0;
    float frontArm = 0, frontElbow = 0;
    float backArm = 0, backElbow = 0;
    Eyes eyes = Eyes::Open;
    bool openMouth = false;
};

sf::Vector2f Swing(sf::Vector2f from, float degrees, float length)
{
    return {from.x + std::sin(Rad(degrees)) * length, from.y + std::cos(Rad(degrees)) * length};
}

void Limb(Local& l, sf::Vector2f root, float a1, float a2, float len, float width, sf::Color col, sf::Color end,
          float endRx, float endRy, bool foot)
{
    sf::Vector2f mid = Swing(root, a1, len);
    sf::Vector2f tip = Swing(mid, a1 + a2, len);
    l.Line(root.x, root.y, mid.x, mid.y, width, col);
    l.Line(mid.x, mid.y, tip.x, tip.y, width * 0.9f, col);
    if (foot) {
        l.Ellipse(tip.x + 1.0f, tip.y + 0.4f, endRx, endRy, end);
        l.Rect(tip.x - 1.f, tip.y + 1.2f, endRx * 2.f, 1.f, Shade(end, 0.6f));
    } else {
        l.Circle(tip.x, tip.y, endRx, end);
    }
}

// The adventurer seen from the side, feet near the cell's bottom row.
void Figure(Local& l, const Pose& p)
{
    float bx = 11.5f + p.dx, by = p.dy;
    sf::Vector2f hip{bx, 21.5f + by}, shoulder{bx + 0.5f, 15.5f + by};

    // far limbs, darker
    Limb(l, hip, p.backLeg, p.backKnee, 4.4f, 3.4f, Shade(Trousers, 0.75f), Shade(Boot, 0.8f), 2.4f, 1.5f, true);
    Limb(l, shoulder, p.backArm, p.backElbow, 3.6f, 2.6f, Shade(Jacket, 0.7f), Shade(Skin, 0.8f), 1.4f, 1.4f, false);
    // backpack
    l.Rect(bx - 6.5f, 14.f + by, 4.5f, 7.f, Rgb(130, 90, 50), 1.5f);
    l.Rect(bx - 6.f, 14.5f + by, 1.5f, 6.f, Rgb(165, 120, 70), 0.7f);
    // body
    l.Ellipse(bx, 18.2f + by, 4.9f, 5.2f, Jacket);
    l.Ellipse(bx - 1.2f, 17.0f + by, 2.6f, 2.8f, Shade(Jacket, 1.25f));
    l.Rect(bx - 4.5f, 20.8f + by, 9.f, 1.6f, Rgb(90, 55, 30));
    l.Rect(bx + 0.5f, 20.8f + by, 1.6f, 1.6f, Rgb(235, 200, 80));
    // scarf
    l.Ellipse(bx + 0.5f, 14.2f + by, 4.2f, 1.7f, Scarf);
    l.Polygon({{bx - 3.f, 13.8f + by}, {bx - 7.f, 15.5f + by}, {bx - 6.f, 17.2f + by}, {bx - 2.5f, 15.2f + by}},
              Shade(Scarf, 0.85f));
    // head
    float hx = bx + 1.0f, hy = 9.0f + by;
    l.Ellipse(hx + 0.8f, hy + 1.6f, 5.2f, 4.5f, Skin);
    // helmet: a dome with a brim and a lamp
    l.Ellipse(hx - 0.2f, hy - 2.6f, 5.9f, 4.2f, Helmet);
    l.Rect(hx - 6.4f, hy - 1.4f, 12.6f, 1.7f, Shade(Helmet, 0.72f), 0.8f);
    l.Ellipse(hx - 1.8f, hy - 4.4f, 2.6f, 1.4f, Shade(Helmet, 1.35f));
    l.Circle(hx + 4.4f, hy - 3.0f, 1.4f, Rgb(255, 250, 200));
    l.Circle(hx + 4.4f, hy - 3.0f, 0.6f, Rgb(255, 255, 255));
    l.Ellipse(hx + 5.4f, hy + 2.0f, 1.1f, 1.0f, Shade(Skin, 0.88f));  // nose
    // eyes
    float ex = hx + 2.8f, ey = hy + 1.4f;
    switch (p.eyes) {
    case Eyes::Open: l.Rect(ex, ey - 1.f, 1.4f, 2.2f, Ink, 0.6f); break;
    case Eyes::Up: l.Rect(ex + 0.4f, ey - 1.4f, 1.4f, 1.8f, Ink, 0.6f); break;
    case Eyes::Half: l.Rect(ex, ey, 1.6f, 1.2f, Ink); break;
    case Eyes::Closed: l.Line(ex - 0.4f, ey + 0.6f, ex + 1.8f, ey + 0.6f, 0.9f, Ink); break;
    case Eyes::Cross:
        l.Line(ex - 0.6f, ey - 1.1f, ex + 1.8f, ey + 1.1f, 0.8f, Ink);
        l.Line(ex - 0.6f, ey + 1.1f, ex + 1.8f, ey - 1.1f, 0.8f, Ink);
        break;
    }
    if (p.openMouth)
        l.Ellipse(hx + 3.5f, hy + 4.3f, 1.0f, 0.9f, Rgb(120, 30, 30));
    else
        l.Line(hx + 2.6f, hy + 4.3f, hx + 4.2f, hy + 4.0f, 0.7f, Rgb(150, 70, 60));
    // near limbs
    Limb(l, hip, p.frontLeg, p.frontKnee, 4.4f, 3.4f, Trousers, Boot, 2.4f, 1.5f, true);
    Limb(l, shoulder, p.frontArm, p.frontElbow, 3.6f, 2.6f, Shade(Jacket, 0.92f), Skin, 1.4f, 1.4f, false);
}

void PaintPose(Canvas& c, int column, int row, const Pose& p)
{
    Local l(c, column * W, row * H, W, H);
    Figure(l, p);
    l.Outline();
}

// The adventurer from behind, on a ladder.
void Climber(Canvas& c, int row)
{
    Local l(c, 4 * W, row * H, W, H);
    float ph = float(row) / 3.f;               // 0 .. 1 and back (ping-pong)
    float leftUp = 1.f - ph, rightUp = ph;     // which hand reaches higher
    float bx = 12.f;
    // legs
    l.Line(bx - 2.5f, 21.f, bx - 3.f, 27.5f - 2.5f * rightUp, 3.4f, Trousers);
    l.Line(bx + 2.5f, 21.f, bx + 3.f, 27.5f - 2.5f * leftUp, 3.4f, Trousers);
    l.Ellipse(bx - 3.f, 29.f - 2.5f * rightUp, 2.3f, 1.6f, Boot);
    l.Ellipse(bx + 3.f, 29.f - 2.5f * leftUp, 2.3f, 1.6f, Boot);
    // arms up
    l.Line(bx - 4.f, 15.f, bx - 6.f, 6.f + 3.f * rightUp, 2.6f, Shade(Jacket, 0.9f));
    l.Line(bx + 4.f, 15.f, bx + 6.f, 6.f + 3.f * leftUp, 2.6f, Shade(Jacket, 0.9f));
    l.Circle(bx - 6.f, 5.5f + 3.f * rightUp, 1.5f, Skin);
    l.Circle(bx + 6.f, 5.5f + 3.f * leftUp, 1.5f, Skin);
    // body and backpack
    l.Ellipse(bx, 18.f, 5.2f, 5.2f, Jacket);
    l.Rect(bx - 3.5f, 13.5f, 7.f, 8.f, Rgb(130, 90, 50), 1.8f);
    l.Rect(bx - 2.5f, 14.5f, 5.f, 1.5f, Rgb(165, 120, 70));
    l.Line(bx - 3.5f, 14.f, bx - 4.5f, 21.f, 0.9f, Rgb(90, 60, 30));
    l.Line(bx + 3.5f, 14.f, bx + 4.5f, 21.f, 0.9f, Rgb(90, 60, 30));
    l.Rect(bx - 4.5f, 21.f, 9.f, 1.5f, Rgb(90, 55, 30));
    // head from behind: helmet and scarf knot
    l.Ellipse(bx, 12.f, 4.f, 1.6f, Scarf);
    l.Ellipse(bx, 8.5f, 5.f, 4.5f, Skin);
    l.Ellipse(bx, 7.f, 5.8f, 4.8f, Helmet);
    l.Rect(bx - 6.2f, 7.8f, 12.4f, 1.8f, Shade(Helmet, 0.72f), 0.8f);
    l.Ellipse(bx - 1.5f, 4.8f, 2.4f, 1.4f, Shade(Helmet, 1.35f));
    l.Outline();
}

void PaintDying(Canvas& c)
{
    // Frames 0 and 1: the shock; 2 to 5: a shrinking spin; 6: a puff; 7: a ghost.
    Pose shock;
    shock.eyes = Eyes::Cross;
    shock.openMouth = true;
    shock.frontArm = -165; shock.frontElbow = -15;
    shock.backArm = -125; shock.backElbow = -20;
    shock.frontLeg = 15; shock.frontKnee = -20;
    shock.backLeg = -15; shock.backKnee = 10;
    PaintPose(c, 3, 0, shock);
    shock.dy = -2.f;
    shock.frontLeg = 30; shock.backLeg = -30;
    PaintPose(c, 3, 1, shock);

    Canvas scratch(W, H);
    {
        Local l(scratch, 0, 0, W, H);
        shock.dy = 0;
        Figure(l, shock);
        l.Outline();
    }
    const float angles[] = {90.f, 180.f, 270.f, 350.f};
    const float scales[] = {0.7f, 0.6f, 0.5f, 0.4f};
    for (int i = 0; i < 4; ++i) {
        Local l(c, 3 * W, (2 + i) * H, W, H);
        PasteRotated(c, scratch, {0, 0, W, H}, l.x0 + 12.f, l.y0 + 17.f + 2.f * float(i), angles[i], scales[i]);
    }
    {
        Local l(c, 3 * W, 6 * H, W, H);
        for (auto [x, y, r] : {std::tuple{8.f, 22.f, 5.f}, {15.f, 21.f, 5.5f}, {12.f, 16.f, 5.f}, {11.5f, 25.f, 4.f}})
            l.Circle(x, y, r + 1.f, Rgb(120, 120, 130, 200));
        for (auto [x, y, r] : {std::tuple{8.f, 22.f, 5.f}, {15.f, 21.f, 5.5f}, {12.f, 16.f, 5.f}, {11.5f, 25.f, 4.f}})
            l.Circle(x - 0.6f, y - 0.6f, r, Rgb(235, 235, 240, 230));
        Star(c, l.x0 + 5.f, l.y0 + 10.f, 3.f, 1.2f, 0.f, Rgb(255, 220, 60));
        Star(c, l.x0 + 19.f, l.y0 + 12.f, 2.5f, 1.0f, 20.f, Rgb(255, 220, 60));
    }
    {
        // the ghost: a pale helmeted wisp floating up, translucent
        Local l(c, 3 * W, 7 * H, W, H);
        sf::Color ghost = Rgb(225, 240, 255, 200);
        l.Polygon({{6, 12}, {18, 12}, {18, 24}, {15.5f, 21.5f}, {13, 25}, {10.5f, 21.5f}, {8, 25}, {6, 22}}, ghost);
        l.Ellipse(12, 11, 6, 5.5f, ghost);
        l.Ellipse(12, 7.5f, 6, 4, Rgb(250, 210, 120, 200));
        l.Rect(5.5f, 8.5f, 13, 1.5f, Rgb(220, 170, 80, 200));
        l.Rect(13.5f, 11.f, 1.4f, 2.4f, Rgb(60, 70, 100, 220), 0.6f);
        l.Rect(9.5f, 11.f, 1.4f, 2.4f, Rgb(60, 70, 100, 220), 0.6f);
        l.c.Outline(l.Cell(), Rgb(120, 150, 190, 160), 60);
    }
}

void PaintHurtMark(Canvas& c)
{
    // A comic impact burst over the head.
    Local l(c, 0, 128, 13, 12);
    std::vector<sf::Vector2f> p;
    for (int i = 0; i < 16; ++i) {
        float a = Rad(22.5f * float(i) - 90.f);
        float r = (i % 2) ? 2.8f : 5.9f;
        p.push_back({l.x0 + 6.5f + std::cos(a) * r * 1.05f, l.y0 + 6.f + std::sin(a) * r * 0.95f});
    }
    c.FillPolygon(p, Rgb(200, 20, 20));
    Star(c, l.x0 + 6.5f, l.y0 + 6.f, 3.8f, 1.8f, 0.f, Rgb(255, 220, 60));
    l.Circle(6.5f, 6.f, 1.3f, Rgb(255, 255, 230));
}

void PaintJetpackOverlay(Canvas& c)
{
    // Worn on the back (the left of the cell, the body facing right).
    Local l(c, 0, 140, W, H);
    for (float x : {1.5f, 5.f}) {
        l.Rect(x, 11.f, 4.5f, 12.f, Rgb(190, 35, 35), 2.f);
        l.Rect(x + 0.8f, 12.f, 1.3f, 9.f, Rgb(245, 120, 110), 0.6f);
        l.Rect(x + 0.5f, 22.5f, 3.5f, 2.f, Rgb(140, 140, 150));
        l.Polygon({{x + 0.8f, 13.f}, {x + 2.25f, 9.f}, {x + 3.7f, 13.f}}, Rgb(220, 60, 50));
    }
    l.Line(9.f, 14.f, 14.f, 15.5f, 1.2f, Rgb(60, 60, 70));
    l.Line(9.f, 20.f, 14.f, 21.f, 1.2f, Rgb(60, 60, 70));
    l.Outline();
}

void PaintInvulnerabilityOverlay(Canvas& c)
{
    // A green glow hugging the body, with sparkles.
    Local l(c, 0, 172, W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            float dx = (x + 0.5f - 12.f) / 11.f, dy = (y + 0.5f - 16.5f) / 15.5f;
            float d = std::sqrt(dx * dx + dy * dy);
            if (d > 1.f)
                continue;
            float ring = std::exp(-std::pow((d - 0.82f) / 0.14f, 2.f));
            float fill = 0.18f * (1.f - d);
            float a = std::min(1.f, ring * 0.85f + fill);
            c.Blend(int(l.x0) + x, int(l.y0) + y, Rgb(120, 255, 150, int(a * 255)));
        }
    for (auto [x, y, s] : {std::tuple{3.f, 6.f, 2.2f}, {20.f, 9.f, 1.8f}, {4.f, 26.f, 1.6f}, {19.5f, 24.f, 2.2f}})
        Star(c, l.x0 + x, l.y0 + y, s, s * 0.35f, 0.f, Rgb(230, 255, 230));
}

void PaintTimeOverlay(Canvas& c)
{
    // Blue wavy bands drifting over the body.
    Local l(c, 0, 204, W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            float dx = (x + 0.5f - 12.f) / 11.5f, dy = (y + 0.5f - 16.5f) / 15.5f;
            float d = std::sqrt(dx * dx + dy * dy);
            if (d > 1.f)
                continue;
            float wave = 0.5f + 0.5f * std::sin(float(y) * 0.9f + std::sin(float(x) * 0.5f) * 1.6f);
            float a = (0.12f + 0.42f * wave * wave) * std::min(1.f, (1.f - d) * 3.f);
            c.Blend(int(l.x0) + x, int(l.y0) + y, Rgb(110, 190, 255, int(a * 255)));
        }
    for (auto [x, y] : {std::pair{4.f, 8.f}, {19.f, 14.f}, {6.f, 24.f}})
        l.Circle(x, y, 1.0f, Rgb(220, 245, 255, 230));
}

void PaintWatch(Canvas& c)
{
    for (int r = 0; r < 14; ++r) {
        Local l(c, 38, 32 + 9 * r + 1, 10, 8);
        float cx = 5.f, cy = 4.f;
        l.Circle(cx, cy, 4.f, Rgb(170, 120, 20));
        l.Circle(cx, cy, 3.2f, Rgb(235, 245, 255));
        l.Rect(4.f, -0.2f, 2.f, 1.f, Rgb(200, 150, 30));
        float a = Rad(360.f / 14.f * float(r));
        l.Line(cx, cy, cx + std::sin(a) * 2.8f, cy - std::cos(a) * 2.8f, 0.9f, Rgb(30, 60, 160));
        l.Circle(cx, cy, 0.6f, Rgb(200, 40, 40));
    }
}

void PaintPlayer(Canvas& c)
{
    // run: four frames, played 0 1 2 3 2 1
    for (int f = 0; f < 4; ++f) {
        float s = std::cos(Pi * float(f) / 3.f);   // 1 .. -1
        Pose p;
        p.dy = (f == 1 || f == 2) ? -1.f : 0.f;
        p.frontLeg = 38.f * s; p.frontKnee = s > 0 ? -10.f : -45.f;
        p.backLeg = -38.f * s; p.backKnee = s < 0 ? -10.f : -45.f;
        p.frontArm = -45.f * s; p.frontElbow = 50.f;
        p.backArm = 45.f * s; p.backElbow = 50.f;
        PaintPose(c, 0, f, p);
    }
    {
        Pose rise;
        rise.dy = -1.f;
        rise.frontLeg = 70; rise.frontKnee = -95;
        rise.backLeg = -15; rise.backKnee = -25;
        rise.frontArm = 95; rise.frontElbow = 45;
        rise.backArm = -40; rise.backElbow = 30;
        rise.openMouth = true;
        PaintPose(c, 1, 0, rise);
    }
    {
        Pose fall;                       // 0: falling fast, arms up
        fall.frontLeg = 12; fall.frontKnee = -8;
        fall.backLeg = -12; fall.backKnee = 8;
        fall.frontArm = 115; fall.frontElbow = 30;
        fall.backArm = -140; fall.backElbow = -20;
        fall.openMouth = true;
        fall.eyes = Eyes::Up;
        PaintPose(c, 2, 0, fall);
        Pose slow;                       // 1: arms out, legs ready
        slow.frontLeg = 25; slow.frontKnee = -35;
        slow.backLeg = -10; slow.backKnee = -20;
        slow.frontArm = 100; slow.frontElbow = 20;
        slow.backArm = -100; slow.backElbow = -20;
        PaintPose(c, 2, 1, slow);
        Pose apex = slow;                // 2: at the top of the arc
        apex.dy = -1.f;
        apex.frontArm = 80; apex.backArm = -80;
        apex.frontLeg = 35; apex.frontKnee = -60;
        PaintPose(c, 2, 2, apex);
    }
    PaintDying(c);
    for (int f = 0; f < 4; ++f)
        Climber(c, f);
    {
        const Eyes eyes[] = {Eyes::Open, Eyes::Half, Eyes::Closed, Eyes::Up};
        for (int f = 0; f < 4; ++f) {
            Pose p;
            p.dy = (f == 1 || f == 2) ? 0.5f : 0.f;
            p.frontLeg = 6; p.backLeg = -6;
            p.frontArm = 8.f + (f == 3 ? 4.f : 0.f); p.frontElbow = 15;
            p.backArm = -8; p.backElbow = 10;
            p.eyes = eyes[f];
            PaintPose(c, 5, f, p);
        }
    }
    PaintHurtMark(c);
    PaintJetpackOverlay(c);
    PaintInvulnerabilityOverlay(c);
    PaintTimeOverlay(c);
    PaintWatch(c);
}

const TextureRegistration reg{"Gfx/Player.png", 144, 256, PaintPlayer};

}  // namespace
}  // namespace texgen
