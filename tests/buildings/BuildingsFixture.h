// The buildings' fixture: the stock's bare playable island, all of it open
// grass, with the camp's three piles, the placement ghosts made as at
// start-up, and helpers for the mouse in world pixels, a world frame and the
// profile's tutorial steps and trophies, and the log.
#pragma once

#include "CBuilding.h"
#include "CSprite.h"
#include "Utilities.h"
#include "tests/game/StockFixture.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

class BuildingsTest : public StockTest {
protected:
    static constexpr unsigned int kGrassTile = 16 | 0x200;
    static constexpr unsigned int kSandTile = 8 | 0x100;

    void SetUp() override
    {
        StockTest::SetUp();
        AllGrass();
        CBuilding::InitSprites();
        CBuilding::placementFailed = false;
        CBuilding::setSail = false;
        CBuilding::toolTip = {};
        CBuilding::toolTipFrames = 0;
    }

    void TearDown() override
    {
        CObject::UnloadAll();
        CBuilding::DeleteSprites();
        StockTest::TearDown();
    }

    void MouseAtWorld(int x, int y) { MouseAt(x + kOffsetX, y + kOffsetY); }
    static void Frame() { CObject::MoveObjects(kOffsetX, kOffsetY, 1); }

    // What the game has written to its log in the working folder so far.
    static std::string LogText()
    {
        std::ifstream in("LOG.TXT");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The ghost of the variant being placed after this frame's test: 0
    // white, 1 red, -1 not shown.
    static int Ghost()
    {
        CSprite* ghost = CBuilding::sBuildingGhost[CObject::placingBuilding];
        return ghost->Hidden() ? -1 : static_cast<int>(ghost->GetFrame());
    }

    void SetStep(int step, bool done) { profile.SetValue<bool>(1000 + step, done); }
    bool StepDone(int step) { return profile.GetValue<bool>(1000 + step); }
    int Trophies() { return profile.GetValue<int>(65); }
    int Placed() { return profile.GetValue<int>(60); }

    // Sand under the terrain tile that holds the world point.
    void SandAt(int x, int y) { island->SetTile((x + 96) / 32, (y + 96) / 32, kSandTile); }
    void AllGrass()
    {
        for (int tileX = 0; tileX < 128; tileX++) {
            for (int tileY = 0; tileY < 128; tileY++) {
                island->SetTile(tileX, tileY, kGrassTile);
            }
        }
    }
};
