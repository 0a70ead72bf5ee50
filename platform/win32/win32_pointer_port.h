#pragma once

#include <memory>

#include "pages/pointer_port.h"

namespace vx {

std::unique_ptr<PointerPort> CreateWin32PointerPort();

}  // namespace vx
