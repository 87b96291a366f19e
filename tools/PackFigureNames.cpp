// Reading islander picture names. Each shape of name is a small pattern:
// %g a gender word (male, female), %k a kid word (boy, girl), %D a direction
// word (NE, SE, SW, NW), %n a whole number, %e an emotion word; anything else
// stands for itself.
#include "PackFigures.h"

#include <cctype>
#include <functional>

namespace {

const char* const kDirections[] = {"NE", "SE", "SW", "NW"};
const char* const kEmotions[] = {"neutral", "smile", "angry", "frown", "surprised", "worried"};
const char* const kGoods[] = {"wood", "rock", "fish", "vegetable0", "vegetable1", "vegetable2"};
const char* const kTools[] = {"stick", "axe", "pickaxe", "hammer"};
const char* const kSets[] = {"stand", "walk", "carry", "hack", "hoe"};

struct match_data {
    std::vector<int> numbers;
    std::vector<int> words;  // index of the word matched by %g, %k, %D, %e, %t, %s in its list
};

bool Match(const char* pattern, const char* name, match_data& match)
{
    if (*pattern == '\0') {
        return *name == '\0';
    }
    if (*pattern != '%') {
        return *pattern == *name && Match(pattern + 1, name + 1, match);
    }
    const char code = pattern[1];
    if (code == 'n') {
        int value = 0, digits = 0;
        while (isdigit(static_cast<unsigned char>(name[digits])) && digits < 6) {
            value = value * 10 + (name[digits] - '0');
            digits++;
        }
        if (digits == 0 || isdigit(static_cast<unsigned char>(name[digits]))) {
            return false;
        }
        match.numbers.push_back(value);
        if (Match(pattern + 2, name + digits, match)) {
            return true;
        }
        match.numbers.pop_back();
        return false;
    }
    static const std::vector<const char*> kGender = {"male", "female"};
    static const std::vector<const char*> kKid = {"boy", "girl"};
    static const std::vector<const char*> kDirection(std::begin(kDirections), std::end(kDirections));
    static const std::vector<const char*> kEmotion(std::begin(kEmotions), std::end(kEmotions));
    static const std::vector<const char*> kTool(std::begin(kTools), std::end(kTools));
    static const std::vector<const char*> kSet(std::begin(kSets), std::end(kSets));
    static const std::vector<const char*> kGood(std::begin(kGoods), std::end(kGoods));
    const std::vector<const char*>* words = code == 'g'   ? &kGender
                                            : code == 'k' ? &kKid
                                            : code == 'D' ? &kDirection
                                            : code == 'e' ? &kEmotion
                                            : code == 't' ? &kTool
                                            : code == 's' ? &kSet
                                                          : &kGood;
    for (size_t i = 0; i < words->size(); i++) {
        const std::string word = (*words)[i];
        if (std::string(name).compare(0, word.size(), word) == 0) {
            match.words.push_back(static_cast<int>(i));
            if (Match(pattern + 2, name + word.size(), match)) {
                return true;
            }
            match.words.pop_back();
        }
    }
    return false;
}

// A number out of its range makes the name no islander picture.
struct range_check {
    std::string& reason;
    bool operator()(int value, int low, int high, const char* what) const
    {
        if (value >= low && value <= high) {
            return true;
        }
        reason = std::string("its ") + what + " " + std::to_string(value) + " is outside " + std::to_string(low) +
                 ".." + std::to_string(high);
        return false;
    }
};

using reader = std::function<bool(const match_data&, figure_data&, const range_check&)>;

struct shape_data {
    const char* pattern;
    reader read;
};

bool WorkingDirection(int direction, const range_check& check)
{
    return check(direction, 1, 2, "direction (only SE and SW hack and hoe)");
}

// The last frame of a working set: a man's body and tools have a ninth image,
// a copy of the first; garments stop at 7.
int LastWorkFrame(bool male, bool garment)
{
    return male && !garment ? 8 : 7;
}

bool ReadAdultGarment(const match_data& m, figure_data& f, const range_check& check, bool animated, int layer)
{
    f.kind = FigureKind::Garment;
    f.stage = kFigureAdult;
    f.male = m.words[0] == 0;
    f.style = m.numbers[0];
    f.layer = layer;
    int w = 1;
    f.set = animated ? m.words[w++] : kFigureStand;
    f.direction = m.words[w];
    f.frame = animated ? m.numbers[1] : 0;
    if (!check(f.style, 0, 2, "garment style")) {
        return false;
    }
    if (animated && f.set == kFigureStand) {
        return check(1, 0, 0, "stand garment frame");
    }
    if (f.set == kFigureHack || f.set == kFigureHoe) {
        return WorkingDirection(f.direction, check) && check(f.frame, 0, LastWorkFrame(f.male, true), "frame");
    }
    return check(f.frame, 0, 9, "frame");
}

std::vector<shape_data> Shapes()
{
    std::vector<shape_data> shapes;
    auto add = [&](const char* pattern, reader read) { shapes.push_back({pattern, std::move(read)}); };

    // Adult bodies.
    add("%g_stand_skin%n_%D.png", [](const match_data& m, figure_data& f, const range_check& check) {
        f.male = m.words[0] == 0;
        f.set = kFigureStand;
        f.direction = m.words[1];
        f.skin = m.numbers[0];
        return check(f.skin, 0, 3, "skin");
    });
    for (int set = kFigureWalk; set <= kFigureHoe; set++) {
        static const char* const kPatterns[] = {"", "%g_walk_skin%n_%D_%n.png", "%g_carry_skin%n_%D_%n.png",
                                                "%g_hack_skin%n_%D_%n.png", "%g_hoe_skin%n_%D_%n.png"};
        add(kPatterns[set], [set](const match_data& m, figure_data& f, const range_check& check) {
            f.male = m.words[0] == 0;
            f.set = set;
            f.direction = m.words[1];
            f.skin = m.numbers[0];
            f.frame = m.numbers[1];
            if (!check(f.skin, 0, 3, "skin")) {
                return false;
            }
            if (set == kFigureHack || set == kFigureHoe) {
                return WorkingDirection(f.direction, check) && check(f.frame, 0, LastWorkFrame(f.male, false), "frame");
            }
            return check(f.frame, 0, 9, "frame");
        });
    }
    add("%g_hack_%t%D_%n.png", [](const match_data& m, figure_data& f, const range_check& check) {
        f.kind = FigureKind::Tool;
        f.male = m.words[0] == 0;
        f.tool = m.words[1];
        f.set = kFigureHack;
        f.direction = m.words[2];
        f.frame = m.numbers[0];
        return WorkingDirection(f.direction, check) && check(f.frame, 0, LastWorkFrame(f.male, false), "frame");
    });

    // Heads, eyelids, mouths and hair.
    add("%g_head_skin%n_%n.png", [](const match_data& m, figure_data& f, const range_check& check) {
        f.kind = FigureKind::Head;
        f.male = m.words[0] == 0;
        f.skin = m.numbers[0];
        f.frame = m.numbers[1];
        return check(f.skin, 0, 3, "skin") && check(f.frame, 0, 15, "head frame");
    });
    add("baby_head_skin%n_%n.png", [](const match_data& m, figure_data& f, const range_check& check) {
        f.kind = FigureKind::Head;
        f.stage = kFigureBaby;
        f.skin = m.numbers[0];
        f.frame = m.numbers[1];
        return check(f.skin, 0, 3, "skin") && check(f.frame, 0, 15, "head frame");
    });
    auto eyelid = [](const match_data& m, figure_data& f, const range_check& check) {
        f.kind = FigureKind::Eyelid;
        f.skin = m.numbers[0];
        f.frame = m.numbers[1];
        f.lid = m.numbers[2];
        if (f.frame == 0 && f.lid == 0) {
            f.lid = -1;  // the blank lid every head frame starts and ends on
            return check(f.skin, 0, 0, "skin of the blank lid");
        }
        return check(f.skin, 0, 3, "skin") && check(f.frame, 4, 12, "head frame with eyelids") &&
               check(f.lid, 0, 1, "lid");
    };
    add("%g_blink_skin%n_%n_%n.png", [eyelid](const match_data& m, figure_data& f, const range_check& check) {
        f.male = m.words[0] == 0;
        return eyelid(m, f, check);
    });
    add("baby_blink_skin%n_%n_%n.png", [eyelid](const match_data& m, figure_data& f, const range_check& check) {
        f.stage = kFigureBaby;
        return eyelid(m, f, check);
    });
    add("%g_head_mouth_%e_%n.png", [](const match_data& m, figure_data& f, const range_check& check) {
        f.kind = FigureKind::Mouth;
        f.male = m.words[0] == 0;
        f.emotion = m.words[1];
        f.frame = m.numbers[0];
        return check(f.frame, 0, 11, "head frame with a mouth");
    });
    add("%g_head_mouth_blank.TGA", [](const match_data& m, figure_data& f, const range_check&) {
        f.kind = FigureKind::Mouth;
        f.male = m.words[0] == 0;
        f.emotion = -1;
        return true;
    });
    add("%g_hair_style%n_colour%n_%n.png", [](const match_data& m, figure_data& f, const range_check& check) {
        f.kind = FigureKind::Hair;
        f.male = m.words[0] == 0;
        f.style = m.numbers[0];
        f.colour = m.numbers[1];
        f.frame = m.numbers[2];
        return check(f.style, 0, 7, "hair style") && check(f.colour, 0, 8, "hair colour") &&
               check(f.frame, 0, 15, "head frame");
    });

    // Babies and kids.
    add("baby_stand_skin%n_%D.png", [](const match_data& m, figure_data& f, const range_check& check) {
        f.stage = kFigureBaby;
        f.skin = m.numbers[0];
        f.direction = m.words[0];
        return check(f.skin, 0, 3, "skin");
    });
    add("baby_walk_skin%n_%D_%n.png", [](const match_data& m, figure_data& f, const range_check& check) {
        f.stage = kFigureBaby;
        f.set = kFigureWalk;
        f.skin = m.numbers[0];
        f.direction = m.words[0];
        f.frame = m.numbers[1];
        return check(f.skin, 0, 3, "skin") && check(f.frame, 0, 15, "frame");
    });
    add("boy_stand_%D_skin%n.png", [](const match_data& m, figure_data& f, const range_check& check) {
        f.stage = kFigureKid;
        f.direction = m.words[0];
        f.skin = m.numbers[0];
        return check(f.skin, 0, 3, "skin");
    });
    add("boy_walk_%D_skin%n_%n.png", [](const match_data& m, figure_data& f, const range_check& check) {
        f.stage = kFigureKid;
        f.set = kFigureWalk;
        f.direction = m.words[0];
        f.skin = m.numbers[0];
        f.frame = m.numbers[1];
        return check(f.skin, 0, 3, "skin") && check(f.frame, 0, 9, "frame");
    });

    // Adult garments: masks and line drawings.
    for (int layer : {kFigureMask, kFigureLine}) {
        const bool mask = layer == kFigureMask;
        for (bool top : {false, true}) {
            static const char* const kStand[2][2] = {
                {"%g_pants%n_stand_%D_line.png", "%g_clothes%n_stand_%D_line.png"},
                {"%g_pants%n_stand_%D_color.png", "%g_clothes%n_stand_%D_color.png"}};
            static const char* const kAnimated[2][2] = {
                {"%g_pants%n_%s_%D_line_%n.png", "%g_clothes%n_%s_%D_line_%n.png"},
                {"%g_pants%n_%s_%D_color_%n.png", "%g_clothes%n_%s_%D_color_%n.png"}};
            for (bool animated : {false, true}) {
                add((animated ? kAnimated : kStand)[mask][top],
                    [top, animated, layer](const match_data& m, figure_data& f, const range_check& check) {
                        f.top = top;
                        return ReadAdultGarment(m, f, check, animated, layer);
                    });
            }
        }
    }

    // Baby and kid garments: plain pictures in a few colours.
    add("baby_clothes_walk_piece%n_colour%n_%D_%n.png",
        [](const match_data& m, figure_data& f, const range_check& check) {
            f.kind = FigureKind::Garment;
            f.stage = kFigureBaby;
            f.set = kFigureWalk;
            f.layer = kFigurePlain;
            f.top = m.numbers[0] == 1;
            f.style = m.numbers[1];
            f.direction = m.words[0];
            f.frame = m.numbers[2];
            return check(m.numbers[0], 0, 1, "piece") && check(f.style, 0, 5, "colour") &&
                   check(f.frame, 0, 15, "frame");
        });
    for (bool top : {false, true}) {
        add(top ? "baby_clothes_%D_color%n.png" : "baby_diapers_%D_color%n.png",
            [top](const match_data& m, figure_data& f, const range_check& check) {
                f.kind = FigureKind::Garment;
                f.stage = kFigureBaby;
                f.layer = kFigurePlain;
                f.top = top;
                f.direction = m.words[0];
                f.style = m.numbers[0];
                return check(f.style, 0, 5, "colour");
            });
        add(top ? "%k_clothes_%D_color_%n.png" : "%k_pants_%D_color_%n.png",
            [top](const match_data& m, figure_data& f, const range_check& check) {
                f.kind = FigureKind::Garment;
                f.stage = kFigureKid;
                f.layer = kFigurePlain;
                f.male = m.words[0] == 0;
                f.top = top;
                f.direction = m.words[1];
                f.style = m.numbers[0];
                return check(f.style, 0, 2, "colour");
            });
    }
    add("%k_clothes_walk_piece%n_colour%n_%D_%n.png",
        [](const match_data& m, figure_data& f, const range_check& check) {
            f.kind = FigureKind::Garment;
            f.stage = kFigureKid;
            f.set = kFigureWalk;
            f.layer = kFigurePlain;
            f.male = m.words[0] == 0;
            f.top = m.numbers[0] == 1;
            f.style = m.numbers[1];
            f.direction = m.words[1];
            f.frame = m.numbers[2];
            return check(m.numbers[0], 0, 1, "piece") && check(f.style, 0, 2, "colour") &&
                   check(f.frame, 0, 9, "frame");
        });

    // Goods, shadows, rings and effects.
    add("carry_%o_%n.png", [](const match_data& m, figure_data& f, const range_check& check) {
        f.kind = FigureKind::Good;
        f.good = m.words[0];
        f.frame = m.numbers[0];
        return check(f.frame, 0, 1, "view");
    });
    static const char* const kShadows[] = {"peopleshadow_baby.png", "peopleshadow_child.png",
                                           "peopleshadow_adult.png", "peopleshadow_adulthackmale.png",
                                           "peopleshadow_adulthackfemale.png"};
    for (int shadow = 0; shadow < 5; shadow++) {
        add(kShadows[shadow], [shadow](const match_data&, figure_data& f, const range_check&) {
            f.kind = FigureKind::Shadow;
            f.shadow = shadow;
            return true;
        });
    }
    static const char* const kRings[] = {"selector_baby.png",          "selector_child.png",
                                         "selector_adult.png",         "selector_baby_rollover.png",
                                         "selector_child_rollover.png", "selector_adult_rollover.png"};
    for (int ring = 0; ring < 6; ring++) {
        add(kRings[ring], [ring](const match_data&, figure_data& f, const range_check&) {
            f.kind = FigureKind::Ring;
            f.stage = ring % 3;
            f.rollover = ring >= 3;
            return true;
        });
    }
    add("splash_people%n.png", [](const match_data& m, figure_data& f, const range_check& check) {
        f.kind = FigureKind::Splash;
        f.frame = m.numbers[0];
        return check(f.frame, 0, 16, "frame");
    });
    for (int dust = 0; dust < 4; dust++) {
        static const char* const kDust[] = {"dust_A_%n.png", "dust_B_%n.png", "dust_C_%n.png", "dust_D_%n.png"};
        add(kDust[dust], [dust](const match_data& m, figure_data& f, const range_check& check) {
            f.kind = FigureKind::Dust;
            f.dust = dust;
            f.frame = m.numbers[0];
            return check(f.frame, 0, 39, "frame");
        });
    }
    return shapes;
}

}  // namespace

bool ParseFigureName(const std::string& name, figure_data& figure, std::string& reason)
{
    static const std::vector<shape_data> kShapes = Shapes();
    for (const shape_data& shape : kShapes) {
        match_data match;
        if (Match(shape.pattern, name.c_str(), match)) {
            figure = figure_data();
            const range_check check{reason};
            if (!shape.read(match, figure, check)) {
                reason = "'" + name + "' names an islander picture, but " + reason;
                return false;
            }
            return true;
        }
    }
    reason = "'" + name + "' is no islander picture the builder can draw";
    return false;
}
