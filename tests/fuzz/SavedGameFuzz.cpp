// libFuzzer target for a whole saved game. The input is a profile file; its
// checksum is made to hold, so every input reaches the records behind it. The
// game loads it, the play button continues it for some frames, the island is
// saved, and the files are loaded and played once more: whatever the file
// holds, nothing crashes, overflows or reads outside a record.
#include "CController.h"
#include "CControllerGame.h"
#include "CControllerInGameMenu.h"
#include "CControllerIntroStory.h"
#include "CControllerIslandSelect.h"
#include "CControllerMap.h"
#include "CControllerPopUp.h"
#include "CFlowerIndicator.h"
#include "CInput.h"
#include "CObject.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "CTreeIndicator.h"
#include "CTutorialDialog.h"
#include "GameResources.h"
#include "TempFolder.h"
#include "Utilities.h"

#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kGameUnderWayKey = 31, kVisualEffectsKey = 7, kLastPlayKey = 33;

// The screen the chooser returns to, as the main menu is in the game.
class Root : public CController {
public:
    void GotFocusBack() override
    {
        delete child;
        child = nullptr;
    }
    void Pump() override { GetInput(); }
    void InputKey(bool, int) override {}
    void InputMouseMove(int, int) override {}
    void InputMouseClick(bool, bool, bool) override {}

    CController* child = nullptr;
};

TempFolder* folder = nullptr;
GameResources* resources = nullptr;
CInput input;

std::string UserFolder()
{
    return folder->File("userdata");
}

void Turn(int count)
{
    for (int i = 0; i < count && CController::running; i++) {
        CController::PumpFocus();
        resources->Renderer().Render(true);
    }
}

// The play button, then frames of the game, then the way out.
void PlayAndLeave(Root& root, int frames)
{
    if (!CProfile::current->GetValue<bool>(kGameUnderWayKey)) {
        return;
    }
    // The bulk simulation of a long absence is its own subject; one step of
    // it keeps every input to a few seconds.
    CProfile::current->SetValue<long>(kLastPlayKey, GetCurrentTime() - 60);
    CProfile::current->SetValue<bool>(kVisualEffectsKey, false);
    root.child = new CControllerIslandSelect(false);
    root.PassFocus(root.child);
    Turn(1 + frames);
    for (int closes = 0; root.child && CController::focus != &root && closes < 8; closes++) {
        CController::focus->ShutDown(CController::focus == root.child ? 0 : 1);
        Turn(3);
    }
    delete root.child;
    root.child = nullptr;
    CController::focus = &root;
}

void Forget()
{
    delete CControllerGame::popUp;
    CControllerGame::popUp = nullptr;
    delete CControllerGame::inGameMenu;
    CControllerGame::inGameMenu = nullptr;
    delete CControllerMap::sMap;
    CControllerMap::sMap = nullptr;
    CControllerIntroStory::DeleteAmbientSounds();
    CControllerIslandSelect::movingTarrow = false;
    CObject::UnloadAll();
    CObject::obstructions.clear();
    CObject::placingBuilding = -1;
    CObject::isSimulating = false;
    CObject::requestingFeedbackData = feedback_data{};
    CObject::requestingFeedbackData.id = -1;
    CFlowerIndicator::placingFlowers = -1;
    CTreeIndicator::placingTrees = -1;
    CTutorialDialog::nextTutorial = -1;
    CPerson::didRollover = nullptr;
    CController::focus = nullptr;
    CController::running = true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    folder = new TempFolder();
    resources = new GameResources(*folder);
    CController::input = &input;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4) {
        return 0;
    }
    // Nothing of an earlier input stays: every file a header could name goes.
    std::error_code ignored;
    std::filesystem::remove_all(UserFolder(), ignored);
    std::filesystem::create_directories(UserFolder());
    std::vector<char> bytes(data, data + size);
    const int sum = CProfile::ComputeChecksum(bytes.data() + 4, bytes.size() - 4);
    for (int i = 0; i < 4; i++) {
        bytes[i] = static_cast<char>((static_cast<uint32_t>(sum) >> (8 * i)) & 0xFF);
    }
    if (FILE* file = fopen((UserFolder() + "/PROFILE1v8.DAT").c_str(), "wb")) {
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }

    CController::running = true;
    CProfile* profile = new CProfile();
    Root root;
    root.GotFocus(nullptr, true);
    CController::focus = &root;
    PlayAndLeave(root, 30);
    profile->SaveHeader();
    profile->Load(0);
    PlayAndLeave(root, 5);
    Forget();
    delete profile;
    return 0;
}
