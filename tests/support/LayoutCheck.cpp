#include "LayoutCheck.h"

#include "engine/CDraw.h"
#include "engine/CRenderer.h"
#include "engine/CSprite.h"
#include "engine/FontSystem.h"
#include "framework/CGuiButton.h"
#include "framework/CGuiCheckBox.h"
#include "framework/CMouseCursor.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

const int kWindowW = 800;
const int kWindowH = 600;
// Texts set across the top edge of an inner panel piece, which is drawn
// without a rim there so that they read as one with the frame around it:
// the research screen's points and the clothes designer's islander name.
const int kAcrossPanelEdge[] = {21002, 21003, 25300};

// Counts of up to three digits sit across a corner of the picture they
// count on purpose, like a badge; no wider than this they hold no panel.
const int kBadgeW = 30;

struct shown_sprite {
    CSprite* sprite;
    PF_Rect box;  // the part of the image on screen
    int z;
    const text_layout* text;
    std::vector<PF_Rect> lines;  // on screen, only those inside the shown part
    PF_Rect written;             // the union of lines
};

bool Inside(const PF_Rect& inner, const PF_Rect& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

bool Crosses(const PF_Rect& a, const PF_Rect& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool Holds(const PF_Rect& r, int x, int y)
{
    return x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h;
}

PF_Rect Union(const std::vector<PF_Rect>& rects)
{
    PF_Rect all = rects.front();
    for (const PF_Rect& r : rects) {
        const int right = std::max(all.x + all.w, r.x + r.w);
        const int bottom = std::max(all.y + all.h, r.y + r.h);
        all.x = std::min(all.x, r.x);
        all.y = std::min(all.y, r.y);
        all.w = right - all.x;
        all.h = bottom - all.y;
    }
    return all;
}

std::string Describe(const PF_Rect& r)
{
    char text[64];
    snprintf(text, sizeof text, "(%i, %i, %i x %i)", r.x, r.y, r.w, r.h);
    return text;
}

std::string Name(const shown_sprite& shown)
{
    std::string words;
    auto entry = strings.find(shown.text->id);
    if (entry != strings.end()) {
        ustring text = entry->second.text;
        words = FontSystem_ToASCIIString(text.c_str());
        if (words.size() > 40) {
            words = words.substr(0, 37) + "...";
        }
    }
    return "text " + std::to_string(shown.text->id) + " \"" + words + "\"";
}

bool PointerSprite(const CSprite* sprite)
{
    return sprite == CMouseCursor::sCursor || sprite == CMouseCursor::sHourglass;
}

bool WholeWindow(const shown_sprite& s)
{
    return s.box.w >= kWindowW && s.box.h >= kWindowH;
}

// What a screen opened over another lays over the window (its fader) puts
// the screen below out of play: its texts and widgets are not judged.
bool UnderAnotherPage(const shown_sprite& s, const std::vector<shown_sprite>& shown)
{
    return std::any_of(shown.begin(), shown.end(), [&](const shown_sprite& other) {
        return !other.text && other.z > s.z && WholeWindow(other);
    });
}

// A count of up to three digits, set across a corner of the picture it
// counts on, like a badge.
bool Badge(const shown_sprite& text)
{
    auto entry = strings.find(text.text->id);
    const bool onlyInserted = entry != strings.end() && entry->second.text.length() == 2;
    return onlyInserted && text.lines.size() == 1 && text.written.w <= kBadgeW;
}

// The part of the image that is painted (at least half opaque), on screen,
// within the part of it shown; empty when nothing is.
PF_Rect PaintedBox(const shown_sprite& s)
{
    const int id = s.sprite->GetImage(static_cast<int>(s.sprite->GetFrame()));
    SDL_Surface* image = CSprite::draw->GetSurface(id);
    const int left = s.box.x - s.sprite->GetSrcXOff();
    const int top = s.box.y - s.sprite->GetSrcYOff();
    int x0 = s.box.x + s.box.w, y0 = s.box.y + s.box.h, x1 = s.box.x - 1, y1 = s.box.y - 1;
    CSprite::draw->LockImage(id);
    for (int y = s.box.y; y < s.box.y + s.box.h; y++) {
        for (int x = s.box.x; x < s.box.x + s.box.w; x++) {
            const int ix = x - left, iy = y - top;
            if (ix < 0 || iy < 0 || ix >= image->w || iy >= image->h) {
                continue;
            }
            Uint8 r, g, b, a;
            SDL_GetRGBA(CSprite::draw->getpixel(image, ix, iy), image->format, &r, &g, &b, &a);
            if (a >= 128) {
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
        }
    }
    CSprite::draw->UnlockImage(id);
    if (x1 < x0) {
        return {0, 0, 0, 0};
    }
    return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

std::vector<shown_sprite> ShownSprites()
{
    std::vector<shown_sprite> shown;
    for (CSprite* sprite : CSprite::renderer->Sprites()) {
        if (!sprite || sprite->Hidden() || sprite->GetNumImages() == 0) {
            continue;
        }
        // A copy of the screen before, fading out over the new one, is
        // passing: the screen is judged as it will stand.
        if (sprite->Fading() && sprite->GetW() >= kWindowW && sprite->GetH() >= kWindowH) {
            continue;
        }
        shown_sprite s = {sprite, {sprite->GetX(), sprite->GetY(), sprite->GetW(), sprite->GetH()},
                          sprite->GetZ(), nullptr, {}, {}};
        s.text = CSprite::draw->TextLayout(sprite->GetImage(static_cast<int>(sprite->GetFrame())));
        if (s.text) {
            const int left = s.box.x - sprite->GetSrcXOff();
            const int top = s.box.y - sprite->GetSrcYOff();
            for (const PF_Rect& line : s.text->lines) {
                const PF_Rect onScreen = {left + line.x, top + line.y, line.w, line.h};
                // Lines scrolled or cut wholly out of view are not drawn.
                if (Crosses(onScreen, s.box)) {
                    s.lines.push_back(onScreen);
                }
            }
            // A text parked wholly outside the window (a drawer slid away) is
            // not seen at all.
            const PF_Rect window = {0, 0, kWindowW, kWindowH};
            if (s.lines.empty() || !Crosses(Union(s.lines), window)) {
                s.text = nullptr;
            } else {
                s.written = Union(s.lines);
            }
        }
        shown.push_back(s);
    }
    return shown;
}

void CheckOwnBox(const shown_sprite& text, std::vector<std::string>& problems)
{
    const PF_Rect image = {0, 0, text.text->w, text.text->h};
    const PF_Rect window = {0, 0, kWindowW, kWindowH};
    for (size_t i = 0; i < text.text->lines.size(); i++) {
        if (!Inside(text.text->lines[i], image)) {
            problems.push_back(Name(text) + ": line " + std::to_string(i + 1) + " " +
                               Describe(text.text->lines[i]) + " is cut by its box " + Describe(image));
        }
    }
    for (const PF_Rect& line : text.lines) {
        if (!Inside(line, text.box)) {
            problems.push_back(Name(text) + ": line " + Describe(line) + " is cut where the sprite shows " +
                               Describe(text.box));
        }
        if (!Inside(line, window)) {
            problems.push_back(Name(text) + ": line " + Describe(line) + " leaves the window");
        }
    }
}

// Line by line, so that a text that leaves gaps for pictures between its
// lines is judged by the lines it wrote.
void CheckHolder(const shown_sprite& text, const std::vector<shown_sprite>& shown,
                 std::vector<std::string>& problems)
{
    if (Badge(text)) {
        return;
    }
    for (const PF_Rect& line : text.lines) {
        const int cx = line.x + line.w / 2;
        const int cy = line.y + line.h / 2;
        const shown_sprite* holder = nullptr;
        for (const shown_sprite& s : shown) {
            if (s.text || s.sprite == text.sprite || s.z > text.z) {
                continue;
            }
            if (s.box.w >= kWindowW && s.box.h >= kWindowH) {
                continue;
            }
            // A picture holds only where it shows: its clear rows and corners
            // leave what lies below them in view.
            if (Holds(s.box, cx, cy) && s.sprite->IsCollisionPixelPerfect(cx, cy) && (!holder || s.z >= holder->z)) {
                holder = &s;
            }
        }
        if (holder && !Inside(line, holder->box)) {
            if (std::count(std::begin(kAcrossPanelEdge), std::end(kAcrossPanelEdge), text.text->id)) {
                continue;
            }
            problems.push_back(Name(text) + ": line " + Describe(line) + " leaves the picture holding it " +
                               Describe(holder->box));
        }
    }
}

// A line's advance runs a pixel past its ink at each end, and its height a
// pixel past the ink above and below (texts set at a tighter step lean on
// that); pairs such as a label and its number are set edge to edge on
// purpose.
PF_Rect Ink(const PF_Rect& line)
{
    return {line.x + 1, line.y + 1, line.w - 2, line.h - 2};
}

PF_Rect Common(const PF_Rect& a, const PF_Rect& b)
{
    const int x = std::max(a.x, b.x), y = std::max(a.y, b.y);
    return {x, y, std::min(a.x + a.w, b.x + b.w) - x, std::min(a.y + a.h, b.y + b.h) - y};
}

// Whether a picture drawn between the two texts covers where they meet, so
// that the lower one does not show there.
bool Covered(const PF_Rect& place, const shown_sprite& a, const shown_sprite& b,
             const std::vector<shown_sprite>& shown)
{
    const int low = std::min(a.z, b.z), high = std::max(a.z, b.z);
    return std::any_of(shown.begin(), shown.end(), [&](const shown_sprite& s) {
        return !s.text && s.z > low && s.z < high && Inside(place, s.box);
    });
}

void CheckOverlaps(const std::vector<const shown_sprite*>& texts, const std::vector<shown_sprite>& shown,
                   std::vector<std::string>& problems)
{
    for (size_t i = 0; i < texts.size(); i++) {
        for (size_t j = i + 1; j < texts.size(); j++) {
            bool crossed = false;
            for (const PF_Rect& a : texts[i]->lines) {
                for (const PF_Rect& b : texts[j]->lines) {
                    if (Crosses(Ink(a), Ink(b)) && !Covered(Common(a, b), *texts[i], *texts[j], shown)) {
                        crossed = true;
                    }
                }
            }
            if (crossed) {
                problems.push_back(Name(*texts[i]) + " " + Describe(texts[i]->written) + " runs into " +
                                   Name(*texts[j]) + " " + Describe(texts[j]->written));
            }
        }
    }
}

void CheckButtonLabels(const std::vector<shown_sprite>& shown, const std::vector<const shown_sprite*>& texts,
                       std::vector<std::string>& problems)
{
    const PF_Rect window = {0, 0, kWindowW, kWindowH};
    for (CGuiButtonBase* widget : CGuiButtonBase::buttons) {
        auto* button = dynamic_cast<CGuiButton*>(widget);
        if (!button || button->data.textId < 0) {
            continue;
        }
        // Buttons of a screen underneath an overlay are not drawn now.
        CSprite* base = button->GetButtonSprite();
        const bool drawn = std::any_of(shown.begin(), shown.end(), [&](const shown_sprite& s) {
            return s.sprite == base || s.sprite == button->GetButtonRolloverSprite();
        });
        const PF_Rect face = {base->GetX(), base->GetY(), base->GetW(), base->GetH()};
        if (!drawn || !Crosses(face, window)) {
            continue;
        }
        const bool labelled = std::any_of(texts.begin(), texts.end(), [&](const shown_sprite* text) {
            return text->text->id >= button->data.textId && text->text->id <= button->data.textId + 5 &&
                   Crosses(text->written, face);
        });
        if (!labelled) {
            problems.push_back("button " + std::to_string(button->id) + " at " + Describe(face) +
                               " shows no label of text " + std::to_string(button->data.textId));
        }
    }
}

// A text partly hidden under a picture drawn over it (a button sliding over
// the second line of a text) reads as cut: a tenth or more of a line's
// visible pixels lie under the picture's visible pixels while the text is
// not wholly covered. Wholly covered texts are meant to be out of sight; a thin
// ring or the pointer passing over a line hides too little to count.
void CheckCoveredLines(const shown_sprite& text, const std::vector<shown_sprite>& shown,
                       std::vector<std::string>& problems)
{
    for (const shown_sprite& s : shown) {
        if (s.text || s.z <= text.z || s.sprite == CMouseCursor::sCursor || s.sprite == CMouseCursor::sHourglass ||
            !Crosses(text.written, s.box) || Inside(text.written, s.box)) {
            continue;
        }
        for (const PF_Rect& line : text.lines) {
            const PF_Rect ink = Ink(line);
            int samples = 0, hidden = 0;
            for (int y = ink.y; y < ink.y + ink.h; y++) {
                for (int x = ink.x; x < ink.x + ink.w; x++) {
                    if (text.sprite->IsCollisionPixelPerfect(x, y)) {
                        samples++;
                        hidden += s.sprite->IsCollisionPixelPerfect(x, y);
                    }
                }
            }
            if (samples > 0 && hidden * 10 >= samples) {
                problems.push_back(Name(text) + ": line " + Describe(line) + " is partly under the picture " +
                                   Describe(s.box));
                break;
            }
        }
    }
}

// A labelled button stands wholly on the pictures beneath it (a frame may
// come in pieces, so together they must cover its face's rim) whenever any
// picture beneath, smaller than the window, holds the face's centre. The
// face's own shadow and rollover, of its size, are not panels. Symbol
// buttons (arrows, dust) are set on panels' corners and edges on purpose.
void CheckButtonFrames(const std::vector<shown_sprite>& shown, std::vector<std::string>& problems)
{
    const PF_Rect window = {0, 0, kWindowW, kWindowH};
    for (CGuiButtonBase* widget : CGuiButtonBase::buttons) {
        auto* button = dynamic_cast<CGuiButton*>(widget);
        if (!button || button->data.textId < 0) {
            continue;
        }
        CSprite* base = button->GetButtonSprite();
        auto face = std::find_if(shown.begin(), shown.end(), [&](const shown_sprite& s) { return s.sprite == base; });
        if (face == shown.end() || !Inside(face->box, window)) {
            continue;
        }
        std::vector<const shown_sprite*> beneath;
        for (const shown_sprite& s : shown) {
            if (!s.text && s.z < face->z && !(s.box.w >= kWindowW && s.box.h >= kWindowH) &&
                !(s.box.w == face->box.w && s.box.h == face->box.h)) {
                beneath.push_back(&s);
            }
        }
        auto covered = [&](int x, int y) {
            return std::any_of(beneath.begin(), beneath.end(), [&](const shown_sprite* s) { return Holds(s->box, x, y); });
        };
        // The face as painted: clear rows of its image overhang nothing.
        const PF_Rect f = PaintedBox(*face);
        if (!covered(f.x + f.w / 2, f.y + f.h / 2)) {
            continue;
        }
        bool rimCovered = true;
        for (int x = f.x; x < f.x + f.w; x += 2) {
            rimCovered = rimCovered && covered(x, f.y) && covered(x, f.y + f.h - 1);
        }
        for (int y = f.y; y < f.y + f.h; y += 2) {
            rimCovered = rimCovered && covered(f.x, y) && covered(f.x + f.w - 1, y);
        }
        if (!rimCovered) {
            problems.push_back("button " + std::to_string(button->id) + " " + Describe(f) +
                               " overhangs the pictures it stands on");
        }
    }
}

// --- What lies behind texts and widgets ---

struct rgb {
    int r, g, b;
};

int Distance(const rgb& a, const rgb& b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// A part of the screen as the shown sprites that pass a test draw it, in
// the renderer's order, onto the screen surface and read back. Nothing is
// pumped, so no animation or fade moves on while the check looks; the
// caller draws the whole screen back when done (Restore).
class Drawn {
public:
    template <typename Wanted>
    Drawn(const std::vector<const shown_sprite*>& order, PF_Rect part, Wanted wanted) : area(part)
    {
        SDL_Surface* screen = SDL_GetVideoSurface();
        SDL_Rect clip = {static_cast<Sint16>(area.x), static_cast<Sint16>(area.y), static_cast<Uint16>(area.w),
                         static_cast<Uint16>(area.h)};
        SDL_SetClipRect(screen, &clip);
        SDL_FillRect(screen, &clip, SDL_MapRGB(screen->format, 0, 0, 0));
        for (const shown_sprite* s : order) {
            if (Crosses(s->box, area) && wanted(*s)) {
                s->sprite->Render(area);
            }
        }
        SDL_SetClipRect(screen, nullptr);
        pixels.resize(static_cast<size_t>(area.w * area.h));
        SDL_LockSurface(screen);
        const int bytes = screen->format->BytesPerPixel;
        for (int y = 0; y < area.h; y++) {
            const Uint8* row = static_cast<const Uint8*>(screen->pixels) + (area.y + y) * screen->pitch;
            for (int x = 0; x < area.w; x++) {
                Uint32 value = 0;
                memcpy(&value, row + (area.x + x) * bytes, static_cast<size_t>(bytes));
                Uint8 r, g, b;
                SDL_GetRGB(value, screen->format, &r, &g, &b);
                pixels[static_cast<size_t>(y * area.w + x)] = {r, g, b};
            }
        }
        SDL_UnlockSurface(screen);
    }

    rgb At(int x, int y) const { return pixels[static_cast<size_t>((y - area.y) * area.w + (x - area.x))]; }

    // Every shown sprite drawn again, so the screen surface is as it was.
    static void Restore(const std::vector<const shown_sprite*>& order)
    {
        const PF_Rect window = {0, 0, kWindowW, kWindowH};
        Drawn all(order, window, [](const shown_sprite&) { return true; });
    }

private:
    PF_Rect area;
    std::vector<rgb> pixels;
};

// A straight edge in what is drawn: a colour step between two neighbouring
// rows over this many columns side by side (or across the whole box when it
// is narrower), or between two neighbouring columns over the box's whole
// height. Frame lines, a picture's border and a button's rim are such edges;
// lettering, soft shading and scenery are not.
const int kEdgeStep = 32;
const int kEdgeRun = 20;

bool EdgeThrough(const Drawn& drawn, const PF_Rect& box)
{
    const int across = std::min(kEdgeRun, box.w);
    for (int y = box.y + 1; y < box.y + box.h; y++) {
        int run = 0;
        for (int x = box.x; x < box.x + box.w; x++) {
            run = Distance(drawn.At(x, y - 1), drawn.At(x, y)) >= kEdgeStep ? run + 1 : 0;
            if (run >= across) {
                return true;
            }
        }
    }
    const int down = std::min(kEdgeRun, box.h);
    for (int x = box.x + 1; x < box.x + box.w; x++) {
        int run = 0;
        for (int y = box.y; y < box.y + box.h; y++) {
            run = Distance(drawn.At(x - 1, y), drawn.At(x, y)) >= kEdgeStep ? run + 1 : 0;
            if (run >= down) {
                return true;
            }
        }
    }
    return false;
}

// Relative luminance and contrast ratio as the usual rule for readable text
// defines them (sRGB channels linearised).
double Luminance(const rgb& c)
{
    auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double Contrast(const rgb& a, const rgb& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Text below the usual minimum for body text is hard to read without
// leaning on its one-pixel shadow.
const double kMinContrast = 4.5;
// Anti-aliased glyph edges blend into the shadow, so a few weak pixels are
// allowed before a line counts as hard to read.
const double kWeakShare = 0.05;

struct glyph_pixel {
    int x, y;  // on screen
    rgb colour;
};

// The pixels where a line's own ink covers the screen: opaque in the text's
// image and, for a text drawn over its shadow, of the text's own colour
// rather than the shadow's. The anti-aliased rims of the glyphs blend into
// the shadow round them; a pixel counts as ink from this share of the way
// from the shadow's colour to the line's most distant (its own) colour.
// A faded hint is never opaque; a pixel under a picture drawn above the
// text is not shown.
const double kInkShare = 0.9;

std::vector<glyph_pixel> GlyphPixels(const shown_sprite& text, const PF_Rect& line,
                                     const std::vector<shown_sprite>& shown)
{
    std::vector<const shown_sprite*> above;
    for (const shown_sprite& s : shown) {
        if (!s.text && s.z > text.z && Crosses(s.box, line)) {
            above.push_back(&s);
        }
    }
    const int id = text.sprite->GetImage(static_cast<int>(text.sprite->GetFrame()));
    SDL_Surface* image = CSprite::draw->GetSurface(id);
    const int shadow = text.text->shadow;
    const rgb shadowColour = {shadow >> 16 & 255, shadow >> 8 & 255, shadow & 255};
    const int left = text.box.x - text.sprite->GetSrcXOff();
    const int top = text.box.y - text.sprite->GetSrcYOff();
    std::vector<glyph_pixel> opaque;
    CSprite::draw->LockImage(id);
    for (int y = std::max(line.y, text.box.y); y < std::min(line.y + line.h, text.box.y + text.box.h); y++) {
        for (int x = std::max(line.x, text.box.x); x < std::min(line.x + line.w, text.box.x + text.box.w); x++) {
            const int ix = x - left, iy = y - top;
            if (x < 0 || y < 0 || x >= kWindowW || y >= kWindowH || ix < 0 || iy < 0 || ix >= image->w ||
                iy >= image->h) {
                continue;
            }
            Uint8 r, g, b, a;
            SDL_GetRGBA(CSprite::draw->getpixel(image, ix, iy), image->format, &r, &g, &b, &a);
            if (a >= 250) {
                opaque.push_back({x, y, {r, g, b}});
            }
        }
    }
    CSprite::draw->UnlockImage(id);
    int farthest = 0;
    if (shadow >= 0) {
        for (const glyph_pixel& p : opaque) {
            farthest = std::max(farthest, Distance(p.colour, shadowColour));
        }
    }
    std::vector<glyph_pixel> glyphs;
    for (const glyph_pixel& p : opaque) {
        if (shadow >= 0 && (farthest <= 2 || Distance(p.colour, shadowColour) < kInkShare * farthest)) {
            continue;
        }
        const bool covered = std::any_of(above.begin(), above.end(), [&](const shown_sprite* s) {
            return s->sprite->IsCollisionPixelPerfect(p.x, p.y);
        });
        if (!covered) {
            glyphs.push_back(p);
        }
    }
    return glyphs;
}

void CheckContrast(const shown_sprite& text, const Drawn& behind, const std::vector<shown_sprite>& shown,
                   std::vector<std::string>& problems)
{
    for (const PF_Rect& line : text.lines) {
        const std::vector<glyph_pixel> glyphs = GlyphPixels(text, line, shown);
        if (glyphs.empty()) {
            continue;
        }
        int weak = 0;
        std::vector<double> ratios;
        for (const glyph_pixel& g : glyphs) {
            const double ratio = Contrast(g.colour, behind.At(g.x, g.y));
            ratios.push_back(ratio);
            weak += ratio < kMinContrast;
        }
        if (weak > kWeakShare * static_cast<double>(glyphs.size())) {
            const auto middle = ratios.begin() + static_cast<long>(ratios.size() / 2);
            std::nth_element(ratios.begin(), middle, ratios.end());
            char figures[96];
            snprintf(figures, sizeof figures, "%.2f:1 (%i of its %zu glyph pixels below %.1f:1)", *middle, weak,
                     glyphs.size(), kMinContrast);
            problems.push_back(Name(text) + ": line " + Describe(line) + " reads at " + figures +
                               " against what lies behind it");
        }
    }
}

// A frame line or a picture's border through a line's ink reads as the text
// leaving its box or running into the picture.
// A line wholly hidden under a picture drawn over it is out of sight.
void CheckEdgesThroughText(const shown_sprite& text, const Drawn& behind, const std::vector<shown_sprite>& shown,
                           std::vector<std::string>& problems)
{
    if (Badge(text)) {
        return;
    }
    const PF_Rect window = {0, 0, kWindowW, kWindowH};
    for (const PF_Rect& line : text.lines) {
        const PF_Rect ink = Ink(line);
        if (ink.w > 1 && ink.h > 1 && Inside(ink, window) && !GlyphPixels(text, line, shown).empty() &&
            EdgeThrough(behind, ink)) {
            problems.push_back(Name(text) + ": line " + Describe(line) +
                               " runs over a frame line or a picture's border");
        }
    }
}

// --- Widgets on their panels ---

bool TranslucentAt(const shown_sprite& s, int x, int y)
{
    const int id = s.sprite->GetImage(static_cast<int>(s.sprite->GetFrame()));
    SDL_Surface* image = CSprite::draw->GetSurface(id);
    CSprite::draw->LockImage(id);
    Uint8 r, g, b, a;
    SDL_GetRGBA(CSprite::draw->getpixel(image, x - s.box.x + s.sprite->GetSrcXOff(), y - s.box.y + s.sprite->GetSrcYOff()),
                image->format, &r, &g, &b, &a);
    CSprite::draw->UnlockImage(id);
    return a < 255;
}

// A labelled button or a check box stands inside the panel that holds it:
// no frame line or picture border of what lies under it runs through its
// face or the thin margin round it. The face's own shadow and rollover, of
// its size, are not under it. A labelled button laid over a fader (a
// translucent picture as large as the window) with no picture of its page
// under it stands outside every panel.
const int kWidgetMargin = 2;
// The side panel's picture of the selection, centred here at this depth:
// the make-clothes and lab buttons stand over its top by design, and the
// panel leaves a click there to the button.
const int kSelectionPictureX = 709, kSelectionPictureY = 219, kSelectionPictureZ = 20000001;

bool SelectionPicture(const shown_sprite& s)
{
    const int cx = s.box.x + s.box.w / 2, cy = s.box.y + s.box.h / 2;
    return !s.text && s.z == kSelectionPictureZ && std::abs(cx - kSelectionPictureX) <= 1 &&
           std::abs(cy - kSelectionPictureY) <= 1;
}

void CheckWidgetsInsidePanels(const std::vector<shown_sprite>& shown, const std::vector<const shown_sprite*>& order,
                              std::vector<std::string>& problems)
{
    const PF_Rect window = {0, 0, kWindowW, kWindowH};
    for (CGuiButtonBase* widget : CGuiButtonBase::buttons) {
        auto* button = dynamic_cast<CGuiButton*>(widget);
        auto* box = dynamic_cast<CGuiCheckBox*>(widget);
        if ((!button || button->data.textId < 0) && !box) {
            continue;
        }
        // Only the widgets the player can use now: a screen opened over
        // another leaves the one below without the focus.
        if (!widget->IsLive()) {
            continue;
        }
        CSprite* base = button ? button->GetButtonSprite() : box->GetBoxSprite();
        auto face = std::find_if(shown.begin(), shown.end(), [&](const shown_sprite& s) { return s.sprite == base; });
        if (face == shown.end() || !Inside(face->box, window) || UnderAnotherPage(*face, shown)) {
            continue;
        }
        const PF_Rect& image = face->box;
        const PF_Rect f = PaintedBox(*face);
        const std::string name = (button ? "button " : "check box ") + std::to_string(widget->id) + " " + Describe(image);
        auto under = [&](const shown_sprite& s) {
            return !s.text && s.z < face->z && !PointerSprite(s.sprite) &&
                   !(s.box.w == image.w && s.box.h == image.h) && !SelectionPicture(s);
        };
        const int cx = f.x + f.w / 2, cy = f.y + f.h / 2;
        const shown_sprite* holder = nullptr;
        const shown_sprite* floor = nullptr;
        for (const shown_sprite& s : shown) {
            if (under(s) && Holds(s.box, cx, cy)) {
                const shown_sprite*& slot = WholeWindow(s) ? floor : holder;
                if (!slot || s.z >= slot->z) {
                    slot = &s;
                }
            }
        }
        if (!holder || (floor && floor->z > holder->z)) {
            if (button && floor && TranslucentAt(*floor, cx, cy)) {
                problems.push_back(name + " stands on no panel of its page");
            }
            continue;
        }
        const PF_Rect grown = {f.x - kWidgetMargin, f.y - kWidgetMargin, f.w + 2 * kWidgetMargin,
                               f.h + 2 * kWidgetMargin};
        if (Inside(grown, window) && EdgeThrough(Drawn(order, grown, under), grown)) {
            problems.push_back(name + " stands across a frame line or a picture's border");
        }
    }
}

// --- Pictures on their boards ---

// Screens opened over the island lie at this depth and above; the island and
// the game screen's own side panel beneath them are judged by their tests.
const int kPageZ = 21000000;
// A panel piece may end this far past its board (a rim's shading).
const int kBoardSlack = 2;
// A piece whose centre lies this close to its board's edge, along at least a
// third of that edge, is laid across it as a frame or a name plate.
const int kFrameBand = 16;
// A framed picture shows its frame along this share of every side; only
// pictures this large are framed (smaller ones sit in slots of a board).
const double kFramedShare = 0.9;
const int kFramedSide = 200;
// Pieces of one page lie within this depth of each other.
const int kPageDepth = 1000;
// Sparkles and specks are no pictures to place.
const int kSpeck = 8;
// A picture laid over a board is judged against that board's frame lines
// when it covers no more than this share of it (a panel piece laid over a
// board covers its rims on purpose).
const double kPictureShare = 0.25;
// Where a picture's frame line is looked for, inside its painted box.
const int kEdgeInset = 3;

bool OpaqueAt(const shown_sprite& s, int x, int y)
{
    if (!Holds(s.box, x, y) || !Holds({0, 0, kWindowW, kWindowH}, x, y)) {
        return false;
    }
    const int id = s.sprite->GetImage(static_cast<int>(s.sprite->GetFrame()));
    SDL_Surface* image = CSprite::draw->GetSurface(id);
    const int ix = x - s.box.x + s.sprite->GetSrcXOff(), iy = y - s.box.y + s.sprite->GetSrcYOff();
    if (ix < 0 || iy < 0 || ix >= image->w || iy >= image->h) {
        return false;
    }
    CSprite::draw->LockImage(id);
    Uint8 r, g, b, a;
    SDL_GetRGBA(CSprite::draw->getpixel(image, ix, iy), image->format, &r, &g, &b, &a);
    CSprite::draw->UnlockImage(id);
    return a >= 128;
}

struct page_picture {
    const shown_sprite* shown;
    PF_Rect painted;
    long area;
};

std::vector<page_picture> PagePictures(const std::vector<shown_sprite>& shown)
{
    std::vector<page_picture> pictures;
    for (const shown_sprite& s : shown) {
        if (s.text || s.z < kPageZ || WholeWindow(s) || PointerSprite(s.sprite) || UnderAnotherPage(s, shown)) {
            continue;
        }
        const PF_Rect painted = PaintedBox(s);
        const PF_Rect window = {0, 0, kWindowW, kWindowH};
        if (painted.w >= kSpeck && painted.h >= kSpeck && Crosses(painted, window)) {
            pictures.push_back({&s, painted, static_cast<long>(painted.w) * painted.h});
        }
    }
    return pictures;
}

// The board a picture stands on: the nearest picture beneath that is
// painted where the picture's middle is, a piece of its own depth only when
// larger. A picture that is no solid piece itself (a frame round another,
// clear in its middle) stands on no board.
const page_picture* BoardOf(const page_picture& p, const std::vector<page_picture>& pictures)
{
    const int cx = p.painted.x + p.painted.w / 2, cy = p.painted.y + p.painted.h / 2;
    if (!OpaqueAt(*p.shown, cx, cy)) {
        return nullptr;
    }
    const page_picture* board = nullptr;
    for (const page_picture& b : pictures) {
        if (&b == &p || b.shown->z > p.shown->z || p.shown->z - b.shown->z >= kPageDepth ||
            !OpaqueAt(*b.shown, cx, cy)) {
            continue;
        }
        if (b.shown->z == p.shown->z ? b.area <= p.area : b.area * 2 < p.area) {
            continue;
        }
        if (!board || b.shown->z > board->shown->z || (b.shown->z == board->shown->z && b.area > board->area)) {
            board = &b;
        }
    }
    return board;
}

// Laid across the board's edge as a frame piece or a name plate.
bool AcrossEdge(const page_picture& p, const page_picture& board)
{
    const PF_Rect& b = board.painted;
    const int cx = p.painted.x + p.painted.w / 2, cy = p.painted.y + p.painted.h / 2;
    const bool nearSide = std::min(cx - b.x, b.x + b.w - 1 - cx) < kFrameBand && p.painted.h * 3 >= b.h;
    const bool nearEnd = std::min(cy - b.y, b.y + b.h - 1 - cy) < kFrameBand && p.painted.w * 3 >= b.w;
    return nearSide || nearEnd;
}

// A panel or picture reaching past the window (unless its place lies partly
// outside the window already), past the board it stands on, or across a
// frame line or border of that board; and a picture that frame pieces are
// laid across without its frame closed on every side.
void CheckPictures(const std::vector<shown_sprite>& shown, const std::vector<const shown_sprite*>& order,
                   std::vector<std::string>& problems)
{
    const PF_Rect window = {0, 0, kWindowW, kWindowH};
    const std::vector<page_picture> pictures = PagePictures(shown);
    std::vector<const page_picture*> framed;
    for (const page_picture& p : pictures) {
        const std::string name = "picture " + Describe(p.painted);
        const page_picture* board = BoardOf(p, pictures);
        // A frame piece laid across a framed picture's edge may run on past
        // the window's edge, as a frame runs on under the window's own.
        const bool framePiece = board && AcrossEdge(p, *board) && board->painted.w >= kFramedSide &&
                                board->painted.h >= kFramedSide;
        const int placedX = p.shown->sprite->GetX(), placedY = p.shown->sprite->GetY();
        if (placedX >= 0 && placedY >= 0 && placedX < kWindowW && placedY < kWindowH && !framePiece &&
            !Inside(p.painted, window)) {
            problems.push_back(name + " reaches past the window's edge");
        }
        if (!board) {
            continue;
        }
        if (AcrossEdge(p, *board)) {
            if (framePiece && std::find(framed.begin(), framed.end(), board) == framed.end()) {
                framed.push_back(board);
            }
            continue;
        }
        const PF_Rect& b = board->painted;
        const PF_Rect& a = p.painted;
        // A lid over its slot or a knob on its bar may stand out all round
        // or across: a picture above its board is judged only along the
        // sides it could fit between; a piece of the board's own depth
        // always.
        const bool above = p.shown->z > board->shown->z;
        const bool acrossFits = !above || a.w <= b.w;
        const bool downFits = !above || a.h <= b.h;
        const bool pastX = a.x < b.x - kBoardSlack || a.x + a.w > b.x + b.w + kBoardSlack;
        const bool pastY = a.y < b.y - kBoardSlack || a.y + a.h > b.y + b.h + kBoardSlack;
        if ((acrossFits && pastX) || (downFits && pastY)) {
            problems.push_back(name + " reaches past the board it stands on " + Describe(b));
            continue;
        }
        const PF_Rect inner = {a.x + kEdgeInset, a.y + kEdgeInset, a.w - 2 * kEdgeInset, a.h - 2 * kEdgeInset};
        if (above && acrossFits && downFits && p.area <= kPictureShare * board->area && inner.w > 1 && inner.h > 1 &&
            Inside(inner, window) &&
            EdgeThrough(Drawn(order, inner, [&](const shown_sprite& s) { return &s == board->shown; }), inner)) {
            problems.push_back(name + " crosses a frame line of the board it stands on " + Describe(b));
        }
    }
    for (const page_picture* f : framed) {
        auto covered = [&](int x, int y) {
            return std::any_of(pictures.begin(), pictures.end(), [&](const page_picture& p) {
                return p.shown->z > f->shown->z && p.shown->z - f->shown->z < kPageDepth && OpaqueAt(*p.shown, x, y);
            });
        };
        const PF_Rect& b = f->painted;
        int top = 0, bottom = 0, left = 0, right = 0;
        for (int x = b.x; x < b.x + b.w; x++) {
            top += covered(x, b.y);
            bottom += covered(x, b.y + b.h - 1);
        }
        for (int y = b.y; y < b.y + b.h; y++) {
            left += covered(b.x, y);
            right += covered(b.x + b.w - 1, y);
        }
        if (top < kFramedShare * b.w || bottom < kFramedShare * b.w || left < kFramedShare * b.h ||
            right < kFramedShare * b.h) {
            char sides[96];
            snprintf(sides, sizeof sides, "top %i%%, right %i%%, bottom %i%%, left %i%%", 100 * top / b.w,
                     100 * right / b.h, 100 * bottom / b.w, 100 * left / b.h);
            problems.push_back("picture " + Describe(b) + " shows its frame only in part: " + sides);
        }
    }
}

// The frontmost picture painted at (x, y) below depth z (or at z as well,
// for one drawn before what shares its depth), the later drawn of equal
// depths; texts, the window-wide pictures and the pointer hold nothing.
const shown_sprite* PictureUnder(const std::vector<shown_sprite>& shown, int x, int y, int z, bool orAtZ)
{
    const shown_sprite* holder = nullptr;
    for (const shown_sprite& s : shown) {
        if (!s.text && (s.z < z || (orAtZ && s.z == z)) && !WholeWindow(s) && !PointerSprite(s.sprite) &&
            OpaqueAt(s, x, y) && (!holder || s.z >= holder->z)) {
            holder = &s;
        }
    }
    return holder;
}

// Text set on a picture drawn above the board that holds it (a large
// picture under a description) runs into that picture where the picture's
// painted pixels lie under its ink.
const int kIntoPictureSlack = 3;

void CheckTextOverPictures(const shown_sprite& text, const std::vector<shown_sprite>& shown,
                           std::vector<std::string>& problems)
{
    if (Badge(text)) {
        return;
    }
    for (const PF_Rect& line : text.lines) {
        const shown_sprite* holder = PictureUnder(shown, line.x + line.w / 2, line.y + line.h / 2, text.z, false);
        if (!holder) {
            continue;
        }
        const PF_Rect ink = Ink(line);
        for (const shown_sprite& s : shown) {
            if (s.text || s.z >= text.z || s.z <= holder->z || WholeWindow(s) || PointerSprite(s.sprite) ||
                !Crosses(s.box, ink) || UnderAnotherPage(s, shown)) {
                continue;
            }
            int under = 0;
            for (int y = ink.y; y < ink.y + ink.h; y++) {
                for (int x = ink.x; x < ink.x + ink.w; x++) {
                    under += OpaqueAt(s, x, y);
                }
            }
            if (under > kIntoPictureSlack) {
                problems.push_back(Name(text) + ": line " + Describe(line) + " runs into the picture " +
                                   Describe(s.box));
                break;
            }
        }
    }
}

// A labelled button laid across the edge of a plate that holds a text (a
// name plate reaching down under the button beside it) hides part of the
// plate and reads as standing on it, though it belongs to the board the
// plate is laid on. A button wholly on the plate stands on it by design, a
// piece of the board's own depth is part of the board, and the plate's rim
// may touch the face's corners.
const int kPlateTouch = 20;

void CheckButtonsAcrossPlates(const std::vector<shown_sprite>& shown, const std::vector<const shown_sprite*>& texts,
                              std::vector<std::string>& problems)
{
    const PF_Rect window = {0, 0, kWindowW, kWindowH};
    std::vector<std::pair<const shown_sprite*, const shown_sprite*>> plates;  // plate, a text it holds
    for (const shown_sprite* text : texts) {
        const PF_Rect& line = text->lines.front();
        // A plate may share its text's depth, drawn first.
        const shown_sprite* holder = PictureUnder(shown, line.x + line.w / 2, line.y + line.h / 2, text->z, true);
        const bool known = std::any_of(plates.begin(), plates.end(), [&](const auto& p) { return p.first == holder; });
        if (holder && !known) {
            plates.emplace_back(holder, text);
        }
    }
    for (CGuiButtonBase* widget : CGuiButtonBase::buttons) {
        auto* button = dynamic_cast<CGuiButton*>(widget);
        if (!button || button->data.textId < 0 || !widget->IsLive()) {
            continue;
        }
        CSprite* base = button->GetButtonSprite();
        auto face = std::find_if(shown.begin(), shown.end(), [&](const shown_sprite& s) { return s.sprite == base; });
        if (face == shown.end() || !Inside(face->box, window) || UnderAnotherPage(*face, shown)) {
            continue;
        }
        const PF_Rect f = PaintedBox(*face);
        for (const auto& [plate, text] : plates) {
            const PF_Rect p = PaintedBox(*plate);
            if (plate->z >= face->z || !Crosses(f, p) || Inside(f, p)) {
                continue;
            }
            // Laid on a board: some picture below the plate shows at the face's middle.
            if (!PictureUnder(shown, f.x + f.w / 2, f.y + f.h / 2, plate->z, false)) {
                continue;
            }
            int over = 0;
            const PF_Rect common = Common(f, p);
            for (int y = common.y; y < common.y + common.h; y++) {
                for (int x = common.x; x < common.x + common.w; x++) {
                    over += OpaqueAt(*face, x, y) && OpaqueAt(*plate, x, y);
                }
            }
            if (over > kPlateTouch) {
                problems.push_back("button " + std::to_string(button->id) + " " + Describe(f) +
                                   " stands across the edge of the plate " + Describe(p) + " holding " +
                                   Name(*text));
            }
        }
    }
}

// A caption set on a tab of its own (a button without a label) stands in
// the middle of the tab's painted face.
const int kOffMiddle = 3;
const int kLabelDepth = 3;

void CheckCaptionsOnTabs(const std::vector<const shown_sprite*>& texts, const std::vector<shown_sprite>& shown,
                         std::vector<std::string>& problems)
{
    for (CGuiButtonBase* widget : CGuiButtonBase::buttons) {
        auto* button = dynamic_cast<CGuiButton*>(widget);
        if (!button || button->data.textId >= 0) {
            continue;
        }
        CSprite* base = button->GetButtonSprite();
        auto face = std::find_if(shown.begin(), shown.end(), [&](const shown_sprite& s) { return s.sprite == base; });
        if (face == shown.end() || face->z < kPageZ || UnderAnotherPage(*face, shown)) {
            continue;
        }
        const PF_Rect painted = PaintedBox(*face);
        for (const shown_sprite* text : texts) {
            // A label the button was given later lies just above its face.
            if (text->z < face->z || text->z == face->z + kLabelDepth || text->lines.size() != 1 || Badge(*text)) {
                continue;
            }
            const PF_Rect& line = text->lines.front();
            const int cx = line.x + line.w / 2, cy = line.y + line.h / 2;
            if (!OpaqueAt(*face, cx, cy)) {
                continue;
            }
            const int middle = painted.x + painted.w / 2;
            if (std::abs(cx - middle) > kOffMiddle) {
                problems.push_back(Name(*text) + " " + Describe(line) + " stands " + std::to_string(cx - middle) +
                                   " px off the middle of its tab " + Describe(painted));
            }
        }
    }
}

}  // namespace

std::vector<std::string> LayoutProblems()
{
    std::vector<std::string> problems;
    const std::vector<shown_sprite> shown = ShownSprites();
    std::vector<const shown_sprite*> texts;
    for (const shown_sprite& s : shown) {
        if (s.text) {
            texts.push_back(&s);
            CheckOwnBox(s, problems);
            CheckHolder(s, shown, problems);
            CheckCoveredLines(s, shown, problems);
            CheckTextOverPictures(s, shown, problems);
        }
    }
    CheckCaptionsOnTabs(texts, shown, problems);
    CheckOverlaps(texts, shown, problems);
    CheckButtonLabels(shown, texts, problems);
    CheckButtonFrames(shown, problems);
    CheckButtonsAcrossPlates(shown, texts, problems);
    if (SDL_GetVideoSurface()) {
        std::vector<const shown_sprite*> order;
        for (const shown_sprite& s : shown) {
            order.push_back(&s);
        }
        std::stable_sort(order.begin(), order.end(),
                         [](const shown_sprite* a, const shown_sprite* b) { return a->z < b->z; });
        const PF_Rect window = {0, 0, kWindowW, kWindowH};
        const Drawn behind(order, window, [](const shown_sprite& s) { return !s.text && !PointerSprite(s.sprite); });
        for (const shown_sprite* text : texts) {
            if (!UnderAnotherPage(*text, shown)) {
                CheckContrast(*text, behind, shown, problems);
                CheckEdgesThroughText(*text, behind, shown, problems);
            }
        }
        CheckWidgetsInsidePanels(shown, order, problems);
        CheckPictures(shown, order, problems);
        Drawn::Restore(order);
    }
    return problems;
}

int CheckLayout(const std::string& screen)
{
    const std::vector<std::string> problems = LayoutProblems();
    for (const std::string& problem : problems) {
        printf("layout of %s: %s\n", screen.c_str(), problem.c_str());
    }
    fflush(stdout);
    return static_cast<int>(problems.size());
}

bool EdgeThroughBox(int x, int y, int w, int h, const CSprite* leftOut)
{
    const std::vector<shown_sprite> shown = ShownSprites();
    std::vector<const shown_sprite*> order;
    for (const shown_sprite& s : shown) {
        order.push_back(&s);
    }
    std::stable_sort(order.begin(), order.end(), [](const shown_sprite* a, const shown_sprite* b) { return a->z < b->z; });
    const PF_Rect box = {x, y, w, h};
    const Drawn drawn(order, box, [&](const shown_sprite& s) {
        return !s.text && !PointerSprite(s.sprite) && s.sprite != leftOut;
    });
    const bool edge = EdgeThrough(drawn, box);
    Drawn::Restore(order);
    return edge;
}
