#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "macro/macro_editor.h"
#include "macro/macro_recorder.h"
#include "ui/page_context.h"
#include "ui/page_section.h"
#include "ui/popup_list.h"

namespace vx {

// The macro section of the advanced page: the macro names, the selected macro's items, its
// repeat count, the mouse events to insert, New, Delete, Confirm and the keyboard recorder.
class MacroSection : public PageSection {
 public:
  MacroSection(PageContext& context, SetupFiles& files);

  void Draw(SkinPainter& painter) override;
  void CreateControls() override;
  void DestroyControls() override;
  void CloseListsOutside(Point p) override;
  bool OnClick(Point p) override;
  bool OnCommand(int id, int code) override;
  bool OnListNotification(int id, int code, WindowHandle list) override;
  bool PreTranslate(const Message& message) override;
  std::optional<intptr_t> OnUserMessage(uint32_t id, uintptr_t wparam, intptr_t lparam) override;
  std::vector<SkinControl> HoverControls() const override;

 private:
  WindowHandle CreateChild(ControlKind kind, int id, Rect rect, uint32_t style);
  void ShowNames();
  void ShowItems();
  void TakeItemSelection();
  void NewMacro();
  void SelectMacro(int index);
  void EditRepeatCount();
  void EditDelay();
  void InsertMouseEvent(int entry);
  void DeleteItem();
  void ShowItemMenu();

  void StartRecording();
  void StopRecording();
  void OnHookedKey(const HookedKey& key);
  void OnMacroKey(uintptr_t kind);
  // A message box during a recording: the keys that close it are not the macro's.
  void TellWhileRecording(const std::wstring& text);

  PageContext& context_;
  SetupFiles& files_;
  // Made with the page's controls, in the language they show.
  std::optional<MacroEditor> editor_;
  WindowHandle name_edit_ = kNoWindow;
  WindowHandle name_list_ = kNoWindow;
  WindowHandle item_list_ = kNoWindow;
  WindowHandle loop_edit_ = kNoWindow;
  PopupList mouse_events_;

  MacroRecording recording_;
  std::unique_ptr<KeyboardHook> hook_;
  std::optional<RecordedKey> hooked_;
  bool telling_ = false;
  bool told_unrecordable_ = false;
};

}  // namespace vx
