#include "Finds.h"

#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CObject.h"
#include "CProfile.h"
#include "CScienceStation.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "TerrainTiles.h"
#include "Utilities.h"

namespace {

constexpr int kSpotTries = 1000;
constexpr int kFindDepth = 8194000;
constexpr int kFirstFindStep = 59;
constexpr int kFindStep = 60;
constexpr int kGrowingFramesPerImage = 2;
constexpr float kGrowth[] = {0.0f, 0.2f, 0.4f, 0.6f, 0.8f};

// A free spot of ground, world pixels; after the last try the last point stands.
void FindGroundSpot(bool relic, int& x, int& y)
{
    CMap* island = CControllerGame::island;
    for (int attempt = 0; attempt < kSpotTries; attempt++) {
        const int pickX = RangedRandom(96, 3713);
        const int pickY = RangedRandom(96, 3713);
        x = pickX;
        y = pickY;
        if (!island) {
            continue;
        }
        // The tile is looked up 96 px further on, then shifted by the border
        // once more; it is where finds have always lain, so it stays.
        const int tileX = pickX + 96, tileY = pickY + 96;
        const bool grass = island->TileContainsTerrain_coords(tileX, tileY, TILE_HOLDS_GRASS, true);
        const bool sand = island->TileContainsTerrain_coords(tileX, tileY, TILE_SAND, true);
        const bool shallow = island->TileContainsTerrain_coords(tileX, tileY, TILE_HOLDS_SHALLOW, true);
        const bool ground = relic ? sand && !grass : grass || sand;
        if (!ground || shallow) {
            continue;
        }
        const float height = island->GetTerrainDepth(pickX, pickY);
        if (height < 0.31f || (relic && height > 0.35f)) {
            continue;
        }
        x = pickX - 12;
        y = pickY - 15;
        if (!CObject::Collision(pickX - 22, pickY - 25, 40, 40, false)) {
            return;
        }
    }
}

}  // namespace

void AskPlayer(CObject* asker, const feedback_data& request)
{
    CObject::requestingFeedbackData = request;
    CObject::requestingFeedback = asker;
}

void AskPlayer(CObject* asker, int noticeId)
{
    feedback_data notice{};
    notice.id = noticeId;
    notice.noticeOnly = 1;
    AskPlayer(asker, notice);
}

void AppendFadedCopies(CSprite* sprite, int image, const float* alphas, int count, const char* label)
{
    CDraw* draw = CSprite::draw;
    for (int i = 0; i < count; i++) {
        SDL_Surface* faded =
            draw->AlterImageRGBA(image, RGBA_offset{1.0f, 1.0f, 1.0f, alphas[i]}, true, nullptr, 1.0f, 1.0f, 1.0f);
        sprite->LoadImage(draw->ImageFreeSpot(faded, label));
    }
}

void PlaceOnGround(CObject* find, bool relic)
{
    int atX = 0, atY = 0;
    FindGroundSpot(relic, atX, atY);
    find->x = static_cast<float>(atX);
    find->y = static_cast<float>(atY);
}

CSprite* MakeGrowingSprite(const char* picture, const char* label, float y)
{
    const int base = CSprite::draw->LoadImage(picture, false, false);
    CSprite* sprite = new CSprite(0, kGrowingFramesPerImage);
    AppendFadedCopies(sprite, base, kGrowth, 5, label);
    sprite->LoadImage(base);
    sprite->SetZ(Round((y + sprite->GetH()) * 2000.0f));
    sprite->PauseWhenDone();
    sprite->Move(-100, -100);
    sprite->Hide();
    return sprite;
}

void HideFind(CSprite* sprite, bool& hidden)
{
    hidden = true;
    if (sprite) {
        sprite->Hide();
    }
}

void ShowFind(CSprite* sprite, bool& hidden, bool gone)
{
    if (sprite && !gone) {
        hidden = false;
        sprite->UnHide();
    }
}

void KeepFindInView(CSprite* sprite, bool hidden, float x, float y, int offsetX, int offsetY)
{
    if (!hidden) {
        sprite->UnHide();
    }
    sprite->Move(Round(x + offsetX), Round(y + offsetY));
}

void CollectFind(CObject* find, int countKey, int noticeId, bool tutorial)
{
    if (tutorial && CTutorialDialog::IsTutorialComplete(kFirstFindStep)) {
        CTutorialDialog::CompleteTutorial(kFindStep);
    }
    if (!CScienceStation::AnyUseableScienceStations()) {
        AskPlayer(find, noticeId);
    }
    CProfile* profile = CProfile::current;
    profile->SetValue<int>(countKey, SaturatingAdd(profile->GetValue<int>(countKey), 1));
}

void AnswerFindNotice(CObject* find)
{
    CObject::requestingFeedbackData.noticeOnly = 0;
    if (CObject::requestingFeedback == find) {
        CObject::requestingFeedback = nullptr;
    }
}

bool FindIsAt(CSprite* sprite, bool hidden, int& z, int x, int y, int marginX, int marginY)
{
    if (!sprite || hidden || sprite->Hidden()) {
        return false;
    }
    CMap* island = CControllerGame::island;
    bool hit;
    if (x == -1 || y == -1) {
        hit = sprite->IsCollision(CMouseCursor::GetMouseX(), CMouseCursor::GetMouseY(), marginX, marginY);
    } else {
        const int offsetX = island ? island->offsetX : 0, offsetY = island ? island->offsetY : 0;
        hit = sprite->IsCollision(x + offsetX, y + offsetY, marginX, marginY);
    }
    if (hit) {
        z = kFindDepth;
    }
    return hit;
}
