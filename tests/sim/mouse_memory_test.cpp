#include "sim/mouse_memory.h"

#include <gtest/gtest.h>

namespace vx::sim {
namespace {

TEST(MouseMemoryText, WritesOneLineOfSpacedLowercaseHexPerItem) {
  MouseMemory memory{};
  memory.rate = 0x08;
  memory.sensor = {0x00, 0x01, 0xAB, 0x40};
  memory.matrix[3][63] = 0xFE;
  const std::string text = MouseMemoryToText(memory);
  EXPECT_EQ(text.substr(0, text.find("effect")), "rate 08\nsensor 00 01 ab 40\n");
  EXPECT_NE(text.find("\nled0 00 00 00\nled1 00 00 00\nconfig0 00"), std::string::npos);
  EXPECT_NE(text.find("\ndpi 00 00 00 00 00 00 00 00 00\nmatrix1 "), std::string::npos);
  EXPECT_NE(text.find(" fe\nmacro1 "), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 10), " 00 00 00\n");
  int lines = 0;
  for (char c : text) lines += c == '\n';
  EXPECT_EQ(lines, 1 + 1 + 1 + 2 + 2 + 1 + 4 + 12);
}

TEST(MouseMemoryText, RoundTripsEveryItem) {
  MouseMemory memory = DefaultMouseMemory(3);
  for (size_t i = 0; i < memory.macro.size(); ++i) memory.macro[i][i] = uint8_t(i + 1);
  memory.matrix[0] = {1, 2, 3};
  const MemoryParseResult parsed = ParseMouseMemory(MouseMemoryToText(memory), MouseMemory{});
  ASSERT_TRUE(parsed.memory) << parsed.error;
  EXPECT_EQ(*parsed.memory, memory);
}

TEST(MouseMemoryText, KeepsUnnamedItemsAndNamesTheLineAtFault) {
  const MouseMemory base = DefaultMouseMemory();
  const auto partial = ParseMouseMemory("rate 02\r\n\nled1 0a 0b 0c\n", base);
  ASSERT_TRUE(partial.memory);
  EXPECT_EQ(partial.memory->rate, 2);
  EXPECT_EQ(partial.memory->led[1], (std::array<uint8_t, 3>{10, 11, 12}));
  EXPECT_EQ(partial.memory->config, base.config);

  const std::pair<const char*, const char*> bad[] = {
      {"rate 01\nwheel 00\n", "line 2: unknown item 'wheel'"},
      {"sensor 00 01 02\n", "line 1: sensor takes 4 bytes, not 3"},
      {"rate 1\n", "line 1: bytes must be two hex digits each"},
      {"rate zz\n", "line 1: bytes must be two hex digits each"},
  };
  for (const auto& [text, error] : bad) {
    const auto result = ParseMouseMemory(text, base);
    EXPECT_FALSE(result.memory);
    EXPECT_EQ(result.error, error);
  }
}

}  // namespace
}  // namespace vx::sim
