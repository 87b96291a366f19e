// Shared by the research screen and hut chooser tests: the services' fixture
// with a real screen, an opener that stands where the game screen (or the
// build menu) stands and does what it does with the screen that comes back,
// and a player who points at a screen's buttons and clicks them.
#pragma once

#include "tests/tutorial/ServicesFixture.h"

#include "CControllerHutSelect.h"
#include "CControllerLab.h"
#include "CControllerPopUp.h"
#include "CControllerScience.h"
#include "CGuiButton.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "QuietScreen.h"

#include <SDL.h>

#include <vector>

// Opens the research screen as the game screen does and, when it comes back,
// opens the potion lab if the screen asked for it; keeps a hut chooser as the
// build menu does and notes its result.
class Opener : public QuietScreen {
public:
    void GotFocusBack() override
    {
        if (research) {
            const bool lab = research->openLabOnClose;
            delete research;
            research = nullptr;
            if (lab) {
                potionLab = new CControllerLab;
                PassFocus(potionLab);
            }
        } else if (hutSelect) {
            results.push_back(hutSelect->result);
            delete hutSelect;
            hutSelect = nullptr;
        } else {
            delete potionLab;
            potionLab = nullptr;
        }
    }

    CControllerScience* research = nullptr;
    CControllerLab* potionLab = nullptr;
    CControllerHutSelect* hutSelect = nullptr;
    std::vector<int> results;
};

class ScreenTest : public ServicesTest {
protected:
    void SetUp() override
    {
        ServicesTest::SetUp();
        opener.hasFocus = true;
        CController::focus = &opener;
    }

    void TearDown() override
    {
        delete CControllerScience::popUp;
        CControllerScience::popUp = nullptr;
        delete opener.research;
        delete opener.hutSelect;
        delete opener.potionLab;
        CController::focus = nullptr;
        CGuiButtonBase::currentButton = -1;
        CGuiButtonBase::leftMouseDown = false;
        ServicesTest::TearDown();
    }

    CControllerScience* OpenResearch()
    {
        opener.research = new CControllerScience;
        opener.PassFocus(opener.research);
        return opener.research;
    }

    CControllerHutSelect* OpenHutSelect(bool small)
    {
        opener.hutSelect = new CControllerHutSelect(small);
        opener.PassFocus(opener.hutSelect);
        return opener.hutSelect;
    }

    void SetLevels(int agriculture, int construction, int science, int arts)
    {
        for (auto [property, level] : {std::pair{29, agriculture}, {27, construction}, {28, science}, {26, arts}}) {
            profile->SetValue<int>(property, level);
        }
    }

    // The screen with the focus runs one frame, which is then drawn.
    void Frame(int count = 1)
    {
        for (int i = 0; i < count; i++) {
            CController::PumpFocus();
            resources.Renderer().Render(true);
        }
    }

    static CGuiButton* Button(CController* owner, int id)
    {
        for (CGuiButtonBase* widget : CGuiButtonBase::buttons) {
            if (widget->owner == owner && widget->id == id) {
                return dynamic_cast<CGuiButton*>(widget);
            }
        }
        return nullptr;
    }

    void MouseAt(int x, int y)
    {
        input.mouseX = x;
        input.mouseY = y;
    }

    void PointAt(CController* owner, int id)
    {
        CSprite* face = Button(owner, id)->GetButtonSprite();
        MouseAt(face->GetX() + face->GetW() / 2, face->GetY() + face->GetH() / 2);
    }

    // Points at the button, presses and releases on it, and lets the screens
    // act on what it did.
    void Press(CController* owner, int id)
    {
        PointAt(owner, id);
        Frame();
        owner->InputMouseClick(true, false, false);
        owner->InputMouseClick(true, false, true);
        Frame();
    }

    void Escape(CController* screen)
    {
        screen->InputKey(true, SDLK_ESCAPE);
        Frame();
    }

    // The string id of the notice the research screen shows; 0 for none.
    static int Notice() { return CControllerScience::popUp ? CControllerScience::popUp->request.id : 0; }

    void CloseNotice()
    {
        CControllerScience::popUp->GUICallback(0, 0);
        Frame();
    }

    Opener opener;
};
