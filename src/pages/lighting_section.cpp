#include "pages/lighting_section.h"

#include "layout/basic_page.h"
#include "pages/lighting_texts.h"

namespace vx {

namespace {

using basic_layout::kLightFieldIds;
using basic_layout::kLightListIds;
using basic_layout::LightBox;

// The parameter list reaches this far below its box, by mode: as long as the mode's entries.
constexpr int kStandardListDepth = 173;
constexpr int kRespirationListDepth = 93;
constexpr int kNeonListDepth = 203;
constexpr int kParameterListGap = 3;

Rect ParameterListRect(uint8_t mode) {
  const Rect box = LightBox(1);
  const int depth = mode == kLightStandard      ? kStandardListDepth
                    : mode == kLightRespiration ? kRespirationListDepth
                                                : kNeonListDepth;
  return {box.left, box.bottom + kParameterListGap, box.right, box.bottom + depth};
}

// The mode's own parameter and effect fields of the record; none for other modes.
uint8_t* ModeParameter(SettingsRecord& record, uint8_t mode) {
  if (mode == kLightStandard) return &record.light_param1;
  if (mode == kLightRespiration) return &record.light_param2;
  if (mode == kLightNeon) return &record.light_param3;
  return nullptr;
}

uint8_t* ModeEffect(SettingsRecord& record, uint8_t mode) {
  if (mode == kLightRespiration) return &record.light_sub2;
  if (mode == kLightNeon) return &record.light_sub3;
  return nullptr;
}

}  // namespace

LightingSection::LightingSection(PageContext& context)
    : context_(context),
      lists_{PopupList(context.window_system()), PopupList(context.window_system()),
             PopupList(context.window_system())} {}

void LightingSection::Draw(SkinPainter& painter) {
  const LanguageText& texts = context_.texts();
  const std::array<const std::wstring*, 3> labels = {&texts.light_mode, &texts.light_parameter,
                                                     &texts.light_effect};
  for (size_t box = 0; box < kBoxCount; ++box) {
    const Rect rect = LightBox(box);
    painter.Text(*labels[box], {rect.left - 70, rect.top, rect.left - 10, rect.bottom},
                 kTextRight, context_.fonts().normal);
  }
}

void LightingSection::CreateControls() {
  for (size_t box = 0; box < kBoxCount; ++box) {
    ControlSpec spec;
    spec.kind = ControlKind::kStatic;
    spec.id = kLightFieldIds[box];
    spec.rect = LightBox(box);
    spec.rect.right = basic_layout::kLightFieldRight;
    spec.style = kStyleVisible | kStyleCentre;
    spec.font = context_.fonts().normal;
    fields_[box] = context_.window_system().CreateControl(context_.main_window(), spec);
  }
  ShowFields();
}

void LightingSection::ShowFields() {
  SettingsRecord& record = context_.settings().current.record;
  const uint8_t mode = record.light_mode;
  const uint8_t* parameter = ModeParameter(record, mode);
  const uint8_t* effect = ModeEffect(record, mode);
  const LightFieldTexts texts = LightFieldTextsFor(context_.texts(), mode, parameter ? *parameter : 0,
                                                   effect ? *effect : 0);
  WindowSystem& windows = context_.window_system();
  windows.SetText(fields_[kModeBox], texts.mode);
  windows.SetText(fields_[kParameterBox], texts.parameter);
  windows.SetText(fields_[kEffectBox], texts.effect);
}

void LightingSection::DestroyControls() {
  for (size_t box = 0; box < kBoxCount; ++box) {
    lists_[box].Close();
    if (fields_[box] != kNoWindow) context_.window_system().DestroyWindow(fields_[box]);
    fields_[box] = kNoWindow;
  }
}

void LightingSection::CloseListsOutside(Point p) {
  for (size_t box = 0; box < kBoxCount; ++box) {
    if (!lists_[box].Contains(p) && !LightBox(box).Contains(p)) lists_[box].Close();
  }
}

bool LightingSection::OnClick(Point p) {
  for (size_t box = 0; box < kBoxCount; ++box) {
    if (!LightBox(box).Contains(p)) continue;
    ToggleList(box);
    return true;
  }
  return false;
}

void LightingSection::ToggleList(size_t box) {
  PopupList& list = lists_[box];
  if (list.is_open()) {
    list.Close();
    return;
  }
  const uint8_t mode = context_.settings().current.record.light_mode;
  const LanguageText& texts = context_.texts();
  const FontSpec& font = context_.fonts().normal;
  const WindowHandle parent = context_.main_window();
  if (box == kModeBox) {
    list.Open(parent, kLightListIds[box], basic_layout::kLightModeList, LightModeEntries(texts),
              font);
  } else if (box == kParameterBox) {
    list.Open(parent, kLightListIds[box], ParameterListRect(mode), LightParameterEntries(mode),
              font);
  } else if (mode != kLightStandard) {
    // Standard has a single effect: its box opens no list.
    list.Open(parent, kLightListIds[box], basic_layout::kLightEffectList,
              LightEffectEntries(texts, mode), font);
  }
}

bool LightingSection::OnListNotification(int id, int code, WindowHandle list) {
  for (size_t box = 0; box < kBoxCount; ++box) {
    if (id != kLightListIds[box]) continue;
    if (lists_[box].Is(list) && code == kListSelChange) Choose(box, lists_[box].Selection());
    return true;
  }
  return false;
}

void LightingSection::Choose(size_t box, int entry) {
  const std::wstring text = entry < 0 ? L"" : context_.window_system().ListText(lists_[box].handle(), entry);
  lists_[box].Close();
  if (entry < 0) return;
  if (box == kModeBox) {
    ChooseMode(entry);
    return;
  }
  SettingsRecord& record = context_.settings().current.record;
  const uint8_t mode = record.light_mode;
  context_.window_system().SetText(fields_[box], text);
  if (box == kParameterBox) {
    if (uint8_t* parameter = ModeParameter(record, mode)) *parameter = static_cast<uint8_t>(entry);
  } else if (uint8_t* effect = ModeEffect(record, mode)) {
    *effect = static_cast<uint8_t>(FirstLightEffect(mode) + entry);
  }
}

// Each mode keeps its own parameter and effect, so the fields show the new mode's.
void LightingSection::ChooseMode(int entry) {
  context_.settings().current.record.light_mode = static_cast<uint8_t>(kLightStandard + entry);
  ShowFields();
}

bool LightingSection::PreTranslate(const Message& message) {
  if (message.id != kMsgMouseMove) return false;
  for (PopupList& list : lists_) {
    if (list.Is(message.window)) list.SelectAt(message.cursor);
  }
  return false;
}

}  // namespace vx
