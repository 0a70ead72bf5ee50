#include "platform/win32/gdi_font.h"

namespace vx {

ScopedGdiObject<HFONT> CreateProgramFont(const FontSpec& spec) {
  constexpr DWORD kAnsiCharset = 0;
  constexpr DWORD kSwissVariablePitch = 0x20;
  // A positive height asks for the cell height, not the character height.
  return ScopedGdiObject<HFONT>(CreateFontW(
      spec.height, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE, kAnsiCharset, OUT_DEFAULT_PRECIS,
      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, kSwissVariablePitch, spec.face.c_str()));
}

HFONT GdiFontCache::Get(const FontSpec& spec) {
  for (const auto& [known, font] : fonts_) {
    if (known == spec) return font.get();
  }
  ScopedGdiObject<HFONT> font = CreateProgramFont(spec);
  if (!font) return nullptr;
  fonts_.emplace_back(spec, std::move(font));
  return fonts_.back().second.get();
}

}  // namespace vx
