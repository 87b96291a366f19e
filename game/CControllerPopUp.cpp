#include "CControllerPopUp.h"

#include "CSprite.h"

#include <SDL.h>

namespace {

constexpr int kDefaultDepth = 25000000;
constexpr int kTextW = 400, kTextH = 160;
constexpr int kCentreX = 322, kCentreY = 280;
constexpr int kCentredBothWays = 3;

}  // namespace

CControllerPopUp::CControllerPopUp(const feedback_data& asked, bool onlyNotice, int depth)
    : request(asked), noticeOnly(onlyNotice), answer(false), text(nullptr), label(nullptr)
{
    int lines = 0;
    text = new CSprite(depth == -1 ? kDefaultDepth : depth);
    text->LoadTextShadow(request.id, kTextW, kTextH, kCentredBothWays, lines, 0, 0, 0, request.insert[0],
                         request.insert[1], request.insert[2], request.insert[3], nullptr);
    text->CenterAt(kCentreX, kCentreY);
}

CControllerPopUp::~CControllerPopUp()
{
    delete text;
    delete label;
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
