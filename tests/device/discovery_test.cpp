#include "device/discovery.h"

#include <gtest/gtest.h>

#include "sim/thread_wake_event.h"
#include "support/link_fixture.h"

namespace vx {
namespace {

using sim::InterfaceOrder;
using sim::ProbeMode;
using test::LinkFixture;

int AddMouse(LinkFixture& f, InterfaceOrder order = InterfaceOrder::kEventFirst) {
  return f.bus.AddMouse(ProbeMode::kScrambled, sim::DefaultMouseMemory(), order);
}

std::wstring PathOf(const LinkFixture& f, int mouse, sim::InterfaceKind kind) {
  for (const auto& interface : f.bus.interfaces()) {
    if (interface.mouse == mouse && interface.kind == kind) return interface.path;
  }
  return L"";
}

TEST(OpenDevice, OpensBothCollectionsWhenTheEventCollectionIsListedFirst) {
  LinkFixture f;
  AddMouse(f);
  ASSERT_TRUE(f.device.OpenDevice());
  EXPECT_NE(f.link.feature_handle, kInvalidHidHandle);
  EXPECT_NE(f.link.event_read_handle, kInvalidHidHandle);
  EXPECT_EQ(f.bus.open_handle_count(), 2u) << "only the handles the program uses";
  EXPECT_EQ(f.link.event_report_length, 8);
  EXPECT_EQ(f.link.feature_report_length, 9);
  EXPECT_EQ(f.link.input_report_length, 33);
  EXPECT_EQ(f.link.output_report_length, 33);
  EXPECT_EQ(f.link.device_path, PathOf(f, 0, sim::InterfaceKind::kMouseVendor));
  EXPECT_EQ(f.link.device_ready.load(), 1u) << "set once the feature handle is open";
  EXPECT_TRUE(f.messages.shown.empty());
}

TEST(OpenDevice, LeavesTheEventCollectionClosedWhenTheVendorCollectionComesFirst) {
  LinkFixture f;
  AddMouse(f, InterfaceOrder::kVendorFirst);
  ASSERT_TRUE(f.device.OpenDevice());
  EXPECT_NE(f.link.feature_handle, kInvalidHidHandle);
  EXPECT_EQ(f.link.event_read_handle, kInvalidHidHandle);
}

TEST(OpenDevice, FailsQuietlyWithoutAMouse) {
  LinkFixture f;
  f.bus.AddForeignDevice();
  EXPECT_FALSE(f.device.OpenDevice());
  EXPECT_TRUE(f.messages.shown.empty());
  EXPECT_EQ(f.link.device_ready.load(), 0u);
}

TEST(OpenDevice, LooksPastOtherDevicesAndDevicesThatRefuseToOpen) {
  LinkFixture f;
  f.bus.AddForeignDevice();
  f.bus.AddRefusingDevice();
  AddMouse(f);
  EXPECT_TRUE(f.device.OpenDevice());
  EXPECT_NE(f.link.event_read_handle, kInvalidHidHandle);
}

TEST(OpenDevice, TheFirstVendorCollectionInEnumerationOrderWins) {
  LinkFixture f;
  AddMouse(f);
  AddMouse(f);
  ASSERT_TRUE(f.device.OpenDevice());
  EXPECT_EQ(f.link.device_path, PathOf(f, 0, sim::InterfaceKind::kMouseVendor));
}

TEST(OpenDevice, FormatsTheIdentityAndCapabilityDiagnostics) {
  LinkFixture f;
  AddMouse(f, InterfaceOrder::kVendorFirst);
  ASSERT_TRUE(f.device.OpenDevice());
  const auto& lines = f.diagnostics.lines;
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "PID:a09f\n,VID:04d9\n,VersionNumber:0110\n");
  EXPECT_EQ(lines[3],
            "Usage:0xff00\n, UsagePage:0xff00\n,FeatureReportByteLength:0x0009\n,"
            "InputReportByteLength:0x21\n,OutputReportByteLength:0x21\n");
}

TEST(OpenDevice, ReportsEachSystemFailureWithItsOwnMessageAndTheSystemCode) {
  struct Case {
    bool sim::BusFaults::*fault;
    const wchar_t* message;
  };
  const Case cases[] = {
      {&sim::BusFaults::interface_path_fails,
       L"SetupDiGetDeviceInterfaceDetail failed.\nError Code is: 1784"},
      {&sim::BusFaults::preparsed_data_fails, L"HidD_GetPreparsedData failed.\nError Code is: 31"},
      {&sim::BusFaults::caps_invalid, L"HidP_GetCaps failed.\nError Code is: 0xc0110001"},
  };
  for (const Case& c : cases) {
    LinkFixture f;
    AddMouse(f);
    f.bus.faults.*c.fault = true;
    EXPECT_FALSE(f.device.OpenDevice());
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], c.message);
    EXPECT_EQ(f.bus.open_handle_count(), 0u) << "the probe handle is closed";
  }
}

// A mouse whose collection cannot be opened is not usable, whatever its last handshake said.
TEST(OpenDevice, ACollectionThatCannotBeOpenedLeavesTheMouseNotReady) {
  const OpenMode modes[] = {OpenMode::kFeature, OpenMode::kEventRead};
  for (const OpenMode mode : modes) {
    LinkFixture f;
    AddMouse(f);
    ASSERT_TRUE(f.device.OpenDevice());
    f.device.Handshake();
    ASSERT_TRUE(f.link.DeviceReady());
    f.bus.faults.refused_open_mode = mode;
    EXPECT_FALSE(f.device.OpenDevice());
    EXPECT_EQ(f.link.device_ready.load(), 0u) << static_cast<int>(mode);
    EXPECT_EQ(f.link.feature_handle, kInvalidHidHandle);
  }
}

TEST(OpenDevice, ReopeningClosesTheHandlesOfTheEarlierOpening) {
  LinkFixture f;
  AddMouse(f);
  ASSERT_TRUE(f.device.OpenDevice());
  ASSERT_TRUE(f.device.OpenDevice());
  EXPECT_EQ(f.bus.open_handle_count(), 2u);
  f.device.Shutdown();
  EXPECT_EQ(f.bus.open_handle_count(), 0u);
}

TEST(OpenDevice, AnEventCollectionMetLaterReplacesTheEarlierOneWithoutLeaking) {
  LinkFixture f;
  const int first = AddMouse(f);
  AddMouse(f);
  f.bus.UnplugInterface(first, sim::InterfaceKind::kMouseVendor);
  ASSERT_TRUE(f.device.OpenDevice());
  EXPECT_EQ(f.link.device_path, PathOf(f, 1, sim::InterfaceKind::kMouseVendor));
  EXPECT_EQ(f.bus.open_handle_count(), 2u) << "the first mouse's event handle was closed";
}

TEST(OpenDevice, WakesTheReaderOnceTheMouseIsUsable) {
  LinkFixture f;
  AddMouse(f);
  f.link.wake = std::make_shared<sim::ThreadWakeEvent>();
  ASSERT_TRUE(f.device.OpenDevice());
  EXPECT_TRUE(f.link.wake->Wait(0));
}

}  // namespace
}  // namespace vx
