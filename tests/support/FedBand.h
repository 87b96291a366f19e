// A band kept fed and rested on the open game screen's island, for weighing
// and pinning time away: a fireplace, huts, a storehouse of each kind with
// stock to eat and burn, marked trees and rocks, saplings and gardens.
// Inline, so that the library of test helpers needs none of the game.
#pragma once

#include "CFarm.h"
#include "CFireplace.h"
#include "CHut.h"
#include "CMap.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CResources.h"
#include "CControllerGame.h"
#include "CStone.h"
#include "CStorehouseFood.h"
#include "CStorehouseRock.h"
#include "CStorehouseWood.h"
#include "CTree.h"
#include "CTreeIndicator.h"
#include "Utilities.h"

// Grows the band to islanders (the draws come from seed) and builds the rest
// around the island's start. Every early stop of the run is spent first, so
// a run always plays in full.
inline void SettleFedBand(CMap& island, int islanders, unsigned int seed)
{
    for (int stop = 71; stop <= 73; stop++) {
        CProfile::current->SetValue<bool>(stop, true);
    }
    InitRandom(seed);
    const int sx = island.GetStartX(), sy = island.GetStartY();
    while (static_cast<int>(CPerson::people.size()) < islanders) {
        // One draw a statement, in the order the pinned bands were drawn.
        const int years = RangedRandom(14, 50);
        const bool male = RangedRandom(0, 1) == 0;
        const int y = sy + RangedRandom(-200, 200);
        const int x = sx + RangedRandom(-200, 200);
        CPerson::NewPerson(x, y, nullptr, true, male, years);
    }
    for (CPerson* person : CPerson::people) {
        person->data.energy = person->data.food = 10000;
        // Work the player has shown them: gardens feed the band, the rest
        // keeps every kind of record in the plan.
        for (int task : {2, 4, 5, 9, 14, 15, 16}) {
            person->PermitTask(task, true);
        }
    }
    for (size_t i = 0; i < island.trees.size() && CTree::choppable.size() < 40; i++) {
        island.trees[i]->DroppedOn();
    }
    for (size_t i = 0; i < island.rocks.size() && CStone::choppable.size() < 10; i++) {
        island.rocks[i]->DroppedOn();
    }
    for (int i = 0; i < 20; i++) {
        auto* marker = new CTreeIndicator(sx - 600 + (i % 10) * 60, sy + 400 + (i / 10) * 80, false, -1, false);
        CTreeIndicator::treeIndicator.push_back(marker);
        if (i % 2) {
            CTreeIndicator::GrowTree(marker);
        }
    }
    for (int i = 0; i < 20; i++) {
        (new CFarm(sx + 500 + (i % 5) * 150, sy + 500 + (i / 5) * 150))->FinishNow();
    }
    (new CFireplace(sx - 300, sy - 300))->FinishNow();
    for (int i = 0; i < 4; i++) {
        (new CHut(sx + 300 + i * 150, sy - 300, i % 2))->FinishNow();
    }
    (new CStorehouseFood(sx - 500, sy))->FinishNow();
    (new CStorehouseWood(sx - 500, sy + 200))->FinishNow();
    (new CStorehouseRock(sx - 500, sy - 200))->FinishNow();
    // Left to the band to build: its capacity counts from the moment it
    // stands, in the middle of a step.
    new CStorehouseWood(sx - 700, sy + 200);
    CResources* stock = CControllerGame::Resources();
    stock->AddFood(500, 0);
    stock->AddWood(300);
    stock->AddRock(100);
}
