#include "CGull.h"

void CGull::LoadBirds() {}
