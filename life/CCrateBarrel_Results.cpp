// What a container holds and what opening it does.
#include "CCrateBarrel.h"

#include "CBuilding.h"
#include "CControllerGame.h"
#include "CControllerScience.h"
#include "CMap.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CResources.h"
#include "CTree.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr int kCratesOpenedKey = 37;
constexpr int kFirstCrateOpenedKey = 38;
constexpr int kLodestonesKey = 44;
constexpr int kFirstCrateResult = 24500;
constexpr int kStoryResults = 24699;  // above: a find that is only a text
constexpr int kPicks = 100;
constexpr int kFireplaceType = 9, kGardenType = 12;
constexpr int kSmile = 0, kAngry = 2, kFrown = 3, kSurprised = 4, kUnchanged = -1;

enum class effect { food, rock, wood, skill, science, stardust, moondust, strengths, nothing, loseFood, damage,
                    trees, weaken, grey, lodestones };

struct crate_effect {
    int result;
    effect what;
    int amount;
    int target;  // the skill's task number, or the strength block (0 physical, 1 mental)
    int face;
};

constexpr crate_effect kEffects[] = {
    {24180, effect::food, 0, 0, kSmile},          {24181, effect::rock, 50, 0, kSmile},
    {24182, effect::wood, 50, 0, kSmile},         {24183, effect::skill, 2000, 3, kSmile},
    {24184, effect::skill, 2000, 5, kSmile},      {24185, effect::skill, 2000, 14, kSmile},
    {24186, effect::skill, 2000, 11, kSmile},     {24187, effect::skill, 2000, 12, kSmile},
    {24188, effect::science, 100, 0, kSmile},     {24189, effect::stardust, 10, 0, kSmile},
    {24190, effect::moondust, 10, 0, kSmile},     {24191, effect::science, 1000, 0, kSmile},
    {24192, effect::skill, 10000, 3, kSurprised}, {24193, effect::skill, 10000, 2, kSurprised},
    {24194, effect::skill, 10000, 4, kSurprised}, {24195, effect::skill, 10000, 5, kSurprised},
    {24196, effect::skill, 10000, 14, kSurprised}, {24197, effect::skill, 10000, 11, kSurprised},
    {24198, effect::skill, 10000, 12, kSurprised}, {24199, effect::strengths, 50, 0, kSurprised},
    {24200, effect::nothing, 0, 0, kUnchanged},   {24201, effect::loseFood, 50, 0, kFrown},
    {24202, effect::damage, 0, 0, kFrown},        {24203, effect::trees, 0, 0, kFrown},
    {24204, effect::weaken, 5, 0, kAngry},        {24205, effect::weaken, 5, 1, kAngry},
    {24206, effect::grey, 0, 0, kSurprised},      {24600, effect::lodestones, 10, 0, kSurprised},
};

void ImproveSkill(CPerson* opener, int task, int amount)
{
    opener->ActuallyImproveSkill(task, amount);
}

void DamageOneBuilding()
{
    std::vector<CBuilding*>& buildings = CBuilding::buildings;
    if (buildings.empty()) {
        return;
    }
    for (int pick = 0; pick < kPicks; pick++) {
        CBuilding* building = buildings[RangedRandom(0, static_cast<int>(buildings.size()) - 1)];
        const int type = building->GetType();
        if (building->IsComplete() && type != kFireplaceType && type != kGardenType) {
            building->Damage();
            return;
        }
    }
}

void RotTrees()
{
    CMap* island = CControllerGame::island;
    if (!island || island->trees.empty()) {
        return;
    }
    int left = RangedRandom(5, 7);
    for (int pick = 0; pick < kPicks && left > 0; pick++) {
        CTree* tree = island->trees[RangedRandom(0, static_cast<int>(island->trees.size()) - 1)];
        if (tree->IsConsumed()) {
            continue;
        }
        tree->RemoveResource(RangedRandom(25, 150));
        left--;
    }
}

}  // namespace

void CCrateBarrel::DrawResult()
{
    CResources* stock = CControllerGame::Resources();
    const int r = RangedRandom(0, 99);
    tier = r < 50 ? 0 : r < 85 ? 1 : 2;
    if (tier == 0) {
        result = RangedRandom(24180, 24187);
        if (RangedRandom(0, 7) == 0) {
            result = 24600;
        }
        if (RangedRandom(0, 2) == 0) {
            result = RangedRandom(24700, 24707);
        }
        // A full store turns food into rock, rock into wood, wood into a skill.
        if (stock->IsResourceMaxed(6) && result == 24180) {
            result = 24181;
        }
        if (stock->IsResourceMaxed(1) && result == 24181) {
            result = 24182;
        }
        if (stock->IsResourceMaxed(0) && result == 24182) {
            result = RangedRandom(24183, 24187);
        }
    } else if (tier == 1) {
        if (RangedRandom(0, 3) == 0) {
            result = RangedRandom(24200, 24205);
        } else {
            result = RangedRandom(24183, 24189);
            if (RangedRandom(0, 2) == 0) {
                result = RangedRandom(24800, 24807);
            }
        }
    } else if (RangedRandom(0, 1) != 0) {
        result = RangedRandom(24190, 24199);
        if (RangedRandom(0, 2) == 0) {
            result = RangedRandom(24900, 24923);
        }
    } else {
        result = RangedRandom(24201, 24206);
    }

    // The first few containers of a game are always the same kinds.
    switch (CProfile::current->GetValue<int>(kCratesOpenedKey)) {
    case 0: tier = 0; result = RangedRandom(24180, 24187); break;
    case 1: tier = 1; result = RangedRandom(24183, 24189); break;
    case 2: tier = 2; result = 24203; break;
    case 3: tier = 0; result = 24700; break;
    case 4: tier = 0; result = 24701; break;
    default: break;
    }
    if (first) {
        tier = 0;
        result = kFirstCrateResult;
    }
}

void CCrateBarrel::EnactResult()
{
    CPerson* opener = Opener();
    CProfile* profile = CProfile::current;
    CResources* stock = CControllerGame::Resources();
    if (opener && result > kStoryResults) {
        opener->ChangeEmotion(kSurprised, -1);
    }
    const crate_effect* found = std::find_if(std::begin(kEffects), std::end(kEffects),
                                             [this](const crate_effect& e) { return e.result == result; });
    int face = first ? kSmile : kUnchanged;
    if (found != std::end(kEffects)) {
        const crate_effect& e = *found;
        face = e.face;
        switch (e.what) {
        case effect::food:
            stock->AddFood(20, 0);
            for (int kind = 1; kind <= 3; kind++) {
                stock->AddFood(10, kind);
            }
            break;
        case effect::rock: stock->AddRock(e.amount); break;
        case effect::wood: stock->AddWood(e.amount); break;
        case effect::skill:
            if (opener) {
                ImproveSkill(opener, e.target, e.amount);
            }
            break;
        case effect::science: CControllerScience::AddSciencePoints(e.amount); break;
        case effect::stardust: stock->AddStardust(e.amount); break;
        case effect::moondust: stock->AddMoondust(e.amount); break;
        case effect::strengths:
            if (opener) {
                opener->ImproveAttribute(0, e.amount);
                opener->ImproveAttribute(1, e.amount);
            }
            break;
        case effect::nothing: break;
        case effect::loseFood: stock->RemoveFood(e.amount, -2); break;
        case effect::damage: DamageOneBuilding(); break;
        case effect::trees: RotTrees(); break;
        case effect::weaken:
            if (opener) {
                opener->DecreaseAttribute(e.target, e.amount);
            }
            break;
        case effect::grey:
            if (opener) {
                opener->PrematureGray();
            }
            break;
        case effect::lodestones:
            profile->SetValue<int>(kLodestonesKey, SaturatingAdd(profile->GetValue<int>(kLodestonesKey), e.amount));
            break;
        }
    } else if (first) {
        profile->SetValue<bool>(kFirstCrateOpenedKey, true);
    }
    if (opener && face != kUnchanged) {
        opener->ChangeEmotion(face, -1);
    }
    if (!first) {
        profile->SetValue<int>(kCratesOpenedKey, SaturatingAdd(profile->GetValue<int>(kCratesOpenedKey), 1));
    }
}
