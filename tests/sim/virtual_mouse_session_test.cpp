#include "sim/virtual_mouse_session.h"

#include <gtest/gtest.h>

#include "device/command_codes.h"
#include "device/report_codec.h"
#include "support/memory_files.h"

namespace vx::sim {
namespace {

constexpr wchar_t kState[] = L"C:\\mouse.txt";

std::string Text(const std::vector<uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}

void Write(test::MemoryFiles& files, const std::string& text) {
  files.files[kState].assign(text.begin(), text.end());
}

TEST(VirtualMouseSession, StartsFromTheStateFileAndWritesEveryChangeBack) {
  test::MemoryFiles files;
  Write(files, "rate 08\nsensor 02 01 00 00\n");
  VirtualMouseSession session(files, kState);
  EXPECT_TRUE(session.load_error().empty());
  EXPECT_EQ(session.bus().firmware(session.mouse()).memory().rate, 8);
  EXPECT_EQ(session.bus().firmware(session.mouse()).memory().sensor[0], 2);
  session.bus().firmware(session.mouse()).ReceiveFeature([] {
    FeatureFrame frame = FramePlainReport({kCmdWriteReportRate, 4});
    ScrambleReport(std::span<uint8_t, 8>(frame.data() + 1, 8), MakeKeyBlock(kScrambleKey));
    return frame;
  }());
  EXPECT_EQ(Text(files.files[kState]).substr(0, 8), "rate 04\n");
}

TEST(VirtualMouseSession, AFileThatIsMissingOrBrokenGivesTheFactoryMouse) {
  for (const bool broken : {false, true}) {
    test::MemoryFiles files;
    if (broken) Write(files, "rate 1\n");
    VirtualMouseSession session(files, kState);
    EXPECT_EQ(session.bus().firmware(session.mouse()).memory(), DefaultMouseMemory());
    EXPECT_EQ(session.load_error().empty(), !broken);
    // A broken file is kept for the user to mend; a missing one is written on the first change.
    EXPECT_EQ(static_cast<bool>(session.bus().firmware(session.mouse()).on_change), !broken);
  }
}

TEST(VirtualMouseSession, WithoutAFileNothingIsWritten) {
  test::MemoryFiles files;
  VirtualMouseSession session(files, std::nullopt);
  EXPECT_FALSE(session.bus().firmware(session.mouse()).on_change);
  EXPECT_TRUE(files.files.empty());
}

}  // namespace
}  // namespace vx::sim
