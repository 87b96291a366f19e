// Shared by the tests of the game-wide services (tutorial progress, trophies,
// research): a fresh profile in a folder of its own, the services' run-long
// statics cleared, and a game screen when a test starts one.
#pragma once

#include "CControllerGame.h"
#include "CControllerTrophies.h"
#include "CInput.h"
#include "CProfile.h"
#include "CResources.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "GameResources.h"
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
        CTutorialDialog::nextTutorial = -1;
        CControllerTrophies::trophyUnlockQueue = {};
    }

    void TearDown() override
    {
        delete CTutorialDialog::tutorialCircle;
        game.reset();
        delete CControllerGame::resources;
        profile.reset();
        CController::input = nullptr;
        // Awards queued here would be announced over the next test's game.
        CControllerTrophies::trophyUnlockQueue = {};
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

    TempFolder folder;
    // The stock, which the step rules read, shows its heaps with real pictures.
    GameResources resources{folder};
    CInput input;
    std::unique_ptr<CProfile> profile;
    std::unique_ptr<CControllerGame> game;
};
