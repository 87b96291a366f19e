#include "CProfile.h"

CProfile* CProfile::current = nullptr;

CProfile::CProfile()
{
    if (current) {
        errorMessage("Profile initialized twice!", true, true);
    }
    current = this;
    SetValue<bool>(7, true);
    SetValue<int>(40, 0);
    SetValue<int>(49, 0);
    SetValue<bool>(67, true);
    for (int step = 0; step <= 106; step++) {
        SetValue<bool>(1000 + step, false);
    }
}

CProfile::~CProfile()
{
    current = nullptr;
}
