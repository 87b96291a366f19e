// Heads, faces and hair, drawn on a head seen as an ellipsoid turned to one
// of sixteen directions (head frame k faces k x 22.5 degrees round from
// straight away from the viewer), so eyes, mouths and hairlines move round
// the head together; then the small pictures: carried goods, shadows, rings,
// the splash and the landing dust.
#include "PackFigureParts.h"

#include "PackFigureTables.h"

#include <algorithm>
#include <cmath>

namespace figure_parts {

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kDegrees = kPi / 180.0f;

struct head_data {
    float cx, cy, rx, ry;
    float facing;  // radians, 0 away from the viewer, pi towards
};

head_data HeadShape(const figure_data& f)
{
    const float facing = static_cast<float>(f.frame) * 22.5f * kDegrees;
    if (f.stage == kFigureBaby) {
        return {kBabyHeadSize.x / 2.0f, kBabyHeadSize.y / 2.0f, 7.0f, 6.8f, facing};
    }
    return {kAdultHeadSize.x / 2.0f, kAdultHeadSize.y / 2.0f, 7.8f, 9.2f, facing};
}

// Where a point of the head's surface shows: local angle round from the
// nose, elevation above the middle. visible says how much it faces the
// viewer (above 0 visible).
struct surface_point {
    figure_point at;
    float visible;
};

surface_point OnHead(const head_data& head, float around, float elevation, float grow = 0.0f)
{
    const float yaw = head.facing + around;
    return {{head.cx + (head.rx + grow) * std::cos(elevation) * std::sin(yaw),
             head.cy - (head.ry + grow) * std::sin(elevation)},
            -std::cos(elevation) * std::cos(yaw)};
}

const figure_colour kEyeDark{34, 26, 28, 255};
// How far round an eye must face the viewer to be drawn: the eyes show on
// head frames 4..12, the frames that have eyelids to blink with.
constexpr float kEyesShow = 0.2f;
const figure_colour kMouthDark{112, 44, 46, 255};

}  // namespace

figure_colour Skin(int tone)
{
    static const figure_colour kSkins[4] = {
        {248, 210, 176, 255}, {226, 172, 124, 255}, {176, 118, 76, 255}, {116, 74, 48, 255}};
    return kSkins[std::clamp(tone, 0, 3)];
}

figure_colour Shade(figure_colour colour, float factor)
{
    auto channel = [factor](uint8_t value) {
        return static_cast<uint8_t>(std::clamp(static_cast<int>(std::lround(value * factor)), 0, 255));
    };
    return {channel(colour.r), channel(colour.g), channel(colour.b), colour.a};
}

void DrawHead(const figure_data& f, CFigureCanvas& canvas)
{
    const head_data head = HeadShape(f);
    const figure_colour skin = Skin(f.skin), edge = Shade(skin, 0.5f);
    const bool baby = f.stage == kFigureBaby;
    // Ears behind the head first, the head, then ears in front.
    for (int pass = 0; pass < 2; pass++) {
        for (float side : {-1.0f, 1.0f}) {
            const surface_point ear = OnHead(head, side * 90.0f * kDegrees, -0.05f, baby ? -1.2f : -0.8f);
            if ((ear.visible <= 0) != (pass == 0)) {
                continue;
            }
            canvas.OutlinedEllipse(ear.at, baby ? 1.0f : 1.3f, baby ? 1.6f : 2.2f, Shade(skin, 0.92f), edge);
        }
        if (pass == 0) {
            canvas.OutlinedEllipse({head.cx, head.cy}, head.rx, head.ry, skin, edge);
        }
    }
    // The nose, sticking out in profile.
    const surface_point nose = OnHead(head, 0.0f, -0.15f, 0.2f);
    if (nose.visible > -0.5f) {
        canvas.OutlinedEllipse(nose.at, 1.0f, 1.2f, Shade(skin, 0.9f), nose.visible > 0.7f ? skin : edge);
        if (nose.visible > 0.7f) {
            canvas.Put(static_cast<int>(nose.at.x), static_cast<int>(nose.at.y + 1.0f), Shade(skin, 0.75f));
        }
    }
    // Eyes: dark ovals with a glint, narrower as they turn away.
    for (float side : {-1.0f, 1.0f}) {
        const surface_point eye = OnHead(head, side * 32.0f * kDegrees, baby ? 0.0f : 0.08f);
        if (eye.visible < kEyesShow) {
            continue;
        }
        const float wide = (baby ? 0.9f : 0.7f) + 0.5f * eye.visible;
        canvas.Ellipse(eye.at, wide, baby ? 1.5f : 1.7f, kEyeDark);
        canvas.Put(static_cast<int>(std::floor(eye.at.x + 0.3f)), static_cast<int>(std::floor(eye.at.y - 0.6f)),
                   {255, 255, 255, 255});
    }
    if (baby) {
        // Babies show no mouth sprite: a small smile and rosy cheeks of their
        // own, and a curl on top.
        const surface_point mouth = OnHead(head, 0.0f, -0.55f);
        if (mouth.visible > 0.2f) {
            const float w = 1.6f * mouth.visible;
            canvas.Capsule(mouth.at + figure_point{-w, -0.4f}, mouth.at + figure_point{0.0f, 0.4f}, 0.5f, kMouthDark);
            canvas.Capsule(mouth.at + figure_point{0.0f, 0.4f}, mouth.at + figure_point{w, -0.4f}, 0.5f, kMouthDark);
        }
        for (float side : {-1.0f, 1.0f}) {
            const surface_point cheek = OnHead(head, side * 55.0f * kDegrees, -0.35f);
            if (cheek.visible > 0.2f) {
                canvas.Ellipse(cheek.at, 1.2f, 0.8f, {236, 140, 130, 255});
            }
        }
        const surface_point curl = OnHead(head, kPi, 1.2f, 0.5f);
        canvas.Capsule(curl.at + figure_point{-1.0f, 0.5f}, curl.at + figure_point{1.0f, -1.5f}, 0.8f,
                       {120, 80, 50, 255});
    }
}

void DrawEyelid(const figure_data& f, CFigureCanvas& canvas)
{
    if (f.lid < 0) {
        return;  // the blank lid: nothing over the eyes
    }
    const head_data head = HeadShape(f);
    const bool baby = f.stage == kFigureBaby;
    const figure_colour skin = Skin(f.skin);
    for (float side : {-1.0f, 1.0f}) {
        const surface_point eye = OnHead(head, side * 32.0f * kDegrees, baby ? 0.0f : 0.08f);
        if (eye.visible < kEyesShow) {
            continue;
        }
        const float wide = (baby ? 0.9f : 0.7f) + 0.5f * eye.visible + 0.6f;
        const float tall = (baby ? 1.5f : 1.7f) + 0.6f;
        if (f.lid == 1) {
            canvas.Ellipse(eye.at, wide, tall, skin);
            canvas.Capsule(eye.at + figure_point{-wide + 0.4f, 0.3f}, eye.at + figure_point{wide - 0.4f, 0.3f}, 0.5f,
                           kEyeDark);
        } else {
            for (int y = static_cast<int>(std::floor(eye.at.y - tall)); y < static_cast<int>(eye.at.y); y++) {
                for (int x = static_cast<int>(std::floor(eye.at.x - wide)); x <= static_cast<int>(eye.at.x + wide);
                     x++) {
                    const float u = (x + 0.5f - eye.at.x) / wide, v = (y + 0.5f - eye.at.y) / tall;
                    if (u * u + v * v <= 1.0f) {
                        canvas.Put(x, y, skin);
                    }
                }
            }
            canvas.Capsule(eye.at + figure_point{-wide + 0.4f, -0.2f}, eye.at + figure_point{wide - 0.4f, -0.2f}, 0.45f,
                           Shade(skin, 0.45f));
        }
    }
}

void DrawMouth(const figure_data& f, CFigureCanvas& canvas)
{
    if (f.emotion < 0) {
        return;
    }
    const head_data head = HeadShape(f);
    const surface_point mouth = OnHead(head, 0.0f, -0.6f);
    if (mouth.visible < 0.05f) {
        return;
    }
    const figure_colour ink = f.male ? kMouthDark : figure_colour{176, 58, 72, 255};
    const figure_point m = mouth.at + figure_point{0.0f, 0.5f};
    const float w = 3.0f * (0.35f + 0.65f * mouth.visible);
    auto stroke = [&](std::initializer_list<figure_point> points) {
        const figure_point* previous = nullptr;
        for (const figure_point& p : points) {
            if (previous) {
                canvas.Capsule(m + *previous, m + p, 0.55f, ink);
            }
            previous = &p;
        }
    };
    switch (f.emotion) {
    case 0:  // neutral
        stroke({{-w, 0.0f}, {w, 0.0f}});
        break;
    case 1:  // smile
        stroke({{-w, -1.2f}, {-w * 0.4f, 0.6f}, {w * 0.4f, 0.6f}, {w, -1.2f}});
        break;
    case 2:  // angry: teeth set
        canvas.Ellipse(m, w + 0.6f, 1.9f, ink);
        canvas.Capsule(m + figure_point{-w + 0.5f, 0.0f}, m + figure_point{w - 0.5f, 0.0f}, 0.6f,
                       {250, 250, 240, 255});
        break;
    case 3:  // frown
        stroke({{-w, 1.0f}, {-w * 0.4f, -0.6f}, {w * 0.4f, -0.6f}, {w, 1.0f}});
        break;
    case 4:  // surprised
        canvas.Ellipse(m + figure_point{0.0f, 0.5f}, 1.3f + 0.3f * mouth.visible, 1.9f, ink);
        break;
    default:  // worried
        stroke({{-w, 0.8f}, {-w / 3, -0.5f}, {w / 3, 0.6f}, {w, -0.5f}});
        break;
    }
}

// --- Hair ---

namespace {

// By hair colour number: blond, light brown, dark brown, black, auburn,
// ginger, platinum blond, brown and grey, as the detail screen names them
// (texts 11090 + colour). The three browns stand well apart in lightness, so
// that no two colours of a band read alike.
figure_colour HairColour(int colour)
{
    static const figure_colour kHair[9] = {
        {226, 190, 104, 255}, {172, 122, 70, 255},  {76, 48, 30, 255},  {44, 36, 36, 255},  {150, 72, 40, 255},
        {200, 96, 46, 255},   {238, 226, 188, 255}, {124, 82, 48, 255}, {176, 176, 180, 255}};
    return kHair[std::clamp(colour, 0, 8)];
}

// One hair style: where the hairline runs (degrees above the head's middle,
// at the front, the sides and the back), how thick the hair stands, and what
// hangs below or sticks out.
struct hair_style_data {
    float front, sides, back;
    float thickness;
    float curls;     // bumpiness of the outline
    float hang;      // hair hanging below the head's middle, in px (0 none)
    float top;       // crown that stays bare above this elevation (90 none)
    int extra;       // 0 none, 1 ponytail, 2 bun, 3 quiff, 4 pigtails, 5 side parting
};

// [male][style]
constexpr hair_style_data kStyles[2][8] = {
    {{22, 0, -40, 1.6f, 0, 20, 90, 0},    {24, 2, -30, 1.8f, 0, 10, 90, 0},  {28, 5, -30, 1.4f, 0, 0, 90, 2},
     {26, 5, -35, 1.5f, 0, 0, 90, 1},     {20, -5, -40, 2.6f, 1, 24, 90, 0}, {38, 15, -25, 1.1f, 0, 0, 90, 0},
     {26, 5, -30, 1.5f, 0, 0, 90, 4},     {22, 5, -40, 3.6f, 0.8f, 0, 90, 0}},
    {{18, 2, -38, 1.8f, 0, 0, 90, 0},     {48, 5, -35, 1.1f, 0, 0, 90, 0},   {60, 0, -35, 1.0f, 0, 0, 38, 0},
     {26, 12, -30, 2.0f, 0.7f, 0, 90, 0}, {32, 8, -30, 1.4f, 0, 0, 90, 3},   {24, 0, -40, 1.4f, 0, 8, 90, 0},
     {16, 5, -35, 1.5f, 0, 0, 90, 5},     {26, 8, -35, 1.3f, 0, 0, 90, 1}},
};

}  // namespace

void DrawHair(const figure_data& f, CFigureCanvas& canvas)
{
    head_data head = HeadShape(f);
    const figure_offset shift = kHairOffsets[f.male];
    head.cx -= shift.x;
    head.cy -= shift.y;
    const hair_style_data& style = kStyles[f.male][f.style];
    const figure_colour colour = HairColour(f.colour);
    const int width = canvas.Width(), height = canvas.Height();
    std::vector<uint8_t> hair(static_cast<size_t>(width) * height, 0);
    const float facingAway = std::cos(head.facing);  // 1 back to the viewer, -1 face on

    // Where (px, py) falls on the head grown by the hair's thickness, its
    // outline bumpy for curls: (u, v) across the ellipse, inside when
    // u^2 + v^2 <= 1.
    auto onGrownHead = [&](float px, float py) {
        const float dx = px - head.cx, dy = py - head.cy;
        const float bump = style.curls * std::sin(std::atan2(dy, dx) * 11.0f + head.facing);
        return figure_point{dx / (head.rx + style.thickness + bump), dy / (head.ry + style.thickness + bump)};
    };
    auto inHeadShape = [&](float px, float py) {
        const float u = (px - head.cx) / (head.rx + 0.5f), v = (py - head.cy) / (head.ry + 0.5f);
        return u * u + v * v <= 1.0f;
    };
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            const float px = x + 0.5f, py = y + 0.5f;
            bool covered = false;
            const figure_point uv = onGrownHead(px, py);
            const float u = uv.x, v = uv.y, r2 = u * u + v * v;
            if (r2 <= 1.0f) {
                const float depth = std::sqrt(std::max(0.0f, 1.0f - r2));
                const float elevation = std::asin(std::clamp(-v, -1.0f, 1.0f)) / kDegrees;
                float around = std::atan2(u, -depth) - head.facing;
                around = std::remainder(around, 2.0f * kPi);
                const float c = std::cos(around);
                float line = c > 0 ? style.sides + (style.front - style.sides) * c
                                   : style.sides + (style.back - style.sides) * -c;
                if (style.extra == 5 && std::sin(around) > 0 && c > 0) {
                    line -= 14.0f * std::sin(around) * c;  // a fringe swept to one side
                }
                covered = elevation > line && elevation < style.top;
            }
            // Hair hanging down behind the head, seen beside the face and
            // neck from the front, whole from behind.
            if (!covered && style.hang > 0 && py > head.cy - 2.0f && py < head.cy + style.hang) {
                const float spread = head.rx + style.thickness + 0.5f + (py - head.cy) * 0.08f;
                const float dx = std::fabs(px - head.cx + std::sin(head.facing) * 1.5f);
                if (dx < spread) {
                    const bool besideFace = !inHeadShape(px, py) && (facingAway > 0.3f || dx > 4.0f);
                    covered = facingAway > 0.3f ? true : besideFace;
                }
            }
            hair[static_cast<size_t>(y) * width + x] = covered ? 1 : 0;
        }
    }
    // Ponytails, buns, quiffs and pigtails.
    auto extraDisc = [&](figure_point centre, float rx, float ry, bool behind) {
        for (int y = 0; y < height; y++) {
            for (int x = 0; x < width; x++) {
                const float u = (x + 0.5f - centre.x) / rx, v = (y + 0.5f - centre.y) / ry;
                if (u * u + v * v <= 1.0f && !(behind && inHeadShape(x + 0.5f, y + 0.5f))) {
                    hair[static_cast<size_t>(y) * width + x] = 1;
                }
            }
        }
    };
    auto at = [&](float around, float elevation, float grow) {
        const float yaw = head.facing + around;
        return std::make_pair(figure_point{head.cx + (head.rx + grow) * std::cos(elevation) * std::sin(yaw),
                                           head.cy - (head.ry + grow) * std::sin(elevation)},
                              -std::cos(elevation) * std::cos(yaw));
    };
    switch (style.extra) {
    case 1: {  // ponytail
        const auto [root, visible] = at(kPi, 0.25f, 1.0f);
        const float length = f.male ? 8.0f : 12.0f;
        for (int i = 0; i <= 6; i++) {
            const float t = static_cast<float>(i) / 6;
            const figure_point p = root + figure_point{std::sin(head.facing) * -2.0f * t, length * t};
            extraDisc(p, 2.4f - t, 2.4f - t, visible <= 0);
        }
        break;
    }
    case 2: {  // bun
        const auto [p, visible] = at(kPi, 0.6f, 2.5f);
        extraDisc(p, 3.4f, 3.0f, visible <= 0);
        break;
    }
    case 3:  // quiff
        extraDisc(at(0.0f, 1.05f, 2.0f).first + figure_point{0.0f, -1.0f}, 3.4f, 2.6f, false);
        break;
    case 4: {  // pigtails
        for (float side : {-1.0f, 1.0f}) {
            const auto [root, visible] = at(side * 105.0f * kDegrees, -0.1f, 1.5f);
            for (int i = 0; i <= 5; i++) {
                const float t = static_cast<float>(i) / 5;
                extraDisc(root + figure_point{0.0f, 9.0f * t}, 2.0f, 2.0f, visible <= 0);
            }
        }
        break;
    }
    default:
        break;
    }
    // Colour, darker towards the nape, with a dark outline.
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            if (!hair[static_cast<size_t>(y) * width + x]) {
                continue;
            }
            auto isHair = [&](int nx, int ny) {
                return nx >= 0 && ny >= 0 && nx < width && ny < height && hair[static_cast<size_t>(ny) * width + nx];
            };
            const bool edge = !isHair(x - 1, y) || !isHair(x + 1, y) || !isHair(x, y - 1) || !isHair(x, y + 1);
            const float light = 1.12f - 0.3f * std::clamp((y + 0.5f - (head.cy - head.ry)) / (2.0f * head.ry), 0.0f, 1.0f);
            const bool strand = ((x * 7 + y * 3 + f.frame) % 11) == 0;
            canvas.Put(x, y, edge ? Shade(colour, 0.5f) : Shade(colour, strand ? light * 0.85f : light));
        }
    }
}

// --- Goods, shadows, rings, splash and dust ---

void DrawGood(const figure_data& f, CFigureCanvas& canvas)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    const bool turned = f.frame == 1;  // facing SE or NW
    auto mirror = [&](figure_point p) { return turned ? figure_point{w - p.x, p.y} : p; };
    switch (f.good) {
    case 0: {  // a log
        const figure_point a = mirror({4.6f, h - 4.6f}), b = mirror({w - 4.6f, 4.6f});
        canvas.OutlinedCapsule(a, b, 3.2f, {150, 98, 52, 255}, {70, 44, 24, 255});
        canvas.Capsule(a + (b - a) * 0.15f, a + (b - a) * 0.8f, 0.5f, {120, 76, 40, 255});
        canvas.OutlinedEllipse(b, 2.4f, 2.6f, {222, 184, 130, 255}, {70, 44, 24, 255});
        break;
    }
    case 1:  // a rock
        canvas.OutlinedPolygon({mirror({2, h * 0.6f}), mirror({w * 0.3f, 1.5f}), mirror({w * 0.75f, 2}),
                                mirror({w - 1.5f, h * 0.55f}), mirror({w * 0.7f, h - 1.5f}), mirror({w * 0.25f, h - 1.5f})},
                               {150, 146, 140, 255}, {66, 64, 62, 255});
        canvas.Capsule(mirror({w * 0.35f, h * 0.35f}), mirror({w * 0.55f, h * 0.3f}), 0.8f, {190, 186, 180, 255});
        break;
    case 2: {  // a fish
        canvas.OutlinedEllipse(mirror({w * 0.42f, h / 2}), w * 0.32f, h * 0.3f, {120, 160, 190, 255}, {40, 60, 80, 255});
        canvas.OutlinedPolygon({mirror({w * 0.7f, h / 2}), mirror({w - 1.5f, 1.5f}), mirror({w - 1.5f, h - 1.5f})},
                               {100, 140, 170, 255}, {40, 60, 80, 255});
        canvas.Disc(mirror({w * 0.2f, h * 0.42f}), 0.9f, {20, 20, 30, 255});
        break;
    }
    case 3:  // a cabbage
        canvas.OutlinedEllipse({w / 2, h / 2}, w / 2 - 1.5f, h / 2 - 1.5f, {120, 180, 80, 255}, {40, 80, 30, 255});
        canvas.Capsule({w / 2, 2.5f}, {w / 2, h - 2.5f}, 0.5f, {70, 120, 50, 255});
        canvas.Capsule({3.0f, h / 2}, {w / 2, h - 3.0f}, 0.5f, {70, 120, 50, 255});
        break;
    case 4:  // carrots
        for (int i = 0; i < 3; i++) {
            const float x = w * (0.3f + 0.2f * i);
            canvas.OutlinedPolygon({{x - 2.2f, h * 0.35f}, {x + 2.2f, h * 0.35f}, {x, h - 1.5f}}, {240, 130, 40, 255},
                                   {120, 60, 20, 255});
            canvas.Capsule({x, h * 0.35f}, {x + (i - 1) * 2.0f, 2.0f}, 0.9f, {70, 150, 50, 255});
        }
        break;
    default:  // a gourd
        canvas.OutlinedEllipse({w / 2, h * 0.58f}, w / 2 - 1.5f, h * 0.4f - 1.0f, {236, 170, 60, 255},
                               {120, 70, 20, 255});
        canvas.Capsule({w / 2, h * 0.3f}, {w / 2, h * 0.85f}, 0.5f, {190, 120, 40, 255});
        canvas.Capsule({w / 2, h * 0.22f}, {w / 2 + 1.0f, 1.5f}, 1.0f, {90, 120, 40, 255});
        break;
    }
}

void DrawShadow(const figure_data&, CFigureCanvas& canvas)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    canvas.Ellipse({w / 2, h / 2}, w / 2 - 0.5f, h / 2 - 0.5f, {20, 24, 16, 60});
    canvas.Ellipse({w / 2, h / 2}, w / 2 - 2.5f, h / 2 - 1.8f, {20, 24, 16, 100});
}

void DrawRing(const figure_data& f, CFigureCanvas& canvas)
{
    // Where the ring's middle lies in the picture, so that it circles the
    // feet from the offset the game draws it at.
    static const figure_point kMiddles[3] = {{38.0f, 49.0f}, {37.0f, 31.0f}, {35.0f, 15.0f}};
    static const figure_point kRadii[3] = {{17.0f, 6.5f}, {22.0f, 8.0f}, {28.0f, 10.0f}};
    const figure_point middle = kMiddles[f.stage], radii = kRadii[f.stage];
    const figure_colour colour = f.rollover ? figure_colour{255, 255, 255, 190} : figure_colour{255, 214, 80, 255};
    canvas.Ellipse(middle, radii.x + 1.0f, radii.y + 1.0f, {60, 40, 10, 150});
    canvas.Ellipse(middle, radii.x, radii.y, colour);
    canvas.Ellipse(middle, radii.x - 2.5f, radii.y - 2.0f, {60, 40, 10, 150});
    canvas.Ellipse(middle, radii.x - 3.5f, radii.y - 3.0f, {0, 0, 0, 0});
}

void DrawSplash(const figure_data& f, CFigureCanvas& canvas)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    const float t = static_cast<float>(f.frame) / 16.0f;
    const uint8_t alpha = static_cast<uint8_t>(230 * (1.0f - t * 0.8f));
    const figure_point middle{w / 2, h * 0.75f};
    const float ring = 4.0f + t * (w / 2 - 6.0f);
    canvas.Ellipse(middle, ring + 1.5f, (ring + 1.5f) * 0.35f, {230, 245, 255, alpha});
    canvas.Ellipse(middle, ring, ring * 0.35f, {0, 0, 0, 0});
    for (int i = 0; i < 7; i++) {
        const float angle = (static_cast<float>(i) / 6.0f - 0.5f) * 2.4f;
        const float rise = std::sin(std::min(1.0f, t * 1.4f) * kPi) * h * 0.6f;
        const figure_point drop = middle + figure_point{std::sin(angle) * (3.0f + t * w * 0.4f),
                                                        -rise * std::cos(angle) - 2.0f};
        canvas.Disc(drop, 1.6f - t, {210, 235, 255, alpha});
    }
}

void DrawDust(const figure_data& f, CFigureCanvas& canvas)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    const float t = static_cast<float>(f.frame) / 39.0f;
    const uint8_t alpha = static_cast<uint8_t>(170 * (1.0f - t));
    for (int i = 0; i < 4; i++) {
        const float angle = static_cast<float>(i * 97 + f.dust * 41) * kDegrees;
        const figure_point centre{w / 2 + std::cos(angle) * t * w * 0.2f,
                                  h * 0.6f + std::sin(angle) * t * h * 0.2f - t * h * 0.1f};
        const float radius = 1.5f + t * (w * 0.15f) + 0.5f * (i % 2);
        if (alpha > 0) {
            canvas.Ellipse(centre, radius, radius * 0.8f, {214, 196, 160, alpha});
        }
    }
}

}  // namespace figure_parts
