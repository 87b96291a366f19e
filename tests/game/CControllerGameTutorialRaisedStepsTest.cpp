// The lessons after the ordinary ones speak up when their moment comes: the
// band's first science points, a death, a birthday, a master, a hungry,
// tired or misplaced islander, a craftworks, full piles, finished
// buildings, a band that died out. Each is raised here by bringing the
// island to that moment, and the player then does only what its words say.
#include "TutorialRoad.h"

#include "CControllerClothes.h"
#include "CControllerPersonDetail.h"
#include "CGuiCheckBox.h"
#include "CControllerScience.h"
#include "CControllerTrophies.h"
#include "CCraftworks.h"
#include "CTombstone.h"

#include <queue>

namespace {

using RaisedLessonsTest = TutorialRoad;

constexpr int kYear = 172800;
constexpr int kHutType = 1, kCraftworksType = 6, kScienceStationType = 7;
constexpr int kMakeClothesButton = 21;
constexpr int kConstructionResearch = 2, kOldAgeDeath = 12021, kGameUnderWayProperty = 31;

// The ordinary lessons are over and the band lives on: fed, housed and with
// wood for the fire, so that no other lesson pushes in.
struct SettledBand : RaisedLessonsTest {
    void SetUp() override
    {
        RaisedLessonsTest::SetUp();
        BandAsLeftAt(73);
        CMap* island = CControllerGame::island;
        FinishedBuilding(kHutType, 0, {island->GetStartX() - 200, island->GetStartY() + 40});
        FinishedBuilding(kScienceStationType, 7, {island->GetStartX() + 250, island->GetStartY() - 150});
        CPerson::RevitalizeAll(-1);
        Frame();
    }

    // A new trophy's pop-up, when one shows, is closed with "Back to the
    // island"; a lesson it put off comes back.
    void LeaveTrophyPopUp()
    {
        if (CController::focus == CControllerGame::trophyUnlock) {
            PressScreenButton(1);
            ASSERT_TRUE(FramesUntil([this] { return CController::focus == game; }, 100)) << "back on the island";
        }
    }

    // A pending lesson's dialog, once the game raised it.
    static void WaitForRaised(int step, int limit = 600) { WaitForLesson(step, limit); }

    static CPerson* Oldest()
    {
        CPerson* oldest = nullptr;
        for (CPerson* person : CPerson::people) {
            oldest = !oldest || person->GetAge() > oldest->GetAge() ? person : oldest;
        }
        return oldest;
    }

    static CPerson* AKid()
    {
        for (CPerson* person : CPerson::people) {
            if (person->IsKid()) {
                return person;
            }
        }
        return nullptr;
    }
};

TEST_F(SettledBand, EnoughPointsForConstructionLeadThroughTheResearchScreenAndBack)
{
    // The station's thinkers earn points until they pay for construction.
    CControllerScience::AddSciencePoints(CControllerScience::GetUpgradeCost(1) + 50);
    Frame();

    // "You have enough science points to improve construction! Click the
    // research button to spend them."
    WaitForRaised(73);
    ClickButtonInRing();
    ExpectDone(73);

    // "Your points are in the ring. Click Research under a field to buy its
    // next level."
    WaitForLesson(74);
    PressScreenButton(kConstructionResearch);
    ExpectDone(74);
    PressScreenButton(0);  // the notice of the new level

    // "Well done!... Click Back to return to your island."
    WaitForLesson(75);
    PressScreenButton(0);
    ASSERT_TRUE(FramesUntil([this] { return CController::focus == game; }, 100)) << "back on the island";
    ExpectDone(75);
}

TEST_F(SettledBand, AGameUnderWayForAWhileHearsOfAgriculture)
{
    CProfile::current->SetValue<bool>(kGameUnderWayProperty, true);
    game->frameCount = 3000;
    // "Research agriculture: first your islanders learn to plant saplings,
    // then to build a garden. Press Okay."
    WaitForRaised(76);
    PressOkay();
    ExpectDone(76);
}

TEST_F(SettledBand, ADeathLeavesATombstoneThatTellsWhoRestsThere)
{
    // An islander out in the open dies, so that the grave does not end up
    // behind a building's picture.
    CPerson* dying = nullptr;
    for (CPerson* person : CPerson::people) {
        bool open = Adult(person);
        for (CBuilding* building : CBuilding::buildings) {
            open = open && building->GetDistFrom(person->GetX(), person->GetY()) > 500;
        }
        dying = dying ? dying : open ? person : nullptr;
    }
    ASSERT_NE(dying, nullptr) << "an islander out in the open";
    dying->DieSoon(kOldAgeDeath);
    dying->Die(false);
    ASSERT_TRUE(FramesUntil([] { return !CTombstone::tombstones.empty(); }, 600)) << "a tombstone stands";

    // "Someone in your band has passed away... Click on the tombstone to
    // remember them."
    WaitForRaised(77);
    ClickOn(CTombstone::tombstones.front());
    ExpectDone(77);

    // Over the stone's words: "The stone tells their name, age, best skill
    // and what took them. Press Okay, then choose whether to keep the
    // grave."
    ASSERT_TRUE(FramesUntil([this] { return CController::focus != game; }, 100)) << "the stone speaks";
    WaitForRaised(78);
    PressOkay();
    ExpectDone(78);
    PressScreenButton(1);  // keep it
    ASSERT_TRUE(FramesUntil([this] { return CController::focus == game; }, 100)) << "back on the island";
    EXPECT_FALSE(CTombstone::tombstones.empty()) << "the grave stays";
}

TEST_F(SettledBand, BirthdaysAtFourteenAndSixtyFiveAndAMasteredSkillSpeakUp)
{
    // "This islander is grown up now!... Press Okay to go on." and then
    // "Grown-ups need food and a hut... Press Okay."
    CPerson* kid = AKid();
    ASSERT_NE(kid, nullptr);
    kid->data.age = 14 * kYear + 1;
    WaitForRaised(79);
    EXPECT_EQ(CObject::selectedObject, kid) << "the new grown-up is shown";
    PressOkay();
    ExpectDone(79);
    WaitForRaised(80);
    PressOkay();
    ExpectDone(80);

    // "This islander has mastered a skill or a strength!... Press Okay."
    CPerson* chopper = CPerson::people.front();
    chopper->ActuallyImproveSkill(2, 100000);
    CControllerTrophies::trophyUnlockQueue = std::queue<int>();
    WaitForRaised(81);
    PressOkay();
    ExpectDone(81);

    // "This islander is old now... from 66 on, any birthday may be their
    // last. Press Okay."
    Oldest()->data.age = 65 * kYear + 1;
    WaitForRaised(82);
    PressOkay();
    ExpectDone(82);
}

TEST_F(SettledBand, HungerWithoutFoodOrWoodAndTirednessWithoutAHutSpeakUp)
{
    CResources* stock = CControllerGame::Resources();
    auto hungry = [] {
        for (CPerson* person : CPerson::people) {
            if (Adult(person)) {
                person->data.food = 1000;
            }
        }
    };

    // "Your islanders are hungry, and there is no food left!..."
    stock->RemoveAllFood();
    hungry();
    WaitForRaised(83, 3000);
    PressOkay();
    ExpectDone(83);

    // "Your islanders are hungry, but the fire only burns while there is
    // wood... Press Okay."
    stock->AddFood(20, 0);
    stock->RemoveWood(stock->GetWood());
    hungry();
    WaitForRaised(84, 3000);
    PressOkay();
    ExpectDone(84);

    // "A tired islander can find no free hut to sleep in..." The one hut
    // holds one sleeper.
    stock->AddWood(5);
    CPerson::RevitalizeAll(-1);
    for (CPerson* person : CPerson::people) {
        if (Adult(person)) {
            person->data.energy = 1000;
        }
    }
    WaitForRaised(85, 3000);
    PressOkay();
    ExpectDone(85);
}

TEST_F(SettledBand, AChildPutToWorkIsSentBackAndItsChoresWaitForFourteen)
{
    // A child dropped on the wood pile: "Children are too young to work...
    // Drop a grown-up there instead. Press Okay."
    CPerson* kid = AKid();
    ASSERT_NE(kid, nullptr);
    CResources* stock = CControllerGame::Resources();
    const point pile{stock->GetPileX(0), stock->GetPileY(0)};
    Lift(kid);
    Carry({kid, {0, 0}}, pile, [this, stock, pile] {
        const point at = OnScreen(pile);
        return PointWhere({at.x - 20, at.y - 20, 40, 40}, [stock] {
            return OverOpenView() && CObject::FindObjectAt(-1, -1, false, true) == stock;
        });
    });
    WaitForRaised(86);
    PressOkay();
    // This lesson comes back whenever a child is put to work: its okay
    // closes it without ticking it off.
    ASSERT_TRUE(FramesUntil([] { return Shown() != 86; }, 10)) << "the lesson closes";
    EXPECT_EQ(game->pendingTutorial, -1);

    // The child's own screen: a tick in a chore box. "Children do not work.
    // From 14 on, they will do the work you tick. Press Okay."
    ClickOn(kid);
    ASSERT_EQ(CObject::selectedObject, kid);
    PressScreenButton(2);  // about me
    ASSERT_NE(CControllerGame::personGUI, nullptr);
    CControllerPersonDetail* screen = CControllerGame::personGUI;
    PressScreenButton(screen->checkBoxes[0]->id);
    WaitForRaised(87);
    PressOkay();
    ExpectDone(87);
    PressScreenButton(3);  // back
    ASSERT_TRUE(FramesUntil([this] { return CController::focus == game; }, 100)) << "back on the island";

    // A child dropped on a tree to chop it hears the first lesson again:
    // it comes back whatever work the child was set to.
    CObject* tree = nullptr;
    for (CObject* object : CObject::objects) {
        if (object->isTree && (!tree || kid->GetDistFrom(object->GetX(), object->GetY()) <
                                            kid->GetDistFrom(tree->GetX(), tree->GetY()))) {
            tree = object;
        }
    }
    ASSERT_NE(tree, nullptr);
    Lift(kid);
    DropOn({kid, {0, 0}}, tree);
    WaitForRaised(86);
    PressOkay();
    ASSERT_TRUE(FramesUntil([] { return Shown() != 86; }, 10)) << "the lesson closes again";
}

TEST_F(SettledBand, AFinishedCraftworksLeadsFromTheDesignerToNewClothesOn)
{
    CMap* island = CControllerGame::island;
    CBuilding* works = FinishedBuilding(kCraftworksType, 6, {island->GetStartX() + 100, island->GetStartY() + 250});

    // "Your craftworks is ready!... Click Make clothes in the ring."
    WaitForRaised(88);
    EXPECT_EQ(CObject::selectedObject, works) << "the craftworks is shown";
    ClickButtonInRing(kMakeClothesButton);
    ExpectDone(88);

    // In the designer: "use the arrows to pick a shirt and pants"...
    WaitForLesson(89);
    ClickButtonInRing(CControllerClothes::kShirtRight);
    ExpectDone(89);
    // ..."Pick colours... Then click Make clothes to order them."...
    WaitForLesson(90);
    PressScreenButton(CControllerClothes::kFirstQuickPick);
    PressScreenButton(CControllerClothes::kMakeClothes);
    ExpectDone(90);
    // ..."Press Okay, then click Back to the island."
    WaitForLesson(91);
    PressOkay();
    ExpectDone(91);
    PressScreenButton(CControllerClothes::kBack);
    ASSERT_TRUE(FramesUntil([this] { return CController::focus == game; }, 100)) << "back on the island";

    // "Drop an islander onto the craftworks to start work."
    WaitForRaised(92);
    DropAdultOn(works);
    ExpectDone(92);

    // "Good! Your islander is making the clothes... Press Okay."
    WaitForRaised(93);
    PressOkay();
    ExpectDone(93);

    // The clothes are made and their owner fetches them: "Your islander is
    // off to the craftworks..." and then "...wearing the new clothes!"
    WaitForRaised(94, 30000);
    ASSERT_TRUE(FramesUntil([] { return CTutorialDialog::IsTutorialComplete(94); }, 30000)) << "the owner is dressed";
    FramesUntil([this] { return Shown() == 95 || CController::focus != game; }, 600);
    LeaveTrophyPopUp();
    WaitForRaised(95);
    PressOkay();
    ExpectDone(95);
}

TEST_F(SettledBand, FullPilesAskForStorehouses)
{
    CResources* stock = CControllerGame::Resources();
    // "Your food pile is full!... Build a food storehouse to keep more."
    stock->AddFood(stock->GetMaxResource(6), 0);
    WaitForRaised(96);
    PressOkay();
    ExpectDone(96);
    // The same for wood, then rock.
    stock->AddWood(stock->GetMaxResource(0));
    WaitForRaised(97);
    PressOkay();
    ExpectDone(97);
    stock->AddRock(stock->GetMaxResource(1));
    WaitForRaised(98);
    PressOkay();
    ExpectDone(98);
}

TEST_F(SettledBand, EachFinishedBigBuildingIsShownAndNamed)
{
    CMap* island = CControllerGame::island;
    const point start{island->GetStartX(), island->GetStartY()};
    struct finished {
        int type, variant, step;
    };
    // The shipyard, the ship, the garden, the observatory and the wonders.
    const finished buildings[] = {{8, 8, 99}, {13, 21, 100}, {12, 20, 101}, {5, 5, 102}, {10, 10, 103}, {11, 11, 104}};
    int placed = 0;
    for (const finished& each : buildings) {
        CBuilding* building = FinishedBuilding(each.type, each.variant, {start.x - 600 + 240 * placed++, start.y + 500});
        // A wonder's trophy is announced first; the player goes back to the
        // island and the lesson follows.
        FramesUntil([this, each] { return Shown() == each.step || CController::focus != game; }, 600);
        LeaveTrophyPopUp();
        WaitForRaised(each.step);
        EXPECT_EQ(CObject::selectedObject, building) << "the view shows building " << each.type;
        PressOkay();
        ExpectDone(each.step);
        EXPECT_EQ(game->pendingTutorial, -1);
    }
}

TEST_F(SettledBand, ABandThatDiedOutHearsTheLastWord)
{
    // The band had buried someone before: the tombstone's lessons are known.
    for (int step : {77, 78}) {
        CTutorialDialog::CompleteTutorial(step);
    }
    for (CPerson* person : CPerson::people) {
        person->Die(false);
    }
    // "Oh no, your band is gone... Press Okay, then start again."
    WaitForRaised(106);
    PressOkay();
    ExpectDone(106);
}

}  // namespace
