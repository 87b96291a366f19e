// Building and releasing the islander's sprite stack, and hiding and showing
// it as a whole.
#include "CPerson.h"

#include "CDraw.h"
#include "CSprite.h"
#include "SpriteTables.h"
#include "Utilities.h"

#include <string>

using namespace sprite_tables;

namespace {

constexpr int kOffScreen = -100;
constexpr int kShadowZ = 29;
constexpr int kRingZ = 30;
constexpr int kRolloverZ = 29;
constexpr int kBabyGarmentRate = 2;
constexpr int kBabyWalkImages = 16;
constexpr int kWalkImages = 10;
constexpr int kSplashImages = 17;
constexpr int kDustImages = 40;
constexpr int kFirstLidFrame = 4, kLastLidFrame = 12;

CSprite* Parked(CSprite* sprite)
{
    sprite->Move(kOffScreen, kOffScreen);
    sprite->Hide();
    return sprite;
}

// A sprite of prefix + i + suffix for i in first..last.
CSprite* Animation(int framesPerStep, const std::string& prefix, int first, int last, const char* suffix)
{
    CSprite* sprite = new CSprite(0, framesPerStep);
    sprite->LoadImage(prefix.c_str(), first, last, suffix);
    return Parked(sprite);
}

CSprite* Still(const std::string& name, int z = 0)
{
    CSprite* sprite = new CSprite(z);
    sprite->LoadImage(name.c_str());
    return Parked(sprite);
}

void SetOffsets(direction_set& set, const offset (&offsets)[kDirections])
{
    for (int d = 0; d < kDirections; d++) {
        set.entry[d].x = offsets[d].x;
        set.entry[d].y = offsets[d].y;
    }
}

void DeleteSet(direction_set& set)
{
    for (direction_entry& entry : set.entry) {
        delete entry.sprite;
        entry = direction_entry{nullptr, 0, 0};
    }
}

void DeleteArray(CSprite** sprites, int count)
{
    for (int i = 0; i < count; i++) {
        delete sprites[i];
        sprites[i] = nullptr;
    }
}

void Show(CSprite* sprite, bool show)
{
    if (!sprite) {
        return;
    }
    if (show) {
        sprite->UnHide();
    } else {
        sprite->Hide();
    }
}

// A wake ripple that swells to its top image and dies away again.
CSprite* WakeSprite(int top)
{
    CSprite* sprite = new CSprite(0, 1);
    for (int i = 0; i <= top; i++) {
        sprite->LoadImage(TempSprintf("TEMP_wave%i.png", i));
    }
    for (int i = top - 1; i >= 0; i--) {
        sprite->LoadImage(TempSprintf("TEMP_wave%i.png", i));
    }
    sprite->ResetStart();
    sprite->SetFrame(static_cast<unsigned int>(RangedRandom(0, sprite->GetNumImages() - 2)));
    return Parked(sprite);
}

// An eyelid: blank only, or blank, half shut, shut, half shut, blank.
CSprite* Eyelid(const char* stage, int skin, int headFrame)
{
    CSprite* sprite = new CSprite(0, 1);
    const std::string blank = TempSprintf("%s_blink_skin0_0_0.png", stage);
    sprite->LoadImage(blank.c_str());
    if (headFrame >= kFirstLidFrame && headFrame <= kLastLidFrame) {
        const std::string halfShut = TempSprintf("%s_blink_skin%i_%i_0.png", stage, skin, headFrame);
        sprite->LoadImage(halfShut.c_str());
        sprite->LoadImage(TempSprintf("%s_blink_skin%i_%i_1.png", stage, skin, headFrame));
        sprite->LoadImage(halfShut.c_str());
    }
    sprite->LoadImage(blank.c_str());
    sprite->PauseWhenDone();
    sprite->ResetEnd();
    return Parked(sprite);
}

}  // namespace

void CPerson::LoadSprites()
{
    // Without a drawing context (the walker's own tests) there is nothing
    // to draw with.
    if (!CSprite::draw) {
        return;
    }
    const bool male = isMale;
    const int female = male ? 0 : 1;
    const char* gender = male ? "male" : "female";
    const int skin = skinTone;
    const int years = GetAge();

    splashSprite = Animation(1, "splash_people", 0, kSplashImages - 1, ".png");
    splashSprite->PauseWhenDone();
    emotionTimer = RangedRandom(180, 250);
    const int loadOrder[kFaces] = {kNeutralFace, kSmileFace, 2, 3, 4, 5};
    for (int face : loadOrder) {
        for (int k = 0; k < kHeadFrames; k++) {
            mouthSets[face][k] = Still(k < 12 ? TempSprintf("%s_head_mouth_%s_%i.png", gender, kFaceWords[face], k)
                                              : TempSprintf("%s_head_mouth_blank.TGA", gender));
        }
    }
    currentMouth = previousMouth = mouthSets[kSmileFace];

    for (int i = 0; i < kSmallWake; i++) {
        smallWake[i].sprite = WakeSprite(i % 4 + 3);
    }
    for (int i = 0; i < kLargeWake; i++) {
        largeWake[i].sprite = WakeSprite(i % 6 + 5);
    }

    const char dustLetters[] = "ABCD";
    for (int i = 0; i < 4; i++) {
        dustSprites[i] = Animation(1, TempSprintf("dust_%c_", dustLetters[i]), 0, kDustImages - 1, ".png");
        dustSprites[i]->PauseWhenDone();
    }
    for (int d = 0; d < kDirections; d++) {
        const int view = d == FACING_NE || d == FACING_SW ? 0 : 1;
        for (int g = 0; g < kCarriedGoods; g++) {
            carriedSprites[d][g].sprite = Still(TempSprintf("carry_%s_%i.png", kGoodWords[g], view));
        }
    }

    for (int k = 0; k < kHeadFrames; k++) {
        adultHead[k] = Still(TempSprintf("%s_head_skin%i_%i.png", gender, skin, k));
        adultBlink[k] = Eyelid(gender, skin, k);
    }
    RebuildHair();
    headImages = adultHead;
    blinkImages = adultBlink;
    hairImages = hair;

    const int rate = animRate;
    const int workImages = male ? 9 : 8;
    for (int d = 0; d < kDirections; d++) {
        const char* dir = kDirectionWords[d];
        adultStand.entry[d].sprite = Still(TempSprintf("%s_stand_skin%i_%s.png", gender, skin, dir));
        adultWalk.entry[d].sprite = Animation(rate, TempSprintf("%s_walk_skin%i_%s_", gender, skin, dir), 0,
                                              kWalkImages - 1, ".png");
        adultCarry.entry[d].sprite = Animation(rate, TempSprintf("%s_carry_skin%i_%s_", gender, skin, dir), 0,
                                               kWalkImages - 1, ".png");
    }
    for (int d : {FACING_SE, FACING_SW}) {
        const char* dir = kDirectionWords[d];
        adultHoe.entry[d].sprite = Animation(rate, TempSprintf("%s_hoe_skin%i_%s_", gender, skin, dir), 0,
                                             workImages - 1, ".png");
        adultHack.entry[d].sprite = Animation(rate, TempSprintf("%s_hack_skin%i_%s_", gender, skin, dir), 0,
                                              workImages - 1, ".png");
        direction_set* tools[4] = {&toolStick, &toolAxe, &toolPickaxe, &toolHammer};
        for (int t = 0; t < 4; t++) {
            tools[t]->entry[d].sprite = Animation(
                rate, TempSprintf("%s_hack_%s%s_", gender, kToolWords[t], dir), 0, workImages - 1, ".png");
        }
    }
    for (direction_set* set : {&adultStand, &adultWalk, &adultCarry, &adultHoe, &adultHack}) {
        for (direction_entry& entry : set->entry) {
            if (entry.sprite) {
                entry.sprite->SetRandomFrame();
            }
        }
    }

    if (years < 3) {
        for (int d = 0; d < kDirections; d++) {
            const char* dir = kDirectionWords[d];
            babyWalk.entry[d].sprite =
                Animation(2, TempSprintf("baby_walk_skin%i_%s_", skin, dir), 0, kBabyWalkImages - 1, ".png");
            babyStand.entry[d].sprite = Still(TempSprintf("baby_stand_skin%i_%s.png", skin, dir));
        }
        SetOffsets(babyWalk, kBabyWalkOffsets);
        SetOffsets(babyStand, kBabyStandOffsets);
        for (int k = 0; k < kHeadFrames; k++) {
            babyHead[k] = Still(TempSprintf("baby_head_skin%i_%i.png", skin, k));
            babyBlink[k] = Eyelid("baby", skin, k);
        }
        headImages = babyHead;
        blinkImages = babyBlink;
        hairImages = noHair;
    }
    if (years < 14) {
        for (int d = 0; d < kDirections; d++) {
            const char* dir = kDirectionWords[d];
            kidWalk.entry[d].sprite =
                Animation(rate, TempSprintf("boy_walk_%s_skin%i_", dir, skin), 0, kWalkImages - 1, ".png");
            kidStand.entry[d].sprite = Still(TempSprintf("boy_stand_%s_skin%i.png", dir, skin));
        }
        SetOffsets(kidWalk, kKidWalkOffsets[female]);
        SetOffsets(kidStand, kKidStandOffsets[female]);
    }

    LoadClothes();
    UpdateSelectionRing();
    if (!sRolloverAdult) {
        sRolloverAdult = Still("selector_adult_rollover.png", kRolloverZ);
        sRolloverKid = Still("selector_child_rollover.png", kRolloverZ);
        sRolloverBaby = Still("selector_baby_rollover.png", kRolloverZ);
    }
    hackShadow = Still(male ? "peopleshadow_adulthackmale.png" : "peopleshadow_adulthackfemale.png");

    bodyState = 0;
    currentTask = 0;
    lastTask = 0;
    const bool baby = years < 3, kid = years >= 3 && years < 14;
    bodySet = baby ? &babyStand : kid ? &kidStand : &adultStand;
    topSet = baby ? &babyTopStand : kid ? &kidTopStand : &topStand;
    bottomSet = baby ? &babyBottomStand : kid ? &kidBottomStand : &bottomStand;
    if (headFrame == -1) {
        bodyDirection = RangedRandom(0, 4) != 0 ? RangedRandom(1, 2) : RangedRandom(0, 3);
        headFrame = 4 * bodyDirection + 2;
    }
    targetHeadFrame = headFrame;
    layersShown = false;
    InitSpriteOffsets();
}

void CPerson::UnloadSprites()
{
    if (!CSprite::draw) {
        return;
    }
    HidePerson();
    delete splashSprite;
    splashSprite = nullptr;
    DeleteArray(&mouthSets[0][0], kFaces * kHeadFrames);
    currentMouth = previousMouth = nullptr;
    for (wake_particle& p : smallWake) {
        delete p.sprite;
        p.sprite = nullptr;
    }
    for (wake_particle& p : largeWake) {
        delete p.sprite;
        p.sprite = nullptr;
    }
    DeleteArray(dustSprites, 4);
    for (auto& goods : carriedSprites) {
        for (direction_entry& good : goods) {
            delete good.sprite;
            good = direction_entry{nullptr, 0, 0};
        }
    }
    for (CSprite** heads : {adultHead, adultBlink, hair, babyHead, babyBlink}) {
        DeleteArray(heads, kHeadFrames);
    }
    headImages = blinkImages = hairImages = nullptr;
    for (direction_set* set : {&adultStand, &adultWalk, &adultCarry, &adultHoe, &adultHack, &toolStick, &toolAxe,
                               &toolPickaxe, &toolHammer, &babyStand, &babyWalk, &kidStand, &kidWalk}) {
        DeleteSet(*set);
    }
    bodySet = topSet = bottomSet = nullptr;
    UnloadClothes();
    delete groundShadow;
    delete hackShadow;
    delete selectionRing;
    groundShadow = hackShadow = selectionRing = nullptr;
    selectionMarker = nullptr;
    ReleasePortrait();
    if (people.size() == 1 && people[0] == this) {
        delete sRolloverAdult;
        delete sRolloverKid;
        delete sRolloverBaby;
        sRolloverAdult = sRolloverKid = sRolloverBaby = nullptr;
    }
}

void CPerson::InitSpriteOffsets()
{
    const int female = isMale ? 0 : 1;
    direction_set* bodies[5] = {&adultStand, &adultWalk, &adultCarry, &adultHoe, &adultHack};
    for (int set = 0; set < 5; set++) {
        SetOffsets(*bodies[set], kAdultBodyOffsets[female][set]);
    }
    direction_set* tools[4] = {&toolStick, &toolAxe, &toolPickaxe, &toolHammer};
    for (int t = 0; t < 4; t++) {
        tools[t]->entry[FACING_SE].x = kToolOffsets[female][t][0].x;
        tools[t]->entry[FACING_SE].y = kToolOffsets[female][t][0].y;
        tools[t]->entry[FACING_SW].x = kToolOffsets[female][t][1].x;
        tools[t]->entry[FACING_SW].y = kToolOffsets[female][t][1].y;
    }
    headOffsetX = kHeadOffsets[female].x;
    headOffsetY = kHeadOffsets[female].y;
    for (int d = 0; d < kDirections; d++) {
        for (int g = 0; g < kCarriedGoods; g++) {
            carriedSprites[d][g].x = kGoodOffsets[female][g][d].x;
            carriedSprites[d][g].y = kGoodOffsets[female][g][d].y;
        }
    }
}

void CPerson::UpdateSelectionRing()
{
    if (!CSprite::draw) {
        return;
    }
    const int years = GetAge();
    const int stage = years < 3 ? 0 : years < 14 ? 1 : isMale ? 2 : 3;
    const bool wasShown = groundShadow && !groundShadow->Hidden();
    delete groundShadow;
    groundShadow = Still(stage == 0   ? "peopleshadow_baby.png"
                         : stage == 1 ? "peopleshadow_child.png"
                                      : "peopleshadow_adult.png",
                         kShadowZ);
    if (wasShown) {
        groundShadow->UnHide();
    }
    delete selectionRing;
    selectionRing = Still(stage == 0   ? "selector_baby.png"
                          : stage == 1 ? "selector_child.png"
                                       : "selector_adult.png",
                          kRingZ);
    selectionMarker = selectionRing;
    selectionRingX = selectionOffsetX = kRingOffsets[stage].x;
    selectionRingY = selectionOffsetY = kRingOffsets[stage].y;
}

void CPerson::Hide()
{
    hidden = true;
    HidePerson();
}

void CPerson::UnHide()
{
    hidden = false;
    UnHidePerson();
}

void CPerson::HidePerson()
{
    layersShown = false;
    if (!headImages) {
        return;
    }
    Show(groundShadow, false);
    Show(hackShadow, false);
    Show(headImages[headFrame], false);
    Show(hairImages[headFrame], false);
    Show(blinkImages[headFrame], false);
    // A mouth left behind would float where the head was.
    Show(currentMouth[headFrame], false);
    HideBody();
}

void CPerson::UnHidePerson()
{
    if (!headImages || hiddenAway) {
        return;
    }
    Show(groundShadow, true);
    Show(headImages[headFrame], true);
    Show(hairImages[headFrame], true);
    if (GetAge() >= 3) {
        Show(currentMouth[headFrame], true);
    }
    UnHideBody();
}

void CPerson::HideBody()
{
    if (!bodySet) {
        return;
    }
    const int d = bodyDirection;
    Show(bodySet->entry[d].sprite, false);
    if (bodyState >= 2 && bodyState <= 4) {
        Show(toolStick.entry[d].sprite, false);
        const direction_set& tool = bodyState == 2 ? toolAxe : bodyState == 3 ? toolPickaxe : toolHammer;
        Show(tool.entry[d].sprite, false);
    }
    if (topSet) {
        Show(topSet->entry[d].sprite, false);
    }
    if (bottomSet) {
        Show(bottomSet->entry[d].sprite, false);
    }
    for (auto& goods : carriedSprites) {
        for (direction_entry& good : goods) {
            Show(good.sprite, false);
        }
    }
}

void CPerson::UnHideBody()
{
    if (!bodySet) {
        return;
    }
    layersShown = true;
    const int d = bodyDirection;
    Show(bodySet->entry[d].sprite, true);
    if (bodyState >= 2 && bodyState <= 4) {
        Show(toolStick.entry[d].sprite, true);
        const direction_set& tool = bodyState == 2 ? toolAxe : bodyState == 3 ? toolPickaxe : toolHammer;
        Show(tool.entry[d].sprite, true);
    }
    if (topSet) {
        Show(topSet->entry[d].sprite, true);
    }
    if (bottomSet) {
        Show(bottomSet->entry[d].sprite, true);
    }
    if (carriedItem >= 0 && carriedItem < kCarriedGoods) {
        Show(carriedSprites[d][carriedItem].sprite, true);
    }
}

void CPerson::ForEachSprite(const std::function<void(CSprite*&)>& visit)
{
    auto one = [&](CSprite*& sprite) {
        if (sprite) {
            visit(sprite);
        }
    };
    auto array = [&](CSprite** sprites, int count) {
        for (int i = 0; i < count; i++) {
            one(sprites[i]);
        }
    };
    one(splashSprite);
    one(groundShadow);
    one(hackShadow);
    one(selectionRing);
    array(&mouthSets[0][0], kFaces * kHeadFrames);
    array(dustSprites, 4);
    for (CSprite** heads : {adultHead, adultBlink, hair, babyHead, babyBlink}) {
        array(heads, kHeadFrames);
    }
    for (wake_particle& p : smallWake) {
        one(p.sprite);
    }
    for (wake_particle& p : largeWake) {
        one(p.sprite);
    }
    for (auto& goods : carriedSprites) {
        for (direction_entry& good : goods) {
            one(good.sprite);
        }
    }
    for (direction_set* set :
         {&adultStand, &adultWalk, &adultCarry, &adultHoe, &adultHack, &toolStick, &toolAxe, &toolPickaxe, &toolHammer,
          &babyStand, &babyWalk, &kidStand, &kidWalk, &topStand, &bottomStand, &topWalk, &bottomWalk, &topCarry,
          &bottomCarry, &topHack, &bottomHack, &topHoe, &bottomHoe, &babyTopStand, &babyBottomStand, &babyTopWalk,
          &babyBottomWalk, &kidTopStand, &kidBottomStand, &kidTopWalk, &kidBottomWalk}) {
        for (direction_entry& entry : set->entry) {
            one(entry.sprite);
        }
    }
}
