// The clothes designer in the running game: opened from a finished
// craftworks and from an islander's detail screen, its order made at the
// craftworks, fetched and worn.
#include "tests/islanders/RoadFixture.h"

#include "BuildingClasses.h"
#include "CBuilding.h"
#include "CControllerClothes.h"
#include "CControllerPersonDetail.h"
#include "CControllerTrophies.h"
#include "CDraw.h"
#include "CFireplace.h"
#include "CGuiButton.h"
#include "CSidebar.h"

namespace {

constexpr int kCraftworks = 6;
constexpr int kClothesTrophy = 1 << 3;

// Whether an opaque pixel of the garment picture has exactly the colour.
bool Wears(CSprite* garment, RGBA_data colour)
{
    CDraw* draw = CSprite::draw;
    const int image = garment->GetFirstImage();
    SDL_Surface* surface = draw->GetSurface(image);
    draw->LockImage(image);
    bool found = false;
    for (int y = 0; y < surface->h && !found; y++) {
        for (int x = 0; x < surface->w && !found; x++) {
            RGBA_data pixel{};
            SDL_GetRGBA(draw->getpixel(image, x, y), surface->format, &pixel.r, &pixel.g, &pixel.b, &pixel.a);
            found = pixel.a == 255 && pixel.r == colour.r && pixel.g == colour.g && pixel.b == colour.b;
        }
    }
    draw->UnlockImage(image);
    return found;
}

TEST_F(RoadTest, ClothesOrderedAtTheCraftworksAreMadeFetchedAndWorn)
{
    CPerson* man = Man();
    ASSERT_TRUE(man && !CFireplace::fireplaces.empty());
    CFireplace* camp = CFireplace::fireplaces.front();
    CBuilding* works = ClassOfType(kCraftworks).place(camp->GetX() + 220, camp->GetY() + 60, kCraftworks);
    works->FinishNow();
    works->UnHide();
    CObject::selectedObject = works;
    Frame();
    EXPECT_FALSE(CControllerGame::sidebar->clothesButton->Hidden()) << "a finished craftworks offers clothes";

    game->GUICallback(21, 0);
    CControllerClothes* designer = CControllerGame::clothes;
    ASSERT_NE(designer, nullptr);
    ASSERT_EQ(CController::focus, designer);
    for (int i = 0; i < 20 && designer->person != man; i++) {
        designer->GUICallback(CControllerClothes::kNextPerson, 0);
    }
    ASSERT_EQ(designer->person, man);
    designer->GUICallback(CControllerClothes::kTabB, 0);
    designer->GUICallback(CControllerClothes::kFirstQuickPick + 13, 0);
    designer->GUICallback(CControllerClothes::kShirtLeft, 0);
    const RGBA_data shirt = designer->shirtColour;
    const int style = designer->shirtStyle;
    designer->GUICallback(CControllerClothes::kMakeClothes, 0);
    ASSERT_EQ(CPerson::craftQueue.size(), 1u);
    designer->GUICallback(CControllerClothes::kBack, 0);
    Frame();
    EXPECT_EQ(CControllerGame::clothes, nullptr);
    EXPECT_EQ(CObject::selectedObject, works) << "opened for no one, the selection stays";

    // The man makes the clothes at the craftworks, then fetches and wears
    // them, taking each task up again whenever he turns to another.
    EXPECT_FALSE(CControllerTrophies::IsTrophyComplete(kClothesTrophy));
    ASSERT_TRUE(RunUntil(
        [&] {
            if (man->GetCurrentTask() != 12 && !CPerson::craftQueue.empty()) {
                man->AttemptTaskRepeatedly(12, false);
            }
            return !CPerson::pickupQueue.empty();
        },
        20000));
    ASSERT_TRUE(RunUntil(
        [&] {
            if (man->GetCurrentTask() != 18 && !CPerson::pickupQueue.empty()) {
                man->AttemptTaskRepeatedly(18, false);
            }
            return CPerson::pickupQueue.empty();
        },
        6000));
    const RGBA_data worn = man->GetClothesColour(true);
    EXPECT_TRUE(worn.r == shirt.r && worn.g == shirt.g && worn.b == shirt.b);
    EXPECT_EQ(man->GetClothesStyle(true), style);
    EXPECT_TRUE(Wears(man->topStand.entry[FACING_SW].sprite, shirt)) << "his shirt picture is in that colour";
    EXPECT_TRUE(CControllerTrophies::IsTrophyComplete(kClothesTrophy));
}

TEST_F(RoadTest, TheDetailScreensClothesButtonDressesItsIslanderWhoIsSelectedOnReturn)
{
    CPerson* man = Man();
    ASSERT_NE(man, nullptr);
    CObject::selectedObject = man;
    CControllerGame::sidebar->DetailButtonClicked();
    ASSERT_NE(CControllerGame::personGUI, nullptr);
    CControllerGame::personGUI->changeClothes = 1;
    CControllerGame::personGUI->ShutDown(0);
    Frame();
    ASSERT_NE(CControllerGame::clothes, nullptr);
    EXPECT_EQ(CControllerGame::clothes->person, man);
    CObject::selectedObject = nullptr;
    CControllerGame::clothes->InputKey(true, SDLK_ESCAPE);
    Frame();
    EXPECT_EQ(CControllerGame::clothes, nullptr);
    EXPECT_EQ(CObject::selectedObject, man);
}

}  // namespace
