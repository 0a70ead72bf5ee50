#pragma once

#include <array>
#include <cstdint>

namespace vx {

// The secrets of the scrambled link. The program and the virtual mouse both take them from here,
// so they can never drift apart.
using ScrambleKeyBytes = std::array<uint8_t, 6>;
using NibbleTable = std::array<uint8_t, 8>;

inline constexpr ScrambleKeyBytes kScrambleKey = {0x5A, 0xC3, 0x17, 0x9E, 0x42, 0xB8};
inline constexpr NibbleTable kNibbleTable = {0x3D, 0x71, 0xA4, 0x0F, 0xE2, 0x58, 0x96, 0xCB};

}  // namespace vx
