#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/message_port.h"
#include "macro/macro_item_list.h"
#include "settings/settings_store.h"
#include "setup/setup_files.h"
#include "ui/language_text.h"

namespace vx {

// The macro editor behind the advanced page's lists: the setup's macros, then the ones added but
// not yet confirmed, the selected macro's items and its repeat count. Confirm and Delete change
// the setup and record.ini at once, the applied setup too, so Cancel never brings back a macro
// list that record.ini no longer holds, nor slots that disagree with it.
class MacroEditor {
 public:
  MacroEditor(SettingsStore& settings, SetupFiles& files, MessagePort& messages,
              const LanguageText& texts);

  // The setup's names again (a profile may have replaced them), in the language given; the
  // macro being edited stays selected while the setup still lists it or it awaits its Confirm.
  void Refresh(const LanguageText& texts);
  // The selected macro's repeat count, when it has items.
  std::optional<uint16_t> RepeatCountShown() const;
  const std::vector<std::wstring>& names() const { return names_; }
  int selected() const { return selected_; }
  ItemList& items() { return items_; }

  // "New": a name that is not blank, not too long and not there yet in any case, while fewer than
  // twelve are; the blanks around it are not part of it.
  bool Add(const std::wstring& typed);
  // The macro's items; its repeat count when it has items.
  std::optional<uint16_t> Select(int index);
  // Kept within 1..65535; what the edit shows then.
  uint16_t SetRepeatCount(const std::wstring& typed);
  // "Confirm": the selected macro's items, in its place, compiled into its slot; refused, with
  // nothing changed, when its events outgrow a slot or record.ini cannot be written.
  bool Confirm();
  // "Delete": the selected macro leaves the list and record.ini at once, and the slots and the
  // buttons bound to macros follow; nothing changes when record.ini cannot be written.
  void Delete();

 private:
  // The selected macro's place among the setup's macros, if it is there yet.
  std::optional<size_t> SetupPosition() const;
  // The macros changed in the setup and in the applied setup, once record.ini holds them.
  bool Commit(const std::vector<Macro>& macros, std::optional<size_t> deleted);
  void Reload();

  SettingsStore& settings_;
  SetupFiles& files_;
  MessagePort& messages_;
  const LanguageText* texts_;
  std::array<std::wstring, kLanguageCount> key_off_texts_;
  std::vector<std::wstring> names_;
  std::vector<std::wstring> pending_;  // added, not yet confirmed
  int selected_ = -1;
  ItemList items_;
};

}  // namespace vx
