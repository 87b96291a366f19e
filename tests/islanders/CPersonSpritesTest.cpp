#include "CPersonSpritesFixture.h"
#include "FrameTables.h"
#include "SFMT.h"
#include "SpriteTables.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>

namespace {

using IslanderSprites = SpritesTest;

// Each sex and stage once with every skin, hair style, garment style and
// baby colour among them: a mistyped picture name is fatal, so building them
// all is the test. Values out of range are built as their nearest.
TEST_F(IslanderSprites, EveryLookOfEveryStageIsBuiltFromTheArchive)
{
    const int stages[4] = {1, 8, 30, 70};
    int id = 1;
    for (int gender = 0; gender < 2; gender++) {
        for (int years : stages) {
            for (int i = 0; i < 8; i++) {
                CPerson* person = Dressed({gender, years, i % 4, i, i % 3, (i + 1) % 3, i % 6, (i + 3) % 6}, id++);
                ASSERT_NE(ShownBody(*person), nullptr);
                delete person;
            }
        }
    }
    CPerson* wild = Dressed({1, 2, 3, 12, 7, -4, 9, -1}, id++);
    EXPECT_NE(ShownBody(*wild), nullptr);
    wild->ChangeHairStyle(99);
    EXPECT_EQ(wild->data.youngHairStyle, 7);
    wild->ChangeHairColour(-3);
    CPerson::ChangeClothes(craft_data{wild->GetID(), 5, -5, {1, 2, 3, 255}, {4, 5, 6, 255}, 50, 50});
    EXPECT_EQ(wild->data.topStyle, 2);
    EXPECT_EQ(wild->data.bottomStyle, 0);
}

// The grey of a mask takes the garment's colour and keeps its alpha; the
// line drawing lies over it; any other grey is left alone.
TEST_F(IslanderSprites, GarmentsArePaintedInTheirColourUnderTheirLines)
{
    CPerson* man = Dressed({0, 30, 0, 0, 2});
    CDraw* draw = CSprite::draw;
    // Long sheer sleeves.
    const int mask = draw->LoadImage("male_clothes2_stand_SE_color.png", false, false);
    const int line = draw->LoadImage("male_clothes2_stand_SE_line.png", false, false);
    const int painted = man->topStand.entry[FACING_SE].sprite->GetImage(0);
    int sheer = 0, solid = 0;
    for (int y = 0; y < draw->GetH(mask); y++) {
        for (int x = 0; x < draw->GetW(mask); x++) {
            const RGBA_data m = Pixel(mask, x, y), l = Pixel(line, x, y), p = Pixel(painted, x, y);
            if (m.a == 0 || l.a != 0) {
                continue;
            }
            EXPECT_EQ(std::to_string(p.r) + "," + std::to_string(p.g) + "," + std::to_string(p.b), "200,40,40");
            EXPECT_EQ(p.a, m.a);
            sheer += m.a == 128;
            solid += m.a == 255;
        }
    }
    EXPECT_GT(sheer, 0);
    EXPECT_GT(solid, 0);
    const int sample = draw->CreateSizedBlank(2, 1, mask);
    draw->RemoveImage(mask);
    draw->RemoveImage(line);
    draw->DrawPixel(sample, 0, 0, 85, 85, 85, 128, true);
    draw->DrawPixel(sample, 1, 0, 85, 85, 86, 255, true);
    draw->ReplaceColour(sample, RGBA_data{85, 85, 85, 255}, RGBA_data{10, 20, 30, 255}, false, false);
    const RGBA_data grey = Pixel(sample, 0, 0), other = Pixel(sample, 1, 0);
    EXPECT_EQ(grey.r + grey.g * 1000 + grey.b * 1000000, 10 + 20 * 1000 + 30 * 1000000);
    EXPECT_EQ(grey.a, 128);
    EXPECT_EQ(other.b, 86);
    draw->RemoveImage(sample);
}

struct state_case {
    int years;
    int gender;
    int state;
    direction_set CPerson::*body;
    direction_set CPerson::*top;
    direction_set CPerson::*tool;  // null: no tool
    int x, y;                      // the body's place from the islander's, facing SE
};

// What each body state shows of a man, a woman and a kid facing SE, and where.
TEST_F(IslanderSprites, EachBodyStateShowsItsBodyClothesAndToolInPlace)
{
    const state_case cases[] = {
        {30, 0, 1, &CPerson::adultWalk, &CPerson::topWalk, nullptr, -4, 2},
        {30, 0, 2, &CPerson::adultHack, &CPerson::topHack, &CPerson::toolAxe, -17, -1},
        {30, 1, 4, &CPerson::adultHack, &CPerson::topHack, &CPerson::toolHammer, -14, 2},
        {30, 0, 5, &CPerson::adultHoe, &CPerson::topHoe, nullptr, 5, 0},
        {30, 1, 6, &CPerson::adultCarry, &CPerson::topCarry, nullptr, 0, 0},
        {30, 0, 9, &CPerson::adultStand, &CPerson::topStand, nullptr, 2, 3},
        {30, 1, 0, &CPerson::adultStand, &CPerson::topStand, nullptr, 6, 2},
        {8, 1, 1, &CPerson::kidWalk, &CPerson::kidTopWalk, nullptr, -1, 19},
        {1, 0, 1, &CPerson::babyWalk, &CPerson::babyTopWalk, nullptr, 0, 35},
    };
    CObject::rendering = true;
    int id = 1;
    for (const state_case& c : cases) {
        SCOPED_TRACE(std::to_string(c.years) + " years, state " + std::to_string(c.state));
        CPerson* person = Dressed({c.gender, c.years}, id++);
        person->AlterBodyDirection(FACING_SE);
        person->UnHide();
        person->ChangeState(c.state == 0 ? 1 : c.state);
        person->ChangeState(c.state);
        CSprite* body = (person->*c.body).entry[FACING_SE].sprite;
        EXPECT_EQ(ShownBody(*person), body);
        EXPECT_FALSE(body->Hidden());
        EXPECT_FALSE((person->*c.top).entry[FACING_SE].sprite->Hidden());
        for (direction_set CPerson::*tool : {&CPerson::toolAxe, &CPerson::toolPickaxe, &CPerson::toolHammer}) {
            EXPECT_EQ((person->*tool).entry[FACING_SE].sprite->Hidden(), tool != c.tool);
        }
        EXPECT_EQ(person->toolStick.entry[FACING_SE].sprite->Hidden(), c.tool == nullptr);
        const body_view view = person->DescribeBody();
        person->PlaceLayers(300, 200, view.headX, view.headY, 5000, false);
        EXPECT_EQ(body->GetX(), 300 + c.x);
        EXPECT_EQ(body->GetY(), 200 + c.y);
        EXPECT_EQ(body->GetZ(), 5000);
        // Grown-ups wear their clothes over the body, children under it.
        const bool child = c.body == &CPerson::kidWalk || c.body == &CPerson::babyWalk;
        EXPECT_EQ((person->*c.top).entry[FACING_SE].sprite->GetZ(), child ? 4998 : 5002);
        delete person;
    }
}

// Where each garment is drawn from its body's place, in the rows whose offsets
// are fixed: a man's walk in each style class (5 counts as "other"), his
// style-0 hack, a baby's walk; standing clothes and a kid's lie on the body.
TEST_F(IslanderSprites, GarmentsSitAtTheirOffsetsFromTheBody)
{
    struct spot {
        int x, y;
    };
    struct walk_case {
        int style;
        spot top[4], bottom[4];  // NE, SE, SW, NW
    };
    const walk_case walks[] = {
        {0, {{2, 3}, {4, 4}, {4, 4}, {9, 3}}, {{3, 18}, {6, 21}, {3, 21}, {6, 18}}},
        {1, {{-1, 3}, {0, 2}, {0, 2}, {1, 3}}, {{3, 19}, {3, 19}, {3, 19}, {4, 20}}},
        {2, {{-1, 2}, {2, 3}, {3, 3}, {7, 2}}, {{2, 17}, {0, 22}, {2, 22}, {3, 18}}},
        {5, {{-1, 2}, {2, 3}, {3, 3}, {7, 2}}, {{2, 17}, {0, 22}, {2, 22}, {3, 18}}},
    };
    auto at = [](const direction_set& set, int d, spot want) {
        return set.entry[d].x == want.x && set.entry[d].y == want.y;
    };
    int id = 1;
    for (const walk_case& c : walks) {
        CPerson* man = Dressed({0, 30, 0, 0, c.style, c.style}, id++);
        ASSERT_TRUE(man->isMale);
        for (int d = 0; d < 4; d++) {
            EXPECT_TRUE(at(man->topWalk, d, c.top[d])) << "style " << c.style << " top, direction " << d;
            EXPECT_TRUE(at(man->bottomWalk, d, c.bottom[d])) << "style " << c.style << " bottom, direction " << d;
            EXPECT_TRUE(at(man->topStand, d, {0, 0}) && at(man->bottomStand, d, {0, 0}));
        }
        if (c.style == 0) {
            EXPECT_TRUE(at(man->bottomHack, FACING_SE, {13, 26}) && at(man->bottomHack, FACING_SW, {14, 25}));
            EXPECT_TRUE(at(man->topHack, FACING_SE, {17, 8}) && at(man->topHack, FACING_SW, {16, 7}));
        }
        delete man;
    }

    const spot babyTop[4] = {{9, 3}, {10, 4}, {9, 4}, {10, 3}};
    const spot babyBottom[4] = {{6, 11}, {9, 11}, {7, 11}, {9, 11}};
    for (int gender = 0; gender < 2; gender++) {
        CPerson* baby = Dressed({gender, 1}, id++);
        CPerson* kid = Dressed({gender, 8}, id++);
        for (int d = 0; d < 4; d++) {
            EXPECT_TRUE(at(baby->babyTopWalk, d, babyTop[d])) << "direction " << d;
            EXPECT_TRUE(at(baby->babyBottomWalk, d, babyBottom[d])) << "direction " << d;
            EXPECT_TRUE(at(baby->babyTopStand, d, {0, 0}) && at(baby->babyBottomStand, d, {0, 0}));
            for (const direction_set* set : {&kid->kidTopWalk, &kid->kidBottomWalk, &kid->kidTopStand,
                                             &kid->kidBottomStand}) {
                EXPECT_TRUE(at(*set, d, {0, 0})) << "direction " << d;
            }
        }
        delete baby;
        delete kid;
    }
}

// Turning keeps the walk in step; the working poses face SE or SW only, and
// any other way of working shows SW.
TEST_F(IslanderSprites, TurningShiftsTheWalkInStepAndWorkFacesSouth)
{
    struct turn {
        int years, gender, from, to, image, shown;
    };
    const turn turns[] = {
        {30, 0, FACING_NE, FACING_SE, 3, 7}, {30, 1, FACING_NE, FACING_SE, 3, 2}, {30, 0, FACING_SW, FACING_NW, 0, 6},
        {8, 0, FACING_NE, FACING_SE, 3, 6},  {1, 1, FACING_NE, FACING_SE, 3, 11},
        // Each stage's turn from its first year to its last.
        {2, 0, FACING_NE, FACING_SE, 3, 11}, {3, 0, FACING_NE, FACING_SE, 3, 6},  {13, 0, FACING_NE, FACING_SE, 3, 6},
        {14, 0, FACING_NE, FACING_SE, 3, 7}, {14, 1, FACING_NE, FACING_SE, 3, 2},
    };
    int id = 1;
    for (const turn& t : turns) {
        CPerson* person = Dressed({t.gender, t.years}, id++);
        person->AlterBodyDirection(t.from);
        person->UnHide();
        person->ChangeState(1);
        ShownBody(*person)->SetFrame(t.image);
        person->AlterBodyDirection(t.to);
        EXPECT_EQ(person->bodyDirection, t.to);
        EXPECT_EQ(ShownBody(*person)->GetFrame(), static_cast<unsigned int>(t.shown)) << t.years << " " << t.gender;
        delete person;
    }

    CPerson* worker = Dressed({0, 30}, id++);
    worker->UnHide();
    worker->AlterBodyDirection(FACING_NE);
    worker->ChangeState(2);
    EXPECT_EQ(worker->bodyDirection, FACING_SW);
    EXPECT_EQ(worker->targetHeadFrame, 10);
    worker->AlterBodyDirection(FACING_NW);
    EXPECT_EQ(worker->bodyDirection, FACING_SW);
    worker->AlterBodyDirection(FACING_SE);
    EXPECT_EQ(worker->bodyDirection, FACING_SE);
    EXPECT_FALSE(worker->adultHack.entry[FACING_SE].sprite->Hidden());
    EXPECT_TRUE(worker->adultHack.entry[FACING_SW].sprite->Hidden());
    worker->AlterBodyDirection(7);
    EXPECT_EQ(worker->bodyDirection, FACING_SE);

    worker->ChangeState(1);
    worker->moveDX = -1.0f;
    worker->moveDY = -0.5f;
    worker->AdjustDisplayedSprite();
    EXPECT_EQ(worker->bodyDirection, FACING_NW);
}

// The work sounds pick one of five by a drawn number only when one plays:
// on the last tick of the swing's frame 3 with a tool in hand, and of the
// hoe's frame 2. Other frames, and other bodies, draw nothing for sound.
TEST_F(IslanderSprites, AWorkSoundDrawsItsNumberOnlyOnTheTickItPlays)
{
    CPerson* man = Dressed({0, 30});
    man->UnHide();
    // Held, the islander neither walks, works nor tires, which draw numbers
    // of their own; the head neither blinks nor turns.
    man->pickedUp = true;
    CObject::rendering = true;
    man->headTurnTimer = man->blinkTimer = 1 << 20;
    man->Pump(0, 0, 1);  // the first frame takes on the looks of its stage

    struct swing {
        int state;
        bool hoe;
        int soundFrame;  // -1 none
    };
    for (const swing& s : {swing{2, false, 3}, swing{4, false, 3}, swing{1, false, -1}, swing{0, true, 2}}) {
        SCOPED_TRACE(testing::Message() << "state " << s.state << (s.hoe ? " hoe" : ""));
        man->ChangeState(s.state);
        if (s.hoe) {
            man->bodySet = &man->adultHoe;
        }
        CSprite* body = ShownBody(*man);
        body->SetFrame(0);
        int sounds = 0, drawsOnSound = 0, drawsElsewhere = 0;
        for (int frame = 0; frame < 3 * 9 * body->GetFramesPerStep(); frame++) {
            const bool plays = static_cast<int>(body->GetFrame()) == s.soundFrame &&
                               body->GetFrameCounter() == body->GetFramesPerStep() - 1;
            SFMT before = RandomGenerator();
            man->headTurnTimer = man->blinkTimer = 1 << 20;
            man->Pump(0, 0, 1);
            const uint32_t next = RandomGenerator().GenRand32();
            int draws = 0;
            while (draws < 10 && before.GenRand32() != next) {
                draws++;
            }
            (plays ? drawsOnSound : drawsElsewhere) += draws;
            sounds += plays;
            body->Pump();
        }
        EXPECT_EQ(drawsOnSound, sounds);
        EXPECT_EQ(drawsElsewhere, 0);
        if (s.soundFrame != -1) {
            EXPECT_GE(sounds, 2);
        }
    }
    man->pickedUp = false;
}

// Blinking plays blank, half shut, shut, half shut, blank once; a drowsy
// islander keeps its eyes shut and its head straight until it moves.
TEST_F(IslanderSprites, EyesBlinkAndADrowsyIslanderKeepsThemShut)
{
    CPerson* man = Dressed({0, 30});
    man->AlterBodyDirection(FACING_SE);
    man->UnHide();
    man->headFrame = man->targetHeadFrame = 6;
    man->headTurnTimer = 1000;
    man->blinkTimer = 0;
    man->HandleHead();
    CSprite* lid = man->blinkImages[6];
    EXPECT_FALSE(lid->Hidden());
    EXPECT_GE(man->blinkTimer, 5);
    std::string shown;
    for (int frame = 0; frame < 6; frame++) {
        shown += std::to_string(lid->GetFrame());
        lid->Pump();
    }
    EXPECT_EQ(shown, "001234");

    man->data.energy = 2000;
    man->headFrame = 5;
    man->HandleHead();
    man->HandleHead();
    EXPECT_EQ(man->headFrame, 6) << "straight ahead";
    EXPECT_EQ(man->blinkImages[6]->GetFrame(), 2u);
    EXPECT_TRUE(man->blinkImages[6]->Paused());
    EXPECT_FALSE(man->blinkImages[6]->Hidden());
    man->ChangeState(1);
    man->HandleHead();
    EXPECT_FALSE(man->blinkImages[6]->Paused()) << "the eyes open";
}

// The head turns one frame a frame the short way round, never looks back
// over the shoulder, and looks around near where the body faces; a hidden
// islander turns and counts on but shows nothing.
TEST_F(IslanderSprites, TheHeadTurnsTheShortWayAndLooksAroundNearItsFacing)
{
    CPerson* woman = Dressed({1, 30});
    woman->AlterBodyDirection(FACING_NE);
    woman->UnHide();
    woman->headTurnTimer = 1000;
    woman->headFrame = 0;
    woman->targetHeadFrame = 5;
    std::string path;
    for (int frame = 0; frame < 3; frame++) {
        woman->HandleHead();
        path += std::to_string(woman->headFrame) + " ";
    }
    EXPECT_EQ(path, "1 2 3 ");
    EXPECT_FALSE(woman->headImages[3]->Hidden());
    EXPECT_TRUE(woman->headImages[2]->Hidden());
    woman->AlterBodyDirection(FACING_SW);
    woman->targetHeadFrame = 3;
    woman->HandleHead();
    EXPECT_EQ(woman->targetHeadFrame, 10) << "no looking back";
    EXPECT_EQ(woman->headFrame, 4);

    woman->Hide();
    woman->AlterBodyDirection(FACING_NE);
    woman->headFrame = 0;
    woman->targetHeadFrame = 9;
    woman->HandleHead();
    woman->HandleHead();
    EXPECT_EQ(woman->headFrame, 14) << "from 0 to 9 through 15";
    EXPECT_TRUE(woman->headImages[14]->Hidden());

    woman->UnHide();
    woman->AlterBodyDirection(FACING_SW);
    InitRandom(5);
    for (int look = 0; look < 20; look++) {
        woman->headTurnTimer = 0;
        woman->HandleHead();
        const int target = woman->targetHeadFrame;
        EXPECT_TRUE(target >= 7 && target <= 13) << target;
        EXPECT_GE(std::abs(target - woman->headFrame), 2);
        EXPECT_GE(woman->headTurnTimer, 40);
    }
}

// An islander whose layers are put away (a hut, the frame that changes its
// stage) looks around with the same numbers as one in view, showing none of
// its head; only its own hidden flag stops the looking.
TEST_F(IslanderSprites, LayersPutAwayLookAroundWithTheNumbersOfLayersShown)
{
    enum { kShown, kPutAway, kHidden };
    std::string looks[3];
    int nextDraw[3] = {};
    for (int way : {kShown, kPutAway, kHidden}) {
        SCOPED_TRACE(way);
        InitRandom(31);
        CPerson* man = Dressed({0, 30});
        man->AlterBodyDirection(FACING_SE);
        man->UnHide();
        if (way == kPutAway) {
            man->HidePerson();
        } else if (way == kHidden) {
            man->Hide();
        }
        man->headFrame = man->targetHeadFrame = 6;
        man->headTurnTimer = 0;
        InitRandom(47);
        for (int frame = 0; frame < 200; frame++) {
            man->HandleHead();
            looks[way] += std::to_string(man->targetHeadFrame) + " ";
            if (way != kShown) {
                const int h = man->headFrame;
                EXPECT_TRUE(man->headImages[h]->Hidden() && man->hairImages[h]->Hidden() &&
                            man->currentMouth[h]->Hidden() && man->blinkImages[h]->Hidden())
                    << "frame " << frame;
            }
        }
        nextDraw[way] = RangedRandom(0, 1000000);
        delete man;
    }
    EXPECT_EQ(looks[kPutAway], looks[kShown]);
    EXPECT_EQ(nextDraw[kPutAway], nextDraw[kShown]);
    EXPECT_EQ(looks[kHidden].find_first_not_of("6 "), std::string::npos) << "a hidden islander looks straight on";
    EXPECT_NE(nextDraw[kHidden], nextDraw[kShown]);
}

// A baby turning 3 takes the kid body and clothes at its next state, the
// grown-up head, eyelids and hair, and the child's shadow and ring, all
// from what it already holds.
TEST_F(IslanderSprites, ABabyTurningThreeSwitchesToWhatItAlreadyHolds)
{
    CPerson* baby = Dressed({1, 2});
    baby->UnHide();
    EXPECT_EQ(baby->headImages, baby->babyHead);
    EXPECT_EQ(baby->hairImages, baby->noHair);
    baby->ChangeEmotion(2, -1);
    EXPECT_EQ(baby->currentMouth, baby->mouthSets[0]) << "babies keep their smile";
    CSprite* kidWalk = baby->kidWalk.entry[0].sprite;
    CSprite* hair = baby->hair[0];

    baby->data.age = 3 * kYear;
    baby->SwitchToGrownUpHead();
    baby->UpdateSelectionRing();
    baby->ChangeState(1);
    EXPECT_EQ(baby->bodySet, &baby->kidWalk);
    EXPECT_EQ(baby->topSet, &baby->kidTopWalk);
    EXPECT_EQ(baby->kidWalk.entry[0].sprite, kidWalk);
    EXPECT_EQ(baby->headImages, baby->adultHead);
    EXPECT_EQ(baby->blinkImages, baby->adultBlink);
    EXPECT_EQ(baby->hairImages, baby->hair);
    EXPECT_EQ(baby->hair[0], hair);
    EXPECT_EQ(baby->groundShadow->GetW(), 26);
    EXPECT_EQ(baby->groundShadow->GetH(), 10);
    EXPECT_EQ(baby->selectionMarker, baby->selectionRing);
    EXPECT_EQ(baby->selectionOffsetY, 23);
}

// Faces, head turns for the portrait, clothes and hair changes, and the
// shared rollover rings, with what is out of range left alone.
TEST_F(IslanderSprites, LooksChangeThroughAReloadAndBadValuesAreIgnored)
{
    CPerson* man = Dressed({0, 30});
    CPerson* woman = Dressed({1, 30}, 2);
    man->UnHide();
    man->ChangeEmotion(4, -1);
    EXPECT_EQ(man->currentMouth, man->mouthSets[4]);
    EXPECT_EQ(man->emotionTimer, 45);
    EXPECT_FALSE(man->mouthSets[4][man->headFrame]->Hidden());
    man->ChangeEmotion(6, 10);
    man->ChangeEmotion(-2, 10);
    EXPECT_EQ(man->currentMouth, man->mouthSets[4]);
    man->ChangeHeadDirection(9);
    man->ChangeHeadDirection(16);
    man->ChangeHeadDirection(-2);
    EXPECT_EQ(man->headDirection, 9);

    CPerson::ChangeClothes(craft_data{99, 1, 1, {}, {}, 50, 50});
    CPerson::ChangeClothes(craft_data{2, 2, 1, {9, 9, 9, 255}, {7, 7, 7, 255}, 50, 50});
    EXPECT_EQ(woman->bodyState, 1);
    EXPECT_EQ(woman->data.topStyle, 2);
    EXPECT_FALSE(ShownBody(*woman)->Hidden());
    man->ChangeHairStyle(3);
    EXPECT_EQ(man->bodyState, 0);
    EXPECT_EQ(man->data.matureHairStyle, 3);

    ASSERT_NE(CPerson::sRolloverAdult, nullptr);
    delete woman;
    EXPECT_NE(CPerson::sRolloverAdult, nullptr);
    delete man;
    EXPECT_EQ(CPerson::sRolloverAdult, nullptr);
}

}  // namespace

namespace {

// The head's place in every frame of a baby's walk, a hoe's swing and a
// hack's, and the shift and lift after them: the man's swing has a ninth
// frame, the woman's ends at the eighth.
TEST(IslanderHeads, EveryFrameOfTheWalkAndTheSwingsHasItsHeadPlace)
{
    using sprite_tables::offset;
    const offset babyRows[11][4] = {
        {{5, 20}, {6, 20}, {4, 20}, {6, 20}}, {{5, 19}, {6, 20}, {4, 20}, {6, 19}},
        {{6, 20}, {6, 20}, {4, 20}, {5, 20}}, {{5, 20}, {7, 21}, {3, 21}, {6, 20}},
        {{4, 20}, {7, 21}, {3, 21}, {7, 20}}, {{5, 20}, {7, 21}, {3, 21}, {6, 20}},
        {{6, 19}, {5, 20}, {5, 20}, {5, 19}}, {{7, 19}, {4, 20}, {6, 20}, {4, 19}},
        {{6, 19}, {4, 20}, {6, 20}, {5, 19}}, {{5, 19}, {5, 20}, {5, 20}, {6, 19}},
        {{5, 19}, {6, 20}, {4, 20}, {6, 19}}};
    // The row of each of the 16 frames: 0 and 1 share one, 2 to 4, 9 and 10,
    // 13 and 14.
    const int babyRowOf[16] = {0, 0, 1, 1, 1, 2, 3, 4, 5, 6, 6, 7, 8, 9, 9, 10};
    for (int frame = 0; frame < 16; frame++) {
        for (int direction = 0; direction < 4; direction++) {
            const offset want = babyRows[babyRowOf[frame]][direction];
            const offset got = sprite_tables::kBabyWalkHead[frame][direction];
            EXPECT_TRUE(got.x == want.x && got.y == want.y) << "frame " << frame << " direction " << direction;
        }
    }

    // Man SW, man SE, woman SW, woman SE.
    const offset hoe[9][4] = {
        {{1, 9}, {15, 10}, {3, 10}, {14, 11}},    {{0, 9}, {16, 10}, {0, 13}, {18, 13}},
        {{-5, 12}, {21, 13}, {-3, 16}, {22, 17}}, {{-11, 14}, {27, 15}, {-7, 19}, {26, 20}},
        {{-9, 13}, {25, 14}, {-6, 18}, {23, 18}}, {{-7, 13}, {23, 14}, {-4, 16}, {21, 16}},
        {{-4, 11}, {20, 12}, {-1, 14}, {19, 14}}, {{-1, 10}, {17, 11}, {2, 12}, {17, 13}},
        {{1, 9}, {15, 10}}};
    const offset hack[9][4] = {
        {{18, 8}, {21, 8}, {11, 8}, {20, 8}},   {{18, 9}, {21, 9}, {11, 9}, {20, 9}},
        {{18, 10}, {21, 9}, {11, 9}, {20, 9}},  {{18, 10}, {21, 10}, {10, 9}, {21, 9}},
        {{13, 14}, {26, 14}, {8, 10}, {23, 10}}, {{16, 14}, {23, 14}, {9, 10}, {22, 10}},
        {{17, 12}, {22, 12}, {10, 8}, {21, 8}}, {{18, 10}, {21, 10}, {11, 8}, {20, 8}},
        {{18, 8}, {21, 8}}};
    const offset shift[4] = {{-10, -23}, {-16, -22}, {-3, -25}, {-13, -24}};
    for (int column = 0; column < 4; column++) {
        for (int frame = 0; frame < (column < 2 ? 9 : 8); frame++) {
            const offset& h = sprite_tables::kHoeHead[frame][column];
            const offset& k = sprite_tables::kHackHead[frame][column];
            EXPECT_TRUE(h.x == hoe[frame][column].x && h.y == hoe[frame][column].y) << frame << " " << column;
            EXPECT_TRUE(k.x == hack[frame][column].x && k.y == hack[frame][column].y) << frame << " " << column;
        }
        const offset& s = sprite_tables::kHackHeadShift[column];
        EXPECT_TRUE(s.x == shift[column].x && s.y == shift[column].y) << column;
    }
    EXPECT_EQ(sprite_tables::kHoeHeadLift[0], 26) << "a man's";
    EXPECT_EQ(sprite_tables::kHoeHeadLift[1], 28) << "a woman's";
}

// The frames on which a walk's left and right feet come down and leave their
// prints, by facing: a woman's walk and carry mirror a man's, a kid's and a
// baby's are the same for both.
TEST(IslanderFootfalls, EveryWalkPlantsEachFootOnItsOwnFrame)
{
    struct footfall_case {
        body_set_kind set;
        int women[4][2];
        int men[4][2];
    };
    const footfall_case cases[] = {
        {BODY_ADULT_WALK, {{9, 4}, {8, 3}, {3, 8}, {4, 9}}, {{4, 9}, {8, 3}, {3, 8}, {9, 4}}},
        {BODY_ADULT_CARRY, {{9, 4}, {8, 3}, {3, 8}, {4, 9}}, {{4, 9}, {8, 3}, {3, 8}, {9, 4}}},
        {BODY_KID_WALK, {{3, 8}, {6, 1}, {1, 6}, {8, 3}}, {{3, 8}, {6, 1}, {1, 6}, {8, 3}}},
        {BODY_BABY_WALK, {{10, 2}, {2, 10}, {10, 2}, {2, 10}}, {{10, 2}, {2, 10}, {10, 2}, {2, 10}}},
    };
    ASSERT_EQ(std::size(kFootfalls), std::size(cases));
    for (const footfall_case& c : cases) {
        const auto row = std::find_if(std::begin(kFootfalls), std::end(kFootfalls),
                                      [&c](const footfall_frames& r) { return r.set == c.set; });
        ASSERT_NE(row, std::end(kFootfalls)) << c.set;
        for (int direction = 0; direction < 4; direction++) {
            for (int foot = 0; foot < 2; foot++) {
                EXPECT_EQ(row->women[direction][foot], c.women[direction][foot]) << c.set << " " << direction;
                EXPECT_EQ(row->men[direction][foot], c.men[direction][foot]) << c.set << " " << direction;
            }
        }
    }
}

// The ground shadow's offset from the body by set, sex and facing; a set
// the table leaves out keeps its shadow at the body's own corner.
TEST(IslanderShadow, EveryBodySetSexAndFacingHasItsOwnOffset)
{
    struct offsets_case {
        body_set_kind set;
        int women[4][2];
        int men[4][2];
    };
    const offsets_case cases[] = {
        {BODY_ADULT_STAND, {{-5, 46}, {-6, 48}, {-6, 48}, {-4, 46}}, {{-5, 46}, {-4, 46}, {-6, 45}, {-1, 46}}},
        {BODY_ADULT_WALK, {{-1, 49}, {-1, 49}, {-3, 49}, {0, 48}}, {{3, 42}, {0, 44}, {-2, 45}, {3, 44}}},
        {BODY_ADULT_CARRY, {{-2, 47}, {-2, 49}, {-3, 49}, {1, 47}}, {{-1, 45}, {-1, 44}, {0, 45}, {0, 44}}},
        {BODY_ADULT_HACK, {{1, 43}, {5, 43}, {1, 43}, {1, 43}}, {{7, 48}, {10, 46}, {7, 48}, {7, 48}}},
        {BODY_ADULT_HOE, {{35, 43}, {-4, 44}, {35, 43}, {35, 43}}, {{30, 40}, {3, 41}, {30, 40}, {30, 40}}},
        {BODY_KID_STAND, {{-5, 36}, {-5, 34}, {-4, 35}, {-6, 36}}, {{-5, 36}, {-5, 34}, {-4, 35}, {-6, 36}}},
        {BODY_KID_WALK, {{0, 28}, {-2, 31}, {-2, 32}, {1, 31}}, {{0, 28}, {-2, 31}, {-2, 32}, {1, 31}}},
        {BODY_BABY_STAND, {{-5, 18}, {-4, 18}, {-5, 19}, {-1, 19}}, {{-5, 18}, {-4, 18}, {-5, 19}, {-1, 19}}},
        {BODY_BABY_WALK, {{0, 18}, {3, 19}, {0, 18}, {2, 17}}, {{0, 18}, {3, 19}, {0, 18}, {2, 17}}},
    };
    ASSERT_EQ(std::size(kShadowOffsets), std::size(cases));
    for (const offsets_case& c : cases) {
        const auto row = std::find_if(std::begin(kShadowOffsets), std::end(kShadowOffsets),
                                      [&c](const shadow_offsets& r) { return r.set == c.set; });
        ASSERT_NE(row, std::end(kShadowOffsets)) << c.set;
        for (int direction = 0; direction < 4; direction++) {
            for (int axis = 0; axis < 2; axis++) {
                EXPECT_EQ(row->women[direction][axis], c.women[direction][axis]) << c.set << " " << direction;
                EXPECT_EQ(row->men[direction][axis], c.men[direction][axis]) << c.set << " " << direction;
            }
        }
    }
}

}  // namespace
