// The least the game screen needs of the band until the islanders are built.
#include "CPerson.h"

void CPerson::ProcessBabyMakingCouples() {}

int CPerson::FindRandomAdultImage(int*, char*)
{
    return -1;
}
