#include "CGuano.h"

#include "CDraw.h"
#include "CSprite.h"
#include "Finds.h"
#include "Utilities.h"

namespace {

constexpr int kLifetime = 1800;
constexpr int kFramesPerImage = 2;
constexpr float kFades[] = {0.8f, 0.6f, 0.4f, 0.2f, 0.0f};
constexpr int kFootDepth = 26;
constexpr int kCountKey = 41;
constexpr int kNoticeId = 12101;

}  // namespace

CGuano::CGuano(int atX, int atY, bool facingLeft, int screenX, int screenY, int z)
    : lifetime(kLifetime), hidden(false), sprite(new CSprite(z, kFramesPerImage))
{
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
    isFind = true;
    isGuano = true;
    const int base = CSprite::draw->LoadImage(facingLeft ? "gull_bomb_L_28.png" : "gull_bomb_R_28.png", false, false);
    sprite->LoadImage(base);
    AppendFadedCopies(sprite, base, kFades, 5, "GUANO FADING");
    sprite->PauseWhenDone();
    sprite->Pause();
    sprite->Move(screenX, screenY, z);
}

CGuano::~CGuano()
{
    delete sprite;
}

void CGuano::Hide()
{
    HideFind(sprite, hidden);
}

void CGuano::UnHide()
{
    ShowFind(sprite, hidden);
}

bool CGuano::Fading()
{
    return sprite->GetState() == 1;
}

bool CGuano::Faded()
{
    return sprite->AtEnd() && sprite->Paused();
}

void CGuano::Pump(int offsetX, int offsetY, int)
{
    if (!sprite) {
        return;
    }
    lifetime--;
    if (lifetime < 0 && sprite->Paused() && !hidden && !Faded()) {
        sprite->PlayForward();
    }
    sprite->UnHide();
    sprite->Move(x + offsetX, y + offsetY, static_cast<float>(Round((y + kFootDepth) * 2000.0f)));
    if (Faded()) {
        Hide();
        // Nothing shows a faded guano again, so its pictures go now.
        delete sprite;
        sprite = nullptr;
    }
}

bool CGuano::IsAtCoords(int& z, int atX, int atY)
{
    return sprite && !Faded() && FindIsAt(sprite, hidden, z, atX, atY, 30, 60);
}

void CGuano::Clicked() {}
void CGuano::Rollover(bool) {}

int CGuano::DroppedOn()
{
    if (!sprite || hidden || sprite->Hidden() || Faded() || Fading()) {
        return 0;
    }
    CollectFind(this, kCountKey, kNoticeId, true);
    sprite->PlayForward();
    return 0;
}

void CGuano::GiveResponse(bool)
{
    AnswerFindNotice(this);
}
