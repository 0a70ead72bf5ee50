#include "platform/temporary_names.h"

#include <chrono>
#include <cwchar>
#include <random>

namespace vx {

std::wstring FreshTemporaryName(const std::wstring& target, unsigned process_id) {
  static thread_local std::mt19937_64 generator = [process_id] {
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seed{device(), device(), process_id, static_cast<unsigned>(now),
                       static_cast<unsigned>(now >> 32)};
    return std::mt19937_64(seed);
  }();
  wchar_t suffix[32];
  std::swprintf(suffix, sizeof(suffix) / sizeof(suffix[0]), L".%016llx.tmp",
                static_cast<unsigned long long>(generator()));
  return target + suffix;
}

}  // namespace vx
