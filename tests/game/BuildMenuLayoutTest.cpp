// Every item of the build menu read as a player pointing at it sees it: its
// header, description and costs clear of the large picture, its small
// picture on its tile, below every research level and at the top.
#include "tests/game/BuildMenuFixture.h"

#include "LayoutCheck.h"

namespace {

TEST_F(BuildMenuTest, EveryItemPointedAtReadsCleanlyAtTheLowestAndHighestLevels)
{
    constexpr int kColumns[3] = {190, 285, 380}, kRows[5] = {150, 220, 300, 380, 450};
    for (int level : {0, 2}) {
        SetLevels(level, level, level, level);
        CControllerBuild* menu = OpenMenu();
        for (int item = 0; item < CControllerBuild::ITEMS; item++) {
            MouseAt(kColumns[item % 3], kRows[item / 3]);
            Frame(8);
            for (const std::string& problem : LayoutProblems()) {
                ADD_FAILURE() << "level " << level << ", item " << item << ": " << problem;
            }
        }
        delete menu;
        builder.screen = nullptr;
        CController::focus = &builder;
    }
}

}  // namespace
