#pragma once

#include <windows.h>

namespace vx {

// GDI+ from construction to destruction. The application holds one for its whole run; nothing
// may decode images before it starts or after it ends.
class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  bool started() const { return started_; }

 private:
  ULONG_PTR token_ = 0;
  bool started_ = false;
};

}  // namespace vx
