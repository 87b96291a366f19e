// Using what the player holds at the pointer: stardust or moondust on the
// object under it, and a potion on an object or on the ground itself.
#include "CControllerGame.h"

#include "CBuilding.h"
#include "CButterfly.h"
#include "CCrateBarrel.h"
#include "CDraw.h"
#include "CDust.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CMushroom.h"
#include "CObject.h"
#include "CPerson.h"
#include "CRenderer.h"
#include "CResources.h"
#include "CSound.h"
#include "CSprite.h"
#include "CStone.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <cmath>
#include <vector>

namespace {

constexpr int kGrass = 16, kShallowWater = 128;
constexpr int kDustTipFrames = 210, kPotionTipFrames = 270;
constexpr int kStardustRefusedTip = 15002, kMoondustRefusedTip = 15003, kPotionFailedTip = 15012;
constexpr int kFireplaceType = 9, kGardenType = 12;
constexpr int kStormDamages = 5, kStormDraws = 100;
constexpr int kMistDepthOffset = 20;
constexpr int kPotionGroundDepth = 899999900;
constexpr int kSpiralFlowers = 20;
constexpr float kSpiralTurn = 2.0943933f;
// Where the three mushrooms around the first one grow, before their jitter.
constexpr coordinate kMushroomRing[3] = {{15, 0}, {-15, 10}, {-5, -20}};

selection_result Tip(int id)
{
    selection_result tip{};
    tip.id = id;
    return tip;
}

bool TutorialBetween(int done, int notDone)
{
    return CTutorialDialog::IsTutorialComplete(done) && !CTutorialDialog::IsTutorialComplete(notDone);
}

// (x, y) is a world point: the tile lookup must add the island's border, or
// it reads the tile 96 px up and to the left and misjudges points near a shore.
bool OnGrass(CMap* island, int x, int y)
{
    return island->TileContainsTerrain_coords(x, y, kGrass, true) &&
           !island->TileContainsTerrain_coords(x, y, kShallowWater, true);
}

// The storm damages up to five buildings drawn at random; an island without
// one to damage draws nothing.
void StormDamage()
{
    std::vector<CBuilding*>& all = CBuilding::buildings;
    int damaged = 0;
    for (int draw = 0; draw < kStormDraws && damaged < kStormDamages && !all.empty(); draw++) {
        CBuilding* building = all[static_cast<size_t>(RangedRandom(0, static_cast<int>(all.size()) - 1))];
        const int type = building->GetType();
        if (building->IsComplete() && type != kFireplaceType && type != kGardenType) {
            building->Damage();
            damaged++;
        }
    }
}

void Spirals(CMap* island, int x, int y)
{
    const int colour = RangedRandom(0, 6);
    const float step = RangedRandom(0, 1) == 1 ? 0.3f : -0.3f;
    for (int k = 0; k < 3; k++) {
        float angle = static_cast<float>(k) * kSpiralTurn;
        for (int i = 0; i < kSpiralFlowers; i++) {
            angle += step;
            const float radius = static_cast<float>(i) * 2.5f;
            const int size = RangedRandom(0, 2);
            island->AddFlower(x + Round(radius * std::sin(angle)), y + Round(radius * std::cos(angle)),
                              (colour + k) % 7, size, RangedRandom(0, 2));
        }
    }
    if (CController::renderer) {
        CController::renderer->AddSpecialDirty(0, 0, 800, 600, true);
    }
}

}  // namespace

void CControllerGame::DropHeld()
{
    dustMode = 0;
    heldPotion = 0;
    for (CSprite* pointer : {heldStardustSprite, heldMoondustSprite, potionPointer, potionPointerColour}) {
        if (pointer) {
            pointer->Hide();
        }
    }
}

bool CControllerGame::UseHeld()
{
    CObject* target = CObject::FindObjectAt(-1, -1, false, true);
    if (heldPotion != 0) {
        return UseHeldPotion(target);
    }
    if (dustMode == 1 || dustMode == 2) {
        return UseHeldDust(target);
    }
    CObject::ClickOn();
    return true;
}

bool CControllerGame::UseHeldDust(CObject* target)
{
    const bool star = dustMode == 1;
    // A lesson that teaches one kind of target takes no other.
    if (star ? TutorialBetween(32, 33) : TutorialBetween(49, 50)) {
        if (!target || !(star ? target->isHut : target->isScienceStation)) {
            PlayDisallowed();
            return false;
        }
    }
    dustMode = 0;
    CResources* stock = Resources();
    if (target && (star ? target->AcceptStardust() : target->AcceptMoondust())) {
        if (star) {
            stock->RemoveStardust(1);
            DisplayStarBurst();
        } else {
            stock->RemoveMoondust(1);
            DisplayMoonBurst();
        }
    } else {
        SetToolTipMessage(Tip(star ? kStardustRefusedTip : kMoondustRefusedTip), kDustTipFrames);
        PlayDisallowed();
    }
    HideParticles();
    if (star) {
        CObject::ClickOn();
    }
    return true;
}

bool CControllerGame::UseHeldPotion(CObject* target)
{
    const int potion = heldPotion;
    potionRefusal = -1;
    int baseDepth = 0;
    int tip = 0;
    if (target) {
        if (potion == 5 && TutorialBetween(57, 58)) {
            PlayDisallowed();
            return false;
        }
        baseDepth = CObject::lastObjectZ;
        if (!target->AcceptPotion(potion)) {
            tip = -1;
        }
    } else if (island) {
        const int worldX = CMouseCursor::GetMouseX() - island->offsetX;
        const int worldY = CMouseCursor::GetMouseY() - island->offsetY;
        if (potion == 5 && TutorialBetween(57, 58) && !OnGrass(island, worldX, worldY)) {
            PlayDisallowed();
            return false;
        }
        tip = PourOnGround(worldX, worldY);
        if (tip == 0) {
            tip = -1;
        } else {
            SetToolTipMessage(Tip(tip), kPotionTipFrames);
        }
        baseDepth = kPotionGroundDepth;
    } else {
        tip = -1;
    }

    if (tip == -1) {
        PlayDisallowed();
        selection_result refusal = Tip(potionRefusal != -1 ? potionRefusal : kPotionFailedTip);
        if (potionRefusal != -1 && target && target->isPerson) {
            refusal.text1 = static_cast<CPerson*>(target)->GetASCIIName();
        }
        SetToolTipMessage(refusal, kPotionTipFrames);
    } else {
        ShowMist(baseDepth);
    }
    heldPotion = 0;
    CObject::ClickOn();
    return true;
}

int CControllerGame::PourOnGround(int x, int y)
{
    switch (heldPotion) {
    case 1:
        island->SetRain(true, 0);
        return 15013;
    case 11:
        island->SetRain(false, 1);
        island->SetRain(true, 1);
        return 15021;
    case 19:
        island->SetRain(false, 1);
        island->SetRain(true, 2);
        StormDamage();
        return 15034;
    case 5:
        if (!OnGrass(island, x, y)) {
            return 0;
        }
        CTutorialDialog::CompleteTutorial(58);
        CButterfly::SummonTo(x, y);
        return 15017;
    case 6:
    case 7: {
        if (!OnGrass(island, x, y)) {
            return 0;
        }
        CDust* heap = new CDust(heldPotion == 7, x, y, 0);
        heap->UnHide();
        return 15018;
    }
    case 9:
        if (!OnGrass(island, x, y) || CObject::Collision(x - 50, y - 50, 100, 100, false)) {
            return 0;
        }
        new CMushroom(x, y);
        for (const coordinate& around : kMushroomRing) {
            // x is drawn before y: in one argument list the compiler would
            // choose the order.
            const int jitterX = RangedRandom(-10, 10);
            const int jitterY = RangedRandom(-10, 10);
            new CMushroom(x + around.x + jitterX, y + around.y + jitterY);
        }
        return 15062;
    case 12:
        if (!OnGrass(island, x, y)) {
            return 0;
        }
        Spirals(island, x, y);
        return 15022;
    case 16: {
        if (!OnGrass(island, x, y + 25) || CObject::Collision(x - 50, y - 75, 100, 100, false)) {
            return 0;
        }
        CStone* rock = island->AddRock(x, y + 25, 0, true, false);
        if (rock) {
            rock->Hide();
            rock->UnHide();
        }
        return 15060;
    }
    case 17:
        if (!CCrateBarrel::currentContainer) {
            new CCrateBarrel(-1, -1, false, true);
        }
        return 15032;
    default:
        return 0;
    }
}

void CControllerGame::ShowMist(int baseDepth)
{
    if (mistA && mistB) {
        const RGBA_data any{};
        for (int layer = 0; layer < 2; layer++) {
            CSprite* mist = layer == 0 ? mistA : mistB;
            const RGBA_data colour = layer == 0 ? mistColourA : mistColourB;
            for (int i = 0; draw && i < mist->GetNumImages(); i++) {
                draw->ReplaceColour(mist->GetImage(i), any, colour, false, true);
            }
            mist->CenterAt(CMouseCursor::GetMouseX(), CMouseCursor::GetMouseY());
            mist->SetZ(baseDepth + kMistDepthOffset + layer);
            mist->ResetStart();
            mist->PlayForward();
            mist->UnHide();
        }
        mistX = CMouseCursor::GetMouseX() - (island ? island->offsetX : 0) - mistA->GetW() / 2;
        mistY = CMouseCursor::GetMouseY() - (island ? island->offsetY : 0) - mistA->GetH() / 2;
    }
    if (sndUsingDust) {
        sndUsingDust->Play(false, 0, 0.0f, false);
    }
}
