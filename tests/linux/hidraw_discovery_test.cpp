// The device link's discovery over the hidraw port, on sysfs trees in a temporary folder.
#include <gtest/gtest.h>

#include "common/text_format.h"
#include "device/discovery.h"
#include "support/hand_made_descriptors.h"
#include "support/link_fixture.h"
#include "tests/linux/hidraw_tree.h"

namespace vx::test {
namespace {

constexpr char kMouseId[] = "0003:000004D9:0000A09F";
constexpr char kOtherVendorId[] = "0003:0000046D:0000C08B";

enum class Vanish { kNever, kBeforeProbe, kBeforeNodeOpen };

struct DiscoveryCase {
  const char* name;
  std::vector<NodeSpec> nodes;
  std::vector<std::string> vanishing;  // unplugged at the moment below
  Vanish vanish = Vanish::kNever;
  std::string refused;  // this node refuses to open
  // What the discovery ends with: the nodes it opened, the vendor collection's interface (empty
  // when none) and the event collection's node (empty when none).
  std::vector<std::string> opened;
  std::string feature_interface;
  std::string event_node;
  uint16_t feature_length = 0;
};

const std::vector<NodeSpec> kMouse = {{"hidraw0", kMouseId, kPointerDescriptor},
                                      {"hidraw1", kMouseId, kEventDescriptor},
                                      {"hidraw2", kMouseId, kVendorDescriptor}};

std::vector<NodeSpec> Nodes(std::vector<NodeSpec> first, const std::vector<NodeSpec>& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

const DiscoveryCase kCases[] = {
    {"the mouse with both collections",
     kMouse,
     {},
     Vanish::kNever,
     "",
     {"hidraw1", "hidraw2"},
     "hidraw2#0",
     "hidraw1",
     9},
    // The program opens the event collection only when it comes before the commands.
    {"both collections on one node",
     {{"hidraw4", kMouseId, kNumberedMouseDescriptor}},
     {},
     Vanish::kNever,
     "",
     {"hidraw4"},
     "hidraw4#0",
     "",
     17},
    {"another vendor's mouse beside it, with the same collections",
     Nodes({{"hidraw5", kOtherVendorId, kEventDescriptor},
            {"hidraw6", kOtherVendorId, kVendorDescriptor}},
           {{"hidraw7", kMouseId, kEventDescriptor}, {"hidraw8", kMouseId, kVendorDescriptor}}),
     {},
     Vanish::kNever,
     "",
     {"hidraw7", "hidraw8"},
     "hidraw8#0",
     "hidraw7",
     9},
    {"a mouse that goes between listing and probing, another after it",
     Nodes(kMouse,
           {{"hidraw3", kMouseId, kEventDescriptor}, {"hidraw4", kMouseId, kVendorDescriptor}}),
     {"hidraw0", "hidraw1", "hidraw2"},
     Vanish::kBeforeProbe,
     "",
     {"hidraw3", "hidraw4"},
     "hidraw4#0",
     "hidraw3",
     9},
    {"a node that goes between probing and opening",
     kMouse,
     {"hidraw1"},
     Vanish::kBeforeNodeOpen,
     "",
     {},
     "",
     "",
     0},
    {"a node without read permission", kMouse, {}, Vanish::kNever, "hidraw1", {}, "", "", 0},
};

TEST(HidrawDiscovery, FindsAndOpensTheMouseAsTheTreeHasIt) {
  for (const DiscoveryCase& test_case : kCases) {
    SCOPED_TRACE(test_case.name);
    HidrawTree tree(test_case.nodes);
    const HidrawFolders folders = tree.folders();
    TriggeredSystem system;
    auto unplug = [&] {
      for (const std::string& node : test_case.vanishing) tree.Remove(node);
    };
    if (test_case.vanish == Vanish::kBeforeProbe) system.before_first_probe = unplug;
    if (test_case.vanish == Vanish::kBeforeNodeOpen) system.before_first_node_open = unplug;
    if (!test_case.refused.empty())
      system.refused.insert(folders.devices + "/" + test_case.refused);
    std::vector<std::string> refusals;
    LinuxHidPort port(system, folders, [&](const std::string& line) { refusals.push_back(line); });
    LinkState link;
    RecordingMessages messages;
    RecordingDiagnostics diagnostics;
    DeviceDiscovery discovery(port, link, messages, diagnostics);

    const bool found = discovery.OpenDevice();

    EXPECT_EQ(found, !test_case.feature_interface.empty());
    std::vector<std::string> opened;
    for (const std::string& path : system.opened)
      opened.push_back(path.substr(folders.devices.size() + 1));
    EXPECT_EQ(opened, test_case.opened);
    if (found) {
      EXPECT_EQ(ToUtf8(link.device_path), folders.devices + "/" + test_case.feature_interface);
      EXPECT_EQ(link.feature_report_length, test_case.feature_length);
      EXPECT_EQ(link.input_report_length, 33);
      EXPECT_EQ(link.output_report_length, 33);
    }
    EXPECT_EQ(link.event_read_handle != kInvalidHidHandle, !test_case.event_node.empty());
    if (!test_case.event_node.empty()) {
      EXPECT_EQ(link.event_report_length, 8);
    }
    // Nothing of this is the system failing the program: no message box.
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(refusals.size(), test_case.refused.empty() ? 0u : 1u);
    if (!refusals.empty()) {
      EXPECT_NE(refusals[0].find(folders.devices + "/" + test_case.refused + " "),
                std::string::npos);
      EXPECT_NE(refusals[0].find("70-vantorelliax.rules"), std::string::npos) << refusals[0];
    }
    discovery.CloseHandles();
    EXPECT_TRUE(system.open_nodes.empty());
  }
}

TEST(HidrawDiscovery, WithoutTheHidrawClassThereIsNothingToList) {
  TriggeredSystem system;
  LinuxHidPort port(system, {"/nonexistent/sys/class/hidraw", "/nonexistent/dev"}, nullptr);
  EXPECT_FALSE(port.OpenInterfaceSet());
  EXPECT_EQ(port.LastError(), static_cast<uint32_t>(ENOENT));
}

}  // namespace
}  // namespace vx::test
