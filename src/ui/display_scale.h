#pragma once

#include "ui/geometry.h"

namespace vx {

struct FontSpec;

// The dots per inch of the 100 % layout, in which every rectangle of the program is written.
inline constexpr int kLayoutDpi = 96;

// One window's scale: its dots per inch.
struct DisplayScale {
  int dpi = kLayoutDpi;
  bool operator==(const DisplayScale&) const = default;
};

// A layout coordinate or length in device pixels: nearest, halves away from the origin's left.
int ToDevice(int layout, DisplayScale scale);
Point ToDevice(Point layout, DisplayScale scale);
// Edge by edge, so rectangles that touch in the layout touch on the screen too.
Rect ToDevice(Rect layout, DisplayScale scale);
// The cell height scaled; face and weight stay.
FontSpec ToDevice(const FontSpec& font, DisplayScale scale);

// The layout pixel whose device pixels hold the device pixel: the exact inverse of ToDevice for
// every scale from 100 % up, so a hit test in layout units agrees with the drawn rectangle.
int ToLayout(int device, DisplayScale scale);
Point ToLayout(Point device, DisplayScale scale);
Rect ToLayout(Rect device, DisplayScale scale);

// The skin images drawn for the scale: 1 (name.png) at 100 % and below, else 2 (name@2x.png).
int ImageFactor(DisplayScale scale);

}  // namespace vx
