#include <gtest/gtest.h>

#include "common/text_format.h"
#include "device/device_link.h"
#include "support/link_fixture.h"

namespace vx {
namespace {

using Notes = std::vector<std::pair<uint32_t, uint32_t>>;
using test::LinkFixture;

DeviceBroadcast InterfaceBroadcast(const std::wstring& name) {
  return DeviceBroadcast{kDeviceTypeInterface, name};
}

bool Change(LinkFixture& f, uint32_t event, const std::wstring& path) {
  const DeviceBroadcast broadcast = InterfaceBroadcast(path);
  return f.device.OnDeviceChange(event, &broadcast);
}

TEST(IsMouseInterfaceBroadcast, MatchesTheTwoSpellingsOfTheIdentityOnly) {
  const std::pair<DeviceBroadcast, bool> cases[] = {
      {InterfaceBroadcast(L"\\\\?\\HID#VID_04D9&PID_A09F&MI_01#x"), true},
      {InterfaceBroadcast(L"\\\\?\\hid#Vid_04d9&Pid_a09f&mi_01#x"), true},
      {InterfaceBroadcast(L"\\\\?\\hid#vid_04d9&pid_a09f&mi_01#x"), false},
      {InterfaceBroadcast(L"\\\\?\\HID#VID_046D&PID_C077#x"), false},
      {DeviceBroadcast{3, L"\\\\?\\HID#VID_04D9&PID_A09F#x"}, false},
  };
  for (const auto& [broadcast, matches] : cases) {
    EXPECT_EQ(IsMouseInterfaceBroadcast(broadcast), matches) << ToUtf8(broadcast.name);
  }
}

TEST(OnDeviceChange, ArrivalAfterAStartWithoutTheMouseOpensAndProgramsIt) {
  LinkFixture f;
  ASSERT_TRUE(f.device.StartUp());
  ASSERT_TRUE(f.device.reader().Paused());
  sim::MouseMemory memory = sim::DefaultMouseMemory(2);
  memory.sensor = {2, 0x01, 0x07, 0x05};
  const int mouse = f.bus.AddMouse(sim::ProbeMode::kScrambled, memory);

  EXPECT_TRUE(Change(f, kDeviceArrival, f.bus.interfaces().back().path));
  EXPECT_EQ(f.host.notes(), (Notes{{15, 0}, {14, 0}}));
  // Read with 0x83, written back with 0x03 and bit 6 of option 2 set; the rate byte as read.
  EXPECT_EQ(f.bus.firmware(mouse).memory().sensor, (std::array<uint8_t, 4>{2, 0x01, 0x07, 0x45}));
  EXPECT_EQ(f.link.sensor_type, 2);
  EXPECT_FALSE(f.device.reader().Paused());

  f.bus.EmitEvent(mouse, 7, 3);
  ASSERT_TRUE(f.host.WaitForNotes(3));
  EXPECT_EQ(f.host.notes().back(), (std::pair<uint32_t, uint32_t>{7, 3}));
}

TEST(OnDeviceChange, IgnoresBroadcastsOfOtherDevices) {
  LinkFixture f;
  ASSERT_TRUE(f.device.StartUp());
  f.bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory());
  EXPECT_TRUE(Change(f, kDeviceArrival, L"\\\\?\\HID#VID_046D&PID_C077#x"));
  EXPECT_TRUE(f.device.OnDeviceChange(kDeviceArrival, nullptr));
  EXPECT_EQ(f.host.notes(), (Notes{{15, 0}}));
}

TEST(OnDeviceChange, ArrivalThatCannotOpenTheMouseReportsItMissingAndHides) {
  LinkFixture f;
  ASSERT_TRUE(f.device.StartUp());
  EXPECT_TRUE(Change(f, kDeviceArrival, L"\\\\?\\HID#VID_04D9&PID_A09F&MI_00#gone"));
  EXPECT_EQ(f.host.notes(), (Notes{{15, 0}, {15, 0}}));
  EXPECT_EQ(f.host.hides(), 1);
  EXPECT_EQ(f.link.device_ready.load(), 0u);
}

TEST(OnDeviceChange, RemovingOneInterfaceOfAReachableMouseGivesAFreshHandshake) {
  LinkFixture f;
  const int mouse = f.bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory());
  ASSERT_TRUE(f.device.StartUp());
  const std::wstring path = f.bus.UnplugInterface(mouse, sim::InterfaceKind::kMouseEvent);
  f.trace.Clear();
  EXPECT_TRUE(Change(f, kDeviceRemoveComplete, path));
  EXPECT_EQ(f.host.notes(), (Notes{{14, 0}, {14, 0}}));
  EXPECT_EQ(f.LinesStartingWith("set-feature").size(), 2u) << "plain, then scrambled probe";
  EXPECT_EQ(f.link.event_read_handle, kInvalidHidHandle);
  EXPECT_EQ(f.host.hides(), 0);
}

TEST(OnDeviceChange, RemovingTheMouseReportsItMissingAndHides) {
  LinkFixture f;
  const int mouse = f.bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory());
  ASSERT_TRUE(f.device.StartUp());
  const auto paths = f.bus.Unplug(mouse);
  EXPECT_TRUE(Change(f, kDeviceRemoveComplete, paths.back()));
  EXPECT_EQ(f.host.notes(), (Notes{{14, 0}, {15, 0}}));
  EXPECT_EQ(f.host.hides(), 1);
  EXPECT_EQ(f.link.device_ready.load(), 0u);
  EXPECT_EQ(f.bus.open_handle_count(), 0u) << "the old handles are closed";
}

TEST(OnDeviceChange, PlugCycleBringsTheMouseBack) {
  LinkFixture f;
  const int mouse = f.bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory());
  ASSERT_TRUE(f.device.StartUp());
  Change(f, kDeviceRemoveComplete, f.bus.Unplug(mouse).back());
  Change(f, kDeviceArrival, f.bus.Plug(mouse).back());
  EXPECT_EQ(f.host.notes(), (Notes{{14, 0}, {15, 0}, {14, 0}}));
  EXPECT_TRUE(f.link.DeviceReady());
  EXPECT_EQ(f.bus.open_handle_count(), 2u);
}

}  // namespace
}  // namespace vx
