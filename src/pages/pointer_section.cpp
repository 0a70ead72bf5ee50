#include "pages/pointer_section.h"

#include <algorithm>
#include <array>

#include "layout/advanced_page.h"
#include "pages/pointer_settings.h"
#include "ui/skin_sliders.h"

namespace vx {

namespace {

using namespace advanced_layout;

constexpr int kDefaultsKey = 2 * kSectionKeyStep;
constexpr int kScaleGap = 2;
constexpr int kScaleHeight = 16;

std::array<uint8_t*, kPointerSliderCount> SliderFields(SettingsRecord& record) {
  return {&record.mouse_speed_step, &record.wheel_scroll_lines, &record.double_click_step};
}

}  // namespace

std::vector<SkinControl> PointerSection::HoverControls() const {
  return {
      TextButton(kDefaultsKey, kPointerDefaults, context_.texts().default_pointer, kGroupAlone)};
}

void PointerSection::Draw(SkinPainter& painter) {
  // Windows' own values are read once a run, when the page is first built.
  if (!windows_read_) {
    windows_read_ = true;
    SettingsStore& settings = context_.settings();
    SettingsRecord& record = settings.current.record;
    ReadPointerSettings(pointer_, context_.messages(), record);
    // What Windows holds is what Cancel goes back to, until an apply.
    CopyPointerFields(record, settings.snapshot.record);
    context_.window_system().DebugTrace(
        L"pointer read: speed " + std::to_wstring(record.mouse_speed_step) + L", lines " +
        std::to_wstring(record.wheel_scroll_lines) + L", double-click " +
        std::to_wstring(record.double_click_step) + L", precision " +
        std::to_wstring(record.pointer_precision) + L", one screen " +
        std::to_wstring(record.scroll_one_screen));
  }
  const FontSpec& font = context_.fonts().normal;
  DrawSkinControl(painter, HoverControls().front(), false, font);
  DrawSliders(painter);
  DrawTickBoxes(painter);
  const LanguageText& texts = context_.texts();
  for (const auto& [tick, text] : {std::pair{kPrecisionTick, &texts.enhance_pointer_precision},
                                   std::pair{kOneScreenTick, &texts.scroll_one_screen}}) {
    painter.Text(*text, {tick.right + 10, tick.top, kTickLabelRight, tick.bottom}, kTextLeft, font);
  }
  for (size_t slider = 0; slider < kPointerSliderCount; ++slider) {
    for (int position = 1; position <= kPointerSteps; ++position) {
      const Rect segment = PointerSegment(slider, position);
      const int top = segment.bottom + kScaleGap;
      painter.Text(std::to_wstring(position), {segment.left, top, segment.right, top + kScaleHeight},
                   kTextTopCentred, font);
    }
  }
}

// A value beyond the slider (more wheel lines than eleven) lights every segment, never more.
void PointerSection::DrawSliders(SkinPainter& painter) {
  const auto fields = SliderFields(context_.settings().current.record);
  for (size_t slider = 0; slider < fields.size(); ++slider) {
    const Rect first = PointerSegment(slider, 1);
    DrawHorizontalSlider(painter, {first.left, first.top},
                         std::min<int>(*fields[slider], kPointerSteps));
  }
}

void PointerSection::DrawTickBoxes(SkinPainter& painter) {
  const SettingsRecord& record = context_.settings().current.record;
  DrawCheckBox(painter, {kPrecisionTick.left, kPrecisionTick.top}, record.pointer_precision == 1);
  DrawCheckBox(painter, {kOneScreenTick.left, kOneScreenTick.top}, record.scroll_one_screen == 1);
}

bool PointerSection::OnClick(Point p) {
  SettingsRecord& record = context_.settings().current.record;
  SkinPainter painter = context_.Painter();
  if (kPrecisionTick.Contains(p) || kOneScreenTick.Contains(p)) {
    uint8_t& field =
        kPrecisionTick.Contains(p) ? record.pointer_precision : record.scroll_one_screen;
    field = field == 1 ? 0 : 1;
    DrawTickBoxes(painter);
  } else if (kPointerDefaults.Contains(p)) {
    RestorePointerDefaults(pointer_, context_.messages(), record);
    context_.settings().pointer_changed_since_snapshot = true;
    DrawTickBoxes(painter);
    DrawSliders(painter);
  } else {
    const auto fields = SliderFields(record);
    for (size_t slider = 0; slider < fields.size(); ++slider) {
      for (int position = 1; position <= kPointerSteps; ++position) {
        if (!PointerSegment(slider, position).Contains(p)) continue;
        *fields[slider] = static_cast<uint8_t>(position);
        DrawSliders(painter);
        painter.Present();
        return true;
      }
    }
    return false;
  }
  painter.Present();
  return true;
}

}  // namespace vx
