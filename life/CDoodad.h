// One still piece of beach decoration: a pebble, a small or big shell, or a
// small or big starfish. It only lies there and blocks space; clicks and hover
// do nothing. The island creates the doodads while it builds the beaches,
// keeps them in its doodad list and reads their image names for the mini-map;
// they are deleted with the island's world objects and never saved.
#pragma once

#include "CObject.h"

#include <string>

class CSprite;

class CDoodad : public CObject {
public:
    enum { PEBBLE, SMALL_SHELL, BIG_SHELL, SMALL_STARFISH, BIG_STARFISH };

    // Top-left at world (x, y); kind -1 picks one at random. Draws from the
    // shared random generator, so island generation depends on the draw order.
    CDoodad(int x, int y, int kind);
    ~CDoodad() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    void Rollover(bool over) override;
    int GetX() override;
    int GetY() override;

    // Empty when the kind has no picture.
    const char* GetSpriteName();

private:
    CSprite* sprite;
    bool hidden;
    std::string imageName;
};
