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

void CPerson::MakeSomeBaby(bool boy)
{
    CPerson* woman = nullptr;
    CPerson* man = nullptr;
    for (CPerson* person : people) {
        if (person->deleteMe || person->dying) {
            continue;
        }
        const int years = person->GetAge();
        if (person->data.gender == 1 && years >= 18 && years <= 45) {
            woman = person;
        } else if (person->data.gender == 0 && years >= 18 && years <= 50) {
            man = person;
        }
        if (woman && man) {
            break;
        }
    }
    if (woman && man) {
        woman->ProduceChildWith(man, boy ? 0 : 1);
    }
}
