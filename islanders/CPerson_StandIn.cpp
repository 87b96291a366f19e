// The least of skills and hair that dust and potions need, until those parts
// of the islander are built.
#include "CPerson.h"

#include "CControllerTrophies.h"

#include <algorithm>

namespace {

constexpr int kMasterSkill = 10000;
constexpr int kHairDraws = 500;

}  // namespace

void CPerson::ActuallyImproveSkill(int task, int amount)
{
    if (task < 0 || task >= kTaskCount) {
        return;
    }
    data.skills[task] = std::min(data.skills[task] + amount, kMasterSkill);
    int masteries = (physicalStrength >= 100) + (mentalStrength >= 100);
    for (int skill : data.skills) {
        masteries += skill >= kMasterSkill;
    }
    if (masteries >= 1) {
        CControllerTrophies::CompleteTrophy(4194304);
        isMasterOfSkill = this;
    }
    if (masteries >= 9) {
        CControllerTrophies::CompleteTrophy(128);
    }
}

void CPerson::ChangeHairColour(int colour)
{
    for (int draw = 0; draw < kHairDraws; draw++) {
        for (gene& g : data.genes.hairGenes) {
            RandomizeGene(g);
        }
        hairColour = GetHairColour(&data.genes);
        if (hairColour == colour) {
            break;
        }
    }
    Hide();
    UnloadSprites();
    LoadSprites();
    ChangeState(1);
    ChangeState(0);
    EndTask(false);
    UnHide();
}
