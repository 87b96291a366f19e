#include "CControllerPersonDetail.h"

#include "CControllerGame.h"
#include "CControllerPopUp.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CGuiCheckBox.h"
#include "CMouseCursor.h"
#include "CPerson.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kFaderZ = 21999990, kBackingZ = 21999995, kMeterZ = 21999997, kMeterEndZ = 21999998;
constexpr int kFrameZ = 22000000, kCheckBoxZ = 22000001, kTextZ = 22000020, kCursorZ = 22000030;
constexpr int kLeft = 0, kCentred = 2;
constexpr int kPendingOnOpen = 86, kStepKidsChores = 87;

struct placed_picture {
    const char* name;
    int x, y;
};

constexpr placed_picture kFrame[8] = {
    {"personGUI_mainA.png", 115, 28},  {"personGUI_mainB.jpg", 136, 144}, {"personGUI_mainC.jpg", 180, 53},
    {"personGUI_mainD.jpg", 367, 72},  {"personGUI_mainE.jpg", 125, 315}, {"personGUI_mainF.jpg", 133, 344},
    {"personGUI_mainG.jpg", 592, 320}, {"personGUI_mainH.jpg", 138, 482}};

constexpr int kMeterX = 298;
constexpr int kMeterY[CControllerPersonDetail::kSkills] = {340, 361, 380, 401, 420, 441, 462};
constexpr int kMeterFull = 10000;

struct button_row {
    int x, y;
    const char* base;
    const char* shadow;
    const char* rollover;
    int label;  // -1 none
    int labelX, labelY;
};

constexpr button_row kButtons[4] = {
    {147, 138, "personGUI_buttonarrowL_base.png", "personGUI_buttonarrowL_shad.png",
     "personGUI_buttonarrowL_roll%i.png", -1, 0, 0},
    {288, 138, "personGUI_buttonarrowR_base.png", "personGUI_buttonarrowR_shad.png",
     "personGUI_buttonarrowR_roll%i.png", -1, 0, 0},
    {165, 265, "personGUI_buttonchange_base.png", "personGUI_buttonchange_shad.png",
     "personGUI_buttonchange_roll%i.png", 11010, -2, -3},
    {339, 489, "personGUI_buttonback_base.png", "personGUI_buttonback_shad.png", "personGUI_buttonback_roll%i.png",
     11000, -4, -3}};

struct check_set {
    const char* box;
    const char* boxRollover;
    const char* check;
    const char* checkRollover;
};

constexpr check_set kCheckSets[4] = {
    {"personGUI_chkbox0A_base.png", "personGUI_chkbox0A_roll%i.png", "personGUI_chkbox0B_base.png",
     "personGUI_chkbox0B_roll%i.png"},
    {"personGUI_chkbox1A_base.png", "personGUI_chkbox1A_roll%i.png", "personGUI_chkbox1B_base.png",
     "personGUI_chkbox1B_roll%i.png"},
    {"personGUI_chkbox2A_base.png", "personGUI_chkbox2A_roll%i.png", "personGUI_chkbox2B_base.png",
     "personGUI_chkbox2B_roll%i.png"},
    {"personGUI_chkbox3A_base.png", "personGUI_chkbox3A_roll%i.png", "personGUI_chkbox3B_base.png",
     "personGUI_chkbox3B_roll%i.png"}};

struct check_row {
    int task;
    int x, y;
    int set;
};

// One row per working skill, in the order of CPerson::GetSkillMeter.
constexpr check_row kChecks[CControllerPersonDetail::kSkills] = {
    {3, 600, 339, 0}, {2, 600, 360, 1}, {4, 599, 380, 2}, {5, 600, 400, 3},
    {14, 600, 421, 0}, {11, 600, 442, 1}, {12, 599, 462, 2}};

constexpr int kHeaderText = 11030, kSkillNameText = 11040, kNameTextId = 11061;
constexpr int kAgeLabel = 11070, kGenderLabel = 11071, kHairLabel = 11072, kSpecialityLabel = 11073;
constexpr int kPhysicalLabel = 11080, kMentalLabel = 11081;
constexpr int kAgeText = 11079, kAgesText = 11200, kMaleText = 11075, kFemaleText = 11076, kHairText = 11090;
constexpr int kSpecialityText = 11078, kManySkillsText = 11128, kRankText = 11120, kTradeText = 11100;
constexpr const char* kNoTrade = "11108";
constexpr int kStrengthText = 11088;

struct text_colour {
    unsigned char r, g, b;
};

constexpr text_colour kSkillShadow = {41, 37, 22}, kInfoShadow = {41, 35, 28};

constexpr int kNameX = 375, kNameY = 90, kNameW = 250, kInfoX = 382, kInfoW = 260, kTextH = 30;
constexpr int kEmptyCursorX = 500, kEmptyCursorY = 89;
constexpr int kPortraitX = 240, kPortraitY = 165, kBabyY = 195, kBoyY = 180, kGirlY = 170;

// Rows of the information block: age, gender, hair, speciality, physical and
// mental strength.
constexpr int kInfoY[6] = {111, 133, 155, 177, 227, 250};

CSprite* Text(int id, int w, int align, text_colour shadow, int x, int y, const char* a1 = nullptr,
              const char* a2 = nullptr)
{
    CSprite* sprite = new CSprite(kTextZ);
    int lines = 0;
    sprite->LoadTextShadow(id, w, kTextH, align, lines, shadow.r, shadow.g, shadow.b, a1, a2, nullptr, nullptr,
                           nullptr);
    sprite->Move(x, y);
    return sprite;
}

CSprite* InfoText(int id, int x, int y, const char* a1 = nullptr, const char* a2 = nullptr)
{
    return Text(id, kInfoW, kLeft, kInfoShadow, x, y, a1, a2);
}

// One past the rightmost visible column of the sprite's text.
int RightOf(CSprite* sprite)
{
    return sprite->GetX() + CSprite::draw->GetRightEdge(sprite->GetImage(0));
}

std::string Decimal(int n)
{
    return std::to_string(n);
}

}  // namespace

CControllerPopUp* CControllerPersonDetail::popUp = nullptr;

CControllerPersonDetail::CControllerPersonDetail(CPerson* person)
    : textCursor(nullptr), portrait(nullptr), fader(nullptr), frame{}, meterBacking(nullptr), meters{},
      meterEnds{}, skillsHeader(nullptr), skillNames{}, nameText(nullptr), labels{}, values{}, categories{},
      buttons{}, checkBoxes{}, spritesLoaded(false), cursorBlink(0), typedName{}, shiftHeld(false),
      editingName(true), keyRepeat(0), heldKey(0), changeClothes(0), shownPerson(person), tutorialDialog(nullptr)
{
    LoadSprites();
}

CControllerPersonDetail::~CControllerPersonDetail()
{
    if (CTutorialDialog::IsTutorialComplete(18)) {
        for (int step = 19; step <= 23; step++) {
            CTutorialDialog::CompleteTutorial(step);
        }
    }
    if (!CTutorialDialog::IsTutorialComplete(kStepKidsChores) && CControllerGame::game) {
        CControllerGame::game->pendingTutorial = -1;
    }
    DeleteAndClear(CTutorialDialog::tutorialCircle);
    DeleteAndClear(tutorialDialog);
    DeleteAndClear(popUp);
    UnloadSprites();
}

int CControllerPersonDetail::StrengthCategory(int strength)
{
    constexpr int kUpTo[] = {9, 24, 49, 74, 99};
    int id = 11082;
    for (int limit : kUpTo) {
        if (strength <= limit) {
            return id;
        }
        id++;
    }
    return id;
}

void CControllerPersonDetail::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    keyRepeat = 0;
    heldKey = 0;
    editingName = true;
    changeClothes = 0;
    cursorBlink = 0;
    shiftHeld = false;
    if (CControllerGame::game && CControllerGame::game->pendingTutorial == kPendingOnOpen) {
        CControllerGame::game->pendingTutorial = -1;
    }
    textCursor = CSprite::ImageAt("islandselector_cursor.png", 0, 0, kCursorZ);
    portrait = nullptr;
    fader = CSprite::ImageAt("gui_fader.png", 0, 0, kFaderZ);
    for (int i = 0; i < 8; i++) {
        frame[i] = CSprite::ImageAt(kFrame[i].name, kFrame[i].x, kFrame[i].y, kFrameZ);
    }
    meterBacking = CSprite::ImageAt("personGUI_meterbacking.jpg", 296, 337, kBackingZ);
    for (int i = 0; i < kSkills; i++) {
        char name[64];
        std::snprintf(name, sizeof name, "personGUI_meter%i.png", i);
        meters[i] = CSprite::ImageAt(name, kMeterX, kMeterY[i], kMeterZ);
        std::snprintf(name, sizeof name, "personGUI_meter%iend.png", i);
        meterEnds[i] = CSprite::ImageAt(name, kMeterX - 4 + meters[i]->GetOriginalW(), kMeterY[i], kMeterEndZ);
        meters[i]->dirtyOnDelete = meterEnds[i]->dirtyOnDelete = true;
    }
    skillsHeader = nameText = nullptr;
    for (int i = 0; i < kSkills; i++) {
        skillNames[i] = nullptr;
    }
    for (int i = 0; i < 6; i++) {
        labels[i] = values[i] = nullptr;
    }
    categories[0] = categories[1] = nullptr;
    for (int i = 0; i < 4; i++) {
        const button_row& row = kButtons[i];
        buttons[i] = new CGuiButton(CGuiButton::ScreenButton(this, i, row.x, row.y, row.label, row.base, row.shadow,
                                                             row.rollover, row.labelX, row.labelY));
    }
    for (int i = 0; i < kSkills; i++) {
        const check_row& row = kChecks[i];
        const check_set& set = kCheckSets[row.set];
        checkBoxes[i] = new CGuiCheckBox(row.x, row.y, 4 + i, this, set.box, set.boxRollover, set.check,
                                         set.checkRollover, 0, 0, 5, false, kCheckBoxZ);
    }
    UpdateScreen();
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerPersonDetail::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    for (CSprite** sprite : {&textCursor, &portrait, &fader, &meterBacking, &skillsHeader, &nameText,
                             &categories[0], &categories[1]}) {
        DeleteAndClear(*sprite);
    }
    for (int i = 0; i < 8; i++) {
        DeleteAndClear(frame[i]);
    }
    for (int i = 0; i < kSkills; i++) {
        DeleteAndClear(meters[i]);
        DeleteAndClear(meterEnds[i]);
        DeleteAndClear(skillNames[i]);
        DeleteAndClear(checkBoxes[i]);
    }
    for (int i = 0; i < 6; i++) {
        DeleteAndClear(labels[i]);
        DeleteAndClear(values[i]);
    }
    for (int i = 0; i < 4; i++) {
        DeleteAndClear(buttons[i]);
    }
    spritesLoaded = false;
}

void CControllerPersonDetail::UpdateScreen()
{
    const int dx = RangedRandom(-1, 1);
    const int dy = RangedRandom(-1, 1);
    ShowPortrait(dx, dy);
    for (int i = 0; i < kSkills; i++) {
        checkBoxes[i]->SetChecked(shownPerson->IsTaskPermitted(kChecks[i].task));
    }
    ShowMeters();
    ShowTexts();
    PlaceCursor();
    if (renderer) {
        renderer->AddSpecialDirty(0, 0, 800, 600, true);
    }
}

void CControllerPersonDetail::ShowPortrait(int dx, int dy)
{
    DeleteAndClear(portrait);
    CDraw* draw = CSprite::draw;
    const sidebar_image picture = shownPerson->GetSpriteForSidebar();
    // The side panel keeps the picture's id; a named picture is our own use.
    int source = picture.id;
    if (source < 0 && !picture.name.empty()) {
        source = draw->LoadImage(picture.name.c_str(), false, false);
    }
    if (source < 0) {
        return;
    }
    int shown = draw->DoubleImageSize(source);
    if (picture.id < 0) {
        draw->RemoveImage(source);
    }
    if (shownPerson->GetID() % 2 == 0) {
        const int mirrored = draw->MirrorImageHorizontally(shown);
        draw->RemoveImage(shown);
        shown = mirrored;
    }
    int centreY = kPortraitY;
    if (shownPerson->IsBaby()) {
        centreY = kBabyY;
    } else if (shownPerson->IsKid()) {
        centreY = shownPerson->GetGender() == 0 ? kBoyY : kGirlY;
    }
    portrait = new CSprite(kTextZ);
    portrait->LoadImage(shown);
    portrait->CenterAt(kPortraitX + dx, centreY + dy);
    portrait->dirtyOnDelete = true;
}

void CControllerPersonDetail::ShowMeters()
{
    for (int i = 0; i < kSkills; i++) {
        const int value = shownPerson->GetSkillMeter(i);
        const int width = Round(static_cast<float>(meters[i]->GetOriginalW()) * static_cast<float>(value) /
                                static_cast<float>(kMeterFull));
        meters[i]->SetW(width);
        meterEnds[i]->Move(kMeterX + width - 4, kMeterY[i]);
        if (value == 0) {
            meters[i]->Hide();
            meterEnds[i]->Hide();
        } else {
            meters[i]->UnHide();
            meterEnds[i]->UnHide();
        }
    }
    if (renderer) {
        renderer->AddSpecialDirty(279, 325, 351, 163, true);
    }
}

void CControllerPersonDetail::ShowTexts()
{
    // Texts that read the same for every islander are rendered once: the
    // arrows step through the band quickly.
    if (!skillsHeader) {
        skillsHeader = Text(kHeaderText, 50, kCentred, kSkillShadow, 586, 322);
        for (int i = 0; i < kSkills; i++) {
            skillNames[i] = Text(kSkillNameText + i, 150, kLeft, kSkillShadow, 159, 345 + 20 * i);
        }
        constexpr int kFixedLabels[5] = {kAgeLabel, kGenderLabel, kHairLabel, kSpecialityLabel, kPhysicalLabel};
        for (int i = 0; i < 5; i++) {
            labels[i] = InfoText(kFixedLabels[i], kInfoX, kInfoY[i]);
        }
    }
    std::snprintf(typedName, sizeof typedName, "%s", shownPerson->GetASCIIName());
    ShowName();

    for (int i = 0; i < 6; i++) {
        DeleteAndClear(values[i]);
    }
    DeleteAndClear(labels[5]);
    DeleteAndClear(categories[0]);
    DeleteAndClear(categories[1]);
    CPerson& person = *shownPerson;

    const std::string actualAge = Decimal(person.GetActualAge()), age = Decimal(person.GetAge());
    values[0] = person.GetActualAge() == person.GetAge()
                    ? InfoText(kAgeText, RightOf(labels[0]) + 3, kInfoY[0], actualAge.c_str())
                    : InfoText(kAgesText, RightOf(labels[0]) + 3, kInfoY[0], actualAge.c_str(), age.c_str());

    values[1] = InfoText(person.GetGender() == 0 ? kMaleText : kFemaleText, RightOf(labels[1]) + 3, kInfoY[1]);

    values[2] = InfoText(kHairText + person.GetHairColour(), RightOf(labels[2]) + 3, kInfoY[2]);

    const int speciality = person.GetSkillSpecialty();
    const int specialityX = RightOf(labels[3]) + 3;
    if (speciality == -1) {
        values[3] = InfoText(kSpecialityText, specialityX, kInfoY[3], kNoTrade);
    } else if (person.MultipleMaster()) {
        values[3] = InfoText(kManySkillsText, specialityX, kInfoY[3]);
    } else {
        const std::string rank = Decimal(kRankText + person.GetSkillRank());
        const std::string trade = Decimal(kTradeText + speciality);
        values[3] = InfoText(kSpecialityText, specialityX, kInfoY[3], rank.c_str(), trade.c_str());
    }

    const int strengths[2] = {person.GetPhysicalStrength(), person.GetMentalStrength()};
    const std::string mental = Decimal(strengths[1]), mentalCategory = Decimal(StrengthCategory(strengths[1]));
    labels[5] = InfoText(kMentalLabel, kInfoX, kInfoY[5], mental.c_str(), mentalCategory.c_str());
    for (int i = 0; i < 2; i++) {
        const std::string strength = Decimal(strengths[i]);
        values[4 + i] = InfoText(kStrengthText, RightOf(labels[4 + i]) + 2, kInfoY[4 + i], strength.c_str());
        categories[i] = InfoText(StrengthCategory(strengths[i]), RightOf(values[4 + i]) + 2, kInfoY[4 + i]);
    }
}

void CControllerPersonDetail::ShowName()
{
    DeleteAndClear(nameText);
    if (typedName[0] != '\0') {
        nameText = Text(kNameTextId, kNameW, kCentred, kInfoShadow, kNameX, kNameY, typedName);
        nameText->dirtyOnDelete = true;
    }
}

void CControllerPersonDetail::PlaceCursor()
{
    if (nameText) {
        textCursor->Move(RightOf(nameText) - 2, nameText->GetY() - 1);
    } else {
        textCursor->Move(kEmptyCursorX, kEmptyCursorY);
    }
}
