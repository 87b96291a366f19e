// A saved game whose island cannot be made again, first kept as a key stored
// twice and told of over the main menu, then told of by the chooser as the
// lost game's copy: later damage of the same game, each told of in turn,
// never pushes that copy out, and the last, finding no room, says so.
#include "CControllerMainRoad.h"

#include "CControllerPopUp.h"
#include "ProfileBytes.h"
#include "Utilities.h"

#include <cstring>
#include <fstream>
#include <filesystem>
#include <string>

namespace {

constexpr int kCopiesDifferNotice = 12129, kCopiesDifferUncopiedNotice = 12123, kLostGameNotice = 12120;

std::string FloatBytes(float value)
{
    std::string bytes(4, '\0');
    memcpy(&bytes[0], &value, 4);
    return bytes;
}

class ToldCopyRoadTest : public ScreenRoadTest {
protected:
    void SetUp() override
    {
        ScreenRoadTest::SetUp();
        char userData[PATH_BUFFER_SIZE];
        GetUserDataPath(userData);
        data = userData;
    }

    // The main file as it stands with the sound volume stored once more, then
    // loaded as at a start.
    std::string StartWithVolumeStoredAgain(const std::string& file, float volume)
    {
        const std::string damaged = WithScalarStoredAgain(file, 20, "f", FloatBytes(volume));
        std::filesystem::remove(data + "PROFILE1v8.DAT");
        std::ofstream(data + "PROFILE1v8.DAT", std::ios::binary) << damaged;
        CProfile::current->LoadHeader(0);
        return damaged;
    }

    // The notice the menu opens by itself, read and closed.
    int MenuNotice()
    {
        CControllerMain* menu = root.Open<CControllerMain>();
        Turn(60);
        const int id = CControllerMain::notice ? CControllerMain::notice->request.id : 0;
        if (CControllerMain::notice) {
            CControllerMain::notice->GUICallback(0, 0);
            Turn(60);
        }
        LeaveMenu(menu);
        return id;
    }

    // The play button: the chooser tells of the lost game; back to the menu,
    // which saves.
    void PlayAndHearOfTheLostGame()
    {
        root.Open<CControllerIslandSelect>(false);
        Turn();
        ASSERT_NE(TurnUntil<CControllerPopUp>(5), nullptr);
        EXPECT_EQ(CControllerIslandSelect::popUp->request.id, kLostGameNotice);
        CControllerIslandSelect::popUp->GUICallback(0, 0);
        Turn();
        root.child->ShutDown(0);
        Turn();
        CProfile::current->SaveHeader();
    }

    std::string Slot(int n) const { return ReadBytes(data + "PROFILE1v8.DAT.BAD" + std::to_string(n)); }

    std::string data;
};

}  // namespace

TEST_F(ToldCopyRoadTest, TheLostGamesCopyToldOfTwiceOutlivesFiveLaterDamages)
{
    const std::string first = StartWithVolumeStoredAgain(
        ReadBytes(std::string(PALMORA_SOURCE_DIR) + "/tests/fuzz/corpus/game/seed-that-makes-no-island.DAT"), 0.77f);
    EXPECT_EQ(MenuNotice(), kCopiesDifferNotice);
    ASSERT_TRUE(Slot(1) == first);
    PlayAndHearOfTheLostGame();
    EXPECT_FALSE(std::filesystem::exists(data + "PROFILE1v8.DAT.BAD2")) << "the copy told of is the one kept";

    for (int damage = 1; damage <= 5; damage++) {
        SCOPED_TRACE(damage);
        StartWithVolumeStoredAgain(ReadBytes(data + "PROFILE1v8.DAT"), 0.1f * damage);
        EXPECT_EQ(MenuNotice(), damage < CProfile::DAMAGED_COPIES ? kCopiesDifferNotice : kCopiesDifferUncopiedNotice);
    }
    EXPECT_TRUE(Slot(1) == first);
    PlayAndHearOfTheLostGame();
    EXPECT_TRUE(Slot(1) == first);
}
