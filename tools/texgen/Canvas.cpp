#include "Canvas.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace texgen {

namespace {

constexpr int Samples = 4;  // per axis

std::uint8_t ToByte(float v)
{
    return static_cast<std::uint8_t>(std::clamp(v, 0.f, 255.f) + 0.5f);
}

// The bundled font, opened once.
class Font {
public:
    static Font& Get()
    {
        static Font font;
        return font;
    }
    FT_Face Face(unsigned pixelSize)
    {
        FT_Set_Pixel_Sizes(face_, 0, pixelSize);
        return face_;
    }

private:
    Font()
    {
        if (FT_Init_FreeType(&library_) || FT_New_Face(library_, TEXGEN_FONT, 0, &face_))
            throw std::runtime_error(std::string("cannot open font ") + TEXGEN_FONT);
    }
    ~Font()
    {
        FT_Done_Face(face_);
        FT_Done_FreeType(library_);
    }
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

}  // namespace

Canvas::Canvas(unsigned width, unsigned height, sf::Color fill)
    : width_(width), height_(height)
{
    image_.create(width, height, fill);
    ResetClip();
}

void Canvas::SetClip(const sf::IntRect& clip)
{
    sf::IntRect all(0, 0, static_cast<int>(width_), static_cast<int>(height_));
    if (!all.intersects(clip, clip_))
        clip_ = sf::IntRect(0, 0, 0, 0);
}

void Canvas::ResetClip()
{
    clip_ = sf::IntRect(0, 0, static_cast<int>(width_), static_cast<int>(height_));
}

sf::Color Canvas::Get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= static_cast<int>(width_) || y >= static_cast<int>(height_))
        return sf::Color::Transparent;
    return image_.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
}

void Canvas::Set(int x, int y, sf::Color c)
{
    if (clip_.contains(x, y))
        image_.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), c);
}

void Canvas::Blend(int x, int y, sf::Color c, float coverage)
{
    if (!clip_.contains(x, y) || coverage <= 0.f)
        return;
    float a = c.a / 255.f * std::min(coverage, 1.f);
    if (a <= 0.f)
        return;
    sf::Color d = image_.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
    float da = d.a / 255.f;
    float oa = a + da * (1.f - a);
    auto channel = [&](std::uint8_t s, std::uint8_t t) {
        return ToByte((s * a + t * da * (1.f - a)) / oa);
    };
    image_.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y),
                    sf::Color(channel(c.r, d.r), channel(c.g, d.g), channel(c.b, d.b), ToByte(oa * 255.f)));
}

void Canvas::FillRect(const sf::IntRect& r, sf::Color c)
{
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x)
            Blend(x, y, c);
}

void Canvas::ClearRect(const sf::IntRect& r)
{
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x)
            Set(x, y, sf::Color::Transparent);
}

void Canvas::FrameRect(const sf::IntRect& r, sf::Color c, int t)
{
    FillRect({r.left, r.top, r.width, t}, c);
    FillRect({r.left, r.top + r.height - t, r.width, t}, c);
    FillRect({r.left, r.top + t, t, r.height - 2 * t}, c);
    FillRect({r.left + r.width - t, r.top + t, t, r.height - 2 * t}, c);
}

void Canvas::VerticalGradient(const sf::IntRect& r, sf::Color top, sf::Color bottom)
{
    for (int y = r.top; y < r.top + r.height; ++y) {
        float t = r.height > 1 ? float(y - r.top) / float(r.height - 1) : 0.f;
        FillRect({r.left, y, r.width, 1}, Mix(top, bottom, t));
    }
}

void Canvas::HorizontalGradient(const sf::IntRect& r, sf::Color left, sf::Color right)
{
    for (int x = r.left; x < r.left + r.width; ++x) {
        float t = r.width > 1 ? float(x - r.left) / float(r.width - 1) : 0.f;
        FillRect({x, r.top, 1, r.height}, Mix(left, right, t));
    }
}

template <typename Inside>
void Canvas::Cover(float x0, float y0, float x1, float y1, sf::Color c, Inside inside)
{
    int ix0 = std::max(clip_.left, static_cast<int>(std::floor(x0)));
    int iy0 = std::max(clip_.top, static_cast<int>(std::floor(y0)));
    int ix1 = std::min(clip_.left + clip_.width - 1, static_cast<int>(std::ceil(x1)));
    int iy1 = std::min(clip_.top + clip_.height - 1, static_cast<int>(std::ceil(y1)));
    for (int y = iy0; y <= iy1; ++y) {
        for (int x = ix0; x <= ix1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx)
                    if (inside(x + (sx + 0.5f) / Samples, y + (sy + 0.5f) / Samples))
                        ++hits;
            if (hits)
                Blend(x, y, c, float(hits) / (Samples * Samples));
        }
    }
}

void Canvas::FillCircle(float cx, float cy, float radius, sf::Color c)
{
    FillEllipse(cx, cy, radius, radius, c);
}

void Canvas::FillEllipse(float cx, float cy, float rx, float ry, sf::Color c)
{
    if (rx <= 0.f || ry <= 0.f)
        return;
    Cover(cx - rx, cy - ry, cx + rx, cy + ry, c, [&](float x, float y) {
        float dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.f;
    });
}

void Canvas::FillRing(float cx, float cy, float outer, float inner, sf::Color c)
{
    Cover(cx - outer, cy - outer, cx + outer, cy + outer, c, [&](float x, float y) {
        float d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d <= outer * outer && d >= inner * inner;
    });
}

void Canvas::RadialGradient(float cx, float cy, float radius, sf::Color inner, sf::Color outer)
{
    int x0 = static_cast<int>(std::floor(cx - radius)), x1 = static_cast<int>(std::ceil(cx + radius));
    int y0 = static_cast<int>(std::floor(cy - radius)), y1 = static_cast<int>(std::ceil(cy + radius));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / radius;
            if (d <= 1.f)
                Blend(x, y, Mix(inner, outer, d), std::min(1.f, (1.f - d) * radius));
        }
}

void Canvas::FillPolygon(const std::vector<sf::Vector2f>& p, sf::Color c)
{
    if (p.size() < 3)
        return;
    float x0 = p[0].x, x1 = p[0].x, y0 = p[0].y, y1 = p[0].y;
    for (const auto& v : p) {
        x0 = std::min(x0, v.x); x1 = std::max(x1, v.x);
        y0 = std::min(y0, v.y); y1 = std::max(y1, v.y);
    }
    Cover(x0, y0, x1, y1, c, [&](float x, float y) {
        bool in = false;  // even-odd rule
        for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
            if ((p[i].y > y) != (p[j].y > y) &&
                x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
                in = !in;
        }
        return in;
    });
}

void Canvas::FillTriangle(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Color color)
{
    FillPolygon({a, b, c}, color);
}

void Canvas::Line(float x0, float y0, float x1, float y1, float width, sf::Color c)
{
    float dx = x1 - x0, dy = y1 - y0;
    float len2 = dx * dx + dy * dy;
    float h = width / 2.f;
    Cover(std::min(x0, x1) - h, std::min(y0, y1) - h, std::max(x0, x1) + h, std::max(y0, y1) + h, c,
          [&](float x, float y) {
              float t = len2 > 0.f ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.f, 1.f) : 0.f;
              float px = x0 + t * dx - x, py = y0 + t * dy - y;
              return px * px + py * py <= h * h;
          });
}

void Canvas::FillRoundedRect(const sf::FloatRect& r, float radius, sf::Color c)
{
    Cover(r.left, r.top, r.left + r.width, r.top + r.height, c, [&](float x, float y) {
        if (x < r.left || y < r.top || x > r.left + r.width || y > r.top + r.height)
            return false;
        float qx = std::max(std::max(r.left + radius - x, x - (r.left + r.width - radius)), 0.f);
        float qy = std::max(std::max(r.top + radius - y, y - (r.top + r.height - radius)), 0.f);
        return qx * qx + qy * qy <= radius * radius;
    });
}

void Canvas::Grain(const sf::IntRect& r, float amount, std::uint32_t seed)
{
    Dice dice(seed);
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x) {
            float f = 1.f + dice.Range(-amount, amount);
            sf::Color p = Get(x, y);
            if (p.a)
                Set(x, y, sf::Color(ToByte(p.r * f), ToByte(p.g * f), ToByte(p.b * f), p.a));
        }
}

void Canvas::Paste(const Canvas& source, const sf::IntRect& from, int x, int y)
{
    std::vector<sf::Color> copy;
    copy.reserve(static_cast<std::size_t>(std::max(0, from.width * from.height)));
    for (int sy = 0; sy < from.height; ++sy)
        for (int sx = 0; sx < from.width; ++sx)
            copy.push_back(source.Get(from.left + sx, from.top + sy));
    for (int sy = 0; sy < from.height; ++sy)
        for (int sx = 0; sx < from.width; ++sx)
            Blend(x + sx, y + sy, copy[static_cast<std::size_t>(sy * from.width + sx)]);
}

void Canvas::MirrorX(const sf::IntRect& r)
{
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int i = 0; i < r.width / 2; ++i) {
            int a = r.left + i, b = r.left + r.width - 1 - i;
            sf::Color ca = Get(a, y), cb = Get(b, y);
            Set(a, y, cb);
            Set(b, y, ca);
        }
}

void Canvas::Outline(const sf::IntRect& r, sf::Color c, std::uint8_t threshold)
{
    std::vector<std::pair<int, int>> edge;
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x) {
            if (Get(x, y).a >= threshold)
                continue;
            for (auto [ox, oy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                int nx = x + ox, ny = y + oy;
                if (r.contains(nx, ny) && Get(nx, ny).a >= threshold) {
                    edge.emplace_back(x, y);
                    break;
                }
            }
        }
    for (auto [x, y] : edge)
        Blend(x, y, c);
}

void Canvas::Text(const std::string& text, float x, float y, unsigned pixelSize, sf::Color c)
{
    FT_Face face = Font::Get().Face(pixelSize);
    float ascender = static_cast<float>(face->size->metrics.ascender) / 64.f;
    float penX = x;
    for (unsigned char ch : text) {
        if (FT_Load_Char(face, ch, FT_LOAD_RENDER))
            continue;
        FT_GlyphSlot g = face->glyph;
        int left = static_cast<int>(std::lround(penX)) + g->bitmap_left;
        int top = static_cast<int>(std::lround(y + ascender)) - g->bitmap_top;
        for (unsigned row = 0; row < g->bitmap.rows; ++row)
            for (unsigned col = 0; col < g->bitmap.width; ++col) {
                unsigned char v = g->bitmap.buffer[row * static_cast<unsigned>(g->bitmap.pitch) + col];
                if (v)
                    Blend(left + static_cast<int>(col), top + static_cast<int>(row), c, v / 255.f);
            }
        penX += static_cast<float>(g->advance.x) / 64.f;
    }
}

sf::Vector2f Canvas::MeasureText(const std::string& text, unsigned pixelSize)
{
    FT_Face face = Font::Get().Face(pixelSize);
    float width = 0.f;
    for (unsigned char ch : text)
        if (!FT_Load_Char(face, ch, FT_LOAD_DEFAULT))
            width += static_cast<float>(face->glyph->advance.x) / 64.f;
    float height = static_cast<float>(face->size->metrics.ascender - face->size->metrics.descender) / 64.f;
    return {width, height};
}

void Canvas::TextCentered(const std::string& text, const sf::FloatRect& box, unsigned pixelSize, sf::Color c)
{
    sf::Vector2f size = MeasureText(text, pixelSize);
    Text(text, std::round(box.left + (box.width - size.x) / 2.f), std::round(box.top + (box.height - size.y) / 2.f),
         pixelSize, c);
}

bool Canvas::Save(const std::string& path) const
{
    return image_.saveToFile(path);
}

sf::Color Mix(sf::Color a, sf::Color b, float t)
{
    t = std::clamp(t, 0.f, 1.f);
    auto m = [t](std::uint8_t x, std::uint8_t y) { return ToByte(x + (y - x) * t); };
    return sf::Color(m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a));
}

sf::Color Shade(sf::Color c, float f)
{
    if (f <= 1.f)
        return sf::Color(ToByte(c.r * f), ToByte(c.g * f), ToByte(c.b * f), c.a);
    float t = f - 1.f;  // towards white
    return sf::Color(ToByte(c.r + (255 - c.r) * t), ToByte(c.g + (255 - c.g) * t), ToByte(c.b + (255 - c.b) * t), c.a);
}

sf::Color WithAlpha(sf::Color c, std::uint8_t alpha)
{
    c.a = alpha;
    return c;
}

std::uint32_t Dice::Next()
{
    // xorshift32: the same sequence everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

float Dice::Unit()
{
    return static_cast<float>(Next() >> 8) / 16777216.f;
}

float Dice::Range(float lo, float hi)
{
    return lo + (hi - lo) * Unit();
}

int Dice::Int(int lo, int hi)
{
    return lo + static_cast<int>(Next() % static_cast<std::uint32_t>(hi - lo + 1));
}

}  // namespace texgen
