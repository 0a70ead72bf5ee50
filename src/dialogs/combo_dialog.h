#pragma once

#include "dialogs/key_capture.h"
#include "dialogs/pick_list.h"
#include "dialogs/skinned_dialog.h"

namespace vx {

// "Combo Key": a modifier picked from a list and up to two keys, each captured while its box
// has the focus.
class CComboDialog : public SkinnedDialog {
 public:
  explicit CComboDialog(const SkinnedDialogContext& context);

  // Read after OK; empty where nothing was picked or captured.
  const std::wstring& modifier() const { return pick_list_.picked().text; }
  const CapturedKey& key1() const { return key1_; }
  const CapturedKey& key2() const { return key2_; }

  bool PreTranslateMessage(const Message& message) override;
  std::optional<intptr_t> OnUserMessage(uint32_t id, uintptr_t wparam, intptr_t lparam) override;
  bool OnListNotification(int id, int code, WindowHandle list) override {
    return pick_list_.OnListNotification(id, code, list);
  }
  bool OnHelp() override { return true; }
  void OnDestroy() override { capture_.Remove(); }

 private:
  bool InitContent() override;
  void OnContentClick(Point p) override;
  void CloseListsOutside(Point p) override { pick_list_.CloseOutside(p); }
  void EnableKeyBoxes(bool enable);

  KeyCapture capture_;
  PickList pick_list_;
  CapturedKey key1_;
  CapturedKey key2_;
  WindowHandle box1_ = kNoWindow;
  WindowHandle box2_ = kNoWindow;
};

// The modifier list's entries, the same in every language.
inline constexpr std::array<const wchar_t*, 8> kModifierNames = {
    L"Left Ctrl",  L"Left Shift",  L"Left Alt",  L"Left Win",
    L"Right Ctrl", L"Right Shift", L"Right Alt", L"Right Win"};

}  // namespace vx
