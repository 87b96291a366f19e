// A newborn's genes come from three coins a gene, drawn in a fixed order so
// that a family is the same in every run; and strength given from the
// fourteenth birthday on sets the walking pace at once.
#include "IslanderFixture.h"

#include <vector>

namespace {

constexpr int kYear = 172800;

class StrengthAndCrossingTest : public IslanderTest {
protected:
    static CPerson* WithStrength(int years, int strength, int id)
    {
        person_data record = IslanderRecord(800, 800, years * kYear);
        record.id = id;
        for (int i = 0; i < strength; i++) {
            record.genes.strengthGenes[0][i] = {0, 1};
        }
        return new CPerson(record);
    }
};

}  // namespace

// Coin one picks which parent gives the first allele, coin two which of that
// parent's alleles, coin three which of the other parent's.
TEST_F(StrengthAndCrossingTest, ACrossedGeneTakesItsCoinsParentThenFirstAlleleThenSecond)
{
    const gene a = {0, 1}, b = {1, 0};
    constexpr int kCrosses = 40;
    InitRandom(93);
    std::vector<int> coins;
    for (int i = 0; i < 3 * kCrosses; i++) {
        coins.push_back(RangedRandom(0, 1));
    }
    InitRandom(93);
    for (int i = 0; i < kCrosses; i++) {
        const gene child = CPerson::CrossGenes(&a, &b);
        const int parent = coins[3 * i], first = coins[3 * i + 1], second = coins[3 * i + 2];
        const gene& giver = parent == 0 ? a : b;
        const gene& other = parent == 0 ? b : a;
        EXPECT_EQ(child.allele[0], giver.allele[first]) << "cross " << i;
        EXPECT_EQ(child.allele[1], other.allele[second]) << "cross " << i;
    }
}

TEST_F(StrengthAndCrossingTest, StrengthGivenFromTheFourteenthBirthdayOnSetsThePaceAtOnce)
{
    CPerson* grownUp = WithStrength(14, 50, 1);
    ASSERT_FLOAT_EQ(grownUp->walkSpeed, 1.8f);
    EXPECT_TRUE(grownUp->ImproveAttribute(0, 50));
    EXPECT_EQ(grownUp->GetPhysicalStrength(), 100);
    EXPECT_FLOAT_EQ(grownUp->walkSpeed, 2.9f);
    EXPECT_EQ(grownUp->animRate, 1);

    // A tick short of fourteen it is still a kid, who runs whatever its strength.
    person_data record = IslanderRecord(900, 800, 14 * kYear - 1);
    record.id = 2;
    CPerson* kid = new CPerson(record);
    ASSERT_EQ(kid->speedLevel, 4);
    EXPECT_TRUE(kid->ImproveAttribute(0, 10));
    EXPECT_EQ(kid->GetPhysicalStrength(), 10);
    EXPECT_EQ(kid->speedLevel, 4);
    EXPECT_FLOAT_EQ(kid->walkSpeed, 2.9f);
}
