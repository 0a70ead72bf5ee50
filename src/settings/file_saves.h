#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "common/message_port.h"
#include "settings/file_port.h"
#include "settings/profile_store.h"

namespace vx {

// The error code shown when a save failed and the system named no error: Windows'
// ERROR_WRITE_FAULT.
inline constexpr uint32_t kUnnamedSaveError = 29;

// A save that failed, told as config.bin's failed save has always been told: one box with the
// system's error code. Each save that fails is told once.
void ReportFailedSave(MessagePort& messages, uint32_t error);

// The profile calls of one save (str.ini, record.ini), made on a fresh temporary copy of the
// file that then takes the file's place in one step, as config.bin is saved: a crash, a full
// disk or a failed call leaves the old file whole, never a file torn between the two.
//
// writes makes the calls on the copy it is given and tells whether they all succeeded. A missing
// file starts as new_file; without one a missing file has nothing to change and stays missing.
// Returns 0, or the system's error code of the step that failed, after which the file is as it
// was and the copy gone.
uint32_t EditProfileFile(FilePort& files, ProfileStore& profile, const std::wstring& path,
                         std::optional<std::span<const uint8_t>> new_file,
                         const std::function<bool(const std::wstring& copy)>& writes);

}  // namespace vx
