// The pack draws each islander layer to meet where the game shows it: every
// offset, head position and footfall the figure painter works from is the
// game's own number, though the two tables index sex the other way round
// (the painter by man, the game by woman) and order the working sets apart.
#include "FrameTables.h"
#include "PackFigureTables.h"
#include "SpriteTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

using sprite_tables::offset;

bool Same(const figure_offset& painted, const offset& shown)
{
    return painted.x == shown.x && painted.y == shown.y;
}

template <size_t N>
void ExpectSame(const figure_offset (&painted)[N], const offset (&shown)[N], const char* what)
{
    for (size_t i = 0; i < N; i++) {
        EXPECT_TRUE(Same(painted[i], shown[i])) << what << " " << i;
    }
}

template <size_t N>
void ExpectSame(const figure_offset (&painted)[N], const int (&shown)[N][2], const char* what)
{
    for (size_t i = 0; i < N; i++) {
        EXPECT_TRUE(painted[i].x == shown[i][0] && painted[i].y == shown[i][1]) << what << " " << i;
    }
}

const shadow_offsets& ShadowRow(body_set_kind set)
{
    return *std::find_if(std::begin(kShadowOffsets), std::end(kShadowOffsets),
                         [set](const shadow_offsets& row) { return row.set == set; });
}

}  // namespace

TEST(PackFigureTables, BodiesAndShadowsAreDrawnWhereTheGameShowsThem)
{
    // The painter's sets: stand, walk, carry, hack, hoe.
    const sprite_tables::adult_set gameSets[5] = {sprite_tables::SET_STAND, sprite_tables::SET_WALK,
                                                  sprite_tables::SET_CARRY, sprite_tables::SET_HACK,
                                                  sprite_tables::SET_HOE};
    const body_set_kind shadowSets[5] = {BODY_ADULT_STAND, BODY_ADULT_WALK, BODY_ADULT_CARRY, BODY_ADULT_HACK,
                                         BODY_ADULT_HOE};
    for (int male = 0; male < 2; male++) {
        for (int set = 0; set < 5; set++) {
            SCOPED_TRACE(testing::Message() << "male " << male << " set " << set);
            ExpectSame(kAdultBodyOffsets[male][set], sprite_tables::kAdultBodyOffsets[!male][gameSets[set]],
                       "body");
            const shadow_offsets& row = ShadowRow(shadowSets[set]);
            ExpectSame(kAdultShadowOffsets[male][set], male ? row.men : row.women, "shadow");
        }
    }
    ExpectSame(kBabyBodyOffsets[0], sprite_tables::kBabyStandOffsets, "baby standing");
    ExpectSame(kBabyBodyOffsets[1], sprite_tables::kBabyWalkOffsets, "baby walking");
    ExpectSame(kKidBodyOffsets[0], sprite_tables::kKidStandOffsets[0], "kid standing");
    ExpectSame(kKidBodyOffsets[1], sprite_tables::kKidWalkOffsets[0], "kid walking");
    ExpectSame(kKidShadowOffsets[0], ShadowRow(BODY_KID_STAND).men, "kid standing's shadow");
    ExpectSame(kKidShadowOffsets[1], ShadowRow(BODY_KID_WALK).men, "kid walking's shadow");
    ExpectSame(kBabyShadowOffsets[0], ShadowRow(BODY_BABY_STAND).men, "baby standing's shadow");
    ExpectSame(kBabyShadowOffsets[1], ShadowRow(BODY_BABY_WALK).men, "baby walking's shadow");
}

TEST(PackFigureTables, HeadsToolsGarmentsAndFootfallsAreTheGamesOwn)
{
    for (int male = 0; male < 2; male++) {
        SCOPED_TRACE(testing::Message() << "male " << male);
        EXPECT_TRUE(Same(kAdultHeadOffsets[male], sprite_tables::kHeadOffsets[!male]));
        EXPECT_TRUE(Same(kHairOffsets[male], sprite_tables::kHairOffsets[!male]));
        EXPECT_EQ(kHoeHeadLift[male], sprite_tables::kHoeHeadLift[!male]);
        // The game's working heads: man SW, man SE, woman SW, woman SE; a
        // woman's swing has one frame fewer.
        const int column = male ? 0 : 2;
        for (int frame = 0; frame < (male ? 9 : 8); frame++) {
            for (int side = 0; side < 2; side++) {
                EXPECT_TRUE(Same(kHoeHead[male][frame][side], sprite_tables::kHoeHead[frame][column + side]))
                    << "hoe frame " << frame << " side " << side;
                EXPECT_TRUE(Same(kHackHead[male][frame][side], sprite_tables::kHackHead[frame][column + side]))
                    << "hack frame " << frame << " side " << side;
            }
        }
        for (int side = 0; side < 2; side++) {
            EXPECT_TRUE(Same(kHackHeadShift[male][side], sprite_tables::kHackHeadShift[column + side])) << side;
        }
        for (int tool = 0; tool < 4; tool++) {
            ExpectSame(kToolOffsets[male][tool], sprite_tables::kToolOffsets[!male][tool], "tool");
        }
        for (int top = 0; top < 2; top++) {
            for (int style = 0; style < 3; style++) {
                for (int set = 0; set < 4; set++) {
                    ExpectSame(kGarmentOffsets[male][top][style][set],
                               sprite_tables::kGarmentOffsets[!male][top][style][set], "garment");
                }
            }
        }
    }
    for (int frame = 0; frame < 16; frame++) {
        ExpectSame(kBabyWalkHead[frame], sprite_tables::kBabyWalkHead[frame], "baby's head");
    }
    ExpectSame(kBabyGarmentOffsets[0], sprite_tables::kBabyGarmentOffsets[0], "baby's bottom");
    ExpectSame(kBabyGarmentOffsets[1], sprite_tables::kBabyGarmentOffsets[1], "baby's top");

    // A walk's left foot comes down where the game plays the step.
    const body_set_kind walks[3] = {BODY_ADULT_WALK, BODY_KID_WALK, BODY_BABY_WALK};
    for (int direction = 0; direction < 4; direction++) {
        for (const footfall_frames& row : kFootfalls) {
            if (row.set == walks[0]) {
                EXPECT_EQ(kLeftStepFrames[0][direction], row.women[direction][0]) << direction;
                EXPECT_EQ(kLeftStepFrames[1][direction], row.men[direction][0]) << direction;
            } else if (row.set == walks[1]) {
                EXPECT_EQ(kKidLeftStepFrames[direction], row.men[direction][0]) << direction;
            } else if (row.set == walks[2]) {
                EXPECT_EQ(kBabyLeftStepFrames[direction], row.men[direction][0]) << direction;
            }
        }
    }
}
