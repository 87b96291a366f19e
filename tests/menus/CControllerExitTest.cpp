#include "CControllerTrophyScreens.h"

#include "CControllerExit.h"
#include "CSprite.h"
#include "Utilities.h"

#include <memory>

namespace {

class QuitDialog : public TrophyScreenTest {
protected:
    void SetUp() override
    {
        TrophyScreenTest::SetUp();
        opener.onHandBack = [this] {
            answer = dialog->result;
            dialog.reset();
        };
    }

    void TearDown() override
    {
        dialog.reset();
        CControllerExit::ForgetPerson();
        resources.Draw().Rendering(true);
        resources.Draw().skipFrames = 0;
        TrophyScreenTest::TearDown();
    }

    void Open(bool male, const char* name)
    {
        CControllerExit::SetPerson(CSprite::draw->LoadImage("crateGUI_blank.jpg", true, true), male, name);
        InitRandom(5);
        dialog = std::make_unique<CControllerExit>();
        opener.PassFocus(dialog.get());
    }

    std::unique_ptr<CControllerExit> dialog;
    int answer = -1;
};

TEST_F(QuitDialog, EscapeAndCancelStayAndOkayQuitsPresentingNothingMore)
{
    Open(true, "Ana");
    Escape();
    Turn();
    EXPECT_EQ(answer, 0);
    Open(true, "Ana");
    ClickAt(236 + 75, 428 + 25);
    EXPECT_EQ(answer, 0);
    EXPECT_EQ(resources.Draw().skipFrames, 0);

    Open(true, "Ana");
    ClickAt(403 + 75, 429 + 25);
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(opener.handBacks, 3);
    EXPECT_EQ(resources.Draw().skipFrames, 1) << "the frame drawn while closing is not presented";
}

TEST_F(QuitDialog, AFemaleIslanderSitsApartAndANameIsNeverAFormat)
{
    Open(true, "Ana");
    EXPECT_EQ(dialog->Portrait()->GetX(), 381);
    EXPECT_EQ(dialog->Portrait()->GetY(), 183);
    // The name is text, never a format.
    Open(false, "Ana %s%x 100%");
    EXPECT_EQ(dialog->Portrait()->GetX(), 371);
    EXPECT_EQ(dialog->Portrait()->GetY(), 175);
    EXPECT_GT(dialog->FirstLine()->GetW(), 0);
}

TEST_F(QuitDialog, AsksEachOfItsTenLinesWithTheIslandersName)
{
    for (int id = 53100; id <= 53109; id++) {
        // A seed whose first draw is this line.
        unsigned int seed = 0;
        do {
            InitRandom(++seed);
        } while (RangedRandom(53100, 53109) != id);
        CControllerExit::SetPerson(-1, true, "Ana");
        InitRandom(seed);
        dialog = std::make_unique<CControllerExit>();
        CSprite line(0);
        int lines = 0;
        line.LoadTextShadow(id, 300, 200, 3, lines, 41, 35, 28, "Ana", nullptr, nullptr, nullptr, nullptr);
        const rgb_picture shown = PictureOf(CSprite::draw->GetSurface(dialog->FirstLine()->GetImage(0)));
        EXPECT_EQ(shown.CountDifferences(PictureOf(CSprite::draw->GetSurface(line.GetImage(0)))), 0) << id;
        dialog.reset();
    }
}

TEST(QuitDialogPerson, ALongNameIsCutToFitAndANewPortraitReleasesTheOldOne)
{
    const std::string longName(200, 'n');
    CControllerExit::SetPerson(-1, true, longName.c_str());
    EXPECT_EQ(std::string(CControllerExit::personName), longName.substr(0, CControllerExit::kNameSize - 1));
    CControllerExit::SetPerson(-1, false, nullptr);
    EXPECT_STREQ(CControllerExit::personName, "");
    EXPECT_FALSE(CControllerExit::personGender);
}

struct QuitScene : TrophyScreenTest {
    QuitScene() { SetUp(); }
    ~QuitScene() override
    {
        CControllerExit::ForgetPerson();
        TearDown();
    }
    void TestBody() override {}

    int Draw(const std::string& path)
    {
        CSprite backdrop(0, 0, 100);
        backdrop.LoadImage("credits_mainB.jpg");
        CControllerExit::SetPerson(CSprite::draw->LoadImage("crateGUI_blank.jpg", true, true), false, "Mira");
        CControllerExit dialog;
        opener.PassFocus(&dialog);
        PointAt(480, 450);
        Turn(8);
        resources.Draw().Flip(false);
        SavePng(Shown(), path);
        return dialog.Portrait() == nullptr;
    }
};

// Under a real X server, for a person to look at.
TEST(QuitDialogOnX, DrawsTheIslanderAsking)
{
    ScreenshotOnX("QuitDialog-x11.png", [](const std::string& path) { return QuitScene().Draw(path); });
}

}  // namespace
