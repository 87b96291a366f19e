#include "CControllerPopUp.h"

#include "CControllerGame.h"
#include "CRenderer.h"
#include "CSprite.h"

#include <SDL.h>

namespace {

constexpr int kDefaultDepth = 25000000;
constexpr int kOkayText = 12000, kYesText = 12001;
constexpr int kTextW = 400, kTextH = 160, kLabelH = 40;
constexpr int kCentreX = 322, kCentreY = 280;
constexpr int kCentredBothWays = 3;

const char* Insert(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

CControllerPopUp::CControllerPopUp(const feedback_data& asked, bool onlyNotice, int depth)
    : request(asked), noticeOnly(onlyNotice), answer(false), text(nullptr), label(nullptr)
{
    const int z = depth == -1 ? kDefaultDepth : depth;
    int lines = 0;
    text = new CSprite(z);
    text->LoadTextShadow(request.id, kTextW, kTextH, kCentredBothWays, lines, 0, 0, 0, Insert(request.insert[0]),
                         Insert(request.insert[1]), Insert(request.insert[2]), Insert(request.insert[3]),
                         std::to_string(request.number).c_str());
    text->CenterAt(kCentreX, kCentreY);
    label = new CSprite(z);
    label->LoadTextShadow(noticeOnly ? kOkayText : kYesText, kTextW, kLabelH, kCentredBothWays, lines, 0, 0, 0,
                          nullptr, nullptr, nullptr, nullptr, nullptr);
    label->CenterAt(kCentreX, kCentreY + kTextH / 2 + kLabelH / 2);
}

CControllerPopUp::~CControllerPopUp()
{
    delete text;
    delete label;
    // The game screen froze its picture before opening this screen; other
    // openers keep theirs shown.
    if (renderer && parent == CControllerGame::game) {
        renderer->Swap();
    }
}

void CControllerPopUp::GotFocusBack() {}

void CControllerPopUp::Pump()
{
    GetInput();
}

void CControllerPopUp::InputKey(bool released, int key)
{
    if (released && key == SDLK_ESCAPE) {
        answer = false;
        ShutDown(0);
    }
}

void CControllerPopUp::InputMouseMove(int, int) {}

void CControllerPopUp::InputMouseClick(bool left, bool, bool released)
{
    if (!released || !hasFocus) {
        return;
    }
    answer = left || noticeOnly;
    ShutDown(0);
}
