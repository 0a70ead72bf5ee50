#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "ui/language_text.h"

namespace vx {

// A tray balloon; the title is English in every language.
struct Balloon {
  std::wstring text;
  std::wstring title;
  uint32_t timeout_ms;
};

// The balloon a device notification shows, or nothing for codes and values that show none.
// The DPI-stage text is followed by the stage's DPI value from dpi_index and the sensor type.
std::optional<Balloon> BalloonForNotification(uint32_t code, uint32_t value,
                                              const LanguageText& texts,
                                              const std::array<uint8_t, 4>& dpi_index,
                                              uint8_t sensor_type);

}  // namespace vx
