#include "CFireplace.h"

namespace {

constexpr int kFireplace = 9;

}  // namespace

CFireplace::CFireplace(int atX, int atY) : CStandInBuilding(kFireplace, kFireplace, atX, atY) {}

CFireplace::CFireplace(const building_data& saved) : CStandInBuilding(saved) {}
