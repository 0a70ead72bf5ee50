#include <gtest/gtest.h>

#include <algorithm>

#include "platform/system_files.h"
#include "settings/profile_files.h"

namespace vx {
namespace {

TEST(SystemFilePort, ReplaceAllSwapsTheWholeFileAndLeavesNoTemporary) {
  test::TempDir dir;
  auto files = CreateSystemFilePort();
  const std::wstring path = dir.File(L"config.bin");
  ASSERT_TRUE(files->CreateNew(path, test::Bytes("old contents")));
  EXPECT_FALSE(files->CreateNew(path, test::Bytes("again"))) << "never overwrites";
  EXPECT_EQ(files->ReplaceAll(path, test::Bytes("new")), 0u);
  EXPECT_EQ(test::FileBytes(*files, path), "new");
  EXPECT_FALSE(files->Exists(path + L".tmp"));
}

TEST(SystemFilePort, AFailedReplaceReportsTheErrorAndKeepsTheOldFile) {
  test::TempDir dir;
  auto files = CreateSystemFilePort();
  const std::wstring path = dir.File(L"config.bin");
  ASSERT_TRUE(files->CreateNew(path, test::Bytes("old contents")));
  // A folder where the temporary file would go makes the write fail before anything is replaced.
  std::filesystem::create_directory(path + L".tmp");
  EXPECT_NE(files->ReplaceAll(path, test::Bytes("new")), 0u);
  EXPECT_EQ(test::FileBytes(*files, path), "old contents");
  EXPECT_NE(files->ReplaceAll(dir.File(L"no/such/folder/x.bin"), test::Bytes("x")), 0u);
  EXPECT_FALSE(files->ReadAll(dir.File(L"missing.bin")));
}

TEST(SystemFilePort, ListsTheFoldersOfAFolderOnly) {
  test::TempDir dir;
  auto files = CreateSystemFilePort();
  for (const wchar_t* name : {L"Emerald", L"Cobalt", L"Dusk"}) {
    std::filesystem::create_directory(std::filesystem::path(dir.File(name)));
  }
  ASSERT_TRUE(files->CreateNew(dir.File(L"readme.txt"), test::Bytes("not a skin")));
  std::vector<std::wstring> folders = files->ListFolders(dir.File(L""));
  std::sort(folders.begin(), folders.end());
  EXPECT_EQ(folders, (std::vector<std::wstring>{L"Cobalt", L"Dusk", L"Emerald"}));
  EXPECT_TRUE(files->ListFolders(dir.File(L"missing")).empty());
}

}  // namespace
}  // namespace vx
