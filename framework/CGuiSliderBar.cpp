#include "CGuiSliderBar.h"

#include "CGuiButtonBase.h"
#include "CSprite.h"

#include <algorithm>

std::vector<CGuiSliderBar*> CGuiSliderBar::buttons;
bool CGuiSliderBar::leftMouseDown = false;

namespace {

const int kUnderZ = 22999999;
const int kKnobZ = 23000000;
const int kGrabFrames = 5;

}  // namespace

CGuiSliderBar::CGuiSliderBar(int x, int y, const char* knobImage, const char* underImage,
                             const char* rolloverPattern)
    : under(new CSprite(kUnderZ)), knob(new CSprite(kKnobZ, 1)), x(x), y(y)
{
    buttons.push_back(this);
    under->LoadImage(underImage);
    under->Move(x, y);
    knob->LoadImage(knobImage);
    CGuiButtonBase::LoadFrames(knob, rolloverPattern, 1, kGrabFrames);
    knob->Move(x, y);
    knob->Pause();
    knob->PauseWhenDone();
    // A slider deleted while its screen stays must not leave its picture behind.
    under->dirtyOnDelete = true;
    knob->dirtyOnDelete = true;
}

CGuiSliderBar::~CGuiSliderBar()
{
    delete under;
    delete knob;
    auto it = std::find(buttons.begin(), buttons.end(), this);
    if (it != buttons.end()) {
        buttons.erase(it);
    }
}

void CGuiSliderBar::SetX(int value)
{
    x = value;
    under->Move(x, y);
    knob->Move(x, y);
}

void CGuiSliderBar::SetY(int value)
{
    y = value;
    under->Move(x, y);
    knob->Move(x, y);
}

int CGuiSliderBar::GetX() { return x; }
int CGuiSliderBar::GetY() { return y; }
int CGuiSliderBar::GetW() { return knob->GetW(); }
int CGuiSliderBar::GetH() { return knob->GetH(); }

void CGuiSliderBar::Hide()
{
    under->Hide();
    knob->Hide();
}

void CGuiSliderBar::UnHide()
{
    under->UnHide();
    knob->UnHide();
}

bool CGuiSliderBar::IsMouseOver() { return knob->IsCollisionPixelPerfect(); }

bool CGuiSliderBar::Animated() { return knob->GetFrame() != 0; }

void CGuiSliderBar::Pump()
{
    bool free = true;
    for (CGuiSliderBar* other : buttons) {
        if (other != this && (other->IsMouseOver() || other->Animated())) {
            free = false;
        }
    }
    if (free && knob->IsMouseOver(0, 0)) {
        knob->PlayForward();
    } else {
        knob->PlayBackward();
    }
}

bool CGuiSliderBar::IsHeldDown()
{
    for (CGuiSliderBar* other : buttons) {
        if (other != this && other->Animated()) {
            return false;
        }
    }
    return Animated() && leftMouseDown;
}

void CGuiSliderBar::LeftMouseClick(bool released, bool) { leftMouseDown = !released; }

void CGuiSliderBar::PumpAll()
{
    for (size_t i = 0; i < buttons.size(); i++) {
        buttons[i]->Pump();
    }
}
