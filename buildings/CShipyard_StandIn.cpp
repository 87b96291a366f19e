#include "CShipyard.h"

int CShipyard::numBuilt = 0;
