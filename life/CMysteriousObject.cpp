#include "CMysteriousObject.h"

#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CProfile.h"
#include "CSprite.h"
#include "Finds.h"
#include "Utilities.h"

#include <cassert>
#include <cstdio>

namespace {

constexpr int kProgressProperty = 40;
constexpr int kSelectionMarkerZ = 30;
constexpr int kPatternSolvedNotice = 26303;
// The flower mystery's flowers lie under everything on the island.
constexpr int kFlowerLayerZ = 2;
constexpr float kLightenFactor = 1.5f;
// How far the rising layer of mysteries 6 and 7 has still to go per unit of
// dust charge.
constexpr float kRisePerCharge = 0.03996004f;

struct mystery_look {
    bool onSand;
    bool twoStages;
    int firstStageBit;  // 0 for one-stage mysteries
    const char* layer0;
    int layer0X, layer0Y;
    const char* layer1;
    int layer1Height;  // layer 1 rises out of the ground, cut to this height
    const char* layer2;
    const char* shadow;
    int shadowX, shadowY;
    const char* marker;
    int markerX, markerY;
    int blockX, blockY, blockW, blockH;  // obstruction, from the top-left
    int foot;                            // foot line, above the picture's bottom
};

constexpr const char* kSmallMarker = "selector_myst0-2-5-6-7.png";
constexpr const char* kTallMarker = "selector_myst1-4.png";

constexpr mystery_look kLooks[8] = {
    {true, true, 1024, nullptr, 0, 0, nullptr, 0, nullptr, "mysterious_0_shadow.png", 16, 103, kSmallMarker, -34, 53,
     3, 50, 122, 87, 40},
    {false, true, 4096, "mysterious_1_0.png", 0, 0, nullptr, 0, nullptr, nullptr, 0, 0, kTallMarker, -40, 6, 10, 45,
     120, 70, 55},
    {false, false, 0, "mysterious_2_flowers.png", -35, 83, nullptr, 0, nullptr, nullptr, 0, 0, kSmallMarker, -24, 94,
     20, 103, 116, 87, 55},
    {false, true, 2048, nullptr, 0, 0, nullptr, 0, nullptr, nullptr, 0, 0, "selector_myst3.png", -21, 56, 7, 48, 153,
     140, 80},
    {false, true, 8192, "mysterious_4_sapling.png", 50, 15, nullptr, 0, nullptr, nullptr, 0, 0, kTallMarker, -40, 1,
     10, 10, 119, 106, 70},
    {true, false, 0, nullptr, 0, 0, nullptr, 0, nullptr, nullptr, 0, 0, kSmallMarker, -24, 68, 8, 84, 135, 67, 60},
    {true, true, 256, "mysterious_6_0.png", 0, 0, "mysterious_6_1.png", 95, "mysterious_6_2.png",
     "mysterious_6_shadow.png", 2, 88, kSmallMarker, -43, 65, 2, 86, 110, 69, 45},
    {true, true, 512, "mysterious_7_0.png", 0, 0, "mysterious_7_1.png", 115, "mysterious_7_2.png",
     "mysterious_7_shadow.png", 1, 113, kSmallMarker, -44, 86, 3, 104, 107, 67, 50},
};

// Where grass grows over the foot of mysteries 2, 3 and 4, from the top-left.
constexpr int kNoPoint = -10000;
constexpr coordinate kGrassPoints[3][6] = {
    {{0, 177}, {33, 210}, {99, 210}, {130, 184}, {kNoPoint, 0}, {kNoPoint, 0}},
    {{0, 182}, {28, 210}, {68, 217}, {116, 217}, {165, 204}, {176, 179}},
    {{4, 118}, {35, 145}, {99, 215}, {133, 122}, {kNoPoint, 0}, {kNoPoint, 0}},
};

// Mystery 4 grows a sapling in its first stage, which blocks less ground.
constexpr int kSaplingX = 50, kSaplingY = 15;
constexpr int kSaplingBlockX = 40, kSaplingBlockY = 25, kSaplingBlockW = 50, kSaplingBlockH = 60;


CSprite* HiddenSprite(int z, const char* image)
{
    CSprite* sprite = new CSprite(z);
    sprite->LoadImage(image);
    sprite->Hide();
    return sprite;
}

void ShowIf(CSprite* sprite, bool shown)
{
    if (shown) {
        sprite->UnHide();
    }
}

}  // namespace

CMysteriousObject* CMysteriousObject::mysteriousFlower = nullptr;

CMysteriousObject::CMysteriousObject(int footX, int footY, int mysteryNumber)
    : patchPlaced(false),
      dustCharge(0),
      number(mysteryNumber),
      mainSprite(nullptr),
      layers{nullptr, nullptr, nullptr},
      shadow(nullptr),
      spriteName{},
      grassPainted(false),
      solved(false)
{
    assert(number >= 0 && number < 8);
    const mystery_look& look = kLooks[number];
    solved = CheckVar(1 << number);
    if (number == 2) {
        // No flower patch is planted beside the flower mystery: its own
        // pattern needs the ground.
        patchPlaced = true;
        mysteriousFlower = this;
    }

    // A private copy: grass is painted into it, and must not reach the
    // shared picture that other islands' mysteries and the map draw.
    mainSprite = new CSprite(0);
    mainSprite->LoadImage(CSprite::draw->LoadImage(TempSprintf("mysterious_%i.png", number), true, true));
    mainSprite->Hide();
    selectionMarker = HiddenSprite(kSelectionMarkerZ, look.marker);
    selectionOffsetX = look.markerX;
    selectionOffsetY = look.markerY;
    if (look.layer0) {
        layers[0] = HiddenSprite(0, look.layer0);
    }
    if (look.layer1) {
        layers[1] = HiddenSprite(0, look.layer1);
        layers[1]->SetH(look.layer1Height);
    }
    if (look.layer2) {
        layers[2] = HiddenSprite(0, look.layer2);
    }
    if (look.shadow) {
        shadow = HiddenSprite(0, look.shadow);
    }

    const int w = mainSprite->GetW();
    const int h = mainSprite->GetH();
    x = static_cast<float>(footX - w / 2);
    y = static_cast<float>(footY - (h - look.foot));
    const int left = Round(x);
    const int top = Round(y);

    // The mystery that stands wide sorts by a line higher up its picture.
    const int z = (top + h - (number == 5 ? 20 : 10)) * 2000;
    mainSprite->Move(left, top, z);
    if (number == 1) {
        layers[0]->Move(left, top, z + 1);
    } else if (number == 2) {
        layers[0]->Move(left + look.layer0X, top + look.layer0Y, kFlowerLayerZ);
    } else if (number == 4) {
        layers[0]->Move(left, top, Round((y + static_cast<float>(layers[0]->GetH()) - 10.0f) * 2000.0f));
    } else if (number == 6 || number == 7) {
        layers[0]->Move(left, top, z - 2);
        layers[1]->Move(left, top, z - 1);
        layers[2]->Move(left, top, z + 1);
    }
    if (shadow) {
        shadow->Move(left, top, z - 3);
    }

    AddObstruction(left + look.blockX, top + look.blockY, look.blockW, look.blockH, this, false);
}

CMysteriousObject::~CMysteriousObject()
{
    if (mysteriousFlower == this) {
        mysteriousFlower = nullptr;
    }
    // The island keeps its mysteries, and must not keep them past their end.
    if (CMap* island = CControllerGame::island) {
        for (CMysteriousObject*& mystery : island->mysteries) {
            if (mystery == this) {
                mystery = nullptr;
            }
        }
    }
    delete mainSprite;
    for (CSprite* layer : layers) {
        delete layer;
    }
    delete shadow;
}

void CMysteriousObject::Hide()
{
    mainSprite->Hide();
    for (CSprite* layer : layers) {
        if (layer) {
            layer->Hide();
        }
    }
    if (shadow) {
        shadow->Hide();
    }
}

void CMysteriousObject::UnHide()
{
    mainSprite->UnHide();
    if (shadow) {
        shadow->UnHide();
    }
    PaintGrass();
}

void CMysteriousObject::PaintGrass()
{
    CMap* island = CControllerGame::island;
    if (grassPainted || !island || !island->playable || number < 2 || number > 4) {
        return;
    }
    const int left = GetX();
    const int top = GetY();
    std::vector<coordinate> points;
    for (const coordinate& point : kGrassPoints[number - 2]) {
        if (point.x != kNoPoint) {
            points.push_back({left + point.x, top + point.y});
        }
    }
    island->GetGrassOverSprite(mainSprite, points, -1);
    grassPainted = true;
}

void CMysteriousObject::Pump(int offsetX, int offsetY, int)
{
    if (isSimulating) {
        return;
    }
    if (CControllerGame::island && !CControllerGame::island->playable) {
        return;
    }
    const mystery_look& look = kLooks[number];
    const float screenX = x + static_cast<float>(offsetX);
    const float screenY = y + static_cast<float>(offsetY);

    if (rendering) {
        mainSprite->Move(screenX, screenY);
        if (number == 4) {
            const int stage = GetLevel();
            bool blockRemoved = false;
            if (stage > 0 && !mainSprite->Hidden()) {
                RemoveObstructions(this);
                mainSprite->Hide();
                blockRemoved = true;
            }
            CSprite* sapling = layers[0];
            if (stage == 1) {
                // Re-showing the main picture took the sapling's box away too.
                if (sapling->Hidden() || blockRemoved) {
                    RemoveObstructions(this);
                    AddObstruction(Round(x + kSaplingBlockX), Round(y + kSaplingBlockY), kSaplingBlockW,
                                   kSaplingBlockH, this, false);
                }
                sapling->Move(screenX + kSaplingX, screenY + kSaplingY);
                sapling->UnHide();
            } else if (!sapling->Hidden()) {
                RemoveObstructions(this);
                sapling->Hide();
            }
        }
        const bool shown = !mainSprite->Hidden();
        if (number == 6 || number == 7) {
            const int stage = GetLevel();
            layers[0]->Move(screenX, screenY);
            layers[2]->Move(screenX, screenY);
            if (solved) {
                layers[1]->Move(screenX, screenY);
            } else {
                layers[1]->Move(screenX, screenY + 40.0f - kRisePerCharge * static_cast<float>(dustCharge));
            }
            layers[1]->Hide();
            if (shown) {
                layers[0]->UnHide();
                const bool rising = stage >= 1 && (number == 7 || dustCharge > 100);
                ShowIf(layers[1], rising || solved);
                ShowIf(layers[2], solved);
            }
        }
        if (number == 1 && solved) {
            layers[0]->Move(screenX, screenY);
            ShowIf(layers[0], shown);
        }
        if (number == 2) {
            layers[0]->Move(screenX + look.layer0X, screenY + look.layer0Y);
            ShowIf(layers[0], shown);
        }
        if (shadow) {
            shadow->Move(screenX + look.shadowX, screenY + look.shadowY);
            ShowIf(shadow, shown);
        }
    }

    if (dustCharge > 0) {
        dustCharge--;
    }
    const bool solvedNow = CheckVar(1 << number);
    if (number == 2 && !solved && solvedNow) {
        // The flower pattern was completed since the last frame.
        AskPlayer(this, kPatternSolvedNotice);
    }
    solved = solvedNow;
}

bool CMysteriousObject::IsAtCoords(int& z, int atX, int atY)
{
    if (atX != -1 || atY != -1) {
        if (CMap* island = CControllerGame::island) {
            atX += island->offsetX;
            atY += island->offsetY;
        }
    }
    if (mainSprite->IsCollisionPixelPerfect(atX, atY)) {
        z = mainSprite->GetZ();
        return true;
    }
    if (layers[0] && number != 2 && layers[0]->IsCollisionPixelPerfect(atX, atY)) {
        z = layers[0]->GetZ();
        return true;
    }
    return false;
}

void CMysteriousObject::Clicked()
{
    if (selectedObject != this) {
        PlayClick();
    }
    selectedObject = this;
}

void CMysteriousObject::Rollover(bool over)
{
    mainSprite->Lighten(over, kLightenFactor);
    if (layers[0] && number != 2) {
        layers[0]->Lighten(over, kLightenFactor);
    }
    for (int i = 1; i < 3; i++) {
        if (layers[i]) {
            layers[i]->Lighten(over, kLightenFactor);
        }
    }
    PlayRollover(over);
}

selection_result CMysteriousObject::GetSelectedName()
{
    selection_result result{};
    result.id = 2800;
    return result;
}

selection_result CMysteriousObject::GetSelectedTopDetail()
{
    selection_result result{};
    if (IsComplete(number)) {
        result.id = 2801 + number;
    }
    return result;
}

selection_result CMysteriousObject::GetSelectedBottomDetail()
{
    return selection_result{};
}

selection_result CMysteriousObject::GetSelectedDetailButton()
{
    selection_result result{};
    result.id = -1;
    return result;
}

void CMysteriousObject::RespondToDetailButtonClick() {}

sidebar_image CMysteriousObject::GetSpriteForSidebar()
{
    const bool done = IsComplete(number);
    std::string name;
    if (number == 1) {
        name = done ? "sidebar_item_myst1b.png" : "sidebar_item_myst1.png";
    } else if (number == 4) {
        if (GetLevel() == 1) {
            name = "mysterious_4_sapling.png";
        } else {
            name = done ? "sidebar_item_myst4b.png" : "sidebar_item_myst4.png";
        }
    } else {
        name = TempSprintf("sidebar_item_myst%i.png", number);
    }
    return sidebar_image{-1, name, 1};
}

int CMysteriousObject::GetX()
{
    return Round(x);
}

int CMysteriousObject::GetY()
{
    return Round(y);
}

void CMysteriousObject::GiveResponse(bool)
{
    if (requestingFeedback == this) {
        requestingFeedback = nullptr;
        requestingFeedbackData.noticeOnly = 0;
    }
}

int CMysteriousObject::GetVariant()
{
    return number;
}

int CMysteriousObject::GetW()
{
    return mainSprite->GetW();
}

int CMysteriousObject::GetH()
{
    return mainSprite->GetH();
}

bool CMysteriousObject::IsOnSand()
{
    return kLooks[number].onSand;
}

const char* CMysteriousObject::GetSpriteName()
{
    if (number == 1 && IsComplete(1)) {
        std::snprintf(spriteName, sizeof(spriteName), "mysterious_%i_0.png", number);
    } else {
        std::snprintf(spriteName, sizeof(spriteName), "mysterious_%i.png", number);
    }
    return spriteName;
}

int CMysteriousObject::GetLevelsUntilCompletion()
{
    return kLooks[number].twoStages ? 2 : 1;
}

int CMysteriousObject::GetLevel()
{
    if (CheckVar(1 << number)) {
        return GetLevelsUntilCompletion();
    }
    const int firstStage = kLooks[number].firstStageBit;
    return firstStage != 0 && CheckVar(firstStage) ? 1 : 0;
}

int CMysteriousObject::GetSandVariantNum()
{
    const int r = RangedRandom(0, 3);
    return r == 0 ? 0 : r + 4;
}

int CMysteriousObject::GetGrassVariantNum()
{
    return RangedRandom(1, 4);
}

bool CMysteriousObject::CheckVar(int mask)
{
    return (CProfile::current->GetValue<int>(kProgressProperty) & mask) == mask;
}

void CMysteriousObject::SetVar(int bits)
{
    CProfile::current->SetValue<int>(kProgressProperty, CProfile::current->GetValue<int>(kProgressProperty) | bits);
}

bool CMysteriousObject::IsComplete(int mysteryNumber)
{
    return CheckVar(1 << mysteryNumber);
}

void CMysteriousObject::ResetAllMysteriousObjects()
{
    CProfile::current->SetValue<int>(kProgressProperty, 0);
}
