// A saved building flagged as coming down with nothing left to take down is
// gone in all but its record: it is left out at loading, each one named in
// the log, rather than vanishing at the next save without a word.
#include "tests/buildings/BuildingsFixture.h"

namespace {

building_data ComingDown(int type, int variant, float x, float y, int work, int wood, int rock)
{
    building_data record{};
    record.x = x;
    record.y = y;
    record.placeX = static_cast<int>(x) + 100;
    record.placeY = static_cast<int>(y) + 100;
    record.type = type;
    record.variant = variant;
    record.work = work;
    record.wood = wood;
    record.rock = rock;
    record.demolishing = 1;
    return record;
}

}  // namespace

TEST_F(BuildingsTest, SitesTakenDownAlreadyAreLeftOutEachWithALogLine)
{
    std::remove("LOG.TXT");
    building_data standing = ComingDown(2, 2, 1400.0f, 1000.0f, 0, 0, 0);
    standing.demolishing = 0;
    profile.SetVectorValue<building_data>(
        6, {ComingDown(1, 0, 600.0f, 1600.0f, 0, 0, 0), ComingDown(1, 0, 1000.0f, 1600.0f, 0, 0, 1),
            ComingDown(4, 4, 1800.0f, 1000.0f, -3, 0, 0), ComingDown(1, 1, 600.0f, 600.0f, 4, 0, 0), standing});
    const std::vector<CBuilding*> loaded = CBuilding::LoadBuildings();
    ASSERT_EQ(loaded.size(), 3u) << "a last rock or work still to undo keeps a site";
    const std::string log = LogText();
    EXPECT_NE(log.find("A saved building of type 1 at 600, 1600 was taken down already; it was left out"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("A saved building of type 4 at 1800, 1000 was taken down already; it was left out"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("at 1000, 1600"), std::string::npos);
    Frame();
    CBuilding::SaveBuildings();
    EXPECT_EQ(profile.GetVectorValue<building_data>(6).size(), 3u) << "what loaded is what the next save keeps";
}
