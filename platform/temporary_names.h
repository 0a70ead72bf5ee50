#pragma once

#include <string>

namespace vx {

// How many fresh names a save tries before it gives the error up.
inline constexpr int kTemporaryNameAttempts = 100;

// The name of the temporary copy a save writes beside target before the copy takes its place:
// "<target>.<16 hex digits>.tmp", a name nobody else picks, so nothing left behind by an earlier
// run (a file, a folder or a link) stands in the way. Each thread draws from its own generator,
// seeded by the system's randomness, the process and the time.
std::wstring FreshTemporaryName(const std::wstring& target, unsigned process_id);

}  // namespace vx
