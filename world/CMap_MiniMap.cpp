// The island map screen's picture of the whole playable island: the island
// image shrunk by 8 with small pictures of everything that stands on it,
// painted from back to front, then a few clouds and, while it rains, the
// rain overlay. Built anew on every request; the island's own images are
// never changed by it.
#include "CMap.h"

#include "CBuilding.h"
#include "CButterfly.h"
#include "CCrateBarrel.h"
#include "CDoodad.h"
#include "CDraw.h"
#include "CDust.h"
#include "CGull.h"
#include "CMysteriousObject.h"
#include "CPerson.h"
#include "CRelic.h"
#include "CSprite.h"
#include "CStone.h"
#include "CTombstone.h"
#include "CTree.h"
#include "IslandPictures.h"
#include "Utilities.h"

#include <algorithm>
#include <cassert>
#include <string>

namespace {

constexpr int kScale = 8;
// Creatures, finds and waves are drawn a little larger than the ground.
constexpr int kCreatureShrink = 6;
constexpr int kIslanderShrink = 6;
constexpr int kDefaultShrink = -1;  // the scale, 8
// An islander standing this deep in the water shows only its top rows.
constexpr float kWadingDepth = 0.85f;
constexpr int kWadingRows = 6;

constexpr RGBA_offset kBrighten = {1.1f, 1.1f, 1.1f, 1.0f};

constexpr int kCloudTries = 1000;
constexpr int kCloudLeast = -70, kCloudMost = 440;
constexpr float kCloudCentreOffset = 50.0f;
constexpr float kMapCentre = 256.0f;
// Clouds keep the island's middle clear and do not pile on each other.
constexpr float kCloudClearance = 225.0f;
constexpr float kCloudSpacing = 75.0f;
constexpr int kShadowX = 72, kShadowY = 205;

const char* const kPileImages[3] = {"pile_wood_leather.png", "pile_rock_leather.png", "pile_food_leather.png"};
const char* const kHutRoofs[4] = {"hut_roof_style0.png", "hut_roof_style1.png", "hut_roof_style2.png",
                                  "hut_roof_style3.png"};
constexpr int kFirstHut = 12, kLastHut = 19;
constexpr int kComplete = 4;

CDraw* Draw()
{
    assert(CSprite::draw && "the mini-map needs the drawing context");
    return CSprite::draw;
}

// The cache key of a painted picture: the same file shrunk by another
// factor or left unbrightened is another picture.
std::string PaintKey(const minimap_object& picture)
{
    const int factor = !picture.shrink ? 1 : picture.shrinkFactor == -1 ? kScale : picture.shrinkFactor;
    return picture.name + '|' + std::to_string(factor) + '|' + (picture.brighten ? '1' : '0');
}

// Width and height of an archive picture at full size.
coordinate FullSize(const std::string& name)
{
    CDraw* draw = Draw();
    const int id = draw->LoadImage(name.c_str(), false, true);
    const coordinate size = {draw->GetW(id), draw->GetH(id)};
    draw->RemoveImage(id);
    return size;
}

class Gatherer {
public:
    Gatherer(std::multimap<int, minimap_object>& list, int factor) : list(list), factor(factor) {}

    void Add(int key, int x, int y, const std::string& name, bool brighten = true)
    {
        list.emplace(key, minimap_object{x, y, name, true, brighten, -1, factor});
    }

    std::multimap<int, minimap_object>& list;
    int factor;
};

}  // namespace

void CMap::GatherMiniMapObjects(std::map<std::string, int>& images)
{
    CDraw* draw = Draw();
    previewPictures.clear();
    Gatherer creatures(previewPictures, kCreatureShrink);

    for (CButterfly* butterfly : CButterfly::butterfly) {
        // One that found no place is nowhere on the island.
        if (butterfly && !butterfly->lost) {
            const int y = butterfly->GetY() / kScale;
            creatures.Add(y + 1, butterfly->GetX() / kScale, y,
                          TempSprintf("butterfly_%c_B_3.png", butterfly->kind));
        }
    }
    for (const wave_struct& wave : waves) {
        for (int i = 0; i < WAVE_POINTS; i++) {
            if (!wave.crest[i] || wave.crest[i]->Hidden()) {
                continue;
            }
            const char* name = "TEMP_wave1.png";
            if (i >= 20 && i <= 80) {
                name = RangedRandom(0, 1) == 0 ? "TEMP_wave2.png" : "TEMP_wave3.png";
            }
            const int x = Round(wave.point[i].x / kScale);
            const int y = Round(wave.point[i].y / kScale);
            creatures.Add(y + 1, x, y, name);
        }
    }
    if (CCrateBarrel* container = CCrateBarrel::currentContainer) {
        if (!container->hidden) {
            const int y = container->GetY() / kScale;
            creatures.Add(y + 4, container->GetX() / kScale, y, container->crate ? "crate_0.png" : "barrel_0.png");
        }
    }
    for (CDust* heap : CDust::dust) {
        if (!heap->hidden) {
            const int y = heap->GetY() / kScale;
            creatures.Add(y + 3, heap->GetX() / kScale, y,
                          heap->isStardust ? "dust_stardust_ground_base.png" : "dust_moondust_ground_base.png");
        }
    }
    for (CRelic* relic : CRelic::relic) {
        if (!relic->hidden) {
            const int y = relic->GetY() / kScale;
            creatures.Add(y + 2, relic->GetX() / kScale, y, TempSprintf("relic_%c.png", 'A' + relic->variant));
        }
    }
    for (CGull* gull : CGull::bird) {
        if (gull && !gull->flying && !gull->waiting) {
            const int y = gull->GetY() / kScale;
            creatures.Add(y + 5, gull->GetX() / kScale, y,
                          gull->facingLeft ? "gull_float_L_0.png" : "gull_float_R_0.png", false);
        }
    }

    // Each islander's picture is its own, made here and painted as it is.
    int islander = 0;
    for (CPerson* person : CPerson::people) {
        if (person->deleteMe || person->hiddenAway) {
            continue;
        }
        const sidebar_image picture = person->GetSpriteForSidebar();
        if (picture.id == -1) {
            continue;
        }
        const int shrunk = draw->ShrinkImage(picture.id, kIslanderShrink, false);
        const int x = person->GetX() / kScale;
        int y = person->GetY() / kScale - 2;
        if (person->IsBaby()) {
            y += 4;
        } else if (person->IsKid()) {
            y += 2;
        }
        const int rows = person->GetDepth() < kWadingDepth ? kWadingRows : -1;
        const minimap_object entry = {x, y, TempSprintf("islander %i", islander++), false, false, rows,
                                      kDefaultShrink};
        images[PaintKey(entry)] = shrunk;
        previewPictures.emplace(y + draw->GetH(shrunk), entry);
    }

    Gatherer objects(previewPictures, kDefaultShrink);
    for (int i = 0; i < 3; i++) {
        const coordinate size = FullSize(kPileImages[i]);
        const int w = size.x / kScale, h = size.y / kScale;
        const int x = GetPileX(i) / kScale, y = GetPileY(i) / kScale;
        objects.Add(y + h / 2, x - w / 2, y - h / 2, kPileImages[i]);
    }

    for (CTree* tree : trees) {
        if (tree->IsConsumed()) {
            continue;
        }
        const int X = tree->GetX() / kScale;
        const int Y = tree->GetY() / kScale;
        const int size = tree->GetSize();
        const int style = tree->GetTrunk();
        const int chop = tree->GetFrameToShow();
        const coordinate T = {X + kTrunkPictures[size][style].x, Y + kTrunkPictures[size][style].y};
        objects.Add(Y, T.x, T.y, TempSprintf("tree_size%i_trunk%i_chop%i.png", size, style, chop));
        if (tree->IsScenery()) {
            const coordinate shadow = kMiniMapTreeShadowPictures[size][style];
            objects.Add(Y - 1, T.x + shadow.x, T.y + shadow.y, TempSprintf("tree_size%i_shadow.png", size), false);
        }
        if (chop == 0) {
            const coordinate leaf = kLeafPictures[size][style];
            const coordinate from = size == 0 ? T : coordinate{X, Y};
            objects.Add(2 * Y - T.y, from.x + leaf.x, from.y + leaf.y,
                        TempSprintf("tree_size%i_leaf%i.png", size, RangedRandom(0, 4)));
        }
    }

    for (CStone* rock : rocks) {
        if (rock->IsConsumed()) {
            continue;
        }
        const int X = rock->GetX() / kScale;
        const int Y = rock->GetY() / kScale;
        const rock_picture& picture = kRockPictures[rock->GetSize()];
        const coordinate T = {X + picture.at.x, Y + picture.at.y};
        objects.Add(Y, T.x, T.y, TempSprintf(picture.image, rock->GetType()));
        if (picture.shadow) {
            objects.Add(Y - 1, T.x + picture.shadowAt.x, T.y + picture.shadowAt.y,
                        TempSprintf(picture.shadow, rock->GetType()), false);
        }
    }

    for (CDoodad* doodad : doodads) {
        const char* name = doodad->GetSpriteName();
        if (name[0] != '\0') {
            const int y = doodad->GetY() / kScale;
            objects.Add(y, doodad->GetX() / kScale, y, name);
        }
    }

    // Shadows and flower beds of the mysteries that have them, from the
    // main picture's top-left.
    struct mystery_extra {
        int number;
        const char* name;
        int x, y;
    };
    static constexpr mystery_extra kMysteryExtras[] = {
        {0, "mysterious_0_shadow.png", 16, 103},
        {6, "mysterious_6_shadow.png", 2, 88},
        {7, "mysterious_7_shadow.png", 1, 113},
        {2, "mysterious_2_flowers.png", -35, 83},
    };
    for (CMysteriousObject* mystery : mysteries) {
        if (!mystery) {
            continue;
        }
        const int x = mystery->GetX(), y = mystery->GetY();
        const int key = (y + mystery->GetH()) / kScale;
        objects.Add(key, x / kScale, y / kScale, mystery->GetSpriteName());
        for (const mystery_extra& extra : kMysteryExtras) {
            if (extra.number == mystery->GetVariant()) {
                objects.Add(key - 1, (x + extra.x) / kScale, (y + extra.y) / kScale, extra.name, extra.number == 2);
            }
        }
    }

    for (CTombstone* grave : CTombstone::tombstones) {
        if (grave->Hidden()) {
            continue;
        }
        const std::string name = TempSprintf("tombstone%i.png", grave->GetVariant());
        const coordinate size = FullSize(name);
        const int y = grave->GetY() / kScale - size.y / 16 + 4;
        objects.Add(y + 3, grave->GetX() / kScale - size.x / 16 + 2, y, name);
    }

    for (CBuilding* building : CBuilding::buildings) {
        if (building->IsDemolished()) {
            continue;
        }
        const int variant = building->GetVariant();
        const int stage = std::min(kComplete, building->GetAnimationFrame());
        const std::string name = CBuilding::GetBuildingFilename(variant, stage);
        const coordinate size = FullSize(name);
        const int x = building->GetX() / kScale - size.x / 16;
        const int y = building->GetY() / kScale - size.y / 16;
        const int key = building->GetY() / kScale + size.y / 16;
        objects.Add(key, x, y, name);
        if (stage == kComplete && variant >= kFirstHut && variant <= kLastHut) {
            objects.Add(key + 1, x - 1, y - 5, kHutRoofs[(variant - kFirstHut) / 2], false);
        }
    }
}

int CMap::GetMiniMap()
{
    CDraw* draw = Draw();
    const int base = draw->ShrinkImage(groundImage, kScale, false);

    std::map<std::string, int> images;
    GatherMiniMapObjects(images);
    PaintMiniMapObjects(base, images);
    for (const auto& image : images) {
        draw->RemoveImage(image.second);
    }

    coordinate places[MINIMAP_CLOUDS];
    int numbers[MINIMAP_CLOUDS];
    ChooseMiniMapClouds(places, numbers);
    for (int c = 0; c < MINIMAP_CLOUDS; c++) {
        draw->DisplayImageOnImage(TempSprintf("map_cloud%is.png", numbers[c]), base, places[c].x + kShadowX,
                                  places[c].y + kShadowY, false);
    }
    for (int c = 0; c < MINIMAP_CLOUDS; c++) {
        draw->DisplayImageOnImage(TempSprintf("map_cloud%i.png", numbers[c]), base, places[c].x, places[c].y, false);
    }
    if (raining) {
        draw->DisplayImageOnImage("rain_overlay.png", base, 0, 0, false);
    }
    return base;
}

void CMap::ChooseMiniMapClouds(coordinate (&places)[MINIMAP_CLOUDS], int (&numbers)[MINIMAP_CLOUDS])
{
    for (int c = 0; c < MINIMAP_CLOUDS; c++) {
        numbers[c] = 2 * c + RangedRandom(0, 1);
        coordinate& place = places[c];
        for (int attempt = 0; attempt < kCloudTries; attempt++) {
            place = {RangedRandom(kCloudLeast, kCloudMost), RangedRandom(kCloudLeast, kCloudMost)};
            bool clear = GetDist(static_cast<float>(place.x) + kCloudCentreOffset,
                                 static_cast<float>(place.y) + kCloudCentreOffset, kMapCentre,
                                 kMapCentre) >= kCloudClearance;
            for (int other = 0; other < c && clear; other++) {
                clear = GetDist(place.x, place.y, places[other].x, places[other].y) >= kCloudSpacing;
            }
            if (clear) {
                break;
            }
        }
    }
}

void CMap::PaintMiniMapObjects(int base, std::map<std::string, int>& images)
{
    CDraw* draw = Draw();
    for (const auto& entry : previewPictures) {
        const minimap_object& picture = entry.second;
        const std::string key = PaintKey(picture);
        auto found = images.find(key);
        int id;
        if (found != images.end()) {
            id = found->second;
        } else {
            const int factor = picture.shrinkFactor == -1 ? kScale : picture.shrinkFactor;
            // A picture to be brightened is a copy of its own: the archive's
            // image is shared with every sprite that shows it.
            id = picture.shrink ? draw->ShrinkImage(picture.name.c_str(), factor)
                                : draw->LoadImage(picture.name.c_str(), picture.brighten, false);
            if (picture.brighten) {
                draw->AlterImageRGBA(id, kBrighten, false, nullptr, 1.25f, 1.0f, 0.2f);
            }
            images[key] = id;
        }
        const int rows = picture.visibleHeight == -1 ? draw->GetH(id) : picture.visibleHeight;
        draw->DisplayImageOnImage(id, base, picture.x, picture.y, 0, 0, draw->GetW(id), rows);
    }
}
