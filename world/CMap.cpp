#include "CMap.h"

#include "CControllerGame.h"

CMap::CMap(bool)
    : creationTime(SDL_GetTicks()),
      bannerProgress(0),
      loading(false),
      currentHistoryIndex(0),
      lastFixedSeeds{0, 0},
      seeded(false),
      mysteries{nullptr, nullptr, nullptr},
      pileSprites{nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
      ground(nullptr),
      previewCopy(nullptr),
      playable(false),
      offsetX(0),
      offsetY(0),
      personCarried(false),
      tombstoneCarried(false),
      placingFlowersOrTrees(false),
      heights(nullptr),
      sandNoise(nullptr)
{
    CControllerGame::island = this;
    ResetTerrain();
}

CMap::~CMap()
{
    // Everything that outlives the island reaches it through this pointer.
    if (CControllerGame::island == this) {
        CControllerGame::island = nullptr;
    }
    delete[] heights;
    delete[] sandNoise;
}

void CMap::ResetTerrain()
{
    heightRoughness = 0.43f;
    sandRoughness = 0.8f;
    sandColourExponent = 1.0f;
    sandColourBlend = 0.3f;
    grassLevel = 5000;
    seaLevel = 3000;
    shallowLevel = 2000;
    deepLevel = 1000;
    samplesWide = samplesHigh = -1;
    startX = startY = -1;
    borderX = borderY = 0;
    for (coordinate& pile : piles) {
        pile = {-1, -1};
    }
    for (unsigned int& tile : tiles) {
        tile = 0;
    }
    lastColourR = lastColourG = lastColourB = 0;
    rampCursor = -1.0f;
}
