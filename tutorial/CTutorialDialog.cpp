// One tutorial step's dialog, built from its row of the step table.
#include "CTutorialDialog.h"

#include "CController.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CGuiCheckBox.h"
#include "CInput.h"
#include "CProfile.h"
#include "CSound.h"
#include "CSprite.h"
#include "FontSystem.h"
#include "TutorialSteps.h"

#include <cstdio>
#include <vector>

namespace {

constexpr int kPanelZ = 26000000, kTextZ = 26000001, kWidgetZ = 26000010;
constexpr int kNarrationProperty = 66;
constexpr int kOkayLabel = 40000, kSecondAnswerLabel = 40001, kFirstAnswerLabel = 40002;
constexpr int kNarrationText = 40010, kEndText = 40020;
constexpr int kFirstOkayId = 1000, kNarrationCheckBoxId = 2000;
constexpr int kCentredBothWays = 3;
constexpr int kNarrationDelayFrames = 5, kNarrationFadeFrames = 15;
// Off the game screen a dialog without an okay button has room below its texts.
constexpr int kTextDrop = 5;
constexpr float kLabelLight = 1.5f;
// The two dialogs that stand at the bottom of the screen.
constexpr int kLowSteps[] = {6, 7};
// Step 105's two answers stand at fixed points.
constexpr int kAnswerY = 540, kFirstAnswerX = 303, kSecondAnswerX = 425;

struct offset_data {
    int x, y;
};

// Per box letter 'A'..'G' (the answers of 'H' stand at fixed points).
struct element_offsets {
    offset_data okay, checkBox, narrationLabel, endLabel;
};

constexpr element_offsets kOffsets[7] = {
    {{116, 139}, {253, 132}, {293, 141}, {56, 141}},  // A
    {{159, 146}, {340, 140}, {380, 149}, {56, 149}},  // B
    {{230, 60}, {481, 53}, {521, 62}, {56, 62}},      // C
    {{230, 89}, {481, 83}, {521, 92}, {56, 92}},      // D
    {{253, 106}, {528, 99}, {568, 108}, {56, 108}},   // E
    {{230, 176}, {481, 168}, {521, 177}, {56, 177}},  // F
    {{254, 138}, {530, 131}, {570, 140}, {56, 140}},  // G
};

constexpr char kAnswersBox = 'H';

bool IsStep(int step)
{
    return step >= 0 && step < CTutorialDialog::kSteps;
}

bool NarrationOn()
{
    return CProfile::current->GetValue<bool>(kNarrationProperty);
}

}  // namespace

CTutorialDialog::CTutorialDialog(int step, CController* owner)
    : active(false),
      owner(owner),
      boxSprite(nullptr),
      textSprites{},
      narrationLabel(nullptr),
      endLabel(nullptr),
      step(step),
      boxSize(0),
      okayButton(nullptr),
      secondButton(nullptr),
      narrationCheckBox(nullptr),
      mouseWasDown(false),
      narration(nullptr)
{
    // A step the table lacks would read past it.
    if (!IsStep(step)) {
        return;
    }
    activeDialog = this;
    numTutorialsActive++;
    active = true;
    Build();
}

void CTutorialDialog::Build()
{
    const tutorial_step_data& row = kTutorialSteps[step];
    boxSize = row.box - 'A';
    MakePanel(row.box, row.opacity, row.x, row.y);

    FontSystem_RenderItalicsYellow(true);
    for (int i = 0; i < row.numTexts; i++) {
        const text_area_data area = TutorialTextArea(row, i);
        CSprite* text = new CSprite(kTextZ);
        int lines = 0;
        text->LoadTextShadow(row.texts[i].stringId, area.width, area.height, kCentredBothWays, lines, 16, 21, 21,
                             nullptr, nullptr, nullptr, nullptr, nullptr);
        text->CenterAt(row.texts[i].centreX, row.texts[i].centreY);
        text->dirtyOnDelete = true;
        textSprites[i] = text;
    }
    FontSystem_RenderItalicsYellow(false);

    const bool answers = row.box == kAnswersBox;
    const bool extras = !answers && owner && owner->showTutorialExtras;
    const element_offsets* offsets = answers ? nullptr : &kOffsets[boxSize];
    if (extras) {
        auto label = [&](int textId, int width, offset_data at) {
            CSprite* sprite = new CSprite(kTextZ);
            int lines = 0;
            sprite->LoadTextShadow(textId, width, 20, kCentredBothWays, lines, 13, 22, 23, nullptr, nullptr,
                                   nullptr, nullptr, nullptr);
            sprite->CenterAt(row.x + at.x, row.y + at.y);
            sprite->dirtyOnDelete = true;
            return sprite;
        };
        narrationLabel = label(kNarrationText, 35, offsets->narrationLabel);
        endLabel = label(kEndText, 75, offsets->endLabel);
    }
    if (row.buttons == kOkay) {
        okayButton = MakeButton(row.x + offsets->okay.x, row.y + offsets->okay.y, kFirstOkayId + step, kOkayLabel);
    }
    if (row.buttons != kOkay && !extras) {
        for (int i = 0; i < row.numTexts; i++) {
            textSprites[i]->Move(textSprites[i]->GetX(), textSprites[i]->GetY() + kTextDrop);
        }
    }
    if (answers) {
        okayButton = MakeButton(kFirstAnswerX, kAnswerY, kFirstOkayId + step, kFirstAnswerLabel);
        secondButton = MakeButton(kSecondAnswerX, kAnswerY, kFirstOkayId + step + 1, kSecondAnswerLabel);
    } else if (extras) {
        narrationCheckBox = new CGuiCheckBox(row.x + offsets->checkBox.x, row.y + offsets->checkBox.y,
                                             kNarrationCheckBoxId, owner, "tutorial_checkbox_unchecked.png",
                                             nullptr, "tutorial_checkbox_checked.png", nullptr, 0, 0, 0, false,
                                             kWidgetZ);
        narrationCheckBox->SetChecked(NarrationOn());
    }

    char name[32];
    std::snprintf(name, sizeof(name), "tutorial%i.dat", step);
    narration = new CSound(name, false, 1.0f, true);
    if (NarrationOn()) {
        narration->Play(false, kNarrationDelayFrames, 0.0f, false);
    }
}

void CTutorialDialog::MakePanel(char letter, int opacity, int x, int y)
{
    CDraw* draw = CController::draw;
    char frame[40], ground[40];
    std::snprintf(frame, sizeof(frame), "tutorial_box_%c_A.png", letter);
    std::snprintf(ground, sizeof(ground), "tutorial_box_%c_B.jpg", letter);
    std::vector<image_combine> layers;
    layers.push_back({draw->LoadImage(frame, false, false), 0, 0});
    layers.push_back({draw->LoadImage(ground, false, false), 7, 7});
    const int combined = draw->CombineImages(layers);
    const float alpha = static_cast<float>(opacity) / 100.0f;
    SDL_Surface* faded = draw->AlterImageRGBA(combined, {1.0f, 1.0f, 1.0f, alpha}, true, nullptr, 1.0f, 1.0f, 1.0f);
    const int panel = draw->ImageFreeSpot(faded, "TUTORIAL DIALOG FADING");
    boxSprite = new CSprite(kPanelZ);
    boxSprite->LoadImage(panel);
    draw->RemoveImage(combined);
    boxSprite->Move(x, y);
    boxSprite->dirtyOnDelete = true;
}

CGuiButton* CTutorialDialog::MakeButton(int x, int y, int id, int label)
{
    button_data data = CGuiButton::ScreenButton(owner, id, x, y, label, "tutorial_button_okay_base.png",
                                                "tutorial_button_okay_shad.png", "tutorial_button_okay_roll%i.png",
                                                -2, -2);
    data.z = kWidgetZ;
    return new CGuiButton(data);
}

CTutorialDialog::~CTutorialDialog()
{
    Close();
    delete boxSprite;
    for (CSprite* text : textSprites) {
        delete text;
    }
    delete narrationLabel;
    delete endLabel;
    delete narration;
    delete okayButton;
    delete secondButton;
    delete narrationCheckBox;
}

// Hiding and deleting each close the dialog; whichever comes first counts.
void CTutorialDialog::Close()
{
    if (activeDialog == this) {
        activeDialog = nullptr;
    }
    if (active) {
        active = false;
        numTutorialsActive--;
    }
}

void CTutorialDialog::Hide()
{
    Close();
    for (CSprite* sprite : {boxSprite, textSprites[0], textSprites[1], textSprites[2], narrationLabel, endLabel}) {
        if (sprite) {
            sprite->Hide();
        }
    }
    // The widgets go rather than hide: a hidden one would still call back an
    // owner that may be gone by then. A widget whose own click led here is
    // left alone by the widget list once its callback returns.
    delete okayButton;
    okayButton = nullptr;
    delete secondButton;
    secondButton = nullptr;
    delete narrationCheckBox;
    narrationCheckBox = nullptr;
    if (narration) {
        narration->FadeOut(kNarrationFadeFrames);
    }
}

bool CTutorialDialog::PressedOn(CSprite* label, bool down) const
{
    return label && down && !mouseWasDown && !label->Hidden() && label->IsMouseOver(0, 0);
}

void CTutorialDialog::Pump(int, int, int)
{
    if (!boxSprite || boxSprite->Hidden()) {
        return;
    }
    for (CSprite* label : {narrationLabel, endLabel}) {
        if (label) {
            label->Lighten(label->IsMouseOver(0, 0), kLabelLight);
        }
    }
    const bool down = CController::input && CController::input->leftDown;
    const bool onNarration = PressedOn(narrationLabel, down);
    const bool onEnd = PressedOn(endLabel, down);
    mouseWasDown = down;
    if (onNarration) {
        const bool on = !NarrationOn();
        CProfile::current->SetValue<bool>(kNarrationProperty, on);
        if (narrationCheckBox) {
            narrationCheckBox->SetChecked(on);
        }
        CController::PlayClick();
        if (!on && narration) {
            narration->FadeOut(kNarrationFadeFrames);
        }
    }
    // The owner may close or delete this dialog in answer: nothing of it is
    // touched afterwards.
    if (onEnd && owner) {
        owner->EndTutorial();
    }
}

bool CTutorialDialog::IsAtCoords(int&, int, int)
{
    return false;
}

bool CTutorialDialog::AtTop()
{
    CTutorialDialog* dialog = activeDialog;
    if (!dialog || !dialog->boxSprite || dialog->boxSprite->Hidden()) {
        return false;
    }
    for (int low : kLowSteps) {
        if (dialog->step == low) {
            return false;
        }
    }
    return true;
}

bool CTutorialDialog::IsMouseOver()
{
    CTutorialDialog* dialog = activeDialog;
    if (numTutorialsActive <= 0 || !dialog || !dialog->boxSprite) {
        return false;
    }
    if (dialog->boxSprite->IsCollisionPixelPerfect()) {
        return true;
    }
    return dialog->okayButton && dialog->okayButton->IsMouseOver();
}
