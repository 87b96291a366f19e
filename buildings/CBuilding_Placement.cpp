#include "CBuilding.h"

#include "BuildingClasses.h"
#include "CController.h"
#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CResources.h"
#include "CSidebar.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kGhostZ = 10000000;
constexpr int kFinished = 4;
constexpr int kRoofTop = 41, kRoofLeft = 14;
constexpr int kPileMarginX = 86, kPileMarginY = 62;
constexpr int kPiles[3] = {2, 0, 1};  // food, wood, rock: the order they are tested in
constexpr int kGrass = 16, kHoldsSand = 0x100;
constexpr int kBadGroundId = 10500;
constexpr int kNearPileId = 10501;
constexpr int kInTheWayId = 10502;
constexpr int kToolTipFrames = 3;
constexpr int kPlacedProperty = 60;

struct variant_pictures {
    const char* finished;  // stage 4
    const char* building;  // stages 0 to 3, "%i" the stage
};

constexpr variant_pictures kSmallHut = {"hut_style0_construct4.png", "hut_style0_construct%i.png"};
constexpr variant_pictures kLargeHut = {"hut_style1_construct4.png", "hut_style0_construct%i.png"};

// By variant 0..22.
constexpr variant_pictures kPictures[CBuilding::VARIANTS] = {
    kSmallHut,
    kLargeHut,
    {"storehouse_food_style0_construct4.png", "storehouse_food_style0_construct%i.png"},
    {"storehouse_rock_style0_construct4.png", "storehouse_rock_style0_construct%i.png"},
    {"storehouse_wood_style0_construct4.png", "storehouse_wood_style0_construct%i.png"},
    {"observatory_style0_construct4.png", "observatory_style0_construct%i.png"},
    {"craftworks_style0_construct4.png", "craftworks_style0_construct%i.png"},
    {"science_style0_construct4.png", "science_style0_construct%i.png"},
    {"shipyard_style0_construct4.png", "shipyard_style0_construct%i.png"},
    {"fireplace_style0_construct0.png", "fireplace_style0_construct0.png"},
    {"wonderA_style0_construct4.png", "wonderA_style0_construct%i.png"},
    {"wonderB_style0_construct4.png", "wonderB_style0_construct%i.png"},
    kSmallHut, kLargeHut, kSmallHut, kLargeHut, kSmallHut, kLargeHut, kSmallHut, kLargeHut,
    {"farm_style0_construct0.png", "farm_style0_construct0.png"},
    {"boat_right1.png", "boat_right0.png"},
    {"boat_left1.png", "boat_left0.png"},
};

constexpr const char* kRoofs[4] = {"hut_roof_style0.png", "hut_roof_style1.png", "hut_roof_style2.png",
                                   "hut_roof_style3.png"};

bool IsRoofedHut(int variant)
{
    return static_cast<unsigned int>(variant - 12) <= 7u;
}

bool IsHut(int variant)
{
    return variant == 0 || variant == 1 || IsRoofedHut(variant);
}

// The shipyard, the wonders and the ship judge their ground themselves.
bool JudgesOwnGround(int variant)
{
    return variant == 8 || variant == 10 || variant == 11 || variant == 21 || variant == 22;
}

// The shipyard and the ship say why themselves.
bool GivesOwnReason(int variant)
{
    return variant == 8 || variant == 21 || variant == 22;
}

bool BadGround(CMap* island, int atX, int atY)
{
    const coordinate points[5] = {{atX, atY}, {atX + 64, atY}, {atX - 64, atY}, {atX, atY + 64}, {atX, atY - 32}};
    for (const coordinate& p : points) {
        if (!island->TileContainsTerrain_coords(p.x, p.y, kGrass, true) ||
            island->TileContainsTerrain_coords(p.x, p.y, kHoldsSand, true)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool CBuilding::placementFailed = false;
CSprite* CBuilding::sBuildingGhost[CBuilding::VARIANTS] = {};
CSound* CBuilding::sndPlace = nullptr;
selection_result CBuilding::toolTip = {};
int CBuilding::toolTipFrames = 0;

std::string CBuilding::GetBuildingFilename(int variant, int stage)
{
    if (variant < 0 || variant >= VARIANTS) {
        return "COULD NOT FIND FILENAME FOR GIVEN BUILDING VARIANT.";
    }
    const std::string pattern = stage == kFinished ? kPictures[variant].finished : kPictures[variant].building;
    const size_t marker = pattern.find("%i");
    if (marker == std::string::npos) {
        return pattern;
    }
    return pattern.substr(0, marker) + std::to_string(stage) + pattern.substr(marker + 2);
}

std::vector<int> CBuilding::HoldPictures(const std::vector<int>& variants, bool finishedOnly)
{
    std::set<std::string> names;
    for (int variant : variants) {
        for (int stage = finishedOnly ? kFinished : 0; stage <= kFinished; stage++) {
            names.insert(GetBuildingFilename(variant, stage));
        }
    }
    std::vector<int> images;
    for (const std::string& name : names) {
        images.push_back(CSprite::draw->LoadImage(name.c_str(), false, true));
    }
    return images;
}

void CBuilding::ReleasePictures(const std::vector<int>& images)
{
    for (int image : images) {
        CSprite::draw->RemoveImage(image);
    }
}

void CBuilding::InitSprites()
{
    // Made again, the ghosts replace the old ones rather than leak them.
    DeleteSprites();
    CDraw* draw = CSprite::draw;
    std::vector<int> everyVariant;
    for (int variant = 0; variant < VARIANTS; variant++) {
        everyVariant.push_back(variant);
    }
    const std::vector<int> held = HoldPictures(everyVariant, true);
    for (int variant = 0; variant < VARIANTS; variant++) {
        CSprite* ghost = new CSprite(kGhostZ);
        const std::string name = GetBuildingFilename(variant, kFinished);
        if (IsRoofedHut(variant)) {
            // The roof over the finished hut, as it stands.
            const int hut = draw->LoadImage(name.c_str(), true, true);
            const int roof = draw->LoadImage(kRoofs[(variant - 12) / 2], true, true);
            const int both = draw->CreateSizedBlank(draw->GetW(roof), draw->GetH(hut) + kRoofTop, roof);
            draw->CompositeImageOnImage(hut, both, kRoofLeft, kRoofTop, false);
            draw->CompositeImageOnImage(roof, both, 0, 0, false);
            draw->RemoveImage(hut);
            draw->RemoveImage(roof);
            ghost->LoadImage(both);
            ghost->LoadImage(draw->CopyImage(both));
        } else {
            ghost->LoadImage(draw->LoadImage(name.c_str(), true, true));
            ghost->LoadImage(draw->LoadImage(name.c_str(), true, true));
        }
        ghost->Hide();
        ghost->SetRGBA(1.0f, 1.0f, 1.0f, IsHut(variant) ? 0.7f : 0.6f, 0);
        ghost->SetRGBA(1.0f, 0.2f, 0.2f, 0.7f, 1);
        sBuildingGhost[variant] = ghost;
    }
    ReleasePictures(held);
    sndPlace = new CSound("building_place.ogg", false, 0.5f, false);
}

void CBuilding::DeleteSprites()
{
    for (CSprite*& ghost : sBuildingGhost) {
        delete ghost;
        ghost = nullptr;
    }
    delete sndPlace;
    sndPlace = nullptr;
}

int CBuilding::HoverBuilding(int variant)
{
    placingBuilding = variant == placingBuilding ? -1 : variant;
    return variant;
}

void CBuilding::ShowToolTip(int stringId, int frames)
{
    toolTip = selection_result{stringId, 0, nullptr, nullptr, 0, 0};
    toolTipFrames = frames;
    CControllerGame::SetToolTipMessage(toolTip, frames);
}

void CBuilding::HandleBuildingPlacement()
{
    CMap* island = CControllerGame::island;
    if (!island) {
        return;
    }
    for (CSprite* ghost : sBuildingGhost) {
        if (ghost) {
            ghost->Hide();
        }
    }
    const int variant = placingBuilding;
    const int type = TypeOfVariant(variant);
    if (type == 0 || !sBuildingGhost[variant]) {
        return;
    }
    CSprite* ghost = sBuildingGhost[variant];
    const int mouseX = CMouseCursor::GetMouseX(), mouseY = CMouseCursor::GetMouseY();
    ghost->Move(mouseX - ghost->GetW() / 2, mouseY - ghost->GetH() / 2);
    ghost->UnHide();
    ghost->SetFrame(0);

    bool nearPile = false;
    CResources* stock = CControllerGame::Resources();
    for (int pile : kPiles) {
        nearPile = nearPile || ghost->IsCollision(stock->GetPileX(pile) + island->offsetX,
                                                  stock->GetPileY(pile) + island->offsetY, kPileMarginX,
                                                  kPileMarginY);
    }
    const bool inTheWay = ClassOfType(type).placementCollision();
    // The ship's test may turn the ghost round: the turned ghost is the one
    // a click reads.
    ghost = sBuildingGhost[placingBuilding];
    const bool badGround =
        !JudgesOwnGround(variant) && BadGround(island, mouseX - island->offsetX, mouseY - island->offsetY);
    if (!nearPile && !inTheWay && !badGround) {
        return;
    }
    ghost->SetFrame(1);
    if (!GivesOwnReason(variant)) {
        ShowToolTip(badGround ? kBadGroundId : inTheWay ? kInTheWayId : kNearPileId, kToolTipFrames);
    }
}

void CBuilding::MouseClick()
{
    const int variant = placingBuilding;
    const int type = TypeOfVariant(variant);
    if (type == 0) {
        placingBuilding = -1;
        return;
    }
    CSprite* ghost = sBuildingGhost[variant];
    if (ghost && ghost->GetFrame() == 1) {
        CController::PlayDisallowed();
        placementFailed = true;
        return;
    }
    if (CControllerGame::sidebar && CControllerGame::sidebar->IsMouseOver()) {
        CController::PlayDisallowed();
        return;
    }
    CMap* island = CControllerGame::island;
    int atX = CMouseCursor::GetMouseX() - (island ? island->offsetX : 0);
    int atY = CMouseCursor::GetMouseY() - (island ? island->offsetY : 0);
    if (IsHut(variant) && CTutorialDialog::IsTutorialComplete(25)) {
        CTutorialDialog::CompleteTutorial(26);
    }
    if (variant == 7 && CTutorialDialog::IsTutorialComplete(42)) {
        CTutorialDialog::CompleteTutorial(43);
    }
    if (IsRoofedHut(variant)) {
        // The hut's own centre, below the roof.
        atX -= 3;
        atY += 21;
    }
    ClassOfType(type).place(atX, atY, variant);
    CProfile* profile = CProfile::current;
    profile->SetValue<int>(kPlacedProperty, SaturatingAdd(profile->GetValue<int>(kPlacedProperty), 1));
    if (sndPlace) {
        sndPlace->Play(false, 0, 0.0f, false);
    }
    placingBuilding = -1;
}
