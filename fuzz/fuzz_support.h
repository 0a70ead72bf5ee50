#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "common/diagnostic_port.h"
#include "common/message_port.h"
#include "common/pause_port.h"
#include "device/hid_port.h"
#include "device/link_host.h"
#include "settings/ini_document.h"
#include "settings/ini_encoding.h"

namespace vx::fuzz {

// A broken rule is a crash for libFuzzer, which then keeps the input that broke it.
inline void Require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "rule broken: %s\n", rule);
  std::abort();
}

// Text of any length where each byte is a character, the top bytes standing for characters
// that parsers trip on: wide ones, byte-order marks, lone surrogates, separators.
inline std::wstring TakeText(FuzzedDataProvider& input, size_t max_chars) {
  static constexpr std::array<wchar_t, 16> kSpecial = {
      0x4E2D, 0xFEFF, 0xFFFE, 0xD800, 0xDC00, 0xDBFF, 0xFFFD, 0x2028,
      0x00A0, 0x3000, 0x00E9, 0x0130, 0xFF3B, 0x10FFFF, 0x1F600, 0x1A};
  std::wstring text;
  for (char byte : input.ConsumeRandomLengthString(max_chars)) {
    const auto code = static_cast<uint8_t>(byte);
    text.push_back(code >= 0xF0 ? kSpecial[code - 0xF0] : static_cast<wchar_t>(code));
  }
  return text;
}

// Text that a profile file holds as a value and gives back unchanged: one line, no white space
// at its ends, no zero, no quotes around it, and no lone surrogate, which no file encoding
// keeps.
inline bool SurvivesAsValue(std::wstring_view text) {
  if (TrimIni(text).size() != text.size()) return false;
  auto unkept = [](wchar_t c) {
    return c == L'\r' || c == L'\n' || c == L'\0' || (c >= 0xD800 && c <= 0xDFFF);
  };
  if (std::any_of(text.begin(), text.end(), unkept)) return false;
  return !(text.size() >= 2 && (text[0] == L'"' || text[0] == L'\'') && text.back() == text[0]);
}

// A key also must not be read as a header or hold the '=' that ends it.
inline bool SurvivesAsKey(std::wstring_view key) {
  return !key.empty() && SurvivesAsValue(key) && key.find(L'=') == std::wstring_view::npos &&
         key[0] != L'[';
}

// A header ends at its last ']', so a section name may hold any.
inline bool SurvivesAsSection(std::wstring_view section) {
  return !section.empty() && SurvivesAsValue(section);
}

// The system would write the file back as it stands: in the same encoding, the same sections
// holding the same entries. (An ANSI file whose text starts with a byte-order mark once its
// blanks are gone turns into UTF-8 when rewritten, as with the system.)
inline bool RewritesAsItStands(std::span<const uint8_t> file) {
  const IniText text = DecodeIniText(file);
  const IniDocument document = ParseIni(text.text);
  const IniText rewritten =
      DecodeIniText(EncodeIniText({text.encoding, SerializeIni(document)}));
  const IniDocument reread = ParseIni(rewritten.text);
  auto same_section = [](const IniSection& a, const IniSection& b) {
    return a.name == b.name && a.entries.size() == b.entries.size();
  };
  return rewritten.encoding == text.encoding &&
         std::equal(document.sections.begin(), document.sections.end(), reread.sections.begin(),
                    reread.sections.end(), same_section) &&
         SerializeIni(reread) == SerializeIni(document);
}

// Bytes written into the middle of a larger array, whose guard bytes on either side must stay
// as they were.
template <size_t kGuard>
class GuardedBuffer {
 public:
  explicit GuardedBuffer(size_t size) : bytes_(size + 2 * kGuard, kFill) {
    std::fill(bytes_.begin() + kGuard, bytes_.end() - kGuard, 0);
  }
  std::span<uint8_t> inside() { return {bytes_.data() + kGuard, bytes_.size() - 2 * kGuard}; }
  bool GuardsIntact() const {
    auto is_fill = [](uint8_t b) { return b == kFill; };
    return std::all_of(bytes_.begin(), bytes_.begin() + kGuard, is_fill) &&
           std::all_of(bytes_.end() - kGuard, bytes_.end(), is_fill);
  }

 private:
  static constexpr uint8_t kFill = 0xA5;
  std::vector<uint8_t> bytes_;
};

class QuietMessages : public MessagePort {
 public:
  void ShowMessage(const std::wstring&) override { ++shown; }
  void ShowMessage(const std::wstring&, const std::wstring&) override { ++shown; }
  int shown = 0;
};

class QuietDiagnostics : public DiagnosticPort {
 public:
  void Diagnostic(const std::string&) override {}
};

class NoPause : public PausePort {
 public:
  void Pause(uint32_t) override {}
};

// Report lengths of the opened collections, as the device's capabilities gave them.
struct ReportLengths {
  uint16_t feature = 9;
  uint16_t input = 33;
  uint16_t output = 33;
};

// A HID port whose every answer comes from the fuzzer's input: failing, partial and odd-length
// reads included. It checks that each report it is handed spans the collection's length.
class ScriptedHidPort : public HidPort {
 public:
  ScriptedHidPort(FuzzedDataProvider& script, ReportLengths lengths)
      : script_(script), lengths_(lengths) {}

  std::optional<InterfaceSet> OpenInterfaceSet() override { return std::nullopt; }
  EnumStatus EnumInterface(InterfaceSet, uint32_t) override { return EnumStatus::kNoMoreItems; }
  std::optional<std::wstring> InterfacePath(InterfaceSet, uint32_t) override {
    return std::nullopt;
  }
  void CloseInterfaceSet(InterfaceSet) override {}
  HidHandle Open(const std::wstring&, OpenMode) override { return kInvalidHidHandle; }
  void Close(HidHandle) override {}
  std::optional<HidAttributes> GetAttributes(HidHandle) override { return std::nullopt; }
  std::optional<PreparsedData> GetPreparsedData(HidHandle) override { return std::nullopt; }
  uint32_t GetCaps(PreparsedData, HidCaps&) override { return kHidpStatusInvalidPreparsedData; }
  void FreePreparsedData(PreparsedData) override {}

  bool SetFeature(HidHandle, std::span<const uint8_t> report) override {
    Require(report.size() == lengths_.feature, "a feature report spans the collection's length");
    last_feature_sent.assign(report.begin(), report.end());
    return script_.ConsumeBool();
  }
  bool GetFeature(HidHandle, std::span<uint8_t> report) override {
    Require(report.size() == lengths_.feature, "a feature read spans the collection's length");
    const bool ok = script_.ConsumeBool();
    if (script_.ConsumeBool()) {
      Echo(report);
    } else {
      Answer(report);
    }
    return ok;
  }
  IoResult WriteReport(HidHandle, std::span<const uint8_t> report, uint32_t) override {
    Require(report.size() == lengths_.output, "an output report spans the collection's length");
    return {TakeStatus(), report.size()};
  }
  IoResult ReadReport(HidHandle, std::span<uint8_t> report, uint32_t) override {
    Require(report.size() == lengths_.input, "an input read spans the collection's length");
    const IoStatus status = TakeStatus();
    return {status, Answer(report)};
  }

  std::shared_ptr<WakeEvent> CreateWakeEvent() override { return nullptr; }
  bool BeginEventRead(HidHandle, size_t, WakeEvent&) override { return false; }
  IoResult PollEventRead(HidHandle, WakeEvent&, std::span<uint8_t>) override { return {}; }
  void CancelEventRead(HidHandle, WakeEvent&) override {}
  bool WaitForEventReadEnd(WakeEvent&, uint32_t) override { return true; }
  void AbandonEventRead(WakeEvent&) override {}
  uint32_t LastError() override { return 31; }

  std::vector<uint8_t> last_feature_sent;

 private:
  IoStatus TakeStatus() {
    static constexpr IoStatus kStatuses[] = {IoStatus::kDone, IoStatus::kTimedOut,
                                             IoStatus::kFailed, IoStatus::kPending};
    return script_.ConsumeBool() ? IoStatus::kDone : script_.PickValueInArray(kStatuses);
  }
  // The request sent last, as a mouse that echoes its command answers, the parameters from the
  // script: the way past the echo check to the commands after it.
  void Echo(std::span<uint8_t> report) {
    std::copy_n(last_feature_sent.begin(), std::min(report.size(), last_feature_sent.size()),
                report.begin());
    if (report.size() > 2) Answer(report.subspan(2));
  }
  // The first bytes of the report from the script (often all of them), the rest as the caller
  // left it.
  size_t Answer(std::span<uint8_t> report) {
    const size_t length = script_.ConsumeBool()
                              ? report.size()
                              : script_.ConsumeIntegralInRange<size_t>(0, report.size());
    const std::vector<uint8_t> bytes = script_.ConsumeBytes<uint8_t>(length);
    std::copy(bytes.begin(), bytes.end(), report.begin());
    return bytes.size();
  }

  FuzzedDataProvider& script_;
  ReportLengths lengths_;
};

}  // namespace vx::fuzz
