#include "CDraw.h"
#include "CProfile.h"
#include "CSprite.h"
#include "IslanderFixture.h"

namespace {

constexpr int kYear = 172800;

class GenesTest : public IslanderTest {
protected:
    // An islander of that age whose physical block shows exactly strength.
    static CPerson* WithStrength(int years, int strength, int id = 1)
    {
        person_data record = IslanderRecord(800, 800, years * kYear);
        record.id = id;
        for (int i = 0; i < strength; i++) {
            record.genes.strengthGenes[0][i] = {0, 1};
        }
        return new CPerson(record);
    }

    static gene Shows(int phenotype) { return phenotype ? gene{1, 0} : gene{0, 0}; }
};

}  // namespace

TEST_F(GenesTest, LooksFollowTheDominantAlleles)
{
    struct looks {
        int hair[3], skin[2];
        int hairColour, skinTone;
    };
    const looks cases[] = {{{0, 0, 0}, {0, 0}, 0, 3}, {{0, 1, 0}, {1, 0}, 7, 2}, {{1, 1, 0}, {0, 1}, 6, 1},
                           {{1, 1, 1}, {1, 1}, 2, 0}, {{0, 1, 1}, {0, 0}, 3, 3}};
    int id = 1;
    for (const looks& c : cases) {
        person_data record = IslanderRecord(800, 800, 30 * kYear);
        record.id = id++;
        for (int i = 0; i < 3; i++) {
            record.genes.hairGenes[i] = Shows(c.hair[i]);
        }
        for (int i = 0; i < 2; i++) {
            record.genes.skinGenes[i] = Shows(c.skin[i]);
        }
        CPerson* p = new CPerson(record);
        EXPECT_EQ(p->hairColour, c.hairColour);
        EXPECT_EQ(p->skinTone, c.skinTone);
    }
}

TEST_F(GenesTest, StrengthAndAgeSetTheWalkingSpeed)
{
    struct speed {
        int years, strength;
        float walk;
        int anim;
    };
    const speed cases[] = {{30, 95, 2.9f, 1}, {30, 60, 2.3f, 2}, {30, 59, 1.8f, 2}, {30, 19, 1.2f, 3},
                           {70, 19, 0.7f, 4}, {70, 90, 2.3f, 2}, {8, 0, 2.9f, 1},   {1, 0, 1.2f, 3}};
    for (const speed& c : cases) {
        CPerson* p = WithStrength(c.years, c.strength);
        EXPECT_EQ(p->GetPhysicalStrength(), c.strength);
        EXPECT_FLOAT_EQ(p->walkSpeed, c.walk) << c.years << " years, strength " << c.strength;
        EXPECT_EQ(p->animRate, c.anim) << c.years << " years, strength " << c.strength;
        delete p;
    }
}

TEST_F(GenesTest, DustAndPotionsSwitchStrengthGenesOnAndOff)
{
    CPerson* adult = WithStrength(30, 95);
    EXPECT_TRUE(adult->ImproveAttribute(0, 10));
    EXPECT_EQ(adult->GetPhysicalStrength(), 100);
    EXPECT_TRUE(CProfile::current->GetValue<int>(65) & 4194304) << "a first mastery";
    EXPECT_FALSE(adult->ImproveAttribute(0, 5)) << "a full block";
    EXPECT_FLOAT_EQ(adult->walkSpeed, 2.9f);
    EXPECT_TRUE(adult->DecreaseAttribute(0, 150));
    EXPECT_EQ(adult->GetPhysicalStrength(), 0);
    EXPECT_FLOAT_EQ(adult->walkSpeed, 1.2f);
    EXPECT_FALSE(adult->DecreaseAttribute(0, 1)) << "an empty block";

    CPerson* kid = WithStrength(8, 10, 2);
    EXPECT_TRUE(kid->ImproveAttribute(1, 30));
    EXPECT_EQ(kid->GetMentalStrength(), 30);
    EXPECT_TRUE(kid->DecreaseAttribute(0, 5));
    EXPECT_EQ(kid->GetPhysicalStrength(), 5);
    EXPECT_EQ(kid->speedLevel, 4) << "kids run whatever their strength";
}

TEST_F(GenesTest, HairTurnsGreyAtSixtyFiveUnlessKeptAndAtOnceWhenPrematurelyGrey)
{
    person_data record = IslanderRecord(800, 800, 64 * kYear);
    record.genes.hairGenes[0] = {1, 1};
    record.youngHairStyle = 1;
    record.matureHairStyle = 6;
    CPerson* p = new CPerson(record);
    EXPECT_EQ(p->GetHairColour(), 4);
    p->data.age = 65 * kYear;
    EXPECT_EQ(p->GetHairColour(), 8);
    p->data.keepHairColour = 1;
    EXPECT_EQ(p->GetHairColour(), 4);
    p->data.age = 20 * kYear;
    p->PrematureGray();
    EXPECT_EQ(p->GetHairColour(), 8);
    EXPECT_EQ(p->hairColour, 4) << "the genes are unchanged";
    for (int k : {0, 15}) {
        EXPECT_STREQ(CSprite::draw->GetImageName(p->hair[k]->GetFirstImage()),
                     TempSprintf("male_hair_style6_colour8_%i.png", k))
            << "grey hair is the mature style, also at 20";
    }
}

TEST_F(GenesTest, AChildTakesOneAlleleFromEachParent)
{
    const gene homozygous0 = {0, 0}, homozygous1 = {1, 1}, mixed = {0, 1};
    for (int i = 0; i < 200; i++) {
        const gene child = CPerson::CrossGenes(&homozygous0, &homozygous1);
        EXPECT_EQ(child.allele[0] + child.allele[1], 1);
        EXPECT_EQ(CPerson::GetPhenotype(CPerson::CrossGenes(&homozygous1, &mixed)), 1);
    }
    genome mother, father;
    memset(&mother, 0, sizeof mother);
    memset(&father, 1, sizeof father);
    const genome child = CPerson::CrossGenome(mother, father);
    person_data record = IslanderRecord(800, 800, 0);
    record.genes = child;
    CPerson* baby = new CPerson(record);
    EXPECT_EQ(baby->GetPhysicalStrength(), 100) << "every gene shows the dominant allele";
    EXPECT_EQ(baby->hairColour, 2);
}
