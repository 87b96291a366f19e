// The ending's narration with the narration setting on and off: it speaks ten
// frames after the page opens only when the setting asks for it.
#include "CControllerMainRoad.h"

#include "CControllerEndStory.h"
#include "CSound.h"
#include "NullSound.h"

namespace {

constexpr int kNarration = 66;

class EndStoryNarrationTest : public ScreenRoadTest {
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
};

}  // namespace

TEST_F(EndStoryNarrationTest, SpeaksTenFramesInWithNarrationOnAndNeverWithItOff)
{
    for (bool on : {true, false}) {
        SCOPED_TRACE(on ? "narration on" : "narration off");
        CProfile::current->SetValue<bool>(kNarration, on);
        CControllerEndStory* story = root.Open<CControllerEndStory>();
        ASSERT_NE(story->narration, nullptr);
        for (int frame = 1; frame <= 10; frame++) {
            EXPECT_FALSE(story->narration->IsPlaying()) << "before frame " << frame;
            CSound::PumpAll();
        }
        EXPECT_EQ(story->narration->IsPlaying(), on);
        Key(SDLK_ESCAPE);
        Turn();
        ASSERT_EQ(root.child, nullptr) << "the page closes at once";
    }
}
