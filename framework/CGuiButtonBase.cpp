#include "CGuiButtonBase.h"

#include "CController.h"
#include "CSprite.h"

#include <algorithm>
#include <string>

std::vector<CGuiButtonBase*> CGuiButtonBase::buttons;
int CGuiButtonBase::currentButton = -1;
bool CGuiButtonBase::leftMouseDown = false;

CGuiButtonBase::CGuiButtonBase(int x, int y, int id, CController* owner, bool defaultButton)
    : owner(owner), x(x), y(y), id(id), hidden(false), inactive(false), defaultButton(defaultButton)
{
    buttons.push_back(this);
    currentButton = -1;
}

CGuiButtonBase::~CGuiButtonBase()
{
    auto it = std::find(buttons.begin(), buttons.end(), this);
    if (it != buttons.end()) {
        buttons.erase(it);
    }
}

void CGuiButtonBase::SetActive(bool active) { inactive = !active; }
bool CGuiButtonBase::IsActive() { return !inactive; }
bool CGuiButtonBase::IsHidden() { return hidden; }
bool CGuiButtonBase::OwnerHasFocus() { return owner && owner->hasFocus; }
bool CGuiButtonBase::IsLive() { return !hidden && !inactive && OwnerHasFocus(); }

void CGuiButtonBase::Click(int value)
{
    CController::PlayClick();
    CController* screen = owner;
    const int clickedId = id;
    if (screen) {
        screen->GUICallback(clickedId, value);
    }
}

bool CGuiButtonBase::HandleClick(bool, bool force)
{
    if (!force && !(IsLive() && id == currentButton)) {
        return false;
    }
    Click(0);
    currentButton = -1;
    return true;
}

void CGuiButtonBase::PumpAll()
{
    currentButton = -1;
    // By index: the list may change under the loop.
    for (size_t i = 0; i < buttons.size(); i++) {
        CGuiButtonBase* widget = buttons[i];
        if (!widget->inactive && widget->OwnerHasFocus()) {
            widget->Pump();
        }
    }
}

void CGuiButtonBase::LeftMouseClick(bool released, bool useDefault)
{
    if (leftMouseDown && released) {
        // The pointer may have moved since the last pump (a move and the
        // release in one frame): the click goes to what is under it now.
        currentButton = -1;
        for (CGuiButtonBase* widget : buttons) {
            if (widget->IsLive() && widget->IsMouseOver()) {
                currentButton = widget->id;
                break;
            }
        }
        ClickActive(useDefault);
    }
    leftMouseDown = !released;
}

void CGuiButtonBase::ClickActive(bool useDefault)
{
    // A callback may create or delete widgets: go by index and stop at the
    // first widget that took the click.
    for (size_t i = 0; i < buttons.size(); i++) {
        if (buttons[i]->HandleClick(useDefault, false)) {
            return;
        }
    }
    if (!useDefault) {
        return;
    }
    for (size_t i = 0; i < buttons.size(); i++) {
        if (buttons[i]->defaultButton && buttons[i]->IsLive()) {
            buttons[i]->HandleClick(true, true);
            return;
        }
    }
}

void CGuiButtonBase::ChangeButton(bool backwards)
{
    int greatest = -1;
    for (CGuiButtonBase* widget : buttons) {
        if (widget->IsLive()) {
            greatest = std::max(greatest, widget->id);
        }
    }
    if (greatest < 0) {
        currentButton = -1;
        return;
    }
    // The first widget of the focused screen with the id decides, shown or
    // not, so a hidden widget listed before a shown one of the same id is
    // stepped over. Such a pair can hide every id, so the steps are bounded:
    // after one round through every id the step leaves the hover as it was.
    const int from = currentButton;
    for (int step = 0; step <= greatest + 1; step++) {
        currentButton += backwards ? -1 : 1;
        if (currentButton < 0) {
            currentButton = greatest;
        }
        if (currentButton > greatest) {
            currentButton = 0;
        }
        for (CGuiButtonBase* widget : buttons) {
            if (widget->id == currentButton && widget->OwnerHasFocus()) {
                if (widget->IsLive()) {
                    widget->MoveMouseOver();
                    return;
                }
                break;
            }
        }
    }
    currentButton = from;
}

void CGuiButtonBase::PrintCurrentButton() {}

void CGuiButtonBase::LoadFrames(CSprite* sprite, const char* pattern, int first, int last)
{
    const std::string name = pattern;
    const size_t at = name.find("%i");
    if (at == std::string::npos) {
        sprite->LoadImage(name.c_str(), last - first + 1);
        return;
    }
    sprite->LoadImage(name.substr(0, at).c_str(), first, last, name.substr(at + 2).c_str());
}

void CGuiButtonBase::Show(CSprite* sprite, bool shown)
{
    if (!sprite || sprite->Hidden() == !shown) {
        return;
    }
    if (shown) {
        sprite->UnHide();
    } else {
        sprite->Hide();
    }
}

void CGuiButtonBase::RunForward(CSprite* sprite)
{
    if (sprite->GetState() == -1 || (sprite->Paused() && !sprite->AtEnd())) {
        sprite->PlayForward();
    }
}
