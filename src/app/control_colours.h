#pragma once

#include <array>
#include <optional>

#include "ui/text_port.h"
#include "ui/window_system.h"

namespace vx {

// The colours of the settings pages' child controls, by kind and control id.
std::optional<ControlColours> MainWindowControlColours(ControlKind kind, int id, Rgb text_colour,
                                                       const std::array<uint8_t, 12>& dpi_colour,
                                                       const FontSpec& normal_font);

}  // namespace vx
