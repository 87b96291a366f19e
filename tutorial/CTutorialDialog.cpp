#include "CTutorialDialog.h"

CTutorialDialog::CTutorialDialog(int step, CController* owner) : owner(owner), step(step), open(true)
{
    activeDialog = this;
    numTutorialsActive++;
}

CTutorialDialog::~CTutorialDialog()
{
    Close();
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
    if (open) {
        open = false;
        numTutorialsActive--;
    }
}
