#include "CSprite.h"

#include "CController.h"
#include "CInput.h"
#include "Log.h"
#include "Utilities.h"

#include <map>

CDraw* CSprite::draw = nullptr;
CRenderer* CSprite::renderer = nullptr;

namespace {

struct stand_in_size {
    int w, h;
};

std::map<std::string, stand_in_size>& Sizes()
{
    static std::map<std::string, stand_in_size> sizes;
    return sizes;
}

}  // namespace

CSprite::CSprite(int z) : CSprite(0, 0, z) {}

CSprite::CSprite(int z, int) : CSprite(0, 0, z) {}

CSprite::CSprite(int x, int y, int z)
    : dirtyOnDelete(false), x(x), y(y), z(z), w(0), h(0), fullW(0), fullH(0), hidden(false), tint(0)
{
}

CSprite::~CSprite() {}

void CSprite::LoadImage(int)
{
    images.push_back("");
}

void CSprite::LoadImage(const char* name)
{
    auto found = Sizes().find(name);
    if (found == Sizes().end()) {
        errorMessage("Unable to find preloaded image: ", name, true, true);
        return;
    }
    w = fullW = found->second.w;
    h = fullH = found->second.h;
    images.push_back(name);
}

void CSprite::Move(int newX, int newY)
{
    x = newX;
    y = newY;
}

void CSprite::Move(int newX, int newY, int newZ)
{
    Move(newX, newY);
    z = newZ;
}

void CSprite::Move(float newX, float newY)
{
    Move(Round(newX), Round(newY));
}

void CSprite::Move(float newX, float newY, float newZ)
{
    Move(Round(newX), Round(newY), Round(newZ));
}

void CSprite::SetZ(int newZ)
{
    z = newZ;
}

int CSprite::GetX() { return x; }
int CSprite::GetY() { return y; }
int CSprite::GetZ() { return z; }
int CSprite::GetW() { return w; }
int CSprite::GetH() { return h; }
int CSprite::GetOriginalW() { return fullW; }
int CSprite::GetOriginalH() { return fullH; }

void CSprite::SetW(int newW)
{
    w = newW < 0 ? 0 : (newW > fullW ? fullW : newW);
}

void CSprite::SetH(int newH)
{
    h = newH < 0 ? 0 : (newH > fullH ? fullH : newH);
}

void CSprite::Hide() { hidden = true; }
void CSprite::UnHide() { hidden = false; }
bool CSprite::Hidden() { return hidden; }

void CSprite::Lighten(bool on, float factor)
{
    tint = on ? factor : 0;
}

bool CSprite::IsCollisionPixelPerfect(int px, int py)
{
    if (hidden) {
        return false;
    }
    if (px == -1 && py == -1 && CController::input) {
        px = CController::input->mouseX;
        py = CController::input->mouseY;
    }
    return x <= px && px < x + w && y <= py && py < y + h;
}

bool CSprite::IsCollision(int px, int py, int marginX, int marginY)
{
    return x - marginX <= px && px < x + w + marginX && y - marginY <= py && py < y + h + marginY;
}

int CSprite::GetNumImages()
{
    return static_cast<int>(images.size());
}

void CSprite::SetStandInImageSize(const char* name, int imageW, int imageH)
{
    Sizes()[name] = {imageW, imageH};
}

void CSprite::ClearStandInImageSizes()
{
    Sizes().clear();
}
