#include "CControllerPopUp.h"

#include "CSprite.h"

#include <SDL.h>

namespace {

constexpr int kDefaultDepth = 25000000;
constexpr int kTextW = 400, kTextH = 160;
constexpr int kCentreX = 404, kCentreY = 246;
constexpr int kCentredBothWays = 3;

}  // namespace

CControllerPopUp::CControllerPopUp(const feedback_data& asked, bool onlyNotice, int depth)
    : request(asked), noticeOnly(onlyNotice || asked.noticeOnly), answer(false), text(new CSprite(depth == -1 ? kDefaultDepth : depth))
{
    int lines = 0;
    text->LoadTextShadow(request.id, kTextW, kTextH, kCentredBothWays, lines, 0, 0, 0, nullptr, nullptr, nullptr,
                         nullptr, nullptr);
    text->CenterAt(kCentreX, kCentreY);
    text->dirtyOnDelete = true;
}

CControllerPopUp::~CControllerPopUp()
{
    delete text;
}

void CControllerPopUp::GotFocusBack() {}

void CControllerPopUp::Pump()
{
    GetInput();
}

void CControllerPopUp::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        answer = false;
        ShutDown(0);
    }
}

void CControllerPopUp::InputMouseMove(int, int) {}

void CControllerPopUp::InputMouseClick(bool left, bool, bool released)
{
    if (!hasFocus || !released) {
        return;
    }
    answer = left || noticeOnly;
    ShutDown(0);
}
