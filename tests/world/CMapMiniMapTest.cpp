#include "CButterfly.h"
#include "CCrateBarrel.h"
#include "CDust.h"
#include "CGull.h"
#include "CHut.h"
#include "CPerson.h"
#include "tests/islanders/IslanderRecords.h"
#include "CRelic.h"
#include "CStone.h"
#include "CTombstone.h"
#include "CTree.h"
#include "IslandSeeds.h"
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kYear = 172800;

// A butterfly of the given look standing at world (x, y).
CButterfly* ButterflyAt(int x, int y, char kind)
{
    CButterfly* butterfly = new CButterfly();
    butterfly->x = static_cast<float>(x);
    butterfly->y = static_cast<float>(y);
    butterfly->kind = kind;
    return butterfly;
}

// An islander whose side-panel picture is a plain 30 x 60 image of its own.
class PicturedIslander : public CPerson {
public:
    PicturedIslander(int x, int y, int age)
        : CPerson(IslanderRecord(x, y, age)), image(CSprite::draw->CreateSizedBlank(30, 60, static_cast<SDL_Surface*>(nullptr)))
    {
        CSprite::draw->ColourFill(image, RGBA_data{200, 100, 50, 255}, 0, 0, 30, 60);
    }
    ~PicturedIslander() override { CSprite::draw->RemoveImage(image); }
    sidebar_image GetSpriteForSidebar() override { return sidebar_image{image, "", -1}; }

    int image;
};

std::vector<Uint32> Pixels(int id)
{
    SDL_Surface* surface = CSprite::draw->GetSurface(id);
    SDL_LockSurface(surface);
    std::vector<Uint32> pixels(static_cast<size_t>(surface->w) * surface->h);
    for (int y = 0; y < surface->h; y++) {
        std::memcpy(&pixels[static_cast<size_t>(y) * surface->w],
                    static_cast<const char*>(surface->pixels) + static_cast<size_t>(y) * surface->pitch,
                    static_cast<size_t>(surface->w) * 4);
    }
    SDL_UnlockSurface(surface);
    return pixels;
}

void Release(std::map<std::string, int>& images)
{
    for (const auto& image : images) {
        CSprite::draw->RemoveImage(image.second);
    }
}

// The entries of the picture list with this name, in painting order.
std::vector<std::pair<int, minimap_object>> Named(CMap& island, const std::string& name)
{
    std::vector<std::pair<int, minimap_object>> found;
    for (const auto& entry : island.previewPictures) {
        if (entry.second.name == name) {
            found.push_back(entry);
        }
    }
    return found;
}

// A point of the preview where an islander would stand on land or in the
// sea, as the islander reads its depth.
coordinate WorldPointWhere(CMap& island, bool land)
{
    for (int y = 20; y < 480; y += 7) {
        for (int x = 20; x < 480; x += 7) {
            const float depth = island.GetWaterDepth(x, y, 50);
            if (land ? depth >= 1.0f : depth < 0.5f) {
                return {x, y};
            }
        }
    }
    ADD_FAILURE() << "no such point";
    return {0, 0};
}

}  // namespace

TEST_F(IslandTest, TheMiniMapGathersEachKindWithItsKeyAndSkipsWhatIsAbsent)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[0]);
    CButterfly::butterfly[3] = ButterflyAt(800, 400, 'C');  // the slots before it are empty
    CGull::bird[5] = new CGull(160, -64);
    CGull::bird[5]->facingLeft = true;
    CGull::bird[6] = new CGull(300, 96);
    CGull::bird[6]->flying = true;
    (new CCrateBarrel(400, 368, false, false))->crate = true;
    CDust* landed = new CDust(true, 240, 200, 0);
    landed->UnHide();
    while (landed->height > 0.0f) {
        landed->Pump(0, 0, 1);
    }
    new CDust(false, 600, 200, 0);  // not shown yet
    CRelic* relic = new CRelic(320, -40);
    relic->variant = 2;
    new CTombstone(160, 240, "Ana", "11124", "", "12021", 70, 1, true);
    (new CTombstone(800, 800, "Bo", "11124", "", "12021", 70, 2, true))->Hide();

    std::map<std::string, int> images;
    island.GatherMiniMapObjects(images);
    struct picture {
        const char* name;
        int key, x, y;
        bool brighten;
        int factor;
    };
    const picture expected[] = {
        {"butterfly_C_B_3.png", 51, 100, 50, true, 6},
        {"crate_0.png", 50, 50, 46, true, 6},
        {"dust_stardust_ground_base.png", 28, 30, 25, true, 6},
        {"relic_C.png", -3, 40, -5, true, 6},
        {"gull_float_L_0.png", -3, 20, -8, false, 6},
        {"tombstone1.png", 34, 20, 31, true, -1},
    };
    for (const picture& p : expected) {
        SCOPED_TRACE(p.name);
        const auto found = Named(island, p.name);
        ASSERT_EQ(found.size(), 1u);
        const minimap_object& o = found[0].second;
        EXPECT_EQ(std::vector<int>({found[0].first, o.x, o.y, o.brighten, o.shrinkFactor}),
                  std::vector<int>({p.key, p.x, p.y, p.brighten, p.factor}));
    }
    for (const char* skipped : {"gull_float_R_0.png", "dust_moondust_ground_base.png", "tombstone2.png"}) {
        EXPECT_TRUE(Named(island, skipped).empty()) << skipped;
    }
    // Equal keys keep the order of the kinds.
    auto range = island.previewPictures.equal_range(-3);
    ASSERT_EQ(std::distance(range.first, range.second), 2);
    EXPECT_EQ(range.first->second.name, "relic_C.png");

    Release(images);
}

// A scenery tree's and a scenery rock's shadows are keyed one row above their
// feet, so they lie under the trunk and the stone standing on the same row.
TEST_F(IslandTest, SceneryShadowsLieUnderTheTreeAndTheRockTheyBelongTo)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[0]);
    CTree* tree = new CTree(8 * 301, 8 * 207, 0, 0, false, true, false);
    island.trees.push_back(tree);
    CStone* rock = new CStone(8 * 303, 8 * 211, 0, 2, false, true);
    island.rocks.push_back(rock);
    std::map<std::string, int> images;
    island.GatherMiniMapObjects(images);
    auto at = [&island](const std::string& name, int x, int y) {
        for (const auto& entry : Named(island, name)) {
            if (entry.second.x == x && entry.second.y == y) {
                return entry.first;
            }
        }
        ADD_FAILURE() << name << " not at " << x << ", " << y;
        return 0;
    };
    EXPECT_EQ(at("tree_size0_trunk0_chop0.png", 301 - 3, 207 - 28), 207);
    EXPECT_EQ(at("tree_size0_shadow.png", 301 - 3, 207 - 28 + 26), 206);
    EXPECT_EQ(at("rock_large2.png", 303 - 4, 211 - 8), 211);
    EXPECT_EQ(at("rock_large2_shadow.png", 303 - 4, 211 - 8 + 4), 210);
    Release(images);
}

TEST_F(IslandTest, AFinishedHutOfEveryRoofedVariantShowsItsRoofJustAboveIt)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[0]);
    const struct {
        int variant;
        bool finished;
        const char* roof;  // nullptr for none
    } huts[] = {
        {0, true, nullptr},
        {1, true, nullptr},
        {12, true, "hut_roof_style0.png"},
        {13, true, "hut_roof_style0.png"},
        {14, true, "hut_roof_style1.png"},
        {15, true, "hut_roof_style1.png"},
        {16, true, "hut_roof_style2.png"},
        {17, true, "hut_roof_style2.png"},
        {18, true, "hut_roof_style3.png"},
        {19, true, "hut_roof_style3.png"},
        {19, false, nullptr},
    };
    for (const auto& h : huts) {
        SCOPED_TRACE(testing::Message() << "variant " << h.variant << (h.finished ? " finished" : " being built"));
        CHut* hut = new CHut(1600, 808, h.variant);
        if (h.finished) {
            hut->FinishNow();
        }
        std::map<std::string, int> images;
        island.GatherMiniMapObjects(images);
        const auto body = Named(island, CBuilding::GetBuildingFilename(h.variant, h.finished ? 4 : 0));
        ASSERT_EQ(body.size(), 1u);
        std::vector<std::pair<int, minimap_object>> roofs;
        for (const auto& entry : island.previewPictures) {
            if (entry.second.name.rfind("hut_roof", 0) == 0) {
                roofs.push_back(entry);
            }
        }
        if (!h.roof) {
            EXPECT_TRUE(roofs.empty());
        } else if (roofs.size() != 1u) {
            ADD_FAILURE() << roofs.size() << " roofs";
        } else {
            const minimap_object& roof = roofs[0].second;
            EXPECT_EQ(roof.name, h.roof);
            EXPECT_EQ(std::vector<int>({roofs[0].first, roof.x, roof.y, roof.brighten}),
                      std::vector<int>({body[0].first + 1, body[0].second.x - 1, body[0].second.y - 5, false}));
        }
        delete hut;
        Release(images);
    }
}

TEST_F(IslandTest, AnIslanderIsDrawnByAgeAndShowsOnlyItsTopRowsWhileWading)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[0]);
    const coordinate land = WorldPointWhere(island, true);
    const coordinate sea = WorldPointWhere(island, false);
    struct islander {
        int years;
        coordinate at;
        int shift;  // from its foot / 8
        int rows;
    };
    const islander cases[] = {
        {30, land, -2, -1}, {30, sea, -2, 6}, {8, land, 0, -1}, {1, land, 2, -1},
    };
    for (const islander& c : cases) {
        SCOPED_TRACE(testing::Message() << c.years << " years at " << c.at.x << ", " << c.at.y);
        PicturedIslander person(c.at.x, c.at.y, c.years * kYear);
        PicturedIslander away(c.at.x, c.at.y, c.years * kYear);
        away.hiddenAway = true;
        std::map<std::string, int> images;
        island.GatherMiniMapObjects(images);
        const auto found = Named(island, "islander 0");
        ASSERT_EQ(found.size(), 1u);
        EXPECT_TRUE(Named(island, "islander 1").empty()) << "hidden away";
        const minimap_object& picture = found[0].second;
        EXPECT_EQ(picture.x, c.at.x / 8);
        EXPECT_EQ(picture.y, c.at.y / 8 + c.shift);
        EXPECT_EQ(picture.visibleHeight, c.rows);
        EXPECT_EQ(found[0].first, picture.y + 10) << "keyed by the foot of its picture, shrunk by 6";
        ASSERT_EQ(images.size(), 1u);
        EXPECT_EQ(CSprite::draw->GetH(images.begin()->second), 10);
        Release(images);
    }
}

TEST_F(IslandTest, MiniMapPicturesAreKeptApartByShrinkAndBrightening)
{
    CMap& island = NewMap();
    island.previewPictures = {
        {0, {0, 0, "crate_0.png", true, true, -1, 6}},
        {1, {20, 0, "crate_0.png", true, false, -1, -1}},
        {2, {40, 0, "islandcreator_atoll0.jpg", true, false, 2, -1}},
    };
    const int base = CSprite::draw->CreateSizedBlank(64, 16, static_cast<SDL_Surface*>(nullptr));
    std::map<std::string, int> images;
    island.PaintMiniMapObjects(base, images);
    ASSERT_EQ(images.size(), 3u);
    std::vector<int> widths;
    for (const auto& image : images) {
        widths.push_back(CSprite::draw->GetW(image.second));
    }
    EXPECT_EQ(widths, (std::vector<int>{8, 6, 8})) << "48 / 6, 48 / 8 and the atoll's 64 / 8";
    const std::vector<Uint32> painted = Pixels(base);
    EXPECT_NE(painted[1 * 64 + 42], 0u) << "the atoll's top two rows";
    EXPECT_EQ(painted[2 * 64 + 42], 0u) << "and nothing below them";
    Release(images);
    CSprite::draw->RemoveImage(base);
}

TEST_F(IslandTest, TwoMiniMapsAreIndependentAndTheIslandKeepsItsImages)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[0]);
    island.ToggleBig(true);
    CButterfly::butterfly[0] = ButterflyAt(800, 400, 'A');
    PicturedIslander* person = new PicturedIslander(480, 640, 30 * kYear);
    const int shared = CSprite::draw->LoadImage("butterfly_A_B_3.png", false, false);
    const std::vector<Uint32> ground = Pixels(island.GetGroundImage());
    const std::vector<Uint32> butterfly = Pixels(shared);
    const std::vector<Uint32> islander = Pixels(person->image);

    InitRandom(3);
    const int first = island.GetMiniMap();
    InitRandom(3);
    const int second = island.GetMiniMap();
    EXPECT_NE(first, second);
    EXPECT_EQ(CSprite::draw->GetW(first), 3905 / 8);
    EXPECT_EQ(Pixels(first), Pixels(second)) << "the same draws paint the same picture";
    EXPECT_EQ(Pixels(island.GetGroundImage()), ground);
    EXPECT_EQ(Pixels(shared), butterfly);
    EXPECT_EQ(Pixels(person->image), islander);

    CSprite::draw->ColourFill(first, RGBA_data{0, 0, 0, 255}, 0, 0, 100, 100);
    EXPECT_NE(Pixels(first), Pixels(second));
    island.raining = true;
    InitRandom(3);
    const int wet = island.GetMiniMap();
    island.raining = false;
    InitRandom(3);
    const int dry = island.GetMiniMap();
    EXPECT_NE(Pixels(wet), Pixels(second)) << "the rain overlay while it rains";
    EXPECT_EQ(Pixels(dry), Pixels(second)) << "and none without";
    for (int id : {first, second, wet, dry, shared}) {
        CSprite::draw->RemoveImage(id);
    }
}

TEST_F(IslandTest, MiniMapCloudsKeepOffTheMiddleAndApart)
{
    for (unsigned int seed = 1; seed <= 200; seed++) {
        InitRandom(seed);
        coordinate places[CMap::MINIMAP_CLOUDS];
        int numbers[CMap::MINIMAP_CLOUDS];
        CMap::ChooseMiniMapClouds(places, numbers);
        for (int c = 0; c < CMap::MINIMAP_CLOUDS; c++) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " cloud " << c);
            EXPECT_EQ(numbers[c] / 2, c);
            EXPECT_GE(GetDist(places[c].x + 50.0f, places[c].y + 50.0f, 256.0f, 256.0f), 225.0f);
            for (int other = 0; other < c; other++) {
                EXPECT_GE(GetDist(places[c].x, places[c].y, places[other].x, places[other].y), 75.0f);
            }
        }
    }
}

TEST_F(IslandTest, PreviewPicturesBrightenedAtTheirOwnSizeLeaveTheSharedImageAlone)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[0]);
    const int shared = CSprite::draw->LoadImage("crate_0.png", false, false);
    const std::vector<Uint32> before = Pixels(shared);
    island.previewPictures = {
        {0, {0, 0, "crate_0.png", false, true, -1, -1}},
        {1, {100, 0, "crate_0.png", false, false, -1, -1}},
    };
    island.PaintPreviewPictures();
    EXPECT_EQ(Pixels(shared), before) << "brightening painted a private copy";
    const int w = CSprite::draw->GetW(island.GetGroundImage());
    const std::vector<Uint32> ground = Pixels(island.GetGroundImage());
    const int cx = CSprite::draw->GetW(shared) / 2, cy = CSprite::draw->GetH(shared) / 2;
    EXPECT_NE(ground[static_cast<size_t>(cy) * w + cx], ground[static_cast<size_t>(cy) * w + 100 + cx])
        << "the brightened and the plain picture are two pictures";
    CSprite::draw->RemoveImage(shared);
}

// A scenery tree's shadow, by size and trunk kind, from its trunk's picture:
// on the mini-map every big tree's shadow lies 26 rows down, while the
// preview lays the tallest trunk's one row lower.
TEST_F(IslandTest, EachTreeKindsShadowLiesItsOwnOffsetFromItsTrunkOnTheMiniMapAndThePreview)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[0]);
    for (std::vector<CTree*>* list : {&island.trees, &island.beachPalms}) {
        while (!list->empty()) {
            delete list->back();  // which takes itself off the list
        }
    }
    struct offset {
        int x, y;
    };
    const offset kMiniMap[3][7] = {
        {{0, 26}, {1, 26}, {0, 26}, {1, 26}, {1, 26}, {13, 26}, {0, 26}},
        {{0, 19}, {1, 19}, {0, 20}, {1, 20}, {1, 20}},
        {{0, 13}, {1, 13}, {0, 14}, {1, 14}, {1, 14}},
    };
    const int kinds[3] = {7, 5, 5};
    island.loading = true;  // the preview's pictures of the trees that stand, none placed anew
    for (int size = 0; size < 3; size++) {
        for (int kind = 0; kind < kinds[size]; kind++) {
            SCOPED_TRACE(testing::Message() << "size " << size << ", trunk kind " << kind);
            island.trees.push_back(new CTree(800, 800, size, kind, false, true, false));
            const std::string trunkName = TempSprintf("tree_size%i_trunk%i_chop0.png", size, kind);
            const std::string shadowName = TempSprintf("tree_size%i_shadow.png", size);
            const offset preview = {kMiniMap[size][kind].x, kMiniMap[size][kind].y + (size == 0 && kind == 6)};
            std::map<std::string, int> images;
            island.GatherMiniMapObjects(images);
            Release(images);
            for (bool miniMap : {true, false}) {
                SCOPED_TRACE(miniMap ? "mini-map" : "preview");
                if (!miniMap) {
                    island.previewPictures.clear();
                    island.CreateTreesForIsland();
                }
                const auto trunk = Named(island, trunkName);
                const auto shadow = Named(island, shadowName);
                ASSERT_EQ(trunk.size(), 1u);
                ASSERT_EQ(shadow.size(), 1u);
                const offset expected = miniMap ? kMiniMap[size][kind] : preview;
                EXPECT_EQ(shadow[0].second.x - trunk[0].second.x, expected.x);
                EXPECT_EQ(shadow[0].second.y - trunk[0].second.y, expected.y);
            }
            delete island.trees.back();
        }
    }
}
