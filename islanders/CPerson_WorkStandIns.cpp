// Stand-ins for what the work meets elsewhere in the islander until those
// parts are built: skill gain, the name as text, putting on new clothes and
// the child a couple's stay in a hut gives.
#include "CPerson.h"

#include "FontSystem.h"
#include "Utilities.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr int kGainEvery = 60;
constexpr int kMastered = 10000;

// Tasks that share one skill.
int SkillSlot(int task)
{
    if (task == 6 || task == 7) {
        return 5;
    }
    if (task == 9 || task == 15 || task == 16) {
        return 14;
    }
    return task;
}

}  // namespace

void CPerson::ImproveSkill(int task, bool)
{
    if (task < 0 || task >= kTaskCount || taskFrames % kGainEvery != 0) {
        return;
    }
    int32_t& skill = data.skills[SkillSlot(task)];
    skill = std::min(kMastered, skill + 1);
}

std::string CPerson::GetASCIIName()
{
    if (data.customName[0] != '\0') {
        return std::string(data.customName, strnlen(data.customName, sizeof data.customName));
    }
    return FontSystem_GetASCIIString(data.nameId);
}

void CPerson::ChangeClothes(const craft_data&) {}

CPerson* CPerson::ProduceChildWith(CPerson* other, int)
{
    const genome genes = other ? CrossGenome(data.genes, other->data.genes) : data.genes;
    CPerson* child = NewPerson(Round(data.x), Round(data.y), &genes, false, false, 0);
    child->SetParents(data.gender == 1 ? data.id : other ? other->data.id : 0,
                      data.gender == 0 ? data.id : other ? other->data.id : 0);
    return child;
}
