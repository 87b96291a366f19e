// The clothes designer under X for a person to look at: a woman in a
// chosen shirt colour with five orders of three islanders waiting, so that
// each row of the queue shows whose order it is.
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
        Member(5, 0, 30, 7001);
        Open(woman);
        // Two orders for her, one for the next adult, one for the one after
        // and a last one back with her.
        constexpr int kStepAfter[5] = {-1, CControllerClothes::kNextPerson, CControllerClothes::kNextPerson,
                                       CControllerClothes::kNextPerson, -1};
        for (int i = 0; i < 5; i++) {
            Button(CControllerClothes::kFirstQuickPick + i);
            Button(CControllerClothes::kMakeClothes);
            if (kStepAfter[i] >= 0) {
                Button(kStepAfter[i]);
            }
        }
        Button(CControllerClothes::kTabB);
        Button(CControllerClothes::kFirstQuickPick + 8);
        Frame(3);
        Shoot(path);
        CControllerClothes& d = Designer();
        const int missing = (d.shirtColourInUse == nullptr || d.shirtColourInUse->Hidden()) +
                            (d.pantsColourInUse == nullptr || d.pantsColourInUse->Hidden()) +
                            (CPerson::craftQueue.size() != 5) + (d.slotNames[4].empty() ? 1 : 0) +
                            !d.slotNames[5].empty() + (d.slotNames[0] == d.slotNames[2]) +
                            (d.slotNames[2] == d.slotNames[3]) + (d.person != woman);
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(ClothesDesignerOnX, ShowsAWomanInAChosenColourWithAHalfFullQueue)
{
    ScreenshotOnX("clothes-designer-woman-x11.png", [](const std::string& path) { return ClothesScene().Woman(path); });
}
