#include "app/main_controls.h"

#include "app/app_state.h"

namespace vx {

std::vector<SkinControl> MainWindowControls(const LanguageText& texts) {
  using namespace main_rects;
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
    return {{&texts.key_setting, {259, 160, 364, 181}},
            {&texts.report_rate_setting, {504, 161, 609, 182}},
            {&texts.dpi_setting, {504, 275, 609, 296}},
            {&texts.dpi_effect, {704, 275, 809, 296}}};
  }
  return {{&texts.mouse_speed, {38, 160, 143, 181}},
          {&texts.scrolling_speed, {38, 310, 143, 331}},
          {&texts.double_click_speed, {38, 460, 143, 481}},
          {&texts.macro_setting, {469, 160, 578, 181}},
          {&texts.select_macro, {457, 196, 592, 220}},
          {&texts.key_press_sequence, {591, 196, 726, 220}},
          {&texts.record_option, {725, 196, 875, 220}}};
}

}  // namespace vx
