#pragma once

#include <cstdint>
#include <string>

#include "common/text_format.h"

namespace vx {

// The line that follows a failed system call's text: "Error Code is: 31".
inline std::string ErrorCodeLine(uint32_t code) {
  return Format("Error Code is: %u", code);
}

// HID statuses are read in hex: "Error Code is: 0xc0110001".
inline std::string HidStatusLine(uint32_t status) {
  return Format("Error Code is: 0x%08x", status);
}

}  // namespace vx
