// "Gfx/Particles.png" (128 x 64): the pictures of the particle systems, white
// and grey with alpha (the particle colour tints them):
//   (32 k, 0, 32, 32), k 0..3   debris: a rock chunk, a shard, a splinter, pebbles
//   (0, 32, 32, 32)             the soft blob of trails, sparkles and lift jets
//   (32 + 11 k, 32, 11, 11)     six sparks of explosions
// Every picture keeps a transparent rim, since the quads are filtered.
#include "TextureRegistry.h"
#include "WorldArt.h"

#include <vector>

namespace texgen {
namespace {

using namespace world;

std::vector<sf::Vector2f> Around(float cx, float cy, const std::vector<float>& radii, float turn)
{
    std::vector<sf::Vector2f> pts;
    for (std::size_t i = 0; i < radii.size(); ++i) {
        float a = turn + 2.f * Pi * float(i) / float(radii.size());
        pts.push_back({cx + std::cos(a) * radii[i], cy + std::sin(a) * radii[i]});
    }
    return pts;
}

void Shaded(Canvas& c, const std::vector<sf::Vector2f>& shape, const sf::IntRect& box)
{
    c.FillPolygon(shape, Rgb(70, 70, 70));
    std::vector<sf::Vector2f> inner;
    float cx = 0, cy = 0;
    for (auto p : shape) {
        cx += p.x;
        cy += p.y;
    }
    cx /= float(shape.size());
    cy /= float(shape.size());
    for (auto p : shape)
        inner.push_back({cx + (p.x - cx) * 0.82f, cy + (p.y - cy) * 0.82f});
    c.FillPolygon(inner, Rgb(200, 200, 200));
    // Light from the top-left: a lit facet.
    std::vector<sf::Vector2f> facet;
    for (auto p : inner)
        facet.push_back({cx + (p.x - cx) * 0.55f - 2.f, cy + (p.y - cy) * 0.55f - 2.f});
    c.FillPolygon(facet, Rgb(250, 250, 250));
    c.Grain(box, 0.06f, static_cast<std::uint32_t>(box.left + 17));
}

void PaintParticles(Canvas& c)
{
    // Debris.
    c.SetClip({2, 2, 28, 28});
    Shaded(c, Around(16, 16, {11, 9, 12, 8, 10, 12, 9}, 0.3f), {0, 0, 32, 32});
    c.SetClip({34, 2, 28, 28});
    Shaded(c, {{36, 26}, {58, 6}, {54, 28}}, {32, 0, 32, 32});
    c.SetClip({66, 2, 28, 28});
    Shaded(c, {{68, 18}, {76, 10}, {92, 12}, {88, 20}, {74, 24}}, {64, 0, 32, 32});
    c.SetClip({98, 2, 28, 28});
    c.FillCircle(107, 14, 6.5f, Rgb(80, 80, 80));
    c.FillCircle(107, 14, 5.5f, Rgb(210, 210, 210));
    c.FillCircle(105, 12, 2.5f, Rgb(250, 250, 250));
    c.FillCircle(117, 21, 5.f, Rgb(80, 80, 80));
    c.FillCircle(117, 21, 4.f, Rgb(190, 190, 190));
    c.FillCircle(116, 19.5f, 1.8f, Rgb(245, 245, 245));
    c.ResetClip();
    // The soft blob.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            float d = std::hypot(float(x) + 0.5f - 16.f, float(y) + 0.5f - 16.f) / 15.f;
            if (d < 1.f) {
                float a = (1.f - d * d);
                a = a * a;
                c.Set(x, 32 + y, Rgb(255, 255, 255, static_cast<int>(255.f * a)));
            }
        }
    // Sparks.
    for (int k = 0; k < 6; ++k) {
        float ox = float(32 + 11 * k), cx = ox + 5.5f, cy = 37.5f;
        c.SetClip({32 + 11 * k, 32, 11, 11});
        sf::Color white = Rgb(255, 255, 255);
        switch (k) {
        case 0:  // four-pointed star
            c.FillPolygon(Around(cx, cy, {4.8f, 1.2f, 4.8f, 1.2f, 4.8f, 1.2f, 4.8f, 1.2f}, -Pi / 2.f), white);
            break;
        case 1:  // plus
            c.FillRect({int(ox) + 4, 33, 3, 9}, white);
            c.FillRect({int(ox) + 1, 36, 9, 3}, white);
            break;
        case 2:  // diamond
            c.FillPolygon(Around(cx, cy, {4.5f, 3.f, 4.5f, 3.f}, -Pi / 2.f), white);
            break;
        case 3:  // glowing dot
            c.RadialGradient(cx, cy, 4.8f, white, Rgb(255, 255, 255, 0));
            c.FillCircle(cx, cy, 1.8f, white);
            break;
        case 4:  // ring
            c.FillRing(cx, cy, 4.5f, 2.6f, white);
            break;
        default:  // six-pointed star
            c.FillPolygon(Around(cx, cy, {4.8f, 1.8f, 4.8f, 1.8f, 4.8f, 1.8f, 4.8f, 1.8f, 4.8f, 1.8f, 4.8f, 1.8f},
                                 -Pi / 2.f),
                          white);
            break;
        }
        // Keep the outer ring of pixels clear for filtering.
        c.ResetClip();
        for (int i = 0; i < 11; ++i) {
            c.Set(32 + 11 * k + i, 32, sf::Color::Transparent);
            c.Set(32 + 11 * k + i, 42, sf::Color::Transparent);
            c.Set(32 + 11 * k, 32 + i, sf::Color::Transparent);
            c.Set(32 + 11 * k + 10, 32 + i, sf::Color::Transparent);
        }
    }
}

const TextureRegistration registration{"Gfx/Particles.png", 128, 64, PaintParticles};

}  // namespace
}  // namespace texgen
