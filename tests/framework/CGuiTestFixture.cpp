#include "CGuiTestFixture.h"

#include "CGuiSliderBar.h"
#include "CDraw.h"
#include "CRenderer.h"
#include "FontSystem.h"
#include "Utilities.h"

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
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

const char* const kTable =
    "!DejaVuSans.ttf|14|250|240|200|0\n"
    "@91000|Play\n@91001|One\n@91002|Two\n@91003|Three\n@91004|Four\n@91005|Five\n"
    "@91010|Hello %1\n@91011|Hi %1\n@91012|Hey %1\n@91013|Yo %1\n@91014|Oi %1\n@91015|Ho %1\n";

// A w x h PNG filled with (r, g, b), a darker 2-pixel frame, and a
// transparent top-left notch of the given size.
std::string Picture(int w, int h, uint8_t r, uint8_t g, uint8_t b, int notch)
{
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            const bool edge = x < 2 || y < 2 || x >= w - 2 || y >= h - 2;
            uint8_t* p = &rgba[(static_cast<size_t>(y) * w + x) * 4];
            p[0] = edge ? r / 2 : r;
            p[1] = edge ? g / 2 : g;
            p[2] = edge ? b / 2 : b;
            p[3] = x < notch && y < notch ? 0 : 255;
        }
    }
    std::string png;
    stbi_write_png_to_func([](void* out, void* data, int size) { static_cast<std::string*>(out)->append(
                               static_cast<const char*>(data), static_cast<size_t>(size)); },
                           &png, w, h, 4, rgba.data(), w * 4);
    return png;
}

std::string Word(uint32_t value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

uint32_t WordAt(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    bytes.copy(reinterpret_cast<char*>(&value), 4, at);
    return value;
}

}  // namespace

WidgetArchive::WidgetArchive(const TempFolder&)
{
    std::vector<std::pair<std::string, std::string>> added = {
        {"wt_button.png", Picture(kFaceW, kFaceH, 200, 160, 90, kNotch)},
        {"wt_shadow.png", Picture(kFaceW, kFaceH, 40, 30, 20, kNotch)},
        {"wt_icon0.png", Picture(20, 10, 40, 90, 200, 0)},
        {"wt_icon1.png", Picture(20, 10, 90, 140, 250, 0)},
        {"wt_knob.png", Picture(16, 24, 120, 120, 130, 0)},
        {"wt_track.png", Picture(200, 8, 60, 60, 70, 0)},
    };
    for (int i = 0; i <= 7; i++) {
        const uint8_t step = static_cast<uint8_t>(i * 6);
        if (i > 0) {
            added.push_back({"wt_roll" + std::to_string(i) + ".png",
                             Picture(kFaceW, kFaceH, 210 + step, 180 + step, 100, kNotch)});
        }
        if (i > 0 && i <= 5) {
            added.push_back({"wt_knob" + std::to_string(i) + ".png", Picture(16, 24, 150 + step, 150, 200, 0)});
        }
        if (i < 3) {
            added.push_back({"wt_press" + std::to_string(i) + ".png",
                             Picture(kFaceW, kFaceH, 150 - step, 110, 60, kNotch)});
        }
    }

    // The archive: a count, an offset table, then entries of size, name
    // length, name and data.
    GameResources::LinkResources();
    const fs::path path = fs::path(RESOURCE_FOLDER) / "resource.dat";
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    const uint32_t count = WordAt(bytes, 0);
    std::vector<std::string> entries;
    for (uint32_t i = 0; i < count; i++) {
        const uint32_t at = WordAt(bytes, 4 + 4 * i);
        entries.push_back(bytes.substr(at, 8 + WordAt(bytes, at + 4) + WordAt(bytes, at)));
    }
    for (const auto& [name, data] : added) {
        entries.push_back(Word(static_cast<uint32_t>(data.size())) + Word(static_cast<uint32_t>(name.size())) +
                          name + data);
    }
    std::string archive = Word(static_cast<uint32_t>(entries.size()));
    uint32_t offset = 4 + 4 * static_cast<uint32_t>(entries.size());
    for (const std::string& entry : entries) {
        archive += Word(offset);
        offset += static_cast<uint32_t>(entry.size());
    }
    for (const std::string& entry : entries) {
        archive += entry;
    }
    fs::remove(path);
    std::ofstream(path, std::ios::binary) << archive;

    std::string table = "\xff\xfe";
    for (const char c : std::string(kTable)) {
        table += c;
        table += '\0';
    }
    std::ofstream("widget_strings.dat", std::ios::binary) << table;
    FontSystem_Load(RESOURCE_FOLDER, "widget_strings.dat");
}

WidgetArchive::~WidgetArchive()
{
    FontSystem_Unload();
    strings.clear();
}

WidgetTest::WidgetTest() : background(std::make_unique<CSprite>(0))
{
    background->LoadImage(resources.Draw().CreateSizedBlank(800, 600, nullptr));
    CController::input = &input;
    screen.hasFocus = true;
    MouseAt(0, 0);
}

WidgetTest::~WidgetTest()
{
    CController::input = nullptr;
    CGuiButtonBase::currentButton = -1;
    CGuiButtonBase::leftMouseDown = false;
    CGuiSliderBar::leftMouseDown = false;
}

void WidgetTest::MouseAt(int x, int y)
{
    input.mouseX = x;
    input.mouseY = y;
}

void WidgetTest::Frame(int count)
{
    for (int i = 0; i < count; i++) {
        CGuiButtonBase::PumpAll();
        CGuiSliderBar::PumpAll();
        resources.Renderer().Render(true);
    }
}

void WidgetTest::Left(bool released)
{
    CGuiButtonBase::LeftMouseClick(released, false);
    CGuiSliderBar::LeftMouseClick(released, false);
}

void WidgetTest::Click()
{
    Left(false);
    Left(true);
}

button_data WidgetTest::Face(int x, int y, int id, CController* owner)
{
    button_data data;
    data.x = x;
    data.y = y;
    data.id = id;
    data.owner = owner;
    data.textId = kLabel;
    data.baseImage = "wt_button.png";
    data.shadowImage = "wt_shadow.png";
    data.rolloverImage = "wt_roll%i.png";
    data.rolloverFrames = 5;
    return data;
}
