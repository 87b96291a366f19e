// The wonders: placed only on open grass, raised, and once finished a
// shower of 30 heaps of their dust that no observatory hears; saved and
// loaded without a second shower; and never a shower from a site torn down
// or from another building's question.
#include "CWonderA.h"
#include "CWonderB.h"
#include "TerrainTiles.h"
#include "tests/life/DustFixture.h"

#include <vector>

namespace {

constexpr int kWonderA = 10, kWonderB = 11;

struct WonderTest : DustTest {
    // The terrain tile under a point looked up as the wonder's ghost does.
    void TileUnder(int sampleX, int sampleY, unsigned int bits) { island->SetTile(sampleX / 32, sampleY / 32, bits); }
};

}  // namespace

TEST_F(WonderTest, AFinishedWonderShowersThirtyHeapsOfItsDustOnceAndNoObservatoryHearsIt)
{
    SoundOn();
    CBuilding* watch = Place(5, 600, 2600);
    watch->FinishNow();
    Frame();
    ASSERT_EQ(CObservatory::numObservatories, 1);

    struct kind {
        int variant, trophy;
        bool stardust;
        CBuilding* wonder;
    };
    // Both sites go down first: the first shower's heaps land at random and
    // could otherwise cover the second site's ground.
    const kind kinds[] = {{kWonderA, 2, true, Place(kWonderA, 1500, 1500)},
                          {kWonderB, 256, false, Place(kWonderB, 2500, 1500)}};
    for (const kind& k : kinds) {
        SCOPED_TRACE(k.variant);
        CBuilding* wonder = k.wonder;
        wonder->FinishNow();

        std::vector<int> fell;
        for (int frame = 1; frame <= 3000 && (fell.size() < 30 || Landed() < static_cast<int>(CDust::dust.size()));
             frame++) {
            const size_t heaps = CDust::dust.size();
            Frame();
            if (CDust::dust.size() > heaps) {
                fell.push_back(frame);
                EXPECT_EQ(CDust::dust.back()->isStardust, k.stardust);
            }
        }
        ASSERT_EQ(fell.size(), 30u);
        EXPECT_EQ(fell[0], 1) << "the first heap falls as it is finished";
        for (size_t i = 1; i < fell.size(); i++) {
            EXPECT_GE(fell[i] - fell[i - 1], 15);
            EXPECT_LE(fell[i] - fell[i - 1], 45);
        }
        EXPECT_TRUE(Trophies() & k.trophy);
        EXPECT_FALSE(Alerting());
        EXPECT_EQ(CDust::dustIgnore, 0);
    }

    // Saved and loaded, the wonders stand finished and shower no more.
    CBuilding::SaveBuildings();
    CBuilding::LoadBuildings();
    const size_t heaps = CDust::dust.size();
    FramesUntil([] { return false; }, 100);
    EXPECT_EQ(CDust::dust.size(), heaps);
    EXPECT_TRUE(CBuilding::buildings[1]->IsInService());
}

TEST_F(WonderTest, AWonderGhostNeedsOpenGrassWithoutSandUnderFivePointsFromTheMouse)
{
    const int mouseX = 1500, mouseY = 1500;
    const coordinate points[5] = {{96, 306}, {160, 306}, {32, 306}, {96, 370}, {96, 274}};
    for (int variant : {kWonderA, kWonderB}) {
        SCOPED_TRACE(variant);
        CBuilding::HoverBuilding(variant);
        MouseAtWorld(mouseX, mouseY);
        Frame();
        EXPECT_EQ(Ghost(), 0);
        for (const coordinate& p : points) {
            for (unsigned int ground : {TILE_GRASS | TILE_HOLDS_GRASS | TILE_HOLDS_SAND, TILE_SHALLOW | TILE_HOLDS_SHALLOW,
                                        TILE_SAND | TILE_HOLDS_SAND | TILE_HOLDS_GRASS}) {
                TileUnder(mouseX + p.x, mouseY + p.y, ground);
                Frame();
                EXPECT_EQ(Ghost(), 1) << p.x << "," << p.y << " on " << ground;
                AllGrass();
            }
        }
        CBuilding::HoverBuilding(-1);
    }
}

TEST_F(WonderTest, OnlyAStandingWonderShowersAndItNeverAnswersAnotherBuildingsQuestion)
{
    // A site torn down before it was finished counts as complete once
    // cleared, yet drops nothing.
    building_data ruin{};
    ruin.type = ruin.variant = kWonderA;
    ruin.x = ruin.y = 1000.0f;
    ruin.placeX = ruin.placeY = 1200;
    ruin.demolishing = 1;
    CWonderA* cleared = new CWonderA(ruin);
    FramesUntil([] { return false; }, 60);
    EXPECT_TRUE(cleared->IsDemolished());
    EXPECT_TRUE(CDust::dust.empty());

    // Asked whether to take it down, the answer no leaves it standing and
    // starts nothing.
    CBuilding* wonder = Place(kWonderB, 2500, 1500);
    wonder->SetBuildingDemolitionState(true);
    ASSERT_EQ(CObject::requestingFeedback, wonder);
    wonder->GiveResponse(false);
    EXPECT_FALSE(wonder->IsBeingDemolished());
    Frame();
    EXPECT_TRUE(CDust::dust.empty());

    // Finished while another building's demolition question waits: the
    // wonder showers by itself and the question still waits for its answer.
    CBuilding* other = Place(5, 600, 2600);
    other->FinishNow();
    Frame();
    other->SetBuildingDemolitionState(true);
    wonder->FinishNow();
    Frame();
    EXPECT_EQ(CDust::dust.size(), 1u);
    EXPECT_TRUE(wonder->IsInService());
    EXPECT_EQ(CObject::requestingFeedback, other);
    EXPECT_TRUE(other->IsInService());
}
