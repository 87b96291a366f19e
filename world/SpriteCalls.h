// Sprite operations that the island and its objects call on sprites whose
// class may be built without them: frames, clipping and text images. Each
// call forwards to the sprite when its class has the operation and does
// nothing otherwise, so these files build against either sprite class.
#pragma once

#include "CSprite.h"

namespace sprite_calls {

template <typename S>
auto SetFrame(S* sprite, unsigned int frame, int) -> decltype(sprite->SetFrame(frame), void())
{
    sprite->SetFrame(frame);
}
template <typename S>
void SetFrame(S*, unsigned int, long)
{
}

template <typename S>
auto ClipToRect(S* sprite, int x, int y, int w, int h, int) -> decltype(sprite->ClipToRect(x, y, w, h), void())
{
    sprite->ClipToRect(x, y, w, h);
}
template <typename S>
void ClipToRect(S*, int, int, int, int, long)
{
}

template <typename S>
auto LoadTextShadow(S* sprite, int id, int w, int h, int align, int& lines, unsigned char r, unsigned char g,
                    unsigned char b, int)
    -> decltype(sprite->LoadTextShadow(id, w, h, align, lines, r, g, b, nullptr, nullptr, nullptr, nullptr,
                                       nullptr),
                void())
{
    sprite->LoadTextShadow(id, w, h, align, lines, r, g, b, nullptr, nullptr, nullptr, nullptr, nullptr);
}
template <typename S>
void LoadTextShadow(S*, int, int, int, int, int&, unsigned char, unsigned char, unsigned char, long)
{
}

}  // namespace sprite_calls

// Shows image i (clamped to the last).
inline void SpriteSetFrame(CSprite* sprite, unsigned int frame)
{
    sprite_calls::SetFrame(sprite, frame, 0);
}

inline void SpriteClipToRect(CSprite* sprite, int x, int y, int w, int h)
{
    sprite_calls::ClipToRect(sprite, x, y, w, h, 0);
}

// Appends a string-table text over a four-fold shadow, rendered into a w x h
// box with the given alignment.
inline void SpriteLoadTextShadow(CSprite* sprite, int id, int w, int h, int align, unsigned char r,
                                 unsigned char g, unsigned char b)
{
    int lines = 0;
    sprite_calls::LoadTextShadow(sprite, id, w, h, align, lines, r, g, b, 0);
}
