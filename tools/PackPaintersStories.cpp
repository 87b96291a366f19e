// Pictures that tell something: the intro story's four panels, the ending's
// page, the instruction pages' small scenes, the logo's emblem and the main
// menu's painting. Each is a scene put together from the island's own
// painters (trees, huts, crates, the ship, fish, rain) and from the
// islanders as the game draws them, so the stories look like the game.
#include "PackFigureTables.h"
#include "PackFigures.h"
#include "PackPainters.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace {

constexpr float kPi = 3.14159265f;

// Another subject's painter, by the picture name it would draw.
void PaintNamed(CPictureCanvas& canvas, const std::string& name, paint_box area)
{
    const picture_rule_data rule = FindPictureRule(name);
    const picture_painter painter = PainterFor(rule.subject);
    if (!painter) {
        return;
    }
    const picture_job job{name, ".", static_cast<int>(area.w), static_cast<int>(area.h), false, 7, false};
    painter(canvas, job, area);
}

// One islander picture, drawn by the islander painter at its own size, laid
// onto the canvas scaled by scale with its top-left at (x, y); grey masks
// take tint.
void PaintLayer(CPictureCanvas& canvas, const std::string& name, int width, int height, float x, float y, float scale,
                const paint_colour* tint = nullptr)
{
    figure_data figure;
    std::string reason;
    if (!ParseFigureName(name, figure, reason)) {
        return;
    }
    const std::vector<uint8_t> rgba = DrawFigure(figure, width, height, reason);
    if (rgba.empty()) {
        return;
    }
    canvas.Lay(rgba, width, height, x, y, scale, tint);
}

const char* const kDirections[4] = {"NE", "SE", "SW", "NW"};
// The head turn that looks the way the body faces.
constexpr int kHeadTurns[4] = {13, 6, 10, 1};

struct islander_look {
    bool male;
    int skin;        // 0..3
    int hair;        // style 0..7
    int hairColour;  // 0..8, 8 grey
    int clothes;     // style 0..2
    paint_colour shirt;
    paint_colour pants;
};

// A band to draw from, one look per seat.
islander_look BandMember(int seat)
{
    static const paint_colour kCloth[6] = {Rgb(200, 80, 60),  Rgb(70, 120, 190), Rgb(230, 190, 80),
                                           Rgb(90, 160, 90),  Rgb(170, 90, 160), Rgb(240, 240, 230)};
    const int i = ((seat % 7) + 7) % 7;
    return islander_look{i % 2 == 0, i % 4, (i * 3) % 8, (i * 5) % 8, i % 3, kCloth[i % 6], kCloth[(i + 3) % 6]};
}

// A grown islander standing (or walking, frame 0..9) with the feet at
// (footX, footY), scale times the game's size.
void PaintIslander(CPictureCanvas& canvas, const islander_look& look, float footX, float footY, float scale,
                   int direction = 1, bool walking = false, int frame = 0)
{
    const std::string sex = look.male ? "male" : "female";
    const std::string dir = kDirections[direction & 3];
    const int m = look.male ? 1 : 0;
    const figure_offset body = kAdultBodyOffsets[m][walking ? 1 : 0][direction & 3];
    // The islander's drawing point, from where its feet stand.
    const float ox = footX - (body.x + 20) * scale, oy = footY - (body.y + 56) * scale;
    const std::string pose = walking ? "walk" : "stand";
    const std::string step = walking ? "_" + std::to_string(frame % 10) : "";
    const std::string skin = "skin" + std::to_string(look.skin);
    PaintLayer(canvas, sex + "_" + pose + "_" + skin + "_" + dir + step + ".png", 40, 60, ox + body.x * scale,
               oy + body.y * scale, scale);
    for (const char* piece : {"pants", "clothes"}) {
        const std::string stem = sex + "_" + piece + std::to_string(look.clothes) + "_" + pose + "_" + dir;
        const paint_colour& tint = piece[0] == 'p' ? look.pants : look.shirt;
        const std::string mask = walking ? stem + "_color" + step + ".png" : stem + "_color.png";
        const std::string line = walking ? stem + "_line" + step + ".png" : stem + "_line.png";
        PaintLayer(canvas, mask, 40, 60, ox + body.x * scale, oy + body.y * scale, scale, &tint);
        PaintLayer(canvas, line, 40, 60, ox + body.x * scale, oy + body.y * scale, scale);
    }
    const figure_offset head = kAdultHeadOffsets[m];
    const int turn = kHeadTurns[direction & 3];
    PaintLayer(canvas, sex + "_head_" + skin + "_" + std::to_string(turn) + ".png", 20, 22, ox + head.x * scale,
               oy + head.y * scale, scale);
    const figure_offset hair = kHairOffsets[m];
    const std::string hairName = sex + "_hair_style" + std::to_string(look.hair) + "_colour" +
                                 std::to_string(look.hairColour) + "_" + std::to_string(turn) + ".png";
    PaintLayer(canvas, hairName, look.male ? 26 : 40, look.male ? 30 : 50, ox + (head.x + hair.x) * scale,
               oy + (head.y + hair.y) * scale, scale);
}

// A child, a little smaller than a grown islander.
void PaintChild(CPictureCanvas& canvas, int skin, float footX, float footY, float scale)
{
    const std::string skinName = "skin" + std::to_string(skin);
    PaintLayer(canvas, "boy_stand_SE_" + skinName + ".png", 32, 44, footX - 16 * scale, footY - 42 * scale, scale);
    const paint_colour shirt = Rgb(230, 190, 80);
    PaintLayer(canvas, "boy_clothes_SE_color_0.png", 32, 44, footX - 16 * scale, footY - 42 * scale, scale, &shirt);
    PaintLayer(canvas, "male_head_" + skinName + "_6.png", 20, 22, footX - 10 * scale, footY - 56 * scale,
               scale * 0.9f);
}

// ---- backgrounds -----------------------------------------------------------

void Sky(CPictureCanvas& canvas, paint_box area, float horizon, paint_colour top, paint_colour low)
{
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + horizon, [](float, float) { return true; },
                [&](float, float py) { return Mix(top, low, std::clamp((py - area.y) / horizon, 0.0f, 1.0f)); });
}

void Sea(CPictureCanvas& canvas, paint_box area, float horizon, paint_colour near, paint_colour far, uint64_t seed)
{
    canvas.Fill(area.x, area.y + horizon, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                [&](float px, float py) {
                    const float t = (py - area.y - horizon) / std::max(1.0f, area.h - horizon);
                    const float glint = PixelNoise(static_cast<int>(px / 6), static_cast<int>(py / 2), seed) > 0.93f
                                            ? 0.15f
                                            : 0.0f;
                    return Mix(Mix(far, near, t), Rgb(255, 255, 255), glint);
                });
}

// Rolling crests across the sea at height y, amplitude and phase.
void Swell(CPictureCanvas& canvas, paint_box area, float y, float amplitude, float phase, paint_colour water,
           paint_colour foam)
{
    const float wave = area.w / 3.5f;
    canvas.Fill(area.x, y - amplitude * 2, area.x + area.w, area.y + area.h,
                [&](float px, float py) { return py > y + amplitude * std::sin((px - area.x) / wave * 2 * kPi + phase); },
                [&](float, float) { return water; });
    for (float px = area.x; px < area.x + area.w; px += 1.0f) {
        const float crest = y + amplitude * std::sin((px - area.x) / wave * 2 * kPi + phase);
        canvas.Ellipse({px, crest + 1}, 1.5f, 1.5f, foam);
    }
}

// The island as the game draws its edge: pale sand, a green top.
void Island(CPictureCanvas& canvas, paint_point centre, float radiusX, float radiusY)
{
    canvas.Ellipse({centre.x, centre.y + radiusY * 0.25f}, radiusX * 1.08f, radiusY * 1.05f, Rgb(120, 190, 210, 160));
    canvas.Ellipse(centre, radiusX, radiusY, Rgb(236, 212, 150));
    canvas.Ellipse({centre.x, centre.y - radiusY * 0.2f}, radiusX * 0.78f, radiusY * 0.7f, Rgb(96, 160, 64));
}

// A coconut palm: a ringed trunk leaning as it rises, a crown of arching
// fronds and a cluster of nuts under them.
void Palm(CPictureCanvas& canvas, float footX, float footY, float height)
{
    const paint_colour bark = Rgb(132, 96, 60), ring = Rgb(92, 64, 38);
    const float lean = height * 0.18f;
    auto trunkAt = [&](float t) {
        return paint_point{footX + lean * t * t, footY - height * t};
    };
    const float thick = std::max(3.0f, height * 0.09f);
    for (int i = 0; i < 12; i++) {
        const float t0 = i / 12.0f, t1 = (i + 1) / 12.0f;
        canvas.Line(trunkAt(t0), trunkAt(t1), thick * (1.0f - 0.35f * t0), bark);
        const paint_point at = trunkAt(t1);
        canvas.Line({at.x - thick * 0.45f, at.y}, {at.x + thick * 0.45f, at.y}, 1.0f, ring);
    }
    const paint_point top = trunkAt(1.0f);
    const paint_colour frond = Rgb(58, 138, 58), dark = Rgb(36, 96, 40);
    const float reach = height * 0.55f;
    for (int f = 0; f < 7; f++) {
        // Fronds fan out round the top and droop towards their tips.
        const float angle = -3.14159f + f * 3.14159f / 6;
        const float dx = std::cos(angle), dy = std::sin(angle) * 0.45f;
        paint_point prev = top;
        for (int k = 1; k <= 6; k++) {
            const float u = k / 6.0f;
            const paint_point p{top.x + dx * reach * u, top.y + dy * reach * u + reach * 0.45f * u * u};
            canvas.Line(prev, p, std::max(1.5f, thick * (1.0f - u * 0.7f)), k % 2 ? frond : dark);
            // Leaflets hang from each side of the rib.
            canvas.Line(p, {p.x - dy * 6 * (1 - u) - 2, p.y + 5 * (1 - u) + 3}, 1.5f, frond);
            canvas.Line(p, {p.x + dy * 6 * (1 - u) + 2, p.y + 5 * (1 - u) + 3}, 1.5f, dark);
            prev = p;
        }
    }
    for (int n = 0; n < 3; n++) {
        canvas.Ellipse({top.x - 3 + n * 3.0f, top.y + 3 + (n % 2) * 2.0f}, thick * 0.4f, thick * 0.4f,
                       Rgb(110, 72, 36));
    }
}

// The ship leaning with the sea. With aboard, a band stands in it: the mast
// and sails are laid, then aboard paints the band, then the hull in front of
// their legs; the ship is painted and its gunwale found only once.
void Boat(CPictureCanvas& canvas, paint_box area, float tilt, const std::function<void()>& aboard = nullptr)
{
    // The hull and sail lean with the sea; the ship's own painter draws it.
    CPictureCanvas ship(static_cast<int>(area.w), static_cast<int>(area.h));
    PaintNamed(ship, "boat_right0.png", {0, 0, area.w, area.h});
    const auto opaque = [&](int x, int y) {
        return ship.Pixels()[(static_cast<size_t>(y) * ship.Width() + x) * 4 + 3] > 0;
    };
    // The gunwale runs straight from the stern's top corner, the ship's first
    // column, to the bow's, its last; the sails end above it. Its outline
    // steps a row off the straight line here and there.
    int stern = -1, bow = -1, sternTop = 0, bowTop = 0;
    for (int x = 0; x < ship.Width(); x++) {
        for (int y = 0; y < ship.Height(); y++) {
            if (opaque(x, y)) {
                if (stern < 0) {
                    stern = x;
                    sternTop = y;
                }
                bow = x;
                bowTop = y;
                break;
            }
        }
    }
    const auto inHull = [&](int x, int y) {
        const float t = bow > stern ? static_cast<float>(x - stern) / static_cast<float>(bow - stern) : 0.0f;
        return static_cast<float>(y) >= sternTop + (bowTop - sternTop) * t - 1.0f;
    };
    const float c = std::cos(tilt), s = std::sin(tilt);
    const float cx = area.w / 2, cy = area.h / 2;
    // Lays the ship's pixels for which keep holds, leaning by tilt.
    const auto lay = [&](const auto& keep) {
        for (int y = 0; y < ship.Height(); y++) {
            for (int x = 0; x < ship.Width(); x++) {
                const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
                const int sx = static_cast<int>(c * dx + s * dy + cx), sy = static_cast<int>(-s * dx + c * dy + cy);
                if (sx < 0 || sy < 0 || sx >= ship.Width() || sy >= ship.Height() || !keep(sx, sy)) {
                    continue;
                }
                const uint8_t* p = &ship.Pixels()[(static_cast<size_t>(sy) * ship.Width() + sx) * 4];
                if (p[3] > 0) {
                    canvas.Blend(static_cast<int>(area.x) + x, static_cast<int>(area.y) + y,
                                 Rgb(p[0], p[1], p[2], p[3]));
                }
            }
        }
    };
    if (!aboard) {
        lay([](int, int) { return true; });
        return;
    }
    lay([&](int x, int y) { return !inHull(x, y); });
    aboard();
    lay(inHull);
}

void Lightning(CPictureCanvas& canvas, paint_point top, float length, uint64_t seed)
{
    paint_point at = top;
    for (int i = 0; i < 6; i++) {
        const paint_point next{at.x + (PixelNoise(i, 3, seed) - 0.5f) * length * 0.35f, at.y + length / 6};
        canvas.Line(at, next, 3.0f, Rgb(255, 250, 200));
        at = next;
    }
}

void RainOver(CPictureCanvas& canvas, paint_box area, int count, float slant, uint64_t seed)
{
    for (int i = 0; i < count; i++) {
        const float x = area.x + PixelNoise(i, 1, seed) * area.w, y = area.y + PixelNoise(i, 2, seed) * area.h;
        canvas.Line({x, y}, {x + slant, y + 10}, 1.0f, Rgb(210, 220, 235, 170));
    }
}

// The band of seven in a boat, three behind and four in front, their feet
// (hidden by the hull) on the line y from x rightwards.
void BandAboard(CPictureCanvas& canvas, float x, float y, int first)
{
    for (int seat = 0; seat < 7; seat++) {
        const bool back = seat < 3;
        PaintIslander(canvas, BandMember(first + seat), x + (back ? 8 + seat * 14 : (seat - 3) * 14), y - (back ? 5 : 0),
                      0.62f, seat % 3 == 0 ? 2 : 1);
    }
}

// ---- the intro story ---------------------------------------------------------

void PaintSettingOut(CPictureCanvas& canvas, paint_box area, int frame)
{
    const float horizon = area.h * 0.42f;
    Sky(canvas, area, horizon, Rgb(110, 170, 230), Rgb(220, 235, 245));
    canvas.Ellipse({area.x + area.w * 0.8f, area.y + area.h * 0.14f}, 18, 18, Rgb(255, 230, 130));
    Sea(canvas, area, horizon, Rgb(30, 100, 170), Rgb(90, 160, 210), 11);
    // The home shore falls behind on the left as the boat sails out.
    const float drift = frame * 0.9f;
    canvas.Ellipse({area.x - drift, area.y + area.h * 0.62f}, area.w * 0.35f, area.h * 0.18f, Rgb(236, 212, 150));
    canvas.Ellipse({area.x - drift - 10, area.y + area.h * 0.58f}, area.w * 0.28f, area.h * 0.12f, Rgb(96, 160, 64));
    Palm(canvas, area.x + area.w * 0.12f - drift, area.y + area.h * 0.6f, area.h * 0.3f);
    const float boatX = area.x + area.w * 0.38f + frame * 0.6f;
    const float bob = 3 * std::sin(frame * 0.35f);
    // The band stands in front of the mast and sails, the hull over its legs.
    const paint_box boat{boatX, area.y + area.h * 0.45f + bob, 110, 90};
    const float tilt = 0.03f * std::sin(frame * 0.35f);
    Boat(canvas, boat, tilt, [&] { BandAboard(canvas, boatX + 22, area.y + area.h * 0.69f + bob, 0); });
    Swell(canvas, area, area.y + area.h * 0.82f, 3, frame * 0.2f, Rgb(30, 100, 170), Rgb(220, 240, 250));
}

void PaintAtSea(CPictureCanvas& canvas, paint_box area, int frame)
{
    const float horizon = area.h * 0.45f;
    // Evening: the stars come out, and dark clouds gather in the west.
    Sky(canvas, area, horizon, Rgb(40, 50, 110), Rgb(230, 150, 110));
    for (int i = 0; i < 24; i++) {
        canvas.Ellipse({area.x + PixelNoise(i, 7, 3) * area.w, area.y + PixelNoise(i, 8, 3) * horizon * 0.6f}, 1.2f,
                       1.2f, Rgb(255, 255, 230));
    }
    const float gather = std::min(1.0f, frame / 55.0f);
    for (int i = 0; i < 5; i++) {
        canvas.Ellipse({area.x + i * 24.0f, area.y + 30 + (i % 2) * 14}, 40 * (0.5f + gather), 22 * (0.5f + gather),
                       Rgb(60, 60, 80, 220));
    }
    Sea(canvas, area, horizon, Rgb(20, 60, 120), Rgb(60, 90, 150), 12);
    const float bob = 3 * std::sin(frame * 0.3f);
    const float boatX = area.x + area.w * 0.35f;
    const paint_box boat{boatX, area.y + area.h * 0.48f + bob, 110, 90};
    const float tilt = 0.04f * std::sin(frame * 0.3f);
    Boat(canvas, boat, tilt, [&] { BandAboard(canvas, boatX + 22, area.y + area.h * 0.71f + bob, 1); });
    // A fish leaps by the boat: they fished on the way.
    PaintNamed(canvas, "fishA_R_" + std::to_string(frame % 9) + "c.png",
               {area.x + area.w * 0.72f, area.y + area.h * 0.62f, 40, 40});
    Swell(canvas, area, area.y + area.h * 0.84f, 3, frame * 0.2f, Rgb(20, 60, 120), Rgb(200, 220, 240));
}

void PaintStorm(CPictureCanvas& canvas, paint_box area, int frame)
{
    const float horizon = area.h * 0.4f;
    Sky(canvas, area, horizon, Rgb(30, 32, 45), Rgb(80, 85, 100));
    // Clouds heavy and low, lit now and then by lightning.
    const bool flash = frame % 14 == 3 || frame % 14 == 4;
    for (int i = 0; i < 9; i++) {
        canvas.Ellipse({area.x + i * area.w / 8, area.y + 20 + (i % 3) * 12}, 50, 28,
                       flash ? Rgb(150, 150, 170) : Rgb(45, 48, 62));
    }
    if (flash) {
        Lightning(canvas, {area.x + area.w * (0.3f + 0.4f * ((frame / 14) % 2)), area.y + 30}, horizon, frame);
    }
    Sea(canvas, area, horizon, Rgb(20, 40, 60), Rgb(40, 60, 80), 13);
    const float tilt = 0.35f * std::sin(frame * 0.25f);
    const float lift = 18 * std::sin(frame * 0.25f + 1.0f);
    Swell(canvas, area, area.y + area.h * 0.55f, 16, frame * 0.25f, Rgb(30, 55, 75), Rgb(200, 210, 220));
    Boat(canvas, {area.x + area.w * 0.33f, area.y + area.h * 0.38f + lift, 120, 100}, tilt);
    // The waves rise higher than the mast.
    Swell(canvas, area, area.y + area.h * 0.7f + lift * 0.3f, 24, frame * 0.25f + 2.0f, Rgb(25, 45, 65),
          Rgb(220, 230, 235));
    RainOver(canvas, area, 260, -6, frame);
}

void PaintShore(CPictureCanvas& canvas, paint_box area, int frame)
{
    const float horizon = area.h * 0.35f;
    Sky(canvas, area, horizon, Rgb(120, 185, 240), Rgb(230, 240, 245));
    canvas.Ellipse({area.x + area.w * 0.2f, area.y + area.h * 0.12f}, 16, 16, Rgb(255, 235, 140));
    Sea(canvas, area, horizon, Rgb(60, 160, 200), Rgb(90, 170, 215), 14);
    // Warm sand, palms behind, the band waking on the beach.
    canvas.Fill(area.x, area.y + area.h * 0.5f, area.x + area.w, area.y + area.h,
                [&](float px, float py) { return py > area.y + area.h * 0.55f + 10 * std::sin(px / 40 + frame * 0.1f); },
                [](float, float) { return Rgb(236, 212, 150); });
    Palm(canvas, area.x + area.w * 0.78f, area.y + area.h * 0.68f, area.h * 0.45f);
    Palm(canvas, area.x + area.w * 0.9f, area.y + area.h * 0.72f, area.h * 0.38f);
    // All seven of the band, together on the sand.
    for (int seat = 0; seat < 7; seat++) {
        const float rise = std::min(1.0f, frame / 40.0f);
        PaintIslander(canvas, BandMember(seat), area.x + 30 + seat * 34, area.y + area.h * (0.8f + 0.05f * (seat % 2)),
                      0.7f + 0.15f * rise, seat % 2 == 0 ? 1 : 2);
    }
    for (int i = 0; i < 3; i++) {
        PaintNamed(canvas, "gull_fly_" + std::to_string((frame + i * 3) % 8) + ".png",
                   {area.x + area.w * (0.3f + i * 0.15f) + frame, area.y + 20.0f + i * 12, 30, 20});
    }
}

// ---- the ending --------------------------------------------------------------

void PaintEndingPage(CPictureCanvas& canvas, paint_box area)
{
    // A dusk-blue page in a driftwood frame, dark enough for the white words
    // on it, a line of sea along its foot below them.
    canvas.RoundedBox(area.x, area.y, area.w, area.h, 18, Rgb(110, 78, 48));
    canvas.Fill(area.x + 8, area.y + 8, area.x + area.w - 8, area.y + area.h - 8, [](float, float) { return true; },
                [&](float, float py) { return Mix(Rgb(36, 52, 92), Rgb(70, 60, 96), (py - area.y) / area.h); });
    // The sea runs under the words, above the button that sails on.
    Swell(canvas, {area.x + 14, area.y + area.h - 76, area.w - 28, 14}, area.y + area.h - 70, 2, 0.0f,
          Rgb(70, 150, 200), Rgb(240, 250, 255));
}

void PaintSettingSail(CPictureCanvas& canvas, paint_box area)
{
    const float horizon = area.h * 0.5f;
    Sky(canvas, area, horizon, Rgb(240, 150, 90), Rgb(250, 220, 160));
    canvas.Ellipse({area.x + area.w * 0.75f, area.y + horizon}, 30, 30, Rgb(255, 220, 120));
    Sea(canvas, area, horizon, Rgb(40, 110, 170), Rgb(200, 150, 130), 15);
    // The island left behind, the ship with the band aboard heading out.
    Island(canvas, {area.x + area.w * 0.12f, area.y + area.h * 0.62f}, area.w * 0.2f, area.h * 0.12f);
    Palm(canvas, area.x + area.w * 0.1f, area.y + area.h * 0.6f, area.h * 0.35f);
    // All seven aboard, three behind and four in front, spread along the
    // deck between stern and bow: in front of the mast and sails, behind the
    // hull, which hides their legs.
    const paint_box ship{area.x + area.w * 0.5f, area.y + area.h * 0.28f, 140, 110};
    Boat(canvas, ship, 0.0f, [&] {
        for (int seat = 0; seat < 7; seat++) {
            const bool back = seat < 3;
            const float along = back ? 42 + seat * 24 : 30 + (seat - 3) * 24;
            PaintIslander(canvas, BandMember(seat), ship.x + along, area.y + area.h * (back ? 0.655f : 0.68f), 0.7f,
                          1);
        }
    });
    Swell(canvas, area, area.y + area.h * 0.86f, 3, 1.0f, Rgb(40, 110, 170), Rgb(230, 240, 250));
}

// ---- the instruction pages' scenes ---------------------------------------------

void Meadow(CPictureCanvas& canvas, paint_box area)
{
    Sky(canvas, area, area.h * 0.35f, Rgb(130, 190, 240), Rgb(220, 236, 246));
    canvas.Fill(area.x, area.y + area.h * 0.3f, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                [&](float px, float py) {
                    return PixelNoise(static_cast<int>(px), static_cast<int>(py), 5) > 0.9f ? Rgb(80, 140, 56)
                                                                                           : Rgb(104, 168, 70);
                });
}

void Beach(CPictureCanvas& canvas, paint_box area, float sandTop)
{
    Sky(canvas, area, area.h * 0.3f, Rgb(130, 190, 240), Rgb(220, 236, 246));
    Sea(canvas, area, area.h * 0.3f, Rgb(40, 130, 190), Rgb(90, 170, 215), 21);
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h,
                [&](float px, float py) { return py > area.y + area.h * sandTop + 4 * std::sin(px / 12); },
                [](float, float) { return Rgb(236, 212, 150); });
}

// A small arrow showing where something moves.
void Arrow(CPictureCanvas& canvas, paint_point from, paint_point to, paint_colour colour)
{
    canvas.Line(from, to, 3, colour);
    const float angle = std::atan2(to.y - from.y, to.x - from.x);
    for (float side : {2.5f, -2.5f}) {
        canvas.Line(to, {to.x - 9 * std::cos(angle + side * 0.2f), to.y - 9 * std::sin(angle + side * 0.2f)}, 3,
                    colour);
    }
}

// The player's hand: the pincer that lifts islanders.
void Pincer(CPictureCanvas& canvas, paint_point tip)
{
    canvas.Line({tip.x - 6, tip.y - 18}, {tip.x - 2, tip.y}, 3, Rgb(90, 90, 100));
    canvas.Line({tip.x + 6, tip.y - 18}, {tip.x + 2, tip.y}, 3, Rgb(90, 90, 100));
    canvas.Ellipse({tip.x, tip.y - 20}, 7, 5, Rgb(200, 60, 50));
}

// The camp's fire pit at scale, its top-left at (left, top); lit draws the
// flames in it.
void FirePit(CPictureCanvas& canvas, float left, float top, float scale, bool lit)
{
    PaintNamed(canvas, "fireplace_style0_construct1.png", {left, top, 140 * scale, 125 * scale});
    if (lit) {
        PaintNamed(canvas, "fireplace_fire_3.png", {left + 29 * scale, top - 10 * scale, 60 * scale, 72 * scale});
    }
}

// A grown islander's head, scale times the game's size, with its hair and a
// mouth for the face (an emotion word of the islanders' pictures).
void PaintHead(CPictureCanvas& canvas, const islander_look& look, float x, float y, float scale, const char* face)
{
    const std::string sex = look.male ? "male" : "female";
    const int m = look.male ? 1 : 0;
    constexpr int kFacing = 6;
    PaintLayer(canvas, sex + "_head_skin" + std::to_string(look.skin) + "_" + std::to_string(kFacing) + ".png", 20,
               22, x, y, scale);
    PaintLayer(canvas, sex + "_head_mouth_" + face + "_" + std::to_string(kFacing) + ".png", 20, 22, x, y, scale);
    const figure_offset hair = kHairOffsets[m];
    PaintLayer(canvas,
               sex + "_hair_style" + std::to_string(look.hair) + "_colour" + std::to_string(look.hairColour) + "_" +
                   std::to_string(kFacing) + ".png",
               look.male ? 26 : 40, look.male ? 30 : 50, x + hair.x * scale, y + hair.y * scale, scale);
}

// The shallow water at the shore, a band of foam where it meets the sand.
void Shallows(CPictureCanvas& canvas, paint_box area, float sandTop)
{
    Beach(canvas, area, sandTop);
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h,
                [&](float px, float py) {
                    const float edge = area.y + area.h * sandTop + 4 * std::sin(px / 12);
                    return py > edge - 2 && py < edge + 2;
                },
                [](float, float) { return Rgb(245, 250, 255, 220); });
}

// Something standing in the sea from left to left + w: the water beside it,
// row by row, covers it from the waterline down, edged with foam.
void Afloat(CPictureCanvas& canvas, float left, float waterline, float w, float depth)
{
    const int x0 = std::max(0, static_cast<int>(left) - 8);
    for (int y = static_cast<int>(waterline); y < std::min(canvas.Height(), static_cast<int>(waterline + depth)); y++) {
        const uint8_t* p = &canvas.Pixels()[(static_cast<size_t>(y) * canvas.Width() + x0) * 4];
        const paint_colour water = Rgb(p[0], p[1], p[2]);
        for (int x = static_cast<int>(left) - 2; x < static_cast<int>(left + w) + 2; x++) {
            if (x >= 0 && x < canvas.Width()) {
                canvas.Blend(x, y, water);
            }
        }
    }
    for (float px = left - 6; px < left + w + 6; px += 1.0f) {
        canvas.Ellipse({px, waterline + 1.5f * std::sin(px / 3)}, 1.2f, 1.2f, Rgb(240, 248, 255));
    }
}

using lesson_painter = void (*)(CPictureCanvas&, paint_box);

void LessonIslanders(CPictureCanvas& c, paint_box a)
{
    Meadow(c, a);
    for (int i = 0; i < 3; i++) {
        PaintIslander(c, BandMember(i), a.x + 25 + i * 30, a.y + a.h - 10 - (i % 2) * 6, 0.85f, i % 2 ? 2 : 1);
    }
}

void LessonCarry(CPictureCanvas& c, paint_box a)
{
    // Held up by the pincer, shadow on the grass below, on the way to a
    // tree to drop the islander on.
    Meadow(c, a);
    Palm(c, a.x + 86, a.y + a.h - 6, 58);
    PaintNamed(c, "peopleshadow_adult.png", {a.x + 22, a.y + a.h - 12, 30, 10});
    PaintIslander(c, BandMember(2), a.x + 36, a.y + a.h - 20, 0.75f);
    Pincer(c, {a.x + 37, a.y + 26});
    Arrow(c, {a.x + 52, a.y + a.h - 14}, {a.x + 76, a.y + a.h - 14}, Rgb(255, 255, 255));
}

void LessonNeeds(CPictureCanvas& c, paint_box a)
{
    // Food and sleep: the fish pile and a roof beside an islander.
    Meadow(c, a);
    PaintNamed(c, "hut_style0_construct4.png", {a.x + 58, a.y + 2, 50, 52});
    PaintNamed(c, "pile_fish3.png", {a.x + 62, a.y + a.h - 32, 34, 28});
    PaintIslander(c, BandMember(3), a.x + 30, a.y + a.h - 8, 0.85f, 1);
}

void LessonSidePanel(CPictureCanvas& c, paint_box a)
{
    // The picked islander, ringed on the island, and the side panel showing
    // them: the name plate, their picture and the About me button.
    Meadow(c, a);
    const float px = a.x + a.w * 0.55f, pw = a.w * 0.42f;
    c.RoundedBox(px, a.y + 4, pw, a.h - 8, 5, Rgb(54, 34, 20));
    c.RoundedBox(px + 2, a.y + 6, pw - 4, a.h - 12, 4, Rgb(62, 82, 52));
    c.RoundedBox(px + 5, a.y + 9, pw - 10, 11, 3, Rgb(54, 34, 20));
    c.RoundedBox(px + 6, a.y + 10, pw - 12, 9, 2, Rgb(88, 108, 76));
    c.Line({px + 11, a.y + 14.5f}, {px + pw - 11, a.y + 14.5f}, 2, Rgb(240, 236, 220));
    PaintIslander(c, BandMember(1), px + pw / 2, a.y + 62, 0.7f);
    c.RoundedBox(px + 6, a.y + a.h - 22, pw - 12, 11, 4, Rgb(98, 54, 94));
    PaintIslander(c, BandMember(1), a.x + 30, a.y + a.h - 10, 0.8f);
    PaintNamed(c, "selector_hut.png", {a.x + 14, a.y + a.h - 18, 32, 14});
}

void LessonScroll(CPictureCanvas& c, paint_box a)
{
    c.Fill(a.x, a.y, a.x + a.w, a.y + a.h, [](float, float) { return true; }, [](float, float) { return Rgb(40, 120, 180); });
    Island(c, {a.x + a.w * 0.5f, a.y + a.h * 0.55f}, a.w * 0.38f, a.h * 0.32f);
    Palm(c, a.x + a.w * 0.45f, a.y + a.h * 0.6f, 30);
    Pincer(c, {a.x + a.w * 0.62f, a.y + a.h * 0.45f});
    Arrow(c, {a.x + a.w * 0.62f, a.y + a.h * 0.5f}, {a.x + a.w * 0.88f, a.y + a.h * 0.5f}, Rgb(255, 255, 255));
    Arrow(c, {a.x + a.w * 0.38f, a.y + a.h * 0.5f}, {a.x + a.w * 0.12f, a.y + a.h * 0.5f}, Rgb(255, 255, 255));
}

void LessonFishing(CPictureCanvas& c, paint_box a)
{
    // Far out in the dark water, not by the pale shore.
    Sky(c, a, a.h * 0.25f, Rgb(130, 190, 240), Rgb(220, 236, 246));
    Sea(c, a, a.h * 0.25f, Rgb(20, 60, 120), Rgb(60, 120, 180), 22);
    c.Fill(a.x, a.y, a.x + a.w * 0.22f, a.y + a.h, [&](float px, float py) { return py > a.y + a.h * 0.3f + (px - a.x) * 2; },
           [](float, float) { return Rgb(236, 212, 150); });
    PaintIslander(c, BandMember(0), a.x + 65, a.y + a.h - 18, 0.85f);
    c.Fill(a.x + 40, a.y + a.h - 30, a.x + 90, a.y + a.h, [](float, float) { return true; },
           [](float, float) { return Rgb(20, 60, 120, 200); });
    PaintNamed(c, "fish_ripple_0.png", {a.x + 45, a.y + a.h - 34, 44, 14});
    PaintNamed(c, "fishA_R_3c.png", {a.x + 80, a.y + a.h * 0.35f, 26, 26});
}

void LessonBuilding(CPictureCanvas& c, paint_box a, const char* building, int worker)
{
    Meadow(c, a);
    PaintNamed(c, building, {a.x + a.w * 0.35f, a.y + 4, a.w * 0.6f, a.h - 8});
    if (worker >= 0) {
        PaintIslander(c, BandMember(worker), a.x + 24, a.y + a.h - 8, 0.8f, 1);
    }
}

void LessonGarden(CPictureCanvas& c, paint_box a) { LessonBuilding(c, a, "farm_style0.png", 3); }
void LessonHut(CPictureCanvas& c, paint_box a) { LessonBuilding(c, a, "hut_style0_construct4.png", -1); }
void LessonStorehouse(CPictureCanvas& c, paint_box a) { LessonBuilding(c, a, "storehouse_food_style0_construct4.png", 1); }
void LessonScience(CPictureCanvas& c, paint_box a) { LessonBuilding(c, a, "science_style0_construct4.png", 4); }
void LessonBuilders(CPictureCanvas& c, paint_box a)
{
    // More hands at one site.
    LessonBuilding(c, a, "hut_style0_construct1.png", 2);
    PaintIslander(c, BandMember(5), a.x + 50, a.y + a.h - 3, 0.8f, 1);
}
void LessonTakeDown(CPictureCanvas& c, paint_box a)
{
    LessonBuilding(c, a, "hut_style0_construct2.png", -1);
    PaintNamed(c, "pile_wood2.png", {a.x + 6, a.y + a.h - 34, 34, 28});
    Arrow(c, {a.x + a.w * 0.5f, a.y + a.h * 0.5f}, {a.x + 40, a.y + a.h - 30}, Rgb(255, 255, 255));
}

void LessonStock(CPictureCanvas& c, paint_box a)
{
    Meadow(c, a);
    PaintNamed(c, "pile_wood3.png", {a.x + 4, a.y + a.h - 48, 36, 40});
    PaintNamed(c, "pile_rock2.png", {a.x + 38, a.y + a.h - 48, 36, 40});
    PaintNamed(c, "pile_fish3.png", {a.x + 72, a.y + a.h - 48, 36, 40});
}

void LessonRock(CPictureCanvas& c, paint_box a)
{
    Meadow(c, a);
    PaintNamed(c, "rock_biggest0.png", {a.x + 50, a.y + a.h - 58, 56, 50});
    PaintIslander(c, BandMember(5), a.x + 34, a.y + a.h - 8, 0.85f, 1);
}

void LessonBuildMenu(CPictureCanvas& c, paint_box a)
{
    c.RoundedBox(a.x, a.y, a.w, a.h, 6, Rgb(110, 80, 50));
    static const char* const kIcons[6] = {"buildGUI_hutAA0.png", "buildGUI_firepit0.png", "buildGUI_science0.png",
                                          "buildGUI_storefood0.png", "buildGUI_flowers0.png", "buildGUI_farm0.png"};
    for (int i = 0; i < 6; i++) {
        PaintNamed(c, kIcons[i], {a.x + 4 + (i % 3) * 35.0f, a.y + 4 + (i / 3) * 40.0f, 34, 38});
    }
}

void LessonPlacing(CPictureCanvas& c, paint_box a)
{
    Meadow(c, a);
    PaintNamed(c, "hut_style0_construct0.png", {a.x + 25, a.y + 8, 70, 70});
    Pincer(c, {a.x + 60, a.y + 60});
}

void LessonPoints(CPictureCanvas& c, paint_box a)
{
    LessonBuilding(c, a, "science_style0_construct4.png", 4);
    for (int i = 0; i < 5; i++) {
        PaintNamed(c, "dust_particleA_" + std::to_string(i % 3) + ".png", {a.x + 50 + i * 9.0f, a.y + 6 + (i % 2) * 8.0f, 10, 10});
    }
}

void LessonFields(CPictureCanvas& c, paint_box a)
{
    c.RoundedBox(a.x, a.y, a.w, a.h, 6, Rgb(236, 216, 170));
    // Agriculture, Construction, Science and Arts; Arts brings clothes.
    static const char* const kFields[3] = {"pile_veg1.png", "hut_style0_construct4.png", "scilabGUI_potion_main.png"};
    for (int i = 0; i < 3; i++) {
        PaintNamed(c, kFields[i], {a.x + 4 + (i % 2) * 53.0f, a.y + 3 + (i / 2) * 41.0f, 48, 38});
    }
    const float sx = a.x + 81, sy = a.y + 48;
    c.OutlinedPolygon({{sx - 8, sy}, {sx + 8, sy}, {sx + 18, sy + 8}, {sx + 13, sy + 14}, {sx + 9, sy + 11},
                       {sx + 9, sy + 30}, {sx - 9, sy + 30}, {sx - 9, sy + 11}, {sx - 13, sy + 14}, {sx - 18, sy + 8}},
                      Rgb(200, 80, 60), Rgb(90, 40, 30));
    c.Line({sx - 4, sy}, {sx, sy + 5}, 1.5f, Rgb(90, 40, 30));
    c.Line({sx + 4, sy}, {sx, sy + 5}, 1.5f, Rgb(90, 40, 30));
}

void LessonFlask(CPictureCanvas& c, paint_box a)
{
    c.RoundedBox(a.x, a.y, a.w, a.h, 6, Rgb(70, 60, 90));
    PaintNamed(c, "scilabGUI_potion_main.png", {a.x + 28, a.y + 8, 54, 70});
}

void LessonPotion(CPictureCanvas& c, paint_box a)
{
    // A brewed potion held over an islander, ready to be dropped on them.
    Meadow(c, a);
    PaintIslander(c, BandMember(4), a.x + 40, a.y + a.h - 8, 0.85f, 1);
    PaintNamed(c, "potion_pointer_main.png", {a.x + 62, a.y + 8, 26, 36});
    Arrow(c, {a.x + 70, a.y + 46}, {a.x + 52, a.y + 58}, Rgb(255, 255, 255));
}

void LessonStardust(CPictureCanvas& c, paint_box a)
{
    Sky(c, a, a.h * 0.6f, Rgb(110, 170, 230), Rgb(220, 235, 245));
    c.Fill(a.x, a.y + a.h * 0.6f, a.x + a.w, a.y + a.h, [](float, float) { return true; },
           [](float, float) { return Rgb(60, 100, 50); });
    PaintNamed(c, "dust_stardust_falling_base.png", {a.x + 60, a.y + 4, 30, 40});
    PaintNamed(c, "dust_stardust_ground_base.png", {a.x + 20, a.y + a.h - 34, 50, 30});
}

void LessonMoondust(CPictureCanvas& c, paint_box a)
{
    // A pale moon in the day sky, and the silver heap it dropped.
    Sky(c, a, a.h * 0.6f, Rgb(120, 160, 210), Rgb(210, 220, 235));
    c.Ellipse({a.x + 85, a.y + 18}, 10, 10, Rgb(245, 245, 235));
    c.Fill(a.x, a.y + a.h * 0.6f, a.x + a.w, a.y + a.h, [](float, float) { return true; },
           [](float, float) { return Rgb(60, 100, 50); });
    PaintNamed(c, "dust_moondust_ground_base.png", {a.x + 30, a.y + a.h - 36, 50, 30});
}

void LessonHunger(CPictureCanvas& c, paint_box a)
{
    // A hungry islander takes a fish from the pile to the fire.
    Meadow(c, a);
    PaintNamed(c, "pile_fish3.png", {a.x, a.y + a.h - 34, 32, 28});
    FirePit(c, a.x + 66, a.y + 42, 0.34f, true);
    PaintIslander(c, BandMember(3), a.x + 48, a.y + a.h - 6, 0.8f, 1, true, 3);
    Arrow(c, {a.x + 30, a.y + 16}, {a.x + 74, a.y + 30}, Rgb(255, 255, 255));
}

void LessonSleep(CPictureCanvas& c, paint_box a)
{
    Sky(c, a, a.h * 0.4f, Rgb(20, 30, 70), Rgb(70, 70, 120));
    c.Fill(a.x, a.y + a.h * 0.4f, a.x + a.w, a.y + a.h, [](float, float) { return true; },
           [](float, float) { return Rgb(60, 100, 50); });
    PaintNamed(c, "hut_style0_construct4.png", {a.x + 20, a.y + 6, 70, 74});
    c.Text("Z", 2, static_cast<int>(a.x + 92), static_cast<int>(a.y + 16), Rgb(255, 255, 255));
    c.Text("z", 1, static_cast<int>(a.x + 100), static_cast<int>(a.y + 6), Rgb(255, 255, 255));
}

void LessonPotions(CPictureCanvas& c, paint_box a)
{
    Meadow(c, a);
    PaintIslander(c, BandMember(6), a.x + 40, a.y + a.h - 8, 0.85f, 1);
    PaintNamed(c, "potion_pointer_main.png", {a.x + 62, a.y + 14, 30, 40});
}

void LessonFeeding(CPictureCanvas& c, paint_box a)
{
    // The band eating round the burning fire.
    Meadow(c, a);
    FirePit(c, a.x + 28, a.y + 40, 0.4f, true);
    PaintIslander(c, BandMember(2), a.x + 20, a.y + a.h - 8, 0.85f, 1);
    PaintIslander(c, BandMember(3), a.x + 92, a.y + a.h - 10, 0.85f, 2);
}

void LessonRain(CPictureCanvas& c, paint_box a)
{
    Sky(c, a, a.h * 0.4f, Rgb(80, 90, 110), Rgb(140, 150, 160));
    c.Fill(a.x, a.y + a.h * 0.4f, a.x + a.w, a.y + a.h, [](float, float) { return true; },
           [](float, float) { return Rgb(80, 130, 60); });
    PaintIslander(c, BandMember(4), a.x + 55, a.y + a.h - 8, 0.85f, 1, true, 5);
    RainOver(c, a, 80, -3, 31);
}

void LessonMood(CPictureCanvas& c, paint_box a)
{
    // The box of what is on their mind above two faces: one pleased, one
    // worried.
    Meadow(c, a);
    c.RoundedBox(a.x + 8, a.y + 4, a.w - 16, 20, 5, Rgb(54, 34, 20));
    c.RoundedBox(a.x + 10, a.y + 6, a.w - 20, 16, 4, Rgb(240, 232, 206));
    for (int i = 0; i < 2; i++) {
        c.Line({a.x + 16, a.y + 11 + i * 6.0f}, {a.x + a.w - (i ? 40 : 18), a.y + 11 + i * 6.0f}, 2,
               Rgb(110, 90, 70));
    }
    PaintHead(c, BandMember(1), a.x + 12, a.y + 36, 2.0f, "smile");
    PaintHead(c, BandMember(2), a.x + 60, a.y + 36, 2.0f, "worried");
}

void LessonCouple(CPictureCanvas& c, paint_box a)
{
    Meadow(c, a);
    PaintNamed(c, "hut_style0_construct4.png", {a.x + 50, a.y + 2, 58, 62});
    PaintIslander(c, BandMember(0), a.x + 28, a.y + a.h - 8, 0.85f, 1);
    PaintIslander(c, BandMember(1), a.x + 48, a.y + a.h - 8, 0.85f, 2);
}

void LessonBaby(CPictureCanvas& c, paint_box a)
{
    Meadow(c, a);
    PaintIslander(c, BandMember(1), a.x + 40, a.y + a.h - 8, 0.85f, 1);
    PaintLayer(c, "baby_stand_skin1_SE.png", 28, 26, a.x + 58, a.y + a.h - 30, 0.9f);
    PaintLayer(c, "baby_head_skin1_6.png", 22, 20, a.x + 60, a.y + a.h - 44, 0.9f);
}

void LessonKids(CPictureCanvas& c, paint_box a)
{
    Meadow(c, a);
    PaintIslander(c, BandMember(2), a.x + 30, a.y + a.h - 8, 0.85f, 1);
    PaintChild(c, 2, a.x + 62, a.y + a.h - 8, 0.8f);
    PaintChild(c, 0, a.x + 86, a.y + a.h - 10, 0.75f);
}

void LessonElder(CPictureCanvas& c, paint_box a)
{
    Meadow(c, a);
    islander_look elder = BandMember(3);
    elder.hairColour = 8;
    PaintIslander(c, elder, a.x + 55, a.y + a.h - 8, 0.9f, 1);
}

void LessonGrave(CPictureCanvas& c, paint_box a)
{
    Meadow(c, a);
    PaintNamed(c, "tombstone1.png", {a.x + 35, a.y + 20, 40, 56});
}

void LessonSkills(CPictureCanvas& c, paint_box a)
{
    // Practice: an islander at the tree, the wood it has cut beside it.
    Meadow(c, a);
    Palm(c, a.x + 80, a.y + a.h - 8, 60);
    PaintNamed(c, "pile_wood2.png", {a.x + 2, a.y + a.h - 30, 30, 26});
    PaintIslander(c, BandMember(5), a.x + 50, a.y + a.h - 8, 0.9f, 1);
}

void LessonClothes(CPictureCanvas& c, paint_box a) { LessonBuilding(c, a, "craftworks_style0_construct4.png", 0); }

void LessonCrate(CPictureCanvas& c, paint_box a)
{
    // Afloat in the surf off the sand, not landed on it.
    Shallows(c, a, 0.72f);
    PaintNamed(c, "crate_0.png", {a.x + 56, a.y + 24, 38, 32});
    Afloat(c, a.x + 56, a.y + 47, 38, 10);
    PaintIslander(c, BandMember(0), a.x + 22, a.y + a.h - 4, 0.75f, 1);
}

void LessonBarrel(CPictureCanvas& c, paint_box a)
{
    // An islander wades out to the barrel in the surf to open it.
    Shallows(c, a, 0.8f);
    PaintNamed(c, "barrel_0.png", {a.x + 62, a.y + 28, 30, 34});
    Afloat(c, a.x + 62, a.y + 54, 30, 10);
    PaintIslander(c, BandMember(3), a.x + 46, a.y + 66, 0.75f, 1);
    Afloat(c, a.x + 34, a.y + 56, 26, 12);
}

void LessonMystery(CPictureCanvas& c, paint_box a)
{
    // A crate covered in strange markings, the kind that may hold bad luck,
    // opened: beetles swarm out for the trees.
    Beach(c, a, 0.45f);
    PaintNamed(c, "crate_0.png", {a.x + 10, a.y + 34, 40, 34});
    for (int i = 0; i < 3; i++) {
        c.Ring({a.x + 22 + i * 8.0f, a.y + 46 + (i % 2) * 6.0f}, 2.5f, 2.5f, 1, Rgb(150, 40, 120));
    }
    for (int i = 0; i < 9; i++) {
        const float bx = a.x + 56 + (i % 5) * 10.0f + (i / 5) * 5, by = a.y + 52 + (i % 3) * 8.0f + (i / 5) * 4;
        for (float leg : {-1.0f, 1.0f}) {
            c.Line({bx - 3, by + leg * 2.5f}, {bx + 3, by - leg * 2.5f}, 1, Rgb(40, 30, 20));
        }
        c.Ellipse({bx, by}, 3, 2, Rgb(60, 45, 30));
    }
    Arrow(c, {a.x + 62, a.y + 44}, {a.x + 98, a.y + 40}, Rgb(255, 255, 255));
}

void LessonClue(CPictureCanvas& c, paint_box a)
{
    // An islander puzzling over one of the island's mysteries.
    Meadow(c, a);
    PaintNamed(c, "mysterious_3.png", {a.x + 48, a.y + 4, 58, 72});
    PaintIslander(c, BandMember(4), a.x + 30, a.y + a.h - 6, 0.8f, 1);
    c.Text("?", 2, static_cast<int>(a.x + 30), static_cast<int>(a.y + 12), Rgb(255, 255, 255));
}

void LessonMap(CPictureCanvas& c, paint_box a)
{
    c.RoundedBox(a.x, a.y, a.w, a.h, 6, Rgb(236, 216, 170));
    PaintNamed(c, "islandcreator_atoll3.jpg", {a.x + 12, a.y + 6, a.w - 24, a.h - 12});
}

void LessonShip(CPictureCanvas& c, paint_box a)
{
    Sky(c, a, a.h * 0.5f, Rgb(130, 190, 240), Rgb(220, 236, 246));
    Sea(c, a, a.h * 0.5f, Rgb(40, 120, 180), Rgb(90, 170, 215), 23);
    Boat(c, {a.x + 20, a.y + 8, 70, 64}, 0.0f);
}

void LessonTrophies(CPictureCanvas& c, paint_box a)
{
    c.RoundedBox(a.x, a.y, a.w, a.h, 6, Rgb(70, 50, 40));
    // The medal is drawn at its own size: its picture's middle on ours.
    PaintNamed(c, "trophies_tr_buddingbuilder.png", {a.x + (a.w - 96) / 2, a.y + (a.h - 96) / 2, 96, 96});
}

void LessonMenu(CPictureCanvas& c, paint_box a)
{
    c.RoundedBox(a.x, a.y, a.w, a.h, 6, Rgb(110, 80, 50));
    // The island's menu: its five buttons.
    for (int i = 0; i < 5; i++) {
        PaintNamed(c, "mainmenu_button_C_base.png", {a.x + 20, a.y + 5 + i * 15.5f, a.w - 40, 13});
    }
}

void LessonTimeAway(CPictureCanvas& c, paint_box a)
{
    // A clock over the settings' row of four choices, one ticked.
    c.RoundedBox(a.x, a.y, a.w, a.h, 6, Rgb(62, 82, 52));
    const paint_point face{a.x + a.w / 2, a.y + 28};
    c.Ellipse(face, 20, 20, Rgb(54, 34, 20));
    c.Ellipse(face, 17, 17, Rgb(240, 232, 206));
    c.Line(face, {face.x, face.y - 12}, 2.5f, Rgb(54, 34, 20));
    c.Line(face, {face.x + 8, face.y + 4}, 2.5f, Rgb(54, 34, 20));
    for (int i = 0; i < 4; i++) {
        const paint_point box{a.x + 19 + i * 24.0f, a.y + 66};
        c.Ellipse(box, 7, 7, Rgb(240, 232, 206));
        c.Ring(box, 7, 7, 1.5f, Rgb(54, 34, 20));
        if (i == 2) {
            c.Ellipse(box, 3.5f, 3.5f, Rgb(54, 34, 20));
        }
    }
}

void LessonProfiles(CPictureCanvas& c, paint_box a)
{
    c.RoundedBox(a.x, a.y, a.w, a.h, 6, Rgb(236, 216, 170));
    for (int i = 0; i < 3; i++) {
        PaintIslander(c, BandMember(i * 2), a.x + 22 + i * 33, a.y + a.h - 6, 0.8f, 1);
    }
}

struct lesson_scene {
    const char* label;  // the picture's manifest label
    lesson_painter painter;
};

constexpr lesson_scene kLessons[] = {
    {"Islanders", LessonIslanders}, {"Carry", LessonCarry},         {"Needs", LessonNeeds},
    {"Side panel", LessonSidePanel}, {"Scroll", LessonScroll},      {"Fishing", LessonFishing},
    {"Garden", LessonGarden},       {"Stock", LessonStock},         {"Rock", LessonRock},
    {"Build menu", LessonBuildMenu}, {"Placing", LessonPlacing},    {"Builders", LessonBuilders},
    {"Hut", LessonHut},             {"Storehouse", LessonStorehouse}, {"Take down", LessonTakeDown},
    {"Science", LessonScience},     {"Points", LessonPoints},       {"Fields", LessonFields},
    {"Lab", LessonFlask},           {"Stardust", LessonStardust},   {"Potion", LessonPotion},
    {"Moondust", LessonMoondust},   {"Hunger", LessonHunger},       {"Sleep", LessonSleep},
    {"Potions", LessonPotions},     {"Feeding", LessonFeeding},       {"Rain", LessonRain},
    {"Mood", LessonMood},           {"Couple", LessonCouple},       {"Baby", LessonBaby},
    {"Kids", LessonKids},           {"Elder", LessonElder},         {"Grave", LessonGrave},
    {"Skills", LessonSkills},       {"Clothes", LessonClothes},     {"Crate", LessonCrate},
    {"Barrel", LessonBarrel},       {"Mystery", LessonMystery},     {"Clue", LessonClue},
    {"Map", LessonMap},             {"Ship", LessonShip},           {"Trophies", LessonTrophies},
    {"Menu", LessonMenu},           {"Time away", LessonTimeAway},  {"Profiles", LessonProfiles},
};

}  // namespace

void PaintStory(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int frame = LastNumber(job.name, 0);
    if (job.name.rfind("endstory_main_", 0) == 0) {
        const char part = job.name.size() > 14 ? job.name[14] : 'A';
        if (part == 'A') {
            PaintEndingPage(canvas, area);
        } else if (part == 'B') {
            PaintSettingSail(canvas, area);
        } else if (part == 'C') {
            // The strip above the picture: the open sea with gulls over it.
            Sea(canvas, area, 0, Rgb(40, 110, 170), Rgb(90, 160, 210), 16);
            Swell(canvas, area, area.y + area.h * 0.6f, 3, 0.5f, Rgb(40, 110, 170), Rgb(230, 240, 250));
            PaintNamed(canvas, "gull_fly_2.png", {area.x + area.w * 0.7f, area.y + 2, 30, 18});
        } else {
            // The strip beside it: a rope down a driftwood post.
            canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                        [](float, float) { return Rgb(120, 86, 52); });
            for (float y = area.y; y < area.y + area.h; y += 8) {
                canvas.Line({area.x + 4, y}, {area.x + area.w - 4, y + 6}, 3, Rgb(210, 180, 120));
            }
        }
        return;
    }
    const int panel = NumberAfter(job.name, "intro_panel", 1);
    switch (panel) {
    case 1: PaintSettingOut(canvas, area, frame); break;
    case 2: PaintAtSea(canvas, area, frame); break;
    case 3: PaintStorm(canvas, area, frame); break;
    default: PaintShore(canvas, area, frame); break;
    }
}

void PaintLesson(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    for (const lesson_scene& scene : kLessons) {
        if (job.label == scene.label) {
            scene.painter(canvas, area);
            return;
        }
    }
    // A picture the pages do not name yet: the island itself.
    LessonScroll(canvas, area);
}

void PaintEmblem(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // A round seal: a wave under a rising sun, drawn in as the frames go on.
    const int frame = LastNumber(job.name, 0);
    const float grown = std::min(1.0f, (frame + 1) / 18.0f);
    const paint_point centre{area.x + area.w / 2, area.y + area.h / 2};
    const float radius = std::min(area.w, area.h) * 0.46f;
    if (job.name.find("shad") != std::string::npos) {
        canvas.Ellipse({centre.x + 4, centre.y + 5}, radius * grown, radius * grown, Rgb(0, 0, 0, 90));
        return;
    }
    canvas.Ellipse(centre, radius * grown, radius * grown, Rgb(120, 80, 40));
    canvas.Ellipse(centre, radius * grown * 0.9f, radius * grown * 0.9f, Rgb(240, 226, 190));
    if (frame < 6) {
        return;
    }
    const float inner = radius * 0.9f * grown;
    canvas.Fill(centre.x - inner, centre.y - inner, centre.x + inner, centre.y + inner,
                [&](float px, float py) {
                    const float dx = px - centre.x, dy = py - centre.y;
                    return dx * dx + dy * dy < inner * inner * 0.92f && py < centre.y + inner * 0.05f;
                },
                [&](float, float py) { return Mix(Rgb(250, 170, 80), Rgb(255, 230, 150), (py - centre.y + inner) / inner); });
    canvas.Ellipse({centre.x, centre.y + inner * 0.05f}, inner * 0.4f * std::min(1.0f, (frame - 5) / 6.0f),
                   inner * 0.4f * std::min(1.0f, (frame - 5) / 6.0f), Rgb(255, 220, 90));
    const float sea = std::min(1.0f, (frame - 5) / 8.0f);
    canvas.Fill(centre.x - inner, centre.y, centre.x + inner, centre.y + inner,
                [&](float px, float py) {
                    const float dx = px - centre.x, dy = py - centre.y;
                    const float crest = centre.y + inner * 0.05f + inner * 0.1f * std::sin(dx / inner * 3 * kPi);
                    return dx * dx + dy * dy < inner * inner * 0.92f && py > crest && dx < -inner + 2 * inner * sea;
                },
                [&](float, float py) { return Mix(Rgb(60, 150, 200), Rgb(20, 70, 140), (py - centre.y) / inner); });
    canvas.Ring(centre, radius * 0.9f, radius * 0.9f, 3, Rgb(120, 80, 40));
}

void PaintMenuScene(CPictureCanvas& canvas, const picture_job&, paint_box area)
{
    // The band's island in the morning, the sea open to the right where the
    // menu's buttons stand.
    const float horizon = area.h * 0.3f;
    Sky(canvas, area, horizon, Rgb(110, 170, 230), Rgb(230, 238, 240));
    for (int i = 0; i < 4; i++) {
        canvas.Ellipse({area.x + 120 + i * 170.0f, area.y + 60 + (i % 2) * 30}, 60, 18, Rgb(255, 255, 255, 200));
    }
    Sea(canvas, area, horizon, Rgb(30, 100, 170), Rgb(100, 170, 215), 31);
    Swell(canvas, area, area.y + area.h * 0.9f, 4, 0.7f, Rgb(30, 100, 170), Rgb(230, 240, 250));
    const paint_point centre{area.x + area.w * 0.36f, area.y + area.h * 0.6f};
    Island(canvas, centre, area.w * 0.32f, area.h * 0.22f);
    Palm(canvas, centre.x - 150, centre.y - 20, 120);
    Palm(canvas, centre.x + 140, centre.y - 30, 110);
    Palm(canvas, centre.x - 60, centre.y - 70, 95);
    PaintNamed(canvas, "hut_style0_construct4.png", {centre.x - 10, centre.y - 120, 110, 115});
    PaintNamed(canvas, "fireplace_style0_construct1.png", {centre.x - 80, centre.y - 10, 60, 50});
    PaintNamed(canvas, "pile_fish3.png", {centre.x + 90, centre.y - 10, 50, 44});
    for (int seat = 0; seat < 4; seat++) {
        PaintIslander(canvas, BandMember(seat), centre.x - 120 + seat * 60, centre.y + 70 + (seat % 2) * 14, 1.4f,
                      seat % 2 ? 2 : 1);
    }
    Boat(canvas, {area.x + area.w * 0.62f, area.y + area.h * 0.35f, 110, 90}, 0.0f);
    for (int i = 0; i < 3; i++) {
        PaintNamed(canvas, "gull_fly_" + std::to_string(i * 2) + ".png",
                   {area.x + 200 + i * 60.0f, area.y + 110.0f + i * 14, 34, 22});
    }
    // A driftwood sign hung in the top left corner, where the menu greets the
    // player by name: the light greeting reads on its dark boards.
    const float signX = area.x + 2, signY = area.y + 6, signW = 226, signH = 36;
    canvas.Line({signX + 20, area.y}, {signX + 24, signY + 4}, 2, Rgb(170, 140, 90));
    canvas.Line({signX + signW - 20, area.y}, {signX + signW - 24, signY + 4}, 2, Rgb(170, 140, 90));
    canvas.RoundedBox(signX, signY, signW, signH, 6, Rgb(54, 34, 20));
    canvas.RoundedBox(signX + 2, signY + 2, signW - 4, signH - 4, 5, Rgb(96, 64, 40));
    canvas.Line({signX + 6, signY + signH / 2}, {signX + signW - 6, signY + signH / 2}, 1, Rgb(78, 50, 30));
    for (float x : {signX + 8.0f, signX + signW - 8.0f}) {
        canvas.Ellipse({x, signY + 9}, 1.5f, 1.5f, Rgb(40, 30, 20));
        canvas.Ellipse({x, signY + signH - 9}, 1.5f, 1.5f, Rgb(40, 30, 20));
    }
}
