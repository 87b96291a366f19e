#include "CDust.h"

CSound* CDust::sndObservatory = nullptr;
