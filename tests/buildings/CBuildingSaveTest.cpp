// Buildings in the profile: the record's layout, a save that loads back to
// the same bytes, a storehouse loaded finished, and damaged records.
#include "tests/buildings/PlainBuilding.h"
#include "CStorehouseFood.h"
#include "CStorehouseRock.h"
#include "CStorehouseWood.h"
#include "tests/buildings/BuildingsFixture.h"

#include <cstring>
#include <limits>

namespace {

std::string Bytes(const std::vector<building_data>& records)
{
    std::string bytes(records.size() * sizeof(building_data), '\0');
    for (size_t i = 0; i < records.size(); i++) {
        ProfileType<building_data>::Encode(records[i], &bytes[i * sizeof(building_data)]);
    }
    return bytes;
}

building_data Record(int type, int variant, int work, int wood, int rock)
{
    building_data record{};
    record.x = 100.0f;
    record.y = 200.0f;
    record.placeX = 220;
    record.placeY = 350;
    record.type = type;
    record.variant = variant;
    record.work = work;
    record.wood = wood;
    record.rock = rock;
    return record;
}

}  // namespace

TEST(BuildingData, KeepsItsFieldsAtTheirSavedOffsets)
{
    building_data record{};
    record.x = 1.5f;
    record.placeX = 0x01020304;
    record.type = 13;
    record.demolishing = 1;
    record.kindFlags[0] = 7;
    record.kindFlags[3] = 9;
    record.kindValues[0] = -2;
    char bytes[56];
    ProfileType<building_data>::Encode(record, bytes);
    const unsigned char expected[][2] = {{0, 0x00}, {2, 0xC0}, {3, 0x3F}, {8, 0x04}, {11, 0x01}, {16, 13},
                                         {36, 1},   {37, 7},    {40, 9},    {41, 0},    {44, 0xFE}, {47, 0xFF}};
    for (const auto& byte : expected) {
        EXPECT_EQ(static_cast<unsigned char>(bytes[byte[0]]), byte[1]) << "offset " << int(byte[0]);
    }
}

TEST_F(BuildingsTest, SavedBuildingsLoadBackToTheSameBytes)
{
    CBuilding* food = new CStorehouseFood(1000, 1000);
    food->AddResource(40, 0);
    food->Build(12345);
    (new CStorehouseRock(1400, 1000))->FinishNow();
    CBuilding* leaving = new CStorehouseWood(1800, 1000);
    leaving->FinishNow();
    leaving->SetBuildingDemolitionState(true);
    leaving->GiveResponse(true);
    leaving->AddResource(-100, 0);
    leaving->AddResource(-99, 1);
    leaving->Build(100000);
    CBuilding* gone = new PlainBuilding(1, 0, 600, 1600);
    gone->SetBuildingDemolitionState(true);
    gone->GiveResponse(true);
    new PlainBuilding(1, 13, 1000, 1600);
    new PlainBuilding(13, 22, 1400, 1600);
    Frame();

    CBuilding::SaveBuildings();
    const std::vector<building_data> first = profile.GetVectorValue<building_data>(6);
    ASSERT_EQ(first.size(), 5u) << "the one with a last rock is kept, the one taken down is not";
    const std::vector<CBuilding*> loaded = CBuilding::LoadBuildings();
    ASSERT_EQ(loaded.size(), 5u);
    EXPECT_EQ(CStorehouseFood::allBuildings.size(), 1u);
    EXPECT_EQ(loaded[0]->GetX(), 1000);
    EXPECT_EQ(loaded[4]->GetVariant(), 22);
    Frame();
    CBuilding::SaveBuildings();
    EXPECT_EQ(Bytes(profile.GetVectorValue<building_data>(6)), Bytes(first));
}

TEST_F(BuildingsTest, AStorehouseLoadedFinishedWorksFromItsFirstFrameWithoutReopeningItsStep)
{
    (new CStorehouseRock(1400, 1000))->FinishNow();
    CBuilding::SaveBuildings();
    CBuilding::LoadBuildings();
    for (int step = 96; step <= 98; step++) {
        SetStep(step, true);
    }
    EXPECT_EQ(Stock()->GetMaxResource(1), 600);
    const size_t siteBoxes = CObject::obstructions.size();
    // A corner that only the finished building's boxes cover.
    const int cornerX = 1400 - 120 + 28, cornerY = 1000 - 150 + 200;
    EXPECT_FALSE(CObject::Collision(cornerX, cornerY, 4, 4, false));
    Frame();
    EXPECT_TRUE(StepDone(96) && StepDone(97) && StepDone(98));
    EXPECT_EQ(Trophies() & 1, 1);
    EXPECT_EQ(CObject::obstructions.size(), siteBoxes);
    EXPECT_TRUE(CObject::Collision(cornerX, cornerY, 4, 4, false)) << "the finished boxes replace the site's";
}

TEST_F(BuildingsTest, DamagedRecordsAreDroppedOrMendedNotFatal)
{
    building_data negative = Record(2, 2, -5, 30, -1);
    // Either coordinate alone out of the numbers loses the building.
    building_data nowhereX = Record(3, 3, 0, 0, 0), nowhereY = Record(4, 4, 0, 0, 0);
    nowhereX.x = std::numeric_limits<float>::quiet_NaN();
    nowhereY.y = std::numeric_limits<float>::infinity();
    profile.SetVectorValue<building_data>(6, {Record(0, 0, 0, 0, 0), Record(14, 2, 0, 0, 0), Record(2, 5, 0, 0, 0),
                                              Record(1, 2, 0, 0, 0), Record(12, 21, 0, 0, 0),
                                              Record(13, 20, 0, 0, 0), negative, nowhereX, nowhereY,
                                              Record(1, 17, 0, 0, 0)});
    const std::vector<CBuilding*> loaded = CBuilding::LoadBuildings();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0]->GetType(), 2);
    EXPECT_EQ(loaded[1]->GetVariant(), 17);
    CBuilding::SaveBuildings();
    const building_data mended = profile.GetVectorValue<building_data>(6).at(0);
    EXPECT_EQ(mended.work, 0);
    EXPECT_EQ(mended.wood, 30);
    EXPECT_EQ(mended.rock, 0);
    EXPECT_NE(LogText().find("Saved buildings: a building of an unknown type or variant was left out: 6"),
              std::string::npos);
    EXPECT_NE(LogText().find("Saved buildings: a building without a usable position was left out: 2"),
              std::string::npos);
}
