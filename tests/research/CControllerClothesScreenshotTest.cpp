// The clothes designer under X for a person to look at: a woman in a
// chosen shirt colour with five orders waiting.
#include "ClothesDesignerFixture.h"

#include "Screenshot.h"

namespace {

struct ClothesScene : ClothesTest {
    void TestBody() override {}

    void Shoot(const std::string& path)
    {
        CSprite::renderer->RedrawScreen();
        Frame();
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
    }

    int Woman(const std::string& path)
    {
        SetUp();
        Member(1, 0);
        CPerson* woman = Member(3, 1);
        Open(woman);
        for (int i = 0; i < 5; i++) {
            Button(CControllerClothes::kFirstQuickPick + i);
            Button(CControllerClothes::kMakeClothes);
        }
        Button(CControllerClothes::kTabB);
        Button(CControllerClothes::kFirstQuickPick + 8);
        Frame(3);
        Shoot(path);
        CControllerClothes& d = Designer();
        const int missing = (d.shirtColourInUse == nullptr || d.shirtColourInUse->Hidden()) +
                            (d.pantsColourInUse == nullptr || d.pantsColourInUse->Hidden()) +
                            (CPerson::craftQueue.size() != 5) + (d.slotNames[4].empty() ? 1 : 0) +
                            !d.slotNames[5].empty();
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(ClothesDesignerOnX, ShowsAWomanInAChosenColourWithAHalfFullQueue)
{
    ScreenshotOnX("clothes-designer-woman-x11.png", [](const std::string& path) { return ClothesScene().Woman(path); });
}
