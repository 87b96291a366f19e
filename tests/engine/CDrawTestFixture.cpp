#include "CDrawTestFixture.h"

#include "ArchiveBytes.h"
#include "Config.h"
#include "Utilities.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

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
        bytes.insert(bytes.end(), p.begin(), p.begin() + components);
    }
    return bytes;
}

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

std::string PngFile(int w, int h, const std::vector<Rgba>& pixels, bool alpha)
{
    const int components = alpha ? 4 : 3;
    std::string file;
    stbi_write_png_to_func(Append, &file, w, h, components, Bytes(pixels, components).data(), w * components);
    return file;
}

std::string TgaFile(int w, int h, const std::vector<Rgba>& pixels)
{
    std::string file;
    stbi_write_tga_to_func(Append, &file, w, h, 4, Bytes(pixels, 4).data());
    return file;
}

void WriteImageArchive(const archive_entries& entries)
{
    std::filesystem::create_directories(RESOURCE_FOLDER);
    std::ofstream(RESOURCE_FOLDER "resource.dat", std::ios::binary) << ArchiveBytes(entries);
}

void DrawTest::SetUp()
{
    Config_SetFullscreen(false);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    // Preload reads the loading bar before the archive.
    std::filesystem::create_directories(RESOURCE_FOLDER);
    std::ofstream(RESOURCE_FOLDER "loadingscreen_loading.dat", std::ios::binary)
        << PngFile(4, 1, std::vector<Rgba>(4, Rgba{255, 255, 255, 255}));
    draw = std::make_unique<CDraw>(CDraw::NoLoadingScreen{});
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
    for (int i = 0; i < w * h; i++) {
        const Rgba& p = pixels[static_cast<size_t>(i)];
        draw->putpixel(surface, i % w, i / w, SDL_MapRGBA(surface->format, p[0], p[1], p[2], p[3]));
    }
    SDL_UnlockSurface(surface);
    return draw->ImageFreeSpot(draw->FormatImage(surface, true), "TEST");
}

int DrawTest::MakeFilled(int w, int h, Rgba colour, bool alpha)
{
    return MakeImage(w, h, std::vector<Rgba>(static_cast<size_t>(w * h), colour), alpha);
}

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
    for (int i = 0; i < draw->GetW(id) * draw->GetH(id); i++) {
        pixels.push_back(PixelAt(id, i % draw->GetW(id), i / draw->GetW(id)));
    }
    return pixels;
}
