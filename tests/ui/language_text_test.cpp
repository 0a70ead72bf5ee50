#include "ui/language_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vx {
namespace {

constexpr size_t kEntryCount = 121;
// A member added without a line in AllEntries fails here.
static_assert(sizeof(LanguageText) == kEntryCount * sizeof(std::wstring));

struct NamedText {
  std::string name;
  const std::wstring* text;
};

std::vector<NamedText> AllEntries(const LanguageText& t) {
  // clang-format off
  std::vector<NamedText> entries = {
      {"basic_settings", &t.basic_settings}, {"advanced_settings", &t.advanced_settings},
      {"ok", &t.ok}, {"apply", &t.apply}, {"cancel", &t.cancel}, {"web_address", &t.web_address},
      {"tray_exit", &t.tray_exit}, {"tray_tip", &t.tray_tip},
      {"tray_language", &t.tray_language}, {"tray_profiles", &t.tray_profiles},
      {"tray_edit_profiles", &t.tray_edit_profiles},
      {"tray_switch_by_program", &t.tray_switch_by_program},
      {"tray_start_with_windows", &t.tray_start_with_windows},
      {"profile_in_use", &t.profile_in_use}, {"profile_unreadable", &t.profile_unreadable},
      {"start_with_windows_failed", &t.start_with_windows_failed},
      {"left_key_required", &t.left_key_required},
      {"default_keys", &t.default_keys}, {"key_setting", &t.key_setting},
      {"report_rate_setting", &t.report_rate_setting}, {"dpi_setting", &t.dpi_setting},
      {"dpi_effect", &t.dpi_effect}, {"light_mode", &t.light_mode},
      {"light_parameter", &t.light_parameter}, {"light_effect", &t.light_effect},
      {"light_off", &t.light_off}, {"light_standard", &t.light_standard},
      {"light_respiration", &t.light_respiration}, {"light_neon", &t.light_neon},
      {"effect_non_display", &t.effect_non_display}, {"effect_rgb", &t.effect_rgb},
      {"effect_rgb_flash", &t.effect_rgb_flash}, {"effect_rgb_fixed_on", &t.effect_rgb_fixed_on},
      {"report_rate_1000hz", &t.report_rate_1000hz}, {"report_rate_500hz", &t.report_rate_500hz},
      {"report_rate_250hz", &t.report_rate_250hz}, {"report_rate_125hz", &t.report_rate_125hz},
      {"macro_key", &t.macro_key}, {"mouse_missing", &t.mouse_missing},
      {"mouse_found", &t.mouse_found}, {"mouse_not_answering", &t.mouse_not_answering},
      {"config_damaged", &t.config_damaged}, {"damaged_file_kept", &t.damaged_file_kept},
      {"skin_replaced", &t.skin_replaced},
      {"program_folder_damaged", &t.program_folder_damaged},
      {"mouse_speed", &t.mouse_speed},
      {"scrolling_speed", &t.scrolling_speed}, {"double_click_speed", &t.double_click_speed},
      {"enhance_pointer_precision", &t.enhance_pointer_precision},
      {"scroll_one_screen", &t.scroll_one_screen}, {"default_pointer", &t.default_pointer},
      {"macro_setting", &t.macro_setting}, {"select_macro", &t.select_macro},
      {"key_press_sequence", &t.key_press_sequence}, {"record_option", &t.record_option},
      {"macro_name", &t.macro_name}, {"start_recording", &t.start_recording},
      {"stop_recording", &t.stop_recording}, {"loop_times", &t.loop_times},
      {"insert_mouse_event", &t.insert_mouse_event}, {"new_macro", &t.new_macro},
      {"delete_entry", &t.delete_entry}, {"confirm", &t.confirm},
      {"macro_name_blank", &t.macro_name_blank}, {"macro_name_exists", &t.macro_name_exists},
      {"stop_recording_hint", &t.stop_recording_hint}, {"not_recording", &t.not_recording},
      {"macro_name_too_long", &t.macro_name_too_long}, {"macro_too_long", &t.macro_too_long},
      {"macro_full", &t.macro_full}, {"key_not_recordable", &t.key_not_recordable},
      {"profiles_heading", &t.profiles_heading}, {"profiles_name", &t.profiles_name},
      {"profiles_programs", &t.profiles_programs}, {"profiles_active", &t.profiles_active},
      {"profiles_new", &t.profiles_new}, {"profiles_rename", &t.profiles_rename},
      {"profiles_delete", &t.profiles_delete}, {"profiles_import", &t.profiles_import},
      {"profiles_export", &t.profiles_export}, {"profiles_add_program", &t.profiles_add_program},
      {"profiles_remove_program", &t.profiles_remove_program},
      {"profiles_file_filter", &t.profiles_file_filter},
      {"profiles_program_filter", &t.profiles_program_filter},
      {"profiles_select_profile", &t.profiles_select_profile},
      {"profiles_select_program", &t.profiles_select_program},
      {"profiles_name_refused", &t.profiles_name_refused},
      {"profiles_name_taken", &t.profiles_name_taken},
      {"profiles_active_kept", &t.profiles_active_kept},
      {"profiles_delete_question", &t.profiles_delete_question},
      {"profiles_program_refused", &t.profiles_program_refused},
      {"profiles_program_listed", &t.profiles_program_listed},
      {"profiles_import_refused", &t.profiles_import_refused},
      {"profiles_replace_question", &t.profiles_replace_question},
      {"profiles_read_failed", &t.profiles_read_failed},
      {"profiles_save_failed", &t.profiles_save_failed},
      {"key_text_section", &t.key_text_section},
  };
  // clang-format on
  for (size_t i = 0; i < t.functions.size(); ++i) {
    entries.push_back({"functions[" + std::to_string(i) + "]", &t.functions[i]});
  }
  for (size_t i = 0; i < 4; ++i) {
    entries.push_back({"dpi_stages[" + std::to_string(i) + "]", &t.dpi_stages[i]});
    entries.push_back({"key_matrices[" + std::to_string(i) + "]", &t.key_matrices[i]});
  }
  return entries;
}

const std::wstring& Entry(const LanguageText& texts, const std::string& name) {
  for (const NamedText& entry : AllEntries(texts)) {
    if (entry.name == name) return *entry.text;
  }
  ADD_FAILURE() << "no entry " << name;
  static const std::wstring kNone;
  return kNone;
}

TEST(LanguageText, EveryEntryIsListedOnce) {
  std::set<const std::wstring*> texts;
  for (const NamedText& entry : AllEntries(LanguageTextFor(L""))) texts.insert(entry.text);
  EXPECT_EQ(texts.size(), kEntryCount);
}

TEST(LanguageText, ChineseSetsHoldTheTellingRows) {
  struct Row {
    std::string entry;
    std::wstring english, simplified, traditional;
  };
  const std::vector<Row> rows = {
      {"basic_settings", L"Basic Settings", L"基本设置", L"基本設置"},
      {"tray_tip", L"Gaming Mouse Setting", L"游戏鼠标设置", L"遊戲滑鼠設置"},
      {"functions[5]", L"Triple-click", L"三连发", L"三連發"},
      {"functions[12]", L"Combo Key", L"组合键", L"複合鍵"},
      {"functions[13]", L"Macro Key", L"宏", L"巨集"},
      {"left_key_required", L"Left key must be selected!", L"左键功能必须选择！",
       L"左鍵功能必須選擇！"},
      {"default_keys", L"Default", L"按键恢复", L"按鍵恢復"},
      {"default_pointer", L"Default", L"恢复默认", L"恢復默認"},
      {"light_off", L"Off", L"关闭模式", L"關閉模式"},
      {"effect_non_display", L"Non-Disolay", L"关闭", L"關閉"},
      {"dpi_stages[0]", L"Switch DPI into the first stage ", L"DPI切换到第一段",
       L"DPI切換到第一段"},
      {"macro_key", L"Switch to macro key", L"切换到宏", L"切換到巨集"},
      {"mouse_missing", L"The system did not detect the gaming mouse!", L"系统没有检测到游戏鼠标！",
       L"系統沒有檢測到遊戲滑鼠！"},
      {"mouse_not_answering",
       L"The mouse did not answer. Your settings are saved and will be sent with the next Apply.",
       L"鼠标没有响应。您的设置已保存，将在下次“应用”时发送。",
       L"滑鼠沒有回應。您的設置已保存，將在下次「套用」時發送。"},
      {"not_recording", L"It doesn’t start recording, unnecessary to press Stop key!",
       L"没有开始录制,点击停止录制按钮没有意义！", L"沒有開始錄製，點擊停止錄製按鈕沒有意義！"},
      {"key_matrices[2]", L"Switch to key matrix 3", L"切换到按键组3", L"切換到按鍵群組3"},
      {"key_matrices[3]", L"Switch to key matrix 4", L"切换到按键组4", L"切換到按鍵群組4"},
      {"functions[8]", L"Windows", L"Windows", L"Windows"},
      {"functions[14]", L"Shift", L"Shift", L"Shift"},
      {"web_address", L"www.vantorelliax.com", L"www.vantorelliax.com", L"www.vantorelliax.com"},
      {"key_text_section", L"Setting-EN", L"Setting-CHS", L"Setting-CHT"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.entry);
    EXPECT_EQ(Entry(LanguageTextFor(L"EN"), row.entry), row.english);
    EXPECT_EQ(Entry(LanguageTextFor(L"CHS"), row.entry), row.simplified);
    EXPECT_EQ(Entry(LanguageTextFor(L"CHT"), row.entry), row.traditional);
  }
}

TEST(LanguageText, ChineseSetsTranslateEveryEntryButTheUnchangedOnes) {
  const std::set<std::string> unchanged = {"functions[8]", "functions[14]", "web_address"};
  const std::vector<NamedText> english = AllEntries(LanguageTextFor(L""));
  for (const wchar_t* code : {L"CHS", L"CHT"}) {
    const std::vector<NamedText> chinese = AllEntries(LanguageTextFor(code));
    for (size_t i = 0; i < english.size(); ++i) {
      SCOPED_TRACE(english[i].name);
      EXPECT_FALSE(english[i].text->empty());
      EXPECT_FALSE(chinese[i].text->empty());
      EXPECT_EQ(*chinese[i].text == *english[i].text, unchanged.count(english[i].name) == 1);
    }
  }
}

TEST(LanguageText, FunctionListFeedsTheDefaultKeyTexts) {
  EXPECT_EQ(DefaultKeyTexts(LanguageTextFor(L"CHT").functions)[8], L"複合鍵-left Win+D");
}

TEST(LanguageText, OnlyTheExactCodesSelectChinese) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"CHS", L"Setting-CHS"}, {L"CHT", L"Setting-CHT"},
      {L"chs", L"Setting-EN"},  {L"cht", L"Setting-EN"},
      {L"CHT ", L"Setting-EN"}, {L" CHS", L"Setting-EN"},
      {L"CHSS", L"Setting-EN"}, {L"EN", L"Setting-EN"},
      {L"", L"Setting-EN"},     {std::wstring(L"CHS\0", 4), L"Setting-EN"},
  };
  for (const auto& [code, section] : cases) {
    EXPECT_EQ(LanguageTextFor(code).key_text_section, section) << code.size();
  }
  EXPECT_EQ(LanguageTextFor(L"cht").basic_settings, L"Basic Settings");
}

// A translation that loses "{}" or "{old}" would show the user a sentence without its file or
// skin name.
std::multiset<std::wstring> Placeholders(const std::wstring& text) {
  std::multiset<std::wstring> found;
  for (size_t open = text.find(L'{'); open != std::wstring::npos;
       open = text.find(L'{', open + 1)) {
    const size_t close = text.find(L'}', open);
    if (close != std::wstring::npos) found.insert(text.substr(open, close - open + 1));
  }
  return found;
}

TEST(LanguageText, TranslationsKeepTheirPlaceholders) {
  const std::vector<NamedText> english = AllEntries(LanguageTextFor(L""));
  for (const wchar_t* code : {L"CHS", L"CHT"}) {
    const std::vector<NamedText> chinese = AllEntries(LanguageTextFor(code));
    for (size_t i = 0; i < english.size(); ++i) {
      EXPECT_EQ(Placeholders(*chinese[i].text), Placeholders(*english[i].text)) << english[i].name;
    }
  }
}

}  // namespace
}  // namespace vx
