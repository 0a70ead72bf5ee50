#include "settings/data_paths.h"

#include "common/text_format.h"

namespace vx {

DataPaths DeriveDataPaths(const std::wstring& module_path) {
  return {ReplaceEvery(module_path, kProgramFileName, L"config.bin"),
          ReplaceEvery(module_path, kProgramFileName, L"record.ini"),
          ReplaceEvery(module_path, kProgramFileName, L"str.ini"),
          ReplaceEvery(module_path, kProgramFileName, L"Profiles")};
}

}  // namespace vx
