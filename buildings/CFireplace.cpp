#include "CFireplace.h"

CFireplace::CFireplace(int atX, int atY) : CBuilding(9, 9)
{
    x = static_cast<float>(atX);
    y = static_cast<float>(atY);
}
