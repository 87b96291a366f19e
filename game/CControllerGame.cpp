#include "CControllerGame.h"

#include "CMap.h"
#include "CResources.h"

CControllerGame* CControllerGame::game = nullptr;
CMap* CControllerGame::island = nullptr;
CResources* CControllerGame::resources = nullptr;
CSound* CControllerGame::sndWaves = nullptr;
CSidebar* CControllerGame::sidebar = nullptr;
CGuiFlowers* CControllerGame::flowers = nullptr;
bool CControllerGame::stopFollowing = false;

CControllerGame::CControllerGame()
    : dustMode(0), heldPotion(0), pickupCandidate(nullptr), islanderDropped(false), pendingTutorial(-1)
{
    game = this;
}

CControllerGame::~CControllerGame()
{
    if (game == this) {
        game = nullptr;
    }
}

void CControllerGame::GotFocusBack() {}
void CControllerGame::Pump() {}
void CControllerGame::InputKey(bool, int) {}
void CControllerGame::InputMouseMove(int, int) {}
void CControllerGame::InputMouseClick(bool, bool, bool) {}

CResources* CControllerGame::Resources()
{
    if (!resources) {
        resources = new CResources();
    }
    return resources;
}

bool CControllerGame::PickedUpPerson()
{
    return game && island && island->personCarried;
}
