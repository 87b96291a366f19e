// The build menu's pieces: loading and unloading the board, the items, the
// buttons and the hover texts, and what research locks.
#include "CControllerBuild.h"

#include "BuildMenuItems.h"
#include "CBuilding.h"
#include "CControllerHutSelect.h"
#include "CControllerPopUp.h"
#include "CControllerScience.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CShipyard.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"

#include <string>

namespace {

constexpr int kFaderZ = 21999999, kFrameZ = 22000000, kShadowZ = 22000001, kLargeZ = 22000002;
constexpr int kTextZ = 22000005, kPictureZ = 23000002;
constexpr int kLargeX = 453, kLargeY = 181;
constexpr int kRolloverFrames = 5;

struct board_piece {
    const char* image;
    int x, y;
};

constexpr board_piece kBoard[4] = {{"buildGUI_mainA.png", 118, 66},
                                   {"buildGUI_mainB.jpg", 142, 102},
                                   {"buildGUI_mainC.jpg", 146, 480},
                                   {"buildGUI_mainD.jpg", 456, 480}};

constexpr int kIntroTextId = 10010, kIntroHeaderId = 10011, kBackLabelId = 10000;
constexpr int kFirstHeaderId = 10020, kShipHeaderId = 10035, kLockedHeaderId = 10036;
constexpr int kFirstDescriptionId = 10050, kShipDescriptionId = 10065;
constexpr int kLockedDescriptionId = 10066, kLockedGrowingDescriptionId = 10067;
constexpr int kCostId = 10090;
constexpr int kTextX = 450, kHeaderY = 129, kDescriptionY = 164, kLockedDescriptionY = 264, kCostY = 380;

bool ShipOffered()
{
    return CShipyard::numBuilt != 0;
}

// The item's pictures as research and the shipyard stand now.
const build_look& LookOf(int item)
{
    if (item == 0 || item == 1) {
        const int level = CControllerScience::GetLevelConstruction();
        return kHutLooks[item][level <= 0 ? 0 : level == 1 ? 1 : 2];
    }
    if (item == SHIP_ITEM && ShipOffered()) {
        return kShipLook;
    }
    return kBuildItems[item].look;
}

CSprite* Picture(const char* name, int x, int y, int z)
{
    CSprite* sprite = new CSprite(x, y, z);
    sprite->LoadImage(name);
    return sprite;
}

CSprite* Text(int id, int w, int h, int x, int y, unsigned char r, unsigned char g, unsigned char b,
              const char* a1 = nullptr, const char* a2 = nullptr, const char* a3 = nullptr)
{
    CSprite* sprite = new CSprite(x, y, kTextZ);
    int lines = 0;
    sprite->LoadTextShadow(id, w, h, 2, lines, r, g, b, a1, a2, a3, nullptr, nullptr);
    return sprite;
}

}  // namespace

CControllerPopUp* CControllerBuild::popUp = nullptr;
CControllerHutSelect* CControllerBuild::hutSelect = nullptr;

CControllerBuild::CControllerBuild()
    : itemPressed{},
      itemButtons{},
      backButton(nullptr),
      frame{},
      fader(nullptr),
      itemPictures{},
      largePictures{},
      largeShadows{},
      introText(nullptr),
      introHeader(nullptr),
      header(nullptr),
      description(nullptr),
      cost(nullptr),
      hoveredItem(-2),
      spritesLoaded(false),
      hoverRenders(0),
      tutorialDialog(nullptr)
{
    LoadSprites();
}

CControllerBuild::~CControllerBuild()
{
    if (CTutorialDialog::tutorialCircle) {
        delete CTutorialDialog::tutorialCircle;
        CTutorialDialog::tutorialCircle = nullptr;
    }
    // Its okay button calls this screen back: it must not outlive it.
    delete tutorialDialog;
    delete popUp;
    popUp = nullptr;
    delete hutSelect;
    hutSelect = nullptr;
    UnloadSprites();
}

bool CControllerBuild::IsGhosted(int item)
{
    if (item < 0 || item >= ITEMS) {
        return false;
    }
    switch (kBuildItems[item].lock) {
    case BuildLock::Agriculture1: return CControllerScience::GetLevelAgriculture() < 1;
    case BuildLock::Agriculture2: return CControllerScience::GetLevelAgriculture() < 2;
    case BuildLock::Construction1: return CControllerScience::GetLevelConstruction() < 1;
    case BuildLock::Construction2: return CControllerScience::GetLevelConstruction() < 2;
    case BuildLock::Never: break;
    }
    return false;
}

int CControllerBuild::GetBuildingType(int item)
{
    if (item < 0 || item >= ITEMS) {
        return -1;
    }
    if (item == SHIP_ITEM && ShipOffered()) {
        return SHIP_TYPE;
    }
    return kBuildItems[item].type;
}

int CControllerBuild::ItemAt(int x, int y)
{
    if (x < 147 || x > 422 || y < 110 || y > 487) {
        return -1;
    }
    // The columns and rows end one pixel later than the buttons' rectangles
    // (x 237 still belongs to the first column, whose rectangle ends at 236):
    // the item lit is the one this rule finds, whichever button reports.
    const int column = x <= 237 ? 0 : x <= 333 ? 1 : 2;
    const int row = y <= 184 ? 0 : y <= 260 ? 1 : y <= 337 ? 2 : y <= 416 ? 3 : 4;
    return row * 3 + column;
}

void CControllerBuild::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    hoveredItem = -2;
    hoverRenders = 0;
    header = description = cost = nullptr;
    fader = Picture("gui_fader.png", 0, 0, kFaderZ);
    for (int i = 0; i < 4; i++) {
        frame[i] = Picture(kBoard[i].image, kBoard[i].x, kBoard[i].y, kFrameZ);
    }
    for (int item = 0; item < ITEMS; item++) {
        itemPictures[item] = IsGhosted(item) ? new CSprite(kPictureZ) : new CSprite(kPictureZ, 1);
        itemPictures[item]->Pause();
        itemPictures[item]->PauseWhenDone();
        itemPressed[item] = false;
    }
    for (int item = 0; item < ITEMS; item++) {
        CSprite* picture = itemPictures[item];
        const build_item_data& data = kBuildItems[item];
        const char* prefix = LookOf(item).prefix;
        if (IsGhosted(item)) {
            picture->LoadImage(data.ghost);
            picture->Move(data.pictureX, data.pictureY);
            continue;
        }
        // A bounce (images 0, 1, 2, 1, 0), then the rest of the animation.
        picture->LoadImage(prefix, 0, 2, ".png");
        picture->LoadImage(prefix, 1, 0, ".png");
        picture->LoadImage(prefix, 4, 13, ".png");
        const bool ship = item == SHIP_ITEM && ShipOffered();
        picture->Move(ship ? SHIP_PICTURE_X : data.pictureX, ship ? SHIP_PICTURE_Y : data.pictureY);
    }
    for (int item = 0; item < ITEMS; item++) {
        const build_look& look = LookOf(item);
        largeShadows[item] = Picture(look.shadow, kLargeX, kLargeY, kShadowZ);
        largePictures[item] = Picture(look.large, kLargeX, kLargeY, kLargeZ);
        largeShadows[item]->Hide();
        largePictures[item]->Hide();
    }
    introText = Text(kIntroTextId, 200, 180, 440, 220, 41, 37, 22);
    introHeader = Text(kIntroHeaderId, 170, 50, kTextX, kHeaderY, 41, 35, 28);

    for (int item = 0; item < ITEMS; item++) {
        const build_item_data& data = kBuildItems[item];
        button_data button;
        button.x = data.buttonX;
        button.y = data.buttonY;
        button.id = item;
        button.owner = this;
        button.baseImage = data.buttonBase;
        button.shadowImage = data.buttonShadow;
        button.rolloverImage = data.buttonRollover;
        button.rolloverFrames = kRolloverFrames;
        itemButtons[item] = new CGuiButton(button);
        itemButtons[item]->AlterMouseoverRect(data.hoverX, data.hoverY, data.hoverW, data.hoverH);
    }
    button_data back;
    back.x = 467;
    back.y = 444;
    back.id = BACK_BUTTON;
    back.owner = this;
    back.textId = kBackLabelId;
    back.baseImage = "buildGUI_buttonback_base.png";
    back.shadowImage = "buildGUI_buttonback_shad.png";
    back.rolloverImage = "buildGUI_buttonback_roll%i.png";
    back.rolloverFrames = kRolloverFrames;
    back.labelShadowR = 46;
    back.labelShadowG = 43;
    back.labelShadowB = 24;
    back.textOffsetY = -2;
    backButton = new CGuiButton(back);
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerBuild::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    for (CSprite** sprite : {&fader, &frame[0], &frame[1], &frame[2], &frame[3], &introText, &introHeader, &header,
                             &description, &cost}) {
        delete *sprite;
        *sprite = nullptr;
    }
    for (int item = 0; item < ITEMS; item++) {
        delete itemPictures[item];
        delete largePictures[item];
        delete largeShadows[item];
        delete itemButtons[item];
        itemPictures[item] = largePictures[item] = largeShadows[item] = nullptr;
        itemButtons[item] = nullptr;
    }
    delete backButton;
    backButton = nullptr;
    spritesLoaded = false;
}

void CControllerBuild::HideAll()
{
    if (!spritesLoaded) {
        return;
    }
    for (CSprite* sprite : {fader, frame[0], frame[1], frame[2], frame[3], introText, introHeader, header,
                            description, cost}) {
        if (sprite) {
            sprite->Hide();
        }
    }
    for (int item = 0; item < ITEMS; item++) {
        itemPictures[item]->Hide();
        largePictures[item]->Hide();
        largeShadows[item]->Hide();
        itemButtons[item]->Hide();
    }
    backButton->Hide();
}

void CControllerBuild::UnhideAll()
{
    if (!spritesLoaded) {
        return;
    }
    // The large pictures, the intro and the cost are Pump's to show.
    for (CSprite* sprite : {fader, frame[0], frame[1], frame[2], frame[3], header, description}) {
        if (sprite) {
            sprite->UnHide();
        }
    }
    for (int item = 0; item < ITEMS; item++) {
        itemPictures[item]->UnHide();
        itemButtons[item]->UnHide();
    }
    backButton->UnHide();
}

void CControllerBuild::RenderHoverTexts(int item)
{
    delete header;
    delete description;
    delete cost;
    hoverRenders++;
    const bool locked = IsGhosted(item);
    const bool ship = item == SHIP_ITEM && ShipOffered();
    if (locked) {
        header = Text(kLockedHeaderId, 170, 50, kTextX, kHeaderY, 41, 35, 28);
        const bool growing = kBuildItems[item].lock == BuildLock::Agriculture1 ||
                             kBuildItems[item].lock == BuildLock::Agriculture2;
        description = Text(growing ? kLockedGrowingDescriptionId : kLockedDescriptionId, 180, 70, kTextX,
                           kLockedDescriptionY, 41, 37, 22);
    } else {
        header = Text(ship ? kShipHeaderId : kFirstHeaderId + item, 170, 50, kTextX, kHeaderY, 41, 35, 28);
        description = Text(ship ? kShipDescriptionId : kFirstDescriptionId + item, 170, 70, kTextX, kDescriptionY, 41,
                           37, 22);
    }
    const int type = GetBuildingType(item);
    const std::string wood = type < 0 ? "0" : std::to_string(CBuilding::GetRequiredWood(type));
    const std::string rock = type < 0 ? "0" : std::to_string(CBuilding::GetRequiredRock(type));
    const std::string work = type < 0 ? "1" : std::to_string(CBuilding::GetRequiredWork(type));
    cost = Text(kCostId, 180, 70, kTextX, kCostY, 41, 37, 22, wood.c_str(), rock.c_str(), work.c_str());
    if (locked) {
        cost->Hide();
    }
}
