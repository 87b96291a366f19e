#include "CControllerGame.h"
#include "CProfile.h"
#include "IslanderFixture.h"
#include "IslandSeeds.h"

#include <cmath>
#include <limits>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes SavedRecords()
{
    const std::vector<person_data> records = CProfile::current->GetVectorValue<person_data>(4);
    Bytes bytes(records.size() * 632);
    if (!records.empty()) {
        memcpy(bytes.data(), records.data(), bytes.size());
    }
    return bytes;
}

class BandSaveTest : public IslanderTest {};

}  // namespace

TEST_F(BandSaveTest, SavingAndLoadingBringsBackTheSameBandByteForByte)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[3]);
    (void)island;
    CPerson::StartWithNewPeople();
    CPerson::people[2]->dying = true;
    CPerson::people[4]->deleteMe = true;
    CPerson::craftQueue = {craft_data{3, 1, 2, {1, 2, 3, 255}, {4, 5, 6, 255}, 10, 50}};
    CPerson::pickupQueue = {craft_data{5, 0, 0, {7, 8, 9, 255}, {9, 8, 7, 255}, 50, 50}};
    CPerson::taskQueue.pop_back();
    CPerson::SavePeople();
    const Bytes saved = SavedRecords();
    const std::vector<task_item> tasks = CPerson::taskQueue;
    std::vector<int> ids = Ids();
    ids.erase(ids.begin() + 4);

    CPerson::NewPerson(-1, -1, nullptr, false, false, 0);  // an islander the store does not hold
    CPerson::taskQueue.clear();
    CPerson::craftQueue.clear();
    CPerson::gameData.lastId = 0;
    CPerson::LoadPeople();

    EXPECT_EQ(Ids(), ids) << "the same islanders in the same order, the delete-flagged one left out";
    EXPECT_EQ(CPerson::NumPeople(), 6) << "the dying islander loads living";
    EXPECT_EQ(CPerson::people[2]->data.energy, 10000);
    EXPECT_EQ(CPerson::gameData.lastId, 7);
    ASSERT_EQ(CPerson::taskQueue.size(), tasks.size());
    EXPECT_EQ(CPerson::people[0]->tasks.size(), tasks.size()) << "every islander copies the loaded list";
    ASSERT_EQ(CPerson::craftQueue.size(), 1u);
    EXPECT_EQ(CPerson::craftQueue[0].topColour.b, 3);
    ASSERT_EQ(CPerson::pickupQueue.size(), 1u);
    EXPECT_EQ(CPerson::pickupQueue[0].islanderId, 5);
    for (size_t i = 0; i < CPerson::people.size(); i++) {
        EXPECT_EQ(CPerson::people[i]->personalZGap, static_cast<int>(i) * 10);
    }

    CPerson::SavePeople();
    EXPECT_EQ(SavedRecords(), saved) << "a second save writes the very same bytes";
    EXPECT_EQ(CPerson::NewPerson(-1, -1, nullptr, false, false, 0)->GetID(), 8) << "ids go on from the last";
}

TEST_F(BandSaveTest, MendsEveryKindOfDamageInALoadedRecord)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[3]);
    const float startX = static_cast<float>(island.GetStartX()), startY = static_cast<float>(island.GetStartY());
    struct damage {
        const char* what;
        void (*spoil)(person_data&);
        bool (*mended)(const person_data&);
    };
    const damage cases[] = {
        {"a seventh voice", [](person_data& r) { r.voice = 6; }, [](const person_data& r) { return r.voice == 5; }},
        {"a third sex", [](person_data& r) { r.gender = -4; }, [](const person_data& r) { return r.gender == 0; }},
        {"a ninth hair style", [](person_data& r) { r.youngHairStyle = 8; },
         [](const person_data& r) { return r.youngHairStyle == 7; }},
        {"a negative garment", [](person_data& r) { r.topStyle = -1; }, [](const person_data& r) { return r.topStyle == 0; }},
        {"a kid colour past the pictures", [](person_data& r) { r.kidBottomColour = 99; },
         [](const person_data& r) { return r.kidBottomColour == 5; }},
        {"an impossible skill", [](person_data& r) { r.skills[4] = 20000; r.skills[5] = -3; },
         [](const person_data& r) { return r.skills[4] == 10000 && r.skills[5] == 0; }},
        {"a flag byte of 7", [](person_data& r) { r.twinsPotion = 7; r.permittedTasks[3] = 200; },
         [](const person_data& r) { return r.twinsPotion == 1 && r.permittedTasks[3] == 1; }},
        {"a need above what play fills and a revival adds", [](person_data& r) { r.energy = 20000; r.food = 40000; },
         [](const person_data& r) { return r.energy == 20000 && r.food == 20000; }},
        {"needs beyond a billion", [](person_data& r) { r.food = -2000000000; r.energy = -10000; },
         [](const person_data& r) { return r.food == -10000 && r.energy == -10000; }},
        {"a name without its end", [](person_data& r) { memset(r.customName, 'x', sizeof r.customName); },
         [](const person_data& r) { return strlen(r.customName) == 11; }},
        {"a name id outside the table", [](person_data& r) { r.nameId = 123; },
         [](const person_data& r) { return r.nameId == 7023; }},
    };
    for (const damage& c : cases) {
        person_data record = IslanderRecord(800, 900, 20 * 172800);
        c.spoil(record);
        CProfile::current->SetVectorValue<person_data>(4, {record});
        CProfile::current->SetVectorValue<task_item>(5, {});
        CProfile::current->SetValue<game_data>(14, game_data{1});
        CProfile::current->SetVectorValue<craft_data>(15, {});
        CProfile::current->SetVectorValue<craft_data>(39, {});
        CPerson::LoadPeople();
        ASSERT_EQ(CPerson::people.size(), 1u) << c.what;
        EXPECT_TRUE(c.mended(CPerson::people[0]->data)) << c.what;
    }

    for (float bad : {-5000.0f, 9000.0f, std::numeric_limits<float>::quiet_NaN()}) {
        person_data record = IslanderRecord(800, 900, 20 * 172800);
        record.y = bad;
        CProfile::current->SetVectorValue<person_data>(4, {record});
        CPerson::LoadPeople();
        EXPECT_EQ(CPerson::people[0]->data.x, startX) << bad;
        EXPECT_EQ(CPerson::people[0]->data.y, startY) << bad;
    }

    CProfile::current->SetVectorValue<task_item>(5, {{2, 1}, {19, 1}, {-1, 1}, {18, 1}});
    person_data record = IslanderRecord(800, 900, 20 * 172800);
    record.id = 9;
    CProfile::current->SetVectorValue<person_data>(4, {record});
    CPerson::LoadPeople();
    ASSERT_EQ(CPerson::taskQueue.size(), 2u) << "tasks that do not exist are dropped";
    EXPECT_EQ(CPerson::taskQueue[1].task, 18);
    EXPECT_EQ(CPerson::gameData.lastId, 9) << "the last id never falls behind an islander's own";
}

TEST_F(BandSaveTest, AnEmptyBandLoadsAsNoIslanders)
{
    Islander(30, 0, 1);
    CPerson::gameData.lastId = 1;
    CPerson::SavePeople();
    delete CPerson::people.back();
    CPerson::SavePeople();
    Islander(30, 0, 2);
    CPerson::LoadPeople();
    EXPECT_TRUE(CPerson::people.empty());
    EXPECT_EQ(CPerson::gameData.lastId, 1);
    EXPECT_EQ(CPerson::sndGrab, nullptr) << "the shared sounds went with the last islander";
}
