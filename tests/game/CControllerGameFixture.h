// The game screen among the services it needs: the island fixture's
// pictures, profile, pointer position and empty world, with a screen that
// opens the game as the island chooser will and deletes it when it comes
// back. The visual effects start off, so the slow-machine guard (the test
// never presents a frame, so it runs at 0 frames a second) stays quiet
// unless a test turns them on.
#pragma once

#include "CControllerClothes.h"
#include "CControllerCrate.h"
#include "CControllerEndStory.h"
#include "CControllerGame.h"
#include "CControllerInGameMenu.h"
#include "CControllerLab.h"
#include "CControllerMap.h"
#include "CControllerPersonDetail.h"
#include "CControllerPopUp.h"
#include "CControllerTrophies.h"
#include "CControllerTrophyUnlock.h"
#include "IslandSeeds.h"
#include "QuietScreen.h"
#include "tests/world/CMapGenerationFixture.h"

#include <SDL.h>

using GameOpener = ClosingOpener<CControllerGame>;

class GameScreenTest : public IslandTest {
protected:
    void SetUp() override
    {
        IslandTest::SetUp();
        CProfile::current->SetValue<bool>(7, false);
        CController::running = true;
        opener.GotFocus(nullptr, true);
    }

    void TearDown() override
    {
        // A screen the game opened and the test left open would hold widgets
        // and the focus into the next test.
        Close(CControllerGame::popUp);
        Close(CControllerGame::inGameMenu);
        Close(CControllerGame::personGUI);
        Close(CControllerGame::crateGUI);
        Close(CControllerGame::endStory);
        Close(CControllerGame::trophyUnlock);
        Close(CControllerGame::trophies);
        Close(CControllerGame::mapGUI);
        Close(CControllerGame::lab);
        Close(CControllerGame::clothes);
        delete opener.screen;
        opener.screen = nullptr;
        // The island map's small island outlives its screen until shut-down.
        delete CControllerMap::sMap;
        CControllerMap::sMap = nullptr;
        CController::focus = nullptr;
        IslandTest::TearDown();
    }

    // The game screen on the playable island of seed, or on no island.
    CControllerGame& Open(unsigned int seed = 0)
    {
        if (seed != 0) {
            CMap* island = new CMap(false);
            island->CreateMap(seed, -1, -1, false, true, false);
        }
        opener.screen = new CControllerGame(seed != 0, false);
        opener.PassFocus(opener.screen);
        return *opener.screen;
    }

    template <class Screen>
    static void Close(Screen*& screen)
    {
        delete screen;
        screen = nullptr;
    }

    // One turn of the main loop for the focused screen.
    static void Frame() { CController::PumpFocus(); }

    static void Push(Uint8 type, int button = 0, int key = 0)
    {
        SDL_Event event{};
        event.type = type;
        event.button.button = static_cast<Uint8>(button);
        if (type == SDL_KEYDOWN || type == SDL_KEYUP) {
            event.key.keysym.sym = static_cast<SDLKey>(key);
        }
        SDL_PushEvent(&event);
    }

    // A world object that asks the player something on its first pump and
    // counts the answers it gets.
    struct Asker : FakeObject {
        Asker()
        {
            onPump = [](FakeObject* self) {
                if (self->pumps == 1) {
                    CObject::requestingFeedback = self;
                    CObject::requestingFeedbackData.id = 12001;
                }
            };
        }
        void GiveResponse(bool yes) override
        {
            answers++;
            lastAnswer = yes;
            if (onAnswer) {
                onAnswer();
            }
        }
        int answers = 0;
        bool lastAnswer = false;
        std::function<void()> onAnswer;
    };

    GameOpener opener;
};
