#include "CMushroom.h"

#include "CSprite.h"
#include "Finds.h"
#include "Utilities.h"

namespace {

constexpr int kLifetime = 5400;
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
    sprite = MakeGrowingSprite(TempSprintf("mushroom_%c_%i.png", letter, number), "MUSHROOM FADING", y);
}

CMushroom::~CMushroom()
{
    delete sprite;
}

void CMushroom::FindNewLocation()
{
    PlaceOnGround(this, false);
}

void CMushroom::Hide()
{
    HideFind(sprite, hidden);
}

void CMushroom::UnHide()
{
    ShowFind(sprite, hidden);
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
    KeepFindInView(sprite, hidden, x, y, offsetX, offsetY);
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
    return FindIsAt(sprite, hidden, z, atX, atY, 40, 60);
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
