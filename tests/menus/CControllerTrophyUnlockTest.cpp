#include "CControllerTrophyScreens.h"

#include "CControllerTrophyUnlock.h"
#include "CDraw.h"
#include "CRenderer.h"
#include "CSprite.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// Centres of the view and close buttons, before the tutorial's drop.
constexpr int kViewX = 242 + 75, kViewY = 456 + 25;
constexpr int kCloseX = 409 + 75, kCloseY = 455 + 25;

class TrophyPopUp : public TrophyScreenTest {
protected:
    void TearDown() override
    {
        popUp.reset();
        TrophyScreenTest::TearDown();
    }

    // The pop-up over the opener; the opener notes dismissed and deletes it.
    void Open(int mask)
    {
        popUp = std::make_unique<CControllerTrophyUnlock>(mask);
        opener.PassFocus(popUp.get());
        opener.onHandBack = [this] {
            dismissed = popUp->dismissed;
            popUp.reset();
        };
    }

    std::unique_ptr<CControllerTrophyUnlock> popUp;
    int dismissed = -1;
};

TEST_F(TrophyPopUp, ViewGoesOnToTheRoomWhileCloseAndEscapeGoBackAndTeachStep36)
{
    TutorialOn(false);
    for (int way = 0; way < 3; way++) {
        CTutorialDialog::UncompleteTutorial(36);
        Open(1 << 7);
        EXPECT_FALSE(popUp->dismissed);
        if (way == 0) {
            ClickAt(kViewX, kViewY);
        } else if (way == 1) {
            ClickAt(kCloseX, kCloseY);
        } else {
            Escape();
            Turn();
        }
        EXPECT_EQ(opener.handBacks, way + 1);
        EXPECT_EQ(dismissed, way != 0) << way;
        EXPECT_EQ(CTutorialDialog::IsTutorialComplete(36), way != 0) << way;
        EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(35)) << "closing the pop-up teaches step 35";
    }
}

TEST_F(TrophyPopUp, TeachesStep35LowerDownWithARingRoundTheViewButton)
{
    CompleteSteps(0, 23);
    Open(1 << 5);
    for (int step = 24; step <= 34; step++) {
        EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(step)) << step;
    }
    EXPECT_EQ(popUp->yOffset, 30);
    Turn(2);
    ASSERT_TRUE(CTutorialDialog::activeDialog);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 35);
    ASSERT_TRUE(CTutorialDialog::tutorialCircle);
    EXPECT_EQ(CTutorialDialog::tutorialCircle->GetX(), 233);

    ClickAt(kViewX, kViewY - 20);
    EXPECT_EQ(opener.handBacks, 0) << "the buttons sit 30 pixels lower";
    ClickAt(kViewX, kViewY + 30);
    EXPECT_EQ(dismissed, 0);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(35));
    EXPECT_FALSE(CTutorialDialog::tutorialCircle);
    EXPECT_FALSE(CTutorialDialog::activeDialog);

    Open(1 << 6);
    EXPECT_EQ(popUp->yOffset, 0) << "once step 35 is done";
}

// A dialog left shown after its pop-up is gone would keep an okay button
// whose owner is freed; the step must come back on the game screen instead.
TEST_F(TrophyPopUp, AnEarlierStepStillDueShowsOnItAndIsHiddenWhenItCloses)
{
    CompleteSteps(0, 19);
    SetWood(5);
    Open(1 << 0);
    Turn(2);
    ASSERT_TRUE(CTutorialDialog::activeDialog);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 20);
    EXPECT_EQ(CTutorialDialog::activeDialog->owner, popUp.get());
    popUp->GUICallback(1020, 0);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(20));
    Turn();
    ASSERT_TRUE(CTutorialDialog::activeDialog);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 21);

    Escape();
    Turn();
    EXPECT_FALSE(popUp);
    EXPECT_FALSE(CTutorialDialog::activeDialog);
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0);
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(21));
}

// The panels and the text boxes share one depth, so their order in the
// drawing list decides: every box lies over every panel, and the third panel
// never cuts across the boxes that hold the trophy's name.
TEST_F(TrophyPopUp, TheTextBoxesLieOverThePanelsThatShareTheirDepth)
{
    TutorialOn(false);
    Open(1 << 7);
    std::map<std::string, size_t> place;
    const std::vector<CSprite*>& drawn = CSprite::renderer->Sprites();
    for (size_t i = 0; i < drawn.size(); i++) {
        const char* name = drawn[i] && drawn[i]->GetNumImages() > 0
                               ? CSprite::draw->GetImageName(drawn[i]->GetImage(0))
                               : nullptr;
        if (name) {
            place[name] = i;
        }
    }
    for (const char* box : {"trophies_boxA.png", "trophies_boxB.jpg", "trophies_boxC.jpg"}) {
        for (const char* panel :
             {"trophy_unlocked_main_A.png", "trophy_unlocked_main_B.jpg", "trophy_unlocked_main_C.jpg"}) {
            ASSERT_TRUE(place.count(box) && place.count(panel)) << box << " " << panel;
            EXPECT_GT(place[box], place[panel]) << box << " over " << panel;
        }
    }
    ClickAt(kCloseX, kCloseY);
}

TEST_F(TrophyPopUp, AMaskAnnouncesItsLowestTrophyAndOneWithoutATrophyNone)
{
    EXPECT_EQ(CControllerTrophyUnlock::TrophyIndex((1 << 9) | (1 << 4) | (1 << 12)), 4);
    EXPECT_EQ(CControllerTrophyUnlock::TrophyIndex(1 << 24), 24);
    EXPECT_EQ(CControllerTrophyUnlock::TrophyIndex(0), -1);
    EXPECT_EQ(CControllerTrophyUnlock::TrophyIndex(1 << 25), -1);
    TutorialOn(false);
    Open(0);
    EXPECT_EQ(popUp->trophy, -1);
    ClickAt(kCloseX, kCloseY);
    EXPECT_EQ(dismissed, 1);
}

}  // namespace
