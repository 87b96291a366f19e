// The research service: science points and the four research levels, kept
// in the active profile.
#include "CControllerScience.h"

#include "CControllerGame.h"
#include "CControllerTrophies.h"
#include "CProfile.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"

#include <climits>

namespace {

constexpr int kPointsProperty = 25;
constexpr int kArtsProperty = 26;
constexpr int kConstructionProperty = 27;
constexpr int kScienceProperty = 28;
constexpr int kAgricultureProperty = 29;
constexpr int kPointsEarnedProperty = 58;
constexpr int kTutorialOnProperty = 67;

constexpr int kFieldProperties[CControllerScience::kFields] = {
    kAgricultureProperty, kConstructionProperty, kScienceProperty, kArtsProperty};
// Points for level 0 to 1 and level 1 to 2, by field.
constexpr int kUpgradeCosts[CControllerScience::kFields][CControllerScience::kTopLevel] = {
    {2000, 5000}, {100, 400000}, {20000, 50000}, {500, 200000}};
constexpr int kConstructionField = 1, kArtsField = 3;

// Shown when the points first exceed the next construction level's cost.
constexpr int kStepResearchAffordable = 73;
constexpr int kStepLevelBought = 74, kStepAfterLevel = 75;
constexpr int kTrophySuperGenius = 1 << 21;

int Read(int property)
{
    return CProfile::current->GetValue<int>(property);
}

// Points never wrap around past either end of an int.
int SaturatedSum(int a, int b)
{
    const long long sum = static_cast<long long>(a) + b;
    return sum > INT_MAX ? INT_MAX : sum < INT_MIN ? INT_MIN : static_cast<int>(sum);
}

}  // namespace

int CControllerScience::GetSciencePoints()
{
    return Read(kPointsProperty);
}

int CControllerScience::GetLevelAgriculture()
{
    return Read(kAgricultureProperty);
}

int CControllerScience::GetLevelConstruction()
{
    return Read(kConstructionProperty);
}

int CControllerScience::GetLevelScience()
{
    return Read(kScienceProperty);
}

int CControllerScience::GetLevelArts()
{
    return Read(kArtsProperty);
}

int CControllerScience::GetUpgradeCost(int field)
{
    if (field < 0 || field >= kFields) {
        field = kArtsField;
    }
    const int level = Read(kFieldProperties[field]);
    return level >= 0 && level < kTopLevel ? kUpgradeCosts[field][level] : -1;
}

// The tutorial part needs the game screen; the bulk simulation of time away
// adds points while the game screen is still being built.
void CControllerScience::AddSciencePoints(int n)
{
    CProfile* profile = CProfile::current;
    profile->SetValue<int>(kPointsProperty, SaturatedSum(Read(kPointsProperty), n));
    if (n > 0) {
        profile->SetValue<int>(kPointsEarnedProperty, SaturatedSum(Read(kPointsEarnedProperty), n));
    }
    CControllerGame* game = CControllerGame::game;
    if (!game || game->pendingTutorial != -1 || !profile->GetValue<bool>(kTutorialOnProperty)) {
        return;
    }
    // Fully researched construction costs -1, so then any points of 0 or more qualify.
    if (Read(kPointsProperty) > GetUpgradeCost(kConstructionField) &&
        !CTutorialDialog::IsTutorialComplete(kStepResearchAffordable)) {
        game->pendingTutorial = kStepResearchAffordable;
    }
}

void CControllerScience::AddLevelAgriculture()
{
    AddLevel(kAgricultureProperty);
}

void CControllerScience::AddLevelConstruction()
{
    AddLevel(kConstructionProperty);
}

void CControllerScience::AddLevelScience()
{
    AddLevel(kScienceProperty);
}

void CControllerScience::AddLevelArts()
{
    AddLevel(kArtsProperty);
}

void CControllerScience::AddLevel(int property)
{
    const int level = Read(property);
    if (level < kTopLevel) {
        CProfile::current->SetValue<int>(property, level + 1);
        CControllerGame* game = CControllerGame::game;
        if (game && CTutorialDialog::IsTutorialComplete(kStepResearchAffordable)) {
            CTutorialDialog::CompleteTutorial(kStepLevelBought);
            if (!CTutorialDialog::IsTutorialComplete(kStepAfterLevel)) {
                game->pendingTutorial = kStepAfterLevel;
            }
            delete CTutorialDialog::tutorialCircle;
            CTutorialDialog::tutorialCircle = nullptr;
        }
    }
    // Checked on every raise, even of a field already at the top.
    for (int field : {kArtsProperty, kScienceProperty, kConstructionProperty, kAgricultureProperty}) {
        if (Read(field) < kTopLevel) {
            return;
        }
    }
    CControllerTrophies::CompleteTrophy(kTrophySuperGenius);
}
