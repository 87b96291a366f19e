#include "CFarm.h"

#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CPerson.h"
#include "CSprite.h"
#include "Log.h"
#include "Utilities.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kGarden = 12, kGardenVariant = 20;
constexpr int kStyles = 6;
constexpr int kStages = 5;
constexpr int kSpriteZ = 10, kGroundZ = 5;
constexpr int kPointsPerPlot = 36;
constexpr int kRipe = 3, kWilted = 4;
constexpr int kGrowthPerStep = 40, kRipeSum = 75;
constexpr int kWiltFrom = 5000, kGrowthPerWilt = 80;
constexpr int kRotChance = 90;  // rot when a draw over 0..90 gives 0
constexpr int kPicks = 50;
constexpr int kDustGrowth = 3000;
constexpr int kOnePotion = 2, kEveryPotion = 27;
constexpr int kOneToolTipId = 15014, kEveryToolTipId = 15035;
constexpr int kPotionFrames = 270;
constexpr int kBuildTask = 5, kTendTask = 14, kHarvestTask = 15;
constexpr int kPlotLift = 54;

constexpr coordinate kPlotTable[CFarm::PLOTS] = {
    {74, 28},  {56, 50},  {37, 72},   {18, 93},   {0, 115},   {92, 42},  {74, 64},   {55, 86},   {36, 107},
    {18, 129}, {111, 56}, {93, 78},   {74, 100},  {55, 121},  {37, 143}, {130, 71},  {112, 93},  {93, 115},
    {74, 136}, {56, 158}, {149, 82},  {131, 104}, {112, 126}, {93, 147}, {75, 169},
};

// The patch a gardener hoes, from the picture's top-left; closed.
constexpr coordinate kTendArea[5] = {{9, 128}, {109, 10}, {192, 69}, {92, 185}, {9, 128}};

// Flagged: they keep other buildings off the patch but let islanders and
// the ship's hull over it.
constexpr kind_footprint kBoxes[8] = {
    {85, 2, 50, 23},  {70, 25, 120, 25}, {52, 50, 148, 25}, {30, 75, 162, 25},
    {9, 100, 163, 25}, {0, 125, 149, 25}, {14, 150, 112, 25}, {50, 175, 71, 25},
};

constexpr building_look kGardenLook = {
    0, "selector_garden.png", -53, -5, 2812, "sidebar_item_farm.png",
    {}, 0,
    {{9, 173}, {35, 191}, {61, 210}, {95, 230}, {121, 213}, {145, 185}, {181, 151}, {200, 123}}, 8,
    {}, {}, 0, {}, 0,
};

bool OnPreview()
{
    return CControllerGame::island && !CControllerGame::island->playable;
}

void Clamp(int32_t& value, int low, int high, const char* what)
{
    if (value < low || value > high) {
        errorMessage("A saved garden had its value out of range and was corrected: ", what, false, true);
        value = std::clamp<int32_t>(value, low, high);
    }
}

}  // namespace

std::vector<CFarm*> CFarm::farms;

CFarm::CFarm(int atX, int atY) : CBuildingKind(kGardenLook, kGarden, kGardenVariant, atX, atY)
{
    record.kindValues[0] = record.kindValues[1] = record.kindValues[2] = 0;
    InitGarden();
}

CFarm::CFarm(const building_data& saved) : CBuildingKind(kGardenLook, saved)
{
    // A planting above 900 would show plots for ever; the others would let
    // the cycle run past its end.
    Clamp(record.kindValues[0], 0, PLANTED, "planting points");
    Clamp(record.kindValues[1], 0, FULL_GROWTH, "growth");
    Clamp(record.kindValues[2], 0, PLOTS, "removed plots");
    InitGarden();
    ShowPlotsFor(GetPlantingPoints() / kPointsPerPlot);
}

CFarm::~CFarm()
{
    for (CSprite* vegetable : vegetables) {
        delete vegetable;
    }
    farms.erase(std::remove(farms.begin(), farms.end(), this), farms.end());
    for (CPerson* person : CPerson::people) {
        if (person->targetFarm == this) {
            person->targetFarm = nullptr;
        }
    }
}

void CFarm::InitGarden()
{
    isGarden = true;
    CDraw* draw = CSprite::draw;
    // The kind's own picture: one of six styles, every stage alike, private
    // copies because grass is painted into them.
    const int style = RangedRandom(0, kStyles - 1);
    const std::string picture = TempSprintf("farm_style%i_construct0.png", style);
    delete sprite;
    sprite = new CSprite(kSpriteZ);
    for (int stage = 0; stage < kStages; stage++) {
        sprite->LoadImage(draw->LoadImage(picture.c_str(), true, true));
    }
    sprite->Move(x, y, static_cast<float>(kGroundZ));
    sprite->Hide();

    frameSum = 0;
    wilted = 0;
    for (int plot = 0; plot < PLOTS; plot++) {
        CSprite* vegetable = new CSprite(kSpriteZ);
        kinds[plot] = RangedRandom(0, 5);
        vegetable->LoadImage(TempSprintf("veggie_phase1_%i.png", RangedRandom(0, 2)));
        vegetable->LoadImage(TempSprintf("veggie_phase2_%i.png", RangedRandom(0, 2)));
        vegetable->LoadImage(TempSprintf("veggie_phase3_%i.png", RangedRandom(0, 2)));
        vegetable->LoadImage(TempSprintf("veggie_phase4_%i.png", kinds[plot]));
        vegetable->LoadImage(TempSprintf("veggie_phase5_%i.png", kinds[plot]));
        vegetable->Hide();
        vegetables[plot] = vegetable;
        frames[plot] = 0;
        plotOffsets[plot] = {kPlotTable[plot].x, kPlotTable[plot].y - kPlotLift};
    }
    MovePlots(0, 0);
    AddObstructions(false);
    // The kind's first showing painted nothing into the pictures it has now.
    grassPainted = false;
    UnHide();
    farms.push_back(this);
}

void CFarm::MovePlots(int offsetX, int offsetY)
{
    const int left = Round(x), top = Round(y);
    for (int plot = 0; plot < PLOTS; plot++) {
        CSprite* vegetable = vegetables[plot];
        const int plotTop = top + plotOffsets[plot].y;
        vegetable->Move(left + plotOffsets[plot].x + offsetX, plotTop + offsetY,
                        (plotTop + vegetable->GetH()) * 2000);
    }
}

bool CFarm::IsPlotShown(int plot) const
{
    return !vegetables[plot]->Hidden();
}

int CFarm::VisiblePlots() const
{
    int visible = 0;
    for (CSprite* vegetable : vegetables) {
        visible += !vegetable->Hidden();
    }
    return visible;
}

void CFarm::ShowPlotsFor(int visible)
{
    visible = std::min(visible, PLOTS);
    int shown = VisiblePlots();
    while (shown < visible) {
        CSprite* vegetable = vegetables[RangedRandom(0, PLOTS - 1)];
        if (vegetable->Hidden()) {
            vegetable->UnHide();
            shown++;
        }
    }
}

void CFarm::SetPlotFrame(int plot, int frame)
{
    frameSum += frame - frames[plot];
    wilted += (frame == kWilted) - (frames[plot] == kWilted);
    frames[plot] = frame;
    vegetables[plot]->SetFrame(static_cast<unsigned int>(frame));
}

void CFarm::Hide()
{
    sprite->Hide();
    for (CSprite* vegetable : vegetables) {
        vegetable->Hide();
    }
}

void CFarm::UnHide()
{
    sprite->UnHide();
    CMap* island = CControllerGame::island;
    if (grassPainted || !island || !island->playable) {
        return;
    }
    std::vector<coordinate> points;
    for (int i = 0; i < look.grassCount; i++) {
        points.push_back({static_cast<int>(x) + look.grass[i].x, static_cast<int>(y) + look.grass[i].y});
    }
    island->GetGrassOverSprite(sprite, points, -1);
    grassPainted = true;
}

void CFarm::Pump(int offsetX, int offsetY, int)
{
    if (OnPreview()) {
        return;
    }
    GetAnimationFrame();
    if (rendering) {
        sprite->Move(x + static_cast<float>(offsetX), y + static_cast<float>(offsetY), static_cast<float>(kGroundZ));
        MovePlots(offsetX, offsetY);
    }
    if (IsDemolished()) {
        Hide();
        RemoveObstructions(this);
    } else if (IsGrowing()) {
        Grow();
    }
    HandleCompletion();
    if (IsDemolished() && selectedObject == this) {
        selectedObject = nullptr;
    }
}

void CFarm::AddPoints(int n)
{
    int32_t& points = record.kindValues[0];
    points = std::min(PLANTED, points + n);
    ShowPlotsFor(points / kPointsPerPlot);
}

bool CFarm::IsGrowing()
{
    return GetPlantingPoints() >= PLANTED;
}

void CFarm::Grow()
{
    int32_t& growth = record.kindValues[1];
    int32_t& removed = record.kindValues[2];
    growth = std::min(FULL_GROWTH, growth + 1);

    // Every 40 frames one plot moves a stage, until all are ripe; a loaded
    // garden catches up here at once.
    const int ripeTarget = std::min(growth / kGrowthPerStep, kRipeSum);
    while (frameSum < ripeTarget) {
        const int plot = RangedRandom(0, PLOTS - 1);
        if (frames[plot] != kRipe && frames[plot] != kWilted) {
            SetPlotFrame(plot, frames[plot] + 1);
        }
    }
    if (growth >= kWiltFrom) {
        const int wiltTarget = (growth - kWiltFrom) / kGrowthPerWilt;
        while (wilted < wiltTarget) {
            const int plot = RangedRandom(0, PLOTS - 1);
            if (frames[plot] != kWilted) {
                SetPlotFrame(plot, frames[plot] + 1);
            }
        }
    }
    if (wilted == PLOTS && removed < PLOTS && RangedRandom(0, kRotChance) == 0) {
        removed++;
    }
    // Counting the shown plots is the dearest part of a growing frame and
    // only a rotting garden needs it.
    int hidden = removed > 0 ? PLOTS - VisiblePlots() : 0;
    while (hidden < removed) {
        for (int pick = 0; pick < kPicks; pick++) {
            CSprite* vegetable = vegetables[RangedRandom(0, PLOTS - 1)];
            if (!vegetable->Hidden()) {
                vegetable->Hide();
                break;
            }
        }
        hidden++;
    }
    if (removed >= PLOTS) {
        record.kindValues[0] = growth = removed = 0;
        for (int plot = 0; plot < PLOTS; plot++) {
            // The search above gives up after its picks even when a plot is
            // still shown; turning the frames back alone would leave that
            // plot as a seedling in a garden nobody has planted.
            vegetables[plot]->Hide();
            SetPlotFrame(plot, 0);
        }
    }
}

bool CFarm::IsRipe(int plot)
{
    return plot >= 0 && plot < PLOTS && !vegetables[plot]->Hidden() && frames[plot] >= kRipe;
}

bool CFarm::ReadyForHarvest()
{
    for (int plot = 0; plot < PLOTS; plot++) {
        if (IsRipe(plot)) {
            return true;
        }
    }
    return false;
}

int CFarm::GetVegetableCoords(int& atX, int& atY)
{
    for (int pick = 0; pick < kPicks; pick++) {
        const int plot = RangedRandom(0, PLOTS - 1);
        if (!IsRipe(plot)) {
            continue;
        }
        // From the garden's own place, not the sprite's: sprites stand still
        // between rendering frames while the garden is simulated or loaded.
        CSprite* vegetable = vegetables[plot];
        atX = Round(x) + plotOffsets[plot].x + vegetable->GetW() / 2;
        atY = Round(y) + plotOffsets[plot].y + vegetable->GetH();
        return plot;
    }
    atX = atY = -1;
    return -1;
}

void CFarm::RemoveVegetable(int plot)
{
    if (plot < 0 || plot >= PLOTS || vegetables[plot]->Hidden()) {
        return;
    }
    vegetables[plot]->Hide();
    record.kindValues[2]++;
}

int CFarm::GetVeggieType(int plot)
{
    constexpr int kItems[6] = {3, 3, 5, 5, 4, 4};
    return plot < 0 || plot >= PLOTS ? kItems[0] : kItems[kinds[plot]];
}

int CFarm::DroppedOn()
{
    if (IsBeingDemolished() && !IsDemolished()) {
        return kBuildTask;
    }
    if (!IsComplete() && !IsDemolished()) {
        return kBuildTask;
    }
    return ReadyForHarvest() ? kHarvestTask : kTendTask;
}

bool CFarm::AcceptStardust()
{
    record.kindValues[2] = 0;
    for (int plot = 0; plot < PLOTS; plot++) {
        vegetables[plot]->Hide();
        SetPlotFrame(plot, 0);
    }
    record.kindValues[0] = PLANTED;
    ShowPlotsFor(PLOTS);
    record.kindValues[1] = kDustGrowth;
    return true;
}

bool CFarm::AcceptMoondust()
{
    return false;
}

bool CFarm::AcceptPotion(int potion)
{
    if (potion == kOnePotion) {
        ShowToolTip(kOneToolTipId, kPotionFrames);
        AcceptStardust();
        return true;
    }
    if (potion == kEveryPotion) {
        ShowToolTip(kEveryToolTipId, kPotionFrames);
        for (CFarm* farm : farms) {
            farm->AcceptStardust();
        }
        return true;
    }
    return false;
}

selection_result CFarm::GetSelectedTopDetail()
{
    return selection_result{};
}

void CFarm::AddObstructions(bool)
{
    RemoveObstructions(this);
    const int left = static_cast<int>(x), top = static_cast<int>(y);
    for (const kind_footprint& box : kBoxes) {
        AddObstruction(left + box.x, top + box.y, box.w, box.h, this, true);
    }
}

int CFarm::GetStandLocation(int& atX, int& atY, int& dir)
{
    // Nobody builds a garden; a point at its left or right edge will do.
    const int side = RangedRandom(1, 2);
    atX = Round(x) + (side == 1 ? -20 : sprite->GetW() + 20);
    atY = Round(y) + sprite->GetH() / 2;
    dir = side;
    return side - 1;
}

CFarm* CFarm::FindWorkCoords(int& atX, int& atY, int& dir, bool underMouse)
{
    atX = atY = -1;
    dir = 0;
    if (farms.empty()) {
        return nullptr;
    }
    CFarm* farm = nullptr;
    if (underMouse) {
        for (CFarm* each : farms) {
            int z = 0;
            if (each->IsAtCoords(z, -1, -1) && each->GetPlantingPoints() < PLANTED) {
                farm = each;
                break;
            }
        }
    } else {
        const int n = static_cast<int>(farms.size());
        for (int pick = 0; pick < n && !farm; pick++) {
            CFarm* each = farms[RangedRandom(0, n - 1)];
            if (each->GetPlantingPoints() < PLANTED && each->IsComplete() && !each->IsBeingDemolished()) {
                farm = each;
            }
        }
    }
    if (!farm) {
        return nullptr;
    }
    coordinate point{};
    do {
        point.x = RangedRandom(0, 199);
        point.y = RangedRandom(0, 199);
    } while (!PointInPoly(point, kTendArea, 4));
    const int px = Round(farm->x) + point.x, py = Round(farm->y) + point.y;
    if (RangedRandom(0, 1) == 1) {
        atX = px + 37;
        atY = py - 24;
        dir = 2;
    } else {
        atX = px - 48;
        atY = py - 25;
        dir = 1;
    }
    return farm;
}

CFarm* CFarm::FindHarvestCoords(int& atX, int& atY, int& plot, bool underMouse)
{
    atX = atY = plot = -1;
    if (farms.empty()) {
        return nullptr;
    }
    CFarm* farm = nullptr;
    if (underMouse) {
        for (CFarm* each : farms) {
            int z = 0;
            if (each->IsAtCoords(z, -1, -1) && each->ReadyForHarvest()) {
                farm = each;
                break;
            }
        }
    } else {
        const int n = static_cast<int>(farms.size());
        for (int pick = 0; pick < n && !farm; pick++) {
            CFarm* each = farms[RangedRandom(0, n - 1)];
            if (each->ReadyForHarvest() && each->IsComplete() && !each->IsBeingDemolished()) {
                farm = each;
            }
        }
    }
    if (!farm) {
        return nullptr;
    }
    int vx = -1, vy = -1;
    const int found = farm->GetVegetableCoords(vx, vy);
    if (vx == -1 && vy == -1) {
        return nullptr;
    }
    plot = found;
    atX = vx - 5;
    atY = vy - 25;
    return farm;
}

bool CFarm::PlacementCollision()
{
    if (placingBuilding < 0 || placingBuilding >= VARIANTS || !sBuildingGhost[placingBuilding]) {
        return false;
    }
    CSprite* ghost = sBuildingGhost[placingBuilding];
    CMap* island = CControllerGame::island;
    const int left = CMouseCursor::GetMouseX() - (island ? island->offsetX : 0) - ghost->GetW() / 2;
    const int top = CMouseCursor::GetMouseY() - (island ? island->offsetY : 0) - ghost->GetH() / 2;
    for (const kind_footprint& box : kBoxes) {
        if (Collision(left + box.x, top + box.y, box.w, box.h, true)) {
            return true;
        }
    }
    return false;
}
