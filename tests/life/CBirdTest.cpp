#include "BirdColours.h"
#include "CBird.h"
#include "CDraw.h"
#include "CPerson.h"
#include "CSound.h"
#include "CSoundSystem.h"
#include "CSprite.h"
#include "NullSound.h"
#include "SeaLifeFixture.h"
#include "SoundLayer.h"
#include "Utilities.h"
#include "tests/islanders/IslanderRecords.h"

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr unsigned int kGrass = 0x200 | 16;

RGBA_data PixelOf(int id, int x, int y)
{
    SDL_Surface* surface = CSprite::draw->GetSurface(id);
    Uint8 r, g, b, a;
    SDL_LockSurface(surface);
    const Uint32 pixel = static_cast<Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
    SDL_UnlockSurface(surface);
    SDL_GetRGBA(pixel, surface->format, &r, &g, &b, &a);
    return {r, g, b, a};
}

bool Same(RGBA_data a, RGBA_data b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// A visible standing bird at world (x, y).
std::unique_ptr<CBird> StandingAt(int x, int y)
{
    auto bird = std::make_unique<CBird>();
    bird->x = bird->footX = static_cast<float>(x);
    bird->y = bird->footY = static_cast<float>(y);
    bird->hidden = false;
    bird->waiting = false;
    bird->poseTimer = 1000;
    return bird;
}

// With the sound system on its silent output, advanced only when a test
// mixes, so that how long a flap has played is exact.
class BirdSoundTest : public SeaLifeTest {
protected:
    void SetUp() override
    {
        SeaLifeTest::SetUp();
        StartNullSound(folder);
    }

    void TearDown() override
    {
        CObject::UnloadAll();
        if (CSound::soundInitialized) {
            CSound::ShutDown();
        }
        SeaLifeTest::TearDown();
    }

    static void Play(int milliseconds)
    {
        std::vector<int16_t> out(static_cast<size_t>(SOUND_OUTPUT_RATE) * milliseconds / 1000 * 2);
        CSound::system->Mix(out.data(), static_cast<int>(out.size() / 2));
    }
};

}  // namespace

TEST_F(BirdSoundTest, AClickSendsTheFlockOffAndABirdStillFlappingIsNotStartedAgain)
{
    TiledIsland([](int, int) { return kGrass; }, 4000);
    CBird::LoadBirds();
    CBird* flapping = CBird::bird[0];
    flapping->flapSound->Play(false, 0, 0.0f, false);
    Play(150);
    ASSERT_TRUE(flapping->flapSound->IsPlaying());

    CBird::bird[5]->Clicked();
    for (CBird* one : CBird::bird) {
        EXPECT_TRUE(one->flyingAway);
        EXPECT_TRUE(one->flapSound->IsPlaying());
    }
    // The flap lasts 200 ms: one started afresh by the click would still sound.
    Play(100);
    EXPECT_FALSE(flapping->flapSound->IsPlaying()) << "the playing flap went on, not over";
    for (int i = 1; i < CBird::BIRDS; i++) {
        EXPECT_TRUE(CBird::bird[i]->flapSound->IsPlaying()) << "bird " << i;
    }
}

TEST_F(SeaLifeTest, EachLayerTakesTheColourOfTheBirdsSetWhileTheSharedLayersStayGrey)
{
    CDraw* draw = CSprite::draw;
    // Each shared layer painted in a band of its own fixed colour, clear elsewhere.
    struct layer {
        const char* name;
        RGBA_data colour;
        int band;
    };
    std::vector<int> held;
    for (const char* side : {"left", "right"}) {
        const std::string names[] = {TempSprintf("bird_%s_stand_body_color.png", side),
                                     TempSprintf("bird_%s_stand_color_headtail.png", side),
                                     TempSprintf("bird_%s_stand_color_wing.png", side),
                                     TempSprintf("bird_%s_stand_line_0.png", side)};
        const layer layers[] = {{names[0].c_str(), kBirdBodyGrey, 0},
                                {names[1].c_str(), kBirdHeadGrey, 6},
                                {names[2].c_str(), kBirdWingWhite, 12},
                                {names[3].c_str(), {0, 0, 0, 255}, 18}};
        for (const layer& l : layers) {
            const int id = draw->LoadImage(l.name, false, true);
            SDL_FillRect(draw->GetSurface(id), nullptr, 0);
            draw->ColourFill(id, l.colour, 0, l.band, 20, 6);
            held.push_back(id);
        }
    }

    InitRandom(5);
    std::vector<std::unique_ptr<CBird>> flock;
    for (int i = 0; i < 8; i++) {
        flock.push_back(std::make_unique<CBird>());
        const int composed = flock.back()->standingSprite->GetImage(0);
        const RGBA_data body = PixelOf(composed, 5, 2);
        const RGBA_data head = PixelOf(composed, 5, 8);
        const RGBA_data wings = PixelOf(composed, 5, 14);
        bool matched = false;
        for (const bird_colours& set : kBirdColoursA) {
            matched = matched || (Same(body, set.body) && Same(head, set.headTail) && Same(wings, set.wings));
        }
        for (const bird_colours& set : kBirdColoursB) {
            matched = matched || (Same(body, set.body) && Same(head, set.headTail) && Same(wings, set.wings));
        }
        EXPECT_TRUE(matched) << "bird " << i << " body " << int(body.r) << "," << int(body.g) << "," << int(body.b);
        EXPECT_TRUE(Same(PixelOf(composed, 5, 20), {0, 0, 0, 255})) << "the outline lies on top unchanged";
    }
    for (size_t i = 0; i < held.size(); i++) {
        const RGBA_data fixed[] = {kBirdBodyGrey, kBirdHeadGrey, kBirdWingWhite, {0, 0, 0, 255}};
        EXPECT_TRUE(Same(PixelOf(held[i], 5, 6 * (i % 4) + 2), fixed[i % 4])) << "shared layer " << i;
        draw->RemoveImage(held[i]);
    }
}

TEST_F(SeaLifeTest, OneScaredBirdSendsTheFlockOffAndEachComesBackUnseen)
{
    TiledIsland([](int, int) { return kGrass; }, 4000);
    InitRandom(12);
    CBird::LoadBirds();
    CBird::LoadBirds();
    const int next = GetRandom();
    int birds = 0;
    for (CObject* object : CObject::objects) {
        birds += dynamic_cast<CBird*>(object) != nullptr;
    }
    EXPECT_EQ(birds, CBird::BIRDS) << "the second flock replaced the first";
    for (CBird* one : CBird::bird) {
        ASSERT_NE(one, nullptr);
        one->hidden = false;
        EXPECT_TRUE(one->waiting);
        EXPECT_FALSE(one->lost);
    }
    CObject::UnloadAll();
    InitRandom(12);
    CBird::LoadBirds();
    CBird::LoadBirds();
    EXPECT_EQ(GetRandom(), next) << "the clock-seeded searches leave the sequence as it was";

    // One bird in view scared by a walker; a carried islander first does nothing.
    CBird* scared = CBird::bird[0];
    scared->hidden = false;
    scared->waiting = false;
    scared->x = 400;
    scared->y = 300;
    CPerson walker(IslanderRecord(400, 300 - 20 + 79, 0));
    walker.pickedUp = true;
    scared->Pump(0, 0, 1);
    EXPECT_FALSE(scared->flyingAway);
    walker.pickedUp = false;
    scared->Pump(0, 0, 1);
    for (CBird* one : CBird::bird) {
        EXPECT_TRUE(one->flyingAway);
    }

    // The flight: 9 across and 6 up a frame, then a new spot, unseen.
    CBird* flier = CBird::bird[1];
    flier->x = 4100;
    flier->y = 1000;
    const float step = flier->facesLeft ? -9.0f : 9.0f;
    flier->Pump(-5000, -5000, 1);
    EXPECT_FLOAT_EQ(flier->x, 4100 + step);
    EXPECT_FLOAT_EQ(flier->y, 994);
    EXPECT_EQ(flier->current, flier->flyingSprite);
    flier->facesLeft = false;
    for (int frame = 0; frame < 10; frame++) {
        flier->Pump(-5000, -5000, 1);
    }
    EXPECT_FALSE(flier->flyingAway) << "placed anew beyond x 4147";
    EXPECT_TRUE(flier->waiting);
    EXPECT_LT(flier->x, 4147);
}

TEST_F(SeaLifeTest, ABirdPlacedInViewWaitsAndAHiddenOneNeitherShowsNorScares)
{
    TiledIsland([](int, int) { return kGrass; }, 4000);
    auto bird = StandingAt(400, 300);
    bird->waiting = true;
    bird->Pump(0, 0, 1);
    EXPECT_TRUE(bird->current->Hidden());
    bird->Pump(-5000, -5000, 1);
    EXPECT_FALSE(bird->waiting);
    bird->Pump(0, 0, 1);
    EXPECT_FALSE(bird->current->Hidden());

    bird->Hide();
    CPerson walker(IslanderRecord(400, 300, 0));
    bird->Pump(0, 0, 1);
    EXPECT_TRUE(bird->current->Hidden());
    EXPECT_FALSE(bird->flyingAway);
}

TEST_F(SeaLifeTest, WithoutGrassBirdsStayHiddenAndEmptySlotsArePassedOver)
{
    TiledIsland([](int, int) { return 1u; }, 0);
    CBird::LoadBirds();
    for (CBird* one : CBird::bird) {
        ASSERT_NE(one, nullptr);
        EXPECT_TRUE(one->lost);
    }
    EXPECT_NE(Log().find("A bird found no free grass"), std::string::npos);
    delete CBird::bird[2];
    EXPECT_EQ(CBird::bird[2], nullptr);
    CBird::FlyAway();
    CObject::MoveObjects(0, 0, 1);
    for (CBird* one : CBird::bird) {
        EXPECT_TRUE(!one || one->current->Hidden());
    }
    CObject::UnloadAll();
    CBird::FlyAway();  // every slot empty
}
