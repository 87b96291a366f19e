#include "CFlowerIndicator.h"

void CFlowerIndicator::Init() {}

void CFlowerIndicator::Unload() {}
