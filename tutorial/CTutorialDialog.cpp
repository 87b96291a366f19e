#include "CTutorialDialog.h"

#include "CGuiButton.h"

namespace {

constexpr int kAnswerStep = 105;

CGuiButton* AnswerButton(CController* owner, int id, int x, const char* look)
{
    button_data data;
    data.x = x;
    data.y = 540;
    data.id = id;
    data.owner = owner;
    data.baseImage = std::string("dialog_button_") + look + "_base.png";
    data.shadowImage = std::string("dialog_button_") + look + "_shad.png";
    data.rolloverImage = std::string("dialog_button_") + look + "_roll%i.png";
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
        answers[0] = AnswerButton(owner, 1000 + step, 303, "cancel");
        answers[1] = AnswerButton(owner, 1001 + step, 425, "okay");
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
