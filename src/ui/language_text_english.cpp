// The English texts.
#include "ui/language_texts.h"

namespace vx {

const LanguageText& English() {
  static const LanguageText kText = {
      .basic_settings = L"Basic Settings",
      .advanced_settings = L"Advanced Settings",
      .ok = L"OK",
      .apply = L"Apply",
      .cancel = L"Cancel",
      .web_address = kWebAddressText,
      .tray_exit = L"Exit",
      .tray_profiles = L"Profiles",
      .tray_edit_profiles = L"Edit Profiles...",
      .tray_switch_by_program = L"Switch profiles by program",
      .tray_start_with_windows = L"Start with Windows",
      .profile_in_use = L"Profile: {}",
      .profile_unreadable = L"The profile {} cannot be used: {why}",
      .start_with_windows_failed = L"Start with Windows could not be changed: {}",
      .functions = {{L"Left Click", L"Right Click", L"Mid Click", L"Forward", L"Backward",
                     L"Triple-click", L"DPI Switch", L"RGB On/Off", L"Windows", L"Multimedia",
                     L"Fire Key", L"Single Key", L"Combo Key", L"Macro Key", L"Shift", L"Key Off"}},
      .left_key_required = L"Left key must be selected!",
      .default_keys = L"Default",
      .key_setting = L"Key Setting",
      .report_rate_setting = L"Report Rate Setting",
      .dpi_setting = L"DPI Setting",
      .dpi_effect = L"DPI Effect",
      .light_mode = L"Mode",
      .light_parameter = L"Parameter",
      .light_effect = L"Effect",
      .light_off = L"Off",
      .light_standard = L"Standard",
      .light_respiration = L"Respiration",
      .light_neon = L"Neon",
      .effect_non_display = L"Non-Disolay",
      .effect_rgb = L"RGB Effect",
      .effect_rgb_flash = L"RGB Flash",
      .effect_rgb_fixed_on = L"RGB Fixed On",
      .report_rate_1000hz = L"Switch report rate into 1000HZ",
      .report_rate_500hz = L"Switch report rate into 500HZ",
      .report_rate_250hz = L"Switch report rate into 250HZ",
      .report_rate_125hz = L"Switch report rate into 125HZ",
      .dpi_stages = {{L"Switch DPI into the first stage ", L"Switch DPI into the second stage ",
                      L"Switch DPI into the third stage ", L"Switch DPI into the fourth stage "}},
      .key_matrices = {{L"Switch to key matrix 1", L"Switch to key matrix 2",
                        L"Switch to key matrix 3", L"Switch to key matrix 4"}},
      .macro_key = L"Switch to macro key",
      .mouse_missing = L"The system did not detect the gaming mouse!",
      .mouse_found = L"The system detect the gaming mouse.",
      .mouse_not_answering =
          L"The mouse did not answer. Your settings are saved and will be sent "
          L"with the next Apply.",
      .config_damaged =
          L"The settings file config.bin was damaged, so the factory settings are "
          L"shown.",
      .damaged_file_kept = L"The damaged file is kept as {}.",
      .skin_replaced = L"The skin \"{old}\" cannot be drawn, so the skin \"{new}\" is used.",
      .program_folder_damaged =
          L"The program folder is damaged: the Skins folder holds no skin "
          L"that can be drawn. Please unpack the program again.",
      .mouse_speed = L"Mouse Speed",
      .scrolling_speed = L"Scrolling Speed",
      .double_click_speed = L"Double-Click Speed",
      .enhance_pointer_precision = L"Enhance Pointer Precision",
      .scroll_one_screen = L"Scroll One Screen",
      .default_pointer = L"Default",
      .macro_setting = L"Macro Setting",
      .select_macro = L"Select Macro",
      .key_press_sequence = L"Key Press Sequence",
      .record_option = L"Record Option",
      .macro_name = L"Macro Name",
      .start_recording = L"Start Recording",
      .stop_recording = L"Stop Recording",
      .loop_times = L"Loop Times",
      .insert_mouse_event = L"Insert A Mouse Event",
      .new_macro = L"New",
      .delete_entry = L"Delete",
      .confirm = L"Confirm",
      .macro_name_blank = L"Macro name is blank",
      .macro_name_exists = L"Macro name already exists",
      .stop_recording_hint = L"Press Ctrl+Break key to stop recording",
      .not_recording = L"It doesn’t start recording, unnecessary to press Stop key!",
      .macro_name_too_long = L"A macro name can have at most 31 characters.",
      .macro_too_long =
          L"This macro needs {} bytes, but a macro holds 126. Remove some events "
          L"and confirm again.",
      .macro_full = L"The macro is full: the recording has stopped.",
      .key_not_recordable = L"The mouse cannot play this key, so it is not recorded.",
      .key_text_section = L"Setting-EN",
  };
  return kText;
}

}  // namespace vx
