#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <future>

#include "common/text_format.h"
#include "platform/system_files.h"
#include "settings/profile_files.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vx {
namespace {

namespace fs = std::filesystem;

using test::NamesIn;

TEST(SystemFilePort, ReplaceAllSwapsTheWholeFileAndLeavesNoTemporary) {
  test::TempDir dir;
  auto files = CreateSystemFilePort();
  const std::wstring path = dir.File(L"config.bin");
  ASSERT_TRUE(files->CreateNew(path, test::Bytes("old contents")));
  EXPECT_FALSE(files->CreateNew(path, test::Bytes("again"))) << "never overwrites";
  EXPECT_EQ(files->ReplaceAll(path, test::Bytes("new")), 0u);
  EXPECT_EQ(test::FileBytes(*files, path), "new");
  EXPECT_EQ(NamesIn(dir.File(L"")), std::vector<std::wstring>{L"config.bin"});
  // A missing file is made the same way.
  EXPECT_EQ(files->ReplaceAll(dir.File(L"record.ini"), test::Bytes("[m]")), 0u);
  EXPECT_EQ(test::FileBytes(*files, dir.File(L"record.ini")), "[m]");
  EXPECT_EQ(NamesIn(dir.File(L"")), (std::vector<std::wstring>{L"config.bin", L"record.ini"}));
}

TEST(SystemFilePort, AFailedReplaceReportsTheErrorAndKeepsTheOldFile) {
  test::TempDir dir;
  auto files = CreateSystemFilePort();
  const std::wstring path = dir.File(L"config.bin");
  ASSERT_TRUE(files->CreateNew(path, test::Bytes("old contents")));
  // A folder cannot be replaced by a file: the temporary file goes, the folder stays.
  const std::wstring folder = dir.File(L"folder");
  fs::create_directory(fs::path(folder));
  EXPECT_NE(files->ReplaceAll(folder, test::Bytes("new")), 0u);
  EXPECT_TRUE(fs::is_directory(fs::path(folder)));
  EXPECT_EQ(NamesIn(dir.File(L"")), (std::vector<std::wstring>{L"config.bin", L"folder"}));
  EXPECT_NE(files->ReplaceAll(dir.File(L"no/such/folder/x.bin"), test::Bytes("x")), 0u);
  EXPECT_EQ(test::FileBytes(*files, path), "old contents");
  EXPECT_FALSE(files->ReadAll(dir.File(L"missing.bin"), 100));
}

// The temporary file once had the fixed name "<file>.tmp", opened with truncation.
TEST(SystemFilePort, LeftoversOfTheOldFixedTemporaryNameDoNotMatter) {
  test::TempDir dir;
  auto files = CreateSystemFilePort();
  const std::wstring path = dir.File(L"config.bin");
  ASSERT_TRUE(files->CreateNew(path, test::Bytes("old contents")));
  fs::create_directory(fs::path(path + L".tmp"));
  EXPECT_EQ(files->ReplaceAll(path, test::Bytes("new")), 0u) << "a leftover folder";
  EXPECT_EQ(test::FileBytes(*files, path), "new");
  EXPECT_TRUE(fs::is_directory(fs::path(path + L".tmp")));
#ifndef _WIN32
  fs::remove(fs::path(path + L".tmp"));
  const std::wstring victim = dir.File(L"victim.txt");
  ASSERT_TRUE(files->CreateNew(victim, test::Bytes("someone else's")));
  fs::create_symlink(fs::path(victim), fs::path(path + L".tmp"));
  EXPECT_EQ(files->ReplaceAll(path, test::Bytes("newer")), 0u) << "a leftover link";
  EXPECT_EQ(test::FileBytes(*files, path), "newer");
  EXPECT_EQ(test::FileBytes(*files, victim), "someone else's") << "the link is not followed";
  EXPECT_TRUE(fs::is_symlink(fs::path(path + L".tmp")));
#endif
}

TEST(SystemFilePort, TemporaryFilesAreFreshExclusiveAndBesideTheirTarget) {
  test::TempDir dir;
  auto files = CreateSystemFilePort();
  const std::wstring path = dir.File(L"str.ini");
  const TemporaryFile first = files->CreateTemporary(path, test::Bytes("one"));
  const TemporaryFile second = files->CreateTemporary(path, test::Bytes("two"));
  ASSERT_EQ(first.error, 0u);
  ASSERT_EQ(second.error, 0u);
  EXPECT_NE(first.path, second.path);
  for (const std::wstring& temporary : {first.path, second.path}) {
    EXPECT_EQ(fs::path(temporary).parent_path(), fs::path(path).parent_path());
    EXPECT_EQ(temporary.rfind(path + L".", 0), 0u) << "named after its target";
    EXPECT_NE(temporary, path + L".tmp");
  }
  EXPECT_EQ(test::FileBytes(*files, first.path), "one");
  EXPECT_EQ(test::FileBytes(*files, second.path), "two");
  EXPECT_FALSE(files->Exists(path));
  files->Remove(second.path);
  EXPECT_FALSE(files->Exists(second.path));
  EXPECT_EQ(files->PutInPlace(first.path, path), 0u);
  EXPECT_EQ(test::FileBytes(*files, path), "one");
  EXPECT_EQ(NamesIn(dir.File(L"")), std::vector<std::wstring>{L"str.ini"});
}

TEST(SystemFilePort, ReadsOnlyARegularFileWithinTheLimit) {
  test::TempDir dir;
  auto files = CreateSystemFilePort();
  const std::wstring path = dir.File(L"config.bin");
  ASSERT_TRUE(files->CreateNew(path, test::Bytes("12345")));
  FileRead read = files->Read(path, 5);
  EXPECT_EQ(read.outcome, FileRead::Outcome::kRead);
  EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), "12345");
  EXPECT_EQ(read.size, 5u);
  read = files->Read(path, 4);
  EXPECT_EQ(read.outcome, FileRead::Outcome::kTooLarge);
  EXPECT_EQ(read.size, 5u);
  EXPECT_TRUE(read.bytes.empty());
  EXPECT_NE(read.error, 0u);
  // A huge file is refused by its size, without a byte read.
  const std::wstring huge = dir.File(L"huge.ini");
  ASSERT_TRUE(files->CreateNew(huge, test::Bytes("")));
  fs::resize_file(fs::path(huge), kMaxProfileFileBytes * 4);
  read = files->Read(huge, kMaxProfileFileBytes);
  EXPECT_EQ(read.outcome, FileRead::Outcome::kTooLarge);
  EXPECT_EQ(read.size, kMaxProfileFileBytes * 4);
  fs::create_directory(fs::path(dir.File(L"folder")));
  read = files->Read(dir.File(L"folder"), 100);
  EXPECT_EQ(read.outcome, FileRead::Outcome::kNotAFile);
  EXPECT_NE(read.error, 0u);
  EXPECT_EQ(files->Read(dir.File(L"missing"), 100).outcome, FileRead::Outcome::kMissing);
  EXPECT_EQ(files->Read(dir.File(L"missing/x"), 100).outcome, FileRead::Outcome::kMissing);
}

#ifndef _WIN32

// A pipe would keep a reader waiting for a writer, a device such as /dev/zero would never end:
// neither is opened for reading, let alone read.
TEST(SystemFilePort, NeitherAPipeNorADeviceIsRead) {
  test::TempDir dir;
  auto files = CreateSystemFilePort();
  const std::wstring fifo = dir.File(L"config.bin");
  ASSERT_EQ(mkfifo(ToUtf8(fifo).c_str(), 0644), 0);
  auto reading = std::async(std::launch::async, [&] { return files->Read(fifo, 1 << 20); });
  if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    close(open(ToUtf8(fifo).c_str(), O_WRONLY | O_NONBLOCK));  // lets a waiting open go
    ADD_FAILURE() << "reading a pipe hangs";
  }
  EXPECT_EQ(reading.get().outcome, FileRead::Outcome::kNotAFile);
  for (const wchar_t* device : {L"/dev/zero", L"/dev/null", L"/dev/urandom"}) {
    EXPECT_EQ(files->Read(device, 1 << 20).outcome, FileRead::Outcome::kNotAFile) << device;
  }
  // A link is followed for reading: the file it names decides.
  const std::wstring link = dir.File(L"zero-link");
  fs::create_symlink("/dev/zero", fs::path(link));
  EXPECT_EQ(files->Read(link, 1 << 20).outcome, FileRead::Outcome::kNotAFile);
  const std::wstring real = dir.File(L"real");
  ASSERT_TRUE(files->CreateNew(real, test::Bytes("abc")));
  fs::create_symlink(fs::path(real), fs::path(dir.File(L"real-link")));
  EXPECT_EQ(test::FileBytes(*files, dir.File(L"real-link")), "abc");
}

TEST(SystemFilePort, TheReplacedFileKeepsItsPermissions) {
  test::TempDir dir;
  auto files = CreateSystemFilePort();
  const std::wstring path = dir.File(L"str.ini");
  for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0604}, mode_t{0755}}) {
    ASSERT_EQ(files->ReplaceAll(path, test::Bytes("x")), 0u);
    ASSERT_EQ(chmod(ToUtf8(path).c_str(), mode), 0);
    EXPECT_EQ(files->ReplaceAll(path, test::Bytes("y")), 0u);
    struct stat info;
    ASSERT_EQ(stat(ToUtf8(path).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode) << std::oct << mode;
    EXPECT_EQ(test::FileBytes(*files, path), "y");
  }
}

// Root may write into any folder, so the read-only folder only tells for others.
bool FolderRefusesNewFiles(const std::wstring& folder) {
  const std::string probe = ToUtf8(folder) + "/probe";
  const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) return true;
  close(fd);
  unlink(probe.c_str());
  return false;
}

TEST(SystemFilePort, AReadOnlyFolderFailsTheSaveAndKeepsTheFile) {
  test::TempDir dir;
  auto files = CreateSystemFilePort();
  const std::wstring folder = dir.File(L"ro");
  fs::create_directory(fs::path(folder));
  const std::wstring path = folder + L"/config.bin";
  ASSERT_TRUE(files->CreateNew(path, test::Bytes("old")));
  ASSERT_EQ(chmod(ToUtf8(folder).c_str(), 0555), 0);
  if (!FolderRefusesNewFiles(folder)) {
    chmod(ToUtf8(folder).c_str(), 0755);
    GTEST_SKIP() << "this user writes into read-only folders (root)";
  }
  EXPECT_EQ(files->ReplaceAll(path, test::Bytes("new")), static_cast<uint32_t>(EACCES));
  chmod(ToUtf8(folder).c_str(), 0755);
  EXPECT_EQ(test::FileBytes(*files, path), "old");
  EXPECT_EQ(NamesIn(folder), std::vector<std::wstring>{L"config.bin"});
}

// A disk that fills up: the file size limit fails the writes with EFBIG, even for root.
TEST(SystemFilePort, AWriteBeyondTheSpaceLeftFailsTheSaveAndKeepsTheFile) {
  test::TempDir dir;
  auto files = CreateSystemFilePort();
  const std::wstring path = dir.File(L"config.bin");
  ASSERT_TRUE(files->CreateNew(path, test::Bytes("old")));
  const std::vector<uint8_t> big(4096, 'x');
  uint32_t error = 0;
  {
    test::FileSizeLimit limit(1024);
    error = files->ReplaceAll(path, big);
  }
  EXPECT_EQ(error, static_cast<uint32_t>(EFBIG));
  EXPECT_EQ(test::FileBytes(*files, path), "old");
  EXPECT_EQ(NamesIn(dir.File(L"")), std::vector<std::wstring>{L"config.bin"});
}

#endif

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
