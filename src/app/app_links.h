#pragma once

#include <functional>
#include <string>
#include <utility>

#include "common/diagnostic_port.h"
#include "common/message_port.h"
#include "device/link_host.h"
#include "ui/window_system.h"

namespace vx {

inline constexpr wchar_t kApplicationTitle[] = L"Vantorelliax GM";

// Message boxes with the application title and an OK button; each text also goes to the debug
// trace, so that tests can read what the user was shown.
class AppMessages : public MessagePort {
 public:
  explicit AppMessages(WindowSystem& windows) : windows_(windows) {}
  void set_owner(WindowHandle owner) { owner_ = owner; }
  void ShowMessage(const std::wstring& text) override;
  void ShowMessage(const std::wstring& text, const std::wstring& caption) override;

 private:
  WindowSystem& windows_;
  WindowHandle owner_ = kNoWindow;
};

// Diagnostic lines go to the debug trace only.
class AppDiagnostics : public DiagnosticPort {
 public:
  explicit AppDiagnostics(WindowSystem& windows) : windows_(windows) {}
  void Diagnostic(const std::string& line) override;

 private:
  WindowSystem& windows_;
};

// The device link's notifications reach the main window as WM_MOUSE_NOTIFY, sent and waited for.
class AppLinkHost : public LinkHost {
 public:
  explicit AppLinkHost(WindowSystem& windows) : windows_(windows) {}
  void set_window(WindowHandle window) { window_ = window; }
  // How the main window hides itself.
  void set_hide(std::function<void()> hide) { hide_ = std::move(hide); }
  void Notify(uint32_t code, uint32_t value) override;
  void HideMainWindow() override;

 private:
  WindowSystem& windows_;
  WindowHandle window_ = kNoWindow;
  std::function<void()> hide_;
};

// "message CAPTION: TEXT", the trace line of a message box.
std::wstring MessageTraceLine(const std::wstring& caption, const std::wstring& text);

}  // namespace vx
