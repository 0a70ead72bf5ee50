#pragma once

#include <cstdint>

namespace vx {

// Notification codes that leave the device link (the main window shows them as balloons).
enum NotifyCode : uint32_t {
  kNotifyReportRate = 5,
  kNotifyDpiStage = 7,
  kNotifyKeyMatrix = 8,
  kNotifyMacroKey = 9,
  kNotifyMouseFound = 14,
  kNotifyMouseMissing = 15,
};

constexpr bool IsNotifyCode(uint32_t code) {
  return code == kNotifyReportRate || code == kNotifyDpiStage || code == kNotifyKeyMatrix ||
         code == kNotifyMacroKey || code == kNotifyMouseFound || code == kNotifyMouseMissing;
}

// What the device link needs of the main window.
class LinkHost {
 public:
  virtual ~LinkHost() = default;
  // Synchronous: returns once the window has handled the notification. Called from the window
  // thread and from the event reader thread.
  virtual void Notify(uint32_t code, uint32_t value) = 0;
  virtual void HideMainWindow() = 0;
};

}  // namespace vx
