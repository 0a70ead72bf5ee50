#pragma once

#include <string>

namespace vx {

inline constexpr wchar_t kProgramFileName[] = L"Vantorelliax GM.exe";

// The three data files and the profiles' folder beside the program file.
struct DataPaths {
  std::wstring config_bin;
  std::wstring record_ini;
  std::wstring str_ini;
  std::wstring profiles;
};

// Replaces every occurrence of the program's file name in its own path. A program file of
// another name leaves the paths equal to the program's own path, as the original rule does.
DataPaths DeriveDataPaths(const std::wstring& module_path);

}  // namespace vx
