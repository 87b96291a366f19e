// The last entries of two series an islander draws from: a kid let go of
// over a baby says any of its fifteen remarks, the last included, and can be
// picked up again after it; stardust trains any of its seven skills, the
// last included.
#include "CSprite.h"
#include "IslanderFixture.h"

#include <set>

namespace {

constexpr int kYear = 172800;
constexpr int kCraftingTask = 12;

class RemarkAndStardustTest : public IslanderTest {};

}  // namespace

TEST_F(RemarkAndStardustTest, AKidLetGoOfOverABabySaysEveryOneOfItsRemarksAndCanBeFoundAgain)
{
    CPerson* baby = IslanderUnder(300, 300, 1 * kYear, 1);
    CPerson* kid = IslanderUnder(500, 300, 8 * kYear, 0);
    baby->Pump(0, 0, 1);
    kid->Pump(0, 0, 1);
    // The pointer on the middle of a body where its frame drew it.
    auto pointAt = [this](CPerson* person) {
        CSprite* body = person->bodySet->entry[person->bodyDirection].sprite;
        MouseAt(body->GetX() + body->GetW() / 2, body->GetY() + body->GetH() / 2);
    };
    pointAt(kid);
    ASSERT_EQ(CObject::FindObjectAt(-1, -1, false, true), kid);
    pointAt(baby);
    ASSERT_EQ(CObject::FindObjectAt(-1, -1, false, true), baby);

    std::set<int> said;
    for (int drop = 0; drop < 200; drop++) {
        kid->grabGuard = false;
        kid->Pickup();
        ASSERT_TRUE(kid->IsPickedUp());
        kid->Drop();
        ASSERT_FALSE(kid->IsPickedUp());
        said.insert(kid->speechId);
    }
    std::set<int> remarks;
    for (int id = 34460; id <= 34488; id += 2) {
        remarks.insert(id);
    }
    EXPECT_EQ(said, remarks);

    pointAt(kid);
    EXPECT_EQ(CObject::FindObjectAt(-1, -1, false, true), kid) << "let go of, it is under the pointer again";
}

TEST_F(RemarkAndStardustTest, StardustTrainsCraftingWhenItIsTheOnlySkillLeftAndNothingWhenNoneIs)
{
    person_data record = IslanderRecord(800, 800, 30 * kYear);
    for (auto& block : record.genes.strengthGenes) {
        for (gene& g : block) {
            g = {1, 1};
        }
    }
    for (int task : {3, 2, 4, 5, 14, 11}) {
        record.skills[task] = 10000;
    }
    CPerson* master = new CPerson(record);
    ASSERT_EQ(master->GetPhysicalStrength(), 100);
    ASSERT_EQ(master->GetMentalStrength(), 100);

    EXPECT_TRUE(master->AcceptStardust());
    EXPECT_EQ(master->data.skills[kCraftingTask], 2000);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12322);

    master->data.skills[kCraftingTask] = 10000;
    CObject::requestingFeedbackData.id = -1;
    EXPECT_FALSE(master->AcceptStardust()) << "nothing is left to improve";
    EXPECT_EQ(CObject::requestingFeedbackData.id, -1);
}
