#pragma once

#include <windows.h>

#include <utility>

namespace vx {

// Owns a GDI object (bitmap, font, brush, pen) and deletes it.
template <typename Handle>
class ScopedGdiObject {
 public:
  ScopedGdiObject() = default;
  explicit ScopedGdiObject(Handle handle) : handle_(handle) {}
  ~ScopedGdiObject() {
    if (handle_ != nullptr) DeleteObject(handle_);
  }
  ScopedGdiObject(ScopedGdiObject&& other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)) {}
  ScopedGdiObject& operator=(ScopedGdiObject&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  Handle handle_ = nullptr;
};

// Owns a memory device context and deletes it.
class ScopedDc {
 public:
  explicit ScopedDc(HDC dc) : dc_(dc) {}
  ~ScopedDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  ScopedDc(const ScopedDc&) = delete;
  ScopedDc& operator=(const ScopedDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// Selects an object into a context and the previous one back at the end of the scope: an object
// still selected into a context cannot be deleted.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelectObject() {
    if (ok()) SelectObject(dc_, previous_);
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

  // False when GDI refused, for example for a bitmap that is selected into another context.
  bool ok() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace vx
