#include "CObject.h"

void CObject::UnloadAll() {}
