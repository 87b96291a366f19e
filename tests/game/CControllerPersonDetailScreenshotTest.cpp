// The islander detail screen over the game screen for an adult, drawn in a real window for a person to look at.
#include "CControllerGameFixture.h"

#include "CControllerPersonDetail.h"
#include "LayoutCheck.h"
#include "Screenshot.h"
#include "tests/game/PictureIslander.h"
#include "tests/islanders/IslanderRecords.h"

namespace {

struct DetailScene : GameScreenTest {
    void TestBody() override {}

    // The number of expected things that did not show.
    int Draw(const std::string& path)
    {
        SetUp();
        Open(kFixedIslandSeeds[3]);
        CProfile::current->SetValue<bool>(67, false);  // no tutorial step over the screen
        PictureIslander* shown = new PictureIslander(4, 30, 1);
        shown->data.skills[2] = 10000;
        shown->data.skills[11] = 4000;
        shown->mentalStrength = 60;
        shown->physicalStrength = 20;
        for (int i = 0; i < 30; i++) {
            Frame();
        }
        CControllerGame::ShowPersonDetail(shown);
        Frame();
        CControllerPersonDetail* detail = CControllerGame::personGUI;
        int missing = detail ? 0 : 1;
        if (detail) {
            missing += detail->portrait ? 0 : 1;
            missing += detail->nameText ? 0 : 1;
            missing += detail->meters[1]->Hidden() ? 1 : 0;
        }
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
        SaveRedrawnScreen(path);
        delete CControllerGame::personGUI;
        CControllerGame::personGUI = nullptr;
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(DetailScreenOnX, AnAdultsDetails)
{
    ScreenshotOnX("person-detail-adult-x11.png", [](const std::string& path) { return DetailScene().Draw(path); });
}

// The screen centres the portrait at a point of its own for each life
// stage; wherever it stands, it stands in one box of the board, with no
// frame line of the board through it.
TEST_F(GameScreenTest, TheDetailScreensPortraitStandsInOneBoxAtEveryLifeStage)
{
    Open(kFixedIslandSeeds[3]);
    CProfile::current->SetValue<bool>(67, false);  // no tutorial step over the screen
    const struct {
        const char* stage;
        int years, gender;
    } stages[] = {{"a man", 30, 0}, {"a woman", 30, 1}, {"a boy", 8, 0}, {"a girl", 8, 1}, {"a baby", 1, 0}};
    for (const auto& [stage, years, gender] : stages) {
        CPerson* islander = new CPerson(IslanderRecord(1400, 1100, years * kYear, gender));
        for (int i = 0; i < 3; i++) {
            Frame();
        }
        CControllerGame::ShowPersonDetail(islander);
        Frame();
        ASSERT_NE(CControllerGame::personGUI, nullptr) << stage;
        CSprite* portrait = CControllerGame::personGUI->portrait;
        ASSERT_NE(portrait, nullptr) << stage;
        EXPECT_GT(portrait->GetH(), 40) << stage << ": a real portrait";
        EXPECT_FALSE(EdgeThroughBox(portrait->GetX(), portrait->GetY(), portrait->GetW(), portrait->GetH(), portrait))
            << stage << " at " << portrait->GetX() << ", " << portrait->GetY() << " (" << portrait->GetW() << " x "
            << portrait->GetH() << ")";
        CControllerGame::personGUI->GUICallback(3, 0);  // back to the island
        for (int i = 0; i < 3 && CControllerGame::personGUI; i++) {
            Frame();
        }
        ASSERT_EQ(CControllerGame::personGUI, nullptr) << stage;
    }
}
