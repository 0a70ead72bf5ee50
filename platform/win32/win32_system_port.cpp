#include "platform/win32/win32_system_port.h"

#include <windows.h>
// windows.h first: psapi.h builds on its types.
#include <psapi.h>

#include <string>

namespace vx {

std::wstring Win32SystemPort::ModulePath() {
  wchar_t path[1024] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, 1024);
  return std::wstring(path, length);
}

// The manifest declares no compatibility, so every system from Windows 8 on reports 6.2 here.
unsigned Win32SystemPort::VersionMajor() {
  return LOBYTE(LOWORD(GetVersion()));
}
unsigned Win32SystemPort::VersionMinor() {
  return HIBYTE(LOWORD(GetVersion()));
}

uint16_t Win32SystemPort::DisplayLanguage() {
  return GetUserDefaultUILanguage();
}

bool Win32SystemPort::CreateInstanceMutex(const std::wstring& name) {
  // Kept open for the whole run: the name is what tells a second instance.
  CreateMutexW(nullptr, FALSE, name.c_str());
  return GetLastError() != ERROR_ALREADY_EXISTS;
}

std::wstring Win32SystemPort::ErrorText(uint32_t error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer != nullptr ? buffer : L"", length);
  LocalFree(buffer);
  // The system's texts end with a line break.
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
    text.pop_back();
  }
  return text;
}

// The peak working set goes to the debug trace on the way out, for the performance figures.
void Win32SystemPort::ExitProcess(int code) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) {
    const std::wstring line =
        L"peak working set " + std::to_wstring(counters.PeakWorkingSetSize / 1024) + L" KB";
    OutputDebugStringW(line.c_str());
  }
  ::ExitProcess(static_cast<UINT>(code));
}

}  // namespace vx
