#pragma once

#include <ostream>

#include "settings/settings_record.h"

namespace vx::gmctl {

// The record's fields by name, one per line: each button of each key set, the macro slots in
// hex, then the report rate, DPI, lighting, pointer and key-set fields.
void PrintRecordFields(std::ostream& out, const SettingsRecord& record);

}  // namespace vx::gmctl
