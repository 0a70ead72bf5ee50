#include "settings/file_saves.h"

#include <vector>

#include "common/text_format.h"

namespace vx {

void ReportFailedSave(MessagePort& messages, uint32_t error) {
  messages.ShowMessage(Widen(Format("Error Code is: %d \n", static_cast<int>(error))),
                       L"NULL ==fp ");
}

uint32_t EditProfileFile(FilePort& files, ProfileStore& profile, const std::wstring& path,
                         std::optional<std::span<const uint8_t>> new_file,
                         const std::function<bool(const std::wstring& copy)>& writes) {
  // The copy starts as the file is: read whole, so that only a regular file of a sane size is
  // copied, and a file that cannot be read is never replaced by a copy of nothing.
  const FileRead current = files.Read(path, kMaxProfileFileBytes);
  std::vector<uint8_t> start;
  if (current.outcome == FileRead::Outcome::kRead) {
    start = current.bytes;
  } else if (current.outcome == FileRead::Outcome::kMissing) {
    if (!new_file) return 0;
    start.assign(new_file->begin(), new_file->end());
  } else {
    return current.error != 0 ? current.error : kUnnamedSaveError;
  }
  const TemporaryFile copy = files.CreateTemporary(path, start);
  if (copy.error != 0) return copy.error;
  if (!writes(copy.path)) {
    const uint32_t error = profile.LastError();
    files.Remove(copy.path);
    return error != 0 ? error : kUnnamedSaveError;
  }
  return files.PutInPlace(copy.path, path);
}

}  // namespace vx
