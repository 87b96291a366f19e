// Stand-ins for what the ageing and the graves need of the islander's
// pictures and names until those are built: the stand-in picture has no
// head, hair or ring to change, and the name is the string table's.
#include "CPerson.h"

#include "FontSystem.h"

#include <cstring>

void CPerson::UpdateSelectionRing() {}
void CPerson::UseGrownUpHead() {}
void CPerson::RebuildHairImages(int, int) {}
void CPerson::SetBodyAnimRate(int) {}

int CPerson::GetShownHeadWidth() const
{
    return 0;
}
