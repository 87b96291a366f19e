// An RGBA canvas for the builder's world and screen pictures: shapes in float
// pixel coordinates, laid over what is there by their alpha, with hard edges
// (small sprites read better crisp than smeared). The painters of
// PackPainters*.cpp draw on it; the pixels are then encoded as they stand.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

struct paint_point {
    float x;
    float y;
};

// Channels 0..1.
struct paint_colour {
    float r, g, b, a;
};

// The colour times k, alpha kept.
paint_colour Shade(paint_colour colour, float k);
// a towards b by t in 0..1, alpha too.
paint_colour Mix(paint_colour a, paint_colour b, float t);
paint_colour WithAlpha(paint_colour colour, float alpha);
paint_colour Rgb(int r, int g, int b, int a = 255);

// A fixed pseudo-random 0..1 for a pixel: speckle that is the same every run.
float PixelNoise(int x, int y, uint64_t seed);

class CPictureCanvas {
public:
    CPictureCanvas(int width, int height);

    // Lays colour over the pixel by its alpha (source over).
    void Blend(int x, int y, paint_colour colour);
    // Every pixel whose centre lies in the box and for which inside(px, py)
    // holds gets colourAt(px, py).
    template <typename Inside, typename ColourAt>
    void Fill(float left, float top, float right, float bottom, Inside inside, ColourAt colourAt)
    {
        const int x0 = std::max(0, static_cast<int>(left) - 1);
        const int y0 = std::max(0, static_cast<int>(top) - 1);
        const int x1 = std::min(width - 1, static_cast<int>(right) + 1);
        const int y1 = std::min(height - 1, static_cast<int>(bottom) + 1);
        for (int y = y0; y <= y1; y++) {
            for (int x = x0; x <= x1; x++) {
                const float px = x + 0.5f, py = y + 0.5f;
                if (inside(px, py)) {
                    Blend(x, y, colourAt(px, py));
                }
            }
        }
    }

    void Ellipse(paint_point centre, float radiusX, float radiusY, paint_colour colour);
    // The band between the ellipse and one thickness pixels inside it.
    void Ring(paint_point centre, float radiusX, float radiusY, float thickness, paint_colour colour);
    // A thick line with round ends.
    void Line(paint_point a, paint_point b, float width, paint_colour colour);
    void Polygon(const std::vector<paint_point>& corners, paint_colour colour);
    // The polygon, then its edges traced edgeWidth wide.
    void OutlinedPolygon(const std::vector<paint_point>& corners, paint_colour fill, paint_colour edge,
                         float edgeWidth = 1.0f);
    void RoundedBox(float left, float top, float w, float h, float radius, paint_colour colour);
    // Makes every pixel whose centre lies in the box fully transparent.
    void Clear(float left, float top, float w, float h);
    // Lays an RGBA picture of w x h pixels over the canvas, scaled by scale
    // with its top-left at (x, y): each canvas pixel takes the picture pixel
    // under its centre. A tint multiplies the picture's colour and keeps its
    // alpha, as the game paints a colour into a grey mask.
    void Lay(const std::vector<uint8_t>& rgba, int w, int h, float x, float y, float scale,
             const paint_colour* tint = nullptr);
    // Text in the builder's 5x8 font, scaled, centred on (cx, cy), ink on a
    // one-pixel dark halo.
    void Text(const std::string& text, int scale, int cx, int cy, paint_colour ink);

    int Width() const { return width; }
    int Height() const { return height; }
    std::vector<uint8_t>& Pixels() { return pixels; }
    // Alpha 0..1 of one pixel.
    float AlphaAt(int x, int y) const;

private:
    int width;
    int height;
    std::vector<uint8_t> pixels;
};

// The box round a polygon's corners.
struct paint_bounds {
    float left, top, right, bottom;
};
paint_bounds BoundsOf(const std::vector<paint_point>& corners);
// Is (px, py) inside the polygon (even-odd)?
bool InsidePolygon(const std::vector<paint_point>& corners, float px, float py);
// Is (px, py) within radius of the segment from a to b (a line with round
// ends)?
bool NearSegment(paint_point a, paint_point b, float radius, float px, float py);
