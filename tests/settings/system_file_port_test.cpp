#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vx
