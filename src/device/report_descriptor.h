#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "device/hid_port.h"

namespace vx {

// One top-level collection of a HID report descriptor, with its usages and report lengths as the
// Windows HID class driver gives them: the longest report of each kind, plus the report ID byte
// (also where the descriptor numbers no reports); 0 when the collection has no report of a kind.
struct TopLevelCollection {
  HidCaps caps;
  // The IDs of its input reports; empty when the descriptor numbers no reports.
  std::vector<uint8_t> input_report_ids;
};

struct ReportDescriptor {
  std::vector<TopLevelCollection> collections;
  // True when the reports carry an ID byte, which the kernel then passes through as it comes.
  bool numbered = false;
};

// Nothing for bytes that are no complete descriptor: an item cut short, collections that do not
// close, a report longer than a length field holds.
std::optional<ReportDescriptor> ParseReportDescriptor(std::span<const uint8_t> bytes);

}  // namespace vx
