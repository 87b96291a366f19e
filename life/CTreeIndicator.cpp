#include "CTreeIndicator.h"

#include "CProfile.h"

namespace {

constexpr int kSaplingsProperty = 19;

}  // namespace

int CTreeIndicator::placingTrees = -1;
std::vector<ti_data> CTreeIndicator::treeData;

void CTreeIndicator::Init() {}
void CTreeIndicator::Unload() {}
void CTreeIndicator::HandleTreePlacement() {}

bool CTreeIndicator::lmbDown = false;

void CTreeIndicator::PlaceTrees(int mode)
{
    placingTrees = mode == 0 ? 0 : -1;
}

int CTreeIndicator::GetTreePlacementType()
{
    return placingTrees;
}

void CTreeIndicator::Click(bool released)
{
    lmbDown = !released;
}

void CTreeIndicator::Save()
{
    CProfile::current->SetVectorValue<ti_data>(kSaplingsProperty, treeData);
}

void CTreeIndicator::Load()
{
    treeData = CProfile::current->GetVectorValue<ti_data>(kSaplingsProperty);
}

std::vector<CTreeIndicator*> CTreeIndicator::treeIndicator;

CTreeIndicator* CTreeIndicator::FindCoords(int&, int&, int&, bool)
{
    return nullptr;
}

void CTreeIndicator::GrowTree(CTreeIndicator*) {}
void CTreeIndicator::CantReachTree() {}
