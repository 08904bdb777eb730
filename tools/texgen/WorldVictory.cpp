// "Gfx/Victory.png" (1024 x 768): the picture behind the victory screen. The
// screen draws its title frame and brown heading at the top centre (about
// y 16 to 150) and its white text block and button at the lower left (about
// x 40 to 420, y 550 to 760), so the sky behind the heading is bright and
// calm, and the lower left is a quiet, dark hillside. The celebration - the
// three worlds on the horizon, fireworks, a trophy on a hill of coins,
// the goal flag and confetti - fills the rest.
#include "TextureRegistry.h"
#include "WorldArt.h"

#include <algorithm>
#include <vector>

namespace texgen {
namespace {

using namespace world;

constexpr int W = 1024;
constexpr int H = 768;

// Fills every column below height(x) with colour(x, y), antialiased at the top.
template <typename Height, typename ColourAt>
void FillBelow(Canvas& c, int x0, int x1, Height height, ColourAt colour)
{
    for (int x = x0; x < x1; ++x) {
        float top = height(float(x) + 0.5f);
        int y0 = std::max(0, static_cast<int>(std::floor(top)));
        for (int y = y0; y < H; ++y) {
            float cover = std::clamp(float(y) + 1.f - top, 0.f, 1.f);
            c.Blend(x, y, colour(x, y), cover);
        }
    }
}

void Sky(Canvas& c)
{
    const float sx = 512.f, sy = 150.f;
    PaintPixels(c, {0, 0, W, H}, [&](int x, int y) {
        float dx = float(x) - sx, dy = float(y) - sy;
        float d = std::hypot(dx, dy * 1.3f) / 700.f;
        sf::Color inner = Rgb(255, 246, 214), mid = Rgb(250, 196, 150), outer = Rgb(150, 110, 170);
        sf::Color col = d < 0.45f ? Mix(inner, mid, d / 0.45f) : Mix(mid, outer, (d - 0.45f) / 0.55f);
        // Soft rays fanning out from behind the title.
        float angle = std::atan2(dy, dx);
        float ray = 0.5f + 0.5f * std::cos(angle * 14.f);
        float fade = std::clamp((d - 0.12f) * 3.f, 0.f, 1.f) * std::clamp(1.2f - d, 0.f, 1.f);
        return Mix(col, Shade(col, 1.12f), ray * fade * 0.6f);
    });
}

void Clouds(Canvas& c)
{
    Dice dice(5001u);
    for (int i = 0; i < 9; ++i) {
        float x = dice.Range(0, W), y = dice.Range(230, 330), s = dice.Range(22, 40);
        if (x > 340 && x < 690 && y < 260)
            continue;
        for (int k = 0; k < 4; ++k)
            c.FillEllipse(x + float(k) * s * 0.8f, y - (k % 2 ? s * 0.35f : 0.f), s, s * 0.5f, Rgb(255, 240, 235, 110));
    }
}

void Firework(Canvas& c, float cx, float cy, float radius, sf::Color colour, int rays, std::uint32_t seed)
{
    Dice dice(seed);
    Glow(c, cx, cy, radius * 1.1f, WithAlpha(colour, 90));
    for (int i = 0; i < rays; ++i) {
        float a = 2.f * Pi * float(i) / float(rays) + dice.Range(-0.05f, 0.05f);
        float r0 = radius * 0.25f, r1 = radius * dice.Range(0.8f, 1.f);
        float ax = cx + std::cos(a) * r0, ay = cy + std::sin(a) * r0;
        float bx = cx + std::cos(a) * r1, by = cy + std::sin(a) * r1 + radius * 0.08f;  // a slight droop
        c.Line(ax, ay, bx, by, 3.f, WithAlpha(colour, 200));
        c.Line(ax, ay, bx, by, 1.2f, Shade(colour, 1.6f));
        c.FillCircle(bx, by, 3.2f, Shade(colour, 1.7f));
    }
    c.FillCircle(cx, cy, radius * 0.12f, Rgb(255, 255, 240));
}

void Horizon(Canvas& c)
{
    // Forest hills on the left, the volcano in the middle, the lab's towers on the right.
    FillBelow(c, 0, W, [](float x) {
        return 470.f - 40.f * (PeriodicFbm(x, 0.f, W, 128, 3, 5101u) - 0.5f) * 2.f - 10.f * std::fabs(std::sin(x * Pi / 24.f));
    }, [](int, int y) { return Mix(Rgb(150, 170, 170), Rgb(120, 150, 140), float(y - 420) / 200.f); });
    // Volcano, resting: a faint plume.
    c.FillPolygon({{380, 480}, {470, 360}, {500, 360}, {600, 480}}, Rgb(150, 120, 130));
    c.FillPolygon({{470, 360}, {500, 360}, {492, 372}, {478, 372}}, Rgb(230, 150, 110));
    for (int s = 0; s < 6; ++s)
        c.FillCircle(486.f + float(s) * 9.f, 345.f - float(s) * 16.f, 10.f + float(s) * 4.f, Rgb(230, 215, 215, 70));
    // Lab towers.
    sf::Color tower = Rgb(140, 150, 170);
    c.FillRect({780, 370, 40, 110}, tower);
    c.FillRect({830, 400, 30, 80}, Shade(tower, 0.95f));
    c.FillRect({870, 340, 26, 140}, Shade(tower, 1.05f));
    c.FillRect({881, 310, 4, 30}, tower);
    c.FillCircle(883, 308, 5, Rgb(120, 230, 255));
    for (int y = 380; y < 470; y += 14)
        c.FillRect({788, y, 24, 4}, Rgb(190, 230, 245, 200));
    for (int y = 352; y < 470; y += 16)
        c.FillRect({875, y, 16, 4}, Rgb(190, 230, 245, 200));
}

void Hills(Canvas& c)
{
    // A green field across the whole width.
    FillBelow(c, 0, W, [](float x) {
        return 520.f + 26.f * std::sin(x / 180.f) - 20.f * (PeriodicFbm(x, 0.f, W, 256, 2, 5201u) - 0.5f);
    }, [](int x, int y) {
        float n = PeriodicNoise(float(x), float(y), 32, 32, 5202u);
        return Scale(Mix(Rgb(120, 190, 80), Rgb(70, 140, 60), float(y - 480) / 288.f), 0.95f + 0.08f * n);
    });
    // The hill of the trophy, on the right.
    FillBelow(c, 500, W, [](float x) {
        float u = (x - 790.f) / 260.f;
        return 470.f + 150.f * u * u;
    }, [](int x, int y) {
        float n = PeriodicNoise(float(x), float(y), 32, 32, 5203u);
        return Scale(Mix(Rgb(130, 200, 84), Rgb(80, 150, 60), float(y - 460) / 300.f), 0.95f + 0.08f * n);
    });
    // A quiet, shaded hillside at the lower left, where the screen's text lies.
    FillBelow(c, 0, 700, [](float x) {
        float u = x / 700.f;
        return 520.f + 250.f * u * u * u * u;
    }, [](int x, int y) {
        float n = PeriodicNoise(float(x), float(y), 64, 16, 5204u);
        return Scale(Mix(Rgb(56, 92, 58), Rgb(30, 52, 38), float(y - 520) / 248.f), 0.96f + 0.06f * n);
    });
    // Its lit rim.
    for (int x = 0; x < 700; ++x) {
        float u = float(x) / 700.f;
        float top = 520.f + 250.f * u * u * u * u;
        c.FillRect({x, int(top), 1, 2}, Rgb(120, 180, 90, 160));
    }
}

void Trophy(Canvas& c)
{
    const sf::Color ink = Rgb(60, 36, 10);
    const float cx = 790.f, base = 494.f;
    // Pedestal.
    c.FillRect({int(cx) - 56, int(base) - 54, 112, 30}, ink);
    c.FillRect({int(cx) - 54, int(base) - 52, 108, 26}, Rgb(120, 80, 50));
    c.FillRect({int(cx) - 54, int(base) - 52, 108, 4}, Rgb(170, 120, 80));
    c.FillRect({int(cx) - 40, int(base) - 84, 80, 32}, ink);
    c.FillRect({int(cx) - 38, int(base) - 82, 76, 28}, Rgb(140, 96, 60));
    c.FillRect({int(cx) - 38, int(base) - 82, 76, 4}, Rgb(190, 140, 95));
    // Coins piled round the foot of the trophy.
    Dice dice(5301u);
    for (int i = 0; i < 46; ++i) {
        float x = cx + dice.Range(-130, 130);
        float spread = 1.f - std::fabs(x - cx) / 140.f;
        float y = base - dice.Range(-4.f, 30.f * spread);
        c.FillEllipse(x, y + 1.5f, 11.f, 5.5f, ink);
        c.FillEllipse(x, y, 10.f, 4.8f, Rgb(220, 160, 30));
        c.FillEllipse(x - 1.f, y - 0.8f, 7.f, 3.f, Rgb(255, 215, 80));
    }
    // Cup.
    float top = base - 250.f;
    Glow(c, cx, top + 70.f, 150.f, Rgb(255, 240, 160, 110));
    auto cup = [&](float grow, sf::Color col) {
        c.FillPolygon({{cx - 70 - grow, top - grow}, {cx + 70 + grow, top - grow}, {cx + 58 + grow, top + 60},
                       {cx + 26 + grow, top + 100 + grow}, {cx - 26 - grow, top + 100 + grow}, {cx - 58 - grow, top + 60}},
                      col);
        c.FillRect({int(cx - 10 - grow), int(top + 95), int(20 + 2 * grow), 50}, col);
        c.FillPolygon({{cx - 34 - grow, top + 166 + grow}, {cx + 34 + grow, top + 166 + grow}, {cx + 16 + grow, top + 140},
                       {cx - 16 - grow, top + 140}},
                      col);
        c.FillRing(cx - 70, top + 40, 30 + grow, 20 - grow, col);
        c.FillRing(cx + 70, top + 40, 30 + grow, 20 - grow, col);
    };
    cup(3.f, ink);
    cup(0.f, Rgb(232, 170, 30));
    // Shading: light from the top-left.
    c.FillPolygon({{cx - 62, top + 6}, {cx - 36, top + 6}, {cx - 20, top + 90}, {cx - 30, top + 92}, {cx - 52, top + 56}},
                  Rgb(255, 232, 130));
    c.FillPolygon({{cx + 40, top + 4}, {cx + 66, top + 4}, {cx + 54, top + 58}, {cx + 24, top + 98}, {cx + 18, top + 96}},
                  Rgb(190, 120, 20));
    c.FillEllipse(cx, top, 70, 10, ink);
    c.FillEllipse(cx, top, 67, 8, Rgb(150, 96, 16));
    // A star on the cup.
    std::vector<sf::Vector2f> star;
    for (int k = 0; k < 10; ++k) {
        float a = -Pi / 2.f + float(k) * Pi / 5.f, r = (k % 2) ? 10.f : 24.f;
        star.push_back({cx + std::cos(a) * r, top + 48.f + std::sin(a) * r});
    }
    c.FillPolygon(star, Rgb(255, 250, 220));
    // Sparkles.
    for (auto [x, y, s] : {std::tuple{cx - 50.f, top + 20.f, 12.f}, {cx + 86.f, top - 16.f, 9.f}, {cx + 30.f, top + 130.f, 7.f}}) {
        c.FillPolygon({{x, y - s}, {x + s * 0.25f, y - s * 0.25f}, {x + s, y}, {x + s * 0.25f, y + s * 0.25f}, {x, y + s},
                       {x - s * 0.25f, y + s * 0.25f}, {x - s, y}, {x - s * 0.25f, y - s * 0.25f}},
                      Rgb(255, 255, 255, 230));
    }
}

void GoalFlag(Canvas& c)
{
    const sf::Color ink = Rgb(40, 30, 30);
    float px = 620.f, base = 520.f, top = 330.f;
    c.FillRect({int(px) - 4, int(top), 8, int(base - top)}, ink);
    c.FillRect({int(px) - 2, int(top), 4, int(base - top)}, Rgb(235, 235, 240));
    c.FillCircle(px, top - 4, 9, ink);
    c.FillCircle(px, top - 4, 7, Rgb(250, 210, 60));
    const int cols = 8, rows = 5;
    auto pt = [&](int i, int j) {
        float u = float(i) / cols;
        float wave = std::sin(u * 2.f * Pi - 0.8f) * 10.f * u;
        return sf::Vector2f{px + 4 + u * 130.f, top + 6 + float(j) / rows * 80.f + wave};
    };
    c.FillPolygon({pt(0, 0) + sf::Vector2f{-2, -3}, pt(cols, 0) + sf::Vector2f{3, -3}, pt(cols, rows) + sf::Vector2f{3, 3},
                   pt(0, rows) + sf::Vector2f{-2, 3}},
                  ink);
    for (int i = 0; i < cols; ++i)
        for (int j = 0; j < rows; ++j) {
            bool white = (i + j) % 2 == 0;
            c.FillPolygon({pt(i, j), pt(i + 1, j), pt(i + 1, j + 1), pt(i, j + 1)},
                          white ? Rgb(250, 250, 250) : Rgb(40, 40, 50));
        }
}

void Confetti(Canvas& c)
{
    Dice dice(5401u);
    const sf::Color colours[] = {Rgb(240, 70, 90), Rgb(60, 170, 240), Rgb(250, 210, 50), Rgb(90, 200, 100),
                                 Rgb(200, 90, 220), Rgb(255, 140, 40)};
    for (int i = 0; i < 260; ++i) {
        float x = dice.Range(0, W), y = dice.Range(0, 540);
        // Keep the heading and the text block clear.
        if (x > 330 && x < 700 && y < 180)
            continue;
        if (x < 450 && y > 500)
            continue;
        float a = dice.Range(0, Pi), l = dice.Range(4, 9), w = dice.Range(2.f, 3.5f);
        sf::Color col = colours[dice.Int(0, 5)];
        c.Line(x - std::cos(a) * l * 0.5f, y - std::sin(a) * l * 0.5f, x + std::cos(a) * l * 0.5f,
               y + std::sin(a) * l * 0.5f, w, col);
    }
    // Streamers.
    for (int s = 0; s < 5; ++s) {
        float x0 = dice.Range(20, 1000), y0 = dice.Range(190, 400);
        if (x0 < 460 && y0 > 380)
            continue;
        sf::Color col = colours[s];
        for (int k = 0; k < 30; ++k) {
            float t = float(k) / 30.f;
            float ax = x0 + t * 70.f, ay = y0 + std::sin(t * 8.f) * 10.f + t * 40.f;
            float bx = x0 + (t + 1.f / 30.f) * 70.f, by = y0 + std::sin((t + 1.f / 30.f) * 8.f) * 10.f + (t + 1.f / 30.f) * 40.f;
            c.Line(ax, ay, bx, by, 3.f, col);
        }
    }
}

void PaintVictory(Canvas& c)
{
    Sky(c);
    Firework(c, 150, 120, 90, Rgb(240, 80, 140), 22, 5501u);
    Firework(c, 900, 110, 80, Rgb(80, 170, 255), 20, 5502u);
    Firework(c, 260, 300, 55, Rgb(255, 200, 60), 16, 5503u);
    Firework(c, 980, 300, 50, Rgb(140, 230, 120), 16, 5504u);
    Firework(c, 730, 60, 40, Rgb(255, 140, 60), 14, 5505u);
    Clouds(c);
    Horizon(c);
    Hills(c);
    GoalFlag(c);
    Trophy(c);
    Confetti(c);
}

const TextureRegistration registration{"Gfx/Victory.png", W, H, PaintVictory};

}  // namespace
}  // namespace texgen
