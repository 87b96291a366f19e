#include "CControllerMap.h"

#include "CControllerGame.h"
#include "CControllerScience.h"
#include "CControllerTrophies.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CMysteriousObject.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CResources.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "ScreenSteps.h"
#include "Utilities.h"

#include <SDL.h>

#include <cmath>
#include <string>

namespace {

constexpr int kMiniMapZ = 21999998, kCursorZ = 21999999, kBoxZ = 22000001, kIconZ = 22000002, kTextZ = 22000005;
constexpr int kMiniMapX = 287, kMiniMapY = 20;
// The small island is the island shrunk by this much.
constexpr int kMiniMapScale = 8;
constexpr int kBackButton = 0, kTrophyButton = 1;
constexpr int kFirstTutorialId = 1000, kLastTutorialId = 1999;
constexpr int kStepBeforeMap = 44, kMapSteps[] = {45, 46};
constexpr int kTutorialOnProperty = 67;
constexpr int kSecondsPerIslandYear = 172800;

struct mystery_icon {
    const char* name;
    int x, y;
    int mystery;  // the mystery's own number, for the record
    int trophy;
};
constexpr mystery_icon kIcons[CControllerMap::kMysteries] = {
    {"map_myst_fossil.png", 23, 395, 0, 0x200},       {"map_myst_lava.png", 53, 394, 5, 0x10000},
    {"map_myst_stump.png", 81, 398, 4, 0x1000},       {"map_myst_fountain.png", 110, 392, 3, 0x800},
    {"map_myst_stardust.png", 142, 392, 7, 0x2000},   {"map_myst_drybush.png", 168, 397, 1, 0x8000},
    {"map_myst_flowers.png", 199, 393, 2, 0x20000},   {"map_myst_moondust.png", 227, 393, 6, 0x4000}};

struct statistic_place {
    int x, y, w, h;
};
constexpr statistic_place kStatisticPlaces[CControllerMap::kStatistics - 1] = {
    {58, 77, 200, 250}, {58, 156, 200, 200}, {58, 252, 200, 250}, {58, 349, 200, 250}, {58, 494, 200, 200}};
constexpr int kFirstStatisticText = 28400;
constexpr int kOneTwinBirthText = 28401, kTwinBirthsText = 28402;

int Int(int property)
{
    return CProfile::current->GetValue<int>(property);
}

std::string Number(long value)
{
    return std::to_string(value);
}

CSprite* Text(int id, int w, int h, int alignment, int r, int g, int b, const char* insert)
{
    CSprite* sprite = new CSprite(kTextZ);
    int lines = 0;
    sprite->LoadTextShadow(id, w, h, alignment, lines, static_cast<unsigned char>(r), static_cast<unsigned char>(g),
                           static_cast<unsigned char>(b), insert, nullptr, nullptr, nullptr, nullptr);
    return sprite;
}

CGuiButton* MapButton(CController* owner, int id, int x, int y, int label, const char* base, const char* shadow,
                      const char* rollover)
{
    return new CGuiButton(CGuiButton::ScreenButton(owner, id, x, y, label, base, shadow, rollover, -2, -2));
}

}  // namespace

CSprite* CControllerMap::sMap = nullptr;

CControllerMap::CControllerMap()
    : backButton(nullptr), trophyButton(nullptr), cursorSquare(nullptr), listBoxA(nullptr), listBoxB(nullptr),
      mysterySlots(nullptr), mysteryIcons{}, nameBox1(nullptr), nameBox2(nullptr), numberBox(nullptr),
      heading(nullptr), hint(nullptr), islandNumber(nullptr), islandName(nullptr), labels(nullptr), statistics{},
      centerX(-1), centerY(-1), openTrophies(false), spritesLoaded(false), mysteriesSolved(0)
{
    LoadSprites();
}

CControllerMap::~CControllerMap()
{
    if (CTutorialDialog::IsTutorialComplete(kStepBeforeMap)) {
        for (int step : kMapSteps) {
            CTutorialDialog::CompleteTutorial(step);
        }
    }
    DeleteAndClear(CTutorialDialog::tutorialCircle);
    for (CTutorialDialog* dialog : dialogs) {
        delete dialog;
    }
    UnloadSprites();
}

void CControllerMap::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    centerX = centerY = -1;
    openTrophies = false;

    delete sMap;
    sMap = new CSprite(kMiniMapX, kMiniMapY, kMiniMapZ);
    if (CControllerGame::island) {
        sMap->LoadImage(CControllerGame::island->GetMiniMap());
    }

    cursorSquare = CSprite::ImageAt("map_myst_square.png", -100, -100, kCursorZ);
    listBoxA = CSprite::ImageAt("map_listbox_A.png", 2, 54, kBoxZ);
    listBoxB = CSprite::ImageAt("map_listbox_B.jpg", 11, 63, kBoxZ);
    mysterySlots = CSprite::ImageAt("map_myst_slots.png", 27, 397, kBoxZ);
    for (int i = 0; i < kMysteries; i++) {
        mysteryIcons[i] = CSprite::ImageAt(kIcons[i].name, kIcons[i].x, kIcons[i].y, kIconZ);
        if (!CControllerTrophies::IsTrophyComplete(kIcons[i].trophy)) {
            mysteryIcons[i]->Hide();
        }
    }
    mysteriesSolved = 0;
    for (int mystery = 0; mystery < kMysteries; mystery++) {
        mysteriesSolved += CMysteriousObject::IsComplete(mystery) ? 1 : 0;
    }

    nameBox1 = CSprite::ImageAt("map_islandnamebox.png", 22, 1, kBoxZ);
    nameBox2 = CSprite::ImageAt("map_islandnamebox.png", 417, 1, kBoxZ);
    numberBox = CSprite::ImageAt("map_islandnumberbox.jpg", 373, 535, kBoxZ);
    heading = Text(28100, 200, 50, 3, 41, 35, 28, nullptr);
    heading->CenterAt(139, 30);
    hint = Text(28200, 200, 50, 3, 0, 0, 0, nullptr);
    hint->CenterAt(533, 485);
    draw->AlterImageRGBA(hint->GetFirstImage(), RGBA_offset{1.0f, 1.0f, 1.0f, 0.4f}, false, nullptr, 1.0f, 1.0f,
                         1.0f);
    char number[16];
    snprintf(number, sizeof number, "%u", CProfile::current->GetValue<unsigned int>(46));
    islandNumber = Text(6105, 300, 50, 3, 74, 69, 38, number);
    islandNumber->CenterAt(507, 562);
    const int nameId = Int(47);
    const std::string prefix = Number(Int(48));
    islandName = Text(nameId, 200, 50, 3, 41, 35, 28, prefix.c_str());
    islandName->CenterAt(536, 30);
    labels = Text(28300, 200, 550, 0, 41, 35, 28, nullptr);
    labels->Move(24, 77);
    LoadStatistics();

    backButton = MapButton(this, kBackButton, 646, 535, 28000, "map_button_back_base.png", "map_button_back_shad.png",
                           "map_button_back_roll%i.png");
    trophyButton = MapButton(this, kTrophyButton, 287, 527, -1, "map_button_trophy_base.png",
                             "map_button_trophy_shad.png", "map_button_trophy_roll%i.png");
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

// The band's story so far, read in the order the texts show it.
void CControllerMap::LoadStatistics()
{
    CResources* stock = CControllerGame::Resources();
    const long runSeconds = Round(static_cast<float>(GetTimeDiff(GetCurrentTime(), CProfile::startTime)));
    const std::string values[kStatistics - 1][5] = {
        {Number(Int(49) / kSecondsPerIslandYear), Number((CProfile::current->GetValue<long>(50) + runSeconds) / 60),
         Number(CPerson::NumPeople()), Number(Int(51)), Number(Int(52))},
        {Number(Int(53)), Number(CPerson::GetOldestPerson()), Number(Int(54)), Number(stock->GetWood()),
         Number(Int(55))},
        {Number(stock->GetRock()), Number(Int(56)), Number(stock->GetFood(-1)), Number(Int(57)),
         Number(CControllerScience::GetSciencePoints())},
        {Number(Int(58)), Number(mysteriesSolved), Number(CControllerTrophies::NumTrophiesUnlocked()),
         Number(Int(59)), Number(Int(60))},
        {Number(Int(61)), Number(Int(62)), Number(Int(63)), Number(Int(64)), ""}};
    for (int i = 0; i < kStatistics - 1; i++) {
        int id = kFirstStatisticText + i;
        if (i == 1) {
            id = Int(53) == 1 ? kOneTwinBirthText : kTwinBirthsText;
        } else if (i > 1) {
            id = kFirstStatisticText + i + 1;
        }
        const statistic_place& place = kStatisticPlaces[i];
        const std::string* v = values[i];
        CSprite* sprite = new CSprite(kTextZ);
        int lines = 0;
        sprite->LoadTextShadow(id, place.w, place.h, 1, lines, 41, 35, 28, v[0].c_str(), v[1].c_str(),
                               v[2].c_str(), v[3].c_str(), v[4].empty() ? nullptr : v[4].c_str());
        sprite->Move(place.x, place.y);
        statistics[i] = sprite;
    }
}

void CControllerMap::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    if (sMap) {
        sMap->Hide();
    }
    CSprite** sprites[] = {&cursorSquare, &listBoxA, &listBoxB, &mysterySlots, &nameBox1,
                           &nameBox2,     &numberBox, &heading, &hint,         &islandNumber,
                           &islandName,   &labels};
    for (CSprite** sprite : sprites) {
        DeleteAndClear(*sprite);
    }
    for (CSprite*& icon : mysteryIcons) {
        DeleteAndClear(icon);
    }
    for (CSprite*& text : statistics) {
        DeleteAndClear(text);
    }
    DeleteAndClear(backButton);
    DeleteAndClear(trophyButton);
    spritesLoaded = false;
}

void CControllerMap::GotFocusBack() {}

void CControllerMap::Pump()
{
    GetInput();
    if (!hasFocus || !spritesLoaded) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus) {
        return;
    }
    cursorSquare->Move(CMouseCursor::GetMouseX() - cursorSquare->GetW() / 2,
                       CMouseCursor::GetMouseY() - cursorSquare->GetH() / 2);
    PumpTutorial();
}

void CControllerMap::PumpTutorial()
{
    if (CProfile::current->GetValue<bool>(kTutorialOnProperty)) {
        const int step = CTutorialDialog::nextTutorial;
        if (step == -1) {
            CTutorialDialog::DetermineNextTutorial();
            return;
        }
        if (!CTutorialDialog::activeDialog && (step == kMapSteps[0] || step == kMapSteps[1])) {
            dialogs.push_back(new CTutorialDialog(step, this));
            CMouseCursor::ShowMouse();
            DeleteAndClear(CTutorialDialog::tutorialCircle);
            return;
        }
    }
    if (CTutorialDialog::tutorialCircle) {
        CTutorialDialog::tutorialCircle->Pump(0, 0, 0);
    }
}

void CControllerMap::Close()
{
    CloseScreen(this);
}

void CControllerMap::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        Close();
    }
}

void CControllerMap::InputMouseClick(bool left, bool, bool released)
{
    if (!hasFocus) {
        return;
    }
    CMouseCursor::ShowMouse();
    if (left) {
        CGuiButtonBase::LeftMouseClick(released, false);
    }
    if (hasFocus && released && sMap && sMap->IsMouseOver(0, 0)) {
        centerX = (CMouseCursor::GetMouseX() - sMap->GetX()) * kMiniMapScale;
        centerY = (CMouseCursor::GetMouseY() - sMap->GetY()) * kMiniMapScale;
        Close();
    }
}

void CControllerMap::GUICallback(int id, int)
{
    if (id >= kFirstTutorialId && id <= kLastTutorialId) {
        CMouseCursor::ShowHourglass(true);
        CTutorialDialog::CompleteTutorial(id - kFirstTutorialId);
        return;
    }
    if (id == kTrophyButton) {
        openTrophies = true;
    }
    Close();
}
