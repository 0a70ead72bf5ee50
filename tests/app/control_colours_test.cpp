#include "app/control_colours.h"

#include <gtest/gtest.h>

#include "layout/advanced_page.h"
#include "layout/basic_page.h"

namespace vx {
namespace {

using basic_layout::kFirstDpiSwatchId;
using basic_layout::kLightFieldIds;

TEST(MainWindowControlColours, FollowTheControlKindAndId) {
  const Rgb green{0, 230, 118};
  std::array<uint8_t, 12> dpi_colour{};
  dpi_colour[3] = 10;  // stage 2 red
  dpi_colour[4] = 20;
  dpi_colour[5] = 30;
  const FontSpec font{L"Arial", 14, 400};
  struct Case {
    ControlKind kind;
    int id;
    std::optional<Rgb> text;
    bool transparent;
    std::optional<Rgb> background;
    std::optional<Rgb> brush;
    bool with_font;
  };
  const Case cases[] = {
      {ControlKind::kEdit, 155, green, true, Rgb{0, 0, 0}, Rgb{0, 0, 0}, false},
      {ControlKind::kListBox, advanced_layout::kNameListId, green, true, Rgb{14, 15, 14},
       Rgb{14, 15, 14}, false},
      {ControlKind::kListBox, advanced_layout::kEventListId, green, true, Rgb{14, 15, 14},
       Rgb{14, 15, 14}, false},
      {ControlKind::kListBox, basic_layout::kFirstFunctionListId, Rgb{255, 255, 255}, true,
       Rgb{0, 0, 0}, Rgb{0, 0, 0}, true},
      {ControlKind::kStatic, kFirstDpiSwatchId + 1, std::nullopt, true, std::nullopt,
       Rgb{10, 20, 30}, false},
      {ControlKind::kStatic, kFirstDpiSwatchId + 3, std::nullopt, true, std::nullopt, Rgb{0, 0, 0},
       false},
      {ControlKind::kStatic, kLightFieldIds[0], green, false, Rgb{0, 0, 0}, Rgb{0, 0, 0}, true},
      {ControlKind::kStatic, kLightFieldIds[2], green, false, Rgb{0, 0, 0}, Rgb{0, 0, 0}, true},
      // Past the last swatch: an ordinary text field.
      {ControlKind::kStatic, kFirstDpiSwatchId + 4, green, false, Rgb{100, 150, 100},
       Rgb{100, 150, 100}, true},
  };
  for (const Case& c : cases) {
    const auto colours = MainWindowControlColours(c.kind, c.id, green, dpi_colour, font);
    ASSERT_TRUE(colours) << c.id;
    EXPECT_EQ(colours->text, c.text) << c.id;
    EXPECT_EQ(colours->transparent, c.transparent) << c.id;
    EXPECT_EQ(colours->background, c.background) << c.id;
    EXPECT_EQ(colours->brush, c.brush) << c.id;
    EXPECT_EQ(colours->font.has_value(), c.with_font) << c.id;
  }
}

}  // namespace
}  // namespace vx
