#include "CGuiCheckBox.h"

#include "CController.h"
#include "CMouseCursor.h"
#include "CSprite.h"

namespace {

const int kDefaultZ = 23000000;
// The hit area of a wide box, which takes in the caption beside it.
const int kWideHitWidth = 187;
// Rows at the top and bottom of the box that do not count as over it.
const int kDeadEdge = 2;
// How far a held box sinks.
const int kSink = 2;

}  // namespace

CGuiCheckBox::CGuiCheckBox(int x, int y, int id, CController* owner, const char* boxImage,
                           const char* boxRolloverImage, const char* checkImage, const char* checkRolloverImage,
                           int checkOffsetX, int checkOffsetY, int rolloverFrames, bool wide, int z)
    : CGuiButtonBase(x, y, id, owner, false),
      checkOffsetX(checkOffsetX),
      checkOffsetY(checkOffsetY),
      box(nullptr),
      boxRollover(nullptr),
      check(nullptr),
      checkRollover(nullptr),
      wide(wide),
      checked(false)
{
    const int depth = z == -1 ? kDefaultZ : z;
    box = new CSprite(depth);
    box->LoadImage(boxImage);
    box->Move(x, y);
    boxRollover = MakeRollover(depth, boxImage, boxRolloverImage, rolloverFrames);
    boxRollover->Move(x, y);
    check = new CSprite(depth + 1);
    check->LoadImage(checkImage);
    check->Move(x + checkOffsetX, y + checkOffsetY);
    check->Hide();
    checkRollover = MakeRollover(depth + 1, checkImage, checkRolloverImage, rolloverFrames);
    checkRollover->Move(x + checkOffsetX, y + checkOffsetY);
    // A box deleted while its screen stays must not leave its picture behind.
    for (CSprite* sprite : {box, boxRollover, check, checkRollover}) {
        sprite->dirtyOnDelete = true;
    }
}

CGuiCheckBox::~CGuiCheckBox()
{
    delete box;
    delete boxRollover;
    delete check;
    delete checkRollover;
}

CSprite* CGuiCheckBox::MakeRollover(int z, const char* still, const char* pattern, int frames)
{
    CSprite* sprite = new CSprite(z, 1);
    if (frames < 1 || !pattern) {
        sprite->LoadImage(still);
    } else if (frames == 1) {
        sprite->LoadImage(pattern);
    } else {
        LoadFrames(sprite, pattern, 1, frames);
    }
    sprite->PauseWhenDone();
    sprite->Pause();
    sprite->Hide();
    return sprite;
}

void CGuiCheckBox::Pump()
{
    if (hidden) {
        return;
    }
    if (!IsMouseOver()) {
        ShowRest();
        return;
    }
    // Another widget earlier in the list has the pointer: keep the look.
    if (currentButton != -1) {
        return;
    }
    if (boxRollover->Hidden() && checkRollover->Hidden()) {
        CController::PlayRollover();
    }
    currentButton = id;
    if (checked) {
        Show(check, false);
        Show(checkRollover, true);
        RunForward(checkRollover);
    }
    Show(box, false);
    Show(boxRollover, true);
    RunForward(boxRollover);
    const int sink = leftMouseDown ? kSink : 0;
    boxRollover->Move(x + sink, y + sink);
    checkRollover->Move(x + checkOffsetX + sink, y + checkOffsetY + sink);
}

// The still look, at once: no animation runs back.
void CGuiCheckBox::ShowRest()
{
    if (checked) {
        Show(check, true);
        Show(checkRollover, false);
        checkRollover->ResetStart();
    }
    Show(box, true);
    Show(boxRollover, false);
    boxRollover->ResetStart();
}

bool CGuiCheckBox::HandleClick(bool, bool force)
{
    // Like a button, only a live box takes the click: a box of a screen under
    // a dialog must not answer the dialog's widget of the same id.
    if (!force && !(id == currentButton && IsLive())) {
        return false;
    }
    SetChecked(!checked);
    Click(checked ? 1 : 0);
    return true;
}

void CGuiCheckBox::SetChecked(bool state)
{
    checked = state;
    if (!checked || hidden) {
        Show(check, false);
        Show(checkRollover, false);
    } else if (!boxRollover->Hidden()) {
        Show(check, false);
        Show(checkRollover, true);
        checkRollover->ResetStart();
        checkRollover->PlayForward();
    } else {
        Show(check, true);
        Show(checkRollover, false);
    }
}

bool CGuiCheckBox::GetChecked() { return checked; }

bool CGuiCheckBox::IsMouseOver()
{
    if (hidden) {
        return false;
    }
    const int mx = CMouseCursor::GetMouseX();
    const int my = CMouseCursor::GetMouseY();
    const int bx = box->GetX();
    const int by = box->GetY();
    const int w = wide ? kWideHitWidth : box->GetW();
    return mx >= bx && mx < bx + w && my >= by + kDeadEdge && my < by + box->GetH() - kDeadEdge;
}

void CGuiCheckBox::MoveMouseOver()
{
    CMouseCursor::MoveCursor(box->GetX() + box->GetW() / 2, box->GetY() + box->GetH() / 2);
    CMouseCursor::HideMouse(1, false);
}

bool CGuiCheckBox::IsHeldDown() { return false; }

void CGuiCheckBox::Hide()
{
    if (hidden) {
        return;
    }
    Show(box, false);
    Show(boxRollover, false);
    Show(check, false);
    Show(checkRollover, false);
    hidden = true;
}

void CGuiCheckBox::UnHide()
{
    if (!hidden) {
        return;
    }
    Show(check, checked);
    Show(box, true);
    hidden = false;
}
