// The builder's pictures show what they are: every picture the game names has
// a drawing rule, trees are green over brown, grass leaves the ground showing,
// buildings grow stage by stage, and world pictures carry no text.
#include "PackImages.h"
#include "PackManifest.h"
#include "PackPictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

struct looks {
    int opaque = 0;      // pixels with alpha over half
    int green = 0;       // of those, green the strongest channel
    int brown = 0;       // red over green over blue
    int top = -1;        // first row holding an opaque pixel
    int bottom = -1;     // last such row
};

looks Measure(const std::string& name, int width, int height, const std::string& label = "")
{
    const std::vector<uint8_t> rgba = DrawImage(name, width, height, label.empty() ? NameStem(name) : label, false);
    looks out;
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
            if (p[3] < 128) {
                continue;
            }
            out.opaque++;
            out.green += p[1] > p[0] && p[1] > p[2];
            out.brown += p[0] > p[1] && p[1] > p[2];
            out.top = out.top < 0 ? y : out.top;
            out.bottom = y;
        }
    }
    return out;
}

}  // namespace

TEST(PackLooks, EveryPictureOfTheManifestHasADrawingRule)
{
    pack_manifest_data manifest;
    std::string error;
    ASSERT_TRUE(ReadManifestFolder(std::string(PALMORA_SOURCE_DIR) + "/tools/manifest", manifest, error)) << error;
    int pictures = 0;
    for (const pack_entry_data& entry : manifest.entries) {
        if ((entry.kind != PackKind::Image && entry.kind != PackKind::File) || entry.figure) {
            continue;
        }
        pictures++;
        EXPECT_NE(FindPictureRule(entry.name).subject, PictureSubject::Unruled)
            << entry.where << ": '" << entry.name << "' would be drawn as a labelled shape; add a rule for it";
    }
    EXPECT_GT(pictures, 1000);
}

TEST(PackLooks, ATreeIsALeafyCrownOverABrownTrunkThatFellingShortens)
{
    const looks crown = Measure("tree_size1_leaf0.png", 170, 150);
    EXPECT_GT(crown.green, crown.opaque * 9 / 10);
    EXPECT_GT(crown.opaque, 170 * 150 / 3) << "the crown fills its picture";

    const looks trunk = Measure("tree_size1_trunk0_chop0.png", 44, 176);
    EXPECT_GT(trunk.brown, trunk.opaque * 8 / 10);
    // The crown hangs from the trunk's top (its anchor at row 42, the
    // trunk's at row 10): the trunk must reach up under the leaves and show
    // below them.
    EXPECT_LT(trunk.top, 10 + crown.bottom - 42 - 30);
    EXPECT_GT(trunk.bottom, 10 + crown.bottom - 42 + 30);

    const looks cut = Measure("tree_size1_trunk0_chop2.png", 44, 176);
    const looks stump = Measure("tree_size1_trunk0_chop3.png", 44, 176);
    EXPECT_GT(cut.top, trunk.top + 40);
    EXPECT_GT(stump.top, cut.top + 30);
    EXPECT_EQ(stump.bottom, trunk.bottom) << "the foot stays where it stood";
}

TEST(PackLooks, TheLargestTreesArePalmsWhoseFrondsSpreadFromTheTrunksTop)
{
    // Every leaf pattern of the largest size is a palm's, as any of them
    // may crown any trunk of that size, the leaning ones too.
    for (int pattern = 0; pattern < 5; pattern++) {
        const std::string name = "tree_size0_leaf" + std::to_string(pattern) + ".png";
        SCOPED_TRACE(name);
        const std::vector<uint8_t> rgba = DrawImage(name, 220, 200, NameStem(name), false);
        const looks crown = Measure(name, 220, 200);
        EXPECT_GT(crown.green, crown.opaque * 8 / 10);
        int left = 220, right = -1;
        for (int y = 0; y < 200; y++) {
            for (int x = 0; x < 220; x++) {
                if (rgba[(static_cast<size_t>(y) * 220 + x) * 4 + 3] >= 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        EXPECT_GT(right - left, 220 * 8 / 10) << "fronds spread wide";
        EXPECT_GT(crown.bottom, 52 + 60) << "and hang down from the anchor";
        // Only a little: the side panel shows the whole tree at half size
        // between its name plate and its detail button.
        EXPECT_LT(crown.top, 52 - 5) << "and arch above it";
        EXPECT_GE(rgba[(static_cast<size_t>(52) * 220 + 101) * 4 + 3], 128) << "they spring from the anchor";
    }
    // The trunks reach the crown's anchor, upright or leaning (the tall
    // leaning style's anchor lies beyond its picture).
    const struct {
        int style, width, height, topX, topY;
    } trunks[] = {{0, 50, 230, 16, 13}, {3, 50, 230, 16, 13}, {5, 208, 232, 17, 2}};
    for (const auto& trunk : trunks) {
        const std::string name = "tree_size0_trunk" + std::to_string(trunk.style) + "_chop0.png";
        SCOPED_TRACE(name);
        const std::vector<uint8_t> rgba = DrawImage(name, trunk.width, trunk.height, NameStem(name), false);
        const looks shape = Measure(name, trunk.width, trunk.height);
        EXPECT_GT(shape.brown, shape.opaque * 8 / 10);
        EXPECT_LE(std::abs(shape.top - trunk.topY), 8);
        bool underAnchor = false;
        for (int x = trunk.topX - 8; x <= trunk.topX + 8; x++) {
            underAnchor |= x >= 0 && rgba[(static_cast<size_t>(shape.top + 3) * trunk.width + x) * 4 + 3] >= 128;
        }
        EXPECT_TRUE(underAnchor) << "its top stands under the crown's anchor";
    }
}

TEST(PackLooks, GrassTuftsAreSparseGreenBlades)
{
    for (const char* name : {"temp_grasstuft_green_large0_0.png", "temp_grasstuft_green_large3_4.png"}) {
        SCOPED_TRACE(name);
        const looks tuft = Measure(name, 22, 14);
        EXPECT_GT(tuft.opaque, 0);
        EXPECT_LT(tuft.opaque, 22 * 14 / 3) << "the ground shows between the blades";
        EXPECT_EQ(tuft.green, tuft.opaque);
    }
}

TEST(PackLooks, EveryBuildingGrowsFromAStakedSiteToItsFinishedBody)
{
    const struct {
        const char* stem;
        int width, height;
    } kinds[] = {{"hut_style0", 220, 260},      {"storehouse_food_style0", 240, 300}, {"storehouse_rock_style0", 240, 300},
                 {"storehouse_wood_style0", 240, 300}, {"observatory_style0", 280, 350}, {"craftworks_style0", 330, 390},
                 {"science_style0", 330, 370},  {"shipyard_style0", 480, 390},       {"wonderA_style0", 360, 740},
                 {"wonderB_style0", 360, 740}};
    for (const auto& kind : kinds) {
        std::vector<uint8_t> previous;
        int previousCover = 0;
        for (int stage = 0; stage <= 4; stage++) {
            const std::string name = std::string(kind.stem) + "_construct" + std::to_string(stage) + ".png";
            SCOPED_TRACE(name);
            const std::vector<uint8_t> rgba = DrawImage(name, kind.width, kind.height, "", false);
            EXPECT_NE(rgba, previous) << "looks like the stage before";
            const looks cover = Measure(name, kind.width, kind.height);
            if (stage >= 2) {
                EXPECT_GT(cover.opaque, previousCover) << "stands taller or wider";
            }
            previous = rgba;
            previousCover = cover.opaque;
        }
    }
}

TEST(PackLooks, EachStorehouseHasABodyOfItsOwnAndAHutShutsItsDoor)
{
    // Not one house tinted three ways: light and shade fall differently
    // across them, pixel by pixel.
    std::vector<std::vector<int>> shades;
    for (const char* name : {"storehouse_food_style0_construct4.png", "storehouse_rock_style0_construct4.png",
                             "storehouse_wood_style0_construct4.png"}) {
        const std::vector<uint8_t> rgba = DrawImage(name, 240, 300, "", false);
        std::vector<int> shade;
        for (size_t i = 0; i < rgba.size(); i += 4) {
            shade.push_back(rgba[i + 3] < 128 ? -1000 : (rgba[i] * 3 + rgba[i + 1] * 6 + rgba[i + 2]) / 10);
        }
        shades.push_back(shade);
    }
    for (size_t a = 0; a < shades.size(); a++) {
        for (size_t b = a + 1; b < shades.size(); b++) {
            int differ = 0;
            for (size_t i = 0; i < shades[a].size(); i++) {
                differ += std::abs(shades[a][i] - shades[b][i]) > 60;
            }
            EXPECT_GT(differ, 240 * 300 / 10) << a << " and " << b;
        }
    }
    for (const char* stem : {"hut_style0_construct4", "hut_style1_construct4"}) {
        const int width = stem[9] == '1' ? 260 : 220;
        EXPECT_NE(DrawImage(std::string(stem) + ".png", width, 260, "", false),
                  DrawImage(std::string(stem) + "door.png", width, 260, "", false))
            << stem;
    }
}

TEST(PackLooks, EachStoresMatShowsWhatItHolds)
{
    // Sleepers on wood chips are brown, a ring of stones round gravel grey,
    // a woven mat under a leaf straw and green.
    const looks wood = Measure("pile_wood_leather.png", 96, 64);
    const looks food = Measure("pile_food_leather.png", 96, 64);
    const std::vector<uint8_t> rock = DrawImage("pile_rock_leather.png", 96, 64, "", false);
    int opaque = 0, grey = 0;
    for (size_t i = 0; i < rock.size(); i += 4) {
        if (rock[i + 3] >= 128) {
            opaque++;
            grey += std::max({rock[i], rock[i + 1], rock[i + 2]}) - std::min({rock[i], rock[i + 1], rock[i + 2]}) < 40;
        }
    }
    EXPECT_GT(wood.brown, wood.opaque * 8 / 10);
    EXPECT_GT(grey, opaque * 8 / 10);
    EXPECT_GT(food.green, food.opaque / 8);
    EXPECT_GT(food.brown, food.opaque / 2);
}

TEST(PackLooks, TheCrateScreensContainerShowsThePanelsAroundIt)
{
    // The crate screen sets its container's picture at 368, 200 over its
    // upper panel (at 175, 83) and lower panel (at 239, 282): round the
    // container the picture matches them, pixel for pixel.
    const std::vector<uint8_t> upper = DrawImage("crateGUI_main_A.png", 450, 200, ".", false);
    const std::vector<uint8_t> lower = DrawImage("crateGUI_main_C1.jpg", 320, 200, ".", true);
    for (const char* name : {"crateGUI_crate0.jpg", "crateGUI_crate2.jpg", "crateGUI_barrel1.jpg"}) {
        SCOPED_TRACE(name);
        const std::vector<uint8_t> picture = DrawImage(name, 64, 84, ".", true);
        for (int y = 0; y < 84; y++) {
            for (const int x : {0, 1, 62, 63}) {
                const int sx = 368 + x, sy = 200 + y;
                const uint8_t* seen = sy >= 282 ? &lower[(static_cast<size_t>(sy - 282) * 320 + sx - 239) * 4]
                                                : &upper[(static_cast<size_t>(sy - 83) * 450 + sx - 175) * 4];
                const uint8_t* own = &picture[(static_cast<size_t>(y) * 64 + x) * 4];
                for (int c = 0; c < 3; c++) {
                    ASSERT_NEAR(own[c], seen[c], 2) << x << ", " << y;
                }
            }
        }
    }
}

TEST(PackLooks, OnlyPicturesThatStandForWordsShowTheirLabel)
{
    EXPECT_EQ(DrawImage("rock_large0.png", 68, 56, "ROCK", false), DrawImage("rock_large0.png", 68, 56, "", false));
    EXPECT_EQ(DrawImage("pile_wood0.png", 44, 16, "log", false), DrawImage("pile_wood0.png", 44, 16, "", false));
    EXPECT_EQ(DrawImage("dialog_button_okay_base.png", 150, 50, "Okay", false),
              DrawImage("dialog_button_okay_base.png", 150, 50, ".", false))
        << "the game writes a button's caption itself";
    EXPECT_NE(DrawImage("trophies_tr_voyager.png", 96, 96, "Voyager", false),
              DrawImage("trophies_tr_voyager.png", 96, 96, ".", false));
    // Low title plates are their word: the main menu's title and the
    // emblem's second line, at their sizes.
    EXPECT_NE(DrawImage("mainmenu_logo.png", 220, 30, "Palmora", false),
              DrawImage("mainmenu_logo.png", 220, 30, "Isles", false));
    EXPECT_NE(DrawImage("Brinemark_logo_textB_13.png", 260, 40, "Games", false),
              DrawImage("Brinemark_logo_textB_13.png", 260, 40, "Plays", false));
    // A name no rule knows still gets its labelled shape, so a new picture
    // is visible in play until it gets a rule.
    EXPECT_EQ(FindPictureRule("brand_new_thing.png").subject, PictureSubject::Unruled);
    EXPECT_EQ(DrawImage("brand_new_thing.png", 40, 40, "new", false),
              DrawPlaceholder("brand_new_thing.png", 40, 40, "new", false));
}

TEST(PackLooks, ButtonsAndPlatesWithoutACaptionShowTheirSymbol)
{
    for (const char* symbol : {"star", "moon", "map", "lab", "<", ">", "^", "v"}) {
        EXPECT_NE(DrawImage("sidebar_button_star_base.png", 64, 72, symbol, false),
                  DrawImage("sidebar_button_star_base.png", 64, 72, ".", false))
            << symbol;
    }
    EXPECT_NE(DrawImage("sidebar_button_arrowL_base.png", 40, 40, "<", false),
              DrawImage("sidebar_button_arrowL_base.png", 40, 40, ">", false));
    EXPECT_NE(DrawImage("sidebar_info_wood.png", 130, 48, "wood", false),
              DrawImage("sidebar_info_wood.png", 130, 48, "rock", false));
    EXPECT_EQ(DrawImage("sidebar_button_star_shad.png", 64, 72, "star", false),
              DrawImage("sidebar_button_star_shad.png", 64, 72, ".", false))
        << "a shadow stays a plain shade";
}

// The game recolours a jumping fish by its greys, exactly 85, 170 and 255:
// every colour picture of both fish, facing either way at every height of
// the jump, shows all three and no other grey.
TEST(PackLooks, AJumpingFishShowsTheThreeGreysTheGameRecolours)
{
    for (const char* fish : {"fishA", "fishB"}) {
        for (const char* side : {"R", "L"}) {
            for (int frame = 0; frame <= 8; frame++) {
                const std::string name = std::string(fish) + "_" + side + "_" + std::to_string(frame) + "c.png";
                SCOPED_TRACE(name);
                const std::vector<uint8_t> rgba = DrawImage(name, 96, 148, NameStem(name), false);
                std::map<int, int> greys;
                for (size_t i = 0; i < rgba.size(); i += 4) {
                    if (rgba[i + 3] >= 128 && rgba[i] == rgba[i + 1] && rgba[i + 1] == rgba[i + 2]) {
                        greys[rgba[i]]++;
                    }
                }
                EXPECT_EQ(greys.size(), 3u) << "no grey but the three";
                for (int grey : {85, 170, 255}) {
                    EXPECT_GT(greys[grey], 20) << "grey " << grey;
                }
            }
        }
    }
}

TEST(PackLooks, PatternsMatchTheWholeName)
{
    EXPECT_TRUE(MatchPattern("tree_size?_leaf*", "tree_size1_leaf3.png"));
    EXPECT_FALSE(MatchPattern("tree_size?_leaf*", "xtree_size1_leaf3.png"));
    EXPECT_TRUE(MatchPattern("*_shadow.*", "rock_large0_shadow.png"));
    EXPECT_FALSE(MatchPattern("*_shadow.*", "rock_large0_shadowy"));
    EXPECT_FALSE(MatchPattern("fish?_*", "fish_ripple_0.png"));
}

// The game plays a ripple's pictures once through and holds the last: the
// rings spread frame by frame and, on the last, reach out to the picture's
// sides, so a ripple never stops short of its size.
TEST(PackLooks, ARippleSpreadsOverEveryFrameToItsPicturesSidesOnTheLast)
{
    const struct {
        const char* stem;
        int frames, width, height;
    } ripples[] = {{"ripples", 35, 146, 82}, {"fish_ripple_", 6, 64, 24}};
    for (const auto& ripple : ripples) {
        int previousLeft = ripple.width;
        for (int frame = 0; frame < ripple.frames; frame++) {
            const std::string name = ripple.stem + std::to_string(frame) + ".png";
            const std::vector<uint8_t> rgba = DrawImage(name, ripple.width, ripple.height, "", false);
            int left = ripple.width, right = -1;
            for (int y = 0; y < ripple.height; y++) {
                for (int x = 0; x < ripple.width; x++) {
                    if (rgba[(static_cast<size_t>(y) * ripple.width + x) * 4 + 3] != 0) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
                }
            }
            EXPECT_LE(left, previousLeft) << name << " shrinks";
            const bool reaches = left <= 1 && right >= ripple.width - 2;
            EXPECT_EQ(reaches, frame == ripple.frames - 1) << name << " spans " << left << ".." << right;
            previousLeft = left;
        }
    }
}
