#include "BuildingClasses.h"
#include "BuildingsFixture.h"
#include "CHut.h"
#include "CSound.h"
#include "NullSound.h"
#include "Utilities.h"
#include "tests/islanders/IslanderRecords.h"

#include <array>
#include <vector>

namespace {

constexpr int kHut = 1, kYear = 172800;

class HutTest : public BuildingsTest {
protected:
    void SetUp() override
    {
        BuildingsTest::SetUp();
        CObject::rendering = true;
    }

    void TearDown() override
    {
        // The game always renders: the next test must find it so.
        CObject::rendering = true;
        BuildingsTest::TearDown();
    }

    static CHut* Place(int variant, int x, int y, bool finished)
    {
        CHut* hut = static_cast<CHut*>(ClassOfType(kHut).place(x, y, variant));
        if (finished) {
            hut->FinishNow();
        }
        Frame();
        return hut;
    }

    static CPerson* Islander(int x, int y) { return new CPerson(IslanderRecord(x, y, 30 * kYear)); }

    static void Asleep(CPerson* person)
    {
        person->currentTask = 8;
        person->currentSubTask = 9;
    }

    // A screen point on the hut's own picture.
    static bool PointOn(CHut* hut, int& x, int& y)
    {
        CSprite* sprite = hut->hutSprite;
        for (y = sprite->GetY(); y < sprite->GetY() + sprite->GetH(); y += 3) {
            for (x = sprite->GetX(); x < sprite->GetX() + sprite->GetW(); x += 3) {
                if (hut->Overlaps(x, y)) {
                    return true;
                }
            }
        }
        return false;
    }
};

// The interface sounds on the null output, to hear the door.
class HutSoundTest : public HutTest {
protected:
    void SetUp() override
    {
        StartNullSound(folder);
        HutTest::SetUp();
    }

    void TearDown() override
    {
        HutTest::TearDown();
        CSound::ShutDown();
    }
};

}  // namespace

TEST_F(HutTest, AHutIsReservedByOneSleeperUntilAnotherTakesItByForce)
{
    CHut* hut = Place(0, 900, 900, true);
    CPerson* first = Islander(700, 700);
    CPerson* second = Islander(720, 700);
    int x = 0, y = 0;
    EXPECT_EQ(CHut::FindAvailableHut(first, x, y, false, false, true), hut);
    EXPECT_EQ(hut->occupant, first);
    EXPECT_EQ(x, Round(hut->x) + 35) << "a small hut's door";
    EXPECT_EQ(y, Round(hut->y) + 195);

    EXPECT_EQ(CHut::FindAvailableHut(second, x, y, false, false, true), nullptr);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(CHut::FindAvailableHut(second, x, y, false, true, true), hut);
    EXPECT_TRUE(first->finishSoon) << "the sleeper is sent out";
    EXPECT_EQ(hut->occupant, second);

    // Forcing the hut it holds itself, the asker is not told to leave:
    // that would end the very task that asks.
    second->finishSoon = false;
    EXPECT_EQ(CHut::FindAvailableHut(second, x, y, false, true, true), hut);
    EXPECT_FALSE(second->finishSoon);
    EXPECT_EQ(hut->occupant, second);

    second->EndTask(false);
    EXPECT_EQ(hut->occupant, nullptr) << "ending the task gives the hut up";
    EXPECT_EQ(CHut::FindAvailableHut(first, x, y, false, false, true), hut);
    first->Die(false);
    EXPECT_EQ(hut->occupant, nullptr) << "so does dying";
}

TEST_F(HutTest, UnderTheMouseAHutIsFoundWhateverItsStateButAnUnfinishedOneNeverOtherwise)
{
    CHut* site = Place(1, 900, 900, false);
    CPerson* person = Islander(700, 700);
    int x = 0, y = 0;
    EXPECT_EQ(CHut::FindAvailableHut(person, x, y, false, true, false), nullptr) << "nobody sleeps on a site";
    EXPECT_EQ(CHut::FindUnfinishedHut(), site);
    EXPECT_EQ(CHut::FindFinishedHut(), nullptr);

    ASSERT_TRUE(PointOn(site, x, y));
    MouseAt(x, y);
    EXPECT_EQ(CHut::FindAvailableHut(person, x, y, true, false, false), site);
    MouseAt(5, 5);
    EXPECT_EQ(CHut::FindAvailableHut(person, x, y, true, false, false), nullptr);
}

TEST_F(HutTest, DroppingAnIslanderOnAnOccupiedHutWakesTheSleeperAndSendsTheNewOneToBed)
{
    CHut* site = Place(0, 500, 900, false);
    EXPECT_EQ(site->DroppedOn(), 5) << "a site is built";
    CHut* hut = Place(13, 1200, 900, true);
    CPerson* sleeper = Islander(700, 700);
    hut->occupant = sleeper;
    EXPECT_EQ(hut->DroppedOn(), 8);
    EXPECT_TRUE(sleeper->finishSoon);
    EXPECT_EQ(hut->occupant, nullptr);
}

TEST_F(HutTest, AHutComingDownSendsItsOccupantOutEveryFrame)
{
    CHut* hut = Place(1, 900, 900, true);
    CPerson* sleeper = Islander(700, 700);
    hut->occupant = sleeper;
    Frame();
    EXPECT_FALSE(sleeper->finishSoon) << "a finished hut lets its sleeper be";
    CPerson* other = Islander(720, 700);
    int x = 0, y = 0;
    EXPECT_EQ(CHut::FindAvailableHut(other, x, y, false, true, false), hut);
    EXPECT_EQ(x, Round(hut->x) + 195) << "a large hut's door";
    EXPECT_EQ(y, Round(hut->y) + 185);
    hut->SetBuildingDemolitionState(true);
    hut->GiveResponse(true);
    EXPECT_EQ(CHut::FindAvailableHut(other, x, y, false, true, false), nullptr) << "no bed in a hut coming down";
    EXPECT_EQ(CHut::FindFinishedHut(), nullptr);
    EXPECT_EQ(CHut::FindUnfinishedHut(), nullptr) << "nor is it a site to build";
    for (int frame = 0; frame < 3; frame++) {
        sleeper->finishSoon = false;
        Frame();
        EXPECT_TRUE(sleeper->finishSoon) << frame;
    }
    hut->Build(1000);
    hut->AddResource(-10, 0);
    hut->AddResource(-10, 1);
    ASSERT_TRUE(hut->IsComplete()) << "taken down to the ground counts as done";
    EXPECT_EQ(CHut::FindAvailableHut(other, x, y, false, true, false), nullptr) << "and is still no bed";
    EXPECT_EQ(CHut::FindFinishedHut(), nullptr);
}

TEST_F(HutSoundTest, TheDoorShutsOnASleeperAndOpensOnceWhenTheSleeperLeaves)
{
    CHut* hut = Place(0, 900, 900, true);
    CPerson* sleeper = Islander(700, 700);
    EXPECT_EQ(hut->GetAnimationFrame(), 4);
    hut->occupant = sleeper;
    Asleep(sleeper);
    Frame();
    EXPECT_EQ(hut->hutSprite->GetFrame(), 5u);
    EXPECT_TRUE(hut->sndDoorClose->IsPlaying());
    EXPECT_FALSE(hut->sndDoorOpen->IsPlaying());

    sleeper->currentSubTask = 1;
    Frame();
    EXPECT_EQ(hut->hutSprite->GetFrame(), 4u);
    EXPECT_TRUE(hut->sndDoorOpen->IsPlaying());
    hut->sndDoorOpen->Stop();
    for (int frame = 0; frame < 5; frame++) {
        Frame();
    }
    EXPECT_FALSE(hut->sndDoorOpen->IsPlaying()) << "once, not every frame";
}

// A sleeper snores with one of two snores, tossed for only when neither
// plays: a frame while one plays takes nothing from the island's numbers.
TEST_F(HutSoundTest, ASleeperTossesForASnoreOnlyWhenNoneIsPlaying)
{
    Place(0, 900, 900, true);
    CPerson* sleeper = Islander(700, 700);
    Asleep(sleeper);
    InitRandom(77);
    sleeper->PumpSubTask();
    const bool first = sleeper->sndSnore[0]->IsPlaying();
    EXPECT_NE(first, sleeper->sndSnore[1]->IsPlaying()) << "one snore plays";
    for (int frame = 0; frame < 5; frame++) {
        sleeper->PumpSubTask();
    }
    const int next = GetRandom();
    InitRandom(77);
    EXPECT_EQ(RangedRandom(0, 1) == 0, first) << "the toss chose it";
    EXPECT_EQ(GetRandom(), next) << "no toss while it plays";
}

TEST_F(HutTest, ARoofedHutWearsItsRoofAndATakenDownHutIsHitNowhere)
{
    CHut* plain = Place(0, 400, 1400, true);
    CHut* roofed = Place(19, 720, 1400, true);
    EXPECT_EQ(plain->roof, nullptr);
    ASSERT_NE(roofed->roof, nullptr);
    EXPECT_FALSE(roofed->roof->Hidden()) << "over the finished hut";
    EXPECT_TRUE(roofed->large);

    int px = 0, py = 0;
    ASSERT_TRUE(PointOn(roofed, px, py));
    roofed->SetBuildingDemolitionState(true);
    roofed->GiveResponse(true);
    roofed->Build(100000);
    roofed->AddResource(-1000, 0);
    roofed->AddResource(-1000, 1);
    ASSERT_TRUE(roofed->IsDemolished());
    Frame();
    int z = 0;
    EXPECT_FALSE(roofed->IsAtCoords(z, px - kOffsetX, py - kOffsetY));
    EXPECT_TRUE(roofed->hutSprite->Hidden());
}

// Three boxes: the same on either size's site, then each size's own once
// finished, all from the picture's corner and width.
TEST_F(HutTest, EachSizeKeepsItsThreeBoxesOnTheSiteAndFinished)
{
    for (int variant : {0, 1}) {
        SCOPED_TRACE(variant);
        CHut* hut = Place(variant, 1500 + 600 * variant, 1500, false);
        const int bx = static_cast<int>(hut->x) + 30, w = hut->hutSprite->GetW();
        const int t = (w - 50) / 3, third = (2 * w - 100) / 3;
        const int r1 = static_cast<int>(hut->y) + 155, r2 = static_cast<int>(hut->y) + 125;
        const int r3 = static_cast<int>(hut->y) + 140;
        auto boxes = [hut] {
            std::vector<std::array<int, 4>> owned;
            for (const obstruction_type& o : CObject::obstructions) {
                if (o.owner == hut) {
                    EXPECT_FALSE(o.flag);
                    owned.push_back({o.x, o.y, o.w, o.h});
                }
            }
            return owned;
        };
        const std::vector<std::array<int, 4>> site = {
            {bx - 20, r1, t + 20, 40}, {bx + t, r2, t, 80}, {bx + third, r3, t + 10, 50}};
        EXPECT_EQ(boxes(), site);
        hut->FinishNow();
        Frame();
        const std::vector<std::array<int, 4>> small = {
            {bx - 20, r1, t + 10, 40}, {bx + t - 10, r2, t + 10, 100}, {bx + third, r3, t + 10, 75}};
        const std::vector<std::array<int, 4>> large = {
            {bx - 20, r1, t + 20, 55}, {bx + t, r2, t + 30, 100}, {bx + third + 30, r3, t - 20, 50}};
        EXPECT_EQ(boxes(), variant ? large : small);
    }
}
