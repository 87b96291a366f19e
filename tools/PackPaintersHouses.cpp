// Painters of the buildings at each stage of building: a staked site, a
// scaffold on the kind's footing, half its walls, its walls under rafters,
// then the finished building. Every kind has a body of its own, in its own
// material: the small hut is round and thatched, the large one a bamboo
// house on stilts, the storehouses a granary on posts, a stone store and an
// open log shed, the observatory a stone tower under its dome, the
// craftworks a timbered workshop with a loom, the science station a lab
// under a glass dome, the shipyard a boat shed over its slipway, and the
// wonders a golden sun needle and a silver moon spire. The hut roofs that
// roofed huts wear, and the hut cards of the build menu, are here too.
#include "CPackRandom.h"
#include "PackPainters.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr float kPi = 3.14159265f;

const paint_colour kPlank = Rgb(196, 150, 92);
const paint_colour kPlankEdge = Rgb(96, 64, 32);
const paint_colour kEarth = Rgb(140, 104, 66);
const paint_colour kOutline = Rgb(52, 36, 24);
const paint_colour kDark = Rgb(46, 32, 22);
const paint_colour kStraw = Rgb(206, 168, 92);

enum class Kind {
    SmallHut, LargeHut, StoreFood, StoreRock, StoreWood, Observatory, Craftworks, Science, Shipyard, WonderSun,
    WonderMoon, Garden,
};

// Where the body stands in its picture, as shares of the picture: the
// footprints the game's obstruction boxes, stand points and grass points
// were laid out for.
struct kind_look {
    const char* word;  // in the picture's name
    Kind kind;
    float left, right, wallTop, roofTop;
};

const kind_look kKinds[] = {
    {"hut_style1", Kind::LargeHut, 0.14f, 0.86f, 0.56f, 0.14f},
    {"hut", Kind::SmallHut, 0.14f, 0.86f, 0.56f, 0.14f},
    {"storehouse_food", Kind::StoreFood, 0.1f, 0.9f, 0.5f, 0.16f},
    {"storehouse_rock", Kind::StoreRock, 0.1f, 0.9f, 0.5f, 0.16f},
    {"storehouse_wood", Kind::StoreWood, 0.1f, 0.9f, 0.5f, 0.16f},
    {"observatory", Kind::Observatory, 0.22f, 0.78f, 0.36f, 0.06f},
    {"craftworks", Kind::Craftworks, 0.08f, 0.92f, 0.5f, 0.2f},
    {"science", Kind::Science, 0.1f, 0.9f, 0.48f, 0.14f},
    {"shipyard", Kind::Shipyard, 0.05f, 0.95f, 0.62f, 0.3f},
    {"wonderA", Kind::WonderSun, 0.3f, 0.7f, 0.1f, 0.04f},
    {"wonderB", Kind::WonderMoon, 0.3f, 0.7f, 0.1f, 0.04f},
    {"farm", Kind::Garden, 0.0f, 1.0f, 0.5f, 0.2f},
};

const kind_look& LookFor(const std::string& name)
{
    for (const kind_look& look : kKinds) {
        // A hut's construction stages are the small hut's picture names.
        if (name.find(look.word) != std::string::npos &&
            (look.kind != Kind::LargeHut || name.find("construct4") != std::string::npos)) {
            return look;
        }
    }
    return kKinds[1];
}

struct site {
    paint_box area;
    float left, right, ground, wallTop, roofTop;
    uint64_t seed;
    float Cx() const { return (left + right) / 2; }
    float W() const { return right - left; }
    float Wall() const { return ground - wallTop; }
};

site SiteFor(const kind_look& look, paint_box area, uint64_t seed)
{
    return {area,
            area.x + area.w * look.left,
            area.x + area.w * look.right,
            area.y + area.h * 0.9f,
            area.y + area.h * look.wallTop,
            area.y + area.h * look.roofTop,
            seed};
}

// Light across a round body lit from the left.
float RoundLight(float px, float cx, float half)
{
    const float u = std::clamp((px - cx) / half, -1.0f, 1.0f);
    return 1.12f - 0.38f * (u + 0.3f) * (u + 0.3f);
}

using region = std::function<bool(float, float)>;

bool InBox(float px, float py, float l, float t, float r, float b)
{
    return px >= l && px <= r && py >= t && py <= b;
}

// Stone laid in courses, each block its own tone; light the body's shape
// gives (1 for a flat wall).
void Masonry(CPictureCanvas& canvas, paint_box box, const region& inside, paint_colour stone, float course,
             float block, const std::function<float(float)>& light, uint64_t seed)
{
    const float bottom = box.y + box.h;
    canvas.Fill(box.x, box.y, box.x + box.w, bottom, inside, [&](float px, float py) {
        const int row = static_cast<int>(std::floor((bottom - py) / course));
        const float offset = (row % 2) * block / 2;
        const int column = static_cast<int>(std::floor((px - box.x + offset) / block));
        const bool mortar = std::fmod(bottom - py, course) < 1.4f || std::fmod(px - box.x + offset, block) < 1.4f;
        const float lit = light(px);
        if (mortar) {
            return Shade(stone, 0.6f * lit);
        }
        const float tone = 0.86f + 0.2f * PixelNoise(column, row, seed);
        const float speck = 0.95f + 0.08f * PixelNoise(static_cast<int>(px), static_cast<int>(py), seed + 3);
        // Each block lit on its upper edge.
        const float top = std::fmod(bottom - py, course) > course - 3.0f ? 1.1f : 1.0f;
        return Shade(stone, tone * speck * lit * top);
    });
}

// Boards side by side, seams dark, grain along them.
void Boards(CPictureCanvas& canvas, paint_box box, const region& inside, paint_colour wood, float boardW, bool upright,
            const std::function<float(float)>& light, uint64_t seed)
{
    canvas.Fill(box.x, box.y, box.x + box.w, box.y + box.h, inside, [&](float px, float py) {
        const float across = upright ? px - box.x : py - box.y;
        const float along = upright ? py : px;
        const int board = static_cast<int>(std::floor(across / boardW));
        const float inBoard = std::fmod(across, boardW);
        if (inBoard < 1.3f) {
            return Shade(wood, 0.55f * light(px));
        }
        const float tone = 0.88f + 0.18f * PixelNoise(board, 0, seed);
        const float grain = 0.92f + 0.12f * PixelNoise(board * 31 + static_cast<int>(across * 2),
                                                       static_cast<int>(along / 7), seed + 1);
        return Shade(wood, tone * grain * light(px));
    });
}

// Thatch: strands running down from the apex, laid in courses whose lower
// edges cast a shade.
void Thatch(CPictureCanvas& canvas, paint_box box, const region& inside, paint_colour straw, paint_point apex,
            float course, uint64_t seed)
{
    canvas.Fill(box.x, box.y, box.x + box.w, box.y + box.h, inside, [&](float px, float py) {
        const float dx = px - apex.x, dy = py - apex.y;
        const float distance = std::sqrt(dx * dx + dy * dy);
        const int strand = static_cast<int>(std::floor(std::atan2(dy, dx) * distance / 3.0f));
        const float inCourse = std::fmod(distance, course) / course;
        const float shade = 1.08f - 0.32f * inCourse * inCourse;
        const float tone = 0.84f + 0.26f * PixelNoise(strand, static_cast<int>(distance / course), seed);
        const float side = 1.0f - 0.12f * std::clamp(dx / (box.w / 2), -1.0f, 1.0f);
        return Shade(straw, shade * tone * side);
    });
}

// Rows of rounded tiles or shingles.
void Tiles(CPictureCanvas& canvas, paint_box box, const region& inside, paint_colour tile, float rowH, float tileW,
           uint64_t seed)
{
    canvas.Fill(box.x, box.y, box.x + box.w, box.y + box.h, inside, [&](float px, float py) {
        const int row = static_cast<int>(std::floor((py - box.y) / rowH));
        const float offset = (row % 2) * tileW / 2;
        const float u = std::fmod(px - box.x + offset, tileW) / tileW;
        const float v = std::fmod(py - box.y, rowH) / rowH;
        // A tile's rounded lower edge: the row below shows under its corners.
        const float edge = 1.0f - 0.45f * (2 * u - 1) * (2 * u - 1);
        const bool gap = v > edge * 0.95f + 0.05f;
        const int column = static_cast<int>(std::floor((px - box.x + offset) / tileW));
        const float tone = 0.88f + 0.2f * PixelNoise(column, row, seed);
        if (gap) {
            return Shade(tile, 0.55f);
        }
        return Shade(tile, tone * (1.12f - 0.3f * v));
    });
}

void Outline(CPictureCanvas& canvas, const std::vector<paint_point>& corners, float width = 1.6f,
             paint_colour colour = kOutline)
{
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        canvas.Line(corners[j], corners[i], width, colour);
    }
}

// The lower half of an ellipse from left to right, for rims and eaves.
std::vector<paint_point> LowerArc(paint_point c, float rx, float ry, int steps = 24)
{
    std::vector<paint_point> points;
    for (int i = 0; i <= steps; i++) {
        const float t = kPi - kPi * i / steps;
        points.push_back({c.x + rx * std::cos(t), c.y + ry * std::sin(t)});
    }
    return points;
}

std::vector<paint_point> UpperArc(paint_point c, float rx, float ry, int steps = 24)
{
    std::vector<paint_point> points;
    for (int i = 0; i <= steps; i++) {
        const float t = kPi + kPi * i / steps;
        points.push_back({c.x + rx * std::cos(t), c.y + ry * std::sin(t)});
    }
    return points;
}

void Post(CPictureCanvas& canvas, float x, float top, float bottom, float width)
{
    canvas.Line({x, top}, {x, bottom}, width + 2, kPlankEdge);
    canvas.Line({x, top}, {x, bottom}, width, kPlank);
}

void Scaffold(CPictureCanvas& canvas, float left, float right, float top, float bottom)
{
    const float w = std::max(3.0f, (right - left) / 40);
    for (float x : {left, right}) {
        Post(canvas, x, top, bottom, w);
    }
    for (int i = 1; i <= 3; i++) {
        const float y = bottom - (bottom - top) * i / 3.5f;
        canvas.Line({left, y}, {right, y}, w + 2, kPlankEdge);
        canvas.Line({left, y}, {right, y}, w, Shade(kPlank, 1.1f));
    }
    canvas.Line({left, bottom}, {right, top}, w * 0.8f, Shade(kPlank, 0.8f));
}

// A dark doorway with a rounded head and a frame.
void Doorway(CPictureCanvas& canvas, float cx, float bottom, float w, float h, paint_colour frame, bool shut,
             paint_colour door)
{
    canvas.RoundedBox(cx - w / 2 - 3, bottom - h - 3, w + 6, h + 3, w / 2 + 3, Shade(frame, 0.55f));
    canvas.RoundedBox(cx - w / 2 - 1.5f, bottom - h - 1.5f, w + 3, h + 1.5f, w / 2 + 1.5f, frame);
    if (shut) {
        canvas.RoundedBox(cx - w / 2, bottom - h, w, h, w / 2, door);
        for (float x = cx - w / 2 + 4; x < cx + w / 2 - 1; x += 5) {
            canvas.Line({x, bottom - h + (std::fabs(x - cx) < w / 4 ? 2 : 6)}, {x, bottom - 1}, 1, Shade(door, 0.7f));
        }
        canvas.Ellipse({cx + w * 0.3f, bottom - h * 0.45f}, 1.8f, 1.8f, Rgb(60, 50, 40));
        return;
    }
    canvas.RoundedBox(cx - w / 2, bottom - h, w, h, w / 2, kDark);
    // The inside darkens away from the light.
    canvas.RoundedBox(cx - w / 2 + w * 0.45f, bottom - h + 2, w * 0.55f - 1, h - 2, w / 2, Rgb(30, 20, 14));
}

void Smoke(CPictureCanvas& canvas, paint_point from, float size, paint_colour puff)
{
    for (int i = 0; i < 3; i++) {
        canvas.Ellipse({from.x + i * size * 0.7f, from.y - i * size * 1.3f}, size * (0.8f + i * 0.3f),
                       size * (0.65f + i * 0.22f), WithAlpha(puff, puff.a * (1.0f - i * 0.2f)));
    }
}

// ---------------------------------------------------------------------------
// The kinds. Each draws its walls (what stands at stages 2 and 3, cut to
// height) and what completes it (roofs, domes, goods).

void SmallHutWalls(CPictureCanvas& canvas, const site& s, bool shut)
{
    const float half = s.W() / 2, cx = s.Cx();
    const float eave = s.wallTop - 8;
    auto bottomAt = [&](float px) {
        const float u = std::clamp((px - cx) / half, -1.0f, 1.0f);
        return s.ground - 8 + 8 * std::sqrt(1 - u * u);
    };
    const paint_colour reed = Rgb(198, 160, 102);
    canvas.Fill(s.left, eave, s.right, s.ground,
                [&](float px, float py) { return px >= s.left && px <= s.right && py >= eave && py <= bottomAt(px); },
                [&](float px, float py) {
                    const float u = std::clamp((px - cx) / half, -1.0f, 1.0f);
                    const float curve = 6 * std::sqrt(1 - u * u);
                    const int stick = static_cast<int>(std::floor((px - s.left) / 4));
                    const float k = std::fmod(px - s.left, 4.0f) / 4;
                    float light = RoundLight(px, cx, half) * (1.08f - 0.3f * std::fabs(k - 0.5f));
                    light *= 0.9f + 0.15f * PixelNoise(stick, 0, s.seed);
                    for (float band : {0.22f, 0.55f, 0.85f}) {
                        const float y = s.ground - s.Wall() * band + curve;
                        if (std::fabs(py - y) < 2.2f) {
                            return Shade(Rgb(130, 92, 52), RoundLight(px, cx, half));
                        }
                    }
                    if (py > bottomAt(px) - 7) {
                        return Shade(Rgb(150, 110, 70), light * 0.8f);
                    }
                    return Shade(reed, light);
                });
    canvas.Line({s.left, eave}, {s.left, bottomAt(s.left + 1)}, 1.6f, kOutline);
    canvas.Line({s.right, eave}, {s.right, bottomAt(s.right - 1)}, 1.6f, kOutline);
    Doorway(canvas, cx, s.ground - 1, s.W() * 0.24f, s.Wall() * 0.6f, Rgb(150, 104, 60), shut, Rgb(176, 132, 80));
    const paint_point window{cx + s.W() * 0.3f, s.wallTop + s.Wall() * 0.3f};
    canvas.Ellipse(window, 8, 8, Rgb(120, 84, 48));
    canvas.Ellipse(window, 6, 6, kDark);
    canvas.Line({window.x - 6, window.y}, {window.x + 6, window.y}, 1.5f, Rgb(150, 110, 66));
    canvas.Line({window.x, window.y - 6}, {window.x, window.y + 6}, 1.5f, Rgb(150, 110, 66));
}

// A cone of thatch from apex down to an eave ellipse, with a ragged fringe.
void ThatchCone(CPictureCanvas& canvas, paint_point apex, paint_point eave, float rx, float ry, paint_colour straw,
                uint64_t seed)
{
    std::vector<paint_point> cone = {apex};
    for (const paint_point& p : LowerArc(eave, rx, ry)) {
        cone.push_back(p);
    }
    const paint_box box{eave.x - rx, apex.y, 2 * rx, eave.y + ry - apex.y};
    Thatch(canvas, box, [&](float px, float py) { return InsidePolygon(cone, px, py); }, straw, apex, 14, seed);
    // The fringe: straw ends hanging below the eave.
    for (float x = eave.x - rx + 3; x < eave.x + rx - 2; x += 5) {
        const float u = (x - eave.x) / rx;
        const float y = eave.y + ry * std::sqrt(std::max(0.0f, 1 - u * u));
        canvas.Polygon({{x - 3, y - 2}, {x + 3, y - 2}, {x + 0.5f, y + 4}}, Shade(straw, 0.78f));
    }
    Outline(canvas, cone, 1.4f, Shade(straw, 0.4f));
    canvas.Polygon({{apex.x - 7, apex.y + 12}, {apex.x, apex.y - 4}, {apex.x + 7, apex.y + 12}}, Shade(straw, 0.7f));
    canvas.Line({apex.x, apex.y - 10}, {apex.x, apex.y + 4}, 2.5f, kPlankEdge);
}

void SmallHutTop(CPictureCanvas& canvas, const site& s)
{
    ThatchCone(canvas, {s.Cx(), s.roofTop}, {s.Cx(), s.wallTop - 10}, s.W() / 2 + 14, 12, kStraw, s.seed);
}

void LargeHutWalls(CPictureCanvas& canvas, const site& s, bool shut)
{
    const float deck = s.ground - 16, eave = s.wallTop - 8, cx = s.Cx();
    // Stilts, then the deck the house stands on.
    for (float x : {s.left + 8, s.left + s.W() * 0.36f, s.right - s.W() * 0.36f, s.right - 8}) {
        canvas.RoundedBox(x - 4, deck - 4, 8, s.ground - deck + 2, 2, Rgb(96, 64, 36));
    }
    const paint_colour cane = Rgb(212, 186, 116);
    canvas.Fill(s.left, eave, s.right, deck - 6, [&](float px, float py) { return InBox(px, py, s.left, eave, s.right, deck - 6); },
                [&](float px, float py) {
                    const int pole = static_cast<int>(std::floor((px - s.left) / 8));
                    const float k = std::fmod(px - s.left, 8.0f) / 8;
                    float light = 1.12f - 0.5f * (k - 0.35f) * (k - 0.35f) * 2;
                    light *= 0.9f + 0.16f * PixelNoise(pole, 0, s.seed);
                    // Each cane ringed at its nodes, staggered pole by pole.
                    const float node = std::fmod(py - eave + pole * 7.0f, 26.0f);
                    if (node < 1.6f || k < 0.1f) {
                        light *= 0.7f;
                    }
                    return Shade(cane, light);
                });
    for (float x : {s.left, s.right}) {
        canvas.RoundedBox(x - 6, eave, 12, deck - eave, 3, Rgb(120, 80, 44));
    }
    canvas.RoundedBox(s.left - 6, eave + (deck - eave) * 0.45f, s.W() + 12, 6, 2, Rgb(120, 80, 44));
    canvas.RoundedBox(s.left - 12, deck - 7, s.W() + 24, 8, 2, kPlank);
    canvas.Line({s.left - 12, deck + 1}, {s.right + 12, deck + 1}, 1.5f, kPlankEdge);
    // Windows with their woven shutters propped open above them.
    for (float x : {s.left + s.W() * 0.2f, s.right - s.W() * 0.2f}) {
        const float top = eave + 14;
        canvas.RoundedBox(x - 15, top, 30, 22, 1, kDark);
        canvas.Polygon({{x - 17, top - 1}, {x + 17, top - 1}, {x + 20, top - 14}, {x - 14, top - 14}}, Rgb(176, 140, 80));
        for (float k = -12; k <= 14; k += 4) {
            canvas.Line({x + k, top - 1}, {x + k + 3, top - 14}, 1, Rgb(140, 104, 58));
        }
        canvas.Line({x + 12, top - 1}, {x + 16, top + 8}, 1.5f, kPlankEdge);
    }
    const float doorW = s.W() * 0.2f, doorH = (deck - 6 - eave) * 0.72f;
    canvas.RoundedBox(cx - doorW / 2 - 3, deck - 6 - doorH - 3, doorW + 6, doorH + 3, 2, Rgb(120, 80, 44));
    canvas.RoundedBox(cx - doorW / 2, deck - 6 - doorH, doorW, doorH, 1, shut ? Rgb(190, 160, 96) : kDark);
    if (shut) {
        for (float x = cx - doorW / 2 + 4; x < cx + doorW / 2; x += 6) {
            canvas.Line({x, deck - 6 - doorH}, {x, deck - 7}, 1.2f, Rgb(140, 110, 60));
        }
    }
    // Steps down from the door.
    for (int i = 0; i < 2; i++) {
        const float y = deck + 4 + i * 6, w = doorW + 8 + i * 8;
        canvas.RoundedBox(cx - w / 2, y - 3, w, 5, 1, Shade(kPlank, 0.9f - 0.1f * i));
        canvas.Line({cx - w / 2, y + 2}, {cx + w / 2, y + 2}, 1, kPlankEdge);
    }
}

void HipRoof(CPictureCanvas& canvas, const site& s, float overhang, paint_colour straw)
{
    const float eave = s.wallTop - 2, ridge = s.roofTop + 8;
    const std::vector<paint_point> roof = {{s.left - overhang, eave},
                                           {s.Cx() - s.W() * 0.18f, ridge},
                                           {s.Cx() + s.W() * 0.18f, ridge},
                                           {s.right + overhang * 0.8f, eave}};
    const paint_box box{s.left - overhang, ridge, s.W() + 2 * overhang, eave - ridge};
    Thatch(canvas, box, [&](float px, float py) { return InsidePolygon(roof, px, py); }, straw,
           {s.Cx(), ridge - s.W() * 0.35f}, 13, s.seed);
    for (float x = s.left - overhang + 3; x < s.right + overhang * 0.8f - 2; x += 5) {
        canvas.Polygon({{x - 3, eave - 2}, {x + 3, eave - 2}, {x + 0.5f, eave + 4}}, Shade(straw, 0.78f));
    }
    Outline(canvas, roof, 1.4f, Shade(straw, 0.4f));
    canvas.RoundedBox(s.Cx() - s.W() * 0.2f, ridge - 4, s.W() * 0.4f, 7, 3, Shade(straw, 0.62f));
}

void LargeHutTop(CPictureCanvas& canvas, const site& s)
{
    HipRoof(canvas, s, 12, Rgb(196, 160, 86));
}

void StoreFoodWalls(CPictureCanvas& canvas, const site& s)
{
    const float binTop = s.wallTop - 26, binBottom = s.ground - 46, cx = s.Cx();
    const float half = s.W() / 2 - 16;
    // Posts, each with a disc that keeps the rats from the grain.
    for (float x : {cx - half * 0.75f, cx + half * 0.75f, cx - half * 0.2f, cx + half * 0.3f}) {
        const bool back = std::fabs(x - cx) < half * 0.5f;
        canvas.RoundedBox(x - 5, binBottom - 4, 10, s.ground - binBottom - (back ? 10 : 0), 2,
                          back ? Rgb(86, 58, 32) : Rgb(120, 80, 44));
        canvas.Ellipse({x, binBottom + 6}, 11, 4, back ? Rgb(120, 120, 116) : Rgb(170, 170, 164));
    }
    auto halfAt = [&](float py) {
        const float t = std::clamp((py - binTop) / (binBottom - binTop), 0.0f, 1.0f);
        return half * (0.94f + 0.08f * std::sin(kPi * t));
    };
    Boards(canvas, {cx - half * 1.05f, binTop, half * 2.1f, binBottom - binTop},
           [&](float px, float py) { return py >= binTop && py <= binBottom && std::fabs(px - cx) <= halfAt(py); },
           Rgb(176, 126, 74), 9, true, [&](float px) { return RoundLight(px, cx, half); }, s.seed);
    for (float t : {0.15f, 0.5f, 0.85f}) {
        const float y = binTop + (binBottom - binTop) * t;
        canvas.Line({cx - halfAt(y), y}, {cx + halfAt(y), y}, 4, Rgb(90, 70, 50));
    }
    canvas.Line({cx - half * 0.94f, binTop}, {cx - half * 0.94f, binBottom}, 1.5f, kOutline);
    canvas.Line({cx + half * 0.94f, binTop}, {cx + half * 0.94f, binBottom}, 1.5f, kOutline);
    // The hatch high up, and the ladder to it.
    const float hatchY = binTop + (binBottom - binTop) * 0.32f;
    canvas.RoundedBox(cx - 13, hatchY, 26, 30, 2, Rgb(96, 64, 36));
    canvas.RoundedBox(cx - 10, hatchY + 3, 20, 24, 1, kDark);
    const paint_point foot{cx + half * 0.5f, s.ground}, top{cx + 6, hatchY + 30};
    for (float side : {-7.0f, 7.0f}) {
        canvas.Line({foot.x + side, foot.y}, {top.x + side, top.y}, 3, Rgb(110, 74, 40));
    }
    for (int i = 1; i < 6; i++) {
        const float t = i / 6.0f;
        const paint_point p{foot.x + (top.x - foot.x) * t, foot.y + (top.y - foot.y) * t};
        canvas.Line({p.x - 7, p.y}, {p.x + 7, p.y}, 2.5f, Rgb(140, 98, 56));
    }
}

// A woven basket heaped with what it holds.
void Basket(CPictureCanvas& canvas, paint_point foot, float w, paint_colour fruit)
{
    const float h = w * 0.55f;
    for (int i = 0; i < 3; i++) {
        PaintVegetable(canvas, {foot.x - w * 0.25f + i * w * 0.25f, foot.y - h - w * 0.08f}, w * 0.16f,
                       i == 1 ? Rgb(200, 40, 50) : fruit);
    }
    canvas.Polygon({{foot.x - w / 2, foot.y - h}, {foot.x + w / 2, foot.y - h}, {foot.x + w * 0.38f, foot.y},
                    {foot.x - w * 0.38f, foot.y}},
                   Rgb(176, 132, 70));
    for (float k = -0.4f; k <= 0.4f; k += 0.13f) {
        canvas.Line({foot.x + k * w, foot.y - h}, {foot.x + k * w * 0.78f, foot.y}, 1, Rgb(130, 92, 46));
    }
    canvas.Line({foot.x - w / 2, foot.y - h}, {foot.x + w / 2, foot.y - h}, 2.5f, Rgb(120, 84, 40));
}

void StoreFoodTop(CPictureCanvas& canvas, const site& s)
{
    const float binTop = s.wallTop - 26;
    ThatchCone(canvas, {s.Cx(), s.roofTop + 6}, {s.Cx(), binTop + 2}, s.W() / 2 - 2, 10, Rgb(196, 168, 96), s.seed);
    Basket(canvas, {s.left + 12, s.ground + 2}, 34, Rgb(236, 120, 30));
    Basket(canvas, {s.right - 22, s.ground + 4}, 30, Rgb(240, 200, 60));
}

void StoreRockWalls(CPictureCanvas& canvas, const site& s)
{
    const paint_colour stone = Rgb(172, 164, 150);
    Masonry(canvas, {s.left, s.wallTop, s.W(), s.Wall()},
            [&](float px, float py) { return InBox(px, py, s.left, s.wallTop, s.right, s.ground); }, stone, 16, 30,
            [](float) { return 1.0f; }, s.seed);
    // Corner stones, larger and paler.
    for (float x : {s.left, s.right - 14}) {
        for (float y = s.ground - 22; y > s.wallTop; y -= 22) {
            canvas.RoundedBox(x, y, 14, 20, 2, Shade(stone, 1.12f));
            canvas.Line({x, y + 20}, {x + 14, y + 20}, 1.2f, Shade(stone, 0.6f));
        }
    }
    Outline(canvas, {{s.left, s.wallTop}, {s.right, s.wallTop}, {s.right, s.ground}, {s.left, s.ground}});
    // A wide doorway under a heavy lintel, rocks glimpsed inside.
    const float w = s.W() * 0.36f, h = s.Wall() * 0.62f, cx = s.Cx();
    canvas.RoundedBox(cx - w / 2, s.ground - h, w, h, 0, kDark);
    PaintStone(canvas, {cx - w * 0.18f, s.ground - 9}, 12, 8, Rgb(120, 116, 110), s.seed + 5);
    PaintStone(canvas, {cx + w * 0.15f, s.ground - 8}, 10, 7, Rgb(110, 106, 100), s.seed + 6);
    canvas.RoundedBox(cx - w / 2 - 10, s.ground - h - 14, w + 20, 15, 2, Shade(stone, 0.5f));
    canvas.RoundedBox(cx - w / 2 - 9, s.ground - h - 13, w + 18, 12, 2, Shade(stone, 1.05f));
}

void StoreRockTop(CPictureCanvas& canvas, const site& s)
{
    // A low roof of slate slabs.
    const float eave = s.wallTop + 4, peak = s.wallTop - s.Wall() * 0.55f;
    const std::vector<paint_point> roof = {{s.left - 12, eave}, {s.Cx(), peak}, {s.right + 12, eave}};
    Tiles(canvas, {s.left - 12, peak, s.W() + 24, eave - peak},
          [&](float px, float py) { return InsidePolygon(roof, px, py); }, Rgb(110, 116, 130), 11, 22, s.seed);
    Outline(canvas, roof, 1.8f);
    for (float side : {-1.0f, 1.0f}) {
        const paint_point at{s.Cx() + side * s.W() * 0.4f, s.ground - 2};
        for (int i = 0; i < 3; i++) {
            PaintStone(canvas, {at.x + side * i * 9.0f - side * 6, at.y - (i == 1 ? 12.0f : 2.0f)}, 11, 8,
                       Rgb(160 - i * 12, 156 - i * 12, 150 - i * 12), s.seed + 10 + i);
        }
    }
}

void StoreWoodWalls(CPictureCanvas& canvas, const site& s)
{
    const float top = s.wallTop - 4;
    // The back wall in shade, then the log stack filling the shed.
    Boards(canvas, {s.left, top, s.W(), s.ground - top},
           [&](float px, float py) { return InBox(px, py, s.left, top, s.right, s.ground); }, Rgb(120, 84, 50), 14, true,
           [](float) { return 0.6f; }, s.seed);
    const float r = 9.5f;
    const float stackTop = s.wallTop + s.Wall() * 0.12f;
    for (int row = 0;; row++) {
        const float y = s.ground - r - row * r * 1.72f;
        if (y - r < stackTop) {
            break;
        }
        for (float x = s.left + 14 + r + (row % 2) * r; x < s.right - 14 - r + 1; x += 2 * r + 0.5f) {
            const float k = PixelNoise(static_cast<int>(x), row, s.seed);
            canvas.Ellipse({x, y}, r, r, Rgb(96, 62, 34));
            canvas.Ellipse({x, y}, r - 2, r - 2, Mix(Rgb(222, 186, 128), Rgb(200, 160, 100), k));
            canvas.Ring({x, y}, r * 0.55f, r * 0.55f, 1, Rgb(170, 128, 80));
        }
    }
    for (float x : {s.left + 6, s.right - 6}) {
        canvas.RoundedBox(x - 6, top, 12, s.ground - top, 2, Rgb(110, 74, 40));
        canvas.Line({x - 6, top}, {x - 6, s.ground}, 1.2f, kOutline);
    }
}

void StoreWoodTop(CPictureCanvas& canvas, const site& s)
{
    const float eave = s.wallTop - 2, peak = s.roofTop + s.Wall() * 0.3f;
    const std::vector<paint_point> roof = {{s.left - 14, eave}, {s.Cx(), peak}, {s.right + 14, eave}};
    Tiles(canvas, {s.left - 14, peak, s.W() + 28, eave - peak},
          [&](float px, float py) { return InsidePolygon(roof, px, py); }, Rgb(150, 100, 56), 9, 12, s.seed);
    Outline(canvas, roof, 1.8f);
    canvas.Line({s.left - 14, eave + 2}, {s.right + 14, eave + 2}, 5, Rgb(110, 74, 40));
    // A chopping block with its axe, and chips round it.
    const paint_point block{s.right - 8, s.ground + 4};
    canvas.RoundedBox(block.x - 12, block.y - 16, 24, 16, 3, Rgb(118, 78, 44));
    canvas.Ellipse({block.x, block.y - 16}, 12, 4, Rgb(222, 186, 128));
    canvas.Line({block.x - 2, block.y - 18}, {block.x + 14, block.y - 36}, 3, Rgb(140, 96, 52));
    canvas.Polygon({{block.x - 6, block.y - 14}, {block.x + 3, block.y - 22}, {block.x + 1, block.y - 12}},
                   Rgb(170, 176, 186));
    for (int i = 0; i < 5; i++) {
        canvas.Line({block.x - 30 + i * 7.0f, block.y - 1 + (i % 2) * 2.0f}, {block.x - 26 + i * 7.0f, block.y},
                    2, Rgb(226, 196, 140));
    }
}

void ObservatoryWalls(CPictureCanvas& canvas, const site& s)
{
    const float half = s.W() / 2, cx = s.Cx();
    const paint_colour stone = Rgb(200, 190, 170);
    const float plinth = s.ground - 26;
    Masonry(canvas, {s.left - 12, plinth, s.W() + 24, s.ground - plinth},
            [&](float px, float py) { return InBox(px, py, s.left - 12, plinth, s.right + 12, s.ground); },
            Shade(stone, 0.85f), 13, 28, [&](float px) { return RoundLight(px, cx, half + 12); }, s.seed + 1);
    Masonry(canvas, {s.left, s.wallTop, s.W(), plinth - s.wallTop},
            [&](float px, float py) { return InBox(px, py, s.left, s.wallTop, s.right, plinth); }, stone, 14, 24,
            [&](float px) { return RoundLight(px, cx, half); }, s.seed);
    Outline(canvas, {{s.left, s.wallTop}, {s.right, s.wallTop}, {s.right, plinth}, {s.left, plinth}});
    Outline(canvas, {{s.left - 12, plinth}, {s.right + 12, plinth}, {s.right + 12, s.ground}, {s.left - 12, s.ground}});
    Doorway(canvas, cx, s.ground - 2, s.W() * 0.26f, s.Wall() * 0.3f, Rgb(120, 84, 50), false, kPlank);
    for (float t : {0.3f, 0.55f}) {
        const float y = s.wallTop + (plinth - s.wallTop) * t;
        canvas.RoundedBox(cx - 5, y, 10, 26, 5, Shade(stone, 0.5f));
        canvas.RoundedBox(cx - 3, y + 2, 6, 22, 3, Rgb(250, 220, 120));
    }
}

void ObservatoryTop(CPictureCanvas& canvas, const site& s)
{
    const float cx = s.Cx(), rx = s.W() / 2 + 4, ry = s.wallTop - s.roofTop;
    const paint_colour dome = Rgb(90, 112, 168);
    // A telescope out of the dome's open slit.
    canvas.Line({cx + rx * 0.1f, s.wallTop - ry * 0.5f}, {cx + rx * 1.25f, s.roofTop + ry * 0.05f}, s.W() * 0.09f,
                Rgb(60, 54, 50));
    canvas.Line({cx + rx * 1.1f, s.roofTop + ry * 0.12f}, {cx + rx * 1.27f, s.roofTop + ry * 0.02f}, s.W() * 0.11f,
                Rgb(150, 120, 60));
    canvas.Fill(cx - rx, s.roofTop, cx + rx, s.wallTop,
                [&](float px, float py) {
                    const float u = (px - cx) / rx, v = (py - s.wallTop) / ry;
                    return py <= s.wallTop && u * u + v * v <= 1.0f;
                },
                [&](float px, float py) {
                    const float u = (px - cx) / rx, v = (py - s.wallTop) / ry;
                    const float d = u * u + v * v;
                    if (d > 0.93f) {
                        return Shade(dome, 0.45f);
                    }
                    // Panels between ribs; the slit open along the top.
                    const float angle = std::atan2(u, -v);
                    if (std::fabs(u) < 0.09f && v < -0.25f) {
                        return Rgb(30, 34, 50);
                    }
                    const bool rib = std::fmod(std::fabs(angle) + 0.05f, 0.42f) < 0.05f;
                    const float light = 1.2f - 0.45f * (u + 0.5f) * (u + 0.5f) - 0.15f * v;
                    return Shade(dome, rib ? light * 0.72f : light);
                });
    // The walk round the dome's foot, railed.
    canvas.RoundedBox(s.left - 14, s.wallTop - 3, s.W() + 28, 9, 2, Rgb(150, 140, 124));
    canvas.Line({s.left - 14, s.wallTop + 6}, {s.right + 14, s.wallTop + 6}, 1.5f, kOutline);
    canvas.Line({s.left - 12, s.wallTop - 14}, {s.right + 12, s.wallTop - 14}, 2, Rgb(70, 60, 52));
    for (float x = s.left - 12; x <= s.right + 13; x += 9) {
        canvas.Line({x, s.wallTop - 14}, {x, s.wallTop - 3}, 1.5f, Rgb(70, 60, 52));
    }
}

void CraftworksWalls(CPictureCanvas& canvas, const site& s)
{
    const paint_colour plaster = Rgb(236, 222, 188), beam = Rgb(96, 60, 32);
    canvas.Fill(s.left, s.wallTop, s.right, s.ground, [&](float px, float py) { return InBox(px, py, s.left, s.wallTop, s.right, s.ground); },
                [&](float px, float py) {
                    const float speck = 0.94f + 0.08f * PixelNoise(static_cast<int>(px), static_cast<int>(py), s.seed);
                    return Shade(plaster, speck * (1.05f - 0.12f * (py - s.wallTop) / s.Wall()));
                });
    // The timber frame: posts, a rail, braces.
    const int bays = 5;
    const float bay = s.W() / bays, rail = s.wallTop + s.Wall() * 0.42f;
    for (int i = 0; i <= bays; i++) {
        canvas.Line({s.left + i * bay, s.wallTop}, {s.left + i * bay, s.ground}, 7, beam);
    }
    canvas.Line({s.left, s.wallTop + 3}, {s.right, s.wallTop + 3}, 7, beam);
    canvas.Line({s.left, rail}, {s.right, rail}, 6, beam);
    canvas.Line({s.left, s.ground - 3}, {s.right, s.ground - 3}, 7, beam);
    for (int i : {3, 4}) {
        canvas.Line({s.left + i * bay, rail}, {s.left + (i + 1) * bay, s.wallTop + 3}, 5, beam);
    }
    // The workshop's open bay: a loom with cloth on it.
    const float bayL = s.left + bay * 0.25f, bayR = s.left + bay * 2.75f, bayT = rail + 12;
    canvas.RoundedBox(bayL, bayT, bayR - bayL, s.ground - 6 - bayT, 6, Rgb(58, 40, 28));
    const float loomL = bayL + 14, loomR = bayR - 14, loomT = bayT + 10, loomB = s.ground - 12;
    for (float x = loomL + 4; x < loomR - 2; x += 3) {
        canvas.Line({x, loomT + 4}, {x, loomB - 16}, 1, Rgb(230, 220, 200));
    }
    const paint_colour cloth[3] = {Rgb(220, 70, 60), Rgb(250, 200, 60), Rgb(60, 120, 210)};
    for (int i = 0; i < 6; i++) {
        canvas.RoundedBox(loomL + 3, loomB - 16 - i * 5.0f, loomR - loomL - 6, 5, 0, cloth[i % 3]);
    }
    for (float x : {loomL, loomR}) {
        canvas.Line({x, loomT}, {x, loomB + 4}, 5, Rgb(150, 100, 56));
    }
    canvas.Line({loomL, loomT + 2}, {loomR, loomT + 2}, 5, Rgb(150, 100, 56));
    // The door, and the sign of a shirt beside it.
    const float doorX = s.left + bay * 3.5f;
    Doorway(canvas, doorX, s.ground - 3, bay * 0.62f, s.Wall() * 0.5f, beam, true, Rgb(150, 96, 52));
    const paint_point sign{s.left + bay * 4.5f, rail + 24};
    canvas.Line({sign.x - 14, rail + 6}, {sign.x - 14, sign.y - 12}, 1.5f, kOutline);
    canvas.Line({sign.x + 14, rail + 6}, {sign.x + 14, sign.y - 12}, 1.5f, kOutline);
    canvas.RoundedBox(sign.x - 20, sign.y - 13, 40, 28, 3, Rgb(150, 100, 56));
    canvas.Polygon({{sign.x - 6, sign.y - 9}, {sign.x - 14, sign.y - 4}, {sign.x - 10, sign.y + 1}, {sign.x - 7, sign.y - 1},
                    {sign.x - 7, sign.y + 10}, {sign.x + 7, sign.y + 10}, {sign.x + 7, sign.y - 1}, {sign.x + 10, sign.y + 1},
                    {sign.x + 14, sign.y - 4}, {sign.x + 6, sign.y - 9}},
                   Rgb(240, 100, 130));
    Outline(canvas, {{s.left, s.wallTop}, {s.right, s.wallTop}, {s.right, s.ground}, {s.left, s.ground}});
}

void CraftworksTop(CPictureCanvas& canvas, const site& s)
{
    const float eave = s.wallTop + 4;
    // The chimney behind the roof, smoking.
    const float chimneyX = s.right - s.W() * 0.18f, chimneyTop = s.roofTop - s.Wall() * 0.12f;
    Masonry(canvas, {chimneyX - 14, chimneyTop, 28, eave - chimneyTop},
            [&](float px, float py) { return InBox(px, py, chimneyX - 14, chimneyTop, chimneyX + 14, eave); },
            Rgb(170, 110, 90), 8, 14, [](float) { return 1.0f; }, s.seed + 2);
    Outline(canvas, {{chimneyX - 14, chimneyTop}, {chimneyX + 14, chimneyTop}, {chimneyX + 14, eave}, {chimneyX - 14, eave}});
    Smoke(canvas, {chimneyX + 4, chimneyTop - 14}, 11, Rgb(220, 220, 226, 170));
    const std::vector<paint_point> roof = {{s.left - 14, eave}, {s.Cx(), s.roofTop}, {s.right + 14, eave}};
    Tiles(canvas, {s.left - 14, s.roofTop, s.W() + 28, eave - s.roofTop},
          [&](float px, float py) { return InsidePolygon(roof, px, py); }, Rgb(184, 84, 56), 10, 14, s.seed);
    Outline(canvas, roof, 2);
    canvas.Line({s.Cx() - 2, s.roofTop + 4}, {s.Cx() + 2, s.roofTop + 4}, 8, Rgb(140, 60, 40));
}

void ScienceWalls(CPictureCanvas& canvas, const site& s)
{
    const float half = s.W() / 2, cx = s.Cx();
    const paint_colour stone = Rgb(196, 204, 210);
    Masonry(canvas, {s.left, s.wallTop, s.W(), s.Wall()},
            [&](float px, float py) { return InBox(px, py, s.left, s.wallTop, s.right, s.ground); }, stone, 15, 32,
            [&](float px) { return RoundLight(px, cx, half); }, s.seed);
    // Corner pilasters make the eight-sided hall read.
    for (float x : {s.left + s.W() * 0.18f, s.right - s.W() * 0.18f}) {
        canvas.Line({x, s.wallTop}, {x, s.ground}, 3, Shade(stone, 0.7f));
    }
    Outline(canvas, {{s.left, s.wallTop}, {s.right, s.wallTop}, {s.right, s.ground}, {s.left, s.ground}});
    canvas.RoundedBox(s.left - 6, s.wallTop - 4, s.W() + 12, 10, 2, Rgb(160, 110, 60));
    // Round windows, lit from within.
    for (float x : {s.left + s.W() * 0.09f, s.right - s.W() * 0.09f}) {
        const paint_point w{x, s.wallTop + s.Wall() * 0.38f};
        canvas.Ellipse(w, 14, 14, Rgb(160, 110, 60));
        canvas.Ellipse(w, 11, 11, Rgb(200, 240, 190));
        canvas.Ellipse({w.x - 3, w.y - 3}, 4, 4, Rgb(240, 255, 230));
    }
    Doorway(canvas, cx, s.ground - 1, s.W() * 0.2f, s.Wall() * 0.58f, Rgb(160, 110, 60), false, kPlank);
    // A flask over the door.
    const paint_point flask{cx, s.ground - s.Wall() * 0.58f - 24};
    canvas.OutlinedPolygon({{flask.x - 4, flask.y - 14}, {flask.x + 4, flask.y - 14}, {flask.x + 4, flask.y - 4},
                            {flask.x + 13, flask.y + 12}, {flask.x - 13, flask.y + 12}, {flask.x - 4, flask.y - 4}},
                           Rgb(120, 220, 160), Rgb(30, 60, 50), 2);
}

void ScienceTop(CPictureCanvas& canvas, const site& s)
{
    const float cx = s.Cx(), rx = s.W() * 0.4f, ry = s.wallTop - s.roofTop - 10;
    const float base = s.wallTop - 4;
    // A brass flue puffing coloured steam.
    const float flueX = s.right - s.W() * 0.1f;
    canvas.RoundedBox(flueX - 7, s.roofTop + 30, 14, base - s.roofTop - 30, 3, Rgb(190, 140, 60));
    canvas.Line({flueX - 7, s.roofTop + 30}, {flueX - 7, base}, 1.2f, kOutline);
    Smoke(canvas, {flueX + 2, s.roofTop + 16}, 9, Rgb(170, 230, 180, 190));
    canvas.Fill(cx - rx, base - ry, cx + rx, base,
                [&](float px, float py) {
                    const float u = (px - cx) / rx, v = (py - base) / ry;
                    return py <= base && u * u + v * v <= 1.0f;
                },
                [&](float px, float py) {
                    const float u = (px - cx) / rx, v = (py - base) / ry;
                    const float d = u * u + v * v;
                    if (d > 0.94f) {
                        return Rgb(130, 90, 50);
                    }
                    // Panes between brass ribs, a warm glow inside.
                    const float meridian = std::fmod(u / std::sqrt(std::max(0.05f, 1 - v * v)) + 1.0f, 0.4f);
                    const float parallel = std::fmod(-v, 0.3f);
                    if (meridian < 0.05f || parallel < 0.05f) {
                        return Rgb(176, 130, 62);
                    }
                    const float shine = (u + 0.4f) * (u + 0.4f) + (v + 0.6f) * (v + 0.6f) < 0.08f ? 1.4f : 1.0f;
                    return Shade(Mix(Rgb(140, 210, 230), Rgb(250, 230, 160), 0.3f * (1 + v)), shine);
                });
    canvas.Line({cx, base - ry}, {cx, base - ry - 22}, 2, Rgb(90, 70, 50));
    for (float side : {-1.0f, 1.0f}) {
        canvas.Ellipse({cx + side * 8, base - ry - 20}, 4, 2.5f, Rgb(190, 140, 60));
    }
    canvas.Line({cx - 8, base - ry - 20}, {cx + 8, base - ry - 20}, 1.5f, Rgb(90, 70, 50));
}

void ShipyardWalls(CPictureCanvas& canvas, const site& s)
{
    const paint_box a = s.area;
    auto at = [&](float fx, float fy) { return paint_point{a.x + a.w * fx / 480, a.y + a.h * fy / 390}; };
    // The jetty on the water side.
    for (float x : {6.0f, 40.0f, 74.0f}) {
        canvas.RoundedBox(at(x, 0).x - 3, at(0, 200).y, 6, a.h * 50 / 390, 2, Rgb(96, 64, 36));
    }
    Boards(canvas, {at(0, 0).x, at(0, 166).y, a.w * 92 / 480, a.h * 40 / 390},
           [&](float px, float py) { return InBox(px, py, at(0, 0).x, at(0, 166).y, at(92, 0).x, at(0, 206).y); },
           kPlank, 8, true, [](float) { return 1.0f; }, s.seed);
    // The slipway, planked, running down to the water.
    const std::vector<paint_point> slip = {at(90, 250), at(330, 190), at(360, 330), at(110, 370)};
    Boards(canvas, {at(90, 0).x, at(0, 190).y, a.w * 270 / 480, a.h * 180 / 390},
           [&](float px, float py) { return InsidePolygon(slip, px, py); }, Rgb(170, 126, 78), 11, false,
           [](float) { return 1.0f; }, s.seed + 1);
    Outline(canvas, slip);
    // The shed at the head of the slip: posts and a dark inside.
    const float shedL = at(220, 0).x, shedR = at(440, 0).x, shedT = at(0, 112).y, shedB = at(0, 286).y;
    canvas.RoundedBox(shedL, shedT, shedR - shedL, shedB - shedT, 0, Rgb(60, 44, 32));
    Boards(canvas, {shedL, shedT, shedR - shedL, (shedB - shedT) * 0.5f},
           [&](float px, float py) { return InBox(px, py, shedL, shedT, shedR, shedT + (shedB - shedT) * 0.5f); },
           Rgb(120, 84, 50), 12, true, [](float) { return 0.7f; }, s.seed + 2);
    for (float x : {shedL + 5, (shedL + shedR) / 2, shedR - 5}) {
        canvas.RoundedBox(x - 5, shedT, 10, shedB - shedT, 2, Rgb(120, 80, 44));
    }
    // A hull on the slip, planked up to its bilge, its ribs standing above.
    const paint_point keelA = at(112, 336), keelB = at(330, 262);
    const float dx = keelB.x - keelA.x, dy = keelB.y - keelA.y, length = std::hypot(dx, dy);
    const paint_point up{dy / length, -dx / length};
    // Side on: the keel runs straight until the bow sweeps up to meet the
    // gunwale; the gunwale rises toward the bow.
    const float deep = a.h * 0.16f;
    auto hull = [&](float t, float lift) {
        const paint_point k{keelA.x + dx * t, keelA.y + dy * t};
        const float bow = t < 0.22f ? (0.22f - t) / 0.22f : 0.0f;
        const float keel = deep * 0.95f * bow * bow;
        const float gunwale = deep * (1.0f + 0.3f * (1 - t) * (1 - t));
        const float h = keel + (gunwale - keel) * lift;
        return paint_point{k.x + up.x * h, k.y + up.y * h};
    };
    std::vector<paint_point> planked;
    for (int i = 0; i <= 16; i++) {
        planked.push_back(hull(i / 16.0f, 0.0f));
    }
    for (int i = 16; i >= 0; i--) {
        planked.push_back(hull(i / 16.0f, 0.55f));
    }
    std::vector<paint_point> shadow;
    for (const paint_point& p : planked) {
        shadow.push_back({p.x + 6, p.y + 8});
    }
    canvas.Polygon(shadow, Rgb(40, 28, 18, 110));
    Boards(canvas, {at(100, 0).x, at(0, 180).y, a.w * 260 / 480, a.h * 170 / 390},
           [&](float px, float py) { return InsidePolygon(planked, px, py); }, Rgb(124, 74, 40), 6, false,
           [](float) { return 1.0f; }, s.seed + 4);
    Outline(canvas, planked, 1.6f);
    for (int i = 0; i <= 9; i++) {
        const float t = 0.04f + i * 0.1f;
        canvas.Line(hull(t, 0.5f), hull(t, 1.0f), 4, Rgb(214, 170, 110));
    }
    std::vector<paint_point> gunwale;
    for (int i = 0; i <= 16; i++) {
        gunwale.push_back(hull(i / 16.0f, 1.0f));
    }
    for (size_t i = 1; i < gunwale.size(); i++) {
        canvas.Line(gunwale[i - 1], gunwale[i], 3, Rgb(130, 88, 48));
    }
    // Props under the hull.
    for (float t : {0.3f, 0.7f}) {
        const paint_point p = hull(t, 0.0f);
        canvas.Line(p, {p.x - 8, p.y + 16}, 4, Rgb(96, 64, 36));
    }
}

void ShipyardTop(CPictureCanvas& canvas, const site& s)
{
    const paint_box a = s.area;
    auto at = [&](float fx, float fy) { return paint_point{a.x + a.w * fx / 480, a.y + a.h * fy / 390}; };
    // The shed's roof: a broad gable of boards.
    const std::vector<paint_point> roof = {at(206, 122), at(330, 34), at(454, 122)};
    Tiles(canvas, {at(206, 0).x, at(0, 34).y, a.w * 248 / 480, a.h * 88 / 390},
          [&](float px, float py) { return InsidePolygon(roof, px, py); }, Rgb(140, 100, 60), 10, 18, s.seed + 3);
    Outline(canvas, roof, 2);
    // A crane over the slip, a block hanging from its arm.
    const paint_point foot = at(84, 300), top = at(150, 110), tip = at(250, 150);
    canvas.Line(foot, top, 7, Rgb(110, 74, 40));
    canvas.Line(at(120, 305), top, 6, Rgb(96, 64, 36));
    canvas.Line(top, tip, 6, Rgb(110, 74, 40));
    canvas.Line(tip, at(250, 226), 1.5f, Rgb(60, 50, 40));
    canvas.RoundedBox(at(250, 0).x - 8, at(0, 226).y, 16, 12, 2, Rgb(150, 104, 58));
    // Planks stacked ready.
    for (int i = 0; i < 4; i++) {
        canvas.RoundedBox(at(360, 0).x, at(0, 330).y - i * 6.0f, a.w * 80 / 480, 6, 1, Shade(kPlank, 1.0f - 0.06f * i));
        canvas.Line({at(360, 0).x, at(0, 336).y - i * 6.0f}, {at(440, 0).x, at(0, 336).y - i * 6.0f}, 1, kPlankEdge);
    }
}

// The wonders: a stepped base and a needle; at stage below 4 the needle
// stands as high as share of its height.
void WonderWalls(CPictureCanvas& canvas, const site& s, bool moon, float share)
{
    const paint_box a = s.area;
    const paint_colour stone = moon ? Rgb(190, 198, 218) : Rgb(232, 206, 146);
    const float cx = s.Cx();
    // Three terraces.
    float top = s.ground;
    for (int step = 0; step < 3; step++) {
        const float w = a.w * (0.86f - step * 0.17f), h = a.h * 0.045f;
        const float t = top - h;
        Masonry(canvas, {cx - w / 2, t, w, h}, [&](float px, float py) { return InBox(px, py, cx - w / 2, t, cx + w / 2, top); },
                Shade(stone, 0.92f - step * 0.03f), h / 2, 26, [](float) { return 1.0f; }, s.seed + step);
        Outline(canvas, {{cx - w / 2, t}, {cx + w / 2, t}, {cx + w / 2, top}, {cx - w / 2, top}});
        top = t;
    }
    if (share <= 0) {
        return;
    }
    // The needle, tapering; its height grows with the building.
    const float base = top, full = s.wallTop + a.h * 0.06f;
    const float peak = base - (base - full) * share;
    const float halfBase = a.w * 0.15f, halfTop = a.w * 0.075f;
    auto halfAt = [&](float py) { return halfBase + (halfTop - halfBase) * (base - py) / (base - full); };
    canvas.Fill(cx - halfBase, peak, cx + halfBase, base,
                [&](float px, float py) { return py >= peak && py <= base && std::fabs(px - cx) <= halfAt(py); },
                [&](float px, float py) {
                    const float u = (px - cx) / halfAt(py);
                    const int course = static_cast<int>((base - py) / 22);
                    const bool joint = std::fmod(base - py, 22.0f) < 1.3f;
                    float light = u < 0 ? 1.1f : 0.82f;
                    light *= 0.93f + 0.1f * PixelNoise(course, u < 0 ? 0 : 1, s.seed);
                    return joint ? Shade(stone, 0.65f) : Shade(stone, light);
                });
    canvas.Line({cx, peak}, {cx, base}, 1.2f, Shade(stone, 0.6f));
    canvas.Line({cx - halfAt(peak), peak}, {cx - halfBase, base}, 1.8f, kOutline);
    canvas.Line({cx + halfAt(peak), peak}, {cx + halfBase, base}, 1.8f, kOutline);
    // Bands of carving up the needle: suns or moons and stars.
    const paint_colour inlay = moon ? Rgb(120, 150, 220) : Rgb(230, 160, 40);
    for (float t = 0.12f; t < 0.95f; t += 0.2f) {
        const float y = base - (base - full) * t;
        if (y < peak + 10) {
            break;
        }
        const float h = halfAt(y);
        canvas.RoundedBox(cx - h, y - 5, 2 * h, 10, 1, Shade(inlay, 0.9f));
        canvas.Line({cx - h, y + 5}, {cx + h, y + 5}, 1.2f, kOutline);
        const paint_point mark{cx, y - 26};
        if (moon) {
            canvas.Ellipse(mark, 8, 8, Rgb(236, 240, 250));
            canvas.Ellipse({mark.x + 4, mark.y - 2}, 7, 7, stone);
        } else {
            canvas.Ellipse(mark, 7, 7, Rgb(250, 200, 60));
            for (int i = 0; i < 8; i++) {
                const float angle = i * kPi / 4;
                canvas.Line({mark.x + std::cos(angle) * 8, mark.y + std::sin(angle) * 8},
                            {mark.x + std::cos(angle) * 12, mark.y + std::sin(angle) * 12}, 2, Rgb(230, 160, 40));
            }
        }
    }
}

void WonderTop(CPictureCanvas& canvas, const site& s, bool moon)
{
    const paint_box a = s.area;
    const float cx = s.Cx(), full = s.wallTop + a.h * 0.06f;
    const paint_colour stone = moon ? Rgb(190, 198, 218) : Rgb(232, 206, 146);
    const float halfTop = a.w * 0.075f;
    // A capstone point, then the sun or the moon held above it.
    canvas.OutlinedPolygon({{cx - halfTop, full}, {cx, full - a.h * 0.035f}, {cx + halfTop, full}},
                           moon ? Rgb(220, 228, 250) : Rgb(250, 206, 60), kOutline, 1.8f);
    const paint_point orb{cx, s.roofTop + a.w * 0.14f};
    const float r = a.w * 0.13f;
    canvas.Line({cx, full - a.h * 0.035f}, {orb.x, orb.y + r}, 3, stone);
    if (moon) {
        for (int i = 0; i < 5; i++) {
            const float angle = -kPi * 0.9f + i * kPi * 0.45f;
            const paint_point star{orb.x + std::cos(angle) * r * 1.9f, orb.y + std::sin(angle) * r * 1.5f + r * 0.3f};
            canvas.Polygon({{star.x - 5, star.y}, {star.x, star.y - 6}, {star.x + 5, star.y}, {star.x, star.y + 6}},
                           Rgb(240, 244, 255));
        }
        canvas.Ellipse(orb, r + 2, r + 2, Rgb(90, 100, 140));
        canvas.Ellipse(orb, r, r, Rgb(232, 238, 252));
        // The unlit part of the moon, dark against its lit crescent.
        canvas.Fill(orb.x - r - 2, orb.y - r - 2, orb.x + r + 2, orb.y + r + 2,
                    [&](float px, float py) {
                        const float dx = px - orb.x, dy = py - orb.y;
                        const float bx = px - (orb.x + r * 0.45f), by = py - (orb.y - r * 0.25f);
                        return dx * dx + dy * dy <= (r + 2) * (r + 2) && bx * bx + by * by <= r * r * 0.72f;
                    },
                    [&](float, float) { return Rgb(52, 62, 104); });
    } else {
        for (int i = 0; i < 16; i++) {
            const float angle = i * kPi / 8;
            const float inner = r * 1.15f, outer = r * (i % 2 ? 1.5f : 1.75f);
            canvas.OutlinedPolygon({{orb.x + std::cos(angle - 0.12f) * inner, orb.y + std::sin(angle - 0.12f) * inner},
                                    {orb.x + std::cos(angle) * outer, orb.y + std::sin(angle) * outer},
                                    {orb.x + std::cos(angle + 0.12f) * inner, orb.y + std::sin(angle + 0.12f) * inner}},
                                   Rgb(255, 200, 40), Rgb(180, 110, 20), 1.2f);
        }
        canvas.Ellipse(orb, r + 2, r + 2, Rgb(180, 110, 20));
        canvas.Ellipse(orb, r, r, Rgb(255, 214, 60));
        canvas.Ellipse({orb.x - r * 0.3f, orb.y - r * 0.3f}, r * 0.35f, r * 0.35f, Rgb(255, 240, 160));
    }
    // Fire bowls on the lowest terrace.
    for (float side : {-1.0f, 1.0f}) {
        const paint_point bowl{cx + side * a.w * 0.36f, s.ground - a.h * 0.045f};
        canvas.RoundedBox(bowl.x - 4, bowl.y - 22, 8, 22, 2, Shade(stone, 0.7f));
        canvas.Polygon({{bowl.x - 13, bowl.y - 30}, {bowl.x + 13, bowl.y - 30}, {bowl.x + 7, bowl.y - 20}, {bowl.x - 7, bowl.y - 20}},
                       Shade(stone, 0.6f));
        if (!moon) {
            canvas.Polygon({{bowl.x - 10, bowl.y - 30}, {bowl.x - 3, bowl.y - 52}, {bowl.x + 2, bowl.y - 40}, {bowl.x + 6, bowl.y - 56},
                            {bowl.x + 10, bowl.y - 30}},
                           Rgb(250, 130, 30));
            canvas.Polygon({{bowl.x - 5, bowl.y - 30}, {bowl.x + 1, bowl.y - 44}, {bowl.x + 5, bowl.y - 30}}, Rgb(255, 220, 90));
        } else {
            canvas.Ellipse({bowl.x, bowl.y - 36}, 9, 9, Rgb(190, 220, 255, 160));
            canvas.Ellipse({bowl.x, bowl.y - 36}, 5, 5, Rgb(240, 250, 255));
        }
    }
}

// What every stage under the finished one shows: the kind's walls cut to
// the height the stage has reached.
void WallsOf(Kind kind, CPictureCanvas& canvas, const site& s, bool shut)
{
    switch (kind) {
    case Kind::SmallHut: SmallHutWalls(canvas, s, shut); break;
    case Kind::LargeHut: LargeHutWalls(canvas, s, shut); break;
    case Kind::StoreFood: StoreFoodWalls(canvas, s); break;
    case Kind::StoreRock: StoreRockWalls(canvas, s); break;
    case Kind::StoreWood: StoreWoodWalls(canvas, s); break;
    case Kind::Observatory: ObservatoryWalls(canvas, s); break;
    case Kind::Craftworks: CraftworksWalls(canvas, s); break;
    case Kind::Science: ScienceWalls(canvas, s); break;
    case Kind::Shipyard: ShipyardWalls(canvas, s); break;
    case Kind::WonderSun: WonderWalls(canvas, s, false, 1.0f); break;
    case Kind::WonderMoon: WonderWalls(canvas, s, true, 1.0f); break;
    case Kind::Garden: break;
    }
}

void TopOf(Kind kind, CPictureCanvas& canvas, const site& s)
{
    switch (kind) {
    case Kind::SmallHut: SmallHutTop(canvas, s); break;
    case Kind::LargeHut: LargeHutTop(canvas, s); break;
    case Kind::StoreFood: StoreFoodTop(canvas, s); break;
    case Kind::StoreRock: StoreRockTop(canvas, s); break;
    case Kind::StoreWood: StoreWoodTop(canvas, s); break;
    case Kind::Observatory: ObservatoryTop(canvas, s); break;
    case Kind::Craftworks: CraftworksTop(canvas, s); break;
    case Kind::Science: ScienceTop(canvas, s); break;
    case Kind::Shipyard: ShipyardTop(canvas, s); break;
    case Kind::WonderSun: WonderTop(canvas, s, false); break;
    case Kind::WonderMoon: WonderTop(canvas, s, true); break;
    case Kind::Garden: break;
    }
}

// Lays the rows from cut down of a drawing made apart onto the canvas.
void LayBelow(CPictureCanvas& canvas, float cut, const std::function<void(CPictureCanvas&)>& draw)
{
    CPictureCanvas layer(canvas.Width(), canvas.Height());
    draw(layer);
    const std::vector<uint8_t>& pixels = layer.Pixels();
    for (int y = std::max(0, static_cast<int>(cut)); y < canvas.Height(); y++) {
        for (int x = 0; x < canvas.Width(); x++) {
            const uint8_t* p = &pixels[(static_cast<size_t>(y) * canvas.Width() + x) * 4];
            if (p[3]) {
                canvas.Blend(x, y, Rgb(p[0], p[1], p[2], p[3]));
            }
        }
    }
}

// The rafters a roof will hang on, shaped as the kind's roof.
void Rafters(Kind kind, CPictureCanvas& canvas, const site& s)
{
    const float cx = s.Cx();
    if (kind == Kind::Observatory || kind == Kind::Science) {
        const float rx = s.W() / 2, ry = s.wallTop - s.roofTop;
        for (int i = 1; i < 6; i++) {
            std::vector<paint_point> rib = UpperArc({cx, s.wallTop}, rx * i / 6, ry, 12);
            for (size_t k = 1; k < rib.size(); k++) {
                canvas.Line(rib[k - 1], rib[k], 3, kPlankEdge);
            }
        }
        return;
    }
    if (kind == Kind::Shipyard) {
        const paint_box a = s.area;
        for (float fx : {206.0f, 268.0f, 330.0f, 392.0f, 454.0f}) {
            canvas.Line({a.x + a.w * fx / 480, a.y + a.h * 122 / 390}, {a.x + a.w * 330 / 480, a.y + a.h * 34 / 390}, 4,
                        kPlankEdge);
        }
        return;
    }
    const float top = kind == Kind::StoreFood ? s.roofTop + 6 : kind == Kind::StoreRock ? s.wallTop - s.Wall() * 0.55f
                                                                                        : s.roofTop;
    const float eave = kind == Kind::StoreFood ? s.wallTop - 24 : s.wallTop;
    for (int i = 0; i <= 4; i++) {
        const float x = s.left + s.W() * i / 4;
        canvas.Line({x, eave}, {cx, top}, 4, kPlankEdge);
    }
    canvas.Line({s.left, eave}, {s.right, eave}, 4, kPlankEdge);
}

// The garden: a diamond of tilled earth with furrows along the plot rows;
// the game stands its vegetables on it. Pictures that stand for the whole
// garden (icons) show the vegetables too.
void Garden(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    auto at = [&](float fx, float fy) { return paint_point{area.x + area.w * fx / 210, area.y + area.h * fy / 235}; };
    canvas.OutlinedPolygon({at(9, 128), at(109, 10), at(200, 69), at(92, 195)}, Rgb(122, 84, 50), Rgb(90, 60, 34), 2);
    for (int row = 0; row < 5; row++) {
        const float f = (row + 0.5f) / 5;
        canvas.Line(at(9 + 100 * f, 128 - 118 * f + 8), at(92 + 108 * f, 195 - 126 * f + 8),
                    std::max(1.5f, area.h * 0.012f), Rgb(96, 64, 38));
    }
    if (job.name.find("construct") == std::string::npos) {
        for (int row = 0; row < 5; row++) {
            for (int i = 0; i < 5; i++) {
                const float f = (row + 0.5f) / 5, g = (i + 0.5f) / 5;
                const paint_point a = at(9 + 100 * f, 128 - 118 * f), b = at(92 + 108 * f, 195 - 126 * f);
                PaintVegetable(canvas, {a.x + (b.x - a.x) * g, a.y + (b.y - a.y) * g}, area.w * 0.03f,
                               Rgb(236, 120, 30));
            }
        }
    }
}

}  // namespace

void PaintBuilding(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const kind_look& look = LookFor(job.name);
    if (look.kind == Kind::Garden) {
        Garden(canvas, job, area);
        return;
    }
    const int stage = std::clamp(NumberAfter(job.name, "construct", 4), 0, 4);
    const bool shut = job.name.find("door") != std::string::npos && look.kind != Kind::Craftworks;
    const site s = SiteFor(look, area, job.seed);
    const float cx = s.Cx();
    const bool wonder = look.kind == Kind::WonderSun || look.kind == Kind::WonderMoon;

    // The cleared ground every stage stands on.
    if (look.kind != Kind::Shipyard) {
        canvas.Ellipse({cx, s.ground}, (wonder ? area.w * 0.5f : s.W() * 0.62f), area.h * (wonder ? 0.05f : 0.08f),
                       WithAlpha(kEarth, 0.85f));
    }
    if (stage == 0) {
        // A staked-out site with string between the stakes and planks waiting.
        for (float x : {s.left, s.right}) {
            for (float y : {s.ground - area.h * 0.06f, s.ground + area.h * 0.04f}) {
                Post(canvas, x, y - area.h * 0.08f, y, 3);
            }
        }
        canvas.Line({s.left, s.ground - area.h * 0.12f}, {s.right, s.ground - area.h * 0.12f}, 1, Rgb(240, 240, 230));
        for (int i = 0; i < 3; i++) {
            const float y = s.ground - i * 6.0f;
            canvas.Line({cx - area.w * 0.2f, y}, {cx + area.w * 0.2f, y - 4}, 6, kPlankEdge);
            canvas.Line({cx - area.w * 0.2f, y}, {cx + area.w * 0.2f, y - 4}, 4, kPlank);
        }
        return;
    }
    if (wonder) {
        const bool moon = look.kind == Kind::WonderMoon;
        if (stage == 4) {
            WonderWalls(canvas, s, moon, 1.0f);
            WonderTop(canvas, s, moon);
            return;
        }
        // The terraces first, then the needle rising in its scaffold.
        const float share = (stage - 1) / 3.0f;
        WonderWalls(canvas, s, moon, share);
        const float base = s.ground - area.h * 0.135f, full = s.wallTop + area.h * 0.06f;
        const float top = stage == 1 ? base - area.h * 0.1f : base - (base - full) * share - area.h * 0.03f;
        Scaffold(canvas, cx - area.w * 0.2f, cx + area.w * 0.2f, top, base);
        return;
    }
    // Stage 1 stands on the kind's footing; 2 has half its walls; 3 all its
    // walls under the rafters; 4 is finished.
    const float cut = stage == 1 ? s.ground - area.h * 0.03f : stage == 2 ? s.ground - s.Wall() * 0.5f
                                                                            : area.y;
    if (stage < 4) {
        LayBelow(canvas, cut, [&](CPictureCanvas& layer) { WallsOf(look.kind, layer, s, false); });
        if (stage == 3) {
            Rafters(look.kind, canvas, s);
        }
        const float scaffoldTop = stage >= 3 ? s.roofTop + (s.wallTop - s.roofTop) * 0.5f : s.wallTop;
        Scaffold(canvas, s.left + 3, s.right - 3, scaffoldTop, s.ground);
        return;
    }
    WallsOf(look.kind, canvas, s, shut);
    TopOf(look.kind, canvas, s);
}

void PaintRoof(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // The roofs a roofed hut wears over its own: palm-leaf thatch, clay tiles,
    // wooden shingles, slate. Each spans its picture and comes down to its
    // foot, where the hut's walls begin.
    const int style = std::clamp(LastNumber(job.name, 0), 0, 3);
    const paint_colour tones[4] = {Rgb(150, 150, 76), Rgb(190, 90, 60), Rgb(150, 106, 64), Rgb(104, 112, 128)};
    const paint_colour roof = tones[style];
    // Its outline covers the small hut's cone and the large hut's hipped
    // roof beneath it, with little to spare: a roofed hut keeps its height.
    const float foot = area.y + area.h - 3;
    const std::vector<paint_point> outline = {{area.x + 2, foot},
                                              {area.x + area.w * 0.18f, area.y + area.h * 0.55f},
                                              {area.x + area.w * 0.42f, area.y + area.h * 0.23f},
                                              {area.x + area.w * 0.58f, area.y + area.h * 0.23f},
                                              {area.x + area.w * 0.82f, area.y + area.h * 0.55f},
                                              {area.x + area.w - 2, foot}};
    const region inside = [&](float px, float py) { return InsidePolygon(outline, px, py); };
    const paint_box box{area.x, area.y, area.w, area.h};
    if (style == 0) {
        Thatch(canvas, box, inside, roof, {area.x + area.w / 2, area.y + area.h * 0.05f}, 15, job.seed);
        for (float x = area.x + 5; x < area.x + area.w - 4; x += 6) {
            canvas.Polygon({{x - 3.5f, foot - 2}, {x + 3.5f, foot - 2}, {x + 0.5f, foot + 3}}, Shade(roof, 0.75f));
        }
    } else {
        Tiles(canvas, box, inside, roof, style == 3 ? 12 : 10, style == 2 ? 11 : 15, job.seed);
    }
    Outline(canvas, outline, 2, Shade(roof, 0.4f));
    canvas.RoundedBox(area.x + area.w * 0.41f, area.y + area.h * 0.23f - 4, area.w * 0.18f, 7, 3, Shade(roof, 0.55f));
    if (style == 3) {
        // A chimney on the grandest.
        const float x = area.x + area.w * 0.68f, top = area.y + area.h * 0.3f;
        canvas.RoundedBox(x - 9, top, 18, area.h * 0.16f, 1, Rgb(150, 96, 80));
        canvas.RoundedBox(x - 11, top - 4, 22, 6, 1, Rgb(120, 76, 64));
    }
}

void PaintHutPicture(CPictureCanvas& canvas, int size, int grade, paint_box area)
{
    // The finished hut with the roof of its grade, fitted to the area: the
    // roof stands 14 px left of and 41 px above the hut, as the game sets it.
    const float hutW = size ? 260.0f : 220.0f, hutH = 260;
    const float roofW = grade == 2 ? 288.0f : 248.0f, roofH = 190;
    const float left = grade ? -14.0f : 0.0f, top = grade ? -41.0f : 0.0f;
    const float right = std::max(hutW, left + roofW), bottom = hutH;
    const float scale = std::min(area.w / (right - left), area.h / (bottom - top));
    const float ox = area.x + (area.w - (right - left) * scale) / 2 - left * scale;
    const float oy = area.y + (area.h - (bottom - top) * scale) / 2 - top * scale;
    picture_job hut{};
    hut.name = size ? "hut_style1_construct4" : "hut_style0_construct4";
    hut.seed = CPackRandom::HashName(hut.name);
    PaintBuilding(canvas, hut, {ox, oy, hutW * scale, hutH * scale});
    if (grade) {
        picture_job roof{};
        roof.name = grade == 2 ? "hut_roof_style2" : "hut_roof_style0";
        roof.seed = CPackRandom::HashName(roof.name);
        PaintRoof(canvas, roof, {ox - 14 * scale, oy - 41 * scale, roofW * scale, roofH * scale});
    }
}

void PaintHutCard(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const bool ghost = job.name.find("ghost") != std::string::npos;
    // ...hutXY: X the size (A small, B large), Y the grade (A plain, B
    // roofed, C grand).
    const size_t at = job.name.find("hut");
    const char size = at + 3 < job.name.size() ? job.name[at + 3] : 'A';
    const char grade = at + 4 < job.name.size() ? job.name[at + 4] : 'A';
    // Drawn whole for the build menu or the hut chooser, the hut keeps to
    // its button's card; drawn into part of another picture, to that part.
    const bool menuPicture = area.x == 0 && area.y == 0 && area.w == canvas.Width();
    const paint_box room =
        menuPicture ? BuildMenuCardRoom(job.name, area) : paint_box{area.x + 2, area.y + 4, area.w - 4, area.h - 6};
    PaintHutPicture(canvas, size == 'B' ? 1 : 0, std::clamp(grade - 'A', 0, 2), room);
    if (menuPicture) {
        ClipToCard(canvas, room);
    }
    if (ghost) {
        // Locked: greyed out and behind a lock.
        std::vector<uint8_t>& pixels = canvas.Pixels();
        for (size_t i = 0; i < pixels.size(); i += 4) {
            const uint8_t grey = static_cast<uint8_t>((pixels[i] + pixels[i + 1] + pixels[i + 2]) / 3);
            pixels[i] = pixels[i + 1] = pixels[i + 2] = grey;
            pixels[i + 3] = static_cast<uint8_t>(pixels[i + 3] / 2);
        }
        PaintPadlock(canvas, {area.x + area.w / 2, area.y + area.h * 0.56f}, 24);
    }
}
