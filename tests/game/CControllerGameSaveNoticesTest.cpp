// What loading left out of the game that goes on, told over the game screen:
// the notice says that a copy of the damaged save was kept only when one was.
#include "CControllerGameFixture.h"

#include "Utilities.h"

#include <filesystem>
#include <string>

TEST_F(GameScreenTest, RecordsGivenUpAreToldWithTheirCopyOnlyWhenOneWasKept)
{
    char userData[PATH_BUFFER_SIZE];
    GetUserDataPath(userData);
    // Where the copy is written first: nothing can be kept.
    const std::string blocked = std::string(userData) + "PROFILE1v8.DAT.BAD1.TMP";
    struct Case {
        bool copyKept;
        int notice;
    };
    for (const Case& c : {Case{false, 12122}, Case{true, 12128}}) {
        SCOPED_TRACE(c.copyKept);
        std::filesystem::remove_all(blocked);
        if (!c.copyKept) {
            std::filesystem::create_directories(blocked);
        }
        CProfile::current->RecordsGivenUp({{"graves", 1}});
        EXPECT_EQ(std::filesystem::exists(std::string(userData) + "PROFILE1v8.DAT.BAD1"), c.copyKept);
        Open();
        for (int i = 0; i < 10 && !CControllerGame::popUp; i++) {
            Frame();
        }
        ASSERT_NE(CControllerGame::popUp, nullptr);
        EXPECT_EQ(CControllerGame::popUp->request.id, c.notice);
        EXPECT_FALSE(CProfile::current->NoticeDue(CProfile::kRecordsGivenUp)) << "told once";
        Close(CControllerGame::popUp);
        delete opener.screen;
        opener.screen = nullptr;
    }
}
