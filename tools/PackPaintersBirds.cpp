// The land birds' layers. The game recolours each colour layer by replacing
// one exact grey (the body's 170, the head and tail's 85, the wings' white)
// with the colours of the bird's set, keeping the alpha, so every colour
// layer is drawn wholly in its one grey with hard edges: any other shade would
// survive the recolouring as a grey speck. The line layer, laid on top
// unchanged, holds the outlines, the eye, the beak and the legs. All layers of
// one pose are drawn from one shared shape so that they lie on each other.
#include "PackPainters.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr float kPi = 3.14159265f;

const paint_colour kBodyGrey = Rgb(170, 170, 170);
const paint_colour kHeadGrey = Rgb(85, 85, 85);
const paint_colour kWingWhite = Rgb(255, 255, 255);
const paint_colour kOutline = Rgb(38, 30, 28);
const paint_colour kBeak = Rgb(236, 170, 40);

enum class BirdLayer { Body, HeadTail, Wings, Line };

// One pose of a bird facing right, laid out in 28 x 24; Mirror turns it round.
struct bird_shape {
    paint_point body;
    float bodyRx, bodyRy;
    paint_point head;
    float headR;
    float beakDir;  // +1 the beak points right, -1 left
    std::vector<paint_point> tail;
    std::vector<paint_point> wing;
    bool legs;
};

bird_shape Standing()
{
    bird_shape s;
    s.body = {14, 14};
    s.bodyRx = 7;
    s.bodyRy = 5;
    s.head = {20, 8.5f};
    s.headR = 3.6f;
    s.beakDir = 1;
    s.tail = {{9, 12}, {3, 9}, {3.5f, 13}, {9, 16}};
    s.wing = {{17, 11.5f}, {9, 12}, {6, 15}, {15, 16.5f}};
    s.legs = true;
    return s;
}

// Flying frames beat the wings once every eight frames.
bird_shape Flying(int frame)
{
    bird_shape s = Standing();
    s.body = {14, 13};
    s.bodyRy = 4;
    s.head = {21, 10};
    s.headR = 3.2f;
    s.tail = {{9, 12}, {2, 11}, {2.5f, 15}, {9, 15}};
    const float lift = std::sin(frame * 2 * kPi / 8);
    // Level with the body mid-beat, the wing still shows its breadth.
    const paint_point tip{9, 12 - 9 * lift};
    s.wing = {{17, 11}, {9, 11.5f}, tip, {tip.x + 4, tip.y + 3}, {16, 15}};
    s.legs = false;
    return s;
}

// The head lowers to the ground over three frames.
bird_shape Pecking(int frame)
{
    bird_shape s = Standing();
    const float drop = 3.8f * std::clamp(frame + 1, 1, 3);
    s.head = {20.5f + frame * 0.8f, 8.5f + drop};
    return s;
}

// The head turned towards screen left or right, drawn for a bird facing right.
bird_shape Turned(bool toLeft)
{
    bird_shape s = Standing();
    s.head = {toLeft ? 18.5f : 20.5f, 8.5f};
    s.beakDir = toLeft ? -1.0f : 1.0f;
    return s;
}

bird_shape Mirror(bird_shape s)
{
    auto flip = [](paint_point& p) { p.x = 28 - p.x; };
    flip(s.body);
    flip(s.head);
    s.beakDir = -s.beakDir;
    for (paint_point& p : s.tail) {
        flip(p);
    }
    for (paint_point& p : s.wing) {
        flip(p);
    }
    return s;
}

bird_shape ShapeOf(const std::string& name)
{
    bird_shape s;
    if (name.find("_turnleft_") != std::string::npos || name.find("_turnright_") != std::string::npos) {
        // A turned head looks the same way whichever way the bird faces.
        const bool toLeft = name.find("_turnleft_") != std::string::npos;
        const bool facesLeft = name.find("_left_") != std::string::npos;
        s = Turned(facesLeft ? !toLeft : toLeft);
    } else if (name.find("_peck_") != std::string::npos) {
        s = Pecking(LastNumber(name, 0));
    } else if (name.find("_stand_") != std::string::npos) {
        s = Standing();
    } else {
        s = Flying(LastNumber(name, 0));
    }
    return name.find("bird_left_") == 0 ? Mirror(s) : s;
}

BirdLayer LayerOf(const std::string& name)
{
    if (name.find("_line") != std::string::npos) {
        return BirdLayer::Line;
    }
    if (name.find("headtail") != std::string::npos) {
        return BirdLayer::HeadTail;
    }
    if (name.find("wing") != std::string::npos) {
        return BirdLayer::Wings;
    }
    return BirdLayer::Body;
}

void Outline(CPictureCanvas& canvas, const std::vector<paint_point>& corners)
{
    for (size_t i = 0; i < corners.size(); i++) {
        canvas.Line(corners[i], corners[(i + 1) % corners.size()], 1.0f, kOutline);
    }
}

void PaintLines(CPictureCanvas& canvas, const bird_shape& s)
{
    if (s.legs) {
        const float foot = s.body.y + s.bodyRy + 4;
        for (float dx : {-1.5f, 1.5f}) {
            canvas.Line({s.body.x + dx, s.body.y + s.bodyRy - 1}, {s.body.x + dx, foot}, 1.0f, kOutline);
            canvas.Line({s.body.x + dx, foot}, {s.body.x + dx + 2 * s.beakDir, foot}, 1.0f, kOutline);
        }
    }
    Outline(canvas, s.tail);
    canvas.Ring(s.body, s.bodyRx + 0.5f, s.bodyRy + 0.5f, 1.0f, kOutline);
    canvas.Ring(s.head, s.headR + 0.5f, s.headR + 0.5f, 1.0f, kOutline);
    Outline(canvas, s.wing);
    const paint_point beakRoot{s.head.x + s.beakDir * (s.headR - 0.5f), s.head.y - 1};
    canvas.Polygon({beakRoot, {beakRoot.x + s.beakDir * 4, s.head.y + 0.5f}, {beakRoot.x, s.head.y + 1.5f}}, kBeak);
    canvas.Blend(static_cast<int>(s.head.x + s.beakDir * 1.2f), static_cast<int>(s.head.y - 1), kOutline);
}

}  // namespace

void PaintBird(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    const bird_shape s = ShapeOf(job.name);
    // Shapes are laid out for the manifest's 28 x 24 and scaled to the box.
    const float kx = area.w / 28, ky = area.h / 24;
    auto place = [&](paint_point p) { return paint_point{area.x + p.x * kx, area.y + p.y * ky}; };
    auto placeAll = [&](std::vector<paint_point> corners) {
        for (paint_point& p : corners) {
            p = place(p);
        }
        return corners;
    };
    bird_shape placed = s;
    placed.body = place(s.body);
    placed.head = place(s.head);
    placed.bodyRx = s.bodyRx * kx;
    placed.bodyRy = s.bodyRy * ky;
    placed.headR = s.headR * std::min(kx, ky);
    placed.tail = placeAll(s.tail);
    placed.wing = placeAll(s.wing);

    switch (LayerOf(job.name)) {
    case BirdLayer::Body:
        canvas.Ellipse(placed.body, placed.bodyRx, placed.bodyRy, kBodyGrey);
        break;
    case BirdLayer::HeadTail:
        canvas.Polygon(placed.tail, kHeadGrey);
        canvas.Ellipse(placed.head, placed.headR, placed.headR, kHeadGrey);
        break;
    case BirdLayer::Wings:
        canvas.Polygon(placed.wing, kWingWhite);
        break;
    case BirdLayer::Line:
        PaintLines(canvas, placed);
        break;
    }
}
