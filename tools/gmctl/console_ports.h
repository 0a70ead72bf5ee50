#pragma once

#include <ostream>

#include "common/diagnostic_port.h"
#include "common/message_port.h"
#include "device/link_host.h"
#include "sim/wire_trace.h"

namespace vx::gmctl {

// Message boxes become lines on the error stream.
class ConsoleMessages : public MessagePort {
 public:
  explicit ConsoleMessages(std::ostream& err) : err_(err) {}
  void ShowMessage(const std::wstring& text) override;
  void ShowMessage(const std::wstring& text, const std::wstring& caption) override;

 private:
  std::ostream& err_;
};

class DiscardDiagnostics : public DiagnosticPort {
 public:
  void Diagnostic(const std::string&) override {}
};

// Notifications join the wire trace as "notify CODE VALUE".
class TraceHost : public LinkHost {
 public:
  explicit TraceHost(sim::WireTrace& trace) : trace_(trace) {}
  void Notify(uint32_t code, uint32_t value) override { trace_.Notify(code, value); }
  void HideMainWindow() override {}

 private:
  sim::WireTrace& trace_;
};

}  // namespace vx::gmctl
