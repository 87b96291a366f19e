// The stock's fixture: the world-object fixture with a bare playable island
// whose three mats lie at fixed anchors, scrolled by a fixed offset, and the
// stock's piles placed on them.
#pragma once

#include "CControllerGame.h"
#include "CControllerTrophies.h"
#include "CMap.h"
#include "CResources.h"
#include "CSprite.h"
#include "tests/world/WorldFakes.h"

#include <memory>
#include <queue>

class StockTest : public WorldTest {
protected:
    static constexpr coordinate kAnchors[3] = {{400, 300}, {520, 180}, {280, 180}};
    static constexpr int kOffsetX = 30, kOffsetY = -20;

    void SetUp() override
    {
        WorldTest::SetUp();
        island = std::make_unique<CMap>(false);
        island->playable = true;
        island->offsetX = kOffsetX;
        island->offsetY = kOffsetY;
        const char* const mats[3] = {"pile_wood_leather.png", "pile_rock_leather.png", "pile_food_leather.png"};
        for (int pile = 0; pile < 3; pile++) {
            CSprite* mat = new CSprite(20);
            mat->LoadImage(mats[pile]);
            mat->Move(kAnchors[pile].x - mat->GetW() / 2 + kOffsetX, kAnchors[pile].y - mat->GetH() / 2 + kOffsetY);
            island->pileSprites[pile] = mat;
            Stock()->SetPileCoordinates(pile, kAnchors[pile].x, kAnchors[pile].y);
        }
    }

    void TearDown() override
    {
        island.reset();
        // Trophies the stock earned wait to be announced by the next game
        // screen, which belongs to another test.
        std::queue<int>().swap(CControllerTrophies::trophyUnlockQueue);
        WorldTest::TearDown();
    }

    static CResources* Stock() { return CControllerGame::Resources(); }

    void MouseOnPile(int pile) { MouseAt(kAnchors[pile].x + kOffsetX, kAnchors[pile].y + kOffsetY); }

    void Pump() { Stock()->Pump(kOffsetX, kOffsetY, 1); }

    template <size_t N>
    static int Shown(CSprite* const (&sprites)[N])
    {
        int shown = 0;
        for (CSprite* sprite : sprites) {
            shown += !sprite->Hidden();
        }
        return shown;
    }

    std::unique_ptr<CMap> island;
};
