// A new player follows the tutorial from its first words to the last of its
// ordinary lessons. At every lesson the player does only what the lesson's
// words ask, with the mouse as a player would: the okay button, the thing in
// the ring, an islander, the crate, a tree, the water. A lesson whose words
// ask for something the game does not answer to stalls here, because its
// step never completes. The road is cut into stretches that each start from
// where the one before left the island, so that they run side by side.
#include "TutorialRoad.h"

#include "CControllerMap.h"
#include "CControllerTrophies.h"
#include "CCrateBarrel.h"
#include "CDust.h"
#include "CFireplace.h"
#include "CFlowerIndicator.h"
#include "CHut.h"
#include "CScienceStation.h"
#include "CTree.h"
#include "Screenshot.h"

namespace {

using TutorialRoadTest = TutorialRoad;

constexpr int kHutType = 1, kScienceStationType = 7, kPotionButton = 20, kFirstColourButton = 6;

std::vector<CObject*> Rocks()
{
    std::vector<CObject*> rocks;
    for (CObject* object : CObject::objects) {
        if (object->isRock && !object->deleteMe) {
            rocks.push_back(object);
        }
    }
    return rocks;
}

TEST_F(TutorialRoadTest, FromTheWelcomeToTheIslandersOwnScreen)
{
    CMap* island = CControllerGame::island;
    CResources* stock = CControllerGame::Resources();
    ASSERT_NE(stock, nullptr);

    // "Press Okay when you are ready."
    WaitForLesson(0, 5);
    PressOkay();
    ExpectDone(0);

    // "Hold the left mouse button down on the island and drag."
    WaitForLesson(1);
    const point before{island->offsetX, island->offsetY};
    DragView(-300, -250);
    DragView(-100, 0);
    Frame();
    ExpectDone(1);
    EXPECT_GT(std::hypot(island->offsetX - before.x, island->offsetY - before.y), 200.0);

    // "Now click on an islander to choose them." The band may be out of
    // sight after the drag: the player drags back to it, as the words say.
    WaitForLesson(2);
    ClickOn(AnAdult(CObject::selectedObject).first);
    ExpectDone(2);

    // "Press Okay to go on."
    WaitForLesson(3);
    PressOkay();
    ExpectDone(3);

    // "Pick one up with the mouse, move them and drop them somewhere else":
    // on bare ground, away from where they stood.
    WaitForLesson(4);
    CPerson* carried = LiftAnAdult();
    const point stood{carried->GetX(), carried->GetY()};
    Carry({carried, {0, 0}}, stood, [&] {
        const point was = OnScreen(stood);
        return PointWhere({was.x - 80, was.y - 80, 160, 160}, [&] {
            const point world = WorldMouse();
            return OverOpenView() && island->IsNotOnWater(world.x, world.y) &&
                   !CObject::FindObjectAt(-1, -1, false, true) &&
                   std::hypot(CMouseCursor::GetMouseX() - was.x, CMouseCursor::GetMouseY() - was.y) > 50;
        });
    });
    Frame();
    ExpectDone(4);

    // "Click on another islander to meet them."
    WaitForLesson(5);
    ClickOn(AnAdult(CObject::selectedObject).first);
    Frame();
    ExpectDone(5);

    // The thought bubble, then the rain: "press Okay".
    for (int step : {6, 7}) {
        WaitForLesson(step);
        PressOkay();
        ExpectDone(step);
    }

    // "Something has washed up at the shore!... Press Okay." The view goes
    // to the crate and the ring goes round it.
    WaitForLesson(8, 400);
    CCrateBarrel* crate = CCrateBarrel::currentContainer;
    ASSERT_NE(crate, nullptr) << "the first crate lies on the beach";
    WaitForStillView();
    PressOkay();

    // "To open it, drop an islander onto the crate at the shore."
    WaitForLesson(9);
    DropAdultOn(crate);
    ExpectDone(9);

    // The crate asks whether to open it; the player says yes, and then
    // reads what was inside.
    for (int answers = 0; answers < 2; answers++) {
        FramesUntil([this] { return CController::focus != game; }, 3000);
        ASSERT_NE(CControllerGame::crateGUI, nullptr) << "the crate speaks";
        PressScreenButton(0);
        if (Shown() == 10) {
            break;
        }
    }

    // "Splendid! The sea may bring food, wood, dust or just a message.
    // Press Okay to go on."
    WaitForLesson(10, 3000);
    PressOkay();

    // "Drop an islander on dark, deep water to fish. Look past the pale
    // shallows."
    WaitForLesson(11, 400);
    // Deep all round, so that wherever the islander's feet come down.
    auto deepAt = [island](point world) {
        for (int dy = -60; dy <= 60; dy += 20) {
            for (int dx = -60; dx <= 60; dx += 20) {
                if (island->GetDepth(world.x + dx, world.y + dy, 50) >= 0.45f) {
                    return false;
                }
            }
        }
        return true;
    };
    CPerson* fisher = LiftAnAdult();
    point sea{-1, -1};
    for (int radius = 40; radius < 2500 && sea.x == -1; radius += 40) {
        for (int angle = 0; angle < 360 && sea.x == -1; angle += 5) {
            const point at{fisher->GetX() + static_cast<int>(radius * std::cos(angle * 0.0174533)),
                           fisher->GetY() + static_cast<int>(radius * std::sin(angle * 0.0174533))};
            if (deepAt(at)) {
                sea = at;
            }
        }
    }
    ASSERT_NE(sea.x, -1) << "deep water somewhere";
    Carry({fisher, {0, 0}}, sea, [&] {
        return PointWhere({0, 0, kViewWidth, kViewHeight}, [&] { return OverOpenView() && deepAt(WorldMouse()); },
                          false, 6);
    });
    ExpectDone(11);

    // "Fish will be kept here in the ring, on the food pile, empty for
    // now... Press Okay." The
    // ring stands round the pile's place, empty until the first catch.
    WaitForLesson(12);
    EXPECT_EQ(stock->GetFood(-1), 0) << "the pile in the ring is still empty";
    PressOkay();

    // "Click their picture in the ring to find them."
    WaitForLesson(13);
    ASSERT_TRUE(CObject::selectedObject && CObject::selectedObject->isPerson);
    CSidebar* panel = CControllerGame::sidebar;
    const std::optional<point> picture = PointWhere(Ring(), [panel] {
        return panel->picture->IsCollisionPixelPerfect() || panel->namePlate->IsCollisionPixelPerfect();
    });
    ASSERT_TRUE(picture) << "the islander's picture lies in the ring";
    ClickAt(*picture);
    ExpectDone(13);

    // "Click an arrow in the ring to go on to the next islander."
    WaitForLesson(14);
    CObject* shownBefore = CObject::selectedObject;
    ClickButtonInRing();
    ExpectDone(14);
    EXPECT_NE(CObject::selectedObject, shownBefore) << "the next islander is chosen";

    // "Good. Anything you click on is shown in the panel. Press Okay."
    WaitForLesson(15);
    PressOkay();

    // "Drop an islander onto a tree to chop it."
    WaitForLesson(16);
    WaitForStillView();
    CPerson* chopper = LiftAnAdult();
    CTree* tree = NearestTo(island->trees, {chopper->GetX(), chopper->GetY()});
    ASSERT_NE(tree, nullptr) << "the island has trees";
    DropOn({chopper, {0, 0}}, tree);
    ExpectDone(16);

    // "Wait for the first wood on the counter below, or press Okay."
    // The band works; the player only watches.
    WaitForLesson(17);
    FramesUntil([] { return CTutorialDialog::IsTutorialComplete(17); }, 20000);
    ExpectDone(17);
    EXPECT_GE(stock->GetWood(), 1);

    // "You have wood now!... First, get to know your islanders. Press Okay."
    WaitForLesson(18);
    PressOkay();

    // "Click the button in the ring to learn all about them."
    WaitForLesson(19, 400);
    ClickButtonInRing();
    ExpectDone(19);
    ASSERT_NE(CControllerGame::personGUI, nullptr) << "the islander's own screen";
    ASSERT_EQ(CController::focus, static_cast<CController*>(CControllerGame::personGUI));

    // Over the islander's screen: the arrows, the skill bars, the boxes.
    WaitForLesson(20);
    PressOkay();
    WaitForLesson(21);
    PressOkay();
    WaitForLesson(22);
    ClickButtonInRing();  // "Click a box in the ring to change it"
    ExpectDone(22);

    // "Press Okay, then Back in the ring to go back to the island."
    WaitForLesson(23);
    PressOkay();
    ClickButtonInRing();
    Frame();
    EXPECT_EQ(CControllerGame::personGUI, nullptr) << "back on the island";
    ExpectDone(23);
}

// From the first wood in stock: the hut from its marking to the trophy it
// earns, with the rock, the counters and the stardust on the way.
TEST_F(TutorialRoadTest, TheFirstHutFromItsMarkingToTheTrophyRoom)
{
    CMap* island = CControllerGame::island;
    BandAsLeftAt(24);

    // "Look at this islander: they are so tired... Click the Build button
    // in the ring to build one."
    WaitForLesson(24, 400);
    ClickButtonInRing();
    ExpectDone(24);
    ASSERT_NE(CController::focus, static_cast<CController*>(game)) << "the build menu is open";

    // "Click the hut in the ring to choose it."
    WaitForLesson(25);
    ClickButtonInRing();
    ExpectDone(25);

    // "Click on open grass to mark out where it will stand."
    WaitForLesson(26);
    ASSERT_EQ(CController::focus, static_cast<CController*>(game));
    MarkOutOnOpenGrass(26);

    // "Drop islanders onto the unfinished hut."
    WaitForLesson(27, 400);
    CHut* hut = CHut::FindUnfinishedHut();
    ASSERT_NE(hut, nullptr) << "the hut is marked out";
    DropAdultOn(hut);
    ExpectDone(27);

    // "A hut needs rock too: drop an islander onto a rock. Look for big
    // grey rocks in the grass." The hand drags the view to the nearest.
    WaitForLesson(28);
    CObject* rock = NearestTo(Rocks(), {island->GetStartX(), island->GetStartY()});
    ASSERT_NE(rock, nullptr) << "the island has rocks";
    DropAdultOn(rock);
    ExpectDone(28);

    // "The counters at the bottom show the band's wood, rock and food...
    // press Okay." Stardust falls near the camp.
    WaitForLesson(29);
    PressOkay();
    ExpectDone(29);
    WaitForLesson(30, 2000);
    ASSERT_TRUE(game->stepObject && game->stepObject->isDust) << "something bright has fallen";
    PressOkay();

    // "A piece of stardust has landed. Drop an islander onto it."
    WaitForLesson(31);
    CObject* dust = game->stepObject;
    DropAdultOn(dust);
    FramesUntil([] { return CTutorialDialog::IsTutorialComplete(31); }, 3000);
    ExpectDone(31);

    // "Your stardust waits in the top left corner. Click it to take some.
    // Then click on the unfinished hut."
    WaitForLesson(32);
    EXPECT_GE(CControllerGame::Resources()->GetStardust(), 1);
    ClickButtonInRing();
    ExpectDone(32);
    WaitForLesson(33);
    ClickOn(hut);
    ExpectDone(33);

    // "The stardust has nearly finished your hut! Press Okay, then drop an
    // islander onto it to finish it." The first building wins a trophy.
    WaitForLesson(34);
    EXPECT_GE(hut->PercentageComplete(), 96.0f);
    PressOkay();
    if (!hut->IsComplete()) {
        DropAdultOn(hut);
    }
    ASSERT_TRUE(FramesUntil([this] { return CController::focus != game; }, 20000)) << "the hut is finished";
    EXPECT_TRUE(hut->IsComplete());

    // "You have won a trophy!... Click the button in the ring to see them all."
    WaitForLesson(35);
    ClickButtonInRing();
    ExpectDone(35);

    // "This is your trophy room... Press Okay, then Back to return."
    WaitForLesson(36);
    PressOkay();
    ExpectDone(36);
    PressScreenButton(0);
    ASSERT_TRUE(FramesUntil([this] { return CController::focus == game; }, 100)) << "back on the island";
}

// From a finished hut: a family, the youngest, a science station marked
// out and the island map.
TEST_F(TutorialRoadTest, AFamilyTheYoungestASiteForScienceAndTheMap)
{
    CMap* island = CControllerGame::island;
    BandAsLeftAt(37);
    FinishedBuilding(kHutType, 0, {island->GetStartX() - 200, island->GetStartY() + 40});

    // "A man and a woman of 18 or more can start a family. Drop one onto
    // the other, then say yes."
    WaitForLesson(37, 400);
    CPerson* man = nullptr;
    CPerson* woman = nullptr;
    for (CPerson* person : CPerson::people) {
        CPerson*& partner = person->isMale ? man : woman;
        if (!partner && person->GetAge() >= 18 && person->GetAge() <= 45) {
            partner = person;
        }
    }
    ASSERT_TRUE(man && woman) << "the band has a couple to be";
    Lift(man);
    DropOn({man, {0, 0}}, woman);
    ASSERT_TRUE(FramesUntil([this] { return CController::focus != game; }, 100)) << "the couple asks";
    PressScreenButton(0);
    ExpectDone(37);

    // "Every islander grows older... Press Okay." A baby is on its way.
    WaitForLesson(38);
    const size_t band = CPerson::people.size();
    PressOkay();
    ASSERT_TRUE(FramesUntil([band] { return CPerson::people.size() > band; }, 20000)) << "a baby is born";

    // "Here is the youngest of your band!... Press Okay."
    WaitForLesson(39, 3000);
    ASSERT_NE(CObject::selectedObject, nullptr);
    EXPECT_TRUE(static_cast<CPerson*>(CObject::selectedObject)->IsBaby()) << "the newborn is shown";
    PressOkay();
    WaitForLesson(40);
    PressOkay();

    // "Your thinkers need a science station... Click the Build button in
    // the ring." Then the station in the build menu, then open grass.
    WaitForLesson(41, 400);
    ClickButtonInRing();
    ExpectDone(41);
    WaitForLesson(42);
    ClickButtonInRing();
    ExpectDone(42);
    WaitForLesson(43);
    MarkOutOnOpenGrass(43);

    // "The button at the bottom left opens the map... Click it."
    WaitForLesson(44);
    ClickButtonInRing();
    ExpectDone(44);
    WaitForLesson(45);
    PressOkay();

    // "Click a spot on the map to go there."
    WaitForLesson(46);
    CSprite* map = CControllerMap::sMap;
    ASSERT_NE(map, nullptr);
    ClickAt({map->GetX() + map->GetW() / 2, map->GetY() + map->GetH() / 2});
    ASSERT_TRUE(FramesUntil([this] { return CController::focus == game; }, 100)) << "back on the island";
    ExpectDone(46);
}

// From a science station marked out: the moondust that nearly finishes it,
// the first research, the lab and the first potion, and the finds.
TEST_F(TutorialRoadTest, MoondustResearchAndTheFirstPotion)
{
    CMap* island = CControllerGame::island;
    BandAsLeftAt(47);
    FinishedBuilding(kHutType, 0, {island->GetStartX() - 200, island->GetStartY() + 40});
    CBuilding* station =
        ClassOfType(kScienceStationType).place(island->GetStartX() + 250, island->GetStartY() - 150, 7);

    // "Something else is about to fall from the sky! Press Okay."
    WaitForLesson(47, 400);
    PressOkay();

    // "Drop an islander onto it to pick it up. It is moondust."
    WaitForLesson(48, 2000);
    CObject* dust = game->stepObject;
    ASSERT_TRUE(dust && dust->isDust);
    DropAdultOn(dust);
    FramesUntil([] { return CTutorialDialog::IsTutorialComplete(48); }, 3000);
    ExpectDone(48);

    // "Your moondust waits in the top right corner. Click it to take some.
    // Then click on the unfinished science station."
    WaitForLesson(49);
    ClickButtonInRing();
    ExpectDone(49);
    WaitForLesson(50);
    ClickOn(station);
    ExpectDone(50);

    // "Your science station is nearly ready! Press Okay, then drop an
    // islander onto it to finish it."
    WaitForLesson(51);
    PressOkay();
    if (!station->IsComplete()) {
        DropAdultOn(station);
    }

    // "Drop an islander onto the science station to start research."
    WaitForLesson(52, 20000);
    EXPECT_TRUE(station->IsComplete());
    DropAdultOn(station);
    ExpectDone(52);

    // "Research earns points. Click the research button to spend them."
    WaitForLesson(53);
    ClickButtonInRing();
    ExpectDone(53);
    WaitForLesson(54);
    PressOkay();

    // "Press Okay, then Back in the ring to return to your island."
    WaitForLesson(55);
    PressOkay();
    ClickButtonInRing();
    ASSERT_TRUE(FramesUntil([this] { return CController::focus == game; }, 100)) << "back on the island";
    ExpectDone(55);

    // "Click the potion button in the ring to open the lab."
    WaitForLesson(56, 400);
    ClickButtonInRing(kPotionButton);
    ExpectDone(56);

    // "Choose wood, seawater and stardust, then mix them": the ring walks
    // the recipe, one button after the other.
    WaitForLesson(57);
    for (int pick = 0; pick < 4 && !CTutorialDialog::IsTutorialComplete(57); pick++) {
        ClickButtonInRing();
    }
    ExpectDone(57);

    // "Your first potion is in your hand. Click on open grass."
    WaitForLesson(58, 400);
    ASSERT_EQ(CController::focus, static_cast<CController*>(game));
    const std::optional<point> grass = OpenGrass({100, 150, 400, 350});
    ASSERT_TRUE(grass);
    ClickAt(*grass);
    ExpectDone(58);
    WaitForLesson(59);
    PressOkay();

    // "Mushrooms have popped up... Drop an islander onto them."
    WaitForLesson(60);
    CObject* mushroom = nullptr;
    for (CObject* object : CObject::objects) {
        mushroom = mushroom ? mushroom : object->isMushroom ? object : nullptr;
    }
    ASSERT_NE(mushroom, nullptr);
    DropAdultOn(mushroom);
    FramesUntil([] { return CTutorialDialog::IsTutorialComplete(60); }, 3000);
    ExpectDone(60);
}

// From the finds: a tree looked at and marked, flowers marked and planted,
// the mysteries' tour and the last ordinary words, which wait their turn.
TEST_F(TutorialRoadTest, ATreeFlowersTheMysteriesAndTheLastOrdinaryWords)
{
    CMap* island = CControllerGame::island;
    BandAsLeftAt(61);
    FinishedBuilding(kHutType, 0, {island->GetStartX() - 200, island->GetStartY() + 40});

    // "Click on a tree to see how much wood it holds."
    WaitForLesson(61, 400);
    CTree* tree = NearestTo(island->trees, {island->GetStartX(), island->GetStartY()});
    ASSERT_NE(tree, nullptr);
    ClickOn(tree);
    ExpectDone(61);

    // "The button in the ring marks the tree for chopping. Click it."
    WaitForLesson(62);
    ClickButtonInRing();
    ExpectDone(62);
    WaitForLesson(63);
    PressOkay();

    // "Let's brighten the island with flowers. Click the Build button in
    // the ring." Then the flowers in the build menu.
    WaitForLesson(64, 400);
    ClickButtonInRing();
    ExpectDone(64);
    WaitForLesson(65);
    ClickButtonInRing();
    ExpectDone(65);

    // "Choose a colour, then click on open grass to mark where flowers will
    // grow."
    WaitForLesson(66);
    ClickButtonInRing(kFirstColourButton);
    for (int tries = 0; tries < 10 && !CTutorialDialog::IsTutorialComplete(66); tries++) {
        const std::optional<point> grass = OpenGrass({150 + tries * 30, 200, 200, 250});
        ASSERT_TRUE(grass);
        ClickAt(*grass);
    }
    ExpectDone(66);

    // "Close the flower panel with the button in the ring."
    WaitForLesson(67);
    ClickButtonInRing();
    ExpectDone(67);

    // "Drop an islander onto a flower marker."
    WaitForLesson(68);
    ASSERT_FALSE(CFlowerIndicator::flowerIndicator.empty());
    DropAdultOn(CFlowerIndicator::flowerIndicator.front());
    ExpectDone(68);

    // The mysteries, and the closing words, each after its wait.
    for (int step : {69, 70, 71, 72}) {
        WaitForLesson(step, 3000);
        PressOkay();
        ExpectDone(step);
    }
    EXPECT_GT(CTutorialDialog::nextTutorial, 72) << "the ordinary lessons are over";
}

// "Rain puts out the fire": with wood in stock the camp's fire burns until
// the rain lesson brings the rain, and then not a flame shows there.
TEST_F(TutorialRoadTest, TheRainLessonLeavesTheCampFireOut)
{
    LessonsDoneBefore(6);
    CControllerGame::Resources()->AddWood(5);
    ASSERT_FALSE(CFireplace::fireplaces.empty()) << "the camp has its fireplace";
    CFireplace* camp = CFireplace::fireplaces.front();
    BringIntoView({camp->GetX() + 70, camp->GetY() + 60});
    // The flames' two colours in the fireplace's picture and the air above
    // it (islanders' skin and hair come near neither).
    auto flames = [camp] {
        SaveRedrawnScreen(ScreenshotPath("TutorialRainFire.png"));
        const rgb_picture screen = PictureOf(SDL_GetVideoSurface());
        const point at = OnScreen({camp->GetX(), camp->GetY()});
        int count = 0;
        for (int y = std::max(0, at.y - 40); y < std::min(screen.h, at.y + 130); y++) {
            for (int x = std::max(0, at.x); x < std::min(kViewWidth, at.x + 140); x++) {
                const uint8_t* p = &screen.rgb[3 * (y * screen.w + x)];
                auto near = [p](int r, int g, int b) {
                    return std::abs(p[0] - r) < 12 && std::abs(p[1] - g) < 12 && std::abs(p[2] - b) < 12;
                };
                count += near(240, 110, 24) || near(255, 214, 70);
            }
        }
        return count;
    };
    WaitForLesson(6);
    Frame();
    ASSERT_FALSE(CControllerGame::island->raining);
    EXPECT_GT(flames(), 100) << "the fire burns while it is dry";

    // The thought lesson closes by itself once the islander's thought is
    // gone; the player presses its okay when it is still up.
    if (Shown() == 6) {
        PressOkay();
    }
    WaitForLesson(7);
    Frame();
    ASSERT_TRUE(CControllerGame::island->raining) << "the lesson brings the rain";
    EXPECT_EQ(flames(), 0) << "no flame shows in the rain";
}

// The tree lessons, played as their words say: the chosen tree's button is
// the next lesson's subject, so that lesson must stay up until it is used.
TEST_F(TutorialRoadTest, TheTreeLessonStaysUpUntilTheTreeInTheSidePanelIsMarked)
{
    LessonsDoneBefore(61);

    // "Click on a tree to see how much wood it holds."
    WaitForLesson(61, 400);
    CTree* tree = nullptr;
    for (CObject* object : CObject::objects) {
        if (object->isTree && !tree) {
            tree = static_cast<CTree*>(object);
        }
    }
    ASSERT_NE(tree, nullptr);
    ClickOn(tree);
    ExpectDone(61);
    EXPECT_EQ(CObject::selectedObject, tree);

    // "The button in the ring marks the tree for chopping. Click it."
    WaitForLesson(62);
    for (int frame = 0; frame < 120; frame++) {
        Frame();
    }
    ASSERT_EQ(Shown(), 62) << "the lesson stays up while its tree is chosen";
    ClickButtonInRing();
    ExpectDone(62);
    EXPECT_NE(std::find(CTree::choppable.begin(), CTree::choppable.end(), tree), CTree::choppable.end())
        << "the tree is marked for chopping";

    // "Well done. Everything on the island tells you about itself."
    WaitForLesson(63);
}

}  // namespace
