#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "settings/settings_record.h"

namespace vx {

// A setting that disagrees with others: where it stands in a profile file and why.
struct RecordFault {
  std::wstring section;
  std::wstring key;
  std::string problem;
};

// The relations the pages keep among the record's fields (each list index with its code, a fire
// key's speed, one DPI stage on at least), macro keys that play a macro the file holds, and the
// device-data check; nothing when all hold.
std::optional<RecordFault> RecordRelationFault(const SettingsRecord& record, size_t macro_count);

}  // namespace vx
