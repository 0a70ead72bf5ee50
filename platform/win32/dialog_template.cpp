#include "platform/win32/dialog_template.h"

#include <string_view>

namespace vx {

namespace {

void AppendString(std::vector<WORD>& words, std::wstring_view text) {
  for (wchar_t c : text) words.push_back(static_cast<WORD>(c));
  words.push_back(0);
}

void AppendDword(std::vector<WORD>& words, DWORD value) {
  words.push_back(LOWORD(value));
  words.push_back(HIWORD(value));
}

}  // namespace

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& templ) {
  DWORD style = WS_POPUP | WS_CLIPCHILDREN | DS_SETFONT;
  short width = 200, height = 150;
  if (templ.main_window) {
    style |= WS_VISIBLE | DS_CENTER;
    width = 450;
    height = 325;
  } else {
    // Not DS_CONTROL, a style for child dialogs: with it the dialog manager would send Enter and
    // Esc to the owner dialog, and the system would drop the border.
    style |= DS_SETFOREGROUND | (templ.thin_border ? WS_BORDER : 0);
  }
  std::vector<WORD> words;
  AppendDword(words, style);
  AppendDword(words, 0);  // extended style
  words.push_back(0);     // no controls
  words.push_back(0);     // x
  words.push_back(0);     // y
  words.push_back(static_cast<WORD>(width));
  words.push_back(static_cast<WORD>(height));
  words.push_back(0);  // no menu
  if (templ.main_window) {
    AppendString(words, kMainWindowClass);
  } else {
    words.push_back(0);  // the system dialog class
  }
  words.push_back(0);   // empty caption
  words.push_back(12);  // font size in points
  AppendString(words, L"宋体");
  return words;
}

}  // namespace vx
