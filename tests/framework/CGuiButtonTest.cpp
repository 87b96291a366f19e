#include "CGuiButton.h"
#include "CGuiTestFixture.h"

#include "CDraw.h"
#include "CSprite.h"
#include "Screenshot.h"

#include <SDL.h>

#include <string>

namespace {

class CGuiButtonTest : public WidgetTest {
protected:
    // Pixels drawn in a screen rectangle, over the black of an empty screen.
    int InkIn(int x, int y, int w, int h)
    {
        const rgb_picture shown = PictureOf(SDL_GetVideoSurface());
        int ink = 0;
        for (int row = y; row < y + h; row++) {
            for (int column = x; column < x + w; column++) {
                const uint8_t* p = &shown.rgb[(static_cast<size_t>(row) * shown.w + column) * 3];
                ink += p[0] || p[1] || p[2];
            }
        }
        return ink;
    }

    std::string ImageName(CSprite* sprite, int i) { return resources.Draw().GetImageName(sprite->GetImage(i)); }
};

}  // namespace

TEST_F(CGuiButtonTest, NamesItsRolloverFramesFromThePatternOrTakesTheOneName)
{
    button_data record = Face(100, 100, 1, &screen);
    record.rolloverFrames = 4;
    CGuiButton four(record);
    record.rolloverFrames = 1;
    record.rolloverImage = "wt_roll3.png";
    CGuiButton one(record);
    ASSERT_EQ(four.GetButtonRolloverSprite()->GetNumImages(), 4);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(ImageName(four.GetButtonRolloverSprite(), i), "wt_roll" + std::to_string(i + 1) + ".png");
    }
    ASSERT_EQ(one.GetButtonRolloverSprite()->GetNumImages(), 1);
    EXPECT_EQ(ImageName(one.GetButtonRolloverSprite(), 0), "wt_roll3.png");
}

TEST_F(CGuiButtonTest, PlaysItsRolloverOnceWhileHoveredAndBackWhenLeft)
{
    CGuiButton button(Face(100, 100, 1, &screen));
    CSprite* rollover = button.GetButtonRolloverSprite();
    MouseAt(150, 120);
    Frame(12);
    EXPECT_TRUE(button.GetButtonSprite()->Hidden());
    EXPECT_EQ(rollover->GetFrame(), 4u);
    EXPECT_TRUE(rollover->Paused()) << "held on its last frame";
    MouseAt(105, 105);  // the transparent corner
    Frame(3);
    EXPECT_EQ(rollover->GetState(), -1);
    EXPECT_LT(rollover->GetFrame(), 4u);
    Frame(12);
    EXPECT_TRUE(rollover->Hidden());
    EXPECT_FALSE(button.GetButtonSprite()->Hidden());
}

TEST_F(CGuiButtonTest, AHeldFaceWithoutAPressedLookSinksByTwoAndComesBack)
{
    button_data record = Face(100, 100, 1, &screen);
    record.textId = -1;
    record.iconA = new CSprite(23000010);
    record.iconA->LoadImage("wt_icon0.png");
    CGuiButton button(record);
    CSprite* rollover = button.GetButtonRolloverSprite();
    MouseAt(150, 120);
    Frame();
    EXPECT_EQ(record.iconA->GetX(), 100 + 50 - 10 - 1);
    Left(false);
    Frame();
    EXPECT_TRUE(button.IsHeldDown());
    EXPECT_EQ(rollover->GetX(), 102);
    EXPECT_EQ(rollover->GetY(), 102);
    EXPECT_EQ(record.iconA->GetX(), 100 + 50 - 10 + 1);
    EXPECT_EQ(record.iconA->GetY(), 100 + 20 - 5 + 1);
    Left(true);
    Frame();
    EXPECT_FALSE(button.IsHeldDown());
    EXPECT_EQ(rollover->GetX(), 100);
    EXPECT_EQ(record.iconA->GetX(), 100 + 50 - 10 - 1);
}

TEST_F(CGuiButtonTest, APressedLookLeftWhileHeldRunsItsRolloverBackToTheBase)
{
    button_data record = Face(100, 100, 1, &screen);
    record.pressedImage = "wt_press%i.png";
    CGuiButton button(record);
    MouseAt(150, 120);
    Frame();
    Left(false);
    Frame(4);
    EXPECT_TRUE(button.GetButtonRolloverSprite()->Hidden());
    EXPECT_TRUE(button.IsMouseOver()) << "the pressed look keeps the hover";
    MouseAt(10, 10);
    Frame(3);
    EXPECT_TRUE(button.GetButtonRolloverSprite()->Hidden());
    EXPECT_FALSE(button.GetButtonSprite()->Hidden());
}

TEST_F(CGuiButtonTest, AFixedHitRectangleReplacesThePixelTest)
{
    CGuiButton button(Face(100, 100, 1, &screen));
    MouseAt(103, 103);  // transparent in every face
    Frame();
    EXPECT_FALSE(button.IsMouseOver());
    button.AlterMouseoverRect(100, 100, 10, 10);
    Frame(3);
    EXPECT_TRUE(button.GetButtonSprite()->Hidden()) << "the base gives way to the rollover";
    EXPECT_TRUE(button.IsMouseOver());
    button.AlterMouseoverRect(-1, 0, 0, 0);
    EXPECT_FALSE(button.IsMouseOver());
}

TEST_F(CGuiButtonTest, RedisplayPutsEverySpriteBackWithTheShadowStillOffset)
{
    button_data record = Face(100, 100, 1, &screen);
    record.shadowOffsetX = 4;
    record.shadowOffsetY = 6;
    record.checkBox = true;
    record.checkBoxOffsetX = 25;
    CGuiButton button(record);
    button.x = 300;
    button.y = 50;
    button.Redisplay();
    Frame();
    EXPECT_EQ(button.GetButtonSprite()->GetX(), 300);
    EXPECT_EQ(InkIn(300 + kFaceW, 56, 4, 34), 4 * 34) << "the shadow's edge right of the face";
    EXPECT_EQ(InkIn(100, 100, kFaceW, kFaceH), 0) << "nothing left at the old place";
    EXPECT_GT(InkIn(325, 50, 24, 24), 0) << "the check-box look";
}

TEST_F(CGuiButtonTest, LabelsStayInTheirSlotsAndHiddenButtonsShowNone)
{
    button_data record = Face(100, 100, 1, &screen);
    record.perFrameTexts = true;
    record.rolloverFrames = 5;
    record.rolloverImage = "wt_roll%i.png";
    CGuiButton perFrame(record);
    record.rolloverFrames = 7;  // more frames than label slots
    record.y = 300;
    CGuiButton longer(record);
    for (int y : {120, 320}) {
        MouseAt(150, y);
        Frame(20);
        MouseAt(0, 0);
        Frame(20);
    }
    perFrame.Hide();
    perFrame.AlterText(kGreeting, "you");
    Frame();
    EXPECT_EQ(InkIn(90, 90, 120, 60), 0);
    perFrame.UnHide();
    Frame();
    EXPECT_GT(InkIn(90, 90, 120, 60), 0);
}
