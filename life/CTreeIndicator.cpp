#include "CTreeIndicator.h"

int CTreeIndicator::placingTrees = -1;

void CTreeIndicator::Init() {}
void CTreeIndicator::Unload() {}
void CTreeIndicator::HandleTreePlacement() {}
