#pragma once

#include <optional>
#include <string>

#include "device/scan_codes.h"
#include "macro/macro_item_list.h"

namespace vx {

// A key event to record: pressed or released, by the key-name table's name.
struct RecordedKey {
  bool down = false;
  std::wstring name;
};

// The name a key is recorded under: the system's where the key-name table knows it (so the
// mouse plays what the list shows), else the table's name for the key at the same place on the
// keyboard; empty when the mouse has no code for the key at all.
std::wstring RecordableKeyName(const std::wstring& system_name, ScanCode scan);

// The recorder's state between Start and Stop: whether anything was recorded since the start,
// and the key pressed last, whose auto-repeats are not recorded.
class MacroRecording {
 public:
  void Start();
  void Stop();
  // Stays true after a stop, as the recording flag does.
  bool started() const { return started_; }

  // The event a key makes; nothing for an auto-repeat of the key pressed last. down and
  // was_down are the key message's transition and previous-state bits read as "pressed".
  std::optional<RecordedKey> Filter(const std::wstring& name, bool down, bool was_down) const;
  // The event and, after the first one, its "50 ms" delay, appended and selected; false, with
  // nothing appended, when the macro would then outgrow its slot.
  bool Append(ItemList& list, const RecordedKey& key);

 private:
  enum FirstEvent { kNothingYet, kRecorded, kStopped };

  bool started_ = false;
  FirstEvent first_event_ = kNothingYet;
  std::wstring last_key_;
};

}  // namespace vx
