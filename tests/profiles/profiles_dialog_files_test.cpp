#include <gtest/gtest.h>

#include "profiles/profiles_dialog_fixture.h"

namespace vx {
namespace {

using namespace dialog_layout::profiles;
using test::BytesOf;
using test::ProfilesDialogFixture;
using test::SampleProfile;

constexpr wchar_t kDownload[] = L"D:\\Downloads\\shared.vxprofile";

std::vector<std::wstring> ProgramsOf(ProfilesDialogFixture& f, const std::wstring& name) {
  const ProfileFileRead read = f.library.Read(name);
  EXPECT_TRUE(read.file) << read.error;
  return read.file ? read.file->programs : std::vector<std::wstring>{};
}

TEST(ProfilesDialogPrograms, AddKeepsTheFileNameAndRemoveTakesTheSelectedOneBothSavedAtOnce) {
  ProfilesDialogFixture f;
  f.Open();
  f.Select(kProfileListId, 2);
  f.windows.file_answers = {L"C:\\Games\\game2.exe", L"D:\\Other\\GAME.EXE", L"C:/Tools/aim.exe"};
  f.Press(kAddProgram);
  f.Press(kAddProgram);
  f.Press(kAddProgram);
  EXPECT_EQ(f.windows.file_dialogs, std::vector<std::wstring>(3, L"open *.exe"));
  EXPECT_EQ(f.Told(), std::vector<std::wstring>{L"\"GAME.EXE\" is in the list already."});
  const std::vector<std::wstring> added = {L"game.exe", L"game2.exe", L"aim.exe"};
  EXPECT_EQ(ProgramsOf(f, L"shooter"), added);
  EXPECT_EQ(f.Items(kProgramListId), added);
  EXPECT_EQ(f.host.changes.size(), 2u);

  f.Select(kProgramListId, 0);
  f.Press(kRemoveProgram);
  EXPECT_EQ(ProgramsOf(f, L"shooter"), (std::vector<std::wstring>{L"game2.exe", L"aim.exe"}));
  EXPECT_EQ(f.Items(kProgramListId), ProgramsOf(f, L"shooter"));
  EXPECT_EQ(ProgramsOf(f, L"Desktop"), std::vector<std::wstring>{L"explorer.exe"});
}

TEST(ProfilesDialogPrograms, RemoveWantsAProgramSelected) {
  ProfilesDialogFixture f;
  f.Open();
  f.Press(kRemoveProgram);
  EXPECT_EQ(f.Told(), std::vector<std::wstring>{L"Please select a program first."});
  EXPECT_EQ(ProgramsOf(f, L"Desktop"), std::vector<std::wstring>{L"explorer.exe"});
}

TEST(ProfilesDialogImport, AGoodFileJoinsTheLibraryUnderItsOwnNameAndIsUsed) {
  ProfilesDialogFixture f;
  f.Open();
  const ProfileFile racing = SampleProfile(L"Racing", {L"kart.exe"});
  f.files.files[kDownload] = BytesOf(WriteProfileFile(racing));
  f.windows.file_answers = {kDownload};
  f.Press(kImport);
  EXPECT_EQ(f.windows.file_dialogs, std::vector<std::wstring>{L"open *.vxprofile"});
  EXPECT_TRUE(f.Told().empty());
  const ProfileFileRead read = f.library.Read(L"Racing");
  ASSERT_TRUE(read.file) << read.error;
  EXPECT_EQ(*read.file, racing);
  EXPECT_EQ(f.host.used, std::vector<std::wstring>{L"Racing"});
  EXPECT_EQ(f.host.changes.size(), 1u);
  EXPECT_EQ(f.Items(kProfileListId)[f.Selection(kProfileListId)], L"Racing");
}

// The profile of that name is replaced only when the user agrees, and keeps its spelling.
TEST(ProfilesDialogImport, ReplacesTheProfileOfItsNameAfterAsking) {
  for (const int answer : {kIdNo, kIdYes}) {
    SCOPED_TRACE(answer);
    ProfilesDialogFixture f;
    f.Open();
    const std::string before = f.FileText(L"shooter");
    f.files.files[kDownload] = BytesOf(WriteProfileFile(SampleProfile(L"SHOOTER", {L"new.exe"})));
    f.windows.file_answers = {kDownload};
    f.windows.box_answers = {answer};
    f.Press(kImport);
    ASSERT_EQ(f.windows.boxes.size(), 1u);
    EXPECT_EQ(f.windows.boxes[0].type, kBoxYesNo);
    EXPECT_EQ(f.windows.boxes[0].text,
              L"There is a profile named \"shooter\" already. Replace it "
              L"with the imported one?");
    if (answer == kIdNo) {
      EXPECT_EQ(f.FileText(L"shooter"), before);
      EXPECT_TRUE(f.host.used.empty());
      continue;
    }
    EXPECT_EQ(f.library.Names(), (std::vector<std::wstring>{L"Arena", L"Desktop", L"shooter"}));
    EXPECT_EQ(ProgramsOf(f, L"shooter"), std::vector<std::wstring>{L"new.exe"});
    EXPECT_EQ(f.host.used, std::vector<std::wstring>{L"shooter"});
  }
}

TEST(ProfilesDialogImport, TheLibrarysOwnFileIsUsedWithoutAQuestion) {
  ProfilesDialogFixture f;
  f.Open();
  f.windows.file_answers = {f.library.PathOf(L"shooter")};
  f.Press(kImport);
  EXPECT_TRUE(f.Told().empty());
  EXPECT_EQ(f.host.used, std::vector<std::wstring>{L"shooter"});
}

TEST(ProfilesDialogImport, ABadFileIsRefusedWholeNamingTheLineAndChangesNothing) {
  ProfilesDialogFixture f;
  f.Open();
  f.files.files[kDownload] = BytesOf("[Profile]\nFormat = 7\n");
  const auto before = f.files.files;
  f.windows.file_answers = {kDownload};
  f.Press(kImport);
  ASSERT_EQ(f.Told().size(), 1u);
  EXPECT_EQ(
      f.Told()[0].rfind(
          std::wstring(kDownload) + L" cannot be imported, so nothing was changed: line 2: ", 0),
      0u)
      << f.Told()[0];
  EXPECT_EQ(f.files.files, before);
  EXPECT_TRUE(f.host.used.empty());
  EXPECT_TRUE(f.host.changes.empty());
}

TEST(ProfilesDialogExport, WritesTheLibrarysFileAsItIsUnderTheChosenName) {
  ProfilesDialogFixture f;
  f.Open();
  const std::string text = "# kept as written\n" + f.FileText(L"shooter");
  f.files.files[f.library.PathOf(L"shooter")] = BytesOf(text);
  f.Select(kProfileListId, 2);
  f.windows.file_answers = {L"E:\\Backup\\mine.vxprofile"};
  f.Press(kExport);
  EXPECT_EQ(f.windows.file_dialogs,
            std::vector<std::wstring>{L"save *.vxprofile shooter.vxprofile"});
  EXPECT_EQ(f.files.files[L"E:\\Backup\\mine.vxprofile"], BytesOf(text));
  EXPECT_TRUE(f.Told().empty());

  f.files.replace_error = 112;
  f.windows.file_answers = {L"F:\\full.vxprofile"};
  f.Press(kExport);
  EXPECT_EQ(f.Told(), std::vector<std::wstring>{L"F:\\full.vxprofile was not saved: There is "
                                                L"not enough space on the disk. (error 112)"});
}

}  // namespace
}  // namespace vx
