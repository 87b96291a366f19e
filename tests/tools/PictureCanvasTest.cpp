// A picture laid on the canvas, as the stories lay the islanders' layers: each
// pixel scaled up whole, and a tinted grey mask keeps its own alpha, so an
// opaque garment hides the body beneath it as it does in the game.
#include "CPictureCanvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<int> Pixel(CPictureCanvas& canvas, int x, int y)
{
    const uint8_t* p = &canvas.Pixels()[(static_cast<size_t>(y) * canvas.Width() + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

}  // namespace

TEST(CPictureCanvas, ALaidMaskTakesItsTintAndKeepsItsAlphaOverWhatIsBeneath)
{
    // The mask's grey, opaque, then sheer, then nothing, laid twice its size
    // over red.
    const std::vector<uint8_t> mask = {85, 85, 85, 255, 85, 85, 85, 128, 85, 85, 85, 0};
    const paint_colour tint = Rgb(0, 255, 255);
    for (const bool tinted : {true, false}) {
        SCOPED_TRACE(tinted ? "tinted" : "as it is");
        CPictureCanvas canvas(6, 2);
        for (int y = 0; y < 2; y++) {
            for (int x = 0; x < 6; x++) {
                canvas.Blend(x, y, Rgb(255, 0, 0));
            }
        }
        canvas.Lay(mask, 3, 1, 0, 0, 2, tinted ? &tint : nullptr);
        const std::vector<int> opaque = tinted ? std::vector<int>{0, 85, 85, 255} : std::vector<int>{85, 85, 85, 255};
        const std::vector<int> sheer = tinted ? std::vector<int>{127, 43, 43, 255} : std::vector<int>{170, 43, 43, 255};
        for (int y = 0; y < 2; y++) {
            for (int x = 0; x < 2; x++) {
                EXPECT_EQ(Pixel(canvas, x, y), opaque) << x << ", " << y << ": nothing of the red shows";
                EXPECT_EQ(Pixel(canvas, x + 2, y), sheer) << x + 2 << ", " << y << ": half the red shows";
                EXPECT_EQ(Pixel(canvas, x + 4, y), (std::vector<int>{255, 0, 0, 255})) << x + 4 << ", " << y;
            }
        }
    }
}
