// Painters of the shore, the sea and the sky: shells, fish, ripples,
// splashes, footprints, butterflies, gulls, dust, mist, clouds, rain, waves.
#include "CPackRandom.h"
#include "PackPainters.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float kPi = 3.14159265f;

paint_point Centre(paint_box area)
{
    return {area.x + area.w / 2, area.y + area.h / 2};
}

// Value noise 0..1 that varies smoothly: PixelNoise at whole coordinates,
// blended between them.
float SmoothNoise(float x, float y, uint64_t seed)
{
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const float fx = x - x0, fy = y - y0;
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const float top = PixelNoise(x0, y0, seed) + (PixelNoise(x0 + 1, y0, seed) - PixelNoise(x0, y0, seed)) * sx;
    const float low = PixelNoise(x0, y0 + 1, seed) + (PixelNoise(x0 + 1, y0 + 1, seed) - PixelNoise(x0, y0 + 1, seed)) * sx;
    return top + (low - top) * sy;
}

// A four-pointed twinkle.
void Twinkle(CPictureCanvas& canvas, paint_point c, float r, paint_colour colour)
{
    canvas.Polygon({{c.x, c.y - r}, {c.x + r * 0.25f, c.y - r * 0.25f}, {c.x + r, c.y}, {c.x + r * 0.25f, c.y + r * 0.25f},
                    {c.x, c.y + r}, {c.x - r * 0.25f, c.y + r * 0.25f}, {c.x - r, c.y}, {c.x - r * 0.25f, c.y - r * 0.25f}},
                   colour);
}

}  // namespace

void PaintPebble(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    CPackRandom random(job.seed);
    const paint_colour tones[4] = {Rgb(150, 140, 130), Rgb(120, 118, 126), Rgb(176, 160, 140), Rgb(100, 96, 90)};
    canvas.Ellipse(Centre(area), area.w / 2 - 0.5f, area.h / 2 - 1.2f, tones[random.Range(0, 3)]);
    canvas.Blend(static_cast<int>(area.x + 2), static_cast<int>(area.y + 2), Rgb(255, 255, 255, 140));
}

void PaintShell(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int type = NumberAfter(job.name, "type", 0);
    const float turn = LastNumber(job.name, 0) * kPi / 12;
    const paint_colour tones[5] = {Rgb(248, 220, 200), Rgb(240, 196, 160), Rgb(250, 240, 226), Rgb(226, 170, 170),
                                   Rgb(236, 210, 150)};
    const paint_colour shell = tones[type % 5];
    const paint_colour edge = Mix(shell, Rgb(90, 60, 40), 0.55f);
    const paint_point c = Centre(area);
    const float r = std::min(area.w, area.h) / 2 - 1.5f;
    const float cs = std::cos(turn), sn = std::sin(turn);
    auto at = [&](float u, float v) { return paint_point{c.x + u * cs - v * sn, c.y + u * sn + v * cs}; };
    if (type % 2 == 0) {
        // A scallop: a fan with ribs.
        std::vector<paint_point> fan = {at(0, r * 0.9f)};
        for (int i = 0; i <= 8; i++) {
            const float angle = kPi * (1.15f + 0.7f * i / 8);
            fan.push_back(at(std::cos(angle) * r, std::sin(angle) * r * 0.9f + r * 0.2f));
        }
        canvas.OutlinedPolygon(fan, shell, edge);
        for (int i = 1; i < 8; i += 2) {
            const float angle = kPi * (1.15f + 0.7f * i / 8);
            canvas.Line(at(0, r * 0.8f), at(std::cos(angle) * r * 0.8f, std::sin(angle) * r * 0.75f + r * 0.2f), 1, edge);
        }
    } else {
        // A whelk: a cone with a spiral.
        canvas.OutlinedPolygon({at(-r, -r * 0.35f), at(r * 0.3f, -r * 0.6f), at(r, 0), at(r * 0.3f, r * 0.6f), at(-r, r * 0.35f)},
                               shell, edge);
        canvas.Line(at(-r * 0.3f, -r * 0.45f), at(-r * 0.3f, r * 0.45f), 1, edge);
        canvas.Line(at(r * 0.3f, -r * 0.55f), at(r * 0.3f, r * 0.55f), 1, edge);
    }
}

void PaintStarfish(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int type = NumberAfter(job.name, "type", 0);
    const paint_colour tones[5] = {Rgb(240, 120, 50), Rgb(220, 70, 60), Rgb(180, 90, 170), Rgb(250, 170, 60),
                                   Rgb(230, 100, 120)};
    const paint_colour body = tones[type % 5];
    const paint_point c = Centre(area);
    const float r = std::min(area.w, area.h) / 2 - 1, turn = LastNumber(job.name, 0) * 0.4f;
    std::vector<paint_point> star;
    for (int i = 0; i < 10; i++) {
        const float angle = turn + i * kPi / 5 - kPi / 2;
        const float reach = i % 2 ? r * 0.4f : r;
        star.push_back({c.x + std::cos(angle) * reach, c.y + std::sin(angle) * reach});
    }
    canvas.OutlinedPolygon(star, body, Mix(body, Rgb(60, 20, 10), 0.55f));
    canvas.Ellipse(c, r * 0.18f, r * 0.18f, Shade(body, 1.25f));
}

void PaintFishJump(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // The game colours the body by its greys (85 back, 170 side, 255 belly)
    // and lays the line layer (_l, the top rows) over it.
    const bool right = job.name.find("_R_") != std::string::npos;
    const bool lines = job.name.find("l.") != std::string::npos;
    const int frame = std::clamp(NumberAfter(job.name, right ? "_R_" : "_L_", 0), 0, 8);
    const float t = frame / 8.0f;
    const float tall = 148;
    const float along = (t - 0.5f) * area.w * 0.7f;
    const paint_point c{area.x + area.w / 2 + (right ? along : -along), area.y + 24 + (tall - 54) * (1 - std::sin(t * kPi))};
    float heading = std::atan2(-std::cos(t * kPi) * 2.4f, 1.0f);
    heading = right ? heading : kPi - heading;
    if (lines) {
        const float length = area.w * 0.42f;
        const float cs = std::cos(heading), sn = std::sin(heading);
        const paint_point eye{c.x + length * 0.31f * cs, c.y + length * 0.31f * sn};
        canvas.Ellipse(eye, 2.2f, 2.2f, Rgb(20, 20, 24));
        return;
    }
    PaintFish(canvas, c, area.w * 0.42f, heading, Rgb(85, 85, 85), Rgb(255, 255, 255), false);
    const float cs = std::cos(heading), sn = std::sin(heading);
    canvas.Line({c.x - 12 * cs, c.y - 12 * sn}, {c.x + 10 * cs, c.y + 10 * sn}, 3, Rgb(170, 170, 170));
}

void PaintRipple(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int frame = LastNumber(job.name, 0);
    const int frames = job.name.find("fish") != std::string::npos ? 6 : 35;
    const float t = (frame + 1.0f) / frames;
    const paint_point c = Centre(area);
    for (int ring = 0; ring < 3; ring++) {
        const float grow = t - ring * 0.22f;
        if (grow <= 0.05f) {
            continue;
        }
        const float alpha = std::clamp(1.0f - grow, 0.1f, 0.9f);
        canvas.Ring(c, area.w / 2 * grow - 0.5f, area.h / 2 * grow - 0.5f, std::max(1.0f, area.h / 30),
                    Rgb(235, 245, 255, static_cast<int>(alpha * 230)));
    }
}

void PaintSplash(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int frame = LastNumber(job.name, 0);
    const bool rain = job.name.find("rain") != std::string::npos;
    const float t = rain ? (frame + 1) / 4.0f : (frame + 1) / 17.0f;
    const paint_point base{area.x + area.w / 2, area.y + area.h - 2};
    const paint_colour water = Rgb(220, 236, 255, static_cast<int>(230 * (1.1f - t)));
    canvas.Ring(base, area.w * 0.45f * t + 1, area.h * 0.12f * t + 1, 1, water);
    for (int i = 0; i < 7; i++) {
        const float angle = kPi * (1.1f + 0.8f * i / 6);
        const float rise = std::sin(t * kPi);
        const paint_point drop{base.x + std::cos(angle) * area.w * 0.45f * t,
                               base.y + std::sin(angle) * area.h * 0.85f * rise};
        canvas.Ellipse(drop, std::max(1.0f, area.w / 30), std::max(1.0f, area.w / 22), WithAlpha(water, 1.0f));
    }
}

void PaintFootprint(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const bool leftFoot = job.name.find("_L_") != std::string::npos;
    const bool up = job.name.find("_NE_") != std::string::npos || job.name.find("_NW_") != std::string::npos;
    const paint_colour print = Rgb(90, 64, 40, 120);
    const float shift = leftFoot ? -0.8f : 0.8f;
    const paint_point heel{area.x + area.w / 2 + shift, area.y + (up ? area.h * 0.72f : area.h * 0.3f)};
    const paint_point toe{area.x + area.w / 2 + shift, area.y + (up ? area.h * 0.3f : area.h * 0.7f)};
    canvas.Ellipse(heel, area.w * 0.22f, area.h * 0.2f, print);
    canvas.Ellipse(toe, area.w * 0.28f, area.h * 0.24f, print);
}

void PaintButterfly(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const char letter = job.name.size() > 10 ? job.name[10] : 'A';
    const float hue = (letter - 'A') * 24.0f;
    const paint_colour tones[6] = {Rgb(250, 200, 40), Rgb(240, 120, 40), Rgb(90, 150, 240), Rgb(240, 240, 240),
                                   Rgb(220, 90, 180), Rgb(120, 210, 110)};
    const paint_colour wing = tones[static_cast<int>(hue / 24) % 6];
    const int frame = LastNumber(job.name, 0);
    const float open = 0.35f + 0.65f * std::fabs(std::cos(frame * kPi / 3));
    const paint_point c = Centre(area);
    const paint_colour edge = Rgb(40, 30, 30);
    for (int side : {-1, 1}) {
        const float w = area.w * 0.42f * open;
        canvas.Ellipse({c.x + side * w * 0.55f, c.y - area.h * 0.14f}, w * 0.55f + 0.8f, area.h * 0.3f + 0.8f, edge);
        canvas.Ellipse({c.x + side * w * 0.55f, c.y - area.h * 0.14f}, w * 0.55f, area.h * 0.3f, wing);
        canvas.Ellipse({c.x + side * w * 0.45f, c.y + area.h * 0.2f}, w * 0.4f, area.h * 0.2f, Shade(wing, 0.85f));
    }
    canvas.Line({c.x, c.y - area.h * 0.3f}, {c.x, c.y + area.h * 0.3f}, 1.6f, edge);
}

void PaintGull(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const bool left = job.name.find("_L_") != std::string::npos;
    const float dir = left ? -1.0f : 1.0f;
    const paint_point c{area.x + area.w / 2, area.y + area.h * 0.6f};
    canvas.Ellipse({c.x, c.y + 4}, area.w * 0.32f, 2, Rgb(60, 90, 130, 90));
    canvas.Ellipse(c, area.w * 0.3f + 1, area.h * 0.24f + 1, Rgb(80, 80, 90));
    canvas.Ellipse(c, area.w * 0.3f, area.h * 0.24f, Rgb(250, 250, 250));
    canvas.Ellipse({c.x - dir * 2, c.y - 2}, area.w * 0.2f, area.h * 0.12f, Rgb(160, 166, 176));
    const paint_point head{c.x + dir * area.w * 0.28f, c.y - area.h * 0.28f};
    canvas.Ellipse(head, 4.5f, 4.5f, Rgb(80, 80, 90));
    canvas.Ellipse(head, 3.8f, 3.8f, Rgb(255, 255, 255));
    canvas.Line({head.x + dir * 3, head.y + 1}, {head.x + dir * 7, head.y + 2}, 2, Rgb(240, 180, 40));
    canvas.Blend(static_cast<int>(head.x + dir), static_cast<int>(head.y - 1), Rgb(0, 0, 0));
}

void PaintSparkle(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int frame = LastNumber(job.name, 0);
    const paint_colour colour = frame == 1 ? Rgb(255, 255, 255) : Rgb(255, 226, 110);
    Twinkle(canvas, Centre(area), std::min(area.w, area.h) / 2 - (frame == 2 ? 1.5f : 0.2f), colour);
}

void PaintDustFall(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const bool moon = job.name.find("moon") != std::string::npos;
    CPackRandom random(job.seed);
    for (int i = 0; i < 14; i++) {
        const paint_point at{area.x + 3 + static_cast<float>(random.Unit()) * (area.w - 6),
                             area.y + 3 + static_cast<float>(random.Unit()) * (area.h - 6)};
        Twinkle(canvas, at, static_cast<float>(1.5 + random.Unit() * 2.5), moon ? Rgb(220, 228, 250) : Rgb(255, 214, 80));
    }
}

void PaintMist(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // Wisps that curl up out of the middle, thicken and thin away over the
    // frames: soft noise in a round falloff, one layer, so no puff's edge
    // shows. The mist's colour is laid over it by the game.
    const int frame = LastNumber(job.name, 0);
    const float life = (frame + 1) / 54.0f;
    const float fade = std::sin(life * kPi);
    const float rise = 10.0f * life;
    const uint64_t seed = job.seed;
    const paint_point c = Centre(area);
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                [&](float px, float py) {
                    const float u = (px - c.x) / (area.w * 0.46f), v = (py - c.y + rise) / (area.h * 0.42f);
                    const float fall = std::max(0.0f, 1.0f - (u * u + v * v));
                    // The curls turn as the mist rises.
                    const float swirl = 0.6f * std::sin(v * 3.0f + life * 4.0f);
                    const float n = 0.55f * SmoothNoise(px * 0.06f + swirl, py * 0.06f + life * 2.0f, seed) +
                                    0.3f * SmoothNoise(px * 0.13f, py * 0.13f - life * 3.0f, seed + 1) +
                                    0.15f * SmoothNoise(px * 0.27f, py * 0.27f, seed + 2);
                    const float wisp = std::clamp((n - 0.32f) * 2.2f, 0.0f, 1.0f);
                    const float a = 190.0f * fade * fall * fall * wisp;
                    return Rgb(244, 246, 252, static_cast<int>(a));
                });
}

void PaintCloud(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    // A heaped cloud or its shadow as one soft shape: round puffs on a flat
    // foot, painted once, so overlapping puffs never darken each other.
    const bool shadow = job.name.find("s.") != std::string::npos;
    CPackRandom random(job.seed);
    const paint_point c = Centre(area);
    struct puff {
        paint_point at;
        float r;
    };
    std::vector<puff> puffs;
    const int count = 5;
    for (int i = 0; i < count; i++) {
        const float t = (i + 0.5f) / count;
        const float hump = std::sin(t * kPi);
        const float r = area.h * static_cast<float>(0.16 + 0.12 * hump + 0.05 * random.Unit());
        puffs.push_back({{area.x + area.w * (0.16f + 0.68f * t), c.y + area.h * 0.12f - r * 0.55f * hump}, r});
    }
    const paint_point foot{c.x, c.y + area.h * 0.14f};
    const float footRx = area.w * 0.42f, footRy = area.h * 0.17f;
    const float feather = shadow ? 5.0f : 1.6f;
    // Signed distance to the shape, negative inside.
    auto distance = [&](float px, float py) {
        const float u = (px - foot.x) / footRx, v = (py - foot.y) / footRy;
        float d = (std::sqrt(u * u + v * v) - 1.0f) * footRy;
        for (const puff& p : puffs) {
            d = std::min(d, std::hypot(px - p.at.x, py - p.at.y) - p.r);
        }
        return d;
    };
    const float top = c.y - area.h * 0.4f, bottom = foot.y + footRy;
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                [&](float px, float py) {
                    const float d = distance(px, py);
                    const float cover = 1.0f - std::clamp((d + feather) / (2 * feather), 0.0f, 1.0f);
                    if (shadow) {
                        return Rgb(8, 24, 48, static_cast<int>(70 * cover * cover * (3 - 2 * cover)));
                    }
                    // Lit from above: bright crowns, a grey-blue belly, and
                    // a light rim where each puff rounds away.
                    const float down = std::clamp((py - top) / (bottom - top), 0.0f, 1.0f);
                    paint_colour colour = Mix(Rgb(255, 255, 255), Rgb(196, 206, 226), down * down);
                    const float rim = std::clamp(-d / 6.0f, 0.0f, 1.0f);
                    colour = Mix(Rgb(232, 238, 248), colour, rim);
                    return WithAlpha(colour, 0.92f * cover);
                });
}

void PaintRain(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                [](float, float) { return Rgb(60, 70, 90, 50); });
    CPackRandom random(job.seed);
    for (int i = 0; i < 160; i++) {
        const paint_point at{area.x + static_cast<float>(random.Unit()) * area.w, area.y + static_cast<float>(random.Unit()) * area.h};
        canvas.Line(at, {at.x - 3, at.y + 16}, 1, Rgb(200, 214, 240, 110));
    }
}

void PaintRainStreak(CPictureCanvas& canvas, const picture_job&, paint_box area)
{
    canvas.Line({area.x + area.w - 1, area.y + 1}, {area.x + 1, area.y + area.h - 1}, 1.2f, Rgb(210, 224, 250, 170));
}

void PaintWave(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    if (job.name.rfind("loadingB_", 0) == 0) {
        PaintBannerSea(canvas, job, area);
        return;
    }
    const float phase = LastNumber(job.name, 0) * 0.6f;
    const paint_colour foam = Rgb(245, 250, 255, 210);
    const int steps = static_cast<int>(area.w / 2);
    for (int i = 0; i < steps; i++) {
        const float x0 = area.x + area.w * i / steps, x1 = area.x + area.w * (i + 1) / steps;
        auto y = [&](float x) { return area.y + area.h * 0.5f + std::sin(x * 0.4f + phase) * area.h * 0.2f; };
        canvas.Line({x0, y(x0)}, {x1, y(x1)}, std::max(1.5f, area.h / 8), foam);
    }
}

void PaintFroth(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const int frame = LastNumber(job.name, 0);
    const float t = frame / 21.0f;
    const float reach = 0.3f + 0.6f * std::sin(t * kPi);
    CPackRandom random(job.seed);
    const paint_point c{area.x + area.w / 2, area.y + area.h * 0.6f};
    const paint_colour foam = Rgb(250, 252, 255, static_cast<int>(200 * (1.0f - t * 0.6f)));
    for (int i = 0; i < 24; i++) {
        const float angle = kPi * (1.05f + 0.9f * i / 23);
        const paint_point at{c.x + std::cos(angle) * area.w * 0.45f * reach, c.y + std::sin(angle) * area.h * 0.5f * reach};
        canvas.Ellipse(at, static_cast<float>(2 + random.Unit() * 2), 1.6f, foam);
    }
}

void PaintIslandThumb(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    canvas.Fill(area.x, area.y, area.x + area.w, area.y + area.h, [](float, float) { return true; },
                [&](float, float py) { return Mix(Rgb(40, 110, 190), Rgb(20, 60, 130), (py - area.y) / area.h); });
    const paint_point c = Centre(area);
    PaintBlob(canvas, c, area.w * 0.36f, area.h * 0.34f, Rgb(236, 210, 150), job.seed, 0.25f, false);
    PaintBlob(canvas, c, area.w * 0.24f, area.h * 0.22f, Rgb(90, 160, 60), job.seed + 1, 0.25f, true);
}
