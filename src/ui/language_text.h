#pragma once

#include <array>
#include <string>

#include "settings/str_ini.h"

namespace vx {

// The interface texts of one language, held by the main window for the program's lifetime.
struct LanguageText {
  // Main window frame and tray.
  std::wstring basic_settings;
  std::wstring advanced_settings;
  std::wstring ok;
  std::wstring apply;
  std::wstring cancel;
  std::wstring web_address;
  std::wstring tray_exit;
  std::wstring tray_tip;
  // The submenu of the languages; each is named in its own language, never translated.
  std::wstring tray_language;
  // The tray menu's profiles ("Profiles" submenu and the dialog behind "Edit Profiles..."), the
  // switching by the program in front, the start at log-on.
  std::wstring tray_profiles;
  std::wstring tray_edit_profiles;
  std::wstring tray_switch_by_program;
  std::wstring tray_start_with_windows;
  // "{}" is the profile's name, or the system's explanation.
  std::wstring profile_in_use;
  std::wstring profile_unreadable;
  std::wstring start_with_windows_failed;

  // The key page's function list, in list order (index = key type), and its warning.
  std::array<std::wstring, kFunctionCount> functions;
  std::wstring left_key_required;

  // Basic settings page.
  std::wstring default_keys;
  std::wstring key_setting;
  std::wstring report_rate_setting;
  std::wstring dpi_setting;
  std::wstring dpi_effect;
  std::wstring light_mode;
  std::wstring light_parameter;
  std::wstring light_effect;
  std::wstring light_off;
  std::wstring light_standard;
  std::wstring light_respiration;
  std::wstring light_neon;
  std::wstring effect_non_display;
  std::wstring effect_rgb;
  std::wstring effect_rgb_flash;
  std::wstring effect_rgb_fixed_on;

  // Tray balloons. A DPI stage text is followed directly by the stage's DPI value text, the
  // macro-key text by the macro's number.
  std::wstring report_rate_1000hz;
  std::wstring report_rate_500hz;
  std::wstring report_rate_250hz;
  std::wstring report_rate_125hz;
  std::array<std::wstring, 4> dpi_stages;
  std::array<std::wstring, 4> key_matrices;
  std::wstring macro_key;
  std::wstring mouse_missing;
  std::wstring mouse_found;

  // The box of an apply that the mouse stopped answering, under "Warning".
  std::wstring mouse_not_answering;

  // Start-up: a damaged config.bin ("{}" in the second text is where it is kept), a skin that
  // cannot be drawn ("{old}" and "{new}" name the skins) and a folder without any skin.
  std::wstring config_damaged;
  std::wstring damaged_file_kept;
  std::wstring skin_replaced;
  std::wstring program_folder_damaged;

  // Advanced settings page: pointer settings, macros and the recorder.
  std::wstring mouse_speed;
  std::wstring scrolling_speed;
  std::wstring double_click_speed;
  std::wstring enhance_pointer_precision;
  std::wstring scroll_one_screen;
  std::wstring default_pointer;
  std::wstring macro_setting;
  std::wstring select_macro;
  std::wstring key_press_sequence;
  std::wstring record_option;
  std::wstring macro_name;
  std::wstring start_recording;
  std::wstring stop_recording;
  std::wstring loop_times;
  std::wstring insert_mouse_event;
  std::wstring new_macro;
  std::wstring delete_entry;
  std::wstring confirm;
  std::wstring macro_name_blank;
  std::wstring macro_name_exists;
  std::wstring stop_recording_hint;
  std::wstring not_recording;
  // The macro editor's limits: a name of at most 31 characters, 126 event bytes in a macro
  // ("{}" stands for the bytes the macro needs), keys the mouse can play.
  std::wstring macro_name_too_long;
  std::wstring macro_too_long;
  std::wstring macro_full;
  std::wstring key_not_recordable;

  // The profiles dialog: headings, buttons, the mark after the active profile, the file
  // dialogs' filters, and its messages. "{}" is a profile, a program or a file; "{why}" the
  // English reason of the checks or the reader, or the system's explanation.
  std::wstring profiles_heading;
  std::wstring profiles_name;
  std::wstring profiles_programs;
  std::wstring profiles_active;
  std::wstring profiles_new;
  std::wstring profiles_rename;
  std::wstring profiles_delete;
  std::wstring profiles_import;
  std::wstring profiles_export;
  std::wstring profiles_add_program;
  std::wstring profiles_remove_program;
  std::wstring profiles_file_filter;
  std::wstring profiles_program_filter;
  std::wstring profiles_select_profile;
  std::wstring profiles_select_program;
  std::wstring profiles_name_refused;
  std::wstring profiles_name_taken;
  std::wstring profiles_active_kept;
  std::wstring profiles_delete_question;
  std::wstring profiles_program_refused;
  std::wstring profiles_program_listed;
  std::wstring profiles_import_refused;
  std::wstring profiles_replace_question;
  std::wstring profiles_read_failed;
  std::wstring profiles_save_failed;

  // Not shown: the str.ini section of the key texts.
  std::wstring key_text_section;
};

// "CHS" Simplified Chinese, "CHT" Traditional Chinese, compared whole and case-sensitively;
// anything else English.
const LanguageText& LanguageTextFor(const std::wstring& language_code);

}  // namespace vx
