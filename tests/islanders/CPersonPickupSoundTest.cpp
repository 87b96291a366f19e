// An islander's sounds on the null output: a grab is heard on every grab,
// however soon after the last; a drop on land only once the last has ended;
// each tool's swing with its own kind of sounds.
#include "CSoundSystem.h"
#include "IslanderFixture.h"
#include "NullSound.h"

#include <cstdlib>
#include <vector>

namespace {

class PickupSoundTest : public IslanderTest {
protected:
    void SetUp() override
    {
        StartNullSound(folder);
        IslanderTest::SetUp();
    }

    void TearDown() override
    {
        IslanderTest::TearDown();
        CSound::ShutDown();
    }

    // The loudest sample of the next tenth of a second of output.
    static int Peak()
    {
        std::vector<int16_t> out(4410 * 2);
        CSound::system->Mix(out.data(), 4410);
        int peak = 0;
        for (int16_t sample : out) {
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        return peak;
    }

    static bool Silent()
    {
        for (int tenth = 0; tenth < 600; tenth++) {
            if (Peak() == 0) {
                return true;
            }
        }
        return false;
    }

    // Lifted, let go of on the spot, and a frame on.
    static void GrabAndDrop(CPerson* person)
    {
        person->Pickup();
        ASSERT_TRUE(person->IsPickedUp());
        person->Drop();
        ASSERT_FALSE(person->IsPickedUp());
        person->Pump(0, 0, 1);
    }
};

}  // namespace

// Stopping what each sound played last leaves the earlier plays sounding:
// the second grab and the grown-up's third cry (its two cries take turns)
// started afresh over them.
TEST_F(PickupSoundTest, AQuickSecondGrabIsHeardAgainOverTheFirst)
{
    CPerson* kid = Islander(8, 0, 1);
    kid->UnHide();
    GrabAndDrop(kid);
    kid->Pickup();
    ASSERT_TRUE(CPerson::sndGrab->IsPlaying());
    CPerson::sndGrab->Stop();
    CPerson::sndDrop->Stop();
    EXPECT_GT(Peak(), 0) << "the first grab still sounds";
    ASSERT_TRUE(Silent());
    kid->Drop();
    CPerson::sndDrop->Stop();

    CPerson* woman = Islander(30, 1, 2);
    woman->UnHide();
    CPerson::sndGrab->SetVolume(0.0f);  // only the cries are heard
    CSound* const* cries = CPerson::sndFemaleHuh[woman->data.voice];
    GrabAndDrop(woman);
    GrabAndDrop(woman);
    woman->Pickup();
    ASSERT_TRUE(cries[0]->IsPlaying());
    cries[0]->Stop();
    cries[1]->Stop();
    CPerson::sndDrop->Stop();
    EXPECT_GT(Peak(), 0) << "the first cry still sounds";
}

// A drop on land while the last drop still sounds is not heard again: with
// that one stopped, nothing sounds.
TEST_F(PickupSoundTest, ADropWhileTheLastOneStillSoundsIsNotPlayedOverIt)
{
    CPerson* kid = Islander(8, 0, 1);
    kid->UnHide();
    CPerson::sndGrab->SetVolume(0.0f);  // only the drops are heard
    GrabAndDrop(kid);
    ASSERT_TRUE(CPerson::sndDrop->IsPlaying());
    EXPECT_GT(Peak(), 0);
    GrabAndDrop(kid);
    ASSERT_TRUE(CPerson::sndDrop->IsPlaying());
    CPerson::sndDrop->Stop();
    EXPECT_EQ(Peak(), 0) << "no second drop sounds under the first";
}

// Each tool's swing is heard with its own kind of sounds: the axe wood, the
// pickaxe rock, the hammer a building's, the hoe the garden's.
TEST_F(PickupSoundTest, EachToolsSwingIsHeardWithItsOwnSounds)
{
    NewMap();  // work is heard from where it is on the island
    CPerson* man = Islander(30, 0, 1);
    man->UnHide();
    // Held, the islander neither walks, works nor tires.
    man->pickedUp = true;
    CObject::rendering = true;
    man->Pump(0, 0, 1);
    CSound* const* kinds[4] = {man->sndHackWood, man->sndHackRock, man->sndHackBuilding, man->sndHackFarm};
    struct swing {
        int state;
        bool hoe;
        int kind;
    };
    for (const swing& s : {swing{2, false, 0}, swing{3, false, 1}, swing{4, false, 2}, swing{0, true, 3}}) {
        for (CSound* const* sounds : kinds) {
            for (int i = 0; i < 5; i++) {
                sounds[i]->Stop();
            }
        }
        man->ChangeState(s.state);
        if (s.hoe) {
            man->bodySet = &man->adultHoe;
        }
        CSprite* body = man->bodySet->entry[man->bodyDirection].sprite;
        body->SetFrame(0);
        int heard[4] = {0, 0, 0, 0};
        for (int frame = 0; frame < 9 * body->GetFramesPerStep() && heard[s.kind] == 0; frame++) {
            man->Pump(0, 0, 1);
            body->Pump();
            for (int kind = 0; kind < 4; kind++) {
                for (int i = 0; i < 5; i++) {
                    heard[kind] += kinds[kind][i]->IsPlaying();
                }
            }
        }
        for (int kind = 0; kind < 4; kind++) {
            EXPECT_EQ(heard[kind] > 0, kind == s.kind) << "state " << s.state << ", sounds of kind " << kind;
        }
    }
    man->pickedUp = false;
}
