#include "device/handshake.h"

#include <gtest/gtest.h>

#include "common/text_format.h"
#include "support/link_fixture.h"

namespace vx {
namespace {

using sim::ProbeMode;
using test::LinkFixture;

std::vector<std::string> Kinds(const std::vector<std::string>& lines) {
  std::vector<std::string> kinds;
  for (const std::string& line : lines) kinds.push_back(line.substr(0, line.find(' ')));
  return kinds;
}

TEST(Handshake, AScrambledAnswerMakesTheMouseReady) {
  LinkFixture f;
  f.bus.AddMouse(ProbeMode::kScrambled, sim::DefaultMouseMemory());
  ASSERT_TRUE(f.device.OpenDevice());
  f.device.Handshake();
  EXPECT_EQ(f.link.device_ready.load(), 1u);
  EXPECT_EQ(f.link.scramble_on, 1u);
  EXPECT_EQ(HexString(f.link.key_block), "00" + HexString(kScrambleKey) + "00");
  EXPECT_EQ(f.host.notes(), (std::vector<std::pair<uint32_t, uint32_t>>{{14, 0}}));
  EXPECT_EQ(Kinds(f.trace.Lines()),
            (std::vector<std::string>{"set-feature", "pause", "get-feature", "set-feature", "pause",
                                      "get-feature", "notify"}));
  const auto sets = f.LinesStartingWith("set-feature");
  EXPECT_EQ(sets[0], "set-feature wire=0000aadd3b620000db plain=0000aadd3b620000db");
  EXPECT_EQ(sets[1].substr(sets[1].find("plain=")), "plain=0000aadd3b620000db");
  EXPECT_EQ(f.LinesStartingWith("pause 5").size(), 2u);
}

TEST(Handshake, APlainAnswerCountsAsAMissingMouseAndNothingElseIsSent) {
  LinkFixture f;
  f.bus.AddMouse(ProbeMode::kPlainOnly, sim::DefaultMouseMemory());
  ASSERT_TRUE(f.device.OpenDevice());
  f.device.Handshake();
  EXPECT_EQ(f.link.device_ready.load(), 0u);
  EXPECT_EQ(f.link.scramble_on, 0u);
  EXPECT_EQ(f.host.notes(), (std::vector<std::pair<uint32_t, uint32_t>>{{15, 0}}));
  EXPECT_EQ(f.LinesStartingWith("set-feature").size(), 1u);
  EXPECT_EQ(f.LinesStartingWith("get-feature").size(), 1u);
}

TEST(Handshake, NoAnswerOrNoiseCountsAsAMissingMouse) {
  for (const bool noise : {false, true}) {
    LinkFixture f;
    f.bus.AddMouse(noise ? ProbeMode::kScrambled : ProbeMode::kSilent, sim::DefaultMouseMemory());
    f.bus.faults.garbage_answers = noise;
    ASSERT_TRUE(f.device.OpenDevice());
    f.device.Handshake();
    EXPECT_EQ(f.link.device_ready.load(), 0u);
    EXPECT_EQ(f.link.scramble_on, 0u);
    EXPECT_EQ(f.host.notes(), (std::vector<std::pair<uint32_t, uint32_t>>{{15, 0}}));
  }
}

}  // namespace
}  // namespace vx
