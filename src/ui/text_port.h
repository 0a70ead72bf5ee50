#pragma once

#include <cstdint>
#include <string>

#include "ui/canvas.h"
#include "ui/geometry.h"

namespace vx {

// A font as the program creates every font: cell height in pixels, width 0, ANSI character set,
// default precision and quality, Swiss family.
struct FontSpec {
  std::wstring face;
  int height = 0;
  int weight = 400;
  bool operator==(const FontSpec&) const = default;
};

// DrawTextW formats the program uses.
enum TextFormat : uint32_t {
  kTextCentred = 0x25,        // centred both ways, single line
  kTextCentredOverflow = 0x125,  // the same, a text wider than its box drawn whole around it
  kTextLeft = 0x24,           // left-aligned, vertically centred, single line
  kTextTopCentred = 0x21,     // centred horizontally, top-aligned, single line
  kTextRight = 0x26,          // right-aligned, vertically centred, single line
  kTextMeasureWrap = 0x2411,  // centred, word-wrapping, calculate the rectangle only
  kTextWrap = 0x2010,         // word-wrapping
  kTextCentredWrap = 0x2011,  // word-wrapping, each line centred
};

// Text drawn into a canvas on a transparent background.
class TextPort {
 public:
  virtual ~TextPort() = default;
  virtual void DrawString(Canvas& canvas, const std::wstring& text, Rect rect, uint32_t format,
                          const FontSpec& font, Rgb colour) = 0;
  // The rectangle the text needs inside rect with the given (measuring) format.
  virtual Rect MeasureText(const std::wstring& text, Rect rect, uint32_t format,
                           const FontSpec& font) = 0;
};

}  // namespace vx
