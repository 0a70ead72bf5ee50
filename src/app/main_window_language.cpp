#include "app/hid_mouse_dlg.h"
#include "pages/key_text_language.h"

namespace vx {

void CHidMouseDlg::UseLanguage(const std::wstring& code) {
  language_code_ = code;
  texts_ = &LanguageTextFor(code);
  settings_.language = LanguageOfCode(code);
  fonts_ = FontsFor(code, ports_.system.VersionMajor(), ports_.system.VersionMinor());
}

// A dialog runs inside a page's handler, which a rebuilt page would pull away: that dialog comes
// to the front instead, as for a click on the icon. The record and every language's key texts
// live in the setup, not in the page, so unapplied edits stay through the rebuild.
void CHidMouseDlg::SwitchLanguage(const std::wstring& code) {
  if (const WindowHandle dialog = DialogOverMainWindow(); dialog != kNoWindow) {
    ports_.windows.BringToForeground(dialog);
    return;
  }
  if (code == language_code_) return;
  const std::wstring code_before = language_code_;
  UseLanguage(code);
  setup_files_.str_ini().SaveLanguageCode(code);
  CarryKeyTextsFrom(code_before);
  ports_.windows.SetTrayTip(window(), texts_->tray_tip);
  ports_.windows.DebugTrace(L"language " + code);
  hover_ = {};
  RebuildCurrentPage();
}

// A language the user never had shows the buttons as the last one named them, in its own words,
// rather than blank. str.ini keeps the carried texts of what was applied, not the unapplied edits.
void CHidMouseDlg::CarryKeyTextsFrom(const std::wstring& code_before) {
  if (!NoKeyTexts(settings_.current.key_texts[settings_.language])) return;
  const LanguageText& before = LanguageTextFor(code_before);
  const LanguageIndex language_before = LanguageOfCode(code_before);
  const LanguageText& now = *texts_;
  Profile& current = settings_.current;
  Profile& snapshot = settings_.snapshot;
  current.key_texts[settings_.language] =
      KeyTextsInLanguage(current.key_texts[language_before], before, now);
  snapshot.key_texts[settings_.language] =
      KeyTextsInLanguage(snapshot.key_texts[language_before], before, now);
  setup_files_.str_ini().SaveKeyTexts(kKeyTextSections[settings_.language],
                                      snapshot.key_texts[settings_.language]);
}

}  // namespace vx
