// The island's loading banner as the generator shows it: the boat sails the
// banner's sea with its hull in the water, from the first step of making a
// playable island to the last; the banner is saved for a person to look at.
#include "CRenderer.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "tests/world/CMapGenerationFixture.h"

#include <string>
#include <vector>

namespace {

// The banner draws its boat at this depth, its two pictures of the sea
// just over it.
constexpr int kBoatZ = 25000002, kSeaZ = 25000003;

std::vector<CSprite*> ShownAt(int z)
{
    std::vector<CSprite*> found;
    for (CSprite* sprite : CSprite::renderer->Sprites()) {
        if (sprite && !sprite->Hidden() && sprite->GetZ() == z) {
            found.push_back(sprite);
        }
    }
    return found;
}

// The alpha of a shown sprite's picture at a screen pixel, 0 off it.
int AlphaAt(CSprite* sprite, int x, int y)
{
    if (sprite->Hidden() || x < sprite->GetX() || y < sprite->GetY() || x >= sprite->GetX() + sprite->GetW() ||
        y >= sprite->GetY() + sprite->GetH()) {
        return 0;
    }
    const int image = sprite->GetFirstImage();
    SDL_Surface* surface = CSprite::draw->GetSurface(image);
    CSprite::draw->LockImage(image);
    Uint8 r, g, b, a;
    SDL_GetRGBA(CSprite::draw->getpixel(surface, x - sprite->GetX(), y - sprite->GetY()), surface->format, &r, &g, &b,
                &a);
    CSprite::draw->UnlockImage(image);
    return a;
}

}  // namespace

// The sea is drawn over the boat: the hull's lowest rows lie under the
// water's opaque pixels, while the most of the boat shows above it.
TEST_F(IslandTest, TheBannersBoatSailsWithItsHullInTheWater)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[3]);
    island.ToggleBig(true);
    const int whole = island.bannerProgress;
    ASSERT_GT(whole, 100) << "making a playable island moves the boat on";
    const int hull = 4;  // the rows of the keel and the hull above it
    for (int progress : {0, whole / 2, whole}) {
        // A fresh banner is drawn at once, the boat where the steps took it.
        island.bannerProgress = progress;
        island.ShowLoading(0, true);
        const std::vector<CSprite*> boats = ShownAt(kBoatZ), sea = ShownAt(kSeaZ);
        ASSERT_EQ(boats.size(), 1u);
        ASSERT_EQ(sea.size(), 2u);
        CSprite* boat = boats.front();
        ASSERT_EQ(boat->GetX(), 261 + progress);
        ASSERT_EQ(boat->GetY(), 207);
        auto underWater = [&](int x, int y) {
            return AlphaAt(sea[0], x, y) >= 128 || AlphaAt(sea[1], x, y) >= 128;
        };
        int lowest = -1, shown = 0, sunk = 0, keel = 0, keelSunk = 0;
        for (int y = boat->GetY(); y < boat->GetY() + boat->GetH(); y++) {
            for (int x = boat->GetX(); x < boat->GetX() + boat->GetW(); x++) {
                if (AlphaAt(boat, x, y) >= 128) {
                    lowest = y;
                    shown++;
                    sunk += underWater(x, y);
                }
            }
        }
        ASSERT_GE(lowest, 0);
        for (int y = lowest - hull + 1; y <= lowest; y++) {
            for (int x = boat->GetX(); x < boat->GetX() + boat->GetW(); x++) {
                if (AlphaAt(boat, x, y) >= 128) {
                    keel++;
                    keelSunk += underWater(x, y);
                }
            }
        }
        EXPECT_EQ(keelSunk, keel) << "at progress " << progress << " the boat ends at y " << lowest
                                  << ", above the water";
        EXPECT_LT(sunk * 2, shown) << "at progress " << progress << " the boat sinks";
        if (progress == whole / 2) {
            EXPECT_TRUE(SavePng(PictureOf(SDL_GetVideoSurface()), ScreenshotPath("loading-banner.png")));
        }
    }
    island.HideLoading();
}
