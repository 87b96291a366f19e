// Painters of the keepsakes the meta screens show: the trophy room's six
// empty settings and the 25 medals that sit in them, the island map's strip
// of eight mystery sockets, the badge of each mystery (on the map and in the
// island chooser), the map's trophy button and the chooser's name plate.
//
// The room places each setting and each medal by its own top-left corner,
// and those corners differ trophy by trophy; the medal is drawn where its
// setting's middle falls in the medal's picture, one size larger, so that a
// won trophy hides its setting whole. The settings are sized and nudged
// within their pictures so that none meets another or the text box above.
#include "CPackRandom.h"
#include "PackLettering.h"
#include "PackManifest.h"
#include "PackPainters.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr float kPi = 3.14159265f;

// ---------------------------------------------------------------------------
// Smooth-edged shapes: a medal is larger than the world's sprites and is
// looked at closely, so its round edges are sampled sixteen times a pixel.

template <typename Inside, typename ColourAt>
void FillSoft(CPictureCanvas& canvas, float left, float top, float right, float bottom, Inside inside,
              ColourAt colourAt)
{
    const int x0 = std::max(0, static_cast<int>(std::floor(left)) - 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(top)) - 1);
    const int x1 = std::min(canvas.Width() - 1, static_cast<int>(std::ceil(right)) + 1);
    const int y1 = std::min(canvas.Height() - 1, static_cast<int>(std::ceil(bottom)) + 1);
    for (int y = y0; y <= y1; y++) {
        for (int x = x0; x <= x1; x++) {
            int hits = 0;
            for (int sy = 0; sy < 4; sy++) {
                for (int sx = 0; sx < 4; sx++) {
                    hits += inside(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4) ? 1 : 0;
                }
            }
            if (hits) {
                const paint_colour colour = colourAt(x + 0.5f, y + 0.5f);
                canvas.Blend(x, y, WithAlpha(colour, colour.a * hits / 16.0f));
            }
        }
    }
}

void SoftDisc(CPictureCanvas& canvas, paint_point c, float r, paint_colour colour)
{
    FillSoft(canvas, c.x - r, c.y - r, c.x + r, c.y + r,
             [&](float px, float py) { return (px - c.x) * (px - c.x) + (py - c.y) * (py - c.y) <= r * r; },
             [&](float, float) { return colour; });
}

void SoftEllipse(CPictureCanvas& canvas, paint_point c, float rx, float ry, paint_colour colour)
{
    FillSoft(canvas, c.x - rx, c.y - ry, c.x + rx, c.y + ry,
             [&](float px, float py) {
                 const float u = (px - c.x) / rx, v = (py - c.y) / ry;
                 return u * u + v * v <= 1.0f;
             },
             [&](float, float) { return colour; });
}

void SoftRing(CPictureCanvas& canvas, paint_point c, float r, float thickness, paint_colour colour)
{
    const float inner = std::max(0.0f, r - thickness);
    FillSoft(canvas, c.x - r, c.y - r, c.x + r, c.y + r,
             [&](float px, float py) {
                 const float d = (px - c.x) * (px - c.x) + (py - c.y) * (py - c.y);
                 return d <= r * r && d >= inner * inner;
             },
             [&](float, float) { return colour; });
}

void SoftPolygon(CPictureCanvas& canvas, const std::vector<paint_point>& corners, paint_colour colour)
{
    const paint_bounds box = BoundsOf(corners);
    FillSoft(canvas, box.left, box.top, box.right, box.bottom,
             [&](float px, float py) { return InsidePolygon(corners, px, py); },
             [&](float, float) { return colour; });
}

void SoftLine(CPictureCanvas& canvas, paint_point a, paint_point b, float width, paint_colour colour)
{
    const float r = width / 2;
    FillSoft(canvas, std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r,
             [&](float px, float py) { return NearSegment(a, b, r, px, py); }, [&](float, float) { return colour; });
}

// A shape outlined in a darker tone of its fill.
void Outlined(CPictureCanvas& canvas, const std::vector<paint_point>& corners, paint_colour fill, float edgeWidth)
{
    SoftPolygon(canvas, corners, fill);
    const paint_colour edge = Mix(fill, Rgb(20, 14, 10), 0.6f);
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        SoftLine(canvas, corners[j], corners[i], edgeWidth, edge);
    }
}

std::vector<paint_point> Star(paint_point c, float outer, float inner, int points, float turn = -kPi / 2)
{
    std::vector<paint_point> corners;
    for (int i = 0; i < points * 2; i++) {
        const float angle = turn + i * kPi / points;
        const float r = i % 2 ? inner : outer;
        corners.push_back({c.x + r * std::cos(angle), c.y + r * std::sin(angle)});
    }
    return corners;
}

// ---------------------------------------------------------------------------
// The pictures inside medals and badges. Each draws into the square of half
// side s round c, in the colours of the thing itself.

struct emblem_frame {
    paint_point c;
    float s;
    paint_point at(float x, float y) const { return {c.x + x * s, c.y + y * s}; }
    float len(float k) const { return k * s; }
};

const paint_colour kInkDark = Rgb(44, 30, 20);
const paint_colour kGold = Rgb(240, 192, 64);
const paint_colour kSilver = Rgb(214, 222, 236);
const paint_colour kSkins[4] = {Rgb(250, 214, 176), Rgb(214, 160, 110), Rgb(160, 104, 66), Rgb(110, 70, 44)};
const paint_colour kShirts[5] = {Rgb(220, 70, 60), Rgb(60, 120, 210), Rgb(250, 200, 60), Rgb(90, 170, 80),
                                 Rgb(170, 90, 190)};

// A standing islander, head and body, feet at foot, height h.
void Figure(CPictureCanvas& canvas, paint_point foot, float h, paint_colour skin, paint_colour shirt)
{
    const float head = h * 0.17f;
    const paint_point neck{foot.x, foot.y - h + head * 2};
    const float shoulders = h * 0.22f, hips = h * 0.15f;
    Outlined(canvas, {{neck.x - shoulders, neck.y + h * 0.06f}, {neck.x + shoulders, neck.y + h * 0.06f},
                      {foot.x + hips, foot.y - h * 0.28f}, {foot.x - hips, foot.y - h * 0.28f}},
             shirt, std::max(1.0f, h / 30));
    SoftLine(canvas, {foot.x - hips * 0.5f, foot.y - h * 0.3f}, {foot.x - hips * 0.6f, foot.y}, h * 0.1f,
             Shade(skin, 0.8f));
    SoftLine(canvas, {foot.x + hips * 0.5f, foot.y - h * 0.3f}, {foot.x + hips * 0.6f, foot.y}, h * 0.1f,
             Shade(skin, 0.8f));
    SoftDisc(canvas, {neck.x, neck.y - head * 0.9f}, head + std::max(0.8f, h / 40), kInkDark);
    SoftDisc(canvas, {neck.x, neck.y - head * 0.9f}, head, skin);
}

void Band(CPictureCanvas& canvas, const emblem_frame& f, int people)
{
    // Rows of islanders, the back row smaller and higher.
    const int back = people / 2, front = people - back;
    for (int row = 0; row < 2; row++) {
        const int count = row == 0 ? back : front;
        const float h = f.len(row == 0 ? 0.95f : 1.15f);
        const float y = f.c.y + f.len(row == 0 ? 0.35f : 0.85f);
        for (int i = 0; i < count; i++) {
            const float x = f.c.x + f.len(1.5f) * ((i + 0.5f) / count - 0.5f) * (row == 0 ? 0.9f : 1.0f);
            Figure(canvas, {x, y}, h, kSkins[(i + row * 2) % 4], kShirts[(i * 2 + row) % 5]);
        }
    }
}

void Hut(CPictureCanvas& canvas, const emblem_frame& f)
{
    Outlined(canvas, {f.at(-0.6f, -0.05f), f.at(0.6f, -0.05f), f.at(0.6f, 0.75f), f.at(-0.6f, 0.75f)},
             Rgb(200, 150, 90), f.len(0.05f));
    for (float y : {0.2f, 0.45f}) {
        SoftLine(canvas, f.at(-0.55f, y), f.at(0.55f, y), f.len(0.04f), Rgb(150, 104, 60));
    }
    Outlined(canvas, {f.at(-0.85f, 0.05f), f.at(0, -0.8f), f.at(0.85f, 0.05f)}, Rgb(226, 184, 92), f.len(0.06f));
    for (float x : {-0.4f, 0.0f, 0.4f}) {
        SoftLine(canvas, f.at(0, -0.7f), f.at(x, 0.0f), f.len(0.03f), Rgb(180, 138, 60));
    }
    SoftPolygon(canvas, {f.at(-0.16f, 0.75f), f.at(-0.16f, 0.3f), f.at(0.16f, 0.3f), f.at(0.16f, 0.75f)},
                Rgb(90, 56, 30));
}

// A tall stone spire on steps, crowned by a sun or a moon.
void Spire(CPictureCanvas& canvas, const emblem_frame& f, bool moon)
{
    const paint_colour stone = moon ? Rgb(196, 204, 226) : Rgb(236, 210, 140);
    const paint_colour crown = moon ? kSilver : Rgb(255, 206, 50);
    if (!moon) {
        for (int i = 0; i < 12; i++) {
            const float angle = i * kPi / 6;
            SoftLine(canvas, f.at(0.0f, -0.62f), f.at(0.52f * std::cos(angle), -0.62f + 0.52f * std::sin(angle)),
                     f.len(0.06f), Rgb(255, 230, 120));
        }
    }
    Outlined(canvas, {f.at(-0.7f, 0.9f), f.at(0.7f, 0.9f), f.at(0.55f, 0.72f), f.at(-0.55f, 0.72f)},
             Shade(stone, 0.85f), f.len(0.04f));
    Outlined(canvas, {f.at(-0.28f, 0.72f), f.at(-0.1f, -0.3f), f.at(0.1f, -0.3f), f.at(0.28f, 0.72f)}, stone,
             f.len(0.05f));
    SoftLine(canvas, f.at(0.05f, 0.65f), f.at(0.02f, -0.25f), f.len(0.05f), Shade(stone, 1.12f));
    for (float y : {0.05f, 0.4f}) {
        SoftLine(canvas, f.at(-0.2f + y * 0.15f, y), f.at(0.2f - y * 0.15f, y), f.len(0.05f), Shade(stone, 0.7f));
    }
    const paint_point orb = f.at(0.0f, -0.55f);
    SoftDisc(canvas, orb, f.len(0.27f), Mix(crown, kInkDark, 0.45f));
    SoftDisc(canvas, orb, f.len(0.23f), crown);
    if (moon) {
        SoftDisc(canvas, {orb.x + f.len(0.11f), orb.y - f.len(0.06f)}, f.len(0.19f), Rgb(40, 50, 96));
    }
}

void Compass(CPictureCanvas& canvas, const emblem_frame& f)
{
    SoftDisc(canvas, f.c, f.len(0.82f), Rgb(120, 86, 40));
    SoftDisc(canvas, f.c, f.len(0.74f), Rgb(244, 232, 196));
    Outlined(canvas, Star(f.c, f.len(0.66f), f.len(0.2f), 4, -kPi / 4), Rgb(120, 150, 200), f.len(0.03f));
    Outlined(canvas, Star(f.c, f.len(0.7f), f.len(0.16f), 4), Rgb(60, 90, 150), f.len(0.03f));
    SoftPolygon(canvas, {f.c, f.at(-0.16f, 0), f.at(0, -0.7f), f.at(0.16f, 0)}, Rgb(210, 50, 40));
    SoftDisc(canvas, f.c, f.len(0.08f), kGold);
}

void Shirt(CPictureCanvas& canvas, const emblem_frame& f)
{
    const std::vector<paint_point> shirt = {f.at(-0.3f, -0.7f), f.at(-0.85f, -0.35f), f.at(-0.62f, 0.0f),
                                            f.at(-0.45f, -0.12f), f.at(-0.45f, 0.8f),  f.at(0.45f, 0.8f),
                                            f.at(0.45f, -0.12f),  f.at(0.62f, 0.0f),   f.at(0.85f, -0.35f),
                                            f.at(0.3f, -0.7f),    f.at(0.0f, -0.5f)};
    Outlined(canvas, shirt, Rgb(230, 80, 120), f.len(0.06f));
    for (float y : {-0.1f, 0.2f, 0.5f}) {
        SoftLine(canvas, f.at(-0.42f, y), f.at(0.42f, y), f.len(0.09f), Rgb(250, 220, 90));
    }
    // A needle and its thread, for clothes made on the island.
    SoftLine(canvas, f.at(0.25f, 0.95f), f.at(0.9f, 0.3f), f.len(0.06f), kSilver);
    SoftLine(canvas, f.at(0.9f, 0.3f), f.at(0.7f, 0.85f), f.len(0.03f), Rgb(60, 120, 220));
}

void Palm(CPictureCanvas& canvas, paint_point foot, float h, float lean)
{
    const paint_point top{foot.x + lean * h, foot.y - h};
    SoftLine(canvas, foot, top, h * 0.09f, Rgb(130, 92, 52));
    for (int i = 0; i < 6; i++) {
        const float angle = -kPi / 2 + (i - 2.5f) * 0.55f;
        const paint_point tip{top.x + std::cos(angle) * h * 0.5f, top.y + std::sin(angle) * h * 0.3f + h * 0.14f};
        SoftLine(canvas, top, {(top.x + tip.x) / 2, (top.y + tip.y) / 2 - h * 0.06f}, h * 0.1f, Rgb(60, 150, 60));
        SoftLine(canvas, {(top.x + tip.x) / 2, (top.y + tip.y) / 2 - h * 0.06f}, tip, h * 0.07f, Rgb(80, 176, 70));
    }
}

void Forest(CPictureCanvas& canvas, const emblem_frame& f)
{
    SoftEllipse(canvas, f.at(0, 0.8f), f.len(0.9f), f.len(0.15f), Rgb(110, 170, 80));
    Palm(canvas, f.at(-0.45f, 0.78f), f.len(1.1f), 0.1f);
    SoftDisc(canvas, f.at(0.4f, -0.1f), f.len(0.42f), Rgb(40, 120, 50));
    SoftDisc(canvas, f.at(0.25f, -0.25f), f.len(0.3f), Rgb(70, 150, 60));
    SoftLine(canvas, f.at(0.4f, 0.3f), f.at(0.4f, 0.8f), f.len(0.12f), Rgb(120, 80, 44));
    Palm(canvas, f.at(0.05f, 0.85f), f.len(1.4f), -0.05f);
}

void FullMoon(CPictureCanvas& canvas, const emblem_frame& f)
{
    SoftDisc(canvas, f.c, f.len(0.72f), Rgb(120, 130, 160));
    SoftDisc(canvas, f.c, f.len(0.68f), Rgb(232, 236, 246));
    for (const paint_point& crater : {paint_point{-0.25f, -0.2f}, {0.3f, 0.1f}, {-0.05f, 0.35f}, {0.15f, -0.4f}}) {
        SoftDisc(canvas, f.at(crater.x, crater.y), f.len(0.12f), Rgb(196, 202, 220));
    }
    for (const paint_point& sparkle : {paint_point{-0.8f, -0.7f}, {0.8f, -0.6f}, {0.75f, 0.75f}}) {
        SoftPolygon(canvas, Star(f.at(sparkle.x, sparkle.y), f.len(0.18f), f.len(0.05f), 4), Rgb(255, 255, 255));
    }
}

void Wreath(CPictureCanvas& canvas, const emblem_frame& f)
{
    for (int side : {-1, 1}) {
        for (int i = 0; i < 7; i++) {
            const float angle = kPi / 2 + side * (0.35f + i * 0.36f);
            const paint_point p = f.at(0.72f * std::cos(angle), 0.72f * std::sin(angle));
            const float tilt = angle + side * kPi / 2;
            SoftEllipse(canvas, {p.x + std::cos(tilt) * f.len(0.06f), p.y + std::sin(tilt) * f.len(0.06f)},
                        f.len(0.13f), f.len(0.13f), Rgb(70, 150, 60));
        }
    }
    Outlined(canvas, Star(f.at(0, 0.0f), f.len(0.48f), f.len(0.2f), 5), kGold, f.len(0.05f));
}

void Hourglass(CPictureCanvas& canvas, const emblem_frame& f)
{
    const paint_colour wood = Rgb(130, 84, 44);
    Outlined(canvas, {f.at(-0.45f, -0.62f), f.at(0.45f, -0.62f), f.at(0.07f, 0.0f), f.at(0.45f, 0.62f),
                      f.at(-0.45f, 0.62f), f.at(-0.07f, 0.0f)},
             Rgb(220, 236, 250), f.len(0.05f));
    SoftPolygon(canvas, {f.at(-0.3f, 0.58f), f.at(0.3f, 0.58f), f.at(0.0f, 0.2f)}, Rgb(236, 196, 100));
    SoftPolygon(canvas, {f.at(-0.22f, -0.36f), f.at(0.22f, -0.36f), f.at(0.0f, -0.08f)}, Rgb(236, 196, 100));
    SoftLine(canvas, f.at(0, -0.05f), f.at(0, 0.5f), f.len(0.04f), Rgb(236, 196, 100));
    for (float y : {-0.72f, 0.72f}) {
        SoftPolygon(canvas, {f.at(-0.62f, y - 0.1f), f.at(0.62f, y - 0.1f), f.at(0.62f, y + 0.1f), f.at(-0.62f, y + 0.1f)},
                    wood);
    }
}

void Flask(CPictureCanvas& canvas, const emblem_frame& f)
{
    Outlined(canvas, {f.at(-0.16f, -0.75f), f.at(0.16f, -0.75f), f.at(0.16f, -0.2f), f.at(0.6f, 0.7f),
                      f.at(-0.6f, 0.7f), f.at(-0.16f, -0.2f)},
             Rgb(220, 236, 250), f.len(0.06f));
    SoftPolygon(canvas, {f.at(-0.36f, 0.22f), f.at(0.36f, 0.22f), f.at(0.56f, 0.64f), f.at(-0.56f, 0.64f)},
                Rgb(110, 220, 140));
    for (const paint_point& b : {paint_point{-0.1f, 0.05f}, {0.12f, -0.2f}, {0.0f, -0.5f}}) {
        SoftRing(canvas, f.at(b.x, b.y), f.len(0.08f), f.len(0.04f), Rgb(110, 200, 130));
    }
    SoftPolygon(canvas, {f.at(-0.2f, -0.9f), f.at(0.2f, -0.9f), f.at(0.2f, -0.75f), f.at(-0.2f, -0.75f)},
                Rgb(150, 100, 60));
    for (const paint_point& sparkle : {paint_point{-0.7f, -0.5f}, {0.7f, -0.35f}}) {
        SoftPolygon(canvas, Star(f.at(sparkle.x, sparkle.y), f.len(0.2f), f.len(0.06f), 4), Rgb(255, 240, 130));
    }
}

// An islander lifting a log high over the head.
void Hero(CPictureCanvas& canvas, const emblem_frame& f)
{
    SoftPolygon(canvas, Star(f.c, f.len(0.95f), f.len(0.62f), 9), Rgb(255, 214, 90, 170));
    const paint_colour skin = kSkins[1];
    Figure(canvas, f.at(0, 0.95f), f.len(1.25f), skin, Rgb(220, 50, 50));
    for (int side : {-1, 1}) {
        SoftLine(canvas, f.at(side * 0.2f, -0.02f), f.at(side * 0.42f, -0.5f), f.len(0.13f), Shade(skin, 0.9f));
    }
    PaintLog(canvas, f.at(-0.75f, -0.62f), f.at(0.75f, -0.62f), f.len(0.26f), Rgb(130, 86, 48));
}

void Parent(CPictureCanvas& canvas, const emblem_frame& f)
{
    const paint_colour love = Rgb(240, 80, 110);
    SoftDisc(canvas, f.at(0.28f, -0.62f), f.len(0.17f), love);
    SoftDisc(canvas, f.at(0.58f, -0.62f), f.len(0.17f), love);
    SoftPolygon(canvas, {f.at(0.13f, -0.56f), f.at(0.73f, -0.56f), f.at(0.43f, -0.2f)}, love);
    Figure(canvas, f.at(-0.3f, 0.95f), f.len(1.45f), kSkins[2], kShirts[4]);
    Figure(canvas, f.at(0.45f, 0.95f), f.len(0.85f), kSkins[2], kShirts[2]);
    SoftLine(canvas, f.at(-0.05f, 0.3f), f.at(0.32f, 0.45f), f.len(0.09f), kSkins[2]);
}

void Ship(CPictureCanvas& canvas, const emblem_frame& f)
{
    SoftPolygon(canvas, {f.at(-0.9f, 0.62f), f.at(0.9f, 0.62f), f.at(0.9f, 0.9f), f.at(-0.9f, 0.9f)}, Rgb(70, 140, 210));
    Outlined(canvas, {f.at(-0.8f, 0.3f), f.at(0.8f, 0.3f), f.at(0.55f, 0.68f), f.at(-0.55f, 0.68f)}, Rgb(140, 90, 50),
             f.len(0.05f));
    SoftLine(canvas, f.at(0, 0.32f), f.at(0, -0.85f), f.len(0.07f), Rgb(90, 60, 30));
    Outlined(canvas, {f.at(0.06f, -0.8f), f.at(0.62f, 0.18f), f.at(0.06f, 0.18f)}, Rgb(248, 244, 230), f.len(0.04f));
    Outlined(canvas, {f.at(-0.06f, -0.65f), f.at(-0.06f, 0.18f), f.at(-0.55f, 0.18f)}, Rgb(240, 234, 214),
             f.len(0.04f));
    SoftPolygon(canvas, {f.at(0, -0.85f), f.at(0.3f, -0.76f), f.at(0, -0.68f)}, Rgb(220, 60, 50));
}

// The island's mysteries, each as it stands on the island.
void MysteryMark(CPictureCanvas& canvas, const emblem_frame& f, int mystery)
{
    switch (mystery) {
    case 0: {  // the fossil: a coiled shell in its stone
        PaintStone(canvas, f.c, f.len(0.85f), f.len(0.72f), Rgb(206, 190, 150), 21);
        const paint_colour groove = Rgb(120, 96, 60);
        paint_point previous = f.c;
        for (int i = 0; i <= 60; i++) {
            const float t = i / 60.0f;
            const float angle = t * 5.2f * kPi;
            const float r = f.len(0.04f + 0.52f * t);
            const paint_point p{f.c.x + r * std::cos(angle), f.c.y + r * std::sin(angle)};
            SoftLine(canvas, previous, p, f.len(0.1f), groove);
            previous = p;
        }
        return;
    }
    case 1: {  // the dry bush, green and in bloom once solved
        for (int i = -2; i <= 2; i++) {
            SoftLine(canvas, f.at(i * 0.06f, 0.85f), f.at(i * 0.32f, 0.0f), f.len(0.08f), Rgb(100, 70, 40));
        }
        const paint_point blobs[5] = {{-0.45f, -0.05f}, {0.45f, -0.05f}, {0.0f, -0.35f}, {-0.25f, 0.3f}, {0.25f, 0.3f}};
        for (const paint_point& b : blobs) {
            SoftDisc(canvas, f.at(b.x, b.y), f.len(0.36f), Rgb(50, 120, 44));
            SoftDisc(canvas, f.at(b.x - 0.05f, b.y - 0.05f), f.len(0.3f), Rgb(80, 160, 60));
        }
        for (const paint_point& b : {paint_point{-0.5f, -0.15f}, {0.1f, -0.45f}, {0.45f, 0.1f}, {-0.2f, 0.3f},
                                     {0.25f, -0.1f}}) {
            SoftDisc(canvas, f.at(b.x, b.y), f.len(0.11f), Rgb(250, 120, 180));
        }
        return;
    }
    case 2: {  // the flowers: a ring of blooms in every colour
        const paint_colour colours[6] = {Rgb(226, 48, 52), Rgb(250, 214, 40), Rgb(70, 110, 230), Rgb(244, 120, 190),
                                         Rgb(248, 140, 30), Rgb(150, 70, 200)};
        for (int i = 0; i < 6; i++) {
            const float angle = -kPi / 2 + i * kPi / 3;
            const paint_point p = f.at(0.52f * std::cos(angle), 0.52f * std::sin(angle));
            for (int k = 0; k < 5; k++) {
                const float petal = k * 2 * kPi / 5;
                SoftDisc(canvas, {p.x + std::cos(petal) * f.len(0.13f), p.y + std::sin(petal) * f.len(0.13f)},
                         f.len(0.12f), colours[i]);
            }
            SoftDisc(canvas, p, f.len(0.08f), Rgb(255, 236, 120));
        }
        return;
    }
    case 3: {  // the fountain: water leaping from its stone basin
        SoftEllipse(canvas, f.at(0, 0.5f), f.len(0.85f), f.len(0.36f), Rgb(120, 118, 112));
        SoftEllipse(canvas, f.at(0, 0.45f), f.len(0.78f), f.len(0.3f), Rgb(170, 168, 160));
        SoftEllipse(canvas, f.at(0, 0.42f), f.len(0.6f), f.len(0.18f), Rgb(80, 150, 220));
        SoftPolygon(canvas, {f.at(-0.12f, 0.4f), f.at(-0.08f, -0.3f), f.at(0.08f, -0.3f), f.at(0.12f, 0.4f)},
                    Rgb(180, 176, 168));
        for (int side : {-1, 1}) {
            paint_point previous = f.at(0, -0.45f);
            for (int i = 1; i <= 12; i++) {
                const float t = i / 12.0f;
                const paint_point p = f.at(side * 0.55f * t, -0.45f - 0.5f * t * (1 - t) * 2.2f + 0.8f * t * t);
                SoftLine(canvas, previous, p, f.len(0.1f), Rgb(120, 190, 250));
                previous = p;
            }
        }
        SoftDisc(canvas, f.at(0, -0.5f), f.len(0.12f), Rgb(200, 230, 255));
        return;
    }
    case 4: {  // the old stump, a young tree springing from it
        SoftEllipse(canvas, f.at(0, 0.72f), f.len(0.8f), f.len(0.2f), Rgb(96, 62, 34));
        SoftPolygon(canvas, {f.at(-0.58f, 0.75f), f.at(-0.5f, 0.0f), f.at(0.5f, 0.0f), f.at(0.58f, 0.75f)},
                    Rgb(118, 78, 44));
        SoftLine(canvas, f.at(-0.2f, 0.15f), f.at(-0.24f, 0.65f), f.len(0.06f), Rgb(80, 52, 28));
        SoftEllipse(canvas, f.at(0, 0.0f), f.len(0.52f), f.len(0.17f), Rgb(222, 186, 128));
        SoftRing(canvas, f.at(0, 0.0f), f.len(0.3f), f.len(0.05f), Rgb(170, 130, 80));
        SoftLine(canvas, f.at(0.1f, 0.0f), f.at(0.15f, -0.55f), f.len(0.07f), Rgb(90, 140, 50));
        SoftEllipse(canvas, f.at(-0.05f, -0.6f), f.len(0.2f), f.len(0.1f), Rgb(90, 180, 70));
        SoftEllipse(canvas, f.at(0.35f, -0.7f), f.len(0.2f), f.len(0.1f), Rgb(110, 196, 80));
        return;
    }
    case 5: {  // the lava rock, fire glowing in its cracks
        SoftDisc(canvas, f.at(0, 0.05f), f.len(0.98f), Rgb(255, 140, 40, 90));
        PaintStone(canvas, f.at(0, 0.12f), f.len(0.9f), f.len(0.76f), Rgb(78, 66, 66), 23);
        const paint_colour glow = Rgb(255, 110, 20), hot = Rgb(255, 214, 90);
        const paint_point joint = f.at(-0.05f, 0.15f);
        for (const paint_point& end : {paint_point{-0.6f, -0.35f}, {0.55f, -0.3f}, {0.15f, 0.75f}, {-0.55f, 0.5f}}) {
            SoftLine(canvas, joint, f.at(end.x, end.y), f.len(0.16f), glow);
            SoftLine(canvas, joint, f.at(end.x * 0.85f, end.y * 0.85f), f.len(0.06f), hot);
        }
        SoftDisc(canvas, joint, f.len(0.14f), hot);
        return;
    }
    case 6:    // the moondust stone: a crescent on a grey standing stone
    case 7: {  // the stardust stone: a falling star on a darker one
        const paint_colour stone = mystery == 6 ? Rgb(150, 152, 170) : Rgb(120, 116, 140);
        Outlined(canvas, {f.at(-0.5f, 0.85f), f.at(-0.55f, -0.45f), f.at(-0.3f, -0.85f), f.at(0.3f, -0.85f),
                          f.at(0.55f, -0.45f), f.at(0.5f, 0.85f)},
                 stone, f.len(0.06f));
        SoftLine(canvas, f.at(0.3f, -0.7f), f.at(0.32f, 0.75f), f.len(0.1f), Shade(stone, 0.85f));
        if (mystery == 6) {
            SoftDisc(canvas, f.at(-0.02f, -0.15f), f.len(0.38f), kSilver);
            SoftDisc(canvas, f.at(0.14f, -0.25f), f.len(0.32f), stone);
        } else {
            SoftLine(canvas, f.at(-0.42f, 0.5f), f.at(0.05f, -0.05f), f.len(0.18f), Rgb(250, 190, 50));
            SoftLine(canvas, f.at(-0.3f, 0.5f), f.at(0.08f, 0.05f), f.len(0.07f), Rgb(255, 236, 150));
            Outlined(canvas, Star(f.at(0.1f, -0.2f), f.len(0.42f), f.len(0.17f), 5), Rgb(255, 226, 100), f.len(0.04f));
        }
        return;
    }
    default:
        return;
    }
}

// ---------------------------------------------------------------------------
// The trophy room: six settings, one letter each, and the medals.

struct setting_look {
    char letter;
    float radius;       // of the setting
    paint_point shift;  // its middle from the middle of its picture
    int sides;          // 0 round, else the corners of its outline
    float lobes;        // a scalloped rim's lobes; 0 for none
    paint_colour rim;
    paint_colour lining;
};

// Radii and shifts found together: each letter's settings, shifted alike,
// stay 6 px from every other setting and from the text box, and each of its
// trophies can draw a medal 2 px wider round it inside its picture.
const setting_look kSettings[6] = {
    {'A', 30, {-8, 0}, 0, 0, Rgb(226, 180, 60), Rgb(150, 30, 44)},
    {'B', 32, {0, -8}, 8, 0, Rgb(196, 202, 214), Rgb(40, 60, 140)},
    {'C', 35, {-5, -7}, 0, 12, Rgb(184, 120, 66), Rgb(36, 110, 70)},
    {'D', 37, {0, -8}, 6, 0, Rgb(140, 92, 52), Rgb(110, 40, 90)},
    {'E', 41, {0, -7}, 0, 0, Rgb(170, 168, 160), Rgb(30, 110, 120)},
    {'F', 33, {0, -1}, 0, 4, Rgb(200, 120, 80), Rgb(90, 50, 130)},
};

const setting_look& SettingFor(char letter)
{
    for (const setting_look& look : kSettings) {
        if (look.letter == letter) {
            return look;
        }
    }
    return kSettings[0];
}

// How far the setting's outline reaches at an angle, as a share of its
// radius: a polygon's flat sides and a scalloped rim's lobes lie inside the
// round one, so a round medal of the setting's radius always covers it.
float Reach(const setting_look& look, float angle)
{
    if (look.lobes > 0) {
        // Few lobes cut deep (a quatrefoil), many shallow (a scallop).
        const float depth = look.lobes <= 4 ? 0.22f : 0.1f;
        return 1.0f - depth + depth * std::fabs(std::cos(angle * look.lobes / 2));
    }
    if (look.sides > 0) {
        const float sector = 2 * kPi / look.sides;
        const float turn = look.sides == 4 ? kPi / 4 : look.sides == 8 ? kPi / 8 : 0.0f;
        float a = std::fmod(angle - turn + 8 * kPi, sector) - sector / 2;
        // Corners rounded off a little: a hard corner would read as a box.
        return std::min(0.97f, std::cos(kPi / look.sides) / std::cos(a));
    }
    return 1.0f;
}

enum class EmblemKind {
    Hut, SunSpire, Compass, Shirt, Forest, FullMoon, Band, Wreath, MoonSpire, Mystery, Hourglass, Star, Flask, Hero,
    Parent, Ship,
};

struct trophy_look {
    const char* name;
    char disc;
    paint_point discAt;  // the disc's top-left corner from the medal's
    EmblemKind emblem;
    int detail;          // the mystery, or the band's people
    paint_colour field;
};

const paint_colour kNight = Rgb(34, 44, 96), kMysteryField = Rgb(84, 46, 120), kLeaf = Rgb(40, 110, 60),
                   kSea = Rgb(30, 96, 150), kRose = Rgb(150, 44, 60), kTeal = Rgb(26, 110, 116);

const trophy_look kTrophies[25] = {
    {"buddingbuilder", 'F', {6, -3}, EmblemKind::Hut, 0, Rgb(120, 170, 220)},
    {"celestialwonder", 'B', {-5, -2}, EmblemKind::SunSpire, 0, Rgb(90, 160, 230)},
    {"explorerextraordinaire", 'A', {-6, 4}, EmblemKind::Compass, 0, kSea},
    {"fashionpassion", 'D', {-2, 10}, EmblemKind::Shirt, 0, kTeal},
    {"forestparadise", 'E', {-12, 0}, EmblemKind::Forest, 0, Rgb(150, 210, 240)},
    {"fullmoon", 'C', {-12, 11}, EmblemKind::FullMoon, 0, kNight},
    {"growingtarrow", 'B', {-19, -6}, EmblemKind::Band, 3, kLeaf},
    {"livinglegend", 'A', {-2, -1}, EmblemKind::Wreath, 0, kRose},
    {"lunarwonder", 'C', {-7, -3}, EmblemKind::MoonSpire, 0, kNight},
    {"masterofmystery", 'F', {-2, 7}, EmblemKind::Mystery, 0, kMysteryField},
    {"methuselah", 'B', {-9, 2}, EmblemKind::Hourglass, 0, kRose},
    {"mysterymaestro", 'E', {-3, 4}, EmblemKind::Mystery, 3, kMysteryField},
    {"mysterymagician", 'D', {-4, 4}, EmblemKind::Mystery, 4, kMysteryField},
    {"mysterymagnate", 'C', {-3, 8}, EmblemKind::Mystery, 7, kMysteryField},
    {"mysterymastermind", 'E', {-5, 4}, EmblemKind::Mystery, 6, kMysteryField},
    {"mysterymaven", 'E', {-3, 5}, EmblemKind::Mystery, 1, kMysteryField},
    {"mysterymiracleworker", 'A', {-2, 7}, EmblemKind::Mystery, 5, kMysteryField},
    {"mysterymogul", 'C', {-4, 10}, EmblemKind::Mystery, 2, kMysteryField},
    {"powerfultarrow", 'F', {-10, -3}, EmblemKind::Band, 5, kLeaf},
    {"proudparent", 'F', {-11, -1}, EmblemKind::Parent, 0, kTeal},
    {"starpower", 'B', {2, 15}, EmblemKind::Star, 0, kNight},
    {"supergenius", 'F', {-20, 2}, EmblemKind::Flask, 0, kTeal},
    {"superhero", 'A', {17, -2}, EmblemKind::Hero, 0, kRose},
    {"voyager", 'D', {-13, -7}, EmblemKind::Ship, 0, kSea},
    {"tremendoustarrow", 'A', {-14, -11}, EmblemKind::Band, 7, kLeaf},
};

// The room's disc pictures are 110 px square.
constexpr float kDiscPicture = 110;

// The cabinet's back: dark boards, lit from above, inside a carved frame.
void Cabinet(CPictureCanvas& canvas, paint_box area, uint64_t seed)
{
    const paint_colour board = Rgb(92, 56, 36), frame = Rgb(66, 38, 22);
    const float edge = area.w * 0.022f;
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                [&](float px, float py) {
                    const float u = (px - area.x) / area.w, v = (py - area.y) / area.h;
                    const float inFrame = std::min({px - area.x, py - area.y, area.x + area.w - px, area.y + area.h - py});
                    if (inFrame < edge) {
                        const float bevel = inFrame < 2 ? 0.6f : inFrame > edge - 3 ? 0.7f : 1.1f - 0.3f * inFrame / edge;
                        return Shade(frame, bevel);
                    }
                    // Boards 50 px wide with a dark seam, grain along them.
                    const float across = std::fmod(px - area.x - edge, 50.0f);
                    const float seam = across < 2 ? 0.55f : across < 4 ? 0.85f : 1.0f;
                    const int boardIndex = static_cast<int>((px - area.x - edge) / 50);
                    const float boardTone = 0.92f + 0.16f * PixelNoise(boardIndex, 0, seed);
                    const float grain = 0.9f + 0.12f * PixelNoise(static_cast<int>(px) / 2 + boardIndex * 7,
                                                                  static_cast<int>(py) / 9, seed + 1);
                    // A lamp above the middle: light falls off to the sides
                    // and the foot.
                    const float dx = u - 0.5f, dy = v + 0.15f;
                    const float lamp = std::clamp(1.25f - 0.9f * std::sqrt(dx * dx * 1.2f + dy * dy), 0.55f, 1.15f);
                    return Shade(board, seam * boardTone * grain * lamp);
                });
}

void PaintEmblemOf(CPictureCanvas& canvas, const trophy_look& look, const emblem_frame& f)
{
    switch (look.emblem) {
    case EmblemKind::Hut: Hut(canvas, f); break;
    case EmblemKind::SunSpire: Spire(canvas, f, false); break;
    case EmblemKind::MoonSpire: Spire(canvas, f, true); break;
    case EmblemKind::Compass: Compass(canvas, f); break;
    case EmblemKind::Shirt: Shirt(canvas, f); break;
    case EmblemKind::Forest: Forest(canvas, f); break;
    case EmblemKind::FullMoon: FullMoon(canvas, f); break;
    case EmblemKind::Band: Band(canvas, f, look.detail); break;
    case EmblemKind::Wreath: Wreath(canvas, f); break;
    case EmblemKind::Mystery: MysteryMark(canvas, f, look.detail); break;
    case EmblemKind::Hourglass: Hourglass(canvas, f); break;
    case EmblemKind::Star:
        Outlined(canvas, Star(f.c, f.len(0.85f), f.len(0.36f), 5), Rgb(255, 208, 60), f.len(0.06f));
        SoftPolygon(canvas, Star(f.at(-0.1f, -0.12f), f.len(0.4f), f.len(0.17f), 5), Rgb(255, 240, 160));
        break;
    case EmblemKind::Flask: Flask(canvas, f); break;
    case EmblemKind::Hero: Hero(canvas, f); break;
    case EmblemKind::Parent: Parent(canvas, f); break;
    case EmblemKind::Ship: Ship(canvas, f); break;
    }
}

// A round badge: a rim of metal round a field, lit from the upper left.
void Badge(CPictureCanvas& canvas, paint_point c, float r, paint_colour metal, paint_colour field)
{
    SoftDisc(canvas, c, r, Mix(metal, kInkDark, 0.55f));
    FillSoft(canvas, c.x - r, c.y - r, c.x + r, c.y + r,
             [&](float px, float py) { return (px - c.x) * (px - c.x) + (py - c.y) * (py - c.y) <= (r - 1) * (r - 1); },
             [&](float px, float py) {
                 const float light = 1.15f - 0.35f * ((px - c.x) + (py - c.y)) / (2 * r);
                 return Shade(metal, light);
             });
    const float inner = r * 0.84f;
    SoftDisc(canvas, c, inner + 1, Mix(metal, kInkDark, 0.6f));
    FillSoft(canvas, c.x - inner, c.y - inner, c.x + inner, c.y + inner,
             [&](float px, float py) { return (px - c.x) * (px - c.x) + (py - c.y) * (py - c.y) <= inner * inner; },
             [&](float, float py) {
                 const float light = 1.1f - 0.3f * ((py - c.y) / inner);
                 return Shade(field, light);
             });
}

}  // namespace

void PaintCabinet(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    Cabinet(canvas, area, job.seed);
}

void PaintSettingGlow(CPictureCanvas& canvas, const picture_job&, paint_box area)
{
    // Warm light round the pointed setting, strongest just outside the
    // largest setting's rim and gone at the picture's edge.
    const paint_point c{area.x + area.w / 2, area.y + area.h / 2};
    const float outer = std::min(area.w, area.h) / 2;
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                [&](float px, float py) {
                    const float d = std::hypot(px - c.x, py - c.y) / outer;
                    const float strength = d < 0.45f ? 0.55f : std::max(0.0f, 0.55f * (1 - (d - 0.45f) / 0.55f));
                    return Rgb(255, 226, 130, static_cast<int>(255 * strength * strength * 1.4f));
                });
}

void PaintSetting(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const size_t at = job.name.find("disc");
    const setting_look& look = SettingFor(at != std::string::npos && at + 4 < job.name.size() ? job.name[at + 4] : 'A');
    const float scale = area.w / kDiscPicture;
    const paint_point c{area.x + area.w / 2 + look.shift.x * scale, area.y + area.h / 2 + look.shift.y * scale};
    const float r = look.radius * scale;
    const float lip = r * 0.78f;
    auto reach = [&](float px, float py) { return Reach(look, std::atan2(py - c.y, px - c.x)); };
    auto distance = [&](float px, float py) { return std::hypot(px - c.x, py - c.y); };
    // The rim, raised: lit on its upper left, shaded on its lower right.
    FillSoft(canvas, c.x - r, c.y - r, c.x + r, c.y + r,
             [&](float px, float py) { return distance(px, py) <= r * reach(px, py); },
             [&](float px, float py) {
                 const float d = distance(px, py) / (r * reach(px, py));
                 if (d > 0.965f) {
                     return Mix(look.rim, kInkDark, 0.6f);
                 }
                 const float light = 1.12f - 0.32f * ((px - c.x) + (py - c.y)) / (1.4f * r);
                 const float grain = 0.94f + 0.1f * PixelNoise(static_cast<int>(px), static_cast<int>(py), job.seed);
                 return Shade(look.rim, light * grain);
             });
    // The hollow the trophy sits in: shaded under its upper lip, lined.
    FillSoft(canvas, c.x - lip, c.y - lip, c.x + lip, c.y + lip,
             [&](float px, float py) { return distance(px, py) <= lip * reach(px, py); },
             [&](float px, float py) {
                 const float d = distance(px, py) / (lip * reach(px, py));
                 if (d > 0.94f) {
                     return Mix(look.rim, kInkDark, 0.7f);
                 }
                 // Light falls in from the upper left: the lip's shade lies
                 // along the hollow's upper left edge.
                 const float towardLight = -((px - c.x) + (py - c.y)) / (1.4f * lip);
                 const float shade = std::clamp((d - 0.55f) / 0.4f, 0.0f, 1.0f) * std::max(0.0f, towardLight);
                 const float nap = 0.9f + 0.14f * PixelNoise(static_cast<int>(px), static_cast<int>(py), job.seed + 1);
                 return Shade(look.lining, (1.05f - 0.55f * shade) * nap);
             });
    // The empty peg a trophy hangs from, and the setting's own marks.
    SoftDisc(canvas, {c.x, c.y - lip * 0.55f}, std::max(1.5f, r * 0.07f), Mix(look.rim, kInkDark, 0.5f));
    SoftDisc(canvas, {c.x - r * 0.02f, c.y - lip * 0.57f}, std::max(1.0f, r * 0.045f), Shade(look.rim, 1.25f));
    const int studs = look.sides > 0 ? look.sides : look.lobes > 4 ? static_cast<int>(look.lobes) : 4;
    for (int i = 0; i < studs; i++) {
        const float turn = look.sides == 4 ? kPi / 4 : look.sides == 8 ? kPi / 8 : 0.0f;
        const float angle = turn + (i + (look.sides > 0 ? 0.5f : 0.0f)) * 2 * kPi / studs - kPi / 2;
        const float ring = (r + lip) / 2 * Reach(look, angle) * (look.sides > 0 ? 0.98f : 1.0f);
        const paint_point p{c.x + std::cos(angle) * ring, c.y + std::sin(angle) * ring};
        SoftDisc(canvas, p, std::max(1.2f, r * 0.055f), Mix(look.rim, kInkDark, 0.45f));
        SoftDisc(canvas, {p.x - 0.4f, p.y - 0.4f}, std::max(0.8f, r * 0.035f), Shade(look.rim, 1.3f));
    }
}

void PaintTrophy(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const std::string stem = NameStem(job.name);
    const trophy_look* found = &kTrophies[0];
    for (const trophy_look& look : kTrophies) {
        if (stem == std::string("trophies_tr_") + look.name) {
            found = &look;
        }
    }
    const trophy_look& look = *found;
    const setting_look& setting = SettingFor(look.disc);
    const paint_point c{area.x + look.discAt.x + kDiscPicture / 2 + setting.shift.x,
                        area.y + look.discAt.y + kDiscPicture / 2 + setting.shift.y};
    const float r = setting.radius + 2;
    Badge(canvas, c, r, kGold, look.field);
    // Beads round the rim, as struck medals have.
    for (int i = 0; i < 24; i++) {
        const float angle = i * kPi / 12;
        SoftDisc(canvas, {c.x + std::cos(angle) * r * 0.92f, c.y + std::sin(angle) * r * 0.92f}, r * 0.035f + 0.3f,
                 Shade(kGold, 1.25f));
    }
    const bool named = HasOwnLabel(job);
    const float inner = r * 0.84f;
    const emblem_frame frame{{c.x, c.y - (named ? inner * 0.2f : 0.0f)}, inner * (named ? 0.62f : 0.78f)};
    PaintEmblemOf(canvas, look, frame);
    if (!named) {
        return;
    }
    // The name on a ribbon across the medal's lower part.
    const float bandY = c.y + inner * 0.6f, bandH = std::max(11.0f, r * 0.4f);
    const float half = std::sqrt(std::max(0.0f, r * r - (bandY - c.y) * (bandY - c.y))) + 1;
    const paint_colour ribbon = Rgb(250, 244, 224);
    const std::vector<paint_point> band = {{c.x - half, bandY - bandH / 2},
                                           {c.x + half, bandY - bandH / 2},
                                           {c.x + half - bandH * 0.3f, bandY},
                                           {c.x + half, bandY + bandH / 2},
                                           {c.x - half, bandY + bandH / 2},
                                           {c.x - half + bandH * 0.3f, bandY}};
    Outlined(canvas, band, ribbon, 1.2f);
    const float size = FitLettering(job.label, 2 * half - bandH * 0.7f, bandH * 0.95f);
    PaintLettering(canvas, job.label, {c.x, bandY}, size, Rgb(60, 36, 20));
}

void PaintMysteryBadge(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // Named by number in the chooser, by word on the map.
    constexpr const char* kWords[8] = {"fossil", "drybush", "flowers", "fountain", "stump", "lava", "moondust",
                                       "stardust"};
    int mystery = LastNumber(job.name, -1);
    for (int i = 0; i < 8 && mystery < 0; i++) {
        if (job.name.find(kWords[i]) != std::string::npos) {
            mystery = i;
        }
    }
    // The chooser sets its "Mysteries" heading just over the badges' top
    // edge: there the badge keeps its top rows clear.
    const bool underHeading = job.name.find("islandselect") != std::string::npos;
    const float clear = underHeading ? area.h * 0.14f : 0.0f;
    const float r = std::min(area.w, area.h - clear) / 2 - 0.5f;
    const paint_point c{area.x + area.w / 2, area.y + clear + (area.h - clear) / 2};
    Badge(canvas, c, r, Rgb(200, 150, 80), Rgb(244, 232, 200));
    MysteryMark(canvas, {c, r * 0.7f}, std::clamp(mystery, 0, 7));
}

void PaintMysterySlots(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // The map sets its eight badges at fixed spots (the badges' middles, as
    // seen from this strip's corner); each gets a socket under it.
    constexpr paint_point kSockets[8] = {{10, 12}, {40, 11}, {68, 15}, {97, 9}, {129, 9}, {155, 14}, {186, 10}, {214, 10}};
    const float sx = area.w / 240, sy = area.h / 40;
    const paint_colour wood = Rgb(150, 104, 60);
    const float top = area.y + 2 * sy, bottom = area.y + 24 * sy, right = area.x + 232 * sx;
    FillSoft(canvas, area.x, top, right, bottom,
             [&](float px, float py) {
                 const float radius = (bottom - top) / 2;
                 const float dx = std::max(0.0f, std::fabs(px - (area.x + right) / 2) - ((right - area.x) / 2 - radius));
                 const float dy = py - (top + bottom) / 2;
                 return dx * dx + dy * dy <= radius * radius;
             },
             [&](float px, float py) {
                 const float grain = 0.92f + 0.12f * PixelNoise(static_cast<int>(px) / 3, static_cast<int>(py), job.seed);
                 return Shade(wood, (1.1f - 0.3f * (py - top) / (bottom - top)) * grain);
             });
    for (const paint_point& socket : kSockets) {
        const paint_point c{area.x + socket.x * sx, area.y + socket.y * sy};
        const float r = 9.5f * std::min(sx, sy);
        SoftDisc(canvas, c, r, Rgb(70, 44, 24));
        SoftDisc(canvas, {c.x + 0.6f, c.y + 0.8f}, r - 1.6f, Rgb(110, 76, 44));
        // The mark of a mystery not yet solved.
        PaintLettering(canvas, "?", {c.x + 0.5f, c.y + 0.5f}, r * 1.3f, Rgb(200, 170, 120));
    }
}

void PaintTrophyButton(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    picture_job face = job;
    face.label = ".";
    PaintButton(canvas, face, area);
    // A cup on a foot, with two handles.
    const emblem_frame f{{area.x + area.w / 2 - 1, area.y + area.h / 2 - 1}, std::min(area.w, area.h) * 0.33f};
    const paint_colour gold = Shade(kGold, job.name.find("_roll") != std::string::npos ? 1.1f : 1.0f);
    for (int side : {-1, 1}) {
        SoftRing(canvas, f.at(side * 0.55f, -0.35f), f.len(0.3f), f.len(0.12f), Mix(gold, kInkDark, 0.35f));
    }
    Outlined(canvas, {f.at(-0.65f, -0.8f), f.at(0.65f, -0.8f), f.at(0.45f, -0.05f), f.at(0.12f, 0.2f), f.at(0.12f, 0.5f),
                      f.at(0.45f, 0.7f), f.at(-0.45f, 0.7f), f.at(-0.12f, 0.5f), f.at(-0.12f, 0.2f), f.at(-0.45f, -0.05f)},
             gold, f.len(0.1f));
    SoftPolygon(canvas, {f.at(-0.6f, 0.7f), f.at(0.6f, 0.7f), f.at(0.6f, 0.92f), f.at(-0.6f, 0.92f)},
                Mix(gold, kInkDark, 0.45f));
    SoftEllipse(canvas, f.at(-0.28f, -0.45f), f.len(0.1f), f.len(0.22f), Shade(gold, 1.3f));
}

void PaintChooserOverlay(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // The frame piece over the chooser's island picture, from its top-left
    // corner (286, 25) to its lower edge and the frame below it: the shade
    // the frame casts into the corner, as the frame's painter draws it, and
    // a dark plate under the island's name (its text box 430-630 wide, its
    // line ending at the island picture's edge, y 509), so that the name
    // reads over sea and cloud.
    const float sx = area.w / 489, sy = area.h / 485;
    picture_job corner = job;
    corner.width = corner.height = 40;
    PaintPanel(canvas, corner, {area.x, area.y, 40 * sx, 40 * sy});
    // The plate runs on over the sea strip below this picture, which the
    // board's own pieces draw with the same wood (NamePlateWood).
    const float left = area.x + (445 - 286) * sx, right = area.x + (615 - 286) * sx;
    const float top = area.y + (489 - 25) * sy, bottom = area.y + area.h;
    canvas.RoundedBox(left - 1, top - 1, right - left + 2, bottom - top + 2, 6, kNamePlateRim);
    canvas.Fill(left, top, right, bottom,
                [&](float px, float py) {
                    const float r = 5;
                    const float dx = std::max(0.0f, std::max(left + r - px, px - (right - r)));
                    const float dy = std::max(0.0f, top + r - py);
                    return px >= left && px <= right && py >= top && dx * dx + dy * dy <= r * r;
                },
                [&](float px, float py) {
                    const float edge = py < top + 2 ? 1.35f : 1.0f;
                    return Shade(NamePlateWood(286 + (px - area.x) / sx, 25 + (py - area.y) / sy), edge);
                });
}
