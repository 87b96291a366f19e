// Islanders living on a flat, walkable island of land: the fixture of the
// deciding, needs, ageing and skill tests.
#pragma once

#include "CControllerGame.h"
#include "CControllerTrophies.h"
#include "CFlyaway.h"
#include "CPersonMovement.h"
#include "CTombstone.h"
#include "IslanderFixture.h"

#include <queue>

class IslanderLifeTest : public IslanderTest {
protected:
    static constexpr int kYear = 172800;

    void SetUp() override
    {
        IslanderTest::SetUp();
        CMap& island = Fill(NewMap(), PLAYABLE_SAMPLES, true, [](int, int) { return 6000; }, PLAYABLE_BORDER);
        CControllerGame::island = &island;
        CPersonMovement::GeneratePathMap();
        for (auto& column : CPersonMovement::pathMap) {
            for (pathnode& node : column) {
                node.cost = 1.0f;
            }
        }
        Forget();
    }

    void TearDown() override
    {
        while (!CTombstone::tombstones.empty()) {
            delete CTombstone::tombstones.back();
        }
        IslanderTest::TearDown();
        CControllerGame::island = nullptr;
        Forget();
    }

    static void Forget()
    {
        CPersonMovement::whoIsMoving = nullptr;
        CPerson::isMasterOfSkill = nullptr;
        CPerson::showFlyaways = false;
        CFlyaway::RemoveFlyaways();
        CControllerTrophies::trophyUnlockQueue = std::queue<int>();
    }

    // An islander of that age whose looks already fit it, standing in view.
    static CPerson* Grown(int years, int gender, int id, int x = 500, int y = 400)
    {
        CPerson* person = Islander(years, gender, id);
        person->data.x = static_cast<float>(x);
        person->data.y = static_cast<float>(y);
        person->stageAge = years;
        person->UnHide();
        return person;
    }
};
