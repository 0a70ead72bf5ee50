#include "app/main_controls.h"

#include "app/app_state.h"
#include "layout/advanced_page.h"
#include "layout/basic_page.h"
#include "layout/main_window.h"

namespace vx {

std::vector<SkinControl> MainWindowControls(const LanguageText& texts) {
  using namespace main_layout;
  std::vector<SkinControl> controls = {
      TextButton(kControlOk, kOk, texts.ok, kGroupBottomButtons),
      TextButton(kControlApply, kApply, texts.apply, kGroupBottomButtons),
      TextButton(kControlCancel, kCancel, texts.cancel, kGroupBottomButtons),
      IconButton(kControlSkins, kSkins, L"/button-Skins", kGroupAlone),
      IconButton(kControlMinimise, kMinimise, L"/button-min", kGroupAlone),
      IconButton(kControlClose, kClose, L"/button-close", kGroupAlone),
      IconButton(kControlPreviousPage, kPreviousPage, L"/button-PrePage", kGroupPageArrows),
      IconButton(kControlNextPage, kNextPage, L"/button-NextPage", kGroupPageArrows),
  };
  return controls;
}

std::vector<Heading> PageHeadings(int32_t page, const LanguageText& texts) {
  if (page == kBasicPage) {
    using namespace basic_layout;
    return {{&texts.key_setting, kKeyHeading},
            {&texts.report_rate_setting, kRateHeading},
            {&texts.dpi_setting, kDpiHeading},
            {&texts.dpi_effect, kDpiEffectHeading}};
  }
  using namespace advanced_layout;
  return {{&texts.mouse_speed, kSpeedHeading},
          {&texts.scrolling_speed, kScrollHeading},
          {&texts.double_click_speed, kDoubleClickHeading},
          {&texts.macro_setting, kMacroHeading},
          {&texts.select_macro, kSelectMacroHeading},
          {&texts.key_press_sequence, kSequenceHeading},
          {&texts.record_option, kRecordHeading}};
}

}  // namespace vx
