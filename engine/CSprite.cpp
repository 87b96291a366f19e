#include "CSprite.h"

#include "CDraw.h"
#include "CMouseCursor.h"
#include "CRenderer.h"
#include "Log.h"
#include "Utilities.h"

#include <algorithm>
#include <cassert>
#include <string>

CDraw* CSprite::draw = nullptr;
CRenderer* CSprite::renderer = nullptr;

namespace {

// Depth from which sprites may draw over the side panel.
const int kOverSidebarZ = 20000000;

bool SameTint(const RGBA_offset& a, const RGBA_offset& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

}  // namespace

CSprite::CSprite(int z) : CSprite(0, 0, z) {}

CSprite::CSprite(int z, int framesPerStep) : CSprite(0, 0, z)
{
    this->framesPerStep = framesPerStep;
}

CSprite::CSprite(int x, int y, int z)
    : dirtyOnDelete(false),
      clip{0, 0, 0, 0},
      clipped(false),
      tinted(nullptr),
      tint{0, 0, 0, 0},
      lastTint{0, 0, 0, 0},
      srcX(0),
      srcY(0),
      lastSrcX(0),
      lastSrcY(0),
      loopFrom(0),
      x(x),
      y(y),
      lastX(-1),
      lastY(-1),
      z(z),
      lastZ(-1),
      w(0),
      h(0),
      lastW(-1),
      lastH(-1),
      fullW(0),
      fullH(0),
      lastImage(-1),
      lastHidden(true),
      pauseWhenDone(false),
      framesPerStep(0),
      frame(0),
      counter(-1),
      state(1),
      fadeType(0),
      fadeStart(0),
      fadeEnd(0),
      shouldDirty(true),
      inRenderer(false),
      hidden(false)
{
    // A sprite made while there is no renderer joins one when it is unhidden.
    if (renderer) {
        renderer->AddSprite(this);
        inRenderer = true;
    }
}

CSprite* CSprite::ImageAt(const char* name, int x, int y, int z)
{
    CSprite* sprite = new CSprite(x, y, z);
    sprite->LoadImage(name);
    return sprite;
}

CSprite::~CSprite()
{
    ReleaseTint();
    if (inRenderer && renderer) {
        renderer->RemoveSprite(this);
    }
    if (dirtyOnDelete && renderer) {
        // Where it was last drawn, and where it stands now.
        if (!lastHidden) {
            renderer->AddSpecialDirty(lastX, lastY, lastW, lastH, lastZ >= kOverSidebarZ);
        }
        if (lastHidden || lastX != x || lastY != y || lastW != w || lastH != h) {
            renderer->AddSpecialDirty(x, y, w, h, GetZ() >= kOverSidebarZ);
        }
    }
    if (draw) {
        for (int id : images) {
            draw->RemoveImage(id);
        }
    }
}

// --- Images ---

void CSprite::LoadImage(int id)
{
    assert(draw);
    const int newW = draw->GetW(id);
    const int newH = draw->GetH(id);
    if (!images.empty() && (newW != w || newH != h)) {
        const char* name = draw->GetImageName(id);
        logMessage(TempSprintf("A sprite (%s) was loaded with images of different sizes!  Original w/h: %i %i  "
                               "New w/h: %i %i",
                               name ? name : "", w, h, newW, newH));
    }
    w = fullW = newW;
    h = fullH = newH;
    images.push_back(id);
}

void CSprite::LoadImage(const char* name)
{
    assert(draw);
    // The name may sit in the shared format buffer, which the size check reuses.
    const std::string kept = name;
    LoadImage(draw->LoadImage(kept.c_str(), false, false));
}

void CSprite::LoadImage(const char* name, int n)
{
    const std::string kept = name;
    for (int i = 0; i < n; i++) {
        LoadImage(kept.c_str());
    }
}

void CSprite::LoadText(int id, int w, int h, int alignment, int& lines, const char* a1, const char* a2,
                       const char* a3, const char* a4, const char* a5)
{
    LoadImage(draw->LoadText(id, w, h, alignment, lines, a1, a2, a3, a4, a5));
}

void CSprite::LoadTextColour(int id, int w, int h, int alignment, int& lines, unsigned char r, unsigned char g,
                             unsigned char b, const char* a1, const char* a2, const char* a3, const char* a4,
                             const char* a5)
{
    LoadImage(draw->LoadTextColour(id, w, h, alignment, lines, r, g, b, a1, a2, a3, a4, a5));
}

void CSprite::LoadTextShadow(int id, int w, int h, int alignment, int& lines, unsigned char r, unsigned char g,
                             unsigned char b, const char* a1, const char* a2, const char* a3, const char* a4,
                             const char* a5)
{
    LoadImage(draw->LoadTextShadow(id, w, h, alignment, lines, r, g, b, a1, a2, a3, a4, a5));
}

void CSprite::LoadImage(const char* prefix, int first, int last, const char* suffix)
{
    const std::string head = prefix;
    const std::string tail = suffix;
    const int step = first <= last ? 1 : -1;
    for (int i = first;; i += step) {
        LoadImage((head + std::to_string(i) + tail).c_str());
        if (i == last) {
            break;
        }
    }
}

// --- Position and size ---

void CSprite::Move(int newX, int newY)
{
    x = newX;
    y = newY;
}

void CSprite::Move(int newX, int newY, int newZ)
{
    x = newX;
    y = newY;
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

void CSprite::CenterAt(int cx, int cy)
{
    CenterAtX(cx);
    CenterAtY(cy);
}

void CSprite::CenterAtX(int cx)
{
    x = cx - w / 2;
}

void CSprite::CenterAtY(int cy)
{
    y = cy - h / 2;
}

void CSprite::SetZ(int newZ)
{
    z = newZ;
}

int CSprite::GetX() { return x; }
int CSprite::GetY() { return y; }
int CSprite::GetW() { return w; }
int CSprite::GetH() { return h; }
int CSprite::GetOriginalW() { return fullW; }
int CSprite::GetOriginalH() { return fullH; }
int CSprite::GetSrcXOff() { return srcX; }
int CSprite::GetSrcYOff() { return srcY; }

int CSprite::GetZ()
{
    auto offset = zOffsets.find(static_cast<int>(frame));
    return offset == zOffsets.end() ? z : z + offset->second;
}

void CSprite::SetW(int newW)
{
    w = std::clamp(newW, 0, fullW);
}

void CSprite::SetH(int newH)
{
    h = std::clamp(newH, 0, fullH);
}

void CSprite::SetWFromOriginal(int n)
{
    SetW(fullW - n);
}

void CSprite::SetHFromOriginal(int n)
{
    SetH(fullH - n);
}

void CSprite::SetSrcXOff(int offset)
{
    srcX = std::clamp(offset, 0, fullW);
}

void CSprite::SetSrcYOff(int offset)
{
    srcY = std::clamp(offset, 0, fullH);
}

void CSprite::ClipToRect(int clipX, int clipY, int clipW, int clipH)
{
    clip = PF_Rect{clipX, clipY, clipW, clipH};
    clipped = true;
}

void CSprite::AddZOffset(int image, int offset)
{
    zOffsets[image] = offset;
}

// --- Animation ---

void CSprite::SetFramesPerStep(int value) { framesPerStep = value; }
int CSprite::GetFramesPerStep() { return framesPerStep; }
void CSprite::PlayForward() { state = 1; }
void CSprite::PlayBackward() { state = -1; }
void CSprite::Pause() { state = 0; }
void CSprite::SetState(int value) { state = value; }
int CSprite::GetState() { return state; }
bool CSprite::Paused() { return state == 0; }
bool CSprite::Playing() { return state != 0 && !hidden; }
void CSprite::PauseWhenDone() { pauseWhenDone = true; }
void CSprite::LoopFrom(int image) { loopFrom = image; }
unsigned int CSprite::GetFrame() { return frame; }
int CSprite::GetFrameCounter() { return counter; }
void CSprite::SetFrameCounter(int value) { counter = value; }
int CSprite::GetNumImages() { return static_cast<int>(images.size()); }

void CSprite::SetFrame(unsigned int i)
{
    const unsigned int count = static_cast<unsigned int>(images.size());
    frame = count == 0 ? 0 : std::min(i, count - 1);
}

void CSprite::SetFrameWrap(int i)
{
    const int count = GetNumImages();
    if (count < 2) {
        frame = 0;
        return;
    }
    frame = static_cast<unsigned int>((i % count + count) % count);
}

void CSprite::SetRandomFrame()
{
    const int count = GetNumImages();
    const int drawn = RangedRandom(0, count - static_cast<int>(frame) - 2);
    if (drawn < 0 || drawn >= count) {
        frame = count > 0 ? static_cast<unsigned int>(count - 1) : 0;
        return;
    }
    frame = static_cast<unsigned int>(drawn);
}

void CSprite::ResetStart()
{
    frame = 0;
    counter = -1;
}

void CSprite::ResetEnd()
{
    frame = images.empty() ? 0 : static_cast<unsigned int>(images.size() - 1);
    counter = -1;
}

bool CSprite::AtStart()
{
    return frame == 0 && (counter == -1 || counter >= framesPerStep - 1);
}

bool CSprite::AtEnd()
{
    const unsigned int last = images.empty() ? 0 : static_cast<unsigned int>(images.size() - 1);
    return frame == last && counter >= framesPerStep - 1;
}

unsigned int CSprite::GetNextFrame()
{
    if (framesPerStep < 1 || state == 0 || framesPerStep > counter + 1) {
        return frame;
    }
    const unsigned int count = static_cast<unsigned int>(images.size());
    const unsigned int last = count == 0 ? 0 : count - 1;
    if (state == 1) {
        if (frame + 1 < count) {
            return frame + 1;
        }
        return pauseWhenDone ? last : static_cast<unsigned int>(loopFrom);
    }
    if (frame > 0) {
        return frame - 1;
    }
    return pauseWhenDone ? 0 : last;
}

unsigned int CSprite::GetFramesFromEnd()
{
    return static_cast<unsigned int>(GetNumImages() - static_cast<int>(frame) - 1);
}

void CSprite::SetFramesFromEnd(unsigned int n)
{
    const long long count = GetNumImages();
    frame = static_cast<long long>(n) >= count - 1 ? 0 : static_cast<unsigned int>(count - n - 1);
}

int CSprite::GetFirstImage()
{
    return images.empty() ? -1 : images.front();
}

int CSprite::GetImage(int i)
{
    if (i < 0 || i >= GetNumImages()) {
        errorMessage("CSprite::GetImage - Tried to get an image that does not exist.", true, true);
        return -1;
    }
    return images[static_cast<size_t>(i)];
}

// --- Visibility ---

void CSprite::Hide()
{
    hidden = true;
    if (!inRenderer) {
        return;
    }
    if (renderer) {
        // Paint over where it was drawn last; its current place too, in case
        // something drew it there directly.
        if (!lastHidden) {
            renderer->AddSpecialDirty(lastX, lastY, lastW, lastH, lastZ > kOverSidebarZ - 1);
            if (lastX != x || lastY != y || lastW != w || lastH != h) {
                renderer->AddSpecialDirty(x, y, w, h, GetZ() > kOverSidebarZ - 1);
            }
        }
        renderer->RemoveSprite(this);
    }
    inRenderer = false;
}

void CSprite::UnHide()
{
    hidden = false;
    if (!inRenderer && renderer) {
        renderer->AddSprite(this);
        inRenderer = true;
        lastHidden = true;
    }
}

bool CSprite::Hidden() { return hidden; }

void CSprite::ShouldDirty(bool should) { shouldDirty = should; }

void CSprite::FadeIn(int ms)
{
    fadeStart = SDL_GetTicks();
    fadeEnd = fadeStart + static_cast<unsigned int>(ms);
    fadeType = 2;
    if (CurrentImage() >= 0) {
        draw->SetAlpha(CurrentImage(), 0);
    }
    UnHide();
}

void CSprite::FadeOut(int ms)
{
    fadeStart = SDL_GetTicks();
    fadeEnd = fadeStart + static_cast<unsigned int>(ms);
    fadeType = 1;
    if (CurrentImage() >= 0) {
        draw->SetAlpha(CurrentImage(), 255);
    }
    UnHide();
}

bool CSprite::Fading() { return fadeType != 0; }

// --- Colour ---

void CSprite::SetRGBA(float r, float g, float b, float a, int image)
{
    const RGBA_offset multipliers{r, g, b, a};
    for (int i = 0; i < GetNumImages(); i++) {
        if (image == -1 || image == i) {
            draw->AlterImageRGBA(images[static_cast<size_t>(i)], multipliers, false, nullptr, 1.0f, 1.0f, 1.0f);
        }
    }
}

void CSprite::Lighten(bool on, float factor)
{
    if (!on) {
        tint = RGBA_offset{0, 0, 0, 0};
        ReleaseTint();
        return;
    }
    const RGBA_offset wanted{factor, factor, factor, 1.0f};
    // The copy is always made with the multipliers in force.
    const bool current = tinted && SameTint(tint, wanted);
    tint = wanted;
    if (current) {
        return;
    }
    ReleaseTint();
    BuildTint();
}

void CSprite::OwnImages()
{
    assert(draw);
    for (int& id : images) {
        const int copy = draw->CopyImage(id);
        draw->RemoveImage(id);
        id = copy;
    }
}

// --- Hit tests ---

bool CSprite::IsCollision(int px, int py, int marginX, int marginY)
{
    return x - marginX <= px && px < x + w + marginX && y - marginY <= py && py < y + h + marginY;
}

bool CSprite::IsMouseOver(int marginX, int marginY)
{
    return IsCollision(CMouseCursor::GetMouseX(), CMouseCursor::GetMouseY(), marginX, marginY);
}

bool CSprite::IsMouseOver(coordinate p)
{
    return IsCollision(p.x, p.y, 0, 0);
}

bool CSprite::IsMouseOverOriginalSize(int marginX, int marginY)
{
    const int mx = CMouseCursor::GetMouseX();
    const int my = CMouseCursor::GetMouseY();
    return x - marginX <= mx && mx <= x + fullW + marginX && y - marginY <= my && my <= y + fullH + marginY;
}

bool CSprite::Overlap(CSprite* other)
{
    PF_Rect mine{x, y, w, h};
    PF_Rect theirs{other->x, other->y, other->w, other->h};
    return Intersect(mine, theirs);
}

bool CSprite::Intersect(PF_Rect& a, PF_Rect& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool CSprite::Intersect(PF_Rect& r)
{
    PF_Rect mine{x, y, w, h};
    return !hidden && Intersect(mine, r);
}

bool CSprite::IsCollisionPixelPerfect(int px, int py)
{
    if (hidden) {
        return false;
    }
    if (px == -1 && py == -1) {
        px = CMouseCursor::GetMouseX();
        py = CMouseCursor::GetMouseY();
    }
    const int id = CurrentImage();
    if (id < 0 || !IsCollision(px, py, 0, 0)) {
        return false;
    }
    // A sprite cut by its source offsets shows its image from there on.
    SDL_Surface* surface = draw->GetSurface(id);
    draw->LockImage(id);
    const Uint32 pixel = draw->getpixel(surface, px - x + srcX, py - y + srcY);
    draw->UnlockImage(id);
    Uint8 r, g, b, a;
    SDL_GetRGBA(pixel, surface->format, &r, &g, &b, &a);
    return a != 0;
}

bool CSprite::IsCollisionPixelPerfect()
{
    return IsCollisionPixelPerfect(-1, -1);
}

// --- Drawing ---

void CSprite::Pump()
{
    if (clipped) {
        ClipToRectangle();
    }
    if (framesPerStep > 0 && state != 0) {
        StepAnimation();
    }
    // The pump that ends a fade reports the sprite too, so its last alpha
    // reaches the screen.
    const bool fading = fadeType != 0;
    if (fading) {
        StepFade();
    }

    const int image = CurrentImage();
    const int depth = GetZ();
    const bool changed = fading || x != lastX || y != lastY || depth != lastZ || w != lastW || h != lastH ||
                         image != lastImage || srcX != lastSrcX || srcY != lastSrcY || hidden != lastHidden ||
                         !SameTint(tint, lastTint);
    if (changed && shouldDirty && renderer) {
        if (!lastHidden) {
            renderer->AddDirty(this, lastX, lastY, lastW, lastH);
        } else {
            renderer->AddDirty(this);
        }
    }
    if (image != lastImage && Tinted() && tinted) {
        ReleaseTint();
        BuildTint();
    }

    lastX = x;
    lastY = y;
    lastZ = depth;
    lastW = w;
    lastH = h;
    lastSrcX = srcX;
    lastSrcY = srcY;
    lastTint = tint;
    lastHidden = hidden;
    lastImage = image;
}

void CSprite::Render(PF_Rect& r)
{
    const int id = CurrentImage();
    if (hidden || id < 0) {
        return;
    }
    PF_Rect mine{x, y, w, h};
    if (!Intersect(mine, r)) {
        return;
    }
    const int left = std::max(x, r.x);
    const int top = std::max(y, r.y);
    const int right = std::min(x + w, r.x + r.w);
    const int bottom = std::min(y + h, r.y + r.h);
    SDL_Rect source = {static_cast<Sint16>(left - x + srcX), static_cast<Sint16>(top - y + srcY),
                       static_cast<Uint16>(right - left), static_cast<Uint16>(bottom - top)};
    SDL_Rect destination = {static_cast<Sint16>(left), static_cast<Sint16>(top), 0, 0};
    // SDL cuts a source part that reaches past the image, so nothing is drawn
    // outside the rectangle being redrawn.
    draw->DisplayImage(tinted ? tinted : draw->GetSurface(id), source, destination);
}

void CSprite::Render()
{
    const int id = CurrentImage();
    if (!hidden && id >= 0) {
        draw->DisplayImage(id, x, y);
    }
}

void CSprite::RenderNow()
{
    Render();
    draw->RenderNow(x, y, w, h);
}

// --- Private ---

int CSprite::CurrentImage()
{
    if (images.empty()) {
        return -1;
    }
    return images[std::min(static_cast<size_t>(frame), images.size() - 1)];
}

bool CSprite::Tinted()
{
    return tint.r != 0 || tint.g != 0 || tint.b != 0 || tint.a != 0;
}

void CSprite::ReleaseTint()
{
    if (tinted) {
        SDL_FreeSurface(tinted);
        tinted = nullptr;
    }
}

void CSprite::BuildTint()
{
    const int id = CurrentImage();
    if (id >= 0) {
        tinted = draw->AlterImageRGBA(id, tint, true, nullptr, 1.0f, 1.0f, 1.0f);
    }
}

void CSprite::ClipToRectangle()
{
    srcX = 0;
    srcY = 0;
    w = fullW;
    h = fullH;
    if (x < clip.x) {
        const int d = clip.x - x;
        x = clip.x;
        srcX = std::min(d, fullW);
        w = std::max(fullW - d, 0);
    }
    if (y < clip.y) {
        const int d = clip.y - y;
        y = clip.y;
        srcY = std::min(d, fullH);
        h = std::max(fullH - d, 0);
    }
    if (x + w > clip.x + clip.w) {
        w = std::max(clip.x + clip.w - x, 0);
    }
    if (y + h > clip.y + clip.h) {
        h = std::max(clip.y + clip.h - y, 0);
    }
}

void CSprite::StepAnimation()
{
    const int count = GetNumImages();
    if (count == 0) {
        return;
    }
    const unsigned int last = static_cast<unsigned int>(count - 1);
    counter++;
    if (counter < framesPerStep) {
        return;
    }
    counter = 0;
    if (state == 1) {
        if (frame < last) {
            frame++;
        } else if (pauseWhenDone) {
            state = 0;
            frame = last;
            counter = framesPerStep - 1;
        } else {
            frame = static_cast<unsigned int>(std::clamp(loopFrom, 0, count - 1));
        }
    } else if (frame > 0) {
        frame--;
    } else if (pauseWhenDone) {
        state = 0;
        counter = framesPerStep - 1;
    } else {
        frame = last;
    }
}

void CSprite::StepFade()
{
    const int id = CurrentImage();
    if (id < 0) {
        fadeType = 0;
        return;
    }
    const unsigned int now = SDL_GetTicks();
    if (now >= fadeEnd) {
        draw->SetAlpha(id, fadeType == 2 ? 255 : 0);
        if (!hidden) {
            draw->DisplayImage(id, x, y);
            draw->RenderNow(x, y, w, h);
        }
        fadeType = 0;
        return;
    }
    const float length = static_cast<float>(fadeEnd - fadeStart);
    const float part = fadeType == 2 ? static_cast<float>(now - fadeStart) : static_cast<float>(fadeEnd - now);
    const int alpha = static_cast<int>(part / length * 255.0f) % 256;
    draw->SetAlpha(id, static_cast<unsigned char>(alpha));
}
