#include "CTutorialCircle.h"

#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <cstdio>

namespace {

constexpr int kRingFrames[] = {19, 28, 29, 21, 19, 14, 16, 21, 17, 17, 14, 19};  // 'A'..'L'
// Above every island sprite yet below the screens' panels, so an island
// ring never covers the side panel or a dialog; a screen ring tops dialogs.
constexpr int kIslandZ = 8194000, kScreenZ = 26100000;
// The whole ring stays this many times its drawing time.
constexpr int kHoldFactor = 5;

}  // namespace

int CTutorialCircle::FramesOf(char letter)
{
    return letter >= 'A' && letter <= 'L' ? kRingFrames[letter - 'A'] : 0;
}

CTutorialCircle::CTutorialCircle(int x, int y, bool onIsland, char letter)
    : hidden(false), cycle(0), frameCount(FramesOf(letter)), onIsland(onIsland), frameSprites{}
{
    this->x = static_cast<float>(x);
    this->y = static_cast<float>(y);
    for (int i = 0; i < frameCount; i++) {
        char name[32];
        std::snprintf(name, sizeof(name), "tut_circle_%c_%i.png", letter, i);
        CSprite* sprite = new CSprite(onIsland ? kIslandZ : kScreenZ);
        sprite->LoadImage(name);
        sprite->Move(x, y);
        sprite->Hide();
        sprite->dirtyOnDelete = true;
        frameSprites[i] = sprite;
    }
}

CTutorialCircle::~CTutorialCircle()
{
    for (CSprite* sprite : frameSprites) {
        delete sprite;
    }
    // CObject::UnloadAll deletes circles too; the next screen must not find
    // this one in the pointer and delete it again.
    if (CTutorialDialog::tutorialCircle == this) {
        CTutorialDialog::tutorialCircle = nullptr;
    }
}

void CTutorialCircle::Pump(int offsetX, int offsetY, int)
{
    if (hidden) {
        for (int i = 0; i < frameCount; i++) {
            frameSprites[i]->Hide();
        }
        return;
    }
    if (onIsland) {
        for (int i = 0; i < frameCount; i++) {
            frameSprites[i]->Move(x + static_cast<float>(offsetX), y + static_cast<float>(offsetY));
        }
    }
    cycle++;
    if (cycle > kHoldFactor * frameCount) {
        cycle = 0;
    }
    for (int i = 0; i < frameCount; i++) {
        if (i < cycle) {
            frameSprites[i]->UnHide();
        } else {
            frameSprites[i]->Hide();
        }
    }
}

bool CTutorialCircle::IsAtCoords(int&, int, int)
{
    return false;
}

int CTutorialCircle::GetX()
{
    return Round(x);
}

int CTutorialCircle::GetY()
{
    return Round(y);
}
