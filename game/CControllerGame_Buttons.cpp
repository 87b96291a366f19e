// The game screen's buttons, the child screens they open and what the game
// screen does with a child's result when it comes back. A child opens with
// one fixed hand-over and is deleted here, after its result is read.
#include "CControllerGame.h"

#include "CBuilding.h"
#include "CControllerBuild.h"
#include "CControllerClothes.h"
#include "CControllerCrate.h"
#include "CControllerEndStory.h"
#include "CControllerInGameMenu.h"
#include "CControllerIslandSelect.h"
#include "CControllerLab.h"
#include "CControllerMap.h"
#include "CControllerPersonDetail.h"
#include "CControllerPopUp.h"
#include "CControllerScience.h"
#include "CControllerTrophies.h"
#include "CControllerTrophyUnlock.h"
#include "CDraw.h"
#include "CDust.h"
#include "CFlowerIndicator.h"
#include "CGuiFlowers.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CMysteriousObject.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CResources.h"
#include "CSidebar.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTombstone.h"
#include "CTreeIndicator.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

namespace {

enum Button {
    STARDUST = 0, MOONDUST = 1, DETAIL = 2, BUILD = 3, RESEARCH = 4, MENU = 5, FIRST_COLOUR = 6, LAST_COLOUR = 12,
    SPRAY = 13, ERASER = 14, ERASE_ALL = 15, CLOSE_FLOWERS = 16, PREVIOUS = 17, NEXT = 18, MAP = 19, POTION = 20,
    MAKE_CLOTHES = 21, LAB = 22, NARRATION = 2000
};
constexpr int kTutorialOkayFirst = 1000, kTutorialOkayLast = 1999;
constexpr int kNarrationFadeFrames = 15;

// The colour painted by each flower button, from the first.
constexpr int kFlowerColours[7] = {0, 6, 4, 2, 1, 3, 5};
constexpr int kLockedColourMystery = 2;

constexpr int kEraseAllQuestionId = 12006;
constexpr int kNoStationNoticeId = 12160;
constexpr int kNoAdultNoticeId = 12202;
constexpr int kFlowersClosedTipId = 15006;

constexpr int kNarrationProperty = 66, kTutorialOnProperty = 67, kVisualEffectsProperty = 7;

// Tutorial steps whose okay also ends the game screen's own pending step.
constexpr int kEndsPendingSteps[] = {72, 76, 80, 81, 82, 83, 84, 85, 93, 95, 96, 97, 98, 100, 101, 102, 103, 104, 106};

void CompleteAfter(int done, int next)
{
    if (CTutorialDialog::IsTutorialComplete(done)) {
        CTutorialDialog::CompleteTutorial(next);
    }
}

bool AnyUseableScienceStations()
{
    for (CObject* object : CObject::objects) {
        if (object->isScienceStation && object->isBuilding && !object->deleteMe &&
            static_cast<CBuilding*>(object)->IsInService()) {
            return true;
        }
    }
    return false;
}

}  // namespace

void CControllerGame::ShowPersonDetail(CPerson* person)
{
    CControllerGame* screen = game;
    if (!screen) {
        return;
    }
    if (screen->stepCircle) {
        screen->stepCircle->Hide();
    }
    screen->HandOver(true);
    personGUI = new CControllerPersonDetail(person);
    screen->PassFocus(personGUI);
}

void CControllerGame::GUICallback(int id, int)
{
    DropHeld();
    if (sndTwinkle && sndTwinkle->IsPlaying()) {
        sndTwinkle->FadeOut(10);
    }
    if (id >= kTutorialOkayFirst && id <= kTutorialOkayLast) {
        TutorialOkay(id - kTutorialOkayFirst);
        return;
    }
    if (id >= FIRST_COLOUR && id <= LAST_COLOUR) {
        if (id == LAST_COLOUR && !CMysteriousObject::IsComplete(kLockedColourMystery)) {
            PlayDisallowed();
            return;
        }
        if (flowers) {
            flowers->chosen = id - FIRST_COLOUR;
        }
        CFlowerIndicator::PlaceFlowers(kFlowerColours[id - FIRST_COLOUR]);
        return;
    }
    CResources* stock = Resources();
    switch (id) {
    case STARDUST:
    case MOONDUST: {
        const bool star = id == STARDUST;
        if ((star ? stock->GetStardust() : stock->GetMoondust()) < 1) {
            PlayDisallowed();
            return;
        }
        CompleteAfter(star ? 31 : 48, star ? 32 : 49);
        dustMode = star ? 1 : 2;
        for (int i = 0; i < PARTICLES; i++) {
            for (CSprite* particle : {starSprites[i], moonSprites[i]}) {
                if (particle) {
                    particle->Hide();
                }
            }
        }
        return;
    }
    case DETAIL:
        sidebar->DetailButtonClicked();
        return;
    case BUILD:
        CompleteAfter(23, 24);
        CompleteAfter(40, 41);
        CompleteAfter(63, 64);
        if (pendingTutorial == 99) {
            if (stepCircle) {
                stepCircle->Hide();
            }
            CTutorialDialog::CompleteTutorial(99);
            pendingTutorial = -1;
        }
        CTreeIndicator::placingTrees = -1;
        if (CFlowerIndicator::placingFlowers != -1) {
            CloseFlowersGUI();
        }
        CBuilding::HoverBuilding(-1);
        HandOver(true);
        buildMenu = new CControllerBuild();
        PassFocus(buildMenu);
        return;
    case RESEARCH:
        if (stepCircle) {
            stepCircle->Hide();
        }
        CompleteAfter(52, 53);
        if (CTutorialDialog::IsTutorialComplete(72) && pendingTutorial == 73) {
            CTutorialDialog::CompleteTutorial(73);
            pendingTutorial = CTutorialDialog::IsTutorialComplete(74) ? -1 : 74;
            if (stepCircle) {
                stepCircle->Hide();
            }
        }
        HandOver(true);
        scienceScreen = new CControllerScience();
        PassFocus(scienceScreen);
        return;
    case MENU:
        HandOver(true);
        inGameMenu = new CControllerInGameMenu();
        PassFocus(inGameMenu);
        return;
    case SPRAY:
        sprayMode = !sprayMode;
        if (flowers) {
            flowers->SetSpray(sprayMode);
        }
        CFlowerIndicator::SetSpray(sprayMode);
        return;
    case ERASER:
        CFlowerIndicator::PlaceFlowers(-1);
        if (flowers) {
            flowers->chosen = -1;
        }
        eraserMode = true;
        return;
    case ERASE_ALL:
        CFlowerIndicator::PlaceFlowers(-1);
        if (flowers) {
            flowers->chosen = -1;
        }
        OpenPopUp(kEraseAllQuestionId, false, -1, true);
        popUpPurpose = 0;
        return;
    case CLOSE_FLOWERS: {
        if (CTutorialDialog::IsTutorialComplete(65) && !CTutorialDialog::IsTutorialComplete(66)) {
            PlayDisallowed();
            return;
        }
        CloseFlowersGUI();
        selection_result tip{};
        tip.id = kFlowersClosedTipId;
        SetToolTipMessage(tip, 270);
        return;
    }
    case PREVIOUS:
    case NEXT: {
        CompleteAfter(13, 14);
        CPerson* person = CPerson::GetSelectedPerson();
        if (!person) {
            return;
        }
        CPerson* chosen = id == PREVIOUS ? CPerson::GetPreviousPerson(person) : CPerson::GetNextPerson(person);
        CObject::selectedObject = chosen;
        if (chosen && island) {
            island->StopCenteringScreen();
            island->CenterScreen(chosen->GetX(), chosen->GetY(), false, false, true);
        }
        return;
    }
    case MAP:
        CompleteAfter(43, 44);
        HandOver(true);
        mapGUI = new CControllerMap();
        PassFocus(mapGUI);
        return;
    case POTION:
        if (!AnyUseableScienceStations()) {
            OpenPopUp(kNoStationNoticeId, true, -1, true);
            popUpPurpose = -1;
            return;
        }
        CompleteAfter(55, 56);
        HandOver(true);
        lab = new CControllerLab();
        PassFocus(lab);
        return;
    case MAKE_CLOTHES:
        if (CPerson::NumAdults() < 1) {
            OpenPopUp(kNoAdultNoticeId, true, -1, true);
            popUpPurpose = -1;
            return;
        }
        if (CTutorialDialog::IsTutorialComplete(72)) {
            CTutorialDialog::CompleteTutorial(88);
            if (!CTutorialDialog::IsTutorialComplete(89)) {
                pendingTutorial = 89;
            }
            if (stepCircle) {
                stepCircle->Hide();
            }
        }
        HandOver(true);
        clothes = new CControllerClothes(nullptr);
        PassFocus(clothes);
        return;
    case LAB:
        HandOver(true);
        lab = new CControllerLab();
        PassFocus(lab);
        return;
    case NARRATION: {
        CProfile* profile = CProfile::current;
        profile->SetValue<bool>(kNarrationProperty, !profile->GetValue<bool>(kNarrationProperty));
        CTutorialDialog* dialog = CTutorialDialog::activeDialog;
        if (!profile->GetValue<bool>(kNarrationProperty) && dialog && dialog->narration) {
            dialog->narration->FadeOut(kNarrationFadeFrames);
        }
        return;
    }
    default:
        return;
    }
}

void CControllerGame::TutorialOkay(int step)
{
    CMouseCursor::ShowHourglass(true);
    if (step == 86) {
        pendingTutorial = -1;
        if (CTutorialDialog::activeDialog) {
            CTutorialDialog::activeDialog->Hide();
        }
        CTutorialDialog::DetermineNextTutorial();
        pendingDelay = 0;
        return;
    }
    CTutorialDialog::CompleteTutorial(step);
    if ((step == 29 || step == 47) && island) {
        const bool star = step == 29;
        CDust* heap =
            new CDust(star, island->GetStartX() + (star ? 0 : 130), island->GetStartY() + (star ? 0 : 100), star ? 300 : 600);
        heap->UnHide();
        stepObject = heap;
        if (stepCircle) {
            stepCircle->Hide();
        }
        pendingDelay = 0;
        return;
    }
    for (int ends : kEndsPendingSteps) {
        if (step == ends) {
            pendingTutorial = -1;
        }
    }
    if (step == 99) {
        pendingTutorial = -1;
        if (stepCircle) {
            stepCircle->Hide();
        }
    }
    pendingDelay = 0;
}

void CControllerGame::BackToIsland()
{
    // The island's own sprites come back before the child's steps run, so
    // whatever those steps make joins the island's list rather than the
    // child's, which the swap throws away.
    if (renderer && renderer->Swapped()) {
        renderer->Swap();
    }
}

void CControllerGame::Restore()
{
    if (renderer) {
        renderer->AddSpecialDirty(0, 0, 800, 600, true);
        const int x = CMouseCursor::GetMouseX(), y = CMouseCursor::GetMouseY();
        CMouseCursor::ShowMouse();
        renderer->AddSpecialDirty(x - 50, y - 50, x + 50, y + 50, true);
    } else {
        CMouseCursor::ShowMouse();
    }
    if (island) {
        island->dragActive = false;
    }
}

void CControllerGame::SelectAndCentre(CPerson* person)
{
    CObject::selectedObject = person;
    followedObject = nullptr;
    if (person && island) {
        island->StopCenteringScreen();
        island->CenterScreen(person->GetX(), person->GetY(), false, false, true);
    }
}

void CControllerGame::GotFocusBack()
{
    if (!buildMenu) {
        CTreeIndicator::placingTrees = -1;
        CloseFlowersGUI();
        CBuilding::HoverBuilding(-1);
    }
    if (island) {
        for (bool& held : island->arrowHeld) {
            held = false;
        }
    }
    slowFrames = 0;
    lastFrameTicks = 0;
    pendingDelay = 0;
    heldPotion = 0;
    if (pickupCandidate) {
        if (island && island->personCarried) {
            pickupCandidate->Drop();
        }
        pickupCandidate = nullptr;
        shiftCursorPending = true;
        pressX = pressY = -1;
        if (island) {
            island->personCarried = false;
        }
    }
    if (tombstoneCandidate) {
        tombstoneCandidate->Drop();
        tombstoneCandidate = nullptr;
        gravePressX = gravePressY = -1;
        if (island) {
            island->tombstoneCarried = false;
        }
    }

    if (scienceScreen) {
        const bool openLab = scienceScreen->openLabOnClose;
        DeleteAndClear(scienceScreen);
        if (openLab) {
            HandOverAgain();
            lab = new CControllerLab();
            PassFocus(lab);
            return;
        }
        BackToIsland();
        Restore();
    } else if (buildMenu) {
        DeleteAndClear(buildMenu);
        BackToIsland();
        Restore();
    } else if (endStory) {
        DeleteAndClear(endStory);
        BackToIsland();
        // The band sails on: the next frame closes this screen, and the island
        // chooser picks the band's new island.
        CControllerIslandSelect::movingTarrow = true;
        Restore();
    } else if (personGUI) {
        const int result = personGUI->changeClothes;
        CPerson* person = personGUI->shownPerson;
        DeleteAndClear(personGUI);
        if (result == 1) {
            HandOverAgain();
            clothes = new CControllerClothes(person);
            PassFocus(clothes);
            return;
        }
        BackToIsland();
        SelectAndCentre(person);
        Restore();
    } else if (crateGUI) {
        const bool yes = crateGUI->answer;
        DeleteAndClear(crateGUI);
        BackToIsland();
        DeliverAnswer(yes);
        Restore();
    } else if (clothes) {
        const bool keep = clothes->keepSelection;
        CPerson* person = clothes->person;
        DeleteAndClear(clothes);
        BackToIsland();
        if (keep) {
            SelectAndCentre(person);
        }
        Restore();
    } else if (lab) {
        heldPotion = lab->potion;
        potionColour = lab->flaskColour;
        mistColourA = lab->mistColour1;
        mistColourB = lab->mistColour2;
        DeleteAndClear(lab);
        BackToIsland();
        if (heldPotion != 0 && potionPointerColour && draw) {
            draw->ReplaceColour(potionPointerColour->GetFirstImage(), RGBA_data{}, potionColour, false, true);
        }
        Restore();
        CMouseCursor::ShowMouse();
        CMouseCursor::ShowMouse();
    } else if (popUp) {
        const bool yes = popUp->answer;
        DeleteAndClear(popUp);
        BackToIsland();
        ApplyPopUpAnswer(yes);
        Restore();
        popUpPurpose = -1;
    } else if (trophyUnlock) {
        const bool closed = trophyUnlock->dismissed;
        DeleteAndClear(trophyUnlock);
        // Raised before the island comes back: the swap presents a frame of
        // its own, and counted after it the island would show for a moment
        // between one trophy pop-up and the next.
        if (!CControllerTrophies::trophyUnlockQueue.empty() && draw) {
            draw->skipFrames += 2;
        }
        // Only while this screen runs on (-2): a window closed over the
        // announcement hands back -1 to close every screen, and passing the
        // focus to the room would reset that code and lose the close.
        if (!closed && returnCode == -2) {
            HandOverAgain();
            trophies = new CControllerTrophies();
            PassFocus(trophies);
            return;
        }
        BackToIsland();
        Restore();
    } else if (trophies) {
        DeleteAndClear(trophies);
        BackToIsland();
        Restore();
    } else if (mapGUI) {
        const bool room = mapGUI->openTrophies;
        const int x = mapGUI->centerX, y = mapGUI->centerY;
        DeleteAndClear(mapGUI);
        if (room) {
            HandOverAgain();
            trophies = new CControllerTrophies();
            PassFocus(trophies);
            return;
        }
        BackToIsland();
        if (x != -1) {
            CObject::selectedObject = nullptr;
            followedObject = nullptr;
            if (island) {
                island->StopCenteringScreen();
                island->CenterScreen(x, y, false, false, true);
            }
        }
        Restore();
    } else if (inGameMenu) {
        DeleteAndClear(inGameMenu);
        BackToIsland();
        Restore();
    }
}

void CControllerGame::DeliverAnswer(bool yes)
{
    CObject* asked = requester;
    requester = nullptr;
    if (!asked) {
        return;
    }
    asked->GiveResponse(yes);
    // The requester may have asked again from its answer; only the very
    // request that was shown is done with.
    if (CObject::requestingFeedback == asked && SameRequest(CObject::requestingFeedbackData, shownRequest)) {
        CObject::requestingFeedback = nullptr;
    }
}

void CControllerGame::ApplyPopUpAnswer(bool yes)
{
    CProfile* profile = CProfile::current;
    if (popUpPurpose == 0) {
        if (yes && island) {
            island->EraseAllFlowers();
            CFlowerIndicator::DeleteAllFlowerIndicators();
        }
    } else if (popUpPurpose == 1) {
        if (yes) {
            profile->SetValue<bool>(kTutorialOnProperty, false);
            if (CTutorialDialog::activeDialog) {
                CTutorialDialog::activeDialog->Hide();
            }
            if (stepCircle) {
                stepCircle->Hide();
            }
        }
    } else if (popUpPurpose == 2) {
        if (yes) {
            profile->SetValue<bool>(kVisualEffectsProperty, !profile->GetValue<bool>(kVisualEffectsProperty));
            CSound::SetGlobalMusicVolume(0.0f);
            profile->SetValue<bool>(kNarrationProperty, false);
        }
    } else {
        DeliverAnswer(yes);
    }
    requester = nullptr;
}

bool CControllerGame::SameRequest(const feedback_data& a, const feedback_data& b)
{
    for (int i = 0; i < 4; i++) {
        if (a.insert[i] != b.insert[i]) {
            return false;
        }
    }
    return a.id == b.id && a.number == b.number && a.crate == b.crate && a.noticeOnly == b.noticeOnly &&
           a.crateFirst == b.crateFirst && a.crateTier == b.crateTier;
}
