// The drawing context: the one object through which every picture passes.
// It owns every image of the program (an SDL surface in the display format)
// and hands out integer ids for them (-1 means none). The image archive stays
// in memory encoded; an archive image is decoded the first time somebody asks
// for it by name and shared between its holders by a count. Whoever receives
// an id owns one use of it and gives it back with RemoveImage.
// The context also owns the video mode, presents frames at the locked rate,
// runs the screen shake, shows the loading screen and bar, renders texts
// into images, and offers the pixel work that builds tinted, recoloured and
// combined pictures.
// Start-up owns the one instance; other code reaches it through CSprite::draw
// and CController::draw.
#pragma once

#include "FontSystem.h"
#include "Types.h"

#include <SDL.h>

#include <functional>
#include <list>
#include <map>
#include <string>
#include <vector>

// One layer of CDraw::CombineImages: an image id and where its top left goes.
struct image_combine {
    int id;
    int x;
    int y;
};

// One kept entry of the image archive, created by Preload and owned by the
// store until it is destroyed.
struct image_data {
    int users;    // holders of the decoded image; 0 while nobody holds it
    int id;       // image id of the decoded image; -1 while not decoded
    char* bytes;  // the entry's encoded file (owned array)
    int size;     // length of bytes
};

// Orders archive entries by their address.
struct mapCmp {
    bool operator()(const image_data* a, const image_data* b) const
    {
        return std::less<const image_data*>()(a, b);
    }
};

class CDraw {
public:
    // Hides the system cursor, sets the 800x600 mode (full screen as the
    // full-screen flag asks, a window when full screen cannot be set) and
    // shows the loading screen, which reads the hint from CProfile::current.
    // The flag keeps the player's choice whichever mode took.
    CDraw();
    // The same without the loading screen, for a context that shows it later
    // or never (a test runs it after turning the frame lock off).
    struct NoLoadingScreen {};
    explicit CDraw(NoLoadingScreen);
    // The same with the modes set through setMode instead of SDL's own call
    // (a test stands in a display that refuses a mode).
    using ModeSetter = std::function<SDL_Surface*(bool fullscreen)>;
    CDraw(NoLoadingScreen, ModeSetter setMode);
    // Frees every image and reports on standard output the ones never released.
    ~CDraw();
    CDraw(const CDraw&) = delete;
    CDraw& operator=(const CDraw&) = delete;

    // --- Image store ---
    // Reads the whole image archive into memory; decodes nothing.
    void Preload();
    // The shared image of an archive entry, decoded when nobody holds it; with
    // copy set a private display-format copy instead. A name not in the
    // archive is fatal.
    int LoadImage(const char* name, bool copy, bool quiet);
    // Gives back one use; the last use frees the image and its id. An empty
    // slot is ignored.
    void RemoveImage(int id);
    // Where a text image's written lines lie (FontSystem_LastLayout at its
    // render); null for every other image. Valid until the image is removed.
    const text_layout* TextLayout(int id) const;
    // The store takes the surface over and returns its id: the lowest free one.
    int ImageFreeSpot(SDL_Surface* surface, const char* label);
    // Decodes one image (type: the name's last three characters) and frees
    // the stream. Undecodable data is fatal.
    int PreLoadImage(SDL_RWops* stream, const char* name);
    int PreLoadImage(const char* name);
    // The display-format copy of a surface, with alpha when it has an alpha
    // mask; frees the source when asked.
    SDL_Surface* FormatImage(SDL_Surface* surface, bool freeSource);
    // The table slot: null for a free one.
    SDL_Surface* GetSurface(int id);
    int GetW(int id);
    int GetH(int id);
    // The archive name currently decoded under id, or null.
    const char* GetImageName(int id);
    void LockImage(int id);
    void UnlockImage(int id);
    void LockImage(SDL_Surface* surface);
    void UnlockImage(SDL_Surface* surface);

    // --- Video mode and presentation ---
    // Turns the full-screen flag over and sets the mode it now asks for,
    // keeping the picture. When that mode cannot be set the other one stays
    // on screen, and the flag keeps the player's new choice all the same.
    void ToggleFullscreen();
    // Presents one frame after waiting out the frame lock: the renderer's dirty
    // rectangles only, or the whole screen when dirtyOnly is false or a shake
    // runs. Nothing happens while rendering is off; a frame is skipped while
    // skipFrames is above 0.
    void Flip(bool dirtyOnly);
    // Presents the whole screen at once: no gates, no wait, no counting.
    void RawFlip();
    void Rendering(bool on);
    // Sends one screen rectangle (clipped to the screen) to the display now.
    void RenderNow(int x, int y, int w, int h);
    // Frames presented in the last full second.
    int GetCurrentFPS();
    int GetFramesSinceStart();
    // Frame lock 33 ms <-> 0 ms (no waiting).
    void ToggleFrameLock();
    void Shake();
    void HandleShake();
    // Ends a shake that has died down, or any running shake when forced.
    void HandleShakeEnd(bool force);

    // Each draws onto the screen (onto the shake surface while a shake runs)
    // with SDL's blending and clipping and returns SDL_UpperBlit's result.
    int DisplayImage(int id);
    int DisplayImage(int id, int x, int y);
    // A part of the image; the whole image when the part reaches past it.
    int DisplayImage(int id, int x, int y, int srcX, int srcY, int w, int h);
    int DisplayImage(int id, SDL_Rect source, SDL_Rect destination);
    int DisplayImage(SDL_Surface* surface, int x, int y, int srcX, int srcY, int w, int h);
    int DisplayImage(SDL_Surface* surface, SDL_Rect source, SDL_Rect destination);

    // The screen rectangle a dirty rectangle is presented as.
    static SDL_Rect DirtyToScreen(const PF_Rect& rect);
    // Clips a rectangle to the 800x600 screen; false when nothing of it is to
    // be sent (it starts right of or below the screen).
    static bool ClipToScreen(int& x, int& y, int& w, int& h);

    // Sets the mode through setMode (true: full screen); when that fails and
    // fallback differs, tries fallback. Reports in fullscreen which one took.
    // Fatal when neither can be set.
    static SDL_Surface* OpenVideoMode(bool wanted, bool fallback, const ModeSetter& setMode,
                                      bool& fullscreen);
    // Returns once lock ms have passed since lastFrame: sleeps while more than
    // 10 ms remain, then yields. Reads the clock once per round.
    using Clock = std::function<Uint32()>;
    using Sleeper = std::function<void(Uint32)>;
    static void WaitFrameLock(Uint32 lastFrame, int lock, const Clock& now, const Sleeper& delay);

    // --- Loading screen ---
    // The picture, this start's hint (the next one is stored in the profile)
    // and the logo animation, two locked frames per logo picture, with the
    // title music started. A missing main picture is fatal.
    void ShowLoadingScreen();
    // Reads the bar's picture; a missing one is fatal.
    void LoadLoadingText();
    // Shows the bar up to count / loading total; the count only grows.
    void DisplayLoadingText(int count);
    int GetLoadingTextNum();
    void UnloadLoadingText();

    // --- Text images ---
    // A string-table text rendered into a new private w x h image (the shadow
    // form: (w + 3) x (h + 3), the text at (1, 1) over its shadow); a text
    // without words gives a fully transparent one. Alignment: 0 left, 1 right,
    // 2 centred, 3 centred both ways. lines receives the number of lines;
    // a1..a5 (each may be null) are the renderer's first five 8-bit
    // arguments. A missing id is fatal.
    int LoadText(int id, int w, int h, int alignment, int& lines, const char* a1, const char* a2,
                 const char* a3, const char* a4, const char* a5);
    int LoadTextColour(int id, int w, int h, int alignment, int& lines, unsigned char r, unsigned char g,
                       unsigned char b, const char* a1, const char* a2, const char* a3, const char* a4,
                       const char* a5);
    // r, g, b: the shadow's colour; the text keeps its own.
    int LoadTextShadow(int id, int w, int h, int alignment, int& lines, unsigned char r, unsigned char g,
                       unsigned char b, const char* a1, const char* a2, const char* a3, const char* a4,
                       const char* a5);

    // --- Image operations ---
    // Each returns a new image id that the caller owns.
    int CreateSizedBlank(int w, int h, SDL_Surface* like);  // like the screen when null
    int CreateSizedBlank(int w, int h, int likeId);         // like the screen for an empty slot
    int CreateScreenBlank();
    int CopyBackbuffer();
    int CopyImage(int id);
    int MirrorImageHorizontally(int id);
    int DoubleImageSize(int id);
    // Each target pixel is the plain average of factor x factor source pixels.
    int ShrinkImage(int id, int factor, bool removeSource);
    int ShrinkImage(const char* name, int factor);
    // A new image covering every layer and the origin: the first layer copied
    // in, the others blended over it. Releases every layer image.
    int CombineImages(std::vector<image_combine> layers);

    // Multiplies the channels of every pixel of area (the whole image when
    // null); lo and hi bend the colour multipliers with the pixel's brightness
    // unless both are 1. With copy set, works on a new display-format copy and
    // returns it (a surface for the caller, not an id).
    SDL_Surface* AlterImageRGBA(SDL_Surface* surface, RGBA_offset multipliers, bool copy, SDL_Rect* area,
                                float lo, float hi, float exp);
    SDL_Surface* AlterImageRGBA(int id, RGBA_offset multipliers, bool copy, SDL_Rect* area, float lo,
                                float hi, float exp);
    // Pixels of colour from (every pixel when all is set) take colour to, or one
    // random colour when random is set; each keeps its own alpha.
    void ReplaceColour(int id, RGBA_data from, RGBA_data to, bool random, bool all);
    // Porter-Duff "over" of src onto dst at (x, y); overwrite copies instead.
    void CompositeImageOnImage(int src, int dst, int x, int y, bool overwrite);
    // Opaque fill; the colour's alpha is not used.
    void ColourFill(int id, RGBA_data colour, int x, int y, int w, int h);
    // The whole image is blended with alpha when drawn.
    void SetAlpha(int id, unsigned char alpha);
    // Paint the clothes designer's slider backgrounds into the image in place
    // and return its id.
    int CreateHueSliderImage(int id);
    int CreateSaturationSliderImage(int id, int hue);
    int CreateLightnessSliderImage(int id, int hue, int saturation);
    // Blits a part of src (capped at its size) onto dst at (x, y).
    int DisplayImageOnImage(int src, int dst, int x, int y, int srcX, int srcY, int w, int h);
    int DisplayImageOnImage(int src, int dst, int x, int y);
    // The archive-image forms return x + the image's width, to lay images
    // side by side; with update set the screen rectangle is sent at once.
    int DisplayImageOnImage(const char* name, int dst, int x, int y, int srcX, int srcY, int w, int h);
    int DisplayImageOnImage(const char* name, int dst, int x, int y, bool update);

    // Raw pixel values in the surface's format; 0 and no write outside the
    // image. The caller holds the surface locked.
    Uint32 getpixel(SDL_Surface* surface, int x, int y);
    Uint32 getpixel(int id, int x, int y);
    void putpixel(SDL_Surface* surface, int x, int y, Uint32 pixel);
    void putpixel(int id, int x, int y, Uint32 pixel);
    // With lock set the surface is locked around the write.
    void DrawPixel(int id, int x, int y, unsigned char r, unsigned char g, unsigned char b,
                   unsigned char a, bool lock);
    void DrawPixelSafe(int id, int x, int y, unsigned char r, unsigned char g, unsigned char b,
                       unsigned char a, bool lock);
    // 1 + the lowest row (rightmost column) holding a pixel with alpha; 0 for none.
    int GetBottomEdge(int id);
    int GetRightEdge(int id);
    // Sum of r + g + b + a over all pixels, wrapping; computed once per id and
    // kept until the id is released, whatever changes in place meanwhile.
    unsigned int GetImageChecksum(int id);
    // One pixel of a doubled image from its centre and three neighbours.
    static RGBA_Uint8 DoublePixel(RGBA_Uint8 centre, RGBA_Uint8 first, RGBA_Uint8 second, RGBA_Uint8 third);

    // Flip calls still to be skipped; screens add to it while they swap pictures.
    int skipFrames;

private:
    // Fatal unless id indexes the table.
    void CheckId(int id) const;
    // The occupied slot's surface; fatal for a bad id or a free slot.
    SDL_Surface* Image(int id) const;
    // Where DisplayImage draws: the shake surface while shaking.
    SDL_Surface* Target();
    static SDL_Surface* SetMode(bool fullscreen);
    // The renderer's dirty rectangles, or null while there is no renderer
    // (the whole screen is presented then).
    const std::list<PF_Rect>* RendererDirty() const;
    // A blank of the given size in the surface's masks, in the display format.
    SDL_Surface* BlankLike(SDL_Surface* like, int w, int h);
    // A 1x1 fully transparent image: the result of operations left with nothing.
    int TransparentPixel();
    void PaintSlider(SDL_Surface* surface, int mode, int hue, int saturation);
    // Renders this start's hint at (0, 441) and stores the next one.
    void ShowLoadingHint();

    int loadingTotal;
    std::map<int, unsigned int> checksums;
    std::map<int, text_layout> textLayouts;
    std::map<int, image_data*> decodedEntries;
    std::map<std::string, image_data*> entriesByName;
    std::map<image_data*, std::string, mapCmp> namesByEntry;
    int frameCount;
    int frameRate;
    int frameCountAtLastSecond;
    Uint32 timeOfLastSecond;
    Uint32 timeOfLastFrame;
    std::vector<SDL_Surface*> images;
    SDL_Surface* screen;
    bool shaking;
    float shakeX;
    float shakeY;
    float shakeVelocityX;
    float shakeVelocityY;
    float shakeFastest;
    float shakeSlowest;
    float shakeAmplitude;
    int shakeEnd;
    SDL_Surface* shakeSurface;
    int framesSinceStart;
    bool rendering;
    SDL_Surface* loadingBar;
    int loadingBarShown;
    int frameLock;
    int loadingCount;
    ModeSetter modeSetter;
    // The loading screen is up: long loads pause now and then for its music.
    bool loadingScreenShown;
};
