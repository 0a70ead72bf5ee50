#pragma once

#include <cstdint>
#include <string>

namespace vx {

inline constexpr uint32_t kDeviceTypeInterface = 5;
inline constexpr uint32_t kDeviceArrival = 0x8000;
inline constexpr uint32_t kDeviceRemoveComplete = 0x8004;

// What a device-change broadcast carries that the link looks at.
struct DeviceBroadcast {
  uint32_t device_type = 0;
  std::wstring name;
};

}  // namespace vx
