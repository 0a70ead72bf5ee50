#pragma once

#include <windows.h>

#include <string>

namespace vx {

// A function of a system library loaded at its first use instead of at the start, for a library
// the program needs now and then that brings megabytes with it (comdlg32 brings the print spooler,
// and under Wine CUPS and its TLS libraries). Loaded by its full path in the system folder, as the
// program runs elevated, and never freed: a shell extension a dialog loaded may still run its
// code. Null when the library or the function is not there.
template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const HMODULE module = LoadLibraryW((std::wstring(folder, length) + L"\\" + library).c_str());
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace vx
