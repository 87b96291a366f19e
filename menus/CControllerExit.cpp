#include "CControllerExit.h"

int CControllerExit::personImage = -1;
