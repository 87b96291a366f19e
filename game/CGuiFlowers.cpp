#include "CGuiFlowers.h"

CGuiFlowers::CGuiFlowers(CController* screen) : owner(screen), visible(false) {}

void CGuiFlowers::Pump() {}

bool CGuiFlowers::IsMouseOver()
{
    return false;
}

bool CGuiFlowers::IsVisible()
{
    return visible;
}

void CGuiFlowers::Disappear()
{
    visible = false;
}

void CGuiFlowers::Appear()
{
    visible = true;
}

void CGuiFlowers::SetSpray(bool on)
{
    spray = on;
}
