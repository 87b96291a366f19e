// The game screen's share of the tutorial: which step's dialog opens when,
// what opening it does to the island (circles, the view, the selection, the
// rain), the steps it completes by watching the player, and the tour of the
// island's mysteries.
#include "CControllerGame.h"

#include "CCraftworks.h"
#include "CCrateBarrel.h"
#include "CDust.h"
#include "CGuano.h"
#include "CHut.h"
#include "CInput.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CMushroom.h"
#include "CMysteriousObject.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CResources.h"
#include "CScienceStation.h"
#include "CSidebar.h"
#include "CSprite.h"
#include "CTombstone.h"
#include "CTree.h"
#include "CControllerTrophies.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

namespace {

constexpr int kTutorialOnProperty = 67;
constexpr int kLastOrdinaryStep = 72;
constexpr int kUrgentSteps[] = {86, 99, 100, 102, 103, 104, 106};
constexpr int kReopenFrames = 90;
constexpr int kStep0CircleFrames = 390;
constexpr int kStep6RainFrames = 120;
constexpr int kTourFrames = 31;
constexpr int kDragDistance = 200;

bool Urgent(int step)
{
    for (int urgent : kUrgentSteps) {
        if (step == urgent) {
            return true;
        }
    }
    return false;
}

bool Done(int step)
{
    return CTutorialDialog::IsTutorialComplete(step);
}

bool IsIslander(CObject* object)
{
    return object && object->isPerson;
}

}  // namespace

void CControllerGame::GlideTo(int x, int y, bool lock)
{
    if (island) {
        island->CenterScreen(x, y, false, false, lock);
    }
}

void CControllerGame::LetGoOfView()
{
    followedObject = nullptr;
    if (island) {
        island->StopCenteringScreen();
    }
}

void CControllerGame::Circle(int x, int y, bool onIsland, char letter)
{
    delete stepCircle;
    stepCircle = new CTutorialCircle(x, y, onIsland, letter);
}

bool CControllerGame::SelectAdultForStep()
{
    CObject* selected = CObject::selectedObject;
    if (!IsIslander(selected)) {
        CPerson::SelectAnAdult();
    } else {
        CPerson* person = static_cast<CPerson*>(selected);
        if (person->IsKid() || person->IsBaby()) {
            CPerson::SelectAnAdult();
        }
    }
    return IsIslander(CObject::selectedObject);
}

void CControllerGame::RunTutorialScript()
{
    CProfile* profile = CProfile::current;
    const bool tutorialOn = profile->GetValue<bool>(kTutorialOnProperty);
    if (!tutorialOn && !Urgent(pendingTutorial)) {
        return;
    }
    if (CPerson::NumPeople() < 1) {
        for (int step = 0; step <= kLastOrdinaryStep; step++) {
            if (!Done(step)) {
                CTutorialDialog::CompleteTutorial(step);
            }
        }
        CTutorialDialog::DetermineNextTutorial();
    }
    const bool dialogOpen = CTutorialDialog::activeDialog != nullptr;
    if (dialogOpen) {
        CheckTutorialCompletion();
    }
    if (pendingTutorial != -1 && Done(pendingTutorial)) {
        // The chain of dialogs after a pending step ends with the last step.
        pendingTutorial = pendingTutorial + 1 < TUTORIAL_STEPS ? pendingTutorial + 1 : -1;
    }
    const int heldStep = HoldTutorialStep();
    if (!dialogOpen) {
        OpenNextTutorialStep(heldStep);
    }
    TourMysteries();
}

void CControllerGame::CheckTutorialCompletion()
{
    CObject* selected = CObject::selectedObject;
    const int next = CTutorialDialog::nextTutorial;
    bool checked = true;
    switch (next) {
    case 0:
        step0Frames++;
        if (step0Frames == kStep0CircleFrames && !Done(0) && CProfile::current->GetValue<bool>(kTutorialOnProperty)) {
            Circle(224, 122, false, 'A');
        }
        return;
    case 1: {
        const bool held = CController::input && CController::input->leftDown;
        const bool far =
            island && GetDist(island->offsetX, island->offsetY, savedOffsetX, savedOffsetY) > kDragDistance;
        checked = island && island->mapDragged && !held && far;
        if (checked) {
            CTutorialDialog::CompleteTutorial(1);
        }
        break;
    }
    case 2:
    case 5:
        if (IsIslander(selected) && selected != rememberedSelection) {
            CTutorialDialog::CompleteTutorial(next);
        }
        rememberedSelection = selected;
        return;
    case 4:
        checked = islanderDropped;
        if (checked) {
            CTutorialDialog::CompleteTutorial(4);
        }
        break;
    case 6:
        step6Frames++;
        if (step6Frames == kStep6RainFrames) {
            if (island) {
                island->SetRain(true, 0);
            }
            if (SelectAdultForStep()) {
                static_cast<CPerson*>(CObject::selectedObject)->ThinkRain();
            }
        }
        selected = CObject::selectedObject;
        if (selected != rememberedSelection ||
            (step6Frames > 9 && sidebar && sidebar->tooltipState == CSidebar::HIDDEN)) {
            CTutorialDialog::CompleteTutorial(6);
        }
        return;
    case 13:
    case 14:
    case 15:
        if (!IsIslander(selected)) {
            for (int step : {13, 14, 15}) {
                CTutorialDialog::CompleteTutorial(step);
            }
        }
        return;
    case 17:
        if (Resources()->GetWood() >= 1) {
            CTutorialDialog::CompleteTutorial(17);
        }
        return;
    case 19:
        if (!IsIslander(selected) && stepCircle) {
            stepCircle->Hide();
        }
        return;
    case 62:
        if (!selected || !selected->isTree) {
            CTutorialDialog::CompleteTutorial(62);
        }
        return;
    default:
        checked = false;
        break;
    }
    if (!checked && pendingTutorial == 88 && !(selected && selected->isCraftworks)) {
        CTutorialDialog::CompleteTutorial(88);
        delete stepCircle;
        stepCircle = nullptr;
        pendingTutorial = -1;
    }
}

int CControllerGame::HoldTutorialStep()
{
    int next = CTutorialDialog::nextTutorial;
    if (next == 35 && !Done(35)) {
        if (CControllerTrophies::NumTrophiesUnlocked() < 1) {
            return next;
        }
        CTutorialDialog::CompleteTutorial(35);
        next = CTutorialDialog::nextTutorial;
    }
    if (next == 36 && CControllerTrophies::NumTrophiesUnlocked() >= 1) {
        CTutorialDialog::CompleteTutorial(36);
        next = CTutorialDialog::nextTutorial;
    }
    if (next == 37 && !CHut::FindFinishedHut()) {
        return next;
    }
    if ((next == 30 || next == 48) && stepObject && stepObject->isDust &&
        static_cast<CDust*>(stepObject)->height > 0.0f) {
        return next;
    }
    if (next == 39) {
        CPerson* youngest = CPerson::GetYoungest(-1);
        if (CPerson::people.size() <= 7 || !youngest || youngest->GetX() <= 0) {
            return next;
        }
    }
    if (next == 52 && !CScienceStation::AnyUseableScienceStations()) {
        return next;
    }
    if (next == -1) {
        CTutorialDialog::DetermineNextTutorial();
    }
    return -1;
}

void CControllerGame::OpenNextTutorialStep(int heldStep)
{
    const int next = CTutorialDialog::nextTutorial;
    int step = next >= 0 && next <= kLastOrdinaryStep ? next : pendingTutorial;
    if (Urgent(pendingTutorial)) {
        step = pendingTutorial;
    }
    if (step < 0 || step >= TUTORIAL_STEPS || step == heldStep) {
        return;
    }
    if (step == pendingTutorial && pendingDelay > 0) {
        pendingDelay--;
        return;
    }
    if (stepDelay[step] >= 1) {
        stepDelay[step]--;
        return;
    }
    if (step == pendingTutorial && pendingDelay != -1) {
        pendingDelay = kReopenFrames;
    }
    new CTutorialDialog(step, this);
    framesSinceDialog = 0;
    CMouseCursor::ShowMouse();
    delete stepCircle;
    stepCircle = nullptr;
    OpenTutorialStepAction(step);
}

void CControllerGame::OpenTutorialStepAction(int step)
{
    const int startX = island ? island->GetStartX() : 0, startY = island ? island->GetStartY() : 0;
    auto clearView = [this] {
        LetGoOfView();
        CObject::selectedObject = nullptr;
    };
    switch (step) {
    case 0:
        step0Frames = 0;
        break;
    case 1:
        if (island) {
            island->mapDragged = false;
            savedOffsetX = island->offsetX;
            savedOffsetY = island->offsetY;
        }
        break;
    case 2:
    case 5:
        rememberedSelection = CObject::selectedObject;
        break;
    case 3:
        Circle(668, 143, false, 'E');
        break;
    case 13:
        if (island) {
            island->SetRain(false, 0);
        }
        // The circle points at the chosen islander's picture in the side
        // panel; with no islander to choose it would ring another object's.
        if (SelectAdultForStep()) {
            Circle(668, 143, false, 'E');
        }
        break;
    case 4:
        islanderDropped = false;
        break;
    case 6:
        step6Frames = 0;
        if (!SelectAdultForStep()) {
            break;
        }
        static_cast<CPerson*>(CObject::selectedObject)->ThinkSomething();
        Circle(66, -15, false, 'C');
        break;
    case 7:
        if (island) {
            island->SetRain(true, 0);
        }
        if (SelectAdultForStep()) {
            static_cast<CPerson*>(CObject::selectedObject)->ThinkRain();
        }
        break;
    case 8:
        if (CCrateBarrel* container = CCrateBarrel::currentContainer) {
            clearView();
            container->CenterScreen();
            Circle(container->GetX() - 56, container->GetY() - 37, true, 'D');
        }
        break;
    case 12:
        if (island) {
            island->SetRain(false, 0);
        }
        {
            CResources* stock = Resources();
            CSprite* pile = island ? island->pileSprites[2] : nullptr;
            const int w = pile ? pile->GetW() : 0, h = pile ? pile->GetH() : 0;
            Circle(stock->GetPileX(2) - w / 2 - 16, stock->GetPileY(2) - h / 2 - 12, true, 'D');
        }
        break;
    case 14:
        Circle(623, 188, false, 'A');
        break;
    case 16:
    case 18:
        if (step == 18 && island) {
            island->SetRain(false, 0);
        }
        clearView();
        GlideTo(startX, startY - 130, false);
        break;
    case 17:
        if (island) {
            island->SetRain(false, 0);
        }
        CObject::selectedObject = nullptr;
        break;
    case 19:
        if (SelectAdultForStep()) {
            Circle(621, 285, false, 'A');
        }
        break;
    case 24:
        LetGoOfView();
        if (SelectAdultForStep()) {
            CObject* adult = CObject::selectedObject;
            static_cast<CPerson*>(adult)->AsleepOnFeet();
            GlideTo(adult->GetX(), adult->GetY(), true);
            Circle(624, 378, false, 'A');
        }
        break;
    case 27:
    case 33:
        if (CHut* hut = CHut::FindUnfinishedHut()) {
            Circle(hut->GetX() - 87, hut->GetY() - 15, true, 'D');
            clearView();
            GlideTo(hut->GetX(), hut->GetY(), false);
        }
        break;
    case 28:
        CPerson::RevitalizeAll(-1);
        break;
    case 29:
        Circle(41, 544, false, 'C');
        break;
    case 31:
    case 48:
        if (stepObject) {
            Circle(stepObject->GetX() - 20, stepObject->GetY() - 16, true, 'G');
            clearView();
            GlideTo(step == 31 ? startX : startX + 130, step == 31 ? startY : startY + 100, false);
        }
        break;
    case 32:
        Circle(-4, -13, false, 'I');
        CObject::selectedObject = nullptr;
        break;
    case 39:
        clearView();
        CPerson::SelectYoungest();
        if (IsIslander(CObject::selectedObject)) {
            GlideTo(CObject::selectedObject->GetX(), CObject::selectedObject->GetY(), true);
        }
        break;
    case 41:
    case 64:
    case 99:
        Circle(624, 378, false, 'A');
        break;
    case 44:
        Circle(-5, 525, false, 'I');
        break;
    case 49:
        Circle(547, -10, false, 'I');
        break;
    case 50:
        for (CBuilding* building : CBuilding::buildings) {
            if (building->isScienceStation && !building->IsComplete()) {
                Circle(building->GetX() - 162, building->GetY() - 101, true, 'B');
                clearView();
                GlideTo(building->GetX(), building->GetY(), false);
                break;
            }
        }
        break;
    case 52: {
        int x = 0, y = 0, dir = 0;
        if (CBuilding* station = CScienceStation::FindWorkCoords(x, y, dir, false)) {
            Circle(station->GetX() - 162, station->GetY() - 121, true, 'B');
            clearView();
            GlideTo(station->GetX(), station->GetY(), false);
        }
        break;
    }
    case 53:
    case 73:
        Circle(635, 469, false, 'A');
        break;
    case 56:
        Circle(505, 528, false, 'I');
        break;
    case 58:
    case 59:
    case 61:
        if (step != 61) {
            LetGoOfView();
        }
        CObject::selectedObject = nullptr;
        break;
    case 60: {
        CMushroom* first = new CMushroom(startX - 170, startY + 170);
        // Each offset in a statement of its own: x is drawn before y.
        const int secondX = first->GetX() + RangedRandom(5, 10);
        const int secondY = first->GetY() + RangedRandom(5, 10);
        CMushroom* second = new CMushroom(secondX, secondY);
        const int thirdX = second->GetX() - RangedRandom(5, 10);
        const int thirdY = second->GetY() + RangedRandom(5, 10);
        CMushroom* third = new CMushroom(thirdX, thirdY);
        mushroomTimer = RangedRandom(2500, 4000);
        Circle(third->GetX() - 60, third->GetY() - 60, true, 'D');
        const int offsetX = island ? island->offsetX : 0, offsetY = island ? island->offsetY : 0;
        new CGuano(third->GetX() + 40, third->GetY(), false, third->GetX() + 40 + offsetX, third->GetY() + offsetY,
                   third->GetY() * 2000);
        clearView();
        GlideTo(third->GetX(), third->GetY(), false);
        break;
    }
    case 62:
        Circle(622, 284, false, 'A');
        break;
    case 66:
        Circle(-28, 114, false, 'D');
        break;
    case 67:
        Circle(-20, 320, false, 'A');
        break;
    case 70:
        cycleFrames = 0;
        cycleIndex = 0;
        ShowMystery(0);
        break;
    case 77:
        if (!CTombstone::tombstones.empty()) {
            CTombstone* grave = CTombstone::tombstones.front();
            Circle(grave->GetX() - 30, grave->GetY() - 9, true, 'J');
            clearView();
            GlideTo(grave->GetX(), grave->GetY(), false);
        }
        break;
    case 88:
        Circle(622, 122, false, 'A');
        break;
    case 92:
        if (CCraftworks* craftworks = CCraftworks::GetUseableCraftworks()) {
            LetGoOfView();
            CObject::selectedObject = craftworks;
            GlideTo(craftworks->GetX(), craftworks->GetY(), false);
        }
        break;
    default:
        break;
    }
}

void CControllerGame::ShowMystery(int index)
{
    LetGoOfView();
    CMysteriousObject* mystery = island ? island->mysteries[index] : nullptr;
    // An island without this mystery has nothing to show at this stop.
    if (!mystery) {
        return;
    }
    CObject::selectedObject = mystery;
    GlideTo(mystery->GetX() + 50, mystery->GetY() + 10, false);
}

void CControllerGame::TourMysteries()
{
    if (!Done(69) || Done(70) || stepDelay[70] != 0 || !CProfile::current->GetValue<bool>(kTutorialOnProperty) ||
        !island || island->IsCenteringScreen()) {
        return;
    }
    if (++cycleFrames >= kTourFrames) {
        cycleFrames = 0;
        cycleIndex = (cycleIndex + 1) % 3;
        ShowMystery(cycleIndex);
    }
}
