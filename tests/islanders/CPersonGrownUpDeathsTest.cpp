// The fourteenth birthday in the band's deaths: from it on an islander is a
// grown-up whose company keeps the children from loneliness, and whose
// hunger or exhaustion puts the children left with few grown-ups at risk.
#include "IslanderLifeFixture.h"

namespace {

class GrownUpDeathsTest : public IslanderLifeTest {};

struct youth_case {
    const char* what;
    int youthTicks;     // the age of the eldest of the young, in ticks
    bool youthStarves;  // else the band's one grown-up of 30 dies
    const char* youthCause;  // empty: lives on
    const char* kidCause;
};

TEST_F(GrownUpDeathsTest, AtFourteenAnIslanderKeepsTheChildrenCompanyAndTakesThemAlongWhenStarving)
{
    // With no other grown-up the draw for each child is certain, so each
    // side of the birthday has one outcome.
    const youth_case cases[] = {
        {"the grown-up dies and leaves a fourteen-year-old", 14 * kYear, false, "", ""},
        {"the grown-up dies and leaves one a tick short of fourteen", 14 * kYear - 1, false, "12024", "12024"},
        {"a fourteen-year-old starves", 14 * kYear, true, "12022", "12022"},
        {"one a tick short of fourteen starves", 14 * kYear - 1, true, "12022", ""},
    };
    for (const youth_case& c : cases) {
        SCOPED_TRACE(c.what);
        CPerson* youth = Grown(14, 1, 1);
        youth->data.age = youth->data.actualAge = c.youthTicks;
        CPerson* kid = Grown(6, 0, 2);
        if (c.youthStarves) {
            youth->DieSoon(12022);
        } else {
            Grown(30, 0, 3)->Die(false);
        }
        EXPECT_EQ(youth->dying ? youth->deathCause : "", c.youthCause);
        EXPECT_EQ(kid->dying ? kid->deathCause : "", c.kidCause);
        for (CPerson* person : std::vector<CPerson*>(CPerson::people)) {
            delete person;
        }
        while (!CTombstone::tombstones.empty()) {
            delete CTombstone::tombstones.back();
        }
    }
}

}  // namespace
