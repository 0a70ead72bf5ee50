#pragma once

#include <cstdint>
#include <string>

#include "common/diagnostic_port.h"
#include "common/message_port.h"
#include "common/pause_port.h"
#include "device/device_broadcast.h"
#include "device/device_commands.h"
#include "device/device_image.h"
#include "device/discovery.h"
#include "device/event_reader.h"
#include "device/hid_port.h"
#include "device/link_host.h"
#include "device/link_state.h"
#include "device/transport.h"

namespace vx {

struct DeviceLinkPorts {
  HidPort& hid;
  LinkHost& host;
  MessagePort& messages;
  DiagnosticPort& diagnostics;
  PausePort& pause;
};

// The device link as the main window uses it: start-up, device changes, shutdown, and the
// transport and commands for everything else.
class DeviceLink {
 public:
  DeviceLink(const DeviceLinkPorts& ports, LinkState& link, DeviceImage& image);

  bool OpenDevice() { return discovery_.OpenDevice(); }
  void Handshake();
  // Opens and verifies the mouse, or reports it missing; true when it is ready.
  bool Connect();

  // Opens and verifies the mouse, creates the wake event and the reader thread (running only when
  // the mouse is ready). False after the "CreateEvent failed." message.
  bool StartUp();

  // Always true, as the window procedure returns it.
  bool OnDeviceChange(uint32_t event_type, const DeviceBroadcast* broadcast);

  // Closes the device handles and the wake event; the reader thread is left to the process exit.
  void Shutdown();

  Transport& transport() { return transport_; }
  DeviceCommands& commands() { return commands_; }
  EventReader& reader() { return reader_; }

 private:
  bool OpenAndVerify();
  void OnArrival();
  void OnRemoval();
  // Re-opens and verifies the mouse; when it cannot be opened, reports it missing and hides.
  bool ReopenOrHide();

  DeviceLinkPorts ports_;
  LinkState& link_;
  Transport transport_;
  DeviceDiscovery discovery_;
  DeviceCommands commands_;
  EventReader reader_;
};

// True when the broadcast names an interface of the mouse.
bool IsMouseInterfaceBroadcast(const DeviceBroadcast& broadcast);

}  // namespace vx
