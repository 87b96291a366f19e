#include "tests/game/BuildMenuFixture.h"

#include "CControllerGame.h"
#include "CControllerPopUp.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CGuiFlowers.h"
#include "CTreeIndicator.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"

#include <set>

namespace {

constexpr int kHutSmall = 0, kHutLarge = 1, kFireplace = 2, kScience = 3, kFlowers = 4, kSaplings = 5;
constexpr int kFoodStore = 6, kShipyard = 12;

std::set<int> Ghosts(CControllerBuild* menu)
{
    std::set<int> ghosts;
    for (int item = 0; item < CControllerBuild::ITEMS; item++) {
        if (CControllerBuild::IsGhosted(item)) {
            ghosts.insert(item);
            EXPECT_EQ(menu->itemPictures[item]->GetNumImages(), 1) << "a still ghost, item " << item;
        } else {
            EXPECT_EQ(menu->itemPictures[item]->GetNumImages(), 15) << "a bounce and its animation, item " << item;
        }
    }
    return ghosts;
}

// Whether the sprite shows the price text with these inserts, pixel for pixel.
bool ShowsPrice(CSprite* cost, const char* wood, const char* rock, const char* work)
{
    CSprite price(0, 0, 0);
    int lines = 0;
    price.LoadTextShadow(10090, 180, 70, 2, lines, 41, 37, 22, wood, rock, work, nullptr, nullptr);
    CDraw* draw = CSprite::draw;
    const int shown = cost->GetImage(0), made = price.GetImage(0);
    if (draw->GetW(shown) != draw->GetW(made) || draw->GetH(shown) != draw->GetH(made)) {
        return false;
    }
    for (int y = 0; y < draw->GetH(made); y++) {
        for (int x = 0; x < draw->GetW(made); x++) {
            if (draw->getpixel(shown, x, y) != draw->getpixel(made, x, y)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST_F(BuildMenuTest, ResearchUnlocksTheBoardFieldByField)
{
    struct {
        int agriculture, construction;
        std::set<int> ghosts;
    } levels[] = {
        {0, 0, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {1, 1, {9, 11, 12, 13, 14}},
        {2, 2, {}},
    };
    for (const auto& level : levels) {
        SetLevels(level.agriculture, level.construction, 0, 0);
        CControllerBuild* menu = OpenMenu();
        EXPECT_EQ(Ghosts(menu), level.ghosts) << "construction " << level.construction;
        menu->InputKey(true, SDLK_ESCAPE);
        Frame();
        EXPECT_EQ(builder.screen, nullptr) << "Escape closes";
    }
    EXPECT_FALSE(CControllerBuild::IsGhosted(15)) << "the back button";
    EXPECT_EQ(CControllerBuild::GetBuildingType(kFlowers), -1);
    EXPECT_EQ(CControllerBuild::GetBuildingType(1042), -1);
}

TEST_F(BuildMenuTest, ThePointerLightsOneItemAndItsTextsAreRenderedOnlyWhenItChanges)
{
    EXPECT_EQ(CControllerBuild::ItemAt(237, 150), 0);
    EXPECT_EQ(CControllerBuild::ItemAt(238, 150), 1);
    EXPECT_EQ(CControllerBuild::ItemAt(146, 150), -1) << "beside the board";

    SetLevels(0, 0, 0, 0);
    CControllerBuild* menu = OpenMenu();
    MouseAt(238, 150);
    Frame();
    EXPECT_EQ(menu->hoveredItem, 1);
    EXPECT_FALSE(menu->largePictures[1]->Hidden());
    EXPECT_TRUE(menu->introText->Hidden());
    EXPECT_FALSE(menu->cost->Hidden());
    Frame(5);
    EXPECT_EQ(menu->hoverRenders, 1) << "the same item: only shown again";
    EXPECT_GT(menu->itemPictures[1]->GetFrame(), 4u) << "the picture plays while pointed at";

    MouseAt(237, 150);
    Frame();
    EXPECT_EQ(menu->hoveredItem, 0);
    EXPECT_EQ(menu->hoverRenders, 2);
    EXPECT_TRUE(menu->largePictures[1]->Hidden());
    for (int frame = 0; frame < 12 && menu->itemPictures[1]->GetFrame() != 0; frame++) {
        const unsigned int shown = menu->itemPictures[1]->GetFrame();
        EXPECT_TRUE(shown == 0 || shown >= 4) << "played back past the bounce straight to rest, not " << shown;
        Frame();
    }
    EXPECT_EQ(menu->itemPictures[1]->GetFrame(), 0u);

    // The fireplace needs rock but no wood: the price names each in its place.
    MouseAt(380, 150);
    Frame();
    ASSERT_EQ(menu->hoveredItem, kFireplace);
    EXPECT_TRUE(ShowsPrice(menu->cost, "0", "2", "500"));
    EXPECT_FALSE(ShowsPrice(menu->cost, "2", "0", "500"));
    MouseAt(285, 220);
    Frame();
    ASSERT_EQ(menu->hoveredItem, kFlowers);
    EXPECT_TRUE(ShowsPrice(menu->cost, "0", "0", "1")) << "flowers cost nothing but a moment";

    // A locked item shows its locked words and no price or large picture.
    MouseAt(190, 300);
    Frame();
    EXPECT_EQ(menu->hoverRenders, 5);
    EXPECT_TRUE(menu->cost->Hidden());
    EXPECT_TRUE(menu->largePictures[kFoodStore]->Hidden());
    EXPECT_EQ(menu->description->GetY(), 264);

    MouseAt(600, 500);
    Frame();
    EXPECT_EQ(menu->hoveredItem, -1);
    EXPECT_FALSE(menu->introText->Hidden());
    EXPECT_TRUE(menu->header->Hidden());
}

TEST_F(BuildMenuTest, AFinishedShipyardTurnsItsItemIntoTheShip)
{
    SetLevels(0, 2, 0, 0);
    CShipyard::numBuilt = 1;
    OpenMenu();
    EXPECT_EQ(CControllerBuild::GetBuildingType(kShipyard), 13);
    Choose(kShipyard);
    EXPECT_EQ(CObject::placingBuilding, 21);
    EXPECT_EQ(builder.backs, 1);

    CShipyard::numBuilt = 0;
    OpenMenu();
    Choose(kShipyard);
    EXPECT_EQ(CObject::placingBuilding, 8);
}

TEST_F(BuildMenuTest, ALockedItemGivesTheNoticeAndTheMenuStays)
{
    SetLevels(0, 0, 0, 0);
    CControllerBuild* menu = OpenMenu();
    Choose(kFoodStore);
    ASSERT_NE(CControllerBuild::popUp, nullptr);
    EXPECT_EQ(CControllerBuild::popUp->request.id, 12017);
    EXPECT_EQ(CController::focus, CControllerBuild::popUp);
    CControllerBuild::popUp->GUICallback(0, 0);
    Frame();
    EXPECT_EQ(CControllerBuild::popUp, nullptr);
    EXPECT_EQ(CController::focus, menu);
    EXPECT_EQ(CObject::placingBuilding, -1);
    EXPECT_EQ(builder.backs, 0);
}

TEST_F(BuildMenuTest, ChoosingWhatIsBeingPlacedClosesWithNothingPlaced)
{
    CObject::placingBuilding = 9;
    OpenMenu();
    Choose(kFireplace);
    EXPECT_EQ(builder.backs, 1);
    EXPECT_EQ(CObject::placingBuilding, -1);
}

TEST_F(BuildMenuTest, TheHutChooserCancelledBringsTheMenuBack)
{
    SetLevels(0, 1, 0, 0);
    CControllerBuild* menu = OpenMenu();
    Choose(kHutSmall);
    ASSERT_NE(CControllerBuild::hutSelect, nullptr);
    EXPECT_EQ(CController::focus, CControllerBuild::hutSelect);
    EXPECT_TRUE(menu->itemPictures[kHutSmall]->Hidden()) << "the menu hides behind the chooser";
    Escape(CControllerBuild::hutSelect);
    EXPECT_EQ(CControllerBuild::hutSelect, nullptr);
    EXPECT_EQ(CController::focus, menu);
    EXPECT_FALSE(menu->itemPictures[kHutSmall]->Hidden());
    EXPECT_EQ(CObject::placingBuilding, -1);
}

TEST_F(BuildMenuTest, FlowersOpenThePanelAndSaplingsSwitchPaintingOnAndOff)
{
    SetLevels(1, 0, 0, 0);
    CGuiFlowers panel(nullptr);
    CControllerGame::flowers = &panel;
    OpenMenu();
    Choose(kFlowers);
    EXPECT_EQ(panel.wanted, 1) << "the panel is called in";
    EXPECT_EQ(CControllerGame::lastToolTip.id, 15007);
    CControllerGame::flowers = nullptr;

    OpenMenu();
    Choose(kSaplings);
    EXPECT_EQ(CTreeIndicator::placingTrees, 0);
    OpenMenu();
    Choose(kSaplings);
    EXPECT_EQ(CTreeIndicator::placingTrees, -1);
    EXPECT_EQ(builder.backs, 3);
}

TEST_F(BuildMenuTest, ATutorialStepShowsItsCircleAndAcceptsOnlyItsItem)
{
    struct {
        int step;
        int item;
        bool escapeCloses;
    } steps[] = {{25, kHutSmall, false}, {25, kHutLarge, false}, {42, kScience, false}, {65, kFlowers, true}};
    CGuiFlowers panel(nullptr);
    CControllerGame::flowers = &panel;
    SetLevels(0, 0, 0, 0);
    profile->SetValue<bool>(67, true);
    for (const auto& pending : steps) {
        CompleteSteps(0, pending.step - 1);
        CTutorialDialog::UncompleteTutorial(pending.step);
        CTutorialDialog::DetermineNextTutorial();
        ASSERT_EQ(CTutorialDialog::nextTutorial, pending.step);
        CControllerBuild* menu = OpenMenu();
        Frame();
        ASSERT_NE(CTutorialDialog::activeDialog, nullptr) << pending.step;
        EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), pending.step);
        EXPECT_NE(CTutorialDialog::tutorialCircle, nullptr);

        Choose(kFireplace);
        EXPECT_EQ(CController::focus, menu) << "another item is refused";
        EXPECT_EQ(CObject::placingBuilding, -1);
        menu->InputKey(true, SDLK_ESCAPE);
        Frame();
        EXPECT_EQ(builder.screen == nullptr, pending.escapeCloses) << pending.step;
        if (!builder.screen) {
            EXPECT_EQ(CTutorialDialog::tutorialCircle, nullptr) << "the menu takes its circle with it";
            menu = OpenMenu();
            Frame();
        }
        Choose(pending.item);
        EXPECT_EQ(builder.screen, nullptr) << pending.step;
        EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(pending.step));
        CObject::placingBuilding = -1;
    }
    CControllerGame::flowers = nullptr;
}

// The board's fifteen cells tile it exactly: each cell's far edges still
// belong to it, one pixel further is the next cell or off the board, and its
// button answers the pointer on the same rectangle.
TEST_F(BuildMenuTest, EachItemsCellEndsWhereTheNextBeginsOnTheBoardAndOnItsButton)
{
    struct cell {
        int x, y, w, h;
    };
    constexpr cell kCells[CControllerBuild::ITEMS] = {
        {147, 110, 90, 74}, {237, 110, 96, 74}, {333, 110, 89, 74},
        {147, 184, 90, 76}, {237, 184, 96, 76}, {333, 184, 89, 76},
        {147, 260, 90, 77}, {237, 260, 96, 77}, {333, 260, 89, 77},
        {147, 337, 90, 79}, {237, 337, 96, 79}, {333, 337, 89, 79},
        {147, 416, 90, 71}, {237, 416, 96, 71}, {333, 416, 89, 71},
    };
    SetLevels(2, 2, 0, 0);
    CControllerBuild* menu = OpenMenu();
    for (int item = 0; item < CControllerBuild::ITEMS; item++) {
        SCOPED_TRACE(testing::Message() << "item " << item);
        const cell& c = kCells[item];
        const int column = item % 3, row = item / 3;
        EXPECT_EQ(CControllerBuild::ItemAt(c.x + 1, c.y + 1), item);
        EXPECT_EQ(CControllerBuild::ItemAt(c.x + c.w, c.y + c.h), item) << "the far corner";
        EXPECT_EQ(CControllerBuild::ItemAt(c.x + c.w + 1, c.y + 1), column < 2 ? item + 1 : -1);
        EXPECT_EQ(CControllerBuild::ItemAt(c.x + 1, c.y + c.h + 1), row < 4 ? item + 3 : -1);
        if (column == 0) {
            EXPECT_EQ(CControllerBuild::ItemAt(c.x, c.y + 1), item);
            EXPECT_EQ(CControllerBuild::ItemAt(c.x - 1, c.y + 1), -1);
        }
        if (row == 0) {
            EXPECT_EQ(CControllerBuild::ItemAt(c.x + 1, c.y), item);
            EXPECT_EQ(CControllerBuild::ItemAt(c.x + 1, c.y - 1), -1);
        }

        CGuiButton* button = menu->itemButtons[item];
        MouseAt(c.x, c.y);
        EXPECT_TRUE(button->IsMouseOver());
        MouseAt(c.x + c.w, c.y + c.h);
        EXPECT_TRUE(button->IsMouseOver());
        MouseAt(c.x - 1, c.y);
        EXPECT_FALSE(button->IsMouseOver());
        MouseAt(c.x + c.w, c.y + c.h + 1);
        EXPECT_FALSE(button->IsMouseOver());
    }

    // The menu lights what the rule finds on the line between two rows.
    MouseAt(190, 260);
    Frame();
    EXPECT_EQ(menu->hoveredItem, 3);
    MouseAt(190, 261);
    Frame();
    EXPECT_EQ(menu->hoveredItem, 6);
}

// The items' building types and the research each waits for, every lock
// tried one level short of its need and at it, with the other field at the
// level that would hide a slip.
TEST_F(BuildMenuTest, EachItemsBuildingTypeAndLockFollowTheBoardsTable)
{
    enum Field { kNone, kAgriculture, kConstruction };
    struct item_row {
        int type;
        Field field;
        int level;
    };
    constexpr item_row kItems[CControllerBuild::ITEMS] = {
        {1, kNone, 0},  {1, kNone, 0},          {9, kNone, 0},          {7, kNone, 0},
        {-1, kNone, 0}, {-1, kAgriculture, 1},  {2, kConstruction, 1},  {4, kConstruction, 1},
        {3, kConstruction, 1},  {12, kAgriculture, 2},  {6, kConstruction, 1},  {5, kConstruction, 2},
        {8, kConstruction, 2},  {10, kConstruction, 2}, {11, kConstruction, 2},
    };
    for (int item = 0; item < CControllerBuild::ITEMS; item++) {
        SCOPED_TRACE(testing::Message() << "item " << item);
        const item_row& row = kItems[item];
        EXPECT_EQ(CControllerBuild::GetBuildingType(item), row.type);
        if (row.field == kNone) {
            SetLevels(0, 0, 0, 0);
            EXPECT_FALSE(CControllerBuild::IsGhosted(item));
            continue;
        }
        const bool agriculture = row.field == kAgriculture;
        SetLevels(agriculture ? row.level - 1 : 2, agriculture ? 2 : row.level - 1, 0, 0);
        EXPECT_TRUE(CControllerBuild::IsGhosted(item)) << "one level short";
        SetLevels(agriculture ? row.level : 0, agriculture ? 0 : row.level, 0, 0);
        EXPECT_FALSE(CControllerBuild::IsGhosted(item)) << "at its level";
    }
}
