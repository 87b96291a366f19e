#include "CFarm.h"

#include "CPerson.h"

#include <algorithm>

namespace {

constexpr int kGarden = 12;
constexpr int kPlanted = 900;
constexpr int kRipe = 3000, kFullGrowth = 7000;
constexpr int kPlots = 25;

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

void CFarm::Grow()
{
    if (IsGrowing()) {
        growth = std::min(kFullGrowth, growth + 1);
    }
}

bool CFarm::ReadyForHarvest()
{
    for (int plot = 0; plot < kPlots; plot++) {
        if (IsRipe(plot)) {
            return true;
        }
    }
    return false;
}

bool CFarm::IsRipe(int plot)
{
    return plot >= 0 && plot < kPlots && growth >= kRipe && !harvested[plot];
}

int CFarm::GetVeggieType(int plot)
{
    return 3 + (plot < 0 ? 0 : plot % 3);
}

int CFarm::GetVegetableCoords(int& atX, int& atY)
{
    for (int plot = 0; plot < kPlots; plot++) {
        if (IsRipe(plot)) {
            atX = GetX() + (plot % 5) * 20;
            atY = GetY() + (plot / 5) * 20;
            return plot;
        }
    }
    atX = atY = -1;
    return -1;
}

void CFarm::RemoveVegetable(int plot)
{
    if (plot >= 0 && plot < kPlots) {
        harvested[plot] = true;
    }
}

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

CFarm* CFarm::FindHarvestCoords(int& atX, int& atY, int& plot, bool underMouse)
{
    plot = -1;
    for (CFarm* farm : farms) {
        int z = 0;
        if (farm->IsBeingDemolished() || (underMouse && !farm->IsAtCoords(z, -1, -1))) {
            continue;
        }
        for (int each = 0; each < kPlots; each++) {
            if (farm->IsRipe(each)) {
                plot = each;
                int dir = 0;
                farm->GetStandLocation(atX, atY, dir);
                return farm;
            }
        }
    }
    return nullptr;
}
