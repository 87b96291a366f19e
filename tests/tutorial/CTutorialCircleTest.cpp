#include "CSprite.h"
#include "ServicesFixture.h"

#include <fstream>
#include <regex>

namespace {

using TutorialCircle = ServicesTest;

int Shown(const CTutorialCircle& circle)
{
    int shown = 0;
    for (int i = 0; i < circle.frameCount; i++) {
        shown += !circle.frameSprites[i]->Hidden();
    }
    return shown;
}

TEST_F(TutorialCircle, DrawsItsRingArcByArcHoldsItThenStartsAgain)
{
    CTutorialCircle circle(100, 80, false, 'C');
    ASSERT_EQ(circle.frameCount, 29);
    EXPECT_EQ(Shown(circle), 0) << "nothing before the first pump";
    int pump = 0;
    auto to = [&](int last) {
        while (pump < last) {
            circle.Pump(0, 0, 1);
            pump++;
        }
        return Shown(circle);
    };
    EXPECT_EQ(to(1), 1);
    EXPECT_FALSE(circle.frameSprites[0]->Hidden());
    EXPECT_EQ(to(28), 28);
    EXPECT_EQ(to(29), 29);
    EXPECT_EQ(to(145), 29);
    EXPECT_EQ(to(146), 0);
    EXPECT_EQ(to(147), 1);

    // Hidden, it stops where it was and goes on from there.
    to(150);
    circle.Hide();
    circle.Pump(0, 0, 1);
    circle.Pump(0, 0, 1);
    EXPECT_EQ(Shown(circle), 0);
    EXPECT_EQ(circle.cycle, 4);
    circle.UnHide();
    circle.Pump(0, 0, 1);
    EXPECT_EQ(Shown(circle), 5);
}

// A ring draws every picture the pack has for its letter, and no more.
TEST(TutorialCircleFrames, EachLetterRunsThroughAllItsDrawnArcs)
{
    std::ifstream manifest(PALMORA_SOURCE_DIR "/tools/manifest/tutorial.manifest");
    ASSERT_TRUE(manifest);
    const std::regex ring(R"(image tut_circle_([A-L])_\{0\.\.(\d+)\}\.png.*)");
    int letters = 0;
    for (std::string line; std::getline(manifest, line);) {
        std::smatch match;
        if (std::regex_match(line, match, ring)) {
            EXPECT_EQ(CTutorialCircle::FramesOf(match[1].str()[0]), std::stoi(match[2]) + 1) << match[1];
            letters++;
        }
    }
    EXPECT_EQ(letters, 12);
    EXPECT_EQ(CTutorialCircle::FramesOf('M'), 0);
}

TEST_F(TutorialCircle, OnTheIslandItFollowsTheScrollAndKeepsItsOwnPoint)
{
    CTutorialCircle island(300, 200, true, 'A');
    island.Pump(-120, -40, 1);
    EXPECT_EQ(island.frameSprites[0]->GetX(), 180);
    EXPECT_EQ(island.frameSprites[0]->GetY(), 160);
    EXPECT_EQ(island.GetX(), 300);
    EXPECT_GT(island.frameSprites[0]->GetZ(), 8000000);
    EXPECT_LT(island.frameSprites[0]->GetZ(), 20000000) << "under the side panel and dialogs";

    CTutorialCircle none(10, 10, false, 'Z');
    none.Pump(0, 0, 1);
    EXPECT_EQ(none.frameCount, 0);
    EXPECT_EQ(none.cycle, 0);
}

// Unloading the island deletes every world object, the circle too; the next
// screen that replaces the circle must not find it in the pointer.
TEST_F(TutorialCircle, UnloadingTheWorldLeavesNoCircleToDeleteTwice)
{
    CTutorialDialog::tutorialCircle = new CTutorialCircle(224, 122, false, 'A');
    CTutorialDialog* dialog = new CTutorialDialog(0, nullptr);
    CObject::UnloadAll();
    EXPECT_EQ(CTutorialDialog::tutorialCircle, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0);
    (void)dialog;
    delete CTutorialDialog::tutorialCircle;
    CTutorialDialog::tutorialCircle = new CTutorialCircle(10, 10, false, 'B');
}

}  // namespace
