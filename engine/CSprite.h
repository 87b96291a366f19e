// TEMPORARY stand-in for the sprite class until the real one lands: it keeps
// position, depth, size, visibility and the image list, but draws nothing and
// never registers with a renderer. Image sizes come from a table filled by
// whoever plays the image store's part (the tests, from the resource
// manifest); an image missing from that table is as fatal as an image missing
// from the archive. Its owner deletes it.
#pragma once

#include <string>
#include <vector>

class CDraw;
class CRenderer;

class CSprite {
public:
    explicit CSprite(int z);
    CSprite(int z, int framesPerStep);
    CSprite(int x, int y, int z);
    ~CSprite();

    void LoadImage(int id);
    void LoadImage(const char* name);

    void Move(int x, int y);
    void Move(int x, int y, int z);
    void Move(float x, float y);
    void Move(float x, float y, float z);
    void SetZ(int z);
    int GetX();
    int GetY();
    int GetZ();
    int GetW();
    int GetH();
    int GetOriginalW();
    int GetOriginalH();
    void SetW(int w);
    void SetH(int h);

    void Hide();
    void UnHide();
    bool Hidden();

    void Lighten(bool on, float factor);

    // (-1, -1) means the mouse. Every pixel inside the rectangle counts as
    // opaque here.
    bool IsCollisionPixelPerfect(int px, int py);
    bool IsCollision(int px, int py, int marginX, int marginY);

    int GetNumImages();

    static CDraw* draw;
    static CRenderer* renderer;

    // Stand-in only: the size of an archive image by name.
    static void SetStandInImageSize(const char* name, int w, int h);
    static void ClearStandInImageSizes();

    bool dirtyOnDelete;

private:
    int x, y, z;
    int w, h;
    int fullW, fullH;
    bool hidden;
    float tint;
    std::vector<std::string> images;
};
