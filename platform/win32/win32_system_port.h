#pragma once

#include "app/system_port.h"

namespace vx {

class Win32SystemPort : public SystemPort {
 public:
  std::wstring ModulePath() override;
  unsigned VersionMajor() override;
  unsigned VersionMinor() override;
  uint16_t DisplayLanguage() override;
  bool CreateInstanceMutex(const std::wstring& name) override;
  std::wstring ErrorText(uint32_t error) override;
  void ExitProcess(int code) override;
};

}  // namespace vx
