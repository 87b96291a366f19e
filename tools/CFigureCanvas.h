// A small RGBA canvas for the islander pictures of the resource pack. Shapes
// are given in the coordinates of the picture's owner (the islander's drawing
// position for bodies, garments and tools; the picture itself for heads), so
// that every layer of one pose is drawn from the same skeleton and the layers
// line up when the game stacks them at their offsets. Pixels are written, not
// blended (Blend is the exception), with hard edges: at 60 px a figure reads
// better crisp than smeared. A shape that would reach outside the canvas
// marks it clipped, so a picture sized too small in the manifest is refused
// instead of losing a hand.
#pragma once

#include <cstdint>
#include <vector>

struct figure_point {
    float x;
    float y;
};

inline figure_point operator+(figure_point a, figure_point b) { return {a.x + b.x, a.y + b.y}; }
inline figure_point operator-(figure_point a, figure_point b) { return {a.x - b.x, a.y - b.y}; }
inline figure_point operator*(figure_point a, float k) { return {a.x * k, a.y * k}; }

struct figure_colour {
    uint8_t r, g, b, a;
};

class CFigureCanvas {
public:
    // originX, originY: where the canvas's top-left pixel lies in the
    // coordinates the shapes are given in.
    CFigureCanvas(int width, int height, float originX, float originY);

    void Disc(figure_point centre, float radius, figure_colour colour);
    void Ellipse(figure_point centre, float radiusX, float radiusY, figure_colour colour);
    // A thick line with round ends.
    void Capsule(figure_point a, figure_point b, float radius, figure_colour colour);
    void Polygon(const std::vector<figure_point>& corners, figure_colour colour);
    // Lays colour over what is there, by its alpha, leaving empty pixels empty.
    void Blend(int x, int y, figure_colour colour);
    void Put(int x, int y, figure_colour colour);
    figure_colour Get(int x, int y) const;

    // Capsule and Disc drawn twice: an edge one pixel wider, then the fill.
    void OutlinedCapsule(figure_point a, figure_point b, float radius, figure_colour fill, figure_colour edge);
    void OutlinedEllipse(figure_point centre, float radiusX, float radiusY, figure_colour fill, figure_colour edge);
    // The polygon filled, then its edges traced in edge.
    void OutlinedPolygon(const std::vector<figure_point>& corners, figure_colour fill, figure_colour edge);

    // Lets shapes run off the top edge unremarked: a body's neck and
    // shoulders may, since the head picture lies over them.
    void OpenTop() { openTop = true; }

    int Width() const { return width; }
    int Height() const { return height; }
    bool Clipped() const { return clipped; }
    // How far the shapes reached, in canvas pixels (left and top may be
    // negative), so a refusal can say what would fit.
    int Left() const { return left; }
    int Top() const { return top; }
    int Right() const { return right; }
    int Bottom() const { return bottom; }
    std::vector<uint8_t>& Pixels() { return pixels; }

private:
    template <typename Inside>
    void Fill(float left, float top, float rightEdge, float bottomEdge, figure_colour colour, Inside inside);

    int width;
    int height;
    float originX;
    float originY;
    bool clipped = false;
    bool openTop = false;
    int left = 1 << 20;
    int top = 1 << 20;
    int right = 0;
    int bottom = 0;
    std::vector<uint8_t> pixels;
};
