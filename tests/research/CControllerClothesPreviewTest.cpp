#include "ClothesDesignerFixture.h"

#include "ColourConversion.h"
#include "Screenshot.h"

namespace {

using Preview = ClothesTest;

RGBA_data Rgb(SRGB c)
{
    return RGBA_data{static_cast<unsigned char>(c.red), static_cast<unsigned char>(c.green),
                     static_cast<unsigned char>(c.blue), 0};
}

TEST_F(Preview, KnobsAndTrackClicksAgreeWithTheSliderValues)
{
    Open(Member(1, 1));
    Frame();
    CControllerClothes& d = Designer();
    d.SetSliderValue(CControllerClothes::kHue, 50);
    d.SetSliderValue(CControllerClothes::kSaturation, 25);
    d.SetSliderValue(CControllerClothes::kValue, 100);
    EXPECT_LT(Knob(1), Knob(0));
    EXPECT_LT(Knob(0), Knob(2));
    d.sliders[0]->SetX(424);
    EXPECT_EQ(d.SliderValue(0), 0);
    d.sliders[0]->SetX(641);
    EXPECT_EQ(d.SliderValue(0), 100);

    // A press on the hue track away from the knob jumps it, clamped to the
    // track, and the pants (tab A in front) take the colour.
    ClickAt(430, 370);
    EXPECT_EQ(Knob(0), 423);
    EXPECT_TRUE(d.changed);
    ClickAt(686, 370);
    EXPECT_EQ(Knob(0), 642);
    const SRGB expected = HSV2RGB(d.SliderValue(0), d.SliderValue(1), d.SliderValue(2));
    EXPECT_TRUE(Same(d.pantsColour, Rgb(expected)));
    EXPECT_TRUE(Same(Painted(d.pantsColourInUse), Rgb(expected))) << "the preview wears the slider colour";
    EXPECT_TRUE(Same(Painted(d.tabAColour), Rgb(expected)));

    // Dragging the value knob follows the pointer and darkens the pants.
    d.SetSliderValue(CControllerClothes::kValue, 100);
    MouseAt(Knob(2) + 14, 450);
    Frame(6);
    Press(true);
    EXPECT_EQ(d.draggedSlider, CControllerClothes::kValue);
    d.InputMouseMove(423 + 14 + 110, 450);
    EXPECT_EQ(d.SliderValue(2), 50);
    Press(false);
    EXPECT_EQ(d.draggedSlider, -1);
    EXPECT_TRUE(Same(Painted(d.pantsColourInUse), Rgb(HSV2RGB(d.SliderValue(0), d.SliderValue(1), 50))));
}

// The saturation and value pictures are painted with HSV2RGB of the
// sliders; each column is one colour of the run from 0 to 100.
TEST_F(Preview, SliderPicturesRunThroughTheColoursTheSlidersGive)
{
    Open(Member(1, 0));
    Frame();
    CControllerClothes& d = Designer();
    const int hue = d.SliderValue(0), saturation = d.SliderValue(1);
    for (int s : {CControllerClothes::kSaturation, CControllerClothes::kValue}) {
        const int image = d.sliderPictures[s]->GetFirstImage();
        int level = 0;
        for (int x = 0; x < CSprite::draw->GetW(image); x++) {
            const RGBA_data column = Pixel(image, x, 12);
            auto at = [&](int v) {
                return Rgb(s == CControllerClothes::kSaturation ? HSV2RGB(hue, v, 100) : HSV2RGB(hue, saturation, v));
            };
            while (level <= 100 && !Same(at(level), column)) {
                level++;
            }
            ASSERT_LE(level, 100) << "slider " << s << " column " << x << " is no colour of the run";
            if (x == 0) {
                EXPECT_EQ(level, 0);
            }
        }
        EXPECT_TRUE(Same(Pixel(image, CSprite::draw->GetW(image) - 1, 0),
                         Rgb(s == CControllerClothes::kSaturation ? HSV2RGB(hue, 100, 100)
                                                                   : HSV2RGB(hue, saturation, 100))));
    }
}

TEST_F(Preview, QuickPicksAndTabsMoveTheSlidersToTheGarmentBeingEdited)
{
    CPerson* woman = Member(1, 1);
    Open(woman);
    Frame();
    CControllerClothes& d = Designer();
    const RGBA_data pantsBefore = d.pantsColour;
    EXPECT_TRUE(d.EditingPants());
    const RGBA_data pantsSwatch = Painted(d.swatches[8]);

    // Tab B brings the shirt forward: the woman's shirt swatches, and the
    // sliders at the shirt's colour as it came through them.
    Button(CControllerClothes::kTabB);
    EXPECT_FALSE(d.EditingPants());
    EXPECT_FALSE(Same(Painted(d.swatches[8]), pantsSwatch)) << "the shirt's own swatches";
    const SHSV shirt = RGB2HSV(d.shirtColour.r, d.shirtColour.g, d.shirtColour.b);
    EXPECT_EQ(d.SliderValue(0), shirt.hue);
    EXPECT_EQ(d.SliderValue(2), shirt.value);

    // Quick pick 9 (index 8) goes through the sliders: (5, 63, 100).
    Button(CControllerClothes::kFirstQuickPick + 8);
    EXPECT_EQ(d.SliderValue(0), 5);
    EXPECT_EQ(d.SliderValue(1), 63);
    EXPECT_EQ(d.SliderValue(2), 100);
    EXPECT_TRUE(Same(d.shirtColour, Rgb(HSV2RGB(5, 63, 100))));
    EXPECT_TRUE(Same(Painted(d.shirtColourInUse), d.shirtColour));
    EXPECT_TRUE(Same(d.pantsColour, pantsBefore)) << "the pants keep their colour";

    // The tab already in front changes nothing.
    d.SetSliderValue(0, 70);
    Button(CControllerClothes::kTabB);
    EXPECT_EQ(d.SliderValue(0), 70);
    Button(CControllerClothes::kTabA);
    const SHSV pants = RGB2HSV(pantsBefore.r, pantsBefore.g, pantsBefore.b);
    EXPECT_EQ(d.SliderValue(0), pants.hue);
    EXPECT_TRUE(Same(Painted(d.swatches[8]), pantsSwatch));
}

// Odd ids face as drawn, even ids mirrored; a woman's mirrored garments
// stand 6 px further right, a man's where they were.
TEST_F(Preview, EvenIdsAreShownMirrored)
{
    CPerson* man = Member(1, 0);
    Member(2, 0);
    CPerson* woman = Member(3, 1);
    Member(4, 1);
    Open(man);
    Frame();
    CControllerClothes& d = Designer();
    const int style = d.shirtStyle;
    EXPECT_EQ(d.shirtColourInUse, d.garmentColour[0][0][0][style]);
    Button(CControllerClothes::kNextPerson);
    EXPECT_EQ(d.person->GetID(), 2);
    EXPECT_EQ(d.shirtColourInUse, d.garmentColour[0][0][1][style]);
    EXPECT_EQ(d.shirtColourInUse->GetX(), d.garmentColour[0][0][0][style]->GetX());
    EXPECT_TRUE(d.garmentColour[0][0][0][style]->Hidden());

    // The mirrored picture is the plain one turned left to right.
    const int plain = d.garmentLines[0][0][0][style]->GetFirstImage();
    const int mirrored = d.garmentLines[0][0][1][style]->GetFirstImage();
    const int w = CSprite::draw->GetW(plain);
    ASSERT_EQ(CSprite::draw->GetW(mirrored), w);
    for (int y = 0; y < CSprite::draw->GetH(plain); y += 7) {
        for (int x = 0; x < w; x += 3) {
            ASSERT_EQ(Pixel(plain, x, y).a, Pixel(mirrored, w - 1 - x, y).a) << x << ", " << y;
        }
    }

    Button(CControllerClothes::kNextPerson);
    EXPECT_EQ(d.person, woman);
    const int plainX = d.shirtColourInUse->GetX();
    Button(CControllerClothes::kNextPerson);
    EXPECT_EQ(d.person->GetID(), 4);
    EXPECT_EQ(d.shirtColourInUse->GetX(), plainX + 6);
    EXPECT_EQ(d.pantsColourInUse->GetX(), plainX + 6);
}

// A step shows the next adult as they stand: their own styles and colours,
// the front tab's on the sliders, and their name. White and pure red come
// through the sliders unchanged.
TEST_F(Preview, SteppingShowsTheNextIslandersOwnClothesAndName)
{
    CPerson* man = Member(1, 0);
    person_data record = IslanderRecord(1100, 1000, 30 * kYear, 1);
    record.id = 3;
    record.topStyle = 2;
    record.bottomStyle = 1;
    record.topColour = RGBA_data{255, 255, 255, 255};
    record.bottomColour = RGBA_data{255, 0, 0, 255};
    CPerson* woman = new CPerson(record);
    Open(man);
    Frame();
    CControllerClothes& d = Designer();
    ASSERT_EQ(d.shirtStyle, 1);
    ASSERT_TRUE(d.EditingPants());
    Button(CControllerClothes::kNextPerson);
    ASSERT_EQ(d.person, woman);
    EXPECT_EQ(d.shirtStyle, 2);
    EXPECT_EQ(d.pantsStyle, 1);
    EXPECT_TRUE(Same(d.shirtColour, record.topColour));
    EXPECT_TRUE(Same(d.pantsColour, record.bottomColour));
    EXPECT_EQ(d.SliderValue(CControllerClothes::kHue), 0);
    EXPECT_EQ(d.SliderValue(CControllerClothes::kSaturation), 100);
    EXPECT_EQ(d.SliderValue(CControllerClothes::kValue), 100);

    CSprite written(0);
    int lines = 0;
    written.LoadTextShadow(25300, 250, 30, 2, lines, 41, 35, 28, woman->GetASCIIName(), nullptr, nullptr, nullptr,
                           nullptr);
    const rgb_picture name = PictureOf(CSprite::draw->GetSurface(written.GetFirstImage()));
    EXPECT_EQ(PictureOf(CSprite::draw->GetSurface(d.name->GetFirstImage())).CountDifferences(name), 0);
}

}  // namespace
