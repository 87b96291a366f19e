#include "CTutorialCircle.h"

#include "CTutorialDialog.h"

CTutorialCircle::CTutorialCircle(int x, int, bool, char) : hidden(false), x(x) {}

CTutorialCircle::~CTutorialCircle()
{
    if (CTutorialDialog::tutorialCircle == this) {
        CTutorialDialog::tutorialCircle = nullptr;
    }
}
