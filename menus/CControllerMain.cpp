#include "CControllerMain.h"

#include "CControllerExit.h"
#include "CControllerGame.h"
#include "CControllerInstructions.h"
#include "CControllerIntroStory.h"
#include "CControllerIslandSelect.h"
#include "CControllerPopUp.h"
#include "CControllerProfile.h"
#include "CControllerSettings.h"
#include "CControllerTrophies.h"
#include "CDraw.h"
#include "CDropper.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CMysteriousObject.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSound.h"
#include "CSprite.h"
#include "ScreenSteps.h"
#include "Utilities.h"

namespace {

constexpr int kBackgroundZ = 20000000;
constexpr int kTitleZ = 20000001;
constexpr int kLastFrameZ = 899999000;
constexpr int kFadeMs = 500;
constexpr int kGameUnderWayProperty = 31;
constexpr int kNewGameQuestion = 12100;
// Each notice of damage says that a copy was kept only when one was.
constexpr int kCopiesDifferNotice = 12129, kCopiesDifferUncopiedNotice = 12123;
constexpr int kProfileLeftOffNotice = 12130, kProfilesLeftOffNotice = 12131;
constexpr int kProfileLostNotice[] = {12132, 12125, 12124};  // by CProfile::KeptCopies
constexpr int kNameText = 20;

struct menu_button {
    const char* base;
    const char* shadow;
    const char* rollover;
    int y;
    int label;
};
// The quit button looks like the instructions button.
constexpr menu_button kLayout[CControllerMain::kButtons] = {
    {"mainmenu_button_A_base.png", "mainmenu_button_A_shad.png", "mainmenu_button_A_roll%i.png", 170, 2},
    {"mainmenu_button_B_base.png", "mainmenu_button_B_shad.png", "mainmenu_button_B_roll%i.png", 233, 3},
    {"mainmenu_button_C_base.png", "mainmenu_button_C_shad.png", "mainmenu_button_C_roll%i.png", 289, 4},
    {"mainmenu_button_D_base.png", "mainmenu_button_D_shad.png", "mainmenu_button_D_roll%i.png", 347, 5},
    {"mainmenu_button_E_base.png", "mainmenu_button_E_shad.png", "mainmenu_button_E_roll%i.png", 402, 6},
    {"mainmenu_button_C_base.png", "mainmenu_button_C_shad.png", "mainmenu_button_C_roll%i.png", 460, 7},
    {"mainmenu_button_profile_base.png", "mainmenu_button_profile_shad.png", "mainmenu_button_profile_roll%i.png",
     39, 1}};

CGuiButton* MenuButton(CController* owner, int id)
{
    const menu_button& look = kLayout[id];
    return new CGuiButton(CGuiButton::ScreenButton(owner, id, id == CControllerMain::kProfiles ? 16 : 900, look.y,
                                                   look.label, look.base, look.shadow, look.rollover, 0, 0));
}

}  // namespace

CControllerIntroStory* CControllerMain::introStory = nullptr;
CControllerProfile* CControllerMain::profileGUI = nullptr;
CControllerInstructions* CControllerMain::instructions = nullptr;
CControllerPopUp* CControllerMain::popUp = nullptr;
CControllerExit* CControllerMain::exitGUI = nullptr;
CControllerSettings* CControllerMain::settings = nullptr;
CControllerTrophies* CControllerMain::trophies = nullptr;
CControllerPopUp* CControllerMain::notice = nullptr;
CSprite* CControllerMain::sBrinemark = nullptr;

CControllerMain::CControllerMain()
    : hovered(-1), buttons{}, droppers{}, background(nullptr), title(nullptr), playerName(nullptr),
      spritesLoaded(false), islandSelect(nullptr)
{
    LoadSprites();
    sBrinemark = new CSprite(kLastFrameZ);
    sBrinemark->LoadImage(draw->CopyBackbuffer());
    sBrinemark->FadeOut(kFadeMs);
}

CControllerMain::~CControllerMain()
{
    UnloadSprites();
    // Children still open when the menu goes (the program ends under them).
    delete islandSelect;
    DeleteAndClear(introStory);
    DeleteAndClear(profileGUI);
    DeleteAndClear(instructions);
    DeleteAndClear(popUp);
    DeleteAndClear(exitGUI);
    DeleteAndClear(settings);
    DeleteAndClear(trophies);
    DeleteAndClear(notice);
}

void CControllerMain::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    hovered = -1;
    islandSelect = nullptr;
    background = CSprite::ImageAt("mainmenu_main.jpg", 0, 0, kBackgroundZ);
    title = CSprite::ImageAt("mainmenu_logo.png", 565, 9, kTitleZ);
    for (int i = 0; i < kButtons; i++) {
        buttons[i] = MenuButton(this, i);
    }
    // Each button waits its turn, top to bottom, the profile button last.
    droppers[0] = new CDropper(814, -22.0f, 1.66f, 569, 0, 5);
    for (int i = 1; i < kButtons; i++) {
        droppers[i] = new CDropper(824, -22.0f, 1.66f, 579, 5 * i, 5);
    }
    MakePlayerName();
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerMain::MakePlayerName()
{
    delete playerName;
    playerName = new CSprite(kTitleZ);
    int lines = 0;
    playerName->LoadTextShadow(kNameText, 225, 100, 3, lines, 20, 34, 50, CProfile::current->GetActiveProfileName(),
                               nullptr, nullptr, nullptr, nullptr);
    playerName->CenterAt(115, 24);
    playerName->dirtyOnDelete = true;
}

void CControllerMain::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    DeleteAndClear(background);
    DeleteAndClear(title);
    DeleteAndClear(playerName);
    DeleteAndClear(sBrinemark);
    for (int i = 0; i < kButtons; i++) {
        DeleteAndClear(buttons[i]);
        DeleteAndClear(droppers[i]);
    }
    spritesLoaded = false;
}

void CControllerMain::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus || !spritesLoaded) {
        return;
    }
    for (int i = 0; i < kButtons; i++) {
        if (!droppers[i]->IsDone()) {
            droppers[i]->Pump();
            buttons[i]->x = droppers[i]->GetHeight();
            buttons[i]->Redisplay();
        }
    }
    if (sBrinemark && !sBrinemark->Fading() && !sBrinemark->Hidden()) {
        sBrinemark->Hide();
    }
    // Once the last button has settled, a second after the cross-fade.
    for (CDropper* dropper : droppers) {
        if (!dropper->IsDone()) {
            return;
        }
    }
    TellWhatLoadingLeftOff();
}

bool CControllerMain::TellWhatLoadingLeftOff()
{
    CProfile* profile = CProfile::current;
    feedback_data request{};
    if (const int leftOff = profile->TakeProfilesLeftOff()) {
        request.id = leftOff == 1 ? kProfileLeftOffNotice : kProfilesLeftOffNotice;
        request.number = leftOff;
    } else if (CProfile::KeptCopies kept; profile->TakeProfileLost(&kept)) {
        request.id = kProfileLostNotice[kept];
        request.insert[0] = profile->GetActiveProfileName();
    } else if (profile->NoticeDue(CProfile::kCopiesDiffer)) {
        request.id = profile->NoticeCopyKept(CProfile::kCopiesDiffer) ? kCopiesDifferNotice
                                                                      : kCopiesDifferUncopiedNotice;
        // Shown now, saved as shown when the notice comes back: a game cut
        // off before then tells it again.
        profile->NoticeShown(CProfile::kCopiesDiffer);
    } else {
        return false;
    }
    PrepareChild(false);
    notice = new CControllerPopUp(request, true, -1);
    PassFocus(notice);
    return true;
}

void CControllerMain::InputKey(bool, int) {}

void CControllerMain::InputMouseMove(int, int)
{
    if (!hasFocus || !spritesLoaded) {
        return;
    }
    CMouseCursor::ShowMouse();
    int over = -1;
    for (int i = 0; i < kButtons && over == -1; i++) {
        if (buttons[i]->IsMouseOver()) {
            over = i;
        }
    }
    if (over != -1 && over != hovered) {
        PlayRolloverMainMenu();
    }
    hovered = over;
}

void CControllerMain::PrepareChild(bool fullScreen)
{
    HourglassSteps();
    if (fullScreen) {
        UnloadSprites();
    } else {
        renderer->Render(true);
        renderer->Swap();
    }
}

void CControllerMain::OpenIntroStory()
{
    introStory = new CControllerIntroStory();
    PassFocus(introStory);
}

void CControllerMain::GUICallback(int id, int)
{
    // A button pressed before the menu has settled hears first what loading
    // left off: play could otherwise make a new island over a game the
    // player was never told of.
    if (TellWhatLoadingLeftOff()) {
        return;
    }
    switch (id) {
    case kPlay:
        PrepareChild(true);
        if (CProfile::current->GetValue<bool>(kGameUnderWayProperty)) {
            islandSelect = new CControllerIslandSelect(false);
            PassFocus(islandSelect);
        } else {
            OpenIntroStory();
        }
        break;
    case kNewGame:
        if (!CProfile::current->GetValue<bool>(kGameUnderWayProperty)) {
            PrepareChild(true);
            OpenIntroStory();
        } else {
            PrepareChild(false);
            feedback_data request{};
            request.id = kNewGameQuestion;
            popUp = new CControllerPopUp(request, false, -1);
            PassFocus(popUp);
        }
        break;
    case kInstructions:
        PrepareChild(false);
        instructions = new CControllerInstructions();
        PassFocus(instructions);
        break;
    case kTrophies:
        PrepareChild(false);
        trophies = new CControllerTrophies();
        PassFocus(trophies);
        break;
    case kSettings:
        PrepareChild(false);
        settings = new CControllerSettings();
        PassFocus(settings);
        break;
    case kQuit:
        if (CControllerExit::personImage == -1) {
            CloseScreen(this);
        } else {
            PrepareChild(false);
            exitGUI = new CControllerExit();
            PassFocus(exitGUI);
        }
        break;
    case kProfiles:
        PrepareChild(false);
        profileGUI = new CControllerProfile();
        PassFocus(profileGUI);
        break;
    default:
        break;
    }
}

void CControllerMain::ResetForNewGame()
{
    CProfile* profile = CProfile::current;
    for (int key : {25, 26, 28, 27, 29}) {
        profile->SetValue<int>(key, 0);
    }
    profile->SetValue<bool>(31, false);
    profile->SetValue<bool>(38, false);
    profile->SetValue<int>(49, 0);
    for (int key : {71, 72, 73}) {
        profile->SetValue<bool>(key, false);
    }
    for (int key : {55, 56, 57, 41, 42, 44, 45}) {
        profile->SetValue<int>(key, 0);
    }
    CMysteriousObject::ResetAllMysteriousObjects();
    CPerson::stoppedSimForDeath = false;
    // The island left behind is no game cut off, whatever its last save said.
    profile->ClearFirstGameSaved();
}

void CControllerMain::GotFocusBack()
{
    CProfile::current->SaveHeader();
    // A window close, or a close count passing through: only the child goes.
    const bool closing = returnCode != -2;
    if (introStory) {
        DeleteAndClear(introStory);
        if (!closing) {
            islandSelect = new CControllerIslandSelect(true);
            PassFocus(islandSelect);
        }
        return;
    }
    if (islandSelect) {
        DeleteAndClear(islandSelect);
        if (!closing) {
            LoadSprites();
            MusicStep();
        }
        return;
    }
    bool quit = false;
    bool newGame = false;
    bool renamed = false;
    if (instructions) {
        DeleteAndClear(instructions);
    } else if (settings) {
        DeleteAndClear(settings);
    } else if (profileGUI) {
        DeleteAndClear(profileGUI);
        renamed = true;
    } else if (trophies) {
        DeleteAndClear(trophies);
    } else if (notice) {
        DeleteAndClear(notice);
    } else if (exitGUI) {
        quit = exitGUI->result;
        DeleteAndClear(exitGUI);
    } else if (popUp) {
        newGame = popUp->answer;
        DeleteAndClear(popUp);
        if (closing) {
            return;
        }
        renderer->Swap();
        CMouseCursor::ShowMouse();
        if (newGame) {
            ResetForNewGame();
            HourglassSteps();
            UnloadSprites();
            OpenIntroStory();
            return;
        }
        MusicStep();
        return;
    } else {
        if (!closing) {
            MusicStep();
        }
        return;
    }
    if (closing) {
        return;
    }
    OverlayReturn();
    // Made only now: a sprite made while the overlay's list was in force
    // would leave with that list and the greeting would vanish.
    if (renamed) {
        MakePlayerName();
    }
    if (quit) {
        ShutDown(0);
        return;
    }
    MusicStep();
}

void CControllerMain::MusicStep()
{
    CSound::PlayMusicTitle(true);
    if (CControllerGame::sndWaves && CControllerGame::sndWaves->IsPlaying()) {
        CControllerGame::sndWaves->FadeOut(15);
    }
}
