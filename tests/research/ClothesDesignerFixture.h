// The clothes designer's tests: the islander fixture's band and pictures,
// sound on the null output (so that the refusal sound can be heard), a game
// screen for the tutorial's pending step, and an opener that stands where
// the game screen stands and notes what the designer hands back.
#pragma once

#include "tests/islanders/IslanderFixture.h"

#include "CControllerClothes.h"
#include "CControllerGame.h"
#include "CControllerPopUp.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CGuiButtonBase.h"
#include "CGuiSliderBar.h"
#include "CRenderer.h"
#include "CSound.h"
#include "CSoundSystem.h"
#include "CSprite.h"
#include "NullSound.h"
#include "QuietScreen.h"
#include "SoundLayer.h"
#include "TestBytes.h"

#include <SDL.h>

#include <cstring>
#include <memory>

class ClothesOpener : public QuietScreen {
public:
    void GotFocusBack() override
    {
        backs++;
        keptSelection = clothes->keepSelection;
        shown = clothes->person;
        delete clothes;
        clothes = nullptr;
    }

    CControllerClothes* clothes = nullptr;
    int backs = 0;
    bool keptSelection = false;
    CPerson* shown = nullptr;
};

class ClothesTest : public IslanderTest {
protected:
    static constexpr int kYear = 172800;

    void SetUp() override
    {
        IslanderTest::SetUp();
        StartNullSound(folder);
        CController::LoadSounds();
        profile.SetValue<bool>(67, false);  // tests that want the tutorial switch it on
        opener.GotFocus(nullptr, true);
    }

    void TearDown() override
    {
        delete CControllerClothes::popUp;
        CControllerClothes::popUp = nullptr;
        delete opener.clothes;
        opener.clothes = nullptr;
        delete backdrop;
        backdrop = nullptr;
        game.reset();
        CController::focus = nullptr;
        CController::UnloadSounds();
        CSound::ShutDown();
        CGuiButtonBase::currentButton = -1;
        CGuiButtonBase::leftMouseDown = false;
        CGuiSliderBar::leftMouseDown = false;
        CObject::lastSelectedPerson = nullptr;
        IslanderTest::TearDown();
    }

    // An islander of the band; odd ids face as drawn, even ones mirrored.
    // The name is the first of the gender's unless another is given.
    static CPerson* Member(int id, int gender, int years = 30, int nameId = -1)
    {
        person_data record = IslanderRecord(1000 + id * 10, 1000, years * kYear, gender);
        record.id = id;
        if (nameId >= 0) {
            record.nameId = nameId;
        }
        record.topStyle = 1;
        record.bottomStyle = 0;
        record.topColour = RGBA_data{200, 40, 40, 255};
        record.bottomColour = RGBA_data{30, 60, 200, 255};
        return new CPerson(record);
    }

    // The game hands the screen over with a frozen picture of itself under
    // everything (the renderer's backdrop); the designer's panels and its
    // translucent fader leave parts of it showing, so the designer is opened
    // over such a picture here too.
    CControllerClothes& Open(CPerson* person)
    {
        if (!backdrop) {
            SDL_Surface* plain = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xff0000, 0xff00, 0xff, 0);
            SDL_FillRect(plain, nullptr, SDL_MapRGB(plain->format, 40, 90, 60));
            backdrop = new CSprite(kBackdropZ);
            backdrop->LoadImage(CSprite::draw->ImageFreeSpot(plain, "FROZEN GAME SCREEN"));
        }
        opener.clothes = new CControllerClothes(person);
        opener.PassFocus(opener.clothes);
        return *opener.clothes;
    }

    CControllerClothes& Designer() { return *opener.clothes; }

    // Turns of the main loop: the focused screen, the sounds, the drawing.
    void Frame(int count = 1)
    {
        for (int i = 0; i < count; i++) {
            CController::PumpFocus();
            CSound::PumpAll();
            resources.Renderer().Render(true);
        }
    }

    void Press(bool down)
    {
        input.leftDown = down;
        CController::focus->InputMouseClick(true, false, !down);
    }

    // The pointer rests long enough for any knob it left to let go.
    void ClickAt(int x, int y)
    {
        MouseAt(x, y);
        Frame(6);
        Press(true);
        Frame();
        Press(false);
        Frame();
    }

    void Button(int id) { Designer().GUICallback(id, 0); }

    // Whether the refusal sound played since the last question.
    static bool Refused()
    {
        const bool playing = CController::sndDisallowed->IsPlaying();
        CController::sndDisallowed->Stop();
        return playing;
    }

    // The text of the open pop-up and its first insert; the pop-up is then
    // answered. 0 for none.
    int Answer(bool yes, std::string* insert = nullptr)
    {
        CControllerPopUp* popUp = CControllerClothes::popUp;
        if (!popUp) {
            return 0;
        }
        const int id = popUp->request.id;
        if (insert) {
            *insert = popUp->request.insert[0];
        }
        popUp->answer = yes;
        popUp->ShutDown(0);
        Frame();
        return id;
    }

    int Knob(int slider) { return Designer().sliders[slider]->GetX(); }

    static RGBA_data Pixel(int image, int x, int y)
    {
        CDraw* draw = CSprite::draw;
        SDL_Surface* surface = draw->GetSurface(image);
        draw->LockImage(image);
        const Uint32 pixel = draw->getpixel(image, x, y);
        draw->UnlockImage(image);
        RGBA_data colour{};
        SDL_GetRGBA(pixel, surface->format, &colour.r, &colour.g, &colour.b, &colour.a);
        return colour;
    }

    // The colour of the first opaque pixel of a sprite's picture.
    static RGBA_data Painted(CSprite* sprite)
    {
        const int image = sprite->GetFirstImage();
        const int w = CSprite::draw->GetW(image), h = CSprite::draw->GetH(image);
        for (int y = 0; y < h; y++) {
            for (int x = 0; x < w; x++) {
                const RGBA_data pixel = Pixel(image, x, y);
                if (pixel.a == 255) {
                    return pixel;
                }
            }
        }
        return RGBA_data{0, 0, 0, 0};
    }

    static bool Same(RGBA_data a, RGBA_data b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

    // Whether the screen shows one colour all over the area.
    static bool Plain(SDL_Rect area)
    {
        SDL_Surface* screen = SDL_GetVideoSurface();
        SDL_LockSurface(screen);
        const int bytes = screen->format->BytesPerPixel;
        auto at = [&](int x, int y) {
            Uint32 value = 0;
            memcpy(&value, static_cast<const Uint8*>(screen->pixels) + y * screen->pitch + x * bytes,
                   static_cast<size_t>(bytes));
            return value;
        };
        bool plain = true;
        for (int y = area.y; y < area.y + area.h; y++) {
            for (int x = area.x; x < area.x + area.w; x++) {
                plain = plain && at(x, y) == at(area.x, area.y);
            }
        }
        SDL_UnlockSurface(screen);
        return plain;
    }

    static constexpr int kBackdropZ = -1000000;

    ClothesOpener opener;
    std::unique_ptr<CControllerGame> game;
    CSprite* backdrop = nullptr;
};
