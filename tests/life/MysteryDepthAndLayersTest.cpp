// Where a mystery sorts among the island's sprites, and the rising layer of
// mysteries 6 and 7: how far below its solved place the dust charge holds
// it, and when it shows at all.
#include "CMap.h"
#include "CMysteriousObject.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "LifeFixture.h"

namespace {

constexpr int kOffsetX = 30, kOffsetY = -20;

// The depth the main picture answers a hit with.
int MainZ(CMysteriousObject& mystery)
{
    int z = 0;
    EXPECT_TRUE(mystery.IsAtCoords(z, mystery.GetX() + mystery.GetW() / 2, mystery.GetY() + mystery.GetH() / 2));
    return z;
}

// The rising layer as shown: the one sprite drawn just under the main
// picture (a hidden sprite leaves the renderer's list); null while hidden.
CSprite* ShownRisingLayer(CMysteriousObject& mystery)
{
    const int z = MainZ(mystery) - 1;
    CSprite* found = nullptr;
    for (CSprite* sprite : CSprite::renderer->Sprites()) {
        if (sprite && !sprite->Hidden() && sprite->GetZ() == z) {
            EXPECT_EQ(found, nullptr) << "one sprite at the layer's depth";
            found = sprite;
        }
    }
    return found;
}

}  // namespace

TEST_F(LifeTest, Mystery5SortsByALineTwentyPixelsAboveItsFootAndEveryOtherByTen)
{
    for (int number = 0; number < 8; number++) {
        SCOPED_TRACE(number);
        CMysteriousObject mystery(1001, 2000, number);
        mystery.UnHide();
        const int line = number == 5 ? 20 : 10;
        EXPECT_EQ(MainZ(mystery), (mystery.GetY() + mystery.GetH() - line) * 2000);
    }
}

TEST_F(LifeTest, TheDustChargeHoldsTheRisingLayerBelowItsSolvedPlace)
{
    struct rise_case {
        int number, firstStageBit, charge;
        bool shown;
        int below;  // pixels under the solved place, when shown
    };
    // A playable island scrolled away from the origin, as the pump wants.
    CMap island(false);
    island.playable = true;
    island.offsetX = kOffsetX;
    island.offsetY = kOffsetY;
    const rise_case cases[] = {
        {6, 256, 500, true, 20},  // 40 - 19.98
        {7, 512, 500, true, 20},
        {7, 512, 1000, true, 0},  // 40 - 39.96
        {7, 512, 0, true, 40},    // mystery 7 shows it at any charge
        {6, 256, 100, false, 0},
        {6, 256, 101, true, 36},
        {6, 0, 500, false, 0},  // no stage reached yet
    };
    for (const rise_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mystery " << c.number << " at " << c.charge);
        CMysteriousObject::ResetAllMysteriousObjects();
        CMysteriousObject::SetVar(c.firstStageBit);
        CMysteriousObject mystery(1001, 2000, c.number);
        mystery.UnHide();
        mystery.dustCharge = c.charge;
        mystery.Pump(kOffsetX, kOffsetY, 1);
        CSprite* layer = ShownRisingLayer(mystery);
        ASSERT_EQ(layer != nullptr, c.shown);
        if (layer) {
            EXPECT_EQ(layer->GetX(), mystery.GetX() + kOffsetX);
            EXPECT_EQ(layer->GetY(), mystery.GetY() + kOffsetY + c.below);
        }
    }

    // Once solved it stands in its place whatever the charge.
    CMysteriousObject::SetVar(64);
    CMysteriousObject solved(1001, 2000, 6);
    solved.UnHide();
    solved.Pump(kOffsetX, kOffsetY, 1);
    solved.dustCharge = 500;
    solved.Pump(kOffsetX, kOffsetY, 1);
    CSprite* layer = ShownRisingLayer(solved);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->GetY(), solved.GetY() + kOffsetY);
}
