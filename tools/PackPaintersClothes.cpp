// The clothes designer's own pictures. The game paints each colour layer
// wholly in the garment's colour, keeping its alpha, so these draw shapes in
// one flat tone on transparency: a swatch patch sits where its quick-pick
// button stands, a tab icon's colour layer is the garment's silhouette and
// its line layer only the outline drawn over it.
#include "PackPainters.h"

#include <algorithm>
#include <vector>

namespace {

const paint_colour kFlat = Rgb(150, 150, 150);
const paint_colour kOutline = Rgb(52, 38, 26);

// Where the swatch area starts on the screen, and the middles of the fifteen
// quick-pick buttons there (they are 30 px square).
constexpr float kAreaX = 128, kAreaY = 362;
constexpr float kPickMiddles[15][2] = {
    {138, 369}, {171, 368}, {204, 369}, {243, 369}, {278, 370}, {137, 410}, {170, 411}, {206, 409},
    {242, 412}, {279, 411}, {138, 447}, {171, 445}, {204, 446}, {242, 448}, {277, 448},
};
constexpr float kPatch = 18;

std::vector<paint_point> Silhouette(bool pants, paint_box area)
{
    static const float kPants[][2] = {{0.25f, 0.1f}, {0.75f, 0.1f}, {0.8f, 0.92f}, {0.57f, 0.92f},
                                      {0.5f, 0.42f}, {0.43f, 0.92f}, {0.2f, 0.92f}};
    static const float kShirt[][2] = {{0.32f, 0.1f}, {0.68f, 0.1f}, {0.95f, 0.3f}, {0.85f, 0.47f},
                                      {0.72f, 0.4f}, {0.72f, 0.92f}, {0.28f, 0.92f}, {0.28f, 0.4f},
                                      {0.15f, 0.47f}, {0.05f, 0.3f}};
    std::vector<paint_point> corners;
    auto add = [&](const float (*points)[2], size_t n) {
        for (size_t i = 0; i < n; i++) {
            corners.push_back({area.x + points[i][0] * area.w, area.y + points[i][1] * area.h});
        }
    };
    if (pants) {
        add(kPants, std::size(kPants));
    } else {
        add(kShirt, std::size(kShirt));
    }
    return corners;
}

}  // namespace

void PaintGarment(CPictureCanvas& canvas, const picture_job& job, paint_box area)
{
    if (job.name.rfind("clothtarr_swatch_", 0) == 0) {
        const int i = std::clamp(LastNumber(job.name, 0), 0, 14);
        const float left = std::max(0.0f, kPickMiddles[i][0] - kAreaX - kPatch / 2);
        const float top = std::max(0.0f, kPickMiddles[i][1] - kAreaY - kPatch / 2);
        canvas.RoundedBox(area.x + left, area.y + top, kPatch, kPatch, 4, kFlat);
        return;
    }
    const bool pants = job.name.find("_tab_A_") != std::string::npos;
    const std::vector<paint_point> corners = Silhouette(pants, area);
    if (job.name.find("_lines") != std::string::npos) {
        for (size_t i = 0; i < corners.size(); i++) {
            canvas.Line(corners[i], corners[(i + 1) % corners.size()], 2.0f, kOutline);
        }
        return;
    }
    canvas.Polygon(corners, kFlat);
}
