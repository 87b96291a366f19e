#include "CProfileTestFixture.h"

#include "ChildProcess.h"

#include <functional>

class CProfileManagement : public ProfileFixture {
protected:
    // Three profiles: 0 "A", 2 "B", 3 "C", each with its id + 100 under key 60.
    CProfile* OpenThreeProfiles()
    {
        CProfile* profile = Open();
        profile->SetActiveProfileName("A");
        profile->SetValue<int>(60, 100);
        profile->AddProfile("B");
        profile->SetValue<int>(60, 102);
        profile->AddProfile("C");
        profile->SetValue<int>(60, 103);
        profile->SaveHeader();
        return profile;
    }
};

TEST_F(CProfileManagement, ANewProfileHoldsTheDefaultsWithTheirTypesAndNothingOfThePreviousPlayer)
{
    CProfile* profile = Open();
    EXPECT_EQ(profile->GetValue<float>(20), 1.0f);
    EXPECT_EQ(profile->GetValue<long>(50), 0L);

    profile->SetValue<unsigned int>(1, 1234u);
    profile->SetVectorValue<stand_in_task_item>(5, {{1, 1}});
    profile->SetVectorValue<stand_in_person_data>(4, std::vector<stand_in_person_data>(2));
    profile->AddProfile("Newcomer");
    // Keys without a default are their owners' to write.
    const std::pair<const char*, std::function<void(CProfile&)>> reads[] = {
        {"the island seed", [](CProfile& p) { p.GetValue<unsigned int>(1); }},
        {"the island number", [](CProfile& p) { p.GetValue<unsigned int>(46); }},
        {"past the tutorial steps", [](CProfile& p) { p.GetValue<bool>(1107); }},
        {"the islanders", [](CProfile& p) { p.GetVectorValue<stand_in_person_data>(4); }},
        {"the task list", [](CProfile& p) { p.GetVectorValue<stand_in_task_item>(5); }},
    };
    for (const auto& [what, read] : reads) {
        SCOPED_TRACE(what);
        const std::function<void(CProfile&)>& reader = read;  // a lambda may not capture a binding before C++20
        const ChildResult result = RunInChild([&] { reader(*profile); });
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.output.find("was read before its value was set!"), std::string::npos);
    }

    // The first player's island was saved on the way out.
    profile->LoadProfileAbsolute(0);
    EXPECT_EQ(profile->GetValue<unsigned int>(1), 1234u);
    EXPECT_EQ(profile->GetVectorValue<stand_in_person_data>(4).size(), 2u);
}

TEST_F(CProfileManagement, CreatingAProfileReleasesTheInputAndAppliesSettingsOnlyWhenAsked)
{
    CProfile* profile = Open();
    for (bool apply : {false, true}) {
        SCOPED_TRACE(apply);
        CController::SetMouseMultiplier(3.0f);
        CController::SetMouseAbsolute(false);
        Config_SetFullscreen(false);
        CProfile::inputGrab = true;
        profile->CreateNewProfile(apply);
        EXPECT_EQ(CController::GetMouseMultiplier(), apply ? 1.0f : 3.0f);
        EXPECT_EQ(CController::GetMouseAbsolute(), apply);
        EXPECT_FALSE(CProfile::inputGrab);
        // The full-screen flag is never pushed by a new profile.
        EXPECT_FALSE(Config_GetFullscreen());
    }
}

TEST_F(CProfileManagement, AddedProfilesNeverTakeAListedId)
{
    CProfile* profile = Open();
    profile->AddProfile("Second");
    profile->SaveHeader();
    EXPECT_TRUE(Exists("PROFILE3v8.DAT"));
    profile->AddProfile("Third");
    profile->SetValue<int>(60, 33);
    profile->SaveHeader();
    EXPECT_TRUE(Exists("PROFILE4v8.DAT"));

    // {0, 2, 3} less 2 leaves two profiles, so count + 1 = 3 is taken.
    profile->DeleteProfile(2);
    profile->AddProfile("Fourth");
    profile->SaveHeader();
    EXPECT_TRUE(Exists("PROFILE5v8.DAT"));
    ASSERT_EQ(profile->GetNumProfiles(), 3);
    EXPECT_STREQ(profile->GetProfileNameAbsolute(1), "Third");
    EXPECT_STREQ(profile->GetProfileNameAbsolute(2), "Fourth");
    profile->LoadProfile(3);
    EXPECT_EQ(profile->GetValue<int>(60), 33);

    // {3, 4, 5}: count + 1 and count + 2 are both taken.
    profile->AddProfile("Fifth");
    profile->SetValue<int>(60, 55);
    profile->DeleteProfile(0);
    ASSERT_EQ(profile->GetNumProfiles(), 3);
    profile->AddProfile("Sixth");
    profile->SaveHeader();
    EXPECT_TRUE(Exists("PROFILE7v8.DAT"));
    ASSERT_EQ(profile->GetNumProfiles(), 4);
    EXPECT_STREQ(profile->GetProfileNameAbsolute(2), "Fifth");
    EXPECT_STREQ(profile->GetProfileNameAbsolute(3), "Sixth");
    profile->LoadProfileAbsolute(2);
    EXPECT_EQ(profile->GetValue<int>(60), 55);
}

TEST_F(CProfileManagement, DeletingAProfileKeepsOrReplacesTheActiveOne)
{
    CProfile* profile = OpenThreeProfiles();
    EXPECT_EQ(profile->GetActiveAbsolute(), 2);

    profile->DeleteProfile(2);
    EXPECT_STREQ(profile->GetActiveProfileName(), "C");
    EXPECT_EQ(profile->GetActiveAbsolute(), 1);
    EXPECT_EQ(profile->GetValue<int>(60), 103);

    profile->DeleteProfileAbsolute(1);
    EXPECT_STREQ(profile->GetActiveProfileName(), "A");
    EXPECT_EQ(profile->GetValue<int>(60), 100);
    // A deleted profile's files stay on disk.
    EXPECT_TRUE(Exists("PROFILE3v8.DAT"));
    EXPECT_TRUE(Exists("PROFILE4v8.DAT"));

    // Ids and positions that are not listed change nothing.
    profile->DeleteProfile(7);
    profile->DeleteProfileAbsolute(1);
    profile->DeleteProfileAbsolute(-1);
    EXPECT_EQ(profile->GetNumProfiles(), 1);
}

TEST_F(CProfileManagement, DeletingTheOnlyProfileStartsAFreshOneOnDisk)
{
    CProfile* profile = Open();
    profile->SetActiveProfileName("Solo");
    profile->SetValue<int>(60, 5);
    CController::SetMouseMultiplier(3.0f);
    CController::SetMouseAbsolute(false);
    Config_SetFullscreen(false);

    profile->DeleteProfile(0);
    EXPECT_EQ(profile->GetNumProfiles(), 1);
    EXPECT_STREQ(profile->GetActiveProfileName(), "PLAYER 1");
    EXPECT_EQ(profile->GetValue<int>(60), 0);
    EXPECT_EQ(CController::GetMouseMultiplier(), 1.0f);
    EXPECT_TRUE(CController::GetMouseAbsolute());
    EXPECT_FALSE(Config_GetFullscreen());
    EXPECT_EQ(ReadUserFile("PALMORAv8.DAT"), HeaderFile(0, {{0, "PLAYER 1"}}));
    const StoredBlock block = ParseProfile(ReadUserFile("PROFILE1v8.DAT"));
    EXPECT_EQ(block.scalars.at(60).bytes, Int32(0));
    EXPECT_EQ(block.scalars.at(24).bytes, std::string("\0", 1));
}

TEST_F(CProfileManagement, MovingPastEitherEndOfTheListDoesNothing)
{
    CProfile* profile = OpenThreeProfiles();
    profile->LoadProfileAbsolute(1);
    EXPECT_EQ(profile->GetActiveAbsolute(), 1);
    EXPECT_EQ(profile->GetValue<int>(60), 102);
    EXPECT_EQ(profile->GetProfileNameAbsolute(3), nullptr);
    EXPECT_EQ(profile->GetProfileNameAbsolute(-1), nullptr);

    profile->SetValue<int>(60, 999);
    const std::string before = ReadUserFile("PROFILE3v8.DAT");
    profile->LoadProfileAbsolute(3);
    profile->LoadProfileAbsolute(-1);
    EXPECT_EQ(ReadUserFile("PROFILE3v8.DAT"), before);
    EXPECT_EQ(profile->GetActiveAbsolute(), 1);

    // A real move saves the profile it leaves.
    profile->LoadProfileAbsolute(profile->GetActiveAbsolute() - 1);
    EXPECT_STREQ(profile->GetActiveProfileName(), "A");
    profile->LoadProfileAbsolute(1);
    EXPECT_EQ(profile->GetValue<int>(60), 999);
}

TEST_F(CProfileManagement, AnActiveIdMissingFromTheListGetsAnEmptyName)
{
    WriteUserFile("PALMORAv8.DAT", HeaderFile(5, {{0, "A"}}));
    CProfile* profile = Open();
    EXPECT_EQ(profile->GetActiveAbsolute(), -1);
    EXPECT_STREQ(profile->GetActiveProfileName(), "");
    EXPECT_EQ(profile->GetNumProfiles(), 2);
    EXPECT_EQ(profile->GetActiveAbsolute(), 1);

    profile->SetActiveProfileName(std::string(80, 'N').c_str());
    EXPECT_EQ(std::string(profile->GetActiveProfileName()), std::string(63, 'N'));
}
