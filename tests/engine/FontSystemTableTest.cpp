#include "FontSystem.h"

#include "ChildProcess.h"
#include "TempFolder.h"
#include "TestBytes.h"
#include "Utilities.h"

#include <SDL_ttf.h>
#include <dlfcn.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

bool refuseTtf = false;

}  // namespace

// Stands in for SDL_ttf's start so that a test can make it fail, which the
// library itself does only when memory runs out; otherwise it hands over to
// the library's own.
extern "C" int TTF_Init(void)
{
    if (refuseTtf) {
        SDL_SetError("FreeType would not start");
        return -1;
    }
    using Start = int (*)();
    static const Start start = reinterpret_cast<Start>(dlsym(RTLD_NEXT, "TTF_Init"));
    return start();
}

namespace {

int Parse(const std::u16string& text, std::map<int, string_data>& table)
{
    const std::string bytes = Utf16Bytes(text);
    return FontSystem_ParseStrings(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), table);
}

using Settings = std::tuple<std::string, int, int, int, int, int>;  // font, size, r, g, b, spacing

Settings SettingsOf(const string_data& e)
{
    return {e.font, e.size, e.r, e.g, e.b, e.spacing};
}

std::u16string Text(string_data& entry)
{
    std::u16string text;
    const unsigned short* c = entry.text.c_str();
    for (unsigned int i = 0; i < entry.text.length(); i++) {
        text += static_cast<char16_t>(c[i]);
    }
    return text;
}

using testing::HasSubstr;

}  // namespace

TEST(FontSystemStrings, LoadsTextsWithTheFontSettingsWhateverTheLineEnds)
{
    const std::u16string eols[] = {u"\r\n", u"\n", u"\r", u"\n\n\r\n"};
    for (const std::u16string& eol : eols) {
        const std::u16string file = u"\uFEFF# comment" + eol + u"!Sans.ttf|16|250|200|150|-2" + eol +
                                    u"@1|Hello %b islanders%b" + eol + u"@22000|Caf\u00e9 \u4e2d";
        // A line end after the last line is accepted too.
        for (const std::u16string& whole : {file, file + eol}) {
            std::map<int, string_data> table;
            ASSERT_EQ(Parse(whole, table), 0);
            ASSERT_EQ(table.size(), 2u);
            EXPECT_EQ(Text(table[1]), u"Hello %b islanders%b");
            EXPECT_EQ(Text(table[22000]), u"Caf\u00e9 \u4e2d");
            EXPECT_EQ(SettingsOf(table[22000]), Settings("Sans.ttf", 16, 250, 200, 150, -2));
        }
    }
}

TEST(FontSystemStrings, RejectsTheFirstBadLineByItsNonBlankLineNumber)
{
    const struct {
        std::u16string file;
        int line;
    } cases[] = {
        {u"\uFEFF", 1},
        {u"x", 1},
        {u"#a\n\n\n\n@1|b\n c", 3},  // blank lines are not counted
        {u"@1|b\r\n\uFEFF@2|c", 2},   // a byte-order mark only counts first
        {u"#a\n!f|1\n@1|x\n%", 4},
    };
    for (const auto& c : cases) {
        std::map<int, string_data> table;
        EXPECT_EQ(Parse(c.file, table), c.line) << std::string(c.file.begin(), c.file.end());
    }
}

TEST(FontSystemStrings, FontLinesChangeOnlyTheFieldsTheyHold)
{
    std::map<int, string_data> table;
    ASSERT_EQ(Parse(u"@1|before\n!A.ttf|12|1|2|3|4|extra\n@2|a\n!B.ttf\n@3|b\n!C.ttf|x| 14||300|-3\n@4|c", table),
              0);
    EXPECT_EQ(SettingsOf(table[1]), Settings("", 0, 0, 0, 0, 0));
    EXPECT_EQ(SettingsOf(table[2]), Settings("A.ttf", 12, 1, 2, 3, 4));
    EXPECT_EQ(SettingsOf(table[3]), Settings("B.ttf", 12, 1, 2, 3, 4));
    // Fields that are no number keep their setting; colours keep 8 bits.
    EXPECT_EQ(SettingsOf(table[4]), Settings("C.ttf", 12, 14, 2, 300 & 0xff, -3));
}

TEST(FontSystemStrings, StringLinesKeepTheirSecondFieldOnly)
{
    std::map<int, string_data> table;
    ASSERT_EQ(Parse(u"@5|text|ignored|too\n@6\r\n@7\n@8|x\n@8|replaced\n@ 9|blank id\n@x|no id\n@-4|", table), 0);
    EXPECT_EQ(Text(table.at(5)), u"text");
    // CR LF closes an empty text; a single line end does not.
    EXPECT_EQ(Text(table.at(6)), u"");
    EXPECT_EQ(table.count(7), 0u);
    EXPECT_EQ(Text(table.at(8)), u"replaced");
    EXPECT_EQ(Text(table.at(9)), u"blank id");
    EXPECT_EQ(Text(table.at(-4)), u"");
    EXPECT_EQ(table.size(), 5u);
}

TEST(FontSystemStrings, CutsOverlongFieldsAndIgnoresAnOddLastByte)
{
    std::map<int, string_data> table;
    const std::u16string longText(1500, u'w');
    std::string bytes = Utf16Bytes(u"@1|" + longText + u"\n@2|ab") + "\x41";
    ASSERT_EQ(FontSystem_ParseStrings(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), table), 0);
    EXPECT_EQ(table[1].text.length(), 1023u);
    EXPECT_EQ(Text(table[2]), u"ab");
}

// Each failure prints its own text alone, without the "ERROR!" prefix of
// other fatal errors; the log names the file that was read.
TEST(FontSystemStrings, LoadingFailuresAreFatal)
{
    TempFolder folder;
    folder.Write("strings.dat", Utf16Bytes(u"#ok\n!f|1\n\n@3|x\n #bad"));
    ChildResult bad = RunInChild([] { FontSystem_Load(RESOURCE_FOLDER, "strings.dat"); });
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.output, "FONTSYSTEM: Unable to parse line number 4\n");

    ChildResult missing = RunInChild([] { FontSystem_LoadStrings("nowhere.dat"); });
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.output, "FONTSYSTEM: Cannot load string data file.");

    ChildResult noTtf = RunInChild([] {
        refuseTtf = true;
        FontSystem_Load(RESOURCE_FOLDER, "strings.dat");
    });
    EXPECT_EQ(noTtf.exitCode, 1);
    EXPECT_EQ(noTtf.output, "FONTSYSTEM: SDL_ttf initialization error: FreeType would not start\n");

    const std::string log = folder.Read("LOG.TXT");
    EXPECT_THAT(log, HasSubstr(" - FONTSYSTEM: Unable to parse line number 4 of strings.dat\r\n"));
    EXPECT_THAT(log, HasSubstr(" - FONTSYSTEM: Cannot load string data file. nowhere.dat\r\n"));
    EXPECT_THAT(log, HasSubstr(" - FONTSYSTEM: SDL_ttf initialization error: FreeType would not start\r\n"));
}

TEST(FontSystemStrings, LookupsCutTextsToEightBits)
{
    TempFolder folder;
    const std::u16string longText(1100, u'z');
    folder.Write("strings.dat", Utf16Bytes(u"@90001|Caf\u00e9 \u4e2d\n@90002|" + longText));
    FontSystem_LoadStrings("strings.dat");

    EXPECT_EQ(FontSystem_GetASCIIString(90001), "Caf\xe9 \x2d");
    EXPECT_STREQ(FontSystem_LoadString(90001), "Caf\xe9 \x2d");
    EXPECT_EQ(strlen(FontSystem_LoadString(90002)), 1023u);

    // Only the first lookup adds an entry for a missing id.
    EXPECT_STREQ(FontSystem_LoadString(90003), "");
    EXPECT_EQ(strings.count(90003), 0u);
    EXPECT_EQ(FontSystem_GetASCIIString(90003), "");
    EXPECT_EQ(strings.count(90003), 1u);
    strings.clear();
}

TEST(FontSystemStrings, EightBitTextWidensByZeroExtension)
{
    ustring wide = FontSystem_ASCIItoUnicode("a\xe9\xfe");
    ASSERT_EQ(wide.length(), 3u);
    EXPECT_EQ(wide[1], 0x00e9);
    EXPECT_EQ(FontSystem_ToASCIIString(wide.c_str()), "a\xe9\xfe");
    EXPECT_EQ(FontSystem_ASCIItoUnicode(nullptr).length(), 0u);
}
