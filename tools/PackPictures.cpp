#include "PackPictures.h"

#include "CPackRandom.h"
#include "PackManifest.h"
#include "PackPainters.h"
#include "PackPictureRules.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr picture_painter kPainters[] = {
    nullptr,
    PaintTreeTrunk, PaintTreeCrown, PaintShadow, PaintRock, PaintSelectionRing, PaintGrassTuft, PaintGrassBlade,
    PaintMapDot, PaintFlower, PaintCrop, PaintMat, PaintPile, PaintTombstone, PaintCrate, PaintBarrel, PaintRelic,
    PaintDustHeap, PaintMystery, PaintIcon,
    PaintBuilding, PaintFireplace, PaintRoof, PaintShip, PaintHutCard,
    PaintPebble, PaintShell, PaintStarfish, PaintFishJump, PaintRipple, PaintSplash, PaintFootprint,
    PaintButterfly, PaintGull, PaintBird, PaintSparkle, PaintDustFall, PaintMist, PaintCloud, PaintRain, PaintRainStreak,
    PaintWave, PaintFroth, PaintIslandThumb,
    PaintPointer, PaintHourglass, PaintFlask, PaintBubble, PaintItem, PaintBackdrop, PaintFader, PaintPanel,
    PaintButton, PaintFrame, PaintMedal, PaintGlow,
    PaintGarment,
    PaintStory, PaintLesson, PaintEmblem, PaintMenuScene,
    PaintCabinet, PaintSettingGlow, PaintSetting, PaintTrophy, PaintMysteryBadge, PaintMysterySlots, PaintTrophyButton, PaintChooserOverlay,
};
static_assert(sizeof(kPainters) / sizeof(kPainters[0]) == static_cast<size_t>(PictureSubject::ChooserOverlay) + 1,
              "one painter per subject, in the enum's order");

}  // namespace

bool MatchPattern(const char* pattern, const char* text)
{
    if (*pattern == '\0') {
        return *text == '\0';
    }
    if (*pattern == '*') {
        for (const char* rest = text;; rest++) {
            if (MatchPattern(pattern + 1, rest)) {
                return true;
            }
            if (*rest == '\0') {
                return false;
            }
        }
    }
    return *text != '\0' && (*pattern == '?' || *pattern == *text) && MatchPattern(pattern + 1, text + 1);
}

picture_rule_data FindPictureRule(const std::string& name)
{
    for (const picture_rule_data& rule : kPictureRules) {
        if (MatchPattern(rule.pattern, name.c_str())) {
            return rule;
        }
    }
    return {"", PictureSubject::Unruled, true};
}

picture_painter PainterFor(PictureSubject subject)
{
    return kPainters[static_cast<size_t>(subject)];
}

int NumberAfter(const std::string& name, const char* word, int fallback)
{
    const size_t at = name.find(word);
    if (at == std::string::npos) {
        return fallback;
    }
    size_t digits = at + std::char_traits<char>::length(word);
    size_t end = digits;
    while (end < name.size() && end - digits < 6 && std::isdigit(static_cast<unsigned char>(name[end]))) {
        end++;
    }
    return end == digits ? fallback : std::stoi(name.substr(digits, end - digits));
}

int LastNumber(const std::string& name, int fallback)
{
    const std::string stem = NameStem(name);
    size_t end = stem.find_last_of("0123456789");
    if (end == std::string::npos) {
        return fallback;
    }
    size_t start = end;
    while (start > 0 && end - start < 5 && std::isdigit(static_cast<unsigned char>(stem[start - 1]))) {
        start--;
    }
    return std::stoi(stem.substr(start, end - start + 1));
}

bool HasOwnLabel(const picture_job& job)
{
    return job.readable && !job.label.empty() && job.label != "." && job.label != NameStem(job.name);
}

void PaintLabel(CPictureCanvas& canvas, const std::string& text, paint_box room, paint_colour ink)
{
    for (int scale = 4; scale >= 1; scale--) {
        const float textWidth = static_cast<float>(text.size()) * 6 * scale - scale;
        if (textWidth <= room.w - 2 && 8.0f * scale <= room.h - 2) {
            canvas.Text(text, scale, static_cast<int>(room.x + room.w / 2), static_cast<int>(room.y + room.h / 2),
                        ink);
            return;
        }
    }
}

std::vector<uint8_t> DrawPicture(const std::string& name, int width, int height, const std::string& label,
                                 bool opaque)
{
    const picture_rule_data rule = FindPictureRule(name);
    const picture_painter painter = PainterFor(rule.subject);
    if (!painter) {
        return {};
    }
    CPictureCanvas canvas(width, height);
    const picture_job job{name, label, width, height, opaque, CPackRandom::HashName(name), rule.readable};
    painter(canvas, job, {0, 0, static_cast<float>(width), static_cast<float>(height)});
    if (opaque) {
        // Whatever a painter left open shows the sea's deep blue, never black.
        std::vector<uint8_t>& pixels = canvas.Pixels();
        for (size_t i = 0; i < pixels.size(); i += 4) {
            const float a = pixels[i + 3] / 255.0f;
            const float under[3] = {24, 60, 110};
            for (int c = 0; c < 3; c++) {
                pixels[i + c] = static_cast<uint8_t>(std::lround(pixels[i + c] * a + under[c] * (1 - a)));
            }
            pixels[i + 3] = 255;
        }
    }
    return std::move(canvas.Pixels());
}
