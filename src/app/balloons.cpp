#include "app/balloons.h"

#include <utility>

#include "device/dpi_tables.h"
#include "device/link_host.h"

namespace vx {

namespace {

constexpr uint32_t kChangeTimeoutMs = 5000;
constexpr uint32_t kPresenceTimeoutMs = 100;

std::optional<std::wstring> ReportRateText(uint32_t value, const LanguageText& texts) {
  switch (value) {
    case 1:
      return texts.report_rate_1000hz;
    case 2:
      return texts.report_rate_500hz;
    case 4:
      return texts.report_rate_250hz;
    case 8:
      return texts.report_rate_125hz;
    default:
      return std::nullopt;
  }
}

std::optional<std::wstring> DpiStageText(uint32_t stage, const LanguageText& texts,
                                         const std::array<uint8_t, 4>& dpi_index,
                                         uint8_t sensor_type) {
  if (stage < 1 || stage > texts.dpi_stages.size()) return std::nullopt;
  const std::optional<uint16_t> dpi = DpiValue(sensor_type, dpi_index[stage - 1]);
  return texts.dpi_stages[stage - 1] + (dpi ? std::to_wstring(*dpi) : std::wstring());
}

std::optional<std::wstring> KeyMatrixText(uint32_t matrix, const LanguageText& texts) {
  // Matrices 3 and 4 have texts but no balloon.
  if (matrix != 1 && matrix != 2) return std::nullopt;
  return texts.key_matrices[matrix - 1];
}

std::optional<std::wstring> MacroKeyText(uint32_t macro, const LanguageText& texts) {
  if (macro == 0) return std::nullopt;
  return texts.macro_key + std::to_wstring(macro);
}

std::optional<Balloon> Info(std::optional<std::wstring> text) {
  if (!text) return std::nullopt;
  return Balloon{std::move(*text), L"Info", kChangeTimeoutMs};
}

}  // namespace

std::optional<Balloon> BalloonForNotification(uint32_t code, uint32_t value,
                                              const LanguageText& texts,
                                              const std::array<uint8_t, 4>& dpi_index,
                                              uint8_t sensor_type) {
  switch (code) {
    case kNotifyReportRate:
      return Info(ReportRateText(value, texts));
    case kNotifyDpiStage:
      return Info(DpiStageText(value, texts, dpi_index, sensor_type));
    case kNotifyKeyMatrix:
      return Info(KeyMatrixText(value, texts));
    case kNotifyMacroKey:
      return Info(MacroKeyText(value, texts));
    case kNotifyMouseFound:
      return Balloon{texts.mouse_found, L"Info", kPresenceTimeoutMs};
    case kNotifyMouseMissing:
      return Balloon{texts.mouse_missing, L"Warning", kPresenceTimeoutMs};
    default:
      return std::nullopt;
  }
}

}  // namespace vx
