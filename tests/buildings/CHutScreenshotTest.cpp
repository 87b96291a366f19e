// Huts of both sizes, plain and roofed, under a floating number, drawn in a
// real window for a person to look at.
#include "BuildingClasses.h"
#include "BuildingsFixture.h"
#include "CDraw.h"
#include "CFlyaway.h"
#include "CHut.h"
#include "CRenderer.h"
#include "Screenshot.h"

namespace {

struct HutScenes : BuildingsTest {
    void TestBody() override {}

    int Huts(const std::string& path)
    {
        SetUp();
        CObject::rendering = true;
        struct {
            int variant, x, y;
        } standing[] = {{0, 150, 170}, {1, 450, 170}, {12, 170, 460}, {17, 470, 460}};
        int missing = 0;
        for (const auto& hut : standing) {
            CHut* built = static_cast<CHut*>(ClassOfType(1).place(hut.x, hut.y, hut.variant));
            built->FinishNow();
        }
        CFlyaway::AddFlyaway(123, 330, 300);
        for (int frame = 0; frame < 6; frame++) {
            Frame();
            CFlyaway::PumpFlyaways();
            resources.Renderer().Render(true);
        }
        for (CHut* hut : CHut::huts) {
            missing += hut->hutSprite->Hidden() + (hut->roof && hut->roof->Hidden());
        }
        missing += CFlyaway::flyaways.empty() || CFlyaway::flyaways[0]->digits[2]->Hidden();
        resources.Renderer().RedrawScreen();
        resources.Renderer().Render(true);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
        CFlyaway::RemoveFlyaways();
        CObject::rendering = false;
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(HutsOnX, HutsOfBothSizesPlainAndRoofedUnderAFloatingNumber)
{
    ScreenshotOnX("huts-x11.png", [](const std::string& path) { return HutScenes().Huts(path); });
}
