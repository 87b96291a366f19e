#include "CFish.h"

void CFish::InitFish(unsigned int) {}
void CFish::EraseFish() {}
