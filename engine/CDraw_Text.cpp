// Texts of the string table drawn as images, so that sprites and screens show
// them like any picture: in the text's own colour, in a colour of the
// caller's, or over a shadow.
#include "CDraw.h"

#include "FontSystem.h"

#include <cassert>

namespace {

const char* const kTextLabel = "LOADED FONT TEXT";
const char* const kColourLabel = "LOADED FONT TEXT WITH COLOUR";

}  // namespace

int CDraw::LoadText(int id, int w, int h, int alignment, int& lines, const char* a1, const char* a2,
                    const char* a3, const char* a4, const char* a5)
{
    SDL_Surface* rendered = FontSystem_RenderStringNumber(w, h, alignment, id, lines, nullptr, nullptr, nullptr,
                                                          nullptr, nullptr, nullptr, a1, a2, a3, a4, a5, nullptr);
    // The font system answers even a text without words with a (blank) surface.
    assert(rendered);
    const int image = ImageFreeSpot(FormatImage(rendered, true), kTextLabel);
    textLayouts[image] = FontSystem_LastLayout();
    return image;
}

int CDraw::LoadTextColour(int id, int w, int h, int alignment, int& lines, unsigned char r, unsigned char g,
                          unsigned char b, const char* a1, const char* a2, const char* a3, const char* a4,
                          const char* a5)
{
    SDL_Surface* rendered =
        FontSystem_RenderStringNumberColoured(w, h, alignment, id, lines, r, g, b, nullptr, nullptr, nullptr,
                                              nullptr, nullptr, nullptr, a1, a2, a3, a4, a5, nullptr);
    assert(rendered);
    const int image = ImageFreeSpot(FormatImage(rendered, true), kColourLabel);
    textLayouts[image] = FontSystem_LastLayout();
    return image;
}

int CDraw::LoadTextShadow(int id, int w, int h, int alignment, int& lines, unsigned char r, unsigned char g,
                          unsigned char b, const char* a1, const char* a2, const char* a3, const char* a4,
                          const char* a5)
{
    // Each layer is rendered on its own, as the text would be anywhere else;
    // the text itself comes last, so lines is its count.
    const int shadows[4] = {
        LoadTextColour(id, w, h, alignment, lines, r, g, b, a1, a2, a3, a4, a5),
        LoadTextColour(id, w, h, alignment, lines, r, g, b, a1, a2, a3, a4, a5),
        LoadTextColour(id, w, h, alignment, lines, r, g, b, a1, a2, a3, a4, a5),
        LoadTextColour(id, w, h, alignment, lines, r, g, b, a1, a2, a3, a4, a5),
    };
    const int text = LoadText(id, w, h, alignment, lines, a1, a2, a3, a4, a5);
    // A pixel of shadow round every glyph and two more towards the lower
    // right; the text lands at (1, 1).
    text_layout layout = textLayouts[text];
    const int combined = CombineImages({{shadows[0], -1, -1},
                                        {shadows[1], 2, 2},
                                        {shadows[2], -1, 1},
                                        {shadows[3], 1, -1},
                                        {text, 0, 0}});
    layout.w += 3;
    layout.h += 3;
    layout.shadow = r << 16 | g << 8 | b;
    for (PF_Rect& line : layout.lines) {
        line.x += 1;
        line.y += 1;
    }
    textLayouts[combined] = layout;
    return combined;
}
