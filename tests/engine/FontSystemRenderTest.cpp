#include "FontSystem.h"

#include "ArchiveBytes.h"
#include "ChildProcess.h"
#include "TempFolder.h"
#include "TestBytes.h"
#include "Utilities.h"

#include <SDL_ttf.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const char* const kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const int kPoints = 16;

// Bounding box of the pixels with any alpha: left, top, right, bottom, the
// last two exclusive.
using Box = std::array<int, 4>;
const Box kNoInk = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};

Box Shifted(Box b, int dx, int dy)
{
    return {b[0] + dx, b[1] + dy, b[2] + dx, b[3] + dy};
}

Uint32 Pixel(SDL_Surface* s, int x, int y)
{
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch)[x];
}

Uint8 Alpha(SDL_Surface* s, int x, int y)
{
    return static_cast<Uint8>((Pixel(s, x, y) & s->format->Amask) >> s->format->Ashift);
}

Box Ink(SDL_Surface* s, int top = 0, int bottom = INT_MAX)
{
    Box box = kNoInk;
    for (int y = std::max(top, 0); y < std::min(bottom, s->h); y++) {
        for (int x = 0; x < s->w; x++) {
            if (Alpha(s, x, y) != 0) {
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1), std::max(box[3], y + 1)};
            }
        }
    }
    return box;
}

bool SamePixels(SDL_Surface* a, SDL_Surface* b)
{
    if (a->w != b->w || a->h != b->h) {
        return false;
    }
    for (int y = 0; y < a->h; y++) {
        for (int x = 0; x < a->w; x++) {
            if (Pixel(a, x, y) != Pixel(b, x, y)) {
                return false;
            }
        }
    }
    return true;
}

struct Options {
    int spacing = 0;
    SDL_Color colour = {255, 255, 255, 0};
    const unsigned short* u[6] = {};
    const char* a[6] = {};
};

using testing::HasSubstr;

// Each test gets a resource folder holding the font archive and a table, and
// measures words with its own copy of the same font.
class FontSystemRender : public testing::Test {
protected:
    TempFolder folder;
    TTF_Font* reference = nullptr;
    int lines = -1;

    void SetUp() override
    {
        std::filesystem::create_directories(RESOURCE_FOLDER);
        folder.Write(RESOURCE_FOLDER "resource3.dat",
                     ArchiveBytes({{"Sans.ttf", ReadBytes(kFontPath)}, {"Junk.ttf", "no font"}}));
        folder.Write(RESOURCE_FOLDER "strings.dat",
                     Utf16Bytes(u"!Sans.ttf|16|10|20|30|0\n@100|%bxy%b\n@101|Palm\n!Junk.ttf\n@102|x"));
        FontSystem_Load(RESOURCE_FOLDER, RESOURCE_FOLDER "strings.dat");
        reference = TTF_OpenFont(kFontPath, kPoints);
        ASSERT_NE(reference, nullptr);
    }

    void TearDown() override
    {
        TTF_CloseFont(reference);
        FontSystem_Unload();
        strings.clear();
    }

    SDL_Surface* Render(const char* text, int w, int h, int alignment, const Options& o = Options())
    {
        SDL_Surface* s = FontSystem_RenderStringASCII(w, h, alignment, o.spacing, "Sans.ttf", kPoints, o.colour.r,
                                                      o.colour.g, o.colour.b, text, lines, o.u[0], o.u[1], o.u[2],
                                                      o.u[3], o.u[4], o.u[5], o.a[0], o.a[1], o.a[2], o.a[3],
                                                      o.a[4], o.a[5]);
        EXPECT_NE(s, nullptr);
        EXPECT_EQ(s->w, w);
        EXPECT_EQ(s->h, h);
        return s;
    }

    bool Same(const char* text, const Options& o, const char* expected, int alignment = 0)
    {
        SDL_Surface* a = Render(text, 300, 60, alignment, o);
        SDL_Surface* b = Render(expected, 300, 60, alignment);
        const bool same = SamePixels(a, b);
        SDL_FreeSurface(a);
        SDL_FreeSurface(b);
        return same;
    }

    int Width(const char* word, int style = TTF_STYLE_NORMAL)
    {
        TTF_SetFontStyle(reference, style);
        int w = 0, h = 0;
        TTF_SizeUTF8(reference, word, &w, &h);
        return w;
    }

    Box WordInk(const char* word, int style = TTF_STYLE_NORMAL)
    {
        TTF_SetFontStyle(reference, style);
        SDL_Surface* s = TTF_RenderUTF8_Blended(reference, word, SDL_Color{255, 255, 255, 0});
        Box box = Ink(s);
        SDL_FreeSurface(s);
        return box;
    }
};

}  // namespace

TEST_F(FontSystemRender, WrapsWhenALineReachesTheWidthTrailingBlankIncluded)
{
    const int two = Width("aa ") + Width("bb ");
    const int H = TTF_FontHeight(reference);
    const struct {
        const char* text;
        int w;
        int lines;
        const char* secondLine;  // the first word of line 2
    } cases[] = {
        {"aa bb cc", two + 1, 2, "cc"},  // "bb " with its blank still fits
        {"aa bb cc", two, 2, "bb"},      // reaching the width exactly is too far
        {"aa bb-cc", Width("aa ") + Width("bb-") + 1, 2, "cc"},  // a hyphen ends words too
        {"Palmoraaaaaa", 10, 1, nullptr},  // a word wider than an empty line stays
        {"aa%nbb", 300, 2, "bb"},
        {"aa%n", 300, 2, nullptr},  // the opened empty line still counts
        {"aa%n%nbb", 300, 3, nullptr},
    };
    for (const auto& c : cases) {
        SDL_Surface* s = Render(c.text, c.w, 100, 0);
        EXPECT_EQ(lines, c.lines) << c.text << " in " << c.w;
        if (c.secondLine) {
            const Box first = Shifted(WordInk(c.secondLine), 0, H);
            const Box line = Ink(s, H, 2 * H);
            EXPECT_EQ(line[0], first[0]) << c.text;
            EXPECT_GE(line[2], first[2]) << c.text;
        }
        SDL_FreeSurface(s);
    }
}

TEST_F(FontSystemRender, AlignsLinesByTheirWidthIncludingTheTrailingBlank)
{
    const int w = 200, h = 50;
    const int H = TTF_FontHeight(reference);
    const Box palm = WordInk("Palm");
    const int pw = Width("Palm");
    const int blank = Width("Palm ") - pw;
    const struct {
        const char* text;
        int alignment;
        Box expected;
    } cases[] = {
        {"Palm", 0, palm},
        {"Palm", 1, Shifted(palm, w - pw, 0)},
        {"Palm ", 1, Shifted(palm, w - pw - blank, 0)},
        {"Palm", 2, Shifted(palm, (w - pw) / 2, 0)},
        {"Palm", 3, Shifted(palm, (w - pw) / 2, (h - H) / 2)},
        // A final "%n" opens a line that vertical centring leaves out.
        {"Palm%n", 3, Shifted(palm, (w - pw) / 2, (h - H) / 2)},
        {"%nPalm", 3, Shifted(palm, (w - pw) / 2, (h - 2 * H) / 2 + H)},
    };
    for (const auto& c : cases) {
        SDL_Surface* s = Render(c.text, w, h, c.alignment);
        EXPECT_EQ(Ink(s), c.expected) << c.text << " aligned " << c.alignment;
        SDL_FreeSurface(s);
    }

    // A word exactly as wide as the image sits at 0 however it is aligned.
    SDL_Surface* s = Render("Palm", pw, h, 1);
    EXPECT_EQ(Ink(s), palm);
    SDL_FreeSurface(s);

    // A text taller than the image is centred rounding down: one pixel up.
    s = Render("Palm", w, H - 1, 3);
    EXPECT_EQ(Ink(s), Shifted(palm, (w - pw) / 2, -1));
    SDL_FreeSurface(s);
}

TEST_F(FontSystemRender, SpacingMovesLinesAndOverlappingLinesKeepEachOther)
{
    const int H = TTF_FontHeight(reference);
    Options o;
    o.spacing = 7;
    SDL_Surface* s = Render("Palm%nPalm", 300, 100, 0, o);
    EXPECT_EQ(Ink(s, H), Shifted(WordInk("Palm"), 0, H + 7));
    SDL_FreeSurface(s);

    // With lines overlapping, the second line's transparent pixels must not
    // erase the first, in black as in any other colour.
    for (const SDL_Color colour : {SDL_Color{255, 255, 255, 0}, SDL_Color{0, 0, 0, 0}}) {
        o.spacing = -8;
        o.colour = colour;
        SDL_Surface* one = Render("gjy", 100, 60, 0, o);
        SDL_Surface* two = Render("gjy%ngjy", 100, 60, 0, o);
        const int shift = H - 8;
        bool partialAlpha = false;
        for (int y = 0; y < 60; y++) {
            for (int x = 0; x < 100; x++) {
                const bool secondLineInk = y >= shift && Alpha(one, x, y - shift) != 0;
                if (!secondLineInk) {
                    ASSERT_EQ(Alpha(two, x, y), Alpha(one, x, y)) << x << "," << y;
                }
                partialAlpha |= Alpha(two, x, y) > 0 && Alpha(two, x, y) < 255;
            }
        }
        EXPECT_TRUE(partialAlpha);
        SDL_FreeSurface(one);
        SDL_FreeSurface(two);
    }
}

TEST_F(FontSystemRender, StyleMarkupTogglesAndCarriesOverToTheNextText)
{
    const int bold = TTF_STYLE_BOLD;
    SDL_Surface* s = Render("%baa%b bb", 300, 60, 0);
    Box expected = WordInk("aa", bold);
    const Box bb = Shifted(WordInk("bb"), Width("aa", bold) + Width(" "), 0);
    expected = {std::min(expected[0], bb[0]), std::min(expected[1], bb[1]), bb[2],
                std::max(expected[3], bb[3])};
    EXPECT_EQ(Ink(s), expected);
    EXPECT_EQ(lines, 1);
    SDL_FreeSurface(s);

    // A text that leaves bold on renders the next text bold from its start.
    s = Render("%baa", 300, 60, 0);
    SDL_FreeSurface(s);
    s = Render("Palm", 300, 60, 0);
    EXPECT_EQ(Ink(s), WordInk("Palm", bold));
    SDL_FreeSurface(s);
    SDL_FreeSurface(Render("%b", 300, 60, 0));
    EXPECT_TRUE(Same("%i%uPalm%u%i", Options(), "%u%iPalm%i%u"));
    EXPECT_FALSE(Same("%iPalm%i", Options(), "Palm"));
}

TEST_F(FontSystemRender, InsertsSixteenBitArgumentsBeforeEightBitOnes)
{
    const unsigned short cd[] = {'c', 'd', 0};
    const unsigned short markup[] = {'%', 'b', 'c', 'd', '%', 'b', 0};
    const unsigned short self[] = {'%', '1', '%', '1', 0};
    Options wide;
    wide.u[0] = cd;
    wide.a[0] = "ef";
    Options narrow;
    narrow.a[0] = "cd";
    Options sixth;
    sixth.u[5] = markup;
    Options table;
    table.a[0] = "100";
    table.a[3] = " 100";
    Options noNumber;
    noNumber.a[0] = "hundred";
    Options loop;
    loop.u[0] = self;

    EXPECT_TRUE(Same("A%1B", wide, "AcdB"));
    EXPECT_TRUE(Same("A%1B", narrow, "AcdB"));
    EXPECT_TRUE(Same("A%1B", Options(), "A%u%uB"));  // nothing inserted
    EXPECT_TRUE(Same("A%6B", sixth, "A%bcd%bB"));
    EXPECT_TRUE(Same("A %7", table, "A %bxy%b"));     // markup inside takes effect
    EXPECT_TRUE(Same("A %7", noNumber, "A "));
    EXPECT_TRUE(Same("A %1B", loop, "A B"));          // a text that inserts itself ends
    EXPECT_TRUE(Same("50% off %x", Options(), "50% off %x"));
}

// The four table codes each read their own 8-bit argument, and the codes end
// at either side of the digits and letters they use.
TEST_F(FontSystemRender, TableCodesReadTheFirstToFourthEightBitArgument)
{
    const struct {
        const char* text;
        int argument;
    } codes[] = {{"A %7", 0}, {"A %8", 1}, {"A %9", 2}, {"A %a", 3}};
    for (const auto& code : codes) {
        Options own;
        own.a[code.argument] = "101";
        Options others;
        for (int k = 0; k < 6; k++) {
            others.a[k] = k == code.argument ? nullptr : "101";
        }
        EXPECT_TRUE(Same(code.text, own, "A Palm")) << code.text;
        EXPECT_TRUE(Same(code.text, others, "A ")) << code.text;
    }
    const unsigned short w[] = {'w', 0};
    Options all;
    for (auto& a : all.a) {
        a = "101";
    }
    all.u[0] = w;
    EXPECT_TRUE(Same("%0 %1", all, "%0 w"));
    EXPECT_TRUE(Same("%c %6", all, "%c 101"));
}

TEST_F(FontSystemRender, TutorialModeDrawsItalicsUprightAndWhiteOnesYellow)
{
    Options white;
    Options yellowText;
    yellowText.colour = {244, 226, 127, 0};
    Options pure;
    pure.colour = {255, 255, 0, 0};

    FontSystem_RenderItalicsYellow(true);
    SDL_Surface* italic = Render("%iPalm%i", 300, 60, 0, white);
    SDL_Surface* pureItalic = Render("%iPalm%i", 300, 60, 0, pure);
    FontSystem_RenderItalicsYellow(false);
    SDL_Surface* upright = Render("Palm", 300, 60, 0, yellowText);
    SDL_Surface* pureUpright = Render("Palm", 300, 60, 0, pure);
    EXPECT_TRUE(SamePixels(italic, upright));
    EXPECT_TRUE(SamePixels(pureItalic, pureUpright));
    for (SDL_Surface* s : {italic, pureItalic, upright, pureUpright}) {
        SDL_FreeSurface(s);
    }
}

TEST_F(FontSystemRender, ATextWithoutWordsGivesATransparentImage)
{
    for (const char* text : {"", "%n%1"}) {
        lines = 77;
        SDL_Surface* s = Render(text, 120, 30, 3);
        EXPECT_EQ(lines, 77) << text;
        EXPECT_EQ(s->format->BitsPerPixel, 32);
        EXPECT_NE(s->format->Amask, 0u);
        EXPECT_EQ(Ink(s), kNoInk) << text;
        SDL_FreeSurface(s);
    }
}

TEST_F(FontSystemRender, MissingIdsAndBadFontsAreFatal)
{
    auto renderId = [](int id) {
        return RunInChild([&] {
            int n = 0;
            FontSystem_RenderStringNumber(100, 30, 0, id, n, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                          nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
        });
    };
    ChildResult missing = renderId(424242);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_THAT(missing.output, HasSubstr("FONTSYSTEM: Missing string id 424242"));
    // Two lines on standard output; the printed path is no file of its own,
    // so the log also names the archive entry the bytes came from.
    ChildResult badFont = renderId(102);
    EXPECT_EQ(badFont.exitCode, 1);
    EXPECT_THAT(badFont.output, testing::MatchesRegex("FONTSYSTEM: Attempted to load font file "
                                                      "'Palmora.app/Contents/Resources/Junk.ttf'\n"
                                                      "FONTSYSTEM: SDL_ttf font loading error: [^\n]+\n"));
    EXPECT_THAT(folder.Read("LOG.TXT"),
                testing::ContainsRegex(" - FONTSYSTEM: Attempted to load font file "
                                       "'Palmora.app/Contents/Resources/Junk.ttf'\r\n"
                                       ".* - FONTSYSTEM: The font is the entry 'Junk.ttf' of the archive "
                                       "'Palmora.app/Contents/Resources/resource3.dat'\r\n"
                                       ".* - FONTSYSTEM: SDL_ttf font loading error: "));
    ChildResult noFile = RunInChild([&] {
        int n = 0;
        FontSystem_RenderStringASCII(10, 10, 0, 0, "Gone.ttf", 12, 0, 0, 0, "x", n, nullptr, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    });
    EXPECT_EQ(noFile.exitCode, 1);
    EXPECT_THAT(noFile.output, HasSubstr("Gone.ttf"));
}
