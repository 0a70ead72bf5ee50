#pragma once

#include <cstdint>
#include <string>

#include "settings/file_saves.h"
#include "support/link_fixture.h"

namespace vx::test {

// Failed saves told at once in recorded boxes, each code explained as "error N".
struct ToldSaves {
  RecordingMessages messages;
  FailedSaves saves = FailedSaves::ShownIn(
      messages, [](uint32_t error) { return L"error " + std::to_wstring(error); });
};

}  // namespace vx::test
