// A picture of an adult for the quit dialog: the least it needs until the
// dialog asks for more.
#include "CPerson.h"

int CPerson::FindRandomAdultImage(int*, char*)
{
    return -1;
}
