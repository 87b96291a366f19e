// Bodies, garments and tools. One skeleton is built per pose (stage, gender,
// set, direction, frame) in the islander's drawing coordinates: the head where
// the game puts the head picture for that frame, the feet on the middle of
// the shadow the game puts under that body. Bodies, the garments over them
// and the tools in their hands are all drawn from it.
#include "PackFigures.h"

#include "CFigureCanvas.h"
#include "PackFigureParts.h"
#include "PackFigureTables.h"

#include <algorithm>
#include <cmath>
#include <functional>

using figure_parts::Shade;
using figure_parts::Skin;

namespace {

constexpr float kDegrees = 0.017453293f;
constexpr int kSliver = 3;
// Rows of a grown islander's standing south-west top left clear: the clothes
// designer shows these tops, doubled, over its portrait, whose chin falls on
// their sixth row for men and women alike.
constexpr int kDesignerNeckline = 7;

figure_point Lerp(figure_point a, figure_point b, float t) { return a + (b - a) * t; }
float Length(figure_point a) { return std::sqrt(a.x * a.x + a.y * a.y); }

// Proportions of one kind of body, in pixels.
struct build_data {
    float shoulderHalf, chestHalf, waistHalf, hipHalf;
    float armRadius, legRadius, neckRadius;
    float torso, leg, arm;   // lengths: shoulders to pelvis, pelvis to ankle, shoulder to wrist
    float stride, lift, swing;
    float headRadiusY;
};

// baby, kid, woman, man
constexpr build_data kBuilds[4] = {
    {3.6f, 4.0f, 4.4f, 2.6f, 1.6f, 1.9f, 1.8f, 8.5f, 9.5f, 9.0f, 2.5f, 2.0f, 1.5f, 6.8f},
    {5.0f, 5.0f, 4.4f, 3.0f, 1.7f, 2.0f, 2.0f, 14.0f, 19.0f, 15.0f, 4.0f, 2.5f, 3.0f, 9.2f},
    {5.5f, 5.4f, 4.4f, 3.4f, 1.7f, 2.2f, 2.0f, 19.0f, 28.0f, 19.0f, 6.0f, 3.0f, 3.2f, 9.2f},
    {7.0f, 7.0f, 5.6f, 3.6f, 2.0f, 2.5f, 2.4f, 19.0f, 26.0f, 20.0f, 6.0f, 3.0f, 3.5f, 9.2f},
};

struct pose_data {
    build_data build;
    figure_point head;  // middle of the head
    figure_point shoulders, pelvis, ground;
    figure_point shoulder[2], elbow[2], hand[2];
    figure_point hip[2], knee[2], foot[2];
    figure_point forward;  // the way the islander faces, on screen
    figure_point toolButt, toolTip;
    bool armsBehind = false;
    int nearArm = 0, nearLeg = 0;
};

int BuildIndex(const figure_data& f)
{
    return f.stage == kFigureBaby ? 0 : f.stage == kFigureKid ? 1 : f.male ? 3 : 2;
}

// Column of the hack and hoe tables: SW first, then SE.
int WorkColumn(int direction)
{
    return direction == 1 ? 1 : 0;
}

figure_point Point(figure_offset offset)
{
    return {static_cast<float>(offset.x), static_cast<float>(offset.y)};
}

figure_offset BodyOffset(const figure_data& f)
{
    const bool walking = f.set == kFigureWalk;
    switch (f.stage) {
    case kFigureBaby:
        return kBabyBodyOffsets[walking][f.direction];
    case kFigureKid:
        return kKidBodyOffsets[walking][f.direction];
    default:
        return kAdultBodyOffsets[f.male][f.set][f.direction];
    }
}

figure_point HeadMiddle(const figure_data& f)
{
    const int male = f.male;
    if (f.stage == kFigureBaby) {
        // One baby body serves both; it is drawn for a boy's head.
        const figure_offset at = f.set == kFigureWalk
                                     ? kBabyWalkHead[f.frame][f.direction]
                                     : figure_offset{kAdultHeadOffsets[1].x + kBabyStandHead[1][f.direction].x,
                                                     kAdultHeadOffsets[1].y + kBabyStandHead[1][f.direction].y};
        return Point(at) + figure_point{kBabyHeadSize.x / 2.0f, kBabyHeadSize.y / 2.0f};
    }
    figure_point at = Point(f.stage == kFigureKid ? kKidHeadOffsets[1] : kAdultHeadOffsets[male]);
    const int column = WorkColumn(f.direction);
    if (f.stage == kFigureAdult && f.set == kFigureHack) {
        at = Point(kHackHead[male][f.frame][column]) + Point(kHackHeadShift[male][column]);
    } else if (f.stage == kFigureAdult && f.set == kFigureHoe) {
        at = Point(kHoeHead[male][f.frame][column]) - figure_point{0.0f, static_cast<float>(kHoeHeadLift[male])};
    }
    return at + figure_point{kAdultHeadSize.x / 2.0f, kAdultHeadSize.y / 2.0f};
}

figure_point GroundMiddle(const figure_data& f)
{
    const bool walking = f.set == kFigureWalk;
    figure_offset shadow;
    figure_offset size;
    switch (f.stage) {
    case kFigureBaby:
        shadow = kBabyShadowOffsets[walking][f.direction];
        size = kShadowSizes[kShadowBaby];
        break;
    case kFigureKid:
        shadow = kKidShadowOffsets[walking][f.direction];
        size = kShadowSizes[kShadowChild];
        break;
    default:
        shadow = kAdultShadowOffsets[f.male][f.set][f.direction];
        size = kShadowSizes[f.set == kFigureHack ? (f.male ? kShadowHackMale : kShadowHackFemale) : kShadowAdult];
    }
    return Point(BodyOffset(f)) + Point(shadow) + figure_point{size.x / 2.0f, size.y / 2.0f};
}

// The middle joint of a two-part limb of the given length from a to b,
// bending towards bend.
figure_point Joint(figure_point a, figure_point b, float length, figure_point bend)
{
    const figure_point middle = Lerp(a, b, 0.5f);
    const figure_point span = b - a;
    const float distance = Length(span);
    if (distance >= length || distance < 0.01f) {
        return middle;
    }
    const float rise = std::sqrt(length * length / 4.0f - distance * distance / 4.0f);
    figure_point normal{-span.y / distance, span.x / distance};
    if (normal.x * bend.x + normal.y * bend.y < 0) {
        normal = normal * -1.0f;
    }
    return middle + normal * rise;
}

// The swing of the tool arm through a hack or hoe, by frame: the arm's
// angle and the tool's, in degrees above the way the islander faces.
struct swing_data {
    float arm, tool;
};
constexpr swing_data kHackSwing[9] = {{-60, 50}, {-10, 95}, {40, 125}, {62, 140}, {-20, -50},
                                      {-40, -20}, {-55, 10}, {-62, 35}, {-60, 50}};
constexpr swing_data kHoeSwing[9] = {{-40, -55}, {-24, -28}, {-14, -22}, {-25, -60}, {-30, -58},
                                     {-35, -57}, {-40, -56}, {-42, -55}, {-40, -55}};

pose_data MakePose(const figure_data& f)
{
    pose_data pose;
    const build_data& b = kBuilds[BuildIndex(f)];
    pose.build = b;
    static const figure_point kForward[4] = {{0.85f, -0.35f}, {0.85f, 0.35f}, {-0.85f, 0.35f}, {-0.85f, -0.35f}};
    static const figure_point kSide[4] = {{0.75f, 0.3f}, {0.75f, -0.3f}, {0.75f, 0.3f}, {0.75f, -0.3f}};
    pose.forward = kForward[f.direction];
    const figure_point side = kSide[f.direction];
    pose.head = HeadMiddle(f);
    pose.ground = GroundMiddle(f);

    pose.shoulders = pose.head + figure_point{0.0f, b.headRadiusY + (f.stage == kFigureBaby ? 0.5f : 1.5f)};
    // A figure shorter than its build is drawn a little smaller, bending its
    // knees a little when it works.
    const float reach = pose.ground.y - pose.shoulders.y;
    const float natural = b.torso + b.leg;
    const bool working = f.stage == kFigureAdult && (f.set == kFigureHack || f.set == kFigureHoe);
    const float shrink = reach < natural ? reach / natural : 1.0f;
    const float torso = b.torso * shrink;
    pose.pelvis = Lerp(pose.shoulders, pose.ground, torso / std::max(reach, 1.0f));
    const float leg = std::max(b.leg * shrink * (working ? 1.06f : 1.0f), Length(pose.ground - pose.pelvis));

    // Legs: planted, striding or braced for work.
    float swing[2] = {0, 0};
    float lift[2] = {0, 0};
    const bool walking = f.set == kFigureWalk || f.set == kFigureCarry;
    if (walking) {
        const int frames = f.stage == kFigureBaby ? 16 : 10;
        const int left = f.stage == kFigureBaby  ? kBabyLeftStepFrames[f.direction]
                         : f.stage == kFigureKid ? kKidLeftStepFrames[f.direction]
                                                 : kLeftStepFrames[f.male][f.direction];
        const float phase = 6.2831853f * static_cast<float>(f.frame - left) / frames;
        swing[0] = std::cos(phase);
        swing[1] = -swing[0];
        lift[0] = std::max(0.0f, -std::sin(phase)) * b.lift;
        lift[1] = std::max(0.0f, std::sin(phase)) * b.lift;
    } else if (working) {
        swing[0] = 0.8f;
        swing[1] = -0.7f;
    }
    for (int i = 0; i < 2; i++) {
        const float across = i == 0 ? -1.0f : 1.0f;
        pose.hip[i] = pose.pelvis + side * (across * b.hipHalf);
        pose.foot[i] = pose.ground + side * (across * b.hipHalf * 0.9f) + pose.forward * (swing[i] * b.stride) -
                       figure_point{0.0f, lift[i] + b.legRadius * 0.6f};
        pose.knee[i] = Joint(pose.hip[i], pose.foot[i], leg, {pose.forward.x, 0.0f});
    }
    pose.nearLeg = pose.hip[1].y > pose.hip[0].y ? 1 : 0;

    // Arms: hanging, swinging, holding a load or a tool.
    const float s = f.direction == 1 || f.direction == 0 ? 1.0f : -1.0f;
    for (int i = 0; i < 2; i++) {
        const float across = i == 0 ? -1.0f : 1.0f;
        pose.shoulder[i] = pose.shoulders + side * (across * b.shoulderHalf) + figure_point{0.0f, 1.5f};
        figure_point hand = pose.shoulder[i] + figure_point{0.0f, b.arm * 0.995f} + side * (across * 0.5f);
        figure_point bend = pose.forward * -1.0f;
        if (f.stage == kFigureBaby) {
            // Toddlers keep their arms out for balance.
            hand = pose.shoulder[i] + side * (across * 1.5f) + figure_point{0.0f, b.arm * 0.8f} -
                   pose.forward * (swing[i] * b.swing);
            bend = side * across;
        } else if (f.set == kFigureCarry) {
            hand = pose.shoulders + figure_point{0.0f, torso * 0.45f} + pose.forward * 7.0f + side * (across * 3.5f);
            bend = figure_point{0.0f, 1.0f} - pose.forward;
        } else if (walking) {
            hand = hand - pose.forward * (swing[i] * b.swing);
        } else if (working) {
            const swing_data& motion = (f.set == kFigureHack ? kHackSwing : kHoeSwing)[f.frame];
            const float armAngle = motion.arm * kDegrees, toolAngle = motion.tool * kDegrees;
            const figure_point armWay{s * std::cos(armAngle), -std::sin(armAngle)};
            const figure_point toolWay{s * std::cos(toolAngle), -std::sin(toolAngle)};
            const float length = f.set == kFigureHack ? (f.male ? 22.0f : 20.0f) : (f.male ? 24.0f : 22.0f);
            const figure_point grip = pose.shoulders + armWay * (b.arm * (f.set == kFigureHack ? 0.85f : 0.7f));
            hand = grip - toolWay * (i == 0 ? 0.0f : length * 0.16f);
            pose.toolButt = grip - toolWay * (length * (f.set == kFigureHack ? 0.25f : 0.4f));
            pose.toolTip = grip + toolWay * length;
            bend = figure_point{0.0f, 1.0f};
        }
        pose.hand[i] = hand;
        pose.elbow[i] = Joint(pose.shoulder[i], hand, b.arm, bend);
    }
    pose.nearArm = pose.shoulder[1].y > pose.shoulder[0].y ? 1 : 0;
    pose.armsBehind = f.set == kFigureCarry && (f.direction == 0 || f.direction == 3);
    return pose;
}

// The torso as a polygon, grown by extra on every side, from the shoulders
// down to the fraction bottom of the way to the pelvis (beyond 1 reaching
// over the hips).
std::vector<figure_point> Torso(const pose_data& pose, float extra, float bottom)
{
    const build_data& b = pose.build;
    const figure_point across{1.0f, pose.shoulder[1].y > pose.shoulder[0].y ? 0.25f : -0.25f};
    const figure_point top = pose.shoulders + figure_point{0.0f, 0.5f - extra};
    const figure_point waist = Lerp(pose.shoulders, pose.pelvis, 0.62f);
    const figure_point low = Lerp(pose.shoulders, pose.pelvis, bottom) + figure_point{0.0f, extra};
    const float lowHalf = bottom > 0.8f ? b.hipHalf + b.legRadius : b.waistHalf;
    return {top + across * -(b.chestHalf - 1.0f + extra),
            top + across * (b.chestHalf - 1.0f + extra),
            pose.shoulders + figure_point{0.0f, 3.0f} + across * (b.chestHalf + extra),
            waist + across * (b.waistHalf + extra),
            low + across * (lowHalf + extra),
            low + across * -(lowHalf + extra),
            waist + across * -(b.waistHalf + extra),
            pose.shoulders + figure_point{0.0f, 3.0f} + across * -(b.chestHalf + extra)};
}

// A limb piece from fraction t0 to t1 of the way a -> b -> c (upper then
// lower part).
void LimbPiece(figure_point a, figure_point b, figure_point c, float t0, float t1,
               const std::function<void(figure_point, figure_point)>& piece)
{
    auto at = [&](float t) { return t <= 1.0f ? Lerp(a, b, t) : Lerp(b, c, t - 1.0f); };
    if (t0 < 1.0f) {
        piece(at(t0), at(std::min(t1, 1.0f)));
    }
    if (t1 > 1.0f) {
        piece(at(std::max(t0, 1.0f)), at(t1));
    }
}

// --- Bodies ---

struct paint_data {
    figure_colour fill, edge, far;
};

void DrawArm(CFigureCanvas& canvas, const pose_data& pose, int i, const paint_data& paint, bool far, float from)
{
    const figure_colour fill = far ? paint.far : paint.fill;
    LimbPiece(pose.shoulder[i], pose.elbow[i], pose.hand[i], from, 2.0f, [&](figure_point a, figure_point b) {
        canvas.OutlinedCapsule(a, b, pose.build.armRadius, fill, paint.edge);
    });
    canvas.OutlinedEllipse(pose.hand[i], pose.build.armRadius + 0.7f, pose.build.armRadius + 0.7f, fill, paint.edge);
}

void DrawLeg(CFigureCanvas& canvas, const pose_data& pose, int i, const paint_data& paint, bool far, float from)
{
    const figure_colour fill = far ? paint.far : paint.fill;
    LimbPiece(pose.hip[i], pose.knee[i], pose.foot[i], from, 2.0f, [&](figure_point a, figure_point b) {
        canvas.OutlinedCapsule(a, b, pose.build.legRadius, fill, paint.edge);
    });
    const figure_point toe = pose.foot[i] + figure_point{pose.forward.x * 3.0f, 0.8f};
    canvas.OutlinedCapsule(pose.foot[i] + figure_point{0.0f, 0.8f}, toe, pose.build.legRadius * 0.8f, fill,
                           paint.edge);
}

void DrawHoe(CFigureCanvas& canvas, const pose_data& pose)
{
    const figure_colour wood{166, 116, 64, 255}, woodEdge{78, 50, 28, 255};
    const figure_colour metal{150, 156, 166, 255}, metalEdge{58, 60, 70, 255};
    canvas.OutlinedCapsule(pose.toolButt, pose.toolTip, 1.1f, wood, woodEdge);
    const figure_point way = pose.toolTip - pose.toolButt;
    const float length = Length(way);
    figure_point blade{-way.y / length, way.x / length};
    if (blade.y < 0) {
        blade = blade * -1.0f;
    }
    canvas.OutlinedCapsule(pose.toolTip, pose.toolTip + blade * 5.0f, 1.6f, metal, metalEdge);
}

void DrawBody(const figure_data& f, const pose_data& pose, CFigureCanvas& canvas)
{
    const figure_colour skin = Skin(f.skin);
    const paint_data paint{skin, Shade(skin, 0.5f), Shade(skin, 0.84f)};
    const int nearArm = pose.nearArm, farArm = 1 - nearArm;
    const int nearLeg = pose.nearLeg, farLeg = 1 - nearLeg;
    const bool clothedBehind = f.stage != kFigureAdult;  // kids' clothes lie behind their bodies
    const float bareArm = f.stage == kFigureKid ? 0.5f : 0.0f;  // below a kid's short sleeve
    const build_data& b = pose.build;

    if (pose.armsBehind) {
        DrawArm(canvas, pose, nearArm, paint, true, 0.0f);
    }
    DrawArm(canvas, pose, farArm, paint, true, bareArm);
    DrawLeg(canvas, pose, farLeg, paint, true, clothedBehind ? 1.0f : 0.0f);
    const figure_point neck = pose.head + figure_point{0.0f, b.headRadiusY - 4.0f};
    canvas.OutlinedCapsule(neck, pose.shoulders + figure_point{0.0f, 2.0f}, b.neckRadius, paint.fill, paint.edge);
    if (clothedBehind) {
        // The garments behind show through where they are worn.
        const figure_colour none{0, 0, 0, 0};
        canvas.Polygon(Torso(pose, 0.0f, 1.05f), none);
        for (int i = 0; i < 2; i++) {
            canvas.Capsule(pose.hip[i], pose.knee[i], b.legRadius + 0.5f, none);
            if (bareArm > 0) {
                LimbPiece(pose.shoulder[i], pose.elbow[i], pose.hand[i], 0.0f, bareArm,
                          [&](figure_point p, figure_point q) { canvas.Capsule(p, q, b.armRadius + 0.5f, none); });
            }
        }
        canvas.OutlinedCapsule(neck, pose.shoulders, b.neckRadius, paint.fill, paint.edge);
    } else {
        canvas.OutlinedPolygon(Torso(pose, 0.0f, 1.05f), paint.fill, paint.edge);
        // Plain undergarments, seen only when clothes are left off.
        const figure_colour linen{226, 216, 192, 255}, linenEdge{120, 108, 90, 255};
        for (int i = 0; i < 2; i++) {
            canvas.OutlinedCapsule(pose.hip[i], Lerp(pose.hip[i], pose.knee[i], 0.3f), b.legRadius + 0.3f, linen,
                                   linenEdge);
        }
        const figure_point belt = Lerp(pose.shoulders, pose.pelvis, 0.85f);
        const float half = b.hipHalf + b.legRadius;
        canvas.OutlinedPolygon({belt + figure_point{-half, 0.0f}, belt + figure_point{half, 0.0f},
                                pose.pelvis + figure_point{half, 1.5f}, pose.pelvis + figure_point{-half, 1.5f}},
                               linen, linenEdge);
    }
    DrawLeg(canvas, pose, nearLeg, paint, false, clothedBehind ? 1.0f : 0.0f);
    if (!pose.armsBehind) {
        DrawArm(canvas, pose, nearArm, paint, false, bareArm);
    }
    if (f.set == kFigureHoe && f.stage == kFigureAdult) {
        DrawHoe(canvas, pose);
        canvas.OutlinedEllipse(pose.hand[nearArm], b.armRadius + 0.7f, b.armRadius + 0.7f, paint.fill, paint.edge);
    }
}

// --- Garments ---

// Paints garment parts into one canvas (plain pictures) or into the grey
// mask and the line drawing at once.
class garment_painter {
public:
    garment_painter(CFigureCanvas& first, CFigureCanvas* line, figure_colour colour)
        : first(first), line(line), colour(colour)
    {
    }

    // part(canvas, fill, edge) draws one outlined piece; far pieces are
    // shaded, sheer ones let the body through.
    void Part(const std::function<void(CFigureCanvas&, figure_colour, figure_colour)>& part, bool far, bool sheer)
    {
        if (line) {
            const figure_colour grey{85, 85, 85, static_cast<uint8_t>(sheer ? 128 : 255)};
            part(first, grey, grey);
            part(*line, far ? figure_colour{0, 0, 0, 64} : figure_colour{0, 0, 0, 0}, {48, 38, 34, 255});
        } else {
            part(first, far ? Shade(colour, 0.82f) : colour, Shade(colour, 0.5f));
        }
    }

    void Capsule(figure_point a, figure_point b, float radius, bool far, bool sheer = false)
    {
        Part([&](CFigureCanvas& c, figure_colour fill, figure_colour edge) { c.OutlinedCapsule(a, b, radius, fill, edge); },
             far, sheer);
    }

    void Polygon(const std::vector<figure_point>& corners, bool far, bool sheer = false)
    {
        Part([&](CFigureCanvas& c, figure_colour fill, figure_colour edge) { c.OutlinedPolygon(corners, fill, edge); },
             far, sheer);
    }

    // Clears a bare body part that lies in front of the garment.
    void Clear(figure_point a, figure_point b, float radius)
    {
        for (CFigureCanvas* c : {&first, line}) {
            if (c) {
                c->Capsule(a, b, radius, {0, 0, 0, 0});
            }
        }
    }

private:
    CFigureCanvas& first;
    CFigureCanvas* line;
    figure_colour colour;
};

// Kid and baby garment colours by picture number: [stage kid boy, kid girl,
// baby][top][colour].
figure_colour PlainColour(const figure_data& f)
{
    static const figure_colour kKid[2][2][3] = {
        {{{214, 92, 120, 255}, {128, 84, 160, 255}, {48, 140, 140, 255}},
         {{250, 170, 190, 255}, {196, 160, 230, 255}, {250, 150, 120, 255}}},
        {{{60, 84, 140, 255}, {170, 150, 100, 255}, {120, 86, 60, 255}},
         {{100, 170, 230, 255}, {120, 190, 100, 255}, {250, 170, 70, 255}}},
    };
    static const figure_colour kBaby[2][6] = {
        {{245, 245, 240, 255}, {236, 242, 250, 255}, {250, 246, 220, 255}, {252, 236, 240, 255},
         {242, 236, 250, 255}, {250, 240, 228, 255}},
        {{150, 200, 240, 255}, {150, 220, 180, 255}, {250, 226, 120, 255}, {250, 170, 200, 255},
         {200, 170, 236, 255}, {250, 190, 150, 255}},
    };
    return f.stage == kFigureBaby ? kBaby[f.top][f.style] : kKid[f.male][f.top][f.style];
}

void DrawTop(const figure_data& f, const pose_data& pose, garment_painter& paint)
{
    const build_data& b = pose.build;
    const int nearArm = pose.nearArm, farArm = 1 - nearArm;
    // Adults: 0 short sleeves, 1 none, 2 long sheer sleeves; kids and babies
    // short sleeves.
    const int style = f.stage == kFigureAdult ? f.style : 0;
    const float sleeve = style == 1 || f.stage == kFigureBaby ? 0.0f : style == 2 ? 1.9f : f.stage == kFigureAdult ? 0.6f : 0.55f;
    auto drawSleeve = [&](int i, bool far) {
        LimbPiece(pose.shoulder[i], pose.elbow[i], pose.hand[i], 0.0f, sleeve, [&](figure_point a, figure_point c) {
            paint.Capsule(a, c, b.armRadius + 1.2f, far);
        });
        if (style == 2) {
            LimbPiece(pose.shoulder[i], pose.elbow[i], pose.hand[i], 1.0f, sleeve,
                      [&](figure_point a, figure_point c) { paint.Capsule(a, c, b.armRadius + 1.2f, far, true); });
        }
    };
    if (pose.armsBehind && sleeve > 0) {
        drawSleeve(nearArm, true);
    }
    if (sleeve > 0) {
        drawSleeve(farArm, true);
    }
    const float length = style == 2 ? 1.2f : style == 1 ? 0.95f : 1.02f;
    paint.Polygon(Torso(pose, 1.0f, length), false);
    if (style == 1) {
        // Straps over the shoulders.
        for (int i = 0; i < 2; i++) {
            paint.Capsule(Lerp(pose.shoulders, pose.shoulder[i], 0.6f) + figure_point{0, -0.5f},
                          Lerp(pose.shoulders, pose.shoulder[i], 0.6f) + figure_point{0, 3.0f}, 1.3f, false);
        }
    }
    if (!pose.armsBehind) {
        LimbPiece(pose.shoulder[nearArm], pose.elbow[nearArm], pose.hand[nearArm], 0.0f, 2.0f,
                  [&](figure_point a, figure_point c) { paint.Clear(a, c, b.armRadius + 1.0f); });
        paint.Clear(pose.hand[nearArm], pose.hand[nearArm], b.armRadius + 1.8f);
        if (sleeve > 0) {
            drawSleeve(nearArm, false);
        }
    }
}

void DrawBottom(const figure_data& f, const pose_data& pose, garment_painter& paint)
{
    const build_data& b = pose.build;
    const int nearLeg = pose.nearLeg, farLeg = 1 - nearLeg;
    const bool skirt = f.stage == kFigureKid ? !f.male : f.stage == kFigureAdult && !f.male && f.style != 0;
    const bool diaper = f.stage == kFigureBaby;
    // How far down the legs: to the fraction of hip -> knee -> ankle.
    const float reach = diaper ? 0.35f : f.stage == kFigureKid ? 1.05f : f.style == 0 ? 0.75f : 1.85f;
    const bool sheerShins = f.stage == kFigureAdult && f.style == 2;
    const figure_point waist = Lerp(pose.shoulders, pose.pelvis, 0.66f);
    const float hipWidth = b.hipHalf + b.legRadius + 1.0f;
    auto legPiece = [&](int i, bool far) {
        LimbPiece(pose.hip[i], pose.knee[i], pose.foot[i], 0.0f, std::min(reach, 1.0f),
                  [&](figure_point a, figure_point c) { paint.Capsule(a, c, b.legRadius + 1.2f, far); });
        if (reach > 1.0f) {
            LimbPiece(pose.hip[i], pose.knee[i], pose.foot[i], 1.0f, reach, [&](figure_point a, figure_point c) {
                paint.Capsule(a, c, b.legRadius + 1.1f, far, sheerShins);
            });
        }
    };
    if (skirt) {
        const float hem = f.stage == kFigureKid ? 1.05f : f.style == 1 ? 1.9f : 1.1f;
        auto at = [&](int i) {
            return hem <= 1.0f ? Lerp(pose.hip[i], pose.knee[i], hem) : Lerp(pose.knee[i], pose.foot[i], hem - 1.0f);
        };
        const figure_point low0 = at(0), low1 = at(1);
        const float flare = hipWidth + (hem > 1.5f ? 3.5f : f.stage == kFigureKid ? 1.0f : 2.0f);
        const float left = std::min(low0.x, low1.x), right = std::max(low0.x, low1.x);
        const float bottom = std::max(low0.y, low1.y);
        const std::vector<figure_point> corners = {
            waist + figure_point{-hipWidth + 0.5f, -1.0f}, waist + figure_point{hipWidth - 0.5f, -1.0f},
            pose.pelvis + figure_point{hipWidth + 0.5f, 0.0f}, figure_point{right + flare - hipWidth + 1.0f, bottom},
            figure_point{left - flare + hipWidth - 1.0f, bottom}, pose.pelvis + figure_point{-hipWidth - 0.5f, 0.0f}};
        for (int i = 0; i < 2; i++) {
            paint.Capsule(pose.hip[i], pose.knee[i], b.legRadius + 1.2f, false);
        }
        paint.Polygon(corners, false);
        if (f.stage == kFigureAdult && f.style == 2) {
            // A sheer wrap below a knee-length skirt.
            const figure_point knee0 = Lerp(pose.knee[0], pose.foot[0], 0.45f);
            const figure_point knee1 = Lerp(pose.knee[1], pose.foot[1], 0.45f);
            paint.Polygon({figure_point{left - flare + hipWidth - 1.0f, bottom - 1.0f},
                           figure_point{right + flare - hipWidth + 1.0f, bottom - 1.0f},
                           figure_point{std::max(knee0.x, knee1.x) + 3.0f, std::max(knee0.y, knee1.y)},
                           figure_point{std::min(knee0.x, knee1.x) - 3.0f, std::max(knee0.y, knee1.y)}},
                          false, true);
        }
    } else {
        legPiece(farLeg, true);
        paint.Polygon({waist + figure_point{-hipWidth, -1.0f}, waist + figure_point{hipWidth, -1.0f},
                       pose.pelvis + figure_point{hipWidth, diaper ? 3.0f : 1.0f},
                       pose.pelvis + figure_point{-hipWidth, diaper ? 3.0f : 1.0f}},
                      false);
        legPiece(nearLeg, false);
    }
    if (f.stage == kFigureAdult) {
        // A waistband, and the hands in front stay bare.
        paint.Capsule(waist + figure_point{-hipWidth + 0.5f, -0.5f}, waist + figure_point{hipWidth - 0.5f, -0.5f}, 0.9f,
                      false);
        for (int i = 0; i < 2; i++) {
            if (i == pose.nearArm && !pose.armsBehind) {
                LimbPiece(pose.shoulder[i], pose.elbow[i], pose.hand[i], 1.0f, 2.0f,
                          [&](figure_point a, figure_point c) { paint.Clear(a, c, b.armRadius + 1.0f); });
                paint.Clear(pose.hand[i], pose.hand[i], b.armRadius + 1.8f);
            }
        }
    }
}

figure_offset GarmentOffset(const figure_data& f)
{
    if (f.stage == kFigureBaby) {
        return f.set == kFigureWalk ? kBabyGarmentOffsets[f.top][f.direction] : figure_offset{0, 0};
    }
    if (f.stage == kFigureKid || f.set == kFigureStand) {
        return {0, 0};
    }
    return kGarmentOffsets[f.male][f.top][std::min(f.style, 2)][f.set - kFigureWalk][f.direction];
}

// --- Tools ---

void DrawTool(const figure_data& f, const pose_data& pose, CFigureCanvas& canvas)
{
    const figure_colour wood{166, 116, 64, 255}, woodEdge{78, 50, 28, 255};
    const figure_colour metal{168, 174, 186, 255}, metalEdge{56, 58, 68, 255};
    const figure_point way = (pose.toolTip - pose.toolButt) * (1.0f / Length(pose.toolTip - pose.toolButt));
    const figure_point across{-way.y, way.x};
    const figure_point tip = pose.toolTip;
    switch (f.tool) {
    case kFigureStick:
        canvas.OutlinedCapsule(pose.toolButt, tip, 1.2f, wood, woodEdge);
        break;
    case kFigureAxe:
        canvas.OutlinedPolygon({tip - way * 1.5f, tip + way * 1.5f, tip + way * 4.0f + across * 7.0f,
                                tip - way * 4.0f + across * 7.0f},
                               metal, metalEdge);
        break;
    case kFigurePickaxe:
        canvas.OutlinedPolygon({tip + across * -9.0f - way * 2.0f, tip - way * 1.0f + across * -3.0f,
                                tip + way * 2.0f, tip - way * 1.0f + across * 3.0f,
                                tip + across * 9.0f - way * 2.0f, tip + way * 0.5f},
                               metal, metalEdge);
        canvas.OutlinedCapsule(tip + across * -8.0f - way * 1.5f, tip + across * 8.0f - way * 1.5f, 1.2f, metal,
                               metalEdge);
        break;
    case kFigureHammer:
        canvas.OutlinedPolygon({tip + across * -4.5f - way * 3.0f, tip + across * 4.5f - way * 3.0f,
                                tip + across * 4.5f + way * 2.5f, tip + across * -4.5f + way * 2.5f},
                               {96, 98, 108, 255}, metalEdge);
        break;
    }
}

}  // namespace

std::vector<uint8_t> DrawFigure(const figure_data& f, int width, int height, std::string& reason)
{
    figure_point origin{0.0f, 0.0f};
    const bool posed = f.kind == FigureKind::Body || f.kind == FigureKind::Garment || f.kind == FigureKind::Tool;
    if (f.kind == FigureKind::Body || f.kind == FigureKind::Garment) {
        origin = Point(BodyOffset(f));
        if (f.kind == FigureKind::Garment) {
            origin = origin + Point(GarmentOffset(f));
        }
    } else if (f.kind == FigureKind::Tool) {
        origin = Point(kToolOffsets[f.male][f.tool][f.direction == 1 ? 0 : 1]);
    }
    // Garments and tools may lose a sliver at the edge of their picture where
    // the game's offsets put that edge close to the figure: they are drawn
    // with a margin that is cut off afterwards.
    const int margin = f.kind == FigureKind::Garment || f.kind == FigureKind::Tool ? kSliver : 0;
    CFigureCanvas canvas(width + 2 * margin, height + 2 * margin, origin.x - margin, origin.y - margin);
    CFigureCanvas line(width + 2 * margin, height + 2 * margin, origin.x - margin, origin.y - margin);
    if (posed) {
        if (f.kind != FigureKind::Tool) {
            canvas.OpenTop();
            line.OpenTop();
        }
        figure_data body = f;
        if (f.kind == FigureKind::Garment && f.stage == kFigureKid) {
            body.male = true;  // one kid body for both
        }
        const pose_data pose = MakePose(body);
        if (f.kind == FigureKind::Body) {
            DrawBody(f, pose, canvas);
        } else if (f.kind == FigureKind::Tool) {
            DrawTool(f, pose, canvas);
        } else {
            const bool masked = f.layer != kFigurePlain;
            garment_painter paint(canvas, masked ? &line : nullptr, masked ? figure_colour{} : PlainColour(f));
            if (f.top) {
                DrawTop(f, pose, paint);
            } else {
                DrawBottom(f, pose, paint);
            }
        }
    } else {
        switch (f.kind) {
        case FigureKind::Head: figure_parts::DrawHead(f, canvas); break;
        case FigureKind::Eyelid: figure_parts::DrawEyelid(f, canvas); break;
        case FigureKind::Mouth: figure_parts::DrawMouth(f, canvas); break;
        case FigureKind::Hair: figure_parts::DrawHair(f, canvas); break;
        case FigureKind::Good: figure_parts::DrawGood(f, canvas); break;
        case FigureKind::Shadow: figure_parts::DrawShadow(f, canvas); break;
        case FigureKind::Ring: figure_parts::DrawRing(f, canvas); break;
        case FigureKind::Splash: figure_parts::DrawSplash(f, canvas); break;
        case FigureKind::Dust: figure_parts::DrawDust(f, canvas); break;
        default: break;
        }
    }
    CFigureCanvas& drawn = f.kind == FigureKind::Garment && f.layer == kFigureLine ? line : canvas;
    if (canvas.Clipped() || line.Clipped()) {
        const int left = std::min(canvas.Left(), line.Left()), top = std::min(canvas.Top(), line.Top());
        const int right = std::max(canvas.Right(), line.Right()), bottom = std::max(canvas.Bottom(), line.Bottom());
        reason = "the drawing does not fit " + std::to_string(width) + " x " + std::to_string(height) +
                 " at its drawing offset; it covers x " + std::to_string(left) + ".." + std::to_string(right - 1) +
                 ", y " + std::to_string(top) + ".." + std::to_string(bottom - 1);
        return {};
    }
    if (margin == 0) {
        return drawn.Pixels();
    }
    std::vector<uint8_t> cut(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; y++) {
        const uint8_t* from = &drawn.Pixels()[(static_cast<size_t>(y + margin) * drawn.Width() + margin) * 4];
        std::copy(from, from + width * 4, &cut[static_cast<size_t>(y) * width * 4]);
    }
    if (f.kind == FigureKind::Garment && f.top && f.stage == kFigureAdult && f.set == kFigureStand && f.direction == 2) {
        // The clothes designer lays these tops, doubled, over its portrait
        // of the islander at places of its own, where their first rows
        // would cover the chin and mouth: the neckline starts below them.
        std::fill(cut.begin(), cut.begin() + static_cast<long>(kDesignerNeckline) * width * 4, 0);
    }
    return cut;
}
