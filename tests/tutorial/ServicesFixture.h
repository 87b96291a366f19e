// Shared by the tests of the game-wide services (tutorial progress, trophies,
// research): each test gets a fresh profile in its own folder, and the
// services' run-long statics start and end cleared.
#pragma once

#include "CController.h"
#include "CControllerGame.h"
#include "CControllerTrophies.h"
#include "CInput.h"
#include "CProfile.h"
#include "CResources.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class ServicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CController::input = &input;
        profile = std::make_unique<CProfile>();
        ClearStatics();
    }

    void TearDown() override
    {
        ClearStatics();
        game.reset();
        delete CControllerGame::resources;
        profile.reset();
        CController::input = nullptr;
    }

    static void ClearStatics()
    {
        CTutorialDialog::nextTutorial = -1;
        CTutorialDialog::activeDialog = nullptr;
        CTutorialDialog::numTutorialsActive = 0;
        delete CTutorialDialog::tutorialCircle;
        CControllerTrophies::trophyUnlockQueue = {};
    }

    // Saves the profile and loads it back, as the next run of the game would.
    void Reopen()
    {
        profile.reset();
        profile = std::make_unique<CProfile>();
    }

    static void CompleteSteps(int from, int to)
    {
        for (int step = from; step <= to; step++) {
            CTutorialDialog::CompleteTutorial(step);
        }
    }

    static void SetWood(int wood) { CControllerGame::Resources()->wood = wood; }

    static std::vector<int> Queued()
    {
        std::vector<int> masks;
        for (auto queue = CControllerTrophies::trophyUnlockQueue; !queue.empty(); queue.pop()) {
            masks.push_back(queue.front());
        }
        return masks;
    }

    void StartGame() { game = std::make_unique<CControllerGame>(); }

    TempFolder folder;
    CInput input;
    std::unique_ptr<CProfile> profile;
    std::unique_ptr<CControllerGame> game;
};
