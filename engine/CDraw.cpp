// The image store: the archive kept encoded in memory, the table of images
// and their ids, sharing by count, and the leak report at destruction.
#include "CDraw.h"

#include "CArchiveReader.h"
#include "CController.h"
#include "CSprite.h"
#include "Config.h"
#include "Log.h"
#include "Utilities.h"

#include <SDL_image.h>

#include <cassert>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

namespace {

const char* const kImageArchive = RESOURCE_FOLDER "resource.dat";

// The printed message is the same wherever the game runs; the line before it
// in the log names the archive.
[[noreturn]] void ArchiveFailure()
{
    logMessage("Cannot load resource file: ", kImageArchive);
    errorMessage("Cannot load resource file!", true, true);
    abort();
}

// Sounds share the archive format and sometimes the archive; they are not images.
bool IsSoundName(const std::string& name)
{
    if (name.size() < 3) {
        return false;
    }
    const std::string tail = name.substr(name.size() - 3);
    return tail == "ogg" || tail == "wav";
}

}  // namespace

CDraw::CDraw() : CDraw(NoLoadingScreen{})
{
    ShowLoadingScreen();
}

CDraw::CDraw(NoLoadingScreen) : CDraw(NoLoadingScreen{}, SetMode) {}

CDraw::CDraw(NoLoadingScreen, ModeSetter setMode)
    : skipFrames(0),
      loadingTotal(23997),
      frameCount(0),
      frameRate(0),
      frameCountAtLastSecond(0),
      timeOfLastSecond(0),
      timeOfLastFrame(0),
      screen(nullptr),
      shaking(false),
      shakeX(0),
      shakeY(0),
      shakeVelocityX(0),
      shakeVelocityY(0),
      shakeFastest(0),
      shakeSlowest(0),
      shakeAmplitude(0),
      shakeEnd(1),
      shakeSurface(nullptr),
      framesSinceStart(0),
      rendering(true),
      loadingBar(nullptr),
      loadingBarShown(0),
      frameLock(33),
      loadingCount(0),
      modeSetter(std::move(setMode)),
      loadingScreenShown(false)
{
    // The program draws its own pointer.
    SDL_ShowCursor(SDL_DISABLE);
    // A full screen this start cannot have (a remote desktop, a busy driver)
    // gives a window for this run only: the flag, which the profile saves,
    // keeps asking for full screen on the next start.
    bool shownFullscreen = false;
    screen = OpenVideoMode(Config_GetFullscreen(), false, modeSetter, shownFullscreen);
    SDL_SetClipRect(screen, nullptr);
}

CDraw::~CDraw()
{
    if (shakeSurface) {
        SDL_FreeSurface(shakeSurface);
        shakeSurface = nullptr;
    }
    UnloadLoadingText();

    int remaining = 0;
    for (SDL_Surface*& surface : images) {
        if (surface) {
            remaining++;
            SDL_FreeSurface(surface);
            surface = nullptr;
        }
    }
    images.clear();
    if (remaining > 0) {
        printf("A NUMBER OF IMAGES REMAINING: %i\n", remaining);
    }
    for (auto& [entry, name] : namesByEntry) {
        if (entry->users > 0) {
            printf("IMAGE REMAINING: %s\n", name.c_str());
        }
        delete[] entry->bytes;
        delete entry;
    }
    namesByEntry.clear();
    entriesByName.clear();
    decodedEntries.clear();
    checksums.clear();
    fflush(stdout);

    SDL_ShowCursor(SDL_ENABLE);
    if (CController::draw == this) {
        CController::draw = nullptr;
    }
    if (CSprite::draw == this) {
        CSprite::draw = nullptr;
    }
}

void CDraw::Preload()
{
    LoadLoadingText();
    // Called once: the entries live until the store is destroyed.
    assert(namesByEntry.empty());

    CArchiveReader archive(kImageArchive);
    if (!archive.Opened() || !archive.TableIntact()) {
        ArchiveFailure();
    }
    int kept = 0;
    std::string name;
    for (int i = 0; i < archive.Count(); i++) {
        uint32_t entrySize = 0;
        if (!archive.ReadEntry(i, name, entrySize) || entrySize > INT32_MAX) {
            ArchiveFailure();
        }
        const int size = static_cast<int>(entrySize);
        if (IsSoundName(name)) {
            continue;
        }
        image_data* entry = new image_data{0, -1, new char[size > 0 ? size : 1], size};
        if (!archive.ReadData(entry->bytes)) {
            delete[] entry->bytes;
            delete entry;
            ArchiveFailure();
        }
        // A repeated name stays with its first entry.
        entriesByName.insert({name, entry});
        namesByEntry.insert({entry, name});
        DisplayLoadingText(++kept);
    }
}

int CDraw::LoadImage(const char* name, bool copy, bool quiet)
{
    auto found = entriesByName.find(name);
    if (found == entriesByName.end()) {
        errorMessage("Unable to find preloaded image: ", name, true, true);
    }
    image_data* entry = found->second;
    if (entry->users <= 0 || entry->id == -1) {
        entry->id = PreLoadImage(SDL_RWFromMem(entry->bytes, entry->size), name);
        decodedEntries[entry->id] = entry;
    }
    entry->users++;
    if (!copy) {
        return entry->id;
    }

    const int copyId = ImageFreeSpot(FormatImage(images[entry->id], false), name);
    if (!quiet && entry->users == 1) {
        printf("WARNING: An image '%s' was loaded into an SDL_Surface, copied, and then unloaded.  "
               "This is inefficient if it happens to the same image more than once!\n",
               name);
    }
    RemoveImage(entry->id);
    return copyId;
}

void CDraw::RemoveImage(int id)
{
    CheckId(id);
    checksums.erase(id);
    textLayouts.erase(id);
    if (!images[id]) {
        return;
    }
    auto decoded = decodedEntries.find(id);
    if (decoded != decodedEntries.end()) {
        image_data* entry = decoded->second;
        if (entry->id == id) {
            entry->users--;
            if (entry->users > 0) {
                return;
            }
            entry->users = 0;
            entry->id = -1;
        }
        decodedEntries.erase(decoded);
    }
    SDL_FreeSurface(images[id]);
    images[id] = nullptr;
}

const text_layout* CDraw::TextLayout(int id) const
{
    auto found = textLayouts.find(id);
    return found == textLayouts.end() ? nullptr : &found->second;
}

int CDraw::ImageFreeSpot(SDL_Surface* surface, const char*)
{
    assert(surface);
    for (size_t i = 0; i < images.size(); i++) {
        if (!images[i]) {
            images[i] = surface;
            return static_cast<int>(i);
        }
    }
    images.push_back(surface);
    return static_cast<int>(images.size()) - 1;
}

int CDraw::PreLoadImage(SDL_RWops* stream, const char* name)
{
    // SDL_image wants a writable type string. A name shorter than three
    // characters gives what it has.
    char type[4] = {0, 0, 0, 0};
    const size_t length = strlen(name);
    memcpy(type, length >= 3 ? name + length - 3 : name, length >= 3 ? 3 : length);

    SDL_Surface* decoded = IMG_LoadTyped_RW(stream, 1, type);
    if (!decoded) {
        const std::string text = std::string("Unable to load image (") + name + "): ";
        errorMessage(text.c_str(), SDL_GetError(), true, true);
    }
    return ImageFreeSpot(FormatImage(decoded, true), name);
}

int CDraw::PreLoadImage(const char*)
{
    return -1;
}

SDL_Surface* CDraw::FormatImage(SDL_Surface* surface, bool freeSource)
{
    assert(surface);
    SDL_Surface* formatted =
        surface->format->Amask ? SDL_DisplayFormatAlpha(surface) : SDL_DisplayFormat(surface);
    if (!formatted) {
        errorMessage("Unable to convert image: ", SDL_GetError(), true, true);
    }
    if (freeSource) {
        SDL_FreeSurface(surface);
    }
    return formatted;
}

SDL_Surface* CDraw::GetSurface(int id)
{
    CheckId(id);
    return images[id];
}

int CDraw::GetW(int id)
{
    return Image(id)->w;
}

int CDraw::GetH(int id)
{
    return Image(id)->h;
}

const char* CDraw::GetImageName(int id)
{
    // Undecoded entries carry the id -1; they name no image.
    if (id < 0) {
        return nullptr;
    }
    for (const auto& [entry, name] : namesByEntry) {
        if (entry->id == id) {
            return name.c_str();
        }
    }
    return nullptr;
}

void CDraw::LockImage(int id)
{
    SDL_LockSurface(Image(id));
}

void CDraw::UnlockImage(int id)
{
    SDL_UnlockSurface(Image(id));
}

void CDraw::LockImage(SDL_Surface* surface)
{
    SDL_LockSurface(surface);
}

void CDraw::UnlockImage(SDL_Surface* surface)
{
    SDL_UnlockSurface(surface);
}

// An id that indexes nothing is a caller's fault; it ends the program with
// the id in the log rather than reading or writing outside the table.
void CDraw::CheckId(int id) const
{
    if (id < 0 || id >= static_cast<int>(images.size())) {
        char detail[32];
        snprintf(detail, sizeof detail, "%i", id);
        errorMessage("Image id out of range: ", detail, true, true);
    }
}

SDL_Surface* CDraw::Image(int id) const
{
    CheckId(id);
    if (!images[id]) {
        char detail[32];
        snprintf(detail, sizeof detail, "%i", id);
        errorMessage("Image id names no image: ", detail, true, true);
    }
    return images[id];
}
