// The research screen: its pictures, texts and buttons, the purchases and
// the notices. The tutorial steps it shows are in CControllerScience_Tutorial.
#include "CControllerScience.h"

#include "CControllerGame.h"
#include "CControllerPopUp.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CScienceStation.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"

#include <SDL.h>

#include <iterator>
#include <string>

CControllerPopUp* CControllerScience::popUp = nullptr;

namespace {

constexpr int kBackgroundZ = 21999999, kPanelZ = 22000000, kTextZ = 22000005;

constexpr int kBackButton = 0, kLabButton = 9, kFirstResearchButton = 1, kFirstHelpButton = 5;
constexpr int kFirstTutorialButton = 1000, kLastTutorialButton = 1999;

constexpr int kTutorialOnProperty = 67;
constexpr int kStepResearchAffordable = 73, kStepLevelBought = 74;
constexpr int kConstructionField = 1;

struct button_layout {
    const char* base;
    const char* shadow;
    const char* rollover;
    int x, y;
    int id;
    int label;
    int labelX, labelY;
};

// In the order the buttons are made: back, lab, research A to D, help A to D.
constexpr button_layout kButtons[] = {
    {"science_button_back_base.png", "science_button_back_shad.png", "science_button_back_roll%i.png", 439, 493,
     kBackButton, 21001, -2, -4},
    {"science_button_scilab_base.png", "science_button_scilab_shad.png", "science_button_scilab_roll%i.png", 240,
     494, kLabButton, 21100, -20, -5},
    {"science_button_researchA_base.png", "science_button_researchA_shad.png", "science_button_researchA_roll%i.png",
     184, 246, 1, 21000, -2, -2},
    {"science_button_researchB_base.png", "science_button_researchB_shad.png", "science_button_researchB_roll%i.png",
     458, 245, 2, 21000, -2, -2},
    {"science_button_researchC_base.png", "science_button_researchC_shad.png", "science_button_researchC_roll%i.png",
     183, 428, 3, 21000, -4, -2},
    {"science_button_researchD_base.png", "science_button_researchD_shad.png", "science_button_researchD_roll%i.png",
     456, 428, 4, 21000, -2, -2},
    {"science_button_qmarkA_base.png", "science_button_qmarkA_shad.png", "science_button_qmarkA_roll%i.png", 297, 245,
     5, 21020, -1, -2},
    {"science_button_qmarkB_base.png", "science_button_qmarkB_shad.png", "science_button_qmarkB_roll%i.png", 567, 247,
     6, 21020, -1, -2},
    {"science_button_qmarkC_base.png", "science_button_qmarkC_shad.png", "science_button_qmarkC_roll%i.png", 294, 430,
     7, 21020, -1, -2},
    {"science_button_qmarkD_base.png", "science_button_qmarkD_shad.png", "science_button_qmarkD_roll%i.png", 570, 433,
     8, 21020, -1, -2},
};

// Texts.
constexpr int kPointsLabelText = 21002, kPointsText = 21003, kFirstTitleText = 21005;
constexpr int kLevelLabelText = 21010, kCostLabelText = 21011, kValueText = 21012, kCompleteText = 21013;
constexpr int kLeft = 0, kRight = 1, kCentredBothWays = 3;
// The points line is centred on this x.
constexpr int kPointsCentreX = 389, kPointsLabelY = 78, kPointsY = 79;
constexpr int kTitleCentres[CControllerScience::kFields][2] = {{287, 155}, {559, 155}, {288, 337}, {560, 337}};
constexpr int kLevelLabelsAt[CControllerScience::kFields][2] = {{164, 192}, {435, 192}, {164, 375}, {435, 377}};
constexpr int kCostLabelBelow = 21, kValueX = 86, kValueY = 1;
struct shadow_colour {
    unsigned char r, g, b;
};
constexpr shadow_colour kPointsShadow{43, 38, 23}, kBodyShadow{41, 35, 28};

// Notices.
constexpr int kNotEnoughPointsId = 12007;
constexpr int kFullyResearchedId = 12008;
constexpr int kNoScienceStationId = 12160;
constexpr int kHelpTextOffset = 12145;
// By field: the notice of the new level 1 and of the new level 2.
constexpr int kLevelNotices[CControllerScience::kFields][2] = {{12009, 12010}, {12011, 12012}, {12013, 12014},
                                                               {12015, 12016}};

int LevelOf(int field)
{
    switch (field) {
    case 0: return CControllerScience::GetLevelAgriculture();
    case 1: return CControllerScience::GetLevelConstruction();
    case 2: return CControllerScience::GetLevelScience();
    default: return CControllerScience::GetLevelArts();
    }
}

void RaiseLevel(int field)
{
    switch (field) {
    case 0: CControllerScience::AddLevelAgriculture(); break;
    case 1: CControllerScience::AddLevelConstruction(); break;
    case 2: CControllerScience::AddLevelScience(); break;
    default: CControllerScience::AddLevelArts(); break;
    }
}

int RightEdge(CSprite* text)
{
    return CSprite::draw->GetRightEdge(text->GetFirstImage());
}

}  // namespace

CControllerScience::CControllerScience()
    : openLabOnClose(false),
      pointsLabel(nullptr),
      pointsNumber(nullptr),
      titles{},
      levelLabels{},
      costLabels{},
      levelValues{},
      costValues{},
      backButton(nullptr),
      labButton(nullptr),
      researchButtons{},
      helpButtons{},
      panelA(nullptr),
      panelB(nullptr),
      background(nullptr),
      spritesLoaded(false),
      shownPoints(0),
      shownLevels{},
      shownCosts{},
      tutorialDialog(nullptr)
{
    LoadSprites();
}

// Closing finishes the screen's own tutorial steps whatever way it closes.
CControllerScience::~CControllerScience()
{
    CTutorialDialog::CompleteTutorial(54);
    CTutorialDialog::CompleteTutorial(55);
    if (CTutorialDialog::IsTutorialComplete(kStepResearchAffordable)) {
        CTutorialDialog::CompleteTutorial(kStepLevelBought);
        CTutorialDialog::CompleteTutorial(75);
    }
    if (CControllerGame::game) {
        CControllerGame::game->pendingTutorial = -1;
    }
    delete CTutorialDialog::tutorialCircle;
    CTutorialDialog::tutorialCircle = nullptr;
    // No dialog, and so no button of it, outlives the screen it calls back.
    delete tutorialDialog;
    UnloadSprites();
}

void CControllerScience::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    openLabOnClose = false;
    // A research step raised earlier that no longer applies is dropped.
    CControllerGame* game = CControllerGame::game;
    if (game && game->pendingTutorial == kStepLevelBought &&
        (!CProfile::current->GetValue<bool>(kTutorialOnProperty) ||
         GetSciencePoints() < GetUpgradeCost(kConstructionField) ||
         CTutorialDialog::IsTutorialComplete(kStepLevelBought))) {
        game->pendingTutorial = -1;
    }

    background = CSprite::ImageAt("settings_bg.jpg", 0, 0, kBackgroundZ);
    panelA = CSprite::ImageAt("science_main_A.png", 110, 54, kPanelZ);
    panelB = CSprite::ImageAt("science_main_B.jpg", 133, 92, kPanelZ);
    DrawText();

    CGuiButton** buttons[] = {&backButton,         &labButton,          &researchButtons[0], &researchButtons[1],
                              &researchButtons[2], &researchButtons[3], &helpButtons[0],     &helpButtons[1],
                              &helpButtons[2],     &helpButtons[3]};
    for (size_t i = 0; i < std::size(kButtons); i++) {
        const button_layout& layout = kButtons[i];
        *buttons[i] = new CGuiButton(CGuiButton::ScreenButton(this, layout.id, layout.x, layout.y, layout.label,
                                                              layout.base, layout.shadow, layout.rollover,
                                                              layout.labelX, layout.labelY));
    }
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerScience::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    for (CSprite** sprite : {&background, &panelA, &panelB, &pointsLabel, &pointsNumber}) {
        delete *sprite;
        *sprite = nullptr;
    }
    for (CSprite** texts : {titles, levelLabels, costLabels, levelValues, costValues}) {
        for (int i = 0; i < kFields; i++) {
            delete texts[i];
            texts[i] = nullptr;
        }
    }
    delete backButton;
    delete labButton;
    backButton = labButton = nullptr;
    for (int i = 0; i < kFields; i++) {
        delete researchButtons[i];
        delete helpButtons[i];
        researchButtons[i] = helpButtons[i] = nullptr;
    }
    spritesLoaded = false;
}

void CControllerScience::ReplaceText(CSprite*& sprite, int textId, const char* insert, int w, int h, int alignment,
                                     unsigned char r, unsigned char g, unsigned char b)
{
    delete sprite;
    sprite = new CSprite(kTextZ);
    sprite->dirtyOnDelete = true;
    int lines = 0;
    sprite->LoadTextShadow(textId, w, h, alignment, lines, r, g, b, insert, nullptr, nullptr, nullptr, nullptr);
}

// Rendering texts is the slow part of the screen: a text is made again only
// when what it shows has changed.
void CControllerScience::DrawText()
{
    const int points = GetSciencePoints();
    const shadow_colour& ps = kPointsShadow;
    if (!pointsLabel) {
        ReplaceText(pointsLabel, kPointsLabelText, nullptr, 400, 200, kLeft, ps.r, ps.g, ps.b);
    }
    if (!pointsNumber || points != shownPoints) {
        ReplaceText(pointsNumber, kPointsText, std::to_string(points).c_str(), 400, 200, kLeft, ps.r, ps.g, ps.b);
        shownPoints = points;
    }
    // The two overlap by 2 px: the pair is centred as one line.
    const int labelW = RightEdge(pointsLabel), numberW = RightEdge(pointsNumber);
    const int left = kPointsCentreX - (labelW + numberW - 2) / 2;
    pointsLabel->Move(left, kPointsLabelY);
    pointsNumber->Move(left + labelW - 2, kPointsY);

    const shadow_colour& s = kBodyShadow;
    for (int i = 0; i < kFields; i++) {
        if (!titles[i]) {
            ReplaceText(titles[i], kFirstTitleText + i, nullptr, 120, 50, kCentredBothWays, s.r, s.g, s.b);
            ReplaceText(levelLabels[i], kLevelLabelText, nullptr, 300, 100, kLeft, s.r, s.g, s.b);
            ReplaceText(costLabels[i], kCostLabelText, nullptr, 300, 100, kLeft, s.r, s.g, s.b);
        }
        const int level = LevelOf(i);
        if (!levelValues[i] || level != shownLevels[i]) {
            ReplaceText(levelValues[i], kValueText, std::to_string(level + 1).c_str(), 100, 100, kRight, s.r, s.g,
                        s.b);
            shownLevels[i] = level;
        }
        const int cost = GetUpgradeCost(i);
        if (!costValues[i] || cost != shownCosts[i]) {
            const std::string costText = std::to_string(cost);
            ReplaceText(costValues[i], cost == -1 ? kCompleteText : kValueText,
                        cost == -1 ? nullptr : costText.c_str(), 100, 100, kRight, s.r, s.g, s.b);
            shownCosts[i] = cost;
        }

        titles[i]->CenterAt(kTitleCentres[i][0], kTitleCentres[i][1]);
        const int x = kLevelLabelsAt[i][0], y = kLevelLabelsAt[i][1];
        levelLabels[i]->Move(x, y);
        costLabels[i]->Move(x, y + kCostLabelBelow);
        levelValues[i]->Move(x + kValueX, y + kValueY);
        costValues[i]->Move(x + kValueX, y + kCostLabelBelow + kValueY);
    }
}

// Nothing is hidden while a notice is open: the screen stays in view under it.
void CControllerScience::HideAll() {}

void CControllerScience::UnhideAll()
{
    if (!spritesLoaded) {
        return;
    }
    for (CSprite* sprite : {background, panelA, panelB, pointsLabel, pointsNumber}) {
        sprite->UnHide();
    }
    for (CSprite** texts : {titles, levelLabels, costLabels, levelValues, costValues}) {
        for (int i = 0; i < kFields; i++) {
            texts[i]->UnHide();
        }
    }
    backButton->UnHide();
    labButton->UnHide();
    for (int i = 0; i < kFields; i++) {
        researchButtons[i]->UnHide();
        helpButtons[i]->UnHide();
    }
}

void CControllerScience::PrepareForChild()
{
    CMouseCursor::ShowHourglass(true);
    if (renderer) {
        renderer->Render(true);
        renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    }
    CMouseCursor::HideMouse(0, true);
}

void CControllerScience::OpenNotice(int textId)
{
    feedback_data request{};
    request.id = textId;
    popUp = new CControllerPopUp(request, true, -1);
    PassFocus(popUp);
}

void CControllerScience::BuyLevel(int field)
{
    PrepareForChild();
    const int cost = GetUpgradeCost(field);
    if (cost == -1 || cost > GetSciencePoints()) {
        PrepareForChild();
        OpenNotice(cost == -1 ? kFullyResearchedId : kNotEnoughPointsId);
        return;
    }
    AddSciencePoints(-cost);
    RaiseLevel(field);
    const int level = LevelOf(field);
    DrawText();
    OpenNotice(kLevelNotices[field][level >= kTopLevel ? 1 : 0]);
}

void CControllerScience::GUICallback(int id, int)
{
    if (id >= kFirstTutorialButton && id <= kLastTutorialButton) {
        CMouseCursor::ShowHourglass(true);
        CTutorialDialog::CompleteTutorial(id - kFirstTutorialButton);
    } else if (id == kLabButton) {
        if (CScienceStation::AnyUseableScienceStations()) {
            openLabOnClose = true;
            PrepareForChild();
            ShutDown(0);
        } else {
            PrepareForChild();
            OpenNotice(kNoScienceStationId);
        }
    } else if (id == kBackButton) {
        openLabOnClose = false;
        PrepareForChild();
        ShutDown(0);
    } else if (id >= kFirstHelpButton && id < kFirstHelpButton + kFields) {
        PrepareForChild();
        OpenNotice(id + kHelpTextOffset);
    } else if (id >= kFirstResearchButton && id < kFirstResearchButton + kFields) {
        BuyLevel(id - kFirstResearchButton);
    }
}

void CControllerScience::GotFocusBack()
{
    if (!popUp) {
        return;
    }
    delete popUp;
    popUp = nullptr;
    UnhideAll();
    if (renderer) {
        renderer->AddSpecialDirty(0, 0, 800, 600, true);
    }
    CMouseCursor::ShowMouse();
    if (renderer) {
        renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    }
}

void CControllerScience::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus) {
        return;
    }
    ShowTutorialStep();
}

void CControllerScience::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        CMouseCursor::ShowHourglass(true);
        ShutDown(0);
    }
}

