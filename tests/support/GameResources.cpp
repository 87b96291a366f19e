#include "GameResources.h"

#include "engine/FontSystem.h"
#include "engine/Utilities.h"

#include "TempFolder.h"
#include "engine/CDraw.h"
#include "engine/CRenderer.h"
#include "engine/CSprite.h"
#include "engine/Config.h"
#include "framework/CController.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

const char* const kResources = "Palmora.app/Contents/Resources";

[[noreturn]] void Fail(const char* what, const char* detail)
{
    fprintf(stderr, "GameResources: %s%s\n", what, detail);
    abort();
}

uint32_t WordAt(const std::string& bytes, size_t at)
{
    if (at + 4 > bytes.size()) {
        Fail("the image archive is cut short", "");
    }
    return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8 |
           static_cast<uint8_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

std::string Word(uint32_t value)
{
    const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                           static_cast<char>(value >> 24)};
    return std::string(bytes, 4);
}

}  // namespace

void GameResources::LinkResources()
{
    const char* source = getenv("PALMORA_RESOURCES");
    if (!source) {
        Fail("PALMORA_RESOURCES names no resource folder", "");
    }
    fs::create_directories(kResources);
    for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
        fs::create_symlink(entry.path(), fs::path(kResources) / entry.path().filename());
    }
}

void GameResources::DropImages(const std::vector<std::string>& names)
{
    const fs::path archive = fs::path(kResources) / "resource.dat";
    std::ifstream in(archive, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();

    // Entries: size, name length, name, data; the table gives their offsets.
    std::vector<std::string> kept;
    const uint32_t count = WordAt(bytes, 0);
    for (uint32_t i = 0; i < count; i++) {
        const size_t at = WordAt(bytes, 4 + 4 * static_cast<size_t>(i));
        const uint32_t size = WordAt(bytes, at);
        const uint32_t nameLength = WordAt(bytes, at + 4);
        const std::string name = bytes.substr(at + 8, nameLength);
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            kept.push_back(bytes.substr(at, 8 + static_cast<size_t>(nameLength) + size));
        }
    }
    std::string table = Word(static_cast<uint32_t>(kept.size()));
    uint32_t offset = 4 + 4 * static_cast<uint32_t>(kept.size());
    for (const std::string& entry : kept) {
        table += Word(offset);
        offset += static_cast<uint32_t>(entry.size());
    }
    fs::remove(archive);
    std::ofstream out(archive, std::ios::binary);
    out << table;
    for (const std::string& entry : kept) {
        out << entry;
    }
}

GameResources::GameResources(const TempFolder&)
{
    if (!fs::exists(fs::path(kResources) / "resource.dat")) {
        LinkResources();
    }
    Config_SetFullscreen(false);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        Fail("SDL video: ", SDL_GetError());
    }
    // Texts drawn as pictures (labels, banners) come from the generated table.
    FontSystem_Load(RESOURCE_FOLDER, RESOURCE_FOLDER "strings.dat");
    draw = std::make_unique<CDraw>(CDraw::NoLoadingScreen{});
    // Tests never wait for a frame.
    draw->ToggleFrameLock();
    draw->Preload();
    CSprite::draw = draw.get();
    CController::draw = draw.get();
    renderer = std::make_unique<CRenderer>();
    CSprite::renderer = renderer.get();
    CController::renderer = renderer.get();
}

GameResources::~GameResources()
{
    renderer.reset();
    draw.reset();
    CSprite::draw = nullptr;
    FontSystem_Unload();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
