// Painters of the fireplace, the ships, the mysteries and the side-panel
// icons that show buildings and mysteries small. The buildings themselves
// are PackPaintersHouses.cpp's.
#include "CPackRandom.h"
#include "PackPainters.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

const paint_colour kStone = Rgb(168, 164, 156);

}  // namespace

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
    // In the game the flames, the sparks and the wood stand over the upper
    // left of the pit's picture, so the pit lies there, round the flames'
    // foot; an icon shows the pit in the middle of its box.
    const bool icon = job.name.find("_icon") != std::string::npos;
    const paint_point c = icon ? paint_point{area.x + area.w / 2, area.y + area.h * 0.6f}
                               : paint_point{area.x + area.w * 0.42f, area.y + area.h * 0.46f};
    const float rx = area.w * (icon ? 0.42f : 0.36f), ry = area.h * (icon ? 0.2f : 0.19f);
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

void PaintShip(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    if (job.name.rfind("loadingB_", 0) == 0) {
        PaintBannerBoat(canvas, job, area);
        return;
    }
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
        // A broad-leaved tree, unlike the palms of its size on the island.
        picture_job trunk = job;
        trunk.name = "tree_size1_trunk0_chop0";
        PaintTreeTrunk(canvas, trunk, {c.x - 30, area.y + area.h - 240, 60, 240});
        picture_job crown = job;
        crown.name = "tree_size1_leaf3";
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
    default: {  // a carved standing stone (fossil, flowers, moondust, stardust)
        const paint_colour stone = number == 0 ? Rgb(200, 186, 150) : number == 2 ? Rgb(170, 160, 150) : Rgb(140, 140, 156);
        canvas.RoundedBox(area.x + area.w * 0.18f, area.y + 4, area.w * 0.64f, area.h - 8, area.w * 0.25f, Shade(stone, 0.45f));
        canvas.RoundedBox(area.x + area.w * 0.18f + 2, area.y + 6, area.w * 0.64f - 4, area.h - 12, area.w * 0.24f, stone);
        const paint_point mark{c.x, area.y + area.h * 0.4f};
        if (number == 0) {
            // The coiled shell set in the stone.
            paint_point previous = mark;
            for (int i = 1; i <= 48; i++) {
                const float t = i / 48.0f, angle = t * 5.2f * kPi, r = 2 + 18 * t;
                const paint_point p{mark.x + r * std::cos(angle), mark.y + r * std::sin(angle)};
                canvas.Line(previous, p, 2.5f, Rgb(120, 100, 70));
                previous = p;
            }
        } else if (number == 2) {
            // A flower carved in the stone, the one the flowers round it copy.
            for (int i = 0; i < 5; i++) {
                const float angle = -kPi / 2 + i * 2 * kPi / 5;
                canvas.Ellipse({mark.x + std::cos(angle) * 9, mark.y + std::sin(angle) * 9}, 7, 7, Rgb(236, 120, 170));
            }
            canvas.Ellipse(mark, 5, 5, Rgb(250, 214, 60));
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

void ClipToCard(CPictureCanvas& canvas, paint_box room)
{
    // Smoke and spray drift a little past what is fitted to the room; the
    // card's edge a few pixels further out still stops them.
    const float grow = 3;
    const float left = room.x - grow, top = room.y - grow, right = room.x + room.w + grow, bottom = room.y + room.h + grow;
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    canvas.Clear(0, 0, w, std::max(0.0f, top));
    canvas.Clear(0, bottom, w, std::max(0.0f, h - bottom));
    canvas.Clear(0, 0, std::max(0.0f, left), h);
    canvas.Clear(right, 0, std::max(0.0f, w - right), h);
}

paint_box BuildMenuCardRoom(const std::string& name, paint_box area)
{
    // Where each item's button stands from its picture's top-left corner,
    // in the build menu and (for the huts) in the hut chooser. The buttons'
    // cards are 86 x 60, a pixel in from their corner.
    struct card_offset {
        const char* word;
        int dx, dy;
    };
    static const card_offset kCards[] = {
        {"hutA", -10, 13}, {"hutA", -10, 14}, {"hutAB", -6, 13}, {"hutAC", -5, 13},
        {"hutB", -5, 14}, {"hutB", -9, 14}, {"hutBB", -4, 13}, {"hutBC", -4, 13},
        {"firepit", -9, 0}, {"science", -1, 22}, {"flowers", -2, 7}, {"trees", 8, 13},
        {"storefood", -13, 14}, {"storewood", -11, 12}, {"storerock", -15, 12}, {"farm", 5, 13},
        {"craftworks", -5, 18}, {"observatory", -15, 18}, {"shipyard", 9, 10}, {"ship", 5, 0},
        {"wonderA", -24, 11}, {"wonderB", -21, 14},
    };
    const float kMargin = 3;
    if (name.rfind("buildGUI_", 0) != 0 || name.find("large") != std::string::npos) {
        return area;
    }
    float left = area.x, top = area.y, right = area.x + area.w, bottom = area.y + area.h;
    const bool shipyard = name.find("shipyard") != std::string::npos;
    for (const card_offset& card : kCards) {
        if (name.find(card.word) == std::string::npos || (shipyard && std::string(card.word) == "ship")) {
            continue;
        }
        left = std::max(left, area.x + card.dx + 1 + kMargin);
        top = std::max(top, area.y + card.dy + 1 + kMargin);
        right = std::min(right, area.x + card.dx + 1 + 86 - kMargin);
        bottom = std::min(bottom, area.y + card.dy + 1 + 60 - kMargin);
    }
    return {left, top, right - left, bottom - top};
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
    // Drawn whole for the build menu, the picture keeps to its button's
    // card; drawn into part of another picture (the side panel's), to the
    // part it is given.
    const bool menuPicture = onCard && area.x == 0 && area.y == 0 && area.w == canvas.Width();
    const float inset = onCard ? 4 : 12;
    const paint_box room = menuPicture
                               ? BuildMenuCardRoom(job.name, area)
                               : paint_box{area.x + inset, area.y + inset, area.w - 2 * inset, area.h - 2 * inset};
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
        float w, h;  // the picture's own proportions, kept in the icon; 0 fills the room
    };
    static const icon_subject kIconSubjects[] = {
        {"storefood", "storehouse_food_style0_construct4", PaintBuilding, 240, 300},
        {"storerock", "storehouse_rock_style0_construct4", PaintBuilding, 240, 300},
        {"storewood", "storehouse_wood_style0_construct4", PaintBuilding, 240, 300},
        {"craftworks", "craftworks_style0_construct4", PaintBuilding, 330, 390},
        {"observatory", "observatory_style0_construct4", PaintBuilding, 280, 350},
        {"science", "science_style0_construct4", PaintBuilding, 330, 370},
        {"shipyard", "shipyard_style0_construct4", PaintBuilding, 480, 390},
        {"wonderA", "wonderA_style0_construct4", PaintBuilding, 360, 740},
        {"wonderB", "wonderB_style0_construct4", PaintBuilding, 360, 740},
        {"farm", "farm_style0", PaintBuilding, 210, 235},
        {"ship", "boat_right0", PaintShip, 660, 400},
        {"firepit", "fireplace_style0_icon", PaintFireplace, 140, 125},
        {"flowers", "mysterious_2_flowers", PaintMystery, 0, 0},
        {"trees", "tree_sapling_size1_0", PaintCrop, 0, 0},
        {"drybush", "mysterious_1", PaintMystery, 0, 0},
        {"fountain", "mysterious_3", PaintMystery, 0, 0},
        {"stump", "mysterious_4", PaintMystery, 0, 0},
        {"lava", "mysterious_5", PaintMystery, 0, 0},
        {"moondust", "dust_moondust_ground", PaintDustHeap, 0, 0},
        {"stardust", "dust_stardust_ground", PaintDustHeap, 0, 0},
        {"boat", "boat_right1", PaintShip, 660, 400},
        {"crate", "crate_1", PaintCrate, 0, 0},
        {"barrel", "barrel_1", PaintBarrel, 0, 0},
    };
    bool drawn = false;
    for (const icon_subject& subject : kIconSubjects) {
        if (job.name.find(subject.word) != std::string::npos) {
            inner.name = subject.picture;
            paint_box fitted = room;
            if (subject.w > 0) {
                // The science station's steam rises above its picture's box
                // by about a quarter of its height: on a card it must fit too.
                const float rise = menuPicture && std::string(subject.word) == "science" ? 0.3f : 0.0f;
                const float scale = std::min(room.w / subject.w, room.h / (subject.h * (1 + rise)));
                const float h = subject.h * scale;
                fitted = {room.x + (room.w - subject.w * scale) / 2, room.y + (room.h - h * (1 + rise)) / 2 + h * rise,
                          subject.w * scale, h};
            }
            subject.painter(canvas, inner, fitted);
            drawn = true;
            break;
        }
    }
    const size_t hut = job.name.find("hut");
    if (!drawn && hut != std::string::npos) {
        // ...hutXY: X the size (A small, B large), Y the grade.
        const char size = hut + 3 < job.name.size() ? job.name[hut + 3] : 'A';
        const char grade = hut + 4 < job.name.size() ? job.name[hut + 4] : 'A';
        PaintHutPicture(canvas, size == 'B' ? 1 : 0, std::clamp(grade - 'A', 0, 2), room);
    }
    if (job.name.find("ghost") != std::string::npos) {
        std::vector<uint8_t>& pixels = canvas.Pixels();
        for (size_t i = 3; i < pixels.size(); i += 4) {
            pixels[i] = static_cast<uint8_t>(pixels[i] / 2);
        }
    }
    if (menuPicture) {
        ClipToCard(canvas, room);
    }
}
