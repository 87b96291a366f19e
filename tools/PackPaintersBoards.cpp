// Painters of the screens' boards. A screen sets its panel in several
// pieces; each piece is drawn as its part of one board, from the places the
// screen gives the pieces, so that together they show one framed panel with
// a box only round what the screen puts inside it, and plain panel
// elsewhere. The panels are deep in tone under frames of dark wood, so that
// the game's light lettering reads on them.
#include "CPackRandom.h"
#include "PackPainters.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const paint_colour kFrameDark = Rgb(54, 34, 20);
const paint_colour kFrameWood = Rgb(132, 88, 50);
const paint_colour kFrameLit = Rgb(178, 128, 76);

enum class Look {
    Board,  // a framed panel
    Slim,   // a framed panel whose frame is half as wide, for plates too low for the full one
    Well,   // a box sunk into the panel round something the screen puts there
    Strip,  // a rounded band round a title
    Window, // a frame round an opening the screen fills from below (a picture shown under the board)
    Hole,   // left open: something the screen draws below the board shows through
    Plain,  // panel without a frame
    Water,  // the deep blue of the sea round the island chooser's picture, carried on under its name
    Compass,  // a chart's compass rose, faint on the panel: what a navigator keeps beside the islands
    Plate,  // the wooden plate under the chooser's island name, carried on where it crosses the sea strip
    Rays,   // soft light fanning up from the middle of the box's bottom edge, over the panel
};

struct board_shape {
    float x, y, w, h;  // screen pixels
    Look look;
    float radius;
};

struct board_piece {
    const char* name;  // the picture's name without its extension
    float x, y;        // where its screen sets the piece's top-left corner
};

struct screen_board {
    std::vector<board_piece> pieces;
    std::vector<board_shape> shapes;  // drawn in order
};

// The pieces of the screens that set their panel in several parts, at the
// places those screens give them, and what the board shows round the things
// they hold.
const std::vector<screen_board>& ScreenBoards()
{
    static const std::vector<screen_board> boards = {
        // The pop-up question in its two sizes: the inner piece is the
        // board's own panel, tall enough to take the buttons.
        {{{"dialog_main_A_A", 232, 135}, {"dialog_main_A_B", 243, 147}},
         {{232, 135, 340, 286, Look::Board, 18}}},
        {{{"dialog_main_B_A", 197, 98}, {"dialog_main_B_B", 210, 112}},
         {{197, 98, 410, 330, Look::Board, 18}}},
        // The build menu: the item grid and the pointed item's details each
        // in a box.
        {{{"buildGUI_mainA", 118, 66}, {"buildGUI_mainB", 142, 102}, {"buildGUI_mainC", 146, 480},
          {"buildGUI_mainD", 456, 480}},
         {{118, 66, 600, 480, Look::Board, 18}, {132, 86, 302, 412, Look::Well, 10},
          {438, 104, 256, 334, Look::Well, 10}}},
        // The islander detail screen: the portrait with its arrows and the
        // clothes button in one box, the islander's particulars in another;
        // the skill meters show through the board's opening below them.
        {{{"personGUI_mainA", 115, 28}, {"personGUI_mainB", 136, 144}, {"personGUI_mainC", 180, 53},
          {"personGUI_mainD", 367, 72}, {"personGUI_mainE", 125, 315}, {"personGUI_mainF", 133, 344},
          {"personGUI_mainG", 592, 320}, {"personGUI_mainH", 138, 482}},
         {{115, 28, 570, 520, Look::Board, 18}, {296, 337, 292, 145, Look::Hole, 0},
          {134, 46, 236, 276, Look::Well, 10}, {374, 62, 304, 260, Look::Well, 10}}},
        // The island chooser: a frame round the island's picture, the
        // left panel's groups each in a box, the title on a band.
        {{{"islandselector_mainB", 0, 0}, {"islandselector_mainC", 286, 0}, {"islandselector_mainD", 773, 0},
          {"islandselector_mainE", 0, 507}},
         {{-12, -12, 824, 624, Look::Board, 0}, {287, 20, 486, 491, Look::Window, 0},
          {287, 507, 486, 2, Look::Water, 0}, {444, 488, 172, 23, Look::Plate, 0}, {53, 68, 180, 180, Look::Compass, 0},
          {14, 12, 258, 36, Look::Strip, 0}, {16, 268, 254, 96, Look::Well, 10},
          {16, 368, 254, 64, Look::Well, 10}, {8, 438, 270, 67, Look::Well, 10}}},
        // The crate screen and the quit dialog: a niche for the picture and
        // the islander over the board with the text and the answers.
        {{{"crateGUI_main_A", 175, 83}, {"crateGUI_main_B1", 222, 282}, {"crateGUI_main_C1", 239, 282},
          {"crateGUI_main_B2", 222, 282}, {"crateGUI_main_C2", 239, 282}, {"crateGUI_blank", 368, 200}},
         {{308, 158, 150, 136, Look::Board, 16}, {222, 282, 347, 206, Look::Board, 0}}},
        // The trophy pop-up: the heading on a band, the disc on plain panel
        // in a glow of rays rising from it to the heading.
        {{{"trophy_unlocked_main_A", 198, 45}, {"trophy_unlocked_main_B", 261, 53},
          {"trophy_unlocked_main_C", 293, 215}},
         {{198, 45, 404, 480, Look::Board, 20}, {206, 60, 388, 190, Look::Rays, 0},
          {261, 53, 278, 50, Look::Strip, 0}}},
        // Settings, credits and the in-game menu: one board each.
        {{{"settings_main_A", 190, 57}, {"settings_main_B", 215, 87}}, {{190, 57, 430, 500, Look::Board, 24}}},
        {{{"credits_mainA", 119, 58}, {"credits_mainB", 144, 84}}, {{119, 58, 560, 470, Look::Board, 24}}},
        // Profiles: the list of players in a box with its arrows.
        {{{"profile_mainA", 230, 106}, {"profile_mainB", 241, 132}},
         {{230, 106, 340, 372, Look::Board, 22}, {260, 166, 300, 160, Look::Well, 8}}},
        // The research screen and the hut chooser (its huts in a box).
        {{{"science_main_A", 110, 54}, {"science_main_B", 133, 92}}, {{110, 54, 580, 500, Look::Board, 24}}},
        {{{"hutselect_main_A", 186, 188}, {"hutselect_main_B", 227, 245}},
         {{186, 188, 420, 230, Look::Board, 18}, {227, 245, 340, 100, Look::Well, 8}}},
        // The potion lab: the ingredients in a box.
        {{{"scilabGUI_main_A", 130, 41}, {"scilabGUI_main_B", 154, 81}},
         {{130, 41, 540, 545, Look::Board, 24}, {154, 81, 240, 350, Look::Well, 10}}},
        // The clothes designer: the orders in a box, the quick colours in a
        // box with their title band.
        {{{"clothtarr_mainback_A", 42, 0}, {"clothtarr_mainback_B", 103, 47}},
         {{42, 0, 720, 570, Look::Board, 24}, {398, 72, 340, 164, Look::Well, 10}}},
        // Its title band stands inside the box, clear of the box's rim.
        {{{"clothtarr_main_A", 100, 295}, {"clothtarr_main_B", 111, 302}, {"clothtarr_main_C", 107, 362}},
         {{100, 295, 320, 205, Look::Hole, 0}, {100, 295, 320, 205, Look::Well, 12},
          {111, 304, 190, 50, Look::Strip, 0}}},
        // The instructions: the page in a box over the board.
        {{{"instructions_main_A", 2, 0}, {"instructions_main_B", 25, 26}},
         {{2, 0, 796, 600, Look::Board, 24}, {25, 26, 750, 490, Look::Well, 10}}},
        // The flower panel, fastened to the window's left edge.
        {{{"flowerGUI_main_A", 0, 86}, {"flowerGUI_main_B", 0, 129}}, {{-14, 86, 152, 293, Look::Board, 14}}},
        // The island map: the list of figures on its board, and a board
        // round the island's picture (shown from below through an opening,
        // its frame laid 2 px over the picture's edge) on every side but the
        // top, which the name plates' rail frames; it runs on past the
        // window's right edge.
        {{{"map_listbox_A", 2, 54}, {"map_listbox_B", 11, 63}},
         {{278, 8, 540, 592, Look::Board, 18}, {287, 20, 488, 488, Look::Hole, 0}, {289, 22, 484, 484, Look::Window, 0},
          {2, 54, 280, 546, Look::Board, 18}}},
    };
    return boards;
}

std::string Stem(const std::string& name)
{
    return name.substr(0, name.rfind('.'));
}

// Per screen a deep tone, so the screens differ but each agrees with itself.
paint_colour PanelTone(const std::string& name)
{
    const paint_colour tones[] = {Rgb(100, 70, 46), Rgb(44, 78, 88), Rgb(84, 62, 96), Rgb(62, 82, 52)};
    const size_t cut = name.find('_');
    return tones[CPackRandom::HashName(name.substr(0, cut)) % 4];
}

// The grain follows the screen, not the piece (dx, dy: where the canvas's
// origin lies on the screen), so that pieces of one board meet seamlessly.
void FillPanel(CPictureCanvas& canvas, paint_box box, float radius, paint_colour panel, uint64_t seed, float dx = 0,
               float dy = 0)
{
    canvas.Fill(box.x, box.y, box.x + box.w, box.y + box.h,
                [&](float px, float py) {
                    if (px < box.x || py < box.y || px > box.x + box.w || py > box.y + box.h) {
                        return false;
                    }
                    const float r = std::min(radius, std::min(box.w, box.h) / 2);
                    const float dx = std::max(0.0f, std::fabs(px - (box.x + box.w / 2)) - (box.w / 2 - r));
                    const float dy = std::max(0.0f, std::fabs(py - (box.y + box.h / 2)) - (box.h / 2 - r));
                    return dx * dx + dy * dy <= r * r;
                },
                [&](float px, float py) {
                    // A faint grain along the boards, too soft to read as an edge.
                    const int sx = static_cast<int>(std::floor(px + dx)), sy = static_cast<int>(std::floor(py + dy));
                    const float grain = 0.03f * std::sin(sy * 0.9f + 3.0f * PixelNoise(0, sy, seed));
                    const float speck = 0.02f * PixelNoise(sx, sy, seed);
                    return Shade(panel, 0.98f + grain + speck);
                });
}

// A bevelled band of width w just inside box: lit towards the upper left,
// in shade towards the lower right.
void PaintBevel(CPictureCanvas& canvas, paint_box box, float radius, float w, paint_colour lit, paint_colour shade)
{
    const float r = std::min(radius, std::min(box.w, box.h) / 2);
    auto inRound = [&](paint_box b, float rr, float px, float py) {
        if (px < b.x || py < b.y || px > b.x + b.w || py > b.y + b.h) {
            return false;
        }
        rr = std::max(0.0f, std::min(rr, std::min(b.w, b.h) / 2));
        const float dx = std::max(0.0f, std::fabs(px - (b.x + b.w / 2)) - (b.w / 2 - rr));
        const float dy = std::max(0.0f, std::fabs(py - (b.y + b.h / 2)) - (b.h / 2 - rr));
        return dx * dx + dy * dy <= rr * rr;
    };
    const paint_box inner{box.x + w, box.y + w, box.w - 2 * w, box.h - 2 * w};
    canvas.Fill(box.x, box.y, box.x + box.w, box.y + box.h,
                [&](float px, float py) { return inRound(box, r, px, py) && !inRound(inner, r - w, px, py); },
                [&](float px, float py) {
                    const float fromTopLeft = (px - box.x) / box.w + (py - box.y) / box.h;
                    return fromTopLeft < 1.0f ? lit : shade;
                });
}

// Dark edge, a bevelled wooden band of width `band`, a dark seam, then the
// panel: the edge and the seam are each `edge` wide.
void PaintFramedPanel(CPictureCanvas& canvas, paint_box box, float radius, float edge, float band, paint_colour panel,
                      uint64_t seed, float dx, float dy)
{
    const float seam = edge + band, inside = 2 * edge + band;
    canvas.RoundedBox(box.x, box.y, box.w, box.h, radius, kFrameDark);
    PaintBevel(canvas, {box.x + edge, box.y + edge, box.w - 2 * edge, box.h - 2 * edge}, radius - edge, band,
               kFrameLit, kFrameWood);
    canvas.RoundedBox(box.x + seam, box.y + seam, box.w - 2 * seam, box.h - 2 * seam, std::max(0.0f, radius - seam),
                      kFrameDark);
    FillPanel(canvas, {box.x + inside, box.y + inside, box.w - 2 * inside, box.h - 2 * inside},
              std::max(0.0f, radius - inside), panel, seed, dx, dy);
}

void PaintShape(CPictureCanvas& canvas, const board_shape& s, float dx, float dy, paint_colour panel, uint64_t seed)
{
    const paint_box box{s.x - dx, s.y - dy, s.w, s.h};
    switch (s.look) {
    case Look::Board:
        PaintFramedPanel(canvas, box, s.radius, 2, 3, panel, seed, dx, dy);
        break;
    case Look::Slim:
        PaintFramedPanel(canvas, box, s.radius, 1, 2, panel, seed, dx, dy);
        break;
    case Look::Well:
        canvas.RoundedBox(box.x, box.y, box.w, box.h, s.radius, kFrameDark);
        PaintBevel(canvas, {box.x + 1, box.y + 1, box.w - 2, box.h - 2}, s.radius - 1, 2, Shade(panel, 0.55f),
                   Shade(panel, 1.35f));
        FillPanel(canvas, {box.x + 3, box.y + 3, box.w - 6, box.h - 6}, std::max(0.0f, s.radius - 3),
                  Shade(panel, 0.82f), seed + 1, dx, dy);
        break;
    case Look::Strip: {
        const float r = box.h / 2;
        canvas.RoundedBox(box.x, box.y, box.w, box.h, r, kFrameDark);
        PaintBevel(canvas, {box.x + 1, box.y + 1, box.w - 2, box.h - 2}, r - 1, 2, kFrameLit, kFrameWood);
        FillPanel(canvas, {box.x + 3, box.y + 3, box.w - 6, box.h - 6}, r - 3, Shade(panel, 0.75f), seed + 2, dx, dy);
        break;
    }
    case Look::Window:
        // A bevelled band round the opening, on the board's side of it.
        PaintBevel(canvas, {box.x - 5, box.y - 5, box.w + 10, box.h + 10}, 0, 3, kFrameWood, kFrameLit);
        canvas.Fill(box.x - 2, box.y - 2, box.x + box.w + 2, box.y + box.h + 2,
                    [&](float px, float py) {
                        return px >= box.x - 2 && py >= box.y - 2 && px <= box.x + box.w + 2 &&
                               py <= box.y + box.h + 2 &&
                               !(px > box.x && py > box.y && px < box.x + box.w && py < box.y + box.h);
                    },
                    [](float, float) { return kFrameDark; });
        break;
    case Look::Hole:
        canvas.Clear(box.x, box.y, box.w, box.h);
        break;
    case Look::Plain:
        FillPanel(canvas, box, s.radius, panel, seed, dx, dy);
        break;
    case Look::Water:
        canvas.RoundedBox(box.x, box.y, box.w, box.h, 0, Rgb(30, 72, 176));
        break;
    case Look::Plate:
        canvas.Fill(box.x, box.y, box.x + box.w, box.y + box.h,
                    [&](float px, float py) {
                        return px >= box.x && py >= box.y && px <= box.x + box.w && py <= box.y + box.h;
                    },
                    [&](float px, float py) {
                        const bool rim = px < box.x + 1 || px > box.x + box.w - 1 || py < box.y + 1;
                        return rim ? kNamePlateRim : NamePlateWood(px + dx, py + dy);
                    });
        break;
    case Look::Rays: {
        // Twelve broad beams, their sides soft so that no edge runs through
        // what stands on them, fading with the distance from their source.
        const paint_point c{box.x + box.w / 2, box.y + box.h};
        const float reach = std::max(box.w / 2, box.h);
        canvas.Fill(box.x, box.y, box.x + box.w, box.y + box.h,
                    [&](float px, float py) {
                        return px >= box.x && py >= box.y && px <= box.x + box.w && py <= box.y + box.h;
                    },
                    [&](float px, float py) {
                        const float dx = px - c.x, dy = py - c.y;
                        const float beam = std::pow(std::max(0.0f, std::cos(12 * std::atan2(dx, -dy))), 2.0f);
                        const float fade = std::max(0.0f, 1 - std::sqrt(dx * dx + dy * dy) / reach);
                        return Rgb(255, 236, 170, static_cast<int>(40 * beam * fade));
                    });
        break;
    }
    case Look::Compass: {
        const paint_point c{box.x + box.w / 2, box.y + box.h / 2};
        const float r = std::min(box.w, box.h) / 2;
        const paint_colour ink = Shade(panel, 1.5f), faint = Shade(panel, 1.25f), deep = Shade(panel, 0.7f);
        canvas.Ring(c, r, r, 2, faint);
        canvas.Ring(c, r * 0.78f, r * 0.78f, 1, faint);
        for (int i = 0; i < 32; i++) {
            const float a = i * 3.14159f / 16;
            const float inner = i % 4 == 0 ? 0.86f : 0.92f;
            canvas.Line({c.x + std::cos(a) * r * inner, c.y + std::sin(a) * r * inner},
                        {c.x + std::cos(a) * r, c.y + std::sin(a) * r}, 1, faint);
        }
        // Eight points, the four main ones long, each half lit and half in shade.
        for (int i = 0; i < 8; i++) {
            const float a = i * 3.14159f / 4 - 3.14159f / 2;
            const float length = (i % 2 ? 0.5f : 0.76f) * r, waist = (i % 2 ? 0.08f : 0.12f) * r;
            const paint_point tip{c.x + std::cos(a) * length, c.y + std::sin(a) * length};
            const paint_point left{c.x + std::cos(a - 1.5708f) * waist, c.y + std::sin(a - 1.5708f) * waist};
            const paint_point right{c.x + std::cos(a + 1.5708f) * waist, c.y + std::sin(a + 1.5708f) * waist};
            canvas.Polygon({c, left, tip}, i % 2 ? faint : ink);
            canvas.Polygon({c, tip, right}, deep);
        }
        canvas.Ellipse(c, r * 0.06f, r * 0.06f, ink);
        break;
    }
    }
}

// A button face of a colour that stands apart from its screen's panel.
paint_colour ButtonTone(const std::string& name)
{
    const paint_colour tones[] = {Rgb(30, 88, 100), Rgb(122, 70, 28), Rgb(38, 88, 48), Rgb(98, 54, 94)};
    const size_t cut = name.find('_');
    return tones[CPackRandom::HashName(name.substr(0, cut)) % 4];
}

}  // namespace

paint_colour NamePlateWood(float screenX, float screenY)
{
    // The grain follows the screen, so that the plate's pieces in two
    // pictures meet without a seam.
    const float grain = 0.9f + 0.14f * PixelNoise(static_cast<int>(std::floor(screenX)) / 4,
                                                   static_cast<int>(std::floor(screenY)), 0x9a7e);
    return Shade(Rgb(84, 56, 34), grain);
}

paint_colour BoardPanelTone(const std::string& name)
{
    return PanelTone(name);
}

paint_colour BoardButtonTone(const std::string& name)
{
    return ButtonTone(name);
}

void PaintBoard(CPictureCanvas& canvas, paint_box box, float radius, paint_colour panel, uint64_t seed)
{
    PaintShape(canvas, {box.x, box.y, box.w, box.h, Look::Board, radius}, 0, 0, panel, seed);
}

void PaintSlimBoard(CPictureCanvas& canvas, paint_box box, float radius, paint_colour panel, uint64_t seed)
{
    PaintShape(canvas, {box.x, box.y, box.w, box.h, Look::Slim, radius}, 0, 0, panel, seed);
}

void PaintWell(CPictureCanvas& canvas, paint_box box, float radius, paint_colour panel, uint64_t seed)
{
    PaintShape(canvas, {box.x, box.y, box.w, box.h, Look::Well, radius}, 0, 0, panel, seed);
}

void PaintStrip(CPictureCanvas& canvas, paint_box box, paint_colour panel, uint64_t seed)
{
    PaintShape(canvas, {box.x, box.y, box.w, box.h, Look::Strip, 0}, 0, 0, panel, seed);
}

void PaintPlainPanel(CPictureCanvas& canvas, paint_box box, paint_colour panel, uint64_t seed)
{
    FillPanel(canvas, box, 0, panel, seed);
}

bool PaintBoardPiece(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const std::string stem = Stem(job.name);
    for (const screen_board& board : ScreenBoards()) {
        for (const board_piece& piece : board.pieces) {
            if (stem != piece.name) {
                continue;
            }
            // One tone and one grain for the whole board, whichever piece.
            const paint_colour panel = PanelTone(board.pieces.front().name);
            const uint64_t seed = CPackRandom::HashName(board.pieces.front().name);
            for (const board_shape& shape : board.shapes) {
                PaintShape(canvas, shape, piece.x - area.x, piece.y - area.y, panel, seed);
            }
            return true;
        }
    }
    return false;
}
