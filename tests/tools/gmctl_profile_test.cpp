#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "device/macro_slots.h"
#include "profiles/profile_file.h"
#include "settings/config_file.h"
#include "settings/factory_settings.h"
#include "support/gmctl_run.h"

namespace vx::gmctl {
namespace {

namespace fs = std::filesystem;

using test::Gmctl;
using test::GmctlRun;

constexpr char kProfile[] = R"([Profile]
Format = 1
Name = Arena
Program = game.exe

[ReportRate]
ReportRateCode = 2

[KeySetB]
Button3 = KeyType 13 MacroIndex 0

[Macro1]
Name = Reload
Repeat = 3
Item = R   Dn
Item = 50 ms
Item = R   Up

[KeyTexts.CHS]
B3 = 宏-Reload
)";

class GmctlProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("gmctl-profile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_ / "program");
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) { return (dir_ / name).string(); }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return Path(name);
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  // A program folder as the program leaves it: factory settings, one macro, English texts.
  std::string ProgramFolder() {
    const auto config = FactoryConfigFile();
    Write("program/config.bin", std::string(config.begin(), config.end()));
    Write("program/record.ini",
          "[m1]\r\nItemCount=3\r\nItem0=A   Dn\r\nItem1=50 ms\r\nItem2=A   Up\r\n");
    Write("program/str.ini", "[Setting-EN]\r\nItem1=Left Click\r\n[Skins]\r\nPath=Emerald\r\n");
    return Path("program");
  }
  ProfileFileRead ReadProfile(const std::string& name) {
    const std::string text = Read(name);
    return ReadProfileFile({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  }
  std::vector<std::string> Files() {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
      names.push_back(fs::relative(entry.path(), dir_).generic_string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

TEST_F(GmctlProfileTest, ExportWritesTheFolderSetupAsAProfile) {
  const std::string folder = ProgramFolder();
  const std::string config_before = Read("program/config.bin");
  const GmctlRun run = Gmctl({"profile", "export", folder, Path("Arena 2.vxprofile"), "--program",
                              "game.exe", "--program", "Other.exe"});
  EXPECT_EQ(run.code, 0) << run.err;
  const ProfileFileRead read = ReadProfile("Arena 2.vxprofile");
  ASSERT_TRUE(read.file) << read.error;
  EXPECT_EQ(read.file->name, L"Arena 2") << "the file's name without its extension";
  EXPECT_EQ(read.file->programs, (std::vector<std::wstring>{L"game.exe", L"Other.exe"}));
  EXPECT_EQ(read.file->setup.macros,
            (std::vector<Macro>{{L"m1", {L"A   Dn", L"50 ms", L"A   Up"}}}));
  EXPECT_EQ(read.file->setup.key_texts[kEnglish][0], L"Left Click");
  SettingsRecord record = read.file->setup.record;
  const std::vector<uint8_t> slot(MacroOf(record, 1).begin(), MacroOf(record, 1).begin() + 6);
  EXPECT_EQ(slot, (std::vector<uint8_t>{0x00, 0x01, 0x05, 0x04, 0x80, 0x04}));
  EXPECT_EQ(Read("program/config.bin"), config_before);
  EXPECT_EQ(Files(), (std::vector<std::string>{"Arena 2.vxprofile", "program", "program/config.bin",
                                               "program/record.ini", "program/str.ini"}))
      << "no temporary file is left";
}

TEST_F(GmctlProfileTest, ImportWritesEveryFileAndExportGivesTheProfileBack) {
  const std::string profile = Write("arena.vxprofile", kProfile);
  const std::string folder = Path("program");
  const GmctlRun run = Gmctl({"profile", "import", profile, folder});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "imported Arena\n");
  const std::string config = Read("program/config.bin");
  ASSERT_EQ(config.size(), kConfigFileSize);
  EXPECT_EQ(config[0], 1) << "a setup that has its texts";
  EXPECT_EQ(config[1 + 0x785], 2) << "ReportRateCode";
  EXPECT_EQ(config[1 + 0xC0 + 2], 13) << "KeyType B3";
  EXPECT_EQ(config.substr(1 + 0x180, 6), std::string("\x00\x03\x05\x15\x80\x15", 6)) << "slot 1";
  const GmctlRun back = Gmctl({"profile", "export", folder, Path("back.vxprofile"), "--name",
                               "Arena", "--program", "game.exe"});
  EXPECT_EQ(back.code, 0) << back.err;
  const ProfileFileRead original = ReadProfile("arena.vxprofile");
  const ProfileFileRead exported = ReadProfile("back.vxprofile");
  ASSERT_TRUE(exported.file) << exported.error;
  EXPECT_EQ(*exported.file, *original.file);
}

TEST_F(GmctlProfileTest, ShowPrintsTheProfileByName) {
  const GmctlRun run = Gmctl({"profile", "show", Write("arena.vxprofile", kProfile)});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Name Arena\nProgram game.exe\nKeySetA.Button1 KeyType 0 ", 0), 0u);
  for (const char* line :
       {"\nKeySetB.Button3 KeyType 13 MediaIndex 0", "\nMacro1 00 03 05 15 80 15 00",
        "\nReportRateCode 2\n",
        "\nCurrentKeySet 0\nMacro1.Name Reload\nMacro1.Repeat 3\n"
        "Macro1.Item R   Dn\nMacro1.Item 50 ms\nMacro1.Item R   Up\nKeyTexts.CHS.B3 宏-Reload\n"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line;
  }
}

// A profile is known by its first header whatever its name; its record is what is sent.
TEST_F(GmctlProfileTest, ApplyTakesAProfileAsWellAsAConfig) {
  for (const std::string name : {"arena.vxprofile", "arena.txt"}) {
    const std::string state = Path("mouse.txt");
    const GmctlRun run =
        Gmctl({"apply", "--virtual", Write(name, kProfile), "--mouse-state", state});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Read("mouse.txt").rfind("rate 02\n", 0), 0u) << name;
  }
  const GmctlRun bad =
      Gmctl({"apply", "--virtual", Write("bad.vxprofile", "[Profile]\nFormat = 3\n")});
  EXPECT_EQ(bad.code, 1);
  EXPECT_EQ(bad.err, "gmctl: " + Path("bad.vxprofile") +
                         ": line 2: Format is '3', but this program reads Format 1 only\n");
  EXPECT_TRUE(bad.out.empty()) << "nothing was sent";
}

TEST_F(GmctlProfileTest, ABadFileOrFolderNamesTheProblemAndWritesNothing) {
  const std::string folder = Path("program");
  std::string broken = kProfile;
  broken.replace(broken.find("ReportRateCode = 2"), 18, "ReportRateCode = 3");
  const std::string config = ProgramFolder();
  fs::remove(dir_ / "program/config.bin");
  struct Case {
    std::vector<std::string> args;
    std::string error;
  };
  const Case cases[] = {
      {{"profile", "import", Write("broken.vxprofile", broken), folder},
       Path("broken.vxprofile") + ": line 7: ReportRateCode takes 1, 2, 4 or 8, not 3"},
      {{"profile", "import", Path("missing.vxprofile"), folder},
       Path("missing.vxprofile") + ": no such file"},
      {{"profile", "show", folder}, folder + ": cannot be read"},
      {{"profile", "import", Write("arena.vxprofile", kProfile), Path("nowhere")},
       Path("nowhere") + ": no such folder"},
      {{"profile", "export", folder, Path("out.vxprofile")}, folder + ": no config.bin"},
      {{"profile", "export", Path("arena.vxprofile"), Path("out.vxprofile")},
       Path("arena.vxprofile") + ": no such folder"},
  };
  const std::vector<std::string> before = Files();
  for (const Case& c : cases) {
    const GmctlRun run = Gmctl(c.args);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "gmctl: " + c.error + "\n");
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_EQ(Files(), before);
}

// A damaged config.bin is left where it is, not moved aside as the program does.
TEST_F(GmctlProfileTest, ExportRefusesASetupThatCannotBeAProfile) {
  const std::string folder = ProgramFolder();
  std::string config = Read("program/config.bin");
  config[1 + 0x78B] = config[1 + 0x78C] = config[1 + 0x78D] = config[1 + 0x78E] = 0;
  Write("program/config.bin", config);
  GmctlRun run = Gmctl({"profile", "export", folder, Path("out.vxprofile")});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "gmctl: " + folder +
                         ": its setup cannot be a profile: its file would be refused: line 10: "
                         "DpiEnabled turns every stage off; one stays on\n");
  Write("program/config.bin", config.substr(1));
  run = Gmctl({"profile", "export", folder, Path("out.vxprofile")});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "gmctl: " + folder + ": config.bin is damaged\n");
  EXPECT_EQ(Read("program/config.bin"), config.substr(1));
  EXPECT_FALSE(fs::exists(dir_ / "out.vxprofile"));
}

TEST_F(GmctlProfileTest, BadArgumentsExitWithUsage) {
  const std::string folder = ProgramFolder();
  const std::vector<std::string> cases[] = {
      {"profile"},
      {"profile", "list"},
      {"profile", "show"},
      {"profile", "import", "a.vxprofile"},
      {"profile", "export", folder},
      {"profile", "export", folder, "a.vxprofile", "b.vxprofile"},
      {"profile", "export", folder, "a.vxprofile", "--name"},
      {"profile", "export", folder, "a.vxprofile", "--name", "x", "--name", "y"},
      {"profile", "export", folder, "a.vxprofile", "--name", "a/b"},
      {"profile", "export", folder, "a.vxprofile", "--name", std::string(32, 'n')},
      {"profile", "export", folder, "a.vxprofile", "--name", ""},
      {"profile", "export", folder, "a.vxprofile", "--program", "c:\\game.exe"},
      {"profile", "export", folder, "a.vxprofile", "--program", "a.exe", "--program", "A.EXE"},
      {"profile", "export", folder, "a.vxprofile", "--colour", "red"},
  };
  for (const std::vector<std::string>& args : cases) {
    const GmctlRun run = Gmctl(args);
    EXPECT_EQ(run.code, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  EXPECT_EQ(Gmctl({"profile", "export", folder, "a.vxprofile", "--name", "a/b"}).err,
            "gmctl: profile export: the name 'a/b' holds the character '/'\n");
  EXPECT_FALSE(fs::exists("a.vxprofile"));
}

}  // namespace
}  // namespace vx::gmctl
