// "Gfx/Object.png" (318 x 322): the enemies and the lifts. Every enemy faces
// right; its animation frames are stacked downwards from its table rectangle,
// one box height apart (the walkers 0 to 2 have their airborne pose in the row
// after their walk frames).
//
//   kind  rect               frames  what
//   0     152, 90, 21 x 35   4 + 1   toadstool imp, walks (forest)
//   1     173, 90, 21 x 35   4 + 1   leaf sprite, hops (forest)
//   2     194, 90, 32 x 35   4 + 1   goblin archer, bow poking out in front (forest)
//   3     0, 0, 28 x 13      1       lava vent spitting embers (volcano)
//   4     28, 0, 31 x 44     5       rock golem (volcano)
//   5     59, 0, 31 x 44     5       spiked magma hog, not to be stomped (volcano)
//   6     90, 0, 31 x 44     5       bouncing lava blob (volcano)
//   7     121, 0, 31 x 44    5       fire imp throwing fireballs (volcano)
//   8     152, 0, 48 x 18    5       blue jay, flies (forest)
//   9     200, 0, 48 x 18    5       spiked bat, fast, not to be stomped (volcano)
//   10    248, 0, 48 x 18    5       fire bat throwing fireballs (volcano)
//   11    296, 0, 22 x 46    7       stalactite: hangs, falls, crumbles (frames 1-6)
//   12    0, 13, 26 x 63     4       long-legged strider robot (lab)
//   13    226, 90, 18 x 35   4       spring robot, jumps (lab)
//   14    244, 90, 23 x 35   4       blaster robot, dark bolts (lab)
//   15    267, 90, 23 x 35   4       plasma robot, bouncing balls (lab)
//   16    26, 220, 40 x 21   4       scout drone (lab)
//   17    66, 220, 40 x 21   4       bomber drone (lab)
//   18    106, 220, 40 x 21  4       fast bomber drone (lab)
//   lifts 146, 266 + 11 k, 52 x 11, grey steel for every world: 0 with amber
//         lamps (triggered), 1 riveted (back and forth), 2 blue-lit (loop),
//         3 with yellow marks (drops)

#include "SpriteArt.h"
#include "TextureRegistry.h"

#include <algorithm>

namespace texgen {
namespace {

using namespace sprite;

// Ping-pong walk phase: 1 at the first frame, -1 at the last.
float Phase(int frame, int frames)
{
    return std::cos(Pi * float(frame) / float(frames - 1));
}

void Feet(Local& l, float cx, float hipY, float groundY, float s, float stride, float width, sf::Color col,
          sf::Color shoe)
{
    for (int side : {-1, 1}) {
        float fx = cx + side * width * 0.5f + s * stride * float(side);
        float lift = (side * s > 0.3f) ? 1.5f : 0.f;
        sf::Color c = side < 0 ? Shade(col, 0.8f) : col;
        l.Line(cx + side * width * 0.5f, hipY, fx, groundY - 2.f - lift, 2.6f, c);
        l.Ellipse(fx + 1.f, groundY - 1.5f - lift, 2.4f, 1.5f, side < 0 ? Shade(shoe, 0.8f) : shoe);
    }
}

// ---------------------------------------------------------------------------
// forest walkers

void ToadstoolImp(Canvas& c, int x, int y, int frame)
{
    Local l(c, x, y, 21, 35);
    bool air = frame == 4;
    float s = air ? 0.f : Phase(frame, 4);
    float bob = air ? -2.f : std::abs(s) * 0.f - (frame == 1 || frame == 2 ? 1.f : 0.f);
    if (air) {
        for (int side : {-1, 1}) {
            l.Line(10.5f + side * 3.f, 26.f, 10.5f + side * 5.f, 31.f, 2.6f, Rgb(230, 215, 180));
            l.Ellipse(10.5f + side * 5.5f, 32.f, 2.4f, 1.5f, Rgb(110, 70, 40));
        }
    } else {
        Feet(l, 10.5f, 26.f + bob, 35.f, s, 3.f, 5.f, Rgb(230, 215, 180), Rgb(110, 70, 40));
    }
    // stalk body
    l.Ellipse(10.5f, 22.f + bob, 6.f, 6.5f, Rgb(240, 228, 195));
    l.Ellipse(9.f, 20.5f + bob, 3.f, 3.5f, Rgb(255, 248, 225));
    Eye(l, 12.5f, 19.5f + bob, 1.9f);
    Eye(l, 8.0f, 19.5f + bob, 1.7f);
    l.Line(9.f, 24.f + bob, 13.f, 24.f + bob, 0.9f, Rgb(120, 60, 40));
    if (air) {
        l.Line(4.f, 20.f + bob, 1.5f, 15.f + bob, 2.f, Rgb(230, 215, 180));
        l.Line(17.f, 20.f + bob, 19.5f, 15.f + bob, 2.f, Rgb(230, 215, 180));
    }
    // cap
    l.Ellipse(10.5f, 12.f + bob, 10.f, 7.5f, Rgb(200, 30, 35));
    l.Rect(0.5f, 12.f + bob, 20.f, 4.f, Rgb(200, 30, 35), 2.f);
    l.Rect(1.5f, 14.5f + bob, 18.f, 1.5f, Rgb(150, 20, 25));
    l.Ellipse(7.f, 8.f + bob, 4.f, 2.5f, Rgb(235, 70, 70));
    for (auto [sx, sy, r] : {std::tuple{5.f, 10.f, 1.8f}, {11.f, 7.f, 2.0f}, {16.f, 11.f, 1.7f}, {10.f, 12.5f, 1.2f}})
        l.Circle(sx, sy + bob, r, Rgb(255, 250, 240));
    l.Outline();
}

void LeafSprite(Canvas& c, int x, int y, int frame)
{
    Local l(c, x, y, 21, 35);
    bool air = frame == 4;
    float s = air ? 0.f : Phase(frame, 4);
    float crouch = air ? -3.f : (frame == 0 ? 2.f : (frame == 3 ? 0.f : 1.f));
    sf::Color body = Rgb(90, 180, 60), dark = Rgb(50, 120, 40);
    if (air) {
        for (int side : {-1, 1})
            l.Line(10.5f + side * 3.f, 27.f + crouch, 10.5f + side * 4.5f, 33.f, 2.6f, dark);
    } else {
        Feet(l, 10.5f, 27.f + crouch * 0.5f, 35.f, s * 0.5f, 2.f, 6.f, dark, Rgb(70, 50, 30));
    }
    // round seed body
    ShadedEllipse(c, l.x0 + 10.5f, l.y0 + 22.f + crouch, 7.5f, 7.f, body);
    Eye(l, 13.f, 20.f + crouch, 2.1f, 0.6f);
    Eye(l, 8.0f, 20.f + crouch, 1.8f, 0.6f);
    l.Ellipse(11.f, 25.3f + crouch, 2.f, 1.f, Rgb(40, 80, 30));
    // leaves on top, swaying with the hop
    float sway = air ? 0.f : s * 2.f;
    l.Polygon({{10.f, 15.f + crouch}, {3.f + sway, 4.f}, {8.f + sway, 2.f}, {12.f, 14.f + crouch}}, Rgb(120, 210, 70));
    l.Polygon({{11.f, 15.f + crouch}, {18.f + sway, 6.f}, {20.f + sway, 10.f}, {12.5f, 16.f + crouch}}, Rgb(70, 160, 50));
    l.Line(10.5f, 15.5f + crouch, 10.f + sway, 8.f, 1.2f, Rgb(90, 60, 30));
    l.Outline();
}

void GoblinArcher(Canvas& c, int x, int y, int frame)
{
    Local l(c, x, y, 32, 35);
    bool air = frame == 4;
    float draw = frame == 1 ? 1.f : (frame == 2 ? 0.f : (frame == 3 ? 0.3f : 0.15f));
    sf::Color skin = Rgb(120, 170, 70), hood = Rgb(110, 70, 40);
    if (air) {
        l.Line(10.f, 27.f, 7.f, 32.f, 2.8f, Shade(hood, 0.8f));
        l.Line(14.f, 27.f, 17.f, 31.f, 2.8f, hood);
    } else {
        l.Line(10.f, 27.f, 9.f, 33.f, 2.8f, Shade(hood, 0.8f));
        l.Line(14.f, 27.f, 15.f, 33.f, 2.8f, hood);
        l.Ellipse(10.f, 33.5f, 2.5f, 1.5f, Rgb(60, 40, 25));
        l.Ellipse(16.f, 33.5f, 2.5f, 1.5f, Rgb(60, 40, 25));
    }
    // quiver
    l.Rect(3.f, 13.f, 4.f, 10.f, Rgb(140, 90, 40), 1.5f);
    for (float ax : {3.5f, 5.5f})
        l.Line(ax + 0.5f, 13.f, ax, 9.f, 0.8f, Rgb(230, 230, 220));
    // tunic
    l.Polygon({{6.f, 16.f}, {18.f, 16.f}, {19.f, 28.f}, {5.f, 28.f}}, Rgb(60, 110, 50));
    l.Rect(6.f, 24.f, 13.f, 1.5f, Rgb(90, 60, 30));
    // head with pointed ears and hood
    l.Polygon({{18.f, 9.f}, {23.f, 6.f}, {18.f, 12.f}}, skin);
    l.Ellipse(13.f, 10.f, 5.5f, 5.f, skin);
    l.Polygon({{7.f, 11.f}, {9.f, 2.f}, {15.f, 3.f}, {18.f, 8.f}, {13.f, 6.f}, {9.f, 13.f}}, hood);
    Eye(l, 15.5f, 10.f, 1.6f, 0.8f, Rgb(255, 240, 120));
    l.Line(14.f, 13.5f, 17.5f, 13.f, 0.8f, Rgb(60, 40, 30));
    // bow (the part beyond x 24 lies outside the collision box)
    float bx = 25.f - draw * 1.f;
    l.Line(bx, 11.f, bx + 4.5f, 19.f, 1.6f, Rgb(150, 95, 40));
    l.Line(bx + 4.5f, 19.f, bx, 27.f, 1.6f, Rgb(150, 95, 40));
    float sx = bx - 1.f - draw * 5.f;
    l.Line(bx, 11.f, sx, 19.f, 0.6f, Rgb(235, 235, 225));
    l.Line(sx, 19.f, bx, 27.f, 0.6f, Rgb(235, 235, 225));
    if (frame != 2) {   // the nocked arrow, gone right after the release
        l.Line(sx, 19.f, sx + 12.f, 19.f, 0.9f, Rgb(200, 170, 120));
        l.Polygon({{sx + 12.f, 17.8f}, {sx + 14.5f, 19.f}, {sx + 12.f, 20.2f}}, Rgb(200, 200, 210));
    }
    // arms: one holds the bow, one draws the string
    l.Line(16.f, 17.f, bx + 2.f, 19.f, 2.3f, skin);
    l.Line(12.f, 17.f, sx + 0.5f, 19.f, 2.3f, Shade(skin, 0.85f));
    l.Outline();
}

// ---------------------------------------------------------------------------
// volcano

void LavaVent(Canvas& c)
{
    Local l(c, 0, 0, 28, 13);
    l.Polygon({{0.5f, 13}, {6, 5}, {10, 3}, {18, 3}, {22, 5}, {27.5f, 13}}, Rgb(70, 55, 55));
    l.Polygon({{3, 12}, {7, 6}, {11, 4}, {13, 5}, {8, 12}}, Rgb(105, 85, 80));
    l.Ellipse(14.f, 4.5f, 5.f, 2.f, Rgb(255, 120, 20));
    l.Ellipse(14.f, 4.2f, 3.f, 1.1f, Rgb(255, 230, 120));
    l.Line(9.f, 8.f, 6.f, 12.f, 1.f, Rgb(255, 110, 20));
    l.Line(19.f, 7.f, 22.f, 11.f, 1.f, Rgb(255, 110, 20));
    l.Outline();
}

void RockGolem(Canvas& c, int x, int y, int frame)
{
    Local l(c, x, y, 31, 44);
    float s = Phase(frame, 5);
    float bob = std::abs(s) < 0.5f ? -1.f : 0.f;
    sf::Color rock = Rgb(110, 95, 90), crack = Rgb(255, 120, 30);
    // legs: short stone stumps
    for (int side : {-1, 1}) {
        float fx = 15.5f + side * 6.f + s * 3.f * float(side);
        l.Rect(fx - 3.5f, 34.f + bob, 7.f, 8.f - bob, side < 0 ? Shade(rock, 0.75f) : rock, 2.f);
        l.Rect(fx - 4.f, 41.f, 8.5f, 3.f, Shade(rock, 0.6f), 1.f);
    }
    // back arm
    l.Ellipse(6.f - s * 2.f, 27.f + bob, 4.f, 5.5f, Shade(rock, 0.7f));
    // body: a lumpy boulder
    l.Polygon({{4, 14}, {11, 6}, {21, 5}, {28, 12}, {29, 28}, {24, 36}, {8, 36}, {3, 27}}, rock);
    l.Polygon({{7, 14}, {12, 8}, {19, 8}, {15, 13}, {9, 20}}, Shade(rock, 1.3f));
    for (auto [ax, ay, bx2, by2] : {std::tuple{10.f, 24.f, 15.f, 31.f}, {22.f, 25.f, 19.f, 33.f}, {15.f, 31.f, 19.f, 33.f}})
        l.Line(ax, ay + bob, bx2, by2 + bob, 1.2f, crack);
    // glowing eyes under a brow
    l.Rect(14.f, 14.f + bob, 13.f, 3.f, Shade(rock, 0.6f), 1.f);
    l.Rect(17.f, 17.f + bob, 3.5f, 2.5f, Rgb(255, 200, 60), 0.8f);
    l.Rect(23.f, 17.f + bob, 3.5f, 2.5f, Rgb(255, 200, 60), 0.8f);
    l.Line(17.f, 23.f + bob, 26.f, 22.f + bob, 1.2f, Rgb(60, 45, 45));
    // front arm swinging
    l.Ellipse(25.f + s * 2.f, 28.f + bob, 4.5f, 6.f, Shade(rock, 1.05f));
    l.Outline();
}

void MagmaHog(Canvas& c, int x, int y, int frame)
{
    Local l(c, x, y, 31, 44);
    float s = Phase(frame, 5);
    sf::Color body = Rgb(150, 40, 25);
    for (int i = 0; i < 4; ++i) {
        float fx = 6.f + 6.5f * float(i) + ((i % 2) ? s : -s) * 2.f;
        l.Line(fx, 36.f, fx + ((i % 2) ? s : -s), 42.f, 2.8f, Rgb(70, 30, 25));
    }
    // spikes along the back
    for (int i = 0; i < 7; ++i) {
        float a = Rad(-160.f + 22.f * float(i));
        float bx = 15.f + std::cos(a) * 11.f, by = 30.f + std::sin(a) * 12.f;
        float tx = 15.f + std::cos(a) * 19.f, ty = 30.f + std::sin(a) * 20.f;
        float nx = -std::sin(a) * 2.6f, ny = std::cos(a) * 2.6f;
        l.Polygon({{bx - nx, by - ny}, {tx, ty}, {bx + nx, by + ny}}, Rgb(60, 50, 55));
        l.Line(bx, by, (bx + tx) / 2.f, (by + ty) / 2.f, 1.f, Rgb(255, 140, 40));
    }
    ShadedEllipse(c, l.x0 + 15.f, l.y0 + 31.f, 13.f, 8.5f, body);
    // snout and eye
    l.Ellipse(27.f, 33.f, 3.5f, 3.f, Rgb(190, 90, 70));
    l.Circle(28.5f, 32.5f, 0.8f, Ink);
    Eye(l, 22.f, 28.f, 1.8f, 0.8f, Rgb(255, 230, 100));
    l.Polygon({{24.f, 36.f}, {26.f, 38.5f}, {26.5f, 35.5f}}, Rgb(250, 240, 220));
    l.Outline();
}

void LavaBlob(Canvas& c, int x, int y, int frame)
{
    Local l(c, x, y, 31, 44);
    // squash on the ground (frame 0), stretch in the air (frame 4)
    float t = float(frame) / 4.f;
    float rx = 13.f - 4.f * t, ry = 9.f + 7.f * t;
    float cy = 44.f - ry - 1.f - 8.f * t;
    l.Ellipse(15.5f, cy, rx, ry, Rgb(200, 50, 10));
    l.Ellipse(14.f, cy - ry * 0.15f, rx * 0.85f, ry * 0.8f, Rgb(250, 120, 20));
    l.Ellipse(12.f, cy - ry * 0.45f, rx * 0.4f, ry * 0.3f, Rgb(255, 220, 110));
    l.Polygon({{15.5f - 3.f, cy - ry + 1.f}, {15.5f, cy - ry - 4.f - 3.f * t}, {15.5f + 3.f, cy - ry + 1.f}},
              Rgb(250, 120, 20));
    Eye(l, 19.f, cy - 1.f, 2.2f, 0.7f);
    Eye(l, 12.5f, cy - 1.f, 2.0f, 0.7f);
    l.Ellipse(16.f, cy + ry * 0.45f, 3.f, 1.3f, Rgb(120, 20, 10));
    // drips
    l.Circle(5.f + 2.f * t, cy + ry * 0.6f, 1.4f, Rgb(250, 120, 20));
    l.Outline();
}

void FireImp(Canvas& c, int x, int y, int frame)
{
    Local l(c, x, y, 31, 44);
    float s = Phase(frame, 5);
    sf::Color red = Rgb(200, 45, 40);
    Feet(l, 15.f, 33.f, 44.f, s, 3.f, 6.f, Rgb(120, 30, 30), Rgb(50, 30, 30));
    // tail
    l.Line(7.f, 30.f, 2.f, 25.f + s * 2.f, 1.6f, Shade(red, 0.8f));
    l.Polygon({{0.5f, 22.f + s * 2.f}, {4.f, 24.f + s * 2.f}, {1.f, 27.f + s * 2.f}}, Shade(red, 0.8f));
    // body
    ShadedEllipse(c, l.x0 + 15.f, l.y0 + 28.f, 7.5f, 7.5f, red);
    // head with horns
    l.Polygon({{9.f, 12.f}, {7.f, 3.f}, {12.f, 9.f}}, Rgb(240, 220, 180));
    l.Polygon({{20.f, 10.f}, {24.f, 2.f}, {23.f, 11.f}}, Rgb(240, 220, 180));
    ShadedEllipse(c, l.x0 + 16.f, l.y0 + 15.f, 7.5f, 6.5f, red);
    Eye(l, 19.5f, 14.f, 2.0f, 0.8f, Rgb(255, 240, 120));
    Eye(l, 14.f, 14.f, 1.8f, 0.8f, Rgb(255, 240, 120));
    l.Line(15.f, 19.f, 22.f, 18.f, 1.1f, Rgb(90, 10, 10));
    // fireball in the raised hand, growing through the cycle
    float fr = 2.5f + 1.5f * (1.f - s) * 0.5f;
    l.Line(20.f, 25.f, 26.f, 19.f, 2.4f, Shade(red, 0.9f));
    l.Circle(26.5f, 16.f, fr + 0.8f, Rgb(255, 120, 20));
    l.Circle(26.5f, 16.f, fr * 0.6f, Rgb(255, 240, 150));
    l.Outline();
}

// ---------------------------------------------------------------------------
// flyers

void Wings(Local& l, float cx, float cy, float s, float span, sf::Color col, bool bat)
{
    float tipY = cy - 7.f * s;
    for (int side : {-1, 1}) {
        float tx = cx + side * span;
        if (bat) {
            l.Polygon({{cx, cy - 2.f}, {tx, tipY}, {cx + side * span * 0.75f, tipY + 5.f},
                       {cx + side * span * 0.45f, cy + 2.f - 2.f * s}, {cx + side * 3.f, cy + 3.f}},
                      side < 0 ? Shade(col, 0.8f) : col);
        } else {
            l.Polygon({{cx - side * 1.f, cy - 2.f}, {tx, tipY}, {tx - side * 4.f, tipY + 3.f},
                       {cx + side * 3.f, cy + 3.f}},
                      side < 0 ? Shade(col, 0.8f) : col);
        }
    }
}

void BlueJay(Canvas& c, int x, int y, int frame)
{
    Local l(c, x, y, 48, 18);
    float s = Phase(frame, 5);
    sf::Color blue = Rgb(50, 120, 210);
    Wings(l, 21.f, 9.f, s, 14.f, Shade(blue, 0.85f), false);
    l.Polygon({{12.f, 9.f}, {3.f, 6.f}, {4.f, 13.f}}, Shade(blue, 0.7f));   // tail
    l.Ellipse(22.f, 10.f, 10.f, 5.f, blue);
    l.Ellipse(23.f, 12.f, 7.f, 2.5f, Rgb(235, 235, 240));
    l.Circle(32.f, 8.f, 4.5f, blue);
    l.Polygon({{30.f, 4.f}, {27.f, 0.5f}, {33.f, 3.5f}}, Shade(blue, 0.8f));
    l.Polygon({{36.f, 7.f}, {41.f, 9.f}, {36.f, 10.f}}, Rgb(240, 170, 40));
    Eye(l, 33.5f, 7.5f, 1.5f, 0.8f);
    Wings(l, 23.f, 9.f, s, 13.f, blue, false);
    l.Outline();
}

void SpikeBat(Canvas& c, int x, int y, int frame)
{
    Local l(c, x, y, 48, 18);
    float s = Phase(frame, 5);
    sf::Color wing = Rgb(70, 50, 80);
    Wings(l, 24.f, 9.f, s, 21.f, wing, true);
    for (int i = 0; i < 4; ++i)
        l.Polygon({{18.f + 4.f * float(i), 6.f}, {20.f + 4.f * float(i), 0.5f}, {22.f + 4.f * float(i), 6.f}},
                  Rgb(200, 200, 210));
    ShadedEllipse(c, l.x0 + 24.f, l.y0 + 10.f, 7.f, 5.5f, Rgb(60, 45, 70));
    Eye(l, 27.f, 9.f, 1.7f, 0.8f, Rgb(255, 60, 60));
    Eye(l, 22.f, 9.f, 1.5f, 0.8f, Rgb(255, 60, 60));
    l.Polygon({{23.f, 13.f}, {24.f, 15.5f}, {25.f, 13.f}}, Rgb(250, 250, 250));
    l.Outline();
}

void FireBat(Canvas& c, int x, int y, int frame)
{
    Local l(c, x, y, 48, 18);
    float s = Phase(frame, 5);
    Wings(l, 24.f, 9.f, s, 20.f, Rgb(220, 90, 20), true);
    Wings(l, 24.f, 10.f, s * 0.7f, 12.f, Rgb(255, 200, 60), true);
    ShadedEllipse(c, l.x0 + 24.f, l.y0 + 10.f, 6.5f, 5.5f, Rgb(170, 30, 20));
    l.Polygon({{20.f, 6.f}, {19.f, 1.f}, {23.f, 5.f}}, Rgb(170, 30, 20));
    l.Polygon({{28.f, 6.f}, {29.f, 1.f}, {25.f, 5.f}}, Rgb(170, 30, 20));
    Eye(l, 27.f, 9.f, 1.7f, 0.8f, Rgb(255, 240, 120));
    Eye(l, 22.f, 9.f, 1.5f, 0.8f, Rgb(255, 240, 120));
    l.Ellipse(25.f, 13.5f, 2.f, 1.f, Rgb(255, 220, 90));
    l.Outline();
}

void Stalactite(Canvas& c, int frame)
{
    // Frame 0 whole; 1 to 6 breaking apart and sinking into dust.
    Local l(c, 296, 46 * frame, 22, 46);
    sf::Color rock = Rgb(120, 100, 95);
    if (frame == 0) {
        l.Polygon({{1, 0}, {21, 0}, {17, 18}, {13, 34}, {11, 45}, {9, 32}, {5, 16}}, rock);
        l.Polygon({{4, 1}, {10, 1}, {9, 20}, {10, 36}, {7, 18}}, Shade(rock, 1.3f));
        l.Line(14.f, 4.f, 12.f, 14.f, 1.f, Shade(rock, 0.65f));
        l.Line(16.f, 10.f, 14.f, 22.f, 1.f, Shade(rock, 0.65f));
        l.Outline();
        return;
    }
    float t = float(frame) / 6.f;
    Dice d(11u);
    for (int i = 0; i < 7; ++i) {
        float px = d.Range(3.f, 19.f), size = d.Range(2.5f, 5.f) * (1.f - 0.6f * t);
        float py = 46.f - 4.f - d.Range(0.f, 14.f) * (1.f - t) - size * 0.5f;
        px += (px - 11.f) * t * 0.8f;
        l.Polygon({{px - size, py + size * 0.6f}, {px - size * 0.3f, py - size * 0.8f}, {px + size, py - size * 0.2f},
                   {px + size * 0.6f, py + size * 0.7f}},
                  i % 2 ? rock : Shade(rock, 1.2f));
    }
    l.Ellipse(11.f, 44.f, 10.f * (0.5f + t * 0.5f), 2.f, Rgb(170, 160, 150, int(200 * (1.f - t * 0.5f))));
    l.Outline();
    FadeAlpha(c, l.Cell(), 1.f - 0.12f * float(frame));
}

// ---------------------------------------------------------------------------
// lab

void Strider(Canvas& c, int frame)
{
    Local l(c, 0, 13 + 63 * frame, 26, 63);
    float s = std::cos(Pi * float(frame) / 2.f);   // 1, 0, -1, 0: a full cycle in 4 frames
    float u = std::sin(Pi * float(frame) / 2.f);
    sf::Color steel = Rgb(150, 160, 175);
    for (int side : {-1, 1}) {
        float swing = (side < 0 ? s : -s) * 6.f;
        float knee = (side < 0 ? u : -u);
        sf::Color col = side < 0 ? Shade(steel, 0.7f) : steel;
        float hx = 13.f, hy = 22.f;
        float kx = 13.f + swing * 0.6f + 2.f, ky = 40.f - std::max(0.f, knee) * 3.f;
        float fx = 13.f + swing, fy = 60.f - std::max(0.f, knee) * 3.f;
        l.Line(hx, hy, kx, ky, 2.6f, col);
        l.Line(kx, ky, fx, fy, 2.2f, col);
        l.Circle(kx, ky, 2.f, Rgb(230, 180, 40));
        l.Rect(fx - 3.5f, fy, 8.f, 2.5f, Shade(col, 0.8f), 1.f);
    }
    // body pod
    l.Rect(3.f, 6.f, 20.f, 16.f, steel, 4.f);
    l.Rect(4.f, 7.f, 8.f, 4.f, Shade(steel, 1.35f), 2.f);
    l.Rect(3.f, 17.f, 20.f, 2.5f, Rgb(230, 180, 40));
    for (int i = 0; i < 4; ++i)
        l.Rect(4.f + 5.f * float(i), 17.f, 2.5f, 2.5f, Rgb(40, 40, 45));
    // visor
    l.Rect(12.f, 9.f, 11.f, 5.f, Rgb(30, 40, 60), 2.f);
    l.Rect(17.f + u, 10.f, 4.f, 3.f, Rgb(80, 230, 255), 1.f);
    // antenna
    l.Line(8.f, 6.f, 6.f, 1.f, 1.f, Rgb(90, 95, 105));
    l.Circle(6.f, 1.5f, 1.3f, frame % 2 ? Rgb(255, 60, 60) : Rgb(150, 30, 30));
    l.Outline();
}

void RobotBase(Local& l, float bob, sf::Color shell, sf::Color eye)
{
    l.Rect(2.f, 8.f + bob, 15.f, 18.f, shell, 4.f);
    l.Rect(3.f, 9.f + bob, 6.f, 5.f, Shade(shell, 1.35f), 2.f);
    l.Rect(8.f, 11.f + bob, 9.f, 6.f, Rgb(25, 30, 45), 2.f);
    l.Rect(12.f, 12.5f + bob, 4.f, 3.f, eye, 1.f);
    l.Rect(4.f, 20.f + bob, 11.f, 2.f, Shade(shell, 0.7f));
}

void SpringRobot(Canvas& c, int frame)
{
    Local l(c, 226, 90 + 35 * frame, 18, 35);
    // a coiled spring that compresses and extends
    float ext = std::sin(Pi * float(frame) / 3.f) * 4.f;
    float top = 24.f - ext;
    for (int i = 0; i < 4; ++i) {
        float y0 = top + (33.f - top) * float(i) / 4.f, y1 = top + (33.f - top) * float(i + 1) / 4.f;
        l.Line(4.f, y0, 14.f, (y0 + y1) / 2.f, 1.5f, Rgb(200, 200, 210));
        l.Line(14.f, (y0 + y1) / 2.f, 4.f, y1, 1.5f, Rgb(160, 160, 170));
    }
    l.Rect(2.f, 32.f, 14.f, 3.f, Rgb(80, 85, 95), 1.f);
    float bob = -ext - 2.f;
    l.Rect(1.f, 6.f + bob, 16.f, 19.f, Rgb(90, 190, 90), 5.f);
    l.Rect(2.f, 7.f + bob, 6.f, 5.f, Rgb(160, 240, 150), 2.5f);
    l.Rect(6.f, 11.f + bob, 10.f, 6.f, Rgb(25, 30, 45), 2.f);
    l.Rect(11.f, 12.5f + bob, 3.5f, 3.f, Rgb(255, 240, 90), 1.f);
    l.Rect(3.f, 20.f + bob, 12.f, 2.f, Rgb(50, 120, 50));
    l.Line(9.f, 6.f + bob, 9.f, 2.f + bob, 1.f, Rgb(80, 80, 90));
    l.Circle(9.f, 2.f + bob, 1.4f, Rgb(255, 80, 80));
    l.Outline();
}

void TrackedRobot(Local& l, int frame, sf::Color shell, sf::Color eye)
{
    // treads
    l.Rect(1.f, 27.f, 19.f, 7.f, Rgb(50, 50, 55), 3.5f);
    for (int i = 0; i < 4; ++i)
        l.Circle(4.f + 4.5f * float(i), 30.5f, 1.8f, Rgb(130, 130, 140));
    for (int i = 0; i < 5; ++i) {
        float tx = 2.f + float((i * 4 + frame) % 18);
        l.Rect(tx, 27.f, 1.f, 1.f, Rgb(120, 120, 125));
    }
    float bob = (frame % 2) ? -0.5f : 0.f;
    l.Rect(6.f, 24.f + bob, 8.f, 4.f, Rgb(90, 95, 105));
    RobotBase(l, bob, shell, eye);
}

void BlasterRobot(Canvas& c, int frame)
{
    Local l(c, 244, 90 + 35 * frame, 23, 35);
    TrackedRobot(l, frame, Rgb(140, 70, 170), Rgb(255, 90, 220));
    float bob = (frame % 2) ? -0.5f : 0.f;
    l.Rect(13.f, 17.f + bob, 9.f, 4.f, Rgb(60, 60, 70), 1.f);
    l.Rect(19.f, 16.f + bob, 3.5f, 6.f, Rgb(40, 40, 50), 1.f);
    l.Circle(21.f, 19.f + bob, 1.2f, Rgb(160, 60, 220));
    l.Outline();
}

void PlasmaRobot(Canvas& c, int frame)
{
    Local l(c, 267, 90 + 35 * frame, 23, 35);
    TrackedRobot(l, frame, Rgb(220, 150, 40), Rgb(90, 255, 200));
    float bob = (frame % 2) ? -0.5f : 0.f;
    // a lobbing tube pointing up and forwards
    l.Line(14.f, 21.f + bob, 20.f, 14.f + bob, 4.f, Rgb(70, 75, 85));
    l.Circle(20.5f, 13.5f + bob, 2.4f, Rgb(40, 45, 55));
    l.Circle(20.5f, 13.5f + bob, 1.4f, Rgb(80, 255, 190));
    l.Outline();
}

void Drone(Canvas& c, int x, int frame, sf::Color hull, sf::Color light, bool bomber, bool fast)
{
    Local l(c, x, 220 + 21 * frame, 40, 21);
    float s = Phase(frame, 4);
    // rotors
    for (float rx : {8.f, 32.f}) {
        float w = 6.f + 2.f * s;
        l.Line(rx, 4.f, rx, 7.f, 1.2f, Rgb(80, 85, 95));
        l.Ellipse(rx, 3.f, w, 1.3f, Rgb(210, 220, 230, 200));
    }
    l.Rect(6.f, 6.f, 28.f, 2.f, Rgb(90, 95, 105), 1.f);
    // saucer hull
    l.Ellipse(20.f, 12.f, 17.f, 5.5f, Shade(hull, 0.7f));
    l.Ellipse(19.f, 11.f, 16.f, 4.5f, hull);
    l.Ellipse(15.f, 9.5f, 8.f, 2.f, Shade(hull, 1.35f));
    // dome
    l.Ellipse(20.f, 8.f, 6.f, 4.f, Rgb(120, 200, 240, 230));
    l.Ellipse(18.5f, 7.f, 2.5f, 1.5f, Rgb(230, 250, 255));
    // lights round the rim, running
    for (int i = 0; i < 5; ++i) {
        bool on = (i + frame) % 3 == 0;
        l.Circle(8.f + 6.f * float(i), 13.5f, 1.2f, on ? light : Shade(light, 0.45f));
    }
    if (bomber) {
        l.Rect(16.f, 15.f, 8.f, 4.f, Rgb(60, 60, 70), 1.f);
        l.Rect(18.f, 18.f, 4.f, 2.f, Rgb(230, 180, 40));
    }
    if (fast) {
        l.Polygon({{2.f, 10.f}, {8.f, 11.f}, {2.f, 13.f}}, Rgb(230, 60, 40));
        l.Polygon({{38.5f, 11.5f}, {33.f, 10.f}, {33.f, 13.f}}, Rgb(230, 60, 40));
    }
    l.Outline();
}

// ---------------------------------------------------------------------------
// lifts

void Lift(Canvas& c, int kind)
{
    Local l(c, 146, 266 + 11 * kind, 52, 11);
    switch (kind) {
    // Plain grey steel for every world; the trim tells the kinds apart.
    case 0: {   // steel with amber lamps at both ends: it moves once ridden
        l.Rect(0, 1, 52, 9, Rgb(130, 134, 142), 2.f);
        l.Rect(1, 2, 50, 2, Rgb(190, 194, 202));
        l.Rect(1, 8, 50, 1, Rgb(85, 88, 96));
        for (float x : {5.f, 47.f})
            l.Circle(x, 6.f, 2.f, Rgb(255, 190, 60));
        for (float x : {17.f, 26.f, 35.f})
            l.Circle(x, 6.f, 1.f, Rgb(85, 88, 96));
        break;
    }
    case 1: {   // riveted steel
        l.Rect(0, 1, 52, 9, Rgb(140, 150, 165), 2.f);
        l.Rect(1, 2, 50, 2, Rgb(200, 210, 220));
        l.Rect(1, 8, 50, 1, Rgb(90, 95, 110));
        for (float x : {4.f, 17.f, 30.f, 43.f, 48.f})
            l.Circle(x, 6.f, 1.1f, Rgb(90, 95, 105));
        break;
    }
    case 2: {   // steel with blue running lights
        l.Rect(0, 1, 52, 9, Rgb(80, 90, 110), 2.f);
        l.Rect(1, 2, 50, 2, Rgb(140, 150, 175));
        for (int i = 0; i < 6; ++i)
            l.Rect(4.f + 8.f * float(i), 5.5f, 5.f, 2.f, Rgb(80, 200, 255), 1.f);
        break;
    }
    default: {  // steel with yellow and black marks: it drops
        l.Rect(0, 1, 52, 9, Rgb(120, 124, 132), 2.f);
        l.Rect(1, 2, 50, 2, Rgb(180, 184, 192));
        for (int i = 0; i < 6; ++i)
            l.Polygon({{3.f + 8.f * float(i), 9.f}, {7.f + 8.f * float(i), 5.f}, {9.f + 8.f * float(i), 5.f},
                       {5.f + 8.f * float(i), 9.f}},
                      Rgb(240, 200, 40));
        l.Rect(1, 9, 50, 1, Rgb(60, 60, 66));
        break;
    }
    }
    l.Outline();
}

void PaintObject(Canvas& c)
{
    for (int f = 0; f < 5; ++f) {
        ToadstoolImp(c, 152, 90 + 35 * f, f);
        LeafSprite(c, 173, 90 + 35 * f, f);
        GoblinArcher(c, 194, 90 + 35 * f, f);
        RockGolem(c, 28, 44 * f, f);
        MagmaHog(c, 59, 44 * f, f);
        LavaBlob(c, 90, 44 * f, f);
        FireImp(c, 121, 44 * f, f);
        BlueJay(c, 152, 18 * f, f);
        SpikeBat(c, 200, 18 * f, f);
        FireBat(c, 248, 18 * f, f);
    }
    LavaVent(c);
    for (int f = 0; f < 7; ++f)
        Stalactite(c, f);
    for (int f = 0; f < 4; ++f) {
        Strider(c, f);
        SpringRobot(c, f);
        BlasterRobot(c, f);
        PlasmaRobot(c, f);
        Drone(c, 26, f, Rgb(150, 160, 175), Rgb(90, 255, 120), false, false);
        Drone(c, 66, f, Rgb(200, 160, 50), Rgb(255, 90, 60), true, false);
        Drone(c, 106, f, Rgb(190, 60, 60), Rgb(255, 230, 80), true, true);
    }
    for (int k = 0; k < 4; ++k)
        Lift(c, k);
}

const TextureRegistration reg{"Gfx/Object.png", 318, 322, PaintObject};

}  // namespace
}  // namespace texgen
