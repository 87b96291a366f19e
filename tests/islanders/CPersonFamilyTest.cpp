// Births without frames: the child of time away and the couples still in a
// hut when the game screen closes. Neither asks the pairing rules again.
#include "IslanderLifeFixture.h"

#include "CProfile.h"

namespace {

class FamilyTest : public IslanderLifeTest {};

TEST_F(FamilyTest, TimeAwayTakesTheLatestFertileWomanBeforeTheFirstManAndIgnoresTheBandLimit)
{
    Grown(20, 1, 1);
    CPerson* b = Grown(44, 1, 2);
    CPerson* c = Grown(50, 0, 3);
    Grown(30, 0, 4);
    int id = 10;
    while (CPerson::NumPeople() < 50) {
        Grown(70, 0, id++);
    }
    CPerson::MakeSomeBaby(false);
    ASSERT_EQ(CPerson::NumPeople(), 51);
    CPerson* child = CPerson::people.back();
    EXPECT_FALSE(child->isMale);
    EXPECT_EQ(child->data.motherId, b->GetID());
    EXPECT_EQ(child->data.fatherId, c->GetID());
    EXPECT_TRUE(child->data.hasSister);
    EXPECT_EQ(CProfile::current->GetValue<int>(51), 51);

    // Nobody fertile: a woman of 46 and a man of 51.
    b->data.age = 46 * kYear;
    c->data.age = 51 * kYear;
    for (CPerson* p : CPerson::people) {
        if (p != b && p != c && p->GetAge() < 60) {
            p->data.age = 60 * kYear;
        }
    }
    CPerson::MakeSomeBaby(true);
    EXPECT_EQ(CPerson::NumPeople(), 51);
}

TEST_F(FamilyTest, ClosingTheScreenDeliversEveryCoupleInTheHutAndUnlinksThem)
{
    CPerson* mother = Grown(30, 1, 1);
    CPerson* father = Grown(30, 0, 2);
    CPerson* aunt = Grown(25, 1, 3);
    CPerson* uncle = Grown(25, 0, 4);
    CPerson* alone = Grown(25, 1, 5);
    for (auto [a, b] : {std::pair{mother, father}, std::pair{aunt, uncle}}) {
        a->partner = b;
        b->partner = a;
        a->currentTask = b->currentTask = 10;
    }
    alone->currentTask = 10;
    mother->data.twinsPotion = 1;
    const int twins = CProfile::current->GetValue<int>(53);
    CPerson::ProcessBabyMakingCouples();
    EXPECT_EQ(CPerson::people.size(), 5u + 3u) << "twins for the potion, one child for the others";
    EXPECT_EQ(CProfile::current->GetValue<int>(53), twins + 1);
    EXPECT_TRUE(mother->twinsBorn);
    EXPECT_EQ(mother->data.childCount, 2);
    EXPECT_EQ(aunt->data.childCount, 1);
    EXPECT_EQ(alone->data.childCount, 0);
    for (CPerson* p : {mother, father, aunt, uncle}) {
        EXPECT_EQ(p->partner, nullptr);
    }
}

TEST_F(FamilyTest, AChildOfOneParentIsNeverMade)
{
    CPerson* woman = Grown(30, 1, 1);
    EXPECT_EQ(woman->ProduceChildWith(nullptr, -1), nullptr);
    EXPECT_EQ(CPerson::people.size(), 1u);
    EXPECT_FALSE(woman->data.isParent);
}

}  // namespace
