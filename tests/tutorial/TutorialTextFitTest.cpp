// Every tutorial text wraps into the area its step gives it, in the font and
// size the string table sets for it: a text that needs more lines than the
// area holds loses its first and last lines off the area's edges, and a word
// wider than the area is cut at its sides.
#include "FontSystem.h"
#include "ServicesFixture.h"
#include "TutorialSteps.h"

#include <string>

namespace {

struct TutorialTextFit : ServicesTest {
    void TearDown() override
    {
        FontSystem_RenderItalicsYellow(false);
        ServicesTest::TearDown();
    }
};

TEST_F(TutorialTextFit, EveryStepsTextsWrapIntoTheirAreas)
{
    // The dialog draws its texts with italics upright, as this does.
    FontSystem_RenderItalicsYellow(true);
    for (int step = 0; step < kTutorialStepCount; step++) {
        const tutorial_step_data& row = kTutorialSteps[step];
        for (int i = 0; i < row.numTexts; i++) {
            const int id = row.texts[i].stringId;
            const text_area_data area = TutorialTextArea(row, i);
            int lines = 0;
            SDL_Surface* text = FontSystem_RenderStringNumber(area.width, area.height, 3, id, lines, nullptr, nullptr,
                                                              nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                              nullptr, nullptr, nullptr, nullptr);
            ASSERT_NE(text, nullptr);
            SDL_FreeSurface(text);
            const text_layout& layout = FontSystem_LastLayout();
            ASSERT_FALSE(layout.lines.empty()) << "text " << id << " of step " << step << " writes nothing";
            const int lineHeight = layout.lines.front().h;
            const int spacing = strings[id].spacing;
            const int fit = (area.height + spacing) / (lineHeight + spacing);
            EXPECT_LE(lines, fit) << "text " << id << " of step " << step << " needs " << lines << " lines of "
                                  << lineHeight << " px in " << area.width << " by " << area.height;
            for (const PF_Rect& line : layout.lines) {
                EXPECT_LE(line.w, area.width + 1) << "text " << id << " of step " << step << " has a line "
                                                  << line.w << " px wide in " << area.width;
            }
        }
    }
}

}  // namespace
