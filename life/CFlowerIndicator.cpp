#include "CFlowerIndicator.h"

#include "CControllerGame.h"
#include "CGuiFlowers.h"
#include "CProfile.h"

namespace {

constexpr int kMarkersProperty = 8;

}  // namespace

int CFlowerIndicator::placingFlowers = -1;
std::vector<fi_data> CFlowerIndicator::flowerData;

void CFlowerIndicator::Init() {}
void CFlowerIndicator::Unload() {}
void CFlowerIndicator::HandleFlowerPlacement() {}

bool CFlowerIndicator::spraying = false;

void CFlowerIndicator::SetSpray(bool on)
{
    spraying = on;
}

int CFlowerIndicator::GetFlowerPlacementType()
{
    if (CControllerGame::flowers && CControllerGame::flowers->IsMouseOver()) {
        return -1;
    }
    return placingFlowers;
}

void CFlowerIndicator::Save()
{
    CProfile::current->SetVectorValue<fi_data>(kMarkersProperty, flowerData);
}

void CFlowerIndicator::Load()
{
    flowerData = CProfile::current->GetVectorValue<fi_data>(kMarkersProperty);
}

std::vector<CFlowerIndicator*> CFlowerIndicator::flowerIndicator;

CFlowerIndicator* CFlowerIndicator::FindCoords(int&, int&, int&, bool)
{
    return nullptr;
}

CFlowerIndicator* CFlowerIndicator::FindClosestCoords(int&, int&, int&)
{
    return nullptr;
}

void CFlowerIndicator::PlaceFlower(CFlowerIndicator*) {}
void CFlowerIndicator::CantReachFlower() {}
