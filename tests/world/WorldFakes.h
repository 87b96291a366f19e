// Test doubles for the world-object tests: a world object whose hit, task,
// dust answer and pump behaviour a test sets, and a fixture that gives every
// test a fresh profile, a mouse, the game's pictures and an empty world.
#pragma once

#include "CBuilding.h"
#include "CController.h"
#include "CControllerGame.h"
#include "CControllerTrophies.h"
#include "CFlowerIndicator.h"
#include "CGuiButtonBase.h"
#include "CInput.h"
#include "CObject.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CTreeIndicator.h"
#include "CTutorialDialog.h"
#include "GameResources.h"
#include "TempFolder.h"
#include "Utilities.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class FakeObject : public CObject {
public:
    FakeObject() = default;
    FakeObject(bool hits, int z) : hits(hits), hitZ(z) {}
    ~FakeObject() override
    {
        if (deletions) {
            deletions->push_back(this);
        }
        if (onDelete) {
            onDelete();
        }
    }

    void Hide() override { hidden = true; }
    void UnHide() override { hidden = false; }
    void Pump(int offsetX, int offsetY, int steps) override
    {
        pumps++;
        lastOffsetX = offsetX;
        lastOffsetY = offsetY;
        lastSteps = steps;
        if (onPump) {
            onPump(this);
        }
    }
    bool IsAtCoords(int& z, int, int) override
    {
        if (!hits) {
            return false;
        }
        z = hitZ;
        return true;
    }
    void Clicked() override { clicks++; }
    int DroppedOn() override { return task; }
    void Rollover(bool over) override
    {
        rollovers++;
        PlayRollover(over);
    }
    bool AcceptStardust() override
    {
        stardustOffers++;
        return takesStardust;
    }

    bool hits = false;
    int hitZ = 0;
    int task = 0;
    bool takesStardust = false;
    bool hidden = false;
    int pumps = 0, clicks = 0, rollovers = 0, stardustOffers = 0;
    int lastOffsetX = 0, lastOffsetY = 0, lastSteps = 0;
    std::function<void(FakeObject*)> onPump;
    std::function<void()> onDelete;
    std::vector<FakeObject*>* deletions = nullptr;
};

class WorldTest : public ::testing::Test {
protected:
    // 2027-01-15, 08:00 UTC.
    static constexpr int kTestNow = 1800000000;

    void SetUp() override
    {
        CController::input = &input;
        input.mouseX = 0;
        input.mouseY = 0;
        // The creatures and the game screen draw from numbers seeded by the
        // clock; at one fixed moment every run of a test plays the same.
        PinCurrentTime(kTestNow);
    }

    void TearDown() override
    {
        CObject::UnloadAll();
        CObject::obstructions.clear();
        CObject::placingBuilding = -1;
        CObject::isSimulating = false;
        CObject::lastMouseX = CObject::lastMouseY = -1;
        CObject::requestingFeedbackData = feedback_data{};
        CObject::requestingFeedbackData.id = -1;
        CFlowerIndicator::placingFlowers = -1;
        CTreeIndicator::placingTrees = -1;
        CTutorialDialog::nextTutorial = -1;
        CPerson::didRollover = nullptr;
        // Run-wide game state a test may leave behind: a trophy waiting to be
        // announced, a death while away still to be told, a half click, a
        // refused placement or a sailing the next game screen would answer.
        CControllerTrophies::trophyUnlockQueue = {};
        CBuilding::placementFailed = false;
        CBuilding::setSail = false;
        CPerson::stoppedSimForDeath = false;
        CGuiButtonBase::currentButton = -1;
        CGuiButtonBase::leftMouseDown = false;
        CController::pause = CController::frame = false;
        PinCurrentTime(0);
    }

    void MouseAt(int x, int y)
    {
        input.mouseX = x;
        input.mouseY = y;
    }

    // The profile store applies its mouse settings through the event pump,
    // so the pump is in place before the store is made.
    struct InputInPlace {
        explicit InputInPlace(CInput* input) { CController::input = input; }
        ~InputInPlace() { CController::input = nullptr; }
    };

    TempFolder folder;
    // Sprites load and draw real pictures; every world object is gone before
    // the pictures go.
    GameResources resources{folder};
    CInput input;
    InputInPlace inputInPlace{&input};
    CProfile profile;
};
