// Every number an islander picture's name carries has the range the game
// draws from: the builder takes each at both ends and refuses one past, so a
// manifest line naming a picture the game never asks for stops the build.
#include "PackFigures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using testing::HasSubstr;

namespace {

std::string Name(const char* pattern, int number)
{
    char name[96];
    snprintf(name, sizeof name, pattern, number);
    return name;
}

}  // namespace

TEST(PackFigures, EveryNumberInAnIslanderNameIsTakenUpToItsEdgesAndNoFurther)
{
    const struct {
        const char* pattern;  // %d is the number tried
        int low, high;
    } numbers[] = {
        // bodies: skins, and frames by set; a man's working sets repeat their first frame as a ninth
        {"female_stand_skin%d_NW.png", 0, 3},
        {"male_walk_skin3_NE_%d.png", 0, 9},
        {"female_carry_skin0_SW_%d.png", 0, 9},
        {"male_hack_skin0_SE_%d.png", 0, 8},
        {"female_hack_skin0_SE_%d.png", 0, 7},
        {"male_hoe_skin1_SW_%d.png", 0, 8},
        {"female_hoe_skin1_SW_%d.png", 0, 7},
        {"male_hack_pickaxeSW_%d.png", 0, 8},
        {"female_hack_hammerSE_%d.png", 0, 7},
        // heads turn to sixteen directions; eyelids only where the eyes show
        {"male_head_skin%d_0.png", 0, 3},
        {"female_head_skin2_%d.png", 0, 15},
        {"baby_head_skin0_%d.png", 0, 15},
        {"male_blink_skin%d_4_0.png", 0, 3},
        {"female_blink_skin1_%d_1.png", 4, 12},
        {"baby_blink_skin3_%d_0.png", 4, 12},
        {"male_blink_skin0_8_%d.png", 0, 1},
        {"male_head_mouth_worried_%d.png", 0, 11},
        {"female_hair_style%d_colour0_0.png", 0, 7},
        {"male_hair_style0_colour%d_0.png", 0, 8},
        {"female_hair_style7_colour8_%d.png", 0, 15},
        // babies and kids
        {"baby_stand_skin%d_SE.png", 0, 3},
        {"baby_walk_skin0_NE_%d.png", 0, 15},
        {"boy_stand_SW_skin%d.png", 0, 3},
        {"boy_walk_NW_skin0_%d.png", 0, 9},
        // garments: three styles; working frames stop at 7 for men too
        {"male_pants%d_stand_SE_line.png", 0, 2},
        {"female_clothes0_walk_NE_color_%d.png", 0, 9},
        {"male_clothes2_hack_SE_line_%d.png", 0, 7},
        {"female_pants1_hoe_SW_color_%d.png", 0, 7},
        {"baby_clothes_walk_piece%d_colour0_SE_0.png", 0, 1},
        {"baby_clothes_walk_piece1_colour%d_SE_0.png", 0, 5},
        {"baby_clothes_walk_piece0_colour5_SE_%d.png", 0, 15},
        {"baby_clothes_NE_color%d.png", 0, 5},
        {"baby_diapers_SW_color%d.png", 0, 5},
        {"girl_clothes_SE_color_%d.png", 0, 2},
        {"boy_pants_NW_color_%d.png", 0, 2},
        {"girl_clothes_walk_piece%d_colour0_SE_0.png", 0, 1},
        {"boy_clothes_walk_piece0_colour%d_SE_0.png", 0, 2},
        {"girl_clothes_walk_piece1_colour2_NE_%d.png", 0, 9},
        // goods, the splash and the dust
        {"carry_vegetable2_%d.png", 0, 1},
        {"splash_people%d.png", 0, 16},
        {"dust_D_%d.png", 0, 39},
    };
    for (const auto& n : numbers) {
        const std::string outside = " is outside " + std::to_string(n.low) + ".." + std::to_string(n.high);
        for (const int edge : {n.low, n.high}) {
            figure_data figure;
            std::string reason;
            EXPECT_TRUE(ParseFigureName(Name(n.pattern, edge), figure, reason)) << reason;
        }
        for (const int past : {n.low - 1, n.high + 1}) {
            if (past < 0) {
                continue;  // a name holds no sign
            }
            figure_data figure;
            std::string reason;
            EXPECT_FALSE(ParseFigureName(Name(n.pattern, past), figure, reason)) << Name(n.pattern, past);
            EXPECT_THAT(reason, HasSubstr(std::to_string(past) + outside)) << Name(n.pattern, past);
        }
    }
}

// Islanders hack and hoe facing south only; the blank lid a blink starts from
// is drawn once, and a standing garment is one picture without a frame.
TEST(PackFigures, WorkFacesSouthAndTheBlankLidAndStandingClothesAreSingle)
{
    const struct {
        const char* name;
        bool taken;
    } cases[] = {
        {"male_hack_skin0_NE_0.png", false},       {"male_hack_skin0_SE_0.png", true},
        {"male_hack_skin0_SW_0.png", true},        {"male_hack_skin0_NW_0.png", false},
        {"female_hack_axeNE_0.png", false},        {"female_clothes0_hoe_NW_line_0.png", false},
        {"male_blink_skin0_0_0.png", true},        {"baby_blink_skin1_0_0.png", false},
        {"male_clothes0_stand_SE_color.png", true}, {"male_clothes0_stand_SE_color_0.png", false},
    };
    for (const auto& c : cases) {
        figure_data figure;
        std::string reason;
        EXPECT_EQ(ParseFigureName(c.name, figure, reason), c.taken) << c.name << ": " << reason;
    }
}
