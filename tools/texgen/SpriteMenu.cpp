// "Gfx/Menu.png" (432 x 616): everything the menus and the head-up display
// cut from the interface texture.
//
//   text-button plates (black labels go on them, so they are light):
//     (0, 0, 125, 50) world 1 levels, (0, 50, 125, 50) world 2 levels,
//     (125, 0, 125, 50) world 3 levels, (250, 0, 125, 50) resume,
//     (125, 50, 300, 30) profile / key-binding plate, (216, 137, 180, 30)
//     option plate; the last two are tinted by the menus, so they are near white
//   loading bar (125, 80, 200, 24): pale, the fill is the same picture tinted
//   head-up display: icons (33 i, 104, 33, 33) for i = 0 coins, 1 lives,
//     2 score, 3 rockets, 4 rolling bombs, 5 mines, 6 invulnerability,
//     7 time distortion, 8 jetpack, 9 hearts; counter panel (0, 137, 106, 39)
//     and hearts panel (96, 137, 106, 39) share the columns 96-105, which are
//     left empty so that either panel ends cleanly; heart (202, 137, 14, 27)
//   button grid from y 176 in 36-px cells, each button with its label:
//     0 Play, 1 Credits, 2 Options, 3 Highscores, 4 Start, 5 Quit,
//     6 New profile, 7 Delete profile, 8 Resume, 9 Reset, 10 Confirm,
//     11 Cancel, 12 Leave level, 13 Back, 14 Apply
//   title frame (0, 538, 335, 78): the game's name on a banner; the main menu
//     shows it alone, the other menus put their heading under it
#include "SpriteArt.h"
#include "TextureRegistry.h"

#include <string>

namespace texgen {
namespace {

using namespace sprite;

// ---------------------------------------------------------------------------
// text-button plates

void Plate(Canvas& c, const sf::IntRect& r, sf::Color rim, sf::Color face, float radius)
{
    Local l(c, r.left, r.top, r.width, r.height);
    float w = float(r.width), h = float(r.height);
    l.Rect(0.5f, 0.5f, w - 1.f, h - 1.f, Ink, radius);
    l.Rect(1.5f, 1.5f, w - 3.f, h - 3.f, rim, radius - 1.f);
    l.Rect(3.5f, 3.5f, w - 7.f, h - 7.f, Shade(face, 0.8f), radius - 2.f);
    l.Rect(3.5f, 3.5f, w - 8.f, h - 8.f, face, radius - 2.f);
    l.Rect(6.f, 5.f, w - 12.f, (h - 10.f) * 0.4f, Shade(face, 1.25f), (h - 10.f) * 0.2f);
    l.Rect(3.f, 2.f, w - 6.f, 1.f, Shade(rim, 1.4f));
}

void WorldPlate(Canvas& c, const sf::IntRect& r, int world)
{
    const sf::Color rims[] = {Rgb(60, 140, 50), Rgb(200, 70, 30), Rgb(70, 120, 180), Rgb(210, 160, 40)};
    const sf::Color faces[] = {Rgb(215, 240, 195), Rgb(250, 215, 185), Rgb(210, 225, 240), Rgb(250, 235, 180)};
    Plate(c, r, rims[world], faces[world], 10.f);
    Local l(c, r.left, r.top, r.width, r.height);
    // small emblems in the corners, clear of the centred label
    for (float x : {12.f, float(r.width) - 12.f}) {
        float y = 25.f;
        switch (world) {
        case 0:
            l.Polygon({{x, y - 7.f}, {x + 4.f, y}, {x, y + 7.f}, {x - 4.f, y}}, Rgb(80, 170, 60));
            l.Line(x, y - 6.f, x, y + 6.f, 0.8f, Rgb(40, 100, 30));
            break;
        case 1:
            l.Polygon({{x - 5.f, y + 6.f}, {x, y - 6.f}, {x + 5.f, y + 6.f}}, Rgb(110, 80, 70));
            l.Polygon({{x - 2.f, y - 2.f}, {x, y - 6.f}, {x + 2.f, y - 2.f}}, Rgb(255, 120, 30));
            break;
        case 2:
            l.Circle(x, y, 5.f, Rgb(120, 135, 155));
            l.Circle(x, y, 2.f, Rgb(80, 220, 255));
            break;
        default:
            Star(c, l.x0 + x, l.y0 + y, 6.f, 2.6f, 0.f, Rgb(240, 170, 30));
            break;
        }
    }
}

void LoadingBar(Canvas& c)
{
    Local l(c, 125, 80, 200, 24);
    l.Rect(0.5f, 0.5f, 199.f, 23.f, Ink, 11.f);
    l.Rect(1.5f, 1.5f, 197.f, 21.f, Rgb(200, 200, 205), 10.f);
    l.Rect(3.f, 3.f, 194.f, 18.f, Rgb(235, 235, 240), 9.f);
    l.Rect(8.f, 4.f, 184.f, 6.f, Rgb(255, 255, 255), 3.f);
    for (int i = 0; i < 12; ++i)
        l.Polygon({{12.f + 16.f * float(i), 20.f}, {20.f + 16.f * float(i), 4.f}, {25.f + 16.f * float(i), 4.f},
                   {17.f + 16.f * float(i), 20.f}},
                  Rgb(215, 215, 222));
}

// ---------------------------------------------------------------------------
// head-up display

void HudIcons(Canvas& c)
{
    for (int i = 0; i < 10; ++i) {
        c.SetClip({33 * i, 104, 33, 33});
        float cx = 33.f * float(i) + 16.5f, cy = 120.5f;
        switch (i) {
        case 0: IconCoin(c, cx, cy, 30.f); break;
        case 1: IconLife(c, cx, cy, 30.f); break;
        case 2: IconTrophy(c, cx, cy, 31.f); break;
        case 3: IconRocket(c, cx, cy, 34.f); break;
        case 4: IconBomb(c, cx, cy, 28.f); break;
        case 5: IconMine(c, cx, cy + 1.f, 30.f); break;
        case 6: IconShield(c, cx, cy, 28.f); break;
        case 7: IconHourglass(c, cx, cy, 28.f); break;
        case 8: IconJetpack(c, cx, cy, 28.f); break;
        default: IconHeart(c, cx, cy, 28.f); break;
        }
    }
    c.ResetClip();
}

// A dark glassy pill with a round end behind the icon.
void Panel(Canvas& c, float left, float right, float iconX)
{
    c.SetClip({int(left), 137, int(right - left), 39});
    sf::Color rim = Rgb(230, 200, 120, 235), body = Rgb(30, 25, 40, 190);
    c.FillRoundedRect({left + 0.5f, 141.f, right - left - 1.f, 31.f}, 14.f, rim);
    c.FillCircle(iconX, 156.5f, 18.5f, rim);
    c.FillRoundedRect({left + 2.f, 142.5f, right - left - 4.f, 28.f}, 13.f, body);
    c.FillCircle(iconX, 156.5f, 17.f, body);
    c.FillRoundedRect({left + 8.f, 144.f, right - left - 16.f, 5.f}, 2.5f, Rgb(255, 255, 255, 40));
    c.ResetClip();
}

void Hud(Canvas& c)
{
    HudIcons(c);
    Panel(c, 0.f, 96.f, 19.5f);      // the icon sits at (3, 3)
    Panel(c, 107.f, 202.f, 183.5f);  // hearts panel: icon at (71, 3) of the panel
    // the heart
    c.SetClip({202, 137, 14, 27});
    c.FillRect({202, 137, 14, 27}, sf::Color::Transparent);
    Heart(c, 209.f, 150.5f, 14.f, 13.f, Ink);
    Heart(c, 209.f, 150.3f, 12.f, 11.f, Rgb(230, 40, 60));
    c.FillEllipse(206.f, 147.5f, 1.8f, 1.2f, Rgb(255, 200, 210));
    c.ResetClip();
}

// ---------------------------------------------------------------------------
// the button grid

enum class Mood { Go, Stop, Neutral, Info };

enum class Glyph { None, Play, Power, Back, Check, Cross, Plus, Minus, Pause, Gear, Star, Scroll, Door, Reset };

void DrawGlyph(Canvas& c, Glyph g, float cx, float cy, float s, sf::Color col)
{
    sf::Color shadow = Rgb(0, 0, 0, 110);
    for (int pass = 0; pass < 2; ++pass) {
        sf::Color k = pass == 0 ? shadow : col;
        float o = pass == 0 ? 1.5f : 0.f;
        float x = cx + o, y = cy + o;
        switch (g) {
        case Glyph::Play: c.FillPolygon({{x - s * 0.4f, y - s * 0.5f}, {x + s * 0.5f, y}, {x - s * 0.4f, y + s * 0.5f}}, k); break;
        case Glyph::Power:
            for (int i = 0; i < 12; ++i) {   // an open ring with a bar through its gap
                float t0 = Rad(40.f + 23.3f * float(i)), t1 = Rad(40.f + 23.3f * float(i + 1));
                float r = s * 0.4f;
                c.Line(x + std::sin(t0) * r, y - std::cos(t0) * r, x + std::sin(t1) * r, y - std::cos(t1) * r,
                       s * 0.16f, k);
            }
            c.Line(x, y - s * 0.55f, x, y - s * 0.05f, s * 0.16f, k);
            break;
        case Glyph::Back:
            c.FillPolygon({{x - s * 0.5f, y}, {x, y - s * 0.45f}, {x, y + s * 0.45f}}, k);
            c.FillRect({int(x - 0.5f), int(y - s * 0.17f), int(s * 0.5f), int(s * 0.34f)}, k);
            break;
        case Glyph::Check:
            c.Line(x - s * 0.45f, y, x - s * 0.1f, y + s * 0.35f, s * 0.2f, k);
            c.Line(x - s * 0.1f, y + s * 0.35f, x + s * 0.5f, y - s * 0.4f, s * 0.2f, k);
            break;
        case Glyph::Cross:
            c.Line(x - s * 0.4f, y - s * 0.4f, x + s * 0.4f, y + s * 0.4f, s * 0.2f, k);
            c.Line(x - s * 0.4f, y + s * 0.4f, x + s * 0.4f, y - s * 0.4f, s * 0.2f, k);
            break;
        case Glyph::Plus:
            c.Line(x - s * 0.45f, y, x + s * 0.45f, y, s * 0.2f, k);
            c.Line(x, y - s * 0.45f, x, y + s * 0.45f, s * 0.2f, k);
            break;
        case Glyph::Minus: c.Line(x - s * 0.45f, y, x + s * 0.45f, y, s * 0.2f, k); break;
        case Glyph::Pause:
            c.FillRect({int(x - s * 0.35f), int(y - s * 0.4f), int(s * 0.25f), int(s * 0.8f)}, k);
            c.FillRect({int(x + s * 0.1f), int(y - s * 0.4f), int(s * 0.25f), int(s * 0.8f)}, k);
            break;
        case Glyph::Gear:
            for (int i = 0; i < 8; ++i) {
                float a = Rad(45.f * float(i));
                c.Line(x, y, x + std::cos(a) * s * 0.5f, y + std::sin(a) * s * 0.5f, s * 0.2f, k);
            }
            c.FillRing(x, y, s * 0.38f, s * 0.14f, k);
            break;
        case Glyph::Star: Star(c, x, y, s * 0.55f, s * 0.24f, 0.f, k); break;
        case Glyph::Scroll:
            c.FillRoundedRect({x - s * 0.4f, y - s * 0.45f, s * 0.8f, s * 0.9f}, s * 0.1f, k);
            break;
        case Glyph::Door:
            c.FillRoundedRect({x - s * 0.3f, y - s * 0.5f, s * 0.6f, s}, s * 0.08f, k);
            break;
        case Glyph::Reset:
            c.FillRing(x, y, s * 0.45f, s * 0.28f, k);
            c.FillPolygon({{x + s * 0.2f, y - s * 0.6f}, {x + s * 0.6f, y - s * 0.35f}, {x + s * 0.2f, y - s * 0.1f}}, k);
            break;
        case Glyph::None: break;
        }
    }
    if (g == Glyph::Scroll)
        for (int i = 0; i < 3; ++i)
            c.FillRect({int(cx - s * 0.25f), int(cy - s * 0.25f + s * 0.22f * float(i)), int(s * 0.5f), 2},
                       Rgb(120, 80, 30));
    if (g == Glyph::Door)
        c.FillCircle(cx + s * 0.15f, cy, s * 0.07f, Rgb(120, 80, 30));
}

void GridButton(Canvas& c, int column, int row, int columns, int rows, const std::string& label, Mood mood,
                Glyph glyph)
{
    int x = column * 36, y = 176 + row * 36, w = columns * 36, h = rows * 36;
    Local l(c, x, y, w, h);
    sf::Color face, rim;
    switch (mood) {
    case Mood::Go: face = Rgb(70, 160, 60); rim = Rgb(200, 240, 150); break;
    case Mood::Stop: face = Rgb(190, 50, 40); rim = Rgb(250, 170, 140); break;
    case Mood::Info: face = Rgb(50, 110, 180); rim = Rgb(170, 210, 250); break;
    default: face = Rgb(190, 125, 40); rim = Rgb(250, 215, 140); break;
    }
    float fw = float(w), fh = float(h);
    float radius = rows > 1 ? 16.f : 10.f;
    l.Rect(1.f, 1.f, fw - 2.f, fh - 2.f, Ink, radius);
    l.Rect(2.f, 2.f, fw - 4.f, fh - 4.f, rim, radius - 1.f);
    l.Rect(4.f, 4.f, fw - 8.f, fh - 8.f, Shade(face, 0.7f), radius - 3.f);
    l.Rect(4.f, 4.f, fw - 9.f, fh - 9.f, face, radius - 3.f);
    l.Rect(8.f, 5.5f, fw - 16.f, (fh - 10.f) * 0.42f, Shade(face, 1.22f), (fh - 10.f) * 0.2f);

    unsigned size = rows > 1 ? 26u : 17u;
    float glyphSize = rows > 1 ? 30.f : 0.f;
    sf::Vector2f text = Canvas::MeasureText(label, size);
    float gap = glyphSize > 0.f ? 10.f : 0.f;
    float total = text.x + glyphSize + gap;
    float left = std::round((fw - total) / 2.f);
    if (glyphSize > 0.f)
        DrawGlyph(c, glyph, l.x0 + left + glyphSize / 2.f, l.y0 + fh / 2.f, glyphSize, Rgb(255, 250, 235));
    float tx = l.x0 + left + glyphSize + gap, ty = std::round(l.y0 + (fh - text.y) / 2.f);
    c.Text(label, tx + 1.5f, ty + 1.5f, size, Rgb(0, 0, 0, 120));
    c.Text(label, tx, ty, size, Rgb(255, 250, 235));
}

void ButtonGrid(Canvas& c)
{
    GridButton(c, 0, 0, 5, 2, "Play", Mood::Go, Glyph::Play);             // 0
    GridButton(c, 5, 7, 4, 1, "Credits", Mood::Neutral, Glyph::None);     // 1
    GridButton(c, 5, 8, 4, 1, "Options", Mood::Neutral, Glyph::None);     // 2
    GridButton(c, 5, 6, 4, 1, "Highscores", Mood::Neutral, Glyph::None);  // 3
    GridButton(c, 0, 2, 5, 2, "Start", Mood::Go, Glyph::Star);            // 4
    GridButton(c, 0, 4, 5, 2, "Quit", Mood::Stop, Glyph::Power);          // 5
    GridButton(c, 5, 0, 5, 2, "New", Mood::Info, Glyph::Plus);            // 6
    GridButton(c, 5, 2, 5, 2, "Delete", Mood::Stop, Glyph::Minus);        // 7
    GridButton(c, 5, 4, 5, 2, "Resume", Mood::Go, Glyph::Play);           // 8
    GridButton(c, 9, 6, 3, 1, "Reset", Mood::Stop, Glyph::None);          // 9
    GridButton(c, 9, 8, 3, 1, "Confirm", Mood::Go, Glyph::None);          // 10
    GridButton(c, 9, 7, 3, 1, "Cancel", Mood::Stop, Glyph::None);         // 11
    GridButton(c, 5, 9, 4, 1, "Leave level", Mood::Neutral, Glyph::None); // 12
    GridButton(c, 0, 6, 5, 2, "Back", Mood::Info, Glyph::Back);           // 13
    GridButton(c, 0, 8, 5, 2, "Apply", Mood::Go, Glyph::Check);           // 14
}

// ---------------------------------------------------------------------------
// title frame

void TitleFrame(Canvas& c)
{
    Local l(c, 0, 538, 335, 78);
    // ribbon tails
    for (int side : {-1, 1}) {
        float x = 167.5f + side * 150.f;
        l.Polygon({{x - side * 30.f, 30.f}, {x + side * 16.f, 30.f}, {x + side * 4.f, 48.f}, {x + side * 16.f, 66.f},
                   {x - side * 30.f, 66.f}},
                  Rgb(140, 30, 30));
        l.Polygon({{x - side * 30.f, 60.f}, {x - side * 12.f, 66.f}, {x - side * 30.f, 70.f}}, Rgb(90, 15, 15));
    }
    // banner
    l.Rect(22.f, 8.f, 291.f, 62.f, Ink, 12.f);
    l.Rect(24.f, 10.f, 287.f, 58.f, Rgb(240, 190, 80), 11.f);
    l.Rect(28.f, 14.f, 279.f, 50.f, Rgb(160, 40, 35), 8.f);
    l.Rect(30.f, 16.f, 275.f, 18.f, Rgb(195, 65, 50), 7.f);
    for (float x : {40.f, 295.f}) {
        l.Circle(x, 39.f, 5.f, Rgb(240, 190, 80));
        l.Circle(x - 1.f, 38.f, 2.f, Rgb(255, 240, 190));
    }
    Star(c, l.x0 + 167.5f, l.y0 + 9.f, 8.f, 3.5f, 0.f, Ink);
    Star(c, l.x0 + 167.5f, l.y0 + 9.f, 6.5f, 2.8f, 0.f, Rgb(255, 220, 90));
    // the name, outlined
    const std::string name = "VRENK II";
    sf::FloatRect box = l.F(50.f, 13.f, 235.f, 52.f);
    for (int oy = -2; oy <= 2; ++oy)
        for (int ox = -2; ox <= 2; ++ox)
            if (ox * ox + oy * oy <= 5)
                c.TextCentered(name, {box.left + float(ox), box.top + float(oy) + 1.f, box.width, box.height}, 40,
                               Rgb(50, 15, 10));
    c.TextCentered(name, box, 40, Rgb(255, 225, 120));
    c.SetClip({int(box.left), int(box.top), int(box.width), int(box.height / 2.f)});
    c.TextCentered(name, box, 40, Rgb(255, 245, 200));
    c.SetClip(l.Cell());
}

void PaintMenu(Canvas& c)
{
    WorldPlate(c, {0, 0, 125, 50}, 0);
    WorldPlate(c, {0, 50, 125, 50}, 1);
    WorldPlate(c, {125, 0, 125, 50}, 2);
    WorldPlate(c, {250, 0, 125, 50}, 3);
    Plate(c, {125, 50, 300, 30}, Rgb(200, 200, 200), Rgb(250, 250, 245), 8.f);
    Plate(c, {216, 137, 180, 30}, Rgb(205, 205, 205), Rgb(250, 250, 250), 8.f);
    LoadingBar(c);
    Hud(c);
    ButtonGrid(c);
    TitleFrame(c);
}

const TextureRegistration reg{"Gfx/Menu.png", 432, 616, PaintMenu};

}  // namespace
}  // namespace texgen
