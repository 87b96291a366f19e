#include "tests/research/ResearchScreenFixture.h"

#include "CScienceStation.h"
#include "CDraw.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"

#include <cstring>

namespace {

using ResearchScreen = ScreenTest;

constexpr int kBack = 0, kLab = 9, kResearchConstruction = 2, kFirstHelp = 5;

// Whether the sprite shows exactly the value text the screen makes of
// textId and insert.
bool Shows(CSprite* sprite, int textId, const char* insert)
{
    CSprite reference(0);
    int lines = 0;
    reference.LoadTextShadow(textId, 100, 100, 1, lines, 41, 35, 28, insert, nullptr, nullptr, nullptr, nullptr);
    SDL_Surface* a = CSprite::draw->GetSurface(sprite->GetFirstImage());
    SDL_Surface* b = CSprite::draw->GetSurface(reference.GetFirstImage());
    if (a->w != b->w || a->h != b->h) {
        return false;
    }
    SDL_LockSurface(a);
    SDL_LockSurface(b);
    bool same = true;
    for (int y = 0; y < a->h && same; y++) {
        same = !memcmp(static_cast<uint8_t*>(a->pixels) + y * a->pitch, static_cast<uint8_t*>(b->pixels) + y * b->pitch,
                       static_cast<size_t>(a->w) * a->format->BytesPerPixel);
    }
    SDL_UnlockSurface(b);
    SDL_UnlockSurface(a);
    return same;
}

int RightEdge(CSprite* text)
{
    return CSprite::draw->GetRightEdge(text->GetFirstImage());
}

TEST_F(ResearchScreen, BuyingConstructionShowsItsNextCostAndTheHelpNamesEachField)
{
    profile->SetValue<bool>(67, false);
    profile->SetValue<int>(25, 100);
    CControllerScience* screen = OpenResearch();
    EXPECT_TRUE(Shows(screen->costValues[1], 21012, "100"));
    Press(screen, kResearchConstruction);
    EXPECT_TRUE(Shows(screen->levelValues[1], 21012, "2"));
    EXPECT_TRUE(Shows(screen->costValues[1], 21012, "400000"));
    CloseNotice();
    ASSERT_EQ(CController::focus, screen) << "the notice hands back to the screen";
    profile->SetValue<int>(25, 400000);
    Press(screen, kResearchConstruction);
    EXPECT_TRUE(Shows(screen->costValues[1], 21013, nullptr));
    CloseNotice();

    for (int field = 0; field < 4; field++) {
        Press(screen, kFirstHelp + field);
        EXPECT_EQ(Notice(), 12150 + field);
        CloseNotice();
    }
}

TEST_F(ResearchScreen, EveryFieldSellsItsTwoLevelsAtItsOwnPricesWithItsOwnWords)
{
    profile->SetValue<bool>(67, false);
    CControllerScience* screen = OpenResearch();
    EXPECT_EQ(CControllerScience::GetUpgradeCost(9), 500) << "any other field is the arts";
    const struct {
        int levelProperty, costs[2], words[2];
    } fields[] = {{29, {2000, 5000}, {12009, 12010}},
                  {27, {100, 400000}, {12011, 12012}},
                  {28, {20000, 50000}, {12013, 12014}},
                  {26, {500, 200000}, {12015, 12016}}};
    for (int field = 0; field < 4; field++) {
        const int button = field + 1;
        for (int level = 0; level < 2; level++) {
            const int cost = fields[field].costs[level];
            EXPECT_EQ(CControllerScience::GetUpgradeCost(field), cost) << field;
            profile->SetValue<int>(25, cost - 1);
            Press(screen, button);
            EXPECT_EQ(Notice(), 12007) << "one point short, field " << field;
            EXPECT_EQ(profile->GetValue<int>(fields[field].levelProperty), level);
            CloseNotice();

            profile->SetValue<int>(25, cost + 7);
            Press(screen, button);
            EXPECT_EQ(Notice(), fields[field].words[level]) << field;
            EXPECT_EQ(CControllerScience::GetSciencePoints(), 7);
            EXPECT_EQ(profile->GetValue<int>(fields[field].levelProperty), level + 1) << field;
            CloseNotice();
        }
        EXPECT_EQ(CControllerScience::GetUpgradeCost(field), -1);
        Press(screen, button);
        EXPECT_EQ(Notice(), 12008);
        CloseNotice();
    }
}

TEST_F(ResearchScreen, ThePointsLineStaysCentredWhateverTheNumber)
{
    std::vector<int> widths;
    for (int points : {0, 9999999}) {
        profile->SetValue<int>(25, points);
        CControllerScience screen;
        const int left = screen.pointsLabel->GetX();
        const int right = screen.pointsNumber->GetX() + RightEdge(screen.pointsNumber);
        EXPECT_NEAR((left + right) / 2.0, 389.0, 1.0) << points << " points";
        EXPECT_LT(screen.pointsNumber->GetX(), screen.pointsLabel->GetX() + RightEdge(screen.pointsLabel))
            << "the number touches the label";
        widths.push_back(right - left);
    }
    EXPECT_GT(widths[1], widths[0] + 20);
}

// The game screen opens the potion lab when the research screen asks for it.
TEST_F(ResearchScreen, TheLabButtonLeadsToTheLabOnlyWithAFinishedScienceStation)
{
    profile->SetValue<bool>(67, false);
    CControllerScience* screen = OpenResearch();
    Press(screen, kLab);
    EXPECT_EQ(Notice(), 12160);
    CloseNotice();
    ASSERT_EQ(CController::focus, screen) << "the screen stays";
    Escape(screen);
    EXPECT_EQ(CController::focus, &opener);
    EXPECT_EQ(opener.potionLab, nullptr) << "Escape never opens the lab";

    CScienceStation station(1000, 1000);
    screen = OpenResearch();
    Press(screen, kLab);
    EXPECT_EQ(Notice(), 12160) << "still being built";
    CloseNotice();
    station.FinishNow();
    Press(screen, kLab);
    ASSERT_NE(opener.potionLab, nullptr);
    EXPECT_EQ(CController::focus, opener.potionLab);
    Escape(opener.potionLab);
    EXPECT_EQ(CController::focus, &opener);

    screen = OpenResearch();
    Press(screen, kBack);
    EXPECT_EQ(opener.research, nullptr);
    EXPECT_EQ(opener.potionLab, nullptr) << "the back button does not";
}

TEST_F(ResearchScreen, WithTheTutorialOffClosingStillFinishesTheFirstVisit)
{
    profile->SetValue<bool>(67, false);
    CompleteSteps(0, 53);
    CControllerScience* screen = OpenResearch();
    Frame(3);
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::tutorialCircle, nullptr);
    Press(screen, kBack);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(54));
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(55));
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(74)) << "the research steps have not begun";
}

TEST_F(ResearchScreen, TheFirstVisitShowsItsTwoStepsInTurn)
{
    CompleteSteps(0, 53);
    CControllerScience* screen = OpenResearch();
    Frame();
    ASSERT_NE(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 54);
    ASSERT_NE(CTutorialDialog::tutorialCircle, nullptr);
    EXPECT_EQ(CTutorialDialog::tutorialCircle->GetX(), 375);
    EXPECT_EQ(CTutorialDialog::tutorialCircle->GetY(), 50);

    screen->GUICallback(1054, 0);  // the dialog's okay button
    Frame();
    ASSERT_NE(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 55);
    EXPECT_EQ(CTutorialDialog::tutorialCircle->GetX(), 411) << "the lab button";
    EXPECT_EQ(CTutorialDialog::tutorialCircle->GetY(), 485);

    screen->GUICallback(1055, 0);
    Frame(2);
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr) << "the next step is not the screen's";
    Press(screen, kBack);
    EXPECT_EQ(CTutorialDialog::tutorialCircle, nullptr);
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0);
}

// From the points earned on the island through the game screen's research
// button to a purchase and back.
TEST_F(ResearchScreen, TheResearchStepsRunFromEnoughPointsThroughAPurchase)
{
    CompleteSteps(0, 72);
    game = std::make_unique<CControllerGame>(false, false);
    CControllerScience::AddSciencePoints(150);
    ASSERT_EQ(game->pendingTutorial, 73);
    // What the game screen's research button does before it opens the screen.
    CTutorialDialog::CompleteTutorial(73);
    game->pendingTutorial = 74;

    CControllerScience* screen = OpenResearch();
    Frame();
    ASSERT_NE(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 74);
    ASSERT_NE(CTutorialDialog::tutorialCircle, nullptr);
    EXPECT_EQ(CTutorialDialog::tutorialCircle->GetX(), 375);
    EXPECT_EQ(CTutorialDialog::tutorialCircle->GetY(), 50);

    Press(screen, kResearchConstruction);
    EXPECT_EQ(Notice(), 12011);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(74));
    EXPECT_EQ(game->pendingTutorial, 75);
    CloseNotice();
    Frame();
    ASSERT_NE(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 75);
    EXPECT_EQ(CTutorialDialog::tutorialCircle, nullptr) << "step 75 has no ring";

    Escape(screen);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(75));
    EXPECT_EQ(game->pendingTutorial, -1);
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0);
}

TEST_F(ResearchScreen, AResearchStepThatNoLongerAppliesIsDropped)
{
    CompleteSteps(0, 73);
    game = std::make_unique<CControllerGame>(false, false);
    game->pendingTutorial = 74;
    profile->SetValue<int>(25, 99);
    OpenResearch();
    EXPECT_EQ(game->pendingTutorial, -1) << "too few points for construction";
    Frame();
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
}

TEST_F(ResearchScreen, AWindowCloseWithADialogShownLeavesNoLiveButton)
{
    CompleteSteps(0, 53);
    CControllerScience* screen = OpenResearch();
    Frame();
    ASSERT_NE(CTutorialDialog::activeDialog, nullptr);
    screen->InputQuit();
    Frame();
    EXPECT_EQ(opener.research, nullptr);
    EXPECT_TRUE(CGuiButtonBase::buttons.empty());
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0);
    EXPECT_EQ(CTutorialDialog::tutorialCircle, nullptr);
}

}  // namespace
