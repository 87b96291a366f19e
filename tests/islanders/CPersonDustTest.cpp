#include "CControllerGame.h"
#include "CControllerTrophies.h"
#include "CMysteriousObject.h"
#include "IslanderFixture.h"

#include <numeric>

namespace {

constexpr int kYear = 172800;

int Gifts(const CPerson* person)
{
    return std::accumulate(std::begin(person->data.skills), std::end(person->data.skills), 0) +
           person->GetPhysicalStrength() + person->GetMentalStrength();
}

}  // namespace

class PersonDustTest : public IslanderTest {
protected:
    void TearDown() override
    {
        CObject::requestingFeedback = nullptr;
        CControllerGame::lastToolTip = {};
        IslanderTest::TearDown();
    }

    static int NoticeFor(CPerson* person)
    {
        return CObject::requestingFeedback == person ? CObject::requestingFeedbackData.id : 0;
    }
};

TEST_F(PersonDustTest, StardustImprovesUntilNothingIsLeftToImprove)
{
    CPerson* man = Islander(30, 0, 1);
    for (int i = 0; i < 20; i++) {
        CObject::requestingFeedback = nullptr;
        const int before = Gifts(man);
        ASSERT_TRUE(man->AcceptStardust());
        EXPECT_GT(Gifts(man), before);
        const int notice = NoticeFor(man);
        EXPECT_GE(notice, 12314);
        EXPECT_LE(notice, 12322);
        EXPECT_EQ(CObject::requestingFeedbackData.insert[0], man->GetASCIIName());
        EXPECT_TRUE(CObject::requestingFeedbackData.noticeOnly);
    }
    EXPECT_TRUE(man->HasHadStardust());

    for (int task : {3, 2, 4, 5, 14, 11, 12}) {
        man->data.skills[task] = 10000;
    }
    man->ImproveAttribute(0, 100);
    man->ImproveAttribute(1, 100);
    CObject::requestingFeedback = nullptr;
    EXPECT_FALSE(man->AcceptStardust());
    EXPECT_EQ(NoticeFor(man), 0);
}

TEST_F(PersonDustTest, MoondustChangesBothHairStylesAndTheSkinEveryTime)
{
    CPerson* woman = Islander(30, 1, 1);
    for (int i = 0; i < 10; i++) {
        const person_data before = woman->data;
        const int skin = woman->skinTone;
        EXPECT_TRUE(woman->AcceptMoondust());
        EXPECT_NE(woman->data.matureHairStyle, before.matureHairStyle);
        EXPECT_NE(woman->data.youngHairStyle, before.youngHairStyle);
        EXPECT_NE(woman->skinTone, skin);
        EXPECT_EQ(CObject::selectedObject, woman);
    }
    CPerson* man = Islander(30, 0, 2);
    for (int i = 0; i < 10; i++) {
        man->AcceptMoondust();
        EXPECT_TRUE(man->data.youngHairStyle != 1 && man->data.youngHairStyle != 2 && man->data.youngHairStyle != 7);
    }
}

TEST_F(PersonDustTest, OnePotionAnIslanderYearWithTheTwinsOnlyForWomenOfAge)
{
    CPerson* man = Islander(30, 0, 1);
    CPerson* woman = Islander(25, 1, 2);
    CPerson* baby = Islander(2, 1, 3);
    EXPECT_FALSE(baby->AcceptPotion(21));
    EXPECT_EQ(baby->data.ageAtLastPotion, 0) << "a baby's year is not used up";

    EXPECT_TRUE(man->AcceptPotion(21));
    EXPECT_EQ(CControllerGame::lastToolTip.id, 15030);
    EXPECT_FALSE(man->AcceptPotion(22));
    EXPECT_EQ(NoticeFor(man), 26610);
    man->data.age += kYear;
    EXPECT_FALSE(man->AcceptPotion(3)) << "twins are a woman's potion";
    EXPECT_FALSE(man->data.twinsPotion);
    EXPECT_FALSE(man->AcceptPotion(21)) << "even a refused potion counts for the year";

    EXPECT_TRUE(woman->AcceptPotion(3));
    EXPECT_TRUE(woman->data.twinsPotion);
    EXPECT_EQ(CControllerGame::lastToolTip.id, 15015);
    EXPECT_FALSE(woman->AcceptPotion(3));
    EXPECT_EQ(NoticeFor(woman), 26611);

    // Everybody grown eats well from one potion.
    man->data.age += kYear;
    woman->data.food = 100;
    EXPECT_TRUE(man->AcceptPotion(18));
    EXPECT_EQ(woman->data.food, 10000);
    EXPECT_EQ(baby->data.food, IslanderRecord(0, 0, 2 * kYear, 1).food) << "babies have no need of food";
}

TEST_F(PersonDustTest, TheYouthPotionMakesASeniorThirtySixAgainAndAgeingStartsOver)
{
    CPerson* elder = Islander(70, 1, 1);
    CPerson* grown = Islander(40, 0, 2);
    EXPECT_FALSE(grown->AcceptPotion(20));
    EXPECT_EQ(NoticeFor(grown), 26405);
    EXPECT_EQ(grown->data.ageAtLastPotion, grown->data.age);

    const int speed = elder->speedLevel;
    elder->stageAge = 65;
    ASSERT_TRUE(elder->AcceptPotion(20));
    EXPECT_EQ(elder->GetAge(), 36);
    EXPECT_EQ(elder->GetActualAge(), 70);
    EXPECT_EQ(elder->stageAge, 36) << "reaching 65 again makes her a senior again";
    EXPECT_EQ(elder->speedLevel, speed + 1);
    ASSERT_EQ(speed, 0) << "a weak senior";
    EXPECT_EQ(elder->adultWalk.entry[0].sprite->GetFramesPerStep(), 3) << "her steps quicken with her walk";
    EXPECT_EQ(elder->data.ageAtLastPotion, 0) << "the year starts over too";
    EXPECT_EQ(NoticeFor(elder), 26406);
    EXPECT_TRUE(CControllerTrophies::IsTrophyComplete(0x800));
    EXPECT_TRUE(CMysteriousObject::CheckVar(8));
}
