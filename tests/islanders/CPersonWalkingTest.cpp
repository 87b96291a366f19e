#include "CControllerGame.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CRipple.h"
#include "IslanderFixture.h"
#include "TerrainTiles.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A playable island of flat land with a lagoon at world 1500..1900 by
// 800..1200.
constexpr int kLagoonLeft = 1500, kLagoonRight = 1900, kLagoonTop = 800, kLagoonBottom = 1200;
constexpr int kLand = 6000, kLagoon = 1700;  // deep enough for ripples

class WalkingTest : public IslanderTest {
protected:
    void SetUp() override
    {
        IslanderTest::SetUp();
        CMap& island = Fill(NewMap(), PLAYABLE_SAMPLES, true, [](int sx, int sy) {
            const int x = sx - PLAYABLE_BORDER, y = sy - PLAYABLE_BORDER;
            const bool lagoon = x >= kLagoonLeft && x < kLagoonRight && y >= kLagoonTop && y < kLagoonBottom;
            return lagoon ? kLagoon : kLand;
        }, PLAYABLE_BORDER);
        CControllerGame::island = &island;
        CPersonMovement::GeneratePathMap();
        for (auto& column : CPersonMovement::pathMap) {
            for (pathnode& node : column) {
                node.cost = 1.0f;
            }
        }
        CPersonMovement::whoIsMoving = nullptr;
        profile.SetValue<bool>(7, true);
    }

    void TearDown() override
    {
        for (wake_particle* p : wakeInstalled) {
            delete p->sprite;
            p->sprite = nullptr;
        }
        CRipple::Unload();
        IslanderTest::TearDown();
        CControllerGame::island = nullptr;
        CPersonMovement::whoIsMoving = nullptr;
    }

    // An adult whose feet stand at the foot point.
    CPerson* AdultAt(int footX, int footY, int id)
    {
        CPerson* person = Islander(30, id % 2, id);
        person->stageAge = 30;  // grown up long ago: no change of looks to end its walk
        person->data.x = static_cast<float>(footX - 13);
        person->data.y = static_cast<float>(footY - 32);
        person->UnHide();
        return person;
    }

    static void SendTo(CPerson* person, int footX, int footY)
    {
        person->ChangeTask(1);
        ASSERT_TRUE(person->SetSubTask(1, footX, footY));
    }

    static float FeetFrom(const CPerson* person, int footX, int footY)
    {
        return GetDist(person->data.x + 13.0f, person->data.y + 32.0f, static_cast<float>(footX),
                       static_cast<float>(footY));
    }

    // One world pass a frame until every islander stands idle; the feet of
    // none may end a frame blocked.
    template <typename Watch>
    bool RunUntilEveryoneIsIdle(Watch watch, int frames = 4000)
    {
        for (int frame = 0; frame < frames; frame++) {
            CObject::MoveObjects(0, 0, 1);
            bool idle = true;
            for (CPerson* person : CPerson::people) {
                EXPECT_FALSE(person->movement->CheckCollisionAt(person->data.x, person->data.y));
                idle = idle && person->GetCurrentTask() == 0 && !person->movement->IsMoving();
            }
            watch();
            if (idle) {
                return true;
            }
        }
        return false;
    }

    bool RunUntilEveryoneIsIdle()
    {
        return RunUntilEveryoneIsIdle([] {});
    }

    // The wake pictures come with the islander's sprites; where there are
    // none, any picture does.
    void InstallWake(CPerson* person)
    {
        for (wake_particle& p : person->largeWake) {
            Install(p, 8);
        }
        for (wake_particle& p : person->smallWake) {
            Install(p, 4);
        }
    }

    void Install(wake_particle& p, int images)
    {
        if (p.sprite) {
            return;
        }
        p.sprite = new CSprite(0, 1);
        for (int i = 0; i < images; i++) {
            p.sprite->LoadImage("selector_adult.png");
        }
        p.sprite->PauseWhenDone();
        p.sprite->Move(-100, -100);
        p.sprite->Hide();
        wakeInstalled.push_back(&p);
    }

    std::vector<wake_particle*> wakeInstalled;
};

}  // namespace

TEST_F(WalkingTest, AManStandsOffHisWorkSpotByTheSideHeWorksFromAndAWomanOnIt)
{
    std::unique_ptr<CPerson> man(Islander(30, 0, 1));
    std::unique_ptr<CPerson> woman(Islander(30, 1, 2));
    ASSERT_TRUE(man->isMale);
    ASSERT_FALSE(woman->isMale);
    for (int side = 0; side < 4; side++) {
        SCOPED_TRACE(testing::Message() << "side " << side);
        int x = 1000, y = 800;
        man->AdjustHackCoordinates(x, y, side);
        EXPECT_EQ(x, side == 1 ? 1005 : 997);
        EXPECT_EQ(y, side == 1 ? 807 : 809);
        x = 1000;
        y = 800;
        woman->AdjustHackCoordinates(x, y, side);
        EXPECT_EQ(x, 1000);
        EXPECT_EQ(y, 800);
    }
}

TEST_F(WalkingTest, AnIslanderSentAcrossTheIslandWalksAroundAWallAndArrives)
{
    CObject::AddObstruction(1000, 600, 80, 800, new FakeObject(), false);
    CPerson* walker = AdultAt(600, 1000, 1);
    SendTo(walker, 2800, 1000);
    int frames = 0;
    bool walked = false;
    ASSERT_TRUE(RunUntilEveryoneIsIdle([&] {
        frames++;
        walked = walked || walker->bodyState == 1;
    }));
    EXPECT_LT(FeetFrom(walker, 2800, 1000), 10.0f);
    EXPECT_TRUE(walked) << "it shows its walk while it walks";
    EXPECT_EQ(walker->bodyState, 0);
    EXPECT_GT(frames, 2200 / 3) << "no warp across";
}

TEST_F(WalkingTest, AnUnreachableTargetEndsTheTaskAtOnceAndTheWalkerStaysPut)
{
    // A closed pen away from the walker.
    FakeObject* pen = new FakeObject();
    CObject::AddObstruction(2400, 2400, 400, 80, pen, false);
    CObject::AddObstruction(2400, 2720, 400, 80, pen, false);
    CObject::AddObstruction(2400, 2480, 80, 240, pen, false);
    CObject::AddObstruction(2720, 2480, 80, 240, pen, false);
    CPerson* walker = AdultAt(600, 1000, 1);
    walker->ChangeTask(1);
    EXPECT_FALSE(walker->SetSubTask(1, 2600, 2600));
    EXPECT_EQ(walker->GetCurrentTask(), 0);
    EXPECT_TRUE(walker->subTaskDone);
    EXPECT_FALSE(walker->movement->IsMoving());
}

// Sending the band to a point tests each islander's walk to that point's own
// stand spot: one just below a pen that holds the spot the foot offset
// would give twice walks there. One call checks each spot once, far under
// the failed checks after which a check answers yes.
TEST_F(WalkingTest, TheBandIsSentToAPointJustOutsideAPenItsFeetCanReach)
{
    FakeObject* pen = new FakeObject();
    CObject::AddObstruction(2460, 2420, 260, 20, pen, false);
    CObject::AddObstruction(2460, 2604, 260, 12, pen, false);
    CObject::AddObstruction(2460, 2440, 20, 164, pen, false);
    CObject::AddObstruction(2700, 2440, 20, 164, pen, false);
    CPerson* walker = AdultAt(2600, 2900, 1);
    CPerson::MoveEveryoneTo(2600, 2600);
    EXPECT_EQ(walker->GetCurrentTask(), 1);
    ASSERT_TRUE(RunUntilEveryoneIsIdle());
    EXPECT_LT(FeetFrom(walker, 2600, 2600), 10.0f);
}

TEST_F(WalkingTest, AnIslanderPennedInBesideAnotherStaysInThePenWhenItsTaskEnds)
{
    // Ending a task asks for room, a failed walk ends the task again: the
    // asking must stop, and no search may run beyond its bound.
    FakeObject* pen = new FakeObject();
    CObject::AddObstruction(1900, 1900, 240, 60, pen, false);
    CObject::AddObstruction(1900, 2080, 240, 60, pen, false);
    CObject::AddObstruction(1900, 1960, 60, 120, pen, false);
    CObject::AddObstruction(2080, 1960, 60, 120, pen, false);
    CPerson* penned = AdultAt(2000, 2030, 1);
    AdultAt(2010, 2030, 2);
    penned->ChangeTask(2);
    penned->EndTask(false);
    int x, y;
    penned->GetDestination(x, y);
    EXPECT_TRUE(x > 1900 && x < 2140 && y > 1900 && y < 2140) << x << ", " << y;
    EXPECT_LE(penned->movement->LastSearchExpansions(), 2000);
    EXPECT_TRUE(penned->GetCurrentTask() == 0 || penned->GetCurrentTask() == 1);
    EXPECT_FALSE(penned->inSpacingRule);
}

TEST_F(WalkingTest, AWalkerSinksInTheLagoonWithItsWakeAndRipplesAndStandsStillWithout)
{
    CPerson* walker = AdultAt(1300, 1000, 1);
    InstallWake(walker);
    SendTo(walker, 1700, 1000);
    size_t mostRipples = 0;
    int deepest = walker->fullBodyHeight;
    bool wakeAtTheWaterline = false;
    ASSERT_TRUE(RunUntilEveryoneIsIdle([&] {
        mostRipples = std::max(mostRipples, CRipple::ripples.size());
        if (walker->depthFactor < 1.0f) {
            deepest = std::min(deepest, walker->shownBodyHeight);
            for (const wake_particle& p : walker->largeWake) {
                const int shown = walker->shownBodyHeight;
                const int waterline = walker->bodyDrawY + (shown < 5 ? 0 : shown - 5);
                wakeAtTheWaterline = wakeAtTheWaterline || (!p.sprite->Hidden() && p.sprite->GetY() == waterline);
            }
        }
    }));
    EXPECT_LT(walker->depthFactor, 0.8f);
    EXPECT_GT(walker->fullBodyHeight, 0);
    EXPECT_LT(deepest, walker->fullBodyHeight / 2) << "sunk well below the waist";
    EXPECT_GT(mostRipples, 0u);
    EXPECT_TRUE(wakeAtTheWaterline);
    EXPECT_EQ(walker->selectionOffsetY, 36 - Round((walker->fullBodyHeight - walker->shownBodyHeight) * 0.9f));

    // Standing in the water makes no new ripples (the pool is never pumped
    // here, so every new one would have to be added to it), while the large
    // waves go on: one that has played out starts again from its first
    // picture.
    const size_t pooled = CRipple::ripples.size();
    for (int frame = 0; frame < 100; frame++) {
        CObject::MoveObjects(0, 0, 1);
    }
    EXPECT_EQ(CRipple::ripples.size(), pooled);
    for (wake_particle& p : walker->largeWake) {
        p.sprite->ResetEnd();
        for (int step = 0; step < 100 && !p.sprite->AtEnd(); step++) {
            p.sprite->Pump();
        }
        ASSERT_TRUE(p.sprite->AtEnd());
    }
    CObject::MoveObjects(0, 0, 1);
    for (const wake_particle& p : walker->largeWake) {
        EXPECT_EQ(p.sprite->GetFrame(), 0u);
        EXPECT_FALSE(p.sprite->Hidden());
    }

    // Lifted out, the wake goes at once.
    walker->pickedUp = true;
    CObject::MoveObjects(0, 0, 1);
    for (const wake_particle& p : walker->largeWake) {
        EXPECT_TRUE(p.sprite->Hidden());
    }
    for (const wake_particle& p : walker->smallWake) {
        EXPECT_TRUE(p.sprite->Hidden());
    }
}

// Put down on land an islander raises its four puffs of dust, once: they
// play out and are not raised again while it stands there. Put down in the
// lagoon it raises none.
TEST_F(WalkingTest, PutDownOnLandAnIslanderRaisesItsDustOnceAndInTheLagoonNone)
{
    struct landing {
        const char* where;
        int footX, footY;
        int puffs;
    };
    const landing landings[] = {{"land", 1000, 1000, 4}, {"lagoon", 1700, 1000, 0}};
    int id = 1;
    for (const landing& l : landings) {
        SCOPED_TRACE(l.where);
        CPerson* person = AdultAt(l.footX, l.footY, id++);
        auto shownPuffs = [person] {
            int shown = 0;
            for (CSprite* puff : person->dustSprites) {
                shown += puff && !puff->Hidden();
            }
            return shown;
        };
        person->pickedUp = true;
        MouseAt(300, 300);
        person->Pump(0, 0, 1);
        EXPECT_EQ(shownPuffs(), 0) << "held";
        person->pickedUp = false;
        person->data.x = static_cast<float>(l.footX - 13);
        person->data.y = static_cast<float>(l.footY - 32);
        person->Pump(0, 0, 1);
        EXPECT_EQ(shownPuffs(), l.puffs);
        int fewest = shownPuffs();
        for (int frame = 0; frame < 60; frame++) {
            CSprite::renderer->Render(false);
            person->Pump(0, 0, 1);
            EXPECT_LE(shownPuffs(), fewest) << "raised again on frame " << frame;
            fewest = std::min(fewest, shownPuffs());
        }
        EXPECT_EQ(fewest, 0) << "played out";
    }
}

TEST_F(WalkingTest, TwoIslandersSentToOnePointEndUpApart)
{
    CPerson* first = AdultAt(600, 900, 1);
    CPerson* second = AdultAt(700, 1150, 2);
    SendTo(first, 1100, 1000);
    SendTo(second, 1100, 1000);
    ASSERT_TRUE(RunUntilEveryoneIsIdle());
    EXPECT_GE(GetDist(first->data.x, first->data.y, second->data.x, second->data.y), 25.0f);
    EXPECT_LT(FeetFrom(first, 1100, 1000), 300.0f);
    EXPECT_LT(FeetFrom(second, 1100, 1000), 300.0f);
}

TEST_F(WalkingTest, AHeldIslanderHangsFromThePointerInsideTheViewAboveEverything)
{
    CPerson* held = AdultAt(600, 1000, 2);
    ASSERT_TRUE(held->isMale);
    held->pickedUp = true;
    CObject::rendering = true;
    struct pointer {
        int x, y;
        float heldX, heldY;
    };
    // An adult man hangs 2 px left and 50 px up of the pointer, less half the
    // body; outside 10..585 by 100..520 he stays as at the edge.
    const float half = static_cast<float>(held->DescribeBody().width / 2);
    const pointer pointers[] = {
        {300, 300, 300 - half - 2, 250}, {5, 600, 10 - half - 2, 470}, {700, 40, 585 - half - 2, 50}};
    for (const pointer& p : pointers) {
        MouseAt(p.x, p.y);
        held->Pump(0, 0, 1);
        EXPECT_FLOAT_EQ(held->data.x, p.heldX) << p.x;
        EXPECT_FLOAT_EQ(held->data.y, p.heldY) << p.y;
    }
    EXPECT_EQ(held->bodyZ, held->personalZGap + 8194000);
    EXPECT_EQ(CObject::selectedObject, held);
    EXPECT_EQ(held->selectionOffsetY, 2000);
}
