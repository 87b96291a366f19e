// Painters of the pointers and the screens' pieces: panels rounded and
// framed, buttons raised (brighter while pointed at, a soft shade for their
// shadow), medals, the potion flask and the lab's ingredients.
#include "CPackRandom.h"
#include "PackLettering.h"
#include "PackPainters.h"

#include <algorithm>
#include <cmath>

namespace {

const paint_colour kParchment = Rgb(238, 218, 172);
const paint_colour kFrameWood = Rgb(120, 80, 44);
const paint_colour kInk = Rgb(255, 255, 255);
const float kPi = 3.14159265f;

// A colour per screen, so the screens' pieces differ but each screen agrees.
paint_colour ScreenTone(const std::string& name)
{
    const paint_colour tones[] = {Rgb(226, 196, 140), Rgb(150, 196, 210), Rgb(200, 170, 220), Rgb(180, 210, 150)};
    const size_t cut = name.find('_');
    return tones[CPackRandom::HashName(name.substr(0, cut)) % 4];
}

// The detail screen's skill meters: a backing with one sunk track per
// skill row, a bar the screen cuts to the skill's share of its width, and a
// rounded end that the screen sets over the bar's last pixels. The loading
// screen's progress bar is such a bar too.
void PaintMeter(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const paint_colour fill = Rgb(236, 170, 52), edge = Rgb(96, 58, 20);
    if (job.name.find("backing") != std::string::npos) {
        // The meter rows stand 3, 24, 43, 64, 83, 104 and 125 px below the
        // backing's top, 14 px high, from 2 px in to the full bar's end.
        const paint_colour panel = BoardPanelTone(job.name);
        PaintWell(canvas, area, 0, panel, job.seed);
        for (const float row : {3, 24, 43, 64, 83, 104, 125}) {
            canvas.RoundedBox(area.x + 1, area.y + row - 1, 286, 16, 7, Rgb(30, 20, 12));
            canvas.RoundedBox(area.x + 3, area.y + row + 1, 282, 12, 5, Shade(panel, 0.5f));
        }
        return;
    }
    const bool end = job.name.find("end") != std::string::npos;
    const float right = area.x + area.w, bottom = area.y + area.h;
    // The cap's outer corners are left clear, so its end reads round; the
    // top-left pixel stays clear as on every sprite.
    auto inside = [&](float px, float py) {
        const bool corner = (end && px > right - 1 && (py < area.y + 1 || py > bottom - 1)) ||
                            (px < area.x + 1 && py < area.y + 1);
        return px > area.x && px < right && py > area.y && py < bottom && !corner;
    };
    canvas.Fill(area.x, area.y, right, bottom, inside, [&](float px, float py) {
        const float down = (py - area.y) / area.h;
        if (down < 0.12f || down > 0.88f || (end && px > right - 2)) {
            return edge;
        }
        return Shade(fill, 1.25f - 0.5f * down);
    });
}

// The island chooser's frame piece over the island picture's top-left
// corner: the shade the frame casts into the picture, so that the frame
// reads raised above the island. The piece stands 5 px below the top band,
// so its top shade starts already that far faded.
void PaintCornerShade(CPictureCanvas& canvas, paint_box area)
{
    // The top-left pixel stays clear as on every sprite.
    auto inside = [&](float px, float py) { return px > area.x + 1 || py > area.y + 1; };
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, inside,
                [&](float px, float py) {
                    const float x = px - area.x, y = py - area.y;
                    const float fromLeft = std::max(0.0f, 1 - x / 10) * std::max(0.0f, 1 - y / area.h);
                    const float fromTop = std::max(0.0f, 1 - (y + 5) / 10) * std::max(0.0f, 1 - x / area.w);
                    return Rgb(20, 14, 8, static_cast<int>(110 * std::max(fromLeft, fromTop)));
                });
}

// Where a button's face lies in its picture. The side panel's build and
// research buttons set their labels well off their pictures' middles (high
// and low), so their faces are drawn round the labels.
paint_box ButtonFace(const std::string& name, paint_box area)
{
    if (name.rfind("sidebar_button_build", 0) == 0) {
        return {area.x, area.y, area.w, 36};
    }
    if (name.rfind("sidebar_button_science", 0) == 0) {
        return {area.x, area.y + area.h - 40, area.w - 8, 40};
    }
    // The lessons' okay button sets its label 5 px above the image's middle
    // and stands 26 px above its lowest box's bottom: its face is the
    // image's top 26 rows, round the label.
    if (name.rfind("tutorial_button_okay", 0) == 0) {
        return {area.x, area.y, area.w, 26};
    }
    return area;
}

// The side panel centres the chosen object's picture on (709, 219), between
// the name plate with the lines under it (down to y 167) and what stands
// below: a building's Take down button from y 296, a crate's or barrel's
// text from y 241. The object fills the room between them; the picture's
// rows beyond it stay clear, so the plate and the text show through.
void PaintSidePanelPicture(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const float top = 219 - area.h / 2;
    const bool loose = job.name.find("crate") != std::string::npos || job.name.find("barrel") != std::string::npos;
    const float below = loose ? 239 : 292;
    const paint_box room{area.x, area.y + (168 - top), area.w, below - 168};
    // A soft light behind the object, fading out well inside the picture.
    const paint_point c{room.x + room.w / 2, room.y + room.h * 0.55f};
    canvas.Fill(room.x, room.y, room.x + room.w, room.y + room.h, [](float, float) { return true; },
                [&](float px, float py) {
                    const float u = (px - c.x) / (room.w * 0.5f), v = (py - c.y) / (room.h * 0.5f);
                    const float d = std::min(1.0f, std::sqrt(u * u + v * v));
                    return Rgb(255, 240, 200, static_cast<int>(46 * (1.0f - d) * (1.0f - d)));
                });
    // The object drawn as the build menu draws it on its buttons: without a
    // card of its own.
    picture_job object = job;
    object.name = "buildGUI_" + job.name.substr(std::string("sidebar_item_").size());
    float w = room.h * 0.9f;
    if (job.name.find("crate") != std::string::npos) {
        w = room.h;
    } else if (job.name.find("barrel") != std::string::npos) {
        w = room.h * 0.72f;
    } else if (job.name.find("boat") != std::string::npos || job.name.find("shipyard") != std::string::npos) {
        w = std::min(room.w, room.h * 1.2f);
    }
    PaintIcon(canvas, object, {room.x + (room.w - w) / 2, room.y, w, room.h});
}

}  // namespace

void PaintPadlock(CPictureCanvas& canvas, paint_point centre, float size)
{
    // A brass lock: a steel shackle arched over a rounded body, lit from the
    // upper left, with a dark keyhole and a dark outline that reads on any
    // ground.
    const float w = size, h = size * 0.72f;
    const float left = centre.x - w / 2, top = centre.y - h * 0.2f;
    const paint_colour outline = Rgb(36, 26, 14), steel = Rgb(196, 200, 210), brass = Rgb(226, 176, 60);
    const paint_point arch{centre.x, top};
    const float ring = w * 0.32f, bar = std::max(1.6f, w * 0.13f);
    // The shackle: outline, then the steel band, then its shine.
    canvas.Fill(arch.x - ring - bar, arch.y - ring - bar, arch.x + ring + bar, top + h * 0.3f,
                [&](float px, float py) {
                    const float d = std::hypot(px - arch.x, std::min(0.0f, py - arch.y));
                    return std::fabs(d - ring) <= bar / 2 + 1.0f && py < top + 2;
                },
                [&](float px, float py) {
                    const float d = std::hypot(px - arch.x, std::min(0.0f, py - arch.y));
                    if (std::fabs(d - ring) > bar / 2) {
                        return outline;
                    }
                    const bool lit = px < arch.x && d < ring;
                    return lit ? Shade(steel, 1.15f) : Shade(steel, 0.85f + 0.15f * (ring - d) / bar);
                });
    canvas.RoundedBox(left - 1, top - 1, w + 2, h + 2, w * 0.18f + 1, outline);
    canvas.Fill(left, top, left + w, top + h,
                [&](float px, float py) {
                    const float r = w * 0.18f;
                    const float dx = std::max(0.0f, std::fabs(px - (left + w / 2)) - (w / 2 - r));
                    const float dy = std::max(0.0f, std::fabs(py - (top + h / 2)) - (h / 2 - r));
                    return dx * dx + dy * dy <= r * r;
                },
                [&](float px, float py) {
                    const float down = (py - top) / h, across = (px - left) / w;
                    return Shade(brass, 1.25f - 0.45f * down - 0.15f * across);
                });
    // The keyhole.
    const paint_point hole{centre.x, top + h * 0.42f};
    canvas.Ellipse(hole, w * 0.09f + 0.4f, w * 0.09f + 0.4f, outline);
    canvas.Polygon({{hole.x - w * 0.05f, hole.y}, {hole.x + w * 0.05f, hole.y}, {hole.x + w * 0.08f, top + h * 0.78f},
                    {hole.x - w * 0.08f, top + h * 0.78f}},
                   outline);
}

void PaintPointer(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // The hotspot is the top-left corner: the finger points there, leaving
    // the corner pixel itself clear like every sprite's.
    const bool pincer = LastNumber(job.name, 0) == 1;
    const paint_colour skin = Rgb(250, 226, 196), edge = Rgb(40, 30, 24);
    const float s = area.w / 32;
    auto p = [&](float x, float y) { return paint_point{area.x + x * s, area.y + y * s}; };
    if (pincer) {
        canvas.OutlinedPolygon({p(2, 2), p(6, 3), p(12, 12), p(22, 14), p(28, 22), p(22, 30), p(12, 28), p(8, 18)}, skin, edge, 1.5f);
        canvas.OutlinedPolygon({p(2, 2), p(9, 2), p(16, 8), p(12, 12)}, skin, edge, 1.5f);
        return;
    }
    canvas.OutlinedPolygon({p(2, 2), p(5, 2), p(7, 12), p(20, 12), p(26, 16), p(26, 26), p(20, 30), p(10, 30), p(5, 22),
                            p(2, 14)},
                           skin, edge, 1.5f);
    for (float x : {11.0f, 16.0f, 21.0f}) {
        canvas.Line(p(x, 13), p(x, 19), 1, edge);
    }
    if (LastNumber(job.name, 0) == 2) {
        canvas.Ring(p(3, 3), 3 * s, 3 * s, 1, Rgb(255, 240, 120));
    }
}

void PaintHourglass(CPictureCanvas& canvas, const picture_job&, paint_box area)
{
    const paint_colour wood = Rgb(120, 76, 40), glass = Rgb(220, 236, 250, 200), sand = Rgb(236, 196, 100);
    const float l = area.x + 7, r = area.x + area.w - 7, t = area.y + 4, b = area.y + area.h - 4;
    const float m = (l + r) / 2, mid = (t + b) / 2;
    canvas.OutlinedPolygon({{l, t + 2}, {r, t + 2}, {m + 1.5f, mid}, {r, b - 2}, {l, b - 2}, {m - 1.5f, mid}}, glass,
                           Rgb(60, 60, 70));
    canvas.Polygon({{l + 4, b - 3}, {r - 4, b - 3}, {m, mid + 4}}, sand);
    canvas.Polygon({{l + 5, t + 5}, {r - 5, t + 5}, {m, mid - 3}}, sand);
    canvas.RoundedBox(l - 3, t, r - l + 6, 4, 1, wood);
    canvas.RoundedBox(l - 3, b - 4, r - l + 6, 4, 1, wood);
}

void PaintFlask(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // The colour layer is light grey so that the game's tint shows true.
    const bool colourLayer = job.name.find("colour") != std::string::npos;
    const bool empty = job.name.find("empty") != std::string::npos;
    const float r = std::min(area.w * 0.42f, area.h * 0.3f);
    const paint_point belly{area.x + area.w / 2, area.y + area.h - r - 2};
    const float neck = r * 0.35f;
    if (!colourLayer) {
        canvas.Ellipse(belly, r + 1.5f, r + 1.5f, Rgb(40, 50, 70));
        canvas.RoundedBox(belly.x - neck - 1.5f, area.y + 2, neck * 2 + 3, belly.y - area.y, 2, Rgb(40, 50, 70));
        canvas.Ellipse(belly, r, r, Rgb(210, 230, 245, 150));
        canvas.RoundedBox(belly.x - neck, area.y + 3, neck * 2, belly.y - area.y, 2, Rgb(210, 230, 245, 150));
        canvas.RoundedBox(belly.x - neck - 2, area.y + 2, neck * 2 + 4, 5, 2, Rgb(150, 100, 60));
    }
    if (!empty) {
        canvas.Fill(belly.x - r, belly.y - r, belly.x + r, belly.y + r,
                    [&](float px, float py) {
                        const float u = px - belly.x, v = py - belly.y;
                        return u * u + v * v <= (r - 2) * (r - 2) && py > belly.y - r * 0.2f;
                    },
                    [&](float, float) { return colourLayer ? Rgb(235, 235, 235) : Rgb(120, 200, 120); });
    }
    if (!colourLayer) {
        canvas.Ellipse({belly.x - r * 0.4f, belly.y - r * 0.35f}, r * 0.15f, r * 0.25f, Rgb(255, 255, 255, 200));
    }
}

void PaintBubble(CPictureCanvas& canvas, const picture_job&, paint_box area)
{
    const paint_point c{area.x + area.w / 2, area.y + area.h / 2};
    canvas.Ring(c, area.w / 2 - 0.5f, area.h / 2 - 0.5f, 1, Rgb(230, 245, 255, 220));
    canvas.Blend(static_cast<int>(c.x - area.w / 5), static_cast<int>(c.y - area.h / 5), Rgb(255, 255, 255));
}

void PaintItem(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // Each ingredient drawn as itself; a ghost is its faint outline, a
    // rollover a touch brighter.
    const paint_point c{area.x + area.w / 2, area.y + area.h / 2 + 2};
    const std::string& n = job.name;
    auto has = [&](const char* word) { return n.find(word) != std::string::npos; };
    if (has("fish")) {
        PaintFish(canvas, c, area.w * 0.8f, 0.2f, Rgb(90, 130, 170), Rgb(230, 236, 240), true);
    } else if (has("ironwood")) {
        PaintLog(canvas, {c.x - 10, c.y + 4}, {c.x + 11, c.y - 4}, 10, Rgb(70, 60, 60));
    } else if (has("wood")) {
        PaintLog(canvas, {c.x - 10, c.y + 4}, {c.x + 11, c.y - 4}, 10, Rgb(118, 78, 44));
    } else if (has("lodestone")) {
        PaintStone(canvas, c, 14, 11, Rgb(80, 80, 96), job.seed);
    } else if (has("rock")) {
        PaintStone(canvas, c, 15, 11, Rgb(150, 146, 138), job.seed);
    } else if (has("vegetables")) {
        PaintVegetable(canvas, c, 9, Rgb(236, 120, 30));
    } else if (has("berries")) {
        for (int i = 0; i < 5; i++) {
            canvas.Ellipse({c.x - 8 + i * 4.0f, c.y + (i % 2) * 4.0f}, 4, 4, Rgb(170, 30, 70));
        }
    } else if (has("mushroom")) {
        canvas.RoundedBox(c.x - 3, c.y - 2, 6, 12, 2, Rgb(240, 230, 210));
        canvas.Ellipse({c.x, c.y - 3}, 12, 7, Rgb(200, 60, 40));
    } else if (has("dust") || has("relic") || has("guano")) {
        picture_job heap = job;
        heap.name = has("moon") ? "dust_moondust_ground" : "dust_stardust_ground";
        if (has("relic")) {
            heap.name = "relic_A";
            PaintRelic(canvas, heap, {c.x - 20, c.y - 16, 40, 32});
        } else {
            PaintDustHeap(canvas, heap, {area.x + 2, area.y + 8, area.w - 4, area.h - 10});
        }
        if (has("guano")) {
            canvas.Ellipse(c, 12, 8, Rgb(230, 230, 220));
        }
    } else {
        // The waters: a drop in the water's own colour.
        const paint_colour water = has("sea") ? Rgb(40, 120, 200) : has("rain") ? Rgb(150, 190, 240) : Rgb(80, 210, 220);
        canvas.Ellipse({c.x, c.y + 4}, 9, 9, water);
        canvas.Polygon({{c.x - 8, c.y + 1}, {c.x, c.y - 14}, {c.x + 8, c.y + 1}}, water);
    }
    std::vector<uint8_t>& pixels = canvas.Pixels();
    if (has("ghost") || has("roll")) {
        for (size_t i = 0; i < pixels.size(); i += 4) {
            if (has("ghost")) {
                // None in stock: a pale grey likeness that still reads on
                // the lab's dark buttons.
                const int grey = (pixels[i] + pixels[i + 1] + pixels[i + 2]) / 3;
                const uint8_t pale = static_cast<uint8_t>(std::min(255, 110 + grey / 2));
                pixels[i] = pixels[i + 1] = pale;
                pixels[i + 2] = static_cast<uint8_t>(std::min(255, pale + 12));
                pixels[i + 3] = static_cast<uint8_t>(pixels[i + 3] * 3 / 5);
            } else {
                for (int k = 0; k < 3; k++) {
                    pixels[i + k] = static_cast<uint8_t>(std::min(255, pixels[i + k] + 40));
                }
            }
        }
    }
}

void PaintBackdrop(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    if (job.name.rfind("loadingscreen_", 0) == 0) {
        PaintLoadingScreen(canvas, job, area);
        return;
    }
    // Sky over sea, a sandy island with a palm: a calm picture behind menus.
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                [&](float, float py) {
                    const float t = (py - area.y) / area.h;
                    return t < 0.55f ? Mix(Rgb(120, 180, 230), Rgb(200, 230, 250), t / 0.55f)
                                     : Mix(Rgb(40, 140, 200), Rgb(20, 70, 140), (t - 0.55f) / 0.45f);
                });
    // Frames of an animated backdrop differ by where the sun stands.
    const int frame = LastNumber(job.name, 0);
    const paint_point sun{area.x + area.w * (0.15f + 0.018f * (frame % 40)), area.y + area.h * 0.2f};
    canvas.Ellipse(sun, area.h * 0.07f, area.h * 0.07f, Rgb(255, 236, 140));
    const paint_point island{area.x + area.w * 0.5f, area.y + area.h * 0.6f};
    canvas.Ellipse(island, area.w * 0.3f, area.h * 0.06f, Rgb(236, 212, 150));
    canvas.Ellipse({island.x, island.y - area.h * 0.01f}, area.w * 0.2f, area.h * 0.035f, Rgb(90, 160, 60));
    if (HasOwnLabel(job)) {
        PaintLabel(canvas, job.label, {area.x, area.y + area.h * 0.1f, area.w, area.h * 0.25f}, kInk);
    }
}

void PaintFader(CPictureCanvas& canvas, const picture_job&, paint_box area)
{
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                [](float, float) { return Rgb(0, 0, 0, 140); });
}

bool PaintSymbol(CPictureCanvas& canvas, const std::string& symbol, paint_box room)
{
    const float s = std::min(room.w, room.h);
    const paint_point c{room.x + room.w / 2, room.y + room.h / 2};
    const paint_colour edge = Rgb(60, 44, 30);
    auto at = [&](float x, float y) { return paint_point{c.x + x * s / 2, c.y + y * s / 2}; };
    if (symbol == "star") {
        std::vector<paint_point> corners;
        for (int i = 0; i < 10; i++) {
            const float angle = -kPi / 2 + i * kPi / 5;
            const float r = i % 2 ? 0.42f : 0.95f;
            corners.push_back(at(r * std::cos(angle), r * std::sin(angle)));
        }
        canvas.OutlinedPolygon(corners, Rgb(255, 214, 70), edge, std::max(1.0f, s / 24));
    } else if (symbol == "moon") {
        const float r = s * 0.45f;
        const paint_point bite{c.x + r * 0.45f, c.y - r * 0.25f};
        auto inDisc = [](paint_point centre, float radius, float px, float py) {
            return (px - centre.x) * (px - centre.x) + (py - centre.y) * (py - centre.y) <= radius * radius;
        };
        canvas.Fill(c.x - r - 1, c.y - r - 1, c.x + r + 1, c.y + r + 1,
                    [&](float px, float py) { return inDisc(c, r, px, py) && !inDisc(bite, r * 0.8f, px, py); },
                    [&](float px, float py) {
                        const bool rim = !inDisc(c, r - 1.5f, px, py) || inDisc(bite, r * 0.8f + 1.5f, px, py);
                        return rim ? edge : Rgb(220, 226, 240);
                    });
    } else if (symbol == "map") {
        // A folded sheet with a dotted way to a cross.
        const std::vector<paint_point> sheet = {at(-0.85f, -0.6f), at(-0.3f, -0.75f), at(0.3f, -0.6f), at(0.85f, -0.75f),
                                                at(0.85f, 0.6f), at(0.3f, 0.75f), at(-0.3f, 0.6f), at(-0.85f, 0.75f)};
        canvas.OutlinedPolygon(sheet, Rgb(240, 226, 180), edge, std::max(1.0f, s / 28));
        canvas.Line(at(-0.3f, -0.75f), at(-0.3f, 0.6f), 1, Shade(edge, 1.6f));
        canvas.Line(at(0.3f, -0.6f), at(0.3f, 0.75f), 1, Shade(edge, 1.6f));
        for (int i = 0; i < 4; i++) {
            canvas.Ellipse(at(-0.6f + i * 0.22f, 0.35f - i * 0.18f), s / 28 + 0.5f, s / 28 + 0.5f, Rgb(150, 60, 40));
        }
        canvas.Line(at(0.32f, -0.45f), at(0.6f, -0.15f), std::max(1.5f, s / 16), Rgb(200, 40, 30));
        canvas.Line(at(0.6f, -0.45f), at(0.32f, -0.15f), std::max(1.5f, s / 16), Rgb(200, 40, 30));
    } else if (symbol == "lab") {
        picture_job flask{};
        flask.name = "flask";
        PaintFlask(canvas, flask, {c.x - s * 0.35f, c.y - s * 0.48f, s * 0.7f, s * 0.96f});
    } else if (symbol == "<" || symbol == ">" || symbol == "^" || symbol == "v") {
        // One arrow head, turned to point where the button leads.
        const paint_point tip = symbol == "<" ? at(-0.6f, 0) : symbol == ">" ? at(0.6f, 0) : symbol == "^" ? at(0, -0.6f) : at(0, 0.6f);
        const bool across = symbol == "<" || symbol == ">";
        const float back = symbol == "<" || symbol == "^" ? 0.5f : -0.5f;
        const paint_point a = across ? at(back, -0.55f) : at(-0.55f, back);
        const paint_point b = across ? at(back, 0.55f) : at(0.55f, back);
        canvas.OutlinedPolygon({tip, a, b}, Rgb(250, 240, 210), edge, std::max(1.0f, s / 20));
    } else if (symbol == "wood") {
        PaintLog(canvas, at(-0.8f, 0.35f), at(0.8f, -0.2f), s * 0.32f, Rgb(118, 78, 44));
        PaintLog(canvas, at(-0.7f, -0.2f), at(0.7f, -0.55f), s * 0.28f, Rgb(130, 88, 50));
    } else if (symbol == "rock") {
        PaintStone(canvas, at(-0.3f, 0.25f), s * 0.3f, s * 0.22f, Rgb(150, 146, 138), 7);
        PaintStone(canvas, at(0.35f, 0.3f), s * 0.26f, s * 0.2f, Rgb(130, 126, 120), 8);
        PaintStone(canvas, at(0.05f, -0.2f), s * 0.3f, s * 0.24f, Rgb(166, 160, 150), 9);
    } else if (symbol == "food") {
        PaintFish(canvas, at(0, -0.3f), s * 0.9f, 0.0f, Rgb(90, 130, 170), Rgb(230, 236, 240), true);
        PaintVegetable(canvas, at(-0.4f, 0.45f), s * 0.22f, Rgb(236, 120, 30));
        PaintVegetable(canvas, at(0.35f, 0.45f), s * 0.22f, Rgb(200, 40, 50));
    } else {
        return false;
    }
    return true;
}

void PaintPanel(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const std::string& n = job.name;
    auto starts = [&](const char* prefix) { return n.rfind(prefix, 0) == 0; };
    if (starts("islandselector_mainA")) {
        PaintCornerShade(canvas, area);
        return;
    }
    if (starts("personGUI_meter") || starts("loadingscreen_loading")) {
        PaintMeter(canvas, job, area);
        return;
    }
    if (starts("buildGUI_") && n.find("large") != std::string::npos) {
        // The build menu's large picture of the pointed item: its card
        // stands low in the picture, clear of the description set over the
        // picture's top; the shadow lies under the card.
        const paint_box card{area.x, area.y + 46, area.w, area.h - 46};
        if (n.find("shad") != std::string::npos) {
            canvas.RoundedBox(card.x + 6, card.y + 8, card.w - 6, card.h - 8, card.w * 0.15f, Rgb(0, 0, 0, 70));
        } else {
            PaintIcon(canvas, job, card);
        }
        return;
    }
    if (starts("sidebar_item_")) {
        PaintSidePanelPicture(canvas, job, area);
        return;
    }
    if (PaintSidePanelPiece(canvas, job, area)) {
        return;
    }
    const paint_colour panel = BoardPanelTone(n);
    if (PaintBoardPiece(canvas, job, area)) {
        if (starts("scilabGUI_main_B")) {
            // The lab names the waters and the dusts under their rows; the
            // three rows of main ingredients above them share one heading,
            // in the gap over the first row (the box stands at 154, 81, the
            // first row's buttons from y 111).
            PaintLettering(canvas, job.label, {area.x + 274 - 154, area.y + 96 - 81}, 13, Rgb(255, 255, 255));
        }
        if (starts("settings_main_B")) {
            // The settings page's three slider tracks, where a press moves a
            // knob: x 368-550 of the screen on the rows of the sound, music
            // and mouse-speed sliders (the panel stands at 215, 87).
            const float rows[3][2] = {{168, 183}, {208, 222}, {271, 283}};
            for (const auto& row : rows) {
                const float top = area.y + row[0] - 87, h = row[1] - row[0];
                canvas.RoundedBox(area.x + 368 - 215, top, 182, h, h / 2, Rgb(30, 20, 12));
                canvas.RoundedBox(area.x + 370 - 215, top + 2, 178, h - 4, h / 2 - 2, Shade(panel, 0.55f));
            }
        }
        return;
    }
    if (HasOwnLabel(job) && area.h < 48) {
        // A title plate: too low for a framed panel, so a band whose word
        // takes all its height. The band leaves the plate's left 12 px
        // clear, where the screens let other pieces reach under it.
        PaintStrip(canvas, {area.x + 12, area.y + 1, area.w - 16, area.h - 2}, panel, job.seed);
        PaintLabel(canvas, job.label, {area.x + 14, area.y, area.w - 20, area.h}, Rgb(255, 236, 190));
        return;
    }
    // Pieces that lie inside another piece of their screen continue its
    // panel: the tool-tip bar's and the tutorial boxes' inner pieces, the
    // trophy text box's description piece.
    if (starts("map_islandnamebox")) {
        // The plate, and to its right the rail along the island picture's
        // top, held by a bracket at each end: the left plate's first one
        // meets the list's board beside the picture, its last one the right
        // plate; the right plate's last one meets the board right of the
        // picture, past the window's edge.
        PaintBoard(canvas, {area.x + 200, area.y, area.w - 200 + 12, 28}, 0, panel, job.seed);
        PaintBoard(canvas, {area.x + 228, area.y, 40, 56}, 8, panel, job.seed);
        PaintBoard(canvas, {area.x + area.w - 40, area.y, 40, 56}, 8, panel, job.seed);
        PaintBoard(canvas, {area.x, area.y, 240, area.h}, 14, panel, job.seed);
        return;
    }
    if (starts("trophies_boxA")) {
        // The trophy's text box, as wide as its description piece: in the
        // pop-up both end where the pop-up's board ends, 15 px in from the
        // box's left edge.
        PaintBoard(canvas, {area.x + 15, area.y, area.w - 30, area.h}, 12, panel, job.seed);
        return;
    }
    if (starts("trophies_boxC")) {
        // The description piece fills the text box to its sides and nearly
        // to its bottom: it carries the box's frame down its sides and
        // along its bottom, its top running on into the box's panel.
        PaintBoard(canvas, {area.x, area.y - 20, area.w, area.h + 20}, 0, panel, job.seed);
        return;
    }
    const bool inner = starts("sidebar_info_top_B") || starts("sidebar_info_top_taller_B") ||
                       (starts("tutorial_box_") && n.find("_B.") != std::string::npos) || starts("loadingB_wood_B");
    if (inner) {
        // A timed message shows on a warmer ground than a tool-tip.
        const bool message = n.find("_B2") != std::string::npos;
        PaintPlainPanel(canvas, area, message ? Rgb(110, 64, 30) : panel, job.seed);
        return;
    }
    if (starts("tutorial_box_H_A")) {
        // The story's closing question: its box lies over the first panel's
        // last captions and must hide them whole, so it is square-cornered
        // and starts 4 px down, clear of the caption just above it.
        PaintBoard(canvas, {area.x, area.y + 4, area.w, area.h - 4}, 3, panel, job.seed);
        return;
    }
    if (starts("trophies_boxB")) {
        // An opaque picture: its corners show the box it lies in.
        PaintPlainPanel(canvas, area, panel, job.seed);
        PaintStrip(canvas, area, panel, job.seed);
        return;
    }
    if (starts("sidebar_info_top_")) {
        // The tool-tip bar hangs from the window's top edge: its frame runs
        // off the top.
        PaintBoard(canvas, {area.x, area.y - 12, area.w, area.h + 12}, 14, panel, job.seed);
        return;
    }
    if (starts("sidebar_info_detail")) {
        // The side panel's name plate ends where the lab and make-clothes
        // buttons begin, and its one line of name stands 14 px below its
        // top: a full frame would run through the letters' feet. A rail
        // along its top lowers the face to stand round the name.
        PaintSlimBoard(canvas, {area.x, area.y + 5, area.w, area.h - 5}, 8, panel, job.seed);
        PaintStrip(canvas, {area.x, area.y, area.w, 11}, panel, job.seed);
        return;
    }
    if (starts("sidebar_info_wood") || starts("sidebar_info_stone") || starts("sidebar_info_food")) {
        // The stock plates rise from the window's bottom edge: their frame
        // runs off the bottom, so the count on them stands clear of it.
        PaintBoard(canvas, {area.x, area.y, area.w, area.h + 12}, 12, panel, job.seed);
        PaintSymbol(canvas, job.label, {area.x + 10, area.y + 9, 32, 32});
        return;
    }
    const float radius = job.opaque ? 0.0f : std::min(18.0f, std::min(area.w, area.h) * 0.2f);
    PaintBoard(canvas, area, radius, panel, job.seed);
    if (HasOwnLabel(job)) {
        PaintLabel(canvas, job.label, {area.x + 8, area.y + 8, area.w - 16, std::min(40.0f, area.h - 16)}, kInk);
    } else if (!job.readable) {
        // A counter plate shows what it counts at its left; its number
        // stands on the right.
        PaintSymbol(canvas, job.label, {area.x + 10, area.y + 8, area.h - 16, area.h - 16});
    }
}

void PaintButton(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const bool shadow = job.name.find("_shad") != std::string::npos;
    const int roll = job.name.find("_roll") != std::string::npos ? std::max(1, LastNumber(job.name, 1)) : 0;
    const float radius = std::min(area.w, area.h) * 0.3f;
    if (shadow) {
        const paint_box face = ButtonFace(job.name, area);
        canvas.RoundedBox(face.x + 3, face.y + 4, face.w - 4, face.h - 4, radius, Rgb(0, 0, 0, 90));
        return;
    }
    const paint_colour tone = Shade(BoardButtonTone(job.name), 1.0f + 0.02f * roll);
    const bool ticked = job.name.find("0B") != std::string::npos ||
                        (job.name.find("_checked") != std::string::npos) ||
                        (job.name.find("chkbox") != std::string::npos && job.name.find("B_") != std::string::npos);
    if (job.name.find("chkbox") != std::string::npos || job.name.find("checkbox") != std::string::npos) {
        // A tick box: the B face is ticked.
        const float s = std::min(area.w, area.h) - 4;
        canvas.RoundedBox(area.x + 1, area.y + 1, s + 2, s + 2, 3, Rgb(60, 44, 30));
        canvas.RoundedBox(area.x + 2, area.y + 2, s, s, 2, Shade(kParchment, 1.0f + 0.03f * roll));
        if (ticked) {
            const paint_colour tick = Rgb(40, 130, 50);
            canvas.Line({area.x + s * 0.3f, area.y + s * 0.55f}, {area.x + s * 0.5f, area.y + s * 0.8f}, 3, tick);
            canvas.Line({area.x + s * 0.5f, area.y + s * 0.8f}, {area.x + s * 0.95f, area.y + s * 0.2f}, 3, tick);
        }
        return;
    }
    // A raised face: a dark rim (golden while pointed at), lit from above,
    // deep enough at its middle that the light label on it reads.
    const paint_box face = ButtonFace(job.name, area);
    const paint_colour rim = roll ? Mix(Rgb(96, 64, 12), Rgb(196, 148, 40), 0.2f * roll) : Shade(tone, 0.4f);
    canvas.RoundedBox(face.x + 1, face.y + 1, face.w - 4, face.h - 4, radius, rim);
    const float l = face.x + 3, t = face.y + 3, w = face.w - 8, h = face.h - 8;
    const float r = std::max(1.0f, radius - 2);
    canvas.Fill(l, t, l + w, t + h,
                [&](float px, float py) {
                    const float dx = std::max(0.0f, std::fabs(px - (l + w / 2)) - (w / 2 - r));
                    const float dy = std::max(0.0f, std::fabs(py - (t + h / 2)) - (h / 2 - r));
                    return px >= l && py >= t && px <= l + w && py <= t + h && dx * dx + dy * dy <= r * r;
                },
                [&](float, float py) {
                    const float down = (py - t) / h;
                    // A bright lip along the top that fades in a few rows,
                    // so a label set high on the face meets no hard line.
                    const float lip = std::max(0.0f, 0.3f - (py - t) * 0.07f);
                    return Mix(Shade(tone, 1.16f - 0.4f * down), Rgb(255, 255, 255), lip);
                });
    if (HasOwnLabel(job)) {
        PaintLabel(canvas, job.label, {area.x + 4, area.y + 3, area.w - 10, area.h - 8}, kInk);
    } else if (!job.readable) {
        // A button the game gives no text label shows its symbol instead.
        const float face = std::min(area.w - 10, area.h - 8) * 0.8f;
        PaintSymbol(canvas, job.label,
                    {area.x + 3 + (area.w - 8 - face) / 2, area.y + 3 + (area.h - 8 - face) / 2, face, face});
    }
    // The stardust and moondust counts stand low at the buttons' right,
    // where the round corner would leave them over whatever the island
    // shows: a dark tag at that corner keeps every digit on the button.
    if (job.name.rfind("sidebar_button_star", 0) == 0 || job.name.rfind("sidebar_button_moon", 0) == 0) {
        const paint_box tag{area.x + 26, area.y + 52, area.w - 26, area.h - 52};
        canvas.RoundedBox(tag.x, tag.y, tag.w, tag.h, 2, rim);
        canvas.RoundedBox(tag.x + 1, tag.y + 1, tag.w - 2, tag.h - 2, 1, Shade(tone, 0.6f));
    }
}

void PaintFrame(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    if (job.name.rfind("scilabGUI_button_selector_", 0) == 0) {
        // The lab's chosen ingredient glows at its sides and below: the
        // ingredients' names stand just above them, so the halo leaves the
        // top open and fades gently, meeting no name with a hard line.
        canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                    [&](float px, float py) {
                        const float edge = std::min({px - area.x, area.x + area.w - px, area.y + area.h - py});
                        const float a = std::clamp((edge - 1.0f) / 8.0f, 0.0f, 1.0f);
                        const float top = std::clamp((py - area.y - 8.0f) / 10.0f, 0.0f, 1.0f);
                        return Rgb(255, 222, 96, static_cast<int>(80 * 4 * a * (1.0f - a) * top));
                    });
        return;
    }
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h,
                [&](float px, float py) {
                    const float edge = std::min({px - area.x, py - area.y, area.x + area.w - px, area.y + area.h - py});
                    return edge >= 0 && edge < 3;
                },
                [](float, float) { return Rgb(255, 222, 96, 230); });
}

void PaintMedal(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const paint_point c{area.x + area.w / 2, area.y + area.h / 2};
    const float r = std::min(area.w, area.h) / 2 - 2;
    const paint_colour metal = job.name.find("disc") != std::string::npos ? ScreenTone(job.name + "x") : Rgb(232, 186, 60);
    canvas.Ellipse(c, r + 1.5f, r + 1.5f, Shade(metal, 0.4f));
    canvas.Ellipse(c, r, r, metal);
    canvas.Ring(c, r * 0.85f, r * 0.85f, std::max(1.0f, r / 14), Shade(metal, 0.75f));
    canvas.Ellipse({c.x - r * 0.35f, c.y - r * 0.4f}, r * 0.2f, r * 0.12f, Shade(metal, 1.3f));
    if (HasOwnLabel(job)) {
        PaintLabel(canvas, job.label, {c.x - r * 0.8f, c.y - r * 0.4f, r * 1.6f, r * 0.8f}, kInk);
    }
}

void PaintGlow(CPictureCanvas& canvas, const picture_job&, paint_box area)
{
    const paint_point c{area.x + area.w / 2, area.y + area.h / 2};
    for (int i = 0; i < 6; i++) {
        const float r = (area.w / 2 - 1) * (1.0f - i * 0.14f);
        canvas.Ellipse(c, r, r, Rgb(255, 240, 160, 30));
    }
}
