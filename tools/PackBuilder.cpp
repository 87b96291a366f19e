#include "PackBuilder.h"

#include "PackArchive.h"
#include "PackImages.h"
#include "PackManifest.h"
#include "PackPictures.h"
#include "PackSounds.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// Written beside the target and renamed over it, so the game never meets a
// half-written file.
bool WriteFile(const fs::path& path, const std::string& bytes, std::string& error)
{
    const fs::path temporary = path.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            error = "cannot write '" + temporary.string() + "'";
            return false;
        }
    }
    std::error_code code;
    fs::rename(temporary, path, code);
    if (code) {
        error = "cannot replace '" + path.string() + "': " + code.message();
        return false;
    }
    return true;
}

bool ReadFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    bytes = buffer.str();
    return !in.bad();
}

bool WriteArchive(const fs::path& path, const pack_archive_data& entries, std::string& error)
{
    std::string bytes;
    if (!EncodeArchive(entries, bytes)) {
        error = "'" + path.string() + "' would be larger than 4 GB";
        return false;
    }
    return WriteFile(path, bytes, error);
}

}  // namespace

bool BuildPack(const std::string& manifestDir, const std::string& outDir, std::string& error)
{
    pack_manifest_data manifest;
    if (!ReadManifestFolder(manifestDir, manifest, error)) {
        return false;
    }
    const fs::path out(outDir);
    std::error_code code;
    fs::create_directories(out / "music", code);
    if (!code) {
        fs::create_directories(out / "voice", code);
    }
    if (code) {
        error = "cannot create the resource folder '" + outDir + "': " + code.message();
        return false;
    }

    pack_archive_data images, sounds, fonts;
    for (const pack_entry_data& entry : manifest.entries) {
        std::string bytes;
        switch (entry.kind) {
        case PackKind::Image:
        case PackKind::File:
            if (std::string reason; !MakePicture(entry, bytes, reason)) {
                error = entry.where + ": " + reason;
                return false;
            }
            if (!entry.figure && FindPictureRule(entry.name).subject == PictureSubject::Unruled) {
                fprintf(stderr, "palmora-pack: note: %s: no drawing rule for '%s' (tools/PackPictureRules.h); "
                        "drawn as a labelled shape\n", entry.where.c_str(), entry.name.c_str());
            }
            if (entry.kind == PackKind::Image) {
                images.emplace_back(entry.name, std::move(bytes));
            } else if (!WriteFile(out / entry.name, bytes, error)) {
                return false;
            }
            break;
        case PackKind::Sound:
        case PackKind::Music:
        case PackKind::Voice:
            if (!MakeSound(entry, bytes)) {
                error = entry.where + ": cannot encode the sound '" + entry.name + "'";
                return false;
            }
            if (entry.kind == PackKind::Sound) {
                sounds.emplace_back(entry.name, std::move(bytes));
            } else if (!WriteFile(out / (entry.kind == PackKind::Music ? "music" : "voice") / entry.name, bytes,
                                  error)) {
                return false;
            }
            break;
        case PackKind::Font:
            if (!ReadFile(entry.path, bytes)) {
                error = entry.where + ": cannot read the font file '" + entry.path + "'";
                return false;
            }
            fonts.emplace_back(entry.name, std::move(bytes));
            break;
        }
    }
    return WriteArchive(out / "resource.dat", images, error) && WriteArchive(out / "resource2.dat", sounds, error) &&
           WriteArchive(out / "resource3.dat", fonts, error) &&
           WriteFile(out / "strings.dat", EncodeStringTable(manifest.strings), error);
}

int RunPack(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: palmora-pack MANIFEST_DIR OUT_DIR\n");
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    std::string error;
    if (!BuildPack(argv[1], argv[2], error)) {
        fprintf(stderr, "palmora-pack: error: %s\n", error.c_str());
        return 1;
    }
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    printf("palmora-pack: wrote %s in %lld ms\n", argv[2], static_cast<long long>(elapsed.count()));
    return 0;
}
