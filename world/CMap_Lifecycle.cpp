// The island object's birth and end, the sprites, images and sounds it owns
// for its whole life, the switch between the preview and the playable
// island, and the loading banner shown while an island is made.
#include "CMap.h"

#include "CControllerGame.h"
#include "CDraw.h"
#include "CFish.h"
#include "CProfile.h"
#include "CSound.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "Utilities.h"

#include <cassert>

namespace {


constexpr int kVisualEffectsProperty = 7;
constexpr int kGameUnderWayProperty = 31;

// The chooser shows the preview island in this frame of the screen.
constexpr int kFrameX = 287, kFrameY = 20, kFrameSize = 489;
constexpr int kPreviewZ = 20000001;

struct banner_picture {
    const char* name;
    int z;
    int x, y;
};

constexpr banner_picture kBannerPictures[CMap::BANNER_PICTURES] = {
    {"loadingB_water_A.png", 25000003, 248, 277}, {"loadingB_water_B.jpg", 25000003, 268, 292},
    {"loadingB_wood_A.png", 25000001, 218, 176},  {"loadingB_wood_B.jpg", 25000001, 284, 205},
    {"loadingB_boat.png", 25000002, 266, 207},    {"loadingB_fader.png", 25000000, 0, 0},
};
constexpr int kBoat = 4;
constexpr int kBoatStartX = 261;
// During a game the banner says the island is being loaded, otherwise that
// it is being made.
constexpr int kBannerTextIds[2] = {6016, 6015};
constexpr int kBannerTextZ = 25000005;
constexpr int kBannerTextW = 250, kBannerTextH = 50;
constexpr int kBannerTextCentreX = 414, kBannerTextCentreY = 342;
constexpr int kBackdropZ = 24999999;
// Redrawing the banner costs a whole-screen present; once a frame is enough.
constexpr Uint32 kBannerRedrawMs = 33;

constexpr int kAtolls = 28;

void DeleteSprite(CSprite*& sprite)
{
    delete sprite;
    sprite = nullptr;
}

CDraw* Draw()
{
    assert(CSprite::draw && "the island needs the drawing context");
    return CSprite::draw;
}

}  // namespace

bool CMap::mysteriousObjectsLoaded = false;

CMap::CMap(bool generate)
    : creationTime(SDL_GetTicks()),
      bannerProgress(0),
      progress(0),
      loading(false),
      spritesLoaded(false),
      currentHistoryIndex(0),
      lastFixedSeeds{0, 0},
      seeded(false),
      mysteries{nullptr, nullptr, nullptr},
      pileSprites{nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
      placementThreshold(10000),
      ground(nullptr),
      previewCopy(nullptr),
      playable(false),
      offsetX(0),
      offsetY(0),
      scrollDeltaX(0),
      scrollDeltaY(0),
      personCarried(false),
      tombstoneCarried(false),
      placingFlowersOrTrees(false),
      raining(false),
      rainFramesLeft(-1),
      thunderCountdown(0),
      scanFrame(120),
      travelFrom{0.0f, 0.0f},
      heights(nullptr),
      sandNoise(nullptr),
      groundImage(-1),
      terrainSeed(0),
      terrainKnown(false),
      regionMask(-1),
      regionLeastW(-1),
      regionLeastH(-1),
      flowerGrid(nullptr),
      sndRain(nullptr),
      sndThunder{nullptr, nullptr},
      scenery{},
      banner{},
      bannerText{nullptr, nullptr},
      backdrop(nullptr),
      lastBannerDraw(0),
      bannerDrawn(false)
{
    for (int level = 0; level < 6; level++) {
        grassBlades[level] = -1;
        for (int variant = 0; variant < 5; variant++) {
            grassTufts[level][variant] = -1;
            minimapTufts[level][variant] = -1;
        }
    }
    thunderCountdown = RangedRandom(30, 600);
    CControllerGame::island = this;
    ResetTerrain();
    LoadSprites(generate);
}

CMap::~CMap()
{
    UnloadSprites();
    // Everything that outlives the island reaches it through this pointer.
    if (CControllerGame::island == this) {
        CControllerGame::island = nullptr;
    }
    delete[] heights;
    delete[] sandNoise;
}

void CMap::ResetTerrain()
{
    heightRoughness = 0.43f;
    sandRoughness = 0.8f;
    sandColourExponent = 1.0f;
    sandColourBlend = 0.3f;
    grassLevel = 5000;
    seaLevel = 3000;
    shallowLevel = 2000;
    deepLevel = 1000;
    samplesWide = samplesHigh = -1;
    startX = startY = -1;
    borderX = borderY = 0;
    for (coordinate& pile : piles) {
        pile = {-1, -1};
    }
    for (unsigned int& tile : tiles) {
        tile = 0;
    }
    terrainKnown = false;
    lastColourR = lastColourG = lastColourB = 0;
    rampCursor = -1.0f;
}

void CMap::LoadSprites(bool generate)
{
    if (spritesLoaded) {
        return;
    }
    ResetView();
    offsetX = offsetY = 0;
    scrollDeltaX = scrollDeltaY = 0;
    personCarried = tombstoneCarried = false;
    rainFramesLeft = -1;
    placingFlowersOrTrees = false;
    loading = false;
    for (CMysteriousObject*& mystery : mysteries) {
        mystery = nullptr;
    }
    ground = previewCopy = nullptr;
    groundImage = -1;
    for (CSprite*& pile : pileSprites) {
        pile = nullptr;
    }

    sndRain = new CSound("rain_ambient.ogg", false, 1.0f, false);
    sndThunder[0] = new CSound("rain_thunder_1.ogg", false, 0.8f, false);
    sndThunder[1] = new CSound("rain_thunder_2.ogg", false, 0.8f, false);

    ResetTerrain();

    // Without a drawing context the island is its terrain data alone.
    if (CDraw* draw = CSprite::draw) {
        for (int level = 0; level < 6; level++) {
            for (int variant = 0; variant < 5; variant++) {
                grassTufts[level][variant] = draw->LoadImage(
                    TempSprintf("temp_grasstuft_green_large%i_%i.png", level, variant), false, false);
                minimapTufts[level][variant] = draw->LoadImage(
                    TempSprintf("grasstuft_minimap_green_large%i_%i.png", level, variant), false, false);
            }
        }
        for (int blade = 0; blade < 6; blade++) {
            grassBlades[blade] =
                draw->LoadImage(TempSprintf("temp_grasstuft_green_blade0_%i.png", blade), false, false);
        }

        LoadClouds();
        LoadRain();

        // The sea scenery that passes by while the chooser travels: the boat,
        // the easter egg and the atolls.
        static_assert(SCENERY_SPRITES == kAtolls + 2, "the boat, the easter egg and the atolls");
        for (int i = 0; i < SCENERY_SPRITES; i++) {
            scenery[i] = new CSprite(kPreviewZ);
            if (i == 0) {
                const char* boat = RangedRandom(0, 1) == 0 ? "boat_right1.png" : "boat_left1.png";
                scenery[i]->LoadImage(draw->ShrinkImage(boat, 8));
            } else if (i == 1) {
                scenery[i]->LoadImage(RangedRandom(0, 1) == 0 ? "islandcreator_eastereggD.jpg"
                                                              : "islandcreator_eastereggC.jpg");
            } else {
                scenery[i]->LoadImage(TempSprintf("islandcreator_atoll%i.jpg", i - 2));
            }
            scenery[i]->ClipToRect(kFrameX, kFrameY, kFrameSize, kFrameSize);
            scenery[i]->Hide();
        }
        LoadBanner();
    }

    if (generate) {
        CreateMap(0, -1, -1, true, false, false);
    }
    spritesLoaded = true;
}

void CMap::LoadBanner()
{
    for (int i = 0; i < BANNER_PICTURES; i++) {
        const banner_picture& picture = kBannerPictures[i];
        banner[i] = new CSprite(picture.x, picture.y, picture.z);
        banner[i]->LoadImage(picture.name);
        banner[i]->Move(picture.x, picture.y, picture.z);
        banner[i]->Hide();
    }
    for (int i = 0; i < 2; i++) {
        bannerText[i] = new CSprite(kBannerTextZ);
        int lines = 0;
        bannerText[i]->LoadTextShadow(kBannerTextIds[i], kBannerTextW, kBannerTextH, 3, lines, 41, 35, 28, nullptr,
                                      nullptr, nullptr, nullptr, nullptr);
        bannerText[i]->Move(kBannerTextCentreX - bannerText[i]->GetW() / 2,
                            kBannerTextCentreY - bannerText[i]->GetH() / 2);
        bannerText[i]->Hide();
    }
    backdrop = nullptr;
    bannerDrawn = false;
}

void CMap::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    CDraw* draw = CSprite::draw;

    delete sndRain;
    sndRain = nullptr;
    for (CSound*& thunder : sndThunder) {
        delete thunder;
        thunder = nullptr;
    }
    EraseFroth();
    CFish::EraseFish();
    auto release = [draw](int& id) {
        if (id != -1 && draw) {
            draw->RemoveImage(id);
        }
        id = -1;
    };
    for (int level = 0; level < 6; level++) {
        for (int variant = 0; variant < 5; variant++) {
            release(grassTufts[level][variant]);
            release(minimapTufts[level][variant]);
        }
    }
    for (int& blade : grassBlades) {
        release(blade);
    }
    RemoveWaves();
    DeleteSmallWaves();
    DeleteSprite(ground);
    groundImage = -1;
    DeleteSprite(previewCopy);
    delete[] heights;
    heights = nullptr;
    delete[] sandNoise;
    sandNoise = nullptr;
    for (CSprite*& pile : pileSprites) {
        DeleteSprite(pile);
    }
    UnloadClouds();
    UnloadRain();
    for (CSprite*& sprite : scenery) {
        DeleteSprite(sprite);
    }
    DeleteSprite(backdrop);
    for (CSprite*& picture : banner) {
        DeleteSprite(picture);
    }
    for (CSprite*& text : bannerText) {
        DeleteSprite(text);
    }
    spritesLoaded = false;
}

void CMap::ToggleBig(bool force)
{
    if (!playable && ScanningForIsland() && !force) {
        return;
    }
    playable = !playable;
    CreateMap(GetCurrentSeed(), -1, -1, true, false, false);
    if (playable) {
        DeleteSmallWaves();
        MoveClouds();
        for (CSprite* sprite : scenery) {
            if (sprite) {
                sprite->Hide();
            }
        }
    }
}

void CMap::ShowLoading(int step, bool force)
{
    CSound::PumpAll();
    bannerProgress += step;
    if (!playable && !force) {
        return;
    }
    if (!banner[0]) {
        return;
    }
    // A new banner always freezes the screen of the moment behind it; the
    // boat's further steps are drawn at the frame rate.
    const bool fresh = step == 0 || !backdrop || !bannerDrawn;
    if (!BannerRedrawDue(fresh, SDL_GetTicks(), lastBannerDraw)) {
        return;
    }
    SDL_Delay(1);
    DrawBanner(fresh);
    lastBannerDraw = SDL_GetTicks();
    bannerDrawn = true;
}

bool CMap::BannerRedrawDue(bool fresh, Uint32 now, Uint32 lastDraw)
{
    return fresh || now - lastDraw >= kBannerRedrawMs;
}

void CMap::DrawBanner(bool freshBackdrop)
{
    if (freshBackdrop) {
        DeleteSprite(backdrop);
        backdrop = new CSprite(0, 0, kBackdropZ);
        backdrop->LoadImage(Draw()->CopyBackbuffer());
        backdrop->Move(0, 0, kBackdropZ);
    }
    for (int i = 0; i < BANNER_PICTURES; i++) {
        banner[i]->UnHide();
    }
    banner[kBoat]->Move(bannerProgress + kBoatStartX, kBannerPictures[kBoat].y);

    const bool gameUnderWay = CProfile::current && CProfile::current->GetValue<bool>(kGameUnderWayProperty);
    bannerText[gameUnderWay ? 0 : 1]->UnHide();
    backdrop->UnHide();
    PresentNow();
}

void CMap::HideLoading()
{
    for (CSprite* picture : banner) {
        if (picture) {
            picture->Hide();
        }
    }
    for (CSprite* text : bannerText) {
        if (text) {
            text->Hide();
        }
    }
    if (backdrop) {
        backdrop->Hide();
    }
}

void CMap::PresentNow()
{
    // The renderer draws every shown sprite into the screen before it goes out.
    if (CSprite::renderer) {
        CSprite::renderer->Render(true);
    }
    Draw()->RawFlip();
}

void CMap::RedrawWholeScreen()
{
    if (CSprite::renderer) {
        CSprite::renderer->AddSpecialDirty(0, 0, 800, 600, true);
    }
}

bool CMap::VisualEffectsOn()
{
    return CProfile::current && CProfile::current->GetValue<bool>(kVisualEffectsProperty);
}
