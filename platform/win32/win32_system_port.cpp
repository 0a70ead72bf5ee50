#include "platform/win32/win32_system_port.h"

#include <windows.h>

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

void Win32SystemPort::ExitProcess(int code) {
  ::ExitProcess(static_cast<UINT>(code));
}

}  // namespace vx
