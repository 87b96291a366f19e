// The potion lab's tests: the game-wide services with a stock, sound on the
// null output (so that the refusal sound and the bubbling loop can be
// heard), and an opener screen that opens the lab and, when the lab comes
// back, copies its potion and colours and deletes it as the game screen does.
#pragma once

#include "tests/tutorial/ServicesFixture.h"

#include "CControllerLab.h"
#include "CControllerPopUp.h"
#include "CGuiButton.h"
#include "CMap.h"
#include "CRenderer.h"
#include "CSound.h"
#include "CSoundSystem.h"
#include "CSprite.h"
#include "PotionLabLayout.h"
#include "SoundLayer.h"
#include "TestBytes.h"

#include <memory>

class LabOpener : public CController {
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
    void Pump() override {}
    void InputKey(bool, int) override {}
    void InputMouseMove(int, int) override {}
    void InputMouseClick(bool, bool, bool) override {}

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
    // Ingredient indices.
    enum { kFish = 0, kWood = 1, kMushrooms = 2, kRock = 3, kVegetables = 4, kGuano = 5, kBerries = 6,
           kLodestone = 8, kSeawater = 9, kRainwater = 10, kFountainwater = 11, kStardust = 12, kMoondust = 13,
           kGoldenRelic = 14 };

    void SetUp() override
    {
        ServicesTest::SetUp();
        folder.Write("userdata/SOUNDv8.DAT", Word32(SOUND_OUTPUT_NOSOUND) + Word32(0));
        CSound::Initialize(true);
        ASSERT_TRUE(CSound::soundInitialized);
        CSound::system->SetPullMixing(true);
        CSound::Preload(0, [](int) {});
        CController::LoadSounds();
        // Tests open the tutorial's step themselves.
        profile->SetValue<bool>(67, false);
        opener.GotFocus(nullptr, true);
    }

    void TearDown() override
    {
        delete CControllerLab::popUp;
        CControllerLab::popUp = nullptr;
        delete opener.lab;
        opener.lab = nullptr;
        CController::focus = nullptr;
        island.reset();
        CController::UnloadSounds();
        CSound::ShutDown();
        CGuiButtonBase::currentButton = -1;
        CGuiButtonBase::leftMouseDown = false;
        input.leftDown = false;
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

    // The pointer on the middle of a lab button.
    void MouseOnButton(int id)
    {
        const coordinate at = id >= CControllerLab::kFirstIngredientButton
                                  ? potion_lab_layout::kItems[id - CControllerLab::kFirstIngredientButton].buttonPoint
                                  : coordinate{id == 0 ? 466 : 465, id == 0 ? 525 : id == 1 ? 427 : 476};
        MouseAt(at.x + (id >= CControllerLab::kFirstIngredientButton ? 25 : 85), at.y + 22);
    }

    // A press and a release of the left button where the pointer stands.
    void Click()
    {
        Frame();
        Press(true);
        Frame();
        Press(false);
        Frame();
    }

    void Press(bool down)
    {
        input.leftDown = down;
        CController::focus->InputMouseClick(true, false, !down);
    }

    void ClickButton(int id)
    {
        MouseOnButton(id);
        Click();
    }

    void Choose(int ingredient) { ClickButton(CControllerLab::kFirstIngredientButton + ingredient); }

    // Whether the refusal sound played since the last question.
    static bool Refused()
    {
        const bool playing = CController::sndDisallowed->IsPlaying();
        CController::sndDisallowed->Stop();
        return playing;
    }

    // The text id of the open pop-up, which the test then closes; 0 none.
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

    void Rain()
    {
        island = std::make_unique<CMap>(false);
        island->raining = true;
    }

    LabOpener opener;
    std::unique_ptr<CMap> island;
};
