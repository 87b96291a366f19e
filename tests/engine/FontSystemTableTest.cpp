#include "FontSystem.h"

#include "ChildProcess.h"
#include "TempFolder.h"
#include "Utilities.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

// The table file's bytes: UTF-16 little-endian.
std::string Utf16(const std::u16string& text)
{
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xff);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

int Parse(const std::u16string& text, std::map<int, string_data>& table)
{
    const std::string bytes = Utf16(text);
    return FontSystem_ParseStrings(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), table);
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
            const string_data& entry = table[22000];
            EXPECT_EQ(entry.font, "Sans.ttf");
            EXPECT_EQ(entry.size, 16);
            EXPECT_EQ(entry.r, 250);
            EXPECT_EQ(entry.g, 200);
            EXPECT_EQ(entry.b, 150);
            EXPECT_EQ(entry.spacing, -2);
        }
    }
}

TEST(FontSystemStrings, RejectsTheFirstBadLineByItsNonBlankLineNumber)
{
    const struct {
        std::u16string file;
        int line;
    } cases[] = {
        {u"", 1},
        {u"\uFEFF", 1},
        {u"\r\n\n", 1},
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
    EXPECT_EQ(table[1].font, "");
    EXPECT_EQ(table[1].size, 0);
    EXPECT_EQ(table[2].font, "A.ttf");
    EXPECT_EQ(table[2].spacing, 4);

    EXPECT_EQ(table[3].font, "B.ttf");
    EXPECT_EQ(table[3].size, 12);
    EXPECT_EQ(table[3].r, 1);
    EXPECT_EQ(table[3].g, 2);
    EXPECT_EQ(table[3].b, 3);
    EXPECT_EQ(table[3].spacing, 4);

    // Fields that are no number keep their setting; colours keep 8 bits.
    EXPECT_EQ(table[4].size, 12);
    EXPECT_EQ(table[4].r, 14);
    EXPECT_EQ(table[4].g, 2);
    EXPECT_EQ(table[4].b, 300 & 0xff);
    EXPECT_EQ(table[4].spacing, -3);
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
    std::string bytes = Utf16(u"@1|" + longText + u"\n@2|ab") + "\x41";
    ASSERT_EQ(FontSystem_ParseStrings(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), table), 0);
    EXPECT_EQ(table[1].text.length(), 1023u);
    EXPECT_EQ(Text(table[2]), u"ab");
}

TEST(FontSystemStrings, SurvivesAnyBytes)
{
    // Runs under the sanitizers too: no input may read outside its buffer.
    std::mt19937 random(5);
    const char16_t alphabet[] = {u'@', u'!', u'#', u'|', u'\r', u'\n', u'1', u'-', u' ', u'a', 0xFEFF, 0};
    for (int round = 0; round < 3000; round++) {
        std::string bytes;
        const int length = static_cast<int>(random() % 64);
        for (int i = 0; i < length; i++) {
            const char16_t c = alphabet[random() % (sizeof alphabet / sizeof alphabet[0])];
            bytes += Utf16(std::u16string(1, c));
        }
        if (random() % 2) {
            bytes += static_cast<char>(random());
        }
        std::vector<unsigned char> exact(bytes.begin(), bytes.end());
        std::map<int, string_data> table;
        const int line = FontSystem_ParseStrings(exact.data(), exact.size(), table);
        ASSERT_GE(line, 0);
        ASSERT_LE(line, length + 1);
    }
}

TEST(FontSystemStrings, LoadingFailuresAreFatal)
{
    TempFolder folder;
    folder.Write("strings.dat", Utf16(u"#ok\n!f|1\n\n@3|x\n #bad"));
    ChildResult bad = RunInChild([] { FontSystem_Load(RESOURCE_FOLDER, "strings.dat"); });
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_THAT(bad.output, HasSubstr("FONTSYSTEM: Unable to parse line number 4\n"));

    ChildResult missing = RunInChild([] { FontSystem_LoadStrings("nowhere.dat"); });
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_THAT(missing.output, HasSubstr("FONTSYSTEM: Cannot load string data file. nowhere.dat"));
}

TEST(FontSystemStrings, LookupsCutTextsToEightBits)
{
    TempFolder folder;
    const std::u16string longText(1100, u'z');
    folder.Write("strings.dat", Utf16(u"@90001|Caf\u00e9 \u4e2d\n@90002|" + longText));
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
    EXPECT_EQ(wide[0], 'a');
    EXPECT_EQ(wide[1], 0x00e9);
    EXPECT_EQ(wide[2], 0x00fe);
    EXPECT_EQ(FontSystem_ToASCIIString(wide.c_str()), "a\xe9\xfe");
    EXPECT_EQ(FontSystem_ASCIItoUnicode(nullptr).length(), 0u);
    EXPECT_EQ(SwapUInt16(0x1234), 0x1234);  // the host is little-endian
}
