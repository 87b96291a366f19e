#include "CDrawTestFixture.h"

#include "CSprite.h"
#include "FontSystem.h"
#include "TestBytes.h"
#include "Utilities.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

namespace {

const Rgba kOwn = {250, 200, 20, 255};  // the colour the table gives its texts
const Rgba kShadow = {10, 40, 160, 255};

const int kWord = 100;       // one word
const int kNoWords = 101;    // toggles only: renders no word
const int kLong = 102;       // wraps in narrow boxes
const int kInserted = 103;   // the five 8-bit arguments in order
const int kSpelledOut = 104;  // what kInserted shows for the arguments below

const char* const kTable =
    "!DejaVuSans.ttf|16|250|200|20|0\n"
    "@100|Palm\n"
    "@101|%b%b\n"
    "@102|Islanders chop wood and break rock all day long\n"
    "@103|%1 %2 %3 %4 %5\n"
    "@104|one two three four five";
const char* const kArguments[5] = {"one", "two", "three", "four", "five"};

// The three forms under one signature; colour is ignored by the plain one.
using Form = std::function<int(CDraw&, int id, int w, int h, int& lines, Rgba colour, const char* const* args)>;

const struct {
    const char* name;
    Form load;
    int extra;        // pixels added to each side of the box
    const Rgba* ink;  // the colour of every glyph pixel, given kShadow
} kForms[] = {
    {"plain",
     [](CDraw& d, int id, int w, int h, int& lines, Rgba, const char* const* a) {
         return d.LoadText(id, w, h, 0, lines, a[0], a[1], a[2], a[3], a[4]);
     },
     0, &kOwn},
    {"coloured",
     [](CDraw& d, int id, int w, int h, int& lines, Rgba c, const char* const* a) {
         return d.LoadTextColour(id, w, h, 0, lines, c[0], c[1], c[2], a[0], a[1], a[2], a[3], a[4]);
     },
     0, &kShadow},
    {"shadowed",
     [](CDraw& d, int id, int w, int h, int& lines, Rgba c, const char* const* a) {
         return d.LoadTextShadow(id, w, h, 0, lines, c[0], c[1], c[2], a[0], a[1], a[2], a[3], a[4]);
     },
     3, nullptr},
};

const char* const kNoArguments[5] = {};

// Left, top, right, bottom of the pixels with any alpha; the last two exclusive.
using Box = std::array<int, 4>;

bool SameColour(const Rgba& a, const Rgba& b, int tolerance = 0)
{
    for (int i = 0; i < 3; i++) {
        if (std::abs(a[i] - b[i]) > tolerance) {
            return false;
        }
    }
    return true;
}

class CDrawText : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        const char* resources = getenv("PALMORA_RESOURCES");
        ASSERT_NE(resources, nullptr) << "the generated resource folder holds the fonts";
        std::filesystem::copy_file(std::string(resources) + "/resource3.dat", RESOURCE_FOLDER "resource3.dat");
        const std::u16string table(kTable, kTable + strlen(kTable));
        folder.Write(RESOURCE_FOLDER "strings.dat", Utf16Bytes(u"\uFEFF" + table));
        FontSystem_Load(RESOURCE_FOLDER, RESOURCE_FOLDER "strings.dat");
    }

    void TearDown() override
    {
        FontSystem_Unload();
        strings.clear();
        DrawTest::TearDown();
    }

    Box Ink(int id)
    {
        Box box = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (int y = 0; y < draw->GetH(id); y++) {
            for (int x = 0; x < draw->GetW(id); x++) {
                if (PixelAt(id, x, y)[3] != 0) {
                    box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1),
                           std::max(box[3], y + 1)};
                }
            }
        }
        return box;
    }
};

}  // namespace

TEST_F(CDrawText, EachFormGivesAnImageOfItsBoxWithTheTextItsArgumentsAndItsLines)
{
    for (const auto& form : kForms) {
        SCOPED_TRACE(form.name);
        int lines = 0;
        const int id = form.load(*draw, kWord, 60, 41, lines, kShadow, kNoArguments);
        EXPECT_EQ((std::vector<int>{draw->GetW(id), draw->GetH(id), lines}),
                  (std::vector<int>{60 + form.extra, 41 + form.extra, 1}));
        const std::vector<Rgba> pixels = AllPixels(id);
        const auto opaque = std::count_if(pixels.begin(), pixels.end(), [](const Rgba& p) { return p[3] == 255; });
        const auto clear = std::count_if(pixels.begin(), pixels.end(), [](const Rgba& p) { return p[3] == 0; });
        EXPECT_GT(opaque, 10) << "the glyphs' cores are solid";
        EXPECT_GT(clear, static_cast<long>(pixels.size()) / 2) << "the box around them is not";
        for (const Rgba& p : pixels) {
            ASSERT_TRUE(p[3] == 0 || !form.ink || SameColour(p, *form.ink)) << "the table's colour or the one given";
        }

        const int inserted = form.load(*draw, kInserted, 200, 50, lines, kShadow, kArguments);
        const int spelled = form.load(*draw, kSpelledOut, 200, 50, lines, kShadow, kNoArguments);
        EXPECT_EQ(AllPixels(inserted), AllPixels(spelled)) << "the five arguments fill their markers in order";

        const int wrapped = form.load(*draw, kLong, 90, 100, lines, kShadow, kNoArguments);
        EXPECT_EQ(lines, 6) << "the text's own lines, whatever the form";

        lines = 7;
        const int empty = form.load(*draw, kNoWords, 50, 12, lines, kShadow, kNoArguments);
        EXPECT_EQ((std::vector<int>{draw->GetW(empty), draw->GetH(empty), lines}),
                  (std::vector<int>{50 + form.extra, 12 + form.extra, 7}))
            << "no line was laid out";
        for (const Rgba& p : AllPixels(empty)) {
            ASSERT_EQ(p[3], 0);
        }
        for (int image : {id, inserted, spelled, wrapped, empty}) {
            draw->RemoveImage(image);
        }
    }
}

TEST_F(CDrawText, PutsTheTextAtOneOneOverAShadowOnePixelRoundAndTwoMoreToTheLowerRight)
{
    int lines = 0;
    const int text = draw->LoadText(kLong, 100, 70, 0, lines, nullptr, nullptr, nullptr, nullptr, nullptr);
    const int shadowed = draw->LoadTextShadow(kLong, 100, 70, 0, lines, kShadow[0], kShadow[1], kShadow[2],
                                              nullptr, nullptr, nullptr, nullptr, nullptr);
    ASSERT_EQ(draw->GetW(shadowed), 103);
    ASSERT_EQ(draw->GetH(shadowed), 73);

    const Box ink = Ink(text);
    EXPECT_EQ(Ink(shadowed), (Box{ink[0], ink[1], ink[2] + 3, ink[3] + 3}));

    int solidText = 0;
    int shadowOnly = 0;
    for (int y = 0; y < 73; y++) {
        for (int x = 0; x < 103; x++) {
            const Rgba got = PixelAt(shadowed, x, y);
            const bool inText = x >= 1 && y >= 1 && x <= 100 && y <= 70;
            const Rgba over = inText ? PixelAt(text, x - 1, y - 1) : Rgba{0, 0, 0, 0};
            if (over[3] == 255) {
                solidText++;
                ASSERT_EQ(got, over) << "solid text pixels cover the shadow at " << x << "," << y;
            } else if (over[3] == 0 && got[3] != 0) {
                shadowOnly++;
                ASSERT_TRUE(SameColour(got, kShadow, 1)) << "only shadow shows at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(solidText, 50);
    EXPECT_GT(shadowOnly, solidText / 2) << "the shadow rings every glyph";
    draw->RemoveImage(text);
    draw->RemoveImage(shadowed);
}

// The layout check of the screens trusts these rectangles instead of pixels.
TEST_F(CDrawText, KnowsWhereEachTextImageWroteItsLinesUntilTheImageGoes)
{
    int lines = 0;
    const int text = draw->LoadText(kLong, 100, 120, 3, lines, nullptr, nullptr, nullptr, nullptr, nullptr);
    const text_layout* layout = draw->TextLayout(text);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->id, kLong);
    ASSERT_EQ(static_cast<int>(layout->lines.size()), lines);
    ASSERT_GE(lines, 3);
    const Box ink = Ink(text);
    const PF_Rect& first = layout->lines.front();
    const PF_Rect& last = layout->lines.back();
    EXPECT_LE(first.y, ink[1]);
    EXPECT_GE(last.y + last.h, ink[3]);
    EXPECT_NEAR(first.y, 120 - (last.y + last.h), 1) << "centred both ways, as much room above as below";
    for (const PF_Rect& line : layout->lines) {
        EXPECT_EQ(line.x, (100 - line.w) / 2);
        EXPECT_LE(line.w, 100);
    }

    const int shadowed = draw->LoadTextShadow(kLong, 100, 120, 3, lines, 0, 0, 0, nullptr, nullptr, nullptr,
                                              nullptr, nullptr);
    const text_layout* moved = draw->TextLayout(shadowed);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->w, 103);
    EXPECT_EQ(moved->lines.front().x, first.x + 1);
    EXPECT_EQ(moved->lines.front().y, first.y + 1);

    draw->RemoveImage(text);
    EXPECT_EQ(draw->TextLayout(text), nullptr);
    const int copy = draw->CopyImage(shadowed);
    EXPECT_EQ(draw->TextLayout(copy), nullptr) << "only text images have written lines";
    draw->RemoveImage(copy);
    draw->RemoveImage(shadowed);
}

TEST_F(CDrawText, EveryTextImageIsPrivateAndItsFirstReleaseFreesIt)
{
    int lines = 0;
    const int first = draw->LoadText(kWord, 40, 20, 0, lines, nullptr, nullptr, nullptr, nullptr, nullptr);
    const int second = draw->LoadText(kWord, 40, 20, 0, lines, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(first, second) << "the same text twice is two images";
    draw->RemoveImage(first);
    EXPECT_EQ(draw->GetSurface(first), nullptr);
    EXPECT_NE(draw->GetSurface(second), nullptr);
    draw->RemoveImage(second);

    // The shadow's layers are gone once it is made: only the result holds a slot.
    const int shadowed = draw->LoadTextShadow(kWord, 40, 20, 0, lines, 0, 0, 0, nullptr, nullptr, nullptr,
                                              nullptr, nullptr);
    for (int id = 0; id < shadowed; id++) {
        EXPECT_EQ(draw->GetSurface(id), nullptr) << "layer slot " << id;
    }
    draw->RemoveImage(shadowed);
    EXPECT_EQ(draw->GetSurface(shadowed), nullptr);
    const int again = draw->LoadText(kWord, 40, 20, 0, lines, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(again, 0) << "every slot was free again";
    draw->RemoveImage(again);
}

TEST_F(CDrawText, SpritesShowTextImagesAndFreeThemWithThemselves)
{
    CSprite::draw = draw.get();
    int lines = 0;
    {
        CSprite sprite(0);
        sprite.LoadText(kWord, 40, 20, 0, lines, nullptr, nullptr, nullptr, nullptr, nullptr);
        sprite.LoadTextColour(kWord, 40, 20, 0, lines, 1, 2, 3, nullptr, nullptr, nullptr, nullptr, nullptr);
        sprite.LoadTextShadow(kWord, 40, 20, 0, lines, 1, 2, 3, nullptr, nullptr, nullptr, nullptr, nullptr);
        ASSERT_EQ(sprite.GetNumImages(), 3);
        EXPECT_EQ(draw->GetW(sprite.GetImage(0)), 40);
        EXPECT_EQ(draw->GetH(sprite.GetImage(1)), 20);
        EXPECT_EQ(draw->GetW(sprite.GetImage(2)), 43);
    }
    const int next = draw->LoadText(kWord, 40, 20, 0, lines, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(next, 0) << "the sprite gave its text images back";
    draw->RemoveImage(next);
    CSprite::draw = nullptr;
}
