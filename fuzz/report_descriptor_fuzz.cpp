// Report descriptors as a hidraw node's sysfs folder holds them: any bytes at all.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "device/report_descriptor.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vx;
  using vx::fuzz::Require;
  const std::vector<uint8_t> bytes(data, data + size);
  const std::optional<ReportDescriptor> parsed = ParseReportDescriptor(bytes);
  if (!parsed) return 0;
  for (const TopLevelCollection& collection : parsed->collections) {
    Require(parsed->numbered || collection.input_report_ids.empty(),
            "only a numbered descriptor names report IDs");
    Require(collection.caps.input_report_length != 0 || collection.input_report_ids.empty(),
            "a collection without input reports names no input report IDs");
  }
  std::vector<uint8_t> closed_twice = bytes;
  closed_twice.push_back(0xC0);
  Require(!ParseReportDescriptor(closed_twice), "an End Collection past the last one is refused");
  return 0;
}
