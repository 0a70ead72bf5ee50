#include "settings/ini_engine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <limits>
#include <random>
#include <string>

#include "common/text_format.h"
#include "platform/system_files.h"
#include "settings/profile_files.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// What only our engine promises: the host's reading of unmarked files, and robustness against
// any bytes. What it shares with the system is in the behaviour table.

namespace vx {
namespace {

using namespace std::string_literals;
using test::Bytes;

struct IniEngineTest : testing::Test {
  void Put(const std::string& bytes) { ASSERT_EQ(files->ReplaceAll(file, Bytes(bytes)), 0u); }
  std::wstring Get(const std::wstring& section, const std::wstring& key, size_t buffer = 1024) {
    return store.GetString(file, section, key, L"D", buffer);
  }

  test::TempDir dir;
  std::unique_ptr<FilePort> files = CreateSystemFilePort();
  IniProfileStore store{*files};
  std::wstring file = dir.File(L"str.ini");
};

TEST_F(IniEngineTest, UnmarkedFileIsUtf8WithOtherBytesAsLatin1) {
  const std::pair<std::string, std::wstring> values[] = {
      {"caf\xC3\xA9", L"caf\u00E9"},
      {"caf\xE9", L"caf\u00E9"},
      {"\xE4\xB8", L"\u00E4\u00B8"},                      // cut short
      {"\xC0\x80", L"\u00C0\u0080"},                      // overlong
      {"\xED\xA0\x80", L"\u00ED\u00A0\u0080"},            // a surrogate
      {"\xF4\x90\x80\x80", L"\u00F4\u0090\u0080\u0080"},  // past U+10FFFF
      {"\xF0\x9F\x98\x80", L"\U0001F600"},
  };
  for (const auto& [bytes, text] : values) {
    Put("[S]\r\nk=" + bytes + "\r\n");
    EXPECT_EQ(Get(L"S", L"k"), text) << bytes;
  }
}

TEST_F(IniEngineTest, MarkedUtf8ReplacesEachBrokenSequence) {
  Put("\xEF\xBB\xBF[S]\r\nk=a\xFFz\xE4\xB8\r\n");
  EXPECT_EQ(Get(L"S", L"k"), L"a\uFFFDz\uFFFD");
}

// Wine writes the ANSI code page and loses what it lacks; the host writes UTF-8.
TEST_F(IniEngineTest, UnmarkedFileIsRewrittenAsUtf8) {
  Put("[S]\r\nk=caf\xE9\r\n");
  ASSERT_TRUE(store.WriteString(file, L"S", L"k2", L"组合键"));
  EXPECT_EQ(test::FileBytes(*files, file), "[S]\r\nk=caf\xC3\xA9\r\nk2=组合键\r\n");
  EXPECT_EQ(Get(L"S", L"k2"), L"组合键");
}

TEST_F(IniEngineTest, Utf16KeepsPairsAndLoneSurrogates) {
  const std::string head = test::Utf16File(L"[S]\r\nk=");
  const std::string tail = test::Utf16File(L"\r\n").substr(2);
  const std::string pair = "\x3D\xD8\x00\xDE"s;
  const std::string lone = "\x00\xD8"s;
  Put(head + pair + lone + tail);
  EXPECT_EQ(Get(L"S", L"k"), L"\U0001F600" + std::wstring(1, static_cast<wchar_t>(0xD800)));
  ASSERT_TRUE(store.WriteString(file, L"S", L"x", L"1"));
  EXPECT_EQ(test::FileBytes(*files, file),
            head + pair + lone + tail + test::Utf16File(L"x=1\r\n").substr(2));
}

TEST_F(IniEngineTest, OddLastByteOfUtf16IsDropped) {
  Put(test::Utf16File(L"[S]\nk=v") + "w");
  EXPECT_EQ(Get(L"S", L"k"), L"v");
}

// Wine guesses such a file to be UTF-16; we take every unmarked file as text of bytes.
TEST_F(IniEngineTest, ZeroEndsAValueAndAName) {
  Put("[S]\r\na=1\0z\r\nb=3\r\n"s);
  EXPECT_EQ(Get(L"S", L"a"), L"1");
  EXPECT_EQ(Get(L"S", L"b"), L"3");
  EXPECT_EQ(Get(L"S\0x"s, L"b\0y"s), L"3");
}

// Wine writes before its buffer here.
TEST_F(IniEngineTest, EmptyQuotedValueInOneCharacter) {
  Put("[S]\r\nk=\"\"\r\n");
  EXPECT_EQ(Get(L"S", L"k", 1), L"");
}

TEST_F(IniEngineTest, EveryCallReadsTheFileAfresh) {
  Put("[S]\r\nk=1\r\n");
  EXPECT_EQ(Get(L"S", L"k"), L"1");
  Put("[T]\r\nk=2\r\n");
  EXPECT_EQ(Get(L"S", L"k"), L"D");
  EXPECT_EQ(store.SectionNames(file, 16), L"T\0\0"s);
}

TEST_F(IniEngineTest, UnreadableFileIsNeverReplaced) {
  std::filesystem::create_directory(std::filesystem::path(file));
  EXPECT_EQ(Get(L"S", L"k"), L"D");
  EXPECT_EQ(store.SectionNames(file, 16), L"\0\0"s);
  EXPECT_FALSE(store.WriteString(file, L"S", L"k", L"v"));
  EXPECT_FALSE(store.WriteString(file, L"S", L"k", std::nullopt));
  EXPECT_FALSE(store.DeleteSection(file, L"S"));
  EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(file)));
}

TEST_F(IniEngineTest, HugeBuffersAreNotAllocated) {
  Put("[S]\r\nk=value\r\n");
  constexpr size_t kHuge = std::numeric_limits<size_t>::max();
  EXPECT_EQ(Get(L"S", L"k", kHuge), L"value");
  EXPECT_EQ(store.SectionNames(file, kHuge), L"S\0\0"s);
}

TEST_F(IniEngineTest, HugeLinesAndManySections) {
  std::string text = "[S]\r\nk=" + std::string(1 << 20, 'x') + "\r\n";
  for (int i = 0; i < 20000; ++i) text += "[s" + std::to_string(i) + "]\r\n";
  Put(text);
  EXPECT_EQ(Get(L"S", L"k", 4), L"xxx");
  const std::wstring names = store.SectionNames(file, 1024);
  EXPECT_EQ(names.substr(0, 8), L"S\0s0\0s1\0"s);
  EXPECT_GE(names.size(), 1022u);
  EXPECT_LE(names.size(), 1024u);
  EXPECT_EQ(names.substr(names.size() - 2), L"\0\0"s);
  ASSERT_TRUE(store.WriteString(file, L"s19999", L"last", L"1"));
  EXPECT_EQ(Get(L"s19999", L"last"), L"1");
}

// Random bytes from the characters that matter to the parser, behind any mark: no call may fail
// or crash, and a value once written reads back.
TEST_F(IniEngineTest, AnyBytesParseAndTakeWrites) {
  const std::string alphabet = "abS[]=;\"' \t\r\n\x1A\0\xFF\xFE\xEF\xBB\xBF\xC3\xA9\xD8\xDC"s;
  const std::string marks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
  std::mt19937 random(20261208);
  for (int round = 0; round < 300; ++round) {
    std::string bytes = marks[round % 4];
    const size_t length = random() % 300;
    for (size_t i = 0; i < length; ++i) bytes.push_back(alphabet[random() % alphabet.size()]);
    Put(bytes);
    store.GetString(file, L"a", L"b", L"", random() % 8);
    store.SectionNames(file, random() % 16);
    ASSERT_TRUE(store.WriteString(file, L"a", L"S", std::nullopt)) << round;
    ASSERT_TRUE(store.DeleteSection(file, L"b")) << round;
    ASSERT_TRUE(store.WriteString(file, L"S", L"a", L"written")) << round;
    ASSERT_EQ(Get(L"S", L"a"), L"written") << round;
  }
}

// A file beyond kMaxProfileFileBytes is neither read nor replaced: it reads as empty and every
// write fails with the error the file port gave.
TEST_F(IniEngineTest, AHugeFileIsNeitherReadNorReplaced) {
  Put("[S]\r\nk=v\r\n");
  std::filesystem::resize_file(std::filesystem::path(file), kMaxProfileFileBytes + 1);
  EXPECT_EQ(Get(L"S", L"k"), L"D");
  EXPECT_FALSE(store.WriteString(file, L"S", L"k", L"w"));
  EXPECT_NE(store.LastError(), 0u);
  EXPECT_FALSE(store.DeleteSection(file, L"S"));
  EXPECT_EQ(std::filesystem::file_size(std::filesystem::path(file)), kMaxProfileFileBytes + 1);
}

#ifndef _WIN32
// A pipe of the name would keep every call waiting for a writer; the file port refuses it.
TEST_F(IniEngineTest, APipeIsNeverWaitedForNorReplaced) {
  ASSERT_EQ(mkfifo(ToUtf8(file).c_str(), 0644), 0);
  auto calls = std::async(std::launch::async, [&] {
    const std::wstring value = Get(L"S", L"k");
    const bool written = store.WriteString(file, L"S", L"k", L"w");
    return std::make_pair(value, written);
  });
  if (calls.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    close(open(ToUtf8(file).c_str(), O_WRONLY | O_NONBLOCK));  // lets a waiting open go
    ADD_FAILURE() << "the pipe is waited for";
  }
  const auto [value, written] = calls.get();
  EXPECT_EQ(value, L"D");
  EXPECT_FALSE(written);
  EXPECT_EQ(store.LastError(), static_cast<uint32_t>(EINVAL));
  EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::path(file)));
}
#endif

}  // namespace
}  // namespace vx
