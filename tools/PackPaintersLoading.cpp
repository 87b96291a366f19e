// The loading screen of start-up: a morning over the sea with the island
// the band will land on, the game's name over it and a groove in a wooden
// plate where the progress bar fills. The logo frames the engine plays at
// (160, 77) are cut from the same scene, the sun climbing and the name
// rising into place as they go, so they sit in the picture without a seam.
//
// And the island's loading banner: a strip of sea across its board, set in
// two pictures that meet without a seam, and the boat that sails along it
// as the island is made, its hull down in the water.
#include "PackLettering.h"
#include "PackPainters.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr float kPi = 3.14159265f;
const int kScreenW = 800, kScreenH = 600;
const float kLogoX = 160, kLogoY = 77;
const int kLastLogoFrame = 37;
// The progress bar's place on the screen and its size.
const float kBarX = 354, kBarY = 539, kBarW = 92, kBarH = 18;
const float kHorizon = 318;

float SmoothStep(float edge0, float edge1, float v)
{
    const float t = std::clamp((v - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// The sea darkens towards the viewer, deep enough under the hint and the
// bar that light lettering reads on it; the sun's path glitters on it near
// the horizon.
paint_colour SeaAt(float px, float py, float sunX)
{
    const float t = (py - kHorizon) / (kScreenH - kHorizon);
    paint_colour sea = Mix(Rgb(58, 150, 196), Rgb(16, 48, 96), std::sqrt(std::max(0.0f, t)));
    const float path = std::max(0.0f, 1.0f - std::fabs(px - sunX) / (40.0f + 160.0f * t));
    const float ripple = 0.5f + 0.5f * std::sin(py * 1.7f + std::sin(px * 0.09f) * 3.0f);
    const float glitter = path * ripple * std::max(0.0f, 1.0f - t * 2.2f);
    sea = Mix(sea, Rgb(255, 240, 196), glitter * 0.7f);
    // Long swells.
    const float swell = std::sin(py * 0.45f + 2.0f * std::sin(px * 0.02f + py * 0.05f));
    return Shade(sea, 1.0f + 0.05f * swell * (1.0f - t));
}

void PaintSkyAndSea(CPictureCanvas& canvas, paint_point sun)
{
    canvas.Fill(0, 0, kScreenW, kScreenH, [](float, float) { return true; }, [&](float px, float py) {
        if (py < kHorizon) {
            const float t = py / kHorizon;
            paint_colour sky = Mix(Rgb(70, 140, 214), Rgb(252, 214, 160), t * t);
            // The sun's glow spreads over the sky round it.
            const float glow = std::max(0.0f, 1.0f - std::hypot(px - sun.x, py - sun.y) / 260.0f);
            return Mix(sky, Rgb(255, 236, 178), glow * glow * 0.8f);
        }
        return SeaAt(px, py, sun.x);
    });
}

void PaintSun(CPictureCanvas& canvas, paint_point sun)
{
    for (int i = 0; i < 12; i++) {
        const float a = i * kPi / 6;
        const paint_point tip{sun.x + std::cos(a) * 70, sun.y + std::sin(a) * 70};
        const paint_point left{sun.x + std::cos(a - 0.1f) * 40, sun.y + std::sin(a - 0.1f) * 40};
        const paint_point right{sun.x + std::cos(a + 0.1f) * 40, sun.y + std::sin(a + 0.1f) * 40};
        canvas.Polygon({left, tip, right}, Rgb(255, 244, 200, 70));
    }
    canvas.Ellipse(sun, 38, 38, Rgb(255, 226, 120));
    canvas.Ellipse({sun.x - 6, sun.y - 6}, 28, 28, Rgb(255, 240, 170));
    // Under the horizon the sun is hidden by the sea drawn over it.
}

void PaintClouds(CPictureCanvas& canvas)
{
    const struct {
        float x, y, w, h;
        uint64_t seed;
    } clouds[] = {{40, 60, 200, 90, 11}, {560, 40, 220, 100, 12}, {300, 180, 150, 64, 13}, {620, 200, 130, 56, 14}};
    for (const auto& c : clouds) {
        picture_job cloud{};
        cloud.name = "cloud.png";
        cloud.seed = c.seed;
        PaintCloud(canvas, cloud, {c.x, c.y, c.w, c.h});
    }
}

void PaintIsland(CPictureCanvas& canvas)
{
    const paint_point c{400, kHorizon + 30};
    // Surf round the island, then its sand and its grass.
    canvas.Ellipse({c.x, c.y + 6}, 212, 30, Rgb(236, 248, 252, 200));
    canvas.Ellipse(c, 200, 26, Rgb(240, 216, 156));
    canvas.Ellipse({c.x - 10, c.y - 8}, 150, 20, Rgb(96, 170, 64));
    canvas.Ellipse({c.x - 20, c.y - 14}, 110, 14, Rgb(112, 186, 72));
    // Two palms lean over the beach.
    const struct {
        float x, y, scale;
        int style;
    } palms[] = {{318, c.y - 150, 0.62f, 5}, {448, c.y - 126, 0.52f, 6}};
    for (const auto& palm : palms) {
        // The trunk's picture and the crown's, set as the island sets them:
        // the crown's anchor on the trunk's.
        const paint_point trunkAnchor = palm.style == 5 ? paint_point{17, 2} : paint_point{86, 3};
        const paint_point leafAnchor{102, 50};
        const float trunkW = palm.style == 5 ? 208 : 52, trunkH = palm.style == 5 ? 232 : 240;
        picture_job trunk{};
        trunk.name = "tree_size0_trunk" + std::to_string(palm.style) + "_chop0.png";
        trunk.width = static_cast<int>(trunkW);
        trunk.height = static_cast<int>(trunkH);
        trunk.seed = 21 + palm.style;
        PaintTreeTrunk(canvas, trunk, {palm.x, palm.y, trunkW * palm.scale, trunkH * palm.scale});
        picture_job crown{};
        crown.name = "tree_size0_leaf" + std::to_string(palm.style - 5) + ".png";
        crown.width = 220;
        crown.height = 200;
        crown.seed = 31 + palm.style;
        const float s = palm.scale;
        PaintTreeCrown(canvas, crown,
                       {palm.x + (trunkAnchor.x - leafAnchor.x) * s, palm.y + (trunkAnchor.y - leafAnchor.y) * s,
                        220 * s, 200 * s});
    }
}

// The wooden plate round the progress bar's groove, below the hint.
void PaintBarPlate(CPictureCanvas& canvas)
{
    const float pad = 7;
    canvas.RoundedBox(kBarX - pad - 2, kBarY - pad - 2, kBarW + 2 * pad + 4, kBarH + 2 * pad + 4, 12, Rgb(40, 26, 14));
    canvas.Fill(kBarX - pad, kBarY - pad, kBarX + kBarW + pad, kBarY + kBarH + pad,
                [&](float px, float py) {
                    const float r = 10;
                    const paint_box b{kBarX - pad, kBarY - pad, kBarW + 2 * pad, kBarH + 2 * pad};
                    const float dx = std::max(0.0f, std::fabs(px - (b.x + b.w / 2)) - (b.w / 2 - r));
                    const float dy = std::max(0.0f, std::fabs(py - (b.y + b.h / 2)) - (b.h / 2 - r));
                    return dx * dx + dy * dy <= r * r;
                },
                [&](float px, float py) {
                    const float down = (py - (kBarY - pad)) / (kBarH + 2 * pad);
                    const float grain = 0.94f + 0.06f * std::sin(py * 1.3f + std::sin(px * 0.08f) * 2.0f);
                    return Shade(Rgb(150, 100, 56), (1.2f - 0.4f * down) * grain);
                });
    // The groove the bar fills, sunk with its shade along the top.
    canvas.RoundedBox(kBarX - 1, kBarY - 1, kBarW + 2, kBarH + 2, 4, Rgb(30, 18, 10));
    canvas.Fill(kBarX, kBarY, kBarX + kBarW, kBarY + kBarH,
                [&](float px, float py) { return px > kBarX && px < kBarX + kBarW && py > kBarY && py < kBarY + kBarH; },
                [&](float, float py) { return Shade(Rgb(70, 44, 24), 0.6f + 0.5f * (py - kBarY) / kBarH); });
}

void PaintTitle(CPictureCanvas& canvas, const std::string& title, int frame)
{
    // The name rises into place and fades in over the first part of the
    // logo's frames: drawn whole on a layer of its own, outline and all,
    // then laid on the scene at the frame's strength.
    const float t = SmoothStep(0, kLastLogoFrame * 0.6f, static_cast<float>(frame));
    if (t <= 0) {
        return;
    }
    CPictureCanvas layer(kScreenW, kScreenH);
    const paint_point at{400, 112 + 30 * (1 - t)};
    const float size = FitLettering(title, 420, 84);
    for (int dx = -3; dx <= 3; dx++) {
        for (int dy = -3; dy <= 4; dy++) {
            if (dx * dx + dy * dy <= 12) {
                PaintLettering(layer, title, {at.x + dx, at.y + dy}, size, Rgb(70, 40, 18));
            }
        }
    }
    PaintLettering(layer, title, {at.x, at.y - 1}, size, Rgb(255, 222, 120));
    PaintLettering(layer, title, {at.x, at.y - 3}, size * 0.995f, Rgb(255, 246, 206, 128));
    const std::vector<uint8_t>& pixels = layer.Pixels();
    for (int y = 0; y < kScreenH; y++) {
        for (int x = 0; x < kScreenW; x++) {
            const size_t i = (static_cast<size_t>(y) * kScreenW + static_cast<size_t>(x)) * 4;
            if (pixels[i + 3] > 0) {
                canvas.Blend(x, y, Rgb(pixels[i], pixels[i + 1], pixels[i + 2], static_cast<int>(pixels[i + 3] * t)));
            }
        }
    }
}

void PaintScene(CPictureCanvas& canvas, const std::string& title, int frame)
{
    // The sun climbs out of the sea over the logo's frames.
    const float climb = SmoothStep(0, static_cast<float>(kLastLogoFrame), static_cast<float>(frame));
    // The sky's glow and the sun's path on the sea stay where the sun
    // comes to rest: outside the logo's frames nothing may change.
    const paint_point resting{560, kHorizon - 140};
    const paint_point sun{resting.x, kHorizon + 30 - 170 * climb};
    PaintSkyAndSea(canvas, resting);
    PaintSun(canvas, sun);
    // The sea covers what of the sun is below the horizon.
    canvas.Fill(sun.x - 80, kHorizon, sun.x + 80, sun.y + 80, [](float, float py) { return py >= kHorizon; },
                [&](float px, float py) { return SeaAt(px, py, resting.x); });
    PaintClouds(canvas);
    PaintIsland(canvas);
    PaintTitle(canvas, title, frame);
    PaintBarPlate(canvas);
}

// The banner sets its sea in two pictures, the front one (with the wave
// crests and the strip's soft ends) and an opaque one inside it, at these
// places on the screen. The boat's picture stands at y 207, in front of the
// board and behind the sea, and moves right from x 261 as the island is made.
struct banner_piece {
    const char* stem;
    float x, y;
};
constexpr banner_piece kBannerSeaPieces[] = {{"loadingB_water_A", 248, 277}, {"loadingB_water_B", 268, 292}};
// The strip: its still surface, how far the crests rise and fall about it,
// its bottom, and the stretch at each end over which it fades into the board.
const float kSeaSurface = 281, kSeaSwell = 2.5f, kSeaBottom = 324.5f;
const float kSeaLeft = 248, kSeaRight = 584, kSeaFade = 20;

// The sea at a screen pixel: clear above the waves, a line of foam along
// them, then deep water darkening downwards with faint light ripples; the
// ends of the strip fade out.
paint_colour BannerSeaAt(float x, float y)
{
    const float surface = kSeaSurface + kSeaSwell * std::sin(x * 0.26f);
    if (y < surface - 1.2f || y > kSeaBottom) {
        return Rgb(0, 0, 0, 0);
    }
    const float fade =
        SmoothStep(kSeaLeft, kSeaLeft + kSeaFade, x) * (1 - SmoothStep(kSeaRight - kSeaFade, kSeaRight, x));
    paint_colour c;
    if (y < surface + 1.2f) {
        c = Rgb(236, 246, 252);
    } else {
        const float down = (y - surface) / (kSeaBottom - surface);
        c = Mix(Rgb(52, 128, 186), Rgb(22, 62, 120), std::sqrt(std::max(0.0f, down)));
        // Short light ripples, staggered row by row.
        const float ripple = std::sin(x * 0.21f + std::floor(y / 5) * 2.3f);
        if (static_cast<int>(std::floor(y)) % 5 == 2 && ripple > 0.75f) {
            c = Mix(c, Rgb(150, 200, 232), 0.5f);
        }
    }
    return WithAlpha(c, c.a * fade);
}

}  // namespace

void PaintBannerSea(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const std::string stem = job.name.substr(0, job.name.rfind('.'));
    paint_point at{kBannerSeaPieces[0].x, kBannerSeaPieces[0].y};
    for (const banner_piece& piece : kBannerSeaPieces) {
        if (stem == piece.stem) {
            at = {piece.x, piece.y};
        }
    }
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                [&](float px, float py) {
                    const paint_colour c = BannerSeaAt(px - area.x + at.x, py - area.y + at.y);
                    // An opaque piece lies wholly inside the strip; its
                    // pixels are the strip's own.
                    return job.opaque ? WithAlpha(c, 1.0f) : c;
                });
}

void PaintBannerBoat(CPictureCanvas& canvas, const picture_job&, paint_box area)
{
    // Drawn in the picture's own pixels, the bow to the right, the way it
    // sails; the keel runs down to the picture's foot, well under the
    // surface of the sea strip in front of it.
    auto at = [&](float x, float y) { return paint_point{area.x + x * area.w / 52, area.y + y * area.h / 84}; };
    const paint_colour ink = Rgb(48, 30, 16), sail = Rgb(246, 240, 222), sailEdge = Rgb(120, 110, 90);
    // The mast, its pennant, then the mainsail behind it and the jib before.
    canvas.Line(at(26, 18), at(26, 64), 2.2f, ink);
    canvas.OutlinedPolygon({at(27, 16), at(38, 19), at(27, 22)}, Rgb(214, 60, 48), Rgb(120, 30, 24));
    canvas.OutlinedPolygon({at(24, 23), at(24, 58), at(6, 58), at(15, 40)}, sail, sailEdge);
    canvas.OutlinedPolygon({at(28, 26), at(44, 56), at(28, 56)}, Shade(sail, 0.95f), sailEdge);
    canvas.Line(at(6, 59), at(26, 59), 1.4f, ink);
    // The hull: a deck line rising to the bow, a rounded bottom.
    canvas.OutlinedPolygon({at(1, 62), at(51, 59), at(46, 72), at(38, 82), at(12, 82), at(4, 74)}, Rgb(132, 82, 44),
                           ink, 1.2f);
    canvas.Line(at(4, 66), at(48, 63), 1.6f, Rgb(222, 178, 86));
    canvas.Line(at(7, 72), at(45, 70), 1.0f, Rgb(100, 60, 30));
    canvas.Line(at(11, 77), at(40, 76), 1.0f, Rgb(100, 60, 30));
}

void PaintLoadingScreen(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const bool logo = job.name.find("_logo_") != std::string::npos;
    const int frame = logo ? std::clamp(LastNumber(job.name, 0), 0, kLastLogoFrame) : kLastLogoFrame;
    CPictureCanvas scene(kScreenW, kScreenH);
    PaintScene(scene, job.label, frame);
    const int dx = logo ? static_cast<int>(kLogoX) : 0, dy = logo ? static_cast<int>(kLogoY) : 0;
    const std::vector<uint8_t>& from = scene.Pixels();
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                [&](float px, float py) {
                    const int x = std::clamp(static_cast<int>(px - area.x) + dx, 0, kScreenW - 1);
                    const int y = std::clamp(static_cast<int>(py - area.y) + dy, 0, kScreenH - 1);
                    const size_t i = (static_cast<size_t>(y) * kScreenW + static_cast<size_t>(x)) * 4;
                    return Rgb(from[i], from[i + 1], from[i + 2]);
                });
}
