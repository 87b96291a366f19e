// The screens' layout check finds what a player would see as broken: texts
// run together, glyphs cut by their box, a text half off the window or half
// under a button, a labelled button whose label wrote nothing, and is quiet
// about a clean one.
#include "CGuiTestFixture.h"

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

}  // namespace
