#include "FontSystem.h"

#include "Log.h"
#include "ResourceArchive.h"
#include "Utilities.h"

#include <SDL_ttf.h>

#include <cassert>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

std::map<int, string_data> strings;

namespace {

// The loader's field buffer and the shared 8-bit result hold this many
// characters plus a terminator; longer fields and texts are cut short.
const int kFieldLength = 1023;

std::string fontDirectory;
char tempString[kFieldLength + 1];
char emptyString[1];

enum class LineKind { None, FontSettings, String };

// The font system's fatal failures print their own lines, without the
// "ERROR!" prefix, and end the program. The log gets lines of its own, which
// may name the file that failed where the printed text does not.
[[noreturn]] void FontSystemFailure(const std::string& printed, const std::vector<std::string>& logged)
{
    fputs(printed.c_str(), stdout);
    fflush(stdout);
    for (const std::string& line : logged) {
        logMessage(line.c_str());
    }
    exit(1);
}

const unsigned short kByteOrderMark = 0xFEFF;
const unsigned short kCR = 13;
const unsigned short kLF = 10;

// Decimal with leading blanks and an optional sign, read up to the first
// non-digit like atoi; false when there is no digit at all. Out-of-range
// values stop at the int limits instead of overflowing.
template <typename Char>
bool ReadDecimal(const Char* text, int& value)
{
    size_t i = 0;
    while (text[i] == ' ' || text[i] == '\t') {
        i++;
    }
    bool negative = false;
    if (text[i] == '-' || text[i] == '+') {
        negative = text[i] == '-';
        i++;
    }
    if (text[i] < '0' || text[i] > '9') {
        return false;
    }
    long long magnitude = 0;
    for (; text[i] >= '0' && text[i] <= '9'; i++) {
        if (magnitude <= INT_MAX) {
            magnitude = magnitude * 10 + (text[i] - '0');
        }
    }
    if (negative) {
        value = magnitude > -static_cast<long long>(INT_MIN) ? INT_MIN : static_cast<int>(-magnitude);
    } else {
        value = magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
    }
    return true;
}

std::string LowBytes(const unsigned short* text)
{
    std::string bytes;
    for (size_t i = 0; text[i] != 0; i++) {
        bytes += static_cast<char>(text[i] & 0xff);
    }
    return bytes;
}

// The loader's state between characters.
struct TableParser {
    std::map<int, string_data>& table;
    unsigned short field[kFieldLength + 1];
    int fieldLength = 0;
    int fieldNumber = 1;
    LineKind kind = LineKind::None;
    // The font settings in force; their text is unused.
    string_data settings;
    int id = 0;
    bool idRead = false;

    explicit TableParser(std::map<int, string_data>& into) : table(into) {}

    void CloseField()
    {
        field[fieldLength] = 0;
        if (kind == LineKind::FontSettings) {
            CloseFontField();
        } else if (fieldNumber == 1) {
            // A line whose id is no number stores nothing rather than
            // overwriting some other entry.
            idRead = ReadDecimal(field, id);
        } else if (fieldNumber == 2 && idRead) {
            string_data entry = settings;
            entry.text = ustring(field);
            table[id] = entry;
        }
        fieldNumber++;
        fieldLength = 0;
    }

    // A number field that is empty or no number leaves its setting as it
    // was, just as a missing field does.
    void CloseFontField()
    {
        int value = 0;
        if (fieldNumber == 1) {
            settings.font = LowBytes(field);
        } else if (fieldNumber <= 6 && ReadDecimal(field, value)) {
            switch (fieldNumber) {
            case 2: settings.size = value; break;
            case 3: settings.r = static_cast<unsigned char>(value & 0xff); break;
            case 4: settings.g = static_cast<unsigned char>(value & 0xff); break;
            case 5: settings.b = static_cast<unsigned char>(value & 0xff); break;
            case 6: settings.spacing = value; break;
            }
        }
    }
};

}  // namespace

unsigned short SwapUInt16(unsigned short value)
{
    if (!BigEndian()) {
        return value;
    }
    return static_cast<unsigned short>((value >> 8) | (value << 8));
}

int FontSystem_ParseStrings(const unsigned char* bytes, size_t size, std::map<int, string_data>& table)
{
    TableParser parser(table);
    const size_t count = size / 2;
    bool atLineStart = true;
    int lines = 0;
    // One step past the last character stands for the end of the file, which
    // closes the last field.
    for (size_t pos = 0; pos <= count; pos++) {
        const bool end = pos == count;
        const unsigned short c = end ? 0 : static_cast<unsigned short>(bytes[2 * pos] | (bytes[2 * pos + 1] << 8));
        if (pos == 0 && !end && c == kByteOrderMark) {
            continue;
        }
        if (end && atLineStart) {
            // Every editor ends a file with a line end; only a file without a
            // single line is refused.
            return lines == 0 ? 1 : 0;
        }
        const bool lineEnd = c == kCR || c == kLF;
        if (parser.kind != LineKind::None) {
            if (c == '|' || lineEnd || end) {
                parser.CloseField();
            } else if (parser.fieldLength < kFieldLength) {
                parser.field[parser.fieldLength++] = c;
            }
        }
        if (lineEnd) {
            atLineStart = true;
            continue;
        }
        if (!atLineStart) {
            continue;
        }
        lines++;
        switch (c) {
        case '#': parser.kind = LineKind::None; break;
        case '!': parser.kind = LineKind::FontSettings; break;
        case '@': parser.kind = LineKind::String; break;
        default: return lines;
        }
        parser.fieldNumber = 1;
        parser.fieldLength = 0;
        atLineStart = false;
    }
    return 0;
}

void FontSystem_LoadStrings(const char* path)
{
    FILE* file = fopen(path, "rb");
    if (!file) {
        FontSystemFailure("FONTSYSTEM: Cannot load string data file.",
                          {std::string("FONTSYSTEM: Cannot load string data file. ") + path});
    }
    std::vector<unsigned char> bytes;
    unsigned char chunk[65536];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    fclose(file);
    const int badLine = FontSystem_ParseStrings(bytes.data(), bytes.size(), strings);
    if (badLine != 0) {
        const std::string line = TempSprintf("FONTSYSTEM: Unable to parse line number %i", badLine);
        FontSystemFailure(line + "\n", {line + " of " + path});
    }
}

void FontSystem_Load(const char* resourceFolder, const char* tablePath)
{
    FontSystem_RenderItalicsYellow(false);
    if (TTF_Init() == -1) {
        const std::string line = std::string("FONTSYSTEM: SDL_ttf initialization error: ") + TTF_GetError();
        FontSystemFailure(line + "\n", {line});
    }
    fontDirectory = resourceFolder;
    FontSystem_LoadStrings(tablePath);
}

void FontSystem_Unload()
{
    TTF_Quit();
}

std::string FontSystem_GetASCIIString(int id)
{
    return FontSystem_ToASCIIString(strings[id].text.c_str());
}

char* FontSystem_LoadString(int id)
{
    auto entry = strings.find(id);
    if (entry == strings.end()) {
        emptyString[0] = 0;
        return emptyString;
    }
    ustring text = entry->second.text;
    const unsigned short* characters = text.c_str();
    int i = 0;
    for (; i < kFieldLength && characters[i] != 0; i++) {
        tempString[i] = static_cast<char>(characters[i] & 0xff);
    }
    tempString[i] = 0;
    return tempString;
}

std::string FontSystem_ToASCIIString(const unsigned short* text)
{
    return text ? LowBytes(text) : std::string();
}

ustring FontSystem_ASCIItoUnicode(const char* text)
{
    ustring wide;
    for (size_t i = 0; text && text[i] != 0; i++) {
        // Zero extension keeps Latin-1 letters the same letters.
        wide.AddChar(static_cast<unsigned char>(text[i]));
    }
    return wide;
}

//
// Rendering
//

namespace {

bool bold = false;
bool italics = false;
bool underline = false;
bool renderItalicsYellow = false;

struct word_data {
    SDL_Surface* surface;
    int line;
};

int wordX = 0;
int lineNum = 1;
std::vector<word_data> words;
std::vector<int> wordsLengthOnLine;
text_layout lastLayout;

// Inserted text is scanned again, so a text that inserts itself (or a name
// typed as "%1") would expand for ever; past this many insertions a code
// inserts nothing.
const int kMaxInsertions = 64;

// The masks of SDL_ttf's blended surfaces, for a text that has no word.
const Uint32 kRedMask = 0x00ff0000;
const Uint32 kGreenMask = 0x0000ff00;
const Uint32 kBlueMask = 0x000000ff;
const Uint32 kAlphaMask = 0xff000000;

bool IsCodeLetter(unsigned short c)
{
    return c == 'b' || c == 'i' || c == 'u' || c == 'n' || (c >= '1' && c <= '9') || c == 'a';
}

int FloorHalf(int value)
{
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

struct TextArguments {
    const unsigned short* wide[6];
    const char* narrow[6];
};

ustring InsertedText(unsigned short code, const TextArguments& args)
{
    if (code >= '1' && code <= '6') {
        const int k = code - '1';
        if (args.wide[k]) {
            return ustring(args.wide[k]);
        }
        return FontSystem_ASCIItoUnicode(args.narrow[k]);
    }
    const int k = code == 'a' ? 3 : code - '7';
    assert(k >= 0 && k < 4);
    int id = -1;  // also for an argument that is null or no number
    if (args.narrow[k]) {
        ReadDecimal(args.narrow[k], id);
    }
    auto entry = strings.find(id);
    return entry == strings.end() ? ustring() : entry->second.text;
}

// Makes the transparent pixels a colour key no glyph pixel shares: SDL
// compares keys on colour alone, so black text keys on transparent white.
void FontSystem_ReplaceAlpha(SDL_Surface* surface)
{
    const SDL_PixelFormat* format = surface->format;
    assert(format->BytesPerPixel == 4);
    const Uint32 colourMask = ~format->Amask;
    SDL_LockSurface(surface);
    Uint32 key = 0;
    for (int y = 0; y < surface->h && key == 0; y++) {
        const Uint32* row = reinterpret_cast<const Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < surface->w; x++) {
            if ((row[x] & format->Amask) != 0 && (row[x] & colourMask) == 0) {
                key = colourMask;
                break;
            }
        }
    }
    for (int y = 0; y < surface->h; y++) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < surface->w; x++) {
            if ((row[x] & format->Amask) == 0) {
                row[x] = key;
            }
        }
    }
    SDL_UnlockSurface(surface);
    SDL_SetColorKey(surface, SDL_SRCCOLORKEY, key);
}

// Renders one word in the current style and places it on the current line,
// or on a new one when it would reach the image width.
void FontSystem_RenderString(unsigned short* word, TTF_Font* font, SDL_Color colour, int width)
{
    int style = TTF_STYLE_NORMAL;
    if (bold) {
        style |= TTF_STYLE_BOLD;
    }
    if (italics && !renderItalicsYellow) {
        style |= TTF_STYLE_ITALIC;
    }
    if (underline) {
        style |= TTF_STYLE_UNDERLINE;
    }
    TTF_SetFontStyle(font, style);
    if (renderItalicsYellow && italics && colour.r == 255 && colour.g == 255 && colour.b == 255) {
        colour.r = 244;
        colour.g = 226;
        colour.b = 127;
    }
    SDL_Surface* surface = TTF_RenderUNICODE_Blended(font, word, colour);
    if (!surface) {
        // A word the font cannot draw at all (no width) takes no room.
        return;
    }
    const int lineBefore = wordX;
    wordX += surface->w;
    if (wordX >= width && lineBefore > 0) {
        wordsLengthOnLine.push_back(lineBefore);
        lineNum++;
        wordX = surface->w;
    }
    words.push_back({surface, lineNum});
}

SDL_Surface* NewTextSurface(Uint32 flags, int w, int h, int depth, Uint32 rMask, Uint32 gMask, Uint32 bMask,
                            Uint32 aMask)
{
    SDL_Surface* surface = SDL_CreateRGBSurface(flags, w, h, depth, rMask, gMask, bMask, aMask);
    if (!surface) {
        errorMessage("FONTSYSTEM: Cannot create text surface: ", SDL_GetError(), true, true);
    }
    SDL_FillRect(surface, nullptr, SDL_MapRGBA(surface->format, 0, 0, 0, 0));
    return surface;
}

void PlaceWords(SDL_Surface* result, int alignment, int spacing, int fontHeight)
{
    const int w = result->w;
    const int h = result->h;
    const int lineCount = static_cast<int>(wordsLengthOnLine.size());
    int top = 0;
    if (alignment == 3) {
        top = FloorHalf(h - (fontHeight * lineCount + (lineCount - 1) * spacing));
    }
    for (int i = 0; i < lineCount; i++) {
        const int lineWidth = wordsLengthOnLine[i];
        if (lineWidth > 0) {
            const int x = alignment == 0 ? 0 : alignment == 1 ? w - lineWidth : (w - lineWidth) / 2;
            lastLayout.lines.push_back({x, i * (fontHeight + spacing) + top, lineWidth, fontHeight});
        }
    }
    int previousLine = 0;
    int x = 0;
    for (const word_data& word : words) {
        SDL_Surface* surface = word.surface;
        if (word.line != previousLine) {
            assert(word.line - 1 < lineCount);
            const int lineWidth = word.line - 1 < lineCount ? wordsLengthOnLine[word.line - 1] : 0;
            x = alignment == 0 ? 0 : alignment == 1 ? w - lineWidth : (w - lineWidth) / 2;
            previousLine = word.line;
        }
        const int y = (word.line - 1) * (fontHeight + spacing) + top;
        const int left = x;
        x += surface->w;
        // Words wholly outside are skipped: their offsets may not even fit
        // the blitter's 16-bit rectangle.
        if (left >= w || y >= h || left + surface->w <= 0 || y + surface->h <= 0) {
            continue;
        }
        SDL_SetAlpha(surface, 0, SDL_ALPHA_OPAQUE);
        if (spacing < 0) {
            FontSystem_ReplaceAlpha(surface);
        }
        SDL_Rect place = {static_cast<Sint16>(left), static_cast<Sint16>(y), 0, 0};
        SDL_BlitSurface(surface, nullptr, result, &place);
    }
}

// Every id the program renders must be in the table: a missing one is
// damaged packaging, named here rather than as a font with no name.
const string_data& TableEntry(int id)
{
    if (strings.find(id) == strings.end()) {
        errorMessage("FONTSYSTEM: Missing string id ", TempSprintf("%i", id), true, true);
    }
    return strings[id];
}

}  // namespace

void FontSystem_RenderItalicsYellow(bool on)
{
    renderItalicsYellow = on;
}

SDL_Surface* FontSystem_RenderStringUnicode(int w, int h, int alignment, int spacing, const char* font, int size,
                                            unsigned char r, unsigned char g, unsigned char b,
                                            const unsigned short* text, int& lines,
                                            const unsigned short* u1, const unsigned short* u2,
                                            const unsigned short* u3, const unsigned short* u4,
                                            const unsigned short* u5, const unsigned short* u6,
                                            const char* a1, const char* a2, const char* a3,
                                            const char* a4, const char* a5, const char* a6)
{
    assert(font && w >= 0 && h >= 0);
    assert(words.empty() && wordsLengthOnLine.empty());
    const TextArguments args = {{u1, u2, u3, u4, u5, u6}, {a1, a2, a3, a4, a5, a6}};
    lineNum = 1;
    wordX = 0;
    lastLayout = text_layout();
    lastLayout.w = w;
    lastLayout.h = h;

    int fontSize = 0;
    char* fontBytes = GetBufferFromResource(RESOURCE_FOLDER "resource3.dat", font, &fontSize);
    TTF_Font* ttf = TTF_OpenFontRW(SDL_RWFromMem(fontBytes, fontSize), 1, size);
    if (!ttf) {
        const std::string attempted =
            std::string("FONTSYSTEM: Attempted to load font file '") + fontDirectory + font + "'";
        const std::string error = std::string("FONTSYSTEM: SDL_ttf font loading error: ") + TTF_GetError();
        // Fonts live in an archive, so the printed path names no file of its
        // own; the log also says where the bytes really came from.
        const std::string entry = std::string("FONTSYSTEM: The font is the entry '") + font +
                                  "' of the archive '" RESOURCE_FOLDER "resource3.dat'";
        FontSystemFailure(attempted + "\n" + error + "\n", {attempted, entry, error});
    }
    const SDL_Color colour = {r, g, b, 0};

    ustring work(text);
    unsigned int start = 0;
    int insertions = 0;
    for (;;) {
        const unsigned int length = work.length();
        unsigned int p = start;
        bool code = false;
        for (; p < length; p++) {
            const unsigned short c = work[p];
            if (c == ' ' || c == '-') {
                break;
            }
            if (c == '%' && p + 1 < length && IsCodeLetter(work[p + 1])) {
                code = true;
                break;
            }
        }
        if (p == length) {
            break;
        }
        if (!code || p > start) {
            // The blank or hyphen stays at the end of its word.
            const unsigned int end = code ? p : p + 1;
            ustring word = work.substr(start, end - start);
            start = end;
            lastLayout.words += FontSystem_ToASCIIString(word.c_str());
            FontSystem_RenderString(word.c_str(), ttf, colour, w);
            continue;
        }
        const unsigned short letter = work[p + 1];
        start = p + 2;
        switch (letter) {
        case 'b': bold = !bold; break;
        case 'i': italics = !italics; break;
        case 'u': underline = !underline; break;
        case 'n':
            wordsLengthOnLine.push_back(wordX);
            lineNum++;
            wordX = 0;
            break;
        default:
            if (insertions < kMaxInsertions) {
                insertions++;
                ustring rest = work.substr(start);
                work = InsertedText(letter, args);
                work + rest;
                start = 0;
            }
            break;
        }
    }
    if (start < work.length()) {
        ustring word = work.substr(start);
        lastLayout.words += FontSystem_ToASCIIString(word.c_str());
        FontSystem_RenderString(word.c_str(), ttf, colour, w);
    }
    lastLayout.stylesAfter = (bold ? STYLE_BOLD : 0) | (italics ? STYLE_ITALICS : 0) | (underline ? STYLE_UNDERLINE : 0);
    if (wordX != 0) {
        wordsLengthOnLine.push_back(wordX);
    }

    SDL_Surface* result = nullptr;
    if (words.empty()) {
        // The callers convert the result at once; a blank image is what an
        // empty text looks like.
        result = NewTextSurface(SDL_SWSURFACE, w, h, 32, kRedMask, kGreenMask, kBlueMask, kAlphaMask);
    } else {
        const SDL_Surface* first = words.front().surface;
        const SDL_PixelFormat* format = first->format;
        result = NewTextSurface(first->flags, w, h, format->BitsPerPixel, format->Rmask, format->Gmask,
                                format->Bmask, format->Amask);
        PlaceWords(result, alignment, spacing, TTF_FontHeight(ttf));
        lines = lineNum;
    }
    TTF_CloseFont(ttf);
    for (word_data& word : words) {
        SDL_FreeSurface(word.surface);
    }
    words.clear();
    wordsLengthOnLine.clear();
    delete[] fontBytes;
    return result;
}

SDL_Surface* FontSystem_RenderStringASCII(int w, int h, int alignment, int spacing, const char* font, int size,
                                          unsigned char r, unsigned char g, unsigned char b, const char* text,
                                          int& lines, const unsigned short* u1, const unsigned short* u2,
                                          const unsigned short* u3, const unsigned short* u4,
                                          const unsigned short* u5, const unsigned short* u6, const char* a1,
                                          const char* a2, const char* a3, const char* a4, const char* a5,
                                          const char* a6)
{
    ustring wide = FontSystem_ASCIItoUnicode(text);
    return FontSystem_RenderStringUnicode(w, h, alignment, spacing, font, size, r, g, b, wide.c_str(), lines, u1,
                                          u2, u3, u4, u5, u6, a1, a2, a3, a4, a5, a6);
}

SDL_Surface* FontSystem_RenderStringNumberColoured(int w, int h, int alignment, int id, int& lines,
                                                   unsigned char r, unsigned char g, unsigned char b,
                                                   const unsigned short* u1, const unsigned short* u2,
                                                   const unsigned short* u3, const unsigned short* u4,
                                                   const unsigned short* u5, const unsigned short* u6,
                                                   const char* a1, const char* a2, const char* a3,
                                                   const char* a4, const char* a5, const char* a6)
{
    const string_data& entry = TableEntry(id);
    ustring text = entry.text;
    const std::string font = entry.font;
    SDL_Surface* surface =
        FontSystem_RenderStringUnicode(w, h, alignment, entry.spacing, font.c_str(), entry.size, r, g, b,
                                       text.c_str(), lines, u1, u2, u3, u4, u5, u6, a1, a2, a3, a4, a5, a6);
    lastLayout.id = id;
    return surface;
}

const text_layout& FontSystem_LastLayout()
{
    return lastLayout;
}

SDL_Surface* FontSystem_RenderStringNumber(int w, int h, int alignment, int id, int& lines,
                                           const unsigned short* u1, const unsigned short* u2,
                                           const unsigned short* u3, const unsigned short* u4,
                                           const unsigned short* u5, const unsigned short* u6, const char* a1,
                                           const char* a2, const char* a3, const char* a4, const char* a5,
                                           const char* a6)
{
    const string_data& entry = TableEntry(id);
    return FontSystem_RenderStringNumberColoured(w, h, alignment, id, lines, entry.r, entry.g, entry.b, u1, u2,
                                                 u3, u4, u5, u6, a1, a2, a3, a4, a5, a6);
}
