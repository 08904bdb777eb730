#pragma once

// The textures of the built game, decoded on the CPU (no window, no GL), and
// a walk over the rectangles that the game cuts from one of them.

#include "app/ResourceIds.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

namespace layouttest {

// One texture of the built Resources2.vrk.
struct BuiltTexture {
    std::string file;
    sf::Image image;
    // False when the archive or the file is missing or the PNG does not decode
    // (`error` tells which).
    bool loaded = false;
    std::string error;
};

// The texture of this id, read once with the game's own archive reader.
const BuiltTexture& GetBuiltTexture(TextureId id);

// A rectangle with a few words on where the game reads it.
struct NamedRect {
    const char* name;
    sf::IntRect rect;
};

// Whether the rectangle lies inside the image and shows a picture: at least
// MinPaintedPercent of its pixels are not fully transparent.
constexpr int MinPaintedPercent = 5;
::testing::AssertionResult IsInsideAndPainted(const BuiltTexture& texture, const sf::IntRect& rect,
                                              const std::string& source);

// Every rectangle that the game reads from one texture. Each distinct
// rectangle is kept once, with the first source that gave it, so that the
// many ticks that show one frame are checked (and reported) once.
class RectWalk {
public:
    explicit RectWalk(TextureId id) : id_(id) {}

    void Add(const sf::IntRect& rect, const std::string& source);

    // One failure per rectangle that reaches outside the texture or is
    // (nearly) empty; a failure too when nothing was added.
    void ExpectAllInsideAndPainted() const;

private:
    TextureId id_;
    std::map<std::array<int, 4>, std::string> rects_;
};

std::string Describe(const sf::IntRect& rect);

}  // namespace layouttest
