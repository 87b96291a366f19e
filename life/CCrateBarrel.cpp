#include "CCrateBarrel.h"

#include "CControllerGame.h"
#include "CGull.h"
#include "CMap.h"
#include "CPerson.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "CUtilBounce.h"
#include "Finds.h"
#include "Log.h"
#include "TerrainTiles.h"
#include "Utilities.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kOpenTask = 17;
constexpr int kFirstSearches = 1000;
constexpr int kNearSearches = 30;
// Far beyond what an island with open sea needs; an island with almost none
// must not hang the game.
constexpr int kMostDraws = 10000;
constexpr int kFramesPerImage = 2;
constexpr int kScreenW = 800, kScreenH = 600;
constexpr int kFirstQuestionId = 24501;
constexpr int kBarrelQuestionId = 24160;
constexpr int kBarrelRefusedId = 24166;
constexpr int kCrateRefusedId = 24167;
constexpr int kCrateNameId = 2823;
constexpr int kBarrelNameId = 2824;
constexpr int kBottomDetailId = 2825;
constexpr int kFaceNeutral = 1, kFaceFrown = 3, kFaceWorried = 5;

}  // namespace

CCrateBarrel* CCrateBarrel::currentContainer = nullptr;
CPerson* CCrateBarrel::pickedUp = nullptr;

CCrateBarrel::CCrateBarrel(int atX, int atY, bool isFirst, bool near)
    : sprite(nullptr), bobX(nullptr), bobY(nullptr), tier(0), result(0), first(isFirst), hidden(false), crate(true),
      gone(false), seen(false), searchFailed(false)
{
    isCrate = true;
    currentContainer = this;
    x = static_cast<float>(atX);
    y = static_cast<float>(atY);
    if (atX == -1) {
        FindNewLocation();
        x += 50;
        y += 60;
    }
    // Once a search finds no free sea, more of them will not either.
    if ((first || near) && !searchFailed) {
        const int searches = first && !near ? kFirstSearches : kNearSearches;
        CMap* island = CControllerGame::island;
        float keptX = 0, keptY = 0, keptDistance = 0;
        for (int i = 0; i < searches && (i == 0 || !searchFailed); i++) {
            FindNewLocation();
            const float distance = island ? island->GetDistanceFromStartLocation(Round(x), Round(y)) : 0.0f;
            if (i == 0 || distance < keptDistance) {
                keptX = x;
                keptY = y;
                keptDistance = distance;
            }
        }
        x = keptX + 50;
        y = keptY + 60;
    }
    footX = x;
    footY = y;
    pickedUp = nullptr;
    if (RangedRandom(0, 1) == 0) {
        crate = false;
    }
    if (first) {
        crate = true;
    }
    DrawResult();

    sprite = new CSprite(0, kFramesPerImage);
    sprite->LoadImage(crate ? "crate_" : "barrel_", 0, 127, ".png");
    sprite->Move(-100, -100);
    sprite->Hide();
    // Range before phase, each in a statement of its own so that the draws
    // keep their order whatever the compiler does with an argument list.
    const int rangeX = RangedRandom(23, 27);
    bobX = new CUtilBounce(0, rangeX, 3.0f, 2.2f, RangedRandom(0, 60));
    const int rangeY = RangedRandom(13, 17);
    bobY = new CUtilBounce(0, rangeY, 3.0f, 2.2f, RangedRandom(0, 30));
    selectionMarker = new CSprite(30);
    if (crate) {
        selectionMarker->LoadImage("selector_rockbigger.png");
        selectionOffsetX = -30;
        selectionOffsetY = 3;
    } else {
        selectionMarker->LoadImage("selector_rocklarge.png");
        selectionOffsetX = -29;
        selectionOffsetY = 4;
    }
    selectionMarker->Hide();
}

CCrateBarrel::~CCrateBarrel()
{
    if (currentContainer == this) {
        currentContainer = nullptr;
    }
    delete sprite;
    delete bobX;
    delete bobY;
}

void CCrateBarrel::FindNewLocation()
{
    CMap* island = CControllerGame::island;
    int lastX = 0, lastY = 0;
    bool sawWater = false;
    searchFailed = false;
    for (int draw = 0; draw < kMostDraws; draw++) {
        const int atX = RangedRandom(96, 3713);
        const int atY = RangedRandom(96, 3713);
        if (!island) {
            x = static_cast<float>(atX);
            y = static_cast<float>(atY);
            return;
        }
        // The tile is looked up 96 px further on, then shifted by the border
        // once more; it is where containers have always floated, so it stays.
        const bool water = island->TileContainsTerrain_coords(atX + 96, atY + 96, TILE_MIDDLE, true) ||
                           island->TileContainsTerrain_coords(atX + 96, atY + 96, TILE_HOLDS_DEEP, true);
        if (water || !sawWater) {
            lastX = atX;
            lastY = atY;
        }
        if (!water) {
            continue;
        }
        sawWater = true;
        if (CObject::Collision(atX - 5, atY - 5, 90, 75, false)) {
            continue;
        }
        bool nearGull = false;
        for (CGull* gull : CGull::bird) {
            nearGull = nearGull || (gull && GetDist(gull->GetX(), gull->GetY(), atX, atY) < 200.0f);
        }
        if (nearGull) {
            continue;
        }
        const int closest = CPerson::HowCloseIsTheClosestPersonTo(atX, atY - 20, true);
        if (closest != -1 && closest <= 199) {
            continue;
        }
        x = static_cast<float>(atX);
        y = static_cast<float>(atY);
        return;
    }
    logMessage("No free sea for a crate or barrel; it floats at the last open water found", "");
    searchFailed = true;
    x = static_cast<float>(lastX);
    y = static_cast<float>(lastY);
}

void CCrateBarrel::CenterScreen()
{
    if (CMap* island = CControllerGame::island) {
        island->StopCenteringScreen();
        island->CenterScreen(Round(x), Round(y), false, false, true);
    }
}

void CCrateBarrel::Hide()
{
    hidden = true;
    sprite->Hide();
    if (currentContainer == this) {
        currentContainer = nullptr;
    }
}

void CCrateBarrel::UnHide()
{
    // An opened or refused container never comes back, and one the player
    // has not seen yet still washes up out of view.
    if (gone) {
        return;
    }
    hidden = false;
    if (seen) {
        sprite->UnHide();
    }
    if (!currentContainer) {
        currentContainer = this;
    }
}

void CCrateBarrel::Pump(int offsetX, int offsetY, int)
{
    Opener();
    if (hidden) {
        return;
    }
    bobX->Pump();
    bobY->Pump();
    const float screenX = offsetX + x + bobX->value;
    const float screenY = offsetY + y + bobY->value;
    sprite->Move(screenX, screenY, (y + sprite->GetH() + 45) * 2000.0f);
    if (sprite->Hidden()) {
        const int left = sprite->GetX(), top = sprite->GetY();
        const bool outOfView = left + sprite->GetW() < 0 || left > kScreenW || top + sprite->GetH() < 0 || top > kScreenH;
        // A new container washes up only where the player is not looking.
        if (outOfView || first) {
            sprite->UnHide();
            seen = true;
        }
    }
}

bool CCrateBarrel::IsAtCoords(int& z, int atX, int atY)
{
    if (hidden) {
        return false;
    }
    bool hit;
    if (atX == -1 || atY == -1) {
        hit = sprite->IsMouseOver(20, 20);
    } else {
        CMap* island = CControllerGame::island;
        hit = sprite->IsCollision(atX + (island ? island->offsetX : 0), atY + (island ? island->offsetY : 0), 20, 20);
    }
    if (hit) {
        z = sprite->GetZ();
    }
    return hit;
}

void CCrateBarrel::Clicked()
{
    if (hidden) {
        return;
    }
    if (selectedObject != this) {
        PlayClick();
    }
    selectedObject = this;
}

void CCrateBarrel::Rollover(bool over)
{
    sprite->Lighten(over, 1.5f);
    PlayRollover(over);
}

selection_result CCrateBarrel::GetSelectedName()
{
    return selection_result{crate ? kCrateNameId : kBarrelNameId, 0, nullptr, nullptr, 0, 0};
}

selection_result CCrateBarrel::GetSelectedTopDetail()
{
    return selection_result{};
}

selection_result CCrateBarrel::GetSelectedBottomDetail()
{
    return selection_result{kBottomDetailId, 0, nullptr, nullptr, 0, 0};
}

selection_result CCrateBarrel::GetSelectedDetailButton()
{
    return selection_result{-1, 0, nullptr, nullptr, 0, 0};
}

sidebar_image CCrateBarrel::GetSpriteForSidebar()
{
    return sidebar_image{-1, crate ? "sidebar_item_crate.png" : "sidebar_item_barrel.png", 1};
}

CPerson* CCrateBarrel::Opener()
{
    if (pickedUp && std::find(CPerson::people.begin(), CPerson::people.end(), pickedUp) == CPerson::people.end()) {
        pickedUp = nullptr;
    }
    return pickedUp;
}

int CCrateBarrel::DroppedOn()
{
    if (hidden) {
        return 0;
    }
    CControllerGame* game = CControllerGame::game;
    pickedUp = game ? game->pickupCandidate : nullptr;
    CPerson* opener = Opener();
    if (!opener || opener->IsKid() || opener->IsBaby()) {
        pickedUp = nullptr;
        return 0;
    }
    opener->ChangeEmotion(tier == 2 ? kFaceWorried : kFaceNeutral, -1);

    openerName = opener->GetASCIIName();
    const bool female = opener->GetGender() == 1;
    genderText1 = female ? "24100" : "24101";
    genderText2 = female ? "24102" : "24103";

    feedback_data question{};
    question.id = first ? kFirstQuestionId : kBarrelQuestionId + 2 * tier + (crate ? 1 : 0);
    question.insert[0] = openerName;
    question.insert[1] = genderText1;
    question.insert[2] = genderText2;
    question.crate = 1;
    question.number = crate ? 1 : 0;
    question.crateFirst = first ? 1 : 0;
    question.crateTier = tier;
    AskPlayer(this, question);

    CTutorialDialog::CompleteTutorial(8);
    CTutorialDialog::CompleteTutorial(9);
    return kOpenTask;
}

void CCrateBarrel::Notice(int stringId)
{
    feedback_data notice{};
    notice.id = stringId;
    notice.insert[0] = openerName;
    notice.insert[1] = genderText1;
    notice.insert[2] = genderText2;
    notice.crate = 1;
    notice.noticeOnly = 1;
    notice.number = crate ? 1 : 0;
    notice.crateTier = tier;
    AskPlayer(this, notice);
}

void CCrateBarrel::GiveResponse(bool yes)
{
    if (hidden) {
        // The closing notice was answered.
        if (requestingFeedback == this) {
            requestingFeedback = nullptr;
        }
        pickedUp = nullptr;
        requestingFeedbackData.crate = 0;
        requestingFeedbackData.noticeOnly = 0;
        requestingFeedbackData.crateFirst = 0;
        return;
    }
    gone = true;
    if (yes) {
        EnactResult();
        Hide();
        Notice(result);
        return;
    }
    Hide();
    if (CPerson* opener = Opener()) {
        opener->ChangeEmotion(kFaceFrown, -1);
    }
    const int keptFirst = requestingFeedbackData.crateFirst;
    Notice(crate ? kCrateRefusedId : kBarrelRefusedId);
    requestingFeedbackData.crateFirst = keptFirst;
}
