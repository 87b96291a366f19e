#include "CFigureCanvas.h"

#include <algorithm>
#include <cmath>

CFigureCanvas::CFigureCanvas(int width, int height, float originX, float originY)
    : width(width), height(height), originX(originX), originY(originY),
      pixels(static_cast<size_t>(width) * height * 4, 0)
{
}

template <typename Inside>
void CFigureCanvas::Fill(float left, float top, float rightEdge, float bottomEdge, figure_colour colour,
                         Inside inside)
{
    const int x0 = static_cast<int>(std::floor(left - originX)) - 1;
    const int y0 = static_cast<int>(std::floor(top - originY)) - 1;
    const int x1 = static_cast<int>(std::ceil(rightEdge - originX)) + 1;
    const int y1 = static_cast<int>(std::ceil(bottomEdge - originY)) + 1;
    for (int y = y0; y <= y1; y++) {
        for (int x = x0; x <= x1; x++) {
            if (inside(x + 0.5f + originX, y + 0.5f + originY)) {
                Put(x, y, colour);
            }
        }
    }
}

void CFigureCanvas::Disc(figure_point centre, float radius, figure_colour colour)
{
    Ellipse(centre, radius, radius, colour);
}

void CFigureCanvas::Ellipse(figure_point centre, float radiusX, float radiusY, figure_colour colour)
{
    if (radiusX <= 0 || radiusY <= 0) {
        return;
    }
    Fill(centre.x - radiusX, centre.y - radiusY, centre.x + radiusX, centre.y + radiusY, colour,
         [&](float px, float py) {
             const float u = (px - centre.x) / radiusX, v = (py - centre.y) / radiusY;
             return u * u + v * v <= 1.0f;
         });
}

void CFigureCanvas::Capsule(figure_point a, figure_point b, float radius, figure_colour colour)
{
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float length2 = dx * dx + dy * dy;
    Fill(std::min(a.x, b.x) - radius, std::min(a.y, b.y) - radius, std::max(a.x, b.x) + radius,
         std::max(a.y, b.y) + radius, colour, [&](float px, float py) {
             float t = length2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / length2 : 0.0f;
             t = std::clamp(t, 0.0f, 1.0f);
             const float ex = px - (a.x + t * dx), ey = py - (a.y + t * dy);
             return ex * ex + ey * ey <= radius * radius;
         });
}

void CFigureCanvas::Polygon(const std::vector<figure_point>& corners, figure_colour colour)
{
    if (corners.size() < 3) {
        return;
    }
    float left = corners[0].x, top = corners[0].y, rightEdge = left, bottomEdge = top;
    for (const figure_point& p : corners) {
        left = std::min(left, p.x);
        rightEdge = std::max(rightEdge, p.x);
        top = std::min(top, p.y);
        bottomEdge = std::max(bottomEdge, p.y);
    }
    Fill(left, top, rightEdge, bottomEdge, colour, [&](float px, float py) {
        bool inside = false;
        for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const figure_point& p = corners[i];
            const figure_point& q = corners[j];
            if ((p.y > py) != (q.y > py) && px < (q.x - p.x) * (py - p.y) / (q.y - p.y) + p.x) {
                inside = !inside;
            }
        }
        return inside;
    });
}

void CFigureCanvas::Put(int x, int y, figure_colour colour)
{
    if (colour.a != 0 && !(openTop && y < 0)) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + 1);
        bottom = std::max(bottom, y + 1);
    }
    if (x < 0 || y < 0 || x >= width || y >= height) {
        clipped = clipped || (colour.a != 0 && !(openTop && y < 0 && x >= 0 && x < width));
        return;
    }
    uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 4];
    p[0] = colour.r;
    p[1] = colour.g;
    p[2] = colour.b;
    p[3] = colour.a;
}

figure_colour CFigureCanvas::Get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return {0, 0, 0, 0};
    }
    const uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

void CFigureCanvas::Blend(int x, int y, figure_colour colour)
{
    const figure_colour under = Get(x, y);
    if (under.a == 0) {
        return;
    }
    const int a = colour.a;
    auto mix = [a](int below, int above) { return static_cast<uint8_t>((below * (255 - a) + above * a + 127) / 255); };
    Put(x, y, {mix(under.r, colour.r), mix(under.g, colour.g), mix(under.b, colour.b), under.a});
}

void CFigureCanvas::OutlinedCapsule(figure_point a, figure_point b, float radius, figure_colour fill,
                                    figure_colour edge)
{
    Capsule(a, b, radius + 1.0f, edge);
    Capsule(a, b, radius, fill);
}

void CFigureCanvas::OutlinedEllipse(figure_point centre, float radiusX, float radiusY, figure_colour fill,
                                    figure_colour edge)
{
    Ellipse(centre, radiusX + 1.0f, radiusY + 1.0f, edge);
    Ellipse(centre, radiusX, radiusY, fill);
}

void CFigureCanvas::OutlinedPolygon(const std::vector<figure_point>& corners, figure_colour fill,
                                    figure_colour edge)
{
    Polygon(corners, fill);
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        Capsule(corners[j], corners[i], 0.6f, edge);
    }
}
