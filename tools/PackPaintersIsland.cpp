// Painters of what grows and lies on the island: trees, rocks, grass,
// flowers, stock piles, graves, crates, dust and the mysteries.
#include "CPackRandom.h"
#include "PackPainters.h"
#include "PackPictures.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

const paint_colour kBark = Rgb(118, 78, 44);
const paint_colour kBarkEdge = Rgb(58, 36, 20);
const paint_colour kWoodCut = Rgb(222, 186, 128);
const paint_colour kLeaf = Rgb(64, 142, 48);
const paint_colour kStoneGrey = Rgb(150, 146, 138);

// Flower colours by the number in "colour_N".
const paint_colour kFlowerColours[] = {Rgb(226, 48, 52),  Rgb(250, 214, 40),  Rgb(70, 110, 230), Rgb(248, 248, 244),
                                       Rgb(244, 120, 190), Rgb(248, 140, 30), Rgb(150, 70, 200)};

// The flower panel's icons name their colour by word, in colour-number order.
constexpr const char* kIconColourWords[] = {"white", "ltblue", "dkblue", "purple", "pink", "orange", "yellow"};

paint_colour FlowerColour(const std::string& name)
{
    if (name.rfind("flowerGUI_icon_", 0) == 0) {
        for (int i = 0; i < 7; i++) {
            if (name.find(kIconColourWords[i], 15) == 15) {
                return kFlowerColours[i];
            }
        }
    }
    const int index = NumberAfter(name, "colour_", 0);
    return kFlowerColours[std::clamp(index, 0, 6)];
}

// Where a trunk meets its crown, in each trunk picture (the game's anchors),
// and the crown's own anchor: the painters keep trunk tops under crowns.
struct tree_shape {
    paint_point trunkTop[7];
    paint_point crownAnchor;
};

constexpr tree_shape kTreeShapes[3] = {
    {{{16, 13}, {16, 13}, {16, 13}, {16, 13}, {16, 13}, {17, 2}, {86, 3}}, {101, 52}},
    {{{13, 10}, {13, 10}, {13, 10}, {13, 10}, {13, 10}, {13, 10}, {13, 10}}, {80, 42}},
    {{{12, 7}, {12, 7}, {12, 7}, {12, 7}, {12, 7}, {12, 7}, {12, 7}}, {63, 31}},
};

}  // namespace

void PaintBlob(CPictureCanvas& canvas, paint_point c, float rx, float ry, paint_colour colour, uint64_t seed,
               float lumpiness, bool speckled)
{
    CPackRandom random(seed);
    float amplitude[4], phase[4];
    for (int k = 0; k < 4; k++) {
        amplitude[k] = lumpiness * static_cast<float>(0.4 + 0.6 * random.Unit()) / (1.0f + k * 0.5f);
        phase[k] = static_cast<float>(random.Unit() * 2 * kPi);
    }
    auto reach = [&](float u, float v) {
        const float angle = std::atan2(v, u);
        float r = 1.0f - lumpiness * 0.9f;
        for (int k = 0; k < 4; k++) {
            r += amplitude[k] * 0.5f * (1.0f + std::sin((k + 2) * angle + phase[k]));
        }
        return std::min(r, 1.0f);
    };
    const float edge = 1.3f / std::max(2.0f, std::min(rx, ry));
    const paint_colour dark = Mix(colour, Rgb(10, 14, 10), 0.62f);
    canvas.Fill(c.x - rx, c.y - ry, c.x + rx, c.y + ry,
                [&](float px, float py) {
                    const float u = (px - c.x) / rx, v = (py - c.y) / ry;
                    return std::sqrt(u * u + v * v) <= reach(u, v);
                },
                [&](float px, float py) {
                    const float u = (px - c.x) / rx, v = (py - c.y) / ry;
                    if (std::sqrt(u * u + v * v) > reach(u, v) - edge) {
                        return WithAlpha(dark, colour.a);
                    }
                    float light = 1.08f - 0.28f * (0.55f * u + 0.85f * v);
                    if (speckled) {
                        light *= 0.88f + 0.24f * PixelNoise(static_cast<int>(px), static_cast<int>(py), seed);
                    }
                    return Shade(colour, light);
                });
}

void PaintStone(CPictureCanvas& canvas, paint_point c, float rx, float ry, paint_colour colour, uint64_t seed)
{
    PaintBlob(canvas, c, rx, ry, colour, seed, 0.22f, true);
    // A crack or two across the face.
    CPackRandom random(seed + 7);
    const paint_colour crack = Mix(colour, Rgb(30, 30, 30), 0.55f);
    for (int i = 0; i < (rx > 14 ? 2 : 0); i++) {
        const paint_point a{c.x + rx * static_cast<float>(random.Unit() - 0.6) * 0.8f, c.y - ry * 0.35f};
        const paint_point b{a.x + rx * static_cast<float>(random.Unit() * 0.4 + 0.1), c.y + ry * 0.1f};
        canvas.Line(a, b, std::max(1.0f, rx / 30), crack);
    }
}

void PaintLog(CPictureCanvas& canvas, paint_point a, paint_point b, float thickness, paint_colour bark)
{
    canvas.Line(a, b, thickness + 1.5f, Mix(bark, Rgb(20, 12, 6), 0.6f));
    canvas.Line(a, b, thickness, bark);
    const paint_point shine{0, -thickness * 0.2f};
    canvas.Line({a.x + shine.x, a.y + shine.y}, {b.x, b.y + shine.y}, std::max(1.0f, thickness * 0.3f),
                Shade(bark, 1.3f));
    canvas.Ellipse(b, thickness * 0.38f + 0.5f, thickness * 0.5f + 0.5f, Mix(bark, Rgb(20, 12, 6), 0.6f));
    canvas.Ellipse(b, thickness * 0.32f, thickness * 0.42f, kWoodCut);
    if (thickness >= 6) {
        canvas.Ellipse(b, thickness * 0.12f, thickness * 0.16f, Shade(kWoodCut, 0.8f));
    }
}

void PaintFish(CPictureCanvas& canvas, paint_point c, float length, float heading, paint_colour body,
               paint_colour belly, bool outlined)
{
    const float cs = std::cos(heading), sn = std::sin(heading);
    // A fish heading left is mirrored, not turned over: its belly stays below.
    const float flip = cs < 0 ? -1.0f : 1.0f;
    auto at = [&](float along, float across) {
        across *= flip;
        return paint_point{c.x + along * cs - across * sn, c.y + along * sn + across * cs};
    };
    const float half = length / 2;
    const float girth = length * 0.2f;
    std::vector<paint_point> outline;
    for (int i = 0; i <= 12; i++) {
        const float t = static_cast<float>(i) / 12;
        const float along = half - t * length * 0.78f;
        outline.push_back(at(along, -girth * std::sin(t * kPi) * (1.0f - 0.3f * t)));
    }
    for (int i = 12; i >= 0; i--) {
        const float t = static_cast<float>(i) / 12;
        const float along = half - t * length * 0.78f;
        outline.push_back(at(along, girth * std::sin(t * kPi) * (1.0f - 0.3f * t)));
    }
    const std::vector<paint_point> tail = {at(-half * 0.5f, 0), at(-half, -girth * 0.9f), at(-half * 0.85f, 0),
                                           at(-half, girth * 0.9f)};
    const paint_colour edge = Mix(body, Rgb(0, 0, 0), 0.6f);
    if (outlined) {
        canvas.OutlinedPolygon(tail, body, edge);
        canvas.OutlinedPolygon(outline, body, edge);
    } else {
        canvas.Polygon(tail, body);
        canvas.Polygon(outline, body);
    }
    std::vector<paint_point> underside;
    for (int i = 2; i <= 10; i++) {
        const float t = static_cast<float>(i) / 12;
        underside.push_back(at(half - t * length * 0.78f, girth * 0.75f * std::sin(t * kPi) * (1.0f - 0.3f * t)));
    }
    underside.push_back(at(half - 0.5f * length * 0.78f, girth * 0.15f));
    canvas.Polygon(underside, belly);
    const float eye = std::max(0.8f, length * 0.05f);
    canvas.Ellipse(at(half * 0.62f, -girth * 0.25f), eye, eye, Rgb(20, 20, 24));
}

void PaintVegetable(CPictureCanvas& canvas, paint_point c, float r, paint_colour colour)
{
    canvas.Line({c.x, c.y - r * 0.6f}, {c.x - r * 0.6f, c.y - r * 1.5f}, std::max(1.0f, r * 0.35f), Rgb(60, 150, 50));
    canvas.Line({c.x, c.y - r * 0.6f}, {c.x + r * 0.5f, c.y - r * 1.6f}, std::max(1.0f, r * 0.35f), Rgb(80, 170, 60));
    canvas.Ellipse(c, r + 0.8f, r * 0.9f + 0.8f, Mix(colour, Rgb(0, 0, 0), 0.55f));
    canvas.Ellipse(c, r, r * 0.9f, colour);
    canvas.Ellipse({c.x - r * 0.35f, c.y - r * 0.3f}, r * 0.3f, r * 0.25f, Shade(colour, 1.35f));
}

void PaintTreeTrunk(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int size = std::clamp(NumberAfter(job.name, "size", 0), 0, 2);
    const int style = std::clamp(NumberAfter(job.name, "trunk", 0), 0, 6);
    const int chop = std::clamp(NumberAfter(job.name, "chop", 0), 0, 3);
    // The largest trees are palms: every crown of that size is a palm's, so
    // every trunk of it is one, upright or leaning (styles 5 and 6).
    const bool palm = size == 0;
    const bool leaning = style >= 5;
    const paint_point foot{area.x + area.w / 2, area.y + area.h - 6};
    paint_point top = kTreeShapes[size].trunkTop[style];
    top.x = std::clamp(area.x + top.x, area.x + 6, area.x + area.w - 6);
    top.y = area.y + top.y + 4;
    const float baseHalf = palm && !leaning ? 7.5f : std::clamp(area.w * 0.2f, 6.0f, 11.0f);
    const float topHalf = palm ? baseHalf * 0.7f : baseHalf * 0.5f;
    // Felled trunks end low: at a cut, or at a stump.
    const float keep = chop <= 1 ? 1.0f : chop == 2 ? 0.42f : 0.12f;
    // A leaning palm bends from its foot; an upright one sways a little, a
    // way of its own for each style.
    const float sway = palm && !leaning ? (style % 3 - 1) * 5.0f + 2.0f : 0.0f;
    auto centre = [&](float s) {
        if (!leaning) {
            const float bow = sway * 4 * s * (1 - s);
            return paint_point{foot.x + (top.x - foot.x) * s + bow, foot.y + (top.y - foot.y) * s};
        }
        const paint_point control{foot.x, (foot.y + top.y) / 2};
        const float a = (1 - s) * (1 - s), b = 2 * s * (1 - s), d = s * s;
        return paint_point{a * foot.x + b * control.x + d * top.x, a * foot.y + b * control.y + d * top.y};
    };
    std::vector<paint_point> left, right;
    constexpr int kSteps = 20;
    for (int i = 0; i <= kSteps; i++) {
        const float s = keep * i / kSteps;
        const paint_point p = centre(s);
        const paint_point q = centre(std::min(1.0f, s + 0.01f));
        float dx = q.x - p.x, dy = q.y - p.y;
        const float length = std::sqrt(dx * dx + dy * dy) + 1e-6f;
        dx /= length;
        dy /= length;
        const float flare = palm ? 3.0f : 6.0f;
        const float half = baseHalf + (topHalf - baseHalf) * s + (s < 0.08f ? (0.08f - s) * baseHalf * flare : 0.0f);
        left.push_back({p.x + dy * half, p.y - dx * half});
        right.push_back({p.x - dy * half, p.y + dx * half});
    }
    std::vector<paint_point> outline = left;
    outline.insert(outline.end(), right.rbegin(), right.rend());
    const paint_colour bark = palm ? Rgb(150, 118, 80) : kBark;
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h,
                [&](float px, float py) { return InsidePolygon(outline, px, py); },
                [&](float px, float py) {
                    const float s = std::clamp((foot.y - py) / (foot.y - top.y), 0.0f, 1.0f);
                    const float across = (px - centre(s).x) / baseHalf;
                    float light = 1.12f - 0.45f * (across + 0.4f) * 0.6f;
                    if (palm) {
                        // The scars of old fronds ring a palm's trunk.
                        const float ring = std::fmod(foot.y - py + across * 2.0f, 8.0f);
                        light *= ring < 1.6f ? 0.66f : ring < 3.0f ? 1.08f : 1.0f;
                    } else {
                        light *= 0.82f + 0.3f * PixelNoise(static_cast<int>(px) / 2, static_cast<int>(py) / 5, job.seed);
                    }
                    return Shade(bark, light);
                });
    for (size_t i = 1; i < left.size(); i++) {
        canvas.Line(left[i - 1], left[i], 1.3f, kBarkEdge);
        canvas.Line(right[i - 1], right[i], 1.3f, kBarkEdge);
    }
    const paint_point end = centre(keep);
    const float endHalf = baseHalf + (topHalf - baseHalf) * keep;
    if (chop >= 2) {
        canvas.Ellipse(end, endHalf + 1, endHalf * 0.45f + 1, kBarkEdge);
        canvas.Ellipse(end, endHalf, endHalf * 0.45f, kWoodCut);
        canvas.Ring(end, endHalf * 0.55f, endHalf * 0.25f, 1.0f, Shade(kWoodCut, 0.8f));
    } else if (chop == 1) {
        const paint_point notch = centre(0.1f);
        canvas.Polygon({{notch.x + baseHalf * 1.1f, notch.y - 5}, {notch.x + 1, notch.y}, {notch.x + baseHalf * 1.1f, notch.y + 4}},
                       kWoodCut);
        if (palm) {
            // Stripped of its fronds: their dry stubs hang from the top.
            const paint_point crown = centre(1.0f);
            for (int i = 0; i < 5; i++) {
                const float angle = kPi * (0.15f + 0.175f * i);
                canvas.Line(crown, {crown.x + std::cos(angle) * 14, crown.y + std::sin(angle) * 9 + 4}, 3.5f,
                            Rgb(150, 120, 70));
            }
            return;
        }
        // Stripped of its crown: a bare top with two broken branches.
        canvas.Line(centre(0.85f), {centre(0.85f).x - baseHalf * 2, centre(0.85f).y - baseHalf * 2}, topHalf, kBarkEdge);
        canvas.Line(centre(0.75f), {centre(0.75f).x + baseHalf * 2, centre(0.75f).y - baseHalf * 1.5f}, topHalf * 0.8f,
                    kBarkEdge);
    }
}

namespace {

// A palm's crown: fronds from the crown's anchor, where the trunk's top
// meets it, each a drooping rib with leaflets along both sides; coconuts
// under them. The back fronds lie in shade.
void PaintPalmCrown(CPictureCanvas& canvas, const picture_job& job, paint_box area, paint_colour leaf)
{
    const int variant = LastNumber(job.name, 0);
    CPackRandom random(job.seed);
    const paint_point anchor{area.x + area.w * kTreeShapes[0].crownAnchor.x / 220,
                             area.y + area.h * kTreeShapes[0].crownAnchor.y / 200};
    const float reach = area.w * 0.47f;
    struct frond {
        float angle, length, droop;
        bool back;
    };
    std::vector<frond> fronds;
    const int count = 10 + variant % 3;
    for (int i = 0; i < count; i++) {
        // Spread round the crown, fewer straight up; the back ones first.
        const float t = (i + 0.5f) / count;
        const float angle = -kPi / 2 + (t - 0.5f) * 2 * kPi * 0.92f + static_cast<float>(random.Unit() - 0.5) * 0.3f;
        const float side = std::fabs(std::cos(angle));
        const float length = reach * (0.6f + 0.4f * side) * static_cast<float>(0.85 + 0.2 * random.Unit());
        fronds.push_back({angle, length, static_cast<float>(0.35 + 0.3 * random.Unit()), i % 2 == 0});
    }
    std::stable_sort(fronds.begin(), fronds.end(), [](const frond& a, const frond& b) { return a.back && !b.back; });
    // The fronds arch only a little above the trunk's top and hang from
    // there: the side panel shows the whole tree at half size centred under
    // the name plate, and a crown that rose higher would reach over it.
    const float arch = 10.0f;
    auto squash = [&](paint_point p) {
        if (p.y < anchor.y) {
            p.y = anchor.y - arch * std::tanh((anchor.y - p.y) / arch);
        }
        return p;
    };
    for (const frond& f : fronds) {
        const paint_colour tone = Shade(leaf, f.back ? 0.78f : 1.08f);
        // No frond stands up: those meant to rise spread out to the sides
        // and arch over, as a tall palm's fronds do.
        paint_point dir{std::cos(f.angle), std::sin(f.angle)};
        if (dir.y < -0.3f) {
            const float side = dir.x < 0 ? -1.0f : 1.0f;
            dir = {side * std::sqrt(1.0f - 0.09f), -0.3f};
        }
        // The rib: out along its angle, then bowing down under its weight.
        auto rib = [&](float t) {
            const float along = f.length * t;
            return squash({anchor.x + dir.x * along, anchor.y + dir.y * along + f.droop * f.length * t * t});
        };
        paint_point previous = anchor;
        for (int k = 1; k <= 24; k++) {
            const float t = k / 24.0f;
            const paint_point p = rib(t);
            const paint_point q = rib(std::min(1.0f, t + 0.04f));
            float tx = q.x - p.x, ty = q.y - p.y;
            const float length = std::sqrt(tx * tx + ty * ty) + 1e-6f;
            tx /= length;
            ty /= length;
            // Leaflets on both sides, longest mid-frond, hanging toward the tip
            // and the ground.
            const float leaflet = f.length * 0.24f * (0.25f + 0.75f * std::sin(kPi * std::min(1.0f, t * 1.1f)));
            for (int side : {-1, 1}) {
                const float nx = -ty * side, ny = tx * side;
                const paint_point tip = squash({p.x + (nx * 0.8f + tx * 0.55f) * leaflet,
                                                p.y + (ny * 0.8f + ty * 0.55f) * leaflet + leaflet * 0.45f});
                canvas.Line(p, tip, k % 2 ? 2.2f : 1.8f, k % 3 ? tone : Shade(tone, 0.88f));
            }
            canvas.Line(previous, p, 2.2f, Shade(tone, 0.7f));
            previous = p;
        }
    }
    // Coconuts in the shade under the fronds.
    for (int i = 0; i < 4; i++) {
        const paint_point nut{anchor.x + (i - 1.5f) * 7.0f, anchor.y + 7.0f + (i % 2) * 5.0f};
        canvas.Ellipse(nut, 6, 6, Rgb(70, 50, 24));
        canvas.Ellipse({nut.x - 1.2f, nut.y - 1.2f}, 4.5f, 4.5f, Rgb(110, 82, 40));
    }
}

}  // namespace

void PaintTreeCrown(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int variant = LastNumber(job.name, 0);
    CPackRandom random(job.seed);
    const paint_colour greens[5] = {Rgb(62, 140, 46), Rgb(76, 150, 40), Rgb(50, 128, 56), Rgb(88, 146, 44),
                                    Rgb(56, 120, 40)};
    const paint_colour leaf = greens[variant % 5];
    if (NumberAfter(job.name, "size", 1) == 0) {
        PaintPalmCrown(canvas, job, area, Shade(leaf, 1.05f));
        return;
    }
    struct cluster {
        paint_point c;
        float r;
        uint64_t seed;
    };
    std::vector<cluster> clusters;
    const paint_point middle{area.x + area.w * 0.48f, area.y + area.h * 0.44f};
    const float spreadX = area.w * 0.26f, spreadY = area.h * 0.24f;
    const int count = 11 + random.Range(0, 2);
    for (int i = 0; i < count; i++) {
        const float angle = static_cast<float>(i) / count * 2 * kPi + static_cast<float>(random.Unit());
        const float distance = i == 0 ? 0.0f : static_cast<float>(0.6 + 0.45 * random.Unit());
        const float r = area.w * static_cast<float>(0.16 + 0.06 * random.Unit());
        paint_point c{middle.x + std::cos(angle) * spreadX * distance, middle.y + std::sin(angle) * spreadY * distance};
        c.x = std::clamp(c.x, area.x + r * 1.02f + 1, area.x + area.w - r * 1.02f - 1);
        c.y = std::clamp(c.y, area.y + r * 0.9f + 1, area.y + area.h - r * 0.9f - 1);
        clusters.push_back({c, r, random.Next()});
    }
    std::sort(clusters.begin(), clusters.end(), [](const cluster& a, const cluster& b) { return a.c.y < b.c.y; });
    for (const cluster& k : clusters) {
        // Lower clusters lie in the crown's own shade.
        const float depth = (k.c.y - area.y) / area.h;
        const paint_colour tone = Shade(leaf, 1.18f - 0.45f * depth);
        PaintBlob(canvas, k.c, k.r, k.r * 0.88f, tone, k.seed, 0.28f, true);
        CPackRandom dabs(k.seed);
        // Sunlit leaves on each cluster's upper side.
        for (int d = 0; d < 6; d++) {
            const float u = static_cast<float>(dabs.Unit() * 1.1 - 0.65);
            const float v = static_cast<float>(dabs.Unit() * 0.45);
            canvas.Ellipse({k.c.x + k.r * u, k.c.y - k.r * (0.2f + v)}, k.r * 0.11f, k.r * 0.06f, Shade(tone, 1.25f));
        }
    }
}

void PaintShadow(CPictureCanvas& canvas, const picture_job&, paint_box area)
{
    const paint_point c{area.x + area.w / 2, area.y + area.h / 2};
    canvas.Ellipse(c, area.w / 2 - 0.5f, area.h / 2 - 0.5f, Rgb(0, 0, 0, 60));
    canvas.Ellipse(c, area.w * 0.4f, area.h * 0.38f, Rgb(0, 0, 0, 50));
}

void PaintSelectionRing(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    if (job.name.rfind("tut_circle_I_", 0) == 0) {
        // The wide ring is laid with its left end over a corner's counter or
        // button (the star, the moon, the map, the potion): it circles the
        // left end of its picture.
        area.w = std::min(area.w, 78.0f);
    }
    const paint_point c{area.x + area.w / 2, area.y + area.h / 2};
    const float thick = std::max(2.0f, area.h / 12);
    if (job.name.rfind("tut_circle_", 0) != 0) {
        canvas.Ring(c, area.w / 2 - 0.5f, area.h / 2 - 0.5f, thick + 2, Rgb(40, 30, 0, 150));
        canvas.Ring(c, area.w / 2 - 1.5f, area.h / 2 - 1.5f, thick, Rgb(255, 236, 110, 235));
        return;
    }
    // The tutorial's ring draws itself round the thing it points at: each
    // frame one more stretch of the arc, whole from the twelfth frame on.
    const float sweep = std::min(1.0f, (LastNumber(job.name) + 1) / 12.0f) * 2.0f * kPi;
    const int steps = std::max(2, static_cast<int>(sweep * 24.0f));
    const float rx = area.w / 2 - thick - 1, ry = area.h / 2 - thick - 1;
    for (const auto& [width, colour] : {std::make_pair(thick + 2, Rgb(40, 30, 0, 150)),
                                        std::make_pair(thick, Rgb(255, 236, 110, 235))}) {
        for (int i = 0; i < steps; i++) {
            const float a0 = -kPi / 2 + sweep * i / steps, a1 = -kPi / 2 + sweep * (i + 1) / steps;
            canvas.Line({c.x + std::cos(a0) * rx, c.y + std::sin(a0) * ry}, {c.x + std::cos(a1) * rx, c.y + std::sin(a1) * ry},
                        width, colour);
        }
    }
}

void PaintRock(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    CPackRandom random(job.seed);
    // One draw a statement, the amount first as the rocks were always drawn.
    const float amount = static_cast<float>(0.2 + 0.3 * random.Unit());
    const paint_colour warmOrCool = random.Range(0, 1) ? Rgb(170, 150, 120) : Rgb(130, 140, 150);
    const paint_colour tint = Mix(kStoneGrey, warmOrCool, amount);
    const bool heap = area.w >= 60;
    if (heap) {
        // A smaller stone leans on the big one.
        const float r = area.w * 0.18f;
        PaintStone(canvas, {area.x + area.w - r - 1, area.y + area.h - r * 0.8f - 1}, r, r * 0.75f,
                   Shade(tint, 0.92f), job.seed + 3);
    }
    const float rx = area.w * (heap ? 0.4f : 0.48f);
    const float ry = area.h * 0.46f;
    PaintStone(canvas, {area.x + rx + 1, area.y + area.h - ry - 1}, rx, ry, tint, job.seed);
}

void PaintGrassTuft(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // A few thin blades from one root, close to the ground's own green, so
    // that many tufts read as grass rather than as a printed pattern.
    CPackRandom random(job.seed);
    const int blades = 3 + random.Range(0, 1);
    const float cx = area.x + area.w / 2;
    for (int i = 0; i < blades; i++) {
        const float spread = (static_cast<float>(i) / (blades - 1) - 0.5f);
        const paint_point base{cx + spread * area.w * 0.25f, area.y + area.h - 0.5f};
        const paint_point tip{cx + spread * area.w * 0.75f + static_cast<float>(random.Range(-1, 1)),
                              area.y + static_cast<float>((0.1 + random.Unit() * 0.4) * area.h)};
        const paint_point middle{(base.x + tip.x) / 2, (base.y + tip.y) / 2};
        canvas.Line(base, middle, 1.1f, Rgb(58, 118, 36));
        canvas.Line(middle, tip, 0.9f, i % 2 ? Rgb(116, 176, 64) : Rgb(92, 156, 50));
    }
}

void PaintGrassBlade(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const float lean = (LastNumber(job.name, 0) % 3 - 1) * area.w * 0.35f;
    const paint_point base{area.x + area.w / 2, area.y + area.h - 0.5f};
    const paint_point middle{base.x + lean * 0.3f, area.y + area.h * 0.5f};
    canvas.Line(base, middle, 1.4f, Rgb(50, 108, 32));
    canvas.Line(middle, {base.x + lean, area.y + 0.5f}, 1.0f, Rgb(104, 166, 56));
}

void PaintMapDot(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    paint_colour colour = Rgb(60, 124, 40);
    if (job.name.find("flower") != std::string::npos) {
        colour = FlowerColour(job.name);
    } else if (job.name.find("grass") == std::string::npos) {
        colour = Rgb(255, 0, 255);
    }
    canvas.Ellipse({area.x + area.w / 2, area.y + area.h / 2}, area.w / 2 + 0.2f, area.h / 2 + 0.2f, colour);
}

void PaintFlower(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const paint_colour petal = FlowerColour(job.name);
    const int size = NumberAfter(job.name, "size_", 0);
    const int type = NumberAfter(job.name, "type_", 0);
    const float r = std::min(area.w, area.h) * (0.3f + 0.08f * size);
    const paint_point c{area.x + area.w / 2, area.y + area.h / 2 - 0.5f};
    canvas.Line({c.x, c.y}, {c.x - 0.5f, area.y + area.h - 0.5f}, 1.0f, Rgb(50, 120, 40));
    canvas.Ellipse({c.x + 2, area.y + area.h - 2}, 1.6f, 0.9f, Rgb(60, 140, 46));
    const paint_colour edge = Mix(petal, Rgb(40, 20, 20), 0.5f);
    if (type == 2) {
        // A cup seen from the side.
        canvas.OutlinedPolygon({{c.x - r, c.y - r * 0.8f}, {c.x - r * 0.3f, c.y - r * 0.2f}, {c.x, c.y - r},
                                {c.x + r * 0.3f, c.y - r * 0.2f}, {c.x + r, c.y - r * 0.8f}, {c.x + r * 0.6f, c.y + r * 0.6f},
                                {c.x - r * 0.6f, c.y + r * 0.6f}},
                               petal, edge);
        return;
    }
    const int petals = type == 1 ? 8 : 5;
    const float reach = type == 1 ? r * 0.75f : r * 0.6f;
    const float petalR = type == 1 ? r * 0.32f : r * 0.5f;
    for (int i = 0; i < petals; i++) {
        const float angle = i * 2 * kPi / petals - kPi / 2;
        canvas.Ellipse({c.x + std::cos(angle) * reach, c.y + std::sin(angle) * reach}, petalR + 0.5f, petalR + 0.5f, edge);
    }
    for (int i = 0; i < petals; i++) {
        const float angle = i * 2 * kPi / petals - kPi / 2;
        canvas.Ellipse({c.x + std::cos(angle) * reach, c.y + std::sin(angle) * reach}, petalR, petalR, petal);
    }
    canvas.Ellipse(c, std::max(1.0f, r * 0.3f), std::max(1.0f, r * 0.3f), Rgb(250, 200, 40));
}

void PaintCrop(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // A sapling or a garden plant: leaves that grow with the phase, and a
    // ripe vegetable from phase four.
    const bool tree = job.name.find("sapling") != std::string::npos;
    const int phase = tree ? 3 : std::clamp(NumberAfter(job.name, "phase", 1), 1, 5);
    const paint_point foot{area.x + area.w / 2, area.y + area.h - 2};
    const float grow = phase / 5.0f;
    if (tree && job.name.find("size0") != std::string::npos) {
        // Not yet planted: a seedling in its sacking root ball, beside the
        // stake that marks the spot.
        canvas.Line({area.x + 4, foot.y}, {area.x + 4, area.y + area.h * 0.35f}, 2.0f, Rgb(150, 110, 60));
        canvas.Ellipse({area.x + 4, area.y + area.h * 0.35f}, 3.0f, 3.0f, Rgb(230, 60, 50));
        canvas.Line(foot, {foot.x, area.y + area.h * 0.5f}, 2.0f, Rgb(110, 76, 40));
        PaintBlob(canvas, {foot.x, area.y + area.h * 0.5f}, area.w * 0.3f, area.h * 0.14f, Rgb(110, 185, 70), job.seed,
                  0.3f, true);
        PaintBlob(canvas, {foot.x, foot.y - area.h * 0.08f}, area.w * 0.3f, area.h * 0.09f, Rgb(170, 130, 80), job.seed,
                  0.2f, true);
        return;
    }
    if (tree) {
        canvas.Line(foot, {foot.x, area.y + area.h * 0.3f}, std::max(2.0f, area.w / 12), Rgb(110, 76, 40));
        PaintBlob(canvas, {foot.x, area.y + area.h * 0.28f}, area.w * 0.42f, area.h * 0.22f, Rgb(90, 170, 60), job.seed,
                  0.3f, true);
        return;
    }
    canvas.Ellipse(foot, area.w * 0.4f, 2.5f, Rgb(110, 76, 44));
    for (int side : {-1, 1}) {
        canvas.Line(foot, {foot.x + side * area.w * 0.35f * grow, foot.y - area.h * 0.7f * grow}, 2.0f, Rgb(70, 160, 56));
    }
    canvas.Line(foot, {foot.x, foot.y - area.h * 0.8f * grow}, 2.0f, Rgb(84, 176, 60));
    if (phase >= 4) {
        // The kind's colour; a wilted one browns and sags.
        const paint_colour kinds[6] = {Rgb(236, 120, 30), Rgb(220, 60, 40), Rgb(150, 70, 160),
                                       Rgb(240, 200, 60), Rgb(120, 190, 70), Rgb(235, 230, 210)};
        const paint_colour ripe = kinds[std::clamp(LastNumber(job.name, 0), 0, 5)];
        const bool wilted = phase == 5;
        PaintVegetable(canvas, {foot.x, foot.y - area.h * (wilted ? 0.12f : 0.18f)}, area.w * 0.32f,
                       wilted ? Mix(ripe, Rgb(110, 80, 40), 0.6f) : ripe);
    }
}

void PaintMat(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // Each store's ground shows what is laid on it, even while it is empty:
    // sleeper logs on a bed of chips for wood, a ring of stones round a
    // gravel floor for rock, a woven palm mat under a broad leaf for food.
    const paint_point c{area.x + area.w / 2, area.y + area.h / 2};
    const float rx = area.w / 2 - 1, ry = area.h / 2 - 1;
    auto inside = [&](float px, float py) {
        const float u = (px - c.x) / rx, v = (py - c.y) / ry;
        return u * u + v * v <= 1.0f;
    };
    if (job.name.find("wood") != std::string::npos) {
        canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, inside, [&](float px, float py) {
            const float chip = PixelNoise(static_cast<int>(px) / 2, static_cast<int>(py), job.seed);
            return chip > 0.86f ? Rgb(226, 190, 130) : chip > 0.7f ? Rgb(150, 104, 62) : Rgb(112, 80, 50);
        });
        for (float side : {-1.0f, 1.0f}) {
            const paint_point back{c.x + side * rx * 0.45f, c.y - ry * 0.55f};
            const paint_point front{c.x + side * rx * 0.58f, c.y + ry * 0.6f};
            PaintLog(canvas, back, front, std::max(6.0f, area.h * 0.14f), Rgb(108, 72, 40));
        }
        return;
    }
    if (job.name.find("rock") != std::string::npos) {
        canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, inside, [&](float px, float py) {
            const float grit = PixelNoise(static_cast<int>(px), static_cast<int>(py), job.seed);
            return Shade(Rgb(168, 160, 146), 0.82f + 0.3f * grit);
        });
        CPackRandom random(job.seed);
        for (int i = 0; i < 18; i++) {
            const float angle = i * 2 * kPi / 18 + static_cast<float>(random.Unit() * 0.15);
            const float r = area.h * static_cast<float>(0.09 + 0.04 * random.Unit());
            PaintStone(canvas, {c.x + std::cos(angle) * (rx - r * 0.9f), c.y + std::sin(angle) * (ry - r * 0.7f)}, r * 1.2f,
                       r, Mix(kStoneGrey, Rgb(120, 116, 110), static_cast<float>(random.Unit() * 0.6)), job.seed + i);
        }
        return;
    }
    // A woven mat: strips over and under, a fringe at its ends.
    const paint_colour straw = Rgb(214, 182, 110);
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, inside, [&](float px, float py) {
        const float u = px - c.x, v = py - c.y;
        const float a = u * 0.7f + v, b = u * 0.7f - v;
        const int ia = static_cast<int>(std::floor(a / 7)), ib = static_cast<int>(std::floor(b / 7));
        const bool over = (ia + ib) % 2 == 0;
        const float along = std::fmod(std::fabs(over ? a : b), 7.0f) / 7;
        const float light = (over ? 1.08f : 0.86f) * (1.0f - 0.25f * std::fabs(along - 0.5f));
        return Shade(straw, light);
    });
    canvas.Ring(c, rx, ry, 2.5f, Rgb(150, 116, 60));
    // A broad leaf laid on it for the food to lie on.
    std::vector<paint_point> leaf;
    for (int i = 0; i <= 16; i++) {
        const float t = i / 16.0f;
        leaf.push_back({c.x - rx * 0.62f + rx * 1.24f * t, c.y - ry * 0.05f - ry * 0.42f * std::sin(kPi * t)});
    }
    for (int i = 16; i >= 0; i--) {
        const float t = i / 16.0f;
        leaf.push_back({c.x - rx * 0.62f + rx * 1.24f * t, c.y - ry * 0.05f + ry * 0.42f * std::sin(kPi * t)});
    }
    canvas.OutlinedPolygon(leaf, Rgb(70, 150, 60), Rgb(40, 96, 40), 1.2f);
    canvas.Line({c.x - rx * 0.7f, c.y - ry * 0.05f}, {c.x + rx * 0.6f, c.y - ry * 0.05f}, 1.5f, Rgb(150, 200, 110));
    for (int i = 1; i < 8; i++) {
        const float x = c.x - rx * 0.6f + rx * 1.2f * i / 8;
        const float h = ry * 0.36f * std::sin(kPi * i / 8);
        canvas.Line({x, c.y - ry * 0.05f}, {x + 4, c.y - ry * 0.05f - h}, 1, Rgb(100, 176, 80));
        canvas.Line({x, c.y - ry * 0.05f}, {x + 4, c.y - ry * 0.05f + h}, 1, Rgb(100, 176, 80));
    }
}

void PaintPile(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    CPackRandom random(job.seed);
    const float bottom = area.y + area.h;
    if (job.name.find("wood") != std::string::npos) {
        const float t = std::min(area.h / 2.4f, 7.0f);
        PaintLog(canvas, {area.x + t, bottom - t / 2 - 1}, {area.x + area.w * 0.62f, bottom - t / 2 - 1}, t, kBark);
        PaintLog(canvas, {area.x + area.w * 0.35f, bottom - t / 2 - 1}, {area.x + area.w - t * 0.6f, bottom - t / 2 - 1}, t,
                 Shade(kBark, 1.1f));
        PaintLog(canvas, {area.x + area.w * 0.2f, bottom - t * 1.4f - 1}, {area.x + area.w * 0.78f, bottom - t * 1.4f - 1},
                 t, Shade(kBark, 0.95f));
    } else if (job.name.find("rock") != std::string::npos) {
        // The heap's frames share one canvas, as the frames of one sprite
        // must; the heap grows inside it from the first frame to the last.
        const size_t dot = job.name.rfind('.');
        const int step = dot != std::string::npos && dot > 0 && isdigit(static_cast<unsigned char>(job.name[dot - 1]))
                             ? job.name[dot - 1] - '0'
                             : 2;
        const float scale = 0.7f + 0.15f * static_cast<float>(std::min(step, 2));
        area.x += area.w * (1 - scale) / 2;
        area.w *= scale;
        area.h *= scale;
        const float r = area.h * 0.34f;
        PaintStone(canvas, {area.x + r * 1.1f, bottom - r * 0.8f - 1}, r, r * 0.8f, kStoneGrey, job.seed);
        PaintStone(canvas, {area.x + area.w - r * 1.1f, bottom - r * 0.8f - 1}, r, r * 0.8f, Shade(kStoneGrey, 0.9f),
                   job.seed + 1);
        PaintStone(canvas, {area.x + area.w / 2, bottom - r * 1.5f}, r * 1.1f, r * 0.9f, Shade(kStoneGrey, 1.08f),
                   job.seed + 2);
    } else if (job.name.find("fish") != std::string::npos) {
        // Two fish head to tail, the nearer one lower.
        const float length = std::min(area.w * 0.7f, area.h * 2.0f);
        PaintFish(canvas, {area.x + area.w - length / 2 - 1, area.y + area.h * 0.36f}, length, kPi,
                  Rgb(110, 140, 160), Rgb(225, 230, 235), true);
        PaintFish(canvas, {area.x + length / 2 + 1, bottom - area.h * 0.36f}, length, 0.0f, Rgb(90, 130, 170),
                  Rgb(220, 230, 235), true);
    } else {
        const paint_colour kinds[3] = {Rgb(236, 120, 30), Rgb(200, 40, 50), Rgb(140, 90, 160)};
        const float r = area.w * 0.2f;
        PaintVegetable(canvas, {area.x + r + 1, bottom - r - 1}, r, kinds[random.Range(0, 2)]);
        PaintVegetable(canvas, {area.x + area.w - r - 1, bottom - r - 1}, r, kinds[random.Range(0, 2)]);
        PaintVegetable(canvas, {area.x + area.w / 2, bottom - r * 1.6f}, r, kinds[random.Range(0, 2)]);
    }
}

void PaintTombstone(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const float bottom = area.y + area.h;
    canvas.Ellipse({area.x + area.w / 2, bottom - 5}, area.w / 2 - 1, 4.5f, Rgb(110, 80, 50));
    const float w = area.w * 0.6f, left = area.x + (area.w - w) / 2;
    const float top = area.y + 2;
    const paint_colour stone = Mix(kStoneGrey, Rgb(180, 180, 190), 0.1f * (LastNumber(job.name, 0) % 3));
    canvas.RoundedBox(left - 1, top - 1, w + 2, bottom - 6 - top + 2, w / 2 + 1, Rgb(60, 60, 64));
    canvas.RoundedBox(left, top, w, bottom - 6 - top, w / 2, stone);
    canvas.RoundedBox(left + w * 0.55f, top + 2, w * 0.35f, bottom - 10 - top, w * 0.2f, Shade(stone, 0.85f));
    const float cx = area.x + area.w / 2;
    canvas.Line({cx, top + area.h * 0.2f}, {cx, top + area.h * 0.55f}, 2.0f, Rgb(70, 70, 76));
    canvas.Line({cx - w * 0.25f, top + area.h * 0.3f}, {cx + w * 0.25f, top + area.h * 0.3f}, 2.0f, Rgb(70, 70, 76));
}

namespace {

// The crate screen sets its picture of the crate (an opaque JPEG) at
// 368, 200, across its upper panel's lower edge and the top of its lower
// panel. The picture carries exactly what lies behind it there, drawn by the
// panels' own painters, so the crate stands on the panel with no box round it.
void CrateScreenBehind(CPictureCanvas& canvas, paint_box area)
{
    struct piece {
        const char* name;
        float x, y, w, h;
        bool opaque;
    };
    constexpr piece kPieces[] = {{"crateGUI_main_A.png", 175, 83, 450, 200, false},
                                 {"crateGUI_main_C1.jpg", 239, 282, 320, 200, true}};
    constexpr float kPictureX = 368, kPictureY = 200, kPictureW = 64, kPictureH = 84;
    const float sx = area.w / kPictureW, sy = area.h / kPictureH;
    for (const piece& p : kPieces) {
        const picture_rule_data rule = FindPictureRule(p.name);
        const picture_painter painter = PainterFor(rule.subject);
        if (!painter) {
            continue;
        }
        const picture_job job{p.name, ".", static_cast<int>(p.w), static_cast<int>(p.h), p.opaque,
                              CPackRandom::HashName(p.name), rule.readable};
        painter(canvas, job, {area.x + (p.x - kPictureX) * sx, area.y + (p.y - kPictureY) * sy, p.w * sx, p.h * sy});
    }
}

// The crate screen's tier: the number in "crateGUI_crate2"; -1 for any other.
int ScreenTier(const std::string& name)
{
    return name.rfind("crateGUI_", 0) == 0 ? std::clamp(LastNumber(name, 0), 0, 2) : -1;
}

}  // namespace

void PaintCrate(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int tier = ScreenTier(job.name);
    if (tier >= 0) {
        CrateScreenBehind(canvas, area);
        canvas.Ellipse({area.x + area.w * 0.5f, area.y + area.h * 0.88f}, area.w * 0.42f, area.h * 0.06f,
                       Rgb(40, 30, 20, 90));
        area = {area.x + 2, area.y + area.h * 0.16f, area.w - 4, area.h * 0.74f};
    }
    const paint_colour wood = Rgb(186, 138, 78), edge = Rgb(92, 60, 30);
    const float x0 = area.x + 2, y0 = area.y + area.h * 0.22f, x1 = area.x + area.w * 0.72f, y1 = area.y + area.h - 2;
    const float depth = area.w * 0.24f;
    canvas.OutlinedPolygon({{x0, y0}, {x0 + depth, y0 - area.h * 0.2f}, {x1 + depth, y0 - area.h * 0.2f}, {x1, y0}}, Shade(wood, 1.15f), edge);
    canvas.OutlinedPolygon({{x1, y0}, {x1 + depth, y0 - area.h * 0.2f}, {x1 + depth, y1 - area.h * 0.2f}, {x1, y1}}, Shade(wood, 0.8f), edge);
    canvas.OutlinedPolygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, wood, edge);
    for (int i = 1; i < 3; i++) {
        const float y = y0 + (y1 - y0) * i / 3;
        canvas.Line({x0, y}, {x1, y}, 1.0f, edge);
    }
    canvas.Line({x0 + 2, y1 - 2}, {x1 - 2, y0 + 2}, 2.5f, Shade(wood, 0.75f));
    if (tier >= 1) {
        // Better finds come bound: a rope round it, then iron bands too.
        const paint_colour band = tier == 2 ? Rgb(96, 98, 108) : Rgb(200, 170, 110);
        for (float t : {0.3f, 0.72f}) {
            const float x = x0 + (x1 - x0) * t;
            canvas.Line({x, y0}, {x, y1}, tier == 2 ? 3.5f : 2.5f, band);
            canvas.Line({x, y0}, {x + depth, y0 - area.h * 0.2f}, tier == 2 ? 3.5f : 2.5f, band);
        }
        if (tier == 2) {
            for (float t : {0.3f, 0.72f}) {
                for (float f : {0.2f, 0.5f, 0.8f}) {
                    canvas.Ellipse({x0 + (x1 - x0) * t, y0 + (y1 - y0) * f}, 1.3f, 1.3f, Rgb(200, 200, 210));
                }
            }
        }
    }
}

void PaintBarrel(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int tier = ScreenTier(job.name);
    if (tier >= 0) {
        CrateScreenBehind(canvas, area);
        canvas.Ellipse({area.x + area.w * 0.5f, area.y + area.h * 0.88f}, area.w * 0.4f, area.h * 0.05f,
                       Rgb(40, 30, 20, 90));
        area = {area.x + 6, area.y + area.h * 0.2f, area.w - 12, area.h * 0.7f};
    }
    const paint_colour wood = Rgb(160, 106, 56), edge = Rgb(80, 50, 24);
    const paint_colour hoop = tier == 2 ? Rgb(200, 160, 60) : Rgb(90, 90, 96);
    const float cx = area.x + area.w / 2, top = area.y + 5, bottom = area.y + area.h - 5, r = area.w / 2 - 2;
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h,
                [&](float px, float py) {
                    if (py < top || py > bottom) {
                        return false;
                    }
                    const float t = (py - top) / (bottom - top) * 2 - 1;
                    return std::fabs(px - cx) <= r * (1.0f - 0.18f * t * t);
                },
                [&](float px, float) {
                    const float across = (px - cx) / r;
                    return Shade(wood, 1.1f - 0.4f * across * across - 0.15f * across);
                });
    canvas.Ellipse({cx, bottom}, r * 0.82f, 4, edge);
    canvas.Ellipse({cx, top}, r * 0.82f + 1, 5, edge);
    canvas.Ellipse({cx, top}, r * 0.82f, 4, Shade(wood, 1.2f));
    const std::vector<float> hoops = tier >= 1 ? std::vector<float>{0.15f, 0.38f, 0.62f, 0.85f} : std::vector<float>{0.2f, 0.8f};
    for (float t : hoops) {
        const float y = top + (bottom - top) * t;
        const float half = r * (1.0f - 0.18f * (t * 2 - 1) * (t * 2 - 1));
        canvas.Line({cx - half, y}, {cx + half, y}, 2.5f, hoop);
    }
}

void PaintRelic(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const paint_colour gold = Rgb(230, 184, 50), edge = Rgb(120, 80, 10);
    const int kind = job.name.empty() ? 0 : (job.name[std::min<size_t>(6, job.name.size() - 1)] - 'A') % 4;
    const paint_point c{area.x + area.w / 2, area.y + area.h / 2};
    switch (kind) {
    case 0:  // a cup
        canvas.OutlinedPolygon({{c.x - 10, area.y + 3}, {c.x + 10, area.y + 3}, {c.x + 6, c.y + 2}, {c.x + 2, c.y + 4},
                                {c.x + 2, area.y + area.h - 7}, {c.x + 8, area.y + area.h - 3}, {c.x - 8, area.y + area.h - 3},
                                {c.x - 2, area.y + area.h - 7}, {c.x - 2, c.y + 4}, {c.x - 6, c.y + 2}},
                               gold, edge);
        break;
    case 1:  // a coin
        canvas.Ellipse(c, area.h / 2 - 1, area.h / 2 - 1, edge);
        canvas.Ellipse(c, area.h / 2 - 2, area.h / 2 - 2, gold);
        canvas.Ring(c, area.h / 2 - 5, area.h / 2 - 5, 1.5f, Shade(gold, 0.8f));
        break;
    case 2:  // a mask
        canvas.OutlinedPolygon({{c.x - 12, area.y + 3}, {c.x + 12, area.y + 3}, {c.x + 10, c.y + 6}, {c.x, area.y + area.h - 2},
                                {c.x - 10, c.y + 6}},
                               gold, edge);
        canvas.Ellipse({c.x - 5, c.y - 3}, 3, 2, edge);
        canvas.Ellipse({c.x + 5, c.y - 3}, 3, 2, edge);
        break;
    default:  // a little figure
        canvas.Ellipse({c.x, area.y + 7}, 5, 5, edge);
        canvas.Ellipse({c.x, area.y + 7}, 4, 4, gold);
        canvas.OutlinedPolygon({{c.x - 4, area.y + 11}, {c.x + 4, area.y + 11}, {c.x + 8, area.y + area.h - 2},
                                {c.x - 8, area.y + area.h - 2}},
                               gold, edge);
        break;
    }
    canvas.Ellipse({c.x - 3, area.y + 6}, 1.5f, 1.5f, Rgb(255, 250, 210));
}

void PaintDustHeap(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const bool moon = job.name.find("moon") != std::string::npos;
    const paint_colour dust = moon ? Rgb(196, 204, 220) : Rgb(236, 192, 60);
    const float bottom = area.y + area.h - 1;
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h,
                [&](float px, float py) {
                    const float u = (px - (area.x + area.w / 2)) / (area.w / 2 - 1);
                    const float height = (area.h - 3) * std::max(0.0f, 1.0f - u * u) * (0.8f + 0.2f * std::cos(u * 6));
                    return py >= bottom - height && py <= bottom;
                },
                [&](float px, float py) {
                    const float light = 0.8f + 0.4f * PixelNoise(static_cast<int>(px), static_cast<int>(py), job.seed);
                    return Shade(dust, light * (1.1f - 0.2f * (px - area.x) / area.w));
                });
    CPackRandom random(job.seed);
    for (int i = 0; i < 5; i++) {
        const paint_point at{area.x + area.w * static_cast<float>(0.25 + 0.5 * random.Unit()),
                             bottom - area.h * static_cast<float>(0.15 + 0.4 * random.Unit())};
        canvas.Line({at.x - 2, at.y}, {at.x + 2, at.y}, 1.0f, Rgb(255, 255, 240));
        canvas.Line({at.x, at.y - 2}, {at.x, at.y + 2}, 1.0f, Rgb(255, 255, 240));
    }
}
