#include "CObject.h"

#include "CBuilding.h"
#include "CController.h"
#include "CControllerGame.h"
#include "CFlowerIndicator.h"
#include "CGuiFlowers.h"
#include "CInput.h"
#include "CMap.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CSidebar.h"
#include "CSprite.h"
#include "CTreeIndicator.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <algorithm>
#include <climits>
#include <cassert>
#include <utility>

namespace {

constexpr int kVisualEffectsProperty = 7;
constexpr int kTutorialOnProperty = 67;
constexpr int kIslandTicksProperty = 49;

feedback_data NoFeedback()
{
    feedback_data data{};
    data.id = -1;
    return data;
}

// The event pump keeps the pointer position every part reads.
coordinate MousePosition()
{
    if (!CController::input) {
        return {0, 0};
    }
    return {CController::input->mouseX, CController::input->mouseY};
}

CProfile* Profile()
{
    assert(CProfile::current && "world objects read the active profile");
    return CProfile::current;
}

}  // namespace

std::vector<CObject*> CObject::objects;
std::vector<obstruction_type> CObject::obstructions;
CObject* CObject::selectedObject = nullptr;
CObject* CObject::lastSelectedPerson = nullptr;
int CObject::placingBuilding = -1;
bool CObject::isSimulating = false;
bool CObject::unloadingAll = false;
bool CObject::rendering = true;
int CObject::lastMouseX = -1;
int CObject::lastMouseY = -1;
int CObject::lastObjectZ = 899999990;
CObject* CObject::requestingFeedback = nullptr;
feedback_data CObject::requestingFeedbackData = NoFeedback();
uint64_t CObject::nextSerial = 0;
uint64_t CObject::removals = 0;

CObject::CObject()
    : excluded(false),
      x(0),
      y(0),
      footX(0),
      footY(0),
      selectionMarker(nullptr),
      selectionOffsetX(0),
      selectionOffsetY(0),
      hover(false),
      isResourceStore(false),
      isHut(false),
      isGuano(false),
      isMushroom(false),
      isRelic(false),
      isGarden(false),
      isTree(false),
      isRock(false),
      isBuilding(false),
      isDust(false),
      isCraftworks(false),
      isCrate(false),
      deleteMe(false),
      isPerson(false),
      isFind(false),
      isScienceStation(false),
      earlyDrop(false),
      serial(nextSerial++)
{
    objects.push_back(this);
}

CObject::~CObject()
{
    delete selectionMarker;
    selectionMarker = nullptr;
    // No static may keep pointing at a deleted object.
    if (selectedObject == this) {
        selectedObject = nullptr;
    }
    if (lastSelectedPerson == this) {
        lastSelectedPerson = nullptr;
    }
    if (requestingFeedback == this) {
        requestingFeedback = nullptr;
    }
    CControllerGame::ForgetObject(this);
    RemoveObstructions(this);
    auto found = std::find(objects.begin(), objects.end(), this);
    if (found != objects.end()) {
        objects.erase(found);
    }
    removals++;
}

bool CObject::IsAtCoords(int&, int, int) { return false; }
void CObject::Clicked() {}
int CObject::DroppedOn() { return 0; }
selection_result CObject::GetSelectedName() { return selection_result{}; }
selection_result CObject::GetSelectedTopDetail() { return selection_result{}; }
selection_result CObject::GetSelectedBottomDetail() { return selection_result{}; }
selection_result CObject::GetSelectedDetailButton() { return selection_result{}; }
void CObject::RespondToDetailButtonClick() {}
sidebar_image CObject::GetSpriteForSidebar() { return sidebar_image{-1, "", -1}; }
selection_result CObject::GetTooltipForSidebar() { return selection_result{}; }
int CObject::GetX() { return Round(x); }
int CObject::GetY() { return Round(y); }
void CObject::GiveResponse(bool) {}
bool CObject::AcceptStardust() { return false; }
bool CObject::AcceptPotion(int) { return false; }

bool CObject::AcceptMoondust()
{
    bool taken = false;
    for (int dose = 0; dose < 5; dose++) {
        if (AcceptStardust()) {
            taken = true;
        }
        // While the tutorial teaches moondust, one moondust is one dose.
        if (CTutorialDialog::IsTutorialComplete(49) &&
            (!CTutorialDialog::IsTutorialComplete(50) || !CTutorialDialog::IsTutorialComplete(51))) {
            break;
        }
    }
    return taken;
}

int CObject::GetDistFrom(int fromX, int fromY)
{
    return Round(GetDist(static_cast<float>(fromX), static_cast<float>(fromY), footX, footY));
}

void CObject::PlayRollover(bool over)
{
    hover = over;
}

void CObject::PlayClick()
{
    CController::PlayClick();
}

CObject* CObject::FindObjectAt(int atX, int atY, bool skipPeople, bool skipExcluded)
{
    CObject* candidate = nullptr;
    int candidateZ = 0;
    for (size_t i = 0; i < objects.size(); i++) {
        CObject* object = objects[i];
        if ((skipPeople && object->isPerson) || (skipExcluded && object->excluded)) {
            continue;
        }
        int z = 0;
        if (!object->IsAtCoords(z, atX, atY)) {
            continue;
        }
        // On equal depth the earlier-registered object stays in front.
        if (!candidate || z > candidateZ) {
            candidate = object;
            candidateZ = z;
        }
    }
    lastObjectZ = candidate ? candidateZ : 0;
    return candidate;
}

void CObject::ClickOn()
{
    if (CObject* object = FindObjectAt(-1, -1, false, true)) {
        object->Clicked();
    }
}

int CObject::DropOn()
{
    CObject* object = FindObjectAt(-1, -1, false, true);
    return object ? object->DroppedOn() : 0;
}

bool CObject::IsStillRegistered(CObject* object, uint64_t objectSerial)
{
    if (std::find(objects.begin(), objects.end(), object) == objects.end()) {
        return false;
    }
    return object->serial == objectSerial;
}

void CObject::MoveObjects(int offsetX, int offsetY, int steps)
{
    if (steps > 1) {
        isSimulating = true;
        rendering = false;
    }
    std::vector<std::pair<CObject*, uint64_t>> pass;
    for (int step = 0; step < steps; step++) {
        // Objects made during the pass wait for the next one.
        pass.clear();
        pass.reserve(objects.size());
        for (CObject* object : objects) {
            pass.emplace_back(object, object->serial);
        }
        const uint64_t removalsBefore = removals;
        for (const auto& entry : pass) {
            // An object deleted directly during the pass is gone from the
            // registry; its pointer must not be touched.
            if (removals != removalsBefore && !IsStillRegistered(entry.first, entry.second)) {
                continue;
            }
            if (!entry.first->deleteMe) {
                entry.first->Pump(offsetX, offsetY, 1);
            }
        }
    }

    for (;;) {
        auto flagged = std::find_if(objects.begin(), objects.end(), [](CObject* o) { return o->deleteMe; });
        if (flagged == objects.end()) {
            break;
        }
        delete *flagged;
    }

    DisplaySelection(offsetX, offsetY);
    CBuilding::HandleBuildingPlacement();
    CFlowerIndicator::HandleFlowerPlacement();
    CTreeIndicator::HandleTreePlacement();
    isSimulating = false;
    rendering = true;

    const coordinate mouse = MousePosition();
    const int mapX = mouse.x - offsetX;
    const int mapY = mouse.y - offsetY;
    if (mapX != lastMouseX || mapY != lastMouseY || CPerson::didRollover) {
        MouseMove();
    }
    lastMouseX = mapX;
    lastMouseY = mapY;

    CProfile* profile = Profile();
    const int ticks = profile->GetValue<int>(kIslandTicksProperty);
    // A long life on one island stops counting rather than wrapping.
    profile->SetValue<int>(kIslandTicksProperty, ticks < INT_MAX ? ticks + 1 : ticks);
}

void CObject::MouseMove()
{
    const bool tombstoneCarried = CControllerGame::island && CControllerGame::island->tombstoneCarried;
    const bool hoverOff = !Profile()->GetValue<bool>(kVisualEffectsProperty) || placingBuilding != -1 ||
                          CFlowerIndicator::placingFlowers != -1 || CTreeIndicator::placingTrees != -1 ||
                          tombstoneCarried;
    const bool overSidebar = CControllerGame::sidebar && CControllerGame::sidebar->IsMouseOver();
    const bool overFlowers = CControllerGame::flowers && CControllerGame::flowers->IsMouseOver();

    CObject* lit = nullptr;
    if (!overSidebar && !overFlowers && !hoverOff) {
        lit = FindObjectAt(-1, -1, false, true);
        if (lit) {
            lit->Rollover(true);
        }
    }
    for (size_t i = 0; i < objects.size(); i++) {
        if (objects[i] != lit) {
            objects[i]->Rollover(false);
        }
    }
}

void CObject::DisplaySelection(int offsetX, int offsetY)
{
    for (CObject* object : objects) {
        if (object->selectionMarker) {
            object->selectionMarker->Hide();
        }
    }
    if (!selectedObject) {
        return;
    }
    if (CSprite* marker = selectedObject->selectionMarker) {
        marker->Move(selectedObject->x + selectedObject->selectionOffsetX + offsetX,
                     selectedObject->y + selectedObject->selectionOffsetY + offsetY);
        marker->UnHide();
    }
    if (selectedObject->isPerson) {
        lastSelectedPerson = selectedObject;
    }
}

bool CObject::PlacingAnything(bool big)
{
    if (!big) {
        return false;
    }
    if (CFlowerIndicator::GetFlowerPlacementType() != -1 || CTreeIndicator::placingTrees != -1 ||
        placingBuilding != -1) {
        return true;
    }
    CControllerGame* game = CControllerGame::game;
    if (!game) {
        return false;
    }
    // The tutorial steps that teach using dust let the view scroll while the
    // dust is held.
    if (game->dustMode == 1 &&
        !(Profile()->GetValue<bool>(kTutorialOnProperty) && CTutorialDialog::nextTutorial == 33)) {
        return true;
    }
    if (game->dustMode == 2 &&
        !(Profile()->GetValue<bool>(kTutorialOnProperty) && CTutorialDialog::nextTutorial == 50)) {
        return true;
    }
    return game->heldPotion != 0;
}

bool CObject::PlacingBuilding()
{
    return placingBuilding != -1;
}

void CObject::UnloadAll()
{
    unloadingAll = true;
    while (!objects.empty()) {
        delete objects.back();
    }
    objects.clear();
    unloadingAll = false;
}

void CObject::UnHideAll()
{
    for (size_t i = 0; i < objects.size(); i++) {
        objects[i]->UnHide();
    }
}

void CObject::HideAll()
{
    for (size_t i = 0; i < objects.size(); i++) {
        objects[i]->Hide();
    }
}
