#include "platform/win32/gdiplus_session.h"

// GDI+'s headers need windows.h and then objidl.h before them.
#include <objidl.h>

#include <gdiplus.h>

namespace vx {

GdiplusSession::GdiplusSession() {
  const Gdiplus::GdiplusStartupInput input;
  started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
}

GdiplusSession::~GdiplusSession() {
  if (started_) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace vx
