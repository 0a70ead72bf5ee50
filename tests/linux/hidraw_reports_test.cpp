// Input reports as hidraw hands them out, turned into reports as Windows delivers them.
#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "common/text_format.h"
#include "support/hand_made_descriptors.h"
#include "tests/linux/hidraw_tree.h"

namespace vx::test {
namespace {

constexpr char kMouseId[] = "0003:000004D9:0000A09F";

// Device nodes whose reads take the reports queued for them; a poll answers at once.
class QueuedReports : public TriggeredSystem {
 public:
  std::map<int, std::deque<std::vector<uint8_t>>> queued;

  ssize_t Read(int fd, std::span<uint8_t> bytes) override {
    auto& queue = queued[fd];
    if (queue.empty()) {
      errno = EAGAIN;
      return -1;
    }
    const std::vector<uint8_t> report = std::move(queue.front());
    queue.pop_front();
    const size_t length = std::min(report.size(), bytes.size());
    std::copy_n(report.begin(), length, bytes.begin());
    return static_cast<ssize_t>(length);
  }
  int Poll(std::span<pollfd> fds, int) override {
    int ready = 0;
    for (pollfd& entry : fds) {
      entry.revents = queued[entry.fd].empty() ? 0 : POLLIN;
      ready += entry.revents != 0;
    }
    return ready;
  }
  int LastNodeFd() const { return *open_nodes.rbegin(); }
};

std::vector<uint8_t> Report(uint8_t first, size_t length) {
  std::vector<uint8_t> report(length);
  for (size_t i = 0; i < length; ++i) report[i] = static_cast<uint8_t>(first + i);
  return report;
}

class HidrawReports : public ::testing::Test {
 protected:
  HidrawTree tree_{
      {{"hidraw1", kMouseId, kVendorDescriptor}, {"hidraw4", kMouseId, kNumberedMouseDescriptor}}};
  QueuedReports system_;
  LinuxHidPort port_{system_, tree_.folders(), nullptr};

  HidHandle OpenInterface(const std::string& interface, OpenMode mode) {
    const HidHandle handle = port_.Open(Widen(tree_.folders().devices + "/" + interface), mode);
    EXPECT_NE(handle, kInvalidHidHandle) << interface;
    return handle;
  }
};

TEST_F(HidrawReports, AnUnnumberedReportGetsTheIdByteZeroInFront) {
  const HidHandle vendor = OpenInterface("hidraw1#0", OpenMode::kFeature);
  system_.queued[system_.LastNodeFd()].push_back(Report(0x40, 32));
  std::vector<uint8_t> report(33, 0xEE);
  const IoResult result = port_.ReadReport(vendor, report, 1000);
  EXPECT_EQ(result.status, IoStatus::kDone);
  EXPECT_EQ(result.bytes, 33u);
  std::vector<uint8_t> expected = Report(0x40, 32);
  expected.insert(expected.begin(), 0);
  EXPECT_EQ(report, expected);
  // Nothing more comes within the bound.
  EXPECT_EQ(port_.ReadReport(vendor, report, 1000).status, IoStatus::kTimedOut);
}

// Every reader of a node gets the reports of both collections; each takes only its own.
TEST_F(HidrawReports, OnANumberedNodeEachCollectionTakesOnlyItsReports) {
  const HidHandle vendor = OpenInterface("hidraw4#0", OpenMode::kFeature);
  auto& vendor_queue = system_.queued[system_.LastNodeFd()];
  const HidHandle events = OpenInterface("hidraw4#1", OpenMode::kEventRead);
  auto& event_queue = system_.queued[system_.LastNodeFd()];
  const std::vector<uint8_t> notification = {6, 9, 0, 3, 0, 0, 0, 0};
  std::vector<uint8_t> block = Report(0x10, 33);
  block[0] = 1;
  vendor_queue = {notification, block};
  event_queue = {block, notification};

  std::vector<uint8_t> report(33);
  const IoResult read = port_.ReadReport(vendor, report, 1000);
  EXPECT_EQ(read.status, IoStatus::kDone);
  EXPECT_EQ(read.bytes, 33u);
  EXPECT_EQ(report, block);

  const std::shared_ptr<WakeEvent> wake = port_.CreateWakeEvent();
  ASSERT_TRUE(wake);
  ASSERT_TRUE(port_.BeginEventRead(events, 8, *wake));
  std::vector<uint8_t> out(40, 0xEE);
  EXPECT_EQ(port_.PollEventRead(events, *wake, out).status, IoStatus::kPending);
  const IoResult event = port_.PollEventRead(events, *wake, out);
  EXPECT_EQ(event.status, IoStatus::kDone);
  EXPECT_EQ(event.bytes, 8u);
  EXPECT_TRUE(std::equal(notification.begin(), notification.end(), out.begin()));
  EXPECT_EQ(out[8], 0xEE);
}

TEST_F(HidrawReports, CapabilitiesComeFromTheDescriptorWithoutOpeningTheNode) {
  const HidHandle probe = OpenInterface("hidraw4#0", OpenMode::kProbe);
  EXPECT_TRUE(system_.opened.empty());
  const auto attributes = port_.GetAttributes(probe);
  ASSERT_TRUE(attributes);
  EXPECT_EQ(attributes->vendor_id, 0x04D9);
  EXPECT_EQ(attributes->product_id, 0xA09F);
  const auto preparsed = port_.GetPreparsedData(probe);
  ASSERT_TRUE(preparsed);
  HidCaps caps;
  EXPECT_EQ(port_.GetCaps(*preparsed, caps), kHidpStatusSuccess);
  EXPECT_EQ(caps.usage_page, 0xFF00);
  EXPECT_EQ(caps.feature_report_length, 17);
  port_.FreePreparsedData(*preparsed);
  EXPECT_EQ(port_.GetCaps(*preparsed, caps), kHidpStatusInvalidPreparsedData);
  port_.Close(probe);
  EXPECT_EQ(port_.Open(Widen(tree_.folders().devices + "/hidraw4#2"), OpenMode::kProbe),
            kInvalidHidHandle);
}

// A file that is no hidraw node takes no HID ioctl: the system's code comes back.
TEST_F(HidrawReports, AFeatureCallTheKernelRefusesLeavesItsCode) {
  const HidHandle vendor = OpenInterface("hidraw1#0", OpenMode::kFeature);
  std::vector<uint8_t> report(9);
  EXPECT_FALSE(port_.SetFeature(vendor, report));
  EXPECT_EQ(port_.LastError(), static_cast<uint32_t>(ENOTTY));
  port_.Close(vendor);
  EXPECT_FALSE(port_.GetFeature(vendor, report));
  EXPECT_EQ(port_.LastError(), static_cast<uint32_t>(EBADF));
  EXPECT_TRUE(system_.open_nodes.empty());
}

}  // namespace
}  // namespace vx::test
