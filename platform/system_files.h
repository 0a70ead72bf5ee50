#pragma once

#include <filesystem>
#include <memory>

#include "settings/file_port.h"

namespace vx {

std::unique_ptr<FilePort> CreateSystemFilePort();

// The system file port's reading, by a path in the system's own form (for gmctl's arguments):
// the file's kind and size are checked on the open file before a byte is read, and opening
// never waits for a pipe's writer.
FileRead ReadRegularFile(const std::filesystem::path& path, uint64_t max_bytes);

}  // namespace vx
