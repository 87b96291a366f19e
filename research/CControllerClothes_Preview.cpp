// The clothes designer's colours and preview: the three HSV sliders and
// their pictures, the quick-pick swatches, the dressed islander, and the
// pointer work on the slider tracks. The colour applied is always HSV2RGB of
// the slider values, so preview, slider pictures and orders agree exactly.
#include "CControllerClothes.h"

#include "CDraw.h"
#include "CGuiButton.h"
#include "CGuiSliderBar.h"
#include "CMouseCursor.h"
#include "CPerson.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "ClothesDesignerLayout.h"
#include "ColourConversion.h"
#include "Utilities.h"

#include <algorithm>
#include <cassert>

namespace {

constexpr int kTrack = CControllerClothes::kKnobRight - CControllerClothes::kKnobLeft;  // 219
constexpr int kSliderPictureZ = 22000003, kPortraitZ = 22000010, kNameZ = 22000009;
constexpr coordinate kSliderPictures[3] = {{425, 363}, {425, 403}, {424, 445}};
constexpr int kSliderPictureW = 241, kSliderPictureH = 25;
constexpr int kTrackLeft = 427, kTrackRight = 686;
// The rows of the hue, saturation and value tracks (top, bottom).
constexpr int kTrackRows[3][2] = {{353, 383}, {395, 425}, {437, 467}};
constexpr int kNameText = 25300;
constexpr RGBA_data kNameShadow = {41, 35, 28, 0};

void PaintWholly(CSprite* sprite, RGBA_data colour)
{
    CSprite::draw->ReplaceColour(sprite->GetFirstImage(), colour, colour, false, true);
}

}  // namespace

bool CControllerClothes::EditingPants()
{
    return tabAColour->GetZ() > tabBColour->GetZ();
}

int CControllerClothes::Facing()
{
    return ((person->GetID() + 1) % 2 + 2) % 2;
}

void CControllerClothes::SetSliderValue(int slider, int v)
{
    sliders[slider]->SetX(kKnobLeft + Round(static_cast<float>(v) / 100.0f * static_cast<float>(kTrack)));
}

float CControllerClothes::GetSliderValue(int slider)
{
    return static_cast<float>(sliders[slider]->GetX() - kKnobLeft) / static_cast<float>(kTrack);
}

int CControllerClothes::SliderValue(int slider)
{
    return Round(GetSliderValue(slider) * 100.0f);
}

void CControllerClothes::ClampKnob(int slider, int x)
{
    sliders[slider]->SetX(std::clamp(x, static_cast<int>(kKnobLeft), static_cast<int>(kKnobRight)));
}

void CControllerClothes::ChangeColours()
{
    if (!colourHintShown && ScriptedStep() == 90) {
        PlaceCircle(96, 228, 'A');
    }
    colourHintShown = true;

    const int hue = SliderValue(kHue);
    const int saturation = SliderValue(kSaturation);
    const int value = SliderValue(kValue);
    if (!sliderPictures[0]) {
        for (int s = 0; s < 3; s++) {
            sliderPictures[s] = new CSprite(kSliderPictures[s].x, kSliderPictures[s].y, kSliderPictureZ);
            sliderPictures[s]->LoadImage(draw->CreateSizedBlank(kSliderPictureW, kSliderPictureH, nullptr));
        }
        draw->CreateHueSliderImage(sliderPictures[kHue]->GetFirstImage());
        draw->CreateSaturationSliderImage(sliderPictures[kSaturation]->GetFirstImage(), hue);
        draw->CreateLightnessSliderImage(sliderPictures[kValue]->GetFirstImage(), hue, saturation);
    } else {
        draw->CreateSaturationSliderImage(sliderPictures[kSaturation]->GetFirstImage(), hue);
        draw->CreateLightnessSliderImage(sliderPictures[kValue]->GetFirstImage(), hue, saturation);
        if (renderer) {
            renderer->AddSpecialDirty(425, 403, kSliderPictureW, kSliderPictureH, true);
            renderer->AddSpecialDirty(424, 445, kSliderPictureW, kSliderPictureH, true);
        }
    }

    const SRGB rgb = HSV2RGB(hue, saturation, value);
    const RGBA_data colour{static_cast<unsigned char>(rgb.red), static_cast<unsigned char>(rgb.green),
                           static_cast<unsigned char>(rgb.blue), 0};
    if (EditingPants()) {
        pantsColour = colour;
        PaintWholly(tabAColour, colour);
    } else {
        shirtColour = colour;
        PaintWholly(tabBColour, colour);
    }

    for (auto* sets : {&garmentColour, &garmentLines}) {
        for (auto& gender : *sets) {
            for (auto& garment : gender) {
                for (auto& facing : garment) {
                    for (CSprite* sprite : facing) {
                        sprite->Hide();
                    }
                }
            }
        }
    }
    if (!person) {
        shirtColourInUse = shirtLinesInUse = pantsColourInUse = pantsLinesInUse = nullptr;
        return;
    }
    const int gender = person->GetGender() == 1 ? 1 : 0;
    const int facing = Facing();
    const int shirt = std::clamp(shirtStyle, 0, 2);
    const int pants = std::clamp(pantsStyle, 0, 2);
    shirtColourInUse = garmentColour[gender][0][facing][shirt];
    shirtLinesInUse = garmentLines[gender][0][facing][shirt];
    pantsColourInUse = garmentColour[gender][1][facing][pants];
    pantsLinesInUse = garmentLines[gender][1][facing][pants];
    for (CSprite* sprite : {shirtColourInUse, shirtLinesInUse, pantsColourInUse, pantsLinesInUse}) {
        sprite->UnHide();
    }
    PaintWholly(pantsColourInUse, pantsColour);
    PaintWholly(shirtColourInUse, shirtColour);
}

void CControllerClothes::JumpToRGB(RGBA_data colour)
{
    const SHSV hsv = RGB2HSV(colour.r, colour.g, colour.b);
    SetSliderValue(kHue, hsv.hue);
    SetSliderValue(kSaturation, hsv.saturation);
    SetSliderValue(kValue, hsv.value);
    ChangeColours();
}

void CControllerClothes::ChangeSwatches()
{
    for (int i = 0; i < kQuickPicks; i++) {
        PaintWholly(swatches[i], GetSwatchColour(i));
    }
    if (renderer) {
        renderer->AddSpecialDirty(swatches[0]->GetX(), swatches[0]->GetY(), swatches[0]->GetW(), swatches[0]->GetH(),
                                  true);
    }
}

RGBA_data CControllerClothes::GetSwatchColour(int i)
{
    assert(i >= 0 && i < kQuickPicks);
    const int female = person && person->GetGender() == 1 ? 1 : 0;
    return clothes_designer_layout::kSwatches[female][EditingPants() ? 0 : 1][i];
}

void CControllerClothes::RenderNewPerson()
{
    delete portrait;
    portrait = nullptr;
    const sidebar_image picture = person->GetSpriteForSidebar();
    if (picture.id != -1 || !picture.name.empty()) {
        const int source = picture.id != -1 ? picture.id : draw->LoadImage(picture.name.c_str(), false, false);
        int shown = draw->DoubleImageSize(source);
        if (picture.id == -1) {
            draw->RemoveImage(source);
        }
        if (Facing() == 1) {
            const int doubled = shown;
            shown = draw->MirrorImageHorizontally(doubled);
            draw->RemoveImage(doubled);
        }
        portrait = new CSprite(kPortraitZ);
        portrait->LoadImage(shown);
        portrait->CenterAt(214, 135);
        portrait->dirtyOnDelete = true;
    }

    shirtStyle = person->GetClothesStyle(true);
    pantsStyle = person->GetClothesStyle(false);
    shirtColour = person->GetClothesColour(true);
    pantsColour = person->GetClothesColour(false);

    const bool pantsInFront = EditingPants();
    SwitchTab(true);
    JumpToRGB(pantsColour);
    SwitchTab(false);
    JumpToRGB(shirtColour);
    if (pantsInFront) {
        SwitchTab(true);
    }
    ChangeSwatches();

    delete name;
    name = new CSprite(kNameZ);
    int lines = 0;
    name->LoadTextShadow(kNameText, 250, 30, 2, lines, kNameShadow.r, kNameShadow.g, kNameShadow.b,
                         person->GetASCIIName(), nullptr, nullptr, nullptr, nullptr);
    name->CenterAt(209, 55);
    name->dirtyOnDelete = true;
}

void CControllerClothes::PumpSwatches()
{
    for (int i = 0; i < kQuickPicks; i++) {
        const bool held = quickPicks[i]->IsHeldDown();
        if (held && !swatchPressed[i]) {
            swatches[i]->Move(swatches[i]->GetX() + 2, swatches[i]->GetY() + 2);
            swatchPressed[i] = 1;
        } else if (!held && swatchPressed[i]) {
            swatches[i]->Move(swatches[i]->GetX() - 2, swatches[i]->GetY() - 2);
            swatchPressed[i] = 0;
        }
    }
}

void CControllerClothes::InputMouseClick(bool left, bool, bool released)
{
    if (!hasFocus) {
        return;
    }
    CMouseCursor::ShowMouse();
    const int x = CMouseCursor::GetMouseX();
    const int y = CMouseCursor::GetMouseY();
    int row = -1;
    for (int s = 0; s < 3; s++) {
        if (y >= kTrackRows[s][0] && y <= kTrackRows[s][1]) {
            row = s;
        }
    }
    if (!left) {
        return;
    }
    // Without an islander the sliders stay put and say no.
    if (!person) {
        const bool onKnob =
            sliders[kHue]->IsMouseOver() || sliders[kSaturation]->IsMouseOver() || sliders[kValue]->IsMouseOver();
        CGuiButtonBase::LeftMouseClick(released, false);
        if (!released && hasFocus && (onKnob || (row != -1 && x >= kTrackLeft && x <= kTrackRight))) {
            PlayDisallowed();
        }
        return;
    }
    CGuiButtonBase::LeftMouseClick(released, false);
    CGuiSliderBar::LeftMouseClick(released, false);
    if (!hasFocus) {
        return;
    }
    if (released) {
        draggedSlider = -1;
        return;
    }
    for (int s = 0; s < 3; s++) {
        if (sliders[s]->IsHeldDown()) {
            draggedSlider = s;
            return;
        }
    }
    if (x < kTrackLeft || x > kTrackRight || row == -1) {
        return;
    }
    ClampKnob(row, x - 14);
    changed = true;
    draggedSlider = -1;
    ChangeColours();
}

void CControllerClothes::InputMouseMove(int x, int)
{
    if (!hasFocus) {
        return;
    }
    CMouseCursor::ShowMouse();
    if (draggedSlider < 0 || !person) {
        return;
    }
    changed = true;
    ClampKnob(draggedSlider, x - sliders[draggedSlider]->GetW() / 2);
    ChangeColours();
}
