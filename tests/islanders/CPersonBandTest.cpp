#include "IslanderFixture.h"
#include "IslandSeeds.h"

#include <cstdlib>
#include <set>

namespace {

class BandTest : public IslanderTest {};

}  // namespace

TEST_F(BandTest, ANewGameStartsWithTheBandOfSevenAroundTheStartPoint)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[5]);
    const int sx = island.GetStartX(), sy = island.GetStartY();
    for (unsigned int seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        SCOPED_TRACE(seed);
        InitRandom(seed);
        CPerson::gameData.lastId = 10;
        Islander(40, 0, 99);  // an old band is replaced
        CPerson::StartWithNewPeople();
        ASSERT_EQ(CPerson::people.size(), 7u);
        EXPECT_EQ(Ids(), (std::vector<int>{11, 12, 13, 14, 15, 16, 17})) << "ids go on from the last one";
        EXPECT_EQ(CPerson::taskQueue.size(), 13u);

        struct expected {
            int gender, leastYears, mostYears, dx, dy;
        };
        const expected grownUps[] = {{1, 34, 36, 0, 0},     {0, 24, 25, -75, 100}, {1, 22, 23, 75, -100},
                                     {0, 20, 21, -150, 10}, {1, 18, 19, -10, -150}};
        for (int i = 0; i < 5; i++) {
            const CPerson& p = *CPerson::people[i];
            EXPECT_EQ(p.GetGender(), grownUps[i].gender) << i;
            EXPECT_GE(p.GetAge(), grownUps[i].leastYears) << i;
            EXPECT_LE(p.GetAge(), grownUps[i].mostYears) << i;
            EXPECT_LE(std::abs(p.data.x - (sx + grownUps[i].dx)), i == 0 ? 0 : 50) << i;
            EXPECT_LE(std::abs(p.data.y - (sy + grownUps[i].dy)), i == 0 ? 0 : 50) << i;
        }
        const CPerson& older = *CPerson::people[5];
        const CPerson& younger = *CPerson::people[6];
        EXPECT_NE(older.GetGender(), younger.GetGender()) << "a boy and a girl";
        EXPECT_TRUE(older.GetAge() >= 8 && older.GetAge() <= 10);
        EXPECT_TRUE(younger.GetAge() >= 4 && younger.GetAge() <= 5);
        EXPECT_LE(std::abs(older.data.x - (sx + 150)), 50);
        EXPECT_LE(std::abs(younger.data.y - (sy + 150)), 50);

        // The hair styles follow from the two draws a and b.
        auto style = [](const CPerson* p) { return p->data.youngHairStyle; };
        const int a = style(CPerson::people[0]) == 2 ? 0 : style(CPerson::people[4]) == 4 ? 2 : 1;
        EXPECT_EQ(style(CPerson::people[0]), a != 0 ? 0 : 2);
        EXPECT_EQ(style(CPerson::people[1]), 0);
        EXPECT_EQ(style(CPerson::people[2]), a != 0 ? 2 : 4);
        EXPECT_EQ(style(CPerson::people[3]), 4);
        const CPerson* girl = older.GetGender() == 1 ? &older : &younger;
        const CPerson* boy = girl == &older ? &younger : &older;
        EXPECT_EQ(style(girl), (std::vector<int>{1, 4, 5})[a]);
        EXPECT_TRUE(style(boy) == 3 || style(boy) == 5 || style(boy) == 6);

        std::set<int> names, voices[2], colours;
        for (size_t i = 0; i < CPerson::people.size(); i++) {
            const CPerson* p = CPerson::people[i];
            EXPECT_EQ(p->data.matureHairStyle, p->data.youngHairStyle);
            EXPECT_TRUE(names.insert(p->data.nameId).second) << "names differ";
            EXPECT_TRUE(voices[p->GetGender()].insert(p->data.voice).second) << "voices differ within a sex";
            EXPECT_TRUE(p->data.voice >= 0 && p->data.voice <= 5);
            EXPECT_TRUE(colours.insert(p->GetHairColour()).second) << "hair colours differ";
            EXPECT_TRUE(i == 0 || p->GetHairColour() != 6) << "only the first may have hair colour 6";
        }
    }
}

TEST_F(BandTest, CountsOnlyTheLivingAndCallsSeniorsNeitherAdultsNorYoung)
{
    CPerson* senior = Islander(70, 0, 1);
    Islander(30, 1, 2);
    Islander(10, 1, 3);
    CPerson* leaving = Islander(20, 0, 4);
    CPerson* dying = Islander(40, 0, 5);
    leaving->deleteMe = true;
    dying->dying = true;
    EXPECT_EQ(CPerson::NumPeople(), 3);
    EXPECT_EQ(CPerson::NumAdults(), 2) << "the senior counts";
    EXPECT_FALSE(senior->IsAdult());
    EXPECT_TRUE(senior->IsSenior());
    EXPECT_EQ(CPerson::people.size(), 5u) << "the flagged stay listed until deleted";
}

TEST_F(BandTest, ANewcomerEvensOutTheYoungOnesSexes)
{
    for (int id = 1; id <= 3; id++) {
        Islander(20, 0, id);
    }
    Islander(20, 1, 4);
    Islander(20, 1, 5);
    Islander(40, 1, 6);  // past 25: not counted
    Islander(40, 1, 7);
    for (int i = 0; i < 5; i++) {
        CPerson* newcomer = CPerson::NewPerson(-1, -1, nullptr, false, false, 0);
        EXPECT_EQ(newcomer->GetGender(), 1);
        EXPECT_GE(newcomer->GetAge(), 18);
        EXPECT_LE(newcomer->GetAge(), 21);
        delete newcomer;
    }
}

TEST_F(BandTest, ANewIslanderFindsANameEvenWhenAllOfItsSexAreTaken)
{
    for (int i = 0; i < 100; i++) {
        person_data record = IslanderRecord(500, 500, 30 * 172800, 0);
        record.id = i + 1;
        record.nameId = 7000 + i;
        new CPerson(record);
    }
    CPerson* hundredAndFirst = CPerson::NewPerson(600, 600, nullptr, true, true, 30);
    EXPECT_GE(hundredAndFirst->data.nameId, 7000);
    EXPECT_LE(hundredAndFirst->data.nameId, 7099);
}

TEST_F(BandTest, DeletingAnIslanderLeavesNoOneHoldingIt)
{
    CPerson* mother = Islander(30, 1, 1);
    CPerson* father = Islander(30, 0, 2);
    CPerson* child = Islander(2, 0, 3);
    father->partner = mother;
    mother->partner = father;
    child->pairingCandidate = mother;
    child->motherCache = mother;
    CPerson::didRollover = mother;
    delete mother;
    EXPECT_EQ(father->partner, nullptr);
    EXPECT_EQ(child->pairingCandidate, nullptr);
    EXPECT_EQ(child->motherCache, nullptr);
    EXPECT_EQ(CPerson::didRollover, nullptr);
    EXPECT_EQ(Ids(), (std::vector<int>{2, 3}));
}

TEST_F(BandTest, TheSharedSoundsLiveFromTheFirstIslanderToTheLast)
{
    CPerson* first = Islander(30, 0, 1);
    CSound* grab = CPerson::sndGrab;
    ASSERT_NE(grab, nullptr);
    Islander(30, 1, 2);
    EXPECT_EQ(CPerson::sndGrab, grab);
    delete first;
    EXPECT_EQ(CPerson::sndGrab, grab);
    delete CPerson::people.back();
    EXPECT_EQ(CPerson::sndGrab, nullptr);
    Islander(30, 1, 3);
    EXPECT_NE(CPerson::sndGrab, nullptr);
}

TEST_F(BandTest, MovingToANewIslandScattersTheBandAroundItsStart)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[5]);
    for (int id = 1; id <= 4; id++) {
        Islander(30, id % 2, id);
    }
    CPerson::ResetForNewIsland();
    for (CPerson* p : CPerson::people) {
        EXPECT_LE(std::abs(p->data.x - island.GetStartX()), 400);
        EXPECT_LE(std::abs(p->data.y - island.GetStartY()), 400);
        EXPECT_EQ(p->GetX(), static_cast<int>(p->data.x));
    }
}
