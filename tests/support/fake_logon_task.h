#pragma once

#include <cstdint>
#include <string>

#include "app/logon_task_port.h"

namespace vx::test {

// The log-on task as a flag; a test sets the error the next change fails with.
class FakeLogonTask : public LogonTaskPort {
 public:
  bool IsRegistered() override { return registered; }
  uint32_t Register(const std::wstring& program_path) override {
    if (error == 0) {
      registered = true;
      program = program_path;
    }
    return error;
  }
  uint32_t Unregister() override {
    if (error == 0) registered = false;
    return error;
  }

  bool registered = false;
  std::wstring program;
  uint32_t error = 0;
};

}  // namespace vx::test
