#include "CControllerGame.h"
#include "CControllerTrophies.h"
#include "CMysteriousObject.h"
#include "IslanderFixture.h"

#include <algorithm>
#include <functional>
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

TEST_F(PersonDustTest, EachGrownUpsPotionDoesItsOwnThingUnderItsOwnTip)
{
    int id = 10;
    auto give = [&](int potion, int tip, const std::function<void(CPerson*)>& before,
                    const std::function<bool(CPerson*)>& done) {
        CPerson* person = Islander(30, 0, id++);
        before(person);
        EXPECT_TRUE(person->AcceptPotion(potion)) << potion;
        EXPECT_EQ(CControllerGame::lastToolTip.id, tip) << potion;
        EXPECT_TRUE(done(person)) << potion;
    };
    const auto nothing = [](CPerson*) {};
    give(8, 15019, [](CPerson* p) { p->data.energy = 9000; }, [](CPerson* p) { return p->data.energy == 4000; });
    give(10, 15020, [](CPerson* p) { p->data.food = 9000; }, [](CPerson* p) { return p->data.food == 4000; });
    int mind = 0;
    give(22, 15031, [&](CPerson* p) { mind = p->GetMentalStrength(); },
         [&](CPerson* p) { return p->GetMentalStrength() == std::min(100, mind + 20); });
    const int skillOf[][3] = {{13, 5, 15023}, {14, 11, 15024}, {15, 12, 15025}, {23, 3, 15026},
                              {24, 4, 15027}, {25, 2, 15028},  {26, 14, 15029}};  // potion, skill slot, tip
    for (const auto& skill : skillOf) {
        const int slot = skill[1];
        give(skill[0], skill[2], nothing, [slot](CPerson* p) { return p->data.skills[slot] == 4000; });
    }
    const int dyes[] = {0, 1, 3, 7, 6, 2, 5, 4};
    for (int i = 0; i < 8; i++) {
        const int colour = dyes[i];
        give(31 + i, 15039 + i, [colour](CPerson* p) { p->ChangeHairColour((colour + 1) % 8); },
             [colour](CPerson* p) { return p->GetHairColour() == colour && p->data.keepHairColour; });
    }
    for (int style = 0; style < 8; style++) {
        give(39 + style, 15047 + style, [style](CPerson* p) { p->ChangeHairStyle((style + 1) % 8); },
             [style](CPerson* p) { return p->data.youngHairStyle == style && p->data.matureHairStyle == style; });
    }
    const int faces[] = {4, 0, 2, 5, 3};
    for (int i = 0; i < 5; i++) {
        const int face = faces[i];
        give(47 + i, 15055 + i, nothing, [face](CPerson* p) { return p->currentMouth == p->mouthSets[face]; });
    }

    // What only touches the ground, or the wrong age, is refused.
    for (int potion : {1, 2, 4, 5, 6, 7, 9, 11, 12, 16, 17, 19, 27}) {
        EXPECT_FALSE(Islander(30, 1, id++)->AcceptPotion(potion)) << potion;
    }
    EXPECT_FALSE(Islander(13, 0, id++)->AcceptPotion(21)) << "a child";
    EXPECT_FALSE(Islander(46, 1, id++)->AcceptPotion(3)) << "twins from 18 to 45";
    EXPECT_TRUE(Islander(18, 1, id++)->AcceptPotion(3));
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
