// Damage told over the main menu and the island chooser when no copy of it
// could be kept beside the profile (a folder stands where the copy is
// written first): each notice says so, and says a copy was kept again once
// one is.
#include "CControllerMainRoad.h"

#include "CControllerPopUp.h"
#include "LayoutCheck.h"
#include "Utilities.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

class NoCopyKeptRoadTest : public ScreenRoadTest {
protected:
    void SetUp() override
    {
        ScreenRoadTest::SetUp();
        char userData[PATH_BUFFER_SIZE];
        GetUserDataPath(userData);
        folder = userData;
    }

    std::string Corpus(const std::string& name) const
    {
        return std::string(PALMORA_SOURCE_DIR) + "/tests/fuzz/corpus/game/" + name;
    }
    // Only the files named, each blocked from its first copy when asked.
    void Start(const std::string& corpusFile, const std::vector<std::string>& suffixes, int blocked)
    {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().filename().string().rfind("PROFILE", 0) == 0) {
                std::filesystem::remove_all(entry.path());
            }
        }
        for (size_t i = 0; i < suffixes.size(); i++) {
            const std::string file = folder + "PROFILE1v8.DAT" + suffixes[i];
            std::filesystem::copy_file(Corpus(corpusFile), file);
            if (static_cast<int>(i) < blocked) {
                std::filesystem::create_directories(file + ".BAD1.TMP");
            }
        }
        CProfile::current->LoadHeader(0);
    }

    // The notice the menu opens by itself once its buttons have settled.
    int MenuNotice()
    {
        CControllerMain* menu = root.Open<CControllerMain>();
        Turn(60);
        EXPECT_EQ(CController::focus, CControllerMain::notice);
        if (!CControllerMain::notice) {
            delete menu;
            root.child = nullptr;
            return 0;
        }
        const int id = CControllerMain::notice->request.id;
        EXPECT_EQ(CControllerMain::notice->request.insert[0], id == 12129 || id == 12123 ? "" : "Ana");
        for (const std::string& problem : LayoutProblems()) {
            ADD_FAILURE() << problem;
        }
        CControllerMain::notice->GUICallback(0, 0);
        Turn(60);
        LeaveMenu(menu);
        return id;
    }

    std::string folder;
};

}  // namespace

TEST_F(NoCopyKeptRoadTest, TheMenusNoticesSayACopyWasKeptOnlyWhenOneWas)
{
    CProfile::current->SetActiveProfileName("Ana");
    CProfile::current->SaveHeader();
    struct Case {
        const char* what;
        const char* file;
        std::vector<std::string> suffixes;
        int blocked;  // files whose copy cannot be written, the first ones
        int notice;
    };
    const Case cases[] = {
        {"copies that differ, not kept", "game-flag-stored-three-times-false-first.DAT", {""}, 1, 12123},
        {"copies that differ, kept", "game-flag-stored-three-times-false-first.DAT", {""}, 0, 12129},
        {"a profile lost, none kept", "band-length-past-the-end.DAT", {"", ".BAKS", ".BAKL"}, 3, 12124},
        {"a profile lost, one of three kept", "band-length-past-the-end.DAT", {"", ".BAKS", ".BAKL"}, 2, 12125},
        {"a profile lost, all kept", "band-length-past-the-end.DAT", {"", ".BAKS", ".BAKL"}, 0, 12132},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Start(c.file, c.suffixes, c.blocked);
        EXPECT_EQ(MenuNotice(), c.notice);
    }
}

// The chooser tells a lost game on every visit; a copy that could not be
// kept at the first is kept at a later one, and the notice follows it.
TEST_F(NoCopyKeptRoadTest, TheLostGamesNoticeSaysACopyWasKeptOnlyWhenOneWas)
{
    Start("band-of-a-negative-size.DAT", {""}, 1);
    for (int notice : {12121, 12120}) {
        SCOPED_TRACE(notice);
        root.Open<CControllerIslandSelect>(false);
        Turn();
        ASSERT_NE(TurnUntil<CControllerPopUp>(5), nullptr);
        ASSERT_EQ(CController::focus, CControllerIslandSelect::popUp);
        EXPECT_EQ(CControllerIslandSelect::popUp->request.id, notice);
        EXPECT_EQ(std::filesystem::exists(folder + "PROFILE1v8.DAT.BAD1"), notice == 12120);
        CControllerIslandSelect::popUp->GUICallback(0, 0);
        Turn();
        root.child->ShutDown(0);
        Turn();
        std::filesystem::remove_all(folder + "PROFILE1v8.DAT.BAD1.TMP");
    }
}
