// The pictures of the controls show what the player reads from them: an arrow
// points the way its button leads, the pressed pointer looks pressed, a tick
// stands in checked boxes only, a garment icon's outline closes round it, and
// each colour swatch lies on its own quick-pick button.
#include "PackImages.h"
#include "PackManifest.h"
#include "PackPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using picture = pack_picture;

picture Draw(const std::string& name, int w, int h, const std::string& label)
{
    return picture{w, h, DrawImage(name, w, h, label, false)};
}

template <typename Test>
int Count(const picture& p, Test test)
{
    int n = 0;
    for (int y = 0; y < p.h; y++) {
        for (int x = 0; x < p.w; x++) {
            n += p.Opaque(x, y) && test(p.At(x, y), x, y);
        }
    }
    return n;
}

// The arrows' pale cream face, far lighter than any button it stands on.
bool Cream(const uint8_t* c) { return c[0] > 235 && c[1] > 225 && c[2] > 190 && c[2] < 235; }

}  // namespace

TEST(PackControlsLooks, EachArrowIsAHeadPointingWhereItsButtonLeads)
{
    const struct {
        const char* name;
        int w, h;
        const char* label;
        int dx, dy;  // the way it points
    } arrows[] = {
        {"personGUI_buttonarrowL_base.png", 40, 40, "<", -1, 0},
        {"personGUI_buttonarrowR_base.png", 40, 40, ">", 1, 0},
        {"profile_button_up_base.png", 32, 40, "^", 0, -1},
        {"profile_button_down_base.png", 32, 40, "v", 0, 1},
    };
    for (const auto& a : arrows) {
        SCOPED_TRACE(a.name);
        const picture p = Draw(a.name, a.w, a.h, a.label);
        // Along the way it points (larger toward the point) and across it.
        std::map<int, std::pair<int, int>> across;
        for (int y = 0; y < a.h; y++) {
            for (int x = 0; x < a.w; x++) {
                if (p.Opaque(x, y) && Cream(p.At(x, y))) {
                    const int along = a.dx * x + a.dy * y, side = a.dy * x + a.dx * y;
                    auto span = across.emplace(along, std::make_pair(side, side)).first;
                    span->second.first = std::min(span->second.first, side);
                    span->second.second = std::max(span->second.second, side);
                }
            }
        }
        ASSERT_FALSE(across.empty());
        const int back = across.begin()->first, point = across.rbegin()->first;
        EXPECT_GE(point - back, 6) << "a head, not a sliver";
        // Broad at its back, narrow at its point.
        auto width = [&](int along) {
            const auto& span = across[along];
            return span.second - span.first + 1;
        };
        EXPECT_GT(width(back + 1), width(point - 1) + 3);
    }
}

TEST(PackControlsLooks, OnlyThePressedPointerWearsItsRing)
{
    // The ring is the pressed shape's yellow round the hot spot.
    auto ring = [](const std::string& name) {
        const picture p = Draw(name, 32, 32, NameStem(name));
        return Count(p, [](const uint8_t* c, int x, int y) {
            return x < 10 && y < 10 && c[0] > 230 && c[1] > 210 && c[2] < 170;
        });
    };
    EXPECT_EQ(ring("pointerA0.png"), 0);
    EXPECT_EQ(ring("pointerA1.png"), 0);
    EXPECT_GT(ring("pointerA2.png"), 5);
}

TEST(PackControlsLooks, ATickStandsInTheCheckedFacesOfEveryBoxAndInNoOther)
{
    const struct {
        const char* name;
        int size;
        bool ticked;
    } boxes[] = {
        {"personGUI_chkbox0A_base.png", 24, false}, {"personGUI_chkbox0B_base.png", 24, true},
        {"personGUI_chkbox1A_base.png", 24, false}, {"personGUI_chkbox1B_roll3.png", 24, true},
        {"personGUI_chkbox2A_roll5.png", 24, false}, {"personGUI_chkbox2B_base.png", 24, true},
        {"personGUI_chkbox3A_base.png", 24, false}, {"personGUI_chkbox3B_base.png", 24, true},
        {"tutorial_checkbox_unchecked.png", 20, false}, {"tutorial_checkbox_checked.png", 20, true},
    };
    for (const auto& b : boxes) {
        const picture p = Draw(b.name, b.size, b.size, ".");
        // The tick's green: green well over red and blue.
        const int green = Count(p, [](const uint8_t* c, int, int) { return c[1] > c[0] + 50 && c[1] > c[2] + 50; });
        EXPECT_EQ(green > 10, b.ticked) << b.name << ": " << green << " green pixels";
    }
}

TEST(PackControlsLooks, AGarmentIconsOutlineRunsRoundItsWholeShape)
{
    // The line layer is drawn over the colour layer: every edge pixel of the
    // colour has outline beside it, so no side of the garment lies open.
    for (const char* tab : {"A", "B"}) {
        SCOPED_TRACE(tab);
        const std::string stem = std::string("clothtarr_tab_") + tab + "_icon_";
        const picture colour = Draw(stem + "clr.png", 44, 40, ".");
        const picture lines = Draw(stem + "lines.png", 44, 40, ".");
        int edge = 0, open = 0;
        for (int y = 1; y < 39; y++) {
            for (int x = 1; x < 43; x++) {
                if (!colour.Opaque(x, y) || (colour.Opaque(x - 1, y) && colour.Opaque(x + 1, y) &&
                                             colour.Opaque(x, y - 1) && colour.Opaque(x, y + 1))) {
                    continue;
                }
                edge++;
                bool lined = false;
                for (int v = -1; v <= 1; v++) {
                    for (int u = -1; u <= 1; u++) {
                        lined = lined || lines.Opaque(x + u, y + v);
                    }
                }
                open += !lined;
            }
        }
        EXPECT_GT(edge, 60);
        EXPECT_EQ(open, 0) << "edge pixels without outline";
    }
}

TEST(PackControlsLooks, EachSwatchLiesOnItsOwnQuickPickButton)
{
    // The fifteen 30 px buttons' corners on the screen; every swatch picture
    // stands at 128, 362.
    const int corners[15][2] = {{123, 354}, {156, 353}, {189, 354}, {228, 354}, {263, 355},
                                {122, 395}, {155, 396}, {191, 394}, {227, 397}, {264, 396},
                                {123, 432}, {156, 430}, {189, 431}, {227, 433}, {262, 433}};
    for (int i = 0; i < 15; i++) {
        const std::string name = "clothtarr_swatch_" + std::to_string(i) + ".png";
        const picture p = Draw(name, 170, 105, ".");
        long sumX = 0, sumY = 0;
        const int n = Count(p, [&](const uint8_t*, int x, int y) {
            sumX += x;
            sumY += y;
            return true;
        });
        ASSERT_GT(n, 100) << name;
        // Only opaque pixels were summed: Count tests opacity first.
        const int cx = 128 + static_cast<int>(sumX / n), cy = 362 + static_cast<int>(sumY / n);
        EXPECT_GT(cx, corners[i][0]) << name;
        EXPECT_LT(cx, corners[i][0] + 30) << name;
        EXPECT_GT(cy, corners[i][1]) << name;
        EXPECT_LT(cy, corners[i][1] + 30) << name;
    }
}
