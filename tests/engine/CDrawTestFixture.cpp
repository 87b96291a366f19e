#include "CDrawTestFixture.h"

#include "Config.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace {

void Append(void* context, void* data, int size)
{
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}

std::vector<unsigned char> Bytes(const std::vector<Rgba>& pixels, int components)
{
    std::vector<unsigned char> bytes;
    for (const Rgba& p : pixels) {
        for (int c = 0; c < components; c++) {
            bytes.push_back(static_cast<unsigned char>(p[c]));
        }
    }
    return bytes;
}

std::string Word(uint32_t value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; i++) {
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xff);
    }
    return bytes;
}

}  // namespace

std::string PngFile(int w, int h, const std::vector<Rgba>& pixels, bool alpha)
{
    const int components = alpha ? 4 : 3;
    std::string file;
    const std::vector<unsigned char> bytes = Bytes(pixels, components);
    stbi_write_png_to_func(Append, &file, w, h, components, bytes.data(), w * components);
    return file;
}

std::string TgaFile(int w, int h, const std::vector<Rgba>& pixels)
{
    std::string file;
    const std::vector<unsigned char> bytes = Bytes(pixels, 4);
    stbi_write_tga_to_func(Append, &file, w, h, 4, bytes.data());
    return file;
}

void WriteImageArchive(const std::vector<std::pair<std::string, std::string>>& entries)
{
    std::string body;
    std::string table = Word(static_cast<uint32_t>(entries.size()));
    uint32_t offset = 4 + 4 * static_cast<uint32_t>(entries.size());
    for (const auto& [name, data] : entries) {
        table += Word(offset);
        const std::string entry =
            Word(static_cast<uint32_t>(data.size())) + Word(static_cast<uint32_t>(name.size())) + name + data;
        body += entry;
        offset += static_cast<uint32_t>(entry.size());
    }
    std::filesystem::create_directories("Palmora.app/Contents/Resources");
    std::ofstream out("Palmora.app/Contents/Resources/resource.dat", std::ios::binary);
    out << table << body;
}

void DrawTest::SetUp()
{
    Config_SetFullscreen(false);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    draw = std::make_unique<CDraw>();
    draw->ToggleFrameLock();
}

void DrawTest::TearDown()
{
    draw.reset();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

int DrawTest::MakeImage(int w, int h, const std::vector<Rgba>& pixels, bool alpha)
{
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x000000ff, 0x0000ff00, 0x00ff0000,
                                                alpha ? 0xff000000 : 0);
    SDL_LockSurface(surface);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            const Rgba& p = pixels[static_cast<size_t>(y * w + x)];
            draw->putpixel(surface, x, y, SDL_MapRGBA(surface->format, p[0], p[1], p[2], p[3]));
        }
    }
    SDL_UnlockSurface(surface);
    return draw->ImageFreeSpot(draw->FormatImage(surface, true), "TEST");
}

int DrawTest::MakeFilled(int w, int h, Rgba colour, bool alpha)
{
    return MakeImage(w, h, std::vector<Rgba>(static_cast<size_t>(w * h), colour), alpha);
}

namespace {

Rgba ReadPixel(CDraw& draw, SDL_Surface* surface, int x, int y)
{
    SDL_LockSurface(surface);
    const Uint32 value = draw.getpixel(surface, x, y);
    SDL_UnlockSurface(surface);
    Uint8 r, g, b, a;
    SDL_GetRGBA(value, surface->format, &r, &g, &b, &a);
    return Rgba{r, g, b, a};
}

}  // namespace

Rgba DrawTest::PixelAt(int id, int x, int y)
{
    return ReadPixel(*draw, draw->GetSurface(id), x, y);
}

Rgba DrawTest::ScreenPixel(int x, int y)
{
    return ReadPixel(*draw, SDL_GetVideoSurface(), x, y);
}

std::vector<Rgba> DrawTest::AllPixels(int id)
{
    std::vector<Rgba> pixels;
    for (int y = 0; y < draw->GetH(id); y++) {
        for (int x = 0; x < draw->GetW(id); x++) {
            pixels.push_back(PixelAt(id, x, y));
        }
    }
    return pixels;
}
