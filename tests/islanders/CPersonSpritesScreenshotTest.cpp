// A line-up of islanders drawn in a real window for a person to look at: a
// baby, a boy, a girl, a man, a woman and a senior, in each direction,
// standing, walking, carrying and hacking, the last columns in shallow water.
#include "CPersonSpritesFixture.h"
#include "CRenderer.h"
#include "FrameTables.h"
#include "Screenshot.h"

#include <cmath>
#include <vector>

namespace {

constexpr int kRowHeight = 96;
constexpr int kColumnWidth = 56;
constexpr int kWaterFromColumn = 7;

struct pose {
    int state;
    int direction;
    int good;  // -1 none
};

struct LineUp : SpritesTest {
    void TestBody() override {}

    // Places every layer as the islander's frame does; sunk is the share of
    // the body under water.
    static void Stage(CPerson& person, int sx, int sy, float sunk)
    {
        const body_view body = person.DescribeBody();
        int headX = body.headX, headY = body.headY;
        if (person.IsKid()) {
            headX = person.isMale ? 3 : 1;
            headY = person.isMale ? 0 : -2;
        }
        person.MoveHead(headX, headY);
        const int z = (sy + body.offsetY + body.height) * 2000 + person.personalZGap;
        person.PlaceLayers(sx, sy, headX, headY, z, false);
        const int shown = static_cast<int>(std::lround(body.height * (1.0f - sunk)));
        person.SetShownBodyHeight(shown);
        const int hidden = static_cast<int>(std::lround((body.height - shown) * 0.9f));
        int shadowX = 0, shadowY = 0;
        for (const shadow_offsets& row : kShadowOffsets) {
            if (row.set == body.set) {
                const int(&table)[4][2] = person.isMale ? row.men : row.women;
                shadowX = table[person.bodyDirection][0];
                shadowY = table[person.bodyDirection][1] - std::max(0, hidden - 8);
            }
        }
        person.PlaceShadow(sx + body.offsetX + shadowX, sy + body.offsetY + shadowY, z - 4,
                           body.set == BODY_ADULT_HACK);
    }

    // The number of figures that show no body.
    int Draw(const std::string& path)
    {
        SetUp();
        CObject::rendering = true;
        CDraw& draw = resources.Draw();
        const int sandImage = draw.CreateSizedBlank(800, 600, nullptr);
        draw.ColourFill(sandImage, RGBA_data{222, 204, 150, 255}, 0, 0, 800, 600);
        draw.ColourFill(sandImage, RGBA_data{92, 170, 196, 255}, kWaterFromColumn * kColumnWidth, 0, 800, 600);
        CSprite sand(0);
        sand.LoadImage(sandImage);

        const pose poses[] = {{0, 0, -1}, {0, 1, -1}, {0, 2, -1}, {0, 3, -1}, {1, 0, -1}, {1, 1, -1},
                              {1, 2, -1}, {1, 3, -1}, {6, 1, 0},  {2, 1, -1}, {1, 2, -1}};
        const int kidPoses = 8;
        struct member {
            int gender, years;
        };
        const member band[] = {{0, 1}, {0, 8}, {1, 10}, {0, 30}, {1, 28}, {1, 70}};
        int id = 1, missing = 0;
        std::vector<CPerson*> lineUp;
        for (int row = 0; row < 6; row++) {
            const member m = band[row];
            const bool grownUp = m.years >= 14;
            for (int column = 0; column < 11; column++) {
                pose p = poses[column];
                if (!grownUp && column >= kidPoses) {
                    p = pose{column == 8 ? 1 : 0, column == 8 ? 1 : 2, -1};
                }
                if (row == 4 && column == 8) {
                    p.good = 2;  // the woman carries a fish
                }
                if (row == 5 && column == 9) {
                    p.state = 5;  // the senior hoes
                }
                CPerson* person = Dressed({m.gender, m.years, row % 4, row + column % 3, column % 3, row % 3,
                                           column % 6, row % 6},
                                          id++);
                person->headFrame = person->targetHeadFrame = 4 * p.direction + 2;
                person->AlterBodyDirection(p.direction);
                person->carriedItem = p.good;
                person->UnHide();
                person->ChangeState(p.state == 0 ? 1 : p.state);
                person->ChangeState(p.state);
                CSprite* body = ShownBody(*person);
                if (body->GetNumImages() > 1) {
                    body->SetFrame(static_cast<unsigned int>(2 + column % 3));
                }
                const float sunk = column >= kWaterFromColumn ? 0.35f : 0.0f;
                Stage(*person, 20 + column * kColumnWidth + (p.state == 5 ? 16 : 0), 40 + row * kRowHeight, sunk);
                missing += body->Hidden();
                lineUp.push_back(person);
            }
        }
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
        CSprite::renderer->RedrawScreen();
        CSprite::renderer->Render(true);
        draw.Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
        for (CPerson* person : lineUp) {
            delete person;
        }
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(IslanderSpritesOnX, ALineUpOfEveryStageInEveryPose)
{
    ScreenshotOnX("islander-line-up-x11.png", [](const std::string& path) { return LineUp().Draw(path); });
}
