#pragma once

#include <cstdint>
#include <string>

namespace vx {

// The task that starts the program at the user's log-on with the user's highest rights: the
// program runs elevated, and Windows starts no elevated program from the Run key.
class LogonTaskPort {
 public:
  virtual ~LogonTaskPort() = default;
  virtual bool IsRegistered() = 0;
  // 0, or the system's error code (an HRESULT for the task service's own failures).
  virtual uint32_t Register(const std::wstring& program_path) = 0;
  virtual uint32_t Unregister() = 0;
};

}  // namespace vx
