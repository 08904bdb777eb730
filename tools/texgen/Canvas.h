#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace texgen {

// A picture being painted, on the CPU only. Every operation blends "over" what
// is there (straight alpha) and is clipped to the current clip rectangle, so a
// painter can work inside one cell of a sheet without spilling into the next.
// Shapes are antialiased by 4 x 4 supersampling of their coverage.
class Canvas {
public:
    Canvas(unsigned width, unsigned height, sf::Color fill = sf::Color::Transparent);

    unsigned Width() const { return width_; }
    unsigned Height() const { return height_; }

    void SetClip(const sf::IntRect& clip);
    void ResetClip();
    const sf::IntRect& Clip() const { return clip_; }

    sf::Color Get(int x, int y) const;
    void Set(int x, int y, sf::Color c);          // replaces, no blending
    void Blend(int x, int y, sf::Color c, float coverage = 1.f);

    void FillRect(const sf::IntRect& r, sf::Color c);
    void ClearRect(const sf::IntRect& r);          // back to transparent
    void FrameRect(const sf::IntRect& r, sf::Color c, int thickness = 1);
    void VerticalGradient(const sf::IntRect& r, sf::Color top, sf::Color bottom);
    void HorizontalGradient(const sf::IntRect& r, sf::Color left, sf::Color right);

    void FillCircle(float cx, float cy, float radius, sf::Color c);
    void FillEllipse(float cx, float cy, float rx, float ry, sf::Color c);
    void FillRing(float cx, float cy, float outer, float inner, sf::Color c);
    // A disc whose colour runs from `inner` at the centre to `outer` at the rim.
    void RadialGradient(float cx, float cy, float radius, sf::Color inner, sf::Color outer);
    void FillPolygon(const std::vector<sf::Vector2f>& points, sf::Color c);
    void FillTriangle(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Color color);
    void Line(float x0, float y0, float x1, float y1, float width, sf::Color c);
    void FillRoundedRect(const sf::FloatRect& r, float radius, sf::Color c);

    // Darkens or lightens every painted pixel of a rectangle by a
    // deterministic grain (amount 0..1), keeping alpha.
    void Grain(const sf::IntRect& r, float amount, std::uint32_t seed);
    // Copies a rectangle of another canvas (or of this one) to (x, y), blended.
    void Paste(const Canvas& source, const sf::IntRect& from, int x, int y);
    // Mirrors a rectangle left to right in place.
    void MirrorX(const sf::IntRect& r);
    // A one-pixel dark outline around the painted pixels of a rectangle.
    void Outline(const sf::IntRect& r, sf::Color c, std::uint8_t alphaThreshold = 128);

    // Text in the bundled bold font; (x, y) is the top-left of the text's box.
    void Text(const std::string& text, float x, float y, unsigned pixelSize, sf::Color c);
    // Text centred in a rectangle.
    void TextCentered(const std::string& text, const sf::FloatRect& box, unsigned pixelSize, sf::Color c);
    // Width and height of a text's box at a size.
    static sf::Vector2f MeasureText(const std::string& text, unsigned pixelSize);

    bool Save(const std::string& path) const;
    const sf::Image& Image() const { return image_; }

private:
    template <typename Inside>
    void Cover(float x0, float y0, float x1, float y1, sf::Color c, Inside inside);

    unsigned width_;
    unsigned height_;
    sf::Image image_;
    sf::IntRect clip_;
};

// Colour helpers.
sf::Color Mix(sf::Color a, sf::Color b, float t);
sf::Color Shade(sf::Color c, float factor);     // factor < 1 darkens, > 1 lightens
sf::Color WithAlpha(sf::Color c, std::uint8_t alpha);

// A small deterministic generator for painters (same numbers on every machine).
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    std::uint32_t Next();
    float Unit();                       // [0, 1)
    float Range(float lo, float hi);    // [lo, hi)
    int Int(int lo, int hi);            // [lo, hi]
private:
    std::uint32_t state_;
};

}  // namespace texgen
