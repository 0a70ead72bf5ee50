#pragma once

#include <chrono>
#include <thread>
#include <utility>
#include <vector>

#include "app/app_links.h"
#include "platform/headless/headless_window_system.h"
#include "support/link_fixture.h"

namespace vx::test {

using Note = std::pair<uint32_t, uint32_t>;

// Stands for the main window: records each notification and the thread that handled it.
class NotifiedWindow : public Dialog {
 public:
  explicit NotifiedWindow(WindowSystem& windows) : Dialog(windows, DialogTemplate{700, true}) {}

  std::optional<intptr_t> OnUserMessage(uint32_t id, uintptr_t wparam, intptr_t lparam) override {
    if (id != kMsgMouseNotify) return std::nullopt;
    notes.emplace_back(static_cast<uint32_t>(wparam), static_cast<uint32_t>(lparam));
    handled_on.push_back(std::this_thread::get_id());
    return 0;
  }

  std::vector<Note> notes;
  std::vector<std::thread::id> handled_on;
};

// A device link over a virtual mouse whose notifications reach a headless window as the main
// window's do: the reader sends each one and waits until the test's thread, the window thread,
// has handled it.
struct ReaderOnWindow {
  ReaderOnWindow() {
    windows.Open(window);
    host.set_window(window.window());
    mouse = bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory());
  }
  // As the program ends: the window goes first, which lets go of a reader waiting for it.
  ~ReaderOnWindow() {
    if (windows.Exists(window.window())) windows.DestroyWindow(window.window());
    device.reader().Stop();
  }

  // Pumps until the window has handled at least count notifications; false after the time-out.
  bool PumpNotes(size_t count, std::chrono::seconds timeout = std::chrono::seconds(10)) {
    return windows.PumpUntil([&] { return window.notes.size() >= count; }, timeout);
  }
  // Pumps until the window's latest notification is this one.
  bool PumpUntilLast(Note note, std::chrono::seconds timeout = std::chrono::seconds(10)) {
    return windows.PumpUntil([&] { return !window.notes.empty() && window.notes.back() == note; },
                             timeout);
  }
  bool ReaderReads() { return bus.WaitForPendingEventRead(mouse, std::chrono::seconds(10)); }
  // The system's broadcasts of a whole unplug, or of a plug, one per interface.
  void Broadcast(uint32_t event, const std::vector<std::wstring>& paths) {
    for (const std::wstring& path : paths) {
      const DeviceBroadcast broadcast{kDeviceTypeInterface, path};
      device.OnDeviceChange(event, &broadcast);
    }
  }
  void Unplug() { Broadcast(kDeviceRemoveComplete, bus.Unplug(mouse)); }
  void Plug() { Broadcast(kDeviceArrival, bus.Plug(mouse)); }
  // An arrival broadcast of a mouse that never went: the link closes and opens it again.
  void Reopen() {
    for (const sim::VirtualInterface& interface : bus.interfaces()) {
      if (interface.kind == sim::InterfaceKind::kMouseVendor) {
        Broadcast(kDeviceArrival, {interface.path});
      }
    }
  }
  // Pumps until the reader has taken every queued report and waits with a read.
  bool DrainEvents(std::chrono::seconds timeout = std::chrono::seconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!bus.EventReadPending(mouse)) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      windows.PumpSent();
      bus.WaitForPendingEventRead(mouse, std::chrono::milliseconds(10));
    }
    return true;
  }

  sim::WireTrace trace;
  sim::VirtualHidBus bus{trace};
  sim::TracedPause pause{trace};
  headless::HeadlessWindowSystem windows;
  NotifiedWindow window{windows};
  AppLinkHost host{windows};
  RecordingMessages messages;
  RecordingDiagnostics diagnostics;
  LinkState link;
  DeviceImage image;
  DeviceLink device{{bus, host, messages, diagnostics, pause}, link, image};
  int mouse = -1;
};

}  // namespace vx::test
