// Skills: what work teaches. Every task number has a slot, but only seven
// are ever trained, and the player sees them as meters, a rank and a
// specialty. Mastery anywhere in the band earns trophies.
#include "CPerson.h"

#include "CControllerTrophies.h"
#include "CFlyaway.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr int kMastered = 10000;
constexpr int kResearchTask = 11;
constexpr int kFirstMasteryTrophy = 4194304;
constexpr int kNineMasteriesTrophy = 128;
constexpr int kShownSkills = 7;
// Shown skill i is the skill of this task: fishing, wood, rock, building,
// gardening, research, crafting.
constexpr int kShownSkillTask[kShownSkills] = {3, 2, 4, 5, 14, 11, 12};
constexpr int kWomanFishing = 7;

bool ValidTask(int task)
{
    return task >= 0 && task < kTaskCount;
}

}  // namespace

int CPerson::ConvertSkill(int task)
{
    switch (task) {
    case 6:
    case 7:
        return 5;
    case 9:
    case 15:
    case 16:
        return 14;
    default:
        return task;
    }
}

int CPerson::GetSkill(int task) const
{
    return ValidTask(task) ? data.skills[ConvertSkill(task)] : 0;
}

void CPerson::ImproveSkill(int task, bool showNumber)
{
    if (!ValidTask(task)) {
        return;
    }
    if (skillTimer == -1) {
        skillTimer = RangedRandom(60, 90);
    }
    skillTimer--;
    if (skillTimer >= 1) {
        return;
    }
    skillTimer = -1;
    const int gain = RangedRandom(1, mentalStrength / 5);
    if (task == kResearchTask) {
        // Research teaches slowly; the number still shows on every step.
        if (RangedRandom(0, 7) == 0) {
            ActuallyImproveSkill(task, gain);
        }
    } else {
        ActuallyImproveSkill(task, gain);
    }
    if (showNumber && showFlyaways) {
        CFlyaway::AddFlyaway(gain, static_cast<int>(data.x) + GetShownHeadWidth() / 2 + 3,
                             static_cast<int>(data.y) - 25);
    }
}

void CPerson::ImproveSkillFor(int task, int calls)
{
    if (!ValidTask(task)) {
        return;
    }
    while (calls > 0) {
        if (skillTimer == -1) {
            skillTimer = RangedRandom(60, 90);
        }
        // Only the call that empties the timer does more than count down.
        const int run = std::min(calls, std::max(1, skillTimer));
        calls -= run;
        skillTimer -= run;
        if (skillTimer < 1) {
            skillTimer++;
            ImproveSkill(task, false);
        }
    }
}

void CPerson::ActuallyImproveSkill(int task, int amount)
{
    if (!ValidTask(task)) {
        return;
    }
    int& skill = data.skills[ConvertSkill(task)];
    skill = std::min(kMastered, skill + amount);

    int masteries = (physicalStrength >= 100) + (mentalStrength >= 100);
    for (int value : data.skills) {
        masteries += value >= kMastered;
    }
    if (masteries >= 1) {
        CControllerTrophies::CompleteTrophy(kFirstMasteryTrophy);
        isMasterOfSkill = this;
    }
    if (masteries >= 9) {
        CControllerTrophies::CompleteTrophy(kNineMasteriesTrophy);
    }
}

int CPerson::GetSkillMeter(int shown) const
{
    if (shown < 0 || shown >= kShownSkills) {
        return 0;
    }
    const int skill = data.skills[kShownSkillTask[shown]];
    return skill >= kMastered ? kMastered : Round(skill * 0.935f);
}

int CPerson::GetSkillSpecialty() const
{
    int best = 0, specialty = -1;
    for (int i = 0; i < kShownSkills; i++) {
        if (data.skills[kShownSkillTask[i]] > best) {
            best = data.skills[kShownSkillTask[i]];
            specialty = i;
        }
    }
    return specialty == 0 && data.gender == 1 ? kWomanFishing : specialty;
}

bool CPerson::MultipleMaster() const
{
    int masteries = 0;
    for (int task : kShownSkillTask) {
        masteries += data.skills[task] >= kMastered;
    }
    return masteries >= 2;
}

int CPerson::GetSkillRank() const
{
    int best = 0;
    for (int task : kShownSkillTask) {
        best = std::max(best, data.skills[task]);
    }
    return best < 3333 ? 0 : best < 6666 ? 1 : best < kMastered ? 2 : 3;
}
