#include "CPictureCanvas.h"

#include "PackGlyphs.h"

#include <algorithm>
#include <cassert>
#include <cmath>

paint_colour Shade(paint_colour colour, float k)
{
    return {std::min(1.0f, colour.r * k), std::min(1.0f, colour.g * k), std::min(1.0f, colour.b * k), colour.a};
}

paint_colour Mix(paint_colour a, paint_colour b, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

paint_colour WithAlpha(paint_colour colour, float alpha)
{
    colour.a = alpha;
    return colour;
}

paint_colour Rgb(int r, int g, int b, int a)
{
    return {r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f};
}

float PixelNoise(int x, int y, uint64_t seed)
{
    uint64_t z = seed ^ (static_cast<uint64_t>(static_cast<uint32_t>(x)) * 0x9e3779b97f4a7c15ull) ^
                 (static_cast<uint64_t>(static_cast<uint32_t>(y)) * 0xc2b2ae3d27d4eb4full);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) / static_cast<float>(1 << 24);
}

paint_bounds BoundsOf(const std::vector<paint_point>& corners)
{
    paint_bounds box{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (const paint_point& p : corners) {
        box.left = std::min(box.left, p.x);
        box.right = std::max(box.right, p.x);
        box.top = std::min(box.top, p.y);
        box.bottom = std::max(box.bottom, p.y);
    }
    return box;
}

bool InsidePolygon(const std::vector<paint_point>& corners, float px, float py)
{
    bool inside = false;
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const paint_point a = corners[i], b = corners[j];
        if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

bool NearSegment(paint_point a, paint_point b, float radius, float px, float py)
{
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float length2 = dx * dx + dy * dy;
    const float t = std::clamp(length2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / length2 : 0.0f, 0.0f, 1.0f);
    const float ex = a.x + dx * t - px, ey = a.y + dy * t - py;
    return ex * ex + ey * ey <= radius * radius;
}

CPictureCanvas::CPictureCanvas(int width, int height)
    : width(width), height(height), pixels(static_cast<size_t>(width) * height * 4, 0)
{
}

void CPictureCanvas::Blend(int x, int y, paint_colour colour)
{
    if (x < 0 || y < 0 || x >= width || y >= height || colour.a <= 0.0f) {
        return;
    }
    uint8_t* pixel = &pixels[(static_cast<size_t>(y) * width + x) * 4];
    const float sa = std::min(1.0f, colour.a);
    const float da = pixel[3] / 255.0f;
    const float oa = sa + da * (1.0f - sa);
    const float src[3] = {colour.r, colour.g, colour.b};
    for (int c = 0; c < 3; c++) {
        const float d = pixel[c] / 255.0f;
        const float o = oa > 0 ? (src[c] * sa + d * da * (1.0f - sa)) / oa : 0.0f;
        pixel[c] = static_cast<uint8_t>(std::lround(std::clamp(o, 0.0f, 1.0f) * 255.0f));
    }
    pixel[3] = static_cast<uint8_t>(std::lround(oa * 255.0f));
}

void CPictureCanvas::Lay(const std::vector<uint8_t>& rgba, int w, int h, float x, float y, float scale,
                         const paint_colour* tint)
{
    assert(rgba.size() == static_cast<size_t>(w) * h * 4 && scale > 0);
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const int x1 = static_cast<int>(std::ceil(x + w * scale)), y1 = static_cast<int>(std::ceil(y + h * scale));
    for (int py = std::max(0, y0); py < std::min(height, y1); py++) {
        for (int px = std::max(0, x0); px < std::min(width, x1); px++) {
            const int sx = static_cast<int>((px + 0.5f - x) / scale), sy = static_cast<int>((py + 0.5f - y) / scale);
            if (sx < 0 || sy < 0 || sx >= w || sy >= h) {
                continue;
            }
            const uint8_t* p = &rgba[(static_cast<size_t>(sy) * w + sx) * 4];
            if (p[3] == 0) {
                continue;
            }
            paint_colour colour = Rgb(p[0], p[1], p[2], p[3]);
            if (tint) {
                colour = Rgb(static_cast<int>(p[0] * tint->r), static_cast<int>(p[1] * tint->g),
                             static_cast<int>(p[2] * tint->b), p[3]);
            }
            Blend(px, py, colour);
        }
    }
}

float CPictureCanvas::AlphaAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return 0.0f;
    }
    return pixels[(static_cast<size_t>(y) * width + x) * 4 + 3] / 255.0f;
}

void CPictureCanvas::Ellipse(paint_point c, float rx, float ry, paint_colour colour)
{
    if (rx <= 0 || ry <= 0) {
        return;
    }
    Fill(c.x - rx, c.y - ry, c.x + rx, c.y + ry,
         [&](float px, float py) {
             const float u = (px - c.x) / rx, v = (py - c.y) / ry;
             return u * u + v * v <= 1.0f;
         },
         [&](float, float) { return colour; });
}

void CPictureCanvas::Ring(paint_point c, float rx, float ry, float thickness, paint_colour colour)
{
    if (rx <= 0 || ry <= 0) {
        return;
    }
    const float irx = rx - thickness, iry = ry - thickness;
    Fill(c.x - rx, c.y - ry, c.x + rx, c.y + ry,
         [&](float px, float py) {
             const float u = (px - c.x) / rx, v = (py - c.y) / ry;
             if (u * u + v * v > 1.0f) {
                 return false;
             }
             if (irx <= 0 || iry <= 0) {
                 return true;
             }
             const float iu = (px - c.x) / irx, iv = (py - c.y) / iry;
             return iu * iu + iv * iv > 1.0f;
         },
         [&](float, float) { return colour; });
}

void CPictureCanvas::Line(paint_point a, paint_point b, float lineWidth, paint_colour colour)
{
    const float r = lineWidth / 2;
    Fill(std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r,
         [&](float px, float py) { return NearSegment(a, b, r, px, py); }, [&](float, float) { return colour; });
}

void CPictureCanvas::Polygon(const std::vector<paint_point>& corners, paint_colour colour)
{
    if (corners.size() < 3) {
        return;
    }
    const paint_bounds box = BoundsOf(corners);
    Fill(box.left, box.top, box.right, box.bottom, [&](float px, float py) { return InsidePolygon(corners, px, py); },
         [&](float, float) { return colour; });
}

void CPictureCanvas::OutlinedPolygon(const std::vector<paint_point>& corners, paint_colour fill, paint_colour edge,
                                     float edgeWidth)
{
    Polygon(corners, fill);
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        Line(corners[j], corners[i], edgeWidth, edge);
    }
}

void CPictureCanvas::RoundedBox(float left, float top, float w, float h, float radius, paint_colour colour)
{
    if (w <= 0 || h <= 0) {
        return;
    }
    radius = std::min(radius, std::min(w, h) / 2);
    Fill(left, top, left + w, top + h,
         [&](float px, float py) {
             if (px < left || py < top || px > left + w || py > top + h) {
                 return false;
             }
             const float dx = std::max(0.0f, std::fabs(px - (left + w / 2)) - (w / 2 - radius));
             const float dy = std::max(0.0f, std::fabs(py - (top + h / 2)) - (h / 2 - radius));
             return dx * dx + dy * dy <= radius * radius;
         },
         [&](float, float) { return colour; });
}

void CPictureCanvas::Clear(float left, float top, float w, float h)
{
    for (int y = std::max(0, static_cast<int>(std::ceil(top - 0.5f))); y < height && y + 0.5f < top + h; y++) {
        for (int x = std::max(0, static_cast<int>(std::ceil(left - 0.5f))); x < width && x + 0.5f < left + w; x++) {
            uint8_t* pixel = &pixels[(static_cast<size_t>(y) * width + x) * 4];
            std::fill(pixel, pixel + 4, 0);
        }
    }
}

void CPictureCanvas::Text(const std::string& text, int scale, int cx, int cy, paint_colour ink)
{
    const paint_colour halo = Rgb(20, 20, 26);
    LayOutText(text, scale, cx, cy, [&](int x, int y, bool letter) { Blend(x, y, letter ? ink : halo); });
}
