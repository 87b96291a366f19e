// Time away from the island played in bulk: steps of five minutes of game
// time in which the island grows, the band ages, each adult plans a step's
// work and the plan is paid out as yields, skill and tiredness. Nothing walks,
// nothing is drawn and nobody is asked anything.
#include "CPerson.h"

#include "CBuilding.h"
#include "CControllerGame.h"
#include "CControllerScience.h"
#include "CControllerTrophies.h"
#include "CCraftworks.h"
#include "CFarm.h"
#include "CFireplace.h"
#include "CFish.h"
#include "CFlowerIndicator.h"
#include "CHut.h"
#include "CProfile.h"
#include "CResources.h"
#include "CScienceStation.h"
#include "CStone.h"
#include "CTree.h"
#include "CTreeIndicator.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

constexpr int kStepFrames = 9000;
constexpr int kGardenTicks = 2000;
constexpr int kIdleFrames = 30;
constexpr int kNeedLow = 5000;
constexpr int kFull = 10000;
constexpr int kTreeWorkLimit = 9000;
constexpr int kBuildingWorkLimit = 36000;
constexpr int kYoungDeathAge = 64;
constexpr int kClothesTrophy = 8;
constexpr int kRevival = 5000;
constexpr int kGameTimeProperty = 49;
constexpr int kTutorialsOnProperty = 67;
constexpr int kFoodStopProperty = 71, kEnergyStopProperty = 72, kDeathStopProperty = 73;
constexpr int kClothesLessonStep = 94;

template <class Target>
struct sim_target {
    Target* object;
    int work;
};
using target_farm = sim_target<CFarm>;
using target_sapling = sim_target<CTreeIndicator>;
using target_flower = sim_target<CFlowerIndicator>;
using target_building = sim_target<CBuilding>;
using target_firepit = sim_target<CFireplace>;
using target_hut = sim_target<CHut>;
using target_tree = sim_target<CTree>;
using target_rock = sim_target<CStone>;

struct simulated_task {
    int task;
    CPerson* person;
    int unit;
    int duration;
};

struct step_targets {
    std::vector<target_farm> harvest, tend;
    std::vector<target_sapling> saplings;
    std::vector<target_flower> flowers;
    std::vector<target_building> buildings;
    std::vector<target_firepit> fireplaces;
    std::vector<target_hut> huts;
    std::vector<target_tree> trees;
    std::vector<target_rock> rocks;
};

template <class Target>
sim_target<Target>& RandomEntry(std::vector<sim_target<Target>>& list)
{
    return list[RangedRandom(0, static_cast<int>(list.size()) - 1)];
}

template <class Target, class Leaves>
void DropFirst(std::vector<sim_target<Target>>& list, Leaves leaves)
{
    auto first = std::find_if(list.begin(), list.end(), leaves);
    if (first != list.end()) {
        list.erase(first);
    }
}

bool Standing(CBuilding* building)
{
    return !building->IsBeingDemolished() && !building->IsDemolished();
}

step_targets GatherTargets()
{
    step_targets targets;
    for (CFarm* farm : CFarm::farms) {
        if (farm->IsComplete() && Standing(farm)) {
            if (farm->ReadyForHarvest()) {
                targets.harvest.push_back({farm, 0});
            }
            if (!farm->IsGrowing()) {
                targets.tend.push_back({farm, 0});
            }
        }
    }
    for (CTreeIndicator* marker : CTreeIndicator::treeIndicator) {
        if (!marker->deleteMe && !marker->IsGrown()) {
            targets.saplings.push_back({marker, 0});
        }
    }
    for (CFlowerIndicator* marker : CFlowerIndicator::flowerIndicator) {
        if (!marker->deleteMe) {
            targets.flowers.push_back({marker, 0});
        }
    }
    for (CBuilding* building : CBuilding::buildings) {
        if (!building->IsComplete()) {
            targets.buildings.push_back({building, 0});
        }
    }
    for (CFireplace* fireplace : CFireplace::fireplaces) {
        if (fireplace->IsComplete() && !fireplace->IsBeingDemolished()) {
            targets.fireplaces.push_back({fireplace, 0});
        }
    }
    for (CHut* hut : CHut::huts) {
        if (hut->IsComplete() && !hut->IsBeingDemolished()) {
            targets.huts.push_back({hut, 0});
        }
    }
    for (CTree* tree : CTree::choppable) {
        targets.trees.push_back({tree, 0});
    }
    for (CStone* rock : CStone::choppable) {
        targets.rocks.push_back({rock, 0});
    }
    return targets;
}

bool OrderWaitingFor(int id)
{
    return std::any_of(CPerson::pickupQueue.begin(), CPerson::pickupQueue.end(),
                       [id](const craft_data& order) { return order.islanderId == id; });
}

// What each kind of work needs and pays, judged once for a pass of one
// adult: nothing it reads changes while the band is planned, but the next
// adult's ageing may (a new stage reloads looks and walks a frame).
struct kind_rule {
    int task;
    bool allowed;
    float durationUnits;
};

struct pass_rules {
    kind_rule kinds[11];
};

pass_rules JudgeKinds(CPerson* person, const step_targets& targets)
{
    CResources* stock = CControllerGame::Resources();
    CProfile* profile = CProfile::current;
    const bool craftworks = CCraftworks::AnyUseableCraftworks();
    return {{
        {2, !targets.trees.empty() && !stock->IsResourceMaxed(0), 8.0f},
        {4, !targets.rocks.empty() && !stock->IsResourceMaxed(1), 8.0f},
        {3, person->data.fishingX > 0 && !stock->IsResourceMaxed(6), 16.0f},
        {5, !targets.buildings.empty(), 8.0f},
        {11, CScienceStation::AnyUseableScienceStations(), 1.5f},
        {9, !targets.flowers.empty(), 8.0f},
        {16, !targets.saplings.empty(), 8.0f},
        {14, !targets.tend.empty(), 1.0f},
        {15, !targets.harvest.empty(), 8.0f},
        {12, !CPerson::craftQueue.empty() && craftworks, 1.5f},
        {18,
         !CPerson::pickupQueue.empty() && craftworks &&
             (!profile->GetValue<bool>(kTutorialsOnProperty) ||
              CTutorialDialog::IsTutorialComplete(kClothesLessonStep)) &&
             OrderWaitingFor(person->GetID()),
         8.0f},
    }};
}

// One kind of work's planned record, or task -1 when its conditions fail.
simulated_task PlanKind(const kind_rule& rule, CPerson* person)
{
    if (!rule.allowed || !person->IsTaskPermitted(rule.task)) {
        return {-1, person, 0, 0};
    }
    const int unit = person->GetTaskLength(rule.task, rule.task == 3);
    return {rule.task, person, unit, Round(unit * rule.durationUnits)};
}

void PlanIdle(std::vector<simulated_task>& plan, CPerson* person, int& budget)
{
    plan.push_back({0, person, 0, kIdleFrames});
    budget -= kIdleFrames;
}

void PlanIdleRest(std::vector<simulated_task>& plan, CPerson* person, int& budget)
{
    while (budget > 0) {
        PlanIdle(plan, person, budget);
    }
}

// A tired or hungry adult's step: a sleep or a meal first, when there is a
// hut or a fireplace with food and wood for it, and idling for the rest.
void PlanNeeds(std::vector<simulated_task>& plan, CPerson* person, bool tired, bool hungry,
               const step_targets& targets, int& budget)
{
    const bool rest = tired && hungry ? RangedRandom(0, 1) == 0 : tired;
    CResources* stock = CControllerGame::Resources();
    if (rest && !targets.huts.empty()) {
        const int unit = kFull - person->data.energy;
        plan.push_back({8, person, unit, unit + 300});
        budget = kStepFrames - (unit + 300);
    } else if (!rest && !targets.fireplaces.empty() && stock->GetFood(-1) > 0 && stock->GetWood() > 0) {
        plan.push_back({13, person, 0, 300});
        budget = kStepFrames - 300;
    }
    PlanIdleRest(plan, person, budget);
}

void PlanAdult(std::vector<simulated_task>& plan, CPerson* person, bool tired, bool hungry,
               const step_targets& targets)
{
    int budget = kStepFrames;
    while (budget > 0) {
        if ((tired || hungry) && budget == kStepFrames) {
            PlanNeeds(plan, person, tired, hungry, targets, budget);
            continue;
        }
        if (tired || hungry) {
            PlanIdle(plan, person, budget);
            continue;
        }
        const pass_rules rules = JudgeKinds(person, targets);
        bool tried[11] = {};
        for (int done = 0; done < 11; done++) {
            int kind;
            do {
                kind = RangedRandom(0, 10);
            } while (tried[kind]);
            tried[kind] = true;
            const simulated_task record = PlanKind(rules.kinds[kind], person);
            if (record.task != -1) {
                plan.push_back(record);
                budget -= record.duration;
            }
        }
        PlanIdle(plan, person, budget);
    }
}

void Practise(const simulated_task& record)
{
    record.person->ImproveSkillFor(record.task, record.unit);
}

void Tire(const simulated_task& record, int effort)
{
    record.person->GetTiredFor(effort, record.duration);
}

void CarryOutBuilding(const simulated_task& record, step_targets& targets)
{
    CResources* stock = CControllerGame::Resources();
    Practise(record);
    Tire(record, 3);
    target_building& site = RandomEntry(targets.buildings);
    CBuilding* building = site.object;
    int task = 5;
    if (RangedRandom(0, 1) == 0) {
        task = building->IsBeingDemolished() ? 7 : 6;
        if (building->HasAllResources()) {
            task = 5;
        }
    }
    if (task == 5) {
        for (int i = 0; i < record.unit; i++) {
            building->Build(1);
        }
    } else {
        const int kind = building->WhichResourceIsNeeded();
        if (task == 6) {
            if (kind == 0 && stock->GetWood() > 1) {
                stock->RemoveWood(1);
                building->AddResource(1, 0);
            } else if (kind == 1 && stock->GetRock() >= 1) {
                stock->RemoveRock(1);
                building->AddResource(1, 1);
            }
        } else if (kind == 0 || kind == 1) {
            if (kind == 0) {
                stock->AddWood(1);
            } else {
                stock->AddRock(1);
            }
            building->AddResource(-1, kind);
        }
    }
    site.work += record.unit;
    DropFirst(targets.buildings, [](const target_building& t) { return t.work >= kBuildingWorkLimit; });
    DropFirst(targets.buildings,
              [](const target_building& t) { return t.object->IsComplete() || t.object->IsDemolished(); });
}

void CarryOut(const simulated_task& record, step_targets& targets)
{
    CResources* stock = CControllerGame::Resources();
    CPerson* person = record.person;
    switch (record.task) {
    case 0:
        Tire(record, 1);
        break;
    case 2:
        if (stock->IsResourceMaxed(0) || targets.trees.empty()) {
            break;
        }
        Practise(record);
        Tire(record, 3);
        {
            target_tree& tree = RandomEntry(targets.trees);
            tree.object->RemoveResource(1);
            stock->AddWood(1);
            tree.work += record.unit;
        }
        DropFirst(targets.trees, [](const target_tree& t) { return t.work >= kTreeWorkLimit; });
        DropFirst(targets.trees, [](const target_tree& t) { return t.object->IsConsumed(); });
        break;
    case 4:
        if (stock->IsResourceMaxed(1) || targets.rocks.empty()) {
            break;
        }
        Practise(record);
        Tire(record, 3);
        {
            target_rock& rock = RandomEntry(targets.rocks);
            rock.object->RemoveResource();
            stock->AddRock(1);
            rock.work += record.unit;
        }
        DropFirst(targets.rocks, [](const target_rock& t) { return t.work >= kTreeWorkLimit; });
        DropFirst(targets.rocks, [](const target_rock& t) { return t.object->IsConsumed(); });
        break;
    case 3:
        if (stock->IsResourceMaxed(6)) {
            break;
        }
        Practise(record);
        Tire(record, 3);
        if (CPerson::FishSuccess()) {
            stock->AddFood(1, 0);
            CFish::DecreaseSizeOfNearestClump(person->data.fishingX, person->data.fishingY);
        }
        break;
    case 8:
        // Huts leave the list as they fill, so a later sleeper may find none.
        if (targets.huts.empty()) {
            break;
        }
        person->data.energy = kFull;
        RandomEntry(targets.huts).work += record.unit;
        DropFirst(targets.huts, [](const target_hut& t) { return t.work >= kTreeWorkLimit; });
        break;
    case 13:
        person->data.food = std::min(person->data.food + 3333, kFull);
        stock->RemoveFood(1, -2);
        break;
    case 5:
        if (!targets.buildings.empty()) {
            CarryOutBuilding(record, targets);
        }
        break;
    case 11:
        if (!CScienceStation::AnyUseableScienceStations()) {
            break;
        }
        Practise(record);
        Tire(record, 3);
        {
            const int level = CControllerScience::GetLevelScience();
            CControllerScience::AddSciencePoints(level <= 0 ? 1 : level == 1 ? 2 : 4);
        }
        break;
    case 12:
        if (!CCraftworks::AnyUseableCraftworks() || CPerson::craftQueue.empty()) {
            break;
        }
        Practise(record);
        Tire(record, 3);
        if (++CPerson::craftQueue.front().progress >= CPerson::craftQueue.front().workNeeded) {
            CPerson::pickupQueue.push_back(CPerson::craftQueue.front());
            CPerson::craftQueue.erase(CPerson::craftQueue.begin());
        }
        break;
    case 18: {
        if (!CCraftworks::AnyUseableCraftworks()) {
            break;
        }
        const int id = person->GetID();
        auto order = std::find_if(CPerson::pickupQueue.begin(), CPerson::pickupQueue.end(),
                                  [id](const craft_data& each) { return each.islanderId == id; });
        if (order == CPerson::pickupQueue.end()) {
            break;
        }
        Tire(record, 3);
        const craft_data clothes = *order;
        CPerson::pickupQueue.erase(order);
        CControllerTrophies::CompleteTrophy(kClothesTrophy);
        CPerson::ChangeClothes(clothes);
        break;
    }
    case 9:
        if (targets.flowers.empty()) {
            break;
        }
        Practise(record);
        Tire(record, 3);
        {
            auto marker = std::find_if(targets.flowers.begin(), targets.flowers.end(),
                                       [](const target_flower& t) { return !t.object->deleteMe; });
            if (marker != targets.flowers.end()) {
                CFlowerIndicator::PlaceFlower(marker->object);
                targets.flowers.erase(marker);
            }
        }
        break;
    case 16: {
        if (targets.saplings.empty()) {
            break;
        }
        Practise(record);
        Tire(record, 3);
        auto marker = std::find_if(targets.saplings.begin(), targets.saplings.end(), [](const target_sapling& t) {
            return !t.object->deleteMe && !t.object->IsGrown();
        });
        if (marker != targets.saplings.end()) {
            CTreeIndicator::GrowTree(marker->object);
            targets.saplings.erase(marker);
        }
        break;
    }
    case 14:
        if (targets.tend.empty()) {
            break;
        }
        Practise(record);
        Tire(record, 3);
        {
            CFarm* farm = RandomEntry(targets.tend).object;
            for (int i = 0; i < record.unit; i++) {
                farm->AddPoints(1);
            }
        }
        if (targets.tend.front().object->IsGrowing()) {
            targets.tend.erase(targets.tend.begin());
        }
        break;
    case 15:
        if (stock->IsResourceMaxed(6) || targets.harvest.empty()) {
            break;
        }
        {
            CFarm* farm = RandomEntry(targets.harvest).object;
            int x = 0, y = 0;
            const int plot = farm->GetVegetableCoords(x, y);
            if (plot != -1) {
                const int type = farm->GetVeggieType(plot);
                farm->RemoveVegetable(plot);
                stock->AddFood(1, type == 4 ? 2 : type == 5 ? 3 : 1);
                farm->Grow();
                Practise(record);
                Tire(record, 3);
            }
        }
        if (!targets.harvest.front().object->ReadyForHarvest()) {
            targets.harvest.erase(targets.harvest.begin());
        }
        break;
    default:
        break;
    }
}

// The dead stay listed until the run ends (loneliness and the draws of
// names count the listed band), but a week away must not keep every dead
// islander's pictures in memory.
void DieAway(CPerson* person, bool scatter)
{
    person->Die(scatter);
    person->UnloadSprites();
}

}  // namespace

void CPerson::Simulate(int frames)
{
    CProfile* profile = CProfile::current;
    simulating = true;
    // The island's clock stops at its top rather than wrap.
    const long long clock = static_cast<long long>(profile->GetValue<int>(kGameTimeProperty)) + std::max(frames, 0);
    profile->SetValue<int>(kGameTimeProperty, static_cast<int>(std::min<long long>(clock, INT_MAX)));
    CResources* stock = CControllerGame::Resources();
    int rot = 0;
    while (frames > 0) {
        frames -= kStepFrames;

        if (stock->GetWood() > 1 && ++rot > 5) {
            rot = 0;
            stock->RemoveWood(1);
        }
        CTreeIndicator::AgeAll(kStepFrames);
        for (int tick = 0; tick < kGardenTicks; tick++) {
            for (CFarm* farm : CFarm::farms) {
                if (Standing(farm) && farm->IsGrowing()) {
                    farm->Grow();
                }
            }
        }
        for (int tick = 0; tick < kStepFrames; tick++) {
            CFish::BreedAllFish();
        }
        step_targets targets = GatherTargets();

        const std::vector<CPerson*> band = people;
        for (CPerson* person : band) {
            if (person->dying) {
                DieAway(person, false);
            }
        }
        if (!targets.huts.empty()) {
            CPerson* man = GetYoungest(0);
            CPerson* woman = GetYoungest(1);
            if (man && woman) {
                if (man->GetAge() > 44) {
                    MakeSomeBaby(true);
                }
                if (woman->GetAge() > 39) {
                    MakeSomeBaby(false);
                }
            }
        }

        std::vector<simulated_task> plan;
        const std::vector<CPerson*> living = people;
        for (CPerson* person : living) {
            if (person->dying || person->deleteMe) {
                continue;
            }
            int deathAge = -1;
            for (int tick = 0; tick < kStepFrames; tick++) {
                // Between birthdays a frame of ageing only counts; the need
                // checks below cannot change their answer either.
                const int quiet = std::min(person->QuietAgeingTicks(), kStepFrames - tick);
                if (quiet > 0 && !person->dying && person->data.food >= -9999 && person->data.energy >= -9999) {
                    person->CountAgeingTicks(quiet);
                    tick += quiet - 1;
                    continue;
                }
                person->HandleAgeing();
                person->lastYears = person->GetAge();
                if (person->data.food < -9999) {
                    person->DieSoon(12022);
                }
                if (person->data.energy < -9999) {
                    person->DieSoon(12023);
                }
                if (person->dying && !person->deleteMe) {
                    DieAway(person, true);
                    deathAge = person->lastYears;
                }
            }
            // One death ends this step's ageing for everyone after the dead
            // in the band: their ages fall behind the island's clock by a
            // step, which the game has always done and saved islands carry.
            if (deathAge != -1) {
                if (!profile->GetValue<bool>(kDeathStopProperty) && deathAge <= kYoungDeathAge) {
                    stoppedSimForDeath = true;
                    profile->SetValue<bool>(kDeathStopProperty, true);
                    RevitalizeAll(kRevival);
                    frames = 0;
                }
                break;
            }
            if (person->GetAge() < 14) {
                continue;
            }
            const bool tired = person->data.energy <= kNeedLow;
            const bool hungry = person->data.food <= kNeedLow;
            bool foodTest = true;
            if (person->data.energy <= 0 && !profile->GetValue<bool>(kEnergyStopProperty)) {
                profile->SetValue<bool>(kEnergyStopProperty, true);
                frames = 0;
                foodTest = false;
            }
            if (foodTest && person->data.food <= 0 && !profile->GetValue<bool>(kFoodStopProperty)) {
                profile->SetValue<bool>(kFoodStopProperty, true);
                frames = 0;
            }
            PlanAdult(plan, person, tired, hungry, targets);
        }

        for (const simulated_task& record : plan) {
            CarryOut(record, targets);
        }
    }
    RemoveDeadPeople();
    simulating = false;
}

void CPerson::AdvanceTime(int ticks)
{
    for (CPerson* person : people) {
        person->data.age += ticks;
        person->data.actualAge += ticks;
    }
}
