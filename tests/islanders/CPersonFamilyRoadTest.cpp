// Families on a real island: a grown-up lifted and let go over one of the
// other sex, the question or the notice that follows, the answer, the stay in
// the hut and the child born there.
#include "RoadFixture.h"

#include "BuildingClasses.h"
#include "CFireplace.h"
#include "CHut.h"
#include "IslanderRecords.h"

#include <functional>
#include <string>

namespace {

constexpr int kYear = 172800;
constexpr int kHut = 1;
constexpr int kLargestBand = 51, kBirths = 52, kTwinBirths = 53;

class FamilyRoad : public RoadTest {
protected:
    void SetUp() override
    {
        RoadTest::SetUp();
        man = Man();
        for (CPerson* person : CPerson::people) {
            if (person->IsAdult() && !person->isMale) {
                woman = person;
                break;
            }
        }
        ASSERT_TRUE(man && woman && !CFireplace::fireplaces.empty());
        camp = CFireplace::fireplaces.front();
    }

    CHut* BuildHut()
    {
        CHut* hut = static_cast<CHut*>(ClassOfType(kHut).place(camp->GetX() - 200, camp->GetY() + 80, 0));
        hut->FinishNow();
        // The first hut wins a trophy; its announcement comes and goes.
        RunUntil([] { return false; }, 20);
        return hut;
    }

    static void Ages(CPerson* p, int years, int yearsSinceBirth = -1)
    {
        p->data.age = p->data.actualAge = years * kYear;
        p->data.ageAtLastBirth = yearsSinceBirth < 0 ? 0 : p->data.age - yearsSinceBirth * kYear;
    }

    // Lifts held, carries it over under and lets go; the request is left in
    // CObject's fields.
    void DropOn(CPerson* held, CPerson* under, const std::function<void()>& justBefore = nullptr)
    {
        // A trophy the hut or a birth won is announced first.
        RunUntil([&] { return CController::focus == game; }, 10);
        CObject::requestingFeedback = nullptr;
        CObject::requestingFeedbackData = feedback_data{};
        under->data.x = static_cast<float>(camp->GetX() + 90);
        under->data.y = static_cast<float>(camp->GetY() + 40);
        under->EndTask(false);
        held->data.x = under->data.x + 40;
        held->data.y = under->data.y + 10;
        Lift(held);
        ASSERT_TRUE(held->IsPickedUp());
        const coordinate at = PointWhere(Round(under->data.x) + 17, Round(under->data.y) + 10, 45,
                                         [&] { return CObject::FindObjectAt(-1, -1, false, true) == under; });
        ASSERT_NE(at.x, -1);
        MouseAt(at.x, at.y);
        Frame();
        MouseAt(at.x, at.y);
        if (justBefore) {
            justBefore();
        }
        game->InputMouseClick(true, false, true);
        ASSERT_FALSE(held->IsPickedUp());
    }

    int RequestId() const { return CObject::requestingFeedback ? CObject::requestingFeedbackData.id : -1; }
    static std::string Named() { return CObject::requestingFeedbackData.insert[0]; }

    int Profile(int key) { return CProfile::current->GetValue<int>(key); }

    // Where a newborn walks to, from the parent it was born to.
    static coordinate WayOut(const CPerson* parent, const CPerson* child)
    {
        return {child->subTaskX - static_cast<int>(parent->data.x), child->subTaskY - static_cast<int>(parent->data.y)};
    }

    CPerson* man = nullptr;
    CPerson* woman = nullptr;
    CFireplace* camp = nullptr;
};

struct pairing_case {
    const char* what;
    bool manHeld;
    int manYears, womanYears, womanYearsSinceBirth;
    int manYearsSinceBirth;
    int expected;     // string id of the request
    bool namesMan;    // whose name the notice carries
};

TEST_F(FamilyRoad, PairingRulesAreTestedUnderTheDropPointFirstAndNameWhoeverFails)
{
    BuildHut();
    const pairing_case cases[] = {
        {"both 17: the woman underneath", true, 17, 17, -1, -1, 12303, false},
        {"both 17: the man underneath", false, 17, 17, -1, -1, 12302, true},
        {"18 is old enough", true, 18, 18, -1, -1, 12004, false},
        {"50 and 45 still may", true, 50, 45, -1, -1, 12004, false},
        {"only the held man too old", true, 51, 45, -1, -1, 12304, true},
        {"only the held woman too old", false, 50, 46, -1, -1, 12304, false},
        {"a held girl counts before an old man underneath", false, 51, 17, -1, -1, 12303, false},
        {"a recent mother underneath", true, 30, 30, 1, -1, 12305, false},
        {"a recent mother underneath before a young man held", true, 17, 30, 1, -1, 12305, false},
        {"two years after a birth", true, 30, 30, 2, -1, 12004, false},
        {"a father may at once", false, 30, 30, -1, 0, 12004, false},
    };
    for (const pairing_case& c : cases) {
        SCOPED_TRACE(c.what);
        Ages(man, c.manYears, c.manYearsSinceBirth);
        Ages(woman, c.womanYears, c.womanYearsSinceBirth);
        c.manHeld ? DropOn(man, woman) : DropOn(woman, man);
        CPerson* under = c.manHeld ? woman : man;
        EXPECT_EQ(RequestId(), c.expected);
        EXPECT_EQ(CObject::requestingFeedback, under) << "the islander underneath asks";
        if (c.expected == 12004) {
            EXPECT_FALSE(CObject::requestingFeedbackData.noticeOnly);
            EXPECT_EQ(Named(), under->GetASCIIName());
            EXPECT_EQ(CObject::requestingFeedbackData.insert[1], (c.manHeld ? man : woman)->GetASCIIName());
        } else {
            EXPECT_TRUE(CObject::requestingFeedbackData.noticeOnly);
            EXPECT_EQ(Named(), (c.namesMan ? man : woman)->GetASCIIName());
        }
        under->GiveResponse(false);
    }
}

TEST_F(FamilyRoad, TheTwoYearRestEndsOnTheVeryTick)
{
    BuildHut();
    Ages(man, 30);
    Ages(woman, 30);
    DropOn(man, woman, [&] { woman->data.ageAtLastBirth = woman->data.age - 345599; });
    EXPECT_EQ(RequestId(), 12305);
    woman->GiveResponse(false);
    DropOn(man, woman, [&] { woman->data.ageAtLastBirth = woman->data.age - 345600; });
    EXPECT_EQ(RequestId(), 12004);
}

TEST_F(FamilyRoad, WithoutAFinishedHutOrWithAFullBandThereIsOnlyANotice)
{
    Ages(man, 30);
    Ages(woman, 30);
    DropOn(man, woman);
    EXPECT_EQ(RequestId(), 12301);
    EXPECT_EQ(Named(), woman->GetASCIIName());
    EXPECT_EQ(CObject::requestingFeedbackData.insert[1], man->GetASCIIName());
    woman->GiveResponse(false);

    BuildHut();
    int id = 100;
    while (CPerson::NumPeople() < 49) {
        person_data record = IslanderRecord(camp->GetX() - 300, camp->GetY() - 200, 20 * kYear);
        record.id = id++;
        new CPerson(record);
    }
    RunUntil([] { return false; }, 20);
    DropOn(man, woman);
    EXPECT_EQ(RequestId(), 12004) << "49 islanders may still grow";
    woman->GiveResponse(false);
    new CPerson(IslanderRecord(camp->GetX() - 300, camp->GetY() - 200, 20 * kYear));
    DropOn(man, woman);
    EXPECT_EQ(RequestId(), 12356);
    EXPECT_TRUE(Named().empty());
}

TEST_F(FamilyRoad, SameSexAndBeforeTheFirstCrateNothingHappens)
{
    BuildHut();
    CPerson* otherMan = nullptr;
    for (CPerson* person : CPerson::people) {
        if (person->IsAdult() && person->isMale && person != man) {
            otherMan = person;
        }
    }
    ASSERT_NE(otherMan, nullptr);
    DropOn(man, otherMan);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
    CProfile::current->SetValue<bool>(kFirstCrateOpened, false);
    Ages(man, 30);
    Ages(woman, 30);
    man->data.x = woman->data.x + 40;
    man->data.y = woman->data.y + 10;
    EXPECT_EQ(woman->DroppedOn(), 0);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
}

TEST_F(FamilyRoad, AYesSendsTheCoupleToTheHutWhereTheirChildIsBorn)
{
    CHut* hut = BuildHut();
    Ages(man, 30);
    Ages(woman, 28);
    const int births = Profile(kBirths);
    const size_t before = CPerson::people.size();
    DropOn(man, woman);
    ASSERT_EQ(RequestId(), 12004);
    woman->GiveResponse(true);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
    EXPECT_EQ(woman->GetCurrentTask(), 10);
    EXPECT_EQ(man->GetCurrentTask(), 10);
    EXPECT_EQ(woman->partner, man);
    EXPECT_EQ(man->partner, woman);
    EXPECT_EQ(woman->hutTimer, 30) << "the asker waits a moment before setting off";

    // Who gets in first waits 150 frames, the other 210.
    int firstTimer = -1, secondTimer = -1;
    CPerson* first = nullptr;
    ASSERT_TRUE(RunUntil([&] {
        for (CPerson* p : {man, woman}) {
            if (p->GetCurrentSubTask() == 11 && first == nullptr) {
                first = p;
                firstTimer = p->hutTimer;
            } else if (p->GetCurrentSubTask() == 11 && p != first && secondTimer == -1) {
                secondTimer = p->hutTimer;
            }
        }
        return secondTimer != -1;
    }, 3000));
    EXPECT_EQ(firstTimer, 150);
    EXPECT_EQ(secondTimer, 210);
    EXPECT_TRUE(man->MakingBabyRightNow() && woman->MakingBabyRightNow());
    EXPECT_EQ(hut->occupant != nullptr, true);

    ASSERT_TRUE(RunUntil([&] { return CPerson::people.size() > before; }, 600));
    CPerson* mother = first == man ? woman : man;
    EXPECT_EQ(mother->hutTimer, 30) << "born to the one still inside, at 30 frames";
    CPerson* child = CPerson::people[before];
    EXPECT_EQ(child->GetAge(), 0);
    EXPECT_EQ(child->GetCurrentTask(), 1);
    EXPECT_EQ(WayOut(mother, child).x, -30) << "out of the even hut's door";
    EXPECT_EQ(WayOut(mother, child).y, 80);
    EXPECT_EQ(child->data.motherId, woman->GetID());
    EXPECT_EQ(child->data.fatherId, man->GetID());
    EXPECT_TRUE(child->isMale ? child->data.hasBrother : child->data.hasSister) << "the child counts itself";
    EXPECT_TRUE(man->data.isParent && woman->data.isParent);
    EXPECT_EQ(woman->data.childCount, static_cast<int>(CPerson::people.size() - before)) << "one, or twins";
    EXPECT_LE(woman->data.age - woman->data.ageAtLastBirth, 1) << "ages on in the frame of the birth";
    EXPECT_EQ(Profile(kBirths), births + static_cast<int>(CPerson::people.size() - before));
    EXPECT_GE(Profile(kLargestBand), CPerson::NumPeople());

    // Straight away she must rest two years.
    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentTask() != 10 && woman->GetCurrentTask() != 10; }, 1500));
    DropOn(man, woman);
    EXPECT_EQ(RequestId(), 12305);
}

TEST_F(FamilyRoad, ATwinsPotionGivesTwoChildrenAndATwinsRemark)
{
    BuildHut();
    Ages(man, 30);
    Ages(woman, 28);
    // Both drank: one pair of twins uses up the potion of each.
    woman->data.twinsPotion = 1;
    man->data.twinsPotion = 1;
    const int twins = Profile(kTwinBirths);
    const size_t before = CPerson::people.size();
    DropOn(man, woman);
    woman->GiveResponse(true);
    // The way out as from a hut whose variant is odd: its door is on the right.
    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentSubTask() == 11 && woman->GetCurrentSubTask() == 11; }, 3000));
    man->hutVariant = woman->hutVariant = 1;
    ASSERT_TRUE(RunUntil([&] { return CPerson::people.size() > before; }, 3000));
    EXPECT_EQ(CPerson::people.size(), before + 2);
    EXPECT_EQ(Profile(kTwinBirths), twins + 1);
    EXPECT_FALSE(woman->data.twinsPotion);
    EXPECT_FALSE(man->data.twinsPotion);
    CPerson* a = CPerson::people[before];
    CPerson* b = CPerson::people[before + 1];
    CPerson* inside = man->GetCurrentSubTask() == 11 ? man : woman;
    for (CPerson* twin : {a, b}) {
        EXPECT_EQ(WayOut(inside, twin).x, 100) << "out of the odd variant's door";
        EXPECT_EQ(WayOut(inside, twin).y, 82);
    }
    EXPECT_TRUE(a->isMale ? b->data.hasBrother : b->data.hasSister) << "each twin has the other";
    EXPECT_EQ(woman->data.childCount, 2);
    ASSERT_TRUE(RunUntil([&] { return man->speechId == 34500 || woman->speechId == 34500; }, 300));
}

TEST_F(FamilyRoad, ANoLeavesBothIdleAndAYesToANoticePairsNobody)
{
    BuildHut();
    Ages(man, 30);
    Ages(woman, 30);
    DropOn(man, woman);
    ASSERT_EQ(RequestId(), 12004);
    // Whatever each was doing goes on; neither sets off for the hut.
    const int womanTask = woman->GetCurrentTask(), manTask = man->GetCurrentTask();
    woman->GiveResponse(false);
    EXPECT_EQ(woman->GetCurrentTask(), womanTask);
    EXPECT_EQ(man->GetCurrentTask(), manTask);
    EXPECT_NE(woman->GetCurrentTask(), 10);
    EXPECT_NE(man->GetCurrentTask(), 10);
    EXPECT_EQ(woman->partner, nullptr);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);

    Ages(man, 60);
    DropOn(man, woman);
    ASSERT_EQ(RequestId(), 12304);
    woman->GiveResponse(true);
    EXPECT_EQ(woman->partner, nullptr);
    EXPECT_NE(woman->GetCurrentTask(), 10);
}

TEST_F(FamilyRoad, ACandidateWhoDiedWhileTheQuestionWaitedMakesTheAnswerANo)
{
    BuildHut();
    Ages(man, 30);
    Ages(woman, 30);
    DropOn(man, woman);
    ASSERT_EQ(RequestId(), 12004);
    man->DieSoon(0);
    woman->GiveResponse(true);
    EXPECT_EQ(woman->partner, nullptr) << "a dying candidate";
    EXPECT_NE(woman->GetCurrentTask(), 10);

    CPerson* other = nullptr;
    for (CPerson* person : CPerson::people) {
        if (person->IsAdult() && person->isMale && person != man) {
            other = person;
        }
    }
    ASSERT_NE(other, nullptr);
    Ages(other, 30);
    DropOn(other, woman);
    ASSERT_EQ(RequestId(), 12004);
    other->Die(false);
    woman->GiveResponse(true);
    EXPECT_EQ(woman->partner, nullptr) << "a dead one";
    EXPECT_NE(woman->GetCurrentTask(), 10);
}

TEST_F(FamilyRoad, APartnerWhoDiesInTheHutEndsTheStayWithoutAChild)
{
    BuildHut();
    Ages(man, 30);
    Ages(woman, 30);
    const int births = Profile(kBirths);
    DropOn(man, woman);
    woman->GiveResponse(true);
    ASSERT_TRUE(RunUntil([&] { return woman->GetCurrentSubTask() == 11 || man->GetCurrentSubTask() == 11; }, 3000));
    CPerson* inside = woman->GetCurrentSubTask() == 11 ? woman : man;
    CPerson* late = inside == woman ? man : woman;
    late->Die(false);
    ASSERT_TRUE(RunUntil([&] { return inside->GetCurrentSubTask() != 11; }, 400)) << "no waiting for ever";
    RunUntil([] { return false; }, 200);
    EXPECT_EQ(Profile(kBirths), births) << "no child of one parent";
}

TEST_F(FamilyRoad, ClosingTheGameMidStayDeliversTheChildIntoTheSavedBand)
{
    BuildHut();
    Ages(man, 30);
    Ages(woman, 30);
    const int births = Profile(kBirths);
    DropOn(man, woman);
    woman->GiveResponse(true);
    ASSERT_TRUE(RunUntil([&] { return woman->GetCurrentSubTask() == 11 && man->GetCurrentSubTask() == 11; }, 3000));
    const int womanId = woman->GetID(), manId = man->GetID();
    delete opener.screen;
    opener.screen = nullptr;
    CController::focus = nullptr;
    EXPECT_GE(Profile(kBirths), births + 1);

    CPerson::LoadPeople();
    int children = 0;
    for (CPerson* person : CPerson::people) {
        children += person->data.motherId == womanId && person->data.fatherId == manId;
    }
    EXPECT_GE(children, 1);
    while (!CPerson::people.empty()) {
        delete CPerson::people.back();
    }
}

}  // namespace
