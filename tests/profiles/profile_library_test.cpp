#include "profiles/profile_library.h"

#include <gtest/gtest.h>

#include "settings/factory_settings.h"
#include "support/memory_files.h"

namespace vx {
namespace {

constexpr wchar_t kFolder[] = L"C:\\Mouse\\Profiles";

ProfileFile Sample(const std::wstring& name, std::vector<std::wstring> programs) {
  ProfileFile profile;
  profile.name = name;
  profile.programs = std::move(programs);
  profile.setup.record = FactoryRecord();
  profile.setup.key_texts[kEnglish][0] = L"Left Click";
  return profile;
}

std::string TextOf(test::MemoryFiles& files, const std::wstring& name) {
  const auto& bytes = files.files[std::wstring(kFolder) + L"\\" + name + L".vxprofile"];
  return std::string(bytes.begin(), bytes.end());
}

TEST(ProfileLibrary, ListsTheProfileFilesByNameWithoutRegardToCase) {
  test::MemoryFiles files;
  ProfileLibrary library(files, kFolder);
  for (const wchar_t* name : {L"shooter", L"Desktop", L"a:b"}) {
    files.files[std::wstring(kFolder) + L"\\" + name + L".vxprofile"] = {};
  }
  files.files[std::wstring(kFolder) + L"/notes.txt"] = {};
  files.files[std::wstring(kFolder) + L"/Old.VXPROFILE"] = {};
  EXPECT_EQ(library.Names(), (std::vector<std::wstring>{L"Desktop", L"Old", L"shooter"}))
      << "files of other kinds and names no profile can have are left out";
  EXPECT_EQ(library.Find(L"SHOOTER"), L"shooter");
  EXPECT_EQ(library.Find(L"Office"), std::nullopt);
}

TEST(ProfileLibrary, SavesReadsAndRenamesTheFileWithTheNameInside) {
  test::MemoryFiles files;
  ProfileLibrary library(files, kFolder);
  ASSERT_EQ(library.Save(Sample(L"Shooter", {L"game.exe"})), 0u);
  ProfileFileRead read = library.Read(L"Shooter");
  ASSERT_TRUE(read.file) << read.error;
  EXPECT_EQ(*read.file, Sample(L"Shooter", {L"game.exe"}));

  ASSERT_EQ(library.Rename(L"Shooter", L"Arena"), 0u);
  EXPECT_EQ(library.Names(), std::vector<std::wstring>{L"Arena"});
  EXPECT_NE(TextOf(files, L"Arena").find("Name = Arena\n"), std::string::npos);
  library.Remove(L"Arena");
  EXPECT_TRUE(library.Names().empty());
}

// A file that does not read as a profile names its problem and is left out of the switching.
TEST(ProfileLibrary, ABadFileIsToldAndSwitchesNothing) {
  test::MemoryFiles files;
  ProfileLibrary library(files, kFolder);
  ASSERT_EQ(library.Save(Sample(L"Game", {L"game.exe"})), 0u);
  const std::string bad = "[Profile]\nFormat = 7\n";
  files.files[std::wstring(kFolder) + L"\\Broken.vxprofile"].assign(bad.begin(), bad.end());
  const ProfileFileRead read = library.Read(L"Broken");
  EXPECT_FALSE(read.file);
  EXPECT_EQ(read.error.rfind("line 2: ", 0), 0u) << read.error;
  const std::vector<ProfilePrograms> programs = library.Programs();
  ASSERT_EQ(programs.size(), 1u);
  EXPECT_EQ(programs[0].name, L"Game");
  EXPECT_EQ(programs[0].programs, std::vector<std::wstring>{L"game.exe"});
}

}  // namespace
}  // namespace vx
