#include "app/app_links.h"

#include "common/text_format.h"

namespace vx {

std::wstring MessageTraceLine(const std::wstring& caption, const std::wstring& text) {
  return L"message " + caption + L": " + text;
}

void AppMessages::ShowMessage(const std::wstring& text) {
  ShowMessage(text, kApplicationTitle);
}

void AppMessages::ShowMessage(const std::wstring& text, const std::wstring& caption) {
  windows_.DebugTrace(MessageTraceLine(caption, text));
  windows_.ShowMessageBox(owner_, text, caption, kBoxOk);
}

void AppDiagnostics::Diagnostic(const std::string& line) {
  windows_.DebugTrace(L"diagnostic " + Widen(line));
}

void AppLinkHost::Notify(uint32_t code, uint32_t value) {
  windows_.SendToWindow(window_, kMsgMouseNotify, code, static_cast<intptr_t>(value));
}

void AppLinkHost::HideMainWindow() {
  if (hide_) hide_();
}

}  // namespace vx
