// Every drawable thing on screen: an ordered list of images (animation
// frames, each an image id of the drawing context), a position, a depth, an
// animation state, and optional fade, tint and clipping. A sprite joins the
// renderer when constructed; once per frame the renderer pumps it, and the
// sprite reports the screen area to redraw when anything visible changed
// since the last pump. The renderer then asks it to draw the part of its
// current image inside each dirty rectangle.
// A sprite holds one use of each image it shows and gives them back when
// destroyed. Its owner (a screen, a world object, a widget) deletes it.
#pragma once

#include "Types.h"

#include <SDL.h>

#include <map>
#include <vector>

class CDraw;
class CRenderer;

class CSprite {
public:
    // At (0, 0) with no images and no animation, registered with the renderer.
    explicit CSprite(int z);
    CSprite(int z, int framesPerStep);
    CSprite(int x, int y, int z);
    // A still at (x, y) showing the archive image name (fatal when missing);
    // the caller owns it.
    static CSprite* ImageAt(const char* name, int x, int y, int z);
    ~CSprite();
    CSprite(const CSprite&) = delete;
    CSprite& operator=(const CSprite&) = delete;

    // --- Images: each appends; the size of the last one becomes the sprite's ---
    // Takes over the one use of id that the caller holds.
    void LoadImage(int id);
    // The shared archive image; a name not in the archive is fatal.
    void LoadImage(const char* name);
    // The same archive image n times (nothing when n < 1).
    void LoadImage(const char* name, int n);
    // prefix + i + suffix for i from first to last inclusive, counting down
    // when first > last.
    void LoadImage(const char* prefix, int first, int last, const char* suffix);
    // A text image of the string table entry id, made by the drawing context's
    // text functions with the same arguments.
    void LoadText(int id, int w, int h, int alignment, int& lines, const char* a1, const char* a2,
                  const char* a3, const char* a4, const char* a5);
    void LoadTextColour(int id, int w, int h, int alignment, int& lines, unsigned char r, unsigned char g,
                        unsigned char b, const char* a1, const char* a2, const char* a3, const char* a4,
                        const char* a5);
    void LoadTextShadow(int id, int w, int h, int alignment, int& lines, unsigned char r, unsigned char g,
                        unsigned char b, const char* a1, const char* a2, const char* a3, const char* a4,
                        const char* a5);

    // --- Position and size (screen pixels) ---
    void Move(int x, int y);
    void Move(int x, int y, int z);
    // Rounded to the nearest pixel, halves away from zero.
    void Move(float x, float y);
    void Move(float x, float y, float z);
    void CenterAt(int cx, int cy);
    void CenterAtX(int cx);
    void CenterAtY(int cy);
    void SetZ(int z);
    int GetX();
    int GetY();
    // The depth plus the offset of the image shown.
    int GetZ();
    int GetW();
    int GetH();
    int GetOriginalW();
    int GetOriginalH();
    // Clamped to 0..full size: the image is cut on the right or at the bottom.
    void SetW(int w);
    void SetH(int h);
    // Full size minus n, clamped the same way.
    void SetWFromOriginal(int n);
    void SetHFromOriginal(int n);
    // Where in the image the visible part starts, clamped to 0..full size.
    void SetSrcXOff(int offset);
    void SetSrcYOff(int offset);
    int GetSrcXOff();
    int GetSrcYOff();
    // From now on every pump cuts the sprite to this rectangle; there is no
    // way back. The owner sets the position before every pump.
    void ClipToRect(int x, int y, int w, int h);
    // Added to the depth while image number image is shown.
    void AddZOffset(int image, int offset);

    // --- Animation ---
    void SetFramesPerStep(int framesPerStep);
    int GetFramesPerStep();
    void PlayForward();
    void PlayBackward();
    void Pause();
    // 1 forward, -1 backward, 0 paused.
    void SetState(int state);
    int GetState();
    bool Paused();
    // Not paused and not hidden.
    bool Playing();
    // Play stops on the last image (forward) or the first (backward), for good.
    void PauseWhenDone();
    // Forward play continues with this image after the last one.
    void LoopFrom(int image);
    unsigned int GetFrame();
    // Clamped to the last image.
    void SetFrame(unsigned int i);
    // Wrapped into the images; negative values count from the end.
    void SetFrameWrap(int i);
    void SetRandomFrame();
    void ResetStart();
    void ResetEnd();
    int GetFrameCounter();
    void SetFrameCounter(int counter);
    bool AtStart();
    bool AtEnd();
    // The image index after the next pump.
    unsigned int GetNextFrame();
    unsigned int GetFramesFromEnd();
    void SetFramesFromEnd(unsigned int n);
    int GetNumImages();
    // -1 when there are none.
    int GetFirstImage();
    // Fatal for an index beyond the images.
    int GetImage(int i);
    // Swaps every image for a copy of the sprite's own, to be drawn into
    // without changing the picture for the other holders.
    void OwnImages();

    // --- Visibility ---
    // A hidden sprite leaves the renderer: it is neither pumped nor drawn.
    void Hide();
    void UnHide();
    bool Hidden();
    // Whether pumps report changes to the renderer.
    void ShouldDirty(bool should);
    // The alpha belongs to the image, so every holder of a shared archive
    // image sees the fade. Both unhide the sprite.
    void FadeIn(int ms);
    void FadeOut(int ms);
    bool Fading();

    // --- Colour ---
    // Multiplies the colour channels of the images in place, for every holder
    // of the same archive image: all images when image is -1.
    void SetRGBA(float r, float g, float b, float a, int image);
    // Draws from a private brightened copy while on.
    void Lighten(bool on, float factor);

    // --- Hit tests (screen pixels; the mouse as the pointer reports it) ---
    bool IsCollision(int px, int py, int marginX, int marginY);
    bool IsMouseOver(int marginX, int marginY);
    bool IsMouseOver(coordinate p);
    // Against the full image size, both ends inclusive.
    bool IsMouseOverOriginalSize(int marginX, int marginY);
    bool Overlap(CSprite* other);
    static bool Intersect(PF_Rect& a, PF_Rect& b);
    // Shown and overlapping r.
    bool Intersect(PF_Rect& r);
    // True where the image shown is not fully transparent; (-1, -1) means
    // the mouse. Always false while hidden.
    bool IsCollisionPixelPerfect(int px, int py);
    bool IsCollisionPixelPerfect();

    // --- Drawing ---
    // Once a frame, by the renderer.
    void Pump();
    // The part of the image shown that lies inside r, by the renderer.
    void Render(PF_Rect& r);
    // The whole image shown at (x, y), unless hidden.
    void Render();
    // Draws straight onto the screen (unless hidden) and presents the
    // sprite's rectangle at once.
    void RenderNow();

    static CDraw* draw;
    static CRenderer* renderer;

    // Set by owners whose sprite must be painted over when it is deleted.
    bool dirtyOnDelete;

private:
    int CurrentImage();
    void ReleaseTint();
    void BuildTint();
    bool Tinted();
    void ClipToRectangle();
    void StepAnimation();
    void StepFade();

    PF_Rect clip;
    bool clipped;
    SDL_Surface* tinted;
    RGBA_offset tint;
    RGBA_offset lastTint;
    std::map<int, int> zOffsets;
    int srcX, srcY;
    int lastSrcX, lastSrcY;
    int loopFrom;
    int x, y;
    int lastX, lastY;
    int z;
    int lastZ;
    int w, h;
    int lastW, lastH;
    int fullW, fullH;
    int lastImage;
    bool lastHidden;
    bool pauseWhenDone;
    int framesPerStep;
    unsigned int frame;
    int counter;
    std::vector<int> images;
    int state;
    int fadeType;  // 0 none, 1 out, 2 in
    unsigned int fadeStart, fadeEnd;
    bool shouldDirty;
    bool inRenderer;
    bool hidden;
};
