#include "SpriteArt.h"

#include <algorithm>

namespace texgen::sprite {

void ShadedEllipse(Canvas& c, float cx, float cy, float rx, float ry, sf::Color base)
{
    c.FillEllipse(cx, cy, rx, ry, Shade(base, 0.62f));
    c.FillEllipse(cx - rx * 0.12f, cy - ry * 0.12f, rx * 0.84f, ry * 0.84f, base);
    c.FillEllipse(cx - rx * 0.3f, cy - ry * 0.34f, rx * 0.42f, ry * 0.36f, Shade(base, 1.35f));
    c.FillEllipse(cx - rx * 0.38f, cy - ry * 0.45f, std::max(0.6f, rx * 0.16f), std::max(0.6f, ry * 0.14f),
                  WithAlpha(sf::Color::White, 200));
}

void ShadedBlock(Canvas& c, const sf::FloatRect& r, float radius, sf::Color base)
{
    c.FillRoundedRect(r, radius, Shade(base, 0.62f));
    c.FillRoundedRect({r.left, r.top, r.width - 1.f, r.height - 1.f}, radius, Shade(base, 1.3f));
    c.FillRoundedRect({r.left + 1.f, r.top + 1.f, r.width - 2.f, r.height - 2.f}, std::max(0.f, radius - 1.f), base);
}

void PasteRotated(Canvas& target, const Canvas& source, const sf::IntRect& from, float cx, float cy, float degrees,
                  float scale, float alpha)
{
    float a = Rad(degrees);
    float ca = std::cos(a), sa = std::sin(a);
    float scx = from.left + from.width / 2.f, scy = from.top + from.height / 2.f;
    float reach = std::hypot(float(from.width), float(from.height)) * scale / 2.f + 1.f;
    for (int y = int(std::floor(cy - reach)); y <= int(std::ceil(cy + reach)); ++y)
        for (int x = int(std::floor(cx - reach)); x <= int(std::ceil(cx + reach)); ++x) {
            float r = 0, g = 0, b = 0, al = 0;
            for (int sy = 0; sy < 3; ++sy)
                for (int sx = 0; sx < 3; ++sx) {
                    float dx = (x + (sx + 0.5f) / 3.f - cx) / scale, dy = (y + (sy + 0.5f) / 3.f - cy) / scale;
                    // inverse rotation
                    float ux = dx * ca + dy * sa, uy = -dx * sa + dy * ca;
                    int px = int(std::floor(scx + ux)), py = int(std::floor(scy + uy));
                    if (!from.contains(px, py))
                        continue;
                    sf::Color s = source.Get(px, py);
                    float w = s.a / 255.f;
                    r += s.r * w; g += s.g * w; b += s.b * w; al += w;
                }
            if (al <= 0.f)
                continue;
            sf::Color out(std::uint8_t(r / al), std::uint8_t(g / al), std::uint8_t(b / al),
                          std::uint8_t(std::min(255.f, al / 9.f * 255.f * alpha)));
            target.Blend(x, y, out);
        }
}

void FadeAlpha(Canvas& c, const sf::IntRect& r, float factor)
{
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x) {
            sf::Color p = c.Get(x, y);
            if (p.a)
                c.Set(x, y, WithAlpha(p, std::uint8_t(std::clamp(p.a * factor, 0.f, 255.f))));
        }
}

void Eye(Local& l, float x, float y, float r, float look, sf::Color white)
{
    l.Circle(x, y, r, white);
    l.Circle(x + look * r * 0.5f, y + 0.2f, r * 0.55f, Ink);
    l.Circle(x + look * r * 0.5f - r * 0.2f, y - r * 0.2f, std::max(0.4f, r * 0.2f), sf::Color::White);
}

void Star(Canvas& c, float cx, float cy, float outer, float inner, float degrees, sf::Color col)
{
    std::vector<sf::Vector2f> p;
    for (int i = 0; i < 10; ++i) {
        float a = Rad(degrees - 90.f + 36.f * float(i));
        float rr = (i % 2) ? inner : outer;
        p.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr});
    }
    c.FillPolygon(p, col);
}

void Heart(Canvas& c, float cx, float cy, float w, float h, sf::Color col)
{
    float lobe = w * 0.27f;
    float top = cy - h / 2.f;
    c.FillEllipse(cx - w * 0.23f, top + lobe * (h / w) * 1.0f, lobe, lobe * (h / w) * 1.05f, col);
    c.FillEllipse(cx + w * 0.23f, top + lobe * (h / w) * 1.0f, lobe, lobe * (h / w) * 1.05f, col);
    c.FillPolygon({{cx - w * 0.5f, top + lobe * (h / w) * 1.15f},
                   {cx + w * 0.5f, top + lobe * (h / w) * 1.15f},
                   {cx, cy + h / 2.f}},
                  col);
    c.FillRect({int(cx - w * 0.3f), int(top + lobe * (h / w) * 0.9f), int(w * 0.6f), int(lobe)}, col);
}

namespace {

// A 24-unit design square mapped onto an icon of any size.
struct Unit {
    float cx, cy, k;
    Unit(float x, float y, float size) : cx(x), cy(y), k(size / 24.f) {}
    float X(float u) const { return cx + (u - 12.f) * k; }
    float Y(float u) const { return cy + (u - 12.f) * k; }
    float S(float u) const { return u * k; }
    sf::Vector2f P(float u, float v) const { return {X(u), Y(v)}; }
};

}  // namespace

void IconCoin(Canvas& c, float cx, float cy, float size)
{
    Unit u(cx, cy, size);
    c.FillCircle(u.X(12), u.Y(12), u.S(10.5f), Ink);
    c.FillCircle(u.X(12), u.Y(12), u.S(9.5f), Rgb(190, 120, 20));
    c.FillCircle(u.X(11.4f), u.Y(11.4f), u.S(8.6f), Rgb(250, 196, 40));
    c.FillRing(u.X(12), u.Y(12), u.S(7.2f), u.S(6.0f), Rgb(205, 140, 25));
    Star(c, u.X(12), u.Y(12.2f), u.S(5.2f), u.S(2.2f), 0.f, Rgb(255, 246, 190));
    c.FillEllipse(u.X(8.2f), u.Y(7.4f), u.S(2.2f), u.S(1.4f), WithAlpha(sf::Color::White, 190));
}

void IconHeart(Canvas& c, float cx, float cy, float size)
{
    Unit u(cx, cy, size);
    Heart(c, u.X(12), u.Y(12.5f), u.S(22), u.S(20), Ink);
    Heart(c, u.X(12), u.Y(12.3f), u.S(19.5f), u.S(17.5f), Rgb(170, 20, 40));
    Heart(c, u.X(11.4f), u.Y(11.6f), u.S(16.5f), u.S(14.5f), Rgb(235, 45, 65));
    c.FillEllipse(u.X(7.6f), u.Y(7.6f), u.S(2.6f), u.S(1.8f), WithAlpha(sf::Color::White, 210));
}

void IconLife(Canvas& c, float cx, float cy, float size)
{
    Unit u(cx, cy, size);
    // face
    c.FillEllipse(u.X(12), u.Y(15), u.S(9.0f), u.S(8.0f), Ink);
    c.FillEllipse(u.X(12), u.Y(15), u.S(8.0f), u.S(7.0f), Rgb(240, 190, 150));
    // helmet
    c.FillEllipse(u.X(12), u.Y(8.0f), u.S(11.0f), u.S(7.2f), Ink);
    c.FillRect({int(u.X(0.5f)), int(u.Y(9.5f)), int(u.S(23.f)), int(u.S(3.2f))}, Ink);
    c.FillEllipse(u.X(12), u.Y(8.1f), u.S(10.0f), u.S(6.2f), Rgb(232, 160, 30));
    c.FillRect({int(u.X(1.5f)), int(u.Y(10.0f)), int(u.S(21.f)), int(u.S(1.7f))}, Rgb(180, 110, 20));
    c.FillEllipse(u.X(8.5f), u.Y(5.0f), u.S(3.5f), u.S(1.8f), Rgb(255, 220, 120));
    c.FillCircle(u.X(12), u.Y(5.5f), u.S(2.0f), Rgb(255, 255, 210));
    // eyes and smile under the brim
    c.FillEllipse(u.X(15.0f), u.Y(15.5f), u.S(1.3f), u.S(1.8f), Ink);
    c.FillEllipse(u.X(9.0f), u.Y(15.5f), u.S(1.3f), u.S(1.8f), Ink);
    c.Line(u.X(9.5f), u.Y(19.3f), u.X(14.5f), u.Y(19.3f), u.S(1.2f), Rgb(150, 60, 50));
}

void IconRocket(Canvas& c, float cx, float cy, float size, float degrees)
{
    // Painted horizontally on a scratch canvas, then rotated into place.
    Canvas s(48, 48);
    Unit u(24, 24, 40);
    auto P = [&](float a, float b) { return u.P(a, b); };
    // flame
    s.FillPolygon({P(1, 12), P(6, 9), P(6, 15)}, Rgb(255, 150, 30));
    s.FillPolygon({P(3, 12), P(6, 10.5f), P(6, 13.5f)}, Rgb(255, 240, 120));
    // fins
    s.FillPolygon({P(5, 6), P(10, 9.5f), P(10, 14.5f), P(5, 18)}, Rgb(40, 90, 170));
    // body
    s.FillRoundedRect({u.X(6), u.Y(9), u.S(13), u.S(6)}, u.S(2.5f), Rgb(215, 215, 225));
    s.FillRect({int(u.X(6)), int(u.Y(13.2f)), int(u.S(13)), int(u.S(1.8f))}, Rgb(150, 150, 165));
    s.FillPolygon({P(18, 9), P(23, 12), P(18, 15)}, Rgb(220, 40, 40));
    s.FillRect({int(u.X(10.5f)), int(u.Y(9)), int(u.S(2)), int(u.S(6))}, Rgb(220, 40, 40));
    s.FillEllipse(u.X(12), u.Y(10.4f), u.S(5), u.S(0.8f), WithAlpha(sf::Color::White, 170));
    s.Outline({0, 0, 48, 48}, Ink);
    PasteRotated(c, s, {0, 0, 48, 48}, cx, cy, degrees, size / 40.f);
}

void IconBomb(Canvas& c, float cx, float cy, float size)
{
    Unit u(cx, cy, size);
    c.FillCircle(u.X(11), u.Y(13.5f), u.S(9.5f), Ink);
    c.FillRect({int(u.X(14)), int(u.Y(2.5f)), int(u.S(5)), int(u.S(5))}, Ink);
    c.FillRect({int(u.X(15)), int(u.Y(3.5f)), int(u.S(3)), int(u.S(4))}, Rgb(120, 120, 130));
    ShadedEllipse(c, u.X(11), u.Y(13.5f), u.S(8.5f), u.S(8.5f), Rgb(60, 62, 80));
    c.Line(u.X(16.5f), u.Y(3.0f), u.X(19.5f), u.Y(0.8f), u.S(1.3f), Rgb(180, 140, 90));
    Star(c, u.X(20.5f), u.Y(1.5f), u.S(3.0f), u.S(1.2f), 10.f, Rgb(255, 210, 60));
    c.FillCircle(u.X(20.5f), u.Y(1.5f), u.S(1.0f), Rgb(255, 255, 220));
}

void IconMine(Canvas& c, float cx, float cy, float size)
{
    Unit u(cx, cy, size);
    c.FillRoundedRect({u.X(1), u.Y(12), u.S(22), u.S(8)}, u.S(3), Ink);
    c.FillEllipse(u.X(12), u.Y(12.5f), u.S(7), u.S(5), Ink);
    c.FillRoundedRect({u.X(2), u.Y(13), u.S(20), u.S(6)}, u.S(2.5f), Rgb(95, 110, 70));
    c.FillRect({int(u.X(3)), int(u.Y(13.5f)), int(u.S(18)), int(u.S(1.5f))}, Rgb(140, 160, 100));
    c.FillEllipse(u.X(12), u.Y(12.5f), u.S(6), u.S(4), Rgb(120, 125, 110));
    c.FillEllipse(u.X(11), u.Y(11.8f), u.S(3), u.S(1.8f), Rgb(170, 175, 160));
    c.FillCircle(u.X(12), u.Y(10.2f), u.S(1.7f), Rgb(255, 50, 40));
    c.FillCircle(u.X(11.6f), u.Y(9.8f), u.S(0.7f), Rgb(255, 210, 200));
    for (float x : {5.f, 19.f})
        c.FillCircle(u.X(x), u.Y(16.f), u.S(1.0f), Rgb(60, 70, 45));
}

void IconShield(Canvas& c, float cx, float cy, float size)
{
    Unit u(cx, cy, size);
    auto shield = [&](float inset, sf::Color col) {
        c.FillPolygon({u.P(2 + inset, 3 + inset), u.P(12, 1 + inset * 1.2f), u.P(22 - inset, 3 + inset),
                       u.P(21 - inset, 13), u.P(12, 23 - inset * 1.4f), u.P(3 + inset, 13)},
                      col);
    };
    shield(0, Ink);
    shield(1.2f, Rgb(30, 130, 60));
    shield(2.6f, Rgb(70, 200, 100));
    c.FillPolygon({u.P(12, 4.2f), u.P(19.0f, 5.6f), u.P(18.3f, 12.8f), u.P(12, 19.6f)}, Rgb(40, 160, 75));
    c.FillEllipse(u.X(8), u.Y(7), u.S(2.5f), u.S(1.6f), WithAlpha(sf::Color::White, 200));
}

void IconHourglass(Canvas& c, float cx, float cy, float size)
{
    Unit u(cx, cy, size);
    c.FillRoundedRect({u.X(3), u.Y(0.5f), u.S(18), u.S(4)}, u.S(1.2f), Ink);
    c.FillRoundedRect({u.X(3), u.Y(19.5f), u.S(18), u.S(4)}, u.S(1.2f), Ink);
    c.FillPolygon({u.P(5, 3), u.P(19, 3), u.P(13.5f, 12), u.P(19, 21), u.P(5, 21), u.P(10.5f, 12)}, Ink);
    c.FillPolygon({u.P(6.5f, 4), u.P(17.5f, 4), u.P(12.8f, 12), u.P(17.5f, 20), u.P(6.5f, 20), u.P(11.2f, 12)},
                  Rgb(200, 230, 255));
    c.FillPolygon({u.P(8.5f, 7), u.P(15.5f, 7), u.P(12, 11.5f)}, Rgb(240, 200, 90));
    c.FillPolygon({u.P(12, 15), u.P(16.8f, 20), u.P(7.2f, 20)}, Rgb(240, 200, 90));
    c.Line(u.X(12), u.Y(11.5f), u.X(12), u.Y(17), u.S(0.8f), Rgb(240, 200, 90));
    c.FillRoundedRect({u.X(4), u.Y(1.5f), u.S(16), u.S(2)}, u.S(0.8f), Rgb(60, 110, 210));
    c.FillRoundedRect({u.X(4), u.Y(20.5f), u.S(16), u.S(2)}, u.S(0.8f), Rgb(60, 110, 210));
    c.Line(u.X(8), u.Y(5), u.X(10), u.Y(9), u.S(0.9f), WithAlpha(sf::Color::White, 200));
}

void IconJetpack(Canvas& c, float cx, float cy, float size)
{
    Unit u(cx, cy, size);
    for (float x : {4.5f, 12.5f}) {
        c.FillPolygon({u.P(x + 0.5f, 17), u.P(x + 3.5f, 23.5f), u.P(x + 6.5f, 17)}, Rgb(255, 140, 30));
        c.FillPolygon({u.P(x + 2.f, 17), u.P(x + 3.5f, 21.5f), u.P(x + 5.f, 17)}, Rgb(255, 240, 140));
        c.FillRoundedRect({u.X(x - 1), u.Y(1), u.S(9), u.S(17)}, u.S(4), Ink);
        c.FillRoundedRect({u.X(x), u.Y(2), u.S(7), u.S(15)}, u.S(3.4f), Rgb(200, 40, 40));
        c.FillRoundedRect({u.X(x + 1), u.Y(3), u.S(2.4f), u.S(11)}, u.S(1.2f), Rgb(250, 120, 110));
        c.FillRect({int(u.X(x)), int(u.Y(14)), int(u.S(7)), int(u.S(2))}, Rgb(150, 150, 160));
    }
    c.FillRect({int(u.X(10.5f)), int(u.Y(6)), int(u.S(3)), int(u.S(6))}, Rgb(110, 110, 120));
}

void IconTrophy(Canvas& c, float cx, float cy, float size)
{
    // A cup with two handles on a stand, set with a blue gem: the total, in
    // a shape that no coin has.
    Unit u(cx, cy, size);
    const sf::Color gold = Rgb(250, 196, 40);
    const sf::Color deep = Rgb(190, 120, 20);
    for (float side : {-1.f, 1.f}) {
        c.FillRing(u.X(12 + 7.2f * side), u.Y(7.5f), u.S(5.0f), u.S(2.0f), Ink);
        c.FillRing(u.X(12 + 7.2f * side), u.Y(7.5f), u.S(4.0f), u.S(3.0f), deep);
    }
    const std::vector<sf::Vector2f> bowl = {u.P(4.5f, 1.5f), u.P(19.5f, 1.5f), u.P(18.5f, 8.5f), u.P(15.5f, 13.f),
                                            u.P(12, 14.5f),  u.P(8.5f, 13.f),  u.P(5.5f, 8.5f)};
    c.FillPolygon(bowl, Ink);
    c.FillRect({int(u.X(9.6f)), int(u.Y(13)), int(u.S(4.8f)), int(u.S(6))}, Ink);
    c.FillRoundedRect({u.X(5), u.Y(17.5f), u.S(14), u.S(5.5f)}, u.S(1.5f), Ink);
    c.FillPolygon({u.P(6, 2.7f), u.P(18, 2.7f), u.P(17.3f, 8.3f), u.P(14.8f, 12.0f), u.P(12, 13.3f),
                   u.P(9.2f, 12.0f), u.P(6.7f, 8.3f)},
                  deep);
    c.FillPolygon({u.P(6.6f, 2.7f), u.P(15.5f, 2.7f), u.P(14.5f, 8.f), u.P(12, 11.5f), u.P(9.6f, 10.5f),
                   u.P(7.4f, 8.f)},
                  gold);
    c.FillRect({int(u.X(10.6f)), int(u.Y(13.5f)), int(u.S(2.8f)), int(u.S(4.5f))}, deep);
    c.FillRoundedRect({u.X(6.2f), u.Y(18.6f), u.S(11.6f), u.S(3.3f)}, u.S(1.f), deep);
    c.FillRect({int(u.X(7.f)), int(u.Y(18.9f)), int(u.S(9.f)), int(u.S(1.2f))}, gold);
    c.FillCircle(u.X(12), u.Y(6.8f), u.S(2.9f), Ink);
    c.FillCircle(u.X(12), u.Y(6.8f), u.S(2.1f), Rgb(40, 140, 245));
    c.FillCircle(u.X(11.3f), u.Y(6.1f), u.S(0.8f), Rgb(200, 235, 255));
    c.FillEllipse(u.X(8.4f), u.Y(4.6f), u.S(1.0f), u.S(1.8f), WithAlpha(sf::Color::White, 170));
}

void PaintRocket(Canvas& c, float x, float y, int frame)
{
    Local l(c, int(x), int(y), 22, 17);
    // exhaust: flickers through the frames
    float len = 4.5f + 1.6f * std::sin(float(frame) * 2.1f) + float(frame % 2);
    l.Polygon({{6.f - len, 8.5f}, {7.f, 4.5f}, {7.f, 12.5f}}, Rgb(255, 130, 20, 230));
    l.Polygon({{7.f - len * 0.6f, 8.5f}, {7.f, 6.5f}, {7.f, 10.5f}}, Rgb(255, 235, 120));
    // fins
    l.Polygon({{6, 2}, {11, 5.5f}, {11, 11.5f}, {6, 15}}, Rgb(40, 90, 170));
    l.Polygon({{7, 3.5f}, {10, 5.8f}, {7, 6}}, Rgb(90, 150, 230));
    // body
    l.Rect(7, 5.5f, 10, 6, Rgb(215, 215, 225), 2.5f);
    l.Rect(7, 9.5f, 10, 2, Rgb(150, 150, 165));
    l.Rect(8, 6.3f, 8, 1, Rgb(250, 250, 255));
    l.Polygon({{16.5f, 5.5f}, {21.f, 8.5f}, {16.5f, 11.5f}}, Rgb(220, 40, 40));
    l.Rect(11, 5.5f, 2, 6, Rgb(220, 40, 40));
    l.Outline();
}

void PaintRollingBomb(Canvas& c, float x, float y)
{
    Local l(c, int(x), int(y), 21, 21);
    l.Circle(10.5f, 10.5f, 9.5f, Ink);
    ShadedEllipse(c, l.x0 + 10.5f, l.y0 + 10.5f, 8.6f, 8.6f, Rgb(62, 66, 88));
    // a bright band, so that the spin shows
    l.Line(4.f, 6.f, 17.f, 15.f, 2.6f, Rgb(230, 190, 40));
    l.Line(4.f, 6.f, 17.f, 15.f, 1.0f, Rgb(255, 240, 150));
    l.Circle(10.5f, 10.5f, 2.4f, Rgb(200, 40, 40));
    l.Circle(10.0f, 10.0f, 0.9f, Rgb(255, 190, 180));
}

void PaintMine(Canvas& c, float x, float y, bool lit)
{
    Local l(c, int(x), int(y), 30, 6);
    l.Rect(0, 2, 30, 4, Ink, 1.5f);
    l.Rect(9, 0, 12, 3, Ink, 1.f);
    l.Rect(1, 3, 28, 2, Rgb(95, 110, 70));
    l.Rect(2, 3, 26, 1, Rgb(145, 165, 105));
    l.Rect(10, 1, 10, 2, Rgb(120, 125, 110));
    l.Rect(14, 0, 2, 1, lit ? Rgb(255, 60, 40) : Rgb(120, 30, 25));
    if (lit)
        l.Rect(13, 1, 4, 1, Rgb(255, 150, 120));
}

}  // namespace texgen::sprite
