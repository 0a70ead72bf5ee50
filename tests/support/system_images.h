#pragma once

#include <memory>

#include "platform/system_drawing.h"
#ifdef _WIN32
#include "platform/win32/gdiplus_session.h"
#endif

namespace vx::test {

// The system's image port, with GDI+ running for as long as it lives where GDI+ decodes.
class SystemImages {
 public:
  ImagePort& port() { return *port_; }

 private:
#ifdef _WIN32
  GdiplusSession gdiplus_;
#endif
  std::unique_ptr<ImagePort> port_ = CreateSystemImagePort();
};

}  // namespace vx::test
