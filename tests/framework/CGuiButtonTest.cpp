#include "CGuiTestFixture.h"

#include "CDraw.h"
#include "CRenderer.h"
#include "CSprite.h"

#include <string>

TEST_F(WidgetTest, AButtonNamesItsRolloverFramesFromThePatternOrTakesTheOneName)
{
    for (int frames : {4, 1}) {
        button_data record = Face(100, 100, 1, &screen);
        record.rolloverFrames = frames;
        record.rolloverImage = frames == 1 ? "wt_roll3.tga" : "wt_roll%i.tga";
        CGuiButton button(record);
        CSprite* rollover = button.GetButtonRolloverSprite();
        ASSERT_EQ(rollover->GetNumImages(), frames);
        for (int i = 0; i < frames; i++) {
            const std::string expected = "wt_roll" + std::to_string(frames == 1 ? 3 : i + 1) + ".tga";
            EXPECT_EQ(resources.Draw().GetImageName(rollover->GetImage(i)), expected);
        }
    }
}

TEST_F(WidgetTest, AHeldButtonWithoutAPressedLookSinksByTwoAndComesBack)
{
    button_data record = Face(100, 100, 1, &screen);
    record.textId = -1;
    record.iconA = new CSprite(23000010);
    record.iconA->LoadImage("wt_icon.tga");
    CGuiButton button(record);
    CSprite* rollover = button.GetButtonRolloverSprite();
    MouseAt(150, 120);
    for (bool held : {false, true, false}) {
        Left(!held);
        Frame();
        const int sink = held ? 2 : 0;
        EXPECT_EQ(button.IsHeldDown(), held);
        EXPECT_EQ(rollover->GetX(), 100 + sink);
        EXPECT_EQ(rollover->GetY(), 100 + sink);
        // The icon sits centred, one pixel up and left at rest.
        EXPECT_EQ(record.iconA->GetX(), 100 + 50 - 10 - 1 + sink);
        EXPECT_EQ(record.iconA->GetY(), 100 + 20 - 5 - 1 + sink);
    }
}

TEST_F(WidgetTest, AButtonWithAPressedLookRestsOnItsRolloversFirstFace)
{
    button_data record = Face(100, 100, 1, &screen);
    record.pressedImage = "wt_press%i.tga";
    CGuiButton button(record);
    CSprite* rollover = button.GetButtonRolloverSprite();
    Frame();
    EXPECT_FALSE(rollover->Hidden()) << "shown at rest from the first frame";
    EXPECT_FALSE(button.GetButtonSprite()->Hidden());
    MouseAt(150, 120);
    Frame();
    Left(false);
    Frame(4);
    EXPECT_TRUE(rollover->Hidden());
    EXPECT_TRUE(button.IsMouseOver()) << "the pressed look keeps the hover";
    MouseAt(10, 10);
    Frame(8);
    EXPECT_FALSE(button.GetButtonSprite()->Hidden());
    EXPECT_FALSE(rollover->Hidden());
    EXPECT_EQ(rollover->GetFrame(), 0u) << "run back to its first face";
    EXPECT_FALSE(button.IsHeldDown()) << "left, it is no longer held";
}

// With a pressed look the face does not sink: icon A sits centred one
// pixel low and icon B one pixel right and low, at rest and held alike.
TEST_F(WidgetTest, AButtonWithAPressedLookKeepsItsIconsWhereItsFaceShowsThem)
{
    button_data record = Face(100, 100, 1, &screen);
    record.pressedImage = "wt_press%i.tga";
    record.textId = -1;
    record.iconA = new CSprite(23000010);
    record.iconA->LoadImage("wt_icon.tga");
    record.iconB = new CSprite(23000011);
    record.iconB->LoadImage("wt_icon.tga");
    CGuiButton button(record);
    MouseAt(10, 10);
    Frame();
    EXPECT_EQ(record.iconA->GetY(), 100 + 20 - 5 + 1) << "away from the button";
    MouseAt(150, 120);
    for (bool held : {false, true, false}) {
        Left(!held);
        Frame();
        EXPECT_EQ(button.GetButtonRolloverSprite()->Hidden(), held) << "the pressed face shows while held";
        EXPECT_EQ(record.iconA->GetX(), 100 + 50 - 10);
        EXPECT_EQ(record.iconA->GetY(), 100 + 20 - 5 + 1);
        EXPECT_EQ(record.iconB->GetX(), 100 + 50 - 10 + 1);
        EXPECT_EQ(record.iconB->GetY(), 100 + 20 - 5 + 1);
    }
}

TEST_F(WidgetTest, RedisplayMovesEverySpriteAndKeepsTheShadowOffset)
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
    EXPECT_EQ(InkIn(300 + kFaceW, 56, 4, 34), 4 * 34) << "the shadow right of the face";
    EXPECT_EQ(InkIn(90, 90, 120, 60), 0) << "nothing left at the old place";
    EXPECT_GT(InkIn(325, 50, 24, 24), 0) << "the check-box look";

    // Put back, the faces take the base's depth and the shadow the one
    // under it, with the default depth and with a given one.
    for (int z : {-1, 31000000}) {
        button.data.z = z;
        button.Redisplay();
        const int baseZ = z == -1 ? 23000000 : z;
        EXPECT_EQ(button.GetButtonSprite()->GetZ(), baseZ);
        EXPECT_EQ(button.GetButtonRolloverSprite()->GetZ(), baseZ);
        int shadows = 0;
        for (CSprite* sprite : resources.Renderer().Sprites()) {
            shadows += sprite && sprite->GetZ() == baseZ - 1;
        }
        EXPECT_EQ(shadows, 1) << "the shadow just under the face at " << z;
    }
}

TEST_F(WidgetTest, PerFrameLabelsStayInTheirSlotsAndAHiddenButtonShowsNone)
{
    button_data record = Face(100, 100, 1, &screen);
    record.perFrameTexts = true;
    record.rolloverFrames = 7;  // more frames than label slots
    CGuiButton button(record);
    MouseAt(150, 120);
    Frame(10);
    MouseAt(0, 0);
    Frame(10);
    button.Hide();
    button.AlterText(kGreeting, "you");
    Frame();
    EXPECT_EQ(InkIn(90, 90, 120, 60), 0);
    button.UnHide();
    Frame();
    EXPECT_GT(InkIn(90, 90, 120, 60), 0);
}

// A fixed rectangle takes the place of the picture test, its edges inside;
// an x of -1 gives the picture back.
TEST_F(WidgetTest, AFixedHitRectangleTakesThePlaceOfThePicture)
{
    CGuiButton button(Face(100, 100, 1, &screen));
    button.AlterMouseoverRect(300, 200, 50, 30);
    const struct {
        int x, y;
        bool over;
    } points[] = {{150, 120, false}, {300, 200, true}, {350, 230, true}, {325, 215, true},
                  {299, 215, false}, {351, 215, false}, {325, 199, false}, {325, 231, false}};
    for (const auto& p : points) {
        MouseAt(p.x, p.y);
        EXPECT_EQ(button.IsMouseOver(), p.over) << p.x << ", " << p.y;
    }
    button.AlterMouseoverRect(-1, 0, 0, 0);
    MouseAt(150, 120);
    EXPECT_TRUE(button.IsMouseOver());
    MouseAt(325, 215);
    EXPECT_FALSE(button.IsMouseOver());
}

// The screens' labelled button, from a row of a screen's table: where it
// stands, its three pictures with five rollover frames, its label over the
// screens' brown shadow, and the label's offset.
TEST_F(WidgetTest, AScreenButtonStandsWhereItsRowSaysWithTheScreensLook)
{
    const screen_button_place row = {"wt_button.tga", "wt_shadow.tga", "wt_roll%i.tga", 120, 140, kLabel};
    const button_data data = CGuiButton::ScreenButton(&screen, 9, row, -2, 3);
    EXPECT_EQ(data.x, 120);
    EXPECT_EQ(data.y, 140);
    EXPECT_EQ(data.id, 9);
    EXPECT_EQ(data.owner, &screen);
    EXPECT_EQ(data.textId, kLabel);
    EXPECT_EQ(data.baseImage, "wt_button.tga");
    EXPECT_EQ(data.shadowImage, "wt_shadow.tga");
    EXPECT_EQ(data.rolloverImage, "wt_roll%i.tga");
    EXPECT_EQ(data.rolloverFrames, 5);
    EXPECT_EQ(data.labelShadowR, 46);
    EXPECT_EQ(data.labelShadowG, 43);
    EXPECT_EQ(data.labelShadowB, 24);
    EXPECT_EQ(data.textOffsetX, -2);
    EXPECT_EQ(data.textOffsetY, 3);
    EXPECT_EQ(data.z, -1) << "the default depths";

    CGuiButton button(data);
    EXPECT_EQ(button.GetButtonSprite()->GetX(), 120);
    EXPECT_EQ(button.GetButtonSprite()->GetY(), 140);
}
