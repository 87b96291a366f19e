// A new player follows the tutorial from its first words to the first
// building marked out on the island. At every lesson the player does only
// what the lesson's words ask, with the mouse as a player would: the okay
// button, the thing in the ring, an islander, the crate, a tree, the water.
// A lesson whose words ask for something the game does not answer to stalls
// here, because its step never completes.
#include "CControllerGameFixture.h"

#include "CControllerCrate.h"
#include "CControllerPersonDetail.h"
#include "CCrateBarrel.h"
#include "CGuiButtonBase.h"
#include "CMouseCursor.h"
#include "CPersonMovement.h"
#include "CResources.h"
#include "CSidebar.h"
#include "CSprite.h"
#include "CTree.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kViewWidth = 605, kViewHeight = 600;
// The map, stock and potion buttons stand along the view's bottom edge.
constexpr int kAboveButtonRow = 530;
constexpr int kOkayFirst = 1000;
constexpr unsigned int kRoadSeed = 50;

struct point {
    int x, y;
};

struct box {
    int x, y, w, h;
};

class TutorialRoadTest : public GameScreenTest {
protected:
    void SetUp() override
    {
        GameScreenTest::SetUp();
        CPersonMovement::GeneratePathMap();
        game = &Open(kFixedIslandSeeds[2]);
        ASSERT_NE(CControllerGame::island, nullptr);
        // The island reseeds from the clock once made; the road is the same every run.
        InitRandom(kRoadSeed);
    }

    // ---- the player's hand -------------------------------------------------

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

    // Takes the islander into the hand. An islander busy carrying first
    // answers with a notice; the player reads it, closes it and tries again.
    void Lift(CPerson* who)
    {
        // Islanders walk about: the hand follows until the press lands on one.
        const CMap* island = CControllerGame::island;
        for (int attempt = 0; attempt < 12 && !who->IsPickedUp(); attempt++) {
            std::optional<point> grip = PointOn(who);
            if (!grip) {
                BringIntoView({who->GetX(), who->GetY()});
                grip = PointOn(who);
            }
            ASSERT_TRUE(grip) << "the islander can be pointed at";
            MoveTo(*grip);
            if (CPerson::FindPickup(grip->x - island->offsetX, grip->y - island->offsetY) != who) {
                continue;
            }
            Button(true);
            MoveTo({grip->x + 2, grip->y});
            Frame();  // the game's own pointer move while lifting
            if (who->IsPickedUp()) {
                return;
            }
            Button(false);
            if (CController::focus != game) {
                PressScreenButton(0);
            }
        }
        ASSERT_TRUE(who->IsPickedUp()) << "the islander is in the hand";
    }

    // ---- what the player sees ----------------------------------------------

    static int Shown() { return CTutorialDialog::activeDialog ? CTutorialDialog::activeDialog->GetTutID() : -1; }

    // Frames until the step's dialog is up, its first text shown.
    void WaitForLesson(int step, int limit = 600)
    {
        for (int frame = 0; frame < limit && Shown() != step; frame++) {
            Frame();
        }
        ASSERT_EQ(Shown(), step) << "the lesson's dialog opens";
        ASSERT_NE(CTutorialDialog::activeDialog->textSprites[0], nullptr) << "and shows its words";
    }

    static void ExpectDone(int step)
    {
        EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(step)) << "step " << step << " completes";
    }

    // A point of the area where hit() holds with the pointer resting there:
    // the one nearest the area's middle, or with middle the one nearest the
    // middle of all hits (for a thing that walks). The pointer stays put.
    std::optional<point> PointWhere(box area, const std::function<bool()>& hit, bool middle = false)
    {
        const int keepX = input.mouseX, keepY = input.mouseY;
        std::vector<point> hits;
        for (int y = std::max(0, area.y); y < std::min(600, area.y + area.h); y += 2) {
            for (int x = std::max(0, area.x); x < std::min(800, area.x + area.w); x += 2) {
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

    // A point of the view where the pointer lands on the object itself.
    std::optional<point> PointOn(CObject* object)
    {
        const CMap* island = CControllerGame::island;
        const int sx = object->GetX() + island->offsetX, sy = object->GetY() + island->offsetY;
        return PointWhere({sx - 50, sy - 130, 100, 150}, [object, island] {
            // An islander is lifted by whoever the game finds first there.
            const int wx = CMouseCursor::GetMouseX() - island->offsetX, wy = CMouseCursor::GetMouseY() - island->offsetY;
            return OverOpenView() && CObject::FindObjectAt(-1, -1, false, true) == object &&
                   (!object->isPerson || CPerson::FindPickup(wx, wy) == object);
        }, true);
    }

    // The ring the shown lesson draws, in screen pixels.
    box Ring()
    {
        CTutorialCircle* ring = CController::focus == game ? game->stepCircle : CTutorialDialog::tutorialCircle;
        EXPECT_NE(ring, nullptr) << "the lesson rings something";
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
        for (int frame = 0; frame < 120 && !(at = PointWhere(area, [id] { return ButtonUnderPointer(id); })); frame++) {
            Frame();
        }
        ASSERT_TRUE(at) << "button " << id << " of step " << Shown() << " in " << area.x << ", " << area.y;
        ClickAt(*at);
    }

    // "Click the ... in the ring".
    void ClickButtonInRing() { PressButton(Ring(), -1); }
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

    // An adult of the band that stands in the view, other than not.
    std::optional<std::pair<CPerson*, point>> AdultInView(CObject* other = nullptr)
    {
        for (CPerson* person : CPerson::people) {
            if (person == other || person->IsKid() || person->IsBaby()) {
                continue;
            }
            if (std::optional<point> at = PointOn(person)) {
                return std::make_pair(person, *at);
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
            {100, 100, 400, height}, [] { return OverOpenView() && !CObject::FindObjectAt(-1, -1, false, true); });
        ASSERT_TRUE(start) << "bare ground to take hold of";
        MoveTo(*start);
        Button(true);
        GlideTo({std::clamp(start->x + dx, 0, kViewWidth - 1), std::clamp(start->y + dy, 0, kAboveButtonRow)});
        Button(false);
    }

    // Drags the view until the world point stands in its middle part.
    void BringIntoView(point world)
    {
        const CMap* island = CControllerGame::island;
        for (int tries = 0; tries < 20; tries++) {
            const int sx = world.x + island->offsetX, sy = world.y + island->offsetY;
            if (sx > 150 && sx < 455 && sy > 200 && sy < 450) {
                return;
            }
            DragView(std::clamp(302 - sx, -280, 280), std::clamp(325 - sy, -280, 280));
        }
        FAIL() << "the view never reached " << world.x << ", " << world.y;
    }

    // The adult of the band nearest the middle of the view, brought into it.
    std::pair<CPerson*, point> AnAdult(CObject* other = nullptr)
    {
        if (std::optional<std::pair<CPerson*, point>> seen = AdultInView(other)) {
            return *seen;
        }
        const CMap* island = CControllerGame::island;
        CPerson* nearest = nullptr;
        for (CPerson* person : CPerson::people) {
            if (person != other && !person->IsKid() && !person->IsBaby() &&
                (!nearest || person->GetDistFrom(302 - island->offsetX, 300 - island->offsetY) <
                                 nearest->GetDistFrom(302 - island->offsetX, 300 - island->offsetY))) {
                nearest = person;
            }
        }
        EXPECT_NE(nearest, nullptr) << "the band has an adult";
        if (!nearest) {
            return {nullptr, {0, 0}};
        }
        BringIntoView({nearest->GetX(), nearest->GetY()});
        std::optional<point> at = PointOn(nearest);
        EXPECT_TRUE(at) << "the islander can be pointed at";
        return {nearest, at.value_or(point{0, 0})};
    }

    // Carries the islander toward a world point far off: the view scrolls
    // while the hand rests at its edge, as it does for a player; then
    // at() names where to let go.
    void Carry(std::pair<CPerson*, point> who, point world, const std::function<std::optional<point>()>& at)
    {
        const CMap* island = CControllerGame::island;
        Lift(who.first);
        if (!who.first->IsPickedUp()) {
            return;
        }
        for (int frame = 0; frame < 4000; frame++) {
            const int sx = world.x + island->offsetX, sy = world.y + island->offsetY;
            if (sx > 200 && sx < 400 && sy > 290 && sy < 420) {
                break;
            }
            const point edge{sx < 200 ? 4 : sx > 400 ? 600 : 302, sy < 290 ? 4 : sy > 420 ? 596 : 300};
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

    CControllerGame* game = nullptr;
};

TEST_F(TutorialRoadTest, ANewPlayerWhoDoesWhatTheLessonsSayMarksOutTheFirstHut)
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
    const int startX = island->offsetX, startY = island->offsetY;
    DragView(-300, -250);
    DragView(-100, 0);
    Frame();
    ExpectDone(1);
    EXPECT_GT(std::hypot(island->offsetX - startX, island->offsetY - startY), 200.0);

    // "Now click on an islander to choose them." The band may be out of
    // sight after the drag: the player drags back to it.
    WaitForLesson(2);
    ClickAt(AnAdult(CObject::selectedObject).second);
    ExpectDone(2);

    // "Press Okay to go on."
    WaitForLesson(3);
    PressOkay();
    ExpectDone(3);

    // "Pick one up with the mouse, move them and drop them somewhere else."
    WaitForLesson(4);
    const std::pair<CPerson*, point> carried = AnAdult();
    Carry(carried, {carried.first->GetX(), carried.first->GetY()}, [&] {
        return PointWhere({carried.second.x - 80, carried.second.y - 80, 160, 160}, [&] {
            const int x = CMouseCursor::GetMouseX(), y = CMouseCursor::GetMouseY();
            return OverOpenView() && island->IsNotOnWater(x - island->offsetX, y - island->offsetY) &&
                   std::hypot(x - carried.second.x, y - carried.second.y) > 50;
        });
    });
    Frame();
    ExpectDone(4);

    // "Click on another islander to meet them."
    WaitForLesson(5);
    ClickAt(AnAdult(CObject::selectedObject).second);
    Frame();
    ExpectDone(5);

    // The thought bubble, then the rain: "press Okay".
    for (int step : {6, 7}) {
        WaitForLesson(step);
        PressOkay();
        ExpectDone(step);
    }

    // "Something has washed up on the beach!... Press Okay." The view goes
    // to the crate and the ring goes round it.
    WaitForLesson(8, 400);
    CCrateBarrel* crate = CCrateBarrel::currentContainer;
    ASSERT_NE(crate, nullptr) << "the first crate lies on the beach";
    for (int frame = 0; frame < 300 && island->IsCenteringScreen(); frame++) {
        Frame();
    }
    PressOkay();

    // "To open it, drop an islander onto the crate."
    WaitForLesson(9);
    Carry(AnAdult(), {crate->GetX(), crate->GetY()}, [&] { return PointOn(crate); });
    ExpectDone(9);

    // The crate asks whether to open it; the player says yes, and then
    // reads what was inside.
    for (int answers = 0; answers < 2; answers++) {
        for (int frame = 0; frame < 3000 && CController::focus == game; frame++) {
            Frame();
        }
        ASSERT_NE(CControllerGame::crateGUI, nullptr) << "the crate speaks";
        PressScreenButton(0);
        if (Shown() == 10) {
            break;
        }
    }

    // "Splendid!... Press Okay to go on."
    WaitForLesson(10, 3000);
    PressOkay();

    // "Drop an islander on dark, deep water to fish. Fish live far from the
    // shore, not in the pale shallows."
    WaitForLesson(11, 400);
    // Deep all round, so that wherever the islander's feet come down.
    auto deepAt = [island](int wx, int wy) {
        for (int dy = -60; dy <= 60; dy += 20) {
            for (int dx = -60; dx <= 60; dx += 20) {
                if (island->GetDepth(wx + dx, wy + dy, 50) >= 0.45f) {
                    return false;
                }
            }
        }
        return true;
    };
    const std::pair<CPerson*, point> fisher = AnAdult();
    point sea{-1, -1};
    for (int radius = 40; radius < 2500 && sea.x == -1; radius += 40) {
        for (int angle = 0; angle < 360 && sea.x == -1; angle += 5) {
            const int wx = fisher.first->GetX() + static_cast<int>(radius * std::cos(angle * 0.0174533));
            const int wy = fisher.first->GetY() + static_cast<int>(radius * std::sin(angle * 0.0174533));
            if (deepAt(wx, wy)) {
                sea = {wx, wy};
            }
        }
    }
    ASSERT_NE(sea.x, -1) << "deep water somewhere";
    Carry(fisher, sea, [&] {
        return PointWhere({0, 0, kViewWidth, kViewHeight}, [&] {
            return OverOpenView() && deepAt(CMouseCursor::GetMouseX() - island->offsetX,
                                            CMouseCursor::GetMouseY() - island->offsetY);
        });
    });
    ExpectDone(11);

    // "The catch goes onto the food pile, here in the ring... Press Okay."
    WaitForLesson(12);
    PressOkay();

    // "Click their picture in the ring to bring them into view."
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
    CObject* before = CObject::selectedObject;
    ClickButtonInRing();
    ExpectDone(14);
    EXPECT_NE(CObject::selectedObject, before) << "the next islander is chosen";

    // "Good. Anything you click on is shown in the panel. Press Okay."
    WaitForLesson(15);
    PressOkay();

    // "Drop an islander onto a tree to chop it."
    WaitForLesson(16);
    for (int frame = 0; frame < 300 && island->IsCenteringScreen(); frame++) {
        Frame();
    }
    const std::pair<CPerson*, point> chopper = AnAdult();
    CTree* tree = nullptr;
    for (CTree* candidate : island->trees) {
        if (!tree || candidate->GetDistFrom(chopper.first->GetX(), chopper.first->GetY()) <
                         tree->GetDistFrom(chopper.first->GetX(), chopper.first->GetY())) {
            tree = candidate;
        }
    }
    ASSERT_NE(tree, nullptr) << "the island has trees";
    Carry(chopper, {tree->GetX(), tree->GetY()}, [&] { return PointOn(tree); });
    ExpectDone(16);

    // "Wait until the first wood comes in."
    WaitForLesson(17);
    for (int frame = 0; frame < 20000 && !CTutorialDialog::IsTutorialComplete(17); frame++) {
        Frame();
    }
    ExpectDone(17);
    EXPECT_GE(stock->GetWood(), 1);

    // "You have wood now!... Press Okay to learn how."
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

    // "Click the Build button in the ring to build one."
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
    for (int tries = 0; tries < 40 && !CTutorialDialog::IsTutorialComplete(26); tries++) {
        const std::optional<point> grass = PointWhere({40 + (tries % 8) * 60, 120 + (tries / 8) * 80, 40, 40}, [&] {
            const int wx = CMouseCursor::GetMouseX() - island->offsetX, wy = CMouseCursor::GetMouseY() - island->offsetY;
            return OverOpenView() && island->TileContainsTerrain_coords(wx, wy, 16, false) &&
                   !CObject::FindObjectAt(-1, -1, false, true);
        });
        if (grass) {
            GlideTo(*grass);
            Frame();
            ClickAt(*grass);
        }
    }
    ExpectDone(26);

    // The hut is marked out, and the next lesson asks for its builders.
    WaitForLesson(27, 400);
}

// The tree lessons, played as their words say: the chosen tree's button is
// the next lesson's subject, so that lesson must stay up until it is used.
TEST_F(TutorialRoadTest, TheTreeLessonStaysUpUntilTheTreeInTheSidePanelIsMarked)
{
    for (int step = 0; step <= 60; step++) {
        CTutorialDialog::CompleteTutorial(step);
    }

    // "Click on a tree to see how much wood it holds."
    WaitForLesson(61, 400);
    CTree* tree = nullptr;
    for (CObject* object : CObject::objects) {
        if (object->isTree && !tree) {
            tree = static_cast<CTree*>(object);
        }
    }
    ASSERT_NE(tree, nullptr);
    BringIntoView({tree->GetX(), tree->GetY()});
    const std::optional<point> onTree = PointOn(tree);
    ASSERT_TRUE(onTree) << "the tree can be pointed at";
    ClickAt(*onTree);
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
