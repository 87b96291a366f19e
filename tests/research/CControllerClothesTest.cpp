#include "ClothesDesignerFixture.h"

#include "CTutorialCircle.h"
#include "CTutorialDialog.h"

#include <SDL.h>

#include <iterator>
#include <vector>

namespace {

using ClothesDesigner = ClothesTest;
constexpr int kFirstSlot = CControllerClothes::kFirstSlot;

// The styles a garment visits from style 0 by pressing one arrow three
// times, for each sex and arts level the paging rules tell apart.
TEST_F(ClothesDesigner, StylesPageWithinWhatArtsResearchAllows)
{
    struct paging {
        int gender, arts;
        bool shirt;
        std::vector<int> forward, back;  // from style 0
    };
    const paging cases[] = {
        {0, 0, true, {1, 2, 1}, {2, 1, 2}},  {0, 0, false, {2, 0, 2}, {2, 0, 2}},
        {0, 1, true, {1, 2, 0}, {2, 1, 0}},  {1, 1, false, {1, 0, 1}, {1, 0, 1}},
        {1, 2, false, {1, 2, 0}, {2, 1, 0}},
    };
    Open(Member(1, 0));
    Member(2, 1);
    for (const paging& c : cases) {
        profile.SetValue<int>(26, c.arts);
        CControllerClothes& d = Designer();
        if (d.person->GetGender() != c.gender) {
            Button(CControllerClothes::kNextPerson);
        }
        for (bool forward : {true, false}) {
            int& style = c.shirt ? d.shirtStyle : d.pantsStyle;
            style = 0;
            const int id = c.shirt ? (forward ? CControllerClothes::kShirtLeft : CControllerClothes::kShirtRight)
                                   : (forward ? CControllerClothes::kPantsLeft : CControllerClothes::kPantsRight);
            std::vector<int> visited;
            for (int i = 0; i < 3; i++) {
                Button(id);
                visited.push_back(style);
            }
            EXPECT_EQ(visited, forward ? c.forward : c.back)
                << "gender " << c.gender << " arts " << c.arts << (c.shirt ? " shirt" : " pants");
        }
    }
}

// Every entry of the paging table: from each style, each way, for each
// garment, sex and arts level.
TEST_F(ClothesDesigner, EachStylePagesToTheStyleItsTableGives)
{
    struct paging_row {
        bool shirt;
        int lowestArts, highestArts, gender;  // gender -1: either
        int next[3], previous[3];
    };
    constexpr paging_row kRows[] = {
        {true, 1, 2, -1, {1, 2, 0}, {2, 0, 1}},  {true, 0, 0, 1, {1, 0, 0}, {1, 0, 1}},
        {true, 0, 0, 0, {1, 2, 1}, {2, 2, 1}},   {false, 2, 2, -1, {1, 2, 0}, {2, 0, 1}},
        {false, 0, 1, 1, {1, 0, 0}, {1, 0, 1}},  {false, 0, 1, 0, {2, 2, 0}, {2, 0, 0}},
    };
    Open(Member(1, 0));
    Member(2, 1);
    for (const paging_row& row : kRows) {
        for (int gender = 0; gender < 2; gender++) {
            if (row.gender != -1 && row.gender != gender) {
                continue;
            }
            for (int arts = row.lowestArts; arts <= row.highestArts; arts++) {
                profile.SetValue<int>(26, arts);
                CControllerClothes& d = Designer();
                if (d.person->GetGender() != gender) {
                    Button(CControllerClothes::kNextPerson);
                }
                ASSERT_EQ(d.person->GetGender(), gender);
                int& style = row.shirt ? d.shirtStyle : d.pantsStyle;
                for (int from = 0; from < 3; from++) {
                    SCOPED_TRACE(testing::Message() << (row.shirt ? "shirt" : "pants") << ", gender " << gender
                                                    << ", arts " << arts << ", from " << from);
                    style = from;
                    Button(row.shirt ? CControllerClothes::kShirtLeft : CControllerClothes::kPantsLeft);
                    EXPECT_EQ(style, row.next[from]) << "next";
                    style = from;
                    Button(row.shirt ? CControllerClothes::kShirtRight : CControllerClothes::kPantsRight);
                    EXPECT_EQ(style, row.previous[from]) << "previous";
                }
            }
        }
    }
}

// Every button by id where the designer's layout puts it: back, make
// clothes, the steps, the ten queue slots, the fifteen quick picks and the
// two tabs.
TEST_F(ClothesDesigner, EveryButtonStandsAtItsPlace)
{
    static constexpr coordinate kPlaces[] = {
        {342, 510}, {108, 243}, {77, 122},  {298, 122}, {137, 100}, {250, 99},  {138, 169}, {251, 169}, {405, 80},
        {406, 110}, {405, 139}, {405, 168}, {405, 201}, {572, 80},  {573, 110}, {573, 139}, {572, 169}, {572, 202},
        {123, 354}, {156, 353}, {189, 354}, {228, 354}, {263, 355}, {122, 395}, {155, 396}, {191, 394}, {227, 397},
        {264, 396}, {123, 432}, {156, 430}, {189, 431}, {227, 433}, {262, 433}, {252, 257}, {457, 258}};
    Open(Member(1, 0));
    CControllerClothes& d = Designer();
    constexpr int kFirstQuickPick = CControllerClothes::kFirstQuickPick, kTabA = CControllerClothes::kTabA;
    for (int id = 0; id < static_cast<int>(std::size(kPlaces)); id++) {
        const CGuiButton* button = id < kFirstQuickPick ? d.buttons[id]
                                   : id < kTabA         ? d.quickPicks[id - kFirstQuickPick]
                                   : id == kTabA        ? d.tabA
                                                        : d.tabB;
        EXPECT_EQ(button->x, kPlaces[id].x) << "button " << id;
        EXPECT_EQ(button->y, kPlaces[id].y) << "button " << id;
    }
}

TEST_F(ClothesDesigner, LeavingAsksOnlyWhileADesignIsUnordered)
{
    CPerson* man = Member(1, 0);
    Open(man);
    Frame();
    CControllerClothes& d = Designer();
    Button(CControllerClothes::kShirtLeft);
    const int style = d.shirtStyle;
    Button(CControllerClothes::kBack);
    EXPECT_EQ(Answer(false), 12203);
    ASSERT_EQ(CController::focus, opener.clothes) << "no keeps the designer";
    EXPECT_EQ(d.shirtStyle, style);
    EXPECT_TRUE(d.changed);

    Button(CControllerClothes::kMakeClothes);
    ASSERT_EQ(CPerson::craftQueue.size(), 1u);
    const craft_data& order = CPerson::craftQueue[0];
    EXPECT_EQ(order.islanderId, 1);
    EXPECT_EQ(order.topStyle, style);
    EXPECT_EQ(order.topColour.r, d.shirtColour.r);
    EXPECT_EQ(order.bottomColour.b, d.pantsColour.b);
    EXPECT_EQ(order.workNeeded, 50);
    EXPECT_EQ(d.slotNames[0], man->GetASCIIName());

    // Ordering the same again is refused with a notice.
    Button(CControllerClothes::kMakeClothes);
    EXPECT_EQ(Answer(true), 12204);
    EXPECT_EQ(CPerson::craftQueue.size(), 1u);

    Button(CControllerClothes::kBack);
    EXPECT_EQ(CControllerClothes::popUp, nullptr);
    Frame();
    EXPECT_EQ(opener.clothes, nullptr) << "right after an order back closes at once";
    EXPECT_TRUE(opener.keptSelection) << "opened for the man, who is selected again";
    EXPECT_EQ(opener.shown, man);
    EXPECT_FALSE(CPerson::wantNoClothes) << "portraits are dressed again";

    // A change and a yes to the question closes too.
    Open(man);
    Button(CControllerClothes::kFirstQuickPick + 2);
    Button(CControllerClothes::kBack);
    EXPECT_EQ(Answer(true), 12203);
    Frame();
    EXPECT_EQ(opener.clothes, nullptr);
}

TEST_F(ClothesDesigner, TheQueueHoldsTenOrdersThatCanBeWithdrawn)
{
    CPerson* first = Member(1, 0);
    CPerson* second = Member(3, 1);
    Open(nullptr);
    CControllerClothes& d = Designer();
    EXPECT_EQ(d.person, first) << "opened for no one: the first adult";
    EXPECT_FALSE(d.keepSelection);
    for (int i = 0; i < 5; i++) {
        Button(CControllerClothes::kFirstQuickPick + i);
        Button(CControllerClothes::kMakeClothes);
        Button(CControllerClothes::kNextPerson);
    }
    ASSERT_EQ(CPerson::craftQueue.size(), 5u);
    EXPECT_EQ(d.slotNames[2], first->GetASCIIName());

    // Withdrawing order 3 of 5 leaves four names and six free slots.
    std::string asked;
    Button(kFirstSlot + 2);
    EXPECT_EQ(Answer(true, &asked), 12205);
    EXPECT_EQ(asked, first->GetASCIIName());
    ASSERT_EQ(CPerson::craftQueue.size(), 4u);
    const std::vector<std::string> names(d.slotNames, d.slotNames + CControllerClothes::kQueueSlots);
    const std::vector<std::string> expected = {first->GetASCIIName(), second->GetASCIIName(), second->GetASCIIName(),
                                               first->GetASCIIName(), "", "", "", "", "", ""};
    EXPECT_EQ(names, expected);

    // A free slot asks nothing; no keeps the order.
    Button(kFirstSlot + 7);
    EXPECT_EQ(CControllerClothes::popUp, nullptr);
    Button(kFirstSlot + 0);
    EXPECT_EQ(Answer(false), 12205);
    EXPECT_EQ(CPerson::craftQueue.size(), 4u);

    for (int i = 0; i < 6; i++) {
        Button(CControllerClothes::kFirstQuickPick + 10 + (i % 5));
        Button(CControllerClothes::kMakeClothes);
    }
    ASSERT_EQ(CPerson::craftQueue.size(), 10u);
    Button(CControllerClothes::kFirstQuickPick + 1);
    Button(CControllerClothes::kMakeClothes);
    EXPECT_EQ(Answer(true), 12206);
    EXPECT_EQ(CPerson::craftQueue.size(), 10u) << "the eleventh is refused";
    Frame();
    EXPECT_TRUE(d.changed) << "the refused design stays unordered";
}

// Without an adult nothing is drawn and everything that would dress one
// says no; back and Escape still leave.
TEST_F(ClothesDesigner, WithNoAdultOnlyLeavingWorks)
{
    Member(1, 0, 8);
    Member(2, 1, 1);
    Open(nullptr);
    Frame();
    CControllerClothes& d = Designer();
    EXPECT_EQ(d.person, nullptr);
    EXPECT_EQ(d.portrait, nullptr);
    EXPECT_EQ(d.shirtColourInUse, nullptr);
    for (auto& gender : d.garmentColour) {
        for (auto& garment : gender) {
            for (auto& facing : garment) {
                for (CSprite* sprite : facing) {
                    EXPECT_TRUE(sprite->Hidden());
                }
            }
        }
    }
    for (int id : {int(CControllerClothes::kMakeClothes), int(CControllerClothes::kShirtLeft),
                   int(CControllerClothes::kFirstQuickPick) + 3, int(CControllerClothes::kTabB)}) {
        Button(id);
        EXPECT_TRUE(Refused()) << "button " << id;
        EXPECT_EQ(CControllerClothes::popUp, nullptr);
    }
    EXPECT_TRUE(d.EditingPants()) << "the tab stayed";
    const int knob = Knob(0);
    ClickAt(600, 370);
    EXPECT_TRUE(Refused()) << "a track press";
    EXPECT_EQ(Knob(0), knob);
    MouseAt(knob + 14, 365);
    Frame(6);
    Press(true);
    EXPECT_TRUE(Refused()) << "a knob press";
    d.InputMouseMove(500, 365);
    Press(false);
    EXPECT_EQ(Knob(0), knob);
    EXPECT_TRUE(CPerson::craftQueue.empty());

    // Stepping finds no adult and settles on no child.
    Button(CControllerClothes::kNextPerson);
    Button(CControllerClothes::kPreviousPerson);
    EXPECT_EQ(d.person, nullptr);

    Designer().InputKey(true, SDLK_ESCAPE);
    Frame();
    EXPECT_EQ(opener.clothes, nullptr);
    EXPECT_FALSE(opener.keptSelection);
}

TEST_F(ClothesDesigner, StepsSkipChildrenAndKeepTheOnlyAdult)
{
    CPerson* adult = Member(1, 1);
    Member(2, 0, 5);
    Member(3, 1, 2);
    CObject::lastSelectedPerson = adult;
    Open(nullptr);
    CControllerClothes& d = Designer();
    EXPECT_EQ(d.person, adult);
    d.changed = true;
    Button(CControllerClothes::kNextPerson);
    EXPECT_EQ(d.person, adult) << "the children are passed over all the way round";
    EXPECT_FALSE(d.changed);
    Button(CControllerClothes::kPreviousPerson);
    EXPECT_EQ(d.person, adult);
}

// An order outlives its islander: its slot and its question name no one.
TEST_F(ClothesDesigner, AnOrderOfAGoneIslanderShowsNoName)
{
    Member(1, 0);
    CPerson::AddCraft(77, 0, 0, RGBA_data{1, 2, 3, 0}, RGBA_data{4, 5, 6, 0});
    Open(nullptr);
    CControllerClothes& d = Designer();
    EXPECT_EQ(d.slotNames[0], "");
    std::string asked = "unset";
    Button(kFirstSlot);
    EXPECT_EQ(Answer(true, &asked), 12205);
    EXPECT_EQ(asked, "");
    EXPECT_TRUE(CPerson::craftQueue.empty());
}

// The designer's three steps, with the game screen carrying them: a style,
// a colour and an order, then the way back.
TEST_F(ClothesDesigner, TeachesStyleColourAndOrderingThenTheWayBack)
{
    game = std::make_unique<CControllerGame>(false, false);
    profile.SetValue<bool>(67, true);
    for (int step = 0; step <= 88; step++) {
        CTutorialDialog::CompleteTutorial(step);
    }
    Member(1, 1);
    Open(nullptr);
    Frame();
    EXPECT_EQ(game->pendingTutorial, 89);
    ASSERT_NE(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 89);
    ASSERT_NE(CTutorialDialog::tutorialCircle, nullptr);

    Button(CControllerClothes::kShirtLeft);
    EXPECT_EQ(game->pendingTutorial, 90);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(89));
    Frame();
    // The closed dialog leaves no trace of its okay button below the
    // designer's panels: only the dimmed picture beneath shows there.
    EXPECT_TRUE(Plain({345, 572, 96, 18})) << "the okay button of step 89 still shows";
    ASSERT_NE(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 90);
    const int onStyles = CTutorialDialog::tutorialCircle->GetY();

    // The first colour change moves the ring onto the colours, once.
    Button(CControllerClothes::kFirstQuickPick);
    EXPECT_NE(CTutorialDialog::tutorialCircle->GetY(), onStyles);
    CTutorialCircle* hint = CTutorialDialog::tutorialCircle;
    Button(CControllerClothes::kFirstQuickPick + 1);
    EXPECT_EQ(CTutorialDialog::tutorialCircle, hint);

    Button(CControllerClothes::kMakeClothes);
    EXPECT_EQ(game->pendingTutorial, 91);
    Frame();
    ASSERT_NE(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 91);
    const int onOrder = CTutorialDialog::tutorialCircle->GetX();
    Frame(88);
    EXPECT_EQ(CTutorialDialog::tutorialCircle->GetX(), onOrder);
    Frame();
    EXPECT_NE(CTutorialDialog::tutorialCircle->GetX(), onOrder) << "after 90 frames the ring shows the way back";

    Button(1000 + 91);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(91));
    EXPECT_EQ(game->pendingTutorial, 92);
    Button(CControllerClothes::kBack);
    Frame();
    EXPECT_EQ(opener.clothes, nullptr);
    EXPECT_EQ(game->pendingTutorial, 92) << "an order waits for the craftworks";
    EXPECT_EQ(CTutorialDialog::tutorialCircle, nullptr);
}

TEST_F(ClothesDesigner, LeavingMidwayFinishesTheStepsAndKeepsTheNextOnlyWithAnOrder)
{
    game = std::make_unique<CControllerGame>(false, false);
    Member(1, 0);
    for (bool ordered : {false, true}) {
        game->pendingTutorial = 90;
        Open(nullptr);
        if (ordered) {
            Button(CControllerClothes::kFirstQuickPick + 4);
            Button(CControllerClothes::kMakeClothes);
        }
        Designer().InputKey(true, SDLK_ESCAPE);
        Frame();
        EXPECT_EQ(game->pendingTutorial, ordered ? 92 : -1);
        for (int step = 89; step <= 91; step++) {
            EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(step));
        }
    }
}

}  // namespace
