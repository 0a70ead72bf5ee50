#include "device/device_link.h"

#include "device/device_identity.h"
#include "device/handshake.h"

namespace vx {

DeviceLink::DeviceLink(const DeviceLinkPorts& ports, LinkState& link, DeviceImage& image)
    : ports_(ports),
      link_(link),
      transport_(ports.hid, link, ports.pause, ports.diagnostics),
      discovery_(ports.hid, link, ports.messages, ports.diagnostics),
      commands_(transport_, image, link, ports.pause, ports.diagnostics),
      reader_(ports.hid, link, ports.host) {}

void DeviceLink::Handshake() {
  vx::Handshake(transport_, link_, ports_.host);
}

bool DeviceLink::OpenAndVerify() {
  if (!OpenDevice()) return false;
  Handshake();
  return true;
}

bool DeviceLink::Connect() {
  if (!OpenAndVerify()) {
    ports_.host.Notify(kNotifyMouseMissing, 0);
    link_.device_ready.store(0);
  }
  return link_.DeviceReady();
}

bool DeviceLink::StartUp() {
  Connect();
  link_.wake = ports_.hid.CreateWakeEvent();
  if (!link_.wake) {
    ports_.messages.ShowMessage(L"CreateEvent failed.");
    return false;
  }
  reader_.Start(link_.DeviceReady());
  return true;
}

bool IsMouseInterfaceBroadcast(const DeviceBroadcast& broadcast) {
  if (broadcast.device_type != kDeviceTypeInterface) return false;
  return broadcast.name.find(kDeviceNameMatch) != std::wstring::npos ||
         broadcast.name.find(kDeviceNameMatchUpper) != std::wstring::npos;
}

bool DeviceLink::OnDeviceChange(uint32_t event_type, const DeviceBroadcast* broadcast) {
  if (broadcast == nullptr || !IsMouseInterfaceBroadcast(*broadcast)) return true;
  if (event_type == kDeviceArrival) OnArrival();
  if (event_type == kDeviceRemoveComplete) OnRemoval();
  return true;
}

bool DeviceLink::ReopenOrHide() {
  if (OpenAndVerify()) return true;
  ports_.host.Notify(kNotifyMouseMissing, 0);
  ports_.host.HideMainWindow();
  link_.device_ready.store(0);
  return false;
}

void DeviceLink::OnArrival() {
  if (!ReopenOrHide() || !link_.DeviceReady()) return;
  commands_.RefreshSensorBlock();
  reader_.Release();
}

// The mouse may still be reachable through another of its interfaces.
void DeviceLink::OnRemoval() {
  ReopenOrHide();
}

void DeviceLink::Shutdown() {
  discovery_.CloseHandles();
  link_.wake.reset();
}

}  // namespace vx
