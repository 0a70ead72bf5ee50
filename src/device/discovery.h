#pragma once

#include "common/diagnostic_port.h"
#include "common/message_port.h"
#include "device/hid_port.h"
#include "device/link_state.h"

namespace vx {

// Finds the mouse among the present HID interfaces and opens its collections.
class DeviceDiscovery {
 public:
  DeviceDiscovery(HidPort& port, LinkState& link, MessagePort& messages,
                  DiagnosticPort& diagnostics)
      : port_(port), link_(link), messages_(messages), diagnostics_(diagnostics) {}

  // True once the vendor collection is open. The event collection is opened on the way only when
  // the system lists it before the vendor collection.
  bool OpenDevice();

  // Closes every handle of an earlier opening.
  void CloseHandles();

 private:
  enum class Step { kNext, kFound, kFail };

  void CloseEventHandle();

  Step ExamineInterface(InterfaceSet set, uint32_t index);
  Step ExamineMouseCollection(HidHandle probe);
  Step OpenEventCollection(uint16_t input_report_length);
  Step OpenVendorCollection(const HidCaps& caps);

  HidPort& port_;
  LinkState& link_;
  MessagePort& messages_;
  DiagnosticPort& diagnostics_;
};

}  // namespace vx
