#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "common/diagnostic_port.h"
#include "common/message_port.h"
#include "device/device_link.h"
#include "sim/virtual_hid_bus.h"
#include "sim/wire_trace.h"

namespace vx::test {

// Records notifications (from any thread) into the trace and into a list a test can wait on.
class RecordingHost : public LinkHost {
 public:
  explicit RecordingHost(sim::WireTrace& trace) : trace_(trace) {}

  void Notify(uint32_t code, uint32_t value) override {
    trace_.Notify(code, value);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      notes_.emplace_back(code, value);
    }
    changed_.notify_all();
  }
  void HideMainWindow() override {
    std::lock_guard<std::mutex> lock(mutex_);
    ++hides_;
  }

  std::vector<std::pair<uint32_t, uint32_t>> notes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return notes_;
  }
  int hides() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return hides_;
  }
  // Waits until at least count notifications arrived; false after the time-out.
  bool WaitForNotes(size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return notes_.size() >= count; });
  }

 private:
  sim::WireTrace& trace_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::pair<uint32_t, uint32_t>> notes_;
  int hides_ = 0;
};

class RecordingMessages : public MessagePort {
 public:
  void ShowMessage(const std::wstring& text) override { shown.push_back(text); }
  void ShowMessage(const std::wstring& text, const std::wstring& caption) override {
    shown.push_back(caption + L"|" + text);
  }
  std::vector<std::wstring> shown;
};

class RecordingDiagnostics : public DiagnosticPort {
 public:
  void Diagnostic(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

// A device link over a virtual bus, with every port recorded.
struct LinkFixture {
  sim::WireTrace trace;
  sim::VirtualHidBus bus{trace};
  sim::TracedPause pause{trace};
  RecordingHost host{trace};
  RecordingMessages messages;
  RecordingDiagnostics diagnostics;
  LinkState link;
  DeviceImage image;
  DeviceLink device{{bus, host, messages, diagnostics, pause}, link, image};

  std::vector<std::string> LinesStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& line : trace.Lines()) {
      if (line.rfind(prefix, 0) == 0) found.push_back(line);
    }
    return found;
  }
};

}  // namespace vx::test
