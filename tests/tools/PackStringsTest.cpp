#include "PackStrings.h"
#include "TestBytes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using testing::HasSubstr;

namespace {

pack_strings_data Load(const std::string& text)
{
    pack_strings_data strings;
    std::string error;
    EXPECT_TRUE(AppendStringsFile(text, "a.strings", strings, error)) << error;
    return strings;
}

// strings.dat decoded back into 16-bit characters, checking the byte order.
std::u16string Decode(const std::string& bytes)
{
    EXPECT_EQ(bytes.size() % 2, 0u);
    return FromUtf16Bytes(bytes);
}

}  // namespace

TEST(PackStrings, WritesUtf16WithAByteOrderMarkAndNoFinalLineBreak)
{
    const std::string bytes =
        EncodeStringTable(Load("# area\r\n!DejaVuSans.ttf|16|255|255|255|0\n\n@22000|Café in the €uro zone\n"));
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xff);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xfe);

    const std::u16string text = Decode(bytes);
    EXPECT_NE(text.back(), u'\n');
    EXPECT_NE(text.back(), u'\r');
    EXPECT_NE(text.find(u"\r\n!DejaVuSans.ttf|16|255|255|255|0\r\n@22000|Caf\u00e9 in the \u20acuro zone"),
              std::u16string::npos);
    const std::u16string last = u"Caf\u00e9 in the \u20acuro zone";
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
    // é is E9 00 and € is AC 20 in little-endian order.
    EXPECT_NE(bytes.find(std::string("\xe9\x00", 2)), std::string::npos);
    EXPECT_NE(bytes.find(std::string("\xac\x20", 2)), std::string::npos);
}

TEST(PackStrings, EveryLineOfTheTableIsOneTheGameAccepts)
{
    pack_strings_data strings = Load("!A.ttf|10|1|2|3|-2\n@1|one\n");
    std::string error;
    // A refused file adds nothing.
    ASSERT_FALSE(AppendStringsFile("# bad file\n!B.ttf|12|0|0|0|0\n@3|three\n@2|two|x\n", "b.strings", strings,
                                   error));
    EXPECT_EQ(strings.lines.size(), 2u);
    EXPECT_EQ(strings.ids.count(3), 0u);
    ASSERT_TRUE(AppendStringsFile("# second file\n\n\n!B.ttf|12|0|0|0|0\n@2|\n", "b.strings", strings, error))
        << error;
    const std::u16string text = Decode(EncodeStringTable(strings)).substr(1);
    size_t start = 0;
    int lines = 0;
    while (start <= text.size()) {
        size_t end = text.find(u"\r\n", start);
        const std::u16string line = text.substr(start, end == std::u16string::npos ? end : end - start);
        ASSERT_FALSE(line.empty()) << "line " << lines;
        EXPECT_TRUE(line[0] == u'#' || line[0] == u'!' || line[0] == u'@') << "line " << lines;
        EXPECT_EQ(line.find(u'\r'), std::u16string::npos);
        EXPECT_EQ(line.find(u'\n'), std::u16string::npos);
        lines++;
        if (end == std::u16string::npos) {
            break;
        }
        start = end + 2;
    }
    EXPECT_EQ(lines, 6);  // the table's own heading, two lines of one file and three of the other
    EXPECT_EQ(strings.fonts.size(), 2u);
    EXPECT_EQ(strings.fonts[1].first, "B.ttf");
    EXPECT_EQ(strings.fonts[1].second, "b.strings:4");
}

TEST(PackStrings, RefusesLinesTheGameWouldRejectOrMisread)
{
    struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"@1|no font yet\n", "a.strings:1: the file sets no font"},
        {"!A.ttf|10|0|0|0|0\n\n\n1|x\n", "a.strings:4: a line starts with"},
        {"!A.ttf|10|0|0|0|0\n@x1|text\n", "the string id 'x1' is not a number"},
        {"!A.ttf|10|0|0|0|0\n@1\n", "a string line is @id|text"},
        {"!A.ttf|10|0|0|0|0\n@1|a|b\n", "holds a '|'"},
        {"!A.ttf|10|0|0|0|0\n@1|one\n@1|again\n", "a.strings:3: string 1 is already defined at a.strings:2"},
        {"!A.ttf|10|0|0|0|0\n@1|\xc3\n", "cut short"},
        {"!A.ttf|10|0|0|0|0\n@1|\xc0\xaf\n", "bytes that are not UTF-8"},
        {"!A.ttf|10|0|0|0|0\n@1|\xf0\x9f\x8c\xb4 palm\n", "outside the Basic Multilingual Plane"},
        {"!A.ttf|10|0|0|0|0\n@1|one\rtwo\n", "a lone carriage return"},
        {"!A.ttf|10|256|0|0|0\n", "the red field '256'"},
        {"!A.ttf|0|0|0|0|0\n", "the size field '0'"},
        {"!A.ttf|10|0|0|0|x\n", "the line spacing field 'x'"},
        {"!A.ttf|10|0|0|0|0|7\n", "at most six fields"},
        {"!|10|0|0|0|0\n", "names no font"},
        {"!A font.ttf|10\n", "plain ASCII without blanks"},
    };
    for (const auto& c : cases) {
        pack_strings_data strings;
        std::string error;
        EXPECT_FALSE(AppendStringsFile(c.text, "a.strings", strings, error)) << c.text;
        EXPECT_THAT(error, HasSubstr(c.message)) << c.text;
    }
}

TEST(PackStrings, AcceptsPartialFontSettingsAndMarkup)
{
    pack_strings_data strings = Load("!A.ttf\n@5|%bBold%b and %1 and 100%\n!A.ttf|9\n@6|  leading blanks  \n");
    EXPECT_EQ(strings.lines.size(), 4u);
    EXPECT_EQ(strings.lines[1], u"@5|%bBold%b and %1 and 100%");
    EXPECT_EQ(strings.lines[3], u"@6|  leading blanks  ");
}

// Each sequence length has a lowest code it may carry; the surrogates and a
// sequence the text ends inside are refused, each for its own reason.
TEST(PackStrings, DecodesUtf8UpToEachEdgeOfWhatItTakes)
{
    const struct {
        const char* bytes;
        char16_t code;  // 0 when refused
        const char* reason;
    } cases[] = {
        {"\x7f", 0x7f, nullptr},
        {"\xc2\x80", 0x80, nullptr},
        {"\xc1\xbf", 0, "bytes that are not UTF-8"},  // 0x7f in two bytes
        {"\xdf\xbf", 0x7ff, nullptr},
        {"\xe0\xa0\x80", 0x800, nullptr},
        {"\xe0\x9f\xbf", 0, "bytes that are not UTF-8"},  // 0x7ff in three bytes
        {"\xed\x9f\xbf", 0xd7ff, nullptr},
        {"\xed\xa0\x80", 0, "bytes that are not UTF-8"},  // the first surrogate
        {"\xed\xbf\xbf", 0, "bytes that are not UTF-8"},  // the last surrogate
        {"\xee\x80\x80", 0xe000, nullptr},
        {"\xef\xbf\xbf", 0xffff, nullptr},
        {"a\xc3", 0, "a UTF-8 sequence cut short"},
        {"a\xe2\x82", 0, "a UTF-8 sequence cut short"},
        {"\xe2\x82" "a", 0, "bytes that are not UTF-8"},
        {"\x80", 0, "bytes that are not UTF-8"},
        {"\xf0\x9f\x8c\xb4", 0, "a character outside the Basic Multilingual Plane"},
    };
    for (const auto& c : cases) {
        std::u16string out;
        std::string reason;
        const bool taken = DecodeUtf8(c.bytes, out, reason);
        EXPECT_EQ(taken, c.reason == nullptr) << testing::PrintToString(std::string(c.bytes));
        if (taken) {
            EXPECT_EQ(out, std::u16string(1, c.code)) << testing::PrintToString(std::string(c.bytes));
        } else {
            EXPECT_EQ(reason, c.reason) << testing::PrintToString(std::string(c.bytes));
        }
    }
}
