#include "CMap.h"
#include "CSprite.h"
#include "WorldFakes.h"

#include <memory>

namespace {

struct hit_case {
    const char* what;
    std::vector<int> z;  // per object in registration order; -1 misses
    int winner;          // index, -1 none
    int lastZ;
};

}  // namespace

TEST_F(WorldTest, FrontmostHitWinsAndTheEarlierRegisteredWinsATie)
{
    const hit_case cases[] = {
        {"equal depth", {10, 10}, 0, 10},
        {"later and deeper", {10, 11}, 1, 11},
        {"earlier and deeper", {11, 10}, 0, 11},
        {"a miss before a hit at depth 0", {-1, 0}, 1, 0},
        {"all miss", {-1, -1}, -1, 0},
        {"nothing registered", {}, -1, 0},
    };
    for (const hit_case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<FakeObject*> made;
        for (int z : c.z) {
            made.push_back(new FakeObject(z >= 0, z));
        }
        CObject::lastObjectZ = 12345;
        CObject* found = CObject::FindObjectAt(-1, -1, false, false);
        EXPECT_EQ(found, c.winner < 0 ? nullptr : made[c.winner]);
        EXPECT_EQ(CObject::lastObjectZ, c.lastZ);
        CObject::UnloadAll();
    }
}

TEST_F(WorldTest, HitTestsSkipIslandersAndHeldObjectsOnlyWhenAsked)
{
    FakeObject* ground = new FakeObject(true, 10);
    FakeObject* islander = new FakeObject(true, 20);
    islander->isPerson = true;
    FakeObject* held = new FakeObject(true, 30);
    held->excluded = true;

    EXPECT_EQ(CObject::FindObjectAt(-1, -1, false, false), held);
    EXPECT_EQ(CObject::FindObjectAt(-1, -1, true, false), held);
    EXPECT_EQ(CObject::FindObjectAt(-1, -1, false, true), islander);
    EXPECT_EQ(CObject::FindObjectAt(-1, -1, true, true), ground);
}

TEST_F(WorldTest, DropsAndClicksOnEmptyGroundDoNothing)
{
    FakeObject* away = new FakeObject(false, 0);
    away->task = 4;
    EXPECT_EQ(CObject::DropOn(), 0);
    CObject::ClickOn();
    EXPECT_EQ(away->clicks, 0);

    FakeObject* back = new FakeObject(true, 10);
    back->task = 4;
    FakeObject* front = new FakeObject(true, 20);
    front->task = 2;
    EXPECT_EQ(CObject::DropOn(), 2);
    CObject::ClickOn();
    EXPECT_EQ(front->clicks, 1);
    EXPECT_EQ(back->clicks, 0);
}

// An object that keeps the base answers gives the side panel nothing to show:
// no name, details, button, tool-tip or picture, and it takes no potion.
TEST_F(WorldTest, AnObjectWithTheBaseAnswersGivesTheSidePanelNothing)
{
    FakeObject plain;
    auto blank = [](const selection_result& r) {
        return r.id == 0 && r.number == 0 && !r.text1 && !r.text2 && r.offsetX == 0 && r.offsetY == 0;
    };
    EXPECT_TRUE(blank(plain.GetSelectedName()));
    EXPECT_TRUE(blank(plain.GetSelectedTopDetail()));
    EXPECT_TRUE(blank(plain.GetSelectedBottomDetail()));
    EXPECT_TRUE(blank(plain.GetSelectedDetailButton()));
    EXPECT_TRUE(blank(plain.GetTooltipForSidebar()));
    const sidebar_image picture = plain.GetSpriteForSidebar();
    EXPECT_EQ(picture.id, -1);
    EXPECT_EQ(picture.name, "");
    EXPECT_EQ(picture.shrink, -1);
    EXPECT_FALSE(plain.AcceptPotion(4));
}

TEST_F(WorldTest, ObjectFlaggedInItsOwnPumpIsDeletedInTheSameCall)
{
    std::vector<FakeObject*> deleted;
    FakeObject* ending = new FakeObject();
    ending->deletions = &deleted;
    ending->onPump = [](FakeObject* self) { self->deleteMe = true; };
    FakeObject* flaggedBefore = new FakeObject();
    flaggedBefore->deletions = &deleted;
    flaggedBefore->deleteMe = true;
    int flaggedPumps = 0;
    flaggedBefore->onPump = [&](FakeObject*) { flaggedPumps++; };
    FakeObject* staying = new FakeObject();

    CObject::MoveObjects(-5, -7, 1);

    EXPECT_EQ(deleted, (std::vector<FakeObject*>{ending, flaggedBefore}));
    EXPECT_EQ(flaggedPumps, 0);
    EXPECT_EQ(CObject::objects, std::vector<CObject*>{staying});
    EXPECT_EQ(staying->pumps, 1);
    EXPECT_EQ(staying->lastOffsetX, -5);
    EXPECT_EQ(staying->lastOffsetY, -7);
    EXPECT_EQ(staying->lastSteps, 1);
}

TEST_F(WorldTest, ObjectsMadeDuringAPassWaitForTheNextOne)
{
    FakeObject* child = nullptr;
    FakeObject* parent = new FakeObject();
    parent->onPump = [&](FakeObject*) {
        if (!child) {
            child = new FakeObject();
        }
    };
    CObject::MoveObjects(0, 0, 1);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->pumps, 0);
    CObject::MoveObjects(0, 0, 1);
    EXPECT_EQ(child->pumps, 1);
    EXPECT_EQ(parent->pumps, 2);
}

TEST_F(WorldTest, ObjectDeletedDirectlyDuringAPassIsNotPumped)
{
    FakeObject* victim = nullptr;
    FakeObject* replacement = nullptr;
    FakeObject* killer = new FakeObject();
    killer->onPump = [&](FakeObject*) {
        delete victim;
        // Often lands at the victim's address; it must still wait its turn.
        replacement = new FakeObject();
    };
    victim = new FakeObject();
    FakeObject* last = new FakeObject();

    CObject::MoveObjects(0, 0, 1);

    EXPECT_EQ(replacement->pumps, 0);
    EXPECT_EQ(last->pumps, 1);
    EXPECT_EQ(CObject::objects, (std::vector<CObject*>{killer, last, replacement}));
}

TEST_F(WorldTest, SeveralStepsSimulateAndCountOneTick)
{
    struct step_case {
        int steps;
        bool simulating;
    };
    for (const step_case& c : {step_case{1, false}, step_case{3, true}}) {
        SCOPED_TRACE(c.steps);
        FakeObject* object = new FakeObject();
        bool sawSimulating = false;
        object->onPump = [&](FakeObject*) { sawSimulating = CObject::isSimulating; };
        const int ticks = profile.GetValue<int>(49);

        CObject::MoveObjects(0, 0, c.steps);

        EXPECT_EQ(object->pumps, c.steps);
        EXPECT_EQ(sawSimulating, c.simulating);
        EXPECT_FALSE(CObject::isSimulating);
        EXPECT_EQ(profile.GetValue<int>(49), ticks + 1);
        CObject::UnloadAll();
    }
}

TEST_F(WorldTest, HoverIsRecomputedOnlyWhenTheMouseMovesOverTheMapOrAnIslanderAsks)
{
    FakeObject* object = new FakeObject(true, 10);
    MouseAt(100, 100);
    CObject::MoveObjects(0, 0, 1);
    EXPECT_TRUE(object->hover);
    EXPECT_EQ(object->rollovers, 1);

    CObject::MoveObjects(0, 0, 1);
    EXPECT_EQ(object->rollovers, 1) << "mouse still: hover states stay as they were";

    CPerson::didRollover = reinterpret_cast<CPerson*>(object);  // only tested against null
    CObject::MoveObjects(0, 0, 1);
    EXPECT_EQ(object->rollovers, 2);
    CPerson::didRollover = nullptr;

    CObject::MoveObjects(-10, 0, 1);
    EXPECT_EQ(object->rollovers, 3) << "the map scrolled under a still mouse";
    EXPECT_EQ(CObject::lastMouseX, 110);
    EXPECT_EQ(CObject::lastMouseY, 100);
}

TEST_F(WorldTest, NothingIsLitWhileHoverIsOffButEveryObjectIsTurnedOff)
{
    CMap island(false);
    struct off_case {
        const char* what;
        std::function<void()> set;
        std::function<void()> reset;
    };
    const off_case cases[] = {
        {"visual effects off", [&] { profile.SetValue<bool>(7, false); }, [&] { profile.SetValue<bool>(7, true); }},
        {"dragging a grave", [&] { island.tombstoneCarried = true; }, [&] { island.tombstoneCarried = false; }},
        {"placing a building", [] { CObject::placingBuilding = 0; }, [] { CObject::placingBuilding = -1; }},
        {"placing flowers", [] { CFlowerIndicator::placingFlowers = 0; },
         [] { CFlowerIndicator::placingFlowers = -1; }},
        {"placing saplings", [] { CTreeIndicator::placingTrees = 0; }, [] { CTreeIndicator::placingTrees = -1; }},
    };
    FakeObject* under = new FakeObject(true, 10);
    FakeObject* elsewhere = new FakeObject(false, 0);
    for (const off_case& c : cases) {
        SCOPED_TRACE(c.what);
        under->hover = true;
        under->rollovers = elsewhere->rollovers = 0;
        c.set();
        CObject::MouseMove();
        c.reset();
        EXPECT_FALSE(under->hover);
        EXPECT_EQ(under->rollovers, 1);
        EXPECT_EQ(elsewhere->rollovers, 1);
    }
    CObject::MouseMove();
    EXPECT_TRUE(under->hover);
    EXPECT_FALSE(elsewhere->hover);
}

TEST_F(WorldTest, DeletingAnObjectClearsEveryStaticThatPointsAtIt)
{
    FakeObject* other = new FakeObject();
    for (int which = 0; which < 3; which++) {
        SCOPED_TRACE(which);
        FakeObject* object = new FakeObject();
        CObject::selectedObject = which == 0 ? object : other;
        CObject::lastSelectedPerson = which == 1 ? object : other;
        CObject::requestingFeedback = which == 2 ? object : other;
        delete object;
        EXPECT_EQ(CObject::selectedObject, which == 0 ? nullptr : other);
        EXPECT_EQ(CObject::lastSelectedPerson, which == 1 ? nullptr : other);
        EXPECT_EQ(CObject::requestingFeedback, which == 2 ? nullptr : other);
    }
    CObject::selectedObject = CObject::lastSelectedPerson = CObject::requestingFeedback = nullptr;
}

TEST_F(WorldTest, SelectionMarkerFollowsTheSelectedObjectOnly)
{
    FakeObject* selected = new FakeObject();
    selected->x = 100.4f;
    selected->selectionMarker = new CSprite(30);
    selected->selectionOffsetX = -10;
    FakeObject* other = new FakeObject();
    other->selectionMarker = new CSprite(30);
    CObject::selectedObject = selected;
    CObject::DisplaySelection(-50, -60);
    EXPECT_FALSE(selected->selectionMarker->Hidden());
    EXPECT_EQ(selected->selectionMarker->GetX(), 40);
    EXPECT_TRUE(other->selectionMarker->Hidden());
    EXPECT_EQ(CObject::lastSelectedPerson, nullptr) << "not an islander";
    selected->isPerson = true;
    CObject::DisplaySelection(0, 0);
    EXPECT_EQ(CObject::lastSelectedPerson, selected);
    CObject::selectedObject = nullptr;
    CObject::DisplaySelection(0, 0);
    EXPECT_TRUE(selected->selectionMarker->Hidden());
}

TEST_F(WorldTest, UnloadAllDeletesNewestFirstAndLeavesNothingBehind)
{
    std::vector<FakeObject*> deleted;
    std::vector<bool> unloadingSeen;
    std::vector<FakeObject*> made;
    for (int i = 0; i < 3; i++) {
        FakeObject* object = new FakeObject();
        object->deletions = &deleted;
        object->onDelete = [&] { unloadingSeen.push_back(CObject::unloadingAll); };
        CObject::AddObstruction(i * 10, 0, 5, 5, object, i == 1);
        made.push_back(object);
    }
    CObject::UnloadAll();
    EXPECT_EQ(deleted, (std::vector<FakeObject*>{made[2], made[1], made[0]}));
    EXPECT_EQ(unloadingSeen, (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(CObject::objects.empty());
    EXPECT_TRUE(CObject::obstructions.empty());
    EXPECT_FALSE(CObject::unloadingAll);
}

TEST_F(WorldTest, PlacingAnythingOwnsTheMouseOnlyOnThePlayableIsland)
{
    CControllerGame game(false, false);
    struct placing_case {
        const char* what;
        bool big;
        int building, flowers, trees;
        int dustMode, potion;
        bool tutorialOn;
        int nextStep;
        bool expected;
    };
    const placing_case cases[] = {
        {"preview island", false, 3, 1, 0, 1, 5, false, -1, false},
        {"nothing held", true, -1, -1, -1, 0, 0, false, -1, false},
        {"building", true, 3, -1, -1, 0, 0, false, -1, true},
        {"stardust while its step is taught", true, -1, -1, -1, 1, 0, true, 33, false},
        {"stardust while taught, potion held", true, -1, -1, -1, 1, 7, true, 33, true},
        {"moondust while its step is taught", true, -1, -1, -1, 2, 0, true, 50, false},
    };
    for (const placing_case& c : cases) {
        SCOPED_TRACE(c.what);
        CObject::placingBuilding = c.building;
        CFlowerIndicator::placingFlowers = c.flowers;
        CTreeIndicator::placingTrees = c.trees;
        game.dustMode = c.dustMode;
        game.heldPotion = c.potion;
        profile.SetValue<bool>(67, c.tutorialOn);
        CTutorialDialog::nextTutorial = c.nextStep;
        EXPECT_EQ(CObject::PlacingAnything(c.big), c.expected);
    }
}

TEST_F(WorldTest, MoondustActsAsFiveStardustsOutsideItsTutorialStretch)
{
    struct moondust_case {
        const char* what;
        std::vector<int> stepsDone;
        bool takes;
        int offers;
        bool answer;
    };
    const moondust_case cases[] = {
        {"no tutorial", {}, true, 5, true},
        {"refused every time", {}, false, 5, false},
        {"while moondust is taught", {49}, true, 1, true},
        {"after the stretch", {49, 50, 51}, true, 5, true},
    };
    for (const moondust_case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int step = 49; step <= 51; step++) {
            profile.SetValue<bool>(1000 + step, false);
        }
        for (int step : c.stepsDone) {
            CTutorialDialog::CompleteTutorial(step);
        }
        FakeObject object;
        object.takesStardust = c.takes;
        EXPECT_EQ(object.AcceptMoondust(), c.answer);
        EXPECT_EQ(object.stardustOffers, c.offers);
    }
}
