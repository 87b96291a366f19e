// The islander's body: which sets show for the body state and direction,
// turning in step, and placing every layer of the stack each frame.
#include "CPerson.h"

#include "CSprite.h"
#include "SpriteTables.h"
#include "Utilities.h"

using namespace sprite_tables;

namespace {

// Foot point to the walker's point.
constexpr int kBodySizeOffsetX = -13, kBodySizeOffsetY = -32;
constexpr int kPuffW = 20, kPuffH = 16;

bool Working(int state)
{
    return state >= 2 && state <= 5;
}

void PlaceSprite(CSprite* sprite, int x, int y, int z)
{
    if (sprite) {
        sprite->Move(x, y);
        sprite->SetZ(z);
    }
}

void FollowBody(CSprite* sprite, CSprite* body)
{
    if (sprite) {
        sprite->SetFrame(body->GetFrame());
        sprite->SetFrameCounter(body->GetFrameCounter());
    }
}

void SetShown(CSprite* sprite, bool shown)
{
    if (!sprite) {
        return;
    }
    if (shown) {
        sprite->UnHide();
    } else {
        sprite->Hide();
    }
}

}  // namespace

void CPerson::ChangeState(int state)
{
    if (bodyState == 0 && state == 0) {
        return;
    }
    HideBody();
    const int years = GetAge();
    const bool baby = years < 3, kid = years >= 3 && years < 14;
    // The working pictures face SE or SW only: any other way shows SW.
    if (Working(state) && bodyDirection != FACING_SE) {
        bodyDirection = FACING_SW;
    }
    switch (state) {
    case 0:
        bodySet = baby ? &babyStand : kid ? &kidStand : &adultStand;
        topSet = baby ? &babyTopStand : kid ? &kidTopStand : &topStand;
        bottomSet = baby ? &babyBottomStand : kid ? &kidBottomStand : &bottomStand;
        break;
    case 1:
        bodySet = baby ? &babyWalk : kid ? &kidWalk : &adultWalk;
        topSet = baby ? &babyTopWalk : kid ? &kidTopWalk : &topWalk;
        bottomSet = baby ? &babyBottomWalk : kid ? &kidBottomWalk : &bottomWalk;
        break;
    case 9:
        bodySet = &adultStand;
        topSet = &topStand;
        bottomSet = &bottomStand;
        break;
    case 6:
    case 7:
    case 8:
    case 10:
        bodySet = &adultCarry;
        topSet = &topCarry;
        bottomSet = &bottomCarry;
        break;
    case 2:
    case 3:
    case 4:
    case 5:
        bodySet = state == 5 ? &adultHoe : &adultHack;
        topSet = state == 5 ? &topHoe : &topHack;
        bottomSet = state == 5 ? &bottomHoe : &bottomHack;
        targetHeadFrame = 4 * bodyDirection + 2;
        break;
    default:
        break;
    }
    bodyState = state;
    if (layersShown) {
        UnHideBody();
    }
}

void CPerson::AlterBodyDirection(int direction)
{
    if (direction < 0 || direction >= kDirections) {
        return;
    }
    if (Working(bodyState) && direction != FACING_SE) {
        direction = FACING_SW;
    }
    if (!bodySet) {
        bodyDirection = direction;
        return;
    }
    HideBody();
    CSprite* from = bodySet->entry[bodyDirection].sprite;
    const int image = from ? static_cast<int>(from->GetFrame()) : 0;
    const int shift = GetFrameOffsetForDirectionChange(direction);
    bodyDirection = direction;
    if (CSprite* to = bodySet->entry[direction].sprite) {
        to->SetFrameWrap(image + shift);
    }
    if (layersShown) {
        UnHideBody();
    }
}

int CPerson::GetFrameOffsetForDirectionChange(int direction)
{
    if (direction < 0 || direction >= kDirections || bodyDirection < 0 || bodyDirection >= kDirections) {
        return 0;
    }
    const int years = GetAge();
    const int stage = years < 3 ? 0 : years < 14 ? 1 : isMale ? 2 : 3;
    return kTurnShift[stage][bodyDirection][direction];
}

void CPerson::AdjustDisplayedSprite()
{
    const int direction = moveDX >= 0.0f ? (moveDY >= 0.0f ? FACING_SE : FACING_NE)
                                         : (moveDY >= 0.0f ? FACING_SW : FACING_NW);
    if (direction != bodyDirection) {
        AlterBodyDirection(direction);
    }
}

void CPerson::OffsetByBodySize(int& atX, int& atY) const
{
    atX += kBodySizeOffsetX;
    atY += kBodySizeOffsetY;
}

void CPerson::InverseOffsetByBodySize(int& atX, int& atY) const
{
    atX -= kBodySizeOffsetX;
    atY -= kBodySizeOffsetY;
}

body_view CPerson::DescribeBody() const
{
    CSprite* body = bodySet ? bodySet->entry[bodyDirection].sprite : nullptr;
    if (!body) {
        // No pictures (a test without a drawing context): an adult's room.
        return body_view{BODY_OTHER, 0, 0, 34, 66, headOffsetX, headOffsetY, 0, 0, false, false};
    }
    const direction_set* set = bodySet;
    body_view view;
    view.set = set == &adultStand  ? BODY_ADULT_STAND
               : set == &adultWalk  ? BODY_ADULT_WALK
               : set == &adultCarry ? BODY_ADULT_CARRY
               : set == &adultHack  ? BODY_ADULT_HACK
               : set == &adultHoe   ? BODY_ADULT_HOE
               : set == &kidStand   ? BODY_KID_STAND
               : set == &kidWalk    ? BODY_KID_WALK
               : set == &babyStand  ? BODY_BABY_STAND
               : set == &babyWalk   ? BODY_BABY_WALK
                                    : BODY_OTHER;
    view.offsetX = set->entry[bodyDirection].x;
    view.offsetY = set->entry[bodyDirection].y;
    view.width = body->GetOriginalW();
    view.height = body->GetOriginalH();
    view.headX = headOffsetX;
    view.headY = headOffsetY;
    view.frame = static_cast<int>(body->GetFrame());
    view.nextFrame = static_cast<int>(body->GetNextFrame());
    const int rate = body->GetFramesPerStep();
    view.lastTick = rate > 0 && body->GetFrameCounter() == rate - 1;
    view.toolOfState = set == &adultHack && bodyState >= 2 && bodyState <= 4;
    return view;
}

void CPerson::PlaceLayers(int sx, int sy, int headX, int headY, int z, bool)
{
    if (!bodySet || !CObject::rendering) {
        return;
    }
    const int d = bodyDirection;
    const direction_entry& body = bodySet->entry[d];
    if (!body.sprite) {
        return;
    }
    const int bx = sx + body.x, by = sy + body.y;
    PlaceSprite(body.sprite, bx, by, z);

    const bool grownUp = bodySet != &babyStand && bodySet != &babyWalk && bodySet != &kidStand && bodySet != &kidWalk;
    const int garmentZ[2] = {grownUp ? z + 1 : z - 1, grownUp ? z + 2 : z - 2};
    const direction_set* garments[2] = {bottomSet, topSet};
    for (int i = 0; i < 2; i++) {
        if (!garments[i]) {
            continue;
        }
        const direction_entry& garment = garments[i]->entry[d];
        PlaceSprite(garment.sprite, bx + garment.x, by + garment.y, garmentZ[i]);
        FollowBody(garment.sprite, body.sprite);
    }

    if (bodySet == &adultHack && bodyState >= 2 && bodyState <= 4) {
        const direction_set& tools = bodyState == 2 ? toolAxe : bodyState == 3 ? toolPickaxe : toolHammer;
        const unsigned int next = body.sprite->GetNextFrame();
        const int toolZ = next >= 2 && next <= 6 ? z + 4 : z;
        PlaceSprite(tools.entry[d].sprite, sx + tools.entry[d].x, sy + tools.entry[d].y, toolZ);
        PlaceSprite(toolStick.entry[d].sprite, sx + toolStick.entry[d].x, sy + toolStick.entry[d].y, toolZ - 1);
        FollowBody(tools.entry[d].sprite, body.sprite);
        FollowBody(toolStick.entry[d].sprite, body.sprite);
    }

    // The task steps set the carried good directly; it shows with the body.
    for (int g = 0; g < kCarriedGoods; g++) {
        const direction_entry& good = carriedSprites[d][g];
        if (!good.sprite) {
            continue;
        }
        const bool carried = g == carriedItem && layersShown;
        SetShown(good.sprite, carried);
        if (carried) {
            const int goodZ = d == FACING_NE || d == FACING_NW ? z - 1 : z + 5;
            PlaceSprite(good.sprite, bx + good.x, by + good.y, goodZ);
        }
    }
    for (int other = 0; other < kDirections; other++) {
        for (int g = 0; g < kCarriedGoods && other != d; g++) {
            SetShown(carriedSprites[other][g].sprite, false);
        }
    }

    if (!headImages || headFrame < 0) {
        return;
    }
    const int hx = sx + headX, hy = sy + headY;
    PlaceSprite(headImages[headFrame], hx, hy, z + 4);
    PlaceSprite(blinkImages[headFrame], hx, hy, z + 5);
    PlaceSprite(currentMouth[headFrame], hx, hy, z + 6);
    const offset hairAt = kHairOffsets[isMale ? 0 : 1];
    PlaceSprite(hairImages[headFrame], hx + hairAt.x, hy + hairAt.y, z + 7);
}

void CPerson::SetShownBodyHeight(int height)
{
    shownBodyHeight = height;
    if (!bodySet) {
        return;
    }
    const int d = bodyDirection;
    CSprite* body = bodySet->entry[d].sprite;
    if (!body) {
        return;
    }
    const bool full = height >= body->GetOriginalH();
    body->SetH(height);
    for (const direction_set* set : {topSet, bottomSet}) {
        if (set && set->entry[d].sprite) {
            CSprite* garment = set->entry[d].sprite;
            garment->SetH(full ? garment->GetOriginalH() : height - set->entry[d].y);
        }
    }
    for (const direction_entry& good : carriedSprites[d]) {
        if (good.sprite) {
            good.sprite->SetH(full ? good.sprite->GetOriginalH() : height - good.y);
        }
    }
}

void CPerson::PlaceShadow(int atX, int atY, int z, bool hacking)
{
    if (!groundShadow || !hackShadow) {
        return;
    }
    CSprite* shown = hacking ? hackShadow : groundShadow;
    CSprite* other = hacking ? groundShadow : hackShadow;
    other->Hide();
    shown->Move(atX, atY);
    shown->SetZ(z);
    SetShown(shown, layersShown);
}

void CPerson::RestartDustPuff(int puff)
{
    if (puff < 0 || puff >= 4 || !dustSprites[puff]) {
        return;
    }
    CSprite* dust = dustSprites[puff];
    dust->SetFrame(static_cast<unsigned int>(RangedRandom(0, 20)));
    dust->SetFrameCounter(-1);
    dust->PlayForward();
    dust->UnHide();
}

void CPerson::PlaceDustPuff(int puff, int atX, int atY, int z)
{
    if (puff < 0 || puff >= 4 || !dustSprites[puff] || dustSprites[puff]->Hidden()) {
        return;
    }
    CSprite* dust = dustSprites[puff];
    dust->Move(atX, atY);
    dust->SetZ(z);
    if (dust->AtEnd()) {
        dust->Hide();
    }
}

void CPerson::HideDustPuffs()
{
    for (CSprite* dust : dustSprites) {
        SetShown(dust, false);
    }
}

void CPerson::GetDustPuffSize(int& width, int& height) const
{
    width = dustSprites[0] ? dustSprites[0]->GetOriginalW() : kPuffW;
    height = dustSprites[0] ? dustSprites[0]->GetOriginalH() : kPuffH;
}

void CPerson::PlaceSplash(int offsetX, int offsetY, int bodyHeight)
{
    if (!splashSprite || splashSprite->Hidden()) {
        return;
    }
    const int bottom = splashY + offsetY + bodyHeight;
    splashSprite->Move(splashX + offsetX, bottom);
    splashSprite->SetZ(bottom * 2000);
    if (splashSprite->AtEnd() && splashSprite->Paused()) {
        splashSprite->Hide();
    }
}

void CPerson::SetBodyFramesPerStep(int frames)
{
    for (direction_set* set : {&adultWalk, &adultCarry, &adultHoe, &adultHack, &toolStick, &toolAxe, &toolPickaxe,
                               &toolHammer, &kidWalk, &topWalk, &bottomWalk, &topCarry, &bottomCarry, &topHack,
                               &bottomHack, &topHoe, &bottomHoe}) {
        for (direction_entry& entry : set->entry) {
            if (entry.sprite) {
                entry.sprite->SetFramesPerStep(frames);
            }
        }
    }
}
