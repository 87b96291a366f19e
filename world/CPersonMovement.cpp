#include "CPersonMovement.h"

void CPersonMovement::AlterPathMapDueToObstruction(int, int, int, int) {}
