// A screen that opens tutorial dialogs in tests: it has the focus, answers
// okay buttons the way every screen does (completing the step), records the
// other callbacks, and can ask for the game screen's extras.
#pragma once

#include "CController.h"
#include "CTutorialDialog.h"
#include "QuietScreen.h"

#include <vector>

class TutorialScreen : public QuietScreen {
public:
    explicit TutorialScreen(bool extras = false)
    {
        hasFocus = true;
        showTutorialExtras = extras;
    }
    void GUICallback(int id, int value) override
    {
        calls.push_back({id, value});
        if (id >= 1000 && id < 2000) {
            CTutorialDialog::CompleteTutorial(id - 1000);
        }
    }
    void EndTutorial() override { endRequests++; }

    struct call {
        int id, value;
    };
    std::vector<call> calls;
    int endRequests = 0;
};
