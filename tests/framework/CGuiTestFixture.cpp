#include "CGuiTestFixture.h"

#include "CDraw.h"
#include "CGuiSliderBar.h"
#include "CRenderer.h"
#include "FontSystem.h"
#include "Screenshot.h"
#include "TestBytes.h"
#include "Utilities.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// An image archive entry (size, name length, name, data): a w x h 32-bit TGA
// of one colour but for a transparent band down its left side.
std::string Entry(const std::string& name, int w, int h, uint8_t r, uint8_t g, uint8_t b, int band = 0)
{
    // Uncompressed true colour, 8 alpha bits, rows from the top.
    const uint8_t header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, uint8_t(w), uint8_t(w >> 8), uint8_t(h),
                                uint8_t(h >> 8), 32, 0x28};
    std::string tga(reinterpret_cast<const char*>(header), 18);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            tga += {char(b), char(g), char(r), char(x < band ? 0 : 255)};
        }
    }
    const uint32_t sizes[2] = {static_cast<uint32_t>(tga.size()), static_cast<uint32_t>(name.size())};
    return std::string(reinterpret_cast<const char*>(sizes), 8) + name + tga;
}

}  // namespace

WidgetArchive::WidgetArchive(const TempFolder&)
{
    // Faces deep enough in tone that the light labels on them read.
    std::vector<std::string> added = {Entry("wt_button.tga", kFaceW, kFaceH, 70, 50, 30, 10),
                                      Entry("wt_shadow.tga", kFaceW, kFaceH, 40, 30, 20, 10),
                                      Entry("wt_icon.tga", 20, 10, 40, 90, 200),
                                      Entry("wt_knob.tga", 16, 24, 120, 120, 130),
                                      Entry("wt_under.tga", 20, 28, 60, 60, 70)};
    for (int i = 0; i < 8; i++) {
        const uint8_t step = static_cast<uint8_t>(i * 6);
        added.push_back(Entry("wt_roll" + std::to_string(i) + ".tga", kFaceW, kFaceH, 80 + step, 60, 30, 10));
        added.push_back(Entry("wt_knob" + std::to_string(i) + ".tga", 16, 24, 150 + step, 150, 200));
        added.push_back(Entry("wt_press" + std::to_string(i) + ".tga", kFaceW, kFaceH, 60 - step, 40, 20, 10));
    }
    // The archive is a count, an offset table and the entries: the old
    // entries move down by the table's growth and the new ones follow.
    GameResources::LinkResources();
    const std::string path = RESOURCE_FOLDER "resource.dat";
    const std::string bytes = ReadBytes(path);
    const uint32_t* words = reinterpret_cast<const uint32_t*>(bytes.data());
    std::vector<uint32_t> table(1, words[0] + static_cast<uint32_t>(added.size()));
    for (uint32_t i = 0; i < words[0]; i++) {
        table.push_back(words[1 + i] + 4 * static_cast<uint32_t>(added.size()));
    }
    std::string entries = bytes.substr(4 + 4 * words[0]);
    for (const std::string& entry : added) {
        table.push_back(static_cast<uint32_t>(4 * (1 + table[0]) + entries.size()));
        entries += entry;
    }
    remove(path.c_str());
    std::ofstream(path, std::ios::binary)
        << std::string(reinterpret_cast<const char*>(table.data()), 4 * table.size()) << entries;

    FontSystem_Load(RESOURCE_FOLDER, RESOURCE_FOLDER "strings.dat");
    const char* const labels[] = {"Play", "One", "Two", "Three", "Four", "Five"};
    const char* const greetings[] = {"Hello %1", "Hi %1", "Hey %1", "Yo %1", "Oi %1", "Ho %1"};
    for (int i = 0; i < 6; i++) {
        strings[kLabel + i] = {FontSystem_ASCIItoUnicode(labels[i]), "DejaVuSans.ttf", 14, 250, 240, 200, 0};
        strings[kGreeting + i] = {FontSystem_ASCIItoUnicode(greetings[i]), "DejaVuSans.ttf", 14, 250, 240, 200, 0};
    }
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

int WidgetTest::InkIn(int x, int y, int w, int h)
{
    const rgb_picture shown = PictureOf(SDL_GetVideoSurface());
    int ink = 0;
    for (int row = y; row < y + h; row++) {
        for (int column = x; column < x + w; column++) {
            const uint8_t* p = &shown.rgb[(static_cast<size_t>(row) * shown.w + column) * 3];
            ink += p[0] || p[1] || p[2];
        }
    }
    return ink;
}

button_data WidgetTest::Face(int x, int y, int id, CController* owner)
{
    button_data data;
    data.x = x;
    data.y = y;
    data.id = id;
    data.owner = owner;
    data.textId = kLabel;
    data.baseImage = "wt_button.tga";
    data.shadowImage = "wt_shadow.tga";
    data.rolloverImage = "wt_roll%i.tga";
    data.rolloverFrames = 5;
    return data;
}
