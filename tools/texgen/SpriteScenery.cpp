// "Gfx/Scenery.png" (401 x 242): the 43 scenery kinds at their table
// rectangles. Mode 1 kinds have their frames side by side (one width apart),
// mode 2 kinds stacked (one height apart). Every picture stands on the bottom
// row of its rectangle unless it hangs (9) or is a strip (20, 37).
//
//   forest:  0 pine, 1 birch, 2 bush, 3 young oak, 4 grass tuft (4 frames,
//            swaying), 5 frog (4 frames: sits, then croaks), 6 fallen log,
//            7 mossy rock slab, 8 pebbles, 9 hanging ivy (swings), 10 mushrooms,
//            11 flowers, 18 tree stump, 21 mossy stone, 22 fern
//   volcano: 12 wall torch (4 frames), 13 camp fire (4), 14 lava bubble (4),
//            17 bubbling lava pool (4), 20 lava stream strip (4), 28 boulder,
//            29 ember crystal, 30 ember crystal cluster, 33 big lava crystal,
//            34 basalt column, 35 skull
//   lab:     15 status light (5 frames), 16 monitor with blinking screen (4),
//            19 glowing tube with bubbles (5), 23 control panel (4),
//            24 wall screen, 25 the same screen on a stand, 26 pipe bundle,
//            27 generator, 31 and 32 energy cells, 36 upright pipe,
//            37 air duct, 38 crate, 39 hazard barrel, 40 floor grate,
//            41 lamp (off), 42 lamp (on)
//   Glowing kinds (also drawn into the blur): 19, 29, 30, 31, 32, 33, 42.
#include "SpriteArt.h"
#include "TextureRegistry.h"

#include <algorithm>

namespace texgen {
namespace {

using namespace sprite;

const sf::Color Bark = Rgb(110, 75, 45);
const sf::Color Leaf = Rgb(60, 140, 50);
const sf::Color Steel = Rgb(140, 150, 165);
const sf::Color Basalt = Rgb(70, 60, 62);

// ---------------------------------------------------------------------------
// forest

void Pine(Canvas& c)
{
    Local l(c, 0, 0, 32, 106);
    l.Rect(13.f, 80.f, 6.f, 26.f, Bark);
    l.Rect(13.f, 80.f, 2.f, 26.f, Shade(Bark, 1.3f));
    for (int i = 0; i < 5; ++i) {
        float top = 2.f + 16.f * float(i), half = 6.f + 2.5f * float(i), bottom = top + 26.f;
        l.Polygon({{16.f, top}, {16.f + half, bottom}, {16.f - half, bottom}}, Shade(Rgb(40, 110, 50), 0.85f));
        l.Polygon({{16.f, top + 1.f}, {16.f + half * 0.1f, bottom - 2.f}, {16.f - half + 1.5f, bottom - 1.f}},
                  Rgb(70, 150, 70));
    }
    l.Outline();
}

void Birch(Canvas& c)
{
    Local l(c, 32, 0, 33, 96);
    l.Rect(14.f, 40.f, 5.f, 56.f, Rgb(235, 232, 220));
    for (float y : {48.f, 59.f, 70.f, 83.f})
        l.Rect(14.f + (int(y) % 3), y, 3.f, 1.5f, Rgb(50, 50, 50));
    l.Line(16.f, 55.f, 7.f, 44.f, 1.5f, Rgb(220, 215, 200));
    for (auto [x, y, r] : {std::tuple{16.f, 20.f, 13.f}, {9.f, 32.f, 8.5f}, {24.f, 33.f, 8.5f}, {16.f, 40.f, 8.f}})
        l.Circle(x, y, r, Rgb(90, 160, 50));
    for (auto [x, y, r] : {std::tuple{13.f, 16.f, 7.f}, {7.f, 29.f, 4.f}, {21.f, 28.f, 4.f}})
        l.Circle(x, y, r, Rgb(140, 200, 80));
    l.Outline();
}

void Bush(Canvas& c)
{
    Local l(c, 65, 50, 30, 38);
    for (auto [x, y, r] : {std::tuple{8.f, 27.f, 8.f}, {21.f, 26.f, 8.5f}, {15.f, 17.f, 10.f}, {15.f, 30.f, 8.f}})
        l.Circle(x, y, r, Leaf);
    for (auto [x, y, r] : {std::tuple{12.f, 13.f, 5.f}, {6.f, 24.f, 3.5f}, {19.f, 22.f, 3.f}})
        l.Circle(x, y, r, Shade(Leaf, 1.35f));
    for (auto [x, y] : {std::pair{9.f, 20.f}, {22.f, 18.f}, {17.f, 29.f}})
        l.Circle(x, y, 1.4f, Rgb(220, 40, 60));
    l.Outline();
}

void YoungOak(Canvas& c)
{
    Local l(c, 65, 0, 33, 50);
    l.Rect(15.f, 28.f, 4.f, 22.f, Bark);
    l.Line(17.f, 36.f, 24.f, 28.f, 1.5f, Bark);
    for (auto [x, y, r] : {std::tuple{16.f, 14.f, 11.f}, {8.f, 22.f, 7.f}, {25.f, 21.f, 7.f}})
        l.Circle(x, y, r, Rgb(50, 130, 45));
    l.Circle(13.f, 10.f, 5.5f, Rgb(100, 180, 70));
    l.Outline();
}

void GrassTuft(Canvas& c, int frame)
{
    Local l(c, 98, 11 * frame, 27, 11);
    float sway = (float(frame) - 1.5f) * 1.3f;
    for (int i = 0; i < 7; ++i) {
        float bx = 3.f + 3.4f * float(i), h = 6.f + float((i * 5) % 4);
        sf::Color g = i % 2 ? Rgb(80, 170, 60) : Rgb(110, 200, 80);
        l.Polygon({{bx - 1.5f, 11.f}, {bx + sway + float(i % 3 - 1), 11.f - h}, {bx + 1.5f, 11.f}}, g);
    }
    l.Outline();
}

void Frog(Canvas& c, int frame)
{
    Local l(c, 29 * frame, 182, 29, 21);
    float puff = frame == 0 ? 0.f : float(frame);     // the throat swells
    sf::Color g = Rgb(80, 170, 60);
    l.Ellipse(8.f, 18.f, 6.f, 3.f, Shade(g, 0.8f));   // back leg
    ShadedEllipse(c, l.x0 + 14.f, l.y0 + 13.f, 10.f, 6.5f, g);
    l.Ellipse(20.f, 17.f, 3.f + puff, 2.f + puff * 0.7f, Rgb(240, 230, 150));
    l.Circle(18.f, 7.f, 3.5f, g);
    l.Circle(11.f, 7.5f, 3.2f, g);
    Eye(l, 18.f, 6.5f, 2.3f);
    Eye(l, 11.f, 7.f, 2.0f);
    l.Line(15.f, 13.f, 24.f, 13.5f, 0.8f, Rgb(30, 70, 30));
    l.Ellipse(24.f, 19.5f, 3.5f, 1.5f, g);
    l.Outline();
}

void Log(Canvas& c)
{
    Local l(c, 0, 125, 74, 29);
    l.Rect(6.f, 3.f, 64.f, 24.f, Bark, 8.f);
    l.Rect(8.f, 5.f, 58.f, 5.f, Shade(Bark, 1.3f), 2.f);
    for (float y : {14.f, 20.f})
        l.Line(14.f, y, 60.f, y + 1.f, 1.f, Shade(Bark, 0.7f));
    l.Ellipse(66.f, 15.f, 7.f, 12.f, Rgb(200, 160, 100));
    l.Ellipse(66.f, 15.f, 4.5f, 8.f, Rgb(170, 130, 80));
    l.Ellipse(66.f, 15.f, 2.f, 4.f, Rgb(120, 85, 50));
    l.Rect(10.f, 1.f, 20.f, 4.f, Rgb(90, 170, 60), 2.f);   // moss
    l.Circle(40.f, 4.f, 3.f, Rgb(90, 170, 60));
    l.Outline();
}

void RockSlab(Canvas& c)
{
    Local l(c, 0, 106, 54, 19);
    l.Polygon({{1, 19}, {5, 6}, {16, 2}, {38, 1}, {50, 6}, {53, 19}}, Rgb(125, 125, 120));
    l.Polygon({{6, 8}, {16, 4}, {34, 3}, {22, 8}}, Rgb(170, 170, 165));
    l.Polygon({{14, 3}, {36, 1.5f}, {44, 4}, {28, 5}}, Rgb(90, 170, 60));
    l.Line(30.f, 9.f, 36.f, 18.f, 1.f, Rgb(85, 85, 85));
    l.Outline();
}

void Pebbles(Canvas& c)
{
    Local l(c, 128, 74, 30, 14);
    for (auto [x, y, rx, ry] : {std::tuple{6.f, 10.f, 5.f, 3.5f}, {16.f, 9.f, 6.f, 4.5f}, {25.f, 11.f, 4.f, 2.8f}})
        ShadedEllipse(c, l.x0 + x, l.y0 + y, rx, ry, Rgb(140, 135, 125));
    for (float x : {2.f, 11.f, 21.f, 28.f})
        l.Polygon({{x - 1.f, 14.f}, {x + 0.5f, 7.f}, {x + 1.5f, 14.f}}, Rgb(90, 170, 60));
    l.Outline();
}

void HangingIvy(Canvas& c)
{
    // The top-left 8 x 8 pixels of this rectangle are also the bottom right
    // of the birch's (kind 1): they stay empty for both.
    Local l(c, 57, 88, 58, 39);
    l.Line(11.f, 2.f, 57.f, 2.f, 2.f, Bark);
    Dice d(9u);
    for (int i = 0; i < 7; ++i) {
        float x = 14.f + 7.f * float(i), len = 16.f + d.Range(0.f, 20.f);
        l.Line(x, 2.f, x + 1.f, len, 1.f, Rgb(60, 110, 40));
        for (float y = 6.f; y < len; y += 5.f) {
            float side = (int(y) / 5) % 2 ? 1.f : -1.f;
            l.Ellipse(x + side * 2.f, y, 2.2f, 1.5f, (int(y) % 3) ? Leaf : Shade(Leaf, 1.3f));
        }
    }
    l.Outline();
}

void Mushrooms(Canvas& c)
{
    Local l(c, 98, 44, 29, 23);
    auto shroom = [&](float x, float h, float r, sf::Color cap) {
        l.Rect(x - 1.8f, 23.f - h, 3.6f, h, Rgb(240, 230, 200), 1.f);
        l.Ellipse(x, 23.f - h, r, r * 0.65f, cap);
        l.Rect(x - r, 23.f - h, r * 2.f, r * 0.3f, Shade(cap, 0.7f));
        l.Circle(x - r * 0.35f, 23.f - h - r * 0.3f, r * 0.2f, Rgb(255, 240, 220));
    };
    shroom(8.f, 12.f, 7.f, Rgb(190, 120, 50));
    shroom(20.f, 8.f, 5.f, Rgb(200, 40, 40));
    shroom(26.f, 4.f, 3.f, Rgb(190, 120, 50));
    l.Outline();
}

void Flowers(Canvas& c)
{
    Local l(c, 100, 67, 28, 21);
    const sf::Color petals[] = {Rgb(250, 220, 60), Rgb(230, 90, 160), Rgb(120, 160, 255)};
    for (int i = 0; i < 3; ++i) {
        float x = 6.f + 8.f * float(i), top = 6.f + float((i * 7) % 5);
        l.Line(x, 21.f, x, top, 1.2f, Rgb(60, 140, 50));
        l.Ellipse(x + 2.5f, 16.f, 2.5f, 1.2f, Leaf);
        for (int p = 0; p < 5; ++p) {
            float a = Rad(72.f * float(p));
            l.Circle(x + std::cos(a) * 2.6f, top + std::sin(a) * 2.6f, 2.f, petals[i]);
        }
        l.Circle(x, top, 1.4f, Rgb(250, 150, 40));
    }
    l.Outline();
}

void Stump(Canvas& c)
{
    Local l(c, 74, 127, 37, 21);
    l.Polygon({{2, 21}, {6, 16}, {7, 6}, {30, 6}, {31, 16}, {36, 21}}, Bark);
    l.Ellipse(18.5f, 6.f, 11.5f, 4.f, Rgb(200, 160, 100));
    l.Ellipse(18.5f, 6.f, 7.f, 2.3f, Rgb(170, 130, 80));
    l.Line(12.f, 10.f, 12.f, 19.f, 1.f, Shade(Bark, 0.7f));
    l.Line(24.f, 11.f, 25.f, 19.f, 1.f, Shade(Bark, 0.7f));
    l.Outline();
}

void MossyStone(Canvas& c)
{
    Local l(c, 116, 88, 21, 20);
    ShadedEllipse(c, l.x0 + 10.5f, l.y0 + 12.f, 9.5f, 8.f, Rgb(130, 130, 125));
    l.Ellipse(9.f, 6.f, 6.f, 2.5f, Rgb(90, 170, 60));
    l.Rect(1.f, 17.f, 19.f, 3.f, Rgb(130, 130, 125));
    l.Outline();
}

void Fern(Canvas& c)
{
    Local l(c, 137, 88, 21, 20);
    for (int i = 0; i < 5; ++i) {
        float a = Rad(-150.f + 30.f * float(i));
        float tx = 10.5f + std::cos(a) * 10.f, ty = 20.f + std::sin(a) * 18.f;
        l.Line(10.5f, 20.f, tx, ty, 1.f, Rgb(50, 120, 40));
        for (float t = 0.3f; t < 1.f; t += 0.2f)
            l.Ellipse(10.5f + (tx - 10.5f) * t, 20.f + (ty - 20.f) * t, 2.2f * (1.1f - t), 1.3f,
                      i % 2 ? Leaf : Shade(Leaf, 1.3f));
    }
    l.Outline();
}

// ---------------------------------------------------------------------------
// volcano

void Flame(Local& l, float cx, float base, float w, float h, int frame)
{
    float f = std::sin(float(frame) * 1.9f);
    l.Polygon({{cx - w, base}, {cx - w * 0.6f, base - h * 0.5f}, {cx + f * 1.5f, base - h},
               {cx + w * 0.7f, base - h * 0.45f}, {cx + w, base}},
              Rgb(230, 70, 20));
    l.Polygon({{cx - w * 0.6f, base}, {cx - w * 0.3f, base - h * 0.45f}, {cx - f, base - h * 0.72f},
               {cx + w * 0.45f, base - h * 0.3f}, {cx + w * 0.6f, base}},
              Rgb(255, 170, 30));
    l.Ellipse(cx, base - h * 0.18f, w * 0.35f, h * 0.18f, Rgb(255, 245, 170));
}

void Torch(Canvas& c, int frame)
{
    Local l(c, 127 + 22 * frame, 40, 22, 34);
    l.Rect(9.f, 17.f, 4.f, 17.f, Bark);
    l.Rect(6.f, 14.f, 10.f, 5.f, Rgb(90, 90, 100), 1.5f);
    l.Rect(7.f, 15.f, 8.f, 1.f, Rgb(150, 150, 160));
    Flame(l, 11.f, 15.f, 5.f, 13.f + float(frame % 2), frame);
    l.Outline();
}

void CampFire(Canvas& c, int frame)
{
    Local l(c, 125 + 18 * frame, 0, 18, 27);
    l.Line(2.f, 26.f, 16.f, 22.f, 2.6f, Bark);
    l.Line(2.f, 22.f, 16.f, 26.f, 2.6f, Shade(Bark, 0.8f));
    Flame(l, 9.f, 23.f, 6.f, 18.f - float(frame), frame + 1);
    l.Outline();
}

void LavaBubble(Canvas& c, int frame)
{
    Local l(c, 215 + 15 * frame, 41, 15, 19);
    l.Ellipse(7.5f, 17.f, 7.f, 2.f, Rgb(230, 80, 20));
    float r = 2.f + 1.4f * float(frame);
    float cy = 17.f - r - 0.5f * float(frame);
    if (frame < 3) {
        l.Circle(7.5f, cy, r, Rgb(240, 110, 20));
        l.Circle(6.5f, cy - r * 0.4f, r * 0.35f, Rgb(255, 230, 130));
    } else {   // popped: drops flying apart
        for (auto [x, y] : {std::pair{2.f, 6.f}, {7.5f, 3.f}, {13.f, 7.f}, {5.f, 11.f}, {11.f, 11.f}})
            l.Circle(x, y, 1.3f, Rgb(255, 150, 30));
    }
    l.Outline();
}

void LavaPool(Canvas& c, int frame)
{
    Local l(c, 28 * frame, 225, 28, 17);
    l.Rect(0.f, 6.f, 28.f, 11.f, Basalt, 3.f);
    l.Ellipse(14.f, 10.f, 12.f, 4.f, Rgb(220, 70, 15));
    l.Ellipse(13.f, 9.5f, 9.f, 2.6f, Rgb(255, 140, 30));
    float bx = 8.f + 4.f * float(frame);
    l.Circle(bx, 9.f - float(frame % 2), 2.f + float(frame % 2), Rgb(255, 200, 80));
    l.Circle(20.f - 2.f * float(frame), 10.f, 1.2f, Rgb(255, 230, 140));
    l.Outline();
}

void LavaStrip(Canvas& c, int frame)
{
    Local l(c, 0, 154 + 7 * frame, 61, 7);
    for (int x = 0; x < 61; ++x) {
        float w = std::sin(float(x) * 0.45f + float(frame) * 1.57f);
        int top = 1 + int(std::round(w));
        l.Rect(float(x), float(top + 1), 1.f, float(6 - top), Rgb(220, 70, 15));
        l.Rect(float(x), float(top + 1), 1.f, 1.f, Rgb(255, 190, 60));
    }
    l.Outline(Rgb(90, 20, 10));
}

void Boulder(Canvas& c)
{
    Local l(c, 197, 0, 39, 37);
    l.Polygon({{2, 37}, {1, 22}, {8, 8}, {20, 2}, {32, 7}, {38, 20}, {37, 37}}, Basalt);
    l.Polygon({{6, 20}, {10, 10}, {20, 5}, {16, 14}}, Shade(Basalt, 1.4f));
    l.Line(14.f, 22.f, 22.f, 30.f, 1.2f, Rgb(255, 120, 30));
    l.Line(22.f, 30.f, 30.f, 26.f, 1.2f, Rgb(255, 120, 30));
    l.Outline();
}

void Crystal(Local& l, float x, float base, float w, float h, float lean, sf::Color col)
{
    l.Polygon({{x - w, base}, {x - w + lean, base - h * 0.8f}, {x + lean, base - h}, {x + w + lean, base - h * 0.8f},
               {x + w, base}},
              col);
    l.Polygon({{x - w * 0.4f, base}, {x - w * 0.4f + lean, base - h * 0.8f}, {x + lean, base - h},
               {x + lean * 0.5f, base}},
              Shade(col, 1.45f));
}

void EmberCrystal(Canvas& c)
{
    Local l(c, 189, 145, 19, 28);
    l.Rect(2.f, 24.f, 15.f, 4.f, Basalt, 1.5f);
    Crystal(l, 9.5f, 25.f, 5.f, 24.f, 1.f, Rgb(255, 110, 20));
    l.Outline();
}

void EmberCluster(Canvas& c)
{
    Local l(c, 208, 145, 26, 28);
    l.Rect(1.f, 23.f, 24.f, 5.f, Basalt, 2.f);
    Crystal(l, 6.f, 24.f, 3.5f, 15.f, -2.f, Rgb(240, 80, 20));
    Crystal(l, 19.f, 24.f, 3.5f, 17.f, 2.f, Rgb(240, 80, 20));
    Crystal(l, 13.f, 24.f, 4.5f, 24.f, 0.f, Rgb(255, 140, 30));
    l.Outline();
}

void BigCrystal(Canvas& c)
{
    Local l(c, 229, 84, 43, 49);
    l.Polygon({{1, 49}, {5, 40}, {20, 37}, {38, 40}, {42, 49}}, Basalt);
    Crystal(l, 9.f, 44.f, 5.f, 24.f, -4.f, Rgb(230, 60, 20));
    Crystal(l, 33.f, 44.f, 5.f, 28.f, 4.f, Rgb(230, 60, 20));
    Crystal(l, 21.5f, 44.f, 8.f, 43.f, 0.f, Rgb(255, 130, 30));
    l.Outline();
}

void BasaltColumn(Canvas& c)
{
    Local l(c, 116, 121, 18, 48);
    l.Polygon({{2, 48}, {2, 6}, {9, 2}, {16, 6}, {16, 48}}, Basalt);
    l.Polygon({{2, 6}, {9, 2}, {16, 6}, {9, 9}}, Shade(Basalt, 1.5f));
    l.Rect(3.f, 9.f, 3.f, 39.f, Shade(Basalt, 1.25f));
    for (float y : {20.f, 33.f})
        l.Line(2.f, y, 16.f, y + 2.f, 0.9f, Rgb(40, 34, 36));
    l.Outline();
}

void Skull(Canvas& c)
{
    Local l(c, 87, 148, 26, 26);
    sf::Color bone = Rgb(230, 220, 195);
    l.Circle(13.f, 11.f, 10.f, bone);
    l.Rect(6.f, 15.f, 14.f, 9.f, bone, 3.f);
    l.Ellipse(9.f, 12.f, 3.f, 3.5f, Rgb(40, 25, 25));
    l.Ellipse(17.f, 12.f, 3.f, 3.5f, Rgb(40, 25, 25));
    l.Polygon({{13, 16}, {11.5f, 19}, {14.5f, 19}}, Rgb(60, 40, 35));
    for (float x : {9.f, 12.f, 15.f})
        l.Rect(x, 21.f, 1.f, 3.f, Rgb(150, 140, 120));
    l.Ellipse(10.f, 5.f, 4.f, 2.f, Rgb(250, 245, 230));
    l.Outline();
}

// ---------------------------------------------------------------------------
// lab

void StatusLight(Canvas& c, int frame)
{
    Local l(c, 189 + 8 * frame, 139, 8, 6);
    l.Rect(0.f, 0.f, 8.f, 6.f, Rgb(60, 65, 75), 1.5f);
    float on = 1.f - std::abs(float(frame) - 4.f) / 4.f;   // brightest in the last frame
    l.Circle(4.f, 3.f, 2.f, Mix(Rgb(40, 90, 40), Rgb(120, 255, 120), on));
    l.Circle(3.5f, 2.5f, 0.7f, Mix(Rgb(70, 120, 70), Rgb(240, 255, 240), on));
}

void Monitor(Canvas& c, int frame)
{
    Local l(c, 26 * frame, 203, 26, 22);
    l.Rect(1.f, 1.f, 24.f, 16.f, Steel, 2.f);
    l.Rect(3.f, 3.f, 20.f, 12.f, Rgb(20, 40, 50));
    if (frame == 0) {
        for (int i = 0; i < 3; ++i)
            l.Rect(5.f, 5.f + 3.f * float(i), float(8 + 4 * i), 1.5f, Rgb(80, 230, 140));
    } else {
        for (int i = 0; i < 3; ++i)
            l.Rect(5.f, 5.f + 3.f * float(i), float(16 - 3 * ((i + frame) % 3)), 1.5f,
                   i == frame - 1 ? Rgb(255, 220, 80) : Rgb(80, 230, 140));
    }
    l.Rect(10.f, 17.f, 6.f, 3.f, Shade(Steel, 0.7f));
    l.Rect(6.f, 20.f, 14.f, 2.f, Shade(Steel, 0.8f), 1.f);
    l.Outline();
}

void GlowTube(Canvas& c, int frame)
{
    Local l(c, 134 + 22 * frame, 173, 22, 52);
    l.Rect(3.f, 0.f, 16.f, 5.f, Steel, 1.5f);
    l.Rect(3.f, 47.f, 16.f, 5.f, Steel, 1.5f);
    l.Rect(5.f, 5.f, 12.f, 42.f, Rgb(40, 200, 230, 200));
    l.Rect(6.f, 5.f, 3.f, 42.f, Rgb(180, 250, 255, 220));
    for (int i = 0; i < 4; ++i) {
        float y = 45.f - float((i * 11 + frame * 9) % 40);
        l.Circle(11.f + float(i % 2) * 2.f, y, 1.5f + float(i % 2) * 0.5f, Rgb(230, 255, 255));
    }
    l.Outline();
}

void ControlPanel(Canvas& c, int frame)
{
    Local l(c, 330, 54 + 35 * frame, 71, 35);
    l.Rect(1.f, 5.f, 69.f, 30.f, Steel, 3.f);
    l.Rect(2.f, 6.f, 67.f, 3.f, Shade(Steel, 1.35f));
    l.Polygon({{3, 5}, {68, 5}, {64, 1}, {7, 1}}, Shade(Steel, 0.8f));
    l.Rect(5.f, 11.f, 26.f, 15.f, Rgb(20, 35, 45), 1.f);
    for (int i = 0; i < 6; ++i) {
        float h = 3.f + float((i * 7 + frame * 5) % 11);
        l.Rect(7.f + 4.f * float(i), 25.f - h, 2.5f, h, Rgb(80, 230, 140));
    }
    const sf::Color lights[] = {Rgb(255, 70, 60), Rgb(255, 210, 60), Rgb(90, 200, 255)};
    for (int i = 0; i < 9; ++i) {
        bool on = (i + frame) % 3 == 0 || (i * 2 + frame) % 4 == 1;
        l.Circle(37.f + 7.f * float(i % 5), 14.f + 8.f * float(i / 5), 2.f,
                 on ? lights[i % 3] : Shade(lights[i % 3], 0.35f));
    }
    l.Rect(5.f, 29.f, 60.f, 3.f, Rgb(230, 180, 40));
    for (int i = 0; i < 10; ++i)
        l.Polygon({{5.f + 6.f * float(i), 32.f}, {8.f + 6.f * float(i), 29.f}, {10.f + 6.f * float(i), 29.f},
                   {7.f + 6.f * float(i), 32.f}},
                  Rgb(40, 40, 45));
    l.Outline();
}

void WallScreen(Canvas& c)
{
    // Rows 0-44 are kind 24 alone; kind 25 adds the stand below.
    Local l(c, 134, 108, 55, 65);
    l.Rect(1.f, 1.f, 53.f, 42.f, Rgb(70, 80, 95), 3.f);
    l.Rect(2.f, 2.f, 51.f, 2.f, Rgb(150, 160, 175));
    l.Rect(5.f, 5.f, 45.f, 33.f, Rgb(15, 35, 50));
    for (int i = 0; i < 5; ++i)
        l.Line(7.f, 30.f - 2.f * float(i), 48.f, 12.f + 3.f * float(i), 0.8f, Rgb(40, 90, 100));
    l.Line(7.f, 30.f, 16.f, 22.f, 1.2f, Rgb(90, 255, 160));
    l.Line(16.f, 22.f, 24.f, 26.f, 1.2f, Rgb(90, 255, 160));
    l.Line(24.f, 26.f, 34.f, 14.f, 1.2f, Rgb(90, 255, 160));
    l.Line(34.f, 14.f, 47.f, 10.f, 1.2f, Rgb(90, 255, 160));
    l.Circle(48.f, 40.5f, 1.2f, Rgb(255, 80, 60));
    // stand
    l.Rect(24.f, 45.f, 7.f, 16.f, Rgb(90, 100, 115));
    l.Rect(25.f, 45.f, 2.f, 16.f, Rgb(150, 160, 175));
    l.Rect(12.f, 60.f, 31.f, 5.f, Rgb(70, 80, 95), 2.f);
    c.Outline({134, 108, 55, 44}, Ink);
    c.Outline({134, 152, 55, 21}, Ink);
}

void PipeBundle(Canvas& c)
{
    Local l(c, 158, 74, 71, 34);
    const sf::Color pipes[] = {Rgb(150, 160, 175), Rgb(200, 120, 50), Rgb(90, 140, 200)};
    for (int i = 0; i < 3; ++i) {
        float y = 6.f + 9.f * float(i);
        l.Rect(0.f, y, 71.f, 7.f, pipes[i]);
        l.Rect(0.f, y + 1.f, 71.f, 2.f, Shade(pipes[i], 1.4f));
        l.Rect(0.f, y + 5.f, 71.f, 2.f, Shade(pipes[i], 0.7f));
        for (float x : {12.f, 50.f})
            l.Rect(x + float(i) * 3.f, y - 1.f, 4.f, 9.f, Shade(pipes[i], 0.8f), 1.f);
    }
    l.Circle(36.f, 4.f, 3.5f, Rgb(90, 95, 105));
    l.Circle(36.f, 4.f, 2.f, Rgb(240, 240, 240));
    l.Line(36.f, 4.f, 37.5f, 2.8f, 0.7f, Rgb(200, 30, 30));
    l.Outline();
}

void Generator(Canvas& c)
{
    Local l(c, 275, 0, 75, 54);
    l.Rect(2.f, 10.f, 71.f, 44.f, Rgb(80, 90, 105), 4.f);
    l.Rect(3.f, 11.f, 69.f, 3.f, Rgb(150, 160, 175));
    // coils
    for (int i = 0; i < 2; ++i) {
        float x = 14.f + 34.f * float(i);
        l.Rect(x - 8.f, 0.f, 16.f, 12.f, Rgb(180, 110, 40), 3.f);
        for (int k = 0; k < 4; ++k)
            l.Rect(x - 8.f, 1.5f + 2.7f * float(k), 16.f, 1.f, Rgb(120, 70, 25));
        l.Circle(x, 30.f, 11.f, Rgb(50, 55, 65));
        l.Circle(x, 30.f, 8.f, Rgb(30, 120, 160));
        l.Circle(x, 30.f, 4.f, Rgb(150, 240, 255));
    }
    l.Rect(30.f, 44.f, 15.f, 6.f, Rgb(230, 180, 40));
    l.Rect(34.f, 45.f, 7.f, 4.f, Rgb(40, 40, 45));
    l.Outline();
}

void EnergyCell(Canvas& c, int x, int y, int w, int h)
{
    Local l(c, x, y, w, h);
    float fw = float(w), fh = float(h);
    l.Rect(1.f, 0.f, fw - 2.f, 4.f, Steel, 1.f);
    l.Rect(1.f, fh - 4.f, fw - 2.f, 4.f, Steel, 1.f);
    l.Rect(2.f, 4.f, fw - 4.f, fh - 8.f, Rgb(60, 220, 255, 220));
    l.Rect(3.f, 4.f, 2.f, fh - 8.f, Rgb(210, 255, 255));
    l.Polygon({{fw / 2.f + 1.f, 6.f}, {fw / 2.f - 2.f, fh / 2.f + 1.f}, {fw / 2.f + 1.f, fh / 2.f},
               {fw / 2.f - 1.f, fh - 6.f}, {fw / 2.f + 3.f, fh / 2.f - 1.f}, {fw / 2.f, fh / 2.f}},
              Rgb(255, 255, 255));
    l.Outline();
}

void UprightPipe(Canvas& c)
{
    Local l(c, 272, 80, 20, 93);
    l.Rect(3.f, 0.f, 14.f, 93.f, Steel);
    l.Rect(5.f, 0.f, 3.f, 93.f, Shade(Steel, 1.4f));
    l.Rect(14.f, 0.f, 3.f, 93.f, Shade(Steel, 0.7f));
    for (float y : {6.f, 44.f, 84.f}) {
        l.Rect(1.f, y, 18.f, 5.f, Shade(Steel, 0.85f), 1.f);
        l.Circle(4.f, y + 2.5f, 0.8f, Rgb(70, 70, 80));
        l.Circle(16.f, y + 2.5f, 0.8f, Rgb(70, 70, 80));
    }
    l.Outline();
}

void AirDuct(Canvas& c)
{
    Local l(c, 229, 60, 93, 20);
    l.Rect(0.f, 2.f, 93.f, 16.f, Steel);
    l.Rect(0.f, 3.f, 93.f, 3.f, Shade(Steel, 1.4f));
    l.Rect(0.f, 15.f, 93.f, 3.f, Shade(Steel, 0.7f));
    for (float x : {20.f, 60.f}) {
        l.Rect(x, 6.f, 16.f, 8.f, Rgb(50, 55, 65), 1.f);
        for (int k = 0; k < 4; ++k)
            l.Rect(x + 1.f, 7.f + 2.f * float(k), 14.f, 1.f, Rgb(110, 115, 125));
    }
    for (float x : {4.f, 46.f, 88.f})
        l.Rect(x, 0.f, 3.f, 20.f, Shade(Steel, 0.85f));
    l.Outline();
}

void Crate(Canvas& c)
{
    Local l(c, 292, 118, 38, 38);
    l.Rect(1.f, 1.f, 36.f, 36.f, Rgb(90, 110, 140), 2.f);
    l.Rect(4.f, 4.f, 30.f, 30.f, Rgb(70, 85, 110));
    l.Line(5.f, 5.f, 33.f, 33.f, 3.f, Rgb(110, 130, 160));
    l.Line(33.f, 5.f, 5.f, 33.f, 3.f, Rgb(110, 130, 160));
    l.Rect(2.f, 2.f, 34.f, 2.f, Rgb(150, 170, 200));
    l.Rect(13.f, 15.f, 12.f, 8.f, Rgb(230, 180, 40), 1.f);
    l.Rect(15.f, 17.f, 8.f, 1.f, Rgb(60, 45, 20));
    l.Rect(15.f, 19.5f, 6.f, 1.f, Rgb(60, 45, 20));
    l.Outline();
}

void HazardBarrel(Canvas& c)
{
    Local l(c, 292, 80, 38, 38);
    l.Rect(5.f, 2.f, 28.f, 36.f, Rgb(220, 170, 30), 4.f);
    l.Rect(8.f, 2.f, 6.f, 36.f, Rgb(245, 210, 90));
    l.Rect(27.f, 2.f, 5.f, 36.f, Rgb(170, 120, 20));
    for (float y : {6.f, 31.f})
        l.Rect(4.f, y, 30.f, 3.f, Rgb(130, 90, 20), 1.f);
    // hazard sign
    l.Polygon({{19, 11}, {27, 26}, {11, 26}}, Rgb(30, 30, 30));
    l.Polygon({{19, 14}, {24.5f, 24.5f}, {13.5f, 24.5f}}, Rgb(250, 230, 60));
    l.Rect(18.f, 17.f, 2.f, 4.f, Rgb(30, 30, 30));
    l.Rect(18.f, 22.f, 2.f, 1.5f, Rgb(30, 30, 30));
    l.Outline();
}

void Grate(Canvas& c)
{
    Local l(c, 67, 154, 20, 20);
    l.Rect(0.f, 10.f, 20.f, 10.f, Rgb(70, 75, 85), 1.5f);
    for (int i = 0; i < 4; ++i)
        l.Rect(2.f + 4.5f * float(i), 12.f, 2.5f, 6.f, Rgb(25, 25, 30));
    // a wisp of steam
    l.Ellipse(9.f, 6.f, 4.f, 3.f, Rgb(230, 235, 240, 120));
    l.Ellipse(12.f, 2.5f, 3.f, 2.f, Rgb(230, 235, 240, 80));
    l.Outline();
}

void Lamp(Canvas& c, int x, bool on)
{
    Local l(c, x, 141, 19, 32);
    l.Rect(8.f, 14.f, 3.f, 15.f, Rgb(90, 95, 105));
    l.Rect(3.f, 28.f, 13.f, 4.f, Rgb(70, 75, 85), 1.5f);
    l.Polygon({{2, 9}, {17, 9}, {14, 1}, {5, 1}}, Rgb(70, 80, 95));
    l.Ellipse(9.5f, 11.f, 5.f, 3.5f, on ? Rgb(255, 240, 150) : Rgb(120, 120, 110));
    if (on)
        l.Ellipse(8.5f, 10.5f, 2.5f, 1.5f, Rgb(255, 255, 240));
    l.Outline();
}

void PaintScenery(Canvas& c)
{
    Pine(c); Birch(c); Bush(c); YoungOak(c);
    for (int f = 0; f < 4; ++f) {
        GrassTuft(c, f);
        Frog(c, f);
        Torch(c, f);
        CampFire(c, f);
        LavaBubble(c, f);
        Monitor(c, f);
        LavaPool(c, f);
        LavaStrip(c, f);
        ControlPanel(c, f);
    }
    for (int f = 0; f < 5; ++f) {
        StatusLight(c, f);
        GlowTube(c, f);
    }
    Log(c); RockSlab(c); Pebbles(c); HangingIvy(c); Mushrooms(c); Flowers(c); Stump(c);
    MossyStone(c); Fern(c);
    Boulder(c); EmberCrystal(c); EmberCluster(c); BigCrystal(c); BasaltColumn(c); Skull(c);
    WallScreen(c); PipeBundle(c); Generator(c);
    EnergyCell(c, 190, 108, 17, 27);
    EnergyCell(c, 207, 108, 21, 30);
    UprightPipe(c); AirDuct(c); Crate(c); HazardBarrel(c); Grate(c);
    Lamp(c, 234, false);
    Lamp(c, 253, true);
}

const TextureRegistration reg{"Gfx/Scenery.png", 401, 242, PaintScenery};

}  // namespace
}  // namespace texgen
