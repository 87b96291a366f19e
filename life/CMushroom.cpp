#include "CMushroom.h"

#include "CDraw.h"
#include "CSprite.h"
#include "Finds.h"
#include "Utilities.h"

namespace {

constexpr int kLifetime = 5400;
constexpr int kFramesPerImage = 2;
constexpr float kGrowth[] = {0.0f, 0.2f, 0.4f, 0.6f, 0.8f};
constexpr int kCountKey = 42;
constexpr int kNoticeId = 12102;

}  // namespace

CMushroom::CMushroom(int atX, int atY) : hidden(false), sprite(nullptr), lifetime(kLifetime)
{
    isFind = true;
    isMushroom = true;
    if (atX == -1 && atY == -1) {
        x = y = -1;
        FindNewLocation();
    } else {
        x = static_cast<float>(atX);
        y = static_cast<float>(atY);
    }
    footX = x;
    footY = y;
    const int number = RangedRandom(0, 11);
    const int letter = RangedRandom('A', 'D');
    const int base = CSprite::draw->LoadImage(TempSprintf("mushroom_%c_%i.png", letter, number), false, false);
    sprite = new CSprite(0, kFramesPerImage);
    AppendFadedCopies(sprite, base, kGrowth, 5, "MUSHROOM FADING");
    sprite->LoadImage(base);
    sprite->SetZ(Round((y + sprite->GetH()) * 2000.0f));
    sprite->PauseWhenDone();
    sprite->Move(-100, -100);
    sprite->Hide();
}

CMushroom::~CMushroom()
{
    delete sprite;
}

void CMushroom::FindNewLocation()
{
    int atX = 0, atY = 0;
    FindGroundSpot(false, atX, atY);
    x = static_cast<float>(atX);
    y = static_cast<float>(atY);
}

void CMushroom::Hide()
{
    hidden = true;
    if (sprite) {
        sprite->Hide();
    }
}

void CMushroom::UnHide()
{
    // Gone for good stays gone.
    if (sprite) {
        hidden = false;
        sprite->UnHide();
    }
}

void CMushroom::Finish()
{
    Hide();
    delete sprite;
    sprite = nullptr;
}

void CMushroom::Pump(int offsetX, int offsetY, int)
{
    if (!sprite) {
        return;
    }
    if (!hidden) {
        sprite->UnHide();
    }
    sprite->Move(Round(x + offsetX), Round(y + offsetY));
    if (lifetime > 0) {
        lifetime--;
        return;
    }
    if (hidden) {
        return;
    }
    if (sprite->AtEnd() && sprite->Paused()) {
        sprite->PlayBackward();
    }
    if (sprite->AtStart() && sprite->Paused()) {
        Finish();
    }
}

bool CMushroom::IsAtCoords(int& z, int atX, int atY)
{
    if (!sprite || hidden || sprite->Hidden()) {
        return false;
    }
    return FindIsAt(sprite, z, atX, atY, 40, 60);
}

void CMushroom::Clicked() {}
void CMushroom::Rollover(bool) {}

int CMushroom::DroppedOn()
{
    if (!sprite || hidden) {
        return 0;
    }
    CollectFind(this, kCountKey, kNoticeId, true);
    Finish();
    return 0;
}

void CMushroom::GiveResponse(bool)
{
    AnswerFindNotice(this);
}
