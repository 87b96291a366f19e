// The potion lab's model: supplies and what a mix uses up, choosing an
// ingredient under the research gates, the recipes, the colours, mixing.
#include "CControllerLab.h"

#include "CControllerGame.h"
#include "CControllerScience.h"
#include "CMap.h"
#include "CMysteriousObject.h"
#include "CProfile.h"
#include "CResources.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "PotionLabLayout.h"
#include "Utilities.h"

namespace {

using namespace potion_recipes;
using potion_lab_layout::kItems;

constexpr int kCountText = 27200;
constexpr int kCountZ = 23000006;
constexpr RGBA_data kCountShadow = {40, 41, 37, 0};
constexpr int kFirstVegetable = 1, kLastVegetable = 3;
constexpr int kRainwater = 1, kFountainwater = 2, kMoondust = 1, kGoldenRelic = 2;
constexpr int kTextRainwater = 12207, kTextFountainwater = 12208, kTextMoondust = 12209;
constexpr int kTextGoldenRelic = 12210, kTextIncomplete = 12211, kTextNoPotion = 12212;

RGBA_data ColourOf(uint32_t word)
{
    return RGBA_data{static_cast<unsigned char>(word & 0xff), static_cast<unsigned char>(word >> 8 & 0xff),
                     static_cast<unsigned char>(word >> 16 & 0xff), 0};
}

int Find(int property)
{
    return CProfile::current->GetValue<int>(property);
}

bool Raining()
{
    return CControllerGame::island && CControllerGame::island->raining;
}

}  // namespace

int CControllerLab::GetPotionResults(int main, int water, int dust)
{
    if (main < 0 || main >= kMains || water < 0 || water >= kWaters || dust < 0 || dust >= kDusts) {
        return 0;
    }
    return kRecipes[main][water * kDusts + dust];
}

RGBA_data CControllerLab::GetColour()
{
    if (selWater < 0 || selWater >= kWaters) {
        return RGBA_data{0, 0, 0, 0};
    }
    const int main = selMain >= 0 && selMain < kMains ? selMain + 1 : 0;
    const int dust = selDust >= 0 && selDust < kDusts ? selDust + 1 : 0;
    return ColourOf(kFlaskColours[selWater][main][dust]);
}

void CControllerLab::GetMistColour()
{
    if (selMain < 0 || selMain >= kMains || selWater < 0 || selWater >= kWaters || selDust < 0 ||
        selDust >= kDusts) {
        return;
    }
    const int pair = kMistPairOf[selMain][selWater * kDusts + selDust] - 1;
    mistColour1 = ColourOf(kMistColours[pair][0]);
    mistColour2 = ColourOf(kMistColours[pair][1]);
}

int CControllerLab::SupplyOf(int ingredient)
{
    const ingredient_data& item = kIngredientTable[ingredient];
    CResources* stock = CControllerGame::Resources();
    switch (item.supply) {
    case Supply::Food: return stock->GetFood(item.arg);
    case Supply::Vegetables: {
        int sum = 0;
        for (int kind = kFirstVegetable; kind <= kLastVegetable; kind++) {
            sum += stock->GetFood(kind);
        }
        return sum;
    }
    case Supply::Wood: return stock->GetWood();
    case Supply::Rock: return stock->GetRock();
    case Supply::Find: return Find(item.arg);
    case Supply::Mystery: return CMysteriousObject::IsComplete(item.arg) ? kUnlimited : 0;
    case Supply::MysteryStage: return CMysteriousObject::CheckVar(item.arg) ? kUnlimited : 0;
    case Supply::Sea: return kUnlimited;
    case Supply::Rain: return Raining() ? kUnlimited : 0;
    case Supply::Stardust: return stock->GetStardust();
    case Supply::Moondust: return stock->GetMoondust();
    }
    return 0;
}

void CControllerLab::UseUp(int ingredient)
{
    const ingredient_data& item = kIngredientTable[ingredient];
    CResources* stock = CControllerGame::Resources();
    switch (item.supply) {
    case Supply::Food: stock->RemoveFood(1, item.arg); break;
    case Supply::Vegetables: {
        int kind = kFirstVegetable;
        while (kind < kLastVegetable && stock->GetFood(kind) < 1) {
            kind++;
        }
        stock->RemoveFood(1, kind);
        break;
    }
    case Supply::Wood: stock->RemoveWood(1); break;
    case Supply::Rock: stock->RemoveRock(1); break;
    case Supply::Find: CProfile::current->SetValue<int>(item.arg, Find(item.arg) - 1); break;
    case Supply::Stardust: stock->RemoveStardust(1); break;
    case Supply::Moondust: stock->RemoveMoondust(1); break;
    case Supply::Mystery:
    case Supply::MysteryStage:
    case Supply::Sea:
    case Supply::Rain: break;
    }
}

void CControllerLab::RefreshItems(bool recount)
{
    if (recount) {
        for (int i = 0; i < kIngredients; i++) {
            itemCount[i] = SupplyOf(i);
        }
    }
    int label = 0;
    for (int i = 0; i < kIngredients; i++) {
        if (kItems[i].countCentre.x < 0) {
            continue;
        }
        delete countLabels[label];
        CSprite* sprite = new CSprite(kCountZ);
        sprite->dirtyOnDelete = true;
        int lines = 0;
        sprite->LoadTextShadow(kCountText, 40, 20, 3, lines, kCountShadow.r, kCountShadow.g, kCountShadow.b,
                               TempSprintf("%i", itemCount[i]), nullptr, nullptr, nullptr, nullptr);
        sprite->CenterAt(kItems[i].countCentre.x, kItems[i].countCentre.y);
        if (itemCount[i] < 1) {
            sprite->Hide();
        }
        countLabels[label++] = sprite;
    }
}

void CControllerLab::ConsumeReagents(int result)
{
    if (selMain >= 0) {
        UseUp(selMain);
    }
    // A potion keeps its dust; only a failed brew burns it.
    if (result == 0 && selDust >= 0) {
        UseUp(kFirstDust + selDust);
    }
    selMain = selWater = selDust = -1;
    RefreshItems(true);
}

int& CControllerLab::Selection(int group)
{
    return group == 0 ? selMain : group == 1 ? selWater : selDust;
}

bool CControllerLab::ChooseIngredient(int ingredient)
{
    const int group = ingredient < kFirstWater ? 0 : ingredient < kFirstDust ? 1 : 2;
    const int number = ingredient - (group == 0 ? 0 : group == 1 ? kFirstWater : kFirstDust);
    int& choice = Selection(group);
    choice = number;
    if (itemCount[ingredient] < 1) {
        PlayDisallowed();
        choice = -1;
        return true;
    }
    const int level = CControllerScience::GetLevelScience();
    int refusal = 0;
    if (group == 1 && number == kRainwater && level < 1) {
        refusal = kTextRainwater;
    } else if (group == 1 && number == kFountainwater && level < 2) {
        refusal = kTextFountainwater;
    } else if (group == 2 && number == kMoondust && level < 1) {
        refusal = kTextMoondust;
    } else if (group == 2 && number == kGoldenRelic && level < 2) {
        refusal = kTextGoldenRelic;
    }
    if (refusal) {
        choice = -1;
        OpenPopUp(refusal);
        return false;
    }
    return true;
}

void CControllerLab::Mix()
{
    if (selMain < 0 || selWater < 0 || selDust < 0) {
        OpenPopUp(kTextIncomplete);
        return;
    }
    const int result = GetPotionResults(selMain, selWater, selDust);
    GetMistColour();
    ConsumeReagents(result);
    if (result == 0) {
        OpenPopUp(kTextNoPotion);
        return;
    }
    if (result == kTutorialPotion) {
        CTutorialDialog::CompleteTutorial(kTutorialStep);
    }
    potion = result;
    Close();
}
