#include "CRenderer.h"
#include "IslandSeeds.h"
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

#include <algorithm>

namespace {

constexpr float kEast = 1.570795f;

// Deep water left of landX, grass from it on.
auto ShoreAt(int landX)
{
    return [=](int x, int) { return x >= landX ? 5000 : 0; };
}

// Frames of the waves and, as the renderer would, of their shown sprites.
void Frames(CMap& island, int n)
{
    for (int frame = 0; frame < n; frame++) {
        island.DrawWaves();
        for (wave_struct& wave : island.waves) {
            for (int i = 0; i < WAVE_POINTS; i++) {
                for (CSprite* sprite : {wave.crest[i], wave.spray[i]}) {
                    if (!sprite->Hidden()) {
                        sprite->Pump();
                    }
                }
            }
        }
    }
}

void EffectsOn(bool on)
{
    CProfile::current->SetValue<bool>(7, on);
}

bool WholeScreenRedrawn()
{
    CSprite::renderer->Render(true);
    return std::any_of(CRenderer::dirty.begin(), CRenderer::dirty.end(),
                       [](const PF_Rect& r) { return r.x == 0 && r.y == 0 && r.w == 800 && r.h == 600; });
}

}  // namespace

TEST_F(IslandTest, ACoastWaveWaitsAppearsRollsInBreaksAndStartsAgain)
{
    InitRandom(5);
    CMap& island = Fill(NewMap(), 300, false, ShoreAt(250));
    island.AddWave(30.0f, 150.0f, kEast, 0, 0, 0, 0);
    wave_struct& wave = island.waves[0];
    wave.delay = 3;
    const float_coordinate start = wave.point[50];

    Frames(island, 3);
    EXPECT_EQ(wave.point[50].x, start.x) << "nothing moves while the wave waits";
    Frames(island, 99);
    EXPECT_TRUE(wave.crest[50]->Hidden()) << "the crest rolls unseen while it appears";
    EXPECT_GT(wave.point[50].x, start.x);
    Frames(island, 1);
    EXPECT_FALSE(wave.crest[50]->Hidden()) << "shown on the 100th frame after the wait";

    bool sprayed = false;
    int frame = 103;
    for (; !wave.broken[50] && frame < 400; frame++) {
        Frames(island, 1);
        sprayed = sprayed || std::any_of(std::begin(wave.spray), std::end(wave.spray),
                                         [](CSprite* s) { return !s->Hidden(); });
    }
    ASSERT_TRUE(wave.broken[50]);
    EXPECT_GE(Round(wave.point[50].x), 250) << "a point breaks where it reaches the shallows";
    EXPECT_EQ(wave.crest[50]->GetState(), -1);
    EXPECT_TRUE(sprayed) << "the rolling crest throws spray";

    Frames(island, 3 + 360 - frame);
    EXPECT_TRUE(std::all_of(std::begin(wave.broken), std::end(wave.broken), [](bool b) { return b; }))
        << "at the end of its life every point breaks";
    for (frame = 363; wave.appear != 100 && frame < 600; frame++) {
        Frames(island, 1);
    }
    ASSERT_EQ(wave.appear, 100) << "once the crest has run down the wave starts again";
    EXPECT_EQ(wave.point[50].x, wave.base[50].x);
    EXPECT_FALSE(wave.broken[50]);
    EXPECT_TRUE(wave.crest[50]->Hidden());
}

TEST_F(IslandTest, CrestPointsThatDriftApartArePulledBackIntoStep)
{
    struct drift {
        float gap;  // both axes summed, after the first point's move
        bool pulled;
    };
    const drift cases[] = {{5.0f, false}, {9.5f, false}, {10.5f, true}, {19.0f, true}};
    for (const drift& d : cases) {
        SCOPED_TRACE(d.gap);
        CMap& island = Fill(NewMap(), 300, false, ShoreAt(290));
        island.AddWave(100.0f, 150.0f, kEast, 0, 0, 0, 0);
        wave_struct& wave = island.waves[0];
        wave.delay = 0;
        std::fill(std::begin(wave.damping), std::end(wave.damping), 1.0f);
        std::fill(std::begin(wave.velocityX), std::end(wave.velocityX), 0.0f);
        std::fill(std::begin(wave.velocityY), std::end(wave.velocityY), 0.0f);
        wave.velocityX[0] = 1.0f;
        // The crest runs down the y axis 2.5 pixels a point; the first
        // point is set back so that its step of 1 leaves the gap.
        wave.point[0] = {wave.point[1].x - 1.0f - (d.gap - 2.5f), wave.point[1].y - 2.5f};
        island.DrawWaves();
        EXPECT_FLOAT_EQ(wave.velocityX[1], d.pulled ? 0.5f : 0.0f);
        EXPECT_FLOAT_EQ(wave.velocityX[0], d.pulled ? 0.5f : 1.0f);
    }
}

TEST_F(IslandTest, ACoastWithoutWavesIsScannedOnceUntilTheEffectsGoOffAndOn)
{
    CMap& island = Fill(NewMap(), 300, true, ShoreAt(300));
    island.progress = 0;
    for (int frame = 0; frame < 3; frame++) {
        island.PumpSea();
    }
    EXPECT_EQ(island.progress, 300) << "one scan, column by column";
    EffectsOn(false);
    island.PumpSea();
    EffectsOn(true);
    island.PumpSea();
    island.PumpSea();
    EXPECT_EQ(island.progress, 600);
}

TEST_F(IslandTest, TheEffectsSettingRemovesAndRebuildsTheWavesAndHidesTheFroth)
{
    PreviewOf(kFixedIslandSeeds[0]);
    map->ToggleBig(true);
    CMap& island = *map;
    ASSERT_FALSE(island.waves.empty());
    ASSERT_FALSE(island.froth.empty());
    const size_t waves = island.waves.size();
    island.PumpSea();
    EXPECT_FALSE(island.froth[0].sprite->Hidden());
    EXPECT_EQ(island.froth[0].sprite->GetX(), island.froth[0].x + island.offsetX);
    EffectsOn(false);
    island.PumpSea();
    EXPECT_TRUE(island.waves.empty());
    EXPECT_TRUE(island.froth[0].sprite->Hidden());
    EXPECT_TRUE(WholeScreenRedrawn());
    EffectsOn(true);
    island.PumpSea();
    EXPECT_EQ(island.waves.size(), waves) << "the same coast gives the same waves";
    EXPECT_NE(island.waves[0].crest[0], nullptr);
    island.playable = false;
    island.smallWavesBuilt = true;  // no small-wave scan of the big grid
    island.PumpSea();
    EXPECT_TRUE(island.froth[0].sprite->Hidden()) << "no froth over the chooser";
}

TEST_F(IslandTest, FiveSmallWavesAreKeptRunningOrAsManyAsThereAre)
{
    for (int count : {2, 8}) {
        SCOPED_TRACE(count);
        CMap& island = Fill(NewMap(), 300, false, ShoreAt(290));
        for (int i = 0; i < count; i++) {
            island.AddSmallWave(50.0f, 20.0f + 30.0f * i, kEast, 0, 0, 0, 0);
            island.smallWaves.back().delay = 100;
            island.smallWaves.back().life = 7;
        }
        island.MoveSmallWaves();
        EXPECT_EQ(std::count_if(island.smallWaves.begin(), island.smallWaves.end(),
                                [](const small_wave& w) { return w.life == 150 && w.delay == 0; }),
                  std::min(count, 5))
            << "with none running, the new ones start at once";
    }
}
