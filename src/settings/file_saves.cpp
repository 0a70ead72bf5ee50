#include "settings/file_saves.h"

#include <vector>

#include "common/text_format.h"

namespace vx {

std::wstring FailedSavesText(const std::vector<FailedSave>& saves, const ErrorExplainer& explain) {
  std::wstring text;
  for (const FailedSave& save : saves) {
    if (!text.empty()) text += L"\n";
    text += Widen(Format("Error Code is: %d \n", static_cast<int>(save.error)));
    const std::wstring why = explain(save.error);
    text += save.path + L" was not saved" + (why.empty() ? L"." : L": " + why) + L"\n";
  }
  return text;
}

FailedSaves FailedSaves::ShownIn(MessagePort& messages, ErrorExplainer explain) {
  return FailedSaves([&messages, explain](const std::vector<FailedSave>& saves) {
    messages.ShowMessage(FailedSavesText(saves, explain), kFailedSaveCaption);
  });
}

void FailedSaves::Add(const std::wstring& path, uint32_t error) {
  waiting_.push_back({path, error});
  if (actions_ == 0) Tell();
}

// The list is taken before the box runs: its modal loop may handle another action.
void FailedSaves::Tell() {
  if (waiting_.empty()) return;
  const std::vector<FailedSave> saves = std::move(waiting_);
  waiting_.clear();
  teller_(saves);
}

FailedSaves::Action::~Action() {
  if (--saves_.actions_ == 0) saves_.Tell();
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
