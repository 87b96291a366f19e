// The builder's drawings of the game's pictures. Each picture name is matched
// against the rule table (PackPictureRules.h) and drawn by the painter its
// rule names, at the size the manifest gives: a tree as a trunk and a leafy
// crown, a rock as a shaded boulder, a hut as walls and a thatched roof at its
// building stage, a button as a button. World pictures carry no text; screen
// pieces show a label only where the manifest gives one, since a placeholder
// there stands for words the player must read. A name no rule knows is drawn
// as a labelled shape (PackImages.h) and reported by UnruledPictures.
#pragma once

#include "CPictureCanvas.h"

#include <cstdint>
#include <string>
#include <vector>

enum class PictureSubject {
    Unruled,
    // the island
    TreeTrunk, TreeCrown, Shadow, Rock, SelectionRing, GrassTuft, GrassBlade, MapDot, Flower, Crop, Mat, Pile,
    Tombstone, Crate, Barrel, Relic, DustHeap, Mystery, Icon,
    // buildings
    Building, Fireplace, Roof, Ship, HutCard,
    // shore, sea and sky
    Pebble, Shell, Starfish, FishJump, Ripple, Splash, Footprint, Butterfly, Gull, Bird, Sparkle, DustFall, Mist,
    Cloud, Rain, RainStreak, Wave, Froth, IslandThumb,
    // pointers and screens
    Pointer, Hourglass, Flask, Bubble, Item, Backdrop, Fader, Panel, Button, Frame, Medal, Glow,
    // the clothes designer's garment tab icons and quick-pick swatches
    Garment,
    // scenes that tell something: the stories, the instruction pages, the emblem, the main menu
    Story, Lesson, Emblem, MenuScene,
    // keepsakes: the trophy room's settings and medals, the mystery badges and sockets, the map's trophy button
    Cabinet, SettingGlow, Setting, Trophy, MysteryBadge, MysterySlots, TrophyButton, ChooserOverlay,
};

struct picture_rule_data {
    const char* pattern;  // '*' matches any run of characters, '?' one
    PictureSubject subject;
    bool readable;        // the picture stands for words the player must read: its label is drawn
};

// What a painter is asked to draw.
struct picture_job {
    std::string name;
    std::string label;  // what the manifest gave; drawn only on readable pictures
    int width;
    int height;
    bool opaque;        // JPEG: every pixel must be covered
    uint64_t seed;      // from the name, for variation that repeats run to run
    bool readable;
};

// The first rule whose pattern matches name, or an Unruled one.
picture_rule_data FindPictureRule(const std::string& name);

// Does pattern ('*' and '?') match the whole of text?
bool MatchPattern(const char* pattern, const char* text);

// RGBA, 4 bytes a pixel, rows top to bottom; empty when no rule knows name.
std::vector<uint8_t> DrawPicture(const std::string& name, int width, int height, const std::string& label,
                                 bool opaque);

// The number that follows word in name ("construct3" gives 3), or fallback.
int NumberAfter(const std::string& name, const char* word, int fallback = 0);
// The last number in the name's stem, or fallback.
int LastNumber(const std::string& name, int fallback = 0);
