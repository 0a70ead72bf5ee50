#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "profiles/profile_file.h"

namespace vx::test {

inline std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

inline ProfileFileRead ReadText(const std::string& text) {
  return ReadProfileFile(Bytes(text));
}

}  // namespace vx::test
