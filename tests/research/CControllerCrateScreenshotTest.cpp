// The crate screen under a real X server, for a person to look at: a
// question with its opener beside the crate, and a master's journal in its
// yellow mist with the sparkles about.
#include "tests/game/CControllerGameFixture.h"

#include "CControllerCrate.h"
#include "CCrateBarrel.h"
#include "CPerson.h"
#include "CRenderer.h"
#include "Screenshot.h"
#include "tests/islanders/IslanderRecords.h"

namespace {

struct CrateScenes : GameScreenTest {
    CrateScenes() { SetUp(); }
    ~CrateScenes() override
    {
        CCrateBarrel::pickedUp = nullptr;
        TearDown();
    }
    void TestBody() override {}

    // 1 when a part of the scene is missing.
    int Show(const std::string& path, const feedback_data& request, int turns)
    {
        CCrateBarrel::pickedUp = new CPerson(IslanderRecord(300, 300, 30 * 172800, 1));
        CControllerCrate crate(request);
        opener.PassFocus(&crate);
        for (int i = 0; i < turns; i++) {
            CController::PumpFocus();
            resources.Renderer().Render(true);
        }
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
        CController::focus = nullptr;
        return crate.portrait == nullptr || crate.okayButton == nullptr;
    }

    static feedback_data Request(int id, int tier, bool notice)
    {
        feedback_data request{};
        request.id = id;
        request.insert[0] = "Mara";
        request.insert[1] = "24100";
        request.insert[2] = "24102";
        request.crate = 1;
        request.number = 1;
        request.noticeOnly = notice ? 1 : 0;
        request.crateTier = tier;
        return request;
    }
};

TEST(CrateScreenOnX, DrawsTheQuestionAndAMastersJournalInItsMist)
{
    ScreenshotOnX("CrateQuestion-x11.png", [](const std::string& path) {
        return CrateScenes().Show(path, CrateScenes::Request(24163, 1, false), 3);
    });
    ScreenshotOnX("CrateMist-x11.png", [](const std::string& path) {
        return CrateScenes().Show(path, CrateScenes::Request(24195, 2, true), 30);
    });
}

}  // namespace
