#pragma once

#include <string>

namespace vx::skingen {

// Each returns the path of the first file it could not write, or an empty string.
std::string WriteSkins(const std::string& out_dir);
std::string WritePreviews(const std::string& out_dir);

}  // namespace vx::skingen
