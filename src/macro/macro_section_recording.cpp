// The keyboard recorder of the macro section.
#include "common/text_format.h"
#include "macro/macro_section.h"

namespace vx {

namespace {

enum MacroKeyKind : uintptr_t { kKeyPressed = 0, kKeyReleased = 1, kRecordingStopped = 5 };

bool IsRelease(intptr_t key_data) {
  return ((key_data >> 31) & 1) != 0;
}

bool WasDown(intptr_t key_data) {
  return ((key_data >> 30) & 1) != 0;
}

}  // namespace

void MacroSection::StartRecording() {
  MessagePort& messages = context_.messages();
  const LanguageText& texts = context_.texts();
  if (editor_->names().empty()) {
    messages.ShowMessage(texts.macro_name_blank, L"Warning");
    return;
  }
  messages.ShowMessage(texts.start_recording);
  hook_.reset();
  editor_->items() = {};
  ShowItems();
  HookInstall install = context_.window_system().InstallKeyboardHook(
      [this](const HookedKey& key) { OnHookedKey(key); });
  if (!install.hook) {
    messages.ShowMessage(Widen(Format("JournalRecordHook Install error code :%d\n",
                                      static_cast<int>(install.error))));
    return;
  }
  hook_ = std::move(install.hook);
  recording_.Start();
  told_unrecordable_ = false;
  context_.window_system().SetText(context_.main_window(), texts.stop_recording_hint);
}

void MacroSection::StopRecording() {
  MessagePort& messages = context_.messages();
  messages.ShowMessage(context_.texts().stop_recording);
  if (!recording_.started()) {
    messages.ShowMessage(context_.texts().not_recording, L"Warning");
    return;
  }
  if (!hook_) return;
  hook_.reset();
  context_.window_system().SendToWindow(context_.main_window(), kMsgMacroKey, kRecordingStopped, 0);
  recording_.Stop();
}

void MacroSection::TellWhileRecording(const std::wstring& text) {
  telling_ = true;
  context_.messages().ShowMessage(text);
  telling_ = false;
}

// Keys are recorded under the names the mouse plays; one it cannot play is left out, and the
// user hears of it once a recording.
void MacroSection::OnHookedKey(const HookedKey& key) {
  if (telling_) return;
  const std::wstring name = RecordableKeyName(key.name, ScanCodeOfKeyMessage(key.key_data));
  if (name.empty()) {
    if (!told_unrecordable_) {
      told_unrecordable_ = true;
      TellWhileRecording(context_.texts().key_not_recordable);
    }
    return;
  }
  hooked_ = recording_.Filter(name, !IsRelease(key.key_data), WasDown(key.key_data));
  if (!hooked_) return;
  context_.window_system().SendToWindow(context_.main_window(), kMsgMacroKey,
                                        hooked_->down ? kKeyPressed : kKeyReleased,
                                        WasDown(key.key_data) ? 0 : 1);
}

void MacroSection::OnMacroKey(uintptr_t kind) {
  if (kind != kKeyPressed && kind != kKeyReleased) return;
  if (!hooked_ || editor_->selected() < 0) return;
  const RecordedKey key = *hooked_;
  hooked_.reset();
  if (!recording_.Append(editor_->items(), key)) {
    hook_.reset();
    recording_.Stop();
    TellWhileRecording(context_.texts().macro_full);
    return;
  }
  ShowItems();
}

}  // namespace vx
