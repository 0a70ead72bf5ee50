#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/message_port.h"
#include "settings/file_port.h"
#include "settings/profile_store.h"

namespace vx {

// The error code shown when a save failed and the system named no error: Windows'
// ERROR_WRITE_FAULT.
inline constexpr uint32_t kUnnamedSaveError = 29;

inline constexpr wchar_t kFailedSaveCaption[] = L"NULL ==fp ";

struct FailedSave {
  std::wstring path;
  uint32_t error = 0;
};

// The system's own explanation of an error code.
using ErrorExplainer = std::function<std::wstring(uint32_t error)>;

// The box of failed saves: for each, the error code as config.bin's failed save has always told
// it, then the file and the system's explanation.
std::wstring FailedSavesText(const std::vector<FailedSave>& saves, const ErrorExplainer& explain);

// The saves that failed during one user action, told together in one box when it ends, so a
// read-only folder costs the user one box, not one per file. Outside any action a failed save is
// told at once.
class FailedSaves {
 public:
  using Teller = std::function<void(const std::vector<FailedSave>&)>;
  explicit FailedSaves(Teller teller) : teller_(std::move(teller)) {}
  // Told in the box above, with the caption of a failed save.
  static FailedSaves ShownIn(MessagePort& messages, ErrorExplainer explain);

  void Add(const std::wstring& path, uint32_t error);

  // While an action lives, failures wait; the outermost one tells them as it ends.
  class Action {
   public:
    explicit Action(FailedSaves& saves) : saves_(saves) { ++saves_.actions_; }
    ~Action();
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;

   private:
    FailedSaves& saves_;
  };

 private:
  void Tell();

  Teller teller_;
  int actions_ = 0;
  std::vector<FailedSave> waiting_;
};

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
