// The trophies in their order: each index's picture and disc, which the
// room, the pop-up and the island map all draw by that index.
#include "CControllerTrophies.h"
#include "TrophyTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TrophyTable, EachTrophyHasItsOwnPictureAndDiscInOrder)
{
    struct trophy_row {
        const char* name;
        char disc;
    };
    constexpr trophy_row kExpected[] = {
        {"buddingbuilder", 'F'},       {"celestialwonder", 'B'},   {"explorerextraordinaire", 'A'},
        {"fashionpassion", 'D'},       {"forestparadise", 'E'},    {"fullmoon", 'C'},
        {"growingtarrow", 'B'},        {"livinglegend", 'A'},      {"lunarwonder", 'C'},
        {"masterofmystery", 'F'},      {"methuselah", 'B'},        {"mysterymaestro", 'E'},
        {"mysterymagician", 'D'},      {"mysterymagnate", 'C'},    {"mysterymastermind", 'E'},
        {"mysterymaven", 'E'},         {"mysterymiracleworker", 'A'}, {"mysterymogul", 'C'},
        {"powerfultarrow", 'F'},       {"proudparent", 'F'},       {"starpower", 'B'},
        {"supergenius", 'F'},          {"superhero", 'A'},         {"voyager", 'D'},
        {"tremendoustarrow", 'A'},
    };
    ASSERT_EQ(CControllerTrophies::kTrophies, 25);
    ASSERT_EQ(kTrophyCount, 25);
    for (int i = 0; i < kTrophyCount; i++) {
        EXPECT_EQ(std::string(kTrophyLooks[i].name), kExpected[i].name) << "trophy " << i;
        EXPECT_EQ(kTrophyLooks[i].disc, kExpected[i].disc) << "trophy " << i;
    }
}

}  // namespace
