// The builder's pictures show what they are: every picture the game names has
// a drawing rule, trees are green over brown, grass leaves the ground showing,
// buildings grow stage by stage, and world pictures carry no text.
#include "PackImages.h"
#include "PackManifest.h"
#include "PackPictures.h"

#include <gtest/gtest.h>

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
    const looks crown = Measure("tree_size0_leaf0.png", 220, 200);
    EXPECT_GT(crown.green, crown.opaque * 9 / 10);
    EXPECT_GT(crown.opaque, 220 * 200 / 3) << "the crown fills its picture";

    const looks trunk = Measure("tree_size0_trunk0_chop0.png", 50, 230);
    EXPECT_GT(trunk.brown, trunk.opaque * 8 / 10);
    // The crown hangs from the trunk's top (its anchor at row 52, the
    // trunk's at row 13): the trunk must reach up under the leaves and show
    // below them.
    EXPECT_LT(trunk.top, 13 + crown.bottom - 52 - 40);
    EXPECT_GT(trunk.bottom, 13 + crown.bottom - 52 + 40);

    const looks cut = Measure("tree_size0_trunk0_chop2.png", 50, 230);
    const looks stump = Measure("tree_size0_trunk0_chop3.png", 50, 230);
    EXPECT_GT(cut.top, trunk.top + 60);
    EXPECT_GT(stump.top, cut.top + 40);
    EXPECT_EQ(stump.bottom, trunk.bottom) << "the foot stays where it stood";
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

TEST(PackLooks, ABuildingGrowsFromAStakedSiteToAFinishedHouse)
{
    std::vector<uint8_t> previous;
    int previousCover = 0;
    for (int stage = 0; stage <= 4; stage++) {
        const std::string name = "hut_style0_construct" + std::to_string(stage) + ".png";
        const std::vector<uint8_t> rgba = DrawImage(name, 220, 260, "", false);
        EXPECT_NE(rgba, previous) << name << " looks like the stage before";
        const looks cover = Measure(name, 220, 260);
        if (stage >= 2) {
            EXPECT_GT(cover.opaque, previousCover) << name << " stands taller or wider";
        }
        previous = rgba;
        previousCover = cover.opaque;
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

TEST(PackLooks, PatternsMatchTheWholeName)
{
    EXPECT_TRUE(MatchPattern("tree_size?_leaf*", "tree_size1_leaf3.png"));
    EXPECT_FALSE(MatchPattern("tree_size?_leaf*", "xtree_size1_leaf3.png"));
    EXPECT_TRUE(MatchPattern("*_shadow.*", "rock_large0_shadow.png"));
    EXPECT_FALSE(MatchPattern("*_shadow.*", "rock_large0_shadowy"));
    EXPECT_FALSE(MatchPattern("fish?_*", "fish_ripple_0.png"));
}
