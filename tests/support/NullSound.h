// Sound switched on with the null output and the game's sounds preloaded, so
// that tests can hear what plays without a sound card.
#pragma once

#include "CSound.h"
#include "CSoundSystem.h"
#include "SoundLayer.h"
#include "TempFolder.h"
#include "TestBytes.h"

#include <gtest/gtest.h>

inline void StartNullSound(TempFolder& folder)
{
    folder.Write("userdata/SOUNDv8.DAT", Word32(SOUND_OUTPUT_NOSOUND) + Word32(0));
    CSound::Initialize(true);
    ASSERT_TRUE(CSound::soundInitialized);
    CSound::system->SetPullMixing(true);
    CSound::Preload(0, [](int) {});
}
