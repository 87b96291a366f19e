// Saves that pass the checksum but hold damaged or edited values, each
// loaded from disk and played through the play button's direct road: the
// player always gets in, and nothing beyond the damaged value is lost.
#include "CControllerMainRoad.h"

#include "BuildingClasses.h"
#include "CBuilding.h"
#include "CFlowerIndicator.h"
#include "CPerson.h"
#include "CTombstone.h"
#include "CTreeIndicator.h"
#include "FontSystem.h"
#include "Utilities.h"

#include <climits>
#include <cmath>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

constexpr int kTicksPerYear = 172800;
constexpr int kBirthsKey = 52, kTrophiesKey = 65;

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int Count(const std::string& text, const std::string& part)
{
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        n++;
    }
    return n;
}

class DamagedSaveTest : public ScreenRoadTest {
protected:
    // The player comes back the moment he left: a clock that ran on while a
    // slow machine played the road would bring time away, and with it the
    // sapling's growth and the islanders' deaths, into what is checked.
    void SetUp() override
    {
        ScreenRoadTest::SetUp();
        PinCurrentTime(kNow);
    }

    void TearDown() override
    {
        PinCurrentTime(0);
        ScreenRoadTest::TearDown();
    }

    static constexpr int kNow = 1700000000;

    // A game with its band, a hut, a flower marker, a sapling and a grave,
    // played a little and left: the store then holds the whole island.
    void PlayAndLeave()
    {
        root.Open<CControllerIslandSelect>(true);
        Turn();
        ClickAt(499, 547);
        if (CController::focus == CControllerIslandSelect::popUp) {
            CControllerIslandSelect::popUp->GUICallback(0, 0);
            Turn();
        }
        ASSERT_NE(dynamic_cast<CControllerGame*>(CController::focus), nullptr);
        ASSERT_FALSE(CPerson::people.empty());
        CPerson* first = CPerson::people.front();
        const int x = static_cast<int>(first->GetX()), y = static_cast<int>(first->GetY());
        ClassOfType(1).place(x + 200, y + 120, 0);
        CFlowerIndicator::flowerIndicator.push_back(new CFlowerIndicator(x - 150, y + 60, 2, false));
        CTreeIndicator::treeIndicator.push_back(new CTreeIndicator(x - 120, y - 160, true, 0, false));
        new CTombstone(x + 90, y - 140, "Ana", "11125", "11101", "12021", 70, 4, true);
        Turn(20);
        CController::focus->ShutDown(1);
        Turn(3);
        ASSERT_TRUE(CProfile::current->GetValue<bool>(31));
        CProfile::current->SetValue<int>(kBirthsKey, 5);
        CProfile::current->SetValue<int>(kTrophiesKey, 0x41);
        CProfile::current->SaveHeader();
    }

    // The play button with a game under way.
    void Play()
    {
        root.Open<CControllerIslandSelect>(false);
        Turn();
    }

    std::string Log() const { return folder.Read("LOG.TXT"); }
    std::string UserFile(const char* name) const { return folder.File(std::string("userdata/") + name); }
};

struct Damage {
    const char* what;
    std::function<void(CProfile&)> damage;
    std::function<void()> check;  // after the game has run and been left
};

}  // namespace

TEST_F(DamagedSaveTest, EveryDamagedSaveLetsThePlayerInAndKeepsTheRest)
{
    PlayAndLeave();
    const std::string good = ReadAll(UserFile("PROFILE1v8.DAT"));
    const unsigned int seed = CProfile::current->GetValue<unsigned int>(1);
    const size_t band = CProfile::current->GetVectorValue<person_data>(4).size();
    ASSERT_GE(band, 2u);
    const size_t buildings = CProfile::current->GetVectorValue<building_data>(6).size();
    ASSERT_GE(buildings, 2u) << "the camp and a hut";
    ASSERT_EQ(CProfile::current->GetVectorValue<fi_data>(8).size(), 1u);
    ASSERT_EQ(CProfile::current->GetVectorValue<ti_data>(19).size(), 1u);
    ASSERT_EQ(CProfile::current->GetVectorValue<tombstone_data>(30).size(), 1u);
    const auto islandKept = [&] {
        EXPECT_EQ(CProfile::current->GetValue<unsigned int>(1), seed);
        EXPECT_EQ(CProfile::current->GetVectorValue<person_data>(4).size(), band);
        EXPECT_EQ(CProfile::current->GetVectorValue<building_data>(6).size(), buildings);
    };

    const Damage damages[] = {
        {"a game under way without its island keys",
         [](CProfile& p) {
             p.CreateNewProfile(false);
             p.SetValue<bool>(31, true);
         },
         islandKept},
        {"a mouse speed of 0 in relative mode",
         // Saving stores the running settings.
         [](CProfile&) {
             CController::SetMouseMultiplier(0.0f);
             CController::SetMouseAbsolute(false);
         },
         [&] {
             EXPECT_EQ(CController::GetMouseMultiplier(), 0.15f);
             islandKept();
         }},
        {"an island name the string table lacks", [](CProfile& p) { p.SetValue<int>(47, 99999); },
         [&] {
             EXPECT_EQ(strings.count(CProfile::current->GetValue<int>(47)), 1u);
             islandKept();
         }},
        {"a seed the generator turns down", [](CProfile& p) { p.SetValue<unsigned int>(1, 12345); },
         [&] {
             EXPECT_TRUE(CProfile::current->GetValue<bool>(31)) << "the game waits for a new island to replace it";
             EXPECT_EQ(CProfile::current->GetVectorValue<person_data>(4).size(), band);
             EXPECT_EQ(CProfile::current->GetValue<int>(kBirthsKey), 5);
             EXPECT_EQ(CProfile::current->GetValue<int>(kTrophiesKey), 0x41);
             EXPECT_NE(Log().find("seed makes no island"), std::string::npos);
         }},
        {"seed 0 with a game under way", [](CProfile& p) { p.SetValue<unsigned int>(1, 0); }, islandKept},
        {"positions, ages and ids past any range",
         [](CProfile& p) {
             auto people = p.GetVectorValue<person_data>(4);
             people[0].age = people[0].actualAge = people[0].ageAtLastBirth = people[0].ageAtLastPotion = INT_MAX;
             people[0].childCount = INT_MAX;
             people[1].id = INT_MAX;
             p.SetVectorValue<person_data>(4, people);
             auto buildings = p.GetVectorValue<building_data>(6);
             buildings.push_back(buildings[0]);
             buildings[0].x = NAN;
             buildings[1].y = 3e38f;
             p.SetVectorValue<building_data>(6, buildings);
             auto markers = p.GetVectorValue<fi_data>(8);
             markers[0].x = INT_MAX;
             p.SetVectorValue<fi_data>(8, markers);
             auto saplings = p.GetVectorValue<ti_data>(19);
             saplings[0].age = INT_MAX;
             p.SetVectorValue<ti_data>(19, saplings);
             auto graves = p.GetVectorValue<tombstone_data>(30);
             graves[0].x = 1e9f;
             p.SetVectorValue<tombstone_data>(30, graves);
         },
         [&] {
             for (const person_data& record : CProfile::current->GetVectorValue<person_data>(4)) {
                 EXPECT_GE(record.actualAge, 0);
                 EXPECT_LT(record.actualAge, 1001 * kTicksPerYear) << "a 969-year-old still fits";
                 EXPECT_GT(record.id, 0);
             }
             EXPECT_LE(CProfile::current->GetValue<game_data>(14).lastId, 1000 * 1000 * 1000);
             const auto kept = CProfile::current->GetVectorValue<building_data>(6);
             ASSERT_EQ(kept.size(), buildings) << "the NaN one only is left out";
             EXPECT_LE(kept.back().y, 5000.0f);
             EXPECT_TRUE(CProfile::current->GetVectorValue<fi_data>(8).empty());
             const auto saplings = CProfile::current->GetVectorValue<ti_data>(19);
             const auto graves = CProfile::current->GetVectorValue<tombstone_data>(30);
             ASSERT_EQ(saplings.size(), 1u);
             ASSERT_EQ(graves.size(), 1u);
             // It ages on from its bound while the game runs.
             EXPECT_LT(saplings[0].age, 1001 * 1000 * 1000);
             EXPECT_EQ(graves[0].x, 3904.0f);
         }},
        {"counters at their top",
         [](CProfile& p) {
             for (int key : {36, 37, 52, 53, 54, 59, 60, 61, 62, 74}) {
                 p.SetValue<int>(key, INT_MAX);
             }
             p.SetValue<game_data>(14, game_data{INT_MAX});
         },
         [&] {
             for (int key : {36, 37, 52, 53, 54, 59, 60, 61, 62, 74}) {
                 EXPECT_GE(CProfile::current->GetValue<int>(key), 0) << key;
             }
             islandKept();
         }},
        {"more islanders than an island holds and thousands of bad flowers",
         [](CProfile& p) {
             auto people = p.GetVectorValue<person_data>(4);
             while (people.size() < 201) {
                 people.push_back(people[0]);
             }
             p.SetVectorValue<person_data>(4, people);
             auto flowers = p.GetVectorValue<flower_data>(9);
             flower_data bad{};
             bad.colour = 99;
             flowers.insert(flowers.end(), 20000, bad);
             p.SetVectorValue<flower_data>(9, flowers);
         },
         [&] {
             EXPECT_EQ(CProfile::current->GetVectorValue<person_data>(4).size(), 100u);
             EXPECT_EQ(Count(Log(), "islanders past the most an island can hold were left out: 101"), 1);
             EXPECT_EQ(Count(Log(), "Saved flowers: a flower that cannot be painted was left out: 20000"), 1);
         }},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        folder.Write("userdata/PROFILE1v8.DAT", good);
        std::remove(UserFile("PROFILE1v8.DAT.BAKS").c_str());
        std::remove(UserFile("PROFILE1v8.DAT.BAKL").c_str());
        std::remove("LOG.TXT");
        CProfile::current->Load(0);
        d.damage(*CProfile::current);
        CProfile::current->SaveHeader();
        CProfile::current->Load(0);

        Play();
        if (!CControllerGame::game) {
            // Without a game to continue, the player chooses a new island.
            ASSERT_EQ(CController::focus, root.child) << typeid(*CController::focus).name();
            EXPECT_TRUE(static_cast<CControllerIslandSelect*>(root.child)->spritesLoaded);
            d.check();
            root.child->ShutDown(0);
            Turn();
            continue;
        }
        Turn(20);
        // A trophy the damage earned may stand in front of the game.
        for (int closes = 0; root.child && CController::focus != &root && closes < 5; closes++) {
            CController::focus->ShutDown(CController::focus == root.child ? 0 : 1);
            Turn(3);
        }
        ASSERT_EQ(root.child, nullptr);
        d.check();
    }
}
