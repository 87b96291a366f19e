// What the finds on the ground (guano, mushrooms, relics) and the washed-up
// crates share: a request put to the player whole, the faded copies a find
// fades through, the spot search of finds the island places itself, and the
// collection of a find as a lab reagent.
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

// A free spot of ground for a mushroom (grass or sand, high enough) or a
// relic (a narrow band of bare sand), world pixels. After the last try the
// last point stands.
void FindGroundSpot(bool relic, int& x, int& y);

// The collection shared by the finds: the tutorial step (when tutorial), the
// notice while no science station is usable, and one more in the count.
void CollectFind(CObject* find, int countKey, int noticeId, bool tutorial);
// The player closed the notice of a find.
void AnswerFindNotice(CObject* find);
// Whether the point hits a find's sprite grown by the margins; (-1, -1) the
// mouse, else world pixels. Finds lie at one depth above the ground.
bool FindIsAt(CSprite* sprite, int& z, int x, int y, int marginX, int marginY);
