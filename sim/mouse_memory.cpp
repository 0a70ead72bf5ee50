#include "sim/mouse_memory.h"

#include <algorithm>
#include <span>
#include <sstream>
#include <vector>

#include "common/text_format.h"

namespace vx::sim {

MouseMemory DefaultMouseMemory(uint8_t sensor_type) {
  MouseMemory memory;
  memory.rate = 0x01;
  memory.sensor = {sensor_type, 0x01, 0x00, 0x00};
  memory.effect = {0x01, 0x03, 0x02};
  memory.led = {{{0x01, 0x00, 0x00}, {0x00, 0x00, 0x00}}};
  for (size_t i = 0; i < kConfigBytes; ++i) memory.config[0][i] = static_cast<uint8_t>(0xC0 + i);
  memory.dpi = {0x04, 0x02, 0x04, 0x06, 0x08, 0x80, 0x80, 0x80, 0x80};
  return memory;
}

namespace {

// The items in file order, each a name and the bytes it stands for.
std::vector<std::pair<std::string, std::span<uint8_t>>> Items(MouseMemory& memory) {
  std::vector<std::pair<std::string, std::span<uint8_t>>> items = {
      {"rate", std::span<uint8_t>(&memory.rate, 1)},
      {"sensor", memory.sensor},
      {"effect", memory.effect},
      {"led0", memory.led[0]},
      {"led1", memory.led[1]},
      {"config0", memory.config[0]},
      {"config1", memory.config[1]},
      {"dpi", memory.dpi},
  };
  for (size_t i = 0; i < memory.matrix.size(); ++i) {
    items.emplace_back("matrix" + std::to_string(i + 1), memory.matrix[i]);
  }
  for (size_t i = 0; i < memory.macro.size(); ++i) {
    items.emplace_back("macro" + std::to_string(i + 1), memory.macro[i]);
  }
  return items;
}

std::optional<std::vector<uint8_t>> ParseSpacedHex(std::istringstream& words) {
  std::vector<uint8_t> bytes;
  std::string word;
  while (words >> word) {
    if (word.size() != 2) return std::nullopt;
    const auto byte = ParseHex(word);
    if (!byte) return std::nullopt;
    bytes.push_back((*byte)[0]);
  }
  return bytes;
}

}  // namespace

std::string MouseMemoryToText(const MouseMemory& memory) {
  MouseMemory copy = memory;
  std::string text;
  for (const auto& [name, bytes] : Items(copy)) text += name + " " + SpacedHexString(bytes) + "\n";
  return text;
}

MemoryParseResult ParseMouseMemory(std::string_view text, const MouseMemory& base) {
  MouseMemory memory = base;
  auto items = Items(memory);
  std::istringstream lines{std::string(text)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string name;
    if (!(words >> name)) continue;
    const auto item = std::find_if(items.begin(), items.end(),
                                   [&](const auto& entry) { return entry.first == name; });
    const std::string where = "line " + std::to_string(number) + ": ";
    if (item == items.end()) return {std::nullopt, where + "unknown item '" + name + "'"};
    const auto bytes = ParseSpacedHex(words);
    if (!bytes) return {std::nullopt, where + "bytes must be two hex digits each"};
    if (bytes->size() != item->second.size()) {
      return {std::nullopt, where + name + " takes " + std::to_string(item->second.size()) +
                                " bytes, not " + std::to_string(bytes->size())};
    }
    std::copy(bytes->begin(), bytes->end(), item->second.begin());
  }
  return {memory, ""};
}

}  // namespace vx::sim
