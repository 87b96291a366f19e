// Painters of buildings at each stage of building (a staked site, a frame,
// half walls, walls under rafters, then the finished house), the ships, the
// fireplace, the hut cards of the chooser, the mysteries and the side-panel
// icons that show them small.
#include "CPackRandom.h"
#include "PackPainters.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

const paint_colour kPlank = Rgb(196, 150, 92);
const paint_colour kPlankEdge = Rgb(96, 64, 32);
const paint_colour kThatch = Rgb(214, 176, 90);
const paint_colour kEarth = Rgb(140, 104, 66);
const paint_colour kStone = Rgb(168, 164, 156);

struct building_look {
    const char* word;     // in the picture's name
    float wallTop;        // fractions of the picture's height
    float roofTop;
    float bodyLeft, bodyRight;  // fractions of the width
    paint_colour wall;
    paint_colour roof;
};

constexpr int kLooks = 10;
const building_look kBuildingLooks[kLooks] = {
    {"hut", 0.56f, 0.14f, 0.14f, 0.86f, Rgb(196, 150, 92), Rgb(214, 176, 90)},
    {"storehouse_food", 0.5f, 0.16f, 0.1f, 0.9f, Rgb(186, 140, 86), Rgb(150, 110, 60)},
    {"storehouse_rock", 0.5f, 0.16f, 0.1f, 0.9f, Rgb(170, 166, 156), Rgb(150, 110, 60)},
    {"storehouse_wood", 0.5f, 0.16f, 0.1f, 0.9f, Rgb(176, 124, 70), Rgb(150, 110, 60)},
    {"observatory", 0.36f, 0.06f, 0.22f, 0.78f, Rgb(210, 200, 180), Rgb(90, 110, 160)},
    {"craftworks", 0.5f, 0.2f, 0.08f, 0.92f, Rgb(190, 130, 90), Rgb(160, 70, 50)},
    {"science", 0.48f, 0.14f, 0.1f, 0.9f, Rgb(220, 214, 200), Rgb(80, 150, 170)},
    {"shipyard", 0.62f, 0.3f, 0.05f, 0.95f, Rgb(180, 130, 80), Rgb(150, 110, 60)},
    {"wonderA", 0.1f, 0.04f, 0.3f, 0.7f, Rgb(236, 214, 150), Rgb(250, 200, 40)},
    {"wonderB", 0.1f, 0.04f, 0.3f, 0.7f, Rgb(200, 206, 220), Rgb(220, 228, 250)},
};

const building_look& LookFor(const std::string& name)
{
    for (const building_look& look : kBuildingLooks) {
        if (name.find(look.word) != std::string::npos) {
            return look;
        }
    }
    return kBuildingLooks[0];
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

// The stock a storehouse shows at its door.
void Goods(CPictureCanvas& canvas, const std::string& name, paint_box base, uint64_t seed)
{
    const float r = base.h * 0.5f;
    for (int i = 0; i < 3; i++) {
        const paint_point at{base.x + r + i * (base.w - 2 * r) / 2, base.y + base.h - r};
        if (name.find("wood") != std::string::npos) {
            PaintLog(canvas, {at.x - r * 1.2f, at.y}, {at.x + r * 0.8f, at.y}, r, Rgb(118, 78, 44));
        } else if (name.find("rock") != std::string::npos) {
            PaintStone(canvas, at, r, r * 0.8f, kStone, seed + i);
        } else {
            PaintVegetable(canvas, at, r * 0.7f, i == 1 ? Rgb(200, 40, 50) : Rgb(236, 120, 30));
        }
    }
}

}  // namespace

void PaintBuilding(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    building_look look = LookFor(job.name);
    if (std::string(look.word) == "hut") {
        // Grander huts: plaster under tiles, then stone under slate.
        const int style = NumberAfter(job.name, "style", 0);
        const paint_colour walls[3] = {look.wall, Rgb(236, 226, 200), Rgb(176, 172, 164)};
        const paint_colour roofs[3] = {look.roof, Rgb(184, 84, 52), Rgb(96, 104, 120)};
        look.wall = walls[std::clamp(style, 0, 2)];
        look.roof = roofs[std::clamp(style, 0, 2)];
    }
    const int stage = std::clamp(NumberAfter(job.name, "construct", 4), 0, 4);
    const float ground = area.y + area.h * 0.9f;
    const float left = area.x + area.w * look.bodyLeft, right = area.x + area.w * look.bodyRight;
    const float wallTop = area.y + area.h * look.wallTop;
    const float roofTop = area.y + area.h * look.roofTop;
    const float cx = (left + right) / 2;
    const bool farm = job.name.find("farm") != std::string::npos;
    const bool wonder = job.name.find("wonder") != std::string::npos;
    const bool moon = job.name.find("wonderB") != std::string::npos;

    // The cleared ground every stage stands on.
    if (!farm) {
        canvas.Ellipse({cx, ground}, (right - left) * 0.62f, area.h * 0.08f, WithAlpha(kEarth, 0.85f));
    }
    if (farm) {
        // A diamond of tilled earth with furrows along the plot rows; the
        // game stands its vegetables on it. Pictures that stand for the
        // whole garden (icons) show the vegetables too.
        auto at = [&](float fx, float fy) { return paint_point{area.x + area.w * fx / 210, area.y + area.h * fy / 235}; };
        canvas.OutlinedPolygon({at(9, 128), at(109, 10), at(200, 69), at(92, 195)}, Rgb(122, 84, 50), Rgb(90, 60, 34), 2);
        for (int row = 0; row < 5; row++) {
            const float f = (row + 0.5f) / 5;
            canvas.Line(at(9 + 100 * f, 128 - 118 * f + 8), at(92 + 108 * f, 195 - 126 * f + 8), std::max(1.5f, area.h * 0.012f),
                        Rgb(96, 64, 38));
        }
        if (job.name.find("construct") == std::string::npos) {
            for (int row = 0; row < 5; row++) {
                for (int i = 0; i < 5; i++) {
                    const float f = (row + 0.5f) / 5, g = (i + 0.5f) / 5;
                    const paint_point a = at(9 + 100 * f, 128 - 118 * f), b = at(92 + 108 * f, 195 - 126 * f);
                    PaintVegetable(canvas, {a.x + (b.x - a.x) * g, a.y + (b.y - a.y) * g}, area.w * 0.03f, Rgb(236, 120, 30));
                }
            }
        }
        return;
    }
    if (stage == 0) {
        // A staked-out site with string between the stakes and planks waiting.
        for (float x : {left, right}) {
            for (float y : {ground - area.h * 0.06f, ground + area.h * 0.04f}) {
                Post(canvas, x, y - area.h * 0.08f, y, 3);
            }
        }
        canvas.Line({left, ground - area.h * 0.12f}, {right, ground - area.h * 0.12f}, 1, Rgb(240, 240, 230));
        for (int i = 0; i < 3; i++) {
            const float y = ground - i * 6.0f;
            canvas.Line({cx - area.w * 0.2f, y}, {cx + area.w * 0.2f, y - 4}, 6, kPlankEdge);
            canvas.Line({cx - area.w * 0.2f, y}, {cx + area.w * 0.2f, y - 4}, 4, kPlank);
        }
        return;
    }
    const float wallHeight = ground - wallTop;
    const float builtTop = stage == 1 ? ground : stage == 2 ? ground - wallHeight * 0.5f : wallTop;
    if (wonder) {
        // A tall stone needle crowned by a sun or a moon.
        const float top = stage >= 3 ? roofTop + area.w * 0.3f : ground - (ground - roofTop) * stage / 4.0f;
        canvas.OutlinedPolygon({{left, ground}, {cx - area.w * 0.08f, top}, {cx + area.w * 0.08f, top}, {right, ground}},
                               look.wall, Shade(look.wall, 0.5f), 2);
        canvas.Line({cx + area.w * 0.04f, ground - 4}, {cx + area.w * 0.04f, top + 6}, area.w * 0.03f, Shade(look.wall, 0.85f));
        if (stage == 4) {
            const paint_point orb{cx, roofTop + area.w * 0.16f};
            canvas.Ellipse(orb, area.w * 0.16f, area.w * 0.16f, Shade(look.roof, 0.6f));
            canvas.Ellipse(orb, area.w * 0.14f, area.w * 0.14f, look.roof);
            if (moon) {
                canvas.Ellipse({orb.x + area.w * 0.06f, orb.y - area.w * 0.03f}, area.w * 0.11f, area.w * 0.11f,
                               Rgb(60, 70, 110));
            }
        } else {
            Scaffold(canvas, left - 4, right + 4, top, ground);
        }
        return;
    }
    if (builtTop < ground) {
        const paint_colour wall = look.wall;
        canvas.OutlinedPolygon({{left, ground}, {left, builtTop}, {right, builtTop}, {right, ground}}, wall,
                               Shade(wall, 0.45f), 2);
        for (float y = ground - 12; y > builtTop + 4; y -= 14) {
            canvas.Line({left + 2, y}, {right - 2, y}, 1.2f, Shade(wall, 0.78f));
        }
    }
    if (stage < 4) {
        Scaffold(canvas, left + 3, right - 3, stage >= 3 ? roofTop + (wallTop - roofTop) * 0.5f : wallTop, ground);
        if (stage == 3) {
            for (int i = 0; i <= 4; i++) {
                const float x = left + (right - left) * i / 4;
                canvas.Line({x, wallTop}, {cx, roofTop}, 4, kPlankEdge);
            }
        }
        return;
    }
    // Finished: the roof, a door and a window, and what makes each house its own.
    const paint_colour roof = look.roof;
    const float eave = area.w * 0.05f;
    if (job.name.find("observatory") != std::string::npos) {
        // A dome on the tower, open along its slot for the telescope.
        const float rx = (right - left) / 2, ry = wallTop - roofTop;
        canvas.Fill(left - 2, roofTop - 2, right + 2, wallTop,
                    [&](float px, float py) {
                        const float u = (px - cx) / (rx + 2), v = (py - wallTop) / (ry + 2);
                        return py <= wallTop && u * u + v * v <= 1.0f;
                    },
                    [&](float px, float py) {
                        const float u = (px - cx) / rx, v = (py - wallTop) / ry;
                        return u * u + v * v > 1.0f ? Shade(roof, 0.5f) : Shade(roof, 1.15f - 0.3f * (u + 1) / 2);
                    });
        canvas.Line({cx, wallTop - (wallTop - roofTop) * 0.5f}, {right + eave * 2, roofTop}, area.w * 0.06f, Rgb(70, 60, 50));
        canvas.Polygon({{left - 2, wallTop}, {right + 2, wallTop}, {right + 2, wallTop + 6}, {left - 2, wallTop + 6}},
                       Shade(look.wall, 0.6f));
    } else {
        canvas.OutlinedPolygon({{left - eave, wallTop + 4}, {cx, roofTop}, {right + eave, wallTop + 4}}, roof,
                               Shade(roof, 0.45f), 2);
        for (int i = 1; i < 8; i++) {
            const float t = i / 8.0f;
            canvas.Line({cx, roofTop + 6}, {left - eave + (right - left + 2 * eave) * t, wallTop + 2}, 1.2f,
                        Shade(roof, 0.75f));
        }
    }
    const float doorW = std::min((right - left) * 0.22f, area.h * 0.16f);
    const float doorH = wallHeight * 0.62f;
    canvas.RoundedBox(cx - doorW / 2 - 1, ground - doorH - 1, doorW + 2, doorH + 1, doorW / 2, Shade(look.wall, 0.4f));
    canvas.RoundedBox(cx - doorW / 2, ground - doorH, doorW, doorH, doorW / 2, Rgb(70, 46, 28));
    const float windowY = ground - wallHeight * 0.72f;
    for (float x : {left + (cx - left) * 0.45f, right - (right - cx) * 0.45f}) {
        canvas.RoundedBox(x - doorW * 0.35f - 1, windowY - 1, doorW * 0.7f + 2, doorW * 0.6f + 2, 2, Shade(look.wall, 0.4f));
        canvas.RoundedBox(x - doorW * 0.35f, windowY, doorW * 0.7f, doorW * 0.6f, 2, Rgb(60, 80, 100));
    }
    if (job.name.find("storehouse") != std::string::npos) {
        Goods(canvas, job.name, {left, ground - area.h * 0.1f, right - left, area.h * 0.1f}, job.seed);
    } else if (job.name.find("craftworks") != std::string::npos) {
        canvas.OutlinedPolygon({{right - area.w * 0.2f, roofTop + area.h * 0.12f}, {right - area.w * 0.2f, roofTop - area.h * 0.12f},
                                {right - area.w * 0.12f, roofTop - area.h * 0.12f}, {right - area.w * 0.12f, roofTop + area.h * 0.2f}},
                               Rgb(150, 80, 60), Rgb(70, 40, 30), 2);
        for (int i = 0; i < 3; i++) {
            canvas.Ellipse({right - area.w * 0.14f + i * 8, roofTop - area.h * 0.16f - i * 12}, 9 + i * 3, 7 + i * 2,
                           Rgb(220, 220, 224, 170));
        }
    } else if (job.name.find("science") != std::string::npos) {
        const paint_point flask{cx, roofTop + (wallTop - roofTop) * 0.55f};
        canvas.OutlinedPolygon({{flask.x - 4, flask.y - 16}, {flask.x + 4, flask.y - 16}, {flask.x + 4, flask.y - 4},
                                {flask.x + 14, flask.y + 14}, {flask.x - 14, flask.y + 14}, {flask.x - 4, flask.y - 4}},
                               Rgb(120, 220, 160), Rgb(30, 60, 50), 2);
    } else if (job.name.find("shipyard") != std::string::npos) {
        canvas.OutlinedPolygon({{area.x + 10, ground - area.h * 0.25f}, {area.x + area.w * 0.55f, ground - area.h * 0.25f},
                                {area.x + area.w * 0.48f, ground - 4}, {area.x + area.w * 0.08f, ground - 4}},
                               Rgb(150, 100, 56), Rgb(70, 44, 20), 2);
    }
}

void PaintFireplace(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    if (job.name.find("_fire_") != std::string::npos) {
        // Flames alone, leaning a little differently in every frame.
        const float lean = static_cast<float>(LastNumber(job.name, 0) % 5 - 2) * area.w * 0.04f;
        const paint_point foot{area.x + area.w / 2, area.y + area.h - 2};
        canvas.Polygon({{foot.x - area.w * 0.4f, foot.y}, {foot.x - area.w * 0.22f + lean, foot.y - area.h * 0.62f},
                        {foot.x - area.w * 0.05f, foot.y - area.h * 0.4f}, {foot.x + lean * 1.5f, foot.y - area.h * 0.97f},
                        {foot.x + area.w * 0.18f, foot.y - area.h * 0.45f}, {foot.x + area.w * 0.3f + lean, foot.y - area.h * 0.7f},
                        {foot.x + area.w * 0.4f, foot.y}},
                       Rgb(240, 110, 24));
        canvas.Polygon({{foot.x - area.w * 0.22f, foot.y}, {foot.x - area.w * 0.08f + lean, foot.y - area.h * 0.45f},
                        {foot.x + lean, foot.y - area.h * 0.62f}, {foot.x + area.w * 0.12f, foot.y - area.h * 0.35f},
                        {foot.x + area.w * 0.22f, foot.y}},
                       Rgb(255, 214, 70));
        return;
    }
    if (job.name.find("_spark_") != std::string::npos) {
        CPackRandom random(job.seed);
        for (int i = 0; i < 6; i++) {
            const paint_point p{area.x + static_cast<float>(random.Range(3, static_cast<int>(area.w) - 3)),
                                area.y + static_cast<float>(random.Range(3, static_cast<int>(area.h) - 3))};
            canvas.Ellipse(p, 1.6f, 1.6f, Rgb(255, random.Range(200, 250), 80));
        }
        return;
    }
    // A pit's own pictures never burn: the flames are drawn over them only
    // while the fire burns, so that rain or an empty wood pile leave the
    // camp cold. The finished pit holds the ash of its last fire, a pit
    // being built fresh logs.
    const bool finished = job.name.find("construct1") == std::string::npos;
    const paint_point c{area.x + area.w / 2, area.y + area.h * 0.72f};
    const float rx = area.w * 0.42f, ry = area.h * 0.2f;
    canvas.Ellipse(c, rx, ry, Rgb(70, 50, 36));
    if (finished) {
        canvas.Ellipse(c, rx * 0.7f, ry * 0.7f, Rgb(118, 114, 108));
    }
    // The back half of the ring lies behind the logs, the front half before them.
    for (int i = 6; i < 12; i++) {
        const float angle = i * 2 * kPi / 12;
        PaintStone(canvas, {c.x + std::cos(angle) * rx, c.y + std::sin(angle) * ry}, 9, 7,
                   i % 2 ? kStone : Shade(kStone, 0.85f), job.seed + i);
    }
    PaintLog(canvas, {c.x - rx * 0.6f, c.y + 4}, {c.x + rx * 0.5f, c.y - 6}, 9,
             finished ? Rgb(62, 46, 36) : Rgb(118, 78, 44));
    PaintLog(canvas, {c.x + rx * 0.6f, c.y + 4}, {c.x - rx * 0.5f, c.y - 6}, 9,
             finished ? Rgb(54, 40, 32) : Rgb(108, 70, 40));
    for (int i = 0; i <= 6; i++) {
        const float angle = i * 2 * kPi / 12;
        PaintStone(canvas, {c.x + std::cos(angle) * rx, c.y + std::sin(angle) * ry}, 9, 7,
                   i % 2 ? kStone : Shade(kStone, 0.85f), job.seed + i);
    }
}

void PaintRoof(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int style = LastNumber(job.name, 0);
    const paint_colour tones[4] = {kThatch, Rgb(170, 90, 60), Rgb(110, 130, 90), Rgb(150, 150, 160)};
    const paint_colour roof = tones[style % 4];
    canvas.OutlinedPolygon({{area.x + 2, area.y + area.h - 4}, {area.x + area.w / 2, area.y + 3},
                            {area.x + area.w - 2, area.y + area.h - 4}},
                           roof, Shade(roof, 0.45f), 2);
    for (int i = 1; i < 7; i++) {
        canvas.Line({area.x + area.w / 2, area.y + 8}, {area.x + area.w * i / 7, area.y + area.h - 5}, 1.2f,
                    Shade(roof, 0.75f));
    }
}

void PaintShip(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const bool left = job.name.find("left") != std::string::npos;
    auto x = [&](float f) { return area.x + area.w * (left ? 1.0f - f : f); };
    const float deck = area.y + area.h * 0.62f, keel = area.y + area.h * 0.92f;
    const paint_colour hull = Rgb(120, 74, 40), edge = Rgb(50, 30, 14);
    canvas.OutlinedPolygon({{x(0.02f), deck - area.h * 0.06f}, {x(0.98f), deck - area.h * 0.1f}, {x(0.82f), keel}, {x(0.14f), keel}},
                           hull, edge, std::max(1.0f, area.h / 120));
    canvas.Line({x(0.06f), deck + area.h * 0.04f}, {x(0.92f), deck}, std::max(1.0f, area.h / 60), Rgb(200, 170, 90));
    const float mastTop = area.y + area.h * 0.06f;
    canvas.Line({x(0.48f), deck}, {x(0.48f), mastTop}, std::max(2.0f, area.w / 80), edge);
    canvas.OutlinedPolygon({{x(0.5f), mastTop + area.h * 0.03f}, {x(0.82f), deck - area.h * 0.12f}, {x(0.5f), deck - area.h * 0.1f}},
                           Rgb(244, 238, 220), Rgb(120, 110, 90), std::max(1.0f, area.h / 150));
    canvas.OutlinedPolygon({{x(0.46f), mastTop + area.h * 0.08f}, {x(0.46f), deck - area.h * 0.1f}, {x(0.2f), deck - area.h * 0.1f}},
                           Rgb(236, 228, 206), Rgb(120, 110, 90), std::max(1.0f, area.h / 150));
}

void PaintHutCard(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const bool ghost = job.name.find("ghost") != std::string::npos;
    picture_job hut = job;
    // buildGUI_hutXY: Y is the grade, A plain, B roofed, C grand.
    const size_t at = job.name.find("hut");
    const char grade = at + 4 < job.name.size() ? job.name[at + 4] : 'A';
    hut.name = "hut_style" + std::to_string(std::clamp(grade - 'A', 0, 2)) + "_construct4";
    PaintBuilding(canvas, hut, {area.x + 2, area.y + 4, area.w - 4, area.h - 6});
    if (ghost) {
        // Locked: greyed out and behind a lock.
        std::vector<uint8_t>& pixels = canvas.Pixels();
        for (size_t i = 0; i < pixels.size(); i += 4) {
            const uint8_t grey = static_cast<uint8_t>((pixels[i] + pixels[i + 1] + pixels[i + 2]) / 3);
            pixels[i] = pixels[i + 1] = pixels[i + 2] = grey;
            pixels[i + 3] = static_cast<uint8_t>(pixels[i + 3] / 2);
        }
        const paint_point c{area.x + area.w / 2, area.y + area.h * 0.6f};
        canvas.Ring({c.x, c.y - 8}, 7, 8, 3, Rgb(90, 90, 96));
        canvas.RoundedBox(c.x - 10, c.y - 4, 20, 16, 3, Rgb(200, 170, 60));
    }
}

void PaintMystery(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int number = NumberAfter(job.name, "mysterious_", 0);
    // mysterious_N_M: the picture of a later stage.
    const bool layer = job.name.size() > 13 && job.name[12] == '_' &&
                       std::isdigit(static_cast<unsigned char>(job.name[13])) != 0;
    const paint_point c{area.x + area.w / 2, area.y + area.h / 2};
    if (job.name.find("sapling") != std::string::npos) {
        canvas.Line({c.x, area.y + area.h - 2}, {c.x, area.y + 20}, 3, Rgb(110, 76, 40));
        PaintBlob(canvas, {c.x, area.y + 22}, area.w / 2 - 2, 20, Rgb(90, 170, 60), job.seed, 0.3f, true);
        return;
    }
    if (job.name.find("_tree") != std::string::npos) {
        picture_job trunk = job;
        trunk.name = "tree_size0_trunk0_chop0";
        PaintTreeTrunk(canvas, trunk, {c.x - 30, area.y + area.h - 240, 60, 240});
        picture_job crown = job;
        crown.name = "tree_size0_leaf3";
        PaintTreeCrown(canvas, crown, {area.x, area.y, area.w, area.h * 0.7f});
        return;
    }
    if (job.name.find("flowers") != std::string::npos) {
        for (int i = 0; i < 16; i++) {
            const float angle = i * 2 * kPi / 16;
            picture_job flower = job;
            flower.name = "flower_colour_" + std::to_string(i % 7) + "_size_2_type_0";
            PaintFlower(canvas, flower, {c.x + std::cos(angle) * area.w * 0.4f - 8, c.y + std::sin(angle) * area.h * 0.4f - 8, 16, 16});
        }
        return;
    }
    // A strange standing object, each mystery its own.
    const float bottom = area.y + area.h - 4;
    switch (number) {
    case 1: {  // a bush, dry until it blooms
        const bool bloom = layer;
        PaintBlob(canvas, {c.x, bottom - area.h * 0.35f}, area.w * 0.45f, area.h * 0.33f,
                  bloom ? Rgb(70, 150, 60) : Rgb(130, 110, 60), job.seed, 0.3f, true);
        for (int i = -2; i <= 2 && !bloom; i++) {
            canvas.Line({c.x + i * 4.0f, bottom - 4}, {c.x + i * area.w * 0.17f, bottom - area.h * 0.62f}, 2.5f,
                        Rgb(90, 64, 36));
        }
        if (bloom) {
            CPackRandom random(job.seed);
            for (int i = 0; i < 14; i++) {
                canvas.Ellipse({c.x + area.w * static_cast<float>(random.Unit() * 0.6 - 0.3),
                                bottom - area.h * static_cast<float>(0.15 + random.Unit() * 0.45)},
                               4, 4, Rgb(240, 110, 170));
            }
        }
        return;
    }
    case 3:  // a dry spring in a stone basin
        PaintStone(canvas, {c.x, bottom - area.h * 0.2f}, area.w * 0.45f, area.h * 0.18f, Rgb(150, 150, 150), job.seed);
        canvas.Ellipse({c.x, bottom - area.h * 0.24f}, area.w * 0.3f, area.h * 0.08f, Rgb(90, 140, 200));
        canvas.OutlinedPolygon({{c.x - 12, bottom - area.h * 0.3f}, {c.x - 8, area.y + area.h * 0.2f},
                                {c.x + 8, area.y + area.h * 0.2f}, {c.x + 12, bottom - area.h * 0.3f}},
                               Rgb(180, 176, 168), Rgb(80, 80, 80), 2);
        return;
    case 4: {  // an old stump, wide and cut flat
        const float top = area.y + area.h * 0.4f, r = area.w * 0.36f;
        canvas.Ellipse({c.x, bottom - 6}, r * 1.3f, 10, Rgb(96, 62, 34));
        canvas.RoundedBox(c.x - r - 1.5f, top - 1, 2 * r + 3, bottom - top - 4, 6, Rgb(58, 36, 20));
        canvas.RoundedBox(c.x - r, top, 2 * r, bottom - top - 6, 5, Rgb(118, 78, 44));
        canvas.Line({c.x - r * 0.4f, top + 20}, {c.x - r * 0.45f, bottom - 12}, 3, Rgb(80, 52, 28));
        canvas.Line({c.x + r * 0.3f, top + 26}, {c.x + r * 0.35f, bottom - 14}, 3, Rgb(80, 52, 28));
        canvas.Ellipse({c.x, top}, r + 1.5f, r * 0.35f + 1.5f, Rgb(58, 36, 20));
        canvas.Ellipse({c.x, top}, r, r * 0.35f, Rgb(222, 186, 128));
        for (int i = 1; i <= 3; i++) {
            canvas.Ring({c.x, top}, r * i / 4, r * 0.35f * i / 4, 1.2f, Rgb(170, 130, 80));
        }
        return;
    }
    case 5:  // a lava rock
        PaintStone(canvas, {c.x, bottom - area.h * 0.4f}, area.w * 0.46f, area.h * 0.4f, Rgb(70, 60, 60), job.seed);
        canvas.Line({c.x - 20, bottom - area.h * 0.6f}, {c.x + 10, bottom - area.h * 0.3f}, 3, Rgb(255, 120, 20));
        canvas.Line({c.x + 10, bottom - area.h * 0.3f}, {c.x + 25, bottom - area.h * 0.45f}, 3, Rgb(255, 170, 40));
        return;
    default: {  // a carved standing stone (fossil, night, comet)
        const paint_colour stone = number == 0 ? Rgb(200, 186, 150) : Rgb(140, 140, 156);
        canvas.RoundedBox(area.x + area.w * 0.18f, area.y + 4, area.w * 0.64f, area.h - 8, area.w * 0.25f, Shade(stone, 0.45f));
        canvas.RoundedBox(area.x + area.w * 0.18f + 2, area.y + 6, area.w * 0.64f - 4, area.h - 12, area.w * 0.24f, stone);
        const paint_point mark{c.x, area.y + area.h * 0.4f};
        if (number == 0) {
            for (int i = 0; i < 3; i++) {
                canvas.Ring(mark, 6.0f + i * 6, 6.0f + i * 6, 2, Rgb(120, 100, 70));
            }
        } else if (number == 6) {
            canvas.Ellipse(mark, 14, 14, Rgb(230, 230, 250));
            canvas.Ellipse({mark.x + 6, mark.y - 3}, 12, 12, stone);
        } else {
            canvas.Line({mark.x - 16, mark.y + 16}, {mark.x + 6, mark.y - 6}, 5, Rgb(250, 200, 60));
            canvas.Ellipse({mark.x + 8, mark.y - 8}, 7, 7, Rgb(255, 240, 150));
        }
        return;
    }
    }
}

void PaintIcon(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // The build menu's item pictures stand on their buttons' cards, packed
    // close in the grid: a card of their own would hide the neighbours'.
    const bool onCard = job.name.rfind("buildGUI_", 0) == 0 && job.name.find("large") == std::string::npos;
    if (!onCard) {
        canvas.RoundedBox(area.x + 2, area.y + 2, area.w - 4, area.h - 4, area.w * 0.15f, Rgb(110, 80, 50));
        canvas.RoundedBox(area.x + 5, area.y + 5, area.w - 10, area.h - 10, area.w * 0.12f, Rgb(236, 216, 170));
    }
    picture_job inner = job;
    const float inset = onCard ? 4 : 12;
    const paint_box room{area.x + inset, area.y + inset, area.w - 2 * inset, area.h - 2 * inset};
    if (NumberAfter(job.name, "myst", -1) >= 0) {
        inner.name = "mysterious_" + std::to_string(NumberAfter(job.name, "myst", 0)) + ".png";
        PaintMystery(canvas, inner, room);
        return;
    }
    // What the icon shows, by a word of its name; the first match wins.
    struct icon_subject {
        const char* word;
        const char* picture;
        picture_painter painter;
    };
    static const icon_subject kIconSubjects[] = {
        {"storefood", "storehouse_food_style0_construct4", PaintBuilding},
        {"storerock", "storehouse_rock_style0_construct4", PaintBuilding},
        {"storewood", "storehouse_wood_style0_construct4", PaintBuilding},
        {"craftworks", "craftworks_style0_construct4", PaintBuilding},
        {"observatory", "observatory_style0_construct4", PaintBuilding},
        {"science", "science_style0_construct4", PaintBuilding},
        {"shipyard", "shipyard_style0_construct4", PaintBuilding},
        {"wonderA", "wonderA_style0_construct4", PaintBuilding},
        {"wonderB", "wonderB_style0_construct4", PaintBuilding},
        {"farm", "farm_style0", PaintBuilding},
        {"ship", "boat_right0", PaintShip},
        {"firepit", "fireplace_style0_construct0", PaintFireplace},
        {"flowers", "mysterious_2_flowers", PaintMystery},
        {"trees", "tree_sapling_size1_0", PaintCrop},
        {"drybush", "mysterious_1", PaintMystery},
        {"fountain", "mysterious_3", PaintMystery},
        {"stump", "mysterious_4", PaintMystery},
        {"lava", "mysterious_5", PaintMystery},
        {"moondust", "dust_moondust_ground", PaintDustHeap},
        {"stardust", "dust_stardust_ground", PaintDustHeap},
        {"boat", "boat_right1", PaintShip},
        {"crate", "crate_1", PaintCrate},
        {"barrel", "barrel_1", PaintBarrel},
        {"hut", "hut_style0_construct4", PaintBuilding},
    };
    for (const icon_subject& subject : kIconSubjects) {
        if (job.name.find(subject.word) != std::string::npos) {
            inner.name = subject.picture;
            subject.painter(canvas, inner, room);
            break;
        }
    }
    if (job.name.find("ghost") != std::string::npos) {
        std::vector<uint8_t>& pixels = canvas.Pixels();
        for (size_t i = 3; i < pixels.size(); i += 4) {
            pixels[i] = static_cast<uint8_t>(pixels[i] / 2);
        }
    }
}
