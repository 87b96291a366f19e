// Graves on a real island with the game screen: a death leaves one, a click
// shows its epitaph through the pop-up and "yes" clears it away, the player
// drags it to free land and never onto the sea, and the island's save keeps
// it, also from damaged records.
#include "CControllerPopUp.h"
#include "CInput.h"
#include "CMouseCursor.h"
#include "CSidebar.h"
#include "CTombstone.h"
#include "CTutorialDialog.h"
#include "tests/islanders/RoadFixture.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int kGraves = 30;
constexpr int kGraveStep = 77;

class GraveTest : public RoadTest {
protected:
    void TearDown() override
    {
        while (!CTombstone::tombstones.empty()) {
            delete CTombstone::tombstones.back();
        }
        RoadTest::TearDown();
    }

    static CTombstone* Grave(int x, int y, const std::string& specialty, bool loading = true)
    {
        return new CTombstone(x, y, "Tala", "11126", specialty, "12022", 41, 3, loading);
    }

    // Presses on the grave, carries it to the world point and lets go; true
    // when it lies somewhere new. The point is taken to the screen once the
    // view stands on the grave.
    bool DragTo(CTombstone* grave, int worldX, int worldY)
    {
        Show(grave->GetX(), grave->GetY());
        const coordinate to = ToScreen(worldX, worldY);
        const int fromX = grave->GetX(), fromY = grave->GetY();
        const coordinate on = PointOn(grave);
        EXPECT_NE(on.x, -1);
        game->InputMouseClick(true, false, false);
        EXPECT_EQ(game->tombstoneCandidate, grave);
        MouseAt(to.x, to.y);
        game->InputMouseMove(to.x, to.y);
        EXPECT_TRUE(island->tombstoneCarried);
        Frame();
        game->InputMouseClick(true, false, true);
        EXPECT_FALSE(island->tombstoneCarried);
        return grave->GetX() != fromX || grave->GetY() != fromY;
    }
};

TEST_F(GraveTest, ADeathLeavesAGraveWhoseClickAsksAndWhoseYesClearsItAway)
{
    CPerson* man = Man();
    ASSERT_TRUE(man);
    man->data.skills[2] = 7000;  // a woodcutter of rank 2
    game->pendingTutorial = -1;
    CTutorialDialog::UncompleteTutorial(kGraveStep);
    const std::string name = man->GetASCIIName();
    const int years = man->data.age / 172800;
    man->Die(false);  // the world's next sweep deletes him
    ASSERT_EQ(CTombstone::tombstones.size(), 1u);
    CTombstone* grave = CTombstone::tombstones[0];
    EXPECT_EQ(game->pendingTutorial, kGraveStep) << "the lesson about graves";
    game->pendingTutorial = -1;
    CTutorialDialog::CompleteTutorial(kGraveStep);
    Grave(100, 100, "");
    EXPECT_EQ(game->pendingTutorial, -1) << "taught once";
    delete CTombstone::tombstones.back();

    Show(grave->GetX(), grave->GetY());
    const coordinate on = PointOn(grave);
    ASSERT_NE(on.x, -1);
    game->InputMouseClick(true, false, false);
    game->InputMouseClick(true, false, true);
    ASSERT_EQ(CObject::requestingFeedback, grave);
    const feedback_data& asked = CObject::requestingFeedbackData;
    EXPECT_EQ(asked.id, 12018);
    EXPECT_EQ(asked.insert[0], name);
    EXPECT_EQ(asked.insert[1], "11126");
    EXPECT_EQ(asked.insert[2], "11101");
    EXPECT_EQ(asked.insert[3], "12020");
    EXPECT_EQ(asked.number, years);

    for (int frame = 0; frame < 4 && !CControllerGame::popUp; frame++) {
        Frame();
    }
    ASSERT_NE(CControllerGame::popUp, nullptr);
    CControllerGame::popUp->GUICallback(0, 0);
    Frame();
    EXPECT_TRUE(grave->Hidden());
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
    CTombstone::Save();
    EXPECT_TRUE(CProfile::current->GetVectorValue<tombstone_data>(kGraves).empty()) << "gone at the next load";
}

TEST_F(GraveTest, AGraveWithoutASpecialtyLeavesItsMiddleInsertsEmptyAndHeldDustBlocksTheClick)
{
    CTombstone* grave = Grave(2000, 2000, "");
    grave->Drop();
    ASSERT_EQ(CObject::requestingFeedback, grave);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12019);
    EXPECT_EQ(CObject::requestingFeedbackData.insert[0], "Tala");
    EXPECT_TRUE(CObject::requestingFeedbackData.insert[1].empty());
    EXPECT_TRUE(CObject::requestingFeedbackData.insert[2].empty());
    EXPECT_EQ(CObject::requestingFeedbackData.insert[3], "12022");
    CObject::requestingFeedback = nullptr;

    game->dustMode = 1;
    grave->Pump(island->offsetX, island->offsetY, 1);
    grave->Drop();
    EXPECT_EQ(CObject::requestingFeedback, nullptr) << "the press was the dust's";
    game->dustMode = 0;
    island->personCarried = true;
    grave->Pump(island->offsetX, island->offsetY, 1);
    grave->Drop();
    EXPECT_EQ(CObject::requestingFeedback, nullptr) << "nor while an islander is carried";
    island->personCarried = false;
}

TEST_F(GraveTest, ADragOntoTheSeaIsRefusedAndTheGraveGoesBackWhileOneOntoFreeLandMovesIt)
{
    // A grave walks off the start to the nearest free ground of its own.
    CTombstone* grave = Grave(island->GetStartX(), island->GetStartY(), "", false);
    EXPECT_GE(island->GetDistanceFromStartLocation(grave->GetX() - 5, grave->GetY() - 20), 200.0f);
    const int homeX = grave->GetX(), homeY = grave->GetY();

    // Sea along the grave's row.
    int seaX = homeX;
    while (seaX > 0 && island->IsNotOnWater(seaX, homeY + 52)) {
        seaX -= 16;
    }
    ASSERT_GT(seaX, 0);
    // Laid by the shore as a loaded grave is, without a test, then dragged out.
    grave->MoveTo(seaX + 150, homeY, false, true);
    EXPECT_FALSE(DragTo(grave, seaX - 40, homeY + 26));
    EXPECT_EQ(CControllerGame::sidebar->timedMessage.id, 15008) << "red over the sea, with the reason";
    EXPECT_EQ(grave->GetX(), seaX + 150);
    EXPECT_EQ(grave->GetY(), homeY);
    grave->MoveTo(homeX, homeY, false, true);

    // Somewhere around, free land takes it.
    bool moved = false;
    for (int step = 1; step < 12 && !moved; step++) {
        const int dx = (step % 2 ? 1 : -1) * 40 * step, dy = (step % 3 - 1) * 40 * step;
        moved = DragTo(grave, grave->GetX() + dx + 20, grave->GetY() + dy + 26);
        if (!moved) {
            EXPECT_EQ(grave->GetX(), homeX) << "a refused drop leaves it where it was";
        }
    }
    EXPECT_TRUE(moved);
}

TEST_F(GraveTest, TheIslandsSaveKeepsGravesAndLoadingSurvivesDamagedRecords)
{
    Grave(1234, 2345, "11103");
    CTombstone* gone = Grave(300, 300, "");
    gone->GiveResponse(true);
    CTombstone::Save();
    std::vector<tombstone_data> saved = CProfile::current->GetVectorValue<tombstone_data>(kGraves);
    ASSERT_EQ(saved.size(), 1u);

    tombstone_data damaged = saved[0];
    memset(damaged.name, 'A', sizeof(damaged.name));  // no terminator
    damaged.variant = 9;
    saved.push_back(damaged);
    tombstone_data lost = saved[0];
    lost.x = std::numeric_limits<float>::quiet_NaN();
    saved.push_back(lost);
    tombstone_data ancient = saved[0];
    ancient.age = 5000;
    saved.push_back(ancient);
    CProfile::current->SetVectorValue<tombstone_data>(kGraves, saved);

    CTombstone::Load();
    ASSERT_EQ(CTombstone::tombstones.size(), 3u) << "the grave without a place is left out";
    // Each kind of mending is logged once with its count.
    for (const char* line : {"Saved graves: a stone that does not exist became the first one: 1",
                             "Saved graves: a grave without a usable position was left out: 1",
                             "Saved graves: an age past what the game makes was cut: 1"}) {
        EXPECT_NE(Log().find(line), std::string::npos) << line;
    }
    CTombstone::tombstones[2]->Drop();
    EXPECT_EQ(CObject::requestingFeedbackData.number, 1000) << "the oldest a grave tells";
    CObject::requestingFeedback = nullptr;
    delete CTombstone::tombstones[2];
    CTombstone* kept = CTombstone::tombstones[0];
    EXPECT_EQ(kept->GetX(), 1234);
    EXPECT_EQ(kept->GetY(), 2345);
    EXPECT_EQ(kept->GetVariant(), 3);
    EXPECT_EQ(CTombstone::tombstones[1]->GetVariant(), 0);

    kept->Drop();
    EXPECT_EQ(CObject::requestingFeedbackData.insert[2], "11103");
    EXPECT_EQ(CObject::requestingFeedbackData.number, 41);
    CTombstone::tombstones[1]->Drop();
    EXPECT_EQ(CObject::requestingFeedbackData.insert[0], std::string(32, 'A')) << "read within its field";
    CObject::requestingFeedback = nullptr;

    CTombstone::Save();
    saved = CProfile::current->GetVectorValue<tombstone_data>(kGraves);
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(strnlen(saved[1].name, 32), 31u) << "cut to fit with its terminator";
}

TEST_F(GraveTest, AGraveThatFindsNoFreeSpotStillEndsOnTheIsland)
{
    // The far corner is open sea: every test fails and the walk runs out.
    CTombstone* grave = Grave(3900, 3900, "", false);
    EXPECT_GE(grave->GetX(), 1);
    EXPECT_LE(grave->GetX(), 3904);
    EXPECT_GE(grave->GetY(), 1);
    EXPECT_LE(grave->GetY(), 3904);
}

}  // namespace

TEST_F(GraveTest, APressBlockedByHeldDustStaysBlockedUntilTheButtonIsUp)
{
    CTombstone* grave = Grave(2000, 2000, "");
    CInput mouse;
    CInput* before = CController::input;
    CController::input = &mouse;
    mouse.leftDown = true;
    game->dustMode = 2;
    grave->Pump(island->offsetX, island->offsetY, 1);
    game->dustMode = 0;
    grave->Pump(island->offsetX, island->offsetY, 1);
    grave->Drop();
    EXPECT_EQ(CObject::requestingFeedback, nullptr) << "the press that held the dust is still down";

    mouse.leftDown = false;
    grave->Pump(island->offsetX, island->offsetY, 1);
    grave->Drop();
    EXPECT_EQ(CObject::requestingFeedback, grave) << "a fresh press asks";
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12019);
    CObject::requestingFeedback = nullptr;
    CController::input = before;
}
