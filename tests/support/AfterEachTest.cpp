// Linked into every test program, outside the support library so that the
// linker cannot leave it out: after each test, the sounds the game makes the
// first time it needs them and keeps until shut-down are deleted. One made
// with the sound off has no sound behind it, and a later test that starts the
// sound would otherwise play it.
#include "CControllerGame.h"
#include "CControllerIntroStory.h"
#include "CDust.h"
#include "CSound.h"

#include <gtest/gtest.h>

namespace {

struct ForgetKeptSounds : testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override
    {
        delete CDust::sndObservatory;
        CDust::sndObservatory = nullptr;
        delete CControllerGame::sndWaves;
        CControllerGame::sndWaves = nullptr;
        CControllerIntroStory::DeleteAmbientSounds();
    }
};

const bool registered = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new ForgetKeptSounds);
    return true;
}();

}  // namespace
