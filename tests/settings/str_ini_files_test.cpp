#include <gtest/gtest.h>

#include <filesystem>

#include "common/text_format.h"
#include "platform/system_files.h"
#include "platform/system_profile.h"
#include "settings/profile_files.h"
#include "settings/str_ini.h"
#include "support/link_fixture.h"
#include "support/told_saves.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// str.ini saved through the system's own profile store and file port in a real folder: kernel32
// under Wine, the INI engine on the host.

namespace vx {
namespace {

using test::Bytes;
using test::NamesIn;

class StrIniFilesTest : public ::testing::Test {
 protected:
  KeyTexts Texts(const std::wstring& stem) {
    KeyTexts texts;
    for (size_t i = 0; i < texts.size(); ++i) texts[i] = stem + std::to_wstring(i);
    return texts;
  }
  std::vector<uint8_t> FileBytes() { return files_->ReadAll(path_, kMaxProfileFileBytes).value(); }

  test::TempDir dir_;
  std::unique_ptr<FilePort> files_ = CreateSystemFilePort();
  std::unique_ptr<ProfileStore> profile_ = CreateSystemProfileStore(*files_);
  test::ToldSaves told_;
  test::RecordingMessages& messages_ = told_.messages;
  std::wstring path_ = dir_.File(L"str.ini");
  StrIni str_{*profile_, *files_, told_.saves, path_};
};

TEST_F(StrIniFilesTest, ASaveReplacesTheFileKeepingTheRestAndLeavesNoCopy) {
  ASSERT_EQ(files_->ReplaceAll(path_, Bytes(test::Utf16File(L"[Skins]\r\nPath=Emerald\r\n"))), 0u);
  KeyTexts texts = Texts(L"T");
  texts[8] = L"组合键-left Win+D";
  EXPECT_EQ(str_.SaveKeyTexts(L"Setting-CHS", texts), 0u);
  EXPECT_EQ(str_.LoadKeyTexts(L"Setting-CHS"), texts);
  EXPECT_EQ(str_.LoadSkinKeys().path, L"Emerald");
  EXPECT_EQ(NamesIn(dir_.File(L"")), std::vector<std::wstring>{L"str.ini"});
  EXPECT_EQ(str_.SaveSkin({1, 2, 3}, L"Cobalt"), 0u);
  const SkinKeys keys = str_.LoadSkinKeys();
  EXPECT_EQ(keys.path, L"Cobalt");
  EXPECT_EQ(UiTextColourFrom(keys), (std::array<uint8_t, 3>{1, 2, 3}));
  EXPECT_EQ(str_.LoadKeyTexts(L"Setting-CHS"), texts);
  EXPECT_EQ(NamesIn(dir_.File(L"")), std::vector<std::wstring>{L"str.ini"});
  const std::vector<uint8_t> bytes = FileBytes();
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(StrIniFilesTest, AMissingFileIsMadeUnicode) {
  EXPECT_EQ(str_.SaveSkin({0, 230, 118}, L"Dusk"), 0u);
  const std::vector<uint8_t> bytes = FileBytes();
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  EXPECT_EQ(str_.LoadSkinKeys().path, L"Dusk");
  EXPECT_EQ(NamesIn(dir_.File(L"")), std::vector<std::wstring>{L"str.ini"});
}

#ifndef _WIN32

TEST_F(StrIniFilesTest, AReadOnlyFolderIsToldOnceAndTheFileKept) {
  ASSERT_EQ(str_.SaveKeyTexts(L"Setting-EN", Texts(L"old")), 0u);
  const std::vector<uint8_t> before = FileBytes();
  const std::string folder = ToUtf8(dir_.File(L""));
  ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
  const int probe = open((folder + "/probe").c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (probe >= 0) {
    close(probe);
    unlink((folder + "/probe").c_str());
    chmod(folder.c_str(), 0755);
    GTEST_SKIP() << "this user writes into read-only folders (root)";
  }
  const uint32_t texts_error = str_.SaveKeyTexts(L"Setting-EN", Texts(L"new"));
  const uint32_t skin_error = str_.SaveSkin({1, 2, 3}, L"Cobalt");
  chmod(folder.c_str(), 0755);
  EXPECT_EQ(texts_error, static_cast<uint32_t>(EACCES));
  EXPECT_EQ(skin_error, static_cast<uint32_t>(EACCES));
  const std::wstring code = std::to_wstring(EACCES);
  const std::wstring box = L"NULL ==fp |Error Code is: " + code + L" \n" + path_ +
                           L" was not saved: error " + code + L"\n";
  EXPECT_EQ(messages_.shown, (std::vector<std::wstring>{box, box})) << "once per save";
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(str_.LoadKeyTexts(L"Setting-EN"), Texts(L"old"));
}

// The copy is made, but the new texts no longer fit: the first write to the copy fails.
TEST_F(StrIniFilesTest, AFullDiskIsToldOnceAndTheFileKept) {
  ASSERT_EQ(str_.SaveKeyTexts(L"Setting-EN", Texts(L"old")), 0u);
  const std::vector<uint8_t> before = FileBytes();
  uint32_t texts_error = 0;
  {
    test::FileSizeLimit limit(before.size() + 8);
    texts_error = str_.SaveKeyTexts(L"Setting-EN", Texts(L"a much longer text "));
  }
  EXPECT_EQ(texts_error, static_cast<uint32_t>(EFBIG));
  const std::wstring code = std::to_wstring(EFBIG);
  EXPECT_EQ(messages_.shown,
            std::vector<std::wstring>{L"NULL ==fp |Error Code is: " + code + L" \n" + path_ +
                                      L" was not saved: error " + code + L"\n"});
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(NamesIn(dir_.File(L"")), std::vector<std::wstring>{L"str.ini"});
}

// A pipe or device of the name is neither read (it would hang or never end) nor replaced.
TEST_F(StrIniFilesTest, APipeOfTheNameIsNeitherReadNorReplaced) {
  ASSERT_EQ(mkfifo(ToUtf8(path_).c_str(), 0644), 0);
  EXPECT_EQ(str_.LoadSkinKeys().path, L"");
  EXPECT_EQ(str_.SaveSkin({1, 2, 3}, L"Cobalt"), static_cast<uint32_t>(EINVAL));
  EXPECT_EQ(messages_.shown.size(), 1u);
  struct stat info;
  ASSERT_EQ(lstat(ToUtf8(path_).c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

#endif

}  // namespace
}  // namespace vx
