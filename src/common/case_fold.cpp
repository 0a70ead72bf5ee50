#include "common/case_fold.h"

namespace vx {

namespace {

bool Within(wchar_t c, wchar_t first, wchar_t last) {
  return c >= first && c <= last;
}

// Latin Extended-A pairs each capital with the small letter after it, from an even code in two
// runs and from an odd one in two others; U+0178 is the capital of ÿ.
wchar_t FoldExtendedA(wchar_t c) {
  const bool even = (c & 1) == 0;
  if (Within(c, 0x100, 0x12F) || Within(c, 0x132, 0x137) || Within(c, 0x14A, 0x177)) {
    return even ? c + 1 : c;
  }
  if (Within(c, 0x139, 0x148) || Within(c, 0x179, 0x17E)) return even ? c : c + 1;
  if (c == 0x178) return 0xFF;
  return c;
}

// The capitals with a tonos sit below the plain ones, apart from their small letters.
wchar_t FoldGreek(wchar_t c) {
  if (c == 0x386) return 0x3AC;
  if (Within(c, 0x388, 0x38A)) return c + 0x25;
  if (c == 0x38C) return 0x3CC;
  if (Within(c, 0x38E, 0x38F)) return c + 0x3F;
  if (Within(c, 0x391, 0x3AB) && c != 0x3A2) return c + 0x20;
  return c;
}

wchar_t FoldChar(wchar_t c) {
  if (Within(c, L'A', L'Z')) return c + 0x20;
  if (c < 0xC0) return c;
  if (Within(c, 0xC0, 0xDE) && c != 0xD7) return c + 0x20;
  if (Within(c, 0x100, 0x17F)) return FoldExtendedA(c);
  if (Within(c, 0x386, 0x3AB)) return FoldGreek(c);
  if (Within(c, 0x400, 0x40F)) return c + 0x50;
  if (Within(c, 0x410, 0x42F)) return c + 0x20;
  return c;
}

}  // namespace

std::wstring FoldCase(std::wstring_view text) {
  std::wstring folded(text);
  for (wchar_t& c : folded) c = FoldChar(c);
  return folded;
}

}  // namespace vx
