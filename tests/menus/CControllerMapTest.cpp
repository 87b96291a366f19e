// The island map over the running game: clicks on the small island that move
// the view, the ways out that do not, the trophy room behind it, the mystery
// icons and statistics it reads, and the tutorial steps it teaches.
#include "CControllerMainRoad.h"

#include "CControllerIslandSelect.h"
#include "CControllerMap.h"
#include "CControllerTrophies.h"
#include "CGuiButton.h"
#include "CMysteriousObject.h"
#include "CPerson.h"
#include "CRenderer.h"
#include "CResources.h"
#include "CTutorialDialog.h"
#include "Screenshot.h"

#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kMapButton = 19;
constexpr int kViewCentreX = 322, kViewCentreY = 280;

class MapScreenTest : public ScreenRoadTest {
protected:
    void TearDown() override
    {
        delete CControllerGame::trophies;
        CControllerGame::trophies = nullptr;
        ScreenRoadTest::TearDown();
    }

    // The game on a fixed island, named and numbered as the chooser leaves it.
    CControllerGame& OpenIsland()
    {
        const unsigned int seed = kFixedIslandSeeds[2];
        int nameId = 0, prefixId = 0;
        CControllerIslandSelect::IslandName(seed, nameId, prefixId);
        CProfile::current->SetValue<unsigned int>(46, seed);
        CProfile::current->SetValue<int>(47, nameId);
        CProfile::current->SetValue<int>(48, prefixId);
        return Open(seed);
    }

    CControllerMap* OpenMap(CControllerGame& game)
    {
        game.GUICallback(kMapButton, 0);
        Turn();
        return CControllerGame::mapGUI;
    }

    // The left button pressed at one point and released at another.
    void Drag(int fromX, int fromY, int toX, int toY)
    {
        for (Uint8 type : {Uint8(SDL_MOUSEBUTTONDOWN), Uint8(SDL_MOUSEBUTTONUP)}) {
            PointAt(type == SDL_MOUSEBUTTONDOWN ? fromX : toX, type == SDL_MOUSEBUTTONDOWN ? fromY : toY);
            Turn();
            ButtonEdge(SDL_BUTTON_LEFT, type == SDL_MOUSEBUTTONDOWN);
            Turn();
        }
    }

    void Escape()
    {
        Key(SDLK_ESCAPE);
        Turn();
    }

    static bool Centring(int x, int y)
    {
        CMap* island = CControllerGame::island;
        return island->centreTargetX == kViewCentreX - x && island->centreTargetY == kViewCentreY - y;
    }
};

TEST_F(MapScreenTest, AReleaseOnTheSmallIslandMovesTheViewThereAndEveryOtherWayOutLeavesIt)
{
    CControllerGame& game = OpenIsland();
    Turn(4);
    CControllerMap* map = OpenMap(game);
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(CController::focus, map);
    ASSERT_NE(CControllerMap::sMap, nullptr);
    ClickAt(287 + 100, 20 + 50);
    EXPECT_EQ(CControllerGame::mapGUI, nullptr);
    EXPECT_EQ(CController::focus, &game);
    EXPECT_TRUE(Centring(800, 400));
    EXPECT_TRUE(CControllerMap::sMap->Hidden()) << "the small island waits for the next opening";

    OpenMap(game);
    EXPECT_FALSE(CControllerMap::sMap->Hidden());
    Drag(287 + 40, 20 + 40, 760, 590);
    EXPECT_EQ(CController::focus, CControllerGame::mapGUI) << "a press there released elsewhere does nothing";
    Drag(760, 590, 287, 20);
    EXPECT_EQ(CControllerGame::mapGUI, nullptr);
    EXPECT_TRUE(Centring(0, 0));

    // Escape, the back button and the trophy button leave the view alone.
    for (int way = 0; way < 3; way++) {
        SCOPED_TRACE(way);
        CControllerGame::island->StopCenteringScreen();
        map = OpenMap(game);
        ASSERT_NE(map, nullptr);
        if (way == 0) {
            Escape();
        } else {
            CGuiButton* button = way == 1 ? map->backButton : map->trophyButton;
            // Where the map's layout puts each, its label (if any) 2 px up and left.
            EXPECT_EQ(button->x, way == 1 ? 646 : 287);
            EXPECT_EQ(button->y, way == 1 ? 535 : 527);
            EXPECT_EQ(button->data.textOffsetX, -2);
            EXPECT_EQ(button->data.textOffsetY, -2);
            ClickAt(button->x + button->GetW() / 2, button->y + button->GetH() / 2);
        }
        EXPECT_EQ(CControllerGame::mapGUI, nullptr);
        EXPECT_EQ(CControllerGame::island->centreTargetX, -1);
        EXPECT_EQ(CController::focus, way == 2 ? static_cast<CController*>(CControllerGame::trophies) : &game);
    }
    ASSERT_NE(CControllerGame::trophies, nullptr);
    Escape();
    EXPECT_EQ(CControllerGame::trophies, nullptr);
    EXPECT_EQ(CController::focus, &game) << "back to the island from the trophy room";
}

TEST_F(MapScreenTest, IconsShowForHeldMysteryTrophiesAndTheStatisticsReadTheBand)
{
    CControllerGame& game = OpenIsland();
    CControllerTrophies::SetVar(0x200 | 0x4000);
    CMysteriousObject::SetVar((1 << 0) | (1 << 3) | (1 << 6));
    CProfile::current->SetValue<int>(53, 1);
    CControllerMap* map = OpenMap(game);
    ASSERT_NE(map, nullptr);
    for (int i = 0; i < CControllerMap::kMysteries; i++) {
        EXPECT_EQ(map->mysteryIcons[i]->Hidden(), i != 0 && i != 7) << i;
    }
    EXPECT_EQ(map->mysteriesSolved, 3) << "the fountain counts without its trophy";

    // One twin birth reads in the singular.
    auto twinsText = [](int id) {
        const std::string oldest = std::to_string(CPerson::GetOldestPerson());
        const std::string died = std::to_string(CProfile::current->GetValue<int>(54));
        const std::string wood = std::to_string(CControllerGame::Resources()->GetWood());
        const std::string stored = std::to_string(CProfile::current->GetValue<int>(55));
        int lines = 0;
        return CSprite::draw->LoadTextShadow(id, 200, 200, 1, lines, 41, 35, 28, "1", oldest.c_str(), died.c_str(),
                                             wood.c_str(), stored.c_str());
    };
    const rgb_picture shown = PictureOf(CSprite::draw->GetSurface(map->statistics[1]->GetFirstImage()));
    for (int id : {28401, 28402}) {
        const int expected = twinsText(id);
        EXPECT_EQ(shown.CountDifferences(PictureOf(CSprite::draw->GetSurface(expected))) == 0, id == 28401) << id;
        CSprite::draw->RemoveImage(expected);
    }
    Escape();
}

// Exactly one twin birth reads in the singular; none and two in the plural.
TEST_F(MapScreenTest, TheTwinBirthsReadInTheSingularForExactlyOne)
{
    CControllerGame& game = OpenIsland();
    for (int births : {0, 1, 2}) {
        SCOPED_TRACE(testing::Message() << births << " twin births");
        CProfile::current->SetValue<int>(53, births);
        CControllerMap* map = OpenMap(game);
        ASSERT_NE(map, nullptr);
        const std::string inserts[5] = {std::to_string(births), std::to_string(CPerson::GetOldestPerson()),
                                        std::to_string(CProfile::current->GetValue<int>(54)),
                                        std::to_string(CControllerGame::Resources()->GetWood()),
                                        std::to_string(CProfile::current->GetValue<int>(55))};
        const rgb_picture shown = PictureOf(CSprite::draw->GetSurface(map->statistics[1]->GetFirstImage()));
        for (int id : {28401, 28402}) {
            int lines = 0;
            const int made = CSprite::draw->LoadTextShadow(id, 200, 200, 1, lines, 41, 35, 28, inserts[0].c_str(),
                                                           inserts[1].c_str(), inserts[2].c_str(),
                                                           inserts[3].c_str(), inserts[4].c_str());
            EXPECT_EQ(shown.CountDifferences(PictureOf(CSprite::draw->GetSurface(made))) == 0,
                      id == (births == 1 ? 28401 : 28402))
                << id;
            CSprite::draw->RemoveImage(made);
        }
        Escape();
        ASSERT_EQ(CControllerGame::mapGUI, nullptr);
    }
}

// Every number of the statistics stands in its own place: each property and
// each live count is set apart from the others, and each text is compared
// with the text made from the numbers the band's story gives.
TEST_F(MapScreenTest, EachStatisticShowsItsOwnNumberInItsOwnPlace)
{
    CControllerGame& game = OpenIsland();
    for (int key = 53; key <= 64; key++) {
        CProfile::current->SetValue<int>(key, 100 + key);
    }
    CProfile::current->SetValue<int>(25, 4321);  // science points now
    CResources* stock = CControllerGame::Resources();
    stock->wood = 13;
    stock->rock = 11;
    stock->RemoveAllFood();
    stock->SetFood(5, 0);
    stock->SetFood(7, 2);
    CControllerTrophies::ResetAllTrophies();
    CControllerTrophies::SetVar(0x3 | 0x10);
    CMysteriousObject::SetVar(1 << 5);
    const std::string oldest = std::to_string(CPerson::GetOldestPerson());
    CControllerMap* map = OpenMap(game);
    ASSERT_NE(map, nullptr);

    struct statistic {
        int sprite, id, h;
        std::vector<std::string> inserts;
    };
    const statistic expected[] = {
        {1, 28402, 200, {"153", oldest, "154", "13", "155"}},
        {2, 28403, 250, {"11", "156", "12", "157", "4321"}},
        {3, 28404, 250, {"158", "1", "3", "159", "160"}},
        {4, 28405, 200, {"161", "162", "163", "164"}},
    };
    for (const statistic& s : expected) {
        SCOPED_TRACE(s.id);
        const char* inserts[5] = {};
        for (size_t i = 0; i < s.inserts.size(); i++) {
            inserts[i] = s.inserts[i].c_str();
        }
        int lines = 0;
        const int made = CSprite::draw->LoadTextShadow(s.id, 200, s.h, 1, lines, 41, 35, 28, inserts[0], inserts[1],
                                                       inserts[2], inserts[3], inserts[4]);
        const rgb_picture shown = PictureOf(CSprite::draw->GetSurface(map->statistics[s.sprite]->GetFirstImage()));
        EXPECT_EQ(shown.CountDifferences(PictureOf(CSprite::draw->GetSurface(made))), 0);
        CSprite::draw->RemoveImage(made);
    }
    Escape();
}

TEST_F(MapScreenTest, EverySolvedMysteryShowsItsOwnBadgeSetInTheStrip)
{
    CControllerGame& game = OpenIsland();
    CControllerTrophies::SetVar(0x200 | 0x800 | 0x1000 | 0x2000 | 0x4000 | 0x8000 | 0x10000 | 0x20000);
    CControllerMap* map = OpenMap(game);
    ASSERT_NE(map, nullptr);
    std::set<unsigned int> pictures;
    for (int i = 0; i < CControllerMap::kMysteries; i++) {
        CSprite& icon = *map->mysteryIcons[i];
        ASSERT_FALSE(icon.Hidden()) << i;
        pictures.insert(CSprite::draw->GetImageChecksum(icon.GetFirstImage()));
        // The badge sits in the strip: the strip runs on under its middle.
        const int cx = icon.GetX() + icon.GetW() / 2, cy = icon.GetY() + icon.GetH() / 2;
        EXPECT_TRUE(map->mysterySlots->IsCollisionPixelPerfect(cx, cy)) << i;
        EXPECT_TRUE(icon.IsCollisionPixelPerfect(cx, cy)) << i;
    }
    EXPECT_EQ(pictures.size(), 8u) << "each mystery shows its own badge";
    Escape();
}

TEST_F(MapScreenTest, ClosingTheMapTeachesItsTwoStepsOnlyOnceTheMapButtonWasTaught)
{
    CControllerGame& game = OpenIsland();
    // The map button teaches step 44 only once step 43 is done.
    for (int step = 0; step < 43; step++) {
        CTutorialDialog::CompleteTutorial(step);
    }
    ASSERT_NE(OpenMap(game), nullptr);
    Escape();
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(45) || CTutorialDialog::IsTutorialComplete(46));

    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(44));
    CTutorialDialog::CompleteTutorial(43);
    CProfile::current->SetValue<bool>(67, true);
    CTutorialDialog::nextTutorial = -1;
    CControllerMap* map = OpenMap(game);
    ASSERT_NE(map, nullptr);
    Turn(3);
    ASSERT_NE(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 45);
    Escape();
    EXPECT_EQ(CControllerGame::mapGUI, nullptr);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(45) && CTutorialDialog::IsTutorialComplete(46));
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
}

}  // namespace
