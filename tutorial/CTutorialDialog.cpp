#include "CTutorialDialog.h"

#include "CGuiButton.h"

namespace {

constexpr int kAnswerStep = 105;

// No: the cancel look; yes: the okay look.
CGuiButton* AnswerButton(CController* owner, int id, int x, bool yes)
{
    button_data data;
    data.x = x;
    data.y = 540;
    data.id = id;
    data.owner = owner;
    data.baseImage = yes ? "dialog_button_okay_base.png" : "dialog_button_cancel_base.png";
    data.shadowImage = yes ? "dialog_button_okay_shad.png" : "dialog_button_cancel_shad.png";
    data.rolloverImage = yes ? "dialog_button_okay_roll%i.png" : "dialog_button_cancel_roll%i.png";
    data.rolloverFrames = 5;
    data.z = 26000010;
    return new CGuiButton(data);
}

}  // namespace

CTutorialDialog::CTutorialDialog(int step, CController* owner) : owner(owner), step(step), open(true)
{
    activeDialog = this;
    numTutorialsActive++;
    if (step == kAnswerStep) {
        answers[0] = AnswerButton(owner, 1000 + step, 303, false);
        answers[1] = AnswerButton(owner, 1001 + step, 425, true);
    }
}

CTutorialDialog::~CTutorialDialog()
{
    Close();
    delete answers[0];
    delete answers[1];
}

void CTutorialDialog::Hide()
{
    Close();
}

// Hiding and deleting each close the dialog; whichever comes first counts.
void CTutorialDialog::Close()
{
    if (activeDialog == this) {
        activeDialog = nullptr;
    }
    for (CGuiButton* answer : answers) {
        if (answer) {
            answer->Hide();
        }
    }
    if (open) {
        open = false;
        numTutorialsActive--;
    }
}
