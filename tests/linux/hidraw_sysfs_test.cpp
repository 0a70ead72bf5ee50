#include "platform/linux/hidraw_sysfs.h"

#include <gtest/gtest.h>

#include "support/hand_made_descriptors.h"
#include "tests/linux/hidraw_tree.h"

namespace vx::test {
namespace {

TEST(HidrawSysfs, UeventGivesVendorProductAndName) {
  const struct {
    const char* uevent;
    bool parsed;
    uint16_t vendor, product;
    const char* name;
  } kCases[] = {
      {"DRIVER=hid-generic\nHID_ID=0003:000004D9:0000A09F\nHID_NAME=Gaming Mouse\n", true, 0x04D9,
       0xA09F, "Gaming Mouse"},
      // Lower-case hex, the name before the ID, no line break at the end.
      {"HID_NAME=Two  Spaces\nHID_ID=0005:0000046d:0000b01a", true, 0x046D, 0xB01A, "Two  Spaces"},
      {"HID_ID=0003:000004D9:0000A09F\n", true, 0x04D9, 0xA09F, ""},
      {"HID_NAME=No Identity\n", false, 0, 0, ""},
      {"HID_ID=0003:000004D9\n", false, 0, 0, ""},
      {"HID_ID=0003:000104D9:0000A09F\n", false, 0, 0, ""},
      {"HID_ID=0003:04D9:A09G\n", false, 0, 0, ""},
      {"HID_ID=0003::0000A09F\n", false, 0, 0, ""},
      {"", false, 0, 0, ""},
  };
  for (const auto& test_case : kCases) {
    SCOPED_TRACE(test_case.uevent);
    const std::optional<HidIdentity> identity = ParseHidUevent(test_case.uevent);
    ASSERT_EQ(identity.has_value(), test_case.parsed);
    if (!identity) continue;
    EXPECT_EQ(identity->attributes.vendor_id, test_case.vendor);
    EXPECT_EQ(identity->attributes.product_id, test_case.product);
    EXPECT_EQ(identity->name, test_case.name);
  }
}

TEST(HidrawSysfs, NodesComeByNumberAndOtherEntriesAreLeftOut) {
  HidrawTree tree({{"hidraw10", "0003:000004D9:0000A09F", kVendorDescriptor},
                   {"hidraw2", "0003:000004D9:0000A09F", kEventDescriptor},
                   {"hidraw9", "0003:000004D9:0000A09F", kPointerDescriptor},
                   {"hidrawx", "0003:000004D9:0000A09F", kPointerDescriptor}});
  TriggeredSystem system;
  const auto nodes = ListHidrawNodes(system, tree.folders().hidraw_class);
  ASSERT_TRUE(nodes);
  EXPECT_EQ(*nodes, (std::vector<std::string>{"hidraw2", "hidraw9", "hidraw10"}));
}

}  // namespace
}  // namespace vx::test
