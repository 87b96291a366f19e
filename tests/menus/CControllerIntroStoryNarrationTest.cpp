// The story's narration with the narration setting on and off: each panel's
// voice speaks a second into its panel and falls silent when the panel is
// left, the fourth's included, and none speaks with the setting off.
#include "CControllerMainRoad.h"

#include "CSound.h"
#include "NullSound.h"

namespace {

constexpr int kNarration = 66;
constexpr int kDelayFrames = 60;

class IntroStoryNarrationTest : public ScreenRoadTest {
protected:
    void SetUp() override
    {
        ScreenRoadTest::SetUp();
        StartNullSound(folder);
    }

    void TearDown() override
    {
        ScreenRoadTest::TearDown();
        CSound::ShutDown();
    }

    // Which of the four voices are heard, as "1..4" with a dot for a silent one.
    static std::string Speaking(CControllerIntroStory* story)
    {
        std::string heard;
        for (int i = 0; i < 4; i++) {
            CSound* voice = story->narration[i];
            heard += voice->IsPlaying() && !voice->IsFadingOut() ? static_cast<char>('1' + i) : '.';
        }
        return heard;
    }
};

}  // namespace

TEST_F(IntroStoryNarrationTest, EachPanelSpeaksInTurnAndTheLastFallsSilentAtTheQuestion)
{
    for (bool on : {true, false}) {
        SCOPED_TRACE(on ? "narration on" : "narration off");
        CProfile::current->SetValue<bool>(kNarration, on);
        CControllerIntroStory* story = root.Open<CControllerIntroStory>();
        const std::string heard[4] = {"1...", ".2..", "..3.", "...4"};
        for (int panel = 0; panel < 4; panel++) {
            ASSERT_EQ(story->panel, panel);
            for (int frame = 1; frame < kDelayFrames; frame++) {
                CSound::PumpAll();
            }
            EXPECT_EQ(Speaking(story), "....") << "panel " << panel + 1 << " before its second";
            CSound::PumpAll();
            EXPECT_EQ(Speaking(story), on ? heard[panel] : "....") << "panel " << panel + 1;
            ClickAt(100, 100);  // the whole panel
            ClickAt(100, 100);  // on to the next
        }
        ASSERT_NE(story->closingQuestion, nullptr);
        EXPECT_EQ(Speaking(story), "....") << "the closing question is not talked over";
        ClickAt(340, 552);
        Turn();
        ASSERT_EQ(root.child, nullptr);
    }
}

// A panel left on the last frame before its voice: the voice, one frame from
// speaking, is stopped with the panel and never heard over the next panel or
// over the closing question.
TEST_F(IntroStoryNarrationTest, AVoiceOneFrameFromSpeakingIsStoppedWithItsPanel)
{
    CProfile::current->SetValue<bool>(kNarration, true);
    CControllerIntroStory* story = root.Open<CControllerIntroStory>();
    int pumped = 0;  // frames of sound since the panel began
    for (int panel = 0; panel < 4; panel++) {
        SCOPED_TRACE(testing::Message() << "panel " << panel + 1);
        ASSERT_EQ(story->panel, panel);
        for (; pumped < kDelayFrames - 1; pumped++) {
            CSound::PumpAll();
        }
        ASSERT_EQ(Speaking(story), "....");
        ClickAt(100, 100);  // the whole panel
        ClickAt(100, 100);  // on to the next
        CSound::PumpAll();
        pumped = 1;
        EXPECT_EQ(Speaking(story), "....") << "the voice left behind stays silent";
    }
    ASSERT_NE(story->closingQuestion, nullptr);
    ClickAt(340, 552);
    Turn();
    EXPECT_EQ(root.child, nullptr);
}
