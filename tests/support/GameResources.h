// The program's drawing services over the generated resource folder, for
// tests that need real pictures: the resource folder's files linked into the
// current test folder, SDL video on the 800x600 screen of a real drawing
// context with every archive image preloaded, and a renderer.
// CSprite::draw, CController::draw, CSprite::renderer and CController::renderer
// point at them while the object lives. Make it inside a TempFolder (it
// works in the current directory) and let it die before that folder and after
// every sprite.
#pragma once

#include <memory>
#include <string>
#include <vector>

class CDraw;
class CRenderer;
class TempFolder;

class GameResources {
public:
    explicit GameResources(const TempFolder& folder);
    ~GameResources();
    GameResources(const GameResources&) = delete;
    GameResources& operator=(const GameResources&) = delete;

    CDraw& Draw() { return *draw; }
    CRenderer& Renderer() { return *renderer; }

    // Links every file of the generated resource folder ($PALMORA_RESOURCES)
    // into Palmora.app/Contents/Resources/ of the current directory. The
    // constructor does it when the folder has no image archive yet.
    static void LinkResources();
    // Replaces the linked image archive by a copy without the named entries.
    static void DropImages(const std::vector<std::string>& names);

private:
    std::unique_ptr<CDraw> draw;
    std::unique_ptr<CRenderer> renderer;
};
