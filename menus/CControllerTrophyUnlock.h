// The trophy pop-up: announces one newly won trophy over the frozen island,
// with its disc and picture, its name and what it rewards, and a fanfare.
// The game screen opens it for the oldest mask of the trophy queue, keeps it
// in a static of its own, and when it hands back (always with code 0) reads
// dismissed and deletes it: clear means the player asked for the trophy room,
// set means back to the game. It also teaches tutorial step 35 (and shows any
// earlier step still due), and closing it by the close button or Escape
// teaches step 36.
#pragma once

#include "CController.h"

#include <vector>

class CGuiButton;
class CSound;
class CSprite;
class CTutorialDialog;

class CControllerTrophyUnlock : public CController {
public:
    // mask: the trophy's bit; with several bits the lowest is announced.
    explicit CControllerTrophyUnlock(int mask);
    // Completes step 35 and hides every tutorial dialog it opened, so a step
    // still due opens again on the game screen.
    ~CControllerTrophyUnlock() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    // 0 view the room, 1 close, 1000 + step a tutorial dialog's okay.
    void GUICallback(int id, int value) override;

    // The trophy a mask announces: its lowest of bits 0 to 24, -1 for none.
    static int TrophyIndex(int mask);

    // False while the player goes on to the trophy room.
    bool dismissed;
    // The trophy shown, -1 for a mask without one.
    int trophy;
    // 30 while the tutorial waits to teach step 35 here, else 0.
    int yOffset;

private:
    void LoadSprites(int mask);
    void UnloadSprites();
    void PumpTutorial();

    CSprite* fader;
    CSprite* panels[3];
    CSprite* boxes[3];
    CSprite* disc;
    CSprite* picture;
    CSprite* heading;
    CSprite* name;
    CSprite* description;
    CGuiButton* viewButton;
    CGuiButton* closeButton;
    CSound* sndUnlock;
    std::vector<CTutorialDialog*> dialogs;
    bool spritesLoaded;
};
