// The 23 variants of the build menu: each saved one comes back as its kind,
// and each has its pictures for the stages of its construction.
#include "BuildingClasses.h"
#include "tests/buildings/BuildingsFixture.h"

#include <string>
#include <vector>

namespace {

constexpr int kHut = 1;

// The kind of each variant: the huts, the kinds 2 to 11 under their own
// numbers, the roofed huts, the garden and the ship facing either way.
constexpr int kTypeOfVariant[CBuilding::VARIANTS] = {1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
                                                     1, 1, 1, 1, 1, 1, 1, 1, 12, 13, 13};

TEST_F(BuildingsTest, EverySavedVariantComesBackAsItsKind)
{
    std::vector<building_data> records;
    for (int variant = 0; variant < CBuilding::VARIANTS; variant++) {
        building_data record{};
        record.x = record.y = 1000.0f;
        record.placeX = record.placeY = 1100;
        record.type = kTypeOfVariant[variant];
        record.variant = variant;
        records.push_back(record);
    }
    for (int variant : {-1, CBuilding::VARIANTS}) {
        building_data record = records[0];
        record.variant = variant;
        records.push_back(record);
    }
    profile.SetVectorValue<building_data>(6, records);
    const std::vector<CBuilding*> loaded = CBuilding::LoadBuildings();
    ASSERT_EQ(loaded.size(), static_cast<size_t>(CBuilding::VARIANTS)) << "only the two past the ends are left out";
    for (int variant = 0; variant < CBuilding::VARIANTS; variant++) {
        EXPECT_EQ(loaded[variant]->GetVariant(), variant);
        EXPECT_EQ(loaded[variant]->GetType(), kTypeOfVariant[variant]) << variant;
        EXPECT_EQ(loaded[variant]->isHut, kTypeOfVariant[variant] == kHut) << variant;
    }
}

// The pictures the island's map, its preview and the placement ghosts take
// for a variant at each stage, 4 being the finished building: even huts are
// small, odd ones large, all huts rise through the same four stages.
TEST(CBuilding, EveryVariantHasItsOwnPictureAtEveryStage)
{
    const auto staged = [](const std::string& stem) {
        std::vector<std::string> names;
        for (int stage = 0; stage < 5; stage++) {
            names.push_back(stem + "_style0_construct" + std::to_string(stage) + ".png");
        }
        return names;
    };
    const auto still = [](const std::string& building, const std::string& finished) {
        return std::vector<std::string>{building, building, building, building, finished};
    };
    const std::vector<std::string> small = staged("hut");
    std::vector<std::string> large = small;
    large[4] = "hut_style1_construct4.png";
    const std::vector<std::string> pictures[CBuilding::VARIANTS] = {
        small,
        large,
        staged("storehouse_food"),
        staged("storehouse_rock"),
        staged("storehouse_wood"),
        staged("observatory"),
        staged("craftworks"),
        staged("science"),
        staged("shipyard"),
        still("fireplace_style0_construct0.png", "fireplace_style0_construct0.png"),
        staged("wonderA"),
        staged("wonderB"),
        small, large, small, large, small, large, small, large,
        still("farm_style0_construct0.png", "farm_style0_construct0.png"),
        still("boat_right0.png", "boat_right1.png"),
        still("boat_left0.png", "boat_left1.png"),
    };
    for (int variant = 0; variant < CBuilding::VARIANTS; variant++) {
        for (int stage = 0; stage < 5; stage++) {
            EXPECT_EQ(CBuilding::GetBuildingFilename(variant, stage), pictures[variant][stage])
                << "variant " << variant << ", stage " << stage;
        }
    }
    for (int variant : {-1, CBuilding::VARIANTS}) {
        EXPECT_EQ(CBuilding::GetBuildingFilename(variant, 4), "COULD NOT FIND FILENAME FOR GIVEN BUILDING VARIANT.");
    }
}

}  // namespace
