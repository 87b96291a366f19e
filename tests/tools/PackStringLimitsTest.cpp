// The string file's limits, each taken at its edge and refused one past it:
// every field of a font-settings line, the font's name and the string ids.
#include "PackStrings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using testing::HasSubstr;

namespace {

struct strings_case {
    std::string text;
    const char* refusal;  // null when the file is taken
};

void ExpectTakenOrRefused(const strings_case& c)
{
    pack_strings_data strings;
    std::string error;
    const bool taken = AppendStringsFile(c.text, "a.strings", strings, error);
    if (c.refusal) {
        EXPECT_FALSE(taken) << testing::PrintToString(c.text);
        EXPECT_THAT(error, HasSubstr(c.refusal)) << testing::PrintToString(c.text);
        EXPECT_TRUE(strings.lines.empty());
    } else {
        EXPECT_TRUE(taken) << testing::PrintToString(c.text) << ": " << error;
    }
}

}  // namespace

TEST(PackStrings, EveryFontFieldIsTakenUpToItsEdgesAndNoFurther)
{
    const struct {
        const char* name;
        long low, high;
    } fields[] = {{"size", 1, 200}, {"red", 0, 255}, {"green", 0, 255}, {"blue", 0, 255}, {"line spacing", -100, 100}};
    for (size_t field = 0; field < std::size(fields); field++) {
        // The line's other fields stay at values taken, so only this one decides.
        auto line = [&](long value) {
            std::string text = "!A.ttf";
            for (size_t other = 0; other < std::size(fields); other++) {
                text += "|" + std::to_string(other == field ? value : fields[other].low);
            }
            return text + "\n@1|text\n";
        };
        const auto& f = fields[field];
        const std::string refusal = std::string("the ") + f.name + " field '";
        ExpectTakenOrRefused({line(f.low), nullptr});
        ExpectTakenOrRefused({line(f.high), nullptr});
        ExpectTakenOrRefused({line(f.low - 1), (refusal + std::to_string(f.low - 1) + "'").c_str()});
        ExpectTakenOrRefused({line(f.high + 1), (refusal + std::to_string(f.high + 1) + "'").c_str()});
    }
}

TEST(PackStrings, FontNamesAndStringIdsAreTakenUpToTheirEdgesAndNoFurther)
{
    const strings_case cases[] = {
        {"!!.ttf\n@1|a\n", nullptr},
        {"!~.ttf\n@1|a\n", nullptr},
        {"!\x7f.ttf\n@1|a\n", "must be plain ASCII without blanks"},
        {"! .ttf\n@1|a\n", "must be plain ASCII without blanks"},
        {"!A.ttf\n@0|a\n", nullptr},
        {"!A.ttf\n@2000000000|a\n", nullptr},
        {"!A.ttf\n@2000000001|a\n", "the string id '2000000001' is not a number"},
        {"!A.ttf\n@-1|a\n", "the string id '-1' is not a number"},
    };
    for (const strings_case& c : cases) {
        ExpectTakenOrRefused(c);
    }
}
