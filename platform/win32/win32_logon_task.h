#pragma once

#include <memory>

#include "app/logon_task_port.h"

namespace vx {

std::unique_ptr<LogonTaskPort> CreateWin32LogonTaskPort();

}  // namespace vx
