#include "CControllerTrophyScreens.h"

#include "CControllerCredits.h"
#include "CControllerInstructions.h"
#include "CSprite.h"
#include "InstructionPages.h"
#include "LayoutCheck.h"

#include <memory>

namespace {

using namespace instruction_pages;

class Instructions : public TrophyScreenTest {
protected:
    void SetUp() override
    {
        TrophyScreenTest::SetUp();
        // What the opener shows under the manual's frame.
        backdrop = std::make_unique<CSprite>(0, 0, 100);
        backdrop->LoadImage("trophies_bg.jpg");
        opener.onHandBack = [this] { screen.reset(); };
        screen = std::make_unique<CControllerInstructions>();
        opener.PassFocus(screen.get());
        PointAt(20, 20);
        Turn();
    }

    void TearDown() override
    {
        screen.reset();
        backdrop.reset();
        TrophyScreenTest::TearDown();
    }

    void Left() { ClickAt(172 + 65, 526 + 25); }
    void Right() { ClickAt(497 + 65, 525 + 25); }

    std::unique_ptr<CSprite> backdrop;
    std::unique_ptr<CControllerInstructions> screen;
};

TEST_F(Instructions, ArrowsWrapRoundAndAPageLeavesNothingOfTheOneBefore)
{
    Left();
    EXPECT_EQ(screen->Page(), 7);
    Right();
    EXPECT_EQ(screen->Page(), 0);
    Right();
    PointAt(20, 20);
    Turn(8);
    const rgb_picture pageOne = Shown();

    // Page 3 has more pictures and fewer captions than page 1.
    Right(), Right();
    ASSERT_EQ(screen->Page(), 3);
    EXPECT_NE(screen->Picture(6), nullptr);
    Left(), Left();
    EXPECT_EQ(screen->Picture(4), nullptr);
    EXPECT_EQ(screen->Caption(11), nullptr);
    PointAt(20, 20);
    Turn(8);
    EXPECT_EQ(Shown().CountDifferences(pageOne), 0);
}

TEST_F(Instructions, EveryPageReadsCleanly)
{
    for (int page = 0; page < CControllerInstructions::kPages; page++) {
        ASSERT_EQ(screen->Page(), page);
        PointAt(20, 20);
        Turn(8);
        for (const std::string& problem : LayoutProblems()) {
            ADD_FAILURE() << "page " << page << ": " << problem;
        }
        Right();
    }
}

TEST_F(Instructions, SideCaptionsKeepToTheirEdgeAndCentreTheirWrittenLines)
{
    const page_data& page = kPageLayouts[0];
    int checked = 0;
    for (int slot = 0; slot < page.captionCount; slot++) {
        const caption_data& caption = page.captions[slot];
        if (caption.rule == 'c') {
            continue;
        }
        CSprite* text = screen->Caption(slot);
        const int written = CSprite::draw->GetBottomEdge(text->GetFirstImage());
        EXPECT_GT(written, 0);
        EXPECT_LT(written, 100) << "the lines, not the box";
        EXPECT_EQ(text->GetY(), caption.y - written / 2) << caption.text;
        EXPECT_EQ(caption.rule == 'l' ? text->GetX() : text->GetX() + text->GetW(), caption.x) << caption.text;
        checked++;
    }
    EXPECT_EQ(checked, 8);
}

TEST_F(Instructions, EscapeOrCloseEndsAndTheNextOpeningIsOnThePageOne)
{
    Right();
    Escape();
    Turn();
    EXPECT_EQ(screen, nullptr);
    screen = std::make_unique<CControllerInstructions>();
    opener.PassFocus(screen.get());
    EXPECT_EQ(screen->Page(), 0);
    ClickAt(330 + 70, 535 + 22);
    EXPECT_EQ(screen, nullptr);
    EXPECT_EQ(opener.handBacks, 2);
}

TEST_F(Instructions, TheCreditsCloseOnTheReleaseOfEscapeOrByTheirButton)
{
    screen.reset();
    auto credits = std::make_unique<CControllerCredits>();
    opener.onHandBack = [&credits] { credits.reset(); };
    opener.PassFocus(credits.get());
    KeyEdge(SDLK_ESCAPE, true);
    Turn();
    ASSERT_NE(credits, nullptr);
    KeyEdge(SDLK_ESCAPE, false);
    Turn();
    EXPECT_EQ(credits, nullptr);
    credits = std::make_unique<CControllerCredits>();
    opener.PassFocus(credits.get());
    ClickAt(330 + 70, 451 + 22);
    EXPECT_EQ(credits, nullptr);
}

struct InstructionScene : TrophyScreenTest {
    InstructionScene() { SetUp(); }
    ~InstructionScene() override { TearDown(); }
    void TestBody() override {}

    // Every page in turn: path names page one's picture, the others follow
    // with their own number.
    int Draw(const std::string& path)
    {
        CControllerInstructions screen;
        opener.PassFocus(&screen);
        int missing = 0;
        for (int page = 0; page < CControllerInstructions::kPages; page++) {
            PointAt(560, 580);
            Turn(8);
            resources.Draw().Flip(false);
            std::string picture = path;
            picture.replace(picture.rfind("Instructions0"), 13, "Instructions" + std::to_string(page));
            missing += screen.Page() != page || !SavePng(Shown(), picture);
            ClickAt(497 + 65, 525 + 25);
        }
        return missing;
    }

    int Credits(const std::string& path)
    {
        CControllerCredits credits;
        opener.PassFocus(&credits);
        PointAt(400, 470);
        Turn(8);
        resources.Draw().Flip(false);
        SavePng(Shown(), path);
        return 0;
    }
};

// Under a real X server, for a person to look at.
TEST(InstructionsOnX, DrawEveryPageAndTheCredits)
{
    ScreenshotOnX("Instructions0-x11.png", [](const std::string& path) { return InstructionScene().Draw(path); });
    ScreenshotOnX("Credits-x11.png", [](const std::string& path) { return InstructionScene().Credits(path); });
}

}  // namespace
