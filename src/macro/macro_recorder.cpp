#include "macro/macro_recorder.h"

#include "device/key_name_tables.h"
#include "device/macro_slots.h"

namespace vx {

std::wstring RecordableKeyName(const std::wstring& system_name, ScanCode scan) {
  if (KeyNameToUsage(system_name) != 0) return system_name;
  return std::wstring(UsageToKeyName(ScanCodeToUsage(scan)));
}

void MacroRecording::Start() {
  started_ = true;
  first_event_ = kNothingYet;
  last_key_.clear();
}

void MacroRecording::Stop() {
  first_event_ = kStopped;
}

std::optional<RecordedKey> MacroRecording::Filter(const std::wstring& name, bool down,
                                                  bool was_down) const {
  if (down && was_down && name == last_key_) return std::nullopt;
  return RecordedKey{down, name};
}

// A key held since the start is the key pressed last too, so its first auto-repeat does not
// make a second press.
bool MacroRecording::Append(ItemList& list, const RecordedKey& key) {
  std::vector<std::wstring> appended;
  if (!key.down || first_event_ != kNothingYet) appended.push_back(DelayItem(kRecordedDelayMs));
  appended.push_back(key.down ? DownItem(key.name) : UpItem(key.name));
  std::vector<std::wstring> items = list.items;
  items.insert(items.end(), appended.begin(), appended.end());
  if (MacroEventBytes(items) > kMacroEventBytes) return false;
  list.items = std::move(items);
  list.selection = static_cast<int>(list.items.size()) - 1;
  if (key.down) {
    first_event_ = kRecorded;
    last_key_ = key.name;
  }
  return true;
}

}  // namespace vx
