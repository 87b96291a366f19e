// A stand-in for what the work meets elsewhere in the islander until families
// are built: the child a couple's stay in a hut gives.
#include "CPerson.h"

#include "FontSystem.h"
#include "Utilities.h"

#include <algorithm>
#include <cstring>
#include <string>

CPerson* CPerson::ProduceChildWith(CPerson* other, int)
{
    const genome genes = other ? CrossGenome(data.genes, other->data.genes) : data.genes;
    CPerson* child = NewPerson(Round(data.x), Round(data.y), &genes, false, false, 0);
    child->SetParents(data.gender == 1 ? data.id : other ? other->data.id : 0,
                      data.gender == 0 ? data.id : other ? other->data.id : 0);
    return child;
}
