// Time away at a building site: the builder carries wood from the stock to a
// site that wants it only while more than one log is left.
#include "CBuilding.h"
#include "CHut.h"
#include "CProfile.h"
#include "CResources.h"
#include "IslanderLifeFixture.h"

namespace {

constexpr int kStep = 9000;
constexpr int kFoodStop = 71, kEnergyStop = 72, kDeathStop = 73;
constexpr int kHut = 1;

// A hut whose delivered wood the test can read.
class Site : public CHut {
public:
    using CHut::CHut;
    int Wood() const { return record.wood; }
};

class SimulateSiteTest : public IslanderLifeTest {
protected:
    void SetUp() override
    {
        IslanderLifeTest::SetUp();
        CBuilding::InitSprites();
        for (int stop : {kFoodStop, kEnergyStop, kDeathStop}) {
            profile.SetValue<bool>(stop, true);
        }
    }

    void TearDown() override
    {
        CObject::UnloadAll();
        CBuilding::DeleteSprites();
        IslanderLifeTest::TearDown();
    }
};

}  // namespace

TEST_F(SimulateSiteTest, ABuilderCarriesWoodToASiteOnlyWhileMoreThanOneLogIsLeft)
{
    CPerson* builder = Grown(30, 0, 1);
    for (int task = 1; task <= 18; task++) {
        builder->PermitTask(task, task == 5);
    }
    // A site that has all its rock wants only wood.
    Site* site = new Site(900, 700, 0);
    site->AddResource(CBuilding::GetRequiredRock(kHut), 1);
    ASSERT_GT(CBuilding::GetRequiredWood(kHut), 1);
    CResources* stock = CControllerGame::Resources();
    stock->RemoveWood(stock->GetWood());
    stock->AddWood(2);

    for (int wood : {2, 1}) {
        SCOPED_TRACE(testing::Message() << wood << " in the stock");
        builder->data.energy = builder->data.food = 10000;
        CPerson::Simulate(kStep);
        EXPECT_EQ(stock->GetWood(), 1) << "the last log stays in the stock";
        EXPECT_EQ(site->Wood(), 1);
    }
}
