// The quit dialog over the main menu: one of the player's islanders, with
// their portrait and name, asks whether the player really wants to go. The
// game screen leaves the portrait of a random adult of the band here each
// time it closes; the main menu opens the dialog only when one is left, and
// reads the answer before deleting it. Once the player confirms, nothing more
// is presented while the program closes.
#pragma once

#include "CController.h"

class CGuiButton;
class CSprite;

class CControllerExit : public CController {
public:
    static constexpr int kNameSize = 64;

    CControllerExit();
    ~CControllerExit() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    // 0 quits, any other id stays.
    void GUICallback(int id, int value) override;

    // Keeps image (owned from now on, -1 for none), the male flag and the
    // name, cut to fit.
    static void SetPerson(int image, bool male, const char* name);
    // Releases the portrait: a dialog opened now asks nobody.
    static void ForgetPerson();

    // True once the player confirmed quitting.
    bool result;

    static int personImage;  // image id of the islander picture; -1 when none
    static char personName[kNameSize];
    static bool personGender;  // true for a male islander

    CSprite* FirstLine() const { return sprites[kFirstLine]; }
    CSprite* Portrait() const { return sprites[kPortrait]; }

private:
    enum Piece { kShade, kFrameA, kFrameB, kFrameC, kBlank, kFirstLine, kSecondLine, kPortrait, kShadow, kPieces };

    void LoadSprites();
    void UnloadSprites();

    CGuiButton* okayButton;
    CGuiButton* cancelButton;
    CSprite* sprites[kPieces];
    bool spritesLoaded;
};
