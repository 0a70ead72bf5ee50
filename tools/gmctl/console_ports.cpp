#include "tools/gmctl/console_ports.h"

#include "common/text_format.h"

namespace vx::gmctl {

namespace {

// Message texts may end in a line break of their own.
std::string OneLine(const std::wstring& text) {
  std::string line = ToUtf8(text);
  while (!line.empty() && line.back() == '\n') line.pop_back();
  return line;
}

}  // namespace

void ConsoleMessages::ShowMessage(const std::wstring& text) {
  err_ << "gmctl: " << OneLine(text) << "\n";
}

void ConsoleMessages::ShowMessage(const std::wstring& text, const std::wstring& caption) {
  err_ << "gmctl: " << OneLine(caption) << ": " << OneLine(text) << "\n";
}

}  // namespace vx::gmctl
