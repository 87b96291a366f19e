// The font system: the string table that holds every player-visible text by
// id, and the renderer that lays one text out into a new transparent 32-bit
// surface with word wrap, alignment, style markup and inserted arguments.
//
// Start-up loads the table once (FontSystem_Load) and it stays for the whole
// run; the renderer keeps its style toggles between calls, so a text that
// leaves bold on renders the next one bold. Main thread only.
//
// Markup inside a text: "%b" "%i" "%u" toggle bold, italics and underline,
// "%n" ends the line, "%1".."%6" insert the k-th 16-bit argument (else the
// k-th 8-bit one), "%7" "%8" "%9" "%a" insert the table text whose id is
// written in the first to fourth 8-bit argument.
#pragma once

#include "Types.h"
#include "ustring.h"

#include <SDL.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

// One text of the table with the font settings in force where it was read.
struct string_data {
    ustring text;
    std::string font;  // a file name inside the font archive
    int size = 0;      // point size
    unsigned char r = 0, g = 0, b = 0;
    int spacing = 0;   // extra pixels between lines; negative lets lines overlap
};

// The one table, filled at start-up. Indexing it with [] adds an empty entry
// for a missing id, which some lookups below do on purpose.
extern std::map<int, string_data> strings;

// Starts SDL_ttf and loads the table; resourceFolder only names fonts in
// error messages. Any failure is fatal.
void FontSystem_Load(const char* resourceFolder, const char* tablePath);
// Adds the texts of a table file (UTF-16LE) to strings; a file that cannot
// be read or parsed is fatal with the offending line number.
void FontSystem_LoadStrings(const char* path);
// Parses a table file's bytes into table. Returns 0, or the number of the
// first non-blank line that cannot be parsed (line 1 when there is none).
// Never fatal and never reads outside the bytes given.
int FontSystem_ParseStrings(const unsigned char* bytes, size_t size, std::map<int, string_data>& table);
// Stops SDL_ttf; the table stays.
void FontSystem_Unload();

// The text cut to 8 bits; a missing id adds an empty entry and gives "".
std::string FontSystem_GetASCIIString(int id);
// The text cut to 8 bits in a shared 1024-byte buffer (longer texts are cut
// short), valid until the next call; a missing id gives "" and adds nothing.
char* FontSystem_LoadString(int id);
std::string FontSystem_ToASCIIString(const unsigned short* text);
// Each byte becomes the character of the same number (0xE9 is U+00E9).
ustring FontSystem_ASCIItoUnicode(const char* text);
unsigned short SwapUInt16(unsigned short value);

// Where the last render put its written lines, so that screens can be
// checked for texts that leave their box or run into each other without
// reading pixels: the box, and per line with words the rectangle of its
// recorded width (trailing blank included) by the font's height. id is the
// table entry for renders by number, else -1. A text drawn over its shadow
// records the shadow's colour (0xRRGGBB, else -1), so that its own glyphs
// can be told from the shadow round them.
struct text_layout {
    int w = 0, h = 0;
    int id = -1;
    std::vector<PF_Rect> lines;
    int shadow = -1;
    // The words as laid out, markup gone and inserts in place, each
    // character cut to 8 bits; and the style toggles the text left on for
    // the next render (STYLE_BOLD, STYLE_ITALICS, STYLE_UNDERLINE).
    std::string words;
    int stylesAfter = 0;
};
enum { STYLE_BOLD = 1, STYLE_ITALICS = 2, STYLE_UNDERLINE = 4 };
const text_layout& FontSystem_LastLayout();

// Tutorial mode: italics are drawn upright, and white italics in yellow.
void FontSystem_RenderItalicsYellow(bool on);

// The renderers below return a new w x h surface (32-bit, per-pixel alpha)
// that the caller frees, and write the number of lines to lines. A text that
// yields no word gives a fully transparent surface and leaves lines alone.
// Alignment: 0 left, 1 right, 2 centred, 3 centred both ways. Every text
// argument may be null. A font missing from the archive is fatal.
SDL_Surface* FontSystem_RenderStringUnicode(int w, int h, int alignment, int spacing, const char* font, int size,
                                            unsigned char r, unsigned char g, unsigned char b,
                                            const unsigned short* text, int& lines,
                                            const unsigned short* u1, const unsigned short* u2,
                                            const unsigned short* u3, const unsigned short* u4,
                                            const unsigned short* u5, const unsigned short* u6,
                                            const char* a1, const char* a2, const char* a3,
                                            const char* a4, const char* a5, const char* a6);
SDL_Surface* FontSystem_RenderStringASCII(int w, int h, int alignment, int spacing, const char* font, int size,
                                          unsigned char r, unsigned char g, unsigned char b, const char* text,
                                          int& lines, const unsigned short* u1, const unsigned short* u2,
                                          const unsigned short* u3, const unsigned short* u4,
                                          const unsigned short* u5, const unsigned short* u6, const char* a1,
                                          const char* a2, const char* a3, const char* a4, const char* a5,
                                          const char* a6);
// The table text of id in its own font, size, colour and spacing. An id
// that is missing, or that names no font, is fatal.
SDL_Surface* FontSystem_RenderStringNumber(int w, int h, int alignment, int id, int& lines,
                                           const unsigned short* u1, const unsigned short* u2,
                                           const unsigned short* u3, const unsigned short* u4,
                                           const unsigned short* u5, const unsigned short* u6, const char* a1,
                                           const char* a2, const char* a3, const char* a4, const char* a5,
                                           const char* a6);
// As FontSystem_RenderStringNumber in the colour given.
SDL_Surface* FontSystem_RenderStringNumberColoured(int w, int h, int alignment, int id, int& lines,
                                                   unsigned char r, unsigned char g, unsigned char b,
                                                   const unsigned short* u1, const unsigned short* u2,
                                                   const unsigned short* u3, const unsigned short* u4,
                                                   const unsigned short* u5, const unsigned short* u6,
                                                   const char* a1, const char* a2, const char* a3,
                                                   const char* a4, const char* a5, const char* a6);
