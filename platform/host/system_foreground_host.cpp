#include "platform/system_foreground.h"

namespace vx {

namespace {

// Linux builds (tests, gmctl) have no desktop whose programs the profiles could follow.
class NoForeground : public ForegroundPort {
 public:
  std::optional<std::wstring> ForegroundProgram() override { return std::nullopt; }
};

}  // namespace

std::unique_ptr<ForegroundPort> CreateSystemForegroundPort() {
  return std::make_unique<NoForeground>();
}

}  // namespace vx
