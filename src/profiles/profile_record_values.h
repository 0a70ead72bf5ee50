#pragma once

#include <optional>
#include <string>

#include "settings/settings_record.h"

namespace vx {

// A record setting's line of a profile file into the record: the numbers of the field named by
// the section and key, each within the field's values. Why not, or nothing.
std::optional<std::string> TakeRecordField(const std::wstring& section, const std::wstring& key,
                                           const std::wstring& value, SettingsRecord& record);

// A button's line of a key set: "KeyType 12 ComboModifiers 8 ComboUsage1 7"; the fields it
// leaves out are 0.
std::optional<std::string> TakeButton(KeySetId set, const std::wstring& key,
                                      const std::wstring& value, SettingsRecord& record);

}  // namespace vx
