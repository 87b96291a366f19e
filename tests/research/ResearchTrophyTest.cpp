// The research trophy waits for every one of the four fields: whichever is
// last to reach the top, raising the others never awards it and raising that
// one does.
#include "tests/tutorial/ServicesFixture.h"

#include "CControllerScience.h"

#include <functional>

namespace {

using ResearchTrophy = ServicesTest;

constexpr int kSuperGenius = 1 << 21;

struct field_row {
    const char* name;
    int property;
    std::function<void()> raise;
};

const field_row kFields[] = {
    {"agriculture", 29, CControllerScience::AddLevelAgriculture},
    {"construction", 27, CControllerScience::AddLevelConstruction},
    {"science", 28, CControllerScience::AddLevelScience},
    {"arts", 26, CControllerScience::AddLevelArts},
};

}  // namespace

TEST_F(ResearchTrophy, WaitsForWhicheverFieldIsLastToReachTheTop)
{
    for (const field_row& last : kFields) {
        SCOPED_TRACE(last.name);
        CControllerTrophies::ResetAllTrophies();
        CControllerTrophies::trophyUnlockQueue = {};
        for (const field_row& field : kFields) {
            profile->SetValue<int>(field.property, &field == &last ? 1 : 2);
        }
        for (const field_row& other : kFields) {
            if (&other != &last) {
                other.raise();
            }
        }
        EXPECT_TRUE(Queued().empty()) << "three fields at the top are not four";
        EXPECT_EQ(profile->GetValue<int>(last.property), 1);
        last.raise();
        EXPECT_EQ(profile->GetValue<int>(last.property), 2);
        EXPECT_EQ(Queued(), std::vector<int>{kSuperGenius});
    }
}
