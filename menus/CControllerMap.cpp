#include "CControllerMap.h"

CSprite* CControllerMap::sMap = nullptr;
