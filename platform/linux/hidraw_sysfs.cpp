#include "platform/linux/hidraw_sysfs.h"

#include <algorithm>
#include <cerrno>
#include <charconv>

namespace vx {

namespace {

constexpr std::string_view kNodePrefix = "hidraw";
constexpr std::string_view kHidIdKey = "HID_ID=";
constexpr std::string_view kHidNameKey = "HID_NAME=";

std::optional<uint32_t> ParseHex(std::string_view digits) {
  uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return value;
}

// "0003:000004D9:0000A09F": vendor and product fit 16 bits on every bus the kernel knows.
std::optional<HidAttributes> ParseHidId(std::string_view id) {
  const size_t first = id.find(':');
  const size_t second = id.find(':', first == std::string_view::npos ? first : first + 1);
  if (first == std::string_view::npos || second == std::string_view::npos) return std::nullopt;
  const auto bus = ParseHex(id.substr(0, first));
  const auto vendor = ParseHex(id.substr(first + 1, second - first - 1));
  const auto product = ParseHex(id.substr(second + 1));
  if (!bus || !vendor || !product || *vendor > 0xFFFF || *product > 0xFFFF) return std::nullopt;
  return HidAttributes{static_cast<uint16_t>(*vendor), static_cast<uint16_t>(*product), 0};
}

std::optional<uint32_t> NodeNumber(std::string_view name) {
  if (name.substr(0, kNodePrefix.size()) != kNodePrefix) return std::nullopt;
  const std::string_view digits = name.substr(kNodePrefix.size());
  uint32_t number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return number;
}

std::string DeviceFile(const std::string& class_folder, const std::string& node, const char* file) {
  return class_folder + "/" + node + "/device/" + file;
}

}  // namespace

std::optional<HidIdentity> ParseHidUevent(std::string_view uevent) {
  std::optional<HidIdentity> identity;
  std::string name;
  while (!uevent.empty()) {
    const size_t end = std::min(uevent.find('\n'), uevent.size());
    const std::string_view line = uevent.substr(0, end);
    uevent.remove_prefix(std::min(end + 1, uevent.size()));
    if (line.substr(0, kHidIdKey.size()) == kHidIdKey) {
      const auto attributes = ParseHidId(line.substr(kHidIdKey.size()));
      if (!attributes) return std::nullopt;
      identity = HidIdentity{*attributes, {}};
    } else if (line.substr(0, kHidNameKey.size()) == kHidNameKey) {
      name = line.substr(kHidNameKey.size());
    }
  }
  if (identity) identity->name = name;
  return identity;
}

std::optional<std::vector<std::string>> ListHidrawNodes(LinuxSystem& system,
                                                        const std::string& class_folder) {
  std::optional<std::vector<std::string>> names = system.ListFolder(class_folder);
  if (!names) return std::nullopt;
  std::erase_if(*names, [](const std::string& name) { return !NodeNumber(name); });
  // The folder lists in no particular order; hidraw10 comes after hidraw9.
  std::sort(names->begin(), names->end(), [](const std::string& a, const std::string& b) {
    return *NodeNumber(a) < *NodeNumber(b);
  });
  return names;
}

std::optional<HidIdentity> ReadNodeIdentity(LinuxSystem& system, const std::string& class_folder,
                                            const std::string& node) {
  const auto bytes = system.ReadSmallFile(DeviceFile(class_folder, node, "uevent"));
  if (!bytes) return std::nullopt;
  const auto identity =
      ParseHidUevent(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  if (!identity) errno = EINVAL;
  return identity;
}

std::optional<ReportDescriptor> ReadNodeDescriptor(LinuxSystem& system,
                                                   const std::string& class_folder,
                                                   const std::string& node) {
  const auto bytes = system.ReadSmallFile(DeviceFile(class_folder, node, "report_descriptor"));
  if (!bytes) return std::nullopt;
  auto descriptor = ParseReportDescriptor(*bytes);
  if (!descriptor) errno = EINVAL;
  return descriptor;
}

}  // namespace vx
