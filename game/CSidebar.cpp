// The panel's pictures, counters and buttons, their slide-in when the game
// screen opens, and the clicks on the panel.
#include "CSidebar.h"

#include "CBuilding.h"
#include "CController.h"
#include "CControllerGame.h"
#include "CDraw.h"
#include "CDropper.h"
#include "CGuiButton.h"
#include "CMap.h"
#include "CObject.h"
#include "CResources.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <string>

namespace {

constexpr int kPanelZ = 20000000;
constexpr int kOffScreen = 800;

struct panel_picture {
    const char* name;
    int x, y, z;
};

// In the order of CSidebar's Panel enum; the main panel gets its other
// pictures drawn onto a private copy.
constexpr panel_picture kPanelPictures[] = {
    {"sidebar_mainA.png", 605, 0, kPanelZ},
    {"sidebar_trim_left.png", 581, 68, kPanelZ + 1},
    {"sidebar_info_wood.png", 84, 800, kPanelZ},
    {"sidebar_info_stone.png", 225, 800, kPanelZ},
    {"sidebar_info_food.png", 374, 800, kPanelZ},
    {"sidebar_info_top_A.png", 70, -200, kPanelZ},
    {"sidebar_info_top_B1.jpg", 81, -200, kPanelZ},
    {"sidebar_info_top_B2.jpg", 81, -200, kPanelZ},
    {"sidebar_info_top_taller_A.png", 70, -200, kPanelZ},
    {"sidebar_info_top_taller_B1.jpg", 81, -200, kPanelZ},
    {"sidebar_info_top_taller_B2.jpg", 81, -200, kPanelZ},
};

struct count_text {
    int stringId;
    unsigned char shadow[3];
    int z;
    int x, y;          // before its plate or button arrives
    int dx, dy;        // beside its plate or button
    int heldDx, heldDy;  // beside a dust button held down
};

constexpr int kCountId = 4012, kDustCountId = 4013;
constexpr count_text kCounts[] = {
    {kCountId, {31, 73, 66}, kPanelZ + 1, 39, 800, 41, 25, 41, 25},
    {kCountId, {31, 73, 66}, kPanelZ + 1, 201, 800, 44, 27, 44, 27},
    {kCountId, {31, 73, 66}, kPanelZ + 1, 371, 800, 43, 26, 43, 26},
    {kDustCountId, {61, 57, 47}, 23000002, 0, -200, -6, 54, -4, 56},
    {kDustCountId, {61, 57, 47}, 23000002, 0, -200, -4, 54, -2, 56},
};
constexpr int kCountW = 100, kCountH = 54, kCountAlignment = 2;

struct mover_data {
    int start;
    float speed, acceleration;
    int limit, delay, hold;
};

constexpr mover_data kPlateMovers[3] = {
    {797, -22.0f, 1.66f, 552, 0, 5}, {795, -22.0f, 1.66f, 550, 8, 5}, {796, -22.0f, 1.66f, 551, 16, 5}};
constexpr mover_data kDustMovers[2] = {{-254, 22.0f, -1.66f, -9, 24, 5}, {-253, 22.0f, -1.66f, -8, 32, 5}};

struct button_row {
    int id;
    int x, y;
    const char* base;
    const char* shadow;
    const char* rollover;  // five frames
    int label;             // string id, -1 none
    int labelX, labelY;
};

constexpr button_row kStardustRow = {0, 0, -200,
    "sidebar_button_star_base.png", "sidebar_button_star_shad.png",
    "sidebar_button_star_roll%i.png", -1, 0, 0};
constexpr button_row kMoondustRow = {1, 551, -200,
    "sidebar_button_moon_base.png", "sidebar_button_moon_shad.png",
    "sidebar_button_moon_roll%i.png", -1, 0, 0};
constexpr button_row kDetailPlainRow = {2, kOffScreen, 296,
    "sidebar_button_detail_base.png", "sidebar_button_detail_shad.png",
    "sidebar_button_detail_roll%i.png", -1, 2, -3};
constexpr button_row kDetailCheckRow = {2, kOffScreen, 296,
    "sidebar_button_detail_base.png", "sidebar_button_detail_shad.png",
    "sidebar_button_detail_roll%i.png", -1, 8, -3};
constexpr int kBuildLabelId = 1009, kScienceLabelId = 1010, kMenuLabelId = 1011;
constexpr int kClothesLabelId = 3022, kLabLabelId = 3023;
constexpr button_row kBuildRow = {3, 646, 382,
    "sidebar_button_build_base.png", "sidebar_button_build_shad.png",
    "sidebar_button_build_roll%i.png", kBuildLabelId, 2, -16};
constexpr button_row kScienceRow = {4, 666, 448,
    "sidebar_button_science_base.png", "sidebar_button_science_shad.png",
    "sidebar_button_science_roll%i.png", kScienceLabelId, -8, 10};
constexpr button_row kMenuRow = {5, 636, 535,
    "sidebar_button_menu_base.png", "sidebar_button_menu_shad.png",
    "sidebar_button_menu_roll%i.png", kMenuLabelId, 1, -1};
constexpr button_row kPreviousRow = {17, 657, 208,
    "sidebar_button_arrowL_base.png", "sidebar_button_arrowL_shad.png",
    "sidebar_button_arrowL_roll%i.png", -1, 0, 0};
constexpr button_row kNextRow = {18, 729, 208,
    "sidebar_button_arrowR_base.png", "sidebar_button_arrowR_shad.png",
    "sidebar_button_arrowR_roll%i.png", -1, 0, 0};
constexpr button_row kMapRow = {19, 3, 539,
    "sidebar_button_map_base.png", "sidebar_button_map_shad.png",
    "sidebar_button_map_roll%i.png", -1, 0, 0};
constexpr button_row kPotionRow = {20, 510, 542,
    "sidebar_button_potion_base.png", "sidebar_button_potion_shad.png",
    "sidebar_button_potion_roll%i.png", -1, 0, 0};
constexpr button_row kClothesRow = {21, 647, 138,
    "sidebar_button_makeclothes_base.png", "sidebar_button_makeclothes_shad.png",
    "sidebar_button_makeclothes_roll%i.png", kClothesLabelId, -2, -2};
constexpr button_row kLabRow = {22, 647, 138,
    "sidebar_button_makeclothes_base.png", "sidebar_button_makeclothes_shad.png",
    "sidebar_button_makeclothes_roll%i.png", kLabLabelId, -1, -2};

constexpr int kPictureTutorialStep = 12;

CGuiButton* MakeButton(const button_row& row, CController* owner, bool checkBox)
{
    button_data data = CGuiButton::ScreenButton(owner, row.id, row.x, row.y, row.label, row.base, row.shadow,
                                                row.rollover, row.labelX, row.labelY);
    if (checkBox) {
        data.checkBox = true;
        data.checkBoxOffsetX = 25;
        data.checkBoxOffsetY = 8;
    }
    return new CGuiButton(data);
}

CDropper* MakeMover(const mover_data& m)
{
    return new CDropper(m.start, m.speed, m.acceleration, m.limit, m.delay, m.hold);
}

}  // namespace

CSidebar::CSidebar(CController* screen)
    : textImagesBuilt(0), timedMessageFrames(0), timedMessage{}, tooltipState(HIDDEN), tooltipPrevious(HIDDEN),
      detailInfoState(HIDDEN), detailInfoPrevious(HIDDEN), detailButtonState(HIDDEN),
      detailButtonPrevious(HIDDEN), namePlate(nullptr), tooltipText(nullptr), nameText(nullptr),
      topText(nullptr), bottomText(nullptr), picture(nullptr), countTexts{}, detailInUse(nullptr),
      detailNext(nullptr), detailPlain(nullptr), detailCheck(nullptr), previousButton(nullptr),
      nextButton(nullptr), clothesButton(nullptr), labButton(nullptr), stardustButton(nullptr),
      moondustButton(nullptr), tooltipFrame(nullptr), tooltipBack(nullptr), owner(screen), panels{},
      plateMovers{}, dustMovers{}, tooltipMover(nullptr), nameMover(nullptr), buttonMover(nullptr),
      buildButton(nullptr), scienceButton(nullptr), menuButton(nullptr), mapButton(nullptr),
      potionButton(nullptr), shownCounts{-1, -1, -1, -1, -1}, tooltipId(-1), tooltipNumber(-1),
      nameId(-1), nameNumber(-1), buttonLabelId(-1), topId(-1), topNumber(-1),
      bottomId(-1), bottomNumber(-1), pictureId(-1), pictureChecksum(-1), tooltipRebuild(false),
      infoRebuild(false), buttonRebuild(false)
{
    CDraw* draw = CSprite::draw;
    for (int i = 0; i < PANELS; i++) {
        const panel_picture& p = kPanelPictures[i];
        panels[i] = new CSprite(p.x, p.y, p.z);
        if (i != MAIN) {
            panels[i]->LoadImage(p.name);
            continue;
        }
        const int mainImage = draw->LoadImage(p.name, true, false);
        draw->DisplayImageOnImage("sidebar_mainB.jpg", mainImage, 16, 76, false);
        draw->DisplayImageOnImage("sidebar_mainC.jpg", mainImage, 39, 0, false);
        draw->DisplayImageOnImage("sidebar_trim_right.png", mainImage, 100, 0, false);
        panels[i]->LoadImage(mainImage);
    }
    namePlate = new CSprite(kOffScreen, 97, kPanelZ + 1);
    namePlate->LoadImage("sidebar_info_detail.png");

    for (int i = 0; i < COUNTS; i++) {
        const count_text& c = kCounts[i];
        countTexts[i] = TextSprite(c.stringId, c.z, kCountW, kCountH, kCountAlignment, c.shadow, "0", nullptr,
                                   nullptr, nullptr, nullptr);
        countTexts[i]->Move(c.x, c.y);
    }
    for (int i = 0; i < 3; i++) {
        plateMovers[i] = MakeMover(kPlateMovers[i]);
    }
    for (int i = 0; i < 2; i++) {
        dustMovers[i] = MakeMover(kDustMovers[i]);
    }

    stardustButton = MakeButton(kStardustRow, owner, false);
    moondustButton = MakeButton(kMoondustRow, owner, false);
    detailPlain = MakeButton(kDetailPlainRow, owner, false);
    detailCheck = MakeButton(kDetailCheckRow, owner, true);
    buildButton = MakeButton(kBuildRow, owner, false);
    scienceButton = MakeButton(kScienceRow, owner, false);
    menuButton = MakeButton(kMenuRow, owner, false);
    previousButton = MakeButton(kPreviousRow, owner, false);
    nextButton = MakeButton(kNextRow, owner, false);
    mapButton = MakeButton(kMapRow, owner, false);
    potionButton = MakeButton(kPotionRow, owner, false);
    clothesButton = MakeButton(kClothesRow, owner, false);
    labButton = MakeButton(kLabRow, owner, false);
    previousButton->Hide();
    nextButton->Hide();
    clothesButton->Hide();
    labButton->Hide();
}

CSidebar::~CSidebar()
{
    for (CSprite*& panel : panels) {
        DeleteAndClear(panel);
    }
    for (CSprite*& count : countTexts) {
        DeleteAndClear(count);
    }
    for (CDropper*& mover : plateMovers) {
        DeleteAndClear(mover);
    }
    for (CDropper*& mover : dustMovers) {
        DeleteAndClear(mover);
    }
    DeleteAndClear(namePlate);
    DeleteAndClear(tooltipText);
    DeleteAndClear(nameText);
    DeleteAndClear(topText);
    DeleteAndClear(bottomText);
    DeleteAndClear(picture);
    DeleteAndClear(tooltipMover);
    DeleteAndClear(nameMover);
    DeleteAndClear(buttonMover);
    for (CGuiButton** button : {&stardustButton, &moondustButton, &detailPlain, &detailCheck, &buildButton,
                                &scienceButton, &menuButton, &previousButton, &nextButton, &mapButton,
                                &potionButton, &clothesButton, &labButton}) {
        DeleteAndClear(*button);
    }
    detailInUse = detailNext = nullptr;
    tooltipFrame = tooltipBack = nullptr;
}

CSprite* CSidebar::TextSprite(int id, int z, int w, int h, int alignment, const unsigned char* shadow,
                              const char* a1, const char* a2, const char* a3, const char* a4, const char* a5)
{
    textImagesBuilt++;
    CSprite* sprite = new CSprite(z);
    int lines = 0;
    sprite->LoadTextShadow(id, w, h, alignment, lines, shadow[0], shadow[1], shadow[2], a1, a2, a3, a4, a5);
    return sprite;
}

void CSidebar::Pump(bool pumpButtons)
{
    UpdateSidebarData();
    if (timedMessageFrames > 0) {
        timedMessageFrames--;
        RenderTooltip(timedMessage);
    }
    if (pumpButtons) {
        CGuiButtonBase::PumpAll();
    }
    PumpTooltip();
    PumpDetailInfo();
    PumpDetailButton();
    SlideInPlates();
    PlaceDustCounts();
    UpdateCounts();
    ShowButtonsForSelection();
}

void CSidebar::SlideInPlates()
{
    static constexpr Panel kPlates[3] = {WOOD, STONE, FOOD};
    for (int i = 0; i < 3; i++) {
        if (plateMovers[i]->IsDone()) {
            continue;
        }
        plateMovers[i]->Pump();
        CSprite* plate = panels[kPlates[i]];
        plate->Move(plate->GetX(), plateMovers[i]->GetHeight());
        countTexts[i]->Move(plate->GetX() + kCounts[i].dx, plate->GetY() + kCounts[i].dy);
    }
    CGuiButton* dust[2] = {stardustButton, moondustButton};
    for (int i = 0; i < 2; i++) {
        if (dustMovers[i]->IsDone()) {
            continue;
        }
        dustMovers[i]->Pump();
        dust[i]->y = dustMovers[i]->GetHeight();
        dust[i]->Redisplay();
    }
}

void CSidebar::PlaceDustCounts()
{
    CGuiButton* dust[2] = {stardustButton, moondustButton};
    for (int i = 0; i < 2; i++) {
        const count_text& c = kCounts[STARDUST_COUNT + i];
        const bool held = dust[i]->IsHeldDown();
        countTexts[STARDUST_COUNT + i]->Move(dust[i]->x + (held ? c.heldDx : c.dx),
                                             dust[i]->y + (held ? c.heldDy : c.dy));
    }
}

void CSidebar::UpdateCounts()
{
    CResources* stock = CControllerGame::Resources();
    const int values[COUNTS] = {stock->GetWood(), stock->GetRock(), stock->GetFood(-1), stock->GetStardust(),
                                stock->GetMoondust()};
    for (int i = 0; i < COUNTS; i++) {
        if (values[i] == shownCounts[i]) {
            continue;
        }
        shownCounts[i] = values[i];
        const int x = countTexts[i]->GetX(), y = countTexts[i]->GetY();
        delete countTexts[i];
        const count_text& c = kCounts[i];
        const std::string text = std::to_string(values[i]);
        countTexts[i] = TextSprite(c.stringId, c.z, kCountW, kCountH, kCountAlignment, c.shadow, text.c_str(),
                                   nullptr, nullptr, nullptr, nullptr);
        countTexts[i]->Move(x, y);
    }
}

void CSidebar::ShowButtonsForSelection()
{
    CObject* selected = CObject::selectedObject;
    const bool person = selected && selected->isPerson;
    for (CGuiButton* arrow : {previousButton, nextButton}) {
        if (person) {
            arrow->UnHide();
        } else {
            arrow->Hide();
        }
    }
    const bool inService = selected && selected->isBuilding && static_cast<CBuilding*>(selected)->IsInService();
    if (inService && selected->isCraftworks) {
        clothesButton->UnHide();
    } else {
        clothesButton->Hide();
    }
    if (inService && selected->isScienceStation) {
        labButton->UnHide();
    } else {
        labButton->Hide();
    }
}

bool CSidebar::IsMouseOver()
{
    for (CSprite* panel : panels) {
        if (panel->IsCollisionPixelPerfect()) {
            return true;
        }
    }
    return stardustButton->IsMouseOver() || moondustButton->IsMouseOver() || mapButton->IsMouseOver() ||
           potionButton->IsMouseOver();
}

void CSidebar::MouseClick()
{
    CObject* selected = CObject::selectedObject;
    if (!picture || !selected) {
        return;
    }
    if (!picture->IsCollisionPixelPerfect() && !namePlate->IsCollisionPixelPerfect()) {
        return;
    }
    if (clothesButton->IsMouseOver() || labButton->IsMouseOver()) {
        return;
    }
    if (CTutorialDialog::IsTutorialComplete(kPictureTutorialStep)) {
        CTutorialDialog::CompleteTutorial(kPictureTutorialStep + 1);
    }
    if (CControllerGame::island) {
        CControllerGame::island->CenterScreen(selected->GetX(), selected->GetY(), false, false, true);
    }
    CControllerGame::stopFollowing = false;
}

void CSidebar::DetailButtonClicked()
{
    CObject* selected = CObject::selectedObject;
    if (!selected) {
        return;
    }
    if (CTutorialDialog::IsTutorialComplete(18) && selected->isPerson) {
        CTutorialDialog::CompleteTutorial(19);
    }
    selected->RespondToDetailButtonClick();
}

void CSidebar::SetToolTipMessage(selection_result message, int frames)
{
    // The caller's texts may live no longer than this call.
    timedText1 = message.text1 ? message.text1 : "";
    timedText2 = message.text2 ? message.text2 : "";
    timedMessage = message;
    timedMessage.text1 = message.text1 ? timedText1.c_str() : nullptr;
    timedMessage.text2 = message.text2 ? timedText2.c_str() : nullptr;
    timedMessageFrames = frames;
}
