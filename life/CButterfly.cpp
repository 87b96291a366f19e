#include "CButterfly.h"

void CButterfly::LoadButterflies() {}
