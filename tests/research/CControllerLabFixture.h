// The potion lab's tests: the game-wide services with a stock, sound on the
// null output (so that the refusal sound and the bubbling can be heard), and
// an opener that copies the lab's potion and colours and deletes it when it
// comes back, as the game screen does.
#pragma once

#include "tests/tutorial/ServicesFixture.h"

#include "CControllerLab.h"
#include "CControllerPopUp.h"
#include "CGuiButtonBase.h"
#include "CMap.h"
#include "CRenderer.h"
#include "CSound.h"
#include "CSoundSystem.h"
#include "CSprite.h"
#include "NullSound.h"
#include "PotionLabLayout.h"
#include "QuietScreen.h"
#include "SoundLayer.h"
#include "TestBytes.h"

#include <memory>

class LabOpener : public QuietScreen {
public:
    void GotFocusBack() override
    {
        potion = lab->potion;
        flask = lab->flaskColour;
        mist1 = lab->mistColour1;
        mist2 = lab->mistColour2;
        delete lab;
        lab = nullptr;
    }

    void Open()
    {
        lab = new CControllerLab();
        PassFocus(lab);
    }

    CControllerLab* lab = nullptr;
    int potion = -1;
    RGBA_data flask{}, mist1{}, mist2{};
};

class LabTest : public ServicesTest {
protected:
    enum { kFish = 0, kWood = 1, kMushrooms = 2, kRock = 3, kVegetables = 4, kGuano = 5, kBerries = 6,
           kSeawater = 9, kRainwater = 10, kStardust = 12, kMoondust = 13, kGoldenRelic = 14 };
    static constexpr int kFirstButton = CControllerLab::kFirstIngredientButton;

    void SetUp() override
    {
        ServicesTest::SetUp();
        StartNullSound(folder);
        CController::LoadSounds();
        profile->SetValue<bool>(67, false);  // tests that want the tutorial switch it on
        opener.GotFocus(nullptr, true);
    }

    void TearDown() override
    {
        delete CControllerLab::popUp;
        CControllerLab::popUp = nullptr;
        delete opener.lab;
        CController::focus = nullptr;
        island.reset();
        CController::UnloadSounds();
        CSound::ShutDown();
        CGuiButtonBase::currentButton = -1;
        CGuiButtonBase::leftMouseDown = false;
        ServicesTest::TearDown();
    }

    CControllerLab& Lab() { return *opener.lab; }

    // Turns of the main loop: the focused screen, the sounds, the drawing.
    void Frame(int count = 1)
    {
        for (int i = 0; i < count; i++) {
            CController::PumpFocus();
            CSound::PumpAll();
            resources.Renderer().Render(true);
        }
    }

    void MouseAt(int x, int y)
    {
        input.mouseX = x;
        input.mouseY = y;
    }

    // The pointer on the middle of button id: exit, mix, start over or an
    // ingredient's.
    void MouseOnButton(int id)
    {
        static constexpr coordinate kCommands[] = {{551, 547}, {550, 449}, {550, 498}};
        const coordinate at = id < kFirstButton ? kCommands[id] : potion_lab_layout::kItems[id - kFirstButton].buttonPoint;
        MouseAt(at.x + (id < kFirstButton ? 0 : 25), at.y + (id < kFirstButton ? 0 : 22));
    }

    void Press(bool down)
    {
        input.leftDown = down;
        CController::focus->InputMouseClick(true, false, !down);
    }

    void ClickButton(int id)
    {
        MouseOnButton(id);
        Frame();
        Press(true);
        Frame();
        Press(false);
        Frame();
    }

    void Choose(int ingredient) { ClickButton(kFirstButton + ingredient); }

    // Whether the refusal sound played since the last question.
    static bool Refused()
    {
        const bool playing = CController::sndDisallowed->IsPlaying();
        CController::sndDisallowed->Stop();
        return playing;
    }

    // The text of the open pop-up, which is then closed; 0 for none.
    int PopUpShown()
    {
        CControllerPopUp* popUp = CControllerLab::popUp;
        if (!popUp) {
            return 0;
        }
        const int id = popUp->request.id;
        popUp->ShutDown(0);
        Frame();
        return id;
    }

    LabOpener opener;
    std::unique_ptr<CMap> island;
};
