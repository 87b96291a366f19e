// The modal message and question box of the whole game: one text of the
// string table in a framed box over a lightening fader, with one button (a
// notice) or two (a question: the first button and Cancel). Its opener
// constructs it, keeps it in a static of its own class, passes it the focus,
// and in its GotFocusBack reads the answer and deletes it. For the mystery
// texts it also speaks a narration, and while the tutorial runs it may open
// a tutorial step over itself.
#pragma once

#include "CController.h"
#include "WorldTypes.h"

class CGuiButton;
class CSound;
class CSprite;
class CTutorialDialog;

class CControllerPopUp : public CController {
public:
    // depth -1 means 25,000,000. The request's texts are copied here, so the
    // asker may change or free its own at once.
    CControllerPopUp(const feedback_data& request, bool noticeOnly, int depth);
    ~CControllerPopUp() override;

    // Each does nothing when it has already run.
    void LoadSprites(const feedback_data& request, bool noticeOnly, int depth);
    void UnloadSprites();

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void GUICallback(int id, int value) override;

    // The large box for the long texts: graves, deaths, mysteries.
    static bool UsesLargeLayout(int stringId);
    // The spoken narration of a mystery text; null for any other text.
    static const char* NarrationFor(int stringId);

    CGuiButton* firstButton;
    CGuiButton* cancelButton;  // null for a notice
    CSprite* boxBack;
    CSprite* boxFront;
    CSprite* fader;
    CSprite* text;
    bool loaded;
    CSound* narration;
    bool answer;  // true: the first button closed the dialog
    feedback_data request;  // as shown
    CTutorialDialog* tutorial;  // the tutorial step opened over the dialog; owned

private:
    void Close();
};
