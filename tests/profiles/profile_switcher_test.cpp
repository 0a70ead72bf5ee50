#include "profiles/profile_switcher.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/fake_clock.h"
#include "support/fake_foreground.h"

// Timelines of polls, each with the program in front, whether the main window is shown and the
// hand choice, and the switches they must bring. A user's pick by hand is applied at once, as
// the main window does; every switch the rules ask for is applied unless a row says otherwise.

namespace vx {
namespace {

constexpr wchar_t kOwn[] = L"Vantorelliax GM.exe";
constexpr const wchar_t* kNoWindow = nullptr;
constexpr bool kShown = true;
constexpr bool kHidden = false;

// Work names game.exe too, after Game; Desk names nothing and is the usual hand choice.
const std::vector<ProfilePrograms> kProfiles = {
    {L"Desk", {}},
    {L"Game", {L"game.exe", L"Shooter.EXE"}},
    {L"Work", {L"notepad.exe", L"GAME.exe"}},
    {L"Übung", {L"übung.exe"}},
};

// What changes before a poll, besides its own columns.
enum class Before { kNothing, kRestart, kGameDeleted, kGameLosesItsPrograms, kDeskDeleted };

struct Step {
  uint64_t at = 0;
  const wchar_t* front = kNoWindow;
  bool shown = kHidden;
  const wchar_t* hand = L"Desk";
  Before before = Before::kNothing;
};

struct Switch {
  uint64_t at = 0;
  std::wstring profile;
  bool operator==(const Switch&) const = default;
};

void PrintTo(const Switch& s, std::ostream* out) {
  *out << s.at << ": " << std::string(s.profile.begin(), s.profile.end());
}

struct Timeline {
  const char* name;
  std::vector<Step> steps;
  std::vector<Switch> switches;
  const wchar_t* active = L"Desk";  // at the start
  bool applies = true;
};

void PrintTo(const Timeline& timeline, std::ostream* out) {
  *out << timeline.name;
}

std::vector<ProfilePrograms> Edited(Before before) {
  std::vector<ProfilePrograms> profiles = kProfiles;
  switch (before) {
    case Before::kGameDeleted:
      profiles.erase(profiles.begin() + 1);
      break;
    case Before::kGameLosesItsPrograms:
      profiles[1].programs.clear();
      break;
    case Before::kDeskDeleted:
      profiles.erase(profiles.begin());
      break;
    default:
      break;
  }
  return profiles;
}

// One timeline reads best as a line of polls.
// clang-format off
const std::vector<Timeline> kTimelines = {
    {"ASecondInFrontSwitchesAndOneMillisecondLessDoesNot",
     {{0, L"game.exe"}, {999, L"game.exe"}, {1000, L"game.exe"}},
     {{1000, L"Game"}}},
    {"ProfileAlreadyActiveIsNotAppliedAgain",
     {{0, L"game.exe"}, {500, L"game.exe"}, {1000, L"game.exe"}, {1500, L"game.exe"},
      {2000, L"notepad.exe"}, {3000, L"notepad.exe"}, {3500, L"shooter.exe"},
      {4500, L"shooter.exe"}, {5000, L"shooter.exe"}},
     {{3000, L"Work"}, {4500, L"Game"}},
     L"Game"},
    {"AProgramNoProfileNamesBringsBackTheHandChoice",
     {{0, L"game.exe"}, {1000, L"game.exe"}, {1500, L"explorer.exe"}, {2499, L"explorer.exe"},
      {2500, L"explorer.exe"}},
     {{1000, L"Game"}, {2500, L"Desk"}}},
    {"NoForegroundWindowForASecondBringsBackTheHandChoice",
     {{0, L"game.exe"}, {1000, L"game.exe"}, {1200, kNoWindow}, {2199, kNoWindow},
      {2200, kNoWindow}},
     {{1000, L"Game"}, {2200, L"Desk"}}},
    {"AltTabbingQuickerThanASecondChangesNothing",
     {{0, L"notepad.exe"}, {900, L"game.exe"}, {1800, L"explorer.exe"}, {2700, L"game.exe"},
      {3600, kNoWindow}, {4500, L"notepad.exe"}},
     {}},
    {"AProgramThatLeavesAndComesBackCountsFromItsReturn",
     {{0, L"game.exe"}, {600, L"notepad.exe"}, {1200, L"game.exe"}, {2199, L"game.exe"},
      {2200, L"game.exe"}},
     {{2200, L"Game"}}},
    {"WhileTheMainWindowIsShownTheSwitchWaits",
     {{0, L"game.exe", kShown}, {1000, L"game.exe", kShown}, {5000, L"game.exe", kShown},
      {5500, L"game.exe", kHidden}, {6000, L"game.exe", kHidden}},
     {{5500, L"Game"}}},
    {"TheHandChoiceWaitsForTheHiddenWindowToo",
     {{0, L"explorer.exe", kShown}, {1000, L"explorer.exe", kShown}, {1500, L"explorer.exe"}},
     {{1500, L"Desk"}},
     L"Game"},
    {"OurOwnProgramInFrontChangesNothing",
     {{0, L"game.exe"}, {500, kOwn}, {1000, L"vantorelliax gm.exe"}, {1100, L"game.exe"},
      {1500, kOwn}, {3000, kOwn}, {3100, L"game.exe"}},
     {{1100, L"Game"}}},
    {"OurOwnProgramFirstInFrontStartsNoHold",
     {{0, kOwn}, {2000, kOwn}, {2500, L"notepad.exe"}, {3499, L"notepad.exe"},
      {3500, L"notepad.exe"}},
     {{3500, L"Work"}}},
    {"NamesAreComparedIgnoringCase",
     {{0, L"GAME.EXE"}, {1000, L"GAME.EXE"}, {1500, L"NotePad.Exe"}, {2500, L"NotePad.Exe"},
      {3000, L"ÜBUNG.EXE"}, {4000, L"ÜBUNG.EXE"}},
     {{1000, L"Game"}, {2500, L"Work"}, {4000, L"Übung"}}},
    {"TheFirstProfileNamingAProgramWins",
     {{0, L"game.exe"}, {1000, L"game.exe"}},
     {{1000, L"Game"}},
     L"Work"},
    {"AHandChoiceWhileAProgramIsHeldGivesWayUntilTheProgramLeaves",
     {{0, L"game.exe"}, {1000, L"game.exe"}, {1200, kOwn, kShown}, {1700, kOwn, kShown, L"Work"},
      {2000, L"game.exe", kHidden, L"Work"}, {2500, L"explorer.exe", kHidden, L"Work"},
      {3500, L"explorer.exe", kHidden, L"Work"}},
     {{1000, L"Game"}, {2000, L"Game"}, {3500, L"Work"}}},
    {"AHandChoiceWhileAnUnnamedProgramIsHeldStays",
     {{0, L"explorer.exe"}, {1000, L"explorer.exe"}, {1500, L"explorer.exe", kHidden, L"Work"},
      {2500, L"explorer.exe", kHidden, L"Work"}},
     {}},
    {"AFailedApplyIsNotAskedForAgainWhileTheProgramStays",
     {{0, L"game.exe"}, {1000, L"game.exe"}, {1500, L"game.exe"}, {2000, L"game.exe"},
      {2500, L"notepad.exe"}, {3500, L"notepad.exe"}, {4000, L"notepad.exe"}},
     {{1000, L"Game"}, {3500, L"Work"}},
     L"Desk",
     false},
    {"ADeletedProfileGivesWayToTheNextOneNamingTheProgram",
     {{0, L"game.exe"}, {1000, L"game.exe"},
      {1500, L"game.exe", kHidden, L"Desk", Before::kGameDeleted}},
     {{1000, L"Game"}, {1500, L"Work"}}},
    {"AProfileThatLostTheProgramGivesWayToTheHandChoice",
     {{0, L"shooter.exe"}, {1000, L"shooter.exe"},
      {1200, L"shooter.exe", kHidden, L"Desk", Before::kGameLosesItsPrograms}},
     {{1000, L"Game"}, {1200, L"Desk"}}},
    {"AnEditBeforeTheHoldIsDueLeavesTheHoldItsTime",
     {{0, L"shooter.exe"}, {500, L"shooter.exe", kHidden, L"Desk", Before::kGameLosesItsPrograms},
      {1000, L"shooter.exe"}},
     {{1000, L"Desk"}},
     L"Work"},
    {"AnEditOfOtherProfilesAppliesNothingAndADeletedHandChoiceIsNotAskedFor",
     {{0, L"game.exe"}, {1000, L"game.exe"},
      {1500, L"game.exe", kHidden, L"Desk", Before::kDeskDeleted},
      {2000, L"explorer.exe"}, {3000, L"explorer.exe"}},
     {{1000, L"Game"}}},
    {"AfterARestartTheProgramInFrontCountsItsSecondAnew",
     {{0, L"game.exe"}, {400, L"game.exe"}, {5000, L"game.exe", kHidden, L"Desk", Before::kRestart},
      {5999, L"game.exe"}, {6000, L"game.exe"}},
     {{6000, L"Game"}}},
};
// clang-format on

class ProfileSwitching : public testing::TestWithParam<Timeline> {};

TEST_P(ProfileSwitching, AppliesTheProfileOfTheProgramInFront) {
  const Timeline& timeline = GetParam();
  test::FakeClock clock;
  test::FakeForeground foreground;
  ProfileSwitcher switcher(clock, foreground, kOwn);
  switcher.SetProfiles(kProfiles);
  std::wstring active = timeline.active;
  std::wstring hand = timeline.steps.front().hand;
  std::vector<Switch> switches;
  for (const Step& step : timeline.steps) {
    if (step.before == Before::kRestart) {
      switcher.Restart();
    } else if (step.before != Before::kNothing) {
      switcher.SetProfiles(Edited(step.before));
    }
    if (step.hand != hand) active = hand = step.hand;
    clock.now_ms = step.at;
    foreground.program.reset();
    if (step.front != kNoWindow) foreground.program = step.front;
    if (const auto to = switcher.Poll({active, hand, step.shown})) {
      switches.push_back({step.at, *to});
      if (timeline.applies) active = *to;
    }
  }
  EXPECT_EQ(switches, timeline.switches);
}

INSTANTIATE_TEST_SUITE_P(, ProfileSwitching, testing::ValuesIn(kTimelines),
                         [](const testing::TestParamInfo<Timeline>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace vx
