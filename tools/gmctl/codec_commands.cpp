#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/text_format.h"
#include "device/report_codec.h"
#include "tools/gmctl/commands.h"

namespace vx::gmctl {

namespace {

// The argument as exactly `bytes` bytes of hex, or nullopt after a usage message.
std::optional<std::vector<uint8_t>> HexArgument(const std::string& text, size_t bytes,
                                                const char* what, std::ostream& err) {
  const auto parsed = ParseHex(text);
  if (!parsed || parsed->size() != bytes) {
    UsageError(err, std::string(what) + " must be " + std::to_string(bytes * 2) +
                        " hex digits, not '" + text + "'");
    return std::nullopt;
  }
  return parsed;
}

using Transform = void (*)(std::span<uint8_t, 8>, const KeyBlock&, const NibbleTable&);

int RunTransform(Args args, std::ostream& out, std::ostream& err, Transform transform) {
  if (args.size() != 3) return UsageError(err, "expected KEY TABLE BYTES");
  const auto key = HexArgument(args[0], 6, "KEY", err);
  if (!key) return kExitUsage;
  const auto table = HexArgument(args[1], 8, "TABLE", err);
  if (!table) return kExitUsage;
  auto bytes = HexArgument(args[2], 8, "BYTES", err);
  if (!bytes) return kExitUsage;
  ScrambleKeyBytes key_bytes;
  std::copy(key->begin(), key->end(), key_bytes.begin());
  NibbleTable nibble_table;
  std::copy(table->begin(), table->end(), nibble_table.begin());
  transform(std::span<uint8_t, 8>(bytes->data(), 8), MakeKeyBlock(key_bytes), nibble_table);
  out << HexString(*bytes) << "\n";
  return kExitOk;
}

}  // namespace

int RunFrame(Args args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError(err, "expected HEADER (16 hex digits)");
  const auto header_bytes = HexArgument(args[0], 8, "HEADER", err);
  if (!header_bytes) return kExitUsage;
  CommandHeader header;
  std::copy(header_bytes->begin(), header_bytes->end(), header.begin());
  out << HexString(FramePlainReport(header)) << "\n";
  return kExitOk;
}

int RunScramble(Args args, std::ostream& out, std::ostream& err) {
  return RunTransform(args, out, err, ScrambleReport);
}

int RunUnscramble(Args args, std::ostream& out, std::ostream& err) {
  return RunTransform(args, out, err, UnscrambleReport);
}

}  // namespace vx::gmctl
