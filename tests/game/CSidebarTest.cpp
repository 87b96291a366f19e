#include "CControllerGameFixture.h"

#include "tests/buildings/PlainBuilding.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CHut.h"
#include "CMap.h"
#include "CPerson.h"
#include "CResources.h"
#include "CSidebar.h"
#include "CSprite.h"
#include "CStone.h"
#include "CTree.h"
#include "FontSystem.h"
#include "tests/islanders/IslanderRecords.h"

namespace {

constexpr int kYear = 172800;

// Pumps the panel until pred holds; the frames it took, or -1 after limit.
template <class Pred>
int PumpUntil(CSidebar* panel, Pred pred, int limit = 200)
{
    for (int frames = 0; frames < limit; frames++) {
        if (pred()) {
            return frames;
        }
        panel->Pump(false);
    }
    return -1;
}

}  // namespace

TEST_F(GameScreenTest, ASelectionSlidesInAndOutAndTextIsBuiltOnlyOnChange)
{
    Open();
    CSidebar* panel = CControllerGame::sidebar;
    CPerson* first = new CPerson(IslanderRecord(200, 300, 30 * kYear));
    CPerson* second = new CPerson(IslanderRecord(260, 300, 8 * kYear, 1));
    panel->Pump(false);  // the five counts are drawn once
    const int counts = panel->textImagesBuilt;

    CObject::selectedObject = first;
    panel->Pump(false);
    EXPECT_EQ(panel->detailInfoState, CSidebar::SLIDING_IN);
    EXPECT_EQ(panel->detailButtonState, CSidebar::SLIDING_IN);
    EXPECT_FALSE(panel->previousButton->Hidden());
    ASSERT_NE(panel->topText, nullptr) << "the detail lines show at once";
    ASSERT_NE(panel->bottomText, nullptr);
    ASSERT_GT(PumpUntil(panel, [&] { return panel->detailInfoState == CSidebar::SHOWN; }), 0);
    PumpUntil(panel, [&] { return panel->detailButtonState == CSidebar::SHOWN; });
    EXPECT_EQ(panel->namePlate->GetX(), 630);
    EXPECT_EQ(panel->detailInUse->x, 627);

    const int shown = panel->textImagesBuilt;
    for (int i = 0; i < 30; i++) {
        panel->Pump(false);
    }
    EXPECT_EQ(panel->textImagesBuilt, shown) << "a steady selection builds no text";

    // Another islander with the same detail button: the plate goes out and
    // back, the button stays.
    CObject::selectedObject = second;
    panel->Pump(false);
    EXPECT_EQ(panel->detailInfoState, CSidebar::SLIDING_OUT_AND_BACK);
    EXPECT_EQ(panel->detailButtonState, CSidebar::SHOWN);
    PumpUntil(panel, [&] { return panel->detailInfoState == CSidebar::SHOWN; });
    EXPECT_LE(panel->textImagesBuilt - shown, 6);
    EXPECT_EQ(panel->detailButtonState, CSidebar::SHOWN);

    // Deselecting: texts and picture go at once, plate and button slide right.
    CObject::selectedObject = nullptr;
    const int plateX = panel->namePlate->GetX();
    panel->Pump(false);
    EXPECT_EQ(panel->topText, nullptr);
    EXPECT_EQ(panel->bottomText, nullptr);
    EXPECT_EQ(panel->detailInfoState, CSidebar::SLIDING_OUT);
    EXPECT_EQ(panel->namePlate->GetX(), plateX + 25);
    EXPECT_TRUE(panel->previousButton->Hidden());
    PumpUntil(panel, [&] { return panel->detailInfoState == CSidebar::HIDDEN; });
    EXPECT_EQ(panel->detailButtonState, CSidebar::HIDDEN);
    EXPECT_GT(panel->namePlate->GetX(), 800);
    EXPECT_GT(counts, 0);
}

TEST_F(GameScreenTest, ATimedMessageStays270FramesThenTheSelectionsTipSlidesBackIn)
{
    Open();
    CSidebar* panel = CControllerGame::sidebar;
    CPerson* woman = new CPerson(IslanderRecord(200, 300, 30 * kYear, 1));
    woman->thoughtId = 15004;
    CObject::selectedObject = woman;
    PumpUntil(panel, [&] { return panel->tooltipState == CSidebar::SHOWN; });
    EXPECT_EQ(woman->GetTooltipForSidebar().id, 15005) << "a woman's text follows the man's";
    CSprite* plainBack = panel->tooltipBack;

    selection_result message{};
    message.id = 15006;
    std::string caller = "gone soon";
    message.text1 = caller.c_str();
    panel->SetToolTipMessage(message, 270);
    caller = "changed";  // the panel kept its own copy
    panel->Pump(false);
    EXPECT_EQ(panel->tooltipState, CSidebar::SLIDING_OUT_AND_BACK);
    const int slide = PumpUntil(panel, [&] { return panel->tooltipState == CSidebar::SHOWN; });
    EXPECT_NE(panel->tooltipBack, plainBack) << "a timed message shows on the second background";
    const int built = panel->textImagesBuilt;
    int frames = 1 + slide;
    while (panel->timedMessageFrames > 0) {
        EXPECT_EQ(panel->tooltipState, CSidebar::SHOWN);
        panel->Pump(false);
        frames++;
    }
    EXPECT_EQ(frames, 270);
    EXPECT_EQ(panel->textImagesBuilt, built);
    panel->Pump(false);
    EXPECT_EQ(panel->tooltipState, CSidebar::SLIDING_OUT_AND_BACK) << "the islander's thought comes back";
}

// The words a text sprite shows, as laid out, and whether it left a style
// switched for the texts after it.
std::string Words(CSprite* text)
{
    const text_layout* layout = text ? CSprite::draw->TextLayout(text->GetFirstImage()) : nullptr;
    EXPECT_NE(layout, nullptr);
    if (!layout) {
        return "";
    }
    EXPECT_EQ(layout->stylesAfter, 0) << layout->words;
    return layout->words;
}

// The numbers the side panel puts into its texts: a tree's and a rock's
// units left, a hut site's style and progress, and a hut being taken down.
// Each shows, and no text leaves a style switched for the next one.
TEST_F(GameScreenTest, EveryNumberOfTheSelectionShowsInItsSidePanelText)
{
    Open(kFixedIslandSeeds[3]);
    CSidebar* panel = CControllerGame::sidebar;
    CMap* island = CControllerGame::island;
    auto select = [&](CObject* object) {
        CObject::selectedObject = object;
        panel->Pump(false);  // the old plate goes out and comes back
        ASSERT_GE(PumpUntil(panel, [&] { return panel->detailInfoState == CSidebar::SHOWN && panel->nameText; }), 0);
    };
    auto shows = [](const std::string& words, const std::string& part) {
        return words.find(part) != std::string::npos;
    };

    ASSERT_FALSE(island->trees.empty());
    CTree* tree = island->trees.front();
    select(tree);
    EXPECT_TRUE(shows(Words(panel->topText), std::to_string(tree->GetSelectedTopDetail().number) + " left")) << Words(panel->topText);
    ASSERT_FALSE(island->rocks.empty());
    CStone* rock = island->rocks.front();
    select(rock);
    EXPECT_TRUE(shows(Words(panel->topText), std::to_string(rock->GetSelectedTopDetail().number) + " left")) << Words(panel->topText);

    CHut* site = new CHut(island->GetStartX() + 300, island->GetStartY() + 300, 0);
    site->UnHide();
    site->Build(1000);
    const int built = site->GetSelectedTopDetail().number;
    select(site);
    EXPECT_TRUE(shows(Words(panel->nameText), "Hut, style 1")) << Words(panel->nameText);
    EXPECT_TRUE(shows(Words(panel->topText), std::to_string(built) + " percent built"))
        << Words(panel->topText);

    CHut* old = new CHut(island->GetStartX() - 300, island->GetStartY() + 300, 13);
    old->UnHide();
    old->FinishNow();
    old->GiveResponse(true);  // yes, take it down
    old->Build(1000);
    const int cleared = old->GetSelectedTopDetail().number;
    ASSERT_EQ(old->GetSelectedTopDetail().id, 2025);
    select(old);
    EXPECT_TRUE(shows(Words(panel->nameText), "Hut, style 2")) << Words(panel->nameText);
    EXPECT_TRUE(shows(Words(panel->topText), std::to_string(cleared) + " percent cleared"))
        << Words(panel->topText);
}

TEST(CSidebar, PicturesShrinkByPowersOfTwoAndABadSettingMeansNoShrink)
{
    EXPECT_EQ(CSidebar::ShrinkFactor(-1, 400, 300), 4);
    EXPECT_EQ(CSidebar::ShrinkFactor(-1, 150, 150), 1);
    EXPECT_EQ(CSidebar::ShrinkFactor(-1, 151, 20), 2);
    EXPECT_EQ(CSidebar::ShrinkFactor(-1, 5000, 10), 16) << "the automatic factor stops at 16";
    EXPECT_EQ(CSidebar::ShrinkFactor(3, 100, 100), 3);
    for (int setting : {1, 0, -2, -100}) {
        EXPECT_EQ(CSidebar::ShrinkFactor(setting, 400, 300), 1) << setting;
    }
}

// The panel shows a picture as large as it can within 150 pixels: a side of
// exactly a power of two times the limit shrinks by that power, one pixel
// more by the next.
TEST(CSidebar, ALongerSideOfExactlyTwiceFourOrEightTimesTheLimitShrinksByThatFactor)
{
    const int sides[][2] = {{150, 1}, {151, 2}, {300, 2}, {301, 4}, {600, 4}, {601, 8}, {1200, 8}, {1201, 16}};
    for (const auto& side : sides) {
        EXPECT_EQ(CSidebar::ShrinkFactor(-1, side[0], 40), side[1]) << side[0] << " wide";
        EXPECT_EQ(CSidebar::ShrinkFactor(-1, 40, side[0]), side[1]) << side[0] << " high";
    }
}

TEST_F(GameScreenTest, APictureIsShrunkCentredAndRebuiltWhenItsImageChanges)
{
    Open();
    CSidebar* panel = CControllerGame::sidebar;
    CDraw* draw = CSprite::draw;
    const int image = draw->CreateSizedBlank(400, 300, nullptr);
    panel->RenderDetailImage(sidebar_image{image, "", -1});
    ASSERT_NE(panel->picture, nullptr);
    EXPECT_EQ(panel->picture->GetW(), 100);
    EXPECT_EQ(panel->picture->GetX() + 50, 709);
    CSprite* before = panel->picture;
    panel->RenderDetailImage(sidebar_image{image, "", -1});
    EXPECT_EQ(panel->picture, before) << "the same picture is kept";
    draw->RemoveImage(image);

    panel->RenderDetailImage(sidebar_image{-1, "sidebar_info_detail.png", 0});
    ASSERT_NE(panel->picture, nullptr);
    EXPECT_EQ(panel->picture->GetW(), 160) << "a setting of 0 does not shrink";
    panel->RenderDetailImage(sidebar_image{-1, "", -1});
    EXPECT_EQ(panel->picture, nullptr);
}

TEST_F(GameScreenTest, CountsAreRedrawnOnlyWhenTheStockChanges)
{
    Open();
    CSidebar* panel = CControllerGame::sidebar;
    panel->Pump(false);
    const int built = panel->textImagesBuilt;
    panel->Pump(false);
    EXPECT_EQ(panel->textImagesBuilt, built);
    CControllerGame::Resources()->AddWood(7);
    CControllerGame::Resources()->AddStardust(2);
    panel->Pump(false);
    EXPECT_EQ(panel->textImagesBuilt, built + 2);
}

// The dust counts stand low at their buttons' corners, over the island: every
// pixel of a three-digit count, shadow included, must lie on its button's
// picture or it is lost against sand or white flowers behind it.
TEST_F(GameScreenTest, EachDustCountStandsWhollyOnItsButton)
{
    Open();
    CSidebar* panel = CControllerGame::sidebar;
    CControllerGame::Resources()->AddStardust(888);
    CControllerGame::Resources()->AddMoondust(888);
    // Dropped in and settled: at rest on the frame before as well.
    bool resting = false;
    ASSERT_GE(PumpUntil(panel, [&] {
                  const bool wasResting = resting;
                  resting = panel->stardustButton->y == -9 && panel->moondustButton->y == -8;
                  return wasResting && resting;
              }),
              0);
    CDraw* draw = CSprite::draw;
    const struct {
        const char* picture;
        CGuiButton* button;
        CSprite* count;
    } dust[2] = {{"sidebar_button_star_base.png", panel->stardustButton, panel->countTexts[3]},
                 {"sidebar_button_moon_base.png", panel->moondustButton, panel->countTexts[4]}};
    for (const auto& d : dust) {
        SCOPED_TRACE(d.picture);
        const int button = draw->LoadImage(d.picture, false, true);
        const int text = d.count->GetFirstImage();
        const int dx = d.count->GetX() - d.button->x, dy = d.count->GetY() - d.button->y;
        SDL_Surface* face = draw->GetSurface(button);
        SDL_Surface* digits = draw->GetSurface(text);
        draw->LockImage(button);
        draw->LockImage(text);
        int shown = 0, off = 0;
        for (int y = 0; y < digits->h; y++) {
            for (int x = 0; x < digits->w; x++) {
                Uint8 r, g, b, a;
                SDL_GetRGBA(draw->getpixel(text, x, y), digits->format, &r, &g, &b, &a);
                if (a == 0) {
                    continue;
                }
                shown++;
                const int bx = x + dx, by = y + dy;
                Uint8 under = 0;
                if (bx >= 0 && by >= 0 && bx < face->w && by < face->h) {
                    SDL_GetRGBA(draw->getpixel(button, bx, by), face->format, &r, &g, &b, &under);
                }
                off += under != 255;
            }
        }
        draw->UnlockImage(text);
        draw->UnlockImage(button);
        draw->RemoveImage(button);
        EXPECT_GT(shown, 0);
        EXPECT_EQ(off, 0) << "of " << shown << " pixels of the count";
    }
}

// Five counts, each different, each on its own plate: the food plate shows
// the four food kinds together.
TEST_F(GameScreenTest, EachPlateShowsItsOwnCountAndTheFoodPlateAllFoodTogether)
{
    Open();
    CSidebar* panel = CControllerGame::sidebar;
    CResources* stock = CControllerGame::Resources();
    stock->AddWood(7);
    stock->AddRock(13);
    stock->AddFood(20, 0);
    stock->AddFood(5, 2);
    stock->AddStardust(3);
    stock->AddMoondust(9);
    panel->Pump(false);
    const char* const shown[5] = {"7", "13", "25", "3", "9"};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(Words(panel->countTexts[i]), shown[i]) << "plate " << i;
    }
    stock->RemoveFood(20, 0);
    panel->Pump(false);
    EXPECT_EQ(Words(panel->countTexts[2]), "5");
}

TEST_F(GameScreenTest, ACustomNameIsShownAsTextNeverReadAsAFormat)
{
    Open();
    CSidebar* panel = CControllerGame::sidebar;
    CPerson* named = new CPerson(IslanderRecord(200, 300, 30 * kYear));
    named->SetASCIIName("%s%n%x%s%s%s%s");
    EXPECT_STREQ(named->GetASCIIName(), "%s%n%x%s%s") << "cut to ten characters, unchanged";
    CObject::selectedObject = named;
    PumpUntil(panel, [&] { return panel->detailInfoState == CSidebar::SHOWN; });
    ASSERT_NE(panel->nameText, nullptr);
    EXPECT_GT(panel->nameText->GetW(), 0);
    named->SetASCIIName("");
    EXPECT_STREQ(named->GetASCIIName(), "Adam") << "an empty name falls back to the table's";
}

TEST_F(GameScreenTest, TheCraftButtonsFollowAFinishedBuildingAndThePictureClickCentresTheView)
{
    Open(kFixedIslandSeeds[3]);
    CSidebar* panel = CControllerGame::sidebar;
    CBuilding* craftworks = new PlainBuilding(6, 6, 1000, 1000);
    craftworks->isCraftworks = true;
    CObject::selectedObject = craftworks;
    panel->Pump(false);
    EXPECT_TRUE(panel->clothesButton->Hidden()) << "not while it is being built";
    EXPECT_EQ(panel->detailInfoState, CSidebar::HIDDEN) << "an object without a name shows no plate";
    EXPECT_TRUE(panel->nextButton->Hidden());
    craftworks->FinishNow();
    panel->Pump(false);
    EXPECT_FALSE(panel->clothesButton->Hidden());
    EXPECT_TRUE(panel->labButton->Hidden());

    CBuilding* station = new PlainBuilding(7, 7, 1400, 1000);
    station->isScienceStation = true;
    CObject::selectedObject = station;
    panel->Pump(false);
    EXPECT_TRUE(panel->labButton->Hidden()) << "not while it is being built";
    station->FinishNow();
    panel->Pump(false);
    EXPECT_FALSE(panel->labButton->Hidden());
    EXPECT_TRUE(panel->clothesButton->Hidden());
    station->SetBuildingDemolitionState(true);
    station->GiveResponse(true);
    ASSERT_TRUE(station->IsBeingDemolished());
    panel->Pump(false);
    EXPECT_TRUE(panel->labButton->Hidden()) << "nor while it comes down";
    CObject::selectedObject = craftworks;
    panel->Pump(false);

    CMap* island = CControllerGame::island;
    island->StopCenteringScreen();
    panel->MouseClick();
    EXPECT_FALSE(island->IsCenteringScreen()) << "no picture, no centring";
    const int image = CSprite::draw->CreateSizedBlank(100, 100, nullptr);
    CSprite::draw->ColourFill(image, RGBA_data{200, 40, 40, 255}, 0, 0, 100, 100);
    panel->RenderDetailImage(sidebar_image{image, "", 1});
    CSprite::draw->RemoveImage(image);
    MouseAt(709, 219);
    CControllerGame::stopFollowing = true;
    panel->MouseClick();
    EXPECT_TRUE(island->IsCenteringScreen());
    EXPECT_FALSE(CControllerGame::stopFollowing);
}
