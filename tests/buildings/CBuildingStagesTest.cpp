// The picture of a site on its way up: half the percentage is the work done,
// half the goods brought, and each quarter of the way shows the next stage
// from the quarter itself on, for the kinds and for the huts alike.
#include "BuildingClasses.h"
#include "CHut.h"
#include "CStorehouseWood.h"
#include "tests/buildings/BuildingsFixture.h"

#include <functional>

namespace {

constexpr int kHut = 1, kWoodStorehouse = 4;

struct stage_case {
    int workPercent, goodsPercent;  // of what the kind needs
    int goodsShort;                 // wood units fewer than that
    int workShort;                  // work points fewer than that
    int stage;
    int shownPercent;  // the side panel's number on a quarter; 0 unchecked, -1 none: finished
};

// Work and goods brought to a new site of the type.
void Raise(CBuilding* site, int type, const stage_case& c)
{
    site->Build(CBuilding::GetRequiredWork(type) * c.workPercent / 100 - c.workShort);
    site->AddResource(CBuilding::GetRequiredWood(type) * c.goodsPercent / 100 - c.goodsShort, 0);
    site->AddResource(CBuilding::GetRequiredRock(type) * c.goodsPercent / 100, 1);
}

TEST_F(BuildingsTest, EachQuarterOfTheWayShowsTheNextStageFromTheQuarterItselfOn)
{
    const stage_case cases[] = {
        {0, 0, 0, 0, 0, 0},    {50, 0, 0, 1, 0, 0},     {50, 0, 0, 0, 1, 25},   {100, 0, 0, 1, 1, 0},
        {100, 0, 0, 0, 2, 50}, {100, 50, 1, 0, 2, 0},   {100, 50, 0, 0, 3, 75}, {100, 100, 1, 0, 3, 0},
        {100, 100, 0, 0, 4, -1},
    };
    struct kind {
        const char* name;
        int type;
        std::function<CBuilding*()> place;
        std::function<unsigned int(CBuilding*)> shown;
    };
    const kind kinds[] = {
        {"a storehouse", kWoodStorehouse, [] { return new CStorehouseWood(2000, 2000); },
         [](CBuilding* b) { return static_cast<CStorehouseWood*>(b)->GetSprite()->GetFrame(); }},
        {"a hut", kHut, [] { return ClassOfType(kHut).place(2000, 2000, 0); },
         [](CBuilding* b) { return static_cast<CHut*>(b)->hutSprite->GetFrame(); }},
    };
    for (const kind& k : kinds) {
        for (const stage_case& c : cases) {
            SCOPED_TRACE(testing::Message() << k.name << ": work " << c.workPercent << "% less " << c.workShort
                                            << ", goods " << c.goodsPercent << "% less " << c.goodsShort);
            CBuilding* site = k.place();
            Raise(site, k.type, c);
            Frame();
            EXPECT_EQ(k.shown(site), static_cast<unsigned int>(c.stage));
            const selection_result detail = site->GetSelectedTopDetail();
            EXPECT_EQ(detail.id, c.shownPercent == -1 ? 0 : 2024);
            if (c.shownPercent > 0) {
                EXPECT_EQ(detail.number, c.shownPercent);
            }
            delete site;
        }
    }
}

}  // namespace
