#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/hid_port.h"
#include "device/report_descriptor.h"
#include "platform/linux/linux_system.h"

namespace vx {

// What the HID core tells of a device in its uevent file.
struct HidIdentity {
  HidAttributes attributes;
  std::string name;
};

// "HID_ID=0003:000004D9:0000A09F" (bus, vendor, product in hex) and "HID_NAME=..."; nothing
// without a well-formed HID_ID.
std::optional<HidIdentity> ParseHidUevent(std::string_view uevent);

// The hidraw nodes under the class folder, by their numbers, as the kernel made them.
std::optional<std::vector<std::string>> ListHidrawNodes(LinuxSystem& system,
                                                        const std::string& class_folder);

std::optional<HidIdentity> ReadNodeIdentity(LinuxSystem& system, const std::string& class_folder,
                                            const std::string& node);
std::optional<ReportDescriptor> ReadNodeDescriptor(LinuxSystem& system,
                                                   const std::string& class_folder,
                                                   const std::string& node);

}  // namespace vx
