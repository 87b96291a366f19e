// The screens' layout check finds what a player would see as broken: texts
// run together, glyphs cut by their box, a text half off the window or half
// under a button, a labelled button whose label wrote nothing, a panel past
// its board or the window, a picture with its frame open, text running into
// a picture and a caption off its tab's middle, and is quiet about a clean
// one.
#include "CGuiTestFixture.h"

#include "CDraw.h"
#include "FontSystem.h"
#include "LayoutCheck.h"

#include <memory>

namespace {

const int kNothing = 91990;  // toggles only: no word is written
const int kTwoLines = 91991;
const int kWord = 91992;
// The depth of a screen's board laid over the island.
const int kBoardZ = 22000000;

class LayoutCheckTest : public WidgetTest {
protected:
    LayoutCheckTest()
    {
        strings[kNothing] = {FontSystem_ASCIItoUnicode("%b%b"), "DejaVuSans.ttf", 14, 250, 240, 200, 0};
        strings[kTwoLines] = {FontSystem_ASCIItoUnicode("First line%nSecond line"), "DejaVuSans.ttf", 14, 250,
                              240, 200, 0};
        strings[kWord] = {FontSystem_ASCIItoUnicode("Pants"), "DejaVuSans.ttf", 14, 250, 240, 200, 0};
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

    // A deep piece of a screen's board at the given depth.
    std::unique_ptr<CSprite> Piece(int x, int y, int w, int h, int z)
    {
        auto piece = Picture(x, y, w, h, 60, 40, 30);
        piece->SetZ(z);
        return piece;
    }

    static bool Finds(const std::string& problem) { return AllProblems().find(problem) != std::string::npos; }

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


// A piece laid on a board ends with it (2 px of a rim's shading aside) and
// stands clear of its frame lines; a panel ends inside the window unless the
// screen places it partly outside already.
TEST_F(LayoutCheckTest, FindsPanelsPastTheirBoardOrTheWindow)
{
    auto board = Piece(100, 100, 200, 200, kBoardZ);
    auto piece = Piece(150, 150, 100, 50, kBoardZ + 1);
    Frame();
    EXPECT_EQ(AllProblems(), "");

    piece->Move(202, 150);
    Frame();
    EXPECT_EQ(AllProblems(), "") << "2 px past is the rim's shading";
    piece->Move(203, 150);
    Frame();
    EXPECT_TRUE(Finds("picture (203, 150, 100 x 50) reaches past the board it stands on (100, 100, 200 x 200)"))
        << AllProblems();

    // A piece of the board's own depth may not stand out even where it is
    // wider than the board; one laid over it (a lid on its slot) may.
    auto wide = Piece(90, 260, 220, 30, kBoardZ);
    piece->Move(150, 150);
    Frame();
    EXPECT_TRUE(Finds("picture (90, 260, 220 x 30) reaches past the board")) << AllProblems();
    wide->SetZ(kBoardZ + 1);
    Frame();
    EXPECT_EQ(AllProblems(), "");
    wide.reset();

    // A small picture across a frame line drawn in its board.
    SDL_Surface* surface = CSprite::draw->GetSurface(board->GetImage(0));
    SDL_Rect line = {40, 0, 3, 200};
    SDL_FillRect(surface, &line, SDL_MapRGBA(surface->format, 200, 180, 120, 255));
    auto small = Piece(160, 150, 40, 40, kBoardZ + 1);
    piece->Move(700, 500);
    Frame();
    EXPECT_FALSE(Finds("crosses a frame line")) << AllProblems();
    small->Move(120, 150);
    Frame();
    EXPECT_TRUE(Finds("picture (120, 150, 40 x 40) crosses a frame line of the board it stands on")) << AllProblems();
    small.reset();

    piece->Move(700, 550);
    Frame();
    EXPECT_EQ(AllProblems(), "") << "to the window's very edge";
    piece->Move(701, 550);
    Frame();
    EXPECT_TRUE(Finds("picture (701, 550, 100 x 50) reaches past the window's edge")) << AllProblems();
    piece->Move(-10, 500);
    Frame();
    EXPECT_EQ(AllProblems(), "") << "placed partly outside by its screen";
}

// Plates laid across a picture's edge frame it: then every side shows its
// frame along nine tenths of it.
TEST_F(LayoutCheckTest, FindsAFramedPictureWithASideLeftOpen)
{
    auto picture = Piece(200, 100, 300, 300, kBoardZ - 2);
    auto top = Piece(190, 95, 320, 10, kBoardZ);
    Frame();
    EXPECT_TRUE(Finds("picture (200, 100, 300 x 300) shows its frame only in part: top 100%, right 1")) << AllProblems();

    auto left = Piece(195, 95, 10, 310, kBoardZ);
    auto right = Piece(495, 95, 10, 310, kBoardZ);
    auto bottom = Piece(190, 395, 320, 10, kBoardZ);
    Frame();
    EXPECT_EQ(AllProblems(), "");
    // The left plate covers the bottom's first 5 px.
    bottom->Move(235, 395);
    Frame();
    EXPECT_EQ(AllProblems(), "") << "nine tenths of the bottom";
    bottom->Move(236, 395);
    Frame();
    EXPECT_TRUE(Finds("bottom 89%")) << AllProblems();
}

// Text set on a board runs into a picture laid over that board; a caption
// set on a tab stands in its middle.
TEST_F(LayoutCheckTest, FindsTextRunningIntoAPictureAndCaptionsOffTheirTab)
{
    auto board = Piece(100, 100, 400, 300, kBoardZ);
    auto text = Text(kTwoLines, 200, 60, 150, 150);
    Frame();
    EXPECT_EQ(AllProblems(), "");
    auto picture = Piece(150, 200, 200, 100, kBoardZ + 1);
    Frame();
    EXPECT_FALSE(Finds("runs into the picture")) << "below the lines: " << AllProblems();
    picture->Move(150, 190);
    Frame();
    EXPECT_TRUE(Finds("runs into the picture (150, 190, 200 x 100)")) << AllProblems();
    picture.reset();
    text.reset();

    button_data tab = Face(200, 300, 3, &screen);
    tab.textId = -1;
    tab.z = kBoardZ + 5;
    CGuiButton button(tab);
    auto caption = Text(kWord, 90, 40, 212, 300);
    Frame();
    EXPECT_EQ(AllProblems(), "") << "3 px off the middle";
    caption->Move(213, 300);
    Frame();
    EXPECT_TRUE(Finds("text 91992 \"Pants\"")) << AllProblems();
    EXPECT_TRUE(Finds("4 px off the middle of its tab (210, 300, 90 x 40)")) << AllProblems();
}

}  // namespace
