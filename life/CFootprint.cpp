#include "CFootprint.h"

#include "CDraw.h"
#include "CProfile.h"
#include "CSprite.h"
#include "Utilities.h"

#include <cmath>

namespace {

constexpr int kVisualEffectsProperty = 7;
constexpr int kFootprintZ = 8;
constexpr int kFramesPerStep = 12;
constexpr float kLowestDepth = 1.0f;
constexpr float kDepthRange = 0.55f;

constexpr const char* kBodyNames[CFootprint::BODIES] = {"baby", "kid", "adult"};
constexpr const char* kDirectionNames[CFootprint::DIRECTIONS] = {"NE", "SE", "SW", "NW"};
constexpr const char* kFootNames[CFootprint::FEET] = {"L", "R"};

enum Walker { KID, BABY, WOMAN_ALTERNATIVE, WOMAN, MAN_ALTERNATIVE, MAN, WALKERS };

// Where each foot falls relative to the walker's picture, by walker,
// direction and foot (left, right).
constexpr int kFootOffsets[WALKERS][CFootprint::DIRECTIONS][CFootprint::FEET][2] = {
    {{{4, 29}, {15, 35}}, {{16, 31}, {7, 37}}, {{12, 37}, {3, 31}}, {{8, 34}, {19, 29}}},
    {{{7, 21}, {14, 23}}, {{16, 21}, {9, 23}}, {{14, 23}, {7, 20}}, {{10, 22}, {16, 21}}},
    {{{4, 47}, {15, 54}}, {{16, 46}, {3, 53}}, {{18, 53}, {6, 46}}, {{7, 53}, {18, 47}}},
    {{{5, 49}, {16, 55}}, {{17, 47}, {4, 54}}, {{18, 54}, {6, 46}}, {{6, 54}, {17, 48}}},
    {{{2, 45}, {14, 49}}, {{14, 44}, {3, 49}}, {{18, 48}, {9, 44}}, {{6, 49}, {18, 45}}},
    {{{6, 45}, {18, 49}}, {{15, 43}, {4, 48}}, {{17, 48}, {6, 44}}, {{10, 50}, {21, 45}}},
};

bool EffectsOn()
{
    return CProfile::current && CProfile::current->GetValue<bool>(kVisualEffectsProperty);
}

const char* ImageName(int direction, int foot, int body, int variant)
{
    return TempSprintf("footprint_%s_%s_%s_%i.png", kBodyNames[body], kDirectionNames[direction], kFootNames[foot],
                       variant);
}

bool Finished(CSprite* sprite)
{
    return sprite->AtEnd() && sprite->Paused();
}

}  // namespace

std::vector<foot_struct> CFootprint::feet[DIRECTIONS][FEET][BODIES];
int CFootprint::feetImages[DIRECTIONS][FEET][BODIES][VARIANTS][FADE_STEPS];
bool CFootprint::imagesLoaded = false;

void CFootprint::LoadImages()
{
    if (imagesLoaded) {
        return;
    }
    imagesLoaded = true;
    CDraw* draw = CSprite::draw;
    for (int direction = 0; direction < DIRECTIONS; direction++) {
        for (int foot = 0; foot < FEET; foot++) {
            for (int body = 0; body < BODIES; body++) {
                for (int variant = 0; variant < VARIANTS; variant++) {
                    int* steps = feetImages[direction][foot][body][variant];
                    steps[0] = draw->LoadImage(ImageName(direction, foot, body, variant), false, false);
                    for (int i = 1; i < FADE_STEPS; i++) {
                        const float alpha = 1.0f - static_cast<float>(i) / (FADE_STEPS - 1);
                        SDL_Surface* faded =
                            draw->AlterImageRGBA(steps[0], RGBA_offset{1.0f, 1.0f, 1.0f, alpha}, true, nullptr, 1.0f,
                                                 1.0f, 1.0f);
                        steps[i] = draw->ImageFreeSpot(faded, "FOOTPRINT FADING");
                    }
                }
            }
        }
    }
}

void CFootprint::AddPrint(int atX, int atY, float depth, bool left, bool male, bool kid, bool baby, int direction,
                          bool alternativeWalk)
{
    if (!EffectsOn() || depth <= kLowestDepth || depth >= kLowestDepth + kDepthRange) {
        return;
    }
    LoadImages();
    const int foot = left ? 0 : 1;
    const int body = baby && !kid ? 0 : kid ? 1 : 2;
    const int variant = RangedRandom(0, 1);
    // Prints on higher, drier ground start more faded.
    const float fraction = std::pow((depth - kLowestDepth) / kDepthRange, 1.5f);
    const int startStep = Round(fraction * (FADE_STEPS - 1));

    const Walker walker = kid                ? KID
                          : baby             ? BABY
                          : male             ? (alternativeWalk ? MAN_ALTERNATIVE : MAN)
                          : alternativeWalk ? WOMAN_ALTERNATIVE
                                             : WOMAN;
    const int* offset = kFootOffsets[walker][direction][foot];
    const int printX = atX + offset[0] + RangedRandom(-1, 1);
    const int printY = atY + offset[1] + RangedRandom(-1, 1);

    std::vector<foot_struct>& list = feet[direction][foot][body];
    for (foot_struct& print : list) {
        if (Finished(print.sprite)) {
            print.x = printX;
            print.y = printY;
            print.sprite->SetFrame(static_cast<unsigned int>(startStep));
            print.sprite->PlayForward();
            return;
        }
    }
    CSprite* sprite = new CSprite(kFootprintZ, kFramesPerStep);
    // The archive picture is counted, so the print takes a use of its own.
    sprite->LoadImage(ImageName(direction, foot, body, variant));
    for (int i = 1; i < FADE_STEPS; i++) {
        sprite->LoadImage(feetImages[direction][foot][body][variant][i]);
    }
    sprite->PauseWhenDone();
    sprite->SetFrame(static_cast<unsigned int>(startStep));
    sprite->PlayForward();
    sprite->Move(-100, -100);
    list.push_back(foot_struct{printX, printY, sprite});
}

void CFootprint::PumpAll(int offsetX, int offsetY)
{
    for (auto& byFoot : feet) {
        for (auto& byBody : byFoot) {
            for (std::vector<foot_struct>& list : byBody) {
                for (foot_struct& print : list) {
                    if (!Finished(print.sprite)) {
                        print.sprite->Move(offsetX + print.x, offsetY + print.y);
                    }
                }
            }
        }
    }
}

void CFootprint::Unload()
{
    // The prints of one list share their fading copies, which the store does
    // not count: the first print deleted frees them, and later releases of
    // the same ids find empty slots and do nothing. Nothing is made in
    // between, so no freed id is handed out again before the last release.
    for (auto& byFoot : feet) {
        for (auto& byBody : byFoot) {
            for (std::vector<foot_struct>& list : byBody) {
                for (foot_struct& print : list) {
                    delete print.sprite;
                }
                list.clear();
            }
        }
    }
    if (!imagesLoaded) {
        return;
    }
    for (auto& byFoot : feetImages) {
        for (auto& byBody : byFoot) {
            for (auto& byVariant : byBody) {
                for (auto& steps : byVariant) {
                    for (int id : steps) {
                        CSprite::draw->RemoveImage(id);
                    }
                }
            }
        }
    }
    imagesLoaded = false;
}
