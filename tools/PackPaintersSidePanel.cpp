// The game screen's side panel, carved from one board: a pole lashed to its
// left edge, a sunk medallion with an island carved in it in the upper part,
// where the chosen thing's name, picture and texts are laid over it, and
// three sockets cut for the Build, Research and Menu buttons at their
// staggered places, each hung from the one above by a pair of ropes, as
// signs hang on a post. The panel's pieces are painted from one picture of
// the screen, so that they meet without seams wherever the game sets them.
//
// The carving is a height field lit from the upper left: its edges are soft,
// so no hard line runs under the texts and buttons laid over it, and its
// tones stay deep, so the light lettering reads on every part of it.
#include "PackPainters.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

struct side_piece {
    const char* name;  // without its extension
    float x, y;        // where the side panel sets it on the screen
};

constexpr side_piece kPieces[] = {
    {"sidebar_mainA", 605, 0}, {"sidebar_mainB", 621, 76}, {"sidebar_mainC", 644, 0},
    {"sidebar_trim_right", 705, 0}, {"sidebar_trim_left", 581, 68},
};

// Where the buttons' faces stand on the screen (the build button's face is
// the top of its picture, the research button's the bottom).
struct face_box {
    float x, y, w, h;
};
constexpr face_box kSockets[] = {{646, 382, 110, 36}, {666, 468, 102, 40}, {636, 535, 130, 60}};
// Each socket hangs from what is above it by two ropes: x of the ropes, top
// and bottom.
struct rope {
    float x, top, bottom;
};
constexpr rope kRopes[] = {{676, 326, 378}, {726, 326, 378}, {694, 420, 466}, {744, 420, 466},
                           {684, 510, 532}, {738, 510, 532}};

const float kBoardLeft = 605;
const float kPoleLeft = 582, kPoleRight = 605, kPoleTop = 68;
// The medallion.
const paint_point kMedal{710, 196};
const float kMedalRx = 82, kMedalRy = 136;

float SmoothStep(float edge0, float edge1, float v)
{
    const float t = std::clamp((v - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// 1 inside, 0 outside, soft over about 2 px of its edge; d is the signed
// distance, negative inside.
float Inside(float d)
{
    return 1.0f - SmoothStep(-1.2f, 1.2f, d);
}

float SegmentDistance(paint_point a, paint_point b, float x, float y)
{
    const float vx = b.x - a.x, vy = b.y - a.y;
    const float t = std::clamp(((x - a.x) * vx + (y - a.y) * vy) / (vx * vx + vy * vy), 0.0f, 1.0f);
    const float dx = x - (a.x + vx * t), dy = y - (a.y + vy * t);
    return std::sqrt(dx * dx + dy * dy);
}

float RoundedBoxDistance(face_box b, float r, float x, float y)
{
    const float dx = std::fabs(x - (b.x + b.w / 2)) - (b.w / 2 - r);
    const float dy = std::fabs(y - (b.y + b.h / 2)) - (b.h / 2 - r);
    const float ox = std::max(dx, 0.0f), oy = std::max(dy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(dx, dy), 0.0f) - r;
}

// The ellipse's distance, close enough near its edge.
float EllipseDistance(paint_point c, float rx, float ry, float x, float y)
{
    const float u = (x - c.x) / rx, v = (y - c.y) / ry;
    const float k = std::sqrt(u * u + v * v);
    return (k - 1.0f) * std::min(rx, ry);
}

// The palm's trunk, bending up and to the left in rings: 0..1, the rings
// a little lower.
float TrunkCover(float x, float y)
{
    const paint_point trunk[] = {{716, 262}, {712, 232}, {702, 200}, {688, 172}};
    float distance = 1e9f;
    for (int i = 0; i < 3; i++) {
        distance = std::min(distance, SegmentDistance(trunk[i], trunk[i + 1], x, y));
    }
    const float ring = 0.85f + 0.15f * std::sin(y * 1.1f);
    return ring * Inside(distance - 4.2f);
}

// The palm's fronds: arcs out of the crown, each drooping as it goes out and
// thinning to its tip, its edge cut into leaflets. 0..1.
float FrondCover(float x, float y)
{
    const paint_point crown{688, 170};
    const float fronds[][2] = {{-2.75f, 52}, {-2.25f, 54}, {-1.75f, 40}, {-1.2f, 42}, {-0.6f, 52}, {-0.1f, 48},
                               {0.5f, 36},   {2.6f, 34}};
    float cover = 0;
    for (const auto& frond : fronds) {
        const float a = frond[0], length = frond[1];
        if (std::fabs(x - crown.x) > length + 12 || std::fabs(y - crown.y) > length + 30) {
            continue;
        }
        float best = 1e9f, share = 0;
        paint_point last = crown;
        for (int s = 1; s <= 10; s++) {
            const float t = s / 10.0f;
            const float droop = 22 * t * t;
            const paint_point p{crown.x + std::cos(a) * length * t, crown.y + std::sin(a) * length * t + droop};
            const float d = SegmentDistance(last, p, x, y);
            if (d < best) {
                best = d;
                share = (s - 1 + 0.5f) / 10.0f;
            }
            last = p;
        }
        const float notch = 0.5f + 0.5f * std::sin(share * 80 + best * 0.9f);
        const float half = (8.5f * (1 - share * share) + 1.2f) * (0.55f + 0.45f * notch);
        cover = std::max(cover, Inside(best - half));
    }
    return cover;
}

// The island scene inside the medallion, as raised relief: a sun with its
// rays, a palm on a mound, the sea in rolling bands.
float SceneHeight(float x, float y)
{
    float h = 0;
    // The sun in the upper right with rays round it.
    const paint_point sun{738, 100};
    const float sd = std::hypot(x - sun.x, y - sun.y);
    h += 0.9f * Inside(sd - 17);
    if (sd > 22 && sd < 38) {
        const float angle = std::atan2(y - sun.y, x - sun.x);
        const float ray = 0.5f + 0.5f * std::cos(angle * 12);
        h += 0.5f * SmoothStep(0.55f, 0.8f, ray) * SmoothStep(22, 25, sd) * (1 - SmoothStep(33, 38, sd));
    }
    // The sea: long soft swells under the island.
    if (y > 262) {
        const float swell = std::sin((y + 3.5f * std::sin(x * 0.11f)) * 0.55f);
        h += 0.35f * SmoothStep(262, 272, y) * SmoothStep(0.2f, 0.9f, swell);
    }
    // The island's mound.
    h += 0.8f * Inside(EllipseDistance({704, 266}, 54, 13, x, y));
    h += 1.1f * TrunkCover(x, y);
    h = std::max(h, FrondCover(x, y));
    return h;
}

// The height of the carving at a screen pixel; depth below the panel is
// negative.
float Height(float x, float y)
{
    float h = 0;
    // The medallion: a raised rim round a sunk field holding the scene.
    const float md = EllipseDistance(kMedal, kMedalRx, kMedalRy, x, y);
    const float field = Inside(md + 5);
    h += 1.2f * std::exp(-(md + 2) * (md + 2) / 8.0f);
    h -= 1.3f * field;
    if (field > 0) {
        h += field * SceneHeight(x, y);
    }
    // A band of carved waves across the board's top, over the medallion.
    if (y > 16 && y < 44 && x > 624 && x < 796) {
        const float wave = 30 + 6 * std::sin((x - 620) * 0.12f);
        const float d = std::fabs(y - wave);
        const float ends = SmoothStep(624, 640, x) * (1 - SmoothStep(780, 796, x));
        h += 0.8f * ends * Inside(d - 2.5f);
        h += 0.5f * ends * Inside(std::fabs(y - wave + 9) - 1.5f) * SmoothStep(20, 24, y);
    }
    // The sockets, each a little larger than its button's face, and the
    // ropes they hang by.
    for (const face_box& s : kSockets) {
        // The face a button draws is 1 px in from its box's top left and
        // 3 px from its bottom right.
        const face_box grown{s.x - 5, s.y - 5, s.w + 8, s.h + 8};
        const float d = RoundedBoxDistance(grown, 12, x, y);
        h -= 1.2f * (1.0f - SmoothStep(-2.0f, 2.0f, d));
        h += 0.8f * std::exp(-(d - 3) * (d - 3) / 5.0f);
    }
    for (const rope& r : kRopes) {
        if (y > r.top - 3 && y < r.bottom + 3) {
            // Twisted strands: the rope's height rises and falls along it.
            const float d = std::fabs(x - r.x + 0.8f * std::sin(y * 0.9f));
            const float twist = 0.75f + 0.25f * std::sin((y + x) * 1.3f);
            h = std::max(h, 1.0f * twist * Inside(d - 2.6f) * SmoothStep(r.top - 3, r.top, y) *
                                (1 - SmoothStep(r.bottom, r.bottom + 3, y)));
        }
    }
    return h;
}

// The board's wood: deep brown with a grain running down the board.
paint_colour Wood(float x, float y)
{
    const int sx = static_cast<int>(std::floor(x)), sy = static_cast<int>(std::floor(y));
    const float wave = std::sin(x * 0.45f + 2.2f * std::sin(y * 0.021f + x * 0.05f) + 1.5f * PixelNoise(sx / 6, sy / 40, 0x51de));
    const float grain = 0.94f + 0.06f * wave + 0.03f * PixelNoise(sx, sy, 0x9a1e);
    return Shade(Rgb(86, 56, 34), grain);
}

// What the medallion's scene is tinted, as a carving touched with paint.
paint_colour SceneTint(float x, float y, paint_colour wood)
{
    const float md = EllipseDistance(kMedal, kMedalRx, kMedalRy, x, y);
    const float field = Inside(md + 5);
    if (field <= 0) {
        return wood;
    }
    // Sky warm towards the sun, sea deep teal, sand and leaves.
    paint_colour tint = Mix(Rgb(100, 62, 42), Rgb(132, 90, 46), SmoothStep(220, 70, y));
    if (y > 262) {
        tint = Mix(tint, Rgb(40, 84, 92), SmoothStep(262, 276, y));
    }
    const float sun = std::hypot(x - 738, y - 100);
    tint = Mix(tint, Rgb(176, 128, 52), 1 - SmoothStep(16, 20, sun));
    const float mound = EllipseDistance({704, 266}, 54, 13, x, y);
    tint = Mix(tint, Rgb(120, 94, 58), Inside(mound));
    tint = Mix(tint, Rgb(112, 76, 46), TrunkCover(x, y));
    tint = Mix(tint, Rgb(58, 96, 44), FrondCover(x, y));
    return Mix(wood, tint, 0.75f * field);
}

paint_colour BoardAt(float x, float y)
{
    paint_colour c = SceneTint(x, y, Wood(x, y));
    // Lit from the upper left: the slope of the carving towards the light.
    const float slope = Height(x - 1, y - 1) - Height(x + 1, y + 1);
    c = Shade(c, std::clamp(1.0f + 0.32f * slope, 0.55f, 1.4f));
    // The sunk parts lie in shade.
    const float depth = std::min(0.0f, Height(x, y));
    c = Shade(c, 1.0f + 0.12f * depth);
    // The board's own left edge: a dark seam, then a rounded lip.
    const float fromEdge = x - kBoardLeft;
    if (fromEdge < 8) {
        const float lip = std::sin(std::clamp(fromEdge / 8, 0.0f, 1.0f) * kPi);
        c = Shade(c, 0.55f + 0.55f * lip);
    }
    return c;
}

// The pole: a round trunk with a carved knob at its top and rope lashed
// round it every so often.
paint_colour PoleAt(float x, float y, bool& inside)
{
    const float mid = (kPoleLeft + kPoleRight) / 2, half = (kPoleRight - kPoleLeft) / 2;
    const float knobY = kPoleTop + half;
    const float across = (x - mid) / half;
    inside = std::fabs(across) <= 1.0f && y >= knobY - half * std::sqrt(std::max(0.0f, 1 - across * across));
    if (!inside) {
        return Rgb(0, 0, 0, 0);
    }
    // Round: lit on the left, in shade on the right.
    const float round = std::sqrt(std::max(0.0f, 1 - across * across));
    const float light = 0.55f + 0.55f * round - 0.2f * across;
    const int sx = static_cast<int>(std::floor(x)), sy = static_cast<int>(std::floor(y));
    paint_colour c = Shade(Rgb(104, 70, 42), light * (0.95f + 0.05f * std::sin(y * 0.3f + sx)) *
                                                 (0.97f + 0.03f * PixelNoise(sx, sy / 3, 0x9013)));
    // The knob's neck.
    if (y > knobY + half - 4 && y < knobY + half) {
        c = Shade(c, 0.6f);
    }
    // Lashings.
    for (const float band : {150.0f, 356.0f, 520.0f}) {
        if (y > band && y < band + 16) {
            const float strand = 0.5f + 0.5f * std::sin((y - band + across * 6) * 1.6f);
            c = Shade(Mix(Rgb(196, 160, 104), Rgb(120, 90, 52), 1 - strand), light);
        }
    }
    return c;
}

}  // namespace

bool PaintSidePanelPiece(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const std::string stem = job.name.substr(0, job.name.rfind('.'));
    for (const side_piece& piece : kPieces) {
        if (stem != piece.name) {
            continue;
        }
        const float dx = piece.x - area.x, dy = piece.y - area.y;
        canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                    [&](float px, float py) {
                        const float x = px + dx, y = py + dy;
                        bool onPole = false;
                        const paint_colour pole = PoleAt(x, y, onPole);
                        if (onPole) {
                            return pole;
                        }
                        if (x < kBoardLeft) {
                            return Rgb(0, 0, 0, 0);
                        }
                        return BoardAt(x, y);
                    });
        return true;
    }
    return false;
}
