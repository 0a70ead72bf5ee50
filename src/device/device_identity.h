#pragma once

#include <cstdint>

namespace vx {

inline constexpr uint16_t kMouseVendorId = 0x04D9;
inline constexpr uint16_t kMouseProductId = 0xA09F;

// Commands and bulk data.
inline constexpr uint16_t kVendorCollectionUsage = 0xFF00;
// The mouse's own notifications.
inline constexpr uint16_t kEventCollectionUsage = 0xFF01;

inline constexpr wchar_t kDeviceNameMatch[] = L"Vid_04d9&Pid_a09f";
inline constexpr wchar_t kDeviceNameMatchUpper[] = L"VID_04D9&PID_A09F";

}  // namespace vx
