// Player input pushed as SDL events, read by the main loop's next turn.
// Fixtures inherit it; one that also inherits another Push names this one.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

struct SdlInput {
    static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }

    static void DrainEvents()
    {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
    }

    static void PointAt(int x, int y)
    {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
        Push(event);
    }

    // One edge of a mouse button or a key; the plain forms press and release.
    static void ButtonEdge(Uint8 button, bool down)
    {
        SDL_Event event{};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = button;
        Push(event);
    }

    static void KeyEdge(int key, bool down)
    {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.keysym.sym = static_cast<SDLKey>(key);
        Push(event);
    }

    static void Button(Uint8 button) { ButtonEdge(button, true), ButtonEdge(button, false); }
    static void Key(int key) { KeyEdge(key, true), KeyEdge(key, false); }
    static void Escape() { Key(SDLK_ESCAPE); }

    static void CloseWindow()
    {
        SDL_Event event{};
        event.type = SDL_QUIT;
        Push(event);
    }
};
