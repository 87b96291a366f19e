#include "CTombstone.h"

#include "CControllerGame.h"
#include "CDraw.h"
#include "CInput.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRepairTally.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "Log.h"
#include "Utilities.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kGravesProperty = 30;
constexpr int kTutorialsOnProperty = 67;
constexpr int kVariants = 6;
constexpr int kDragDepth = 8194000;
// A grave kept as a record only, while nothing is drawn, measures as the
// stones' pictures do.
constexpr int kRecordStoneW = 40, kRecordStoneH = 52;
constexpr int kPlacementTries = 100000;
constexpr int kWalkStep = 5;
constexpr int kWorldFirst = 1, kWorldLast = 3904;
constexpr size_t kMaxGraves = 10000;
constexpr int kMaxGraveAge = 1000;  // years; the oldest islander the game makes is 969
constexpr float kStartClearance = 200.0f;
constexpr int kWaterKinds[] = {128, 64, 32};  // shallow, middle, deep
constexpr int kGrassMask = 0x200;
constexpr float kLitFactor = 1.5f;
constexpr int kRefusedTip = 15008;
constexpr int kEpitaph = 12018, kEpitaphWithoutSpecialty = 12019;
constexpr int kGraveStep = 77, kAfterGraveStep = 78, kNeededStep = 72;

// Two points of the stone's foot where grass grows over it, and where its
// shadow falls, by variant.
constexpr coordinate kGrassPoints[kVariants][2] = {
    {{1, 64}, {28, 76}}, {{6, 76}, {33, 66}}, {{8, 82}, {38, 72}},
    {{2, 72}, {32, 82}}, {{2, 72}, {30, 76}}, {{7, 77}, {33, 73}},
};
constexpr coordinate kShadowOffsets[kVariants] = {{-2, 28}, {-2, 30}, {0, 36}, {-1, 33}, {-1, 33}, {-2, 34}};

std::string TextOf(const char (&field)[32])
{
    return std::string(field, strnlen(field, sizeof(field)));
}

void CopyText(char (&field)[32], const std::string& text)
{
    snprintf(field, sizeof(field), "%s", text.c_str());
}

}  // namespace

std::vector<CTombstone*> CTombstone::tombstones;

CTombstone::CTombstone(int atX, int atY, const std::string& graveName, const std::string& rank,
                       const std::string& specialty, const std::string& cause, int years, int stone, bool loading)
    : variant(stone == -1 ? RangedRandom(0, kVariants - 1) : stone), name(graveName), specialtyText(specialty),
      rankText(rank), causeText(cause), age(years)
{
    if (CSprite::draw) {
        dragSprite = new CSprite(kDragDepth);
        dragSprite->LoadImage(TempSprintf("tombstone%i.png", variant));
        dragSprite->LoadImage(CSprite::draw->LoadImage(TempSprintf("tombstone%i.png", variant), true, false));
        dragSprite->SetRGBA(1.0f, 0.2f, 0.2f, 1.0f, 1);
        dragSprite->Hide();
    }
    MoveTo(atX, atY, true, loading);
    tombstones.push_back(this);

    CControllerGame* game = CControllerGame::game;
    if (game && game->pendingTutorial == -1 && CProfile::current->GetValue<bool>(kTutorialsOnProperty) &&
        !CTutorialDialog::IsTutorialComplete(kGraveStep) && CPerson::NumPeople() > 0) {
        game->pendingTutorial = kGraveStep;
    }
}

CTombstone::~CTombstone()
{
    delete dragSprite;
    delete stoneSprite;
    delete shadowSprite;
    tombstones.erase(std::remove(tombstones.begin(), tombstones.end(), this), tombstones.end());
}

int CTombstone::StoneW()
{
    return dragSprite ? dragSprite->GetW() : kRecordStoneW;
}

int CTombstone::StoneH()
{
    return dragSprite ? dragSprite->GetH() : kRecordStoneH;
}

coordinate CTombstone::FootPoint()
{
    return coordinate{Round(x + StoneW() / 2), Round(y + StoneH())};
}

bool CTombstone::CanPlaceAt(int atX, int atY)
{
    if (atX < kWorldFirst || atX > kWorldLast || atY < kWorldFirst || atY > kWorldLast) {
        return false;
    }
    // Callers store the candidate first: the rest measures the stored place.
    // Without an island only the obstructions can be asked.
    if (CMap* island = CControllerGame::island) {
        const coordinate foot = FootPoint();
        // A tile of any water refuses, whatever depth it holds.
        for (int water : kWaterKinds) {
            if (island->TileContainsTerrain_coords(foot.x, foot.y, water, true)) {
                return false;
            }
        }
        if (island->GetDistanceFromStartLocation(Round(x - 5), Round(y - 20)) < kStartClearance) {
            return false;
        }
    }
    return !Collision(Round(x - 5), Round(y - 20), StoneW() + 10, StoneH() + 40, true);
}

bool CTombstone::MoveTo(int atX, int atY, bool search, bool loading)
{
    if (removed) {
        return false;
    }
    x = static_cast<float>(atX);
    y = static_cast<float>(atY);
    if (!loading) {
        for (int tries = 0; tries < kPlacementTries && !CanPlaceAt(Round(x), Round(y)); tries++) {
            if (!search) {
                return false;
            }
            // Kept on the island however long the walk, so a grave that finds
            // no free spot still lies where the player can reach it.
            x = static_cast<float>(std::clamp(Round(x) + RangedRandom(-kWalkStep, kWalkStep), kWorldFirst, kWorldLast));
            y = static_cast<float>(std::clamp(Round(y) + RangedRandom(-kWalkStep, kWalkStep), kWorldFirst, kWorldLast));
        }
    }
    footX = x;
    footY = y;
    previousX = x;
    previousY = y;
    RemoveObstructions(this);
    AddObstruction(Round(x - 5), Round(y + 30), StoneW() + 10, StoneH() - 25, this, false);
    if (!CSprite::draw) {
        return true;
    }

    delete stoneSprite;
    delete shadowSprite;
    stoneSprite = new CSprite(0);
    stoneSprite->LoadImage(CSprite::draw->LoadImage(TempSprintf("tombstone%i.png", variant), true, true));
    stoneSprite->ShouldDirty(true);
    stoneSprite->Move(Round(x), Round(y));
    shadowSprite = new CSprite(0);
    shadowSprite->LoadImage(TempSprintf("tombstone%i_shad.png", variant));
    shadowSprite->ShouldDirty(true);
    shadowSprite->Move(-100, -100);
    grassPainted = false;
    if (hidden) {
        stoneSprite->Hide();
        shadowSprite->Hide();
    }

    grassOver = grassTested = false;
    CMap* island = CControllerGame::island;
    if (island && island->playable) {
        grassTested = true;
        const coordinate foot = FootPoint();
        grassOver = island->TileContainsTerrain_coords(foot.x, foot.y, kGrassMask, true);
    }
    DrawGrass();
    return true;
}

void CTombstone::DrawGrass()
{
    CMap* island = CControllerGame::island;
    const bool playable = island && island->playable;
    if (!grassTested) {
        grassOver = false;
        if (playable) {
            grassTested = true;
            const coordinate foot = FootPoint();
            grassOver = island->TileContainsTerrain_coords(foot.x, foot.y, kGrassMask, true);
        }
    }
    if (!grassOver || !stoneSprite) {
        return;
    }
    shadowSprite->Hide();
    if (playable) {
        std::vector<coordinate> points;
        for (const coordinate& point : kGrassPoints[variant]) {
            points.push_back(coordinate{Round(x) + point.x, Round(y) + point.y});
        }
        island->GetGrassOverSprite(stoneSprite, points, -1);
        grassPainted = true;
    }
}

void CTombstone::HideAll()
{
    if (!stoneSprite) {
        return;
    }
    dragSprite->Hide();
    stoneSprite->Hide();
    shadowSprite->Hide();
}

void CTombstone::Hide()
{
    hidden = true;
    if (!stoneSprite) {
        return;
    }
    stoneSprite->Hide();
    shadowSprite->Hide();
}

void CTombstone::UnHide()
{
    hidden = false;
    if (removed || !stoneSprite) {
        return;
    }
    stoneSprite->UnHide();
    shadowSprite->UnHide();
    if (!grassPainted) {
        DrawGrass();
    }
    if (grassOver) {
        shadowSprite->Hide();
    }
}

bool CTombstone::Hidden()
{
    return stoneSprite ? stoneSprite->Hidden() : hidden || removed;
}

void CTombstone::Pump(int offsetX, int offsetY, int)
{
    if (removed || !stoneSprite) {
        return;
    }
    if (held) {
        const int w = dragSprite->GetW(), h = dragSprite->GetH();
        x = static_cast<float>(CMouseCursor::GetMouseX() - offsetX - w / 2);
        y = static_cast<float>(CMouseCursor::GetMouseY() - offsetY - h / 2);
        dragSprite->Move(offsetX + Round(x), offsetY + Round(y));
        if (CanPlaceAt(Round(x), Round(y))) {
            dragSprite->SetFrame(0);
        } else {
            dragSprite->SetFrame(1);
            CControllerGame::SetToolTipMessage(selection_result{kRefusedTip, 0, nullptr, nullptr, 0, 0}, 3);
        }
        dragSprite->UnHide();
        stoneSprite->Hide();
        shadowSprite->Hide();
    } else {
        const int z = (Round(y) + stoneSprite->GetH()) * 2000;
        stoneSprite->Move(offsetX + Round(x), offsetY + Round(y), z);
        const coordinate shadow = kShadowOffsets[variant];
        shadowSprite->Move(offsetX + Round(x) + shadow.x, offsetY + Round(y) + shadow.y, z - 1);
        dragSprite->Hide();
        // A grave the world has put away stays away until it is shown again.
        if (!hidden) {
            stoneSprite->UnHide();
            if (grassOver) {
                shadowSprite->Hide();
            } else {
                shadowSprite->UnHide();
            }
        }
    }

    if (!CController::input || !CController::input->leftDown) {
        clickBlocked = false;
    }
    CControllerGame* game = CControllerGame::game;
    const bool holding = game && (game->dustMode == 1 || game->dustMode == 2 || game->heldPotion != 0);
    const bool carrying = CControllerGame::island && CControllerGame::island->personCarried;
    if (holding || PlacingAnything(true) || carrying) {
        clickBlocked = true;
    }
}

bool CTombstone::IsAtCoords(int& z, int atX, int atY)
{
    if (removed || !stoneSprite) {
        return false;
    }
    if (atX != -1 || atY != -1) {
        CMap* island = CControllerGame::island;
        atX += island ? island->offsetX : 0;
        atY += island ? island->offsetY : 0;
    }
    if (!stoneSprite->IsCollisionPixelPerfect(atX, atY)) {
        return false;
    }
    z = stoneSprite->GetZ();
    return true;
}

void CTombstone::Clicked() {}

void CTombstone::Rollover(bool over)
{
    if (stoneSprite) {
        stoneSprite->Lighten(over, kLitFactor);
    }
}

int CTombstone::GetVariant()
{
    return variant;
}

CTombstone* CTombstone::FindPickup(int atX, int atY)
{
    for (CTombstone* grave : tombstones) {
        int z = 0;
        if (grave->IsAtCoords(z, atX, atY)) {
            return grave;
        }
    }
    return nullptr;
}

void CTombstone::Pickup()
{
    if (held) {
        return;
    }
    if (CPerson::sndGrab) {
        CPerson::sndGrab->Play(false, 0, 0.0f, false);
    }
    RemoveObstructions(this);
    held = true;
}

void CTombstone::Drop()
{
    if (held) {
        held = false;
        if (MoveTo(Round(x), Round(y), false, false)) {
            if (CPerson::sndDrop) {
                CPerson::sndDrop->Play(false, 0, 0.0f, false);
            }
        } else {
            CController::PlayDisallowed();
            MoveTo(Round(previousX), Round(previousY), false, true);
        }
        return;
    }
    if (clickBlocked || removed) {
        return;
    }
    if (CTutorialDialog::IsTutorialComplete(kNeededStep)) {
        CTutorialDialog::CompleteTutorial(kGraveStep);
        if (CControllerGame* game = CControllerGame::game) {
            if (!CTutorialDialog::IsTutorialComplete(kAfterGraveStep)) {
                game->pendingTutorial = kAfterGraveStep;
            }
            delete game->stepCircle;
            game->stepCircle = nullptr;
        }
    }
    CController::PlayClick();
    requestingFeedback = this;
    requestingFeedbackData = feedback_data{};
    const bool specialty = !specialtyText.empty();
    requestingFeedbackData.id = specialty ? kEpitaph : kEpitaphWithoutSpecialty;
    requestingFeedbackData.insert[0] = name;
    if (specialty) {
        requestingFeedbackData.insert[1] = rankText;
        requestingFeedbackData.insert[2] = specialtyText;
    }
    requestingFeedbackData.insert[3] = causeText;
    requestingFeedbackData.number = age;
}

void CTombstone::GiveResponse(bool yes)
{
    if (yes) {
        removed = true;
        HideAll();
        RemoveObstructions(this);
    }
    if (requestingFeedback == this) {
        requestingFeedback = nullptr;
    }
}

void CTombstone::Save()
{
    std::vector<tombstone_data> saved;
    for (CTombstone* grave : tombstones) {
        if (grave->removed) {
            continue;
        }
        tombstone_data out;
        memset(&out, 0, sizeof(out));
        out.x = grave->x;
        out.y = grave->y;
        out.variant = grave->variant;
        CopyText(out.name, grave->name);
        CopyText(out.specialty, grave->specialtyText);
        CopyText(out.rank, grave->rankText);
        CopyText(out.cause, grave->causeText);
        out.age = grave->age;
        saved.push_back(out);
    }
    CProfile::current->SetVectorValue<tombstone_data>(kGravesProperty, saved);
}

size_t CTombstone::Load()
{
    while (!tombstones.empty()) {
        delete tombstones.back();
    }
    CRepairTally tally("Saved graves");
    std::vector<tombstone_data> records = CProfile::current->GetVectorValue<tombstone_data>(kGravesProperty);
    const size_t stored = records.size();
    tally.Cap(records, kMaxGraves, "graves past the most an island has room for were left out");
    size_t kept = 0;
    for (const tombstone_data& saved : records) {
        if (!std::isfinite(saved.x) || !std::isfinite(saved.y)) {
            tally.Note("a grave without a usable position was left out");
            continue;
        }
        // Only the island's bounds: a search for a free spot would draw
        // random numbers while the island loads.
        const int x = Round(std::clamp(saved.x, static_cast<float>(kWorldFirst), static_cast<float>(kWorldLast)));
        const int y = Round(std::clamp(saved.y, static_cast<float>(kWorldFirst), static_cast<float>(kWorldLast)));
        tally.Note(saved.x < kWorldFirst || saved.x > kWorldLast || saved.y < kWorldFirst || saved.y > kWorldLast,
                   "a grave off the island was brought to its edge");
        const int stone = saved.variant >= 0 && saved.variant < kVariants ? saved.variant : 0;
        tally.Note(stone != saved.variant, "a stone that does not exist became the first one");
        const int age = std::clamp(saved.age, 0, kMaxGraveAge);
        tally.Note(age != saved.age, "an age past what the game makes was cut");
        new CTombstone(x, y, TextOf(saved.name), TextOf(saved.rank), TextOf(saved.specialty), TextOf(saved.cause), age,
                       stone, true);
        kept++;
    }
    return stored - kept;
}
