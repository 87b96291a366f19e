// The crate screen over the game screen: its buttons and answers, the
// container pictures, the masters' mist and sparkles, the opener's portrait,
// and a whole opening in the running game.
#include "tests/menus/CControllerMainRoad.h"

#include "ArchiveBytes.h"
#include "CControllerCrate.h"
#include "CCrateBarrel.h"
#include "CGuiButton.h"
#include "CPerson.h"
#include "CRenderer.h"
#include "CResources.h"
#include "ChildProcess.h"
#include "tests/islanders/IslanderRecords.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <utility>

namespace {

constexpr int kYear = 172800;

// Pixels of an image in one colour, whatever their alpha.
int PixelsOfColour(int id, int r, int g, int b)
{
    const rgb_picture picture = PictureOf(CSprite::draw->GetSurface(id));
    int count = 0;
    for (size_t i = 0; i + 2 < picture.rgb.size(); i += 3) {
        count += picture.rgb[i] == r && picture.rgb[i + 1] == g && picture.rgb[i + 2] == b;
    }
    return count;
}

std::string NameOf(CSprite* sprite)
{
    const char* name = CSprite::draw->GetImageName(sprite->GetFirstImage());
    return name ? name : "";
}

feedback_data Request(int id, int crate, int tier)
{
    feedback_data request{};
    request.id = id;
    request.insert[0] = "Mara";
    request.insert[1] = "24100";
    request.insert[2] = "24102";
    request.crate = 1;
    request.number = crate;
    request.crateTier = tier;
    return request;
}

class CrateScreenTest : public ScreenRoadTest {
protected:
    void TearDown() override
    {
        crate.reset();
        CCrateBarrel::pickedUp = nullptr;
        ScreenRoadTest::TearDown();
    }

    CControllerCrate& Show(const feedback_data& request)
    {
        crate = std::make_unique<CControllerCrate>(request);
        root.PassFocus(crate.get());
        return *crate;
    }

    bool Closed() const { return CController::focus == &root; }

    void Click(CGuiButton* button) { ClickAt(button->x + button->GetW() / 2, button->y + button->GetH() / 2); }

    std::unique_ptr<CControllerCrate> crate;
};

TEST_F(CrateScreenTest, AQuestionOffersBothButtonsAFirstCrateOnlyOkayAndEscapeAlwaysAnswersNo)
{
    CControllerCrate& question = Show(Request(24161, 1, 0));
    ASSERT_NE(question.cancelButton, nullptr);
    const int pairedX = question.okayButton->x;
    EXPECT_EQ(NameOf(question.panelB), "crateGUI_main_B1.png");
    Click(question.cancelButton);
    EXPECT_TRUE(Closed());
    EXPECT_FALSE(crate->answer);

    feedback_data first = Request(24501, 1, 0);
    first.crateFirst = 1;
    Show(first);
    EXPECT_EQ(crate->cancelButton, nullptr);
    EXPECT_LT(crate->okayButton->x, pairedX) << "alone, okay stands in the middle";
    Click(crate->okayButton);
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(crate->answer);

    Show(first);
    Key(SDLK_ESCAPE);
    Turn();
    EXPECT_TRUE(Closed());
    EXPECT_FALSE(crate->answer) << "the okay-only question still closes with no";
}

TEST_F(CrateScreenTest, ANoticeUsesTheOneButtonFrameAndShowsTheContainerByTier)
{
    feedback_data notice = Request(24182, 0, 2);
    notice.noticeOnly = 1;
    CControllerCrate& shown = Show(notice);
    EXPECT_EQ(NameOf(shown.panelB), "crateGUI_main_B2.png");
    EXPECT_EQ(NameOf(shown.panelC), "crateGUI_main_C2.jpg");
    EXPECT_EQ(NameOf(shown.picture), "crateGUI_barrel2.jpg");
    EXPECT_EQ(shown.cancelButton, nullptr);
    Click(shown.okayButton);
    EXPECT_TRUE(crate->answer);

    Show(Request(24161, 1, 0));
    EXPECT_EQ(NameOf(crate->picture), "crateGUI_crate0.jpg");

    // The game's archive holds tiers 0 to 2; a fuller barrel needs its own
    // picture, and a missing one stops the program naming it.
    const ChildResult missing = RunInChild([] { CControllerCrate barrel(Request(24160, 0, 3)); });
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find("crateGUI_barrel3.jpg"), std::string::npos) << missing.output;
    const ChildResult found = RunInChild([] {
        namespace fs = std::filesystem;
        const fs::path archive = "Palmora.app/Contents/Resources/resource.dat";
        archive_entries entries = ArchiveEntries(ReadBytes(archive.string()));
        for (const auto& entry : archive_entries(entries)) {
            if (entry.first == "crateGUI_barrel2.jpg") {
                entries.emplace_back("crateGUI_barrel3.jpg", entry.second);
            }
        }
        fs::remove(archive);
        std::ofstream(archive, std::ios::binary) << ArchiveBytes(entries);
        CDraw fuller{CDraw::NoLoadingScreen{}};
        fuller.Preload();
        CSprite::draw = CController::draw = &fuller;
        CControllerCrate barrel(Request(24160, 0, 3));
        if (NameOf(barrel.picture) != "crateGUI_barrel3.jpg") {
            _exit(2);
        }
        _exit(0);
    });
    EXPECT_EQ(found.exitCode, 0) << found.output;
}

TEST_F(CrateScreenTest, AMastersJournalComesInItsOwnMistWithSparklesUntilTheMistThins)
{
    CControllerCrate& builder = Show(Request(24195, 1, 1));
    EXPECT_TRUE(builder.showSet1);
    EXPECT_FALSE(builder.showSet2);
    EXPECT_FALSE(builder.mistA->Hidden());
    const int painted = builder.mistA->GetImage(20);
    EXPECT_EQ(PixelsOfColour(painted, 255, 236, 117), CSprite::draw->GetW(painted) * CSprite::draw->GetH(painted));
    const int shared = CSprite::draw->LoadImage("mist_A_20.png", false, false);
    EXPECT_EQ(PixelsOfColour(shared, 255, 236, 117), 0) << "the game's own mist keeps its colours";
    CSprite::draw->RemoveImage(shared);

    std::set<std::pair<int, int>> placesWhileThick;
    int turns = 0;
    while (builder.mistB->GetFrame() <= 40 && turns++ < 200) {
        Turn();
        for (CSprite* sparkle : builder.sparkles1) {
            if (sparkle->GetX() != -100) {
                placesWhileThick.insert({sparkle->GetX(), sparkle->GetY()});
                EXPECT_LE(std::abs(sparkle->GetX() - 348), 25);
                EXPECT_LE(std::abs(sparkle->GetY() - 205), 25);
            }
        }
        for (CSprite* sparkle : builder.sparkles2) {
            EXPECT_EQ(sparkle->GetX(), -100) << "set 2 stays away";
        }
    }
    EXPECT_GT(placesWhileThick.size(), 20u) << "the sparkles hop round the container";
    Turn(12);
    std::set<std::pair<int, int>> placesAfter;
    for (CSprite* sparkle : builder.sparkles1) {
        EXPECT_TRUE(sparkle->Hidden());
        placesAfter.insert({sparkle->GetX(), sparkle->GetY()});
    }
    Turn(80);
    EXPECT_TRUE(builder.mistA->Hidden() && builder.mistB->Hidden()) << "the spent mist goes";
    for (CSprite* sparkle : builder.sparkles1) {
        EXPECT_TRUE(placesAfter.count({sparkle->GetX(), sparkle->GetY()})) << "no sparkle moves once it went";
    }

    // The other set sparkles for the journals of the other colours.
    CControllerCrate& fisher = Show(Request(24192, 1, 1));
    EXPECT_TRUE(fisher.showSet2);
    EXPECT_FALSE(fisher.showSet1);
    std::set<std::pair<int, int>> secondSet;
    turns = 0;
    while (fisher.mistB->GetFrame() <= 40 && turns++ < 200) {
        Turn();
        for (int i = 0; i < CControllerCrate::kSparkles; i++) {
            EXPECT_EQ(fisher.sparkles1[i]->GetX(), -100) << "set 1 stays away";
            CSprite* sparkle = fisher.sparkles2[i];
            if (sparkle->GetX() != -100) {
                secondSet.insert({sparkle->GetX(), sparkle->GetY()});
                EXPECT_LE(std::abs(sparkle->GetX() - 348), 25);
                EXPECT_LE(std::abs(sparkle->GetY() - 205), 25);
            }
        }
    }
    EXPECT_GT(secondSet.size(), 20u);

    Show(Request(24180, 1, 0));
    EXPECT_FALSE(crate->showSet1 || crate->showSet2);
    Turn(5);
    EXPECT_TRUE(crate->mistA->Hidden() && crate->mistB->Hidden());
    for (int i = 0; i < CControllerCrate::kSparkles; i++) {
        EXPECT_TRUE(crate->sparkles1[i]->Hidden() && crate->sparkles2[i]->Hidden());
    }
}

TEST_F(CrateScreenTest, TheOpenersPortraitStandsByHerOrHisSexAndAGoneOpenerShowsNone)
{
    CPerson* woman = new CPerson(IslanderRecord(300, 300, 30 * kYear, 1));
    CPerson* man = new CPerson(IslanderRecord(400, 300, 30 * kYear, 0));
    CCrateBarrel::pickedUp = woman;
    Show(Request(24161, 1, 0));
    ASSERT_NE(crate->portrait, nullptr);
    const std::pair<int, int> herPlace{crate->portrait->GetX(), crate->portrait->GetY()};
    CCrateBarrel::pickedUp = man;
    Show(Request(24161, 1, 0));
    ASSERT_NE(crate->portrait, nullptr);
    EXPECT_NE(std::make_pair(crate->portrait->GetX(), crate->portrait->GetY()), herPlace);

    // The opener died while the question waited: the screen shows the
    // container alone and answers as ever.
    man->deleteMe = true;
    Show(Request(24161, 1, 0));
    EXPECT_EQ(crate->portrait, nullptr);
    CCrateBarrel::pickedUp = reinterpret_cast<CPerson*>(crate.get());
    Show(Request(24161, 1, 0));
    EXPECT_EQ(crate->portrait, nullptr) << "a pointer to no islander is never followed";
    Click(crate->okayButton);
    EXPECT_TRUE(crate->answer);
}

TEST_F(CrateScreenTest, AnAdultDroppedOnACrateOpensItThroughQuestionAndNoticeAndTheStockGrows)
{
    CControllerGame& game = Open();
    CPerson* adult = new CPerson(IslanderRecord(300, 300, 30 * kYear, 1));
    CCrateBarrel* container = new CCrateBarrel(500, 500, false, false);
    container->result = 24182;
    game.pickupCandidate = adult;
    ASSERT_EQ(container->DroppedOn(), 17);
    game.pickupCandidate = nullptr;
    CResources* stock = CControllerGame::Resources();
    const int wood = stock->GetWood();

    Turn(4);
    ASSERT_NE(CControllerGame::crateGUI, nullptr);
    EXPECT_EQ(CController::focus, CControllerGame::crateGUI);
    ASSERT_NE(CControllerGame::crateGUI->portrait, nullptr);
    Click(CControllerGame::crateGUI->okayButton);
    EXPECT_EQ(stock->GetWood(), wood + 50);
    Turn(2);
    ASSERT_NE(CControllerGame::crateGUI, nullptr) << "the find is told";
    EXPECT_EQ(CControllerGame::crateGUI->noticeOnly, 1);
    EXPECT_EQ(NameOf(CControllerGame::crateGUI->picture), container->crate ? "crateGUI_crate0.jpg"
                                                                           : "crateGUI_barrel0.jpg");
    Click(CControllerGame::crateGUI->okayButton);
    Turn(3);
    EXPECT_EQ(CControllerGame::crateGUI, nullptr);
    EXPECT_EQ(CController::focus, &game);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
    EXPECT_EQ(CCrateBarrel::pickedUp, nullptr);
}

}  // namespace
