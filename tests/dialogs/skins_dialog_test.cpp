#include "dialogs/skins_dialog.h"

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "dialog_fixture.h"
#include "layout/dialogs.h"

namespace vx {
namespace {

using namespace dialog_layout::skins;

using test::DialogFixture;

// Skin folders under the fake program's Skins folder; "Bare" lacks the page images.
void AddSkins(test::MemoryFiles& files, const std::wstring& root) {
  files.folders[root] = {L"Emerald", L"Bare", L"cobalt"};
  for (const wchar_t* skin : {L"Emerald", L"cobalt"}) {
    for (const wchar_t* image : {L"/main.png", L"/BasicSet2.png", L"/AdvancedSet2.png"}) {
      files.files[root + L"/" + skin + image] = {};
    }
  }
  files.files[root + L"/Bare/main.png"] = {};
}

// The main window, shown from the tray, with those skins under its Skins folder.
std::wstring StartWithSkins(test::AppFixture& f) {
  f.AddMouse();
  f.AddConfig(1);
  const std::wstring root = L"C:\\Games\\Mouse\\/Skins";
  AddSkins(f.files, root);
  f.Start();
  f.Tray(kMsgLButtonUp);
  return root;
}

// In the skins dialog: the list opened, its first skin picked, OK.
void PickFirstSkinAndConfirm(test::AppFixture& f, Dialog& d) {
  f.windows.Click(d, 145, 135);
  const WindowHandle list = f.windows.ControlById(d.window(), kListId);
  const Rect item = f.windows.ListItemRect(list, 0);
  f.windows.Click(d, 50, 147 + item.top + 5);
  f.windows.Click(d, 200, 260);
}

TEST(SkinsDialog, OffersOnlySkinsWithEveryPageImageAndTakesTheFolderAsListed) {
  DialogFixture f;
  AddSkins(f.files, test::kSkinsRoot);
  CSkinsDialog dialog(f.Context());
  ASSERT_EQ(f.Run<CSkinsDialog>(dialog, [&](CSkinsDialog& d) {
    EXPECT_EQ(f.TextOf(d, kNameFieldId), L"Dusk");
    f.Click(d, 145, 135);
    EXPECT_EQ(f.windows.Get(f.Control(d, kListId)).items,
              (std::vector<std::wstring>{L"Emerald", L"cobalt"}));
    f.Pick(d, kListId, 1);
    EXPECT_EQ(f.TextOf(d, kNameFieldId), L"cobalt");
    f.Click(d, 200, 260);
  }), kIdOk);
  EXPECT_EQ(dialog.skin_name(), L"cobalt");
  EXPECT_EQ(dialog.skin_dir(), std::wstring(test::kSkinsRoot) + L"/cobalt");
  EXPECT_EQ(dialog.colour(), test::kSkinText);
}

TEST(SkinsDialog, TheSwatchTakesAColourFromTheColourDialog) {
  DialogFixture f;
  CSkinsDialog dialog(f.Context());
  f.windows.colour_answers = {std::nullopt, Rgb{200, 10, 20}};
  f.Run<CSkinsDialog>(dialog, [&](CSkinsDialog& d) {
    f.Click(d, 90, 100);
    EXPECT_EQ(d.colour(), test::kSkinText) << "cancelled";
    f.Click(d, 90, 100);
    const auto colours = d.OnControlColour(ControlKind::kStatic, kSwatchId);
    ASSERT_TRUE(colours);
    EXPECT_EQ(colours->brush, (Rgb{200, 10, 20}));
    EXPECT_EQ(f.windows.Get(f.Control(d, kSwatchId)).repaints, 1);
    f.Click(d, 200, 260);
  });
  EXPECT_EQ(dialog.colour(), (Rgb{200, 10, 20}));
  EXPECT_EQ(dialog.skin_dir(), test::kSkinDir) << "the skin stays";
}

TEST(SkinsDialog, FoldersMatchIgnoringTheCaseOfLatinLetters) {
  const std::vector<std::wstring> folders = {L"Emerald", L"ÄRGER", L"Cobalt"};
  EXPECT_EQ(MatchingFolder(folders, L"cobalt"), L"Cobalt");
  EXPECT_EQ(MatchingFolder(folders, L"EMERALD"), L"Emerald");
  EXPECT_EQ(MatchingFolder(folders, L"äRGER"), std::nullopt) << "only A to Z fold";
  EXPECT_EQ(MatchingFolder(folders, L"Cobal"), std::nullopt);
}

TEST(SkinsDialog, OkGivesTheMainWindowTheSkinAndTheColourAndRebuildsThePage) {
  test::AppFixture f;
  const std::wstring root = StartWithSkins(f);
  f.windows.colour_answers = {Rgb{1, 2, 3}};
  f.windows.modal_scripts.push_back([&](Dialog& d) {
    f.windows.Click(d, 90, 100);
    PickFirstSkinAndConfirm(f, d);
  });
  f.windows.text.draws.clear();
  f.windows.Click(*f.dialog, 710, 14);
  EXPECT_EQ(f.dialog->state().skin_dir, root + L"/Emerald");
  EXPECT_EQ(f.profile.GetString(test::kStrIniPath, L"Skins", L"Path", L"", 64), L"Emerald");
  EXPECT_EQ(f.profile.GetString(test::kStrIniPath, L"Skins", L"RColor", L"", 64), L"1");
  EXPECT_EQ(f.profile.GetString(test::kStrIniPath, L"Skins", L"BColor", L"", 64), L"3");
  const auto& draws = f.windows.text.draws;
  const auto title = std::find_if(draws.begin(), draws.end(),
                                  [](const auto& d) { return d.text == L"Basic Settings"; });
  ASSERT_NE(title, draws.end()) << "the page was drawn again";
  EXPECT_EQ(title->colour, (Rgb{1, 2, 3}));
  // Cancel changes nothing.
  f.windows.Click(*f.dialog, 710, 14);
  EXPECT_EQ(f.dialog->state().skin_dir, root + L"/Emerald");
}

TEST(SkinsDialog, ASkinThatCannotBeSavedIsToldOnceAndStillShown) {
  test::AppFixture f;
  const std::wstring root = StartWithSkins(f);
  const std::vector<uint8_t> before = f.files.files[test::kStrIniPath];
  f.files.replace_error = 112;  // disk full
  f.windows.modal_scripts.push_back([&](Dialog& d) {
    PickFirstSkinAndConfirm(f, d);
  });
  f.windows.boxes.clear();
  f.windows.Click(*f.dialog, 710, 14);
  EXPECT_EQ(f.dialog->state().skin_dir, root + L"/Emerald") << "the page takes it all the same";
  ASSERT_EQ(f.windows.boxes.size(), 1u);
  EXPECT_EQ(f.windows.boxes[0].caption, L"NULL ==fp ");
  EXPECT_EQ(f.windows.boxes[0].text,
            L"Error Code is: 112 \n" + std::wstring(test::kStrIniPath) + L" was not saved.\n");
  EXPECT_EQ(f.files.files[test::kStrIniPath], before);
}

}  // namespace
}  // namespace vx
