// Profile file bytes through the encodings and the INI document.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "settings/ini_document.h"
#include "settings/ini_encoding.h"

namespace vx::fuzz {
namespace {

std::wstring Rewritten(std::wstring_view text) {
  return SerializeIni(ParseIni(text));
}

}  // namespace
}  // namespace vx::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vx;
  using vx::fuzz::Require;
  const IniText decoded = DecodeIniText({data, size});
  const std::vector<uint8_t> encoded = EncodeIniText(decoded);
  const IniText again = DecodeIniText(encoded);
  Require(again.encoding == decoded.encoding, "a rewritten file keeps its encoding");
  Require(again.text == decoded.text, "a rewritten file reads back as the same text");
  Require(EncodeIniText(again) == encoded, "decode then encode is stable");

  const IniDocument document = ParseIni(decoded.text);
  Require(!document.sections.empty() && document.sections[0].name.empty(),
          "a document starts with the nameless section");
  // As with the system, a first rewrite may drop what no call can reach (names cut at a zero,
  // nameless headers); the file it writes then stays as it is.
  const std::wstring twice = vx::fuzz::Rewritten(vx::fuzz::Rewritten(decoded.text));
  Require(vx::fuzz::Rewritten(twice) == twice, "a rewritten document reads back as written");
  return 0;
}
