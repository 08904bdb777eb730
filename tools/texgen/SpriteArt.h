#pragma once

// Shared painting helpers for the sprite and interface textures (player,
// objects, items, scenery, menu): a clipped local frame for one cell, shaded
// bodies, rotated copies, and the small icons that the item sheet and the
// head-up display share.

#include "Canvas.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace texgen::sprite {

constexpr float Pi = 3.14159265358979f;

inline sf::Color Rgb(int r, int g, int b, int a = 255)
{
    return sf::Color(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b),
                     static_cast<std::uint8_t>(a));
}

// The outline colour of every sprite.
inline const sf::Color Ink = Rgb(26, 18, 24);

inline float Rad(float degrees) { return degrees * Pi / 180.f; }

// One cell of a sheet: painting is clipped to it and coordinates are local.
struct Local {
    Canvas& c;
    float x0, y0;
    int w, h;
    Local(Canvas& canvas, int left, int top, int width, int height)
        : c(canvas), x0(float(left)), y0(float(top)), w(width), h(height)
    {
        c.SetClip({left, top, width, height});
    }
    Local(const Local&) = delete;
    Local& operator=(const Local&) = delete;
    ~Local() { c.ResetClip(); }

    sf::IntRect Cell() const { return {int(x0), int(y0), w, h}; }
    sf::Vector2f P(float x, float y) const { return {x0 + x, y0 + y}; }
    sf::IntRect R(int x, int y, int width, int height) const { return {int(x0) + x, int(y0) + y, width, height}; }
    sf::FloatRect F(float x, float y, float width, float height) const { return {x0 + x, y0 + y, width, height}; }
    std::vector<sf::Vector2f> Poly(std::initializer_list<sf::Vector2f> points) const
    {
        std::vector<sf::Vector2f> out;
        for (auto p : points)
            out.push_back({x0 + p.x, y0 + p.y});
        return out;
    }

    void Ellipse(float cx, float cy, float rx, float ry, sf::Color col) { c.FillEllipse(x0 + cx, y0 + cy, rx, ry, col); }
    void Circle(float cx, float cy, float r, sf::Color col) { c.FillCircle(x0 + cx, y0 + cy, r, col); }
    void Line(float ax, float ay, float bx, float by, float width, sf::Color col)
    {
        c.Line(x0 + ax, y0 + ay, x0 + bx, y0 + by, width, col);
    }
    void Rect(float x, float y, float width, float height, sf::Color col, float radius = 0.f)
    {
        if (radius > 0.f)
            c.FillRoundedRect(F(x, y, width, height), radius, col);
        else
            c.FillRect(R(int(x), int(y), int(width), int(height)), col);
    }
    void Polygon(std::initializer_list<sf::Vector2f> points, sf::Color col) { c.FillPolygon(Poly(points), col); }
    void Outline(sf::Color col = Ink) { c.Outline(Cell(), col); }
};

// A shaded ball: the base colour with a darker lower right, a lighter upper
// left and a small highlight (light from the top left).
void ShadedEllipse(Canvas& c, float cx, float cy, float rx, float ry, sf::Color base);

// A shaded rounded block, lit from the top left.
void ShadedBlock(Canvas& c, const sf::FloatRect& r, float radius, sf::Color base);

// Copies the painted pixels of `from` in `source`, rotated by `degrees`
// (clockwise on screen) and scaled about the rectangle's centre, so that the
// centre lands on (cx, cy) of `target`; 3 x 3 samples per target pixel.
void PasteRotated(Canvas& target, const Canvas& source, const sf::IntRect& from, float cx, float cy, float degrees,
                  float scale = 1.f, float alpha = 1.f);

// Multiplies the alpha of every pixel in a rectangle by a factor.
void FadeAlpha(Canvas& c, const sf::IntRect& r, float factor);

// A cartoon eye: white, a pupil moved by `look` (-1 .. 1) and a glint.
void Eye(Local& l, float x, float y, float r, float look = 0.5f, sf::Color white = sf::Color::White);

// A five-pointed star.
void Star(Canvas& c, float cx, float cy, float outer, float inner, float degrees, sf::Color col);

// A heart whose box is (cx - w/2, cy - h/2, w, h).
void Heart(Canvas& c, float cx, float cy, float w, float h, sf::Color col);

// Icons shared by the items and the head-up display. Each paints inside a
// square of side `size` centred on (cx, cy), outline included.
void IconCoin(Canvas& c, float cx, float cy, float size);
void IconHeart(Canvas& c, float cx, float cy, float size);
void IconLife(Canvas& c, float cx, float cy, float size);     // the adventurer's helmeted head
void IconRocket(Canvas& c, float cx, float cy, float size, float degrees = -35.f);
void IconBomb(Canvas& c, float cx, float cy, float size);
void IconMine(Canvas& c, float cx, float cy, float size);
void IconShield(Canvas& c, float cx, float cy, float size);   // invulnerability
void IconHourglass(Canvas& c, float cx, float cy, float size); // time distortion
void IconJetpack(Canvas& c, float cx, float cy, float size);
void IconTrophy(Canvas& c, float cx, float cy, float size);   // the score: a cup, unlike the coin

// The weapons as the game draws them (facing right, unrotated), with their
// box top-left at (x, y).
void PaintRocket(Canvas& c, float x, float y, int frame);   // 22 x 17, 6 frames of exhaust
void PaintRollingBomb(Canvas& c, float x, float y);         // 21 x 21
void PaintMine(Canvas& c, float x, float y, bool lit);      // 30 x 6

}  // namespace texgen::sprite
