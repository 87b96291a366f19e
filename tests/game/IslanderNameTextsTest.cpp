// Every text that names an islander, rendered with the inserts its caller
// really gives: the name shows, never the name's table number nor a gap, and
// a pronoun inserted at a sentence's start does not leave it in lower case.
#include "CControllerGameFixture.h"

#include "CDraw.h"
#include "CSprite.h"
#include "FontSystem.h"

#include <cctype>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kTableName = 7000;
constexpr const char* kWidestName = "Wwwwwwwwww";  // a name of the player's own, at its longest

// How a caller fills the five inserts.
enum class Caller {
    notice,     // pop-up, crate screen, farewell: the name, then the pronouns' ids
    grave,      // the grave: name, rank, speciality, cause, and the age as the fifth
    toolTip,    // the side panel with a first text: nothing, then the name
    remark,     // an islander's own tool-tip: %7 from its table name, or %2 from its own
};

struct named_texts {
    int first, last;
    Caller caller;
    int box[2];  // the caller's text box, w x h; 0 where another test checks the fit
};

constexpr named_texts kNamedTexts[] = {
    {12004, 12004, Caller::notice, {0, 0}},        {12201, 12201, Caller::notice, {0, 0}},
    {12205, 12205, Caller::notice, {0, 0}},        {12215, 12215, Caller::notice, {0, 0}},
    {12301, 12305, Caller::notice, {0, 0}},        {12309, 12322, Caller::notice, {0, 0}},
    {12018, 12019, Caller::grave, {0, 0}},         {24160, 24167, Caller::notice, {300, 200}},
    {24180, 24200, Caller::notice, {300, 200}},    {24204, 24206, Caller::notice, {300, 200}},
    {24500, 24501, Caller::notice, {300, 200}},    {24600, 24600, Caller::notice, {300, 200}},
    {24700, 24707, Caller::notice, {300, 200}},    {24800, 24807, Caller::notice, {300, 200}},
    {24900, 24923, Caller::notice, {300, 200}},    {26001, 26002, Caller::notice, {0, 0}},
    {26009, 26011, Caller::notice, {0, 0}},        {26100, 26106, Caller::notice, {0, 0}},
    {26200, 26208, Caller::notice, {0, 0}},        {26300, 26302, Caller::notice, {0, 0}},
    {26400, 26402, Caller::notice, {0, 0}},        {26405, 26406, Caller::notice, {0, 0}},
    {26500, 26503, Caller::notice, {0, 0}},        {26600, 26605, Caller::notice, {0, 0}},
    {26610, 26611, Caller::notice, {0, 0}},        {53100, 53109, Caller::notice, {300, 200}},
    {15015, 15015, Caller::toolTip, {442, 57}},    {15019, 15020, Caller::toolTip, {442, 57}},
    {15023, 15031, Caller::toolTip, {442, 57}},    {15038, 15059, Caller::toolTip, {442, 57}},
    {15061, 15061, Caller::toolTip, {442, 57}},    {15100, 15112, Caller::toolTip, {442, 57}},
    {34220, 34489, Caller::remark, {442, 57}},
};

struct rendered {
    std::string words;
    bool fits = true;
};

rendered Render(int id, const int box[2], const char* a1, const char* a2, const char* a3, const char* a4,
                const char* a5)
{
    const int w = box[0] > 0 ? box[0] : 400, h = box[1] > 0 ? box[1] : 400;
    int lines = 0;
    const int image = CSprite::draw->LoadTextShadow(id, w, h, 3, lines, 0, 0, 0, a1, a2, a3, a4, a5);
    const text_layout* layout = CSprite::draw->TextLayout(image);
    rendered result;
    if (layout) {
        result.words = layout->words;
        for (const PF_Rect& line : layout->lines) {
            result.fits = result.fits && line.x >= 0 && line.y >= 0 && line.x + line.w <= w + 1 && line.y + line.h <= h;
        }
    }
    CSprite::draw->RemoveImage(image);
    return result;
}

// The first letter of the text and of every sentence after ". ", "! " or "? "
// (an ellipsis trails off and ends none).
bool SentencesStartInCapitals(const std::string& words)
{
    bool start = true;
    for (size_t i = 0; i < words.size(); i++) {
        const unsigned char c = static_cast<unsigned char>(words[i]);
        const bool ellipsis = c == '.' && i > 0 && words[i - 1] == '.';
        if (std::isalpha(c)) {
            if (start && std::islower(c)) {
                return false;
            }
            start = false;
        } else if ((c == '.' || c == '!' || c == '?') && !ellipsis && i + 1 < words.size() && words[i + 1] == ' ') {
            start = true;
        }
    }
    return true;
}

}  // namespace

TEST_F(GameScreenTest, EveryTextThatNamesAnIslanderShowsTheNameItsCallerGives)
{
    Open();
    const std::string tableName = FontSystem_GetASCIIString(kTableName);
    const std::string number = std::to_string(kTableName);
    ASSERT_FALSE(tableName.empty());
    int checked = 0;
    for (const named_texts& row : kNamedTexts) {
        for (int id = row.first; id <= row.last; id++) {
            if (!strings.count(id)) {
                continue;
            }
            checked++;
            // Each way the caller can name the islander: the name it passes,
            // and whether the table's number could show in the name's place.
            struct naming {
                std::string expected;
                rendered text;
            };
            std::vector<naming> namings;
            switch (row.caller) {
            case Caller::notice:
                // A woman's pronouns, then a man's.
                for (const auto& [subject, possessive] : {std::pair{"24100", "24102"}, std::pair{"24101", "24103"}}) {
                    namings.push_back({kWidestName, Render(id, row.box, kWidestName, subject, possessive, nullptr,
                                                           nullptr)});
                }
                break;
            case Caller::grave:
                namings.push_back({kWidestName, Render(id, row.box, kWidestName, "11121", "11101", "12021", "70")});
                break;
            case Caller::toolTip:
                namings.push_back({kWidestName, Render(id, row.box, nullptr, kWidestName, nullptr, nullptr, nullptr)});
                break;
            case Caller::remark:
                // Its own name given: no number and no second name.
                namings.push_back({kWidestName, Render(id, row.box, nullptr, kWidestName, nullptr, nullptr, nullptr)});
                // The table's name: the number first, the other islander third.
                namings.push_back({tableName, Render(id, row.box, number.c_str(), nullptr, kWidestName, nullptr,
                                                     nullptr)});
                break;
            }
            for (const naming& n : namings) {
                const std::string& words = n.text.words;
                EXPECT_NE(words.find(n.expected), std::string::npos) << "text " << id << " lacks the name: " << words;
                EXPECT_EQ(words.find(number), std::string::npos) << "text " << id << " shows a number: " << words;
                EXPECT_TRUE(SentencesStartInCapitals(words)) << "text " << id << ": " << words;
                EXPECT_TRUE(n.text.fits) << "text " << id << " leaves its " << row.box[0] << " x " << row.box[1]
                                         << " box: " << words;
            }
        }
    }
    EXPECT_GT(checked, 450);
}
