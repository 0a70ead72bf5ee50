#include <gtest/gtest.h>

#include "profiles/profiles_dialog_fixture.h"

namespace vx {
namespace {

using namespace dialog_layout::profiles;
using test::ProfilesDialogFixture;

TEST(ProfilesDialog, ListsTheLibraryWithTheActiveProfileMarkedAndSelected) {
  ProfilesDialogFixture f;
  f.host.active = L"DESKTOP";
  f.Open();
  EXPECT_EQ(f.Items(kProfileListId),
            (std::vector<std::wstring>{L"Arena", L"Desktop (active)", L"shooter"}));
  EXPECT_EQ(f.Selection(kProfileListId), 1);
  EXPECT_EQ(f.TextOf(*f.dialog, kNameEditId), L"Desktop");
  EXPECT_EQ(f.Items(kProgramListId), std::vector<std::wstring>{L"explorer.exe"});

  f.Select(kProfileListId, 2);
  EXPECT_EQ(f.TextOf(*f.dialog, kNameEditId), L"shooter");
  EXPECT_EQ(f.Items(kProgramListId), std::vector<std::wstring>{L"game.exe"});
}

TEST(ProfilesDialog, RunsModallyAsLargeAsItsBackgroundAndOkOrCancelOnlyClose) {
  for (const auto& [x, result] : {std::pair{200, kIdOk}, std::pair{300, kIdCancel}}) {
    ProfilesDialogFixture f;
    CProfilesDialog dialog(f.Context(), f.library, f.host, [](uint32_t) { return L""; });
    EXPECT_EQ(f.Run<CProfilesDialog>(
                  dialog,
                  [&](CProfilesDialog& d) {
                    EXPECT_EQ(f.windows.ClientRect(d.window()), (Rect{0, 0, 400, 300}));
                    f.Click(d, x, 260);
                  }),
              result);
    EXPECT_TRUE(f.host.changes.empty());
  }
}

TEST(ProfilesDialog, SpeaksTheUserLanguage) {
  ProfilesDialogFixture f;
  f.language = L"CHT";
  f.Open();
  EXPECT_EQ(f.Items(kProfileListId)[1], L"Desktop（使用中）");
  f.windows.Send(*f.dialog, kMsgEraseBackground);
  std::vector<std::wstring> drawn;
  for (const headless::TextDraw& draw : f.windows.text.draws) drawn.push_back(draw.text);
  for (const wchar_t* text : {L"設定檔", L"新增", L"匯入...", L"移除", L"確定"}) {
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), text), drawn.end()) << text;
  }
}

TEST(ProfilesDialog, ItsDrawnButtonsHoverAsTheFramesDo) {
  ProfilesDialogFixture f;
  f.Open();
  const uint32_t normal = test::FakeImages::ColourOf(L"/button-normal.png");
  const uint32_t over = test::FakeImages::ColourOf(L"/button-over.png");
  f.windows.Send(*f.dialog, kMsgEraseBackground);
  for (const Rect button :
       {kNew, kRename, kDelete, kImport, kExport, kAddProgram, kRemoveProgram}) {
    EXPECT_EQ(f.Pixel(*f.dialog, button.left + 2, button.top + 2), normal);
  }
  f.windows.MoveTo(*f.dialog, kImport.left + 20, kImport.top + 10);
  f.windows.Hover(*f.dialog, kImport.left + 20, kImport.top + 10);
  EXPECT_EQ(f.Pixel(*f.dialog, kImport.left + 2, kImport.top + 2), over);
  f.windows.MoveTo(*f.dialog, 200, 260);
  f.windows.Hover(*f.dialog, 200, 260);
  EXPECT_EQ(f.Pixel(*f.dialog, kImport.left + 2, kImport.top + 2), normal)
      << "never hovered together with OK";
}

// New copies the program's setup under the typed name; a refused name says why and changes
// nothing.
TEST(ProfilesDialog, NewTakesOnlyANameThatCanBeAFileOfItsOwn) {
  struct Case {
    std::wstring name;
    std::wstring told;  // empty: accepted
  };
  const std::vector<Case> cases = {
      {L"Racing", L""},
      {L"", L"The name \"\" cannot be used: it is blank."},
      {L"a/b", L"The name \"a/b\" cannot be used: it holds the character '/'."},
      {L"what?", L"The name \"what?\" cannot be used: it holds the character '?'."},
      {L" Racing", L"The name \" Racing\" cannot be used: it has blanks at its ends."},
      {std::wstring(32, L'x'), L"The name \"" + std::wstring(32, L'x') +
                                   L"\" cannot be used: it is longer than 31 "
                                   L"characters."},
      {L"SHOOTER", L"There is a profile named \"SHOOTER\" already."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProfilesDialogFixture f;
    f.Open();
    const auto before = f.files.files;
    f.Type(c.name);
    f.Press(kNew);
    if (!c.told.empty()) {
      EXPECT_EQ(f.Told(), std::vector<std::wstring>{c.told});
      EXPECT_EQ(f.files.files, before);
      EXPECT_TRUE(f.host.changes.empty());
      continue;
    }
    EXPECT_TRUE(f.Told().empty());
    const ProfileFileRead read = f.library.Read(c.name);
    ASSERT_TRUE(read.file) << read.error;
    EXPECT_EQ(read.file->setup, f.host.setup);
    EXPECT_TRUE(read.file->programs.empty());
    EXPECT_EQ(f.host.changes.size(), 1u);
    EXPECT_EQ(f.Items(kProfileListId)[f.Selection(kProfileListId)], c.name);
  }
}

TEST(ProfilesDialog, RenameFollowsTheNameChecksAndTellsTheProgramBothNames) {
  struct Case {
    std::wstring to;
    bool accepted;
  };
  const std::vector<Case> cases = {
      {L"Sniper", true}, {L"Shooter", true},  // its own name in other letters' case
      {L"arena", false}, {L"a:b", false},    {L"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.to);
    ProfilesDialogFixture f;
    f.Open();
    f.Select(kProfileListId, 2);
    const std::string text = f.FileText(L"shooter");
    f.Type(c.to);
    f.Press(kRename);
    EXPECT_EQ(f.Told().size(), c.accepted ? 0u : 1u);
    if (!c.accepted) {
      EXPECT_EQ(f.library.Names(), (std::vector<std::wstring>{L"Arena", L"Desktop", L"shooter"}));
      EXPECT_EQ(f.FileText(L"shooter"), text);
      EXPECT_TRUE(f.host.changes.empty());
      continue;
    }
    EXPECT_EQ(f.library.Find(c.to), c.to);
    const ProfileFileRead read = f.library.Read(c.to);
    ASSERT_TRUE(read.file) << read.error;
    EXPECT_EQ(read.file->programs, std::vector<std::wstring>{L"game.exe"});
    EXPECT_EQ(f.host.changes,
              (std::vector<std::pair<std::wstring, std::wstring>>{{L"shooter", c.to}}));
    EXPECT_EQ(f.Items(kProfileListId)[f.Selection(kProfileListId)], c.to);
  }
}

TEST(ProfilesDialog, DeleteAsksFirstAndNeverTakesTheActiveProfile) {
  ProfilesDialogFixture f;
  f.Open();
  f.Press(kDelete);
  EXPECT_EQ(f.Told(), std::vector<std::wstring>{L"\"Desktop\" is the profile in use and cannot "
                                                L"be deleted. Use another profile first."});
  EXPECT_EQ(f.windows.boxes[0].type, kBoxOk);

  f.Select(kProfileListId, 0);
  f.windows.box_answers = {kIdNo};
  f.Press(kDelete);
  EXPECT_EQ(f.windows.boxes.back().text, L"Delete the profile \"Arena\"?");
  EXPECT_EQ(f.library.Names().size(), 3u);

  f.windows.box_answers = {kIdYes};
  f.Press(kDelete);
  EXPECT_EQ(f.library.Names(), (std::vector<std::wstring>{L"Desktop", L"shooter"}));
  EXPECT_EQ(f.Items(kProfileListId), (std::vector<std::wstring>{L"Desktop (active)", L"shooter"}));
  EXPECT_EQ(f.host.changes.size(), 1u);
}

TEST(ProfilesDialog, ActionsOnTheSelectedProfileWantOneSelected) {
  ProfilesDialogFixture f;
  f.host.active = L"Gone";
  f.Open();
  ASSERT_EQ(f.Selection(kProfileListId), -1);
  for (const Rect button : {kRename, kDelete, kExport, kAddProgram}) f.Press(button);
  EXPECT_EQ(f.Told(), std::vector<std::wstring>(4, L"Please select a profile first."));
  EXPECT_TRUE(f.windows.file_dialogs.empty());
}

TEST(ProfilesDialog, AFailedSaveIsToldWithTheSystemsExplanation) {
  ProfilesDialogFixture f;
  f.Open();
  f.files.replace_error = 112;
  f.Type(L"Racing");
  f.Press(kNew);
  EXPECT_EQ(f.Told(), std::vector<std::wstring>{f.library.PathOf(L"Racing") +
                                                L" was not saved: There is not enough space on "
                                                L"the disk. (error 112)"});
  EXPECT_EQ(f.library.Names().size(), 3u);
  EXPECT_TRUE(f.host.changes.empty());
}

}  // namespace
}  // namespace vx
