#include "LayoutCheck.h"

#include "engine/CDraw.h"
#include "engine/CRenderer.h"
#include "engine/CSprite.h"
#include "engine/FontSystem.h"
#include "framework/CGuiButton.h"
#include "framework/CMouseCursor.h"

#include <algorithm>
#include <cstdio>
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

std::vector<shown_sprite> ShownSprites()
{
    std::vector<shown_sprite> shown;
    for (CSprite* sprite : CSprite::renderer->Sprites()) {
        if (!sprite || sprite->Hidden() || sprite->GetNumImages() == 0) {
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
    auto entry = strings.find(text.text->id);
    const bool onlyInserted = entry != strings.end() && entry->second.text.length() == 2;
    if (onlyInserted && text.lines.size() == 1 && text.written.w <= kBadgeW) {
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
            if (Holds(s.box, cx, cy) && (!holder || s.z >= holder->z)) {
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
        const PF_Rect& f = face->box;
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
        }
    }
    CheckOverlaps(texts, shown, problems);
    CheckButtonLabels(shown, texts, problems);
    CheckButtonFrames(shown, problems);
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
