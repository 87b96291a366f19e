#include "CTutorialCircle.h"

#include "CTutorialDialog.h"

CTutorialCircle::CTutorialCircle(int x, int y, bool, char) : hidden(false), x(x), y(y) {}

CTutorialCircle::~CTutorialCircle()
{
    if (CTutorialDialog::tutorialCircle == this) {
        CTutorialDialog::tutorialCircle = nullptr;
    }
}
