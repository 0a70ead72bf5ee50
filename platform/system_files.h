#pragma once

#include <memory>

#include "settings/file_port.h"

namespace vx {

std::unique_ptr<FilePort> CreateSystemFilePort();

}  // namespace vx
