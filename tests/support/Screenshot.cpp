#include "Screenshot.h"

#include "ChildProcess.h"
#include "LayoutCheck.h"
#include "TestXServer.h"
#include "engine/CDraw.h"
#include "engine/CRenderer.h"
#include "engine/CSprite.h"

#include <gtest/gtest.h>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

int rgb_picture::CountDifferences(const rgb_picture& other) const
{
    if (w != other.w || h != other.h) {
        return std::max(w * h, other.w * other.h);
    }
    int count = 0;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
        count += rgb[i] != other.rgb[i] || rgb[i + 1] != other.rgb[i + 1] || rgb[i + 2] != other.rgb[i + 2];
    }
    return count;
}

rgb_picture PictureOf(SDL_Surface* surface)
{
    rgb_picture picture;
    picture.w = surface->w;
    picture.h = surface->h;
    picture.rgb.reserve(static_cast<size_t>(surface->w * surface->h * 3));
    SDL_LockSurface(surface);
    const int bytes = surface->format->BytesPerPixel;
    for (int y = 0; y < surface->h; y++) {
        const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < surface->w; x++) {
            Uint32 value = 0;
            memcpy(&value, row + x * bytes, static_cast<size_t>(bytes));
            Uint8 r, g, b;
            SDL_GetRGB(value, surface->format, &r, &g, &b);
            picture.rgb.insert(picture.rgb.end(), {r, g, b});
        }
    }
    SDL_UnlockSurface(surface);
    return picture;
}

std::string ScreenshotPath(const std::string& name)
{
    // The resource folder is <build>/Palmora.app/Contents/Resources.
    const char* resources = getenv("PALMORA_RESOURCES");
    const fs::path build = resources ? fs::path(resources).parent_path().parent_path().parent_path() : fs::path(".");
    const fs::path folder = build / "screenshots";
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    return (folder / name).string();
}

namespace {

// Set in a scene's child: every picture saved there is of the screen as the
// renderer holds it now, so its layout is checked at the same moment.
bool checkLayoutOnSave = false;
int layoutProblems = 0;

}  // namespace

bool SavePng(const rgb_picture& picture, const std::string& path)
{
    if (checkLayoutOnSave && CSprite::renderer && CSprite::draw) {
        layoutProblems += CheckLayout(fs::path(path).filename().string());
    }
    return stbi_write_png(path.c_str(), picture.w, picture.h, 3, picture.rgb.data(), picture.w * 3) != 0;
}

void ScreenshotOnX(const std::string& name, const std::function<int(const std::string& path)>& draw)
{
    const TestXServer server;
    if (server.Display().empty()) {
        // The scene still runs headless, so that what it counts (its layout
        // check above all) holds wherever the tests run; the picture is the
        // dummy driver's.
        const ChildResult result = RunInChild([&] {
            checkLayoutOnSave = true;
            const int missing = draw(ScreenshotPath("dummy-" + name)) + layoutProblems;
            printf("%i expected things were missing\n", missing);
            fflush(stdout);
            if (missing) {
                _exit(2);
            }
        });
        EXPECT_EQ(result.exitCode, 0) << result.output;
        return;
    }
    const char* display = server.Display().c_str();
    const std::string path = ScreenshotPath(name);
    const ChildResult result = RunInChild([&] {
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("DISPLAY", display, 1);
        checkLayoutOnSave = true;
        const int missing = draw(path) + layoutProblems;
        printf("%i expected things were missing\n", missing);
        fflush(stdout);
        if (missing) {
            _exit(2);
        }
    });
    EXPECT_EQ(result.exitCode, 0) << result.output;
    printf("%s -> %s\n", result.output.c_str(), path.c_str());
}

bool SaveRedrawnScreen(const std::string& path)
{
    CSprite::renderer->RedrawScreen();
    CSprite::renderer->Render(true);
    CSprite::draw->Flip(false);
    return SavePng(PictureOf(SDL_GetVideoSurface()), path);
}
