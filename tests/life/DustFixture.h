// The dust heaps' fixture: the buildings' all-grass island, visual effects on,
// and optionally the sound system on its silent output so that the thud, the
// twinkle and the alert can be heard; a frame pumps the world, steps the
// sprites and advances the sounds' fades.
#pragma once

#include "CDust.h"
#include "CObservatory.h"
#include "CRenderer.h"
#include "CSound.h"
#include "NullSound.h"
#include "tests/buildings/BuildingsFixture.h"

#include <functional>

class DustTest : public BuildingsTest {
protected:
    void SetUp() override
    {
        BuildingsTest::SetUp();
        profile.SetValue<bool>(7, true);
        CDust::dustIgnore = 0;
        CControllerGame::lastDustPickup = 0;
    }

    void TearDown() override
    {
        CObject::UnloadAll();
        delete CDust::sndObservatory;
        CDust::sndObservatory = nullptr;
        if (CSound::soundInitialized) {
            CSound::ShutDown();
        }
        BuildingsTest::TearDown();
    }

    // Sounds made with the sound off stay silent, so the ghosts' placing
    // sound is made again.
    void SoundOn()
    {
        CBuilding::DeleteSprites();
        StartNullSound(folder);
        CBuilding::InitSprites();
    }

    // With the island's scroll, which a test may move.
    static void Frame()
    {
        CObject::MoveObjects(CControllerGame::island->offsetX, CControllerGame::island->offsetY, 1);
        CSprite::renderer->Render(false);
        CSound::PumpAll();
    }

    // Frames until done() holds, counting the one that made it hold; -1 when
    // it does not within limit.
    static int FramesUntil(const std::function<bool()>& done, int limit)
    {
        for (int frame = 1; frame <= limit; frame++) {
            Frame();
            if (done()) {
                return frame;
            }
        }
        return -1;
    }

    // Puts down the variant at the world point through the ghost, as the player does.
    CBuilding* Place(int variant, int x, int y)
    {
        CBuilding::HoverBuilding(variant);
        MouseAtWorld(x, y);
        Frame();
        EXPECT_EQ(Ghost(), 0);
        CBuilding::MouseClick();
        return CBuilding::buildings.back();
    }

    static int Landed()
    {
        int landed = 0;
        for (CDust* heap : CDust::dust) {
            landed += heap->landed;
        }
        return landed;
    }

    static int ShownParticles(CDust* heap)
    {
        int shown = 0;
        for (int i = 0; i < CDust::SPARKLES; i++) {
            shown += !heap->sparkles[i]->Hidden();
            shown += !heap->glitters[i]->Hidden();
        }
        return shown;
    }

    static int CountObstructions(CObject* owner)
    {
        return static_cast<int>(std::count_if(CObject::obstructions.begin(), CObject::obstructions.end(),
                                              [owner](const obstruction_type& o) { return o.owner == owner; }));
    }

    static bool Alerting() { return CDust::sndObservatory && CDust::sndObservatory->IsPlaying(); }
};
