#include <windows.h>

#include <string_view>
#include <vector>

#include "platform/system_foreground.h"

namespace vx {

namespace {

// An image path may be as long as the system's longest path.
constexpr DWORD kLongestPath = 32768;

class Win32ForegroundPort : public ForegroundPort {
 public:
  std::optional<std::wstring> ForegroundProgram() override {
    const HWND window = GetForegroundWindow();
    if (window == nullptr) return std::nullopt;
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    // The limited right is granted for other users' and elevated processes too.
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
    if (process == nullptr) return std::nullopt;
    DWORD length = kLongestPath;
    const BOOL named = QueryFullProcessImageNameW(process, 0, path_.data(), &length);
    CloseHandle(process);
    if (!named) return std::nullopt;
    const std::wstring_view path(path_.data(), length);
    return std::wstring(path.substr(path.find_last_of(L'\\') + 1));
  }

 private:
  std::vector<wchar_t> path_ = std::vector<wchar_t>(kLongestPath);
};

}  // namespace

std::unique_ptr<ForegroundPort> CreateSystemForegroundPort() {
  return std::make_unique<Win32ForegroundPort>();
}

}  // namespace vx
