#include "macro/macro_section.h"

#include "dialogs/delay_time_dialog.h"
#include "layout/advanced_page.h"

namespace vx {

namespace {

using namespace advanced_layout;

enum ControlKey : int { kNewKey = 3 * kSectionKeyStep, kDeleteKey, kConfirmKey };
constexpr int kDeleteItemCommand = 32772;

}  // namespace

MacroSection::MacroSection(PageContext& context, SetupFiles& files)
    : context_(context), files_(files), mouse_events_(context.window_system()) {}

std::vector<SkinControl> MacroSection::HoverControls() const {
  const LanguageText& texts = context_.texts();
  return {TextButton(kNewKey, kNew, texts.new_macro, kGroupMacroButtons),
          TextButton(kDeleteKey, kDelete, texts.delete_entry, kGroupMacroButtons),
          TextButton(kConfirmKey, kConfirm, texts.confirm, kGroupMacroButtons)};
}

void MacroSection::Draw(SkinPainter& painter) {
  const LanguageText& texts = context_.texts();
  const FontSpec& font = context_.fonts().normal;
  for (const SkinControl& button : HoverControls()) DrawSkinControl(painter, button, false, font);
  painter.Text(texts.macro_name, kNameCaption, kTextLeft, font);
  painter.Text(texts.loop_times, kLoopCaption, kTextLeft, font);
  painter.Text(texts.insert_mouse_event, kMouseEventCaption, kTextLeft, font);
  // "Start Recording" may need more than one line beside its button.
  painter.CentredNote(texts.start_recording, kStartNote, font);
  painter.CentredNote(texts.stop_recording, kStopNote, font);
}

WindowHandle MacroSection::CreateChild(ControlKind kind, int id, Rect rect, uint32_t style) {
  ControlSpec spec;
  spec.kind = kind;
  spec.id = id;
  spec.rect = rect;
  spec.style = style;
  spec.font = context_.fonts().normal;
  return context_.window_system().CreateControl(context_.main_window(), spec);
}

void MacroSection::CreateControls() {
  name_edit_ = CreateChild(ControlKind::kEdit, kNameEditId, kNameEdit,
                           kStyleVisible | kStyleBorder | kStyleAutoScroll);
  name_list_ = CreateChild(ControlKind::kListBox, kNameListId, kNameList,
                           kStyleVisible | kStyleBorder | kStyleNotify | kStyleVScroll);
  item_list_ = CreateChild(ControlKind::kListBox, kEventListId, kEventList,
                           kStyleVisible | kStyleBorder | kStyleNotify | kStyleVScroll);
  loop_edit_ = CreateChild(ControlKind::kEdit, kLoopEditId, kLoopEdit,
                           kStyleVisible | kStyleBorder | kStyleNumber);
  // The editor outlives the controls: a macro being edited stays while the window hides or the
  // other page is shown.
  if (!editor_) editor_.emplace(context_.settings(), files_, context_.messages(), context_.texts());
  editor_->Refresh(context_.texts());
  ShowNames();
  ShowItems();
  WindowSystem& windows = context_.window_system();
  if (editor_->selected() >= 0) {
    windows.SetText(name_edit_, editor_->names()[static_cast<size_t>(editor_->selected())]);
  }
  if (const std::optional<uint16_t> count = editor_->RepeatCountShown()) {
    windows.SetText(loop_edit_, std::to_wstring(*count));
  }
}

void MacroSection::DestroyControls() {
  hook_.reset();
  mouse_events_.Close();
  WindowSystem& windows = context_.window_system();
  for (WindowHandle* control : {&name_edit_, &name_list_, &item_list_, &loop_edit_}) {
    if (*control != kNoWindow) windows.DestroyWindow(*control);
    *control = kNoWindow;
  }
}

void MacroSection::ShowNames() {
  WindowSystem& windows = context_.window_system();
  windows.ListReset(name_list_);
  for (const std::wstring& name : editor_->names()) windows.ListAddString(name_list_, name);
  windows.ListSetSelection(name_list_, editor_->selected());
}

void MacroSection::ShowItems() {
  WindowSystem& windows = context_.window_system();
  const ItemList& items = editor_->items();
  windows.ListReset(item_list_);
  for (const std::wstring& item : items.items) windows.ListAddString(item_list_, item);
  windows.ListSetSelection(item_list_, items.selection);
}

// The user moves the selection in the list itself.
void MacroSection::TakeItemSelection() {
  editor_->items().selection = context_.window_system().ListSelection(item_list_);
}

void MacroSection::CloseListsOutside(Point p) {
  if (!kMouseEventBox.Contains(p) && !mouse_events_.Contains(p)) mouse_events_.Close();
}

bool MacroSection::OnClick(Point p) {
  if (kStartRecording.Contains(p)) {
    StartRecording();
  } else if (kStopRecording.Contains(p)) {
    StopRecording();
  } else if (kNew.Contains(p)) {
    NewMacro();
  } else if (kDelete.Contains(p)) {
    editor_->Delete();
    context_.window_system().SetText(name_edit_, L"");
    ShowNames();
    ShowItems();
  } else if (kConfirm.Contains(p)) {
    TakeItemSelection();
    if (editor_->Confirm()) ShowNames();
  } else {
    // The box toggles its list and is no match: the click goes on to drag the window.
    if (kMouseEventBox.Contains(p)) {
      if (mouse_events_.is_open()) {
        mouse_events_.Close();
      } else {
        mouse_events_.Open(context_.main_window(), kMouseEventListId, kMouseEventList,
                           {kMouseEvents.begin(), kMouseEvents.end()}, context_.fonts().normal);
      }
    }
    return false;
  }
  return true;
}

void MacroSection::NewMacro() {
  WindowSystem& windows = context_.window_system();
  if (!editor_->Add(windows.GetText(name_edit_))) return;
  ShowNames();
  ShowItems();
}

void MacroSection::SelectMacro(int index) {
  WindowSystem& windows = context_.window_system();
  const std::optional<uint16_t> count = editor_->Select(index);
  if (editor_->selected() < 0) return;
  windows.SetText(name_edit_, editor_->names()[static_cast<size_t>(editor_->selected())]);
  ShowItems();
  if (count) windows.SetText(loop_edit_, std::to_wstring(*count));
}

void MacroSection::EditRepeatCount() {
  WindowSystem& windows = context_.window_system();
  const std::wstring typed = windows.GetText(loop_edit_);
  const uint16_t kept = editor_->SetRepeatCount(typed);
  // Setting the text changes it again and comes back here with "1".
  if (std::to_wstring(kept) != typed && kept == 1) windows.SetText(loop_edit_, L"1");
}

bool MacroSection::OnCommand(int id, int code) {
  if (id == kLoopEditId && code == kEditChanged) {
    EditRepeatCount();
    return true;
  }
  if (id == kDeleteItemCommand && code == 0) {
    DeleteItem();
    return true;
  }
  return false;
}

bool MacroSection::OnListNotification(int id, int code, WindowHandle list) {
  WindowSystem& windows = context_.window_system();
  if (id == kNameListId && code == kListSelChange) {
    SelectMacro(windows.ListSelection(list));
  } else if (id == kEventListId && code == kListDoubleClick) {
    EditDelay();
  } else if (id == kMouseEventListId && code == kListSelChange && mouse_events_.Is(list)) {
    InsertMouseEvent(mouse_events_.Selection());
  } else {
    return id == kNameListId || id == kEventListId || id == kMouseEventListId;
  }
  return true;
}

void MacroSection::EditDelay() {
  TakeItemSelection();
  ItemList& items = editor_->items();
  const int line = items.selection;
  if (line < 0 || !IsDelayText(items.items[static_cast<size_t>(line)])) return;
  CDelayTimeDialog dialog(context_.DialogContext());
  if (dialog.DoModal(context_.main_window()) != kIdOk) return;
  items.items[static_cast<size_t>(line)] = DelayItemFromDialog(dialog.delay(), dialog.delay_text());
  ShowItems();
}

void MacroSection::InsertMouseEvent(int entry) {
  mouse_events_.Close();
  if (entry < 0 || editor_->selected() < 0) return;
  TakeItemSelection();
  if (vx::InsertMouseEvent(editor_->items(), kMouseEvents[static_cast<size_t>(entry)])) ShowItems();
}

void MacroSection::DeleteItem() {
  TakeItemSelection();
  ItemList& items = editor_->items();
  if (items.selection < 0 || items.selection >= static_cast<int>(items.items.size())) return;
  items.items.erase(items.items.begin() + items.selection);
  items.selection = -1;
  ShowItems();
}

void MacroSection::ShowItemMenu() {
  WindowSystem& windows = context_.window_system();
  windows.TrackPopupMenu(context_.main_window(),
                         {CommandItem(kDeleteItemCommand, context_.texts().delete_entry)},
                         windows.CursorPosition());
}

bool MacroSection::PreTranslate(const Message& message) {
  // Recorded keys do not act on the page's controls.
  if (hook_ && IsKeyDown(message.id)) return true;
  if (message.id == kMsgMouseMove) {
    if (mouse_events_.Is(message.window)) mouse_events_.SelectAt(message.cursor);
    if (message.window == item_list_ && item_list_ != kNoWindow) {
      WindowSystem& windows = context_.window_system();
      const auto item = windows.ListItemFromPoint(item_list_, windows.ScreenToClient(item_list_, message.cursor));
      if (item) windows.ListSetSelection(item_list_, *item);
    }
  }
  if (message.id == kMsgRButtonDown && message.window == item_list_ && item_list_ != kNoWindow) {
    ShowItemMenu();
  }
  return false;
}

std::optional<intptr_t> MacroSection::OnUserMessage(uint32_t id, uintptr_t wparam, intptr_t) {
  if (id != kMsgMacroKey) return std::nullopt;
  OnMacroKey(wparam);
  return 0;
}

}  // namespace vx
