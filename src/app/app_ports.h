#pragma once

#include "app/logon_task_port.h"
#include "app/system_port.h"
#include "common/clock_port.h"
#include "common/pause_port.h"
#include "device/hid_port.h"
#include "pages/pointer_port.h"
#include "profiles/foreground_port.h"
#include "settings/file_port.h"
#include "settings/profile_store.h"
#include "ui/image_port.h"
#include "ui/window_system.h"

namespace vx {

// Everything outside the program that the main window reaches.
struct AppPorts {
  WindowSystem& windows;
  HidPort& hid;
  FilePort& files;
  ProfileStore& profile;
  PausePort& pause;
  ImagePort& images;
  SystemPort& system;
  PointerPort& pointer;
  ClockPort& clock;
  ForegroundPort& foreground;
  LogonTaskPort& logon_task;
};

}  // namespace vx
