#include "ui/display_scale.h"

#include "ui/text_port.h"

namespace vx {

namespace {

// Rounds towards minus infinity, for points left of or above a window.
int FloorDivide(long long numerator, long long denominator) {
  long long quotient = numerator / denominator;
  if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) --quotient;
  return static_cast<int>(quotient);
}

}  // namespace

// floor(layout * dpi / 96 + 1/2), in integers.
int ToDevice(int layout, DisplayScale scale) {
  return FloorDivide(2LL * layout * scale.dpi + kLayoutDpi, 2LL * kLayoutDpi);
}

Point ToDevice(Point layout, DisplayScale scale) {
  return {ToDevice(layout.x, scale), ToDevice(layout.y, scale)};
}

Rect ToDevice(Rect layout, DisplayScale scale) {
  return {ToDevice(layout.left, scale), ToDevice(layout.top, scale), ToDevice(layout.right, scale),
          ToDevice(layout.bottom, scale)};
}

FontSpec ToDevice(const FontSpec& font, DisplayScale scale) {
  FontSpec device = font;
  device.height = ToDevice(font.height, scale);
  return device;
}

// The largest x with ToDevice(x) <= device: x * dpi / 96 + 1/2 < device + 1.
int ToLayout(int device, DisplayScale scale) {
  if (scale.dpi <= 0) return device;
  return FloorDivide((2LL * device + 1) * kLayoutDpi - 1, 2LL * scale.dpi);
}

Point ToLayout(Point device, DisplayScale scale) {
  return {ToLayout(device.x, scale), ToLayout(device.y, scale)};
}

Rect ToLayout(Rect device, DisplayScale scale) {
  return {ToLayout(device.left, scale), ToLayout(device.top, scale), ToLayout(device.right, scale),
          ToLayout(device.bottom, scale)};
}

int ImageFactor(DisplayScale scale) {
  return scale.dpi > kLayoutDpi ? 2 : 1;
}

}  // namespace vx
