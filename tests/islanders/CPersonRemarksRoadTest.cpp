// What the side panel's tool-tip says of an islander, read as the player
// reads it: a grown-up dropped on a kid greets it under the grown-up's own
// name, the table's or one the player gave, and a potion an islander turns
// down names that islander.
#include "RoadFixture.h"

#include "CDraw.h"
#include "CSidebar.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "FontSystem.h"
#include "IslanderRecords.h"
#include "LayoutCheck.h"
#include "Screenshot.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

constexpr int kYear = 172800;
constexpr int kFirstGreeting = 34220, kLastGreeting = 34403;
constexpr int kSkyPotion = 1, kSkyPotionRefusal = 15100;

// The words of the tool-tip once it has slid in; empty before.
std::string ShownToolTip()
{
    CSidebar* panel = CControllerGame::sidebar;
    if (!panel || !panel->tooltipText || panel->tooltipState != CSidebar::SHOWN) {
        return "";
    }
    const text_layout* layout = CSprite::draw->TextLayout(panel->tooltipText->GetFirstImage());
    return layout ? layout->words : "";
}

bool HasDigit(const std::string& words)
{
    return std::any_of(words.begin(), words.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

}  // namespace

class RemarksRoadTest : public RoadTest {
protected:
    // A lesson at the top of the view would hide the tool-tip: this player
    // has turned the lessons off.
    void SetUp() override
    {
        RoadTest::SetUp();
        CProfile::current->SetValue<bool>(kTutorialOn, false);
        delete CTutorialDialog::activeDialog;
        Frame();
    }

    static constexpr int kTutorialOn = 67;

    // Game frames until the tool-tip has slid in with new words; the screen
    // is then saved for a person to look at, and the tool-tip checked for
    // lines that leave its bar (the rest of the panel may still be sliding).
    bool ShowsANewToolTip(const std::string& screenshot)
    {
        CSidebar* panel = CControllerGame::sidebar;
        bool slid = false;
        const bool shown = RunUntil(
            [&] {
                slid = slid || panel->tooltipState == CSidebar::SLIDING_IN;
                return slid && panel->tooltipState == CSidebar::SHOWN;
            },
            300);
        if (shown) {
            const std::string tip = "text " + std::to_string(CSprite::draw->TextLayout(panel->tooltipText->GetFirstImage())->id) + " ";
            for (const std::string& problem : LayoutProblems()) {
                if (problem.rfind(tip, 0) == 0) {
                    ADD_FAILURE() << screenshot << ": " << problem;
                }
            }
        }
        SaveRedrawnScreen(ScreenshotPath(screenshot));
        return shown;
    }
};

TEST_F(RemarksRoadTest, TheToolTipNamesTheIslanderWhoSpeaksAndTheOneRefusedAPotion)
{
    std::vector<CPerson*> adults;
    for (CPerson* person : CPerson::people) {
        if (person->IsAdult()) {
            adults.push_back(person);
        }
    }
    ASSERT_GE(adults.size(), 2u);
    CPerson* tableNamed = adults[0];
    CPerson* ownNamed = adults[1];
    ownNamed->SetASCIIName("Marisol");
    CPerson* kid = IslanderUnder(Round(tableNamed->data.x) + 90, Round(tableNamed->data.y) + 20, 8 * kYear, 1);

    // The pointer deep inside the islander's body, as a player aims.
    auto pointAt = [&](CPerson* person) {
        Show(Round(person->data.x), Round(person->data.y));
        const body_view body = person->DescribeBody();
        return PointWhere(Round(person->data.x) + body.offsetX + body.width / 2,
                          Round(person->data.y) + body.offsetY + body.height / 2, 30,
                          [person] { return CObject::FindObjectAt(-1, -1, false, true) == person; });
    };

    for (CPerson* speaker : {tableNamed, ownNamed}) {
        Lift(speaker);
        ASSERT_TRUE(speaker->IsPickedUp());
        const coordinate onKid = pointAt(kid);
        ASSERT_NE(onKid.x, -1) << "the kid can be pointed at";
        ReleaseAt(onKid);
        ASSERT_GE(speaker->speechId, kFirstGreeting) << "the grown-up greets the kid";
        ASSERT_LE(speaker->speechId, kLastGreeting);
        CObject::selectedObject = speaker;
        ASSERT_TRUE(ShowsANewToolTip(speaker == ownNamed ? "remark-under-a-name-of-the-players.png"
                                                         : "remark-under-the-tables-name.png"));
        const std::string words = ShownToolTip();
        EXPECT_NE(words.find(speaker->GetASCIIName()), std::string::npos) << words;
        EXPECT_FALSE(HasDigit(words)) << words;
    }
    EXPECT_STREQ(ownNamed->GetASCIIName(), "Marisol");

    // A potion for the sky, offered to the islander under the pointer.
    const coordinate onIslander = pointAt(tableNamed);
    ASSERT_NE(onIslander.x, -1);
    game->heldPotion = kSkyPotion;
    game->InputMouseClick(true, false, false);
    EXPECT_EQ(CControllerGame::lastToolTip.id, kSkyPotionRefusal);
    ASSERT_TRUE(ShowsANewToolTip("potion-refused.png"));
    const std::string refusal = ShownToolTip();
    EXPECT_NE(refusal.find(tableNamed->GetASCIIName()), std::string::npos) << refusal;
}
