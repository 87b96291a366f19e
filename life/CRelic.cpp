#include "CRelic.h"

#include "CSprite.h"
#include "Finds.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr int kLifetime = 18000;
constexpr int kGlintFramesPerImage = 2;
constexpr int kCountKey = 45;
constexpr int kNoticeId = 12103;

// Where a sparkle shows on each relic picture: three spots, dx and dy.
constexpr int kGlintOffsets[10][3][2] = {
    {{-4, 1}, {0, -2}, {3, 5}},   {{-3, -4}, {3, 3}, {5, 1}},   {{-4, 2}, {-2, -2}, {1, -4}},
    {{-3, -5}, {3, -3}, {6, 2}},  {{-4, -5}, {-2, -2}, {3, -4}}, {{-3, 3}, {-1, -3}, {6, -4}},
    {{-5, 2}, {-3, -2}, {2, -4}}, {{-3, -4}, {3, -3}, {5, 1}},  {{-4, 4}, {-3, -1}, {1, -5}},
    {{-4, -3}, {5, -4}, {7, 2}},
};

}  // namespace

std::vector<CRelic*> CRelic::relic;

CRelic::CRelic(int atX, int atY)
    : sprite(nullptr), lifetime(kLifetime), glint(nullptr), glintCountdown(0), glintSpot(0), hidden(false),
      variant(0), ended(false)
{
    isFind = true;
    isRelic = true;
    glint = new CSprite(0, kGlintFramesPerImage);
    glint->LoadImage("relic_glint_", 0, 2, ".png");
    glint->LoadImage("relic_glint_", 2, 0, ".png");
    glint->Move(-100, -100);
    glint->PauseWhenDone();
    glint->Hide();
    glintCountdown = RangedRandom(30, 90);
    if (atX == -1 && atY == -1) {
        FindNewLocation();
    } else {
        x = static_cast<float>(atX);
        y = static_cast<float>(atY);
    }
    footX = x;
    footY = y;
    variant = RangedRandom(0, 9);
    sprite = MakeGrowingSprite(TempSprintf("relic_%c.png", 'A' + variant), "RELIC FADING", y);
    relic.push_back(this);
}

CRelic::~CRelic()
{
    delete glint;
    delete sprite;
    relic.erase(std::remove(relic.begin(), relic.end(), this), relic.end());
}

void CRelic::FindNewLocation()
{
    PlaceOnGround(this, true);
}

void CRelic::Hide()
{
    HideFind(sprite, hidden);
}

void CRelic::UnHide()
{
    ShowFind(sprite, hidden, ended);
}

void CRelic::Pump(int offsetX, int offsetY, int)
{
    if (!sprite) {
        return;
    }
    KeepFindInView(sprite, hidden, x, y, offsetX, offsetY);
    if (lifetime > 0) {
        lifetime--;
    } else if (!hidden) {
        if (sprite->AtEnd() && sprite->Paused()) {
            sprite->PlayBackward();
        }
        if (sprite->AtStart() && sprite->Paused()) {
            ended = true;
            Hide();
        }
    }
    if (!hidden) {
        if (glintCountdown > 0) {
            glintCountdown--;
        }
        if (glintCountdown == 0) {
            glintCountdown = RangedRandom(30, 90);
            glint->ResetStart();
            glint->PlayForward();
            glint->UnHide();
            glintSpot = RangedRandom(0, 2);
        }
        if (!glint->Hidden()) {
            const int* offset = kGlintOffsets[variant][glintSpot];
            glint->Move(sprite->GetX() + offset[0], sprite->GetY() + offset[1], sprite->GetZ() + 1);
        }
    }
    const bool sparkleDone = glint->AtEnd() && glint->Paused();
    if (sparkleDone) {
        glint->Hide();
    }
    if (ended && (sparkleDone || glint->Hidden())) {
        // Nothing shows it again, so the pictures go once the sparkle is over.
        delete glint;
        delete sprite;
        glint = sprite = nullptr;
    }
}

bool CRelic::IsAtCoords(int& z, int atX, int atY)
{
    return FindIsAt(sprite, hidden, z, atX, atY, 40, 60);
}

void CRelic::Clicked() {}
void CRelic::Rollover(bool) {}

int CRelic::DroppedOn()
{
    if (!sprite || hidden) {
        return 0;
    }
    CollectFind(this, kCountKey, kNoticeId, false);
    ended = true;
    Hide();
    return 0;
}

void CRelic::GiveResponse(bool)
{
    AnswerFindNotice(this);
}
