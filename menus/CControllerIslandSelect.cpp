#include "CControllerIslandSelect.h"

#include "CControllerGame.h"
#include "CControllerIntroStory.h"
#include "CControllerPopUp.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CMysteriousObject.h"
#include "CObject.h"
#include "CPerson.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CResources.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "FontSystem.h"
#include "Log.h"
#include "ScreenSteps.h"
#include "Utilities.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kFrameZ = 21000000;
constexpr int kLabelZ = 21000001;
constexpr int kDataZ = 21000002;
constexpr int kMysteryZ = 21000003;
constexpr int kLoadingZ = 20999990;
constexpr int kLoadingShadeZ = 20999980;
constexpr int kLoadingTextZ = 20999995;

constexpr int kSeedOfIslandProperty = 1;
constexpr int kGameUnderWayProperty = 31;
constexpr int kLastPlayProperty = 33;
constexpr int kIslandsMadeProperty = 36;
constexpr int kIslandNumberProperty = 46;
constexpr int kIslandNameProperty = 47;
constexpr int kIslandPrefixProperty = 48;

constexpr int kNumberText = 6100;
constexpr int kTypedText = 6101;
constexpr int kNumberWaitingText = 6102;
constexpr int kNameWaitingText = 6103;
constexpr int kSettleQuestion = 12300;
constexpr int kLostGameNoticeId = 12120, kLostGameUncopiedNoticeId = 12121;
constexpr int kCaretY = 477, kCaretX = 136;

struct frame_part {
    const char* image;
    int x, y;
};
constexpr frame_part kFrameParts[5] = {{"islandselector_mainA.png", 286, 25},
                                       {"islandselector_mainB.jpg", 0, 0},
                                       {"islandselector_mainC.jpg", 286, 0},
                                       {"islandselector_mainD.jpg", 773, 0},
                                       {"islandselector_mainE.jpg", 0, 507}};

struct label_text {
    int id, w, x, y;
    unsigned char r, g, b;
};
constexpr label_text kLabels[4] = {{6010, 282, 6, 19, 74, 69, 38},
                                   {6011, 200, 42, 281, 59, 55, 33},
                                   {6012, 200, 38, 372, 59, 55, 33},
                                   {6013, 250, 14, 445, 59, 55, 33}};

struct chooser_button {
    const char* base;
    const char* shadow;
    const char* rollover;
    int x, y, label, dx, dy;
};
constexpr chooser_button kButtons[4] = {
    {"islandselector_button_mainmenu_base.png", "islandselector_button_mainmenu_shad.png",
     "islandselector_button_mainmenu_roll%i.png", 43, 522, 6000, -4, -3},
    {"islandselector_button_prev_base.png", "islandselector_button_prev_shad.png",
     "islandselector_button_prev_roll%i.png", 280, 519, 6001, -1, -3},
    {"islandselector_button_select_base.png", "islandselector_button_select_shad.png",
     "islandselector_button_select_roll%i.png", 414, 526, 6002, -1, -3},
    {"islandselector_button_next_base.png", "islandselector_button_next_shad.png",
     "islandselector_button_next_roll%i.png", 643, 518, 6003, -3, -2}};

constexpr int kMysteryX[3] = {41, 114, 186};
constexpr int kMysteryY = 294;

CSprite* Text(int id, int w, int h, int align, unsigned char r, unsigned char g, unsigned char b, const char* insert,
              int z)
{
    CSprite* sprite = new CSprite(z);
    int lines = 0;
    sprite->LoadTextShadow(id, w, h, align, lines, r, g, b, insert, nullptr, nullptr, nullptr, nullptr);
    return sprite;
}

bool GameUnderWay()
{
    return CProfile::current->GetValue<bool>(kGameUnderWayProperty);
}

// A sound that plays on, looping, and comes in softly when it was silent.
void KeepLooping(CSound* sound)
{
    if (!sound->IsPlaying()) {
        sound->Play(true, 0, 0.0f, false);
    }
    if (sound->GetVolume() == 0.0f) {
        sound->FadeIn(15);
    }
}

}  // namespace

bool CControllerIslandSelect::movingTarrow = false;
CControllerPopUp* CControllerIslandSelect::popUp = nullptr;

CControllerIslandSelect::CControllerIslandSelect(bool afterStory)
    : circle(nullptr), sndBirds{}, sndCreaks{}, sndWoosh(nullptr), lastAmbient(-1), ambientCountdown(0),
      buttons{}, frames{}, backdrop(nullptr), labels{}, nameSprite(nullptr), numberSprite(nullptr),
      mysterySprites{}, caret(nullptr), typedSprite(nullptr), loading{}, game(nullptr), lastShown(0), typed(0),
      typedDrawn(0), typing(false), caretShown(false), caretCounter(0), afterStory(afterStory), direct(false),
      spritesLoaded(false), gameLost(false), lostGameNoticePending(false), lostGameKept(false)
{
    direct = GameUnderWay() && !afterStory && returnCode == -2;
    ambientCountdown = RangedRandom(150, 300);
    if (!direct) {
        LoadSprites();
    }
}

CControllerIslandSelect::~CControllerIslandSelect()
{
    delete game;
    game = nullptr;
    UnloadSprites(true);
    delete popUp;
    popUp = nullptr;
}

void CControllerIslandSelect::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    CSound::StopMusic();
    typing = caretShown = false;
    caretCounter = 0;
    typed = typedDrawn = 0;
    game = nullptr;
    circle = nullptr;
    if (Running()) {
        if (CProfile::current->GetValue<int>(kIslandsMadeProperty) < 2) {
            circle = new CTutorialCircle(627, 517, false, 'A');
        }
        for (int i = 0; i < 6; i++) {
            const std::string name = "island_birds_" + std::to_string(i + 1) + ".ogg";
            sndBirds[i] = new CSound(name.c_str(), false, 0.3f, false);
        }
        for (int i = 0; i < 4; i++) {
            const std::string name = "island_wood_creaking_" + std::to_string(i + 1) + ".ogg";
            sndCreaks[i] = new CSound(name.c_str(), false, 0.4f, false);
        }
        sndWoosh = new CSound("island_woosh.ogg", false, 0.5f, false);
        if (!CControllerGame::sndWaves) {
            CControllerGame::sndWaves = new CSound("waves_LOOP.ogg", false, 0.3f, false);
        }
        KeepLooping(CControllerGame::sndWaves);
    }
    for (int i = 0; i < 5; i++) {
        frames[i] = CSprite::ImageAt(kFrameParts[i].image, kFrameParts[i].x, kFrameParts[i].y, kFrameZ);
    }
    const int blank = draw->CreateSizedBlank(489, 489, frames[4]->GetFirstImage());
    draw->ColourFill(blank, RGBA_data{38, 72, 169, 255}, 0, 0, 489, 489);
    backdrop = new CSprite(0);
    backdrop->LoadImage(blank);
    backdrop->Move(287, 20);
    for (int i = 0; i < 4; i++) {
        const label_text& label = kLabels[i];
        labels[i] = Text(label.id, label.w, 50, 2, label.r, label.g, label.b, nullptr, kLabelZ);
        labels[i]->Move(label.x, label.y);
    }
    numberSprite = Text(kNumberWaitingText, 200, 50, 2, 41, 35, 28, nullptr, kDataZ);
    numberSprite->Move(39, 403);
    numberSprite->dirtyOnDelete = true;
    nameSprite = Text(kNameWaitingText, 200, 50, 2, 41, 35, 28, nullptr, kDataZ);
    nameSprite->Move(430, 494);
    nameSprite->dirtyOnDelete = true;
    caret = CSprite::ImageAt("islandselector_cursor.png", kCaretX, kCaretY, kDataZ);
    caret->Hide();
    loading[0] = CSprite::ImageAt("loadingA_A.png", 354, 177, kLoadingZ);
    loading[1] = CSprite::ImageAt("loadingA_B.jpg", 387, 214, kLoadingZ);
    loading[2] = CSprite::ImageAt("gui_fader2.png", 0, 0, kLoadingShadeZ);
    loading[3] = Text(6014, 282, 50, 3, 41, 35, 28, nullptr, kLoadingTextZ);
    loading[3]->CenterAt(492, 210);
    for (int i = 0; i < 4; i++) {
        const chooser_button& look = kButtons[i];
        buttons[i] = new CGuiButton(CGuiButton::ScreenButton(this, i, look.x, look.y, look.label, look.base,
                                                             look.shadow, look.rollover, look.dx, look.dy));
    }
    for (CSprite* sprite : loading) {
        sprite->Hide();
    }
    if (Running()) {
        // The island takes a moment to make: the loading picture shows meanwhile.
        for (CSprite* sprite : loading) {
            sprite->UnHide();
        }
        renderer->Render(true);
        draw->Flip(false);
        delete CControllerGame::island;
        CControllerGame::island = nullptr;
        CPersonMovement::GeneratePathMap();
        new CMap(true);
        CControllerGame::island->Pump();
    }
    UpdateIslandData(false);
    CMouseCursor::ShowHourglass(false);
    spritesLoaded = true;
}

void CControllerIslandSelect::UnloadSprites(bool deleteMap)
{
    if (!spritesLoaded) {
        return;
    }
    DeleteAndClear(circle);
    for (CSound*& sound : sndBirds) {
        DeleteAndClear(sound);
    }
    for (CSound*& sound : sndCreaks) {
        DeleteAndClear(sound);
    }
    DeleteAndClear(sndWoosh);
    if (deleteMap) {
        DeleteAndClear(CControllerGame::island);
        CObject::UnloadAll();
    }
    for (CSprite*& sprite : frames) {
        DeleteAndClear(sprite);
    }
    DeleteAndClear(backdrop);
    for (CSprite*& sprite : labels) {
        DeleteAndClear(sprite);
    }
    DeleteAndClear(nameSprite);
    DeleteAndClear(numberSprite);
    for (CSprite*& sprite : mysterySprites) {
        DeleteAndClear(sprite);
    }
    DeleteAndClear(caret);
    DeleteAndClear(typedSprite);
    for (CSprite*& sprite : loading) {
        DeleteAndClear(sprite);
    }
    for (CGuiButton*& button : buttons) {
        DeleteAndClear(button);
    }
    CControllerIntroStory::DeleteAmbientSounds();
    spritesLoaded = false;
}

bool CControllerIslandSelect::Scanning()
{
    return CControllerGame::island && CControllerGame::island->ScanningForIsland();
}

uint32_t CControllerIslandSelect::GetIslandNum()
{
    if (!CControllerGame::island) {
        return 0;
    }
    const uint32_t seed = CControllerGame::island->GetCurrentSeed();
    const auto found = typedSeeds.find(seed);
    return found == typedSeeds.end() ? seed : found->second;
}

int CControllerIslandSelect::GetIslandName(bool)
{
    return 6600 + RangedRandom(0, 344);
}

void CControllerIslandSelect::IslandName(uint32_t seed, int& nameId, int& prefixId)
{
    InitRandom(seed);
    const int a = RangedRandom(0, 6);
    const int b = RangedRandom(0, 10);
    prefixId = b < 7 ? 6501 : 6500 + a;
    nameId = 6600 + RangedRandom(0, 344);
}

void CControllerIslandSelect::UpdateIslandData(bool force)
{
    if (!Running() || !CControllerGame::island) {
        return;
    }
    const uint32_t shown = GetIslandNum();
    if (shown == lastShown && !force) {
        return;
    }
    lastShown = shown;
    const auto found = typedSeeds.find(shown);
    const uint32_t nameSeed = found == typedSeeds.end() ? shown : found->second;
    int nameId = 0, prefixId = 0;
    IslandName(nameSeed, nameId, prefixId);
    if (!GameUnderWay() || movingTarrow) {
        CProfile::current->SetValue<int>(kIslandNameProperty, nameId);
        CProfile::current->SetValue<int>(kIslandPrefixProperty, prefixId);
    }
    const std::string prefix = std::to_string(prefixId);
    delete nameSprite;
    nameSprite = Text(nameId, 200, 50, 2, 41, 35, 28, prefix.c_str(), kDataZ);
    nameSprite->Move(430, 494);
    nameSprite->dirtyOnDelete = true;
    char number[16];
    snprintf(number, sizeof number, "%u", force ? nameSeed : shown);
    delete numberSprite;
    numberSprite = Text(kNumberText, 200, 50, 2, 41, 35, 28, number, kDataZ);
    numberSprite->Move(39, 403);
    numberSprite->dirtyOnDelete = true;
    for (int i = 0; i < 3; i++) {
        DeleteAndClear(mysterySprites[i]);
        // An island may lack a mystery: its place stays empty.
        CMysteriousObject* mystery = CControllerGame::island->mysteries[i];
        if (mystery) {
            const std::string name = "mysterious_islandselect_" + std::to_string(mystery->GetVariant()) + ".png";
            mysterySprites[i] = CSprite::ImageAt(name.c_str(), kMysteryX[i], kMysteryY, kMysteryZ);
        }
    }
}

void CControllerIslandSelect::AddIslandNum(int digit)
{
    typing = caretShown = true;
    const uint64_t next = static_cast<uint64_t>(typed) * 10 + static_cast<uint64_t>(digit);
    if (next <= UINT32_MAX) {
        typed = static_cast<uint32_t>(next);
    }
}

void CControllerIslandSelect::DeleteIslandNum()
{
    typing = caretShown = true;
    if (typed > 9) {
        typed /= 10;
    } else {
        typed = typedDrawn = 0;
    }
}

void CControllerIslandSelect::TravelToInputtedIslandNum()
{
    ShowLoading();
    if (typed == 0 || Scanning() || typed == GetIslandNum()) {
        return;
    }
    CMouseCursor::ShowHourglass(true);
    CControllerGame::island->NewMap(typed);
    CMouseCursor::ShowMouse();
    DirtyAroundPointer();
    typedSeeds[GetIslandNum()] = typed;
    UpdateIslandData(true);
    typing = caretShown = false;
}

void CControllerIslandSelect::ShowLoading()
{
    if (direct || Scanning() || !spritesLoaded) {
        return;
    }
    for (CSprite* sprite : loading) {
        sprite->UnHide();
    }
    CControllerGame::island->Pump();
    renderer->Render(true);
    draw->Flip(false);
}

void CControllerIslandSelect::HideLoading()
{
    if (direct || !spritesLoaded) {
        return;
    }
    for (CSprite* sprite : loading) {
        sprite->Hide();
    }
}

void CControllerIslandSelect::FillMissingIslandKeys()
{
    CProfile* profile = CProfile::current;
    const uint32_t seed = profile->GetValue<unsigned int>(kSeedOfIslandProperty);
    if (!profile->HasValue(kIslandNumberProperty)) {
        profile->SetValue<unsigned int>(kIslandNumberProperty, seed);
    }
    // The island map shows the name by its text id: one the table lacks
    // would end the game there.
    const bool nameKnown =
        profile->HasValue(kIslandNameProperty) && strings.count(profile->GetValue<int>(kIslandNameProperty)) != 0;
    if (!nameKnown || !profile->HasValue(kIslandPrefixProperty)) {
        if (profile->HasValue(kIslandNameProperty)) {
            logMessage("The saved island name is not in the string table; the name comes from the seed again");
        }
        int nameId = 0, prefixId = 0;
        IslandName(seed, nameId, prefixId);
        profile->SetValue<int>(kIslandNameProperty, nameId);
        profile->SetValue<int>(kIslandPrefixProperty, prefixId);
    }
}

void CControllerIslandSelect::MakeBig(bool showHourglass, bool force)
{
    if (Scanning() && !force) {
        return;
    }
    if (gameLost && !movingTarrow) {
        // The new island replaces the lost game: from here on it is a new
        // game, named after the island chosen.
        CProfile::current->SetValue<bool>(kGameUnderWayProperty, false);
        CProfile::current->ClearFirstGameSaved();
        gameLost = false;
        UpdateIslandData(true);
    }
    if (!(GameUnderWay() && !movingTarrow)) {
        CProfile::current->SetValue<unsigned int>(kIslandNumberProperty, GetIslandNum());
    }
    const bool moving = movingTarrow;
    bool newPeople = false;
    if (moving) {
        CPerson::LoadPeople();
        movingTarrow = false;
        HourglassSteps();
    } else if (showHourglass) {
        HourglassSteps();
        newPeople = true;
    }
    UnloadSprites(false);
    game = new CControllerGame(newPeople, false);
    PassFocus(game);
    if (moving) {
        CPerson::ResetForNewIsland();
        CResources* stock = CControllerGame::Resources();
        stock->LoadResources();
        stock->RemoveWood(stock->GetWood());
        stock->RemoveAllFood();
        stock->RemoveRock(stock->GetRock());
    }
    for (int i = 0; i < 3; i++) {
        game->Pump();
    }
    renderer->AddSpecialDirty(0, 0, 800, 600, true);
}

void CControllerIslandSelect::Pump()
{
    GetInput();
    if (!hasFocus || !Running()) {
        return;
    }
    if (direct) {
        delete CControllerGame::island;
        CControllerGame::island = nullptr;
        CProfile* profile = CProfile::current;
        CMap* island = nullptr;
        bool made = false;
        if (profile->SavedGameComplete()) {
            CPersonMovement::GeneratePathMap();
            island = new CMap(false);
            made = island->LoadMap(true);
        }
        if (!made) {
            // The game cannot be made again. It stays as it was saved, for
            // a later version or a look at the kept copy, until the player
            // settles on a new island; each visit says so.
            delete island;
            CObject::UnloadAll();
            lostGameKept = profile->KeepLostGame();
            // The lost game's notice says all there is to say about it.
            profile->NoticeShown(CProfile::kCopiesDiffer);
            profile->NoticeShown(CProfile::kRecordsGivenUp);
            gameLost = true;
            lostGameNoticePending = true;
            direct = false;
            LoadSprites();
            return;
        }
        island->Pump();
        FillMissingIslandKeys();
        MakeBig(false, true);
        return;
    }
    if (!spritesLoaded) {
        return;
    }
    HideLoading();
    if (Scanning()) {
        CMouseCursor::ShowHourglass(false);
    } else {
        CMouseCursor::ShowMouse();
    }
    if (lostGameNoticePending && !Scanning()) {
        // Over the chooser as it stands, once its island has come in.
        lostGameNoticePending = false;
        feedback_data notice{};
        notice.id = lostGameKept ? kLostGameNoticeId : kLostGameUncopiedNoticeId;
        popUp = new CControllerPopUp(notice, true, -1);
        PassFocus(popUp);
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus || !spritesLoaded) {
        return;
    }
    CControllerGame::island->Pump();
    if (typed == 0) {
        typing = false;
        DeleteAndClear(typedSprite);
    } else if (typed != typedDrawn) {
        char digits[16];
        snprintf(digits, sizeof digits, "%u", typed);
        delete typedSprite;
        typedSprite = Text(kTypedText, 250, 25, 2, 74, 69, 38, digits, kLabelZ);
        typedSprite->Move(11, 478);
        typedSprite->dirtyOnDelete = true;
        typedDrawn = typed;
    }
    if (caretShown) {
        if (--caretCounter < -15) {
            caretCounter = 15;
        }
        if (caretCounter < 1) {
            const int x = typedSprite ? draw->GetRightEdge(typedSprite->GetFirstImage()) + typedSprite->GetX() - 2
                                      : kCaretX;
            caret->Move(x, kCaretY);
            caret->UnHide();
        } else {
            caret->Hide();
        }
    } else {
        caret->Hide();
    }
    if (Scanning() && !sndWoosh->IsPlaying()) {
        sndWoosh->Play(false, 0, 0.0f, false);
    }
    PlayAmbient();
    KeepLooping(CControllerGame::sndWaves);
    if (circle) {
        circle->Pump(0, 0, 1);
    }
}

// Now and then a bird or a creaking timber, never the same sound twice running.
void CControllerIslandSelect::PlayAmbient()
{
    if (--ambientCountdown > 0) {
        return;
    }
    ambientCountdown = RangedRandom(150, 300);
    const bool creak = RangedRandom(0, 1) == 1;
    int index = lastAmbient;
    while (index == lastAmbient) {
        index = creak ? RangedRandom(0, 3) : RangedRandom(0, 5);
    }
    lastAmbient = index;
    (creak ? sndCreaks[index] : sndBirds[index])->Play(false, 0, 0.0f, false);
}

void CControllerIslandSelect::InputKey(bool released, int key)
{
    if (!hasFocus || !released || !spritesLoaded) {
        return;
    }
    if (key >= 48 && key <= 57) {
        AddIslandNum(key - 48);
    } else if (key >= 256 && key <= 265) {
        AddIslandNum(key - 256);
    } else if (key == 8 || key == 127) {
        DeleteIslandNum();
    } else if (key == 13 || key == 271) {
        TravelToInputtedIslandNum();
    }
}

void CControllerIslandSelect::InputMouseMove(int, int) {}

void CControllerIslandSelect::InputMouseClick(bool left, bool, bool released)
{
    if (!hasFocus) {
        return;
    }
    CMouseCursor::ShowMouse();
    if (!left) {
        return;
    }
    CGuiButtonBase::LeftMouseClick(released, false);
    const int x = CMouseCursor::GetMouseX(), y = CMouseCursor::GetMouseY();
    if (hasFocus && x >= 6 && x < 275 && y >= 459 && y < 517) {
        typing = caretShown = true;
    }
}

void CControllerIslandSelect::GUICallback(int id, int)
{
    const bool scanning = Scanning();
    if (id != kBack && scanning) {
        PlayDisallowed();
    }
    if (circle && !scanning) {
        DeleteAndClear(circle);
    }
    switch (id) {
    case kBack:
        if (movingTarrow) {
            PlayDisallowed();
            return;
        }
        CloseScreen(this);
        break;
    case kPrevious: {
        if (typing) {
            TravelToInputtedIslandNum();
            return;
        }
        const uint32_t before = GetIslandNum();
        HourglassSteps();
        CControllerGame::island->PreviousMap();
        UpdateIslandData(false);
        typing = caretShown = false;
        if (GetIslandNum() == before && !Scanning()) {
            PlayDisallowed();
        }
        break;
    }
    case kSelect:
        if (typing) {
            TravelToInputtedIslandNum();
            return;
        }
        if (scanning) {
            return;
        }
        if (CProfile::current->GetValue<int>(kIslandsMadeProperty) < 2) {
            HourglassSteps();
            feedback_data request{};
            request.id = kSettleQuestion;
            popUp = new CControllerPopUp(request, false, -1);
            PassFocus(popUp);
        } else {
            CProfile::current->SetValue<long>(kLastPlayProperty, 0);
            MakeBig(true, false);
        }
        break;
    case kNext:
        if (typing) {
            TravelToInputtedIslandNum();
            return;
        }
        ShowLoading();
        HourglassSteps();
        CControllerGame::island->NextMap();
        UpdateIslandData(false);
        typing = caretShown = false;
        break;
    default:
        break;
    }
}

void CControllerIslandSelect::GotFocusBack()
{
    if (game) {
        DeleteAndClear(game);
        LoadSprites();
        direct = false;
    }
    if (popUp) {
        // The lost game's notice only tells; the settle question asks.
        const bool yes = popUp->answer && popUp->request.id == kSettleQuestion;
        DeleteAndClear(popUp);
        if (!Running()) {
            return;
        }
        renderer->AddSpecialDirty(0, 0, 800, 600, true);
        renderer->Render(true);
        draw->Flip(true);
        if (yes) {
            CProfile::current->SetValue<long>(kLastPlayProperty, 0);
            MakeBig(true, false);
        }
    }
}
