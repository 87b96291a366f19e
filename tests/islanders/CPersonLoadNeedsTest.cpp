// Needs read from a save are kept to what play can make: each one brought
// back is logged with the islander's name, and one brought to its floor dies
// on its first frame as a starving or worn-out islander does.
#include "CProfile.h"
#include "IslanderLifeFixture.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

class LoadedNeedsTest : public IslanderLifeTest {
protected:
    static void SaveBand(const std::vector<person_data>& band)
    {
        CProfile::current->SetVectorValue<person_data>(4, band);
        CProfile::current->SetVectorValue<task_item>(5, {});
        CProfile::current->SetValue<game_data>(14, game_data{10});
        CProfile::current->SetVectorValue<craft_data>(15, {});
        CProfile::current->SetVectorValue<craft_data>(39, {});
    }

    static person_data Named(const char* name, int id, int energy, int food)
    {
        person_data record = IslanderRecord(500 + id * 40, 400, 30 * kYear, id % 2);
        record.id = id;
        snprintf(record.customName, sizeof record.customName, "%s", name);
        record.energy = energy;
        record.food = food;
        return record;
    }

    static std::string Log()
    {
        std::ifstream in("LOG.TXT", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

}  // namespace

TEST_F(LoadedNeedsTest, NeedsPastPlayAreBroughtBackByNameAndAFloorKillsOnTheFirstFrame)
{
    std::remove("LOG.TXT");
    SaveBand({Named("Ana", 1, 10000, -2000000000), Named("Bo", 2, 2000000000, 10000),
              Named("Cy", 3, -10000, 10000), Named("Di", 4, 15000, -9999)});
    CPerson::LoadPeople();
    ASSERT_EQ(CPerson::people.size(), 4u);
    const std::string log = Log();
    EXPECT_NE(log.find("Saved islander Ana: food -2000000000 was brought to -10000"), std::string::npos) << log;
    EXPECT_NE(log.find("Saved islander Bo: energy 2000000000 was brought to 20000"), std::string::npos) << log;
    EXPECT_EQ(log.find("Saved islander Cy"), std::string::npos) << "a need at its floor is one play makes";
    EXPECT_EQ(log.find("Saved islander Di"), std::string::npos) << "a revived islander is above 10000";
    EXPECT_EQ(CPerson::people[3]->data.energy, 15000);

    // As the game screen shows the loaded band.
    for (CPerson* person : CPerson::people) {
        person->stageAge = 30;
        person->UnHide();
    }
    CObject::MoveObjects(0, 0, 1);
    EXPECT_TRUE(CPerson::people[0]->dying);
    EXPECT_EQ(CPerson::people[0]->deathCause, "12022") << "hunger";
    EXPECT_FALSE(CPerson::people[1]->dying);
    EXPECT_TRUE(CPerson::people[2]->dying);
    EXPECT_EQ(CPerson::people[2]->deathCause, "12023") << "exhaustion";
    EXPECT_FALSE(CPerson::people[3]->dying) << "-9999 is not yet past the edge";
}
