#include "CFireplace.h"

CFireplace::CFireplace(int atX, int atY) : CBuilding(9, 9)
{
    x = static_cast<float>(atX);
    y = static_cast<float>(atY);
    record.x = x;
    record.y = y;
    record.placeX = atX;
    record.placeY = atY;
}

CFireplace::CFireplace(const building_data& saved) : CBuilding(saved) {}
