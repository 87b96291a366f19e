// The screens' layout check finds what a player would see as broken: texts
// run together, glyphs cut by their box, a text half off the window or half
// under a button, a labelled button whose label wrote nothing, and is quiet
// about a clean one.
#include "CGuiTestFixture.h"

#include "CDraw.h"
#include "FontSystem.h"
#include "LayoutCheck.h"

#include <memory>

namespace {

const int kNothing = 91990;  // toggles only: no word is written
const int kTwoLines = 91991;

class LayoutCheckTest : public WidgetTest {
protected:
    LayoutCheckTest()
    {
        strings[kNothing] = {FontSystem_ASCIItoUnicode("%b%b"), "DejaVuSans.ttf", 14, 250, 240, 200, 0};
        strings[kTwoLines] = {FontSystem_ASCIItoUnicode("First line%nSecond line"), "DejaVuSans.ttf", 14, 250,
                              240, 200, 0};
    }

    std::unique_ptr<CSprite> Text(int id, int w, int h, int x, int y)
    {
        auto sprite = std::make_unique<CSprite>(30000000);
        int lines = 0;
        sprite->LoadTextShadow(id, w, h, 3, lines, 0, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr);
        sprite->Move(x, y);
        return sprite;
    }

    // A plain picture of one colour (alpha 255 unless given) at (x, y),
    // drawn under the texts and buttons.
    std::unique_ptr<CSprite> Picture(int x, int y, int w, int h, Uint8 r, Uint8 g, Uint8 b, Uint8 a = 255)
    {
        const int like = CSprite::draw->LoadImage("wt_button.tga", true, true);
        const int id = CSprite::draw->CreateSizedBlank(w, h, like);
        CSprite::draw->RemoveImage(like);
        SDL_Surface* surface = CSprite::draw->GetSurface(id);
        SDL_FillRect(surface, nullptr, SDL_MapRGBA(surface->format, r, g, b, a));
        auto sprite = std::make_unique<CSprite>(20000000);
        sprite->LoadImage(id);
        sprite->OwnImages();
        sprite->Move(x, y);
        return sprite;
    }

    static std::string AllProblems()
    {
        std::string all;
        for (const std::string& problem : LayoutProblems()) {
            all += problem + "\n";
        }
        return all;
    }
};

TEST_F(LayoutCheckTest, FindsTextsRunTogetherCutOrOffTheWindowAndButtonsWithoutTheirLabel)
{
    CGuiButton button(Face(100, 100, 1, &screen));
    Frame();
    EXPECT_EQ(AllProblems(), "") << "a labelled button on its own reads cleanly";

    {
        auto over = Text(kTwoLines, 200, 60, 60, 95);
        EXPECT_NE(AllProblems().find("runs into"), std::string::npos) << AllProblems();
    }
    {
        auto squeezed = Text(kTwoLines, 200, 20, 300, 300);
        EXPECT_NE(AllProblems().find("is cut by its box"), std::string::npos) << AllProblems();
    }
    {
        auto hanging = Text(kTwoLines, 200, 60, 700, 300);
        EXPECT_NE(AllProblems().find("leaves the window"), std::string::npos) << AllProblems();
    }
    {
        // A text under the face, its second line hidden.
        auto under = Text(kTwoLines, 200, 60, 50, 72);
        under->SetZ(1);
        EXPECT_NE(AllProblems().find("partly under the picture"), std::string::npos) << AllProblems();
    }
    EXPECT_EQ(AllProblems(), "");

    button_data silent = Face(300, 100, 2, &screen);
    silent.textId = kNothing;
    CGuiButton blank(silent);
    Frame();
    EXPECT_NE(AllProblems().find("button 2 at"), std::string::npos) << AllProblems();
}

// Light lettering on a pale picture does not stand out; on a deep one it
// does. A picture's border through the lines reads as the text running into
// it, whichever side of it the text starts.
TEST_F(LayoutCheckTest, FindsTextsThatDoNotStandOutOrRunOverAPicturesBorder)
{
    auto panel = Picture(250, 250, 300, 120, 230, 220, 200);
    auto text = Text(kTwoLines, 200, 60, 300, 280);
    Frame();
    EXPECT_NE(AllProblems().find("reads at"), std::string::npos) << AllProblems();

    panel = Picture(250, 250, 300, 120, 60, 40, 30);
    Frame();
    EXPECT_EQ(AllProblems(), "");

    auto beside = Picture(400, 240, 120, 140, 30, 70, 80);
    Frame();
    EXPECT_NE(AllProblems().find("runs over a frame line or a picture's border"), std::string::npos)
        << AllProblems();
    EXPECT_EQ(AllProblems().find("reads at"), std::string::npos) << "both sides are deep: " << AllProblems();
}

// A labelled button stands wholly on its panel: not across the panel's
// edge, and not over the dimmed screen of a page that put no panel under it.
TEST_F(LayoutCheckTest, FindsButtonsAcrossTheirPanelsEdgeOrOnNoPanel)
{
    auto panel = Picture(60, 60, 200, 110, 60, 40, 30);
    CGuiButton button(Face(100, 100, 1, &screen));
    Frame();
    EXPECT_EQ(AllProblems(), "");

    panel = Picture(60, 60, 200, 75, 60, 40, 30);
    Frame();
    EXPECT_NE(AllProblems().find("button 1 (100, 100, 100 x 40) stands across a frame line"), std::string::npos)
        << AllProblems();

    panel.reset();
    auto fader = Picture(0, 0, 800, 600, 0, 0, 0, 120);
    Frame();
    EXPECT_NE(AllProblems().find("button 1 (100, 100, 100 x 40) stands on no panel of its page"), std::string::npos)
        << AllProblems();
}

}  // namespace
