// A new player's hand and eyes on the game screen of a real island, for
// the tests that play the tutorial as its words say: the player sees the
// lesson's dialog, the ring and the island, and acts with the mouse only,
// pressing, moving and letting go as a hand does. Waits are counted in game
// frames; a lesson that does not complete after what its words ask fails
// where it stands.
#pragma once

#include "CControllerGameFixture.h"

#include "BuildingClasses.h"
#include "CBuilding.h"
#include "CControllerIslandSelect.h"
#include "CGuiButtonBase.h"
#include "CMouseCursor.h"
#include "CPersonMovement.h"
#include "CResources.h"
#include "CSidebar.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <queue>
#include <utility>
#include <vector>

class TutorialRoad : public GameScreenTest {
protected:
    struct StopAtFatalFailure : testing::EmptyTestEventListener {
        void OnTestPartResult(const testing::TestPartResult& result) override
        {
            if (result.type() == testing::TestPartResult::kFatalFailure) {
                throw testing::AssertionException(result);
            }
        }
    };

    struct point {
        int x, y;
    };
    struct box {
        int x, y, w, h;
    };

    static constexpr int kViewWidth = 605, kViewHeight = 600;
    // The map, stock and potion buttons stand along the view's bottom edge.
    static constexpr int kAboveButtonRow = 530;
    static constexpr int kOkayFirst = 1000;
    static constexpr unsigned int kRoadSeed = 50;
    static constexpr int kFirstCrateOpenedProperty = 38, kIslandNumberProperty = 46;
    static constexpr int kIslandNameProperty = 47, kIslandPrefixProperty = 48;

    void SetUp() override
    {
        // A fatal failure inside a helper ends the whole road there, not only
        // the helper: the lessons after a stalled one cannot be reached.
        testing::UnitTest::GetInstance()->listeners().Append(&stopper);
        GameScreenTest::SetUp();
        CPersonMovement::GeneratePathMap();
        // The chooser names the island by its number before the game opens;
        // the island map shows both.
        CProfile::current->SetValue<unsigned int>(kIslandNumberProperty, kFixedIslandSeeds[2]);
        int nameId = 0, prefixId = 0;
        CControllerIslandSelect::IslandName(kFixedIslandSeeds[2], nameId, prefixId);
        CProfile::current->SetValue<int>(kIslandNameProperty, nameId);
        CProfile::current->SetValue<int>(kIslandPrefixProperty, prefixId);
        game = &Open(kFixedIslandSeeds[2]);
        ASSERT_NE(CControllerGame::island, nullptr);
        // The band and the creatures were placed with draws of their own;
        // from here on the road is the same every run.
        InitRandom(kRoadSeed);
    }

    void TearDown() override
    {
        GameScreenTest::TearDown();
        testing::UnitTest::GetInstance()->listeners().Release(&stopper);
    }

    // The lessons before step are behind the player, as after playing them:
    // from step 11 on that includes the first crate, opened.
    static void LessonsDoneBefore(int step)
    {
        for (int done = 0; done < step; done++) {
            CTutorialDialog::CompleteTutorial(done);
        }
        if (step > 10) {
            CProfile::current->SetValue<bool>(kFirstCrateOpenedProperty, true);
        }
    }

    // The lessons before step behind the player, with what the band had
    // gathered by then: the fisher's catch and the chopper's first wood.
    static void BandAsLeftAt(int step)
    {
        LessonsDoneBefore(step);
        CResources* stock = CControllerGame::Resources();
        stock->AddFood(20, 0);
        stock->AddWood(5);
    }

    // A building of the type standing finished at the world point, as the
    // band left it, its trophy already won and announced.
    static CBuilding* FinishedBuilding(int type, int variant, point at)
    {
        CControllerTrophies::CompleteTrophy(1);
        CBuilding* building = ClassOfType(type).place(at.x, at.y, variant);
        building->FinishNow();
        Frame();
        CControllerTrophies::trophyUnlockQueue = std::queue<int>();
        return building;
    }

    // ---- time -------------------------------------------------------------

    // Game frames until done() holds, at most limit; whether it holds.
    static bool FramesUntil(const std::function<bool()>& done, int limit)
    {
        for (int frame = 0; frame < limit && !done(); frame++) {
            Frame();
        }
        return done();
    }

    // ---- the player's hand ------------------------------------------------

    void MoveTo(point to)
    {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = static_cast<Uint16>(to.x);
        event.motion.y = static_cast<Uint16>(to.y);
        SDL_PushEvent(&event);
        Frame();
    }

    // Moves in small steps, as a hand does, so every screen sees the way.
    void GlideTo(point to)
    {
        const point from{input.mouseX, input.mouseY};
        const int steps = std::max(1, static_cast<int>(std::hypot(to.x - from.x, to.y - from.y) / 20));
        for (int i = 1; i <= steps; i++) {
            MoveTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
        }
    }

    static void Button(bool down)
    {
        Push(down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
        Frame();
    }

    void ClickAt(point at)
    {
        MoveTo(at);
        Button(true);
        Button(false);
    }

    // ---- what the player sees ---------------------------------------------

    static int Shown() { return CTutorialDialog::activeDialog ? CTutorialDialog::activeDialog->GetTutID() : -1; }

    // Frames until the step's dialog is up with its words.
    static void WaitForLesson(int step, int limit = 600)
    {
        FramesUntil([step] { return Shown() == step; }, limit);
        ASSERT_EQ(Shown(), step) << "the lesson's dialog opens";
        ASSERT_NE(CTutorialDialog::activeDialog->textSprites[0], nullptr) << "and shows its words";
    }

    static void ExpectDone(int step)
    {
        ASSERT_TRUE(CTutorialDialog::IsTutorialComplete(step)) << "step " << step << " completes";
    }

    // A point of the area where hit() holds with the pointer resting there:
    // the one nearest the area's middle, or with middle the one nearest the
    // middle of all hits (for a thing that walks). The pointer stays put.
    std::optional<point> PointWhere(box area, const std::function<bool()>& hit, bool middle = false, int stride = 2)
    {
        const int keepX = input.mouseX, keepY = input.mouseY;
        std::vector<point> hits;
        for (int y = std::max(0, area.y); y < std::min(600, area.y + area.h); y += stride) {
            for (int x = std::max(0, area.x); x < std::min(800, area.x + area.w); x += stride) {
                MouseAt(x, y);
                if (hit()) {
                    hits.push_back({x, y});
                }
            }
        }
        MouseAt(keepX, keepY);
        if (hits.empty()) {
            return std::nullopt;
        }
        point aim{area.x + area.w / 2, area.y + area.h / 2};
        if (middle) {
            long sumX = 0, sumY = 0;
            for (point p : hits) {
                sumX += p.x;
                sumY += p.y;
            }
            aim = {static_cast<int>(sumX / static_cast<long>(hits.size())),
                   static_cast<int>(sumY / static_cast<long>(hits.size()))};
        }
        return *std::min_element(hits.begin(), hits.end(), [aim](point a, point b) {
            return std::hypot(a.x - aim.x, a.y - aim.y) < std::hypot(b.x - aim.x, b.y - aim.y);
        });
    }

    // The island view, outside the dialog and the side panel.
    static bool OverOpenView()
    {
        const int x = CMouseCursor::GetMouseX(), y = CMouseCursor::GetMouseY();
        return x < kViewWidth && y < kViewHeight && !CTutorialDialog::IsMouseOver() &&
               !(CControllerGame::sidebar && CControllerGame::sidebar->IsMouseOver());
    }

    // The world point under the pointer.
    static point WorldMouse()
    {
        const CMap* island = CControllerGame::island;
        return {CMouseCursor::GetMouseX() - island->offsetX, CMouseCursor::GetMouseY() - island->offsetY};
    }

    static point OnScreen(point world)
    {
        const CMap* island = CControllerGame::island;
        return {world.x + island->offsetX, world.y + island->offsetY};
    }

    // A point of the view where the pointer lands on the object itself. An
    // islander's point is the feet; a building's or a heap's picture may lie
    // to any side of it.
    std::optional<point> PointOn(CObject* object)
    {
        const point at = OnScreen({object->GetX(), object->GetY()});
        const box area = object->isPerson ? box{at.x - 50, at.y - 130, 100, 150} : box{at.x - 150, at.y - 150, 300, 300};
        return PointWhere(area, [object] { return PointerOn(object); }, true, object->isPerson ? 2 : 4);
    }

    // The ring the shown lesson draws, in screen pixels.
    box Ring()
    {
        CTutorialCircle* ring = CController::focus == game ? game->stepCircle : CTutorialDialog::tutorialCircle;
        EXPECT_NE(ring, nullptr) << "the lesson of step " << Shown() << " rings something";
        if (!ring || !ring->frameSprites[0]) {
            return {0, 0, 0, 0};
        }
        const CMap* island = CControllerGame::island;
        const int x = ring->GetX() + (ring->onIsland ? island->offsetX : 0);
        const int y = ring->GetY() + (ring->onIsland ? island->offsetY : 0);
        return {x, y, ring->frameSprites[0]->GetW(), ring->frameSprites[0]->GetH()};
    }

    // A live button under the pointer, of the id or, with -1, any but a
    // lesson's own okay.
    static bool ButtonUnderPointer(int id)
    {
        for (CGuiButtonBase* button : CGuiButtonBase::buttons) {
            if (button->IsLive() && (id == -1 ? button->id < kOkayFirst : button->id == id) && button->IsMouseOver()) {
                return true;
            }
        }
        return false;
    }

    // Clicks the button, waiting for it while it slides in.
    void PressButton(box area, int id)
    {
        std::optional<point> at;
        for (int frame = 0; frame < 120 && !(at = PointWhere(area, [id] { return ButtonUnderPointer(id); }));
             frame++) {
            Frame();
        }
        ASSERT_TRUE(at) << "button " << id << " of step " << Shown() << " in " << area.x << ", " << area.y;
        ClickAt(*at);
    }

    // "Click the ... in the ring": the one the words name (id), or with -1
    // the button there nearest the ring's middle.
    void ClickButtonInRing(int id = -1) { PressButton(Ring(), id); }
    void PressOkay() { PressScreenButton(kOkayFirst + Shown()); }

    // Clicks the front screen's button of that id, wherever it stands.
    void PressScreenButton(int id)
    {
        for (int frame = 0; frame < 120; frame++) {
            for (CGuiButtonBase* button : CGuiButtonBase::buttons) {
                if (button->IsLive() && button->id == id) {
                    PressButton({button->x - 20, button->y - 20, 240, 120}, id);
                    return;
                }
            }
            Frame();
        }
        FAIL() << "no button " << id << " on the screen of step " << Shown();
    }

    // A grown-up out on the island, not away inside a building.
    static bool Adult(const CPerson* person)
    {
        return !person->IsKid() && !person->IsBaby() && !person->hidden && !person->hiddenAway && !person->deleteMe;
    }

    // An adult of the band that stands in the view, other than not.
    std::optional<std::pair<CPerson*, point>> AdultInView(CObject* other = nullptr)
    {
        for (CPerson* person : CPerson::people) {
            if (person == other || !Adult(person)) {
                continue;
            }
            if (std::optional<point> grip = PointOn(person)) {
                return std::make_pair(person, *grip);
            }
        }
        return std::nullopt;
    }

    // Drags the island by dx, dy from a spot of bare ground, letting go above
    // the row of map, stock and potion buttons: a release over one of them
    // would press it.
    void DragView(int dx, int dy)
    {
        const int height = std::max(50, kAboveButtonRow - 100 - std::max(dy, 0));
        const std::optional<point> start = PointWhere(
            {100, 100, 400, height}, [] { return OverOpenView() && !CObject::FindObjectAt(-1, -1, false, true); },
            false, 8);
        ASSERT_TRUE(start) << "bare ground to take hold of";
        MoveTo(*start);
        Button(true);
        GlideTo({std::clamp(start->x + dx, 0, kViewWidth - 1), std::clamp(start->y + dy, 0, kAboveButtonRow)});
        Button(false);
    }

    // Drags the view until the world point stands in its middle part.
    void BringIntoView(point world)
    {
        for (int tries = 0; tries < 20; tries++) {
            const point at = OnScreen(world);
            if (at.x > 150 && at.x < 455 && at.y > 200 && at.y < 450) {
                return;
            }
            DragView(std::clamp(302 - at.x, -280, 280), std::clamp(325 - at.y, -280, 280));
        }
        FAIL() << "the view never reached " << world.x << ", " << world.y;
    }

    // An adult of the band in the view that the pointer can rest on, or
    // else the nearest one out of sight, brought into view. One working
    // behind a building's wall cannot be picked: the hand takes another.
    std::pair<CPerson*, point> AnAdult(CObject* other = nullptr)
    {
        if (std::optional<std::pair<CPerson*, point>> seen = AdultInView(other)) {
            return *seen;
        }
        const point middle = WorldOf({302, 300});
        std::vector<CPerson*> adults;
        for (CPerson* person : CPerson::people) {
            if (person != other && Adult(person)) {
                adults.push_back(person);
            }
        }
        std::sort(adults.begin(), adults.end(), [middle](CPerson* a, CPerson* b) {
            return a->GetDistFrom(middle.x, middle.y) < b->GetDistFrom(middle.x, middle.y);
        });
        for (CPerson* person : adults) {
            const point at = OnScreen({person->GetX(), person->GetY()});
            if (at.x >= 0 && at.x < kViewWidth && at.y >= 0 && at.y < kViewHeight) {
                continue;  // in view already, and out of reach
            }
            BringIntoView({person->GetX(), person->GetY()});
            if (std::optional<std::pair<CPerson*, point>> seen = AdultInView(other)) {
                return *seen;
            }
        }
        [] { FAIL() << "no adult of the band can be pointed at, at step " << Shown(); }();
        return {nullptr, {0, 0}};
    }

    static point WorldOf(point screen)
    {
        const CMap* island = CControllerGame::island;
        return {screen.x - island->offsetX, screen.y - island->offsetY};
    }

    // A point of the area on open grass with nothing standing there.
    std::optional<point> OpenGrass(box area)
    {
        CMap* island = CControllerGame::island;
        return PointWhere(area, [island] {
            const point world = WorldMouse();
            return OverOpenView() && island->TileContainsTerrain_coords(world.x, world.y, 16, true) &&
                   !island->TileContainsTerrain_coords(world.x, world.y, 128, true) &&
                   !CObject::FindObjectAt(-1, -1, false, true);
        }, false, 6);
    }

    // "Click on open grass to mark out where it will stand": the building
    // follows the pointer; a spot where it does not fit is refused and the
    // hand tries the next one.
    void MarkOutOnOpenGrass(int step)
    {
        for (int tries = 0; tries < 40 && !CTutorialDialog::IsTutorialComplete(step); tries++) {
            if (const std::optional<point> grass = OpenGrass({40 + (tries % 8) * 60, 130 + (tries / 8) * 75, 40, 40})) {
                GlideTo(*grass);
                Frame();
                ClickAt(*grass);
                if (CController::focus != game) {
                    PressScreenButton(0);  // the notice that says why not
                }
            }
        }
        ExpectDone(step);
    }

    template <class Thing>
    static Thing* NearestTo(const std::vector<Thing*>& things, point world)
    {
        Thing* nearest = nullptr;
        for (Thing* thing : things) {
            if (!nearest || thing->GetDistFrom(world.x, world.y) < nearest->GetDistFrom(world.x, world.y)) {
                nearest = thing;
            }
        }
        return nearest;
    }

    // The view glides after what the game shows (a crate, a lesson's
    // subject); a hand waits for it before it aims. A view that follows a
    // walking islander may not rest at all: the hand then aims as it goes.
    static void WaitForStillView()
    {
        CMap* island = CControllerGame::island;
        FramesUntil([island] { return !island->IsCenteringScreen(); }, 150);
    }

    // Whether the pointer rests on the object: for an islander, whoever the
    // game would lift there.
    static bool PointerOn(CObject* object)
    {
        const point world = WorldMouse();
        return OverOpenView() && CObject::FindObjectAt(-1, -1, false, true) == object &&
               (!object->isPerson || CPerson::FindPickup(world.x, world.y) == object);
    }

    // Clicks the thing on the island. Islanders walk on: the hand that finds
    // it gone from under the pointer aims again.
    void ClickOn(CObject* object)
    {
        for (int attempt = 0; attempt < 12; attempt++) {
            WaitForStillView();
            std::optional<point> grip = PointOn(object);
            if (!grip) {
                BringIntoView({object->GetX(), object->GetY()});
                grip = PointOn(object);
            }
            ASSERT_TRUE(grip) << "the thing can be pointed at, at step " << Shown() << " (at "
                              << OnScreen({object->GetX(), object->GetY()}).x << ", "
                              << OnScreen({object->GetX(), object->GetY()}).y << ")";
            MoveTo(*grip);
            if (PointerOn(object)) {
                Button(true);
                Button(false);
                return;
            }
        }
        FAIL() << "the pointer never rested on the thing";
    }

    // Takes the islander into the hand; false when they can no longer be
    // pointed at (gone into a building or behind one). An islander busy
    // carrying first answers with a notice; the player reads it, closes it
    // and tries again.
    bool TryLift(CPerson* who)
    {
        // Islanders walk about: the hand follows until the press lands on one.
        for (int attempt = 0; attempt < 12 && !who->IsPickedUp(); attempt++) {
            WaitForStillView();
            std::optional<point> grip = PointOn(who);
            if (!grip && !who->hidden && !who->hiddenAway) {
                BringIntoView({who->GetX(), who->GetY()});
                grip = PointOn(who);
            }
            if (!grip) {
                return false;
            }
            MoveTo(*grip);
            if (!PointerOn(who)) {
                continue;
            }
            Button(true);
            MoveTo({grip->x + 2, grip->y});
            Frame();  // the game's own pointer move while lifting a grown-up
            if (!who->IsPickedUp()) {
                MoveTo({grip->x + 12, grip->y});  // a child hangs at the grip: the hand moves on
            }
            if (who->IsPickedUp()) {
                return true;
            }
            Button(false);
            if (CController::focus != game) {
                PressScreenButton(0);
            }
        }
        return who->IsPickedUp();
    }

    void Lift(CPerson* who) { ASSERT_TRUE(TryLift(who)) << "the islander is in the hand, at step " << Shown(); }

    // Any grown-up in the hand, as a player takes the next one at hand.
    CPerson* LiftAnAdult(CObject* other = nullptr)
    {
        for (int tries = 0; tries < 4; tries++) {
            CPerson* who = AnAdult(other).first;
            if (TryLift(who)) {
                return who;
            }
        }
        [] { FAIL() << "no adult could be lifted, at step " << Shown(); }();
        return nullptr;
    }

    // Carries the islander toward a world point far off: the view scrolls
    // while the hand rests at its edge, as it does for a player; then at()
    // names where to let go.
    void Carry(std::pair<CPerson*, point> who, point world, const std::function<std::optional<point>()>& at)
    {
        Carry(who, [world] { return world; }, at);
    }

    // The same toward a place that may move, such as another islander.
    void Carry(std::pair<CPerson*, point> who, const std::function<point()>& place,
               const std::function<std::optional<point>()>& at)
    {
        if (!who.first->IsPickedUp()) {
            Lift(who.first);
        }
        for (int frame = 0; frame < 4000; frame++) {
            const point on = OnScreen(place());
            if (on.x > 200 && on.x < 400 && on.y > 290 && on.y < 420) {
                break;
            }
            const point edge{on.x < 200 ? 4 : on.x > 400 ? 600 : 302, on.y < 290 ? 4 : on.y > 420 ? 596 : 300};
            if (edge.x != input.mouseX || edge.y != input.mouseY) {
                MoveTo(edge);
            } else {
                Frame();
            }
        }
        GlideTo({302, 320});
        // The hand near the view's edge still scrolls it: aim again until
        // the place stays under the hand.
        std::optional<point> target = at();
        for (int tries = 0; tries < 10 && target; tries++) {
            GlideTo(*target);
            Frame();
            const std::optional<point> again = at();
            if (again && again->x == target->x && again->y == target->y) {
                break;
            }
            target = again;
        }
        ASSERT_TRUE(target) << "a place to let go";
        Button(false);
    }

    // Carries an adult onto the object and lets go there.
    void DropAdultOn(CObject* object, CObject* other = nullptr)
    {
        CPerson* who = LiftAnAdult(other);
        DropOn({who, {0, 0}}, object);
    }

    void DropOn(std::pair<CPerson*, point> who, CObject* object)
    {
        Carry(who, [object] { return point{object->GetX(), object->GetY()}; }, [this, object] { return PointOn(object); });
    }

    CControllerGame* game = nullptr;
    StopAtFatalFailure stopper;
};
