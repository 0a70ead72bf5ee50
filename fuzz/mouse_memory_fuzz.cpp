// The virtual mouse's memory file.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "sim/mouse_memory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vx::sim;
  using vx::fuzz::Require;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const MemoryParseResult parsed = ParseMouseMemory(text, DefaultMouseMemory());
  if (!parsed.memory) {
    Require(!parsed.error.empty(), "a refused file names its fault");
    return 0;
  }
  const std::string written = MouseMemoryToText(*parsed.memory);
  const MemoryParseResult again = ParseMouseMemory(written, MouseMemory{});
  Require(again.memory == parsed.memory, "a written memory file reads back whole");
  Require(MouseMemoryToText(*again.memory) == written, "writing the memory is stable");
  return 0;
}
