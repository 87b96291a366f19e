#include "PackImages.h"

#include "CPackRandom.h"
#include "PackFigures.h"
#include "PackGlyphs.h"
#include "PackPictures.h"

#include <algorithm>
#include <cmath>

#include <stb_image_write.h>

namespace {

enum Shape { kEllipse, kRoundedBox, kDiamond, kTriangle, kHexagon, kOctagon, kShield, kStar, kShapeCount };

struct shape_data {
    float labelY;      // where the label's centre sits, as a fraction of the height
    float labelWidth;  // how much of the width the label may take there
    int corners;       // polygon corners in kCorners, 0 for the curved shapes
    float corner[10][2];
};

constexpr shape_data kShapes[kShapeCount] = {
    {0.50f, 0.72f, 0, {}},
    {0.50f, 0.88f, 0, {}},
    {0.50f, 0.50f, 4, {{0.5f, 0.0f}, {1.0f, 0.5f}, {0.5f, 1.0f}, {0.0f, 0.5f}}},
    {0.70f, 0.50f, 3, {{0.5f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}}},
    {0.50f, 0.80f, 6, {{0.25f, 0.0f}, {0.75f, 0.0f}, {1.0f, 0.5f}, {0.75f, 1.0f}, {0.25f, 1.0f}, {0.0f, 0.5f}}},
    {0.50f, 0.84f, 8,
     {{0.3f, 0.0f}, {0.7f, 0.0f}, {1.0f, 0.3f}, {1.0f, 0.7f}, {0.7f, 1.0f}, {0.3f, 1.0f}, {0.0f, 0.7f}, {0.0f, 0.3f}}},
    {0.40f, 0.86f, 5, {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.6f}, {0.5f, 1.0f}, {0.0f, 0.6f}}},
    {0.55f, 0.44f, 10,
     {{0.500f, 0.000f}, {0.618f, 0.338f}, {0.976f, 0.345f}, {0.690f, 0.562f}, {0.794f, 0.905f},
      {0.500f, 0.700f}, {0.206f, 0.905f}, {0.310f, 0.562f}, {0.024f, 0.345f}, {0.382f, 0.338f}}},
};

struct box_data {
    float x, y, w, h;
};

struct colour_data {
    float r, g, b;
};

colour_data FromHsv(float hue, float saturation, float value)
{
    const float c = value * saturation;
    const float h = std::fmod(hue, 360.0f) / 60.0f;
    const float x = c * (1.0f - std::fabs(std::fmod(h, 2.0f) - 1.0f));
    const float m = value - c;
    const colour_data sectors[6] = {{c, x, 0}, {x, c, 0}, {0, c, x}, {0, x, c}, {x, 0, c}, {c, 0, x}};
    colour_data out = sectors[std::min(5, static_cast<int>(h))];
    return {out.r + m, out.g + m, out.b + m};
}

uint8_t Channel(float value)
{
    return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

bool InsidePolygon(const shape_data& shape, float u, float v)
{
    bool inside = false;
    for (int i = 0, j = shape.corners - 1; i < shape.corners; j = i++) {
        const float ui = shape.corner[i][0], vi = shape.corner[i][1];
        const float uj = shape.corner[j][0], vj = shape.corner[j][1];
        if ((vi > v) != (vj > v) && u < (uj - ui) * (v - vi) / (vj - vi) + ui) {
            inside = !inside;
        }
    }
    return inside;
}

// Is the pixel centre (px, py) inside the shape drawn in box?
bool Inside(int shape, const box_data& box, float px, float py)
{
    if (box.w <= 0 || box.h <= 0) {
        return false;
    }
    const float u = (px - box.x) / box.w;
    const float v = (py - box.y) / box.h;
    if (u < 0 || u > 1 || v < 0 || v > 1) {
        return false;
    }
    if (shape == kEllipse) {
        const float du = 2 * u - 1, dv = 2 * v - 1;
        return du * du + dv * dv <= 1.0f;
    }
    if (shape == kRoundedBox) {
        const float radius = 0.22f * std::min(box.w, box.h);
        const float dx = std::max(0.0f, std::fabs(px - (box.x + box.w / 2)) - (box.w / 2 - radius));
        const float dy = std::max(0.0f, std::fabs(py - (box.y + box.h / 2)) - (box.h / 2 - radius));
        return dx * dx + dy * dy <= radius * radius;
    }
    return InsidePolygon(kShapes[shape], u, v);
}

// The number a name ends with (before its extension), or -1.
int FrameNumber(const std::string& name)
{
    const std::string stem = NameStem(name);
    size_t start = stem.find_last_not_of("0123456789");
    start = start == std::string::npos ? 0 : start + 1;
    if (start == stem.size() || stem.size() - start > 6) {
        return -1;
    }
    return std::stoi(stem.substr(start));
}

// Shortens a label to at most room characters, keeping a trailing number,
// which tells frames of one sprite apart.
std::string FitLabel(const std::string& label, size_t room)
{
    if (label.size() <= room) {
        return label;
    }
    size_t digits = label.size() - 1 - std::min(label.size() - 1, label.find_last_not_of("0123456789"));
    if (digits + 2 > room) {
        digits = 0;
    }
    return label.substr(0, room - digits) + label.substr(label.size() - digits);
}

class CCanvas {
public:
    CCanvas(int width, int height) : width(width), height(height), pixels(static_cast<size_t>(width) * height * 4, 0) {}

    void Put(int x, int y, colour_data colour)
    {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return;
        }
        uint8_t* pixel = &pixels[(static_cast<size_t>(y) * width + x) * 4];
        pixel[0] = Channel(colour.r);
        pixel[1] = Channel(colour.g);
        pixel[2] = Channel(colour.b);
        pixel[3] = 255;
    }

    // Text in the 5x7 font, scaled, white on a one-pixel dark halo, centred on
    // (cx, cy).
    void Text(const std::string& text, int scale, int cx, int cy)
    {
        const colour_data halo{0.08f, 0.08f, 0.1f};
        const colour_data ink{1.0f, 1.0f, 1.0f};
        LayOutText(text, scale, cx, cy, [&](int x, int y, bool letter) { Put(x, y, letter ? ink : halo); });
    }

    const int width;
    const int height;
    std::vector<uint8_t> pixels;
};

}  // namespace

std::vector<uint8_t> DrawPlaceholder(const std::string& name, int width, int height, const std::string& label,
                                     bool opaque)
{
    CCanvas canvas(width, height);
    const uint64_t hash = CPackRandom::HashName(PictureKind(name));
    const float hue = static_cast<float>(hash % 360);
    const float saturation = 0.45f + static_cast<float>((hash >> 12) % 30) / 100.0f;
    const float value = 0.72f + static_cast<float>((hash >> 20) % 20) / 100.0f;
    const colour_data fill = FromHsv(hue, saturation, value);
    const colour_data edge = FromHsv(hue, std::min(1.0f, saturation + 0.2f), value * 0.35f);
    const bool elongated = std::max(width, height) > 5 * std::min(width, height) / 2;
    const int shape = elongated ? static_cast<int>((hash >> 32) % 2) : static_cast<int>((hash >> 32) % kShapeCount);

    if (opaque) {
        // A calm striped ground keeps JPEGs recognisable without costing detail.
        const colour_data ground = FromHsv(hue + 20.0f, saturation * 0.5f, 0.22f);
        const colour_data stripe = FromHsv(hue + 20.0f, saturation * 0.5f, 0.27f);
        for (int y = 0; y < height; y++) {
            for (int x = 0; x < width; x++) {
                canvas.Put(x, y, ((x + y) / 24) % 2 ? stripe : ground);
            }
        }
    }
    const float inset = opaque ? 0.06f * std::min(width, height) : 0.0f;
    const box_data outer{inset, inset, width - 2 * inset, height - 2 * inset};
    const float thickness =
        static_cast<float>(std::clamp(static_cast<int>(std::min(width, height) / 24), 1, 5));
    const bool outlined = std::min(width, height) >= 6;
    const box_data inner{outer.x + thickness, outer.y + thickness, outer.w - 2 * thickness,
                         outer.h - 2 * thickness};
    for (int y = 0; y < height; y++) {
        const float py = y + 0.5f;
        const float shade = 1.12f - 0.24f * std::clamp((py - outer.y) / outer.h, 0.0f, 1.0f);
        const colour_data shaded{fill.r * shade, fill.g * shade, fill.b * shade};
        for (int x = 0; x < width; x++) {
            const float px = x + 0.5f;
            if (!Inside(shape, outer, px, py)) {
                continue;
            }
            canvas.Put(x, y, !outlined || Inside(shape, inner, px, py) ? shaded : edge);
        }
    }

    // The frame marker goes round a circle, 30 degrees a frame.
    const int frame = FrameNumber(name);
    const float small = std::min(outer.w, outer.h);
    if (frame >= 0 && small >= 16) {
        const float radius = std::max(2.0f, small / 14);
        const float orbit = small / 2 - thickness - radius * 2;
        const float angle = static_cast<float>(frame % 12) * 0.5235988f - 1.5707963f;
        const float cx = outer.x + outer.w / 2 + orbit * std::cos(angle);
        const float cy = outer.y + outer.h / 2 + orbit * std::sin(angle);
        const colour_data dot = FromHsv(hue + 180.0f, 0.8f, 1.0f);
        for (int y = static_cast<int>(cy - radius - 1); y <= static_cast<int>(cy + radius + 1); y++) {
            for (int x = static_cast<int>(cx - radius - 1); x <= static_cast<int>(cx + radius + 1); x++) {
                const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
                const float distance = std::sqrt(dx * dx + dy * dy);
                if (distance <= radius + 1) {
                    canvas.Put(x, y, distance <= radius ? dot : edge);
                }
            }
        }
    }

    // The biggest scale at which the label fits where the shape is widest.
    const shape_data& layout = kShapes[shape];
    const int roomWidth = static_cast<int>(outer.w * layout.labelWidth) - 2;
    // A wide, flat shape is nearly full height across its middle.
    const int roomHeight = static_cast<int>(outer.h * (elongated ? 0.7f : 0.5f)) - 2;
    std::string text = label;
    int scale = 4;
    auto textWidth = [&](int s) { return static_cast<int>(text.size()) * (kGlyphWidth + 1) * s - s; };
    while (scale > 1 && (textWidth(scale) > roomWidth || kGlyphHeight * scale > roomHeight)) {
        scale--;
    }
    if (textWidth(1) > roomWidth) {
        text = FitLabel(text, static_cast<size_t>(std::max(0, (roomWidth + 1) / (kGlyphWidth + 1))));
    }
    if (text.size() >= std::min<size_t>(3, label.size()) && !text.empty() && kGlyphHeight <= roomHeight) {
        canvas.Text(text, scale, static_cast<int>(outer.x + outer.w / 2),
                    static_cast<int>(outer.y + outer.h * layout.labelY));
    }
    return std::move(canvas.pixels);
}

std::vector<uint8_t> DrawImage(const std::string& name, int width, int height, const std::string& label, bool opaque)
{
    std::vector<uint8_t> rgba = DrawPicture(name, width, height, label, opaque);
    return rgba.empty() ? DrawPlaceholder(name, width, height, label, opaque) : rgba;
}

bool EncodePicture(const std::vector<uint8_t>& rgba, int width, int height, PictureType type, std::string& out)
{
    out.clear();
    auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
    };
    switch (type) {
    case PictureType::Png:
        return stbi_write_png_to_func(append, &out, width, height, 4, rgba.data(), width * 4) != 0;
    case PictureType::Tga:
        return stbi_write_tga_to_func(append, &out, width, height, 4, rgba.data()) != 0;
    case PictureType::Jpg: {
        std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
        for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; i++) {
            rgb[i * 3] = rgba[i * 4];
            rgb[i * 3 + 1] = rgba[i * 4 + 1];
            rgb[i * 3 + 2] = rgba[i * 4 + 2];
        }
        return stbi_write_jpg_to_func(append, &out, width, height, 3, rgb.data(), 88) != 0;
    }
    }
    return false;
}

bool MakePicture(const pack_entry_data& entry, std::string& out, std::string& reason)
{
    if (entry.figure) {
        figure_data figure;
        if (!ParseFigureName(entry.name, figure, reason)) {
            return false;
        }
        const std::vector<uint8_t> rgba = DrawFigure(figure, entry.width, entry.height, reason);
        if (rgba.empty()) {
            reason = "'" + entry.name + "': " + reason;
            return false;
        }
        reason = "cannot encode the picture '" + entry.name + "'";
        return EncodePicture(rgba, entry.width, entry.height, entry.picture, out);
    }
    const bool opaque = entry.picture == PictureType::Jpg;
    reason = "cannot encode the picture '" + entry.name + "'";
    return EncodePicture(DrawImage(entry.name, entry.width, entry.height, entry.label, opaque), entry.width,
                         entry.height, entry.picture, out);
}
