// The first and last entries of series an islander draws from: a kid let go
// of over a baby says any of its fifteen remarks, the last included, and can
// be picked up again after it; over a mushroom, guano or relic it says any
// remark of that find's series; stardust trains any of its seven skills, the
// last included.
#include "CGuano.h"
#include "CMushroom.h"
#include "CRelic.h"
#include "CSprite.h"
#include "IslanderFixture.h"

#include <functional>
#include <set>

namespace {

constexpr int kYear = 172800;
constexpr int kCraftingTask = 12;
constexpr int kFirstCrateOpened = 38;

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

// Each drop is over a new find where the last of its kind lay, since a taken
// find may be gone; the kinds lie apart.
TEST_F(RemarkAndStardustTest, AKidLetGoOfOverAFindSaysEveryRemarkOfItsKind)
{
    profile.SetValue<bool>(kFirstCrateOpened, true);
    CPerson* kid = IslanderUnder(1000, 300, 8 * kYear, 0);
    kid->Pump(0, 0, 1);
    struct find_case {
        const char* kind;
        std::function<CSprite*()> make;  // the new find's picture, placed
        int first, last;
    };
    auto placed = [](CObject* find, CSprite* sprite) {
        find->Pump(0, 0, 1);
        return sprite;
    };
    const find_case cases[] = {
        {"mushroom", [&] { CMushroom* f = new CMushroom(300, 300); return placed(f, f->sprite); }, 34150, 34168},
        {"guano", [&] { CGuano* f = new CGuano(300, 700, false, 300, 700, 5); return placed(f, f->sprite); }, 34170,
         34194},
        {"relic", [&] { CRelic* f = new CRelic(700, 700); return placed(f, f->sprite); }, 34196, 34218},
    };
    for (const find_case& c : cases) {
        std::set<int> said;
        for (int drop = 0; drop < 150; drop++) {
            CSprite* find = c.make();
            MouseAt(find->GetX() + find->GetW() / 2, find->GetY() + find->GetH() / 2);
            kid->grabGuard = false;
            kid->Pickup();
            ASSERT_TRUE(kid->IsPickedUp());
            kid->Drop();
            said.insert(kid->speechId);
        }
        std::set<int> remarks;
        for (int id = c.first; id <= c.last; id += 2) {
            remarks.insert(id);
        }
        EXPECT_EQ(said, remarks) << c.kind;
    }
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
