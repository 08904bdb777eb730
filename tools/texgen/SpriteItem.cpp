// "Gfx/Item.png" (150 x 153): the weapons (facing right; frames stacked by
// their height) and the items 1 to 11 in 25 x 25 cells at
// (25 (k mod 6), 102 + 26 (k div 6)). Coins (item 0) live in the special tiles.
//
//   weapon 0 rocket         0, 0, 22 x 17    6 frames of exhaust
//   weapon 1 rolling bomb   22, 0, 21 x 21
//   weapon 2 mine           43, 0, 30 x 6    2 frames: waiting, light on
//   weapon 3 arrow          22, 21, 19 x 8   4 frames, fletching quivering
//   weapons 4, 5 fireball   22, 73, 10 x 10
//   weapon 6 dark bolt      22, 59, 19 x 14
//   weapon 7 plasma ball    73, 0, 13 x 13
//   weapon 8 drone bomb     92, 0, 9 x 23    4 frames, blinking
//   weapon 9 drone shell    101, 0, 9 x 23   4 frames, blinking
//   items: 1 extra life, 2 heart, 3 rocket, 4 rolling bomb, 5 mine,
//          6 three rockets, 7 three rolling bombs, 8 three mines,
//          9 invulnerability, 10 time distortion, 11 jetpack
#include "SpriteArt.h"
#include "TextureRegistry.h"

namespace texgen {
namespace {

using namespace sprite;

void Arrow(Canvas& c, int frame)
{
    Local l(c, 22, 21 + 8 * frame, 19, 8);
    float q = (frame - 1.5f) * 0.5f;   // fletching quiver
    l.Line(2.f, 4.f, 15.f, 4.f, 1.3f, Rgb(170, 120, 60));
    l.Polygon({{14.f, 1.5f}, {18.5f, 4.f}, {14.f, 6.5f}}, Rgb(190, 195, 205));
    l.Polygon({{1.f, 1.f + q}, {5.f, 3.5f}, {2.5f, 3.6f}}, Rgb(220, 50, 40));
    l.Polygon({{1.f, 7.f - q}, {5.f, 4.5f}, {2.5f, 4.4f}}, Rgb(220, 50, 40));
    l.Outline();
}

void Fireball(Canvas& c)
{
    Local l(c, 22, 73, 10, 10);
    l.Circle(5.f, 5.f, 4.6f, Rgb(220, 60, 10));
    l.Circle(4.6f, 4.6f, 3.5f, Rgb(255, 150, 30));
    l.Circle(4.2f, 4.2f, 2.f, Rgb(255, 240, 150));
}

void DarkBolt(Canvas& c)
{
    Local l(c, 22, 59, 19, 14);
    l.Polygon({{0.5f, 7.f}, {10.f, 2.f}, {10.f, 12.f}}, Rgb(110, 40, 150, 150));
    l.Polygon({{4.f, 7.f}, {11.f, 4.f}, {11.f, 10.f}}, Rgb(150, 70, 200, 200));
    l.Circle(12.5f, 7.f, 5.5f, Rgb(60, 10, 80));
    l.Circle(12.5f, 7.f, 4.2f, Rgb(120, 40, 170));
    l.Circle(13.f, 7.f, 2.2f, Rgb(230, 170, 255));
    l.Outline(Rgb(30, 5, 40));
}

void PlasmaBall(Canvas& c)
{
    Local l(c, 73, 0, 13, 13);
    l.Circle(6.5f, 6.5f, 6.f, Rgb(20, 140, 110));
    l.Circle(6.5f, 6.5f, 5.f, Rgb(60, 230, 180));
    l.Circle(5.5f, 5.5f, 2.8f, Rgb(200, 255, 235));
    l.Line(2.5f, 8.f, 5.f, 10.5f, 0.8f, Rgb(230, 255, 250));
}

void DroneBomb(Canvas& c, int x, int frame, sf::Color body, sf::Color light)
{
    Local l(c, x, 23 * frame, 9, 23);
    // fins on top, nose pointing down
    l.Polygon({{0.5f, 1.f}, {4.5f, 6.f}, {8.5f, 1.f}}, Rgb(90, 95, 105));
    l.Rect(3.5f, 1.f, 2.f, 6.f, Rgb(90, 95, 105));
    l.Rect(1.f, 6.f, 7.f, 12.f, body, 3.f);
    l.Rect(1.8f, 7.f, 2.f, 9.f, Shade(body, 1.4f), 1.f);
    l.Polygon({{1.f, 16.f}, {8.f, 16.f}, {4.5f, 22.f}}, body);
    bool on = frame % 2 == 1;
    l.Circle(4.5f, 12.f, 1.3f, on ? light : Shade(light, 0.4f));
    l.Outline();
}

void ThreeOf(Canvas& c, float x, float y, void (*icon)(Canvas&, float, float, float))
{
    icon(c, x + 8.f, y + 16.f, 14.f);
    icon(c, x + 17.f, y + 16.f, 14.f);
    icon(c, x + 12.5f, y + 8.5f, 14.f);
}

void RocketIcon(Canvas& c, float cx, float cy, float size)
{
    IconRocket(c, cx, cy, size);
}

void PowerUpHalo(Canvas& c, float x, float y, sf::Color col)
{
    c.RadialGradient(x + 12.5f, y + 12.5f, 12.5f, WithAlpha(col, 120), WithAlpha(col, 0));
}

void PaintItem(Canvas& c)
{
    for (int f = 0; f < 6; ++f)
        PaintRocket(c, 0.f, 17.f * float(f), f);
    PaintRollingBomb(c, 22.f, 0.f);
    PaintMine(c, 43.f, 0.f, false);
    PaintMine(c, 43.f, 6.f, true);
    for (int f = 0; f < 4; ++f) {
        Arrow(c, f);
        DroneBomb(c, 92, f, Rgb(70, 75, 90), Rgb(255, 80, 60));
        DroneBomb(c, 101, f, Rgb(190, 60, 50), Rgb(255, 230, 80));
    }
    Fireball(c);
    DarkBolt(c);
    PlasmaBall(c);

    auto cell = [](int k) { return sf::Vector2f(float(25 * (k % 6)), float(102 + 26 * (k / 6))); };
    auto centre = [&](int k) { return cell(k) + sf::Vector2f(12.5f, 12.5f); };
    auto clip = [&](int k) { c.SetClip({int(cell(k).x), int(cell(k).y), 25, 25}); };

    clip(1); IconLife(c, centre(1).x, centre(1).y, 23.f);
    clip(2); IconHeart(c, centre(2).x, centre(2).y, 22.f);
    clip(3); IconRocket(c, centre(3).x, centre(3).y, 26.f);
    clip(4); IconBomb(c, centre(4).x, centre(4).y + 0.5f, 22.f);
    clip(5); IconMine(c, centre(5).x, centre(5).y + 1.f, 23.f);
    clip(6); ThreeOf(c, cell(6).x, cell(6).y, RocketIcon);
    clip(7); ThreeOf(c, cell(7).x, cell(7).y, IconBomb);
    clip(8);
    for (int i = 0; i < 3; ++i)
        IconMine(c, centre(8).x, cell(8).y + 7.f + 6.f * float(i), 21.f);
    clip(9); PowerUpHalo(c, cell(9).x, cell(9).y, Rgb(120, 255, 140));
    IconShield(c, centre(9).x, centre(9).y, 21.f);
    clip(10); PowerUpHalo(c, cell(10).x, cell(10).y, Rgb(120, 190, 255));
    IconHourglass(c, centre(10).x, centre(10).y, 21.f);
    clip(11); PowerUpHalo(c, cell(11).x, cell(11).y, Rgb(255, 150, 110));
    IconJetpack(c, centre(11).x, centre(11).y, 21.f);
    c.ResetClip();
}

const TextureRegistration reg{"Gfx/Item.png", 150, 153, PaintItem};

}  // namespace
}  // namespace texgen
