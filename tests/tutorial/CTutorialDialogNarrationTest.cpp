// A step's spoken narration: it starts five frames after its dialog opens
// while narration is on, and the dialog's narration label silences it at
// once when it turns narration off; turned on again it waits for the next
// dialog.
#include "CGuiButtonBase.h"
#include "CSound.h"
#include "CSprite.h"
#include "NullSound.h"
#include "ServicesFixture.h"
#include "TutorialScreen.h"

namespace {

constexpr int kNarration = 66;

class TutorialNarrationTest : public ServicesTest {
protected:
    void SetUp() override
    {
        ServicesTest::SetUp();
        StartNullSound(folder);
    }

    void TearDown() override
    {
        CObject::UnloadAll();
        CGuiButtonBase::currentButton = -1;
        CGuiButtonBase::leftMouseDown = false;
        CSound::ShutDown();
        ServicesTest::TearDown();
    }

    // The dialog's pump seeing the left button go down and up over its
    // narration label.
    void PressNarrationLabel(CTutorialDialog& dialog)
    {
        CSprite* label = dialog.narrationLabel;
        input.mouseX = label->GetX() + label->GetW() / 2;
        input.mouseY = label->GetY() + label->GetH() / 2;
        input.leftDown = true;
        dialog.Pump(0, 0, 1);
        input.leftDown = false;
        dialog.Pump(0, 0, 1);
    }

    // Sound frames until the sound stops, at most limit; limit + 1 if it plays on.
    static int FramesUntilSilent(CSound* sound, int limit)
    {
        for (int frame = 0; frame <= limit; frame++) {
            if (!sound->IsPlaying()) {
                return frame;
            }
            CSound::PumpAll();
        }
        return limit + 1;
    }
};

}  // namespace

TEST_F(TutorialNarrationTest, TheVoiceStartsFiveFramesInAndTheLabelSilencesItWhenItTurnsNarrationOff)
{
    TutorialScreen game(true);
    profile->SetValue<bool>(kNarration, true);
    CTutorialDialog dialog(2, &game);
    ASSERT_NE(dialog.narration, nullptr);
    for (int frame = 1; frame <= 5; frame++) {
        EXPECT_FALSE(dialog.narration->IsPlaying()) << "before frame " << frame;
        CSound::PumpAll();
    }
    ASSERT_TRUE(dialog.narration->IsPlaying());

    PressNarrationLabel(dialog);
    EXPECT_FALSE(profile->GetValue<bool>(kNarration));
    EXPECT_TRUE(dialog.narration->IsFadingOut());
    EXPECT_LE(FramesUntilSilent(dialog.narration, 16), 16) << "a fade of 15 frames";

    PressNarrationLabel(dialog);
    EXPECT_TRUE(profile->GetValue<bool>(kNarration));
    CSound::PumpAll();
    EXPECT_FALSE(dialog.narration->IsPlaying()) << "the current dialog stays silent";
}

TEST_F(TutorialNarrationTest, WithNarrationOffADialogsVoiceNeverStarts)
{
    TutorialScreen game(true);
    profile->SetValue<bool>(kNarration, false);
    CTutorialDialog dialog(2, &game);
    ASSERT_NE(dialog.narration, nullptr);
    EXPECT_EQ(dialog.narration->GetFramesToDelay(), 0);
    for (int frame = 0; frame < 10; frame++) {
        CSound::PumpAll();
    }
    EXPECT_FALSE(dialog.narration->IsPlaying());
}
