#pragma once

#include <cstdint>

namespace vx {

// Fixed pacing between device commands. Real waits on the target; recorded in tests so that
// pacing can be asserted without waiting.
class PausePort {
 public:
  virtual ~PausePort() = default;
  virtual void Pause(uint32_t milliseconds) = 0;
  // Brackets a run of many short pauses, for a platform that must raise its timer resolution
  // to keep them short.
  virtual void BeginPacing() {}
  virtual void EndPacing() {}
};

class PacingScope {
 public:
  explicit PacingScope(PausePort& pause) : pause_(pause) { pause_.BeginPacing(); }
  ~PacingScope() { pause_.EndPacing(); }
  PacingScope(const PacingScope&) = delete;
  PacingScope& operator=(const PacingScope&) = delete;

 private:
  PausePort& pause_;
};

}  // namespace vx
