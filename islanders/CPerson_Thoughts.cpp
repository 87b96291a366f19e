// The thought catalogue and the pick from it, the tutorial's direct
// thoughts, and the thunder's fright.
#include "CPerson.h"

#include "CControllerGame.h"
#include "CFish.h"
#include "CMap.h"
#include "CResources.h"
#include "CScienceStation.h"
#include "ThoughtCatalogue.h"
#include "Utilities.h"

#include <algorithm>
#include <iterator>

std::vector<thought_data> CPerson::possibleThoughts;

namespace {

constexpr int kTries = 1000;
constexpr int kKeepFace = 99999;
constexpr int kNeutralFace = 1, kSurprisedFace = 4;
constexpr int kSurprisedFrames = 45;
constexpr int kIdeaThought = 30548, kFirstRainThought = 30580;
constexpr int kScarceFood = 25;

bool Raining(int& kind)
{
    CMap* island = CControllerGame::island;
    kind = island ? island->rainKind : 0;
    return island && island->raining;
}

bool TaskIn(int task, std::initializer_list<int> tasks)
{
    return std::find(tasks.begin(), tasks.end(), task) != tasks.end();
}

}  // namespace

void CPerson::InitThoughts()
{
    if (!possibleThoughts.empty()) {
        return;
    }
    // The pick draws only the first rule of each pair; the second stands for
    // the woman's text.
    possibleThoughts.reserve(2 * std::size(thought_catalogue::kThoughtRules));
    for (const thought_data& rule : thought_catalogue::kThoughtRules) {
        possibleThoughts.push_back(rule);
        possibleThoughts.push_back(rule);
        possibleThoughts.back().textId++;
    }
}

void CPerson::WipeTD(thought_data* rule)
{
    *rule = thought_data{-1, false, -1, -1, -1, {-1, -1, -1, -1}, -1};
}

void CPerson::ThinkSomething()
{
    thoughtId = kIdeaThought;
    thoughtCountdown = 0;
}

void CPerson::ThinkRain()
{
    if (rainThoughtShown) {
        return;
    }
    rainThoughtShown = true;
    thoughtCountdown = 0;
    thoughtId = kFirstRainThought + 2 * RangedRandom(0, 10);
}

int CPerson::ClearThoughts()
{
    thoughtId = -1;
    thoughtCountdown = RangedRandom(600, 900);
    return thoughtCountdown;
}

void CPerson::Lightning()
{
    for (CPerson* person : people) {
        if (!person->IsBaby() && !person->deleteMe) {
            person->surprisedFrames = kSurprisedFrames;
            person->ChangeEmotion(kSurprisedFace, -1);
        }
    }
}

bool CPerson::ThoughtConditionHolds(int kind)
{
    const int task = currentTask;
    int rainKind = 0;
    const bool rain = Raining(rainKind);
    switch (kind) {
    case 1: return TaskIn(task, {2, 4, 5, 9, 14, 15, 16});
    case 2: return rain;
    case 3: return rain && rainKind >= 1;
    case 4: return TaskIn(task, {2, 3, 4, 5, 9, 11, 12, 14, 15, 16});
    case 5: return task == 3;
    case 6: return task == 4;
    case 7: return task == 2;
    case 8: return task == 14 || task == 15;
    case 9: return task == 11;
    case 10: return task == 12;
    case 11: return task == 5 || task == 6;
    case 12: return depthFactor <= 0.75f;
    case 13: return rain && rainKind == 2;
    case 14: return rain && rainKind == 0;
    case 15: return rain && rainKind == 1;
    case 16: {
        constexpr int kWork[] = {2, 3, 4, 5, 11, 12, 14};
        return std::none_of(std::begin(kWork), std::end(kWork), [this](int t) { return IsTaskPermitted(t); });
    }
    case 17: return data.energy <= 5500;
    case 18: return data.energy <= 3750;
    case 19: return task == 3 && CFish::GetSizeOfNearestClump(data.fishingX, data.fishingY) <= 5;
    case 20: return !data.babyThoughtShown && GetAge() < 3;
    case 21: return data.food <= 5500;
    case 22: return data.food <= 3750;
    default: return true;
    }
}

bool CPerson::PickCatalogueThought()
{
    const int pairs = static_cast<int>(possibleThoughts.size() / 2);
    if (pairs < 1) {
        return false;
    }
    const int rareDraw = RangedRandom(0, 10);
    const int years = GetAge();
    CResources* stock = CControllerGame::Resources();
    for (int attempt = 0; attempt < kTries; attempt++) {
        const thought_data& rule = possibleThoughts[2 * RangedRandom(0, pairs - 1)];
        if ((rule.minAge != -1 && years < rule.minAge) || (rule.maxAge != -1 && years >= rule.maxAge) ||
            (rule.rare && rareDraw != 0) || !ThoughtConditionHolds(rule.kind)) {
            continue;
        }
        data.babyThoughtShown = 1;
        const int id = rule.textId;
        const bool scarce = !stock || stock->GetFood(-1) < kScarceFood;
        if ((id == 30002 && data.isParent) || (id == 30004 && data.hasBrother) || (id == 30006 && data.hasSister) ||
            ((id == 30484 || id == 30486) && scarce) ||
            (id == 30544 && !CScienceStation::AnyUseableScienceStations())) {
            continue;
        }
        const int faces = static_cast<int>(std::count_if(std::begin(rule.faces), std::end(rule.faces),
                                                         [](int face) { return face != -1; }));
        if (faces == 0) {
            ChangeEmotion(RangedRandom(0, 1) == 0 ? kNeutralFace : 0, -1);
        } else {
            ChangeEmotion(rule.faces[RangedRandom(0, faces - 1)], kKeepFace);
        }
        thoughtId = id;
        return true;
    }
    return false;
}
