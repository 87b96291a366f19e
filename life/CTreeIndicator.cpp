#include "CTreeIndicator.h"

void CTreeIndicator::Init() {}

void CTreeIndicator::Unload() {}
