// Making an island from its seed, stage by stage: seeding, heights, the
// acceptance test of a preview, sand noise, colour ramp and island image,
// tiles and start location, pile anchors, waves, grass and mysteries, the
// island history, the objects, the camp or the preview's pictures, and the
// island life of the playable island.
#include "CMap.h"
#include "CPersonMovement.h"

#include "CBird.h"
#include "CBuilding.h"
#include "CButterfly.h"
#include "CControllerGame.h"
#include "CDraw.h"
#include "CFireplace.h"
#include "CFish.h"
#include "CGull.h"
#include "CProfile.h"
#include "CResources.h"
#include "CSprite.h"
#include "CTombstone.h"
#include "IslandSeeds.h"
#include "Log.h"
#include "Utilities.h"

#include <cassert>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <map>
#include <string>
#include <tuple>

namespace {

constexpr int kIslandsMadeProperty = 36;

constexpr int kFrameX = 287, kFrameY = 20, kFrameSize = 489;
constexpr int kPreviewZ = 20000001;
constexpr int kGroundZ = 1;
constexpr int kPileZ = 20;
constexpr int kPreviewScale = 8;

const char* const kPileImages[3] = {"pile_wood_leather.png", "pile_rock_leather.png", "pile_food_leather.png"};
const char* const kFireplacePicture = "fireplace_style0_construct0.png";
// Offsets of the piles from the start location, preview samples.
constexpr coordinate kPileOffsets[3] = {{0, 8}, {13, -8}, {-13, -8}};
// The fireplace stands here from the start location (x 8, less this).
constexpr int kCampX = 95, kCampY = 285;
// The view first shows the camp at this point of the island view.
constexpr int kViewCentreX = 322, kViewCentreY = 280, kViewCampY = 150;

constexpr RGBA_offset kPreviewTint = {1.1f, 1.1f, 1.1f, 1.0f};

CDraw* Draw()
{
    assert(CSprite::draw && "the island needs the drawing context");
    return CSprite::draw;
}

// Width and height of an archive picture shrunk by 8, as the preview shows it.
coordinate ShrunkSize(const char* name)
{
    CDraw* draw = Draw();
    const int id = draw->LoadImage(name, false, true);
    int w = draw->GetW(id) / kPreviewScale;
    int h = draw->GetH(id) / kPreviewScale;
    draw->RemoveImage(id);
    if (w == 0 || h == 0) {
        w = h = 1;
    }
    return {w, h};
}

// A blank image in the display's own format. Made in another format it
// would be converted, and the conversion would hold a second image of the
// playable island's size for a moment.
int DisplayBlank(int w, int h)
{
    CDraw* draw = Draw();
    const SDL_Surface* display = SDL_GetVideoSurface();
    if (!display || (display->flags & SDL_HWSURFACE) || display->format->Amask || display->format->palette) {
        return draw->CreateSizedBlank(w, h, static_cast<SDL_Surface*>(nullptr));
    }
    const SDL_PixelFormat* format = display->format;
    SDL_Surface* blank = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, format->BitsPerPixel, format->Rmask,
                                              format->Gmask, format->Bmask, 0);
    if (!blank) {
        errorMessage("Unable to create image: ", SDL_GetError(), true, true);
    }
    return draw->ImageFreeSpot(blank, "BLANK");
}

}  // namespace

void CMap::CreateMap(unsigned int seed, int width, int height, bool travel, bool remember, bool force)
{
    // A rejected preview gives way to a new random island of the same size.
    while (!GenerateOnce(seed, width, height, travel, remember, force)) {
        seed = 0;
        width = samplesWide;
        height = samplesHigh;
        travel = remember = force = false;
    }
}

unsigned int CMap::ChooseSeed(unsigned int seed)
{
    if (seed != 0) {
        seeded = true;
        InitRandom(seed);
        return seed;
    }
    CProfile* profile = CProfile::current;
    if (profile && profile->GetValue<int>(kIslandsMadeProperty) < 1 && !seeded) {
        // A new player's first island is one of the fixed ones, never one of
        // the last two this island offered.
        SeedRandom();
        int k;
        do {
            k = RangedRandom(0, FIXED_ISLAND_SEEDS - 1);
        } while (kFixedIslandSeeds[k] == lastFixedSeeds[0] || kFixedIslandSeeds[k] == lastFixedSeeds[1]);
        const unsigned int chosen = kFixedIslandSeeds[k];
        lastFixedSeeds[1] = lastFixedSeeds[0];
        lastFixedSeeds[0] = chosen;
        seeded = true;
        InitRandom(chosen);
        return chosen;
    }
    // 0 means "a new island", so it is never an island's own seed.
    unsigned int fresh;
    do {
        fresh = SeedRandom();
    } while (fresh == 0);
    return fresh;
}

void CMap::EnsureTerrainOf(unsigned int seed)
{
    if (terrainKnown && terrainSeed == seed) {
        return;
    }
    // The tiles and the start location come from the preview of the same
    // seed; an island that never was a preview here gets them now.
    logMessage("The island's tiles and start location were made from its seed: ", TempSprintf("%u", seed));
    const bool wasPlayable = playable;
    playable = false;
    GenerateHeights(seed);
    ClassifyTiles();
    if (!FindStartLocation()) {
        logMessage("The island has no room for the camp; it starts in the middle: ", TempSprintf("%u", seed));
        startX = startY = PREVIEW_SAMPLES / 2;
    }
    terrainSeed = seed;
    terrainKnown = true;
    playable = wasPlayable;
    InitRandom(seed);
}

bool CMap::GenerateOnce(unsigned int seedGiven, int width, int height, bool travel, bool remember, bool force)
{
    CDraw* draw = Draw();
    bannerProgress = 0;
    progress = 0;
    ShowLoading(1, force);

    if (!playable && travel) {
        InitSpline(seedGiven);
        // Only a preview's picture slides away: the playable island's ground
        // (61 MB) would show its corner in the frame and cost its memory
        // again while the big grids are still held.
        if (groundImage != -1 && ground && ground->GetZ() == kPreviewZ) {
            delete previewCopy;
            previewCopy = new CSprite(kPreviewZ);
            previewCopy->LoadImage(draw->CopyImage(groundImage));
            previewCopy->ClipToRect(kFrameX, kFrameY, kFrameSize, kFrameSize);
        }
    } else if (playable) {
        delete previewCopy;
        previewCopy = nullptr;
    }
    if (!playable) {
        // Froth belongs to the playable island's sea; kept, its pictures would
        // still be held when the next playable island is made.
        EraseFroth();
    }
    if (playable) {
        // What the previews kept goes back to the system before the big grids
        // are made, not only to the heap.
        heldPictures.Release();
#ifdef __GLIBC__
        malloc_trim(0);
#endif
    }

    // Nothing before the grids draws from the generator, so the seed can be
    // chosen first; the playable island then makes sure of its tiles.
    const unsigned int seed = ChooseSeed(seedGiven);
    if (playable) {
        EnsureTerrainOf(seed);
    }
    PrepareGrids(width, height);
    SeedGrids();
    progress = 0;
    RunFractal(heights, heightRoughness);
    if (!playable && !CheckGrassAndSand()) {
        return false;
    }
    progress = 0;
    RunFractal(sandNoise, sandRoughness);

    colourRamp.clear();
    rampCursor = -1.0f;
    LoadColourDataFromFile(playable);

    progress = 0;
    MakeGround();
    DrawFractalMapPixels(-1, -1, -1, -1, true);

    if (!playable) {
        terrainKnown = false;
        ClassifyTiles();
        if (!FindStartLocation()) {
            return false;
        }
        terrainSeed = seed;
        terrainKnown = true;
    }
    for (int i = 0; i < 3; i++) {
        piles[i] = {startX + kPileOffsets[i].x, startY + kPileOffsets[i].y};
    }

    previewPictures.clear();
    progress = 0;
    if (playable) {
        CreateWavesForIsland(true);
    } else {
        InitSmallWaves();
    }

    progress = 0;
    CreateGrassForIsland();
    if (!CreateMysteriousObjectsForIsland()) {
        return false;
    }

    if (seedGiven == 0 || loading || remember) {
        const int index = static_cast<int>(islandHistory.size());
        islandHistory[index] = map_seed{seed, travelFrom.x, travelFrom.y};
        currentHistoryIndex = static_cast<int>(islandHistory.size()) - 1;
    }

    CreateDoodadsForIsland(force);
    CreateTreesForIsland();
    CreateRocksForIsland();
    CreateFlowersForIsland();

    if (playable) {
        MakeCamp();
    } else {
        AddPreviewPicturesOfCamp(seedGiven == 0);
        PaintPreviewPictures();
    }

    RedrawWholeScreen();
    FreeSandNoise();

    if (playable) {
        CPersonMovement::GenerateWaterPathMap();
        CBird::LoadBirds();
        CGull::LoadBirds();
        CreateFroth();
        CButterfly::LoadButterflies();
        if (!placingFlowersOrTrees) {
            const int newX = kViewCentreX - (startX * kPreviewScale - kCampX);
            const int newY = kViewCentreY - (startY * kPreviewScale - kViewCampY);
            scrollDeltaX += newX - offsetX;
            scrollDeltaY += newY - offsetY;
            offsetX = newX;
            offsetY = newY;
        }
    } else {
        CFish::InitFish(seed);
        if (CProfile* profile = CProfile::current) {
            const int made = profile->GetValue<int>(kIslandsMadeProperty);
            profile->SetValue<int>(kIslandsMadeProperty, SaturatingAdd(made, 1));
        }
    }

    seeded = false;
    HideLoading();
    return true;
}

void CMap::MakeGround()
{
    const int w = samplesWide - 2 * borderX;
    const int h = samplesHigh - 2 * borderY;
    // A playable island made again at the same size keeps its image: every
    // pixel of it is painted anew, and a fresh one would cost its memory again.
    if (playable && ground && groundImage != -1 && Draw()->GetW(groundImage) == w &&
        Draw()->GetH(groundImage) == h && ground->GetZ() == kGroundZ) {
        return;
    }
    // The old image goes first: two playable images at once would double the
    // memory the island needs.
    delete ground;
    ground = nullptr;
    groundImage = DisplayBlank(w, h);
    ground = new CSprite(playable ? kGroundZ : kPreviewZ);
    ground->LoadImage(groundImage);
    if (!playable) {
        ground->ClipToRect(kFrameX, kFrameY, kFrameSize, kFrameSize);
        ground->Move(kFrameX, kFrameY);
    }
}

void CMap::MakeCamp()
{
    if (CBuilding::buildings.empty()) {
        CFireplace* fireplace = new CFireplace(startX * kPreviewScale - kCampX, startY * kPreviewScale - kCampY);
        fireplace->Hide();
        fireplace->FinishNow();
    }
    for (int i = 0; i < 3; i++) {
        delete pileSprites[i];
        pileSprites[i] = new CSprite(kPileZ);
        pileSprites[i]->LoadImage(kPileImages[i]);
        piles[i] = {piles[i].x * kPreviewScale - borderX, piles[i].y * kPreviewScale - borderY};
        pileSprites[i]->Move(piles[i].x - pileSprites[i]->GetW() / 2, piles[i].y - pileSprites[i]->GetH() / 2);
        CControllerGame::Resources()->SetPileCoordinates(i, piles[i].x, piles[i].y);
    }
}

void CMap::AddPicture(int key, int x, int y, const char* name, bool shrink, bool tint)
{
    previewPictures.emplace(key, minimap_object{x, y, name, shrink, tint, -1, -1});
}

void CMap::AddCentredPicture(int cx, int cy, const char* name, int keyOffset)
{
    const coordinate size = ShrunkSize(name);
    const int x = cx - size.x / 2;
    const int y = cy - size.y / 2;
    AddPicture(y + size.y + keyOffset, x, y, name, true, true);
}

void CMap::AddPreviewPicturesOfCamp(bool newIsland)
{
    // A new island has no buildings yet; a saved one shows its own.
    if (newIsland) {
        while (!CBuilding::buildings.empty()) {
            delete CBuilding::buildings.back();
        }
    }
    AddCentredPicture((startX * kPreviewScale - kCampX) / kPreviewScale,
                      (startY * kPreviewScale - kCampY) / kPreviewScale, kFireplacePicture, 0);
    for (int i = 0; i < 3; i++) {
        AddCentredPicture(piles[i].x - borderX, piles[i].y - borderY, kPileImages[i], 0);
    }
    for (CSprite*& pile : pileSprites) {
        if (pile) {
            pile->Hide();
            delete pile;
            pile = nullptr;
        }
    }
    RemoveWaves();

    for (CTombstone* grave : CTombstone::tombstones) {
        AddCentredPicture(grave->GetX() / kPreviewScale, grave->GetY() / kPreviewScale,
                          TempSprintf("tombstone%i.png", grave->GetVariant()), 0);
    }
    static const char* const kRoofs[4] = {"hut_roof_style0.png", "hut_roof_style1.png", "hut_roof_style2.png",
                                          "hut_roof_style3.png"};
    for (CBuilding* building : CBuilding::buildings) {
        const int variant = building->GetVariant();
        const int frame = building->GetAnimationFrame();
        const std::string name = CBuilding::GetBuildingFilename(variant, frame);
        const coordinate size = ShrunkSize(name.c_str());
        const int x = building->GetX() / kPreviewScale - size.x / 2;
        const int y = building->GetY() / kPreviewScale - size.y / 2;
        AddPicture(y + size.y, x, y, name.c_str(), true, true);
        if (frame == 4 && variant >= 12 && variant <= 19) {
            AddPicture(y + size.y + 1, x - 1, y - 5, kRoofs[(variant - 12) / 2], true, true);
        }
    }
}

void CMap::PaintPreviewPictures()
{
    CDraw* draw = Draw();
    // One picture per name and treatment: the same file shrunk or brightened
    // differently is another picture.
    std::map<std::tuple<std::string, bool, bool>, int> loaded;
    for (const auto& entry : previewPictures) {
        const minimap_object& picture = entry.second;
        const auto key = std::make_tuple(picture.name, picture.shrink, picture.brighten);
        auto found = loaded.find(key);
        int id;
        if (found != loaded.end()) {
            id = found->second;
        } else {
            // A picture brightened at its own size is a private copy, so the
            // shared archive image stays as it was for everyone else.
            id = picture.shrink ? draw->ShrinkImage(picture.name.c_str(), kPreviewScale)
                                : draw->LoadImage(picture.name.c_str(), picture.brighten, false);
            if (picture.brighten) {
                draw->AlterImageRGBA(id, kPreviewTint, false, nullptr, 1.25f, 1.0f, 0.2f);
            }
            loaded[key] = id;
        }
        draw->DisplayImageOnImage(id, groundImage, picture.x, picture.y);
    }
    for (const auto& image : loaded) {
        draw->RemoveImage(image.second);
    }
}
