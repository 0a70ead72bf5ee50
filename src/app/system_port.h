#pragma once

#include <cstdint>
#include <string>

namespace vx {

// What the application asks of the operating system beside windows and files.
class SystemPort {
 public:
  virtual ~SystemPort() = default;
  // The program's own full file name.
  virtual std::wstring ModulePath() = 0;
  // Major and minor number of the legacy version query.
  virtual unsigned VersionMajor() = 0;
  virtual unsigned VersionMinor() = 0;
  // The user's display language (GetUserDefaultUILanguage's LANGID).
  virtual uint16_t DisplayLanguage() = 0;
  // Creates the named mutex; false when it already existed (another instance runs).
  virtual bool CreateInstanceMutex(const std::wstring& name) = 0;
  // The system's own explanation of one of its error codes, without a line break at the end;
  // empty when it has none.
  virtual std::wstring ErrorText(uint32_t error) = 0;
  // Ends the process at once. The headless stand-in records the code and returns.
  virtual void ExitProcess(int code) = 0;
};

}  // namespace vx
