#include "CControllerLabFixture.h"

#include "CDraw.h"

namespace {

using LabScreen = LabTest;

// The colour painted in the middle of the flask's liquid.
RGBA_data LiquidColour(CControllerLab& lab)
{
    CDraw* draw = CSprite::draw;
    const int image = lab.flaskLiquid->GetFirstImage();
    SDL_Surface* surface = draw->GetSurface(image);
    draw->LockImage(image);
    const Uint32 pixel = draw->getpixel(image, surface->w / 2, surface->h / 2);
    draw->UnlockImage(image);
    RGBA_data colour{};
    SDL_GetRGB(pixel, surface->format, &colour.r, &colour.g, &colour.b);
    return colour;
}

int Shown(CSprite* const (&sprites)[CControllerLab::kBubbles])
{
    int shown = 0;
    for (CSprite* sprite : sprites) {
        shown += !sprite->Hidden();
    }
    return shown;
}

// The first water shows its colour at once; a later change of the choice
// blends over, 5 a channel a frame, and the picture follows.
TEST_F(LabScreen, TheFlaskTakesTheColourOfTheChoice)
{
    CControllerGame::Resources()->food[0] = 1;
    opener.Open();
    Choose(kFish);
    EXPECT_FALSE(Lab().flaskEmpty->Hidden());
    EXPECT_TRUE(Lab().flaskLiquid->Hidden());
    EXPECT_EQ(Lab().flaskColour.r + Lab().flaskColour.g + Lab().flaskColour.b, 0) << "no water, no colour";

    Lab().GUICallback(CControllerLab::kStartOver, 0);
    Choose(kSeawater);
    EXPECT_FALSE(Lab().flaskLiquid->Hidden());
    EXPECT_EQ(Lab().shownColour.g, 180);
    const RGBA_data poured = LiquidColour(Lab());
    EXPECT_EQ(poured.r, 137);
    EXPECT_EQ(poured.b, 164);

    // Berries need mystery 1; from seawater (137, 180, 164) to (228, 114, 95).
    profile->SetValue<int>(40, 1 << 1);
    Lab().RefreshItems(true);
    Lab().GUICallback(kFirstButton + kBerries, 0);
    Frame();
    EXPECT_EQ(Lab().shownColour.r, 142);
    EXPECT_EQ(Lab().shownColour.g, 175);
    Frame(17);
    EXPECT_EQ(Lab().shownColour.r, 227);
    EXPECT_EQ(Lab().shownColour.g, 114) << "a channel that arrived stays";
    Frame();
    EXPECT_EQ(LiquidColour(Lab()).r, 228);
    EXPECT_EQ(LiquidColour(Lab()).b, 95);

    Lab().GUICallback(CControllerLab::kStartOver, 0);
    Frame();
    EXPECT_FALSE(Lab().flaskEmpty->Hidden()) << "no water, an empty flask";
    EXPECT_TRUE(Lab().flaskLiquid->Hidden());
}

TEST_F(LabScreen, TheFlaskBubblesOnlyWithAWaterAndSomethingInIt)
{
    CControllerGame::Resources()->stardust = 1;
    opener.Open();
    Choose(kSeawater);
    Frame(30);
    EXPECT_EQ(Shown(Lab().bubbles), 0) << "water alone";
    EXPECT_FALSE(Lab().sndPotion->IsPlaying());

    Choose(kStardust);
    EXPECT_TRUE(Lab().sndPotion->IsPlaying());
    Frame(60);
    EXPECT_GT(Shown(Lab().bubbles), 0);
    for (CSprite* bubble : Lab().bubbles) {
        if (!bubble->Hidden()) {
            EXPECT_GE(bubble->GetY(), Lab().flaskFull->GetY() + 74) << "bubbles stay in the flask";
        }
    }

    // The water goes: the bubbles at once, the sound over 15 frames.
    Lab().selWater = -1;
    Frame();
    EXPECT_EQ(Shown(Lab().bubbles), 0);
    EXPECT_TRUE(Lab().sndPotion->IsPlaying());
    Frame(13);
    EXPECT_TRUE(Lab().sndPotion->IsPlaying());
    Frame(3);
    EXPECT_FALSE(Lab().sndPotion->IsPlaying());

    // Poured back while the sound fades, the loop comes back too.
    Choose(kSeawater);
    Frame(3);
    Lab().selWater = -1;
    Frame(5);
    Choose(kSeawater);
    Frame(20);
    EXPECT_TRUE(Lab().sndPotion->IsPlaying());
    EXPECT_GT(Lab().sndPotion->GetVolume(), 0.5f);
}

// Each ingredient's picture, whichever of its three looks shows, stands at
// its own place of the grid, the waters and dusts below it.
TEST_F(LabScreen, EveryIngredientsPictureStandsAtItsOwnPlace)
{
    static constexpr coordinate kPlaces[CControllerLab::kIngredients] = {
        {185, 111}, {252, 112}, {318, 115}, {186, 172}, {255, 174}, {316, 178}, {188, 234}, {248, 226},
        {318, 227}, {180, 301}, {257, 299}, {322, 291}, {191, 370}, {263, 373}, {312, 366}};
    CControllerGame::Resources()->wood = 2;
    opener.Open();
    MouseOnButton(kFirstButton + kWood);
    Frame();
    for (int i = 0; i < CControllerLab::kIngredients; i++) {
        int shown = 0;
        for (CSprite* look : {Lab().itemBase[i], Lab().itemGhost[i], Lab().itemRoll[i]}) {
            if (!look->Hidden()) {
                shown++;
                EXPECT_EQ(look->GetX(), kPlaces[i].x) << "ingredient " << i;
                EXPECT_EQ(look->GetY(), kPlaces[i].y) << "ingredient " << i;
            }
        }
        EXPECT_EQ(shown, 1) << "ingredient " << i;
    }
}

// An ingredient the island lacks is greyed, sinks while pressed like any
// other, then is refused; pointing at it says why.
TEST_F(LabScreen, AnIngredientWithoutSupplyIsGreyedAndRefused)
{
    CControllerGame::Resources()->wood = 2;
    opener.Open();
    const coordinate at = Lab().itemPos[kMoondust];
    MouseOnButton(kFirstButton + kMoondust);
    Frame();
    EXPECT_FALSE(Lab().itemGhost[kMoondust]->Hidden());
    EXPECT_FALSE(Lab().hoverUnavailable->Hidden());
    EXPECT_TRUE(Lab().hoverText[kMoondust]->Hidden());
    Press(true);
    Frame();
    EXPECT_EQ(Lab().itemGhost[kMoondust]->GetX(), at.x + 2);
    EXPECT_EQ(Lab().itemGhost[kMoondust]->GetY(), at.y + 2);
    Press(false);
    Frame();
    EXPECT_TRUE(Refused());
    EXPECT_EQ(Lab().selDust, -1);
    EXPECT_EQ(Lab().itemGhost[kMoondust]->GetX(), at.x);

    MouseOnButton(kFirstButton + kWood);
    Frame();
    EXPECT_FALSE(Lab().itemRoll[kWood]->Hidden()) << "lit under the pointer";
    EXPECT_FALSE(Lab().hoverName[kWood]->Hidden());
    EXPECT_FALSE(Lab().hoverText[kWood]->Hidden());
    EXPECT_TRUE(Lab().hoverUnavailable->Hidden());
    EXPECT_LT(Lab().hoverName[kWood]->GetX(), Lab().hoverSecond[kWood]->GetX());
    MouseAt(700, 20);
    Frame();
    EXPECT_FALSE(Lab().hoverGeneral->Hidden());
    EXPECT_TRUE(Lab().hoverName[kWood]->Hidden());
    EXPECT_FALSE(Lab().itemBase[kWood]->Hidden());
}

// The hover line reads as one line, "Rock - main ingredient": for every
// ingredient the second part's first letter stands a blank clear of the
// name's last (its shadow included), where the lab sets the second part
// 2 px inside the name's right edge.
TEST_F(LabScreen, EveryHoverLineKeepsABlankBetweenTheNameAndItsSecondPart)
{
    opener.Open();
    CDraw* draw = CSprite::draw;
    auto firstInkColumn = [draw](CSprite* text) {
        const int image = text->GetFirstImage();
        SDL_Surface* surface = draw->GetSurface(image);
        int first = surface->w;
        draw->LockImage(image);
        for (int x = 0; x < surface->w && first == surface->w; x++) {
            for (int y = 0; y < surface->h; y++) {
                Uint8 r, g, b, a;
                SDL_GetRGBA(draw->getpixel(surface, x, y), surface->format, &r, &g, &b, &a);
                if (a > 0) {
                    first = x;
                    break;
                }
            }
        }
        draw->UnlockImage(image);
        return first;
    };
    for (int i = 0; i < CControllerLab::kIngredients; i++) {
        CSprite* name = Lab().hoverName[i];
        CSprite* second = Lab().hoverSecond[i];
        const int nameEnd = name->GetX() + draw->GetRightEdge(name->GetFirstImage());
        const int secondStart = second->GetX() + firstInkColumn(second);
        EXPECT_GE(secondStart - nameEnd, 2) << "ingredient " << i;
        EXPECT_LE(secondStart - nameEnd, 8) << "ingredient " << i << ": one line, not two words apart";
    }
}

class LabTutorial : public LabTest {
protected:
    void SetUp() override
    {
        LabTest::SetUp();
        profile->SetValue<bool>(67, true);
        CompleteSteps(0, 56);
    }

    static int CircleX() { return CTutorialDialog::tutorialCircle ? CTutorialDialog::tutorialCircle->GetX() : -1; }
};

// With no wood and no stardust in stock, the lab lends one of each for the
// lesson; the circle walks the recipe and nothing else may be pressed.
TEST_F(LabTutorial, StepFiftySevenTeachesTheRecipeAndHandsBackThePotion)
{
    opener.Open();
    Frame();
    ASSERT_NE(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 57);
    EXPECT_EQ(Lab().itemCount[kWood], 1);
    EXPECT_EQ(Lab().itemCount[kStardust], 1);
    EXPECT_FALSE(Lab().countLabels[1]->Hidden()) << "the lent wood shows its count";
    EXPECT_EQ(CircleX(), 242);

    for (int id : {int(CControllerLab::kExit), int(CControllerLab::kStartOver), kFirstButton + kFish}) {
        ClickButton(id);
        EXPECT_TRUE(Refused()) << id;
    }
    Lab().GUICallback(1057, 0);
    EXPECT_TRUE(Refused()) << "even the dialog's okay";
    EXPECT_EQ(CircleX(), 242);
    Lab().InputKey(true, SDLK_ESCAPE);
    Frame();
    ASSERT_NE(opener.lab, nullptr) << "Escape cannot leave the lesson";

    const struct {
        int ingredient, circle;
    } walk[] = {{kWood, 173}, {kSeawater, 175}, {kStardust, 463}};
    for (const auto& step : walk) {
        Choose(step.ingredient);
        EXPECT_FALSE(Refused());
        EXPECT_EQ(CircleX(), step.circle);
    }
    ClickButton(CControllerLab::kMix);
    ASSERT_EQ(opener.lab, nullptr);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(57));
    EXPECT_EQ(CTutorialDialog::tutorialCircle, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(opener.potion, 5);
    EXPECT_EQ(opener.flask.r, 121);
    EXPECT_EQ(opener.flask.b, 201);
    EXPECT_EQ(opener.mist1.r, 198);
    EXPECT_EQ(opener.mist2.b, 149);
    EXPECT_EQ(CControllerGame::Resources()->wood, 0) << "the lent wood leaves no debt";
}

// Only a circle the lab made on one of its points locks its buttons: the
// game screen's ring, left over when the tutorial was ended or from an
// earlier step, must not lock the player in.
TEST_F(LabTutorial, ACircleTheLabDidNotMakeLocksNothing)
{
    CControllerGame::Resources()->wood = 1;
    CTutorialDialog::tutorialCircle = new CTutorialCircle(242, 100, false, 'G');
    profile->SetValue<bool>(67, false);
    opener.Open();
    Frame();
    Choose(kFish);
    EXPECT_TRUE(Refused()) << "no fish, but not locked";
    Choose(kWood);
    EXPECT_FALSE(Refused());
    EXPECT_EQ(Lab().selMain, kWood);
    ClickButton(CControllerLab::kExit);
    EXPECT_EQ(opener.lab, nullptr);
    EXPECT_EQ(opener.potion, 0);
    EXPECT_EQ(CTutorialDialog::tutorialCircle, nullptr) << "the lab takes the circle down as it goes";

    // Step 57 is next but another step's dialog is still open: its ring
    // stays the other screen's.
    profile->SetValue<bool>(67, true);
    CTutorialDialog other(56, &opener);
    CTutorialDialog::tutorialCircle = new CTutorialCircle(600, 300, false, 'G');
    opener.Open();
    Frame();
    ClickButton(CControllerLab::kStartOver);
    EXPECT_FALSE(Refused());
    ClickButton(CControllerLab::kExit);
    EXPECT_EQ(opener.lab, nullptr);
}

}  // namespace
