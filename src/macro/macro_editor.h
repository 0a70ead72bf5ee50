#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/message_port.h"
#include "macro/macro_items.h"
#include "settings/file_saves.h"
#include "settings/record_ini.h"
#include "settings/settings_store.h"
#include "ui/language_text.h"

namespace vx {

// The macro editor behind the advanced page's lists: the macro names (those of record.ini,
// then the ones added but not yet confirmed), the selected macro's items and its repeat count.
// record.ini changes on Confirm and Delete only, and the record's macro slots with it.
class MacroEditor {
 public:
  MacroEditor(RecordIni record, SettingsStore& settings, MessagePort& messages,
              FailedSaves& failed_saves, const LanguageText& texts)
      : record_(std::move(record)),
        settings_(settings),
        messages_(messages),
        failed_saves_(failed_saves),
        texts_(texts) {}

  // Names from record.ini; nothing selected.
  void Load();
  const std::vector<std::wstring>& names() const { return names_; }
  int selected() const { return selected_; }
  ItemList& items() { return items_; }

  // "New": a name that is not blank, not too long and not there yet in any case, while fewer than
  // twelve are; the blanks around it are not part of it.
  bool Add(const std::wstring& typed);
  // The macro's items from record.ini; its repeat count when it has items.
  std::optional<uint16_t> Select(int index);
  // Kept within 1..65535; what the edit shows then.
  uint16_t SetRepeatCount(const std::wstring& typed);
  // "Confirm": the selected macro's items into record.ini, in its place, and every macro
  // compiled; refused, with nothing written, when its events outgrow a slot.
  bool Confirm();
  // "Delete": the selected macro leaves the list and record.ini at once, and the slots and the
  // buttons bound to macros follow.
  void Delete();

 private:
  // The selected macro's place among record.ini's macros, if it is there yet.
  std::optional<size_t> FilePosition();
  void Reload();

  RecordIni record_;
  SettingsStore& settings_;
  MessagePort& messages_;
  FailedSaves& failed_saves_;
  const LanguageText& texts_;
  std::vector<std::wstring> names_;
  std::vector<std::wstring> pending_;  // added, not yet in record.ini
  int selected_ = -1;
  ItemList items_;
};

}  // namespace vx
