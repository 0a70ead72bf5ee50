#include "pages/key_page.h"

#include "device/key_codes.h"
#include "layout/basic_page.h"
#include "pages/function_details.h"

namespace vx {

namespace {

using namespace basic_layout;

constexpr int kDefaultsKey = 1 * kSectionKeyStep;
constexpr int kFirstBoxKey = kDefaultsKey + 1;
constexpr int kDpiFunctionEntry = kKeyDpiSwitch;
// Lists of boxes 1..8 also take a double click as the choice.
constexpr size_t kDoubleClickButtons = 8;

bool IsFunctionListId(int id) {
  return id >= kFirstFunctionListId && id < kFirstFunctionListId + static_cast<int>(kButtonCount);
}

}  // namespace

KeyPage::KeyPage(PageContext& context)
    : context_(context),
      function_list_(context.window_system()),
      dpi_sub_list_(context.window_system()) {}

KeySetId KeyPage::shown_set() const {
  return ShownKeySet(context_.settings().current.record);
}

SkinControl KeyPage::FunctionBoxControl(size_t button) const {
  const std::wstring text =
      ShownKeyText(context_.settings(), context_.texts(), shown_set(), button);
  return {kFirstBoxKey + static_cast<int>(button), SkinControlKind::kDropDown,
          FunctionBox(button), L"", text, std::to_wstring(button + 1), kGroupDropDowns};
}

std::vector<SkinControl> KeyPage::HoverControls() const {
  std::vector<SkinControl> controls = {
      TextButton(kDefaultsKey, kKeyDefaults, context_.texts().default_keys, kGroupAlone)};
  for (size_t button = 0; button < kShownButtons; ++button) {
    controls.push_back(FunctionBoxControl(button));
  }
  return controls;
}

// The chosen key set's button keeps its over image; neither takes part in hovering.
void KeyPage::DrawModeButtons(SkinPainter& painter) {
  const bool mode_b = shown_set() == KeySetId::kB;
  const FontSpec& font = context_.fonts().normal;
  DrawSkinControl(painter, TextButton(0, kModeA, L"Mode A", kGroupAlone), !mode_b, font);
  DrawSkinControl(painter, TextButton(0, kModeB, L"Mode B", kGroupAlone), mode_b, font);
}

void KeyPage::RedrawBoxes(SkinPainter& painter, size_t first, size_t end) {
  for (size_t button = first; button < end; ++button) {
    DrawSkinControl(painter, FunctionBoxControl(button), false, context_.fonts().normal);
  }
}

void KeyPage::Draw(SkinPainter& painter) {
  DrawModeButtons(painter);
  for (const SkinControl& control : HoverControls()) {
    DrawSkinControl(painter, control, false, context_.fonts().normal);
  }
}

void KeyPage::DestroyControls() {
  CloseLists();
}

void KeyPage::CloseLists() {
  dpi_sub_list_.Close();
  function_list_.Close();
  list_button_.reset();
}

void KeyPage::CloseListsOutside(Point p) {
  if (!list_button_) return;
  if (function_list_.Contains(p) || dpi_sub_list_.Contains(p)) return;
  if (FunctionBox(*list_button_).Contains(p)) return;
  CloseLists();
}

bool KeyPage::OnClick(Point p) {
  if (kModeA.Contains(p)) {
    SelectKeySet(KeySetId::kA);
  } else if (kModeB.Contains(p)) {
    SelectKeySet(KeySetId::kB);
  } else if (kKeyDefaults.Contains(p)) {
    RestoreDefaults();
  } else {
    for (size_t button = 0; button < kShownButtons; ++button) {
      if (!FunctionBox(button).Contains(p)) continue;
      OpenFunctionList(button);
      return true;
    }
    return false;
  }
  return true;
}

void KeyPage::OpenFunctionList(size_t button) {
  if (list_button_ == button) {
    CloseLists();
    return;
  }
  CloseLists();
  if (HoldsOnlyLeftClick(KeySetOf(context_.settings().current.record, shown_set()), button)) {
    context_.messages().ShowMessage(context_.texts().left_key_required, L"Warning");
    return;
  }
  const auto& entries = context_.texts().functions;
  function_list_.Open(context_.main_window(), kFirstFunctionListId + static_cast<int>(button),
                      FunctionList(button), {entries.begin(), entries.end()},
                      context_.fonts().normal);
  if (function_list_.is_open()) list_button_ = button;
}

bool KeyPage::OnListNotification(int id, int code, WindowHandle list) {
  if (id == kDpiSubListId) {
    if (dpi_sub_list_.Is(list) && code == kListSelChange) {
      OnDpiFunctionChosen(dpi_sub_list_.Selection());
    }
    return true;
  }
  if (!IsFunctionListId(id)) return false;
  // A notification queued behind the one that closed the list finds it gone.
  if (!function_list_.Is(list) || !list_button_) return true;
  const size_t button = *list_button_;
  if (code == kListSelChange || (code == kListDoubleClick && button < kDoubleClickButtons)) {
    OnFunctionChosen(button, function_list_.Selection());
  }
  return true;
}

void KeyPage::OnFunctionChosen(size_t button, int entry) {
  if (entry < 0 || entry >= static_cast<int>(kFunctionCount) || entry == kDpiFunctionEntry) {
    return;
  }
  const auto key_type = static_cast<uint8_t>(entry);
  SettingsStore& store = context_.settings();
  // The list goes first, so it does not linger under a key-function dialog.
  CloseLists();
  if (key_type == kKeyShift) {
    // A second "Shift" is refused silently.
    if (!ChooseShift(store, shown_set(), button, context_.texts().functions[kKeyShift])) return;
  } else if (key_type >= kKeyWindows && key_type <= kKeyMacroKey) {
    const std::optional<ButtonFunction> details = AskFunctionDetails(
        context_.DialogContext(), context_.texts(), key_type,
        ReadButtonFunction(store, shown_set(), button));
    if (!details) return;
    StoreFunction(store, shown_set(), button, *details);
  } else {
    ChooseListedFunction(store, shown_set(), button, key_type,
                         context_.texts().functions[key_type]);
  }
  SkinPainter painter = context_.Painter();
  RedrawBoxes(painter, button, button + 1);
  painter.Present();
}

void KeyPage::OnDpiFunctionChosen(int entry) {
  if (!list_button_ || entry < 0 || entry >= static_cast<int>(kDpiFunctionTexts.size())) return;
  const size_t button = *list_button_;
  ChooseDpiFunction(context_.settings(), shown_set(), button, entry);
  CloseLists();
  SkinPainter painter = context_.Painter();
  RedrawBoxes(painter, button, button + 1);
  painter.Present();
}

// The sub-list sits beside the "DPI Switch" entry while the pointer is on it.
void KeyPage::ShowDpiSubList(std::optional<int> entry) {
  if (entry != kDpiFunctionEntry) {
    dpi_sub_list_.Close();
    return;
  }
  if (dpi_sub_list_.is_open()) return;
  WindowSystem& windows = context_.window_system();
  const Rect item = windows.ListItemRect(function_list_.handle(), kDpiFunctionEntry);
  const Rect& list = function_list_.rect();
  const Point at{list.left + item.right, list.top + item.top};
  dpi_sub_list_.Open(context_.main_window(), kDpiSubListId,
                     {at.x, at.y, at.x + kDpiSubListWidth, at.y + kDpiSubListHeight},
                     {kDpiFunctionTexts.begin(), kDpiFunctionTexts.end()},
                     context_.fonts().normal);
}

bool KeyPage::PreTranslate(const Message& message) {
  if (message.id != kMsgMouseMove) return false;
  if (function_list_.Is(message.window)) {
    ShowDpiSubList(function_list_.SelectAt(message.cursor));
  } else if (dpi_sub_list_.Is(message.window)) {
    dpi_sub_list_.SelectAt(message.cursor);
  }
  return false;
}

void KeyPage::SelectKeySet(KeySetId set) {
  context_.settings().current.record.current_key_set = set == KeySetId::kA ? 0 : 1;
  SkinPainter painter = context_.Painter();
  DrawModeButtons(painter);
  RedrawBoxes(painter, 0, kShownButtons);
  painter.Present();
}

void KeyPage::RestoreDefaults() {
  SettingsStore& store = context_.settings();
  RestoreKeyDefaults(store, context_.texts());
  SkinPainter painter = context_.Painter();
  RedrawBoxes(painter, 0, kShownButtons);
  painter.Present();
}

}  // namespace vx
