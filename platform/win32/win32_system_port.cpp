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

bool Win32SystemPort::CreateInstanceMutex(const std::wstring& name) {
  // Kept open for the whole run: the name is what tells a second instance.
  CreateMutexW(nullptr, FALSE, name.c_str());
  return GetLastError() != ERROR_ALREADY_EXISTS;
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
