#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "platform/system_files.h"
#include "platform/system_profile.h"
#include "settings/ini_engine.h"
#include "settings/profile_files.h"

// One table of the private-profile behaviour, run against our INI engine everywhere and, in the
// Windows build, against kernel32 too, so the Wine run shows that both agree.

namespace vx {
namespace {

using namespace std::string_literals;
using test::Utf16File;

constexpr size_t kBig = 64;

struct Step {
  enum class Kind { kGet, kWrite, kDeleteKey, kDeleteSection, kNames };
  Kind kind;
  std::wstring section;
  std::wstring key;
  std::wstring text;  // the value written, or the default read with
  size_t buffer_chars = 0;
  std::wstring expected;
};

Step Get(std::wstring section, std::wstring key, std::wstring fallback, size_t buffer_chars,
         std::wstring expected) {
  return {Step::Kind::kGet, section, key, fallback, buffer_chars, expected};
}
Step Write(std::wstring section, std::wstring key, std::wstring value) {
  return {Step::Kind::kWrite, section, key, value, 0, L""};
}
Step DeleteKey(std::wstring section, std::wstring key) {
  return {Step::Kind::kDeleteKey, section, key, L"", 0, L""};
}
Step DeleteSection(std::wstring section) {
  return {Step::Kind::kDeleteSection, section, L"", L"", 0, L""};
}
Step Names(size_t buffer_chars, std::wstring expected) {
  return {Step::Kind::kNames, L"", L"", L"", buffer_chars, expected};
}

struct BehaviourCase {
  const char* name;
  std::optional<std::string> before;  // the file's bytes; none: no file
  std::vector<Step> steps;
  std::optional<std::string> after;  // the same once the steps ran
};

void PrintTo(const BehaviourCase& behaviour, std::ostream* out) {
  *out << behaviour.name;
}

const std::vector<BehaviourCase> kCases = {
    {"MissingFileReadsAsDefault",
     std::nullopt,
     {Get(L"Skins", L"Lan", L"", 1024, L""), Get(L"Skins", L"Path", L"Classic", 1024, L"Classic"),
      Names(kBig, L"\0\0"s), DeleteKey(L"Skins", L"Path"), DeleteSection(L"Skins")},
     std::nullopt},
    {"WriteCreatesTheFileWithoutMark",
     std::nullopt,
     {Write(L"Skins", L"RColor", L"255"), Write(L"Skins", L"GColor", L""),
      Write(L"Setting-EN", L"Item1", L"Left Click"), Get(L"Skins", L"GColor", L"D", kBig, L"")},
     "[Skins]\r\nRColor=255\r\nGColor=\r\n[Setting-EN]\r\nItem1=Left Click\r\n"},
    {"NamesIgnoreAsciiCase",
     "[Setting-EN]\r\nItem1=Left Click\r\n",
     {Get(L"SETTING-en", L"ITEM1", L"", kBig, L"Left Click"),
      Write(L"setting-EN", L"item1", L"DPI Loop"),
      Get(L"Setting-EN", L"Item1", L"", kBig, L"DPI Loop")},
     "[Setting-EN]\r\nItem1=DPI Loop\r\n"},
    // Wine folds ASCII letters only; Windows folds the others too.
    {"OtherLettersKeepTheirCase",
     Utf16File(L"[\u00C9t\u00E9]\r\nk=1\r\n"),
     {Get(L"\u00E9t\u00E9", L"k", L"D", kBig, L"D"), Get(L"\u00C9t\u00E9", L"K", L"D", kBig, L"1")},
     Utf16File(L"[\u00C9t\u00E9]\r\nk=1\r\n")},
    {"NewSectionsAndKeysGoToTheEnd",
     "[B]\r\nx=1\r\n[A]\r\ny=2\r\n",
     {Write(L"A", L"z", L"3"), Write(L"C", L"w", L"4"), Write(L"B", L"x2", L"5"),
      Write(L"b", L"X", L"6"), Names(kBig, L"B\0A\0C\0\0"s)},
     "[B]\r\nx=6\r\nx2=5\r\n[A]\r\ny=2\r\nz=3\r\n[C]\r\nw=4\r\n"},
    {"RewrittenSectionGoesToTheEnd",
     "[Skins]\r\nPath=Neon\r\n[Setting-EN]\r\nItem1=Left Click\r\n",
     {DeleteSection(L"skins"), Write(L"Skins", L"Path", L"Neon"),
      Names(kBig, L"Setting-EN\0Skins\0\0"s)},
     "[Setting-EN]\r\nItem1=Left Click\r\n[Skins]\r\nPath=Neon\r\n"},
    {"ReadsTrimNamesAndValues",
     "  [ Skins ]  \r\n\t Path \t=\t Neon Blue \t\r\n",
     {Get(L"Skins", L"Path", L"", kBig, L"Neon Blue"),
      Get(L" Skins\t", L"\tPath ", L"", kBig, L"Neon Blue"), Names(kBig, L"Skins\0\0"s)},
     "  [ Skins ]  \r\n\t Path \t=\t Neon Blue \t\r\n"},
    // White space is tab to carriage return, ^Z and space; no-break spaces are text.
    {"WhiteSpaceIsControlsAndSpace",
     Utf16File(L"[s]\r\na=\x1A\v x\f\x1A\r\nb=\u00A0x\u3000\r\n"),
     {Get(L"s", L"a", L"", kBig, L"x"), Get(L"s", L"b", L"", kBig, L"\u00A0x\u3000")},
     Utf16File(L"[s]\r\na=\x1A\v x\f\x1A\r\nb=\u00A0x\u3000\r\n")},
    {"WritesTrimOnlyLeadingSpace",
     std::nullopt,
     {Write(L"  Sec  ", L"  key  ", L"  value  "), Get(L"Sec", L"key", L"", kBig, L"value")},
     "[Sec  ]\r\nkey  =value  \r\n"},
    // Wine rewrites the whole file as it holds it; Windows changes only the line concerned.
    {"WriteNormalisesTheFile",
     "; note\r\n\r\n[S]\r\n  a  =  1  \r\n\r\nflag\r\n;c=x\r\n[T]\r\nb = 2\r\n",
     {Get(L"S", L";c", L"", kBig, L"x"), Get(L"S", L"flag", L"D", kBig, L"D"),
      Write(L"T", L"b", L"3")},
     "; note\r\n[S]\r\na=1\r\nflag\r\n;c=x\r\n[T]\r\nb=3\r\n"},
    {"UnchangedWriteLeavesTheFile",
     "[S]\r\n  k  =  v  \r\n\r\n",
     {Write(L"s", L"K", L"v"), Write(L"S", L"k", L"  v")},
     "[S]\r\n  k  =  v  \r\n\r\n"},
    {"QuotesAroundValues",
     "[S]\r\ndq=\"abc\"\r\nsq='abc'\r\nopen=\"abc\r\nclose=abc\"\r\nlone=\"\r\nempty=\"\"\r\n"
     "mixed=\"abc'\r\ninner=\"a\"b\"\r\nspaced=\" abc \"\r\n",
     {Get(L"S", L"dq", L"", kBig, L"abc"), Get(L"S", L"sq", L"", kBig, L"abc"),
      Get(L"S", L"open", L"", kBig, L"\"abc"), Get(L"S", L"close", L"", kBig, L"abc\""),
      Get(L"S", L"lone", L"", kBig, L"\""), Get(L"S", L"empty", L"D", kBig, L""),
      Get(L"S", L"mixed", L"", kBig, L"\"abc'"), Get(L"S", L"inner", L"", kBig, L"a\"b"),
      Get(L"S", L"spaced", L"", kBig, L" abc "), Write(L"S", L"new", L"\"q\""),
      Get(L"S", L"new", L"", kBig, L"q")},
     "[S]\r\ndq=\"abc\"\r\nsq='abc'\r\nopen=\"abc\r\nclose=abc\"\r\nlone=\"\r\nempty=\"\"\r\n"
     "mixed=\"abc'\r\ninner=\"a\"b\"\r\nspaced=\" abc \"\r\nnew=\"q\"\r\n"},
    // A buffer of exactly the text and its terminator loses one more character.
    {"QuotedValuesInSmallBuffers",
     "[S]\r\nk=\"abc\"\r\n",
     {Get(L"S", L"k", L"", 1, L""), Get(L"S", L"k", L"", 2, L"a"), Get(L"S", L"k", L"", 3, L"ab"),
      Get(L"S", L"k", L"", 4, L"ab"), Get(L"S", L"k", L"", 5, L"abc"),
      Get(L"S", L"k", L"", 6, L"abc")},
     "[S]\r\nk=\"abc\"\r\n"},
    {"DefaultLosesTrailingSpacesAndQuotes",
     "[S]\r\nk=v\r\nbare\r\n",
     {Get(L"S", L"missing", L"  dflt  ", kBig, L"  dflt"),
      Get(L"S", L"missing", L"dflt\t", kBig, L"dflt\t"),
      Get(L"S", L"missing", L"\"dflt\" ", kBig, L"dflt"),
      Get(L"S", L"missing", L"'dflt'", kBig, L"dflt"), Get(L"Other", L"k", L"dd", kBig, L"dd"),
      Get(L"S", L"bare", L"D", kBig, L"D"), Get(L"S", L"missing", L"abcdef", 3, L"ab"),
      Get(L"S", L"missing", L"\"abcdef\"", 7, L"abcde")},
     "[S]\r\nk=v\r\nbare\r\n"},
    {"ValuesAreCutToTheBuffer",
     "[S]\r\nk=abcdef\r\n",
     {Get(L"S", L"k", L"", 0, L""), Get(L"S", L"k", L"", 1, L""), Get(L"S", L"k", L"", 2, L"a"),
      Get(L"S", L"k", L"", 6, L"abcde"), Get(L"S", L"k", L"", 7, L"abcdef"),
      Get(L"S", L"k", L"", 8, L"abcdef")},
     "[S]\r\nk=abcdef\r\n"},
    // A name that would fill the buffer exactly counts as cut, so 8 gives what 9 gives.
    {"SectionNamesAreCutToTheBuffer",
     "[ab]\r\n[cde]\r\n",
     {Names(0, L""), Names(1, L"\0"s), Names(2, L"\0\0"s), Names(3, L"a\0\0"s),
      Names(4, L"ab\0\0"s), Names(5, L"ab\0\0"s), Names(6, L"ab\0c\0\0"s), Names(7, L"ab\0cd\0\0"s),
      Names(8, L"ab\0cde\0\0"s), Names(9, L"ab\0cde\0\0"s)},
     "[ab]\r\n[cde]\r\n"},
    {"DeleteKeyTakesTheFirstMatchOfAnySectionOfThatName",
     "[Dup]\r\na=1\r\na=3\r\n[x]\r\n[dup]\r\na=2\r\n",
     {DeleteKey(L"dup", L"a"), Get(L"dup", L"a", L"", kBig, L"3"), DeleteKey(L"DUP", L"A"),
      Get(L"dup", L"a", L"D", kBig, L"D"), DeleteKey(L"dup", L"a")},
     "[Dup]\r\n[x]\r\n[dup]\r\n"},
    {"DeletingTheLastKeyKeepsTheHeader",
     "[S]\r\nk=1\r\n",
     {DeleteKey(L"S", L"k"), Names(kBig, L"S\0\0"s)},
     "[S]\r\n"},
    {"DeleteSectionTakesTheFirstMatch",
     "[Dup]\r\na=1\r\n[x]\r\n[dup]\r\na=2\r\n",
     {DeleteSection(L"DUP"), Get(L"dup", L"a", L"", kBig, L"2")},
     "[x]\r\n[dup]\r\na=2\r\n"},
    // Deletions match names untrimmed, and one that finds nothing leaves the file alone.
    {"DeletesThatFindNothingLeaveTheFile",
     "[Sec]\r\n k = 1 \r\n\r\n",
     {DeleteKey(L" Sec ", L"k"), DeleteKey(L"Sec", L" k "), DeleteKey(L"Sec", L"other"),
      DeleteKey(L"T", L"k"), DeleteSection(L"Sec "), DeleteSection(L"T")},
     "[Sec]\r\n k = 1 \r\n\r\n"},
    {"FirstSectionOfANameWins",
     "[Dup]\r\na=1\r\n[dup]\r\na=2\r\nb=3\r\n",
     {Get(L"dup", L"a", L"", kBig, L"1"), Get(L"dup", L"b", L"D", kBig, L"D"),
      Write(L"DUP", L"b", L"4"), Names(kBig, L"Dup\0dup\0\0"s)},
     "[Dup]\r\na=1\r\nb=4\r\n[dup]\r\na=2\r\nb=3\r\n"},
    {"FirstEntryOfANameWinsEvenWithoutValue",
     "[s]\r\nk\r\nk=1\r\n",
     {Get(L"s", L"k", L"D", kBig, L"D"), Write(L"s", L"k", L"2")},
     "[s]\r\nk=2\r\nk=1\r\n"},
    {"HeadersEndAtTheirLastBracket",
     "[ a ]x\r\nk=1\r\n[b=c]\r\nk=2\r\n[[d]]\r\nk=3\r\n[e\r\nk=4\r\n[]\r\nk=5\r\n",
     {Names(kBig, L"a\0b=c\0[d]\0\0"s), Get(L"a", L"k", L"", kBig, L"1"),
      Get(L"b=c", L"k", L"", kBig, L"2"), Get(L"[d]", L"k", L"", kBig, L"3"),
      Get(L"[d]", L"[e", L"D", kBig, L"D"), Get(L"", L"k", L"D", kBig, L"D")},
     "[ a ]x\r\nk=1\r\n[b=c]\r\nk=2\r\n[[d]]\r\nk=3\r\n[e\r\nk=4\r\n[]\r\nk=5\r\n"},
    {"LinesBeforeTheFirstHeaderAreTheNamelessSection",
     "top=1\r\n[S]\r\nk=v\r\n",
     {Get(L"", L"top", L"", kBig, L"1"), Write(L"", L"new", L"2"), Names(kBig, L"S\0\0"s)},
     "top=1\r\nnew=2\r\n[S]\r\nk=v\r\n"},
    {"NamelessSectionComesBackAtTheTop",
     "top=1\r\n[S]\r\nk=v\r\n",
     {DeleteSection(L""), Write(L"", L"new", L"1")},
     "new=1\r\n[S]\r\nk=v\r\n"},
    {"OnlyTheFirstOfAdjacentNamelessKeysIsKept",
     "[S]\r\n=a\r\n=b\r\nx=1\r\n=c\r\n",
     {Get(L"S", L"", L"", kBig, L"a"), Write(L"S", L"x", L"2")},
     "[S]\r\n=a\r\nx=2\r\n=c\r\n"},
    {"LinesEndAtCarriageReturnOrLineFeed",
     "[s]\ra=1\rb=2\n[t]\nc=3\r\r\n\nd=4",
     {Get(L"s", L"a", L"", kBig, L"1"), Get(L"s", L"b", L"", kBig, L"2"),
      Get(L"t", L"c", L"", kBig, L"3"), Get(L"t", L"d", L"", kBig, L"4"), Write(L"t", L"d", L"5")},
     "[s]\r\na=1\r\nb=2\r\n[t]\r\nc=3\r\nd=5\r\n"},
    {"Utf16LeFileKeepsChinese",
     Utf16File(L"[Setting-CHS]\r\nItem9=组合键-left Win+D\r\n"),
     {Get(L"Setting-CHS", L"Item9", L"", 1024, L"组合键-left Win+D"),
      Get(L"Setting-CHS", L"Item9", L"", 4, L"组合键"),
      Write(L"Setting-CHS", L"Item10", L"灯光开关"),
      Get(L"Setting-CHS", L"Item10", L"", 1024, L"灯光开关")},
     Utf16File(L"[Setting-CHS]\r\nItem9=组合键-left Win+D\r\nItem10=灯光开关\r\n")},
    {"Utf16BeFileStaysBigEndian",
     Utf16File(L"[S]\r\nk=v\r\n", true),
     {Get(L"S", L"k", L"", kBig, L"v"), Write(L"S", L"k2", L"中")},
     Utf16File(L"[S]\r\nk=v\r\nk2=中\r\n", true)},
    {"Utf8MarkFileStaysUtf8",
     "\xEF\xBB\xBF[Setting-CHS]\r\nItem1=左键\r\n",
     {Get(L"Setting-CHS", L"Item1", L"", kBig, L"左键"), Write(L"Setting-CHS", L"Item2", L"右键")},
     "\xEF\xBB\xBF[Setting-CHS]\r\nItem1=左键\r\nItem2=右键\r\n"},
    {"AnsiFileOfAsciiStaysWithoutMark",
     "[Skins]\r\nLan=CHS\r\nPath=Neon\r\n",
     {Get(L"Skins", L"Lan", L"", 1024, L"CHS"), Write(L"Skins", L"Path", L"Classic")},
     "[Skins]\r\nLan=CHS\r\nPath=Classic\r\n"},
    {"EmptyFileIsWrittenWithoutMark", "", {Write(L"S", L"k", L"v")}, "[S]\r\nk=v\r\n"},
    {"MarkOnlyFileKeepsItsMark",
     "\xFF\xFE",
     {Get(L"S", L"k", L"D", kBig, L"D"), Write(L"S", L"k", L"v")},
     Utf16File(L"[S]\r\nk=v\r\n")},
};

using StoreMaker = std::unique_ptr<ProfileStore> (*)(FilePort&);

struct StoreUnderTest {
  const char* name;
  StoreMaker make;
};

void PrintTo(const StoreUnderTest& store, std::ostream* out) {
  *out << store.name;
}

std::unique_ptr<ProfileStore> MakeIniEngine(FilePort& files) {
  return std::make_unique<IniProfileStore>(files);
}

const StoreUnderTest kStores[] = {
    {"IniEngine", MakeIniEngine},
#ifdef _WIN32
    {"Kernel32", CreateSystemProfileStore},
#endif
};

void RunStep(ProfileStore& store, const std::wstring& file, const Step& step) {
  switch (step.kind) {
    case Step::Kind::kGet:
      EXPECT_EQ(store.GetString(file, step.section, step.key, step.text, step.buffer_chars),
                step.expected);
      break;
    case Step::Kind::kWrite:
      EXPECT_TRUE(store.WriteString(file, step.section, step.key, step.text));
      break;
    case Step::Kind::kDeleteKey:
      EXPECT_TRUE(store.WriteString(file, step.section, step.key, std::nullopt));
      break;
    case Step::Kind::kDeleteSection:
      EXPECT_TRUE(store.DeleteSection(file, step.section));
      break;
    case Step::Kind::kNames:
      EXPECT_EQ(store.SectionNames(file, step.buffer_chars), step.expected);
      break;
  }
}

class ProfileStoreBehaviour
    : public testing::TestWithParam<std::tuple<BehaviourCase, StoreUnderTest>> {};

TEST_P(ProfileStoreBehaviour, MatchesTheSystem) {
  const auto& [behaviour, maker] = GetParam();
  test::TempDir dir;
  std::unique_ptr<FilePort> files = CreateSystemFilePort();
  std::unique_ptr<ProfileStore> store = maker.make(*files);
  const std::wstring file = dir.File(L"str.ini");
  if (behaviour.before) {
    ASSERT_TRUE(files->CreateNew(file, test::Bytes(*behaviour.before)));
  }
  for (size_t i = 0; i < behaviour.steps.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i));
    RunStep(*store, file, behaviour.steps[i]);
  }
  EXPECT_EQ(test::FileBytes(*files, file), behaviour.after);
}

INSTANTIATE_TEST_SUITE_P(, ProfileStoreBehaviour,
                         testing::Combine(testing::ValuesIn(kCases), testing::ValuesIn(kStores)),
                         [](const testing::TestParamInfo<ProfileStoreBehaviour::ParamType>& info) {
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  std::get<1>(info.param).name;
                         });

}  // namespace
}  // namespace vx
