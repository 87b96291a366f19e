#include "CGuiFlowers.h"

bool CGuiFlowers::IsMouseOver()
{
    return false;
}
