#include "CFarm.h"

#include "CPerson.h"

#include <algorithm>

namespace {

constexpr int kGarden = 12;
constexpr int kPlanted = 900;

}  // namespace

std::vector<CFarm*> CFarm::farms;

CFarm::CFarm(int variant, int atX, int atY) : CStandInBuilding(kGarden, variant, atX, atY)
{
    isGarden = true;
    farms.push_back(this);
}

CFarm::CFarm(const building_data& saved) : CStandInBuilding(saved)
{
    isGarden = true;
    farms.push_back(this);
}

CFarm::~CFarm()
{
    farms.erase(std::remove(farms.begin(), farms.end(), this), farms.end());
    for (CPerson* person : CPerson::people) {
        if (person->targetFarm == this) {
            person->targetFarm = nullptr;
        }
    }
}

void CFarm::AddPoints(int n)
{
    points = std::min(kPlanted, points + n);
}

bool CFarm::IsGrowing()
{
    return points >= kPlanted;
}

bool CFarm::ReadyForHarvest()
{
    return false;
}

bool CFarm::IsRipe(int)
{
    return false;
}

int CFarm::GetVeggieType(int)
{
    return 3;
}

void CFarm::RemoveVegetable(int) {}

CFarm* CFarm::FindWorkCoords(int& atX, int& atY, int& dir, bool underMouse)
{
    for (CFarm* farm : farms) {
        int z = 0;
        if (farm->IsComplete() && !farm->IsBeingDemolished() && !farm->IsGrowing() &&
            (!underMouse || farm->IsAtCoords(z, -1, -1))) {
            farm->GetStandLocation(atX, atY, dir);
            return farm;
        }
    }
    return nullptr;
}

CFarm* CFarm::FindHarvestCoords(int&, int&, int& plot, bool)
{
    plot = -1;
    return nullptr;
}
