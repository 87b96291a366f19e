#include "CControllerTrophyScreens.h"

#include "CControllerCredits.h"
#include "CControllerInstructions.h"
#include "CSprite.h"
#include "InstructionPages.h"
#include "LayoutCheck.h"

#include <cstdio>
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

// Every page as its table lays it out: each picture's top left, and each
// caption's text placed by its rule around its point: "c" centres the box on
// it, "l" and "r" put the box's left or right edge on x and centre the
// written lines, not the box, on y.
TEST_F(Instructions, EveryPageShowsItsPicturesAndCaptionsWhereItsTableSays)
{
    // Pictures as "slot (x, y)," and captions as "text rule (x, y);".
    static const char* const kPictures[CControllerInstructions::kPages] = {
        "0 (55, 289), 1 (318, 407), 2 (374, 47), 3 (616, 118), 4 (400, 242)",
        "0 (46, 147), 1 (232, 338), 2 (662, 45), 3 (408, 263)",
        "0 (50, 77), 1 (266, 209), 2 (44, 352), 3 (642, 57), 4 (420, 289), 5 (614, 347)",
        "0 (57, 67), 1 (263, 177), 2 (71, 349), 3 (401, 58), 4 (684, 55), 5 (415, 270), 6 (641, 378)",
        "0 (55, 82), 1 (265, 208), 2 (46, 341), 3 (404, 55), 4 (674, 109), 5 (432, 309)",
        "0 (54, 85), 1 (288, 166), 2 (49, 250), 3 (283, 362), 4 (635, 55), 5 (430, 171), 6 (633, 340)",
        "0 (43, 130), 1 (253, 222), 2 (51, 389), 3 (593, 94), 4 (407, 225), 5 (673, 419)",
        "0 (47, 84), 1 (239, 344), 2 (594, 81), 3 (543, 330)",
    };
    static const char* const kCaptions[CControllerInstructions::kPages] = {
        "17200 c (207, 65); 17201 c (211, 111); 17202 c (207, 171); 17203 c (207, 214); 17204 c (222, 245); "
        "17205 c (222, 277); 17206 r (385, 334); 17207 l (68, 391); 17208 l (62, 457); 17209 r (744, 86); "
        "17210 c (509, 143); 17211 l (416, 198); 17212 r (742, 300); 17213 r (742, 390); 17214 r (742, 456)",
        "17215 c (234, 75); 17216 r (407, 145); 17217 c (219, 246); 17218 c (219, 303); 17219 l (68, 423); "
        "17220 l (451, 110); 17221 c (582, 190); 17222 c (582, 232); 17223 r (734, 299); 17224 r (734, 384); "
        "17225 c (576, 460)",
        "17226 c (225, 61); 17227 r (388, 95); 17228 r (395, 146); 17229 r (391, 198); 17230 l (54, 276); "
        "17231 c (218, 345); 17232 r (392, 431); 17233 l (416, 83); 17234 l (416, 157); 17235 c (586, 245); "
        "17236 l (423, 411)",
        "17237 c (225, 62); 17238 r (392, 127); 17239 l (54, 245); 17240 r (390, 382); 17241 c (569, 62); "
        "17242 c (569, 131); 17243 r (744, 231); 17244 r (741, 329); 17245 l (419, 448)",
        "17246 c (219, 67); 17247 r (376, 105); 17248 r (388, 173); 17249 l (64, 253); 17250 r (415, 349); "
        "17251 r (422, 446); 17252 c (594, 67); 17253 c (614, 99); 17254 l (413, 150); 17255 l (413, 207); "
        "17256 l (413, 248); 17257 r (736, 321); 17258 r (736, 408); 17259 c (607, 465)",
        "17260 c (215, 66); 17261 r (415, 129); 17262 l (67, 212); 17263 r (421, 303); 17264 l (60, 388); "
        "17265 l (71, 448); 17266 c (540, 66); 17267 l (435, 121); 17268 r (733, 207); 17269 r (733, 283); "
        "17270 c (522, 337); 17271 l (437, 381); 17272 l (437, 451)",
        "17273 c (225, 64); 17274 c (225, 102); 17275 r (393, 169); 17276 l (56, 268); 17277 c (205, 349); "
        "17278 c (333, 432); 17279 l (416, 70); 17280 l (416, 123); 17281 l (416, 187); 17282 r (744, 275); "
        "17283 c (587, 356); 17284 l (409, 399); 17285 l (409, 457)",
        "17286 c (203, 67); 17287 r (400, 106); 17288 r (400, 165); 17289 c (237, 219); 17290 c (237, 261); "
        "17291 c (200, 302); 17292 l (55, 339); 17293 l (55, 424); 17294 c (572, 66); 17295 l (431, 107); "
        "17296 l (431, 174); 17297 c (582, 257); 17298 l (435, 373)",
    };
    for (int page = 0; page < CControllerInstructions::kPages; page++) {
        ASSERT_EQ(screen->Page(), page);
        int slot = 0, x = 0, y = 0, used = 0;
        const char* at = kPictures[page];
        int count = 0;
        for (; std::sscanf(at, " %d (%d, %d)%n", &slot, &x, &y, &used) == 3; count++) {
            at += used + (at[used] == ',');
            ASSERT_EQ(slot, count);
            CSprite* shown = screen->Picture(slot);
            ASSERT_NE(shown, nullptr) << "page " << page << " picture " << slot;
            EXPECT_EQ(shown->GetX(), x) << "page " << page << " picture " << slot;
            EXPECT_EQ(shown->GetY(), y) << "page " << page << " picture " << slot;
        }
        ASSERT_EQ(*at, '\0');
        EXPECT_TRUE(count == CControllerInstructions::kPictureSlots || !screen->Picture(count)) << "page " << page;

        at = kCaptions[page];
        int id = 0;
        char rule = 0;
        for (slot = 0; std::sscanf(at, " %d %c (%d, %d)%n", &id, &rule, &x, &y, &used) == 4; slot++) {
            at += used + (at[used] == ';');
            SCOPED_TRACE(testing::Message() << "page " << page << " caption " << id);
            CSprite* shown = screen->Caption(slot);
            ASSERT_NE(shown, nullptr);
            CSprite written(0);
            int lines = 0;
            written.LoadTextShadow(id, 400, 200, rule == 'c' ? 3 : rule == 'l' ? 0 : 1, lines, 46, 42, 23, nullptr,
                                   nullptr, nullptr, nullptr, nullptr);
            const rgb_picture text = PictureOf(CSprite::draw->GetSurface(written.GetFirstImage()));
            EXPECT_EQ(PictureOf(CSprite::draw->GetSurface(shown->GetFirstImage())).CountDifferences(text), 0);
            const int w = written.GetW(), h = written.GetH();
            const int bottom = CSprite::draw->GetBottomEdge(written.GetFirstImage());
            EXPECT_EQ(shown->GetX(), rule == 'c' ? x - w / 2 : rule == 'l' ? x : x - w);
            EXPECT_EQ(shown->GetY(), rule == 'c' ? y - h / 2 : y - bottom / 2);
        }
        ASSERT_EQ(*at, '\0');
        EXPECT_TRUE(slot == CControllerInstructions::kCaptionSlots || !screen->Caption(slot)) << "page " << page;
        Right();
    }
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
