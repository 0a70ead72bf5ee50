#include <gtest/gtest.h>

#include <sstream>

#include "support/gmctl_run.h"
#include "tools/gmctl/system_hid_source.h"

namespace vx::gmctl {
namespace {

using test::Gmctl;
using test::GmctlRun;

TEST(Gmctl, FramePrintsTheNineBytePlainReport) {
  const GmctlRun run = Gmctl({"frame", "00AADD3B62000000"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "0000aadd3b620000db\n");
}

TEST(Gmctl, ScrambleAndUnscrambleAreInverse) {
  const GmctlRun scrambled =
      Gmctl({"scramble", "010203040506", "1020304050607080", "8000000000000000"});
  EXPECT_EQ(scrambled.out, "010a131c292e3708\n");
  const GmctlRun plain =
      Gmctl({"unscramble", "010203040506", "1020304050607080", "010a131c292e3708"});
  EXPECT_EQ(plain.out, "8000000000000000\n");
}

TEST(Gmctl, BadArgumentsGiveOneLineAndExitCode2) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"fly"},
      {"frame"},
      {"frame", "00AADD3B620000"},
      {"frame", "00AADD3B6200000G"},
      {"scramble", "0102030405", "1020304050607080", "8000000000000000"},
      {"unscramble", "010203040506", "1020304050607080"},
      {"handshake", "--virtual", "--loud-mouse"},
  };
  for (const auto& args : bad) {
    const GmctlRun run = Gmctl(args);
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST(Gmctl, HandshakeAgainstTheVirtualMousePrintsTheWireAndReady) {
  const GmctlRun run = Gmctl({"handshake", "--virtual"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out.rfind("set-feature wire=0000aadd3b620000db plain=0000aadd3b620000db\n"
                          "pause 5\nget-feature wire=",
                          0),
            0u)
      << run.out;
  EXPECT_NE(run.out.find("\nnotify 14 0\nready 1\n"), std::string::npos) << run.out;
}

TEST(Gmctl, HandshakeWithAPlainMouseIsNotReady) {
  const GmctlRun run = Gmctl({"handshake", "--virtual", "--plain-mouse", "--vendor-first"});
  EXPECT_EQ(run.code, 0);
  EXPECT_NE(run.out.find("\nnotify 15 0\nready 0\n"), std::string::npos) << run.out;
}

TEST(Gmctl, WithoutASystemHidSaysThereIsNoneAndAsksForVirtual) {
  UseHidPortFactory([] { return std::unique_ptr<HidPort>(); });
  const GmctlRun run = Gmctl({"handshake"});
  UseHidPortFactory(nullptr);
  EXPECT_EQ(run.code, 2);
  EXPECT_EQ(run.err, "gmctl: this platform has no system HID; use --virtual\n");
}

}  // namespace
}  // namespace vx::gmctl
