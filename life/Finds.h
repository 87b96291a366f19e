// What the finds on the ground (guano, mushrooms, relics) and the washed-up
// crates share: a request put to the player whole, the faded copies a find
// fades through, the growing picture, hiding and showing of a find, the spot
// search of finds the island places itself, and the collection of a find as a
// lab reagent.
#pragma once

#include "WorldTypes.h"

class CObject;
class CSprite;

// Makes asker the object that asks, with this request and nothing left of an
// earlier one (the texts are copies the request owns).
void AskPlayer(CObject* asker, const feedback_data& request);
// A notice with a string id and no inserts.
void AskPlayer(CObject* asker, int noticeId);

// Appends to sprite private copies of image with its alpha times each factor,
// in order; the sprite holds them and frees them with itself.
void AppendFadedCopies(CSprite* sprite, int image, const float* alphas, int count, const char* label);

// Moves find to a free spot of ground: for a mushroom grass or sand, high
// enough; for a relic a narrow band of bare sand. After the last try the last
// point stands.
void PlaceOnGround(CObject* find, bool relic);

// The picture of a find that grows in and later shrinks away: five faded
// copies of picture, then picture itself, two frames each, paused at either
// end, at the depth of world row y plus its height, hidden off the screen.
// The caller owns the sprite.
CSprite* MakeGrowingSprite(const char* picture, const char* label, float y);

// A find's hiding and showing. Gone for good (no sprite, or gone) stays gone.
void HideFind(CSprite* sprite, bool& hidden);
void ShowFind(CSprite* sprite, bool& hidden, bool gone = false);
// Each frame: shown unless hidden, at world (x, y) in the view.
void KeepFindInView(CSprite* sprite, bool hidden, float x, float y, int offsetX, int offsetY);

// The collection shared by the finds: the tutorial step (when tutorial), the
// notice while no science station is usable, and one more in the count.
void CollectFind(CObject* find, int countKey, int noticeId, bool tutorial);
// The player closed the notice of a find.
void AnswerFindNotice(CObject* find);
// Whether the point hits a find's sprite grown by the margins; (-1, -1) the
// mouse, else world pixels. Finds lie at one depth above the ground. A find
// hidden, gone or not shown is never hit.
bool FindIsAt(CSprite* sprite, bool hidden, int& z, int x, int y, int marginX, int marginY);
