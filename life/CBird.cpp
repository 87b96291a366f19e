#include "CBird.h"

void CBird::LoadBirds() {}
