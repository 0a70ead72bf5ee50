#include "app/control_colours.h"

#include <algorithm>

#include "layout/advanced_page.h"
#include "layout/basic_page.h"
#include "settings/settings_record.h"

namespace vx {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kMacroListBrush{14, 15, 14};
constexpr Rgb kFieldGreen{100, 150, 100};

// The DPI stage colour swatches, the lighting value fields and the other text fields.
constexpr int kFirstDpiSwatch = basic_layout::kFirstDpiSwatchId;
constexpr int kLastDpiSwatch = kFirstDpiSwatch + static_cast<int>(kDpiStageCount) - 1;

bool IsLightingField(int id) {
  const auto& ids = basic_layout::kLightFieldIds;
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

std::optional<ControlColours> MainWindowControlColours(ControlKind kind, int id, Rgb text_colour,
                                                       const std::array<uint8_t, 12>& dpi_colour,
                                                       const FontSpec& normal_font) {
  switch (kind) {
    // Edit and list boxes draw their text opaquely in the background colour whatever the
    // background mode, so it matches the brush.
    case ControlKind::kEdit:
      return ControlColours{text_colour, true, kBlack, kBlack, std::nullopt};
    case ControlKind::kListBox:
      if (id == advanced_layout::kNameListId || id == advanced_layout::kEventListId) {
        return ControlColours{text_colour, true, kMacroListBrush, kMacroListBrush, std::nullopt};
      }
      return ControlColours{kWhite, true, kBlack, kBlack, normal_font};
    case ControlKind::kStatic:
      if (id >= kFirstDpiSwatch && id <= kLastDpiSwatch) {
        const size_t at = static_cast<size_t>(id - kFirstDpiSwatch) * 3;
        return ControlColours{std::nullopt, true, std::nullopt,
                              Rgb{dpi_colour[at], dpi_colour[at + 1], dpi_colour[at + 2]},
                              std::nullopt};
      }
      if (IsLightingField(id)) {
        return ControlColours{text_colour, false, kBlack, kBlack, normal_font};
      }
      return ControlColours{text_colour, false, kFieldGreen, kFieldGreen, normal_font};
  }
  return std::nullopt;
}

}  // namespace vx
