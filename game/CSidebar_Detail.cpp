// What the selected object shows in the side panel, and the tool-tip bar.
// Every input is compared with what is shown; only a change builds text.
#include "CSidebar.h"

#include "CDraw.h"
#include "CDropper.h"
#include "CGuiButton.h"
#include "CObject.h"
#include "CSprite.h"
#include "CTutorialDialog.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kPanelZ = 20000000;
constexpr int kOffScreen = 800;
constexpr int kSlideOutStep = 25;
constexpr int kTooltipRiseStep = 15;

constexpr int kNamedPlateId = 6999;
constexpr unsigned char kNameShadow[3] = {41, 35, 28};
constexpr unsigned char kDetailShadow[3] = {59, 99, 66};
constexpr unsigned char kTooltipShadow[3] = {59, 58, 25};
constexpr int kPlateY = 97;
constexpr int kNameDx = 9, kNameDy = 14;
constexpr int kPictureX = 709, kPictureY = 219;
constexpr int kPictureLimit = 150;
constexpr int kShortTextBottom = 51;
// The tutorial dialogs of these steps sit low on the screen.
constexpr int kLowDialogSteps[2] = {6, 7};

const char* Given(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
}

void Store(std::string& stored, const char* given)
{
    stored = given ? given : "";
}

bool TutorialAtTop()
{
    CTutorialDialog* dialog = CTutorialDialog::activeDialog;
    return dialog && dialog->GetTutID() != kLowDialogSteps[0] && dialog->GetTutID() != kLowDialogSteps[1];
}

// An end of content slides a shown element out; a hidden one stays hidden.
int EndedState(int state)
{
    return state == CSidebar::HIDDEN ? CSidebar::HIDDEN : CSidebar::SLIDING_OUT;
}

// New content slides a shown element out and back, a hidden one in.
int ChangedState(int state)
{
    return state == CSidebar::HIDDEN ? CSidebar::SLIDING_IN : CSidebar::SLIDING_OUT_AND_BACK;
}

}  // namespace

bool CSidebar::CompareStrings(const std::string& stored, const char* given)
{
    if (!given) {
        return stored.empty();
    }
    return !stored.empty() && stored == given;
}

int CSidebar::ShrinkFactor(int setting, int w, int h)
{
    if (setting != -1) {
        // 0 and negative settings reached a shrink that needs 2 or more.
        return setting < 2 ? 1 : setting;
    }
    if (w <= kPictureLimit && h <= kPictureLimit) {
        return 1;
    }
    const double q = std::max(w, h) / static_cast<double>(kPictureLimit);
    for (int factor = 2; factor < 16; factor *= 2) {
        if (q <= factor) {
            return factor;
        }
    }
    return 16;
}

void CSidebar::SetTooltipState(int state)
{
    if (state == SLIDING_IN) {
        tooltipRebuild = true;
    }
    tooltipPrevious = tooltipState;
    tooltipState = state;
}

void CSidebar::SetDetailInfoState(int state)
{
    if (state == SLIDING_IN) {
        infoRebuild = true;
    }
    detailInfoPrevious = detailInfoState;
    detailInfoState = state;
}

void CSidebar::SetDetailButtonState(int state)
{
    if (state == SLIDING_IN) {
        buttonRebuild = true;
    }
    detailButtonPrevious = detailButtonState;
    detailButtonState = state;
}

void CSidebar::UpdateSidebarData()
{
    CObject* selected = CObject::selectedObject;
    const bool askTooltip = timedMessageFrames <= 0;
    if (selected) {
        const selection_result name = selected->GetSelectedName();
        RenderDetailInfo(name.id, name.number, name.text1);
        RenderDetailTop(selected->GetSelectedTopDetail());
        RenderDetailBottom(selected->GetSelectedBottomDetail());
        const selection_result button = selected->GetSelectedDetailButton();
        RenderDetailButton(button.id, button.number);
        RenderDetailImage(selected->GetSpriteForSidebar());
        if (askTooltip) {
            RenderTooltip(selected->GetTooltipForSidebar());
        }
        return;
    }
    const selection_result none = {-1, 0, nullptr, nullptr, 0, 0};
    RenderDetailInfo(-1, 0, nullptr);
    RenderDetailTop(none);
    RenderDetailBottom(none);
    RenderDetailButton(-1, 0);
    RenderDetailImage(sidebar_image{-1, "", -1});
    if (askTooltip) {
        RenderTooltip(none);
    }
}

// ---- Name plate ----------------------------------------------------------------

void CSidebar::RenderDetailInfo(int id, int number, const char* text)
{
    const bool changed = id != nameId || number != nameNumber || !CompareStrings(nameString, text);
    nameId = id;
    nameNumber = number;
    Store(nameString, text);
    // An object without a name answers 0, which no string has.
    if (id <= 0) {
        if (detailInfoState != SLIDING_OUT) {
            const int next = EndedState(detailInfoState);
            if (next != detailInfoState) {
                SetDetailInfoState(next);
            }
        }
    } else if (changed) {
        SetDetailInfoState(ChangedState(detailInfoState));
    }
}

void CSidebar::PumpDetailInfo()
{
    if (detailInfoState == SLIDING_IN) {
        if (infoRebuild) {
            infoRebuild = false;
            delete nameText;
            delete nameMover;
            nameMover = new CDropper(875, -22.0f, 1.66f, 630, 0, 5);
            // A player's own name is only ever an insert, never a format.
            if (!nameString.empty()) {
                nameText = TextSprite(kNamedPlateId, kPanelZ + 1, 139, 40, 2, kNameShadow, nameString.c_str(),
                                      nullptr, nullptr, nullptr, nullptr);
            } else {
                const std::string number = std::to_string(nameNumber);
                nameText = TextSprite(nameId, kPanelZ + 1, 139, 40, 2, kNameShadow, number.c_str(), nullptr,
                                      nullptr, nullptr, nullptr);
            }
        }
        if (nameMover->IsDone()) {
            SetDetailInfoState(SHOWN);
            return;
        }
        nameMover->Pump();
        namePlate->Move(nameMover->GetHeight(), kPlateY);
    } else if (detailInfoState == SLIDING_OUT || detailInfoState == SLIDING_OUT_AND_BACK) {
        namePlate->Move(namePlate->GetX() + kSlideOutStep, kPlateY);
        if (namePlate->GetX() > kOffScreen) {
            SetDetailInfoState(detailInfoState == SLIDING_OUT ? HIDDEN : SLIDING_IN);
        }
    } else {
        return;
    }
    if (nameText) {
        nameText->Move(namePlate->GetX() + kNameDx, namePlate->GetY() + kNameDy);
    }
}

// ---- Detail texts and picture ---------------------------------------------------

void CSidebar::RenderDetailTop(selection_result detail)
{
    if (detail.id == topId && detail.number == topNumber && CompareStrings(topText1, detail.text1) &&
        CompareStrings(topText2, detail.text2)) {
        return;
    }
    topId = detail.id;
    topNumber = detail.number;
    Store(topText1, detail.text1);
    Store(topText2, detail.text2);
    delete topText;
    topText = nullptr;
    if (detail.id <= 0) {
        return;
    }
    const std::string number = std::to_string(detail.number);
    const char* first = detail.text2 ? Given(topText1) : (detail.text1 ? Given(topText1) : number.c_str());
    const char* second = detail.text2 ? Given(topText2) : nullptr;
    topText = TextSprite(detail.id, kPanelZ + 2, 140, 54, 2, kDetailShadow, first, second, nullptr, nullptr,
                         nullptr);
    topText->Move(638 + detail.offsetX, 140 + detail.offsetY);
    topText->dirtyOnDelete = true;
}

void CSidebar::RenderDetailBottom(selection_result detail)
{
    if (detail.id == bottomId && detail.number == bottomNumber) {
        return;
    }
    bottomId = detail.id;
    bottomNumber = detail.number;
    delete bottomText;
    bottomText = nullptr;
    if (detail.id <= 0) {
        return;
    }
    const std::string number = std::to_string(detail.number);
    bottomText = TextSprite(detail.id, kPanelZ + 2, 140, 54, 3, kDetailShadow, number.c_str(), nullptr, nullptr,
                            nullptr, nullptr);
    bottomText->Move(636 + detail.offsetX, 242 + detail.offsetY);
    bottomText->dirtyOnDelete = true;
}

void CSidebar::RenderDetailImage(const sidebar_image& image)
{
    CDraw* draw = CSprite::draw;
    if (image.id == -1 && image.name.empty()) {
        delete picture;
        picture = nullptr;
        pictureName.clear();
        pictureId = -1;
        pictureChecksum = -1;
        return;
    }
    if (image.id == -1) {
        if (image.name == pictureName && picture) {
            return;
        }
        pictureChecksum = -1;
    } else {
        const long long checksum = draw->GetImageChecksum(image.id);
        if (image.id == pictureId && checksum == pictureChecksum && picture) {
            return;
        }
        pictureChecksum = checksum;
    }
    pictureName = image.name;
    pictureId = image.id;

    delete picture;
    int shown = image.id == -1 ? draw->LoadImage(image.name.c_str(), false, false) : draw->CopyImage(image.id);
    const int factor = ShrinkFactor(image.shrink, draw->GetW(shown), draw->GetH(shown));
    if (factor > 1) {
        shown = draw->ShrinkImage(shown, factor, true);
    }
    picture = new CSprite(kPanelZ + 1);
    picture->LoadImage(shown);
    picture->CenterAtX(kPictureX);
    picture->CenterAtY(kPictureY);
    picture->dirtyOnDelete = true;
}

// ---- Detail button ----------------------------------------------------------------

void CSidebar::RenderDetailButton(int id, int state)
{
    const bool changed = id != buttonLabelId;
    buttonLabelId = id;
    if (id <= 0) {
        if (detailButtonState != SLIDING_OUT && detailButtonState != HIDDEN) {
            SetDetailButtonState(SLIDING_OUT);
        }
        return;
    }
    detailNext = state == 0 ? detailPlain : detailCheck;
    if (state != 0) {
        detailCheck->SetCheckbox(state == 2);
    }
    if (!detailInUse || detailButtonState == HIDDEN) {
        detailInUse = detailNext;
    }
    if (changed) {
        SetDetailButtonState(ChangedState(detailButtonState));
    }
}

void CSidebar::UseNextDetailButton()
{
    if (detailNext) {
        detailInUse = detailNext;
    }
}

void CSidebar::PumpDetailButton()
{
    if (!detailInUse) {
        return;
    }
    if (detailButtonState == SLIDING_IN) {
        if (buttonRebuild) {
            buttonRebuild = false;
            delete buttonMover;
            buttonMover = new CDropper(872, -22.0f, 1.66f, 627, 0, 5);
            textImagesBuilt++;
            detailInUse->AlterText(buttonLabelId, nullptr);
        }
        if (buttonMover->IsDone()) {
            SetDetailButtonState(SHOWN);
            return;
        }
        buttonMover->Pump();
        detailInUse->x = buttonMover->GetHeight();
        detailInUse->Redisplay();
    } else if (detailButtonState == SLIDING_OUT || detailButtonState == SLIDING_OUT_AND_BACK) {
        detailInUse->x += kSlideOutStep;
        detailInUse->Redisplay();
        if (detailInUse->x > kOffScreen) {
            UseNextDetailButton();
            SetDetailButtonState(detailButtonState == SLIDING_OUT ? HIDDEN : SLIDING_IN);
        }
    }
}

// ---- Tool-tip bar --------------------------------------------------------------------

void CSidebar::RenderTooltip(selection_result tip)
{
    if (TutorialAtTop()) {
        tip = selection_result{-1, 0, nullptr, nullptr, 0, 0};
    }
    const bool changed = tip.id != tooltipId || tip.number != tooltipNumber ||
                         !CompareStrings(tooltipText1, tip.text1) || !CompareStrings(tooltipText2, tip.text2);
    tooltipId = tip.id;
    tooltipNumber = tip.number;
    Store(tooltipText1, tip.text1);
    Store(tooltipText2, tip.text2);
    if (tip.id <= 0) {
        if (tooltipState != SLIDING_OUT && tooltipState != HIDDEN) {
            SetTooltipState(SLIDING_OUT);
        }
    } else if (changed) {
        SetTooltipState(ChangedState(tooltipState));
    }
}

void CSidebar::PlaceTooltipText()
{
    if (!tooltipText || !tooltipFrame) {
        return;
    }
    const bool tall = tooltipFrame == panels[TALL_A];
    tooltipText->Move(tooltipFrame->GetX() + 28, tooltipFrame->GetY() + (tall ? 1 : -8));
}

void CSidebar::PumpTooltip()
{
    if (tooltipState == SLIDING_IN) {
        if (tooltipRebuild) {
            tooltipRebuild = false;
            delete tooltipText;
            delete tooltipMover;
            tooltipMover = new CDropper(-67, 9.2f, -1.66f, 0, 0, 5);
            const std::string number = std::to_string(tooltipNumber);
            const char* a1 = number.c_str();
            const char* a2 = nullptr;
            const char* a3 = nullptr;
            if (!tooltipText1.empty()) {
                a1 = nullptr;
                a2 = tooltipText1.c_str();
            } else if (!tooltipText2.empty()) {
                a3 = tooltipText2.c_str();
            }
            tooltipText = TextSprite(tooltipId, kPanelZ + 1, 442, 57, 3, kTooltipShadow, a1, a2, a3, nullptr,
                                     nullptr);
            const bool tall = CSprite::draw->GetBottomEdge(tooltipText->GetFirstImage()) >= kShortTextBottom;
            const bool timed = timedMessageFrames > 0;
            CSprite* frame = panels[tall ? TALL_A : TIP_A];
            CSprite* back = panels[tall ? (timed ? TALL_B2 : TALL_B1) : (timed ? TIP_B2 : TIP_B1)];
            // Whatever showed before leaves the view with this one's arrival.
            for (CSprite* other : {tooltipFrame, tooltipBack}) {
                if (other && other != frame && other != back) {
                    other->Move(other->GetX(), -200);
                }
            }
            tooltipFrame = frame;
            tooltipBack = back;
        }
        if (tooltipMover->IsDone()) {
            SetTooltipState(SHOWN);
            return;
        }
        tooltipMover->Pump();
        tooltipFrame->Move(tooltipFrame->GetX(), tooltipMover->GetHeight());
        tooltipBack->Move(tooltipBack->GetX(), tooltipMover->GetHeight());
        PlaceTooltipText();
    } else if ((tooltipState == SLIDING_OUT || tooltipState == SLIDING_OUT_AND_BACK) && tooltipFrame) {
        tooltipFrame->Move(tooltipFrame->GetX(), tooltipFrame->GetY() - kTooltipRiseStep);
        tooltipBack->Move(tooltipBack->GetX(), tooltipBack->GetY() - kTooltipRiseStep);
        PlaceTooltipText();
        if (tooltipFrame->GetY() + tooltipFrame->GetH() < 0) {
            SetTooltipState(tooltipState == SLIDING_OUT ? HIDDEN : SLIDING_IN);
        }
    } else if (tooltipState == SLIDING_OUT || tooltipState == SLIDING_OUT_AND_BACK) {
        SetTooltipState(tooltipState == SLIDING_OUT ? HIDDEN : SLIDING_IN);
    }
}
